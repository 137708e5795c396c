#pragma once

#include "viewercontrol/codecs/codec.h"

namespace lumaskin {

// Talks to libspng.

// Decodes row by row straight into the picture's buffer, any PNG colour type and depth to
// 8-bit RGBA. The size is checked against the limit before the buffer is allocated.
Image DecodePng(Bytes bytes, QString *error);

// zlib settings for writing. The defaults were chosen by measuring photos and drawings
// against ImageMagick's own PNG writer: a little larger, several times faster.
struct PngSettings
{
    int level = 3;      // zlib compression level
    int filters = 0xF8; // libspng filter choice bits; 0xF8 = try all five and pick per row
    int strategy = 1;   // Z_FILTERED
};

// Encodes in the smallest lossless layout: grey or RGB when opaque, grey+alpha or RGBA when not.
bool EncodePng(const Image &image, QByteArray &out, QString *error,
               const PngSettings &settings = {});

} // namespace lumaskin
