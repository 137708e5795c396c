// Gamma: gamma correction of every colour channel.
//
// Argument: gamma, 0.01..10 (a real number). Each channel becomes 255 * (v / 255)^(1 / gamma),
// rounded: 1 leaves the picture alone (neutral), above 1 brightens the mid-tones, below 1 darkens
// them; black and white stay as they are. A value that is not a number counts as 1.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>
#include <cmath>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"gamma", ArgumentKind::Double, 0.01, 10, 1, 1,
     QT_TRANSLATE_NOOP("Effects", "above 1 brightens the mid-tones, below 1 darkens")},
};
constexpr const EffectArgument &kGamma = kArguments[0];

void Gamma(Image &image, double gamma)
{
    if (std::isnan(gamma))
        return;
    gamma = kGamma.Clamp(gamma);
    if (image.IsNull() || gamma == 1.0)
        return;
    const double exponent = 1.0 / gamma;
    effects::ApplyChannelTable(image, effects::MakeChannelTable([exponent](int v) {
                                   return static_cast<int>(
                                       std::lround(255.0 * std::pow(v / 255.0, exponent)));
                               }));
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kGamma = {
    .operation = "Gamma",
    .command = "gamma",
    .dispatchId = DispatchId::Gamma,
    .meaning = QT_TRANSLATE_NOOP("Effects", "gamma correction"),
    .arguments = kArguments,
    .run = [](Image &image, const EffectDescriptor::Arguments &a) { Gamma(image, a[0]); },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
