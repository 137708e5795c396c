// Blur: 3x3 Gaussian blur.
//
// Arguments: none. Each colour channel becomes the weighted mean of its 3x3 neighbourhood with
// weights 1 2 1 / 2 4 2 / 1 2 1 (sum 16), rounded. A flat picture stays as it is.
// Edges: pixels beyond the borders repeat the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/effects/row_window.h"

#include <QtGlobal>
#include <vector>

namespace lumaskin {

namespace {

// Separable: the vertical 1 2 1 sums of a row (pixel -1 to width) in 16 bits, then the
// horizontal 1 2 1 over them.
LUMASKIN_VECTOR_CLONES void BlurRow(const std::uint8_t *LUMASKIN_RESTRICT a,
                                    const std::uint8_t *LUMASKIN_RESTRICT b,
                                    const std::uint8_t *LUMASKIN_RESTRICT c, int width,
                                    std::uint16_t *LUMASKIN_RESTRICT sum,
                                    std::uint8_t *LUMASKIN_RESTRICT out)
{
    const int bytes = 4 * (width + 2);
    for (int i = 0; i < bytes; ++i)
        sum[i] = static_cast<std::uint16_t>(a[i - 4] + 2 * b[i - 4] + c[i - 4]);
    const int outBytes = 4 * width;
    for (int i = 0; i < outBytes; ++i)
        out[i] = static_cast<std::uint8_t>((sum[i] + 2 * sum[i + 4] + sum[i + 8] + 8) >> 4);
    // The alpha bytes were blurred along with the colours; put the originals back.
    for (int x = 0; x < width; ++x)
        out[4 * x + 3] = b[4 * x + 3];
}

void Blur(Image &image)
{
    const int width = image.Width();
    effects::ForEachRowWindow(image, 1, [width](effects::RowWindow &window) {
        std::vector<std::uint16_t> sums(4 * static_cast<std::size_t>(width + 2));
        for (; !window.Done(); window.Next())
            BlurRow(window.Row(-1), window.Row(0), window.Row(1), width, sums.data(), window.Out());
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kBlur = {
    .operation = "Blur",
    .command = "blur",
    .dispatchId = DispatchId::Blur,
    .meaning = QT_TRANSLATE_NOOP("Effects", "3x3 Gaussian blur"),
    .run = [](Image &image, const EffectDescriptor::Arguments &) { Blur(image); },
    .rowReach = [](const EffectDescriptor::Arguments &) { return 1; },
};

} // namespace effects

} // namespace lumaskin
