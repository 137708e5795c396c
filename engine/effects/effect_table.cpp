#include "engine/effects/effect_table.h"

#include <algorithm>
#include <cmath>

namespace lumaskin {

namespace effects {

// Defined in the effects' own files.
extern const EffectDescriptor kAdjustRGB, kContrast, kGamma, kHue, kSaturation, kLightness,
    kInvertColor, kDesaturate, kSharpen, kAntiNoise, kBlur, kDiffuse, kEmboss, kFocalBW,
    kMonochrome, kMosaic, kNoise, kSharpenEdge, kTwirl, kMedian;

} // namespace effects

namespace {

bool EqualsIgnoringCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) {
        const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
        return lower(x) == lower(y);
    });
}

} // namespace

EffectDescriptor::Arguments EffectDescriptor::ClampArguments(std::span<const double> given) const
{
    Arguments out{};
    for (std::size_t i = 0; i < arguments.size() && i < kMaxArguments; ++i) {
        const EffectArgument &argument = arguments[i];
        double value = i < given.size() ? given[i] : argument.defaultValue;
        if (std::isnan(value))
            value = argument.defaultValue;
        value = std::clamp(value, argument.minimum, argument.maximum);
        if (argument.kind != ArgumentKind::Double)
            value = std::round(value);
        out[i] = value;
    }
    return out;
}

void EffectDescriptor::Apply(Image &image, std::span<const double> given) const
{
    if (image.IsNull())
        return;
    run(image, ClampArguments(given));
}

int EffectDescriptor::RowReach(std::span<const double> given) const
{
    if (pointwise)
        return 0;
    return rowReach ? rowReach(ClampArguments(given)) : -1;
}

bool EffectDescriptor::IsNeutral(std::span<const double> given) const
{
    const Arguments values = ClampArguments(given);
    bool anyNeutral = false;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        if (!arguments[i].neutral)
            continue;
        anyNeutral = true;
        if (values[i] != *arguments[i].neutral)
            return false;
    }
    return anyNeutral;
}

std::span<const EffectDescriptor> Effects()
{
    // Copied on first use, when every effect's file has its descriptor in place.
    static const std::array kEffects = {
        effects::kAdjustRGB,  effects::kContrast,    effects::kGamma,       effects::kHue,
        effects::kSaturation, effects::kLightness,   effects::kInvertColor, effects::kDesaturate,
        effects::kSharpen,    effects::kAntiNoise,   effects::kBlur,        effects::kDiffuse,
        effects::kEmboss,     effects::kFocalBW,     effects::kMonochrome,  effects::kMosaic,
        effects::kNoise,      effects::kSharpenEdge, effects::kTwirl,       effects::kMedian,
    };
    return kEffects;
}

const EffectDescriptor *FindEffect(std::string_view name)
{
    for (const EffectDescriptor &effect : Effects())
        if (EqualsIgnoringCase(effect.operation, name) || EqualsIgnoringCase(effect.command, name))
            return &effect;
    return nullptr;
}

const EffectDescriptor *FindEffectByDispatchId(DispatchId dispatchId)
{
    for (const EffectDescriptor &effect : Effects())
        if (effect.dispatchId == dispatchId)
            return &effect;
    return nullptr;
}

} // namespace lumaskin
