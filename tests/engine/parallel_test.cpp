// Splitting work over threads: every index once, however the bands finish. (Workers used the
// caller's band arithmetic after it returned; clang's AddressSanitizer, as in the fuzz tree,
// saw that when a worker started late.)
#include "engine/parallel.h"

#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace lumaskin {
namespace {

TEST(ParallelFor, EveryIndexOnceEvenWhenTheCallersBandEndsFirst)
{
    for (int round = 0; round < 200; ++round) {
        const int count = 2 + round % 7;
        std::vector<std::atomic<int>> seen(static_cast<std::size_t>(count));
        ParallelFor(count, [&](int begin, int end) {
            // The caller's band (from 0) returns at once; the workers' start late.
            if (begin > 0)
                std::this_thread::sleep_for(std::chrono::microseconds(round % 3 * 50));
            for (int i = begin; i < end; ++i)
                ++seen[static_cast<std::size_t>(i)];
        });
        for (int i = 0; i < count; ++i)
            ASSERT_EQ(seen[static_cast<std::size_t>(i)], 1) << round << " " << i;
    }
}

} // namespace
} // namespace lumaskin
