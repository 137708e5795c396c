#pragma once

#include "engine/dispatch_id.h"
#include "engine/image.h"

#include <algorithm>
#include <array>
#include <optional>
#include <span>
#include <string_view>

// Every effect in one table: the viewer (its effect windows and its automation surface), the
// command-line tool's options and help, and the user documentation are all built from it, so an
// effect and its arguments are described in exactly one place. Each effect's file defines its
// descriptor: what the effect does, its arguments with their ranges, defaults and meanings, and
// the work; effect_table.cpp lists them in the order users see them. Common rules of the effects:
// - only colour changes: the alpha byte of every pixel is left as it is, and effects that look at
//   neighbours look at their colours only;
// - every argument is clamped to its range, so no value hangs or crashes; a null picture is left
//   alone;
// - pixels beyond the borders repeat the nearest edge pixel;
// - the work is split over rows between threads and the result never depends on the split; the
//   random effects (Noise, Diffuse) draw from a hash of the picture size, the arguments and the
//   pixel position, so the same input always gives the same output.

namespace lumaskin {

enum class ArgumentKind
{
    Int,    // a whole number; fractions are rounded to the nearest
    Double, // a real number
    Colour, // 0x00BBGGRR, as a whole number 0..0xFFFFFF
};

struct EffectArgument
{
    std::string_view name;
    ArgumentKind kind;
    double minimum;
    double maximum;
    // Used when the argument is missing or not a number: the neutral value where there is one,
    // otherwise a moderate value.
    double defaultValue;
    // The value that leaves the picture alone when every argument that has one is at it; empty
    // when no value of this argument does (then the other arguments decide).
    std::optional<double> neutral;
    std::string_view meaning;

    constexpr int Clamp(int value) const
    {
        return std::clamp(value, static_cast<int>(minimum), static_cast<int>(maximum));
    }
    constexpr double Clamp(double value) const { return std::clamp(value, minimum, maximum); }
};

struct EffectDescriptor
{
    static constexpr std::size_t kMaxArguments = 4;
    using Arguments = std::array<double, kMaxArguments>;

    std::string_view operation; // "AdjustRGB"
    std::string_view command;   // "adjustrgb"
    // Its identifier on the viewer's automation surface; effects added since need none.
    std::optional<DispatchId> dispatchId{};
    std::string_view meaning; // one line
    std::span<const EffectArgument> arguments{};
    // Receives exactly `arguments.size()` values, already clamped and rounded.
    void (*run)(Image &image, const Arguments &arguments);
    // Each pixel's new colour follows from its old colour alone, not from its place or its
    // neighbours, so the effect means the same at any scale.
    bool pointwise = false;
    // For an effect whose new pixels follow from the pixels of the rows up to this many above
    // and below, and from nothing else of the picture (not its size, not their place): that
    // many rows, given the clamped arguments. So it may work on a band of rows at a time, each
    // band read with this many more rows above and below than it keeps. Null for the others;
    // pointwise effects reach no other row.
    int (*rowReach)(const Arguments &arguments) = nullptr;
    // Every pixel it writes is grey (red, green and blue alike), whatever the arguments.
    bool writesGrey = false;
    // A pixel that is grey already comes out as it was, whatever the arguments.
    bool keepsGreyPixels = false;

    // The values `Apply` would use: missing or non-numeric ones take their default, extra ones
    // are ignored, each is clamped to its range, whole-number kinds are rounded.
    Arguments ClampArguments(std::span<const double> given) const;
    // Clamps the arguments and applies the effect to the picture in place.
    void Apply(Image &image, std::span<const double> given) const;
    // True when these arguments (after clamping) leave every picture unchanged.
    bool IsNeutral(std::span<const double> given) const;
    // The rows above and below that the effect reads with these arguments (see rowReach); -1
    // when it needs the whole picture.
    int RowReach(std::span<const double> given) const;
};

// Every effect, in the order the viewer's users see them.
std::span<const EffectDescriptor> Effects();

// Looks an effect up by operation or command name, ignoring case; null when unknown.
const EffectDescriptor *FindEffect(std::string_view name);
// Looks an effect up by its dispatch identifier; null when unknown.
const EffectDescriptor *FindEffectByDispatchId(DispatchId dispatchId);

namespace effects {

// A whole-number argument as `run` receives it (already rounded), for the effect's own function.
constexpr int AsInt(double value)
{
    return static_cast<int>(value);
}

} // namespace effects

} // namespace lumaskin
