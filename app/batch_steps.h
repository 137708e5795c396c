#pragma once

#include "engine/batch_conversion.h"
#include "engine/effects/effect_step.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

namespace lumaskin {

class AppSettings;
class ConversionChoice;

// What a conversion does to every picture besides the effects marked in the effect windows: the
// steps in order (resizes, crops, turns, flips, watermarks, and effects a preset brought), the
// further files written from each picture, the naming pattern, and whether metadata is left
// out. The program's own state, which the Steps window shows and changes; it outlives every
// skin and, once given settings, every run.
class BatchSteps : public QObject
{
    Q_OBJECT

public:
    // Takes what `settings` remembers, and writes every later change there. Null forgets.
    void RememberIn(AppSettings *settings);

    const std::vector<Step> &Steps() const { return m_steps; }
    void Add(Step step);
    void Replace(int row, Step step);
    // Moves a step one place up (-1) or down (+1); the first goes no higher, the last no lower.
    void Move(int row, int offset);
    void Remove(int row);

    bool StripMetadata() const { return m_strip; }
    void SetStripMetadata(bool strip);
    const std::vector<ConversionOutput> &Outputs() const { return m_outputs; }
    // The further files: one more after the others, one changed, one no longer written.
    void AddOutput(ConversionOutput output);
    void ReplaceOutput(int row, ConversionOutput output);
    void RemoveOutput(int row);
    const std::optional<NamePattern> &Rename() const { return m_rename; }
    void SetRename(std::optional<NamePattern> rename);
    // Into the folder chosen at Convert, or beside each picture (which then asks for none).
    TargetPlace Place() const { return m_place; }
    void SetPlace(TargetPlace place);

    // The request a conversion of `sources` into `folder` makes: the format and quality of
    // `choice`, then the effects marked (in the windows' order), then these steps, outputs,
    // naming and metadata; what the steps read from files is read. Nothing, with a plain reason
    // naming the file, when a watermark's picture cannot be read.
    std::optional<ConversionRequest> Request(const ConversionChoice &choice,
                                             const std::vector<EffectStep> &effects,
                                             const QStringList &sources, const QString &folder,
                                             QString *error) const;

    // Takes the preset's steps, outputs, naming and metadata, and its format and quality into
    // `choice`. False, with a plain reason naming the file and line, and nothing changed, when
    // the preset cannot be read.
    bool LoadPreset(const QString &file, ConversionChoice &choice, QString *error);
    // Keeps the batch `request` makes as a preset (its folder too).
    static bool SavePreset(const QString &file, const ConversionRequest &request, QString *error);

signals:
    void changed();

private:
    void Changed();
    // Takes the batch of a preset's options; false when they ask for none.
    void Take(const ConversionRequest &request);

    AppSettings *m_settings = nullptr;
    std::vector<Step> m_steps;
    std::vector<ConversionOutput> m_outputs;
    std::optional<NamePattern> m_rename;
    TargetPlace m_place = TargetPlace::Folder;
    bool m_strip = false;
};

} // namespace lumaskin
