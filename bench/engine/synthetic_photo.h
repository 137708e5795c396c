#pragma once

#include "engine/image.h"

#include <cmath>
#include <cstdint>

namespace lumaskin::bench {

// A picture that behaves like a photo for codecs and filters: smooth gradients, a soft wave,
// one sharp-edged disc and sensor-like grain.
inline Image PhotoLike(int width, int height)
{
    Image image(width, height);
    std::uint32_t state = 12345;
    const auto clamp = [](int c) {
        return static_cast<std::uint8_t>(c < 0 ? 0 : c > 255 ? 255 : c);
    };
    const int discX = width * 13 / 20, discY = height * 2 / 5, radius = height / 5;
    for (int y = 0; y < height; ++y) {
        std::uint8_t *row = image.Row(y);
        for (int x = 0; x < width; ++x) {
            state = state * 1664525u + 1013904223u;
            const int grain = static_cast<int>(state >> 28) - 8;
            const double u = double(x) / width, v = double(y) / height;
            const double wave = 40 * std::sin(9 * u + 4 * v) * std::cos(7 * v);
            const bool disc =
                (x - discX) * (x - discX) + (y - discY) * (y - discY) < radius * radius;
            row[4 * x] = clamp(int(60 + 150 * u + wave) + grain + (disc ? 60 : 0));
            row[4 * x + 1] = clamp(int(40 + 170 * v - wave) + grain);
            row[4 * x + 2] = clamp(int(200 - 120 * u * v + wave) + grain - (disc ? 80 : 0));
            row[4 * x + 3] = 255;
        }
    }
    return image;
}

// A 12-megapixel one, made once per process.
inline const Image &SyntheticPhoto()
{
    static const Image photo = PhotoLike(4000, 3000);
    return photo;
}

} // namespace lumaskin::bench
