// The filters that read neighbours, against references written from their definitions. Tall
// pictures make the filters cross the boundaries between the chunks that run in parallel.

#include "tests/engine/effects/effect_test_support.h"

#include <cmath>
#include <map>
#include <numbers>
#include <vector>

namespace lumaskin::test {
namespace {

// A copy of `image` whose colour bytes are `f(x, y, channel)`; alpha as before.
template <typename F> Image EachChannel(const Image &image, F f)
{
    return MapPixels(image, [&](int x, int y, std::uint8_t *p) {
        for (int k = 0; k < 3; ++k)
            p[k] = f(x, y, k);
    });
}

TEST(Filters, BlurIsTheRoundedGaussianMean)
{
    const int weights[3][3] = {{1, 2, 1}, {2, 4, 2}, {1, 2, 1}};
    for (const auto &[width, height] :
         {std::pair{7, 5}, std::pair{33, 17}, std::pair{5, 150}, std::pair{1, 3}}) {
        const Image original = RandomImage(width, height, 21);
        Image image = original.Clone();
        ApplyEffect(image, "blur");
        const Image expected = EachChannel(original, [&](int x, int y, int k) {
            int sum = 0;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    sum += weights[dy + 1][dx + 1] * ClampedPixel(original, x + dx, y + dy)[k];
            return static_cast<std::uint8_t>(std::floor(sum / 16.0 + 0.5));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << width << "x" << height;
    }
}

TEST(Filters, SharpenSubtractsTheFourNeighbours)
{
    for (const auto &[width, height] : {std::pair{33, 17}, std::pair{4, 140}}) {
        const Image original = RandomImage(width, height, 22);
        Image image = original.Clone();
        ApplyEffect(image, "sharpen");
        const Image expected = EachChannel(original, [&](int x, int y, int k) {
            const auto at = [&](int dx, int dy) {
                return ClampedPixel(original, x + dx, y + dy)[k];
            };
            return ClampToByte(5 * at(0, 0) - at(0, -1) - at(0, 1) - at(-1, 0) - at(1, 0));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 0)) << width << "x" << height;
    }
}

Image ReferenceMedian(const Image &original, int side)
{
    const int radius = side / 2;
    return EachChannel(original, [&](int x, int y, int k) {
        std::vector<int> values;
        for (int dy = -radius; dy <= radius; ++dy)
            for (int dx = -radius; dx <= radius; ++dx)
                values.push_back(ClampedPixel(original, x + dx, y + dy)[k]);
        std::sort(values.begin(), values.end());
        return static_cast<std::uint8_t>(values[values.size() / 2]);
    });
}

TEST(Filters, MedianIsTheMiddleOfTheSortedSquare)
{
    struct Case
    {
        int width, height, size;
    };
    for (const Case c : {Case{7, 5, 3}, Case{33, 17, 3}, Case{33, 17, 5}, Case{33, 17, 4},
                         Case{33, 17, 2}, Case{7, 5, 99}, Case{33, 17, 15}, Case{6, 160, 3},
                         Case{5, 260, 25}, Case{1, 9, 7}, Case{9, 1, 7}}) {
        const Image original = RandomImage(c.width, c.height, 23);
        Image image = original.Clone();
        ApplyEffect(image, "median", c.size);
        // Even sizes round up.
        EXPECT_TRUE(ImagesNear(image, ReferenceMedian(original, c.size | 1), 0))
            << c.width << "x" << c.height << " size " << c.size;
    }
}

// One pass, from the definition: a pixel brighter or darker than all eight neighbours in some
// channel takes the 3x3 median of every channel.
Image ReferenceAntiNoisePass(const Image &original)
{
    const Image median = ReferenceMedian(original, 3);
    return MapPixels(original, [&](int x, int y, std::uint8_t *p) {
        bool standsOut = false;
        for (int k = 0; k < 3; ++k) {
            bool above = true, below = true;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    if (dx == 0 && dy == 0)
                        continue;
                    const int neighbour = ClampedPixel(original, x + dx, y + dy)[k];
                    above = above && p[k] > neighbour;
                    below = below && p[k] < neighbour;
                }
            standsOut = standsOut || above || below;
        }
        if (standsOut)
            std::copy_n(median.Pixel(x, y), 3, p);
    });
}

TEST(Filters, AntiNoiseReplacesOnlyPixelsThatStandOut)
{
    for (const auto &[width, height] : {std::pair{33, 17}, std::pair{7, 140}}) {
        const Image original = PhotoLikeImage(width, height);
        for (int level : {1, 3}) {
            Image image = original.Clone();
            ApplyEffect(image, "antinoise", level);
            Image expected = original.Clone();
            for (int pass = 0; pass < level; ++pass)
                expected = ReferenceAntiNoisePass(expected);
            EXPECT_TRUE(ImagesNear(image, expected, 0)) << width << "x" << height << " " << level;
        }
    }
    // A speck goes; a line one pixel wide stays.
    Image picture(9, 9, 0x404040FF);
    for (int y = 0; y < 9; ++y)
        picture.Pixel(6, y)[1] = 200;
    picture.Pixel(2, 2)[0] = 250;
    ApplyEffect(picture, "antinoise", 1);
    EXPECT_EQ(picture.Pixel(2, 2)[0], 0x40);
    for (int y = 0; y < 9; ++y)
        EXPECT_EQ(picture.Pixel(6, y)[1], 200);
}

TEST(Filters, EmbossLightsSlopesFacingTheLight)
{
    const int steps[8][2] = {{0, -1}, {1, -1}, {1, 0}, {1, 1}, {0, 1}, {-1, 1}, {-1, 0}, {-1, -1}};
    const Image original = RandomImage(33, 17, 24);
    for (int direction = 0; direction < 8; ++direction)
        for (int depth : {1, 7, 20}) {
            Image image = original.Clone();
            ApplyEffect(image, "emboss", depth, direction);
            const int dx = steps[direction][0], dy = steps[direction][1];
            const Image expected = MapPixels(original, [&](int x, int y, std::uint8_t *p) {
                const int away = ReferenceLuma(ClampedPixel(original, x - dx, y - dy));
                const int toward = ReferenceLuma(ClampedPixel(original, x + dx, y + dy));
                p[0] = p[1] = p[2] = ClampToByte(128 + std::round(depth * (away - toward) / 2.0));
            });
            EXPECT_TRUE(ImagesNear(image, expected, 0)) << direction << " " << depth;
        }
    // A bright square lit from the North: its top edge is bright, its bottom edge dark.
    Image square(12, 12, 0x202020FF);
    for (int y = 4; y < 8; ++y)
        for (int x = 4; x < 8; ++x)
            std::fill_n(square.Pixel(x, y), 3, 0xE0);
    ApplyEffect(square, "emboss", 3, 0);
    EXPECT_GT(square.Pixel(5, 4)[0], 128);
    EXPECT_LT(square.Pixel(5, 7)[0], 128);
    EXPECT_EQ(square.Pixel(1, 1)[0], 128);
}

TEST(Filters, SharpenEdgeSharpensAlongEdgesOnly)
{
    const int blur[3][3] = {{1, 2, 1}, {2, 4, 2}, {1, 2, 1}};
    for (const auto &[width, height] : {std::pair{33, 17}, std::pair{6, 150}}) {
        for (const Image &original :
             {RandomImage(width, height, 25), PhotoLikeImage(width, height)})
            for (int percent : {50, 400, 1000}) {
                Image image = original.Clone();
                ApplyEffect(image, "sharpenedge", percent);
                const Image expected = MapPixels(original, [&](int x, int y, std::uint8_t *p) {
                    const auto luma = [&](int dx, int dy) {
                        return ReferenceLuma(ClampedPixel(original, x + dx, y + dy));
                    };
                    const int gx = luma(1, -1) + 2 * luma(1, 0) + luma(1, 1) - luma(-1, -1) -
                                   2 * luma(-1, 0) - luma(-1, 1);
                    const int gy = luma(-1, 1) + 2 * luma(0, 1) + luma(1, 1) - luma(-1, -1) -
                                   2 * luma(0, -1) - luma(1, -1);
                    const double weight =
                        std::clamp((std::abs(gx) + std::abs(gy) - 32) / 64.0, 0.0, 1.0);
                    for (int k = 0; k < 3; ++k) {
                        double blurred = 0;
                        for (int dy = -1; dy <= 1; ++dy)
                            for (int dx = -1; dx <= 1; ++dx)
                                blurred += blur[dy + 1][dx + 1] *
                                           ClampedPixel(original, x + dx, y + dy)[k] / 16.0;
                        p[k] = ClampToByte(
                            std::round(p[k] + (p[k] - blurred) * percent / 100.0 * weight));
                    }
                });
                EXPECT_TRUE(ImagesNear(image, expected, 1)) << width << "x" << height;
            }
    }
    // A smooth ramp has no edges and stays as it is.
    Image ramp(40, 10);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 40; ++x)
            std::fill_n(ramp.Pixel(x, y), 4, static_cast<std::uint8_t>(3 * x + y));
    const Image before = ramp.Clone();
    ApplyEffect(ramp, "sharpenedge", 1000);
    EXPECT_TRUE(ramp == before);
}

TEST(Filters, DiffuseTakesEveryColourFromNearby)
{
    // Distinct colours, so that each output colour tells where it came from.
    for (const auto &[width, height, distance] :
         {std::array{33, 17, 3}, std::array{9, 300, 1}, std::array{5, 1700, 100}}) {
        Image original(width, height);
        std::map<std::uint32_t, std::pair<int, int>> origin;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint32_t colour = static_cast<std::uint32_t>(y * width + x);
                std::uint8_t *p = original.Pixel(x, y);
                p[0] = colour & 0xFF;
                p[1] = (colour >> 8) & 0xFF;
                p[2] = (colour >> 16) & 0xFF;
                p[3] = static_cast<std::uint8_t>(x + y);
                origin[colour] = {x, y};
            }
        Image image = original.Clone();
        ApplyEffect(image, "diffuse", distance);
        int moved = 0;
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) {
                const std::uint8_t *p = image.Pixel(x, y);
                const auto found = origin.find(p[0] | p[1] << 8 | p[2] << 16);
                ASSERT_NE(found, origin.end());
                const auto [fromX, fromY] = found->second;
                // Offsets beyond an edge land on the edge pixel.
                EXPECT_LE(std::abs(fromX - x), distance);
                EXPECT_LE(std::abs(fromY - y), distance);
                moved += fromX != x || fromY != y;
            }
        EXPECT_GT(moved, width * height / 2) << width << "x" << height;
    }
}

