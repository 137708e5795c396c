// Desaturate: grey from luma.
//
// Arguments: none. Red, green and blue all become the pixel's Rec. 601 luma,
// 0.299 R + 0.587 G + 0.114 B, rounded half up. A grey picture stays as it is.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

LUMASKIN_VECTOR_CLONES void GreyRow(std::uint8_t *LUMASKIN_RESTRICT row, int width)
{
    // Whole 32-bit words so that the compiler can work on several pixels at once.
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const auto grey =
            static_cast<std::uint32_t>(effects::Luma(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
        effects::StorePixel(row + 4 * x, (v & 0xFF000000u) | grey * 0x010101u);
    }
}

void Desaturate(Image &image)
{
    if (image.IsNull())
        return;
    const int width = image.Width();
    effects::ForEachRow(image, [width](int, std::uint8_t *row) { GreyRow(row, width); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kDesaturate = {
    .operation = "Desaturate",
    .command = "desaturate",
    .dispatchId = DispatchId::Desaturate,
    .meaning = QT_TRANSLATE_NOOP("Effects", "grey from the luma of every pixel"),
    .run = [](Image &image, const EffectDescriptor::Arguments &) { Desaturate(image); },
    .pointwise = true,
    .writesGrey = true,
    .keepsGreyPixels = true,
};

} // namespace effects

} // namespace lumaskin
