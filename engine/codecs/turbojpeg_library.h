#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libjpeg-turbo's TurboJPEG API.

enum class JpegDecodeOutcome
{
    Decoded,
    Failed,
    // A CMYK or YCCK file, which TurboJPEG cannot turn into RGB; another decoder must.
    NeedsColourConversion,
};

// Decodes straight into the picture's buffer (alpha 255), at an eighth of the size to the
// whole size, as small as the hints allow for the picture turned upright by `exif`
// (ShrinkEighths), by the decoder's scaled inverse DCT, which does less work the smaller it
// goes. The full size is
// checked against the limit before the buffer is allocated. A file cut short is refused; other
// decoder warnings (stray bytes between markers and the like) still give the picture.
JpegDecodeOutcome DecodeJpeg(Bytes bytes, const ReadHints &hints, const QByteArray &exif,
                             Image &image, QString *error);

// Whether DecodeJpeg gets past the header: TurboJPEG refuses some layouts libjpeg itself would
// decode (chroma subsampling it cannot name), and everything that reads a JPEG agrees with it.
bool JpegHeaderReadable(Bytes bytes);

} // namespace lumaskin
