#include "controls/bitmap_helpers.h"

#include <QFontInfo>
#include <QImageReader>
#include <QPaintDevice>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>
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

// A bitmap enlarged for a fine screen larger than this many pixels is not worth the memory;
// it is drawn from its own pixels instead.
constexpr qint64 kMaxEnlargedPixels = 64LL * 1024 * 1024;

// The image in `path`, as 32-bit RGB; null when it does not load or, with `expected`, is not
// of that size (checked before the pixels are read where the file tells its size up front).
QImage ReadBitmap(const QString &path, std::optional<QSize> expected = std::nullopt)
{
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    const QSize announced = reader.size();
    if (expected && announced.isValid() && announced != *expected)
        return {};
    const QImage loaded = reader.read();
    if (loaded.isNull() || (expected && loaded.size() != *expected))
        return {};
    return loaded.convertToFormat(QImage::Format_RGB32);
}

// Twice as large, each of `tiles` equal pictures of a strip on its own, so that no picture
// bleeds into the next.
QImage EnlargedTwice(const QImage &image, std::uint32_t keyColor, int tiles)
{
    const int tileWidth = image.width() / std::max(1, tiles);
    if (tiles <= 1 || tileWidth == 0)
        return ScaledSmoothly(image, image.size() * 2, keyColor);
    QImage result(image.size() * 2, QImage::Format_RGB32);
    if (result.isNull())
        return {};
    QPainter painter(&result);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    for (int left = 0; left < image.width(); left += tileWidth) {
        const QImage part =
            image.copy(left, 0, std::min(tileWidth, image.width() - left), image.height());
        painter.drawImage(QPoint(2 * left, 0), ScaledSmoothly(part, part.size() * 2, keyColor));
    }
    return result;
}

