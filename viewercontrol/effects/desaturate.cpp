// Desaturate: grey from luma.
//
// Arguments: none. Red, green and blue all become the pixel's Rec. 601 luma,
// 0.299 R + 0.587 G + 0.114 B, rounded. A grey picture stays as it is.
// Edges: a point operation; borders need nothing.

#include "viewercontrol/effects/effects.h"
#include "viewercontrol/effects/pixel_math.h"

namespace lumaskin {

void Desaturate(Image &image)
{
    if (image.isNull())
        return;
    const int width = image.width();
    effects::ForEachRow(image, [width](int, std::uint8_t *row) {
        // Whole 32-bit words so that the compiler can work on several pixels at once.
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = row + 4 * x;
            const std::uint32_t v = effects::LoadPixel(p);
            const std::uint32_t grey = (19595u * (v & 0xFF) + 38470u * ((v >> 8) & 0xFF) +
                                        7471u * ((v >> 16) & 0xFF) + 32768u) >>
                                       16;
            effects::StorePixel(p, (v & 0xFF000000u) | grey * 0x010101u);
        }
    });
}

} // namespace lumaskin
