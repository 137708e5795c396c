// Monochrome: two colours split by a luma threshold.
//
// Arguments: threshold 0..255; first and second, colours 0x00BBGGRR (0..0xFFFFFF; higher bits
// are ignored). A pixel whose Rec. 601 luma (rounded) is at or above the threshold takes the first
// colour, one below it the second. Threshold 0 paints everything in the first colour. There is no
// neutral value.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"threshold", ArgumentKind::Int, 0, 255, 128, std::nullopt,
     QT_TRANSLATE_NOOP("Effects",
                       "luma at or above this takes the first colour, below it the second")},
    {"first", ArgumentKind::Colour, 0, 0xFFFFFF, 0xFFFFFF, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "light colour, 0x00BBGGRR")},
    {"second", ArgumentKind::Colour, 0, 0xFFFFFF, 0, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "dark colour, 0x00BBGGRR")},
};
constexpr const EffectArgument &kThreshold = kArguments[0];

void SplitRow(std::uint8_t *LUMASKIN_RESTRICT row, int width, int threshold, std::uint32_t light,
              std::uint32_t dark)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const int luma = effects::Luma(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
        effects::StorePixel(row + 4 * x, (v & 0xFF000000u) | (luma >= threshold ? light : dark));
    }
}

void Monochrome(Image &image, int threshold, std::uint32_t first, std::uint32_t second)
{
    if (image.IsNull())
        return;
    threshold = kThreshold.Clamp(threshold);
    // 0x00BBGGRR already has red in the low byte, as our pixels do.
    const std::uint32_t light = first & 0x00FFFFFFu;
    const std::uint32_t dark = second & 0x00FFFFFFu;
    const int width = image.Width();
    effects::ForEachRow(
        image, [=](int, std::uint8_t *row) { SplitRow(row, width, threshold, light, dark); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kMonochrome = {
    .operation = "Monochrome",
    .command = "monochrome",
    .dispatchId = DispatchId::Monochrome,
    .meaning = QT_TRANSLATE_NOOP("Effects", "two colours split by a luma threshold"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            Monochrome(image, AsInt(a[0]), static_cast<std::uint32_t>(a[1]),
                       static_cast<std::uint32_t>(a[2]));
        },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
