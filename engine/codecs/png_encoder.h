#pragma once

#include "engine/image.h"
#include "engine/image_metadata.h"

#include <QByteArray>
#include <QString>

namespace lumaskin {

// Writes PNG files with zlib directly: rows are filtered and deflated in parallel stripes.
// Each stripe's deflate stream starts with the 32 KB of filtered data before it as its
// dictionary and ends on a byte boundary, so the stripes join into one zlib stream that
// compresses as well as a single run would, within a few bytes per stripe.

// Filter choice bits.
inline constexpr int kPngFilterNone = 0x08;
inline constexpr int kPngFilterSub = 0x10;
inline constexpr int kPngFilterUp = 0x20;
inline constexpr int kPngFilterAverage = 0x40;
inline constexpr int kPngFilterPaeth = 0x80;
inline constexpr int kPngFilterAll = 0xF8;

// zlib settings for writing.
struct PngSettings
{
    int level;    // zlib compression level
    int filters;  // filter choice bits; with several, each row takes the one whose bytes have
                  // the smallest sum of absolute values
    int strategy; // zlib strategy (0 default, 3 Z_RLE)
};

// Settings measured against ImageMagick's default PNG writer on 12-megapixel photos and
// drawings (bench/engine/codecs, bench/engine/compare_peers.py). Both take
// run-length matching only: after filtering, a photo is mostly small residuals that longer
// matches do not shrink, and zlib's match finder costs twice the time for files 10 to 20 %
// larger than plain runs give. Photos take the filter picked per row, pictures made mostly of
// flat runs (drawings, screenshots) Paeth alone.
PngSettings ChoosePngSettings(const Image &image);

// Encodes in the smallest lossless layout: grey or RGB when opaque, grey+alpha or RGBA when
// not (never grey with a colour profile). Without `settings`, ChoosePngSettings decides.
// `stripes` 0 lets the picture's size decide (OutputStripeCount), so that the bytes do not
// depend on the cores at hand. The metadata goes into iCCP, eXIf and an XMP iTXt chunk.
bool EncodePng(const Image &image, QByteArray &out, QString *error,
               const PngSettings *settings = nullptr, int stripes = 0,
               const ImageMetadata &metadata = {});

} // namespace lumaskin
