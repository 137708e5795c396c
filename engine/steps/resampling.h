#pragma once

#include "engine/image.h"

namespace lumaskin {

// How a resize makes each new pixel from the old ones.
enum class ResizeFilter
{
    Lanczos3, // sharp and smooth, for photos: a windowed sinc over three pixels each side
    Linear,   // softer: a triangle over one pixel each side, widened when shrinking
    Nearest,  // each new pixel is a copy of the old pixel under its centre, for pixel art
};

// The picture resampled to width x height with `filter`, its metadata kept. The filters
// blend premultiplied colours, so transparent pixels lend no colour to their neighbours;
// pixels beyond the borders repeat the edge. The work runs in bands of rows on every core. A
// size the same as the picture's gives an exact copy. Null when `image` is null, the size is
// not acceptable or memory runs out.
Image Resampled(const Image &image, int width, int height, ResizeFilter filter);

} // namespace lumaskin
