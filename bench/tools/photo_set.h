#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

namespace lumaskin::bench {

// The photos the conversion benchmarks share: 4000 x 3000 JPEGs at quality 90 with 4:2:0
// chroma, each the same bytes on every machine for its index. Made by our own generator
// through plain TurboJPEG (no restart markers), as a camera or an ordinary library writes
// them, so that no reader has an advantage from the way they were written.
struct PhotoSize
{
    int width = 4000;
    int height = 3000;
};

constexpr int kPhotoQuality = 90;

// Interleaved 8-bit RGB pixels of photo `index`: a lit sky-to-ground gradient, soft hills of
// fractal noise, textured regions, a few sharp-edged objects with their own shading, and
// sensor grain. The same index always gives the same pixels.
std::vector<std::uint8_t> SyntheticPhotoPixels(int index, PhotoSize size = {});

// Encodes RGB pixels as a baseline JPEG. Empty on failure.
std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t> &rgb, PhotoSize size,
                                     int quality);

// The cached photos 0..count-1 in `folder`, made where they are missing or unfinished. Each is
// written under a temporary name and renamed, so an interrupted run never leaves half a photo.
// Returns the paths in index order, or nothing with *error set.
QStringList EnsurePhotoSet(const QString &folder, int count, PhotoSize size, QString *error);

// The name of photo `index` in the cache; it carries the generator's version, so a changed
// generator never reuses old files.
QString PhotoFileName(int index);

// True when `bytes` look like one whole JPEG: start of image first, end of image last.
bool IsWholeJpeg(const std::vector<std::uint8_t> &bytes);

} // namespace lumaskin::bench
