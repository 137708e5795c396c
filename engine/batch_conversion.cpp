#include "engine/batch_conversion.h"

#include "engine/codecs/atomic_file.h"
#include "engine/codecs/codec.h"
#include "engine/codecs/metadata_library.h"
#include "engine/codecs/scratch_folder.h"
#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/parallel.h"
#include "engine/steps/stepped_reading.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <limits>
#include <mutex>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <thread>
#include <unordered_map>

namespace lumaskin {

namespace {

// What one file in hand may take: a photo of tens of megapixels, a copy for its effects and
// the encoder's buffers.
constexpr std::int64_t kMemoryPerJob = std::int64_t{256} << 20;

// Files read or converted at once: as many as the request asks, never more than the machine's
// cores and memory allow.
int JobLimit(const ConversionRequest &request)
{
    return std::min(request.jobs > 0 ? request.jobs : std::numeric_limits<int>::max(),
                    MachineTaskLimit(kMemoryPerJob));
}

} // namespace

QString ConversionName(const QString &source)
{
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = source.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        return source.mid(slash + 1);
    return source.mid(slash + 1, dot - slash - 1);
}

namespace {

// `relative` under the output folder; an empty folder is the root.
QString InOutputFolder(const QString &folder, const QString &relative)
{
    return FolderWithSlash(folder.isEmpty() ? QStringLiteral("/") : folder) + relative;
}

} // namespace

QString ConversionTarget(const QString &folder, const QString &source)
{
    return InOutputFolder(folder, ConversionName(source));
}

bool MakeFolders(const QString &base, const QString &relative, QString *error)
{
    QString path = base.isEmpty() ? QStringLiteral("/") : base;
    for (const QString &part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
        path = JoinedPath(path, part);
        const QByteArray native = NativeFileName(path);
        // Another process of a split batch may make the same folder at the same moment.
        if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST) {
            *error = QCoreApplication::translate("BatchConversion", "cannot make the folder %1: %2")
                         .arg(QuotedFileName(path), QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        struct stat info = {};
        if (::lstat(native.constData(), &info) != 0 || !S_ISDIR(info.st_mode)) {
            *error =
                S_ISLNK(info.st_mode)
                    ? QCoreApplication::translate("BatchConversion",
                                                  "%1 is a link; nothing is written through links")
                          .arg(QuotedFileName(path))
                    : QCoreApplication::translate("BatchConversion", "%1 is in the way of a folder")
                          .arg(QuotedFileName(path));
            return false;
        }
    }
    return true;
}

namespace {

// Writes a converted picture, at the format's fixed size when it has one.
bool WriteConverted(const Image &image, const QString &target, const QString &format,
                    const WriteSettings &settings, QString *error)
{
    const Format *outputFormat = FindWrittenFormat(format);
    return outputFormat && outputFormat->fixedSize.isValid()
               ? WriteImageAtSize(image, target, format, outputFormat->fixedSize, settings, error)
               : WriteImage(image, target, format, settings, error);
}

} // namespace

std::vector<ConversionOutput> ConversionRequest::Outputs() const
{
    std::vector<ConversionOutput> all;
    if (!format.isEmpty()) {
        ConversionOutput plain;
        plain.format = format;
        all.push_back(std::move(plain));
    }
    all.insert(all.end(), outputs.begin(), outputs.end());
    return all;
}

bool ConvertFile(const QString &source, const QString &target, const QString &format,
                 const std::vector<Step> &steps, QString *error, bool *writeFailed)
{
    return ConvertFile(source, target, format, steps, WriteSettings{}, error, writeFailed);
}

bool ConvertFile(const QString &source, const QString &target, const QString &format,
                 const std::vector<Step> &steps, const WriteSettings &settings, QString *error,
                 bool *writeFailed)
{
    if (writeFailed)
        *writeFailed = false;
    const Format *outputFormat = FindWrittenFormat(format);
    // Nothing done to the picture, or only effects a band of rows at a time: straight from
    // file to file where the format can.
    const std::optional<RowWork> work = StepsAsRowWork(steps);
    if (work && outputFormat && outputFormat->transcode) {
        const Shortcut done = outputFormat->transcode(source, target, settings, &*work, error);
        if (done != Shortcut::Declined) {
            if (writeFailed)
                *writeFailed = done == Shortcut::Failed;
            return done == Shortcut::Done;
        }
    }
    const Image image = ReadWithSteps(source, steps, settings.keepOrientation, error);
    if (image.IsNull())
        return false;
    const bool ok = WriteConverted(image, target, format, settings, error);
    if (writeFailed)
        *writeFailed = !ok;
    return ok;
}

QString DescribeReason(TargetReason reason)
{
    switch (reason) {
    case TargetReason::None:
        break;
    case TargetReason::SameName:
        return QCoreApplication::translate("BatchConversion",
                                           "another picture of the list has the same name");
    case TargetReason::Source:
        return QCoreApplication::translate("BatchConversion",
                                           "a picture being converted has that name and is kept");
    case TargetReason::Exists:
        return QCoreApplication::translate("BatchConversion", "a file of that name exists already");
    }
    return {};
}

namespace {

// A file's identity, so that a source reached by another path (a link, "..") is still known.
struct FileId
{
    dev_t device = 0;
    ino_t inode = 0;
    bool operator==(const FileId &) const = default;
};

struct FileIdHash
{
    std::size_t operator()(const FileId &id) const
    {
        return std::hash<std::uint64_t>()(static_cast<std::uint64_t>(id.inode) * 31u +
                                          static_cast<std::uint64_t>(id.device));
    }
};

std::optional<FileId> IdentityOf(const QString &path)
{
    struct stat info = {};
    if (path.isEmpty() || ::stat(NativeFileName(path).constData(), &info) != 0)
        return std::nullopt;
    return FileId{info.st_dev, info.st_ino};
}

// Anything at all at `path`, a dangling link included.
bool Occupied(const QString &path)
{
    struct stat info = {};
    return ::lstat(NativeFileName(path).constData(), &info) == 0;
}

// Plans the targets of one request; see BatchConversion.
class TargetPlanner
{
public:
    explicit TargetPlanner(const ConversionRequest &request)
        : m_request(request), m_outputs(request.Outputs())
    {
        // One row for every source and output, the outputs of a source together.
        for (int source = 0; source < request.sources.size(); ++source)
            for (int output = 0; output < static_cast<int>(m_outputs.size()); ++output)
                m_entries.push_back({source, output});
    }

    const std::vector<ConversionOutput> &Outputs() const { return m_outputs; }

    std::vector<ConversionOutcome> Plan()
    {
        const int total = static_cast<int>(m_entries.size());
        std::vector<ConversionOutcome> plan(static_cast<std::size_t>(total));
        NameRows(plan);
        m_sourceIds.resize(plan.size());
        std::vector<std::optional<FileId>> plainIds(plan.size());
        for (int row = 0; row < total; ++row) {
            ConversionOutcome &outcome = plan[static_cast<std::size_t>(row)];
            // A source the pattern gives no name is still a source, which no target replaces.
            m_sourceIds[static_cast<std::size_t>(row)] = IdentityOf(outcome.source);
            if (const auto &id = m_sourceIds[static_cast<std::size_t>(row)];
                id && Entry(row).output == 0)
                ++m_sourceCount[*id];
            if (outcome.refused)
                continue;
            outcome.target = PlainTarget(row);
            outcome.error = QCoreApplication::translate(
                "BatchConversion", "not converted: the conversion was cancelled");
            plainIds[static_cast<std::size_t>(row)] = IdentityOf(outcome.target);
        }

        // A source that is its own plain target keeps that name: another file's conversion
        // never takes it. A source listed twice (or under two paths) is not its own target:
        // one row's write would change what the other reads.
        std::vector<bool> own(plan.size(), false);
        for (ConversionOutcome &outcome : plan) {
            const std::size_t row = static_cast<std::size_t>(outcome.row);
            if (!outcome.refused && m_sourceIds[row] && m_sourceCount[*m_sourceIds[row]] == 1 &&
                plainIds[row] == m_sourceIds[row]) {
                own[row] = true;
                m_claimed.insert(outcome.target);
            }
        }
        // Then, in list order, every source takes its plain name while it is free; the others
        // get the first free "name (n).ext", so that the same list gives the same names on every
        // run.
        std::vector<bool> numbered(plan.size(), false);
        std::vector<bool> settled(plan.size(), false);
        for (ConversionOutcome &outcome : plan) {
            const std::size_t row = static_cast<std::size_t>(outcome.row);
            if (outcome.refused) {
                settled[row] = true;
            } else if (own[row] && m_request.overwriteSources) {
                outcome.replaces = outcome.replacesSource = true;
                settled[row] = true;
            } else if (own[row]) {
                // The source stays; its conversion goes beside it, under a name that the
                // policy for existing targets then treats like any other.
                outcome.reason = TargetReason::Source;
                numbered[row] = true;
            } else if (m_claimed.contains(outcome.target)) {
                outcome.reason = TargetReason::SameName;
                numbered[row] = true;
            } else if (plainIds[row] && m_sourceCount.contains(*plainIds[row])) {
                outcome.reason = TargetReason::Source;
                numbered[row] = true;
            } else {
                m_claimed.insert(outcome.target);
            }
        }
        // Numbers go out in list order, so that earlier pictures get the lower ones.
        for (ConversionOutcome &outcome : plan) {
            const std::size_t row = static_cast<std::size_t>(outcome.row);
            if (numbered[row]) {
                outcome.target =
                    NumberedTarget(outcome.row, m_request.ifExists == IfExists::Rename);
                outcome.renamed = true;
            }
            if (!settled[row])
                ApplyPolicy(outcome);
        }
        // Planned by row of the plan; reported by source and output.
        for (ConversionOutcome &outcome : plan) {
            outcome.output = Entry(outcome.row).output;
            outcome.row = Entry(outcome.row).source;
        }
        return plan;
    }

    // The folders to make for the target of a row of the plan, as MakeFolders takes them:
    // inside which folder, and which; none when the target goes straight into a folder that
    // exists.
    std::pair<QString, QString> FoldersToMake(int row) const
    {
        return m_foldersToMake[static_cast<std::size_t>(row)];
    }

    // The next free numbered name for a row whose target was found taken as it was written.
    QString NextFreeTarget(int row) { return NumberedTarget(row, true); }

private:
    struct PlanEntry
    {
        int source = 0;
        int output = 0;
    };

    const PlanEntry &Entry(int row) const { return m_entries[static_cast<std::size_t>(row)]; }
    const ConversionOutput &OutputOf(int row) const
    {
        return m_outputs[static_cast<std::size_t>(Entry(row).output)];
    }

    // Names every row: its target without the extension, or why it has none (`refused`).
    void NameRows(std::vector<ConversionOutcome> &plan)
    {
        const std::size_t total = plan.size();
        m_bases.resize(total);
        m_foldersToMake.resize(total);
        const NamePattern *pattern = m_request.rename ? &*m_request.rename : nullptr;
        std::vector<NameFields> fields(total);
        std::vector<QString> faults(total);
        if (pattern && (pattern->UsesDate() || pattern->UsesSize())) {
            // Pictures whose headers do not give their size are read whole: as many at once as
            // a conversion would take.
            const ParallelismLimit limit(JobLimit(m_request));
            ParallelFor(static_cast<int>(total), [&](int begin, int end) {
                for (int row = begin; row < end; ++row)
                    ReadFields(row, *pattern, &fields[static_cast<std::size_t>(row)],
                               &faults[static_cast<std::size_t>(row)]);
            });
        }
        const bool beside = m_request.place == TargetPlace::BesideSource;
        for (std::size_t row = 0; row < total; ++row) {
            ConversionOutcome &outcome = plan[row];
            outcome.row = static_cast<int>(row);
            const int source = Entry(outcome.row).source;
            outcome.source = m_request.sources[source];
            const QString given = beside ? QString() : m_request.names.value(source);
            QString relative = given.isEmpty() ? ConversionName(outcome.source) : given;
            if (pattern) {
                std::optional<QString> name;
                if (faults[row].isEmpty()) {
                    NameFields &own = fields[row];
                    own.name = ConversionName(outcome.source);
                    own.ext = outcome.source.mid(outcome.source.lastIndexOf(u'/') + 1)
                                  .mid(own.name.size() + 1);
                    own.folder =
                        QDir::cleanPath(QFileInfo(outcome.source).absolutePath()).section(u'/', -1);
                    own.place = source + 1;
                    name = pattern->Expand(own, &faults[row]);
                }
                if (!name) {
                    outcome.refused = true;
                    outcome.error = faults[row];
                    continue;
                }
                const qsizetype cut = given.lastIndexOf(u'/');
                relative = JoinedPath(cut > 0 ? given.left(cut) : QString(), *name);
            }
            const qsizetype slash = outcome.source.lastIndexOf(u'/');
            const QString folder = !beside      ? m_request.folder
                                   : slash < 0  ? QStringLiteral(".")
                                   : slash == 0 ? QStringLiteral("/")
                                                : outcome.source.left(slash);
            m_bases[row] = (beside ? outcome.source.left(slash + 1) + relative
                                   : InOutputFolder(folder, relative)) +
                           OutputOf(outcome.row).suffix;
            const qsizetype sub = relative.lastIndexOf(u'/');
            if (sub > 0)
                m_foldersToMake[row] = {folder, relative.left(sub)};
        }
    }

    // What a pattern takes from the file itself: when the picture was taken (else when the file
    // was changed) and the size written. Sets *fault when the file cannot give them.
    void ReadFields(int row, const NamePattern &pattern, NameFields *fields, QString *fault) const
    {
        const QString &source = m_request.sources[Entry(row).source];
        const ConversionOutput &output = OutputOf(row);
        struct stat info = {};
        if (::stat(NativeFileName(source).constData(), &info) != 0 || !S_ISREG(info.st_mode)) {
            ReadImage(source, fault); // says why it cannot be read, as converting would
            return;
        }
        const Format *format = FindWrittenFormat(output.format);
        const QSize fixed = format ? format->fixedSize : QSize();
        const PictureHeaders headers =
            pattern.UsesDate() || !fixed.isValid() ? ReadPictureHeaders(source) : PictureHeaders{};
        fields->date = headers.taken.isValid() ? headers.taken
                                               : QDateTime::fromSecsSinceEpoch(info.st_mtim.tv_sec);
        // The size written: the picture's, as the steps leave it, unless the format has a size
        // of its own.
        QSize read = headers.size;
        if (pattern.UsesSize() && !fixed.isValid() && !read.isValid()) {
            const Image image = ReadImage(source, fault);
            read = QSize(image.Width(), image.Height());
        }
        fields->size = fixed.isValid()
                           ? fixed
                           : SizeAfterSteps(SizeAfterSteps(read, m_request.steps), output.steps);
    }

    // The target without its extension.
    QString Base(int row) const { return m_bases[static_cast<std::size_t>(row)]; }

    QString PlainTarget(int row) const
    {
        return Base(row) + QLatin1Char('.') + OutputOf(row).format;
    }

    bool IsListedSource(const QString &path) const
    {
        const std::optional<FileId> id = IdentityOf(path);
        return id && m_sourceCount.contains(*id);
    }

    QString NumberedTarget(int row, bool mustBeAbsent)
    {
        const QString base = Base(row);
        // A number passed over once stays taken, so each name goes on where it left off.
        int &next = m_nextNumber[base];
        for (int n = std::max(next, 2);; ++n) {
            const QString candidate =
                QStringLiteral("%1 (%2).%3").arg(base).arg(n).arg(OutputOf(row).format);
            if (m_claimed.contains(candidate) || IsListedSource(candidate) ||
                (mustBeAbsent && Occupied(candidate)))
                continue;
            m_claimed.insert(candidate);
            next = n + 1;
            return candidate;
        }
    }

    // A target that exists already, and is no source of the list.
    void ApplyPolicy(ConversionOutcome &outcome)
    {
        if (!Occupied(outcome.target))
            return;
        switch (m_request.ifExists) {
        case IfExists::Overwrite:
            outcome.replaces = true;
            return;
        case IfExists::Skip:
            Skip(outcome, TargetReason::Exists);
            return;
        case IfExists::Rename:
            outcome.target = NumberedTarget(outcome.row, true);
            if (!outcome.renamed)
                outcome.reason = TargetReason::Exists;
            outcome.renamed = true;
            return;
        }
    }

    static void Skip(ConversionOutcome &outcome, TargetReason why)
    {
        outcome.skipped = true;
        outcome.reason = why;
        outcome.error = QStringLiteral("skipped: %1").arg(DescribeReason(why));
    }

    const ConversionRequest &m_request;
    std::vector<ConversionOutput> m_outputs;
    std::vector<PlanEntry> m_entries;
    std::vector<QString> m_bases;
    std::vector<std::pair<QString, QString>> m_foldersToMake;
    std::vector<std::optional<FileId>> m_sourceIds;
    std::unordered_map<FileId, int, FileIdHash> m_sourceCount;
    QSet<QString> m_claimed;
    QHash<QString, int> m_nextNumber;
};

// The settings of one write and what it finds. Unless files are to be replaced, a file that
// appears at the target while this one is written (another run into the same folder) is kept:
// this one takes the next free number, or is skipped.
class KeptTarget
{
public:
    KeptTarget(IfExists ifExists, const WriteSettings &settings, std::function<QString()> next)
        : m_ifExists(ifExists), m_settings(settings), m_keep{{}, &m_writtenAs, &m_existed}
    {
        if (ifExists == IfExists::Rename)
            m_keep.another = std::move(next);
        if (ifExists != IfExists::Overwrite)
            m_settings.keepExisting = &m_keep;
    }
    KeptTarget(const KeptTarget &) = delete;
    KeptTarget &operator=(const KeptTarget &) = delete;

    const WriteSettings &Settings() const { return m_settings; }

    // The outcome as the write left it: written under another name, or skipped.
    void Settle(ConversionOutcome &outcome) const
    {
        if (!m_existed)
            return;
        if (outcome.written) {
            outcome.target = m_writtenAs;
            if (!outcome.renamed)
                outcome.reason = TargetReason::Exists;
            outcome.renamed = true;
        } else if (m_ifExists == IfExists::Skip) {
            outcome.skipped = true;
            outcome.reason = TargetReason::Exists;
            outcome.writeFailed = false;
            outcome.error = QStringLiteral("skipped: %1").arg(DescribeReason(outcome.reason));
        }
    }

private:
    IfExists m_ifExists;
    WriteSettings m_settings;
    QString m_writtenAs;
    bool m_existed = false;
    NameTaken m_keep;
};

} // namespace

std::vector<ConversionOutcome> BatchConversion::Plan(const ConversionRequest &request)
{
    return TargetPlanner(request).Plan();
}

std::vector<ConversionOutcome> BatchConversion::Run(const ConversionRequest &request,
                                                    const Progress &progress,
                                                    const std::atomic<bool> *cancel,
                                                    const Started &started)
{
    TargetPlanner planner(request);
    std::vector<ConversionOutcome> outcomes = planner.Plan();
    const int total = static_cast<int>(outcomes.size());
    // What runs killed outright left behind goes, though this one may never need such a folder.
    RemoveAbandonedScratchFolders();
    std::mutex progressMutex;
    // The planner again, for numbers taken while writing.
    std::mutex planMutex;
    int finished = 0;

    // Each output's steps and settings: the request's, then its own.
    const std::vector<ConversionOutput> &outputs = planner.Outputs();
    std::vector<std::vector<Step>> outputSteps;
    std::vector<WriteSettings> outputSettings;
    for (const ConversionOutput &output : outputs) {
        std::vector<Step> steps = request.steps;
        steps.insert(steps.end(), output.steps.begin(), output.steps.end());
        outputSteps.push_back(std::move(steps));
        WriteSettings settings = request.write;
        settings.quality = output.quality.value_or(settings.quality);
        outputSettings.push_back(settings);
    }

    // The rows to write, the outputs of one source together: each source is read once.
    std::vector<std::vector<std::size_t>> toWrite;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        ConversionOutcome &outcome = outcomes[i];
        if (!outcome.skipped && !outcome.refused) {
            if (toWrite.empty() || outcomes[toWrite.back().front()].row != outcome.row)
                toWrite.emplace_back();
            toWrite.back().push_back(i);
            continue;
        }
        ++finished;
        if (progress)
            progress(finished, total, outcome);
    }

    // No more files at once than the machine has cores and memory for, whatever was asked.
    const int jobs =
        std::clamp(JobLimit(request), 1, std::max(1, static_cast<int>(toWrite.size())));

    // Each worker's next photo reuses the buffers of its last one.
    const PictureBufferReuse reuse(2 * jobs);

    // Writes the rows of one source: read with the request's steps once, then each output's
    // own steps on a copy. A single row goes the way of a single conversion, which may read the
    // picture smaller for its resize or copy a JPEG without decoding it.
    // The next free numbered name of a target found taken as it is written.
    const auto nextFree = [&](std::size_t row) {
        return [&planner, &planMutex, row] {
            std::lock_guard planning(planMutex);
            return planner.NextFreeTarget(static_cast<int>(row));
        };
    };
    const auto convertSource = [&](const std::vector<std::size_t> &rows) {
        if (started) {
            std::lock_guard lock(progressMutex);
            started(outcomes[rows.front()]);
        }
        std::vector<std::size_t> ready;
        for (const std::size_t i : rows) {
            ConversionOutcome &outcome = outcomes[i];
            outcome.error.clear();
            outcome.started = true;
            const auto [base, folders] = planner.FoldersToMake(static_cast<int>(i));
            if (!folders.isEmpty() && !MakeFolders(base, folders, &outcome.error))
                outcome.writeFailed = true;
            else
                ready.push_back(i);
        }
        if (ready.size() == 1) {
            ConversionOutcome &outcome = outcomes[ready.front()];
            const auto o = static_cast<std::size_t>(outcome.output);
            KeptTarget kept(request.ifExists, outputSettings[o], nextFree(ready.front()));
            outcome.written =
                ConvertFile(outcome.source, outcome.target, outputs[o].format, outputSteps[o],
                            kept.Settings(), &outcome.error, &outcome.writeFailed);
            kept.Settle(outcome);
        } else if (!ready.empty()) {
            QString readError;
            Image picture = ReadWithSteps(outcomes[ready.front()].source, request.steps,
                                          request.write.keepOrientation, &readError);
            for (std::size_t k = 0; k < ready.size(); ++k) {
                ConversionOutcome &outcome = outcomes[ready[k]];
                const auto o = static_cast<std::size_t>(outcome.output);
                if (picture.IsNull()) {
                    outcome.error = readError;
                    continue;
                }
                Image copy = k + 1 < ready.size() ? picture.Clone() : std::move(picture);
                if (copy.IsNull()) {
                    outcome.error = reason::OutOfMemory();
                    continue;
                }
                if (!ApplySteps(copy, outputs[o].steps, &outcome.error))
                    continue;
                KeptTarget kept(request.ifExists, outputSettings[o], nextFree(ready[k]));
                outcome.written = WriteConverted(copy, outcome.target, outputs[o].format,
                                                 kept.Settings(), &outcome.error);
                outcome.writeFailed = !outcome.written;
                kept.Settle(outcome);
            }
        }
        std::lock_guard lock(progressMutex);
        for (const std::size_t i : rows) {
            ++finished;
            if (progress)
                progress(finished, total, outcomes[i]);
        }
    };

    // Every planned target is distinct and none is another row's source, so the files can be
    // converted in any order.
    std::atomic<std::size_t> next{0};
    // Workers still converting; when the last files leave cores idle, the files still to start
    // share those cores inside the picture.
    std::atomic<int> working{jobs};
    const int cores = CurrentParallelism();
    const auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };
    const auto worker = [&] {
        struct Leaving
        {
            std::atomic<int> &working;
            ~Leaving() { --working; }
        } const leaving{working};
        for (;;) {
            if (cancelled())
                return;
            const std::size_t i = next.fetch_add(1);
            if (i >= toWrite.size())
                return;
            // With several files at once, each file's effects and codecs run on its own
            // thread only, unless other workers have run out of files.
            std::optional<ParallelismLimit> share;
            if (jobs > 1)
                share.emplace(std::max(1, cores / std::max(1, working.load())));
            convertSource(toWrite[i]);
        }
    };

    if (jobs == 1) {
        worker();
    } else {
        std::vector<std::jthread> threads;
        try {
            for (int i = 0; i < jobs; ++i)
                threads.emplace_back(worker);
        } catch (const std::system_error &) {
            // The system allows no more threads: those started do the work, or this one.
            working -= jobs - static_cast<int>(threads.size());
            if (threads.empty()) {
                ++working;
                worker();
            }
        }
    }
    return outcomes;
}

} // namespace lumaskin
