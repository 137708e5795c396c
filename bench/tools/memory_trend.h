#pragma once

#include <QString>
#include <cstdint>
#include <vector>

namespace lumaskin::bench {

// The resident set of this process now and at its highest, in KiB, from /proc/self/status;
// 0 where the kernel does not say.
std::int64_t CurrentRssKiB();
std::int64_t PeakRssKiB();
// The named field ("VmRSS", "VmHWM", ...) of a /proc/<pid>/status text, in KiB; 0 when missing.
std::int64_t StatusFieldKiB(const QString &statusText, const QString &field);

// Whether memory stays flat over a long run: the mean resident set after the first `window`
// files against the mean after the last `window` files, one sample per finished file.
struct MemoryTrend
{
    int samples = 0;
    double firstMeanKiB = 0;
    double lastMeanKiB = 0;
    std::int64_t highestKiB = 0;
    // last - first, in KiB and as a share of the first.
    double GrowthKiB() const { return lastMeanKiB - firstMeanKiB; }
    double GrowthShare() const { return firstMeanKiB > 0 ? GrowthKiB() / firstMeanKiB : 0; }
    // Flat when the last files' mean is no more than `tolerance` (a share) above the first's.
    bool IsFlat(double tolerance) const { return GrowthShare() <= tolerance; }
};

// Needs at least one sample; with fewer than 2 * window samples the two windows overlap.
MemoryTrend SummariseMemory(const std::vector<std::int64_t> &samplesKiB, int window);

} // namespace lumaskin::bench
