#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libjxl.

// Decodes the first frame of a JPEG XL file (bare codestream or container) straight into the
// picture's buffer, upright, 8 bits a channel, with the profile of the decoded pixels and the
// container's Exif and XMP boxes. The size is checked from the basic header before any pixel
// data is decoded.
Image DecodeJxl(Bytes bytes, QString *error);

// What the jxl module hands over.
struct JxlModule
{
    decltype(&DecodeJxl) decode;
};

} // namespace lumaskin
