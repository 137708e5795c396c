#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libwebp (decoder, encoder, demuxer and muxer).

// Decodes a still WebP straight into the picture's buffer, or the first frame of an animated
// one as the animation shows it, with its ICC profile, EXIF and XMP chunks. The size is checked
// before anything is allocated. A still picture is decoded smaller as far as the hints allow
// (libwebp scales the rows as it decodes them); animations are read whole.
Image DecodeWebp(Bytes bytes, const ReadHints &hints, QString *error);

// Lossy at `settings.quality` (1..99), lossless at 100. The metadata goes into ICCP, EXIF and
// XMP chunks. WebP holds at most 16383 pixels a side; larger pictures are refused.
bool EncodeWebp(const Image &image, const EncodeSettings &settings, QByteArray &out,
                QString *error);

} // namespace lumaskin
