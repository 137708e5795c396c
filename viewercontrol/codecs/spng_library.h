#pragma once

#include "viewercontrol/codecs/codec.h"

namespace lumaskin {

// Talks to libspng.

// Decodes row by row straight into the picture's buffer, any PNG colour type and depth to
// 8-bit RGBA. The size is checked against the limit before the buffer is allocated.
Image DecodePng(Bytes bytes, QString *error);

// zlib settings for writing.
struct PngSettings
{
    int level;    // zlib compression level
    int filters;  // libspng filter choice bits (0xF8: try all five per row, 0x80: Paeth only)
    int strategy; // zlib strategy (0 default, 3 Z_RLE)
};

// Settings measured against ImageMagick's default PNG writer on 12-megapixel photos and
// drawings (bench/viewercontrol/codecs): files within a few per cent of its size, several
// times faster. Photos take zlib level 3 with the filter picked per row; pictures made mostly
// of flat runs (drawings, screenshots) take Paeth with run-length matching, which is both
// smaller and faster on them.
PngSettings ChoosePngSettings(const Image &image);

// Encodes in the smallest lossless layout: grey or RGB when opaque, grey+alpha or RGBA when
// not. Without `settings`, ChoosePngSettings decides.
bool EncodePng(const Image &image, QByteArray &out, QString *error,
               const PngSettings *settings = nullptr);

} // namespace lumaskin
