#pragma once

#include "viewercontrol/image.h"

#include <cstdint>
#include <span>

namespace lumaskin {

// The orientation tag (1 to 8) of IFD0 of an EXIF block, given the bytes that follow the
// "Exif\0\0" prefix (a TIFF header and its directories). 1 when the tag is missing or broken.
int ExifOrientation(std::span<const std::uint8_t> tiff);

// The picture turned upright for the given EXIF orientation: 2 mirror, 3 half turn, 4 flip,
// 5 transpose, 6 quarter turn clockwise, 7 transverse, 8 quarter turn anticlockwise. Other
// values return the picture unchanged.
Image ApplyOrientation(Image image, int orientation);

} // namespace lumaskin
