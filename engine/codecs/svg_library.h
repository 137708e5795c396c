#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to librsvg (and cairo, which it draws with).

// The most an SVG drawing is rendered to; larger drawings are scaled down to fit.
inline constexpr int kMaxSvgSide = 16384;
inline constexpr std::int64_t kMaxSvgPixels = 64'000'000;

// Renders an SVG drawing (plain or gzip-compressed) at its own size in pixels (96 per inch),
// scaled down to fit kMaxSvgSide and kMaxSvgPixels, on a transparent background. A drawing
// without a size of its own takes the size of its view box. The drawing is read from memory
// with no base location, so it cannot pull in other files or anything from the network; only
// pictures embedded as data URLs are drawn.
Image RenderSvg(Bytes bytes, QString *error);

// What the svg module hands over.
struct SvgModule
{
    decltype(&RenderSvg) render;
};

} // namespace lumaskin
