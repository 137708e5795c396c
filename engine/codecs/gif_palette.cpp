#include "engine/codecs/gif_palette.h"

#include <algorithm>
#include <array>
#include <unordered_map>

namespace lumaskin {

namespace {

constexpr std::uint8_t kOpaqueFrom = 128;

std::uint32_t Rgb(const std::uint8_t *pixel)
{
    return std::uint32_t{pixel[0]} << 16 | std::uint32_t{pixel[1]} << 8 | pixel[2];
}

bool HasTransparency(const Image &image)
{
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t *row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            if (row[4 * x + 3] < kOpaqueFrom)
                return true;
    }
    return false;
}

// The nearest palette colour of any colour, remembered per 5-bit-per-channel cell: error
// diffusion makes up for the small inexactness of sharing one answer within a cell.
class NearestColour
{
public:
    explicit NearestColour(const std::vector<std::uint32_t> &palette) : m_palette(palette)
    {
        m_cache.fill(-1);
    }

    int operator()(int red, int green, int blue)
    {
        std::int16_t &cached =
            m_cache[static_cast<std::size_t>((red >> 3) << 10 | (green >> 3) << 5 | (blue >> 3))];
        if (cached >= 0)
            return cached;
        int best = 0;
        int bestDistance = 1 << 30;
        for (std::size_t i = 0; i < m_palette.size(); ++i) {
            const int dr = red - static_cast<int>(m_palette[i] >> 16 & 0xFF);
            const int dg = green - static_cast<int>(m_palette[i] >> 8 & 0xFF);
            const int db = blue - static_cast<int>(m_palette[i] & 0xFF);
            // Weighted as the eye weighs the channels.
            const int distance = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
            if (distance < bestDistance) {
                bestDistance = distance;
                best = static_cast<int>(i);
            }
        }
        cached = static_cast<std::int16_t>(best);
        return best;
    }

private:
    const std::vector<std::uint32_t> &m_palette;
    std::array<std::int16_t, 1 << 15> m_cache;
};

} // namespace

std::optional<PalettedPicture> ExactPalette(const Image &image)
{
    PalettedPicture result;
    result.indexes.resize(static_cast<std::size_t>(image.Width()) * image.Height());
    std::unordered_map<std::uint32_t, std::uint8_t> indexOf;
    std::size_t at = 0;
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t *row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x, ++at) {
            const std::uint8_t *pixel = row + 4 * x;
            // Transparent pixels share one key outside the colour range.
            const std::uint32_t key = pixel[3] < kOpaqueFrom ? 0x1000000 : Rgb(pixel);
            auto found = indexOf.find(key);
            if (found == indexOf.end()) {
                if (indexOf.size() == 256)
                    return std::nullopt;
                const auto index = static_cast<std::uint8_t>(result.colours.size());
                if (key == 0x1000000) {
                    result.transparentIndex = index;
                    result.colours.push_back(0);
                } else {
                    result.colours.push_back(key);
                }
                found = indexOf.emplace(key, index).first;
            }
            result.indexes[at] = found->second;
        }
    }
    return result;
}

PalettedPicture DitherToPalette(const Image &image, std::vector<std::uint32_t> palette)
{
    PalettedPicture result;
    const bool transparent = HasTransparency(image);
    palette.resize(std::min<std::size_t>(palette.size(), transparent ? 255 : 256));
    if (palette.empty())
        palette.push_back(0);
    result.colours = palette;
    if (transparent) {
        result.transparentIndex = static_cast<int>(result.colours.size());
        result.colours.push_back(0);
    }
    const int width = image.Width();
    result.indexes.resize(static_cast<std::size_t>(width) * image.Height());
    NearestColour nearest(palette);
    // Errors carried to this row and the next, three channels a pixel, one pixel of margin on
    // each side.
    std::vector<float> current(3 * static_cast<std::size_t>(width + 2), 0.0f);
    std::vector<float> next(current.size(), 0.0f);
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint8_t *row = image.Row(y);
        std::fill(next.begin(), next.end(), 0.0f);
        // Serpentine: every other row runs right to left, which avoids drifting patterns.
        const bool leftward = y % 2 == 1;
        const int step = leftward ? -1 : 1;
        for (int i = 0; i < width; ++i) {
            const int x = leftward ? width - 1 - i : i;
            const std::uint8_t *pixel = row + 4 * x;
            std::uint8_t &index = result.indexes[static_cast<std::size_t>(y) * width + x];
            if (pixel[3] < kOpaqueFrom) {
                index = static_cast<std::uint8_t>(result.transparentIndex);
                continue;
            }
            float *error = &current[3 * static_cast<std::size_t>(x + 1)];
            int wanted[3];
            for (int c = 0; c < 3; ++c)
                wanted[c] = std::clamp(static_cast<int>(pixel[c] + error[c] + 0.5f), 0, 255);
            const int chosen = nearest(wanted[0], wanted[1], wanted[2]);
            index = static_cast<std::uint8_t>(chosen);
            const std::uint32_t colour = palette[static_cast<std::size_t>(chosen)];
            const int got[3] = {static_cast<int>(colour >> 16 & 0xFF),
                                static_cast<int>(colour >> 8 & 0xFF),
                                static_cast<int>(colour & 0xFF)};
            for (int c = 0; c < 3; ++c) {
                const float e = static_cast<float>(wanted[c] - got[c]);
                current[3 * static_cast<std::size_t>(x + 1 + step) + c] += e * 7 / 16;
                next[3 * static_cast<std::size_t>(x + 1 - step) + c] += e * 3 / 16;
                next[3 * static_cast<std::size_t>(x + 1) + c] += e * 5 / 16;
                next[3 * static_cast<std::size_t>(x + 1 + step) + c] += e * 1 / 16;
            }
        }
        current.swap(next);
    }
    return result;
}

} // namespace lumaskin
