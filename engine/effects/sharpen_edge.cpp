// SharpenEdge: an unsharp mask applied along edges only, so that flat areas and their noise are
// left alone.
//
// Argument: percent, 0..1000, the strength; 0 leaves the picture alone (neutral).
// For each pixel, B is the 3x3 Gaussian blur of a channel (weights 1 2 1 / 2 4 2 / 1 2 1, over
// 16, not rounded) and g = |Gx| + |Gy| the Sobel gradient of the luma (Rec. 601, rounded). The
// edge weight w rises linearly from 0 at g = 32 to 1 at g = 96. Each colour channel becomes
// v + (v - B) * percent / 100 * w, rounded and clamped to 0..255.
// Edges: pixels beyond the borders repeat the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>
#include <cstdlib>
#include <vector>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"percent", ArgumentKind::Int, 0, 1000, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "strength of the sharpening")},
};
constexpr const EffectArgument &kPercent = kArguments[0];

constexpr int kEdgeStart = 32;
constexpr int kEdgeRamp = 64;

// Per byte, the sharpening factor percent * w * 64 (0 for alpha). The luma rows start at
// pixel -1.
void EdgeWeights(const std::uint8_t *LUMASKIN_RESTRICT la, const std::uint8_t *LUMASKIN_RESTRICT lb,
                 const std::uint8_t *LUMASKIN_RESTRICT lc, int width, int percent,
                 std::int32_t *LUMASKIN_RESTRICT weights)
{
    for (int x = 0; x < width; ++x) {
        const int gx = (la[x + 2] + 2 * lb[x + 2] + lc[x + 2]) - (la[x] + 2 * lb[x] + lc[x]);
        const int gy = (lc[x] + 2 * lc[x + 1] + lc[x + 2]) - (la[x] + 2 * la[x + 1] + la[x + 2]);
        const int weight = std::clamp(std::abs(gx) + std::abs(gy) - kEdgeStart, 0, kEdgeRamp);
        weights[4 * x] = weights[4 * x + 1] = weights[4 * x + 2] = weight * percent;
        weights[4 * x + 3] = 0;
    }
}

void SharpenRow(const std::uint8_t *LUMASKIN_RESTRICT a, const std::uint8_t *LUMASKIN_RESTRICT b,
                const std::uint8_t *LUMASKIN_RESTRICT c,
                const std::int32_t *LUMASKIN_RESTRICT weights, int width,
                std::uint8_t *LUMASKIN_RESTRICT out)
{
    // v + (16 v - S) / 16 * percent / 100 * weight / 64, with S the weighted 3x3 sum.
    constexpr float kScale = 1.0f / (16 * 100 * kEdgeRamp);
    const int bytes = 4 * width;
    for (int i = 0; i < bytes; ++i) {
        const int sum = a[i - 4] + 2 * a[i] + a[i + 4] + 2 * b[i - 4] + 4 * b[i] + 2 * b[i + 4] +
                        c[i - 4] + 2 * c[i] + c[i + 4];
        const float change = static_cast<float>((16 * b[i] - sum) * weights[i]) * kScale;
        out[i] = static_cast<std::uint8_t>(std::clamp(b[i] + change + 0.5f, 0.0f, 255.0f));
    }
}

void SharpenEdge(Image &image, int percent)
{
    percent = kPercent.Clamp(percent);
    if (image.IsNull() || percent == 0)
        return;
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [=](effects::RowWindow &window) {
        const std::size_t lumaSize = static_cast<std::size_t>(width) + 2;
        std::vector<std::uint8_t> lumas(3 * lumaSize);
        std::vector<std::int32_t> weights(4 * static_cast<std::size_t>(width));
        for (; !window.Done(); window.Next()) {
            const std::uint8_t *a = window.Row(-1);
            const std::uint8_t *b = window.Row(0);
            const std::uint8_t *c = window.Row(1);
            effects::LumaRow(a - 4, width + 2, lumas.data());
            effects::LumaRow(b - 4, width + 2, lumas.data() + lumaSize);
            effects::LumaRow(c - 4, width + 2, lumas.data() + 2 * lumaSize);
            EdgeWeights(lumas.data(), lumas.data() + lumaSize, lumas.data() + 2 * lumaSize, width,
                        percent, weights.data());
            SharpenRow(a, b, c, weights.data(), width, window.Out());
        }
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kSharpenEdge = {
    .operation = "SharpenEdge",
    .command = "sharpenedge",
    .dispatchId = DispatchId::SharpenEdge,
    .meaning = QT_TRANSLATE_NOOP("Effects", "sharpens along edges only"),
    .arguments = kArguments,
    .run = [](Image &image,
              const EffectDescriptor::Arguments &a) { SharpenEdge(image, AsInt(a[0])); },
    .rowReach = [](const EffectDescriptor::Arguments &) { return 1; },
};

} // namespace effects

} // namespace lumaskin
