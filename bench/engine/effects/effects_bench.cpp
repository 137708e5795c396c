// Every effect kernel on a 12-megapixel photo-like picture (4000 x 3000: gradients, a few
// shapes and fine grain), in place, with the arguments a user would typically pick. Timings
// are per call, over all cores unless the name ends in "/threads:1".
//
// Side-by-side figures against ImageMagick and libvips on real files come from
// bench/engine/compare_peers.py.

#include "bench/engine/synthetic_photo.h"
#include "engine/effects/effect_table.h"
#include "engine/image.h"
#include "engine/parallel.h"

#include <benchmark/benchmark.h>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <thread>
#include <vector>

namespace {

using lumaskin::Image;

const Image &Photo()
{
    return lumaskin::bench::SyntheticPhoto();
}

void RunEffect(benchmark::State &state, std::string_view name, std::vector<double> arguments,
               int threads)
{
    const lumaskin::EffectDescriptor *effect = lumaskin::FindEffect(name);
    Image image = Photo().Clone();
    lumaskin::ParallelismLimit limit(
        threads > 0 ? threads : static_cast<int>(std::max(1u, std::thread::hardware_concurrency())));
    for (auto _ : state) {
        // Each run starts from the same picture; the copy is not timed.
        state.PauseTiming();
        std::memcpy(image.Row(0), Photo().Row(0), Photo().SizeInBytes());
        state.ResumeTiming();
        effect->Apply(image, arguments);
        benchmark::DoNotOptimize(image.Row(0));
    }
    state.SetItemsProcessed(state.iterations() * std::int64_t(image.Width()) * image.Height());
}

void Register(const char *label, std::string_view name, std::vector<double> arguments)
{
    for (int threads : {0, 1}) {
        std::string title = std::string("effect/") + label;
        if (threads == 1)
            title += "/threads:1";
        benchmark::RegisterBenchmark(
            title.c_str(),
            [=](benchmark::State &state) { RunEffect(state, name, arguments, threads); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

const bool registered = [] {
    Register("adjustrgb(brightness 25)", "adjustrgb", {25, 25, 25});
    Register("contrast 150", "contrast", {150});
    Register("gamma 2.2", "gamma", {2.2});
    Register("hue 0,0,127", "hue", {0, 0, 127});
    Register("saturation 150", "saturation", {150});
    Register("lightness 120", "lightness", {120, 120, 120});
    Register("invertcolor", "invertcolor", {});
    Register("desaturate", "desaturate", {});
    Register("sharpen", "sharpen", {});
    Register("antinoise 3", "antinoise", {3});
    Register("blur", "blur", {});
    Register("diffuse 3", "diffuse", {3});
    Register("emboss 3 north", "emboss", {3, 0});
    Register("focalbw 800,1500", "focalbw", {800, 1500, 2000, 1500});
    Register("monochrome 128", "monochrome", {128, 0xFFFFFF, 0});
    Register("mosaic normal 16", "mosaic", {0, 16});
    Register("mosaic soft 16", "mosaic", {1, 16});
    Register("noise 100 colour", "noise", {100, 1});
    Register("sharpenedge 100", "sharpenedge", {100});
    Register("twirl 90", "twirl", {90});
    Register("median 3", "median", {3});
    Register("median 5", "median", {5});
    Register("median 9", "median", {9});
    Register("median 15", "median", {15});
    Register("median 17", "median", {17});
    Register("median 99", "median", {99});
    return true;
}();

} // namespace

BENCHMARK_MAIN();
