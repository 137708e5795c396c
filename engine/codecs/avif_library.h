#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// Talks to libavif.

// Decodes the first picture straight into the picture's buffer, turned and mirrored as the
// file's irot and imir boxes say, with its profile (or one made from its colour code points),
// EXIF and XMP. The size is checked after the container is parsed and before any AV1 data is
// decoded.
Image DecodeAvif(Bytes bytes, QString *error);

// Quality 1..99 maps to the AV1 quantizer as avifenc's does (quality 90: 6 of 63), with 4:2:0
// chroma below 90 and 4:4:4 from 90; 100 is lossless (4:4:4, identity matrix). Grey pictures
// without a profile are written as one channel. Encoder speed 6 (avifenc's default). The
// metadata goes into the file's ICC, Exif and XMP items.
bool EncodeAvif(const Image &image, const EncodeSettings &settings, QByteArray &out,
                QString *error);

// What the avif module hands over.
struct AvifModule
{
    decltype(&DecodeAvif) decode;
    decltype(&EncodeAvif) encode;
};

} // namespace lumaskin
