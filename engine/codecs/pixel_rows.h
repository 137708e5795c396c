#pragma once

#include "engine/image.h"

#include <cstdint>

namespace lumaskin {

// What a writer needs to know to pick the smallest fitting pixel layout.
struct PixelSummary
{
    bool opaque = true; // every alpha is 255
    bool grey = true;   // every pixel has red == green == blue
};

// The same for one row of `width` RGBA pixels, read whole (vectorised).
PixelSummary SummariseRow(const std::uint8_t *rgba, int width);

// One pass over the picture in bands of rows on every core; a band stops as soon as both
// answers are known to be false.
PixelSummary Summarise(const Image &image);

// One row of RGBA blended over white into RGB (3 bytes per pixel), for formats without alpha.
void CompositeRowOverWhite(const std::uint8_t *rgba, std::uint8_t *rgb, int width);

} // namespace lumaskin
