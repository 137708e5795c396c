// Noise: adds random noise.
//
// Arguments: amount 0..255, the largest change of a channel; kind 0 grey (one random value added
// to all three channels of a pixel) or 1 colour (one random value per channel). Each value is
// drawn evenly from -amount..amount and the sums are clamped to 0..255. Amount 0 leaves the
// picture alone (neutral).
// The random values come from a hash of the picture's size, the arguments and the pixel's
// position, so the same picture always gets the same noise.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/random_hash.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

enum class NoiseKind
{
    Grey,
    Colour,
};

constexpr EffectArgument kArguments[] = {
    {"amount", ArgumentKind::Int, 0, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "largest change of a channel")},
    {"kind", ArgumentKind::Int, 0, 1, 0, std::nullopt,
     QT_TRANSLATE_NOOP(
         "Effects", "0 grey: the same change for all channels; 1 colour: one change per channel")},
};
constexpr const EffectArgument &kAmount = kArguments[0];

void NoiseRow(std::uint8_t *LUMASKIN_RESTRICT row, int width, int y, std::uint64_t seed, int amount,
              bool colour)
{
    for (int x = 0; x < width; ++x) {
        std::uint8_t *p = row + 4 * x;
        const std::uint64_t bits = effects::PixelRandom(seed, x, y);
        const int red = effects::Spread(bits, amount);
        const int green = colour ? effects::Spread(bits >> 16, amount) : red;
        const int blue = colour ? effects::Spread(bits >> 32, amount) : red;
        p[0] = effects::ClampByte(p[0] + red);
        p[1] = effects::ClampByte(p[1] + green);
        p[2] = effects::ClampByte(p[2] + blue);
    }
}

void Noise(Image &image, int amount, NoiseKind kind)
{
    amount = kAmount.Clamp(amount);
    if (image.IsNull() || amount == 0)
        return;
    const bool colour = kind == NoiseKind::Colour;
    const std::uint64_t seed =
        effects::RandomSeed(133, image.Width(), image.Height(), amount, colour ? 1 : 0);
    const int width = image.Width();
    effects::ForEachRow(
        image, [=](int y, std::uint8_t *row) { NoiseRow(row, width, y, seed, amount, colour); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kNoise = {
    .operation = "Noise",
    .command = "noise",
    .dispatchId = DispatchId::Noise,
    .meaning = QT_TRANSLATE_NOOP("Effects", "adds random noise"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            Noise(image, AsInt(a[0]), static_cast<NoiseKind>(AsInt(a[1])));
        },
};

} // namespace effects

} // namespace lumaskin
