// Lightness: moves each colour channel toward black or toward white.
//
// Arguments: red, green, blue, each a percent 0..200. Below 100 a channel is scaled toward black
// (v * p / 100; 0 gives black); above 100 toward white (v + (255 - v) * (p - 100) / 100; 200
// gives white). 100 leaves a channel alone (neutral: 100, 100, 100). Results are rounded.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>
#include <cmath>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"red", ArgumentKind::Int, 0, 200, 100, 100,
     QT_TRANSLATE_NOOP("Effects", "red in percent: below 100 toward black, above toward white")},
    {"green", ArgumentKind::Int, 0, 200, 100, 100,
     QT_TRANSLATE_NOOP("Effects", "green in percent: below 100 toward black, above toward white")},
    {"blue", ArgumentKind::Int, 0, 200, 100, 100,
     QT_TRANSLATE_NOOP("Effects", "blue in percent: below 100 toward black, above toward white")},
};

void Lightness(Image &image, int red, int green, int blue)
{
    if (image.IsNull() || (red == 100 && green == 100 && blue == 100))
        return;
    const auto scale = [](int percent) {
        percent = kArguments[0].Clamp(percent);
        return effects::MakeChannelTable([percent](int v) {
            const double p = percent / 100.0;
            return static_cast<int>(
                std::lround(percent <= 100 ? v * p : v + (255 - v) * (p - 1.0)));
        });
    };
    effects::ApplyChannelTables(image, scale(red), scale(green), scale(blue));
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kLightness = {
    .operation = "Lightness",
    .command = "lightness",
    .dispatchId = DispatchId::Lightness,
    .meaning = QT_TRANSLATE_NOOP("Effects", "scales each channel toward black or toward white"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            Lightness(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2]));
        },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
