#pragma once

#include <cstdint>

namespace lumaskin {

// A colour as the platform writes it: 0x00BBGGRR.
using ColourValue = std::uint32_t;

// No colour, all bits set: what an empty colour field of a skin reads as, and as a key colour
// one that matches no pixel, so that every pixel is drawn.
inline constexpr ColourValue kNoColour = 0xFFFFFFFFu;

} // namespace lumaskin
