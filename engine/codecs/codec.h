#pragma once

#include "engine/image.h"
#include "engine/image_metadata.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <span>

namespace lumaskin {

struct ReadHints;

using Bytes = std::span<const std::uint8_t>;

// How sure a content check is that the bytes are of its format.
enum class Match
{
    No,
    // The format has no signature; the header merely makes sense. Tried after every format
    // that has a signature.
    Plausible,
    // A signature and a sane header.
    Certain,
};

// What a cheap look at the header tells before any decoder runs.
struct Probe
{
    Match match = Match::No;
    // The declared picture size, when the header gives it cheaply.
    bool sizeKnown = false;
    std::int64_t width = 0;
    std::int64_t height = 0;
    // The smallest file that can hold the declared picture; 0 when unknown. A shorter file is
    // refused as truncated before anything is decoded.
    std::int64_t minimumFileSize = 0;
};

// What a writer is given besides the pixels.
struct EncodeSettings
{
    // 1 to 100, for the formats that have a quality; webp and avif are lossless at 100.
    int quality = 90;
    // Blocks to embed, already made fit for the written pixels (orientation 1, no stale
    // thumbnail); a writer embeds those its format holds. Empty blocks are left out.
    ImageMetadata metadata;
};

// Reasons given to users, shared by every codec so that the same fault reads the same way.
namespace reason {
QString NotAPicture();
QString Truncated();
QString TooLarge(std::int64_t width, std::int64_t height);
QString Damaged(const QString &format);
QString OutOfMemory();
} // namespace reason

// Sets *error to `text` when error is given; returns a null Image for `return Fail(...)`.
Image Fail(QString *error, const QString &text);

// True, with *error set, when a declared size is beyond what Image accepts or beyond the
// reading limit below.
bool RefuseSize(std::int64_t width, std::int64_t height, QString *error);

// A side of `side` pixels decoded at 1/`factor` of the size, rounded up as the scaled decoders
// round it.
constexpr int ShrunkSide(int side, int factor)
{
    return (side + factor - 1) / factor;
}

// What a reader with a scaled decoder divides a picture stored at `width` x `height` by: the
// largest of 1, 2, 4 and 8 that still leaves at least what hints.smallestUseful asks for the
// picture upright. `exif` says how it is stored (orientations 5 to 8 lie on their side). 1
// without hints.
int ShrinkFactor(const ReadHints &hints, int width, int height, const QByteArray &exif);

// The same for a reader that scales by eighths (a JPEG's inverse DCT): the fewest eighths, 1 to
// 8, of `width` x `height`, each side rounded up, that still leave at least what
// hints.smallestUseful asks for. 8 without hints.
int ShrinkEighths(const ReadHints &hints, int width, int height, const QByteArray &exif);

// A side of `side` pixels decoded at `eighths`/8 of the size, rounded up as the decoder does.
constexpr int EighthsOfSide(int side, int eighths)
{
    return static_cast<int>((static_cast<std::int64_t>(side) * eighths + 7) / 8);
}

// The most pixels a picture read from a file may have: Image::kMaxPixels unless lowered.
// Fuzz targets lower it so that their runs test the decoders rather than the allocator.
std::int64_t ReadPixelLimit();
void SetReadPixelLimit(std::int64_t pixels);

} // namespace lumaskin
