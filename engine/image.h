#pragma once

#include "engine/image_metadata.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <utility>

class QImage;

namespace lumaskin {

// An 8-bit RGBA picture (bytes R, G, B, A in that order, straight alpha) held in one
// 64-byte-aligned buffer. Rows are padded to a multiple of 64 bytes so that every row starts
// aligned. Copies are explicit (`Clone`): a 12-megapixel photo is 48 MB. The picture's
// metadata (EXIF, XMP, colour profile) travels with it; effects change the pixels only.
class Image
{
public:
    // Pictures larger than this are refused before anything is allocated.
    static constexpr std::int64_t kMaxPixels = 200'000'000;
    static constexpr int kMaxSide = 1 << 20;
    static constexpr std::size_t kAlignment = 64;

    Image() = default;
    // A picture of the given size with undefined contents. An invalid or too large size gives
    // a null picture; check `IsNull`.
    Image(int width, int height);
    // As above, every pixel set to `rgba` (bytes R, G, B, A).
    Image(int width, int height, std::uint32_t rgba);

    Image(Image &&) noexcept = default;
    Image &operator=(Image &&) noexcept = default;
    Image(const Image &) = delete;
    Image &operator=(const Image &) = delete;

    static bool SizeIsAcceptable(std::int64_t width, std::int64_t height);

    bool IsNull() const { return !m_data; }
    int Width() const { return m_width; }
    int Height() const { return m_height; }
    // Bytes from one row to the next.
    std::size_t Stride() const { return m_stride; }
    std::size_t SizeInBytes() const { return m_stride * static_cast<std::size_t>(m_height); }

    std::uint8_t *Row(int y) { return m_data.get() + m_stride * static_cast<std::size_t>(y); }
    const std::uint8_t *Row(int y) const
    {
        return m_data.get() + m_stride * static_cast<std::size_t>(y);
    }
    std::uint8_t *Pixel(int x, int y) { return Row(y) + 4 * static_cast<std::size_t>(x); }
    const std::uint8_t *Pixel(int x, int y) const
    {
        return Row(y) + 4 * static_cast<std::size_t>(x);
    }

    // The pixels and the metadata.
    Image Clone() const;
    // Rows first .. first + count - 1 of `whole` as a picture of their own that shares its
    // pixels (and keeps them alive), without metadata: work on a band of rows in place.
    static Image RowsOf(Image &whole, int first, int count);

    const ImageMetadata &Metadata() const { return m_metadata; }
    void SetMetadata(ImageMetadata metadata) { m_metadata = std::move(metadata); }

    // A QImage (Format_RGBA8888) over the same buffer, without a copy. It shares ownership of
    // the buffer, so it stays valid after this Image is gone; changes to the pixels show in it.
    // This and FromQImage come with the viewer widget's library (image_qt.h): the engine
    // itself needs no Qt GUI, so that command-line conversions never load it.
    QImage ToQImage() const;

    // A copy of any QImage converted to RGBA (straight alpha), without metadata. A null or
    // oversized QImage gives a null picture.
    static Image FromQImage(const QImage &image);

    // True when every alpha byte is 255.
    bool IsOpaque() const;

    // Compares sizes and pixels, not metadata.
    bool operator==(const Image &other) const;

private:
    int m_width = 0;
    int m_height = 0;
    std::size_t m_stride = 0;
    std::shared_ptr<std::uint8_t[]> m_data;
    ImageMetadata m_metadata;
};

// While one is alive, photo-sized picture buffers that are let go are kept, up to `keep` of
// them, and given to the next pictures of the same size instead of fresh memory: a batch of
// photos from one camera then faults in and zeroes its buffers once rather than once a photo.
// The kept buffers are freed when the last one ends.
class PictureBufferReuse
{
public:
    explicit PictureBufferReuse(int keep);
    ~PictureBufferReuse();
    PictureBufferReuse(const PictureBufferReuse &) = delete;
    PictureBufferReuse &operator=(const PictureBufferReuse &) = delete;
};

} // namespace lumaskin
