#pragma once

#include <QImage>
#include <QRegion>
#include <cstdint>

class QWidget;

namespace lumaskin {

// The most rectangles a window shape may have. A shape goes to the display server as one
// request listing its rectangles; an X server closes the connection (which ends the program)
// on a request beyond its limit, which is 65535 four-byte words without the BIG-REQUESTS
// extension. This many rectangles fit well within it.
inline constexpr int kMaxShapeRects = 16384;

// `region` when it has at most `maxRects` rectangles; otherwise a simpler shape that covers
// it: the region taken in square blocks, each block kept whole when any of its pixels is
// kept, with blocks as small as the limit allows. So a skin whose key colour forms a fine
// pattern gets a shape that is slightly coarser at its edges, never one that ends the program.
QRegion LimitShapeComplexity(const QRegion &region, int maxRects = kMaxShapeRects);

// Gives a top-level window the shape `region`, made simple enough for the display by
// LimitShapeComplexity; returns the shape given. Every shaped window of the program goes
// through here.
QRegion ApplyWindowShape(QWidget &window, const QRegion &region);

// Whether the display cuts windows to their shape. Wayland has none: there a shaped window is a
// translucent one whose cut-away pixels are transparent.
bool DisplayCutsWindowShapes();

// What a shaped window paints of its bitmap: the bitmap itself where the display cuts the
// window to its shape; elsewhere the bitmap with its key-coloured pixels transparent, so that
// the key colour never shows.
QImage PaintedThroughShape(const QImage &bitmap, std::uint32_t keyColor);

} // namespace lumaskin
