#include "engine/codecs/pixel_rows.h"

#include "engine/parallel.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <vector>

namespace lumaskin {

PixelSummary SummariseRow(const std::uint8_t *rgba, int width)
{
    // Branch-free over whole pixels: the AND of every alpha and the OR of every pixel's
    // red-green and green-blue differences.
    std::uint32_t alpha = 0xFFu, colour = 0;
    for (int x = 0; x < width; ++x) {
        std::uint32_t v;
        std::memcpy(&v, rgba + 4 * static_cast<std::size_t>(x), 4);
        alpha &= v >> 24;
        colour |= (v ^ (v >> 8)) & 0xFFFFu;
    }
    return {alpha == 0xFFu, colour == 0};
}

PixelSummary Summarise(const Image &image)
{
    // Bands of rows in parallel; each stops once both answers are false within it (at once
    // for a colour photo), and a grey picture is read on every core.
    const int width = image.Width();
    std::atomic<bool> opaque{true}, grey{true};
    ParallelFor(image.Height(), [&](int begin, int end) {
        bool bandOpaque = true, bandGrey = true;
        for (int y = begin; y < end && (bandOpaque || bandGrey); ++y) {
            const PixelSummary row = SummariseRow(image.Row(y), width);
            bandOpaque &= row.opaque;
            bandGrey &= row.grey;
        }
        if (!bandOpaque)
            opaque = false;
        if (!bandGrey)
            grey = false;
    });
    PixelSummary summary;
    summary.opaque = opaque;
    summary.grey = grey;
    return summary;
}

void CompositeRowOverWhite(const std::uint8_t *rgba, std::uint8_t *rgb, int width)
{
    for (int x = 0; x < width; ++x, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        if (a == 255) {
            rgb[0] = rgba[0], rgb[1] = rgba[1], rgb[2] = rgba[2];
            continue;
        }
        const unsigned white = 255 * (255 - a);
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<std::uint8_t>((rgba[c] * a + white + 127) / 255);
    }
}

} // namespace lumaskin
