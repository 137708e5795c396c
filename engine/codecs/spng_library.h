#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libspng.

// Decodes row by row straight into the picture's buffer, any PNG colour type and depth to
// 8-bit RGBA. The size is checked against the limit before the buffer is allocated.
Image DecodePng(Bytes bytes, QString *error);

} // namespace lumaskin
