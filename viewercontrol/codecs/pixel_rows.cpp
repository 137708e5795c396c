#include "viewercontrol/codecs/pixel_rows.h"

namespace lumaskin {

PixelSummary Summarise(const Image &image)
{
    PixelSummary summary;
    for (int y = 0; y < image.height() && (summary.opaque || summary.grey); ++y) {
        const std::uint8_t *p = image.row(y);
        bool opaque = true, grey = true;
        for (int x = 0; x < image.width(); ++x, p += 4) {
            opaque &= p[3] == 255;
            grey &= p[0] == p[1] && p[1] == p[2];
        }
        summary.opaque &= opaque;
        summary.grey &= grey;
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
