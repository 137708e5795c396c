#include "controls/bitmap_helpers.h"

#include <QImageReader>
#include <span>
#include <utility>
#include <vector>

namespace lumaskin {

namespace {

bool IsColourValue(std::uint32_t value)
{
    return (value & 0xFF000000u) == 0;
}

// The same colour as QRgb's red, green and blue, for comparing with pixels.
QRgb KeyRgb(std::uint32_t value)
{
    return qRgb(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF) & 0xFFFFFF;
}

QImage AsRgb32(const QImage &image)
{
    if (image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32)
        return image;
    return image.convertToFormat(QImage::Format_RGB32);
}

using Run = std::pair<int, int>; // [first, end) of a stretch of kept pixels in one row

void RowRuns(std::span<const QRgb> row, QRgb key, bool hasKey, std::vector<Run> &runs)
{
    runs.clear();
    const int width = static_cast<int>(row.size());
    int x = 0;
    while (x < width) {
        while (x < width && hasKey && (row[x] & 0xFFFFFF) == key)
            ++x;
        const int first = x;
        while (x < width && !(hasKey && (row[x] & 0xFFFFFF) == key))
            ++x;
        if (x > first)
            runs.emplace_back(first, x);
    }
}

// The region of the first `width` x `height` pixels that are not of the key colour. Rows
// with the same runs as the row above extend its band, which is the form QRegion keeps its
// rectangles in; setRects then takes them as they are.
QRegion RegionOfKeptPixels(const QImage &pixels, int width, int height, QRgb key, bool hasKey)
{
    std::vector<QRect> rects;
    std::vector<Run> band;
    std::vector<Run> runs;
    int bandTop = 0;
    auto flush = [&](int bandBottom) {
        for (const auto &[first, end] : band)
            rects.emplace_back(first, bandTop, end - first, bandBottom - bandTop);
    };
    for (int y = 0; y < height; ++y) {
        const auto *row = reinterpret_cast<const QRgb *>(pixels.constScanLine(y));
        RowRuns(std::span(row, static_cast<std::size_t>(width)), key, hasKey, runs);
        if (y == 0 || runs != band) {
            flush(y);
            band.swap(runs);
            bandTop = y;
        }
    }
    flush(height);

    QRegion region;
    region.setRects(rects.data(), static_cast<int>(rects.size()));
    return region;
}

} // namespace

QColor ToQColor(std::uint32_t value)
{
    if (!IsColourValue(value))
        return {};
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

std::uint32_t ToColorValue(const QColor &colour)
{
    return static_cast<std::uint32_t>(colour.red()) |
           static_cast<std::uint32_t>(colour.green()) << 8 |
           static_cast<std::uint32_t>(colour.blue()) << 16;
}

bool LoadBitmapFile(const QString &path, QImage &bitmap)
{
    if (path.isEmpty())
        return false;
    bitmap = QImage();
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage loaded = reader.read();
    if (loaded.isNull())
        return false;
    // Skin bitmaps carry no transparency of their own; the key colour does that job.
    bitmap = loaded.convertToFormat(QImage::Format_RGB32);
    return !bitmap.isNull();
}

QImage WithKeyTransparent(const QImage &image, std::uint32_t keyColor)
{
    if (image.isNull())
        return {};
    QImage result = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (!IsColourValue(keyColor))
        return result;
    const QRgb key = KeyRgb(keyColor);
    const QImage source = AsRgb32(image);
    for (int y = 0; y < result.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((in[x] & 0xFFFFFF) == key)
                out[x] = 0;
        }
    }
    return result;
}

QImage KeyMask(const QImage &image, std::uint32_t keyColor)
{
    if (image.isNull())
        return {};
    QImage mask(image.size(), QImage::Format_Mono);
    mask.fill(0);
    if (!IsColourValue(keyColor))
        return mask;
    const QRgb key = KeyRgb(keyColor);
    const QImage source = AsRgb32(image);
    for (int y = 0; y < source.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        for (int x = 0; x < source.width(); ++x) {
            if ((in[x] & 0xFFFFFF) == key)
                mask.setPixel(x, y, 1);
        }
    }
    return mask;
}

std::optional<QRegion> RegionFromBitmap(const QImage &bitmap, int red, int green, int blue)
{
    if (bitmap.isNull())
        return std::nullopt;
    const auto width16 = static_cast<std::uint16_t>(bitmap.width());
    const int width = width16 - width16 % 4;
    const int height = static_cast<std::uint16_t>(bitmap.height());
    if (width == 0 || height == 0)
        return std::nullopt;
    const bool hasKey =
        red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 && blue <= 255;
    const QRgb key = hasKey ? (qRgb(red, green, blue) & 0xFFFFFF) : 0;
    return RegionOfKeptPixels(AsRgb32(bitmap), width, height, key, hasKey);
}

QRegion RegionWithoutKeyColour(const QImage &bitmap, std::uint32_t keyColor)
{
    if (bitmap.isNull())
        return {};
    return RegionOfKeptPixels(AsRgb32(bitmap), bitmap.width(), bitmap.height(), KeyRgb(keyColor),
                              IsColourValue(keyColor));
}

} // namespace lumaskin
