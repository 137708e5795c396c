#include "engine/codecs/codec.h"

#include "engine/codecs/metadata_library.h"
#include "engine/image_io.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <cmath>

namespace lumaskin {

namespace reason {

QString NotAPicture()
{
    return QCoreApplication::translate("Codec", "not a picture Lumaskin can read");
}

QString Truncated()
{
    return QCoreApplication::translate("Codec", "the file is truncated");
}

QString TooLarge(std::int64_t width, std::int64_t height)
{
    if (width > Image::kMaxSide || height > Image::kMaxSide)
        return QCoreApplication::translate(
                   "Codec", "the picture is too large (%1 x %2 pixels; at most %3 pixels a side "
                            "are read)")
            .arg(width)
            .arg(height)
            .arg(Image::kMaxSide);
    const std::int64_t limit = ReadPixelLimit();
    if (width * height / 1'000'000 == 0 || limit < 1'000'000)
        return QCoreApplication::translate(
                   "Codec", "the picture is too large (%1 x %2 pixels; at most %3 pixels are "
                            "read)")
            .arg(width)
            .arg(height)
            .arg(limit);
    const double megapixels = static_cast<double>(width) * static_cast<double>(height) / 1e6;
    return QCoreApplication::translate(
               "Codec", "the picture is too large (%1 megapixels; at most %2 are read)")
        .arg(static_cast<qint64>(std::llround(megapixels)))
        .arg(limit / 1'000'000);
}

QString Damaged(const QString &format)
{
    return QCoreApplication::translate("Codec", "the %1 picture is damaged").arg(format);
}

QString OutOfMemory()
{
    return QCoreApplication::translate("Codec", "there is not enough memory for the picture");
}

} // namespace reason

Image Fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return {};
}

bool RefuseSize(std::int64_t width, std::int64_t height, QString *error)
{
    if (width <= 0 || height <= 0) {
        if (error)
            *error = QCoreApplication::translate("Codec", "the picture has no pixels");
        return true;
    }
    if (!Image::SizeIsAcceptable(width, height) || width * height > ReadPixelLimit()) {
        if (error)
            *error = reason::TooLarge(width, height);
        return true;
    }
    return false;
}

namespace {

// The size hints.smallestUseful asks for, as the picture is stored.
QSize WantedAsStored(const ReadHints &hints, int width, int height, const QByteArray &exif)
{
    const bool onItsSide = ExifOrientation(exif) >= 5;
    QSize wanted = hints.smallestUseful(onItsSide ? QSize(height, width) : QSize(width, height));
    if (onItsSide)
        wanted.transpose();
    return wanted;
}

} // namespace

int ShrinkEighths(const ReadHints &hints, int width, int height, const QByteArray &exif)
{
    if (!hints.smallestUseful || width <= 0 || height <= 0)
        return 8;
    const QSize wanted = WantedAsStored(hints, width, height, exif);
    int eighths = 1;
    while (eighths < 8 && (EighthsOfSide(width, eighths) < wanted.width() ||
                           EighthsOfSide(height, eighths) < wanted.height()))
        ++eighths;
    return eighths;
}

int ShrinkFactor(const ReadHints &hints, int width, int height, const QByteArray &exif)
{
    if (!hints.smallestUseful || width <= 0 || height <= 0)
        return 1;
    const QSize wanted = WantedAsStored(hints, width, height, exif);
    int factor = 1;
    while (factor < 8 && ShrunkSide(width, 2 * factor) >= wanted.width() &&
           ShrunkSide(height, 2 * factor) >= wanted.height())
        factor *= 2;
    return factor;
}

namespace {
std::atomic<std::int64_t> readPixelLimit{Image::kMaxPixels};
}

std::int64_t ReadPixelLimit()
{
    return readPixelLimit.load(std::memory_order_relaxed);
}

void SetReadPixelLimit(std::int64_t pixels)
{
    readPixelLimit.store(std::clamp<std::int64_t>(pixels, 1, Image::kMaxPixels),
                         std::memory_order_relaxed);
}

} // namespace lumaskin
