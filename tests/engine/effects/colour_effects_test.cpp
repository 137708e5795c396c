// The pixel-by-pixel effects against references written from their definitions.

#include "engine/effects/pixel_math.h"
#include "tests/engine/effects/effect_test_support.h"

#include <cmath>
#include <set>

namespace lumaskin::test {
namespace {

TEST(ColourEffects, AdjustRGBAddsToEachChannelAndClamps)
{
    const Image original = RandomImage(33, 17);
    for (const auto &[r, g, b] : {std::array{40, -70, 255}, std::array{-255, 0, 3}}) {
        Image image = original.Clone();
        ApplyEffect(image, "adjustrgb", r, g, b);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            p[0] = ClampToByte(p[0] + r);
            p[1] = ClampToByte(p[1] + g);
            p[2] = ClampToByte(p[2] + b);
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << r << " " << g << " " << b;
    }
}

TEST(ColourEffects, ContrastGammaAndLightnessFollowTheirCurves)
{
    const Image original = RandomImage(33, 17, 5);
    for (int percent : {0, 37, 200, 1000}) {
        Image image = original.Clone();
        ApplyEffect(image, "contrast", percent);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(128 + (p[k] - 128) * percent / 100.0));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << "contrast " << percent;
    }
    for (double gamma : {0.01, 0.45, 2.2, 10.0}) {
        Image image = original.Clone();
        ApplyEffect(image, "gamma", gamma);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(255 * std::pow(p[k] / 255.0, 1 / gamma)));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << "gamma " << gamma;
    }
    const auto lighten = [](int v, int percent) {
        return percent <= 100 ? v * percent / 100.0 : v + (255 - v) * (percent - 100) / 100.0;
    };
    Image image = original.Clone();
    ApplyEffect(image, "lightness", 0, 150, 200);
    const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
        p[0] = ClampToByte(std::round(lighten(p[0], 0)));
        p[1] = ClampToByte(std::round(lighten(p[1], 150)));
        p[2] = ClampToByte(std::round(lighten(p[2], 200)));
    });
    EXPECT_TRUE(ImagesNear(image, expected, 0));
    // 0 is black and 200 white, whatever the picture.
    EXPECT_EQ(image.Pixel(3, 4)[0], 0);
    EXPECT_EQ(image.Pixel(3, 4)[2], 255);
}

TEST(ColourEffects, InvertColorIsTheNegativeAndUndoesItself)
{
    const Image original = RandomImage(7, 5);
    Image image = original.Clone();
    ApplyEffect(image, "invertcolor");
    EXPECT_TRUE(ImagesNear(image,
                           MapPixels(original,
                                     [](int, int, std::uint8_t *p) {
                                         for (int k = 0; k < 3; ++k)
                                             p[k] = static_cast<std::uint8_t>(255 - p[k]);
                                     }),
                           0));
    ApplyEffect(image, "invertcolor");
    EXPECT_TRUE(image == original);
}

TEST(ColourEffects, DesaturateAndSaturationZeroGiveLumaGrey)
{
    const Image original = RandomImage(33, 17, 9);
    const Image expected = MapPixels(original, [](int, int, std::uint8_t *p) {
        p[0] = p[1] = p[2] = static_cast<std::uint8_t>(ReferenceLuma(p));
    });
    Image image = original.Clone();
    ApplyEffect(image, "desaturate");
    EXPECT_TRUE(ImagesNear(image, expected, 0));
    Image unsaturated = original.Clone();
    ApplyEffect(unsaturated, "saturation", 0);
    EXPECT_TRUE(ImagesNear(unsaturated, expected, 1));

    // The integer luma behind them is exact for every colour.
    int wrong = 0;
    for (int r = 0; r < 256; ++r)
        for (int g = 0; g < 256; ++g)
            for (int b = 0; b < 256; ++b) {
                const std::uint8_t p[3] = {static_cast<std::uint8_t>(r),
                                           static_cast<std::uint8_t>(g),
                                           static_cast<std::uint8_t>(b)};
                wrong += effects::Luma(r, g, b) != ReferenceLuma(p);
            }
    EXPECT_EQ(wrong, 0);
}

TEST(ColourEffects, SaturationScalesTheDistanceFromLuma)
{
    const Image original = RandomImage(33, 17, 10);
    for (int percent : {50, 200, 1000}) {
        Image image = original.Clone();
        ApplyEffect(image, "saturation", percent);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            const double luma = 0.299 * p[0] + 0.587 * p[1] + 0.114 * p[2];
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(luma + (p[k] - luma) * percent / 100.0));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 1)) << percent;
    }
}

// Textbook HSV, hue in degrees.
struct Hsv
{
    double h, s, v;
};

Hsv ToHsv(double r, double g, double b)
{
    const double high = std::max({r, g, b});
    const double chroma = high - std::min({r, g, b});
    double h = 0;
    if (chroma > 0) {
        if (high == r)
            h = 60 * std::fmod((g - b) / chroma + 6, 6);
        else if (high == g)
            h = 60 * ((b - r) / chroma + 2);
        else
            h = 60 * ((r - g) / chroma + 4);
    }
    return {h, high > 0 ? chroma / high : 0, high};
}

