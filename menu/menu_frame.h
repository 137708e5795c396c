#pragma once

#include "menu/menu_colours.h"

#include <QImage>
#include <QRect>
#include <QSize>

class QPainter;

namespace lumaskin {

// Everything the flat frame of a menu window depends on. Coordinates are the window's own,
// (0, 0) at its top left.
struct MenuFrame
{
    QSize window;
    // Where the items are drawn; the frame fills the band around it.
    QRect client;
    bool systemShadows = false;
    bool highContrast = false;
    MenuColours colours;
    QRgb buttonText = 0;
};

// The width of the shadow the menu draws itself along its right and bottom edges: none when
// the desktop draws shadows.
inline int MenuShadowSize(bool systemShadows)
{
    return systemShadows ? 0 : 4;
}

// Draws one pass of the frame. Pass 0 comes before the items are drawn and also fills the
// band between the inner frame and the items; pass 1 comes after and draws the lines again
// on top. Normally the lines are an outer frame in D along the window's edge (inset by the
// shadow), an inner frame in A and a light line in B down the inner left side; under high
// contrast only the outer frame is drawn, in the button text colour. `shadow` (window-sized,
// transparent where it has nothing to say) is drawn over the result when the menu draws its
// own shadow.
void DrawMenuFrame(QPainter &painter, const MenuFrame &frame, int pass, const QImage &shadow);

// The shadow along the right and bottom edges of a window of size `window`, computed from
// `background`, what the screen showed there before the menu appeared (top left at the
// window's top left). Four pixels wide, darkest next to the frame and fading towards the
// outer edge and the two ends; on palette displays (256 colours or fewer) a solid band in
// `buttonShadow`. Every other pixel, and any pixel the background does not cover, is
// transparent.
QImage MenuShadow(const QImage &background, QSize window, int colourCount, QRgb buttonShadow);

// The same four-pixel strips copied from the background unchanged: what a menu without a
// shadow shows there, as if the strips were not part of it.
QImage UnshadedStrips(const QImage &background, QSize window);

} // namespace lumaskin
