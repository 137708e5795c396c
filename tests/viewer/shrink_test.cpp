// The shrunk copy the view paints: each pixel the mean of the area it covers, in
// premultiplied form, checked against a direct two-dimensional area integral.
#include "viewer/image_qt.h"
#include "engine/parallel.h"
#include "engine/resample.h"

#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

Image RandomPicture(int width, int height)
{
    Image image(width, height);
    std::uint32_t state = 99;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < 4 * width; ++x) {
            state = state * 1664525u + 1013904223u;
            image.Row(y)[x] = static_cast<std::uint8_t>(state >> 24);
        }
    return image;
}

TEST(ShrunkForView, EveryPixelIsThePremultipliedMeanOfItsArea)
{
    const Image picture = RandomPicture(37, 23);
    for (const QSize size : {QSize(10, 7), QSize(37, 5), QSize(1, 1), QSize(36, 22)}) {
        QImage shrunk;
        {
            ParallelismLimit limit(3); // bands of rows meet inside the picture
            shrunk = ShrunkForView(picture, size);
        }
        ASSERT_EQ(shrunk.size(), size);
        const double sx = 37.0 / size.width(), sy = 23.0 / size.height();
        for (int oy = 0; oy < size.height(); ++oy)
            for (int ox = 0; ox < size.width(); ++ox) {
                double sum[4] = {};
                for (int y = 0; y < 23; ++y)
                    for (int x = 0; x < 37; ++x) {
                        const double w =
                            std::max(0.0, std::min(x + 1.0, (ox + 1) * sx) - std::max(x * 1.0, ox * sx)) *
                            std::max(0.0, std::min(y + 1.0, (oy + 1) * sy) - std::max(y * 1.0, oy * sy));
                        const std::uint8_t *p = picture.Row(y) + 4 * x;
                        for (int c = 0; c < 3; ++c)
                            sum[c] += w * p[c] * p[3] / 255.0;
                        sum[3] += w * p[3];
                    }
                const std::uint8_t *got = shrunk.constScanLine(oy) + 4 * ox;
                for (int c = 0; c < 4; ++c)
                    ASSERT_NEAR(got[c], sum[c] / (sx * sy), 1.0) << ox << "," << oy << " " << c;
            }
    }
}

// Enlarging interpolates between neighbours without letting a transparent pixel lend its
// colour: from opaque red to transparent green, every pixel stays red and only fades.
TEST(Scaled, EnlargingKeepsTransparentColourOut)
{
    Image picture(2, 1);
    const std::uint8_t pixels[8] = {255, 0, 0, 255, 0, 255, 0, 0};
    std::copy_n(pixels, 8, picture.Row(0));
    const Image wide = Scaled(picture, 8, 3);
    ASSERT_EQ(wide.Width(), 8);
    for (int y = 0; y < 3; ++y) {
        int previousAlpha = 256;
        for (int x = 0; x < 8; ++x) {
            const std::uint8_t *p = wide.Pixel(x, y);
            EXPECT_LE(p[3], previousAlpha) << x;
            previousAlpha = p[3];
            if (p[3] > 0)
                EXPECT_TRUE(p[0] == 255 && p[1] == 0 && p[2] == 0) << x << "," << y;
        }
        EXPECT_EQ(wide.Pixel(0, y)[3], 255);
        EXPECT_EQ(wide.Pixel(7, y)[3], 0);
    }
}

} // namespace
} // namespace lumaskin
