#pragma once

#include "engine/image.h"

#include <cstddef>
#include <cstdint>

namespace lumaskin {

// The picture scaled to width x height in premultiplied form, so that transparent pixels lend
// no colour to their neighbours, bands of rows on every core. Along an axis that shrinks, each
// pixel is the mean of the picture area it covers; along one that grows, pixels are
// interpolated linearly between the nearest two. Writes premultiplied RGBA rows of `stride`
// bytes into `out`.
void ScalePremultiplied(const Image &image, int width, int height, std::uint8_t *out,
                        std::size_t stride);

// The same, as a picture of its own (straight alpha, without metadata); null when `image` is
// null or memory runs out.
Image Scaled(const Image &image, int width, int height);

} // namespace lumaskin
