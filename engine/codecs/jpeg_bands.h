#pragma once

#include "engine/codecs/codec.h"

#include <cstdint>
#include <span>

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
// read); the inverse DCT, chroma upsampling and colour conversion run in bands of rows on the
// other threads, each band handed to libjpeg-turbo as a picture of its own that takes its
// coefficients from the reader's. Bands whose chroma upsampling looks at neighbouring rows
// decode one MCU row more above and below than they keep. The pixels are those of TurboJPEG's
// decode to RGBA (accurate integer IDCT, smooth upsampling, alpha 255), byte for byte. The
// coefficients of rows every band is done with go back to the system as the bands go.
//
// The bands are handed to a consumer: each row is written where Row says, a few rows at a
// time, each lot told to Written as soon as it is there, and Done is called once the band is
// whole, all on the same thread: a consumer may encode the rows while they are in cache and
// have the next lot written over them. `worker` numbers the threads from 0.
class BandConsumer
{
public:
    virtual ~BandConsumer() = default;
    virtual std::uint8_t *Row(int worker, int band, int y) = 0;
    // Rows y to y + count - 1 of band `band` are written, at rows[0] to rows[count - 1].
    // False stops the decode, which then fails; so does false from Done.
    virtual bool Written(int worker, int band, int y, int count, std::uint8_t *const *rows) = 0;
    virtual bool Done(int worker, int band) = 0;
};

// `cuts` holds the first row of every band and, last, the height; empty lets the decoder
// choose. Each band hands over `margin` rows more above and below its own (those that exist),
// for a consumer whose work on a row looks at rows nearby. With `greyRows`, a grey file's rows
// come as one byte a pixel (a colour file's as RGBA all the same). The picture must measure
// width x height, as its header says.
BandDecode DecodeJpegInBands(Bytes bytes, int width, int height, std::span<const int> cuts,
                             BandConsumer &consumer, int margin = 0, bool greyRows = false);

// The whole picture into `image`, which must measure what the header says.
BandDecode DecodeJpegInBands(Bytes bytes, Image &image);

// Whether DecodeJpegInBands pays on this thread for a picture of this size: more than one
// core, and enough pixels to share.
bool BandDecodingPays(int width, int height);

} // namespace lumaskin
