#pragma once

#include "controls/glyphs.h"
#include "controls/state_strip.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>
#include <array>

class QPainter;

namespace lumaskin {

// The words of a button-like control, drawn on its faces rather than painted into its
// bitmap, so that they can be shown in the user's language. The skin generator paints the
// bundled skins' captions with this code and the program draws them with it again, so a
// caption drawn at run time comes out as the one a bitmap would carry.
struct FaceCaption
{
    QString text;
    QString fontFamily;
    int pixelSize = 12; // the height of the em square
    bool bold = false;
    // 0: a push button's caption, centred with its glyph, over a soft shadow, a pixel lower on
    // the pressed face. Above 0: the text alone, left-aligned from this many pixels, as beside
    // the indicator of a check box or option button.
    int indent = 0;
    Glyph glyph = Glyph::None;
    // The text's colour on each face, in strip order.
    std::array<QColor, kStateCount> colours;
};

// The font that text painted on skin faces is set in.
QFont SkinFont(const QString &family, int pixels, bool bold = false);

// Relative brightness 0..1, for picking what reads on a colour.
double Luma(const QColor &colour);

// Whether the caption fits a face of `size` at its own font size, with a little room to spare.
bool CaptionFits(const FaceCaption &caption, QSizeF size);

// Draws the caption on face `face` (a state of the strip, 0..3) that covers `box`. A text too
// wide for the face at its font size is set a little smaller; if that is not enough, its glyph
// makes room and it may shrink to two thirds of its size; beyond that it is cut short with an
// ellipsis.
void PaintFaceCaption(QPainter &painter, const QRectF &box, const FaceCaption &caption, int face);

// The caption drawn on each of the four states of a strip, in skin pixels: a strip held for a
// skin drawn at `skinScale` (see SkinScale()) has that many logical pixels a skin pixel.
void PaintCaptionOnStrip(QImage &strip, const FaceCaption &caption, qreal skinScale = 1.0);

} // namespace lumaskin
