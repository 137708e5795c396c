#pragma once

#include "engine/codecs/atomic_file.h"
#include "engine/codecs/pixel_rows.h"
#include "engine/image.h"
#include "engine/image_metadata.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>

namespace lumaskin {

// Encodes with libjpeg-turbo's full API: 4:2:0 chroma subsampling, or one grey channel when
// every pixel is grey. Pictures with transparency are blended over white first. Rows are read
// straight from the picture.
//
// The picture is cut into horizontal stripes on MCU-row boundaries that are encoded in
// parallel and joined into one scan; a restart marker follows every MCU row, so the bytes are
// the same for any number of stripes. Huffman tables are the standard ones: optimised tables
// would save about 7 % of the size but take the encoder two to three times as long and a
// buffer of all the coefficients. `stripes` 0 lets the picture's size decide
// (OutputStripeCount).
//
// The metadata goes into an EXIF APP1 segment (in place of the JFIF one), an XMP APP1 segment
// and APP2 ICC profile chunks; EXIF or XMP blocks beyond one segment's 64 KB are left out. A
// picture with a colour profile is written in colour even when it is grey.
//
// `growing`, when given, describes a picture still being written from the top: each row is
// encoded once `growing->rows` has passed it, and its summary stands in for Summarise.
struct GrowingPicture
{
    const std::atomic<int> *rows = nullptr;
    PixelSummary summary;
};

// The pieces of EncodeJpeg, for a picture whose rows come a stripe at a time: a JPEG made of
// stripes (as EncodeJpeg cuts them for these arguments) encoded apart, in any order and on any
// thread, and joined into the file EncodeJpeg writes for the same pixels and summary. The file
// goes to `out` as it is made: each stripe as soon as it and those before it are encoded, its
// memory freed once written.
class JpegStripes
{
public:
    JpegStripes(ByteSink &out, int width, int height, int quality, PixelSummary summary,
                const ImageMetadata &metadata, int stripes = 0);
    // Stripes cut where the caller says: `cuts` holds the first row of every stripe, each a
    // multiple of 16, then the height. The bytes are the same as for any other cuts.
    JpegStripes(ByteSink &out, int width, int height, int quality, PixelSummary summary,
                const ImageMetadata &metadata, std::span<const int> cuts);
    ~JpegStripes();
    JpegStripes(const JpegStripes &) = delete;
    JpegStripes &operator=(const JpegStripes &) = delete;

    // Has rows given to Add be one grey byte a pixel, where the file is to be grey (and opaque);
    // false, and rows stay RGBA, where it is not.
    bool TakeGreyRows();

    int Count() const;
    // The first row of stripe `i`; of stripe Count(), the height.
    int FirstRow(int i) const;
    // Encodes stripe `i` from its rows: the first at `rows`, each `stride` bytes after the one
    // before; with `written`, each once that count of the picture's rows has passed it.
    void Encode(int i, const std::uint8_t *rows, std::size_t stride,
                const std::atomic<int> *written = nullptr);
    // Or a few rows at a time, in order, from wherever they are: Begin, Add until every row of
    // the stripe is in, End.
    void Begin(int i);
    void Add(int i, const std::uint8_t *const *rows, int count);
    void End(int i);
    // Ends the file, once every stripe is encoded; false, with *error set, when a stripe
    // failed or `out` could not be written.
    bool Finish(QString *error);

private:
    void Describe(int width, int height, int quality, PixelSummary summary,
                  const ImageMetadata &metadata);
    void Cut(std::span<const int> cuts);

    struct State;
    std::unique_ptr<State> m_state;
};

bool EncodeJpeg(const Image &image, int quality, QByteArray &out, QString *error, int stripes = 0,
                const ImageMetadata &metadata = {}, const GrowingPicture *growing = nullptr);

} // namespace lumaskin
