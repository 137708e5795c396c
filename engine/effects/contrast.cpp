// Contrast: spreads the colours away from mid-grey, or pulls them toward it.
//
// Argument: percent, 0..1000. Each channel becomes 128 + (v - 128) * percent / 100, rounded and
// clamped to 0..255: 100 leaves the picture alone (neutral), 0 gives flat mid-grey, 200 doubles
// every distance from mid-grey.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>
#include <cmath>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"percent", ArgumentKind::Int, 0, 1000, 100, 100,
     QT_TRANSLATE_NOOP("Effects",
                       "distance from mid-grey in percent: 0 gives grey, 200 doubles it")},
};
constexpr const EffectArgument &kPercent = kArguments[0];

void Contrast(Image &image, int percent)
{
    percent = kPercent.Clamp(percent);
    if (image.IsNull() || percent == 100)
        return;
    effects::ApplyChannelTable(image, effects::MakeChannelTable([percent](int v) {
                                   return static_cast<int>(
                                       std::lround(128 + (v - 128) * percent / 100.0));
                               }));
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kContrast = {
    .operation = "Contrast",
    .command = "contrast",
    .dispatchId = DispatchId::Contrast,
    .meaning =
        QT_TRANSLATE_NOOP("Effects", "spreads the colours away from mid-grey or pulls them to it"),
    .arguments = kArguments,
    .run = [](Image &image, const EffectDescriptor::Arguments &a) { Contrast(image, AsInt(a[0])); },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
