#pragma once

#include "engine/image.h"

#include <cstdint>
#include <span>

namespace lumaskin {

// The picture turned upright for the given EXIF orientation: 2 mirror, 3 half turn, 4 flip,
// 5 transpose, 6 quarter turn clockwise, 7 transverse, 8 quarter turn anticlockwise. Other
// values return the picture unchanged. The metadata goes with it. (exiv2 reads the value:
// ExifOrientation in metadata_library.h.)
Image ApplyOrientation(Image image, int orientation);

} // namespace lumaskin
