#include "engine/effects/pixel_math.h"

namespace lumaskin::effects {

namespace {

void MapRow(std::uint8_t *LUMASKIN_RESTRICT row, int width,
            const std::uint8_t *LUMASKIN_RESTRICT red, const std::uint8_t *LUMASKIN_RESTRICT green,
            const std::uint8_t *LUMASKIN_RESTRICT blue)
{
    // One load and one store per pixel; alpha passes through.
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = LoadPixel(row + 4 * x);
        StorePixel(row + 4 * x, (v & 0xFF000000u) | red[v & 0xFF] |
                                    std::uint32_t(green[(v >> 8) & 0xFF]) << 8 |
                                    std::uint32_t(blue[(v >> 16) & 0xFF]) << 16);
    }
}

} // namespace

LUMASKIN_VECTOR_CLONES void LumaRow(const std::uint8_t *LUMASKIN_RESTRICT pixels, int count,
                                    std::uint8_t *LUMASKIN_RESTRICT luma)
{
    for (int x = 0; x < count; ++x) {
        const std::uint32_t v = LoadPixel(pixels + 4 * x);
        luma[x] = static_cast<std::uint8_t>(Luma(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
    }
}

void ApplyChannelTables(Image &image, const ChannelTable &red, const ChannelTable &green,
                        const ChannelTable &blue)
{
    const int width = image.Width();
    ForEachRow(image, [&](int, std::uint8_t *row) {
        MapRow(row, width, red.data(), green.data(), blue.data());
    });
}

} // namespace lumaskin::effects
