#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// The portable anymap family (PBM, PGM, PPM in plain and raw form, and PAM), read and written
// here: the format is small, and ImageMagick's coder loses a little memory on every file.

struct PnmHeader
{
    bool valid = false;
    char kind = 0; // '1' to '7' as in "P1" ... "P7"
    std::int64_t width = 0;
    std::int64_t height = 0;
    std::int64_t depth = 1; // samples per pixel
    std::int64_t maxValue = 1;
    std::size_t dataOffset = 0; // where the samples start
};

PnmHeader ParsePnmHeader(Bytes bytes);

// The fewest bytes the samples of a picture with this header can take.
std::int64_t PnmMinimumDataBytes(const PnmHeader &header);

// Any variant; samples are scaled from their maximum value to 8 bits.
Image DecodePnm(Bytes bytes, QString *error);

// Raw PPM (P6), or raw PGM (P5) when every pixel is grey, blended over white.
QByteArray EncodePnm(const Image &image);

} // namespace lumaskin
