#include "viewer/image_qt.h"

#include "engine/resample.h"

#include <cstring>

namespace lumaskin {

QImage Image::ToQImage() const
{
    if (IsNull())
        return {};
    // The QImage keeps a reference to the buffer until it is destroyed.
    auto *keep = new std::shared_ptr<std::uint8_t[]>(m_data);
    return QImage(
        m_data.get(), m_width, m_height, static_cast<qsizetype>(m_stride), QImage::Format_RGBA8888,
        [](void *info) { delete static_cast<std::shared_ptr<std::uint8_t[]> *>(info); }, keep);
}

Image Image::FromQImage(const QImage &image)
{
    if (image.isNull() || !SizeIsAcceptable(image.width(), image.height()))
        return {};
    const QImage rgba = image.format() == QImage::Format_RGBA8888
                            ? image
                            : image.convertToFormat(QImage::Format_RGBA8888);
    Image out(rgba.width(), rgba.height());
    if (out.IsNull())
        return out;
    const std::size_t bytes = 4 * static_cast<std::size_t>(out.m_width);
    for (int y = 0; y < out.m_height; ++y)
        std::memcpy(out.Row(y), rgba.constScanLine(y), bytes);
    return out;
}

QImage ShrunkForView(const Image &image, QSize size)
{
    if (image.IsNull() || size.isEmpty())
        return {};
    if (size.width() > image.Width() || size.height() > image.Height())
        return image.ToQImage().scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage out(size, QImage::Format_RGBA8888_Premultiplied);
    if (!out.isNull())
        ScalePremultiplied(image, size.width(), size.height(), out.bits(),
                           static_cast<std::size_t>(out.bytesPerLine()));
    return out;
}

} // namespace lumaskin