std::array<double, 3> FromHsv(Hsv hsv)
{
    const double chroma = hsv.v * hsv.s;
    const double sextant = std::fmod(hsv.h, 360) / 60;
    const double x = chroma * (1 - std::abs(std::fmod(sextant, 2) - 1));
    const double m = hsv.v - chroma;
    std::array<double, 3> rgb;
    switch (static_cast<int>(sextant)) {
    case 0:
        rgb = {chroma, x, 0};
        break;
    case 1:
        rgb = {x, chroma, 0};
        break;
    case 2:
        rgb = {0, chroma, x};
        break;
    case 3:
        rgb = {0, x, chroma};
        break;
    case 4:
        rgb = {x, 0, chroma};
        break;
    default:
        rgb = {chroma, 0, x};
        break;
    }
    for (double &c : rgb)
        c += m;
    return rgb;
}

TEST(ColourEffects, HueTurnsEveryHueByTheColoursAngle)
{
    const Image original = RandomImage(33, 17, 11);
    for (const auto &[r, g, b] : {std::array{0, 0, 127}, std::array{10, 200, 30},
                                  std::array{255, 0, 128}, std::array{90, 91, 92}}) {
        const double turn = ToHsv(r, g, b).h;
        Image image = original.Clone();
        ApplyEffect(image, "hue", r, g, b);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            Hsv hsv = ToHsv(p[0], p[1], p[2]);
            hsv.h = std::fmod(hsv.h + turn, 360);
            const auto rgb = FromHsv(hsv);
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(rgb[std::size_t(k)]));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 1)) << r << " " << g << " " << b;
    }
    // A third of a turn takes pure red to pure green and green to blue.
    Image primaries(2, 1, 0xFF0000FF);
    primaries.Pixel(1, 0)[0] = 0;
    primaries.Pixel(1, 0)[1] = 255;
    ApplyEffect(primaries, "hue", 0, 255, 0);
    EXPECT_EQ(
        (std::array{primaries.Pixel(0, 0)[0], primaries.Pixel(0, 0)[1], primaries.Pixel(0, 0)[2]}),
        (std::array<std::uint8_t, 3>{0, 255, 0}));
    EXPECT_EQ(
        (std::array{primaries.Pixel(1, 0)[0], primaries.Pixel(1, 0)[1], primaries.Pixel(1, 0)[2]}),
        (std::array<std::uint8_t, 3>{0, 0, 255}));
}

TEST(ColourEffects, MonochromeSplitsByLumaIntoTwoBgrColours)
{
    const Image original = RandomImage(33, 17, 12);
    const std::uint32_t first = 0x00336699;  // blue 0x33, green 0x66, red 0x99
    const std::uint32_t second = 0x000000FF; // pure red
    for (int threshold : {0, 100, 255}) {
        Image image = original.Clone();
        ApplyEffect(image, "monochrome", threshold, first, second);
        const Image expected = MapPixels(original, [&](int, int, std::uint8_t *p) {
            const std::uint32_t colour = ReferenceLuma(p) >= threshold ? first : second;
            p[0] = static_cast<std::uint8_t>(colour & 0xFF);
            p[1] = static_cast<std::uint8_t>((colour >> 8) & 0xFF);
            p[2] = static_cast<std::uint8_t>((colour >> 16) & 0xFF);
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << threshold;
    }
}

TEST(ColourEffects, FocalBWKeepsColourNearTheFocusAndGreysTheRest)
{
    const Image original = RandomImage(33, 17, 13);
    struct Case
    {
        int radius1, radius2, x, y;
    };
    for (const Case c :
         {Case{4, 12, 16, 8}, Case{6, 2, 3, 3}, Case{0, 30, -20, 40}, Case{0, 0, 5, 5}}) {
        Image image = original.Clone();
        ApplyEffect(image, "focalbw", c.radius1, c.radius2, c.x, c.y);
        const Image expected = MapPixels(original, [&](int x, int y, std::uint8_t *p) {
            const double distance = std::hypot(x - c.x, y - c.y);
            double t; // 0 keeps the colour, 1 is grey
            if (distance <= c.radius1)
                t = 0;
            else if (c.radius2 <= c.radius1 || distance >= c.radius2)
                t = 1;
            else
                t = (distance - c.radius1) / (c.radius2 - c.radius1);
            const int grey = ReferenceLuma(p);
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(p[k] * (1 - t) + grey * t));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 1))
            << c.radius1 << " " << c.radius2 << " " << c.x << " " << c.y;
    }
}

TEST(ColourEffects, NoiseStaysWithinItsAmplitudeAndCoversIt)
{
    // Mid-grey, so that no sum is clamped.
    const Image original(64, 48, 0x808080C0);
    for (const int kind : {0, 1}) { // grey, colour
        Image image = original.Clone();
        ApplyEffect(image, "noise", 40, kind);
        std::set<int> seen;
        bool channelsDiffer = false;
        long long total = 0;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const std::uint8_t *p = image.Pixel(x, y);
                for (int k = 0; k < 3; ++k) {
                    const int change = p[k] - 0x80;
                    ASSERT_LE(std::abs(change), 40);
                    seen.insert(change);
                    total += change;
                }
                channelsDiffer |= p[0] != p[1] || p[1] != p[2];
            }
        // Every change from -40 to 40 turns up, evenly enough to average near zero.
        EXPECT_EQ(seen.size(), 81u);
        EXPECT_LT(std::abs(total) / (3.0 * 64 * 48), 2.0);
        EXPECT_EQ(channelsDiffer, kind == 1);
    }
}

} // namespace
} // namespace lumaskin::test
