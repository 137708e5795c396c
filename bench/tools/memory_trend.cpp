#include "bench/tools/memory_trend.h"

#include <QFile>
#include <QRegularExpression>
#include <algorithm>
#include <numeric>

namespace lumaskin::bench {

namespace {

std::int64_t OwnStatusField(const QString &field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    return StatusFieldKiB(QString::fromLatin1(status.readAll()), field);
}

} // namespace

std::int64_t StatusFieldKiB(const QString &statusText, const QString &field)
{
    const QRegularExpression line(
        QStringLiteral("^%1:\\s*(\\d+)\\s*kB\\s*$").arg(QRegularExpression::escape(field)),
        QRegularExpression::MultilineOption);
    const QRegularExpressionMatch match = line.match(statusText);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

std::int64_t CurrentRssKiB()
{
    return OwnStatusField(QStringLiteral("VmRSS"));
}

std::int64_t PeakRssKiB()
{
    return OwnStatusField(QStringLiteral("VmHWM"));
}

MemoryTrend SummariseMemory(const std::vector<std::int64_t> &samplesKiB, int window)
{
    MemoryTrend trend;
    trend.samples = static_cast<int>(samplesKiB.size());
    if (samplesKiB.empty() || window <= 0)
        return trend;
    const auto n = std::min<std::size_t>(static_cast<std::size_t>(window), samplesKiB.size());
    const auto mean = [n](auto begin) {
        return static_cast<double>(std::accumulate(begin, begin + static_cast<std::ptrdiff_t>(n),
                                                   std::int64_t{0})) /
               static_cast<double>(n);
    };
    trend.firstMeanKiB = mean(samplesKiB.begin());
    trend.lastMeanKiB = mean(samplesKiB.end() - static_cast<std::ptrdiff_t>(n));
    trend.highestKiB = *std::max_element(samplesKiB.begin(), samplesKiB.end());
    return trend;
}

} // namespace lumaskin::bench
