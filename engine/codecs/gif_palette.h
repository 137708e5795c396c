#pragma once

#include "engine/image.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace lumaskin {

// A picture as GIF holds it: at most 256 colours, one of which may stand for "transparent".
// Pixels with alpha below 128 are transparent, all others opaque.
struct PalettedPicture
{
    std::vector<std::uint32_t> colours; // 0xRRGGBB
    int transparentIndex = -1;          // -1 when no pixel is transparent
    std::vector<std::uint8_t> indexes;  // one per pixel, row after row
};

// The picture exactly, when it has at most 256 colours (transparent pixels count as one).
std::optional<PalettedPicture> ExactPalette(const Image &image);

// The picture on `palette` (at most 255 opaque colours when any pixel is transparent, else
// 256) with Floyd-Steinberg error diffusion. Memory: the indexes, two rows of errors and a
// 64 KB cache of nearest colours.
PalettedPicture DitherToPalette(const Image &image, std::vector<std::uint32_t> palette);

} // namespace lumaskin