TEST(Filters, MosaicFillsBlocksWithTheirAverage)
{
    const Image original = RandomImage(33, 17, 26);
    for (int size : {2, 5, 16, 256}) {
        const int columns = (33 + size - 1) / size, rows = (17 + size - 1) / size;
        std::vector<std::array<int, 3>> averages(static_cast<std::size_t>(columns * rows));
        for (int by = 0; by < rows; ++by)
            for (int bx = 0; bx < columns; ++bx)
                for (int k = 0; k < 3; ++k) {
                    int sum = 0, count = 0;
                    for (int y = by * size; y < std::min(17, (by + 1) * size); ++y)
                        for (int x = bx * size; x < std::min(33, (bx + 1) * size); ++x) {
                            sum += original.Pixel(x, y)[k];
                            ++count;
                        }
                    averages[std::size_t(by * columns + bx)][std::size_t(k)] =
                        static_cast<int>(std::floor(double(sum) / count + 0.5));
                }
        const auto average = [&](int bx, int by, int k) {
            bx = std::clamp(bx, 0, columns - 1);
            by = std::clamp(by, 0, rows - 1);
            return averages[std::size_t(by * columns + bx)][std::size_t(k)];
        };

        Image normal = original.Clone();
        ApplyEffect(normal, "mosaic", 0, size);
        EXPECT_TRUE(ImagesNear(normal,
                               EachChannel(original,
                                           [&](int x, int y, int k) {
                                               return static_cast<std::uint8_t>(
                                                   average(x / size, y / size, k));
                                           }),
                               0))
            << size;

        Image soft = original.Clone();
        ApplyEffect(soft, "mosaic", 1, size);
        const Image expected = EachChannel(original, [&](int x, int y, int k) {
            // Block centres sit at (b + 0.5) size - 0.5.
            const double u = (x + 0.5) / size - 0.5, v = (y + 0.5) / size - 0.5;
            const int bx = static_cast<int>(std::floor(u)), by = static_cast<int>(std::floor(v));
            const double fx = u - bx, fy = v - by;
            const double top = average(bx, by, k) * (1 - fx) + average(bx + 1, by, k) * fx;
            const double bottom =
                average(bx, by + 1, k) * (1 - fx) + average(bx + 1, by + 1, k) * fx;
            return ClampToByte(std::round(top * (1 - fy) + bottom * fy));
        });
        EXPECT_TRUE(ImagesNear(soft, expected, 1)) << size;
    }
}

