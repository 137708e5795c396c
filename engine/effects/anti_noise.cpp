// AntiNoise: removes speckle, isolated pixels that stand out from their surroundings.
//
// Argument: level, 1..5, the number of passes; each pass works on the result of the one
// before. There is no neutral value, but a picture without specks is left as it is.
// In a pass, a pixel stands out when in at least one colour channel it is brighter than all
// eight of its neighbours or darker than all eight. Such a pixel takes the 3x3 median of each
// colour channel; every other pixel stays. Lines and edges, whose pixels have neighbours of their
// own value, are kept.
// Edges: pixels beyond the borders repeat the nearest edge pixel, so a border pixel is never
// darker or brighter than all its neighbours on that side.

#include "engine/effects/effect_table.h"
#include "engine/effects/median_of_nine.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>
#include <algorithm>
#include <vector>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"level", ArgumentKind::Int, 1, 5, 3, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "number of passes")},
};
constexpr const EffectArgument &kLevel = kArguments[0];

// Per byte, whether it is above or below all eight neighbours of its channel.
void FindOutliers(const std::uint8_t *LUMASKIN_RESTRICT a, const std::uint8_t *LUMASKIN_RESTRICT b,
                  const std::uint8_t *LUMASKIN_RESTRICT c, int bytes,
                  std::uint8_t *LUMASKIN_RESTRICT outliers)
{
    for (int i = 0; i < bytes; ++i) {
        const std::uint8_t high =
            std::max(std::max(std::max(a[i - 4], a[i]), std::max(a[i + 4], b[i - 4])),
                     std::max(std::max(b[i + 4], c[i - 4]), std::max(c[i], c[i + 4])));
        const std::uint8_t low =
            std::min(std::min(std::min(a[i - 4], a[i]), std::min(a[i + 4], b[i - 4])),
                     std::min(std::min(b[i + 4], c[i - 4]), std::min(c[i], c[i + 4])));
        outliers[i] = static_cast<std::uint8_t>((b[i] > high) | (b[i] < low));
    }
}

// Pixels with an outlier in a colour channel take the medians; the rest stay.
void ReplaceOutliers(const std::uint8_t *LUMASKIN_RESTRICT outliers,
                     const std::uint8_t *LUMASKIN_RESTRICT medians, int width,
                     std::uint8_t *LUMASKIN_RESTRICT out)
{
    for (int x = 0; x < width; ++x) {
        const std::size_t i = 4 * static_cast<std::size_t>(x);
        if (outliers[i] | outliers[i + 1] | outliers[i + 2]) {
            out[i] = medians[i];
            out[i + 1] = medians[i + 1];
            out[i + 2] = medians[i + 2];
        }
    }
}

void AntiNoisePass(Image &image)
{
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [width](effects::RowWindow &window) {
        effects::MedianOfNine median(width);
        std::vector<std::uint8_t> medians(4 * static_cast<std::size_t>(width));
        std::vector<std::uint8_t> outliers(4 * static_cast<std::size_t>(width));
        for (; !window.Done(); window.Next()) {
            FindOutliers(window.Row(-1), window.Row(0), window.Row(1), 4 * width, outliers.data());
            median.Row(window.Row(-1), window.Row(0), window.Row(1), medians.data());
            ReplaceOutliers(outliers.data(), medians.data(), width, window.Out());
        }
    });
}

void AntiNoise(Image &image, int level)
{
    level = kLevel.Clamp(level);
    if (image.IsNull())
        return;
    for (int pass = 0; pass < level; ++pass)
        AntiNoisePass(image);
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kAntiNoise = {
    .operation = "AntiNoise",
    .command = "antinoise",
    .dispatchId = DispatchId::AntiNoise,
    .meaning = QT_TRANSLATE_NOOP("Effects", "removes isolated specks with a 3x3 median"),
    .arguments = kArguments,
    .run = [](Image &image,
              const EffectDescriptor::Arguments &a) { AntiNoise(image, AsInt(a[0])); },
    .rowReach = [](const EffectDescriptor::Arguments &) { return 1; },
};

} // namespace effects

} // namespace lumaskin
