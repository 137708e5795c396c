// Sharpen: 3x3 sharpening.
//
// Arguments: none. Each colour channel becomes 5 v - (north + south + east + west), clamped to
// 0..255: the pixel minus the Laplacian of its four neighbours. A flat picture stays as it is.
// Edges: pixels beyond the borders repeat the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>

namespace lumaskin {

namespace {

void SharpenRow(const std::uint8_t *LUMASKIN_RESTRICT a, const std::uint8_t *LUMASKIN_RESTRICT b,
                const std::uint8_t *LUMASKIN_RESTRICT c, int width,
                std::uint8_t *LUMASKIN_RESTRICT out)
{
    const int bytes = 4 * width;
    for (int i = 0; i < bytes; ++i) {
        const int v = 5 * b[i] - a[i] - c[i] - b[i - 4] - b[i + 4];
        out[i] = static_cast<std::uint8_t>(std::clamp(v, 0, 255));
    }
    // The alpha bytes went through the kernel too; put the originals back.
    for (int x = 0; x < width; ++x)
        out[4 * x + 3] = b[4 * x + 3];
}

void Sharpen(Image &image)
{
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [width](effects::RowWindow &window) {
        for (; !window.Done(); window.Next())
            SharpenRow(window.Row(-1), window.Row(0), window.Row(1), width, window.Out());
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kSharpen = {
    .operation = "Sharpen",
    .command = "sharpen",
    .dispatchId = DispatchId::Sharpen,
    .meaning = QT_TRANSLATE_NOOP("Effects", "3x3 sharpening"),
    .run = [](Image &image, const EffectDescriptor::Arguments &) { Sharpen(image); },
    .rowReach = [](const EffectDescriptor::Arguments &) { return 1; },
};

} // namespace effects

} // namespace lumaskin
