#pragma once

#include "engine/image.h"

#include <QByteArray>

namespace lumaskin {

// PGX holds one unsigned 8-bit channel: the picture's luma (Rec. 601 weights) after blending
// over white, rows packed without padding. Written here because ImageMagick pads rows of odd
// width, which other readers take for pixels.
QByteArray EncodePgx(const Image &image);

} // namespace lumaskin
