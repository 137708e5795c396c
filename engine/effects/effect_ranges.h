#pragma once

#include <algorithm>

// The range and default of every effect argument, in one place: each effect clamps its arguments
// to these, and the effect table (and through it the automation surface, the command line and
// its help) describes them from these.

namespace lumaskin {

struct ArgumentRange
{
    double minimum;
    double maximum;
    // Used when an argument is missing: the neutral value where there is one, otherwise a
    // moderate value.
    double defaultValue;

    constexpr int Clamp(int value) const
    {
        return std::clamp(value, static_cast<int>(minimum), static_cast<int>(maximum));
    }
    constexpr double Clamp(double value) const { return std::clamp(value, minimum, maximum); }
};

namespace ranges {

// Far enough outside any picture (sides are at most 2^20) that the focus may sit anywhere.
inline constexpr double kFar = 1 << 22;

inline constexpr ArgumentRange kAdjustRGB{-255, 255, 0};
inline constexpr ArgumentRange kContrast{0, 1000, 100};
inline constexpr ArgumentRange kGamma{0.01, 10, 1};
inline constexpr ArgumentRange kHue{0, 255, 0};
inline constexpr ArgumentRange kSaturation{0, 1000, 100};
inline constexpr ArgumentRange kLightness{0, 200, 100};
inline constexpr ArgumentRange kAntiNoise{1, 5, 3};
inline constexpr ArgumentRange kDiffuse{0, 100, 0};
inline constexpr ArgumentRange kEmbossDepth{1, 20, 3};
inline constexpr ArgumentRange kEmbossDirection{0, 7, 0};
inline constexpr ArgumentRange kFocalRadius{0, kFar, 100};
inline constexpr ArgumentRange kFocalPoint{-kFar, kFar, 200};
inline constexpr ArgumentRange kMonochromeThreshold{0, 255, 128};
inline constexpr ArgumentRange kMonochromeFirst{0, 0xFFFFFF, 0xFFFFFF};
inline constexpr ArgumentRange kMonochromeSecond{0, 0xFFFFFF, 0};
inline constexpr ArgumentRange kMosaicMode{0, 1, 0};
inline constexpr ArgumentRange kMosaicSize{1, 256, 1};
inline constexpr ArgumentRange kNoiseAmount{0, 255, 0};
inline constexpr ArgumentRange kNoiseKind{0, 1, 0};
inline constexpr ArgumentRange kSharpenEdge{0, 1000, 0};
inline constexpr ArgumentRange kTwirl{-3600, 3600, 0};
inline constexpr ArgumentRange kMedian{1, 99, 1};

} // namespace ranges

} // namespace lumaskin
