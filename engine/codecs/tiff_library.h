#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libtiff.

// Decodes the first page: 8-bit RGB, RGBA, grey and grey+alpha files row by row straight into
// the picture, every other layout libtiff knows (palette, 1 to 16 bits, YCbCr, CMYK, tiles,
// any compression) through its RGBA reader; ImageMagick reads what libtiff cannot (floating
// point samples). Turned upright by the file's orientation, with its profile, XMP and EXIF.
// The size is checked before anything is allocated.
Image DecodeTiff(Bytes bytes, QString *error);

// Deflate with the horizontal predictor; grey, grey+alpha, RGB or RGBA, whichever fits (never
// grey with a colour profile), alpha unassociated. The profile and XMP go into their tags,
// the EXIF tags into the first directory and an EXIF directory.
bool EncodeTiff(const Image &image, const EncodeSettings &settings, QByteArray &out,
                QString *error);

// What the tiff module hands over.
struct TiffModule
{
    decltype(&DecodeTiff) decode;
    decltype(&EncodeTiff) encode;
};

} // namespace lumaskin
