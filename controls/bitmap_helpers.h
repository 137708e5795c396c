#pragma once

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <optional>

namespace lumaskin {

// Colours reach the controls as the platform writes them, 0x00BBGGRR. A value with any bit
// of the high byte set (an empty colour field) is no colour: it matches no pixel, and
// controls keep their own colour when given it.
QColor ToQColor(std::uint32_t value);
// A valid colour back as 0x00BBGGRR.
std::uint32_t ToColorValue(const QColor &colour);

// Loads a bitmap file (the skins use BMP; the format is recognised by content) into
// `bitmap` as a 32-bit RGB image. An empty path returns false and leaves `bitmap` alone;
// otherwise `bitmap` is emptied first, so a file that does not load leaves it null.
bool LoadBitmapFile(const QString &path, QImage &bitmap);

// A copy of `image` in which every pixel of exactly the key colour is fully transparent,
// ready to be drawn over whatever lies beneath. A null image stays null.
QImage WithKeyTransparent(const QImage &image, std::uint32_t keyColor);

// A one-bit mask of `image`'s size: 1 where the pixel has the key colour, 0 elsewhere.
QImage KeyMask(const QImage &image, std::uint32_t keyColor);

// The window shape cut out of a bitmap: its rectangle without every pixel whose red, green
// and blue equal the given ones. Width and height are taken as unsigned 16-bit numbers and
// the width is rounded down to a multiple of 4; the columns beyond it are outside the shape.
// Nothing (no shaping) for a null bitmap or a zero width or height.
std::optional<QRegion> RegionFromBitmap(const QImage &bitmap, int red, int green, int blue);

// The bitmap's whole rectangle without its pixels of the key colour (0x00BBGGRR), for a
// window shaped by its background; no rounding of the width. Empty for a null bitmap.
QRegion RegionWithoutKeyColour(const QImage &bitmap, std::uint32_t keyColor);

} // namespace lumaskin
