#pragma once

#include "engine/effects/effect_table.h"
#include "engine/image.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <string_view>
#include <vector>

// Pictures and plain reference helpers for the effect tests. The references are written from
// the effects' definitions, one pixel at a time, without the shortcuts of the real code.

namespace lumaskin::test {

// Applies an effect the way every caller does, through the effect table (which clamps and
// rounds the arguments).
template <typename... Values>
void ApplyEffect(Image &image, std::string_view name, Values... values)
{
    const EffectDescriptor *effect = FindEffect(name);
    ASSERT_NE(effect, nullptr) << name;
    const std::vector<double> arguments = {static_cast<double>(values)...};
    effect->Apply(image, arguments);
}

// Random colours and random alpha from a fixed seed.
inline Image RandomImage(int width, int height, std::uint32_t seed = 1)
{
    Image image(width, height);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            for (int k = 0; k < 4; ++k)
                image.Pixel(x, y)[k] = static_cast<std::uint8_t>(random() & 0xFF);
    return image;
}

// A smooth picture with a little noise, like a photo: filters that look for edges or specks
// behave differently on it than on pure noise.
inline Image PhotoLikeImage(int width, int height, std::uint32_t seed = 2)
{
    Image image(width, height);
    std::mt19937 random(seed);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = image.Pixel(x, y);
            const int noise = static_cast<int>(random() % 9) - 4;
            p[0] = static_cast<std::uint8_t>(std::clamp(x * 255 / width + noise, 0, 255));
            p[1] = static_cast<std::uint8_t>(std::clamp(y * 255 / height + noise, 0, 255));
            p[2] = static_cast<std::uint8_t>(std::clamp(128 + (x - y) + noise, 0, 255));
            p[3] = static_cast<std::uint8_t>(200 + random() % 56);
        }
    return image;
}

// The pixel at (x, y) with coordinates clamped into the picture: the effects' edge rule.
inline const std::uint8_t *ClampedPixel(const Image &image, int x, int y)
{
    return image.Pixel(std::clamp(x, 0, image.Width() - 1), std::clamp(y, 0, image.Height() - 1));
}

// Rec. 601 luma, rounded half up, in whole per-mille weights.
inline int ReferenceLuma(const std::uint8_t *p)
{
    return (299 * p[0] + 587 * p[1] + 114 * p[2] + 500) / 1000;
}

inline std::uint8_t ClampToByte(double value)
{
    return static_cast<std::uint8_t>(std::clamp(value, 0.0, 255.0));
}

// A copy of `image` with `f(x, y, pixel)` applied to every pixel of the copy.
inline Image MapPixels(const Image &image,
                       const std::function<void(int x, int y, std::uint8_t *pixel)> &f)
{
    Image out = image.Clone();
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x)
            f(x, y, out.Pixel(x, y));
    return out;
}

// Every byte of `actual` within `tolerance` of `expected`; reports the first difference.
inline ::testing::AssertionResult ImagesNear(const Image &actual, const Image &expected,
                                             int tolerance)
{
    if (actual.Width() != expected.Width() || actual.Height() != expected.Height())
        return ::testing::AssertionFailure() << "sizes differ";
    int worst = 0;
    std::string first;
    for (int y = 0; y < actual.Height(); ++y)
        for (int x = 0; x < actual.Width(); ++x)
            for (int k = 0; k < 4; ++k) {
                const int difference = std::abs(actual.Pixel(x, y)[k] - expected.Pixel(x, y)[k]);
                if (difference > tolerance && first.empty())
                    first = "pixel (" + std::to_string(x) + ", " + std::to_string(y) + ") byte " +
                            std::to_string(k) + ": " + std::to_string(actual.Pixel(x, y)[k]) +
                            " instead of " + std::to_string(expected.Pixel(x, y)[k]);
                worst = std::max(worst, difference);
            }
    if (!first.empty())
        return ::testing::AssertionFailure() << first << " (largest difference " << worst << ")";
    return ::testing::AssertionSuccess();
}

// True when every alpha byte of the two pictures agrees.
inline bool SameAlpha(const Image &a, const Image &b)
{
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (a.Pixel(x, y)[3] != b.Pixel(x, y)[3])
                return false;
    return true;
}

} // namespace lumaskin::test
