// InvertColor: the negative of the picture; each colour channel becomes 255 - v.
//
// Arguments: none. Applying it twice gives the original back.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effects.h"
#include "engine/effects/pixel_math.h"

namespace lumaskin {

namespace {

void InvertRow(std::uint8_t *LUMASKIN_RESTRICT row, int width)
{
    // XOR of the colour bytes is the same as 255 - v and runs on whole words.
    for (int x = 0; x < width; ++x)
        effects::StorePixel(row + 4 * x, effects::LoadPixel(row + 4 * x) ^ 0x00FFFFFFu);
}

} // namespace

void InvertColor(Image &image)
{
    if (image.IsNull())
        return;
    const int width = image.Width();
    effects::ForEachRow(image, [width](int, std::uint8_t *row) { InvertRow(row, width); });
}

} // namespace lumaskin
