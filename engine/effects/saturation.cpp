// Saturation: makes colours more vivid or duller while keeping their luma.
//
// Argument: percent, 0..1000. Each channel becomes Y + (v - Y) * percent / 100, where Y is the
// pixel's Rec. 601 luma (0.299 R + 0.587 G + 0.114 B, not rounded); results are rounded and
// clamped to 0..255. 100 leaves the picture alone (neutral), 0 gives grey, 200 doubles each
// channel's distance from grey.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"percent", ArgumentKind::Int, 0, 1000, 100, 100,
     QT_TRANSLATE_NOOP("Effects", "distance from grey in percent: 0 gives grey, 200 doubles it")},
};
constexpr const EffectArgument &kPercent = kArguments[0];

void SaturateRow(std::uint8_t *LUMASKIN_RESTRICT row, int width, float factor)
{
    // Float lanes over whole 32-bit words: the compiler turns this into vector code.
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const float r = static_cast<float>(static_cast<int>(v & 0xFF));
        const float g = static_cast<float>(static_cast<int>((v >> 8) & 0xFF));
        const float b = static_cast<float>(static_cast<int>((v >> 16) & 0xFF));
        const float y = 0.299f * r + 0.587f * g + 0.114f * b;
        const auto channel = [y, factor](float c) {
            const float out = y + (c - y) * factor + 0.5f;
            return static_cast<std::uint32_t>(std::clamp(out, 0.0f, 255.0f));
        };
        effects::StorePixel(row + 4 * x,
                            (v & 0xFF000000u) | channel(r) | channel(g) << 8 | channel(b) << 16);
    }
}

void Saturation(Image &image, int percent)
{
    percent = kPercent.Clamp(percent);
    if (image.IsNull() || percent == 100)
        return;
    const float factor = static_cast<float>(percent) / 100.0f;
    const int width = image.Width();
    effects::ForEachRow(
        image, [width, factor](int, std::uint8_t *row) { SaturateRow(row, width, factor); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kSaturation = {
    .operation = "Saturation",
    .command = "saturation",
    .dispatchId = DispatchId::Saturation,
    .meaning = QT_TRANSLATE_NOOP("Effects", "makes colours more vivid or duller"),
    .arguments = kArguments,
    .run = [](Image &image,
              const EffectDescriptor::Arguments &a) { Saturation(image, AsInt(a[0])); },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