// The pixels a window shape is cut from, one per logical pixel: a bitmap held at a larger
// scale is reduced so that a logical pixel is of the key colour wherever any of its pixels
// is. The cut then never lets a key-coloured pixel show inside the shape.
QImage LogicalPixels(const QImage &bitmap, QRgb key, bool hasKey)
{
    const QImage source = AsRgb32(bitmap);
    const int scale = static_cast<int>(std::lround(bitmap.devicePixelRatio()));
    if (scale <= 1)
        return source;
    QImage logical(source.width() / scale, source.height() / scale, QImage::Format_RGB32);
    const QRgb kept = ~key | 0xFF000000;
    logical.fill(kept);
    if (!hasKey)
        return logical;
    for (int y = 0; y < logical.height() * scale; ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(logical.scanLine(y / scale));
        for (int x = 0; x < logical.width() * scale; ++x) {
            if ((in[x] & 0xFFFFFF) == key)
                out[x / scale] = key;
        }
    }
    return logical;
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

// The window shape of `bitmap` by its key colour, within its first `width` x `height` logical
// pixels.
QRegion CutShape(const QImage &bitmap, std::uint32_t keyColor, int width, int height)
{
    const QImage pixels = LogicalPixels(bitmap, KeyRgb(keyColor), IsColourValue(keyColor));
    return RegionOfKeptPixels(pixels, std::min(width, pixels.width()),
                              std::min(height, pixels.height()), KeyRgb(keyColor),
                              IsColourValue(keyColor));
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

int BitmapScale(qreal ratio)
{
    return ratio > 1.0 ? 2 : 1;
}

namespace {

qreal g_skinScale = 1.0;

} // namespace

qreal SkinScale()
{
    return g_skinScale;
}

void SetSkinScale(qreal scale)
{
    g_skinScale = scale > 0.0 && scale <= 1.0 ? scale : 1.0;
}

int ToLogical(int skinCoordinate)
{
    return g_skinScale == 1.0 ? skinCoordinate : qRound(skinCoordinate * g_skinScale);
}

void FollowSkinScale(QWidget &widget)
{
    if (g_skinScale == 1.0)
        return;
    QFont font = widget.font();
    font.setPixelSize(std::max(6, qRound(QFontInfo(font).pixelSize() * g_skinScale)));
    widget.setFont(font);
}

qreal FittingSkinScale(QSize size, QSize available, qreal ratio)
{
    if (size.isEmpty() || available.isEmpty() ||
        (size.width() <= available.width() && size.height() <= available.height()) ||
        ratio <= 1.0)
        return 1.0;
    return 1.0 / std::ceil(ratio - 1e-6);
}

QString HiDpiPath(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    const qsizetype dot = path.lastIndexOf(u'.');
    if (dot <= slash + 1)
        return path + QStringLiteral("@2x");
    return path.left(dot) + QStringLiteral("@2x") + path.mid(dot);
}

bool LoadBitmapFile(const QString &path, QImage &bitmap, const BitmapLoad &how)
{
    if (path.isEmpty())
        return false;
    bitmap = QImage();
    // Skin bitmaps carry no transparency of their own; the key colour does that job.
    QImage loaded = ReadBitmap(path);
    if (loaded.isNull())
        return false;
    // A skin drawn smaller needs fewer pixels: a whole number of them a logical pixel.
    const qreal skinScale = SkinScale();
    if (skinScale < 1.0)
        loaded.setDevicePixelRatio(1.0 / skinScale);
    if (BitmapScale(how.ratio * skinScale) > 1 &&
        static_cast<qint64>(loaded.width()) * loaded.height() * 4 <= kMaxEnlargedPixels) {
        QImage twice = ReadBitmap(HiDpiPath(path), loaded.size() * 2);
        if (twice.isNull())
            twice = EnlargedTwice(loaded, how.keyColor, how.tilesAcross);
        if (!twice.isNull()) {
            twice.setDevicePixelRatio(2.0 / skinScale);
            loaded = twice;
        }
    }
    bitmap = loaded;
    return !bitmap.isNull();
}

QImage ScaledSmoothly(const QImage &image, QSize size, std::uint32_t keyColor)
{
    if (image.isNull() || size.isEmpty())
        return {};
    const QImage source = AsRgb32(image);
    if (!IsColourValue(keyColor)) {
        QImage scaled = source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                            .convertToFormat(QImage::Format_RGB32);
        scaled.setDevicePixelRatio(1);
        return scaled;
    }
    // Key pixels become fully transparent, so they weigh nothing in the colours around them;
    // afterwards coverage decides between the key and the picture's own colour.
    const QRgb key = KeyRgb(keyColor);
    QImage covered = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < covered.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(covered.scanLine(y));
        for (int x = 0; x < covered.width(); ++x) {
            if ((row[x] & 0xFFFFFF) == key)
                row[x] = 0;
        }
    }
    const QImage scaled = covered.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(scaled.size(), QImage::Format_RGB32);
    if (scaled.isNull() || result.isNull())
        return {};
    for (int y = 0; y < result.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(scaled.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if (qAlpha(in[x]) < 128) {
                out[x] = 0xFF000000 | key;
                continue;
            }
            QRgb colour = qUnpremultiply(in[x]) | 0xFF000000;
            // A blend that happens to hit the key colour must not be cut away.
            if ((colour & 0xFFFFFF) == key)
                colour ^= 1;
            out[x] = colour;
        }
    }
    return result;
}

QSize LogicalSize(const QImage &bitmap)
{
    if (bitmap.isNull())
        return QSize(0, 0);
    return bitmap.deviceIndependentSize().toSize();
}

QImage CopyLogical(const QImage &bitmap, const QRect &area)
{
    if (bitmap.isNull())
        return {};
    const qreal scale = bitmap.devicePixelRatio();
    const QRect pixels(QPoint(qRound(area.left() * scale), qRound(area.top() * scale)),
                       QSize(qRound(area.width() * scale), qRound(area.height() * scale)));
    QImage part = bitmap.copy(pixels);
    part.setDevicePixelRatio(scale);
    return part;
}

void DrawBitmap(QPainter &painter, const QRectF &target, const QImage &bitmap, const QRectF &source)
{
    if (bitmap.isNull() || target.isEmpty() || source.isEmpty())
        return;
    const qreal scale = bitmap.devicePixelRatio();
    const QRectF pixels(source.x() * scale, source.y() * scale, source.width() * scale,
                        source.height() * scale);
    // Pixel for pixel when the bitmap's scale is the screen's: nothing to interpolate.
    const QTransform device = painter.deviceTransform();
    const bool oneToOne = device.type() <= QTransform::TxScale &&
                          qFuzzyCompare(device.m11(), scale) &&
                          qFuzzyCompare(device.m22(), scale) && target.size() == source.size();
    const bool smooth = painter.testRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !oneToOne);
    painter.drawImage(target, bitmap, pixels);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
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
    mask.setDevicePixelRatio(image.devicePixelRatio());
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

QRegion RegionWithoutKeyColour(const QImage &bitmap, std::uint32_t keyColor)
{
    return bitmap.isNull() ? QRegion() : CutShape(bitmap, keyColor, INT_MAX, INT_MAX);
}

std::optional<QRegion> RegionFromBitmap(const QImage &bitmap, int red, int green, int blue)
{
    // The size the shape is cut in, as LogicalPixels gives it.
    const int scale = std::max(1, static_cast<int>(std::lround(bitmap.devicePixelRatio())));
    const auto width16 = static_cast<std::uint16_t>(bitmap.width() / scale);
    const int width = width16 - width16 % 4;
    const int height = static_cast<std::uint16_t>(bitmap.height() / scale);
    if (bitmap.isNull() || width == 0 || height == 0)
        return std::nullopt;
    const bool hasKey =
        red >= 0 && red <= 255 && green >= 0 && green <= 255 && blue >= 0 && blue <= 255;
    const std::uint32_t key = hasKey ? ToColorValue(QColor(red, green, blue)) : kNoColour;
    return CutShape(bitmap, key, width, height);
}

} // namespace lumaskin
