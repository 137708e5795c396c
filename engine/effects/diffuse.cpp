// Diffuse: every pixel takes the colour of a pseudo-random pixel nearby, for a frosted-glass
// look.
//
// Argument: distance, 0..100 pixels: the pixel whose colour is taken lies at most this far away
// across and at most this far up or down, every offset in that square equally likely. 0 leaves
// the picture alone (neutral).
// The offsets come from a hash of the picture's size, the distance and the pixel's position, so
// the same picture always diffuses the same way.
// Edges: positions beyond the borders take the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/random_hash.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>
#include <algorithm>
#include <array>
#include <cstring>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"distance", ArgumentKind::Int, 0, 100, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "how far, in pixels, a colour may come from")},
};
constexpr const EffectArgument &kDistance = kArguments[0];

void Diffuse(Image &image, int distance)
{
    distance = kDistance.Clamp(distance);
    if (image.IsNull() || distance == 0)
        return;
    const std::uint64_t seed = effects::RandomSeed(126, image.Width(), image.Height(), distance);
    const int width = image.Width();
    effects::ForEachRowWindow(image, distance, [=](effects::RowWindow &window) {
        std::array<const std::uint8_t *, 2 * 100 + 1> rows{};
        for (; !window.Done(); window.Next()) {
            const int y = window.Y();
            for (int dy = -distance; dy <= distance; ++dy)
                rows[std::size_t(dy + distance)] = window.Row(dy);
            std::uint8_t *out = window.Out();
            for (int x = 0; x < width; ++x) {
                const std::uint64_t bits = effects::PixelRandom(seed, x, y);
                const int dx = effects::Spread(bits, distance);
                const int dy = effects::Spread(bits >> 16, distance);
                std::memcpy(out + 4 * x, rows[std::size_t(dy + distance)] + 4 * (x + dx), 3);
            }
        }
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kDiffuse = {
    .operation = "Diffuse",
    .command = "diffuse",
    .dispatchId = DispatchId::Diffuse,
    .meaning =
        QT_TRANSLATE_NOOP("Effects", "every pixel takes the colour of a random nearby pixel"),
    .arguments = kArguments,
    .run = [](Image &image, const EffectDescriptor::Arguments &a) { Diffuse(image, AsInt(a[0])); },
};

} // namespace effects

} // namespace lumaskin
