#pragma once

#include "engine/codecs/codec.h"

#include <atomic>

namespace lumaskin {

enum class BandDecode
{
    Decoded,
    // The file is not of a kind decoded in bands (CMYK, 12 bits, a progression that stops
    // short of the full coefficients); no row of the picture was written.
    NotApplicable,
    // The file is damaged, cut short or has too many scans, or memory ran out; rows may have
    // been written. The usual decoder says what is wrong.
    Failed,
};

// Decodes a whole JPEG on every core the calling thread may use. One thread reads the
// entropy-coded data into coefficients (for a single-scan file, each MCU row as soon as it is
// read); the inverse DCT, chroma upsampling and colour conversion run in bands of MCU rows on
// the other threads, each band handed to libjpeg-turbo as a picture of its own that takes its
// coefficients from the reader's. Bands whose chroma upsampling looks at neighbouring rows
// decode one MCU row more above and below than they keep. The pixels are those of TurboJPEG's
// decode to RGBA (accurate integer IDCT, smooth upsampling, alpha 255), byte for byte.
//
// `image` must measure what the header says. `written`, when given, is raised to the number of
// rows finished from the top as they come, for a consumer on another thread.
BandDecode DecodeJpegInBands(Bytes bytes, Image &image, std::atomic<int> *written = nullptr);

// Whether DecodeJpegInBands pays on this thread for a picture of this size: more than one
// core, and enough pixels to share.
bool BandDecodingPays(int width, int height);

} // namespace lumaskin
