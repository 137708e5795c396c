// InvertColor: the negative of the picture; each colour channel becomes 255 - v.
//
// Arguments: none. Applying it twice gives the original back.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

void InvertRow(std::uint8_t *LUMASKIN_RESTRICT row, int width)
{
    // XOR of the colour bytes is the same as 255 - v and runs on whole words.
    for (int x = 0; x < width; ++x)
        effects::StorePixel(row + 4 * x, effects::LoadPixel(row + 4 * x) ^ 0x00FFFFFFu);
}

void InvertColor(Image &image)
{
    if (image.IsNull())
        return;
    const int width = image.Width();
    effects::ForEachRow(image, [width](int, std::uint8_t *row) { InvertRow(row, width); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kInvertColor = {
    .operation = "InvertColor",
    .command = "invertcolor",
    .dispatchId = DispatchId::InvertColor,
    .meaning = QT_TRANSLATE_NOOP("Effects", "turns the picture into its negative"),
    .run = [](Image &image, const EffectDescriptor::Arguments &) { InvertColor(image); },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
