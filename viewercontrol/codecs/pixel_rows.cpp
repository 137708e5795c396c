#include "viewercontrol/codecs/pixel_rows.h"

#include <cstring>

namespace lumaskin {

PixelSummary Summarise(const Image &image)
{
    PixelSummary summary;
    const int width = image.width();
    for (int y = 0; y < image.height() && (summary.opaque || summary.grey); ++y) {
        const std::uint8_t *p = image.row(y);
        // Branch-free over whole pixels: the AND of every alpha and the OR of every pixel's
        // red-green and green-blue differences.
        std::uint32_t alpha = 0xFFu, colour = 0;
        for (int x = 0; x < width; ++x) {
            std::uint32_t v;
            std::memcpy(&v, p + 4 * static_cast<std::size_t>(x), 4);
            alpha &= v >> 24;
            colour |= (v ^ (v >> 8)) & 0xFFFFu;
        }
        summary.opaque &= alpha == 0xFFu;
        summary.grey &= colour == 0;
    }
    return summary;
}

void CompositeRowOverWhite(const std::uint8_t *rgba, std::uint8_t *rgb, int width)
{
    for (int x = 0; x < width; ++x, rgba += 4, rgb += 3) {
        const unsigned a = rgba[3];
        if (a == 255) {
            rgb[0] = rgba[0], rgb[1] = rgba[1], rgb[2] = rgba[2];
            continue;
        }
        const unsigned white = 255 * (255 - a);
        for (int c = 0; c < 3; ++c)
            rgb[c] = static_cast<std::uint8_t>((rgba[c] * a + white + 127) / 255);
    }
}

Image Scaled(const Image &image, int width, int height)
{
    if (image.isNull())
        return {};
    if (image.width() == width && image.height() == height)
        return image.clone();
    // Qt scales in premultiplied form, so transparent pixels do not bleed their colour.
    return Image::fromQImage(
        image.toQImage()
            .convertToFormat(QImage::Format_RGBA8888_Premultiplied)
            .scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace lumaskin
