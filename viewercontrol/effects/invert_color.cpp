// InvertColor: the negative of the picture; each colour channel becomes 255 - v.
//
// Arguments: none. Applying it twice gives the original back.
// Edges: a point operation; borders need nothing.

#include "viewercontrol/effects/effects.h"
#include "viewercontrol/effects/pixel_math.h"

namespace lumaskin {

void InvertColor(Image &image)
{
    if (image.isNull())
        return;
    const int width = image.width();
    // XOR of the colour bytes is the same as 255 - v and runs on whole words.
    effects::ForEachRow(image, [width](int, std::uint8_t *row) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = row + 4 * x;
            effects::StorePixel(p, effects::LoadPixel(p) ^ 0x00FFFFFFu);
        }
    });
}

} // namespace lumaskin
