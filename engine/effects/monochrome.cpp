// Monochrome: two colours split by a luma threshold.
//
// Arguments: threshold 0..255; first and second, colours 0x00BBGGRR (0..0xFFFFFF; higher bits
// are ignored). A pixel whose Rec. 601 luma (rounded) is at or above the threshold takes the first
// colour, one below it the second. Threshold 0 paints everything in the first colour. There is no
// neutral value.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_ranges.h"
#include "engine/effects/effects.h"
#include "engine/effects/pixel_math.h"

namespace lumaskin {

namespace {

void SplitRow(std::uint8_t *LUMASKIN_RESTRICT row, int width, int threshold, std::uint32_t light,
              std::uint32_t dark)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const int luma = effects::Luma(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
        effects::StorePixel(row + 4 * x, (v & 0xFF000000u) | (luma >= threshold ? light : dark));
    }
}

} // namespace

void Monochrome(Image &image, int threshold, std::uint32_t first, std::uint32_t second)
{
    if (image.IsNull())
        return;
    threshold = ranges::kMonochromeThreshold.Clamp(threshold);
    // 0x00BBGGRR already has red in the low byte, as our pixels do.
    const std::uint32_t light = first & 0x00FFFFFFu;
    const std::uint32_t dark = second & 0x00FFFFFFu;
    const int width = image.Width();
    effects::ForEachRow(
        image, [=](int, std::uint8_t *row) { SplitRow(row, width, threshold, light, dark); });
}

} // namespace lumaskin
