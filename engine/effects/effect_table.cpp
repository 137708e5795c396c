#include "engine/effects/effect_table.h"

#include "engine/effects/effect_ranges.h"
#include "engine/effects/effects.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace lumaskin {

namespace {

using Kind = ArgumentKind;
using Args = EffectDescriptor::Arguments;

// An argument whose range and default are those the effect itself clamps to.
constexpr EffectArgument Argument(std::string_view name, Kind kind, const ArgumentRange &range,
                                  std::optional<double> neutral, std::string_view meaning)
{
    return {name, kind, range.minimum, range.maximum, range.defaultValue, neutral, meaning};
}

int AsInt(double value)
{
    return static_cast<int>(value);
}

constexpr EffectArgument kAdjustRGB[] = {
    Argument("red", Kind::Int, ranges::kAdjustRGB, 0, "added to the red channel"),
    Argument("green", Kind::Int, ranges::kAdjustRGB, 0, "added to the green channel"),
    Argument("blue", Kind::Int, ranges::kAdjustRGB, 0, "added to the blue channel"),
};
constexpr EffectArgument kContrast[] = {
    Argument("percent", Kind::Int, ranges::kContrast, 100,
             "distance from mid-grey in percent: 0 gives grey, 200 doubles it"),
};
constexpr EffectArgument kGamma[] = {
    Argument("gamma", Kind::Double, ranges::kGamma, 1,
             "above 1 brightens the mid-tones, below 1 darkens"),
};
constexpr EffectArgument kHue[] = {
    Argument("red", Kind::Int, ranges::kHue, 0,
             "red of the colour whose hue angle is the rotation"),
    Argument("green", Kind::Int, ranges::kHue, 0,
             "green of the colour whose hue angle is the rotation"),
    Argument("blue", Kind::Int, ranges::kHue, 0,
             "blue of the colour whose hue angle is the rotation"),
};
constexpr EffectArgument kSaturation[] = {
    Argument("percent", Kind::Int, ranges::kSaturation, 100,
             "distance from grey in percent: 0 gives grey, 200 doubles it"),
};
constexpr EffectArgument kLightness[] = {
    Argument("red", Kind::Int, ranges::kLightness, 100,
             "red in percent: below 100 toward black, above toward white"),
    Argument("green", Kind::Int, ranges::kLightness, 100,
             "green in percent: below 100 toward black, above toward white"),
    Argument("blue", Kind::Int, ranges::kLightness, 100,
             "blue in percent: below 100 toward black, above toward white"),
};
constexpr EffectArgument kAntiNoise[] = {
    Argument("level", Kind::Int, ranges::kAntiNoise, std::nullopt, "number of passes"),
};
constexpr EffectArgument kDiffuse[] = {
    Argument("distance", Kind::Int, ranges::kDiffuse, 0,
             "how far, in pixels, a colour may come from"),
};
constexpr EffectArgument kEmboss[] = {
    Argument("depth", Kind::Int, ranges::kEmbossDepth, std::nullopt, "height of the relief"),
    Argument("direction", Kind::Int, ranges::kEmbossDirection, std::nullopt,
             "where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, "
             "5 South-West, 6 West, 7 North-West"),
};
constexpr EffectArgument kFocalBW[] = {
    Argument("radius1", Kind::Int, ranges::kFocalRadius, std::nullopt,
             "colour is kept within this many pixels of the focus"),
    Argument("radius2", Kind::Int, ranges::kFocalRadius, std::nullopt,
             "grey from this many pixels on; at or below radius1 the edge is hard"),
    Argument("x", Kind::Int, ranges::kFocalPoint, std::nullopt, "column of the focus"),
    Argument("y", Kind::Int, ranges::kFocalPoint, std::nullopt, "row of the focus"),
};
constexpr EffectArgument kMonochrome[] = {
    Argument("threshold", Kind::Int, ranges::kMonochromeThreshold, std::nullopt,
             "luma at or above this takes the first colour, below it the second"),
    Argument("first", Kind::Colour, ranges::kMonochromeFirst, std::nullopt,
             "light colour, 0x00BBGGRR"),
    Argument("second", Kind::Colour, ranges::kMonochromeSecond, std::nullopt,
             "dark colour, 0x00BBGGRR"),
};
constexpr EffectArgument kMosaic[] = {
    Argument("mode", Kind::Int, ranges::kMosaicMode, std::nullopt,
             "0 normal: flat blocks; 1 soft: blocks blend into each other"),
    Argument("size", Kind::Int, ranges::kMosaicSize, 1, "side of a block in pixels"),
};
constexpr EffectArgument kNoise[] = {
    Argument("amount", Kind::Int, ranges::kNoiseAmount, 0, "largest change of a channel"),
    Argument("kind", Kind::Int, ranges::kNoiseKind, std::nullopt,
             "0 grey: the same change for all channels; 1 colour: one change per channel"),
};
constexpr EffectArgument kSharpenEdge[] = {
    Argument("percent", Kind::Int, ranges::kSharpenEdge, 0, "strength of the sharpening"),
};
constexpr EffectArgument kTwirl[] = {
    Argument("angle", Kind::Int, ranges::kTwirl, 0,
             "turn at the centre in degrees, clockwise when positive"),
};
constexpr EffectArgument kMedian[] = {
    Argument("size", Kind::Int, ranges::kMedian, 1,
             "side of the square in pixels (even sizes round up)"),
};

constexpr EffectDescriptor kEffects[] = {
    {"AdjustRGB", "adjustrgb", DispatchId::AdjustRGB, "adds to the red, green and blue channels",
     kAdjustRGB,
     [](Image &image, const Args &a) { AdjustRGB(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2])); }},
    {"Contrast", "contrast", DispatchId::Contrast,
     "spreads the colours away from mid-grey or pulls them to it", kContrast,
     [](Image &image, const Args &a) { Contrast(image, AsInt(a[0])); }},
    {"Gamma", "gamma", DispatchId::Gamma, "gamma correction", kGamma,
     [](Image &image, const Args &a) { Gamma(image, a[0]); }},
    {"Hue", "hue", DispatchId::Hue, "turns every hue by the hue angle of a colour", kHue,
     [](Image &image, const Args &a) { Hue(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2])); }},
    {"Saturation", "saturation", DispatchId::Saturation, "makes colours more vivid or duller",
     kSaturation, [](Image &image, const Args &a) { Saturation(image, AsInt(a[0])); }},
    {"Lightness", "lightness", DispatchId::Lightness,
     "scales each channel toward black or toward white", kLightness,
     [](Image &image, const Args &a) { Lightness(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2])); }},
    {"InvertColor",
     "invertcolor",
     DispatchId::InvertColor,
     "turns the picture into its negative",
     {},
     [](Image &image, const Args &) { InvertColor(image); }},
    {"Desaturate",
     "desaturate",
     DispatchId::Desaturate,
     "grey from the luma of every pixel",
     {},
     [](Image &image, const Args &) { Desaturate(image); }},
    {"Sharpen",
     "sharpen",
     DispatchId::Sharpen,
     "3x3 sharpening",
     {},
     [](Image &image, const Args &) { Sharpen(image); }},
    {"AntiNoise", "antinoise", DispatchId::AntiNoise, "removes isolated specks with a 3x3 median",
     kAntiNoise, [](Image &image, const Args &a) { AntiNoise(image, AsInt(a[0])); }},
    {"Blur",
     "blur",
     DispatchId::Blur,
     "3x3 Gaussian blur",
     {},
     [](Image &image, const Args &) { Blur(image); }},
    {"Diffuse", "diffuse", DispatchId::Diffuse,
     "every pixel takes the colour of a random nearby pixel", kDiffuse,
     [](Image &image, const Args &a) { Diffuse(image, AsInt(a[0])); }},
    {"Emboss", "emboss", DispatchId::Emboss, "grey relief lit from one of eight directions",
     kEmboss,
     [](Image &image, const Args &a) {
         Emboss(image, AsInt(a[0]), static_cast<EmbossDirection>(AsInt(a[1])));
     }},
    {"FocalBW", "focalbw", DispatchId::FocalBW,
     "keeps colour around a point and turns the rest grey", kFocalBW,
     [](Image &image, const Args &a) {
         FocalBW(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2]), AsInt(a[3]));
     }},
    {"Monochrome", "monochrome", DispatchId::Monochrome, "two colours split by a luma threshold",
     kMonochrome,
     [](Image &image, const Args &a) {
         Monochrome(image, AsInt(a[0]), static_cast<std::uint32_t>(a[1]),
                    static_cast<std::uint32_t>(a[2]));
     }},
    {"Mosaic", "mosaic", DispatchId::Mosaic, "square blocks of their average colour", kMosaic,
     [](Image &image, const Args &a) {
         Mosaic(image, static_cast<MosaicMode>(AsInt(a[0])), AsInt(a[1]));
     }},
    {"Noise", "noise", DispatchId::Noise, "adds random noise", kNoise,
     [](Image &image, const Args &a) {
         Noise(image, AsInt(a[0]), static_cast<NoiseKind>(AsInt(a[1])));
     }},
    {"SharpenEdge", "sharpenedge", DispatchId::SharpenEdge, "sharpens along edges only",
     kSharpenEdge, [](Image &image, const Args &a) { SharpenEdge(image, AsInt(a[0])); }},
    {"Twirl", "twirl", DispatchId::Twirl, "swirls the picture around its centre", kTwirl,
     [](Image &image, const Args &a) { Twirl(image, AsInt(a[0])); }},
    {"Median", "median", DispatchId::Median, "square median filter", kMedian,
     [](Image &image, const Args &a) { Median(image, AsInt(a[0])); }},
};

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
    return kEffects;
}

const EffectDescriptor *FindEffect(std::string_view name)
{
    for (const EffectDescriptor &effect : kEffects)
        if (EqualsIgnoringCase(effect.operation, name) || EqualsIgnoringCase(effect.command, name))
            return &effect;
    return nullptr;
}

const EffectDescriptor *FindEffectByDispatchId(DispatchId dispatchId)
{
    for (const EffectDescriptor &effect : kEffects)
        if (effect.dispatchId == dispatchId)
            return &effect;
    return nullptr;
}

} // namespace lumaskin
