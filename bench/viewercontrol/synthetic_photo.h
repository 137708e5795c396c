#pragma once

#include "viewercontrol/image.h"

#include <cmath>
#include <cstdint>

namespace lumaskin::bench {

// A 12-megapixel picture that behaves like a photo for codecs and filters: smooth gradients,
// a soft wave, one sharp-edged disc and sensor-like grain. Made once per process.
inline const Image &SyntheticPhoto()
{
    static const Image photo = [] {
        constexpr int kWidth = 4000, kHeight = 3000;
        Image image(kWidth, kHeight);
        std::uint32_t state = 12345;
        const auto clamp = [](int c) {
            return static_cast<std::uint8_t>(c < 0 ? 0 : c > 255 ? 255 : c);
        };
        for (int y = 0; y < kHeight; ++y) {
            std::uint8_t *row = image.row(y);
            for (int x = 0; x < kWidth; ++x) {
                state = state * 1664525u + 1013904223u;
                const int grain = static_cast<int>(state >> 28) - 8;
                const double u = double(x) / kWidth, v = double(y) / kHeight;
                const double wave = 40 * std::sin(9 * u + 4 * v) * std::cos(7 * v);
                const bool disc = (x - 2600) * (x - 2600) + (y - 1200) * (y - 1200) < 600 * 600;
                row[4 * x] = clamp(int(60 + 150 * u + wave) + grain + (disc ? 60 : 0));
                row[4 * x + 1] = clamp(int(40 + 170 * v - wave) + grain);
                row[4 * x + 2] = clamp(int(200 - 120 * u * v + wave) + grain - (disc ? 80 : 0));
                row[4 * x + 3] = 255;
            }
        }
        return image;
    }();
    return photo;
}

} // namespace lumaskin::bench
