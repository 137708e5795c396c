#pragma once

#include "platform/colour_value.h"

#include <QColor>
#include <QImage>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <optional>

class QPainter;

class QWidget;

namespace lumaskin {

// Colours reach the controls as the platform writes them, 0x00BBGGRR. A value with any bit
// of the high byte set (an empty colour field) is no colour: it matches no pixel, and
// controls keep their own colour when given it.
QColor ToQColor(std::uint32_t value);
// A valid colour back as 0x00BBGGRR.
std::uint32_t ToColorValue(const QColor &colour);

// How a skin bitmap is loaded for the screen it is shown on.
struct BitmapLoad
{
    // The screen's device pixel ratio. Above 1 the bitmap is held at twice its size.
    qreal ratio = 1.0;
    // Pixels of this colour (0x00BBGGRR) stay apart from their neighbours when a bitmap is
    // enlarged, so the key colour never smears into the picture.
    std::uint32_t keyColor = kNoColour;
    // A strip of this many equal pictures side by side is enlarged picture by picture.
    int tilesAcross = 1;
};

// The scale skin bitmaps are held at on a screen of `ratio`: 1, or 2 above 1 (a fractional
// ratio draws the twice-as-large bitmap scaled down).
int BitmapScale(qreal ratio);

// How large a skin is drawn: 1 gives each skin pixel a logical pixel; 1/2 (or 1/3) draws it
// with a device pixel for each skin pixel on a fine screen too small for the skin at its own
// size. Skin rectangles, bitmaps and text sizes all follow it; it is the same for every
// skinned window of the program and is chosen as a skin is loaded.
qreal SkinScale();
void SetSkinScale(qreal scale);
// A skin coordinate in logical pixels.
int ToLogical(int skinCoordinate);
// The widget's text, as much smaller as the skin it stands on.
void FollowSkinScale(QWidget &widget);
// The scale a skin of `size` (in skin pixels) is drawn at in `available` logical pixels on a
// screen of `ratio`: 1 when it fits; else, on a fine screen, one device pixel a skin pixel
// (1 over the ratio rounded up, so that the bitmaps keep a whole scale); else 1, since the
// bitmaps cannot be drawn any sharper smaller.
qreal FittingSkinScale(QSize size, QSize available, qreal ratio);

// "Background.bmp" -> "Background@2x.bmp": the twice-as-large picture a package may carry
// beside each bitmap.
QString HiDpiPath(const QString &path);

// Loads a bitmap file (the skins use BMP; the format is recognised by content) into
// `bitmap` as a 32-bit RGB image. An empty path returns false and leaves `bitmap` alone;
// otherwise `bitmap` is emptied first, so a file that does not load leaves it null.
// On a screen whose ratio is above 1 the result has twice the file's pixels and a device
// pixel ratio of 2, so it still measures the file's size in logical pixels: the file's
// "@2x" companion when that is exactly twice its size, otherwise the file enlarged smoothly.
bool LoadBitmapFile(const QString &path, QImage &bitmap, const BitmapLoad &how = {});

// `image` resized smoothly to `size` pixels, keeping key-coloured pixels (0x00BBGGRR) apart:
// they neither blend into the picture nor leave a fringe; a pixel comes out as exactly the
// key colour where the key covers most of it.
QImage ScaledSmoothly(const QImage &image, QSize size, std::uint32_t keyColor = kNoColour);

// A bitmap's size in logical pixels (its pixels over its device pixel ratio).
QSize LogicalSize(const QImage &bitmap);
// The part of `bitmap` under `area` (logical pixels), at the bitmap's own scale.
QImage CopyLogical(const QImage &bitmap, const QRect &area);
// Draws the part `source` (logical pixels of `bitmap`) into `target`, smoothly wherever the
// screen's scale and the bitmap's differ, pixel for pixel where they agree.
void DrawBitmap(QPainter &painter, const QRectF &target, const QImage &bitmap,
                const QRectF &source);

// A copy of `image` in which every pixel of exactly the key colour is fully transparent,
// ready to be drawn over whatever lies beneath. A null image stays null.
QImage WithKeyTransparent(const QImage &image, std::uint32_t keyColor);

// A one-bit mask of `image`'s size: 1 where the pixel has the key colour, 0 elsewhere.
QImage KeyMask(const QImage &image, std::uint32_t keyColor);

// The window shape cut out of a bitmap: its rectangle without every pixel whose red, green
// and blue equal the given ones. Shapes are in logical pixels: of a bitmap held at twice its
// size, a logical pixel stays only where none of its pixels has the key colour. Width and height
// are taken as unsigned 16-bit numbers and the width is rounded down to a multiple of 4; the
// columns beyond it are outside the shape. Nothing (no shaping) for a null bitmap or a zero width
// or height.
std::optional<QRegion> RegionFromBitmap(const QImage &bitmap, int red, int green, int blue);

// The bitmap's whole rectangle without its pixels of the key colour (0x00BBGGRR), for a
// window shaped by its background; no rounding of the width. Empty for a null bitmap.
QRegion RegionWithoutKeyColour(const QImage &bitmap, std::uint32_t keyColor);

} // namespace lumaskin