// Bilinear sample of a channel at (sx, sy), pixel centres at whole numbers, edges clamped.
double Sample(const Image &image, double sx, double sy, int k)
{
    const int x0 = static_cast<int>(std::floor(sx)), y0 = static_cast<int>(std::floor(sy));
    const double fx = sx - x0, fy = sy - y0;
    const auto at = [&](int x, int y) { return double(ClampedPixel(image, x, y)[k]); };
    return (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
           (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
}

TEST(Filters, TwirlTurnsTheDiscAroundTheCentre)
{
    for (const auto &[width, height, angle] :
         {std::array{33, 17, 90}, std::array{17, 33, -400}, std::array{20, 20, 3600},
          std::array{64, 48, -3600}}) {
        const Image original = RandomImage(width, height, 27);
        Image image = original.Clone();
        ApplyEffect(image, "twirl", angle);
        const double radius = std::min(width, height) / 2.0;
        const Image expected = MapPixels(original, [&](int x, int y, std::uint8_t *p) {
            const double px = x + 0.5 - width / 2.0, py = y + 0.5 - height / 2.0;
            const double distance = std::hypot(px, py);
            if (distance >= radius)
                return;
            const double theta =
                angle * std::numbers::pi / 180 * std::pow(1 - distance / radius, 2);
            // Clockwise on screen (y down) by theta, so the source lies theta the other way.
            const double sx = px * std::cos(theta) + py * std::sin(theta);
            const double sy = -px * std::sin(theta) + py * std::cos(theta);
            for (int k = 0; k < 3; ++k)
                p[k] = ClampToByte(std::round(
                    Sample(original, sx + width / 2.0 - 0.5, sy + height / 2.0 - 0.5, k)));
        });
        EXPECT_TRUE(ImagesNear(image, expected, 1)) << width << "x" << height << " " << angle;
    }
    // A positive angle turns clockwise: a mark right of the centre moves down. At 8 pixels from
    // the centre of a 64x64 picture the turn is angle * (1 - 8/32)^2 = 0.5625 angle.
    Image marked(64, 64, 0x000000FF);
    std::fill_n(marked.Pixel(40, 32), 3, 255);
    ApplyEffect(marked, "twirl", 160); // 90 degrees at the mark
    int markX = -1, markY = -1;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            if (marked.Pixel(x, y)[0] > 100)
                markX = x, markY = y;
    EXPECT_NEAR(markX, 32, 2);
    EXPECT_NEAR(markY, 40, 2);
}

} // namespace
} // namespace lumaskin::test
