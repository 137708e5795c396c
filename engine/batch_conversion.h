#pragma once

#include "engine/conversion_output.h"
#include "engine/image_io.h"
#include "engine/name_pattern.h"
#include "engine/steps/step.h"

#include <QString>
#include <QStringList>
#include <atomic>
#include <functional>
#include <optional>
#include <vector>

namespace lumaskin {

// The name a converted file gets: the part of the source's file name before its last dot. A
// name without a dot (a dot in a folder name does not count), or whose only dot leads it, is
// kept whole, so that no target is hidden and no two such sources share one.
QString ConversionName(const QString &source);
// The target without its extension: the folder, a separator, then `ConversionName`.
QString ConversionTarget(const QString &folder, const QString &source);

// Makes the folders of `relative` (separated by '/') inside `base`, one by one, as real
// folders; one that exists already must be a folder itself, not a link to one, so that
// nothing is ever written through a link. Returns false with a plain reason on failure.
bool MakeFolders(const QString &base, const QString &relative, QString *error);

// Reads `source`, applies the steps in order and writes `target` (the whole path, extension
// included) in `format` with `settings` (quality, metadata), at the format's fixed size when it
// has one (ico: 32 x 32). With settings.keepOrientation the picture is taken as the file
// stores it, not turned upright by its EXIF orientation. Returns false with a plain reason on
// failure (a step that cannot be applied fails like a picture that cannot be read);
// *writeFailed (when given) tells a failure to write from a failure to read.
bool ConvertFile(const QString &source, const QString &target, const QString &format,
                 const std::vector<Step> &steps, const WriteSettings &settings, QString *error,
                 bool *writeFailed = nullptr);
// The same at the default settings.
bool ConvertFile(const QString &source, const QString &target, const QString &format,
                 const std::vector<Step> &steps, QString *error, bool *writeFailed = nullptr);

// What a conversion does with a target that exists already.
enum class IfExists
{
    Overwrite, // replace it (a source only when the request allows that)
    Skip,      // leave it and do not convert that source
    Rename,    // keep it and write "name (2).ext", "name (3).ext", ... instead
};

// Why a target is not the source's plain name, or why it is skipped.
enum class TargetReason
{
    None,
    SameName, // an earlier source of the list gives the same name
    Source,   // the name is a source of the list, which is kept
    Exists,   // a file of that name exists already
};

struct ConversionOutcome
{
    int row = -1;   // position of the source in the request
    int output = 0; // which of the request's `Outputs` this target is
    QString source;
    QString target; // with its extension

    // The plan, made before anything is written.
    bool skipped = false;                     // left alone by the policy for existing targets
    bool renamed = false;                     // the target is not the plain name
    TargetReason reason = TargetReason::None; // why renamed or skipped
    bool replaces = false;                    // a file at the target is replaced
    bool replacesSource = false;              // and that file is this row's own source
    bool refused = false;                     // the name pattern gives it no name; `error` says why

    // The run.
    bool started = false; // false when skipped, or when a cancel came first
    bool written = false;
    bool writeFailed = false; // the error is about the target rather than the source
    QString error;            // why not, when not written

    // The file a failure is about: the target when writing failed, else the source.
    QString FailedFile() const { return writeFailed ? target : source; }
};

// A few words on why a target was renamed or skipped, for reports.
QString DescribeReason(TargetReason reason);

// Where the targets of a conversion go.
enum class TargetPlace
{
    Folder,       // into the request's folder
    BesideSource, // each into its source's own folder
};

struct ConversionRequest
{
    QStringList sources;
    QString folder;
    // Where each source goes under `folder`, without the extension, when it is not the plain
    // `ConversionName`: "a/b" for FOLDER/a/b.FORMAT. Empty, or an empty entry, for the plain
    // name. The folders in it are made when the file is written, as real folders only: a
    // link on the way is refused, never written through. With a rename pattern only the folders
    // are kept; beside the sources, none of it.
    QStringList names;
    // Names every target instead of the source's own name; its sub-folders are made as those of
    // `names` are. Targets that still share a name are numbered as others are.
    std::optional<NamePattern> rename;
    TargetPlace place = TargetPlace::Folder; // beside the sources, `folder` is not used
    // The format of the file written from each source under its plain name; empty when only
    // `outputs` are written.
    QString format;
    // More files written from each source, from the same reading: each in its format, with its
    // own steps after `steps`, its quality and a suffix to its name. Their targets are planned
    // with all others: no two rows, of one output or of several, write one file.
    std::vector<ConversionOutput> outputs;
    // Done to every picture, in order: effects, resizes, crops, turns and flips.
    std::vector<Step> steps;
    // Files converted at once; 0 = one per core. Never more than the machine's cores, nor
    // than its available memory allows at 256 MB a file.
    int jobs = 0;
    WriteSettings write; // quality, and whether metadata is dropped
    IfExists ifExists = IfExists::Overwrite;
    // Whether a source may be replaced by its own conversion (same folder, same format).
    // Without it the source is kept and its conversion is named "name (2).ext" (the next free
    // number), a name that `ifExists` then treats like any other.
    bool overwriteSources = false;

    // Every file written from each source: the one in `format` first, when given (its quality
    // that of `write`), then `outputs`.
    std::vector<ConversionOutput> Outputs() const;
};

// Converts many files, several at a time. Every target is planned before anything is written:
// sources that give the same name are all kept ("name (2).ext" for the second, and so on, in
// list order, the same on every run), no source is replaced by another file's conversion, and
// existing targets are treated as the request says. The result has one outcome per source and
// output, in list order, the outputs of a source together; each source is read once for all of
// its outputs.
class BatchConversion
{
public:
    // Called after each file, serialised (never two at once), from the thread that finished it;
    // skipped files, and those the name pattern gives no name, are reported first, from the
    // calling thread.
    using Progress = std::function<void(int finished, int total, const ConversionOutcome &)>;

    // The plan alone: targets, renames, skips and what would be replaced. Touches nothing.
    static std::vector<ConversionOutcome> Plan(const ConversionRequest &request);

    // Called as a source is taken in hand, with its first output's outcome; serialised with
    // Progress. A cancel lets the sources in hand finish.
    using Started = std::function<void(const ConversionOutcome &)>;

    static std::vector<ConversionOutcome> Run(const ConversionRequest &request,
                                              const Progress &progress = {},
                                              const std::atomic<bool> *cancel = nullptr,
                                              const Started &started = {});
};

} // namespace lumaskin
