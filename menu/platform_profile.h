#pragma once

#include <QByteArrayView>
#include <QStringView>

namespace lumaskin {

// What the menu styling needs to know about the desktop, read once at start-up. Tests and
// callers may build one by hand instead of probing.
//
// On Windows the menu frame reads an operating-system version code, two optional libraries
// (a theme library and a gradient routine, looked up at run time) and a "flat menus" switch.
// On Linux:
// - there is no version code; `osCode` is fixed at 7 (the newest Windows family), which keeps
//   the flat-menu colour lookup possible and counts gradients as available;
// - the theme library has no counterpart (Qt's style draws the items) and is not looked up;
// - gradients are always available through QPainter, so nothing is looked up either;
// - no Linux desktop has a flat-menus switch, so `flatMenus` is false unless set by hand.
struct PlatformProfile
{
    int osCode = 7;
    // The desktop asks for high contrast: the frame becomes a single line in the button text
    // colour and no shadow is drawn.
    bool highContrast = false;
    // The desktop draws drop shadows under windows itself: true where a compositing window
    // manager runs (always on Wayland), false otherwise. The menu then draws no shadow.
    bool systemShadows = false;
    // Colours the screen can show: 2^depth for palette displays (depth 8 or less), 64000 for
    // anything deeper.
    int colourCount = 64000;
    bool flatMenus = false;
};

// Probes the running desktop. Needs a QGuiApplication. With `readHighContrast` false the
// high-contrast setting is left for ProbeHighContrast, which asks the desktop's settings
// programs and may take tens of milliseconds.
PlatformProfile ProbePlatformProfile(bool readHighContrast = true);

// Whether the desktop asks for high contrast. Safe to call from any thread.
bool ProbeHighContrast();

// The X screen number in a display name such as ":0", ":97.1" or "host:0.2"; 0 without one.
int X11ScreenNumber(QByteArrayView displayName);

// Whether a desktop theme name stands for a high-contrast theme ("HighContrast",
// "HighContrastInverse", "Adwaita-highcontrast", ...).
bool IsHighContrastThemeName(QStringView themeName);

} // namespace lumaskin
