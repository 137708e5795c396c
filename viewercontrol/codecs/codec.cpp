#include "viewercontrol/codecs/codec.h"

#include <cmath>

namespace lumaskin {

namespace reason {

QString notAPicture()
{
    return QStringLiteral("not a picture Lumaskin can read");
}

QString truncated()
{
    return QStringLiteral("the file is truncated");
}

QString tooLarge(std::int64_t width, std::int64_t height)
{
    if (width > Image::kMaxSide || height > Image::kMaxSide || width * height / 1'000'000 == 0)
        return QStringLiteral("the picture is too large (%1 x %2 pixels)").arg(width).arg(height);
    const double megapixels = static_cast<double>(width) * static_cast<double>(height) / 1e6;
    return QStringLiteral("the picture is too large (%1 megapixels)")
        .arg(static_cast<qint64>(std::llround(megapixels)));
}

QString damaged(const QString &format)
{
    return QStringLiteral("the %1 picture is damaged").arg(format);
}

QString outOfMemory()
{
    return QStringLiteral("there is not enough memory for the picture");
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
            *error = QStringLiteral("the picture has no pixels");
        return true;
    }
    if (!Image::sizeIsAcceptable(width, height)) {
        if (error)
            *error = reason::tooLarge(width, height);
        return true;
    }
    return false;
}

} // namespace lumaskin
