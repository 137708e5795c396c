#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libheif.

// Decodes the primary picture of a HEIF file (HEIC from phones and cameras), cropped, turned
// and mirrored as the file says, 8 bits a channel, with its profile (or one made from its
// colour code points), EXIF and XMP. The size is checked before any HEVC data is decoded.
Image DecodeHeif(Bytes bytes, QString *error);

// What the heif module hands over.
struct HeifModule
{
    decltype(&DecodeHeif) decode;
};

} // namespace lumaskin
