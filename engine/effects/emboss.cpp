// Emboss: a grey relief, as if the picture's brightness were height lit from one side.
//
// Arguments: depth, 1..20, the height of the relief; direction, 0..7, where the light comes
// from: North, North-East, East, South-East, South, South-West, West, North-West (North is the
// top of the picture). There is no neutral value.
// With (dx, dy) the step toward the light (North is (0, -1)) and L the Rec. 601 luma (rounded),
// every pixel becomes the grey 128 + depth * (L(x - dx, y - dy) - L(x + dx, y + dy)) / 2, rounded
// half away from zero and clamped to 0..255: slopes that face the light are bright, slopes that
// face away are dark, flat areas are mid-grey.
// Edges: pixels beyond the borders repeat the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>
#include <vector>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"depth", ArgumentKind::Int, 1, 20, 3, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "height of the relief")},
    {"direction", ArgumentKind::Int, 0, 7, 0, std::nullopt,
     QT_TRANSLATE_NOOP(
         "Effects",
         "where the light comes from: 0 North, 1 North-East, 2 East, 3 South-East, 4 South, "
         "5 South-West, 6 West, 7 North-West")},
};
constexpr const EffectArgument &kDepth = kArguments[0];
constexpr const EffectArgument &kDirection = kArguments[1];

// `away` and `toward` hold the luma of the pixels to read for each output pixel.
void ReliefRow(const std::uint8_t *LUMASKIN_RESTRICT away,
               const std::uint8_t *LUMASKIN_RESTRICT toward, int width, int depth,
               std::uint8_t *LUMASKIN_RESTRICT out)
{
    for (int x = 0; x < width; ++x) {
        const int slope = depth * (away[x] - toward[x]);
        const int half = slope >= 0 ? (slope + 1) / 2 : -((1 - slope) / 2);
        const std::uint32_t grey = effects::ClampByte(128 + half);
        const std::uint32_t v = effects::LoadPixel(out + 4 * x);
        effects::StorePixel(out + 4 * x, (v & 0xFF000000u) | grey * 0x010101u);
    }
}

void Emboss(Image &image, int depth, int direction)
{
    depth = kDepth.Clamp(depth);
    constexpr int kSteps[8][2] = {{0, -1}, {1, -1}, {1, 0},  {1, 1},
                                  {0, 1},  {-1, 1}, {-1, 0}, {-1, -1}};
    const int index = kDirection.Clamp(direction);
    const int dx = kSteps[index][0];
    const int dy = kSteps[index][1];
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [=](effects::RowWindow &window) {
        std::vector<std::uint8_t> away(static_cast<std::size_t>(width));
        std::vector<std::uint8_t> toward(static_cast<std::size_t>(width));
        for (; !window.Done(); window.Next()) {
            // Pixels (x - dx, y - dy) and (x + dx, y + dy) for x = 0 .. width - 1.
            effects::LumaRow(window.Row(-dy) - 4 * dx, width, away.data());
            effects::LumaRow(window.Row(dy) + 4 * dx, width, toward.data());
            ReliefRow(away.data(), toward.data(), width, depth, window.Out());
        }
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kEmboss = {
    .operation = "Emboss",
    .command = "emboss",
    .dispatchId = DispatchId::Emboss,
    .meaning = QT_TRANSLATE_NOOP("Effects", "grey relief lit from one of eight directions"),
    .arguments = kArguments,
    .run = [](Image &image,
              const EffectDescriptor::Arguments &a) { Emboss(image, AsInt(a[0]), AsInt(a[1])); },
    .rowReach = [](const EffectDescriptor::Arguments &) { return 1; },
};

} // namespace effects

} // namespace lumaskin
