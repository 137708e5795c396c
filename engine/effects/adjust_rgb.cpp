// AdjustRGB: adds a fixed amount to each colour channel.
//
// Arguments: red, green, blue, each -255..255, added to that channel; the result is clamped to
// 0..255. 0 leaves a channel alone (neutral: 0, 0, 0). Brightness is this effect with one value
// given three times.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"red", ArgumentKind::Int, -255, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "added to the red channel")},
    {"green", ArgumentKind::Int, -255, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "added to the green channel")},
    {"blue", ArgumentKind::Int, -255, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "added to the blue channel")},
};

void AdjustRGB(Image &image, int red, int green, int blue)
{
    if (image.IsNull() || (red == 0 && green == 0 && blue == 0))
        return;
    const auto shift = [](int amount) {
        amount = kArguments[0].Clamp(amount);
        return effects::MakeChannelTable([amount](int v) { return v + amount; });
    };
    effects::ApplyChannelTables(image, shift(red), shift(green), shift(blue));
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kAdjustRGB = {
    .operation = "AdjustRGB",
    .command = "adjustrgb",
    .dispatchId = DispatchId::AdjustRGB,
    .meaning = QT_TRANSLATE_NOOP("Effects", "adds to the red, green and blue channels"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            AdjustRGB(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2]));
        },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
