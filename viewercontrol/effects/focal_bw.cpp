// FocalBW: keeps the colour around a point and turns the rest of the picture grey.
//
// Arguments: radius1 and radius2, distances in pixels (0 or more); x and y, the focus, a pixel
// position that may lie anywhere, even outside the picture. Pixels within radius1 of the focus
// keep their colour; pixels at radius2 or farther become grey (Rec. 601 luma, rounded); between
// the two the colour fades linearly into the grey. When radius2 is not above radius1 the edge is
// hard at radius1: colour within it, grey beyond. Distances are measured between pixel positions.
// There is no neutral value (a radius1 larger than the picture's diagonal keeps everything).
// Edges: a point operation; borders need nothing.

#include "viewercontrol/effects/effects.h"
#include "viewercontrol/effects/pixel_math.h"

#include <cmath>

namespace lumaskin {

void FocalBW(Image &image, int radius1, int radius2, int x, int y)
{
    if (image.isNull())
        return;
    radius1 = std::max(radius1, 0);
    radius2 = std::max(radius2, radius1);
    const double inner = radius1;
    const double outer = radius2;
    const double inner2 = inner * inner;
    const double outer2 = outer * outer;
    const double fade = radius2 > radius1 ? 1.0 / (outer - inner) : 0.0;
    const int width = image.width();
    effects::ForEachRow(image, [=](int row, std::uint8_t *pixels) {
        // 64-bit differences: the focus may lie far outside the picture.
        const double dy = static_cast<double>(static_cast<std::int64_t>(row) - y);
        for (int column = 0; column < width; ++column) {
            const double dx = static_cast<double>(static_cast<std::int64_t>(column) - x);
            const double distance2 = dx * dx + dy * dy;
            if (distance2 <= inner2)
                continue;
            std::uint8_t *p = pixels + 4 * column;
            const int grey = effects::Luma(p[0], p[1], p[2]);
            if (distance2 >= outer2) {
                p[0] = p[1] = p[2] = static_cast<std::uint8_t>(grey);
                continue;
            }
            const double t = (std::sqrt(distance2) - inner) * fade; // 0 at radius1, 1 at radius2
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>(std::lround(p[c] + (grey - p[c]) * t));
        }
    });
}

} // namespace lumaskin
