#pragma once

#include <QRgb>

namespace lumaskin {

// a * b / c in 64 bits, rounded half away from zero; -1 when c is 0 or the result does not
// fit in an int. Every colour product of the menu frame goes through it, so the frame's
// colours are exact integers that tests can state.
int MulDiv(int a, int b, int c);

// 86 % of x plus 14 % of y, per red, green and blue channel (each term rounded on its own).
QRgb MixColours(QRgb x, QRgb y);

// x * (255 - k) / 255 per channel: k = 0 keeps the colour, k = 255 gives black.
QRgb DarkenColour(int k, QRgb x);

// The colour a display with `colourCount` colours shows for `colour`. True-colour displays
// show every colour as it is; displays of 256 colours or fewer show the nearest colour of
// the 6 x 6 x 6 cube that palette displays use.
QRgb NearestColour(QRgb colour, int colourCount);

// The three colours of the menu frame.
struct MenuColours
{
    QRgb a = 0; // inner frame and the band around the items
    QRgb b = 0; // the light line along the inner frame's left side
    QRgb d = 0; // outer frame
};

// The frame colours from the menu colour, the window colour and the button face colour.
// Palette displays use the button face for the light line. Colours the display would show
// the same way are replaced by the window and menu colours, so the two frame lines stay
// apart.
MenuColours ComputeMenuColours(QRgb menu, QRgb window, QRgb buttonFace, int colourCount);

} // namespace lumaskin
