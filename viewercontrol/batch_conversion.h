#pragma once

#include "viewercontrol/effects/effect_table.h"
#include "viewercontrol/image_io.h"

#include <QString>
#include <QStringList>
#include <QVariantList>
#include <atomic>
#include <functional>
#include <vector>

namespace lumaskin {

// One effect with its arguments, as the conversion applies it to every file.
struct EffectStep
{
    const EffectDescriptor *effect = nullptr;
    std::vector<double> arguments;
};

// An effect as the viewer's automation calls it: the effect of `dispatchId` with the call's
// arguments in the types that identifier takes ("short" values keep their low 16 bits). Null
// effect for an identifier that is not an effect.
EffectStep EffectStepFromCall(int dispatchId, const QVariantList &arguments);

// The name a converted file gets: the part of the source's file name before its last dot.
// Empty when the file name has no dot (a dot in a folder name does not count).
QString ConversionName(const QString &source);
// The target without its extension: the folder, a separator, then `ConversionName`.
QString ConversionTarget(const QString &folder, const QString &source);

// Reads `source`, applies the steps in order and writes `targetBase` + "." + `format` with
// `settings` (quality, metadata). "ico" is written as a 32 x 32 icon. Returns false with a
// plain reason on failure.
bool ConvertFile(const QString &source, const QString &targetBase, const QString &format,
                 const std::vector<EffectStep> &steps, const WriteSettings &settings,
                 QString *error);
// The same at the default settings.
bool ConvertFile(const QString &source, const QString &targetBase, const QString &format,
                 const std::vector<EffectStep> &steps, QString *error);

struct ConversionOutcome
{
    int row = -1; // position of the source in the request
    QString source;
    QString target;       // with its extension
    bool started = false; // false when a cancel came first
    bool written = false;
    QString error; // why not, when not written
};

struct ConversionRequest
{
    QStringList sources;
    QString folder;
    QString format;
    std::vector<EffectStep> steps;
    // Files converted at once; 0 = one per core. Never more than the machine's cores, nor
    // than its available memory allows at 256 MB a file.
    int jobs = 0;
    WriteSettings write; // quality, and whether metadata is dropped
};

// Converts many files, several at a time. Sources whose targets collide are converted one
// after another in list order, so the later one wins as it would one by one. The result has
// one outcome per source, in list order.
class BatchConversion
{
public:
    // Called after each file, serialised (never two at once), from the thread that finished it.
    using Progress = std::function<void(int finished, int total, const ConversionOutcome &)>;

    static std::vector<ConversionOutcome> Run(const ConversionRequest &request,
                                              const Progress &progress = {},
                                              const std::atomic<bool> *cancel = nullptr);
};

} // namespace lumaskin
