#include "viewercontrol/batch_conversion.h"

#include "viewercontrol/image_io.h"
#include "viewercontrol/parallel.h"

#include <QHash>
#include <algorithm>
#include <limits>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>

namespace lumaskin {

namespace {

// What one file in hand may take: a photo of tens of megapixels, a copy for its effects and
// the encoder's buffers.
constexpr std::int64_t kMemoryPerJob = std::int64_t{256} << 20;

} // namespace

QString ConversionName(const QString &source)
{
    const qsizetype slash = source.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = source.lastIndexOf(QLatin1Char('.'));
    if (dot < 0 || dot < slash)
        return {};
    return source.mid(slash + 1, dot - slash - 1);
}

QString ConversionTarget(const QString &folder, const QString &source)
{
    QString base = folder;
    while (base.size() > 1 && base.endsWith(QLatin1Char('/')))
        base.chop(1);
    if (!base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    return base + ConversionName(source);
}

EffectStep EffectStepFromCall(int dispatchId, const QVariantList &arguments)
{
    EffectStep step;
    step.effect = FindEffectByDispatchId(dispatchId);
    if (!step.effect)
        return step;
    const auto count = std::min<std::size_t>(step.effect->arguments.size(),
                                             static_cast<std::size_t>(arguments.size()));
    for (std::size_t i = 0; i < count; ++i) {
        const QVariant &value = arguments[static_cast<qsizetype>(i)];
        switch (step.effect->arguments[i].kind) {
        case ArgumentKind::Int:
            step.arguments.push_back(static_cast<std::int16_t>(value.toLongLong()));
            break;
        case ArgumentKind::Colour:
            step.arguments.push_back(
                static_cast<double>(static_cast<std::uint32_t>(value.toLongLong())));
            break;
        case ArgumentKind::Double:
            step.arguments.push_back(value.toDouble());
            break;
        }
    }
    return step;
}

bool ConvertFile(const QString &source, const QString &targetBase, const QString &format,
                 const std::vector<EffectStep> &steps, QString *error)
{
    return ConvertFile(source, targetBase, format, steps, WriteSettings{}, error);
}

bool ConvertFile(const QString &source, const QString &targetBase, const QString &format,
                 const std::vector<EffectStep> &steps, const WriteSettings &settings,
                 QString *error)
{
    Image image = ReadImage(source, error);
    if (image.isNull())
        return false;
    for (const EffectStep &step : steps)
        if (step.effect)
            step.effect->apply(image, step.arguments);
    const QString target = targetBase + QLatin1Char('.') + format;
    if (format == QLatin1String("ico"))
        return WriteIcon(image, target, 32, 32, error);
    return WriteImage(image, target, format, settings, error);
}

std::vector<ConversionOutcome> BatchConversion::Run(const ConversionRequest &request,
                                                    const Progress &progress,
                                                    const std::atomic<bool> *cancel)
{
    const int total = static_cast<int>(request.sources.size());
    std::vector<ConversionOutcome> outcomes(static_cast<std::size_t>(total));

    // Group rows by target, groups in order of their first row.
    std::vector<std::vector<int>> groups;
    QHash<QString, std::size_t> groupOfTarget;
    for (int row = 0; row < total; ++row) {
        ConversionOutcome &outcome = outcomes[static_cast<std::size_t>(row)];
        outcome.row = row;
        outcome.source = request.sources[row];
        outcome.target =
            ConversionTarget(request.folder, outcome.source) + QLatin1Char('.') + request.format;
        outcome.error = QStringLiteral("not converted: the conversion was cancelled");
        auto it = groupOfTarget.find(outcome.target);
        if (it == groupOfTarget.end()) {
            groupOfTarget.insert(outcome.target, groups.size());
            groups.push_back({row});
        } else {
            groups[*it].push_back(row);
        }
    }

    // No more files at once than the machine has cores and memory for, whatever was asked.
    int jobs = std::min(request.jobs > 0 ? request.jobs : std::numeric_limits<int>::max(),
                        MachineTaskLimit(kMemoryPerJob));
    jobs = std::clamp(jobs, 1, std::max(1, static_cast<int>(groups.size())));

    std::atomic<std::size_t> nextGroup{0};
    std::mutex progressMutex;
    int finished = 0;
    const auto cancelled = [&] { return cancel && cancel->load(std::memory_order_relaxed); };

    const auto worker = [&] {
        // With several files at once, each file's effects run on its own thread only.
        std::optional<ParallelismLimit> single;
        if (jobs > 1)
            single.emplace(1);
        for (;;) {
            if (cancelled())
                return;
            const std::size_t g = nextGroup.fetch_add(1);
            if (g >= groups.size())
                return;
            for (int row : groups[g]) {
                if (cancelled())
                    return;
                ConversionOutcome &outcome = outcomes[static_cast<std::size_t>(row)];
                const QString base = ConversionTarget(request.folder, outcome.source);
                outcome.error.clear();
                outcome.started = true;
                outcome.written = ConvertFile(outcome.source, base, request.format, request.steps,
                                              request.write, &outcome.error);
                std::lock_guard lock(progressMutex);
                ++finished;
                if (progress)
                    progress(finished, total, outcome);
            }
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
            if (threads.empty())
                worker();
        }
    }
    return outcomes;
}

} // namespace lumaskin
