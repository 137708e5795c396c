#include "engine/parallel.h"

#include <algorithm>
#include <cstdio>
#include <system_error>
#include <thread>
#include <vector>

namespace lumaskin {

namespace {

thread_local int t_limit = 0; // 0: no limit

int HardwareThreads()
{
    static const int n = std::max(1u, std::thread::hardware_concurrency());
    return n;
}

// Bytes of memory available to new work, or -1 when the system does not say.
std::int64_t AvailableMemory()
{
    std::FILE *info = std::fopen("/proc/meminfo", "re");
    if (!info)
        return -1;
    std::int64_t kilobytes = -1;
    char line[256];
    while (std::fgets(line, sizeof line, info)) {
        long long value = 0;
        if (std::sscanf(line, "MemAvailable: %lld kB", &value) == 1) {
            kilobytes = value;
            break;
        }
    }
    std::fclose(info);
    return kilobytes < 0 ? -1 : kilobytes * 1024;
}

} // namespace

int MachineTaskLimit(std::int64_t bytesPerTask)
{
    int limit = HardwareThreads();
    const std::int64_t memory = AvailableMemory();
    if (memory > 0 && bytesPerTask > 0)
        limit = static_cast<int>(std::min<std::int64_t>(limit, memory / bytesPerTask));
    return std::max(1, limit);
}

int CurrentParallelism()
{
    return t_limit > 0 ? t_limit : HardwareThreads();
}

ParallelismLimit::ParallelismLimit(int threads) : m_previous(t_limit)
{
    t_limit = std::max(1, threads);
}

ParallelismLimit::~ParallelismLimit()
{
    t_limit = m_previous;
}

void ParallelFor(int count, const std::function<void(int, int)> &work)
{
    if (count <= 0)
        return;
    const int workers = std::min(CurrentParallelism(), count);
    if (workers <= 1) {
        work(0, count);
        return;
    }
    const auto bandStart = [&](int i) {
        return static_cast<int>(static_cast<long long>(count) * i / workers);
    };
    // Bands whose thread could not be started (the system's thread limit) run here.
    int ownFrom = workers;
    // Declared after everything the workers use, so that it joins them (on return or on an
    // exception) while those are still alive.
    std::vector<std::jthread> threads;
    threads.reserve(static_cast<std::size_t>(workers - 1));
    for (int i = 1; i < workers; ++i) {
        try {
            threads.emplace_back([&, i] {
                // Bands run with no further splitting inside them.
                ParallelismLimit single(1);
                work(bandStart(i), bandStart(i + 1));
            });
        } catch (const std::system_error &) {
            ownFrom = i;
            break;
        }
    }
    {
        ParallelismLimit single(1);
        work(0, bandStart(1));
        if (ownFrom < workers)
            work(bandStart(ownFrom), count);
    }
    // jthread joins on destruction.
}

int OutputStripeCount(std::int64_t bytes, int maxPieces)
{
    // A piece of a megabyte keeps every core busy on a photo while the seams cost nothing
    // measurable; sixteen pieces fill any ordinary desktop's cores.
    constexpr std::int64_t kPieceBytes = 1 << 20;
    constexpr std::int64_t kMostPieces = 16;
    const std::int64_t pieces = std::clamp<std::int64_t>(bytes / kPieceBytes, 1, kMostPieces);
    return static_cast<int>(std::clamp<std::int64_t>(pieces, 1, std::max(1, maxPieces)));
}

} // namespace lumaskin
