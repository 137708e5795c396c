// Mosaic: square blocks filled with their average colour.
//
// Arguments: mode, 0 normal or 1 soft; size, 1..256, the side of a block in pixels. Blocks start
// at the top-left corner; those along the right and bottom edges are cut short by the picture.
// Normal: every pixel of a block takes the block's average colour (each channel's mean, rounded).
// Soft: the block averages are placed at the blocks' centres ((bx + 0.5) size - 0.5 in pixel
// positions) and every pixel takes the bilinear blend of the four nearest centres, so the blocks
// run smoothly into each other; beyond the outermost centres the nearest centre's colour is held.
// Results are rounded. Size 1 leaves the picture alone in either mode (neutral).
// Edges: blocks end at the borders; nothing is read beyond them.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/parallel.h"

#include <QtGlobal>
#include <cmath>
#include <vector>

namespace lumaskin {

namespace {

enum class MosaicMode
{
    Normal,
    Soft,
};

constexpr EffectArgument kArguments[] = {
    {"mode", ArgumentKind::Int, 0, 1, 0, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "0 normal: flat blocks; 1 soft: blocks blend into each other")},
    {"size", ArgumentKind::Int, 1, 256, 1, 1,
     QT_TRANSLATE_NOOP("Effects", "side of a block in pixels")},
};
constexpr const EffectArgument &kSize = kArguments[1];

struct Blocks
{
    int columns = 0;
    int rows = 0;
    std::vector<float> average; // rows x columns x 3, each a rounded channel mean
    const float *At(int bx, int by) const
    {
        return &average[3 *
                        (static_cast<std::size_t>(by) * std::size_t(columns) + std::size_t(bx))];
    }
};

Blocks BlockAverages(const Image &image, int size)
{
    Blocks blocks;
    const int width = image.Width();
    const int height = image.Height();
    blocks.columns = (width + size - 1) / size;
    blocks.rows = (height + size - 1) / size;
    blocks.average.resize(3 * static_cast<std::size_t>(blocks.columns) * std::size_t(blocks.rows));
    ParallelFor(blocks.rows, [&](int begin, int end) {
        std::vector<std::uint64_t> sums(3 * static_cast<std::size_t>(blocks.columns));
        for (int by = begin; by < end; ++by) {
            std::fill(sums.begin(), sums.end(), 0);
            const int top = by * size;
            const int bottom = std::min(height, top + size);
            for (int y = top; y < bottom; ++y) {
                const std::uint8_t *row = image.Row(y);
                for (int bx = 0; bx < blocks.columns; ++bx) {
                    std::uint64_t *sum = &sums[3 * std::size_t(bx)];
                    const int last = std::min(width, (bx + 1) * size);
                    for (int x = bx * size; x < last; ++x)
                        for (int k = 0; k < 3; ++k)
                            sum[k] += row[4 * x + k];
                }
            }
            for (int bx = 0; bx < blocks.columns; ++bx) {
                const int blockWidth = std::min(width, (bx + 1) * size) - bx * size;
                const std::uint64_t count = std::uint64_t(blockWidth) * std::uint64_t(bottom - top);
                for (int k = 0; k < 3; ++k)
                    blocks.average[3 * (std::size_t(by) * std::size_t(blocks.columns) +
                                        std::size_t(bx)) +
                                   std::size_t(k)] =
                        static_cast<float>(
                            (sums[3 * std::size_t(bx) + std::size_t(k)] + count / 2) / count);
            }
        }
    });
    return blocks;
}

// Where a pixel lies between block centres along one axis: the two blocks and the weight of
// the second.
struct Between
{
    int first, second;
    float weight;
};

Between BetweenCentres(int pixel, int size, int blocks)
{
    const double position = (pixel + 0.5) / size - 0.5;
    const double floorPosition = std::floor(position);
    const int first = static_cast<int>(floorPosition);
    const float weight = static_cast<float>(position - floorPosition);
    return {std::clamp(first, 0, blocks - 1), std::clamp(first + 1, 0, blocks - 1), weight};
}

void Mosaic(Image &image, MosaicMode mode, int size)
{
    size = kSize.Clamp(size);
    if (image.IsNull() || size == 1)
        return;
    const Blocks blocks = BlockAverages(image, size);
    const int width = image.Width();
    if (mode != MosaicMode::Soft) {
        effects::ForEachRow(image, [&](int y, std::uint8_t *row) {
            for (int bx = 0; bx < blocks.columns; ++bx) {
                const float *average = blocks.At(bx, y / size);
                const std::uint8_t colour[3] = {static_cast<std::uint8_t>(average[0]),
                                                static_cast<std::uint8_t>(average[1]),
                                                static_cast<std::uint8_t>(average[2])};
                const int last = std::min(width, (bx + 1) * size);
                for (int x = bx * size; x < last; ++x)
                    for (int k = 0; k < 3; ++k)
                        row[4 * x + k] = colour[k];
            }
        });
        return;
    }
    std::vector<Between> across(static_cast<std::size_t>(width));
    for (int x = 0; x < width; ++x)
        across[std::size_t(x)] = BetweenCentres(x, size, blocks.columns);
    ParallelFor(image.Height(), [&](int begin, int end) {
        // Per row, the block averages blended down first; then each pixel only blends across.
        std::vector<float> blended(3 * static_cast<std::size_t>(blocks.columns));
        for (int y = begin; y < end; ++y) {
            const Between down = BetweenCentres(y, size, blocks.rows);
            for (int bx = 0; bx < blocks.columns; ++bx) {
                const float *top = blocks.At(bx, down.first);
                const float *bottom = blocks.At(bx, down.second);
                for (int k = 0; k < 3; ++k)
                    blended[3 * std::size_t(bx) + std::size_t(k)] =
                        top[k] + (bottom[k] - top[k]) * down.weight;
            }
            std::uint8_t *row = image.Row(y);
            for (int x = 0; x < width; ++x) {
                const Between &a = across[std::size_t(x)];
                const float *left = &blended[3 * std::size_t(a.first)];
                const float *right = &blended[3 * std::size_t(a.second)];
                for (int k = 0; k < 3; ++k)
                    row[4 * x + k] =
                        static_cast<std::uint8_t>(left[k] + (right[k] - left[k]) * a.weight + 0.5f);
            }
        }
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kMosaic = {
    .operation = "Mosaic",
    .command = "mosaic",
    .dispatchId = DispatchId::Mosaic,
    .meaning = QT_TRANSLATE_NOOP("Effects", "square blocks of their average colour"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            Mosaic(image, static_cast<MosaicMode>(AsInt(a[0])), AsInt(a[1]));
        },
};

} // namespace effects

} // namespace lumaskin
