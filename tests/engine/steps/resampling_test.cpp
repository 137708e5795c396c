// The resampler against other programs' Lanczos 3 on a real photo, and exact where it must not
// change a pixel.
#include "engine/image_io.h"
#include "engine/steps/resampling.h"
#include "tests/engine/effects/effect_test_support.h"
#include "tests/support/temp_dir.h"

#include <cmath>
#include <cstring>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

// A real photo (Grace Hopper, 512 x 600), from Debian's python-matplotlib-data.
const std::filesystem::path kPhoto = "/usr/share/matplotlib/mpl-data/sample_data/grace_hopper.jpg";

// Peak signal-to-noise ratio of the colours, in dB.
double Psnr(const Image &a, const Image &b)
{
    double squares = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int c = 0; c < 3; ++c) {
                const double d = a.Pixel(x, y)[c] - b.Pixel(x, y)[c];
                squares += d * d;
            }
    const double mean = squares / (3.0 * a.Width() * a.Height());
    return mean == 0 ? 99 : 10 * std::log10(255.0 * 255.0 / mean);
}

// Resamples the photo as `command` (run in a folder holding it as source.png, writing
// reference.png) does, and compares.
void CompareWithReference(const char *tool, const std::string &command, int width, int height)
{
    if (!std::filesystem::exists(kPhoto))
        GTEST_SKIP() << "no photo to compare on: " << kPhoto
                     << " comes with python-matplotlib-data";
    if (test::RunCommand(std::string("command -v ") + tool + " >/dev/null") != 0)
        GTEST_SKIP() << tool << " is not installed";
    const test::TempDir dir;
    QString error;
    const Image photo = ReadImage(QString::fromStdString(kPhoto.string()), &error);
    ASSERT_FALSE(photo.IsNull()) << error.toStdString();
    ASSERT_TRUE(WriteImage(photo, QString::fromStdString((dir / "source.png").string()),
                           QStringLiteral("png"), &error));
    ASSERT_EQ(test::RunCommand(command, dir.Path()), 0) << command;
    const Image reference =
        ReadImage(QString::fromStdString((dir / "reference.png").string()), &error);
    ASSERT_EQ(reference.Width(), width);
    ASSERT_EQ(reference.Height(), height);
    const Image ours = Resampled(photo, width, height, ResizeFilter::Lanczos3);
    EXPECT_GT(Psnr(ours, reference), 40.0);
}

TEST(Resampling, ShrinkingMatchesLibvipsLanczos3OnAPhoto)
{
    CompareWithReference("vips", "vips resize source.png reference.png 0.375 --kernel lanczos3",
                         192, 225);
}

// libvips enlarges with an interpolator of its own, so ImageMagick is the reference here.
TEST(Resampling, EnlargingMatchesImageMagickLanczosOnAPhoto)
{
    CompareWithReference("convert-im6.q16",
                         "convert-im6.q16 source.png -filter Lanczos -resize 768x900! "
                         "reference.png",
                         768, 900);
}

TEST(Resampling, SameSizeAndNearestOnPixelArtAreExact)
{
    const Image art = test::RandomImage(5, 4);
    for (const ResizeFilter filter :
         {ResizeFilter::Lanczos3, ResizeFilter::Linear, ResizeFilter::Nearest})
        EXPECT_TRUE(Resampled(art, 5, 4, filter) == art);

    // Four times as large, each pixel a 4 x 4 square of exactly its colour and alpha; and back.
    const Image large = Resampled(art, 20, 16, ResizeFilter::Nearest);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 20; ++x)
            ASSERT_EQ(std::memcmp(large.Pixel(x, y), art.Pixel(x / 4, y / 4), 4), 0) << x << y;
    EXPECT_TRUE(Resampled(large, 5, 4, ResizeFilter::Nearest) == art);
}

TEST(Resampling, TransparentPixelsLendNoColour)
{
    // Transparent red beside opaque blue: the red must not bleed into what is seen.
    Image picture(16, 8);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x) {
            const std::uint8_t pixel[4] = {x < 8 ? std::uint8_t{255} : std::uint8_t{0}, 0,
                                           x < 8 ? std::uint8_t{0} : std::uint8_t{255},
                                           x < 8 ? std::uint8_t{0} : std::uint8_t{255}};
            std::memcpy(picture.Pixel(x, y), pixel, 4);
        }
    for (const ResizeFilter filter : {ResizeFilter::Lanczos3, ResizeFilter::Linear})
        for (const int width : {6, 37}) {
            const Image resized = Resampled(picture, width, 8, filter);
            for (int x = 0; x < width; ++x) {
                const std::uint8_t *p = resized.Pixel(x, 4);
                if (p[3] > 0) {
                    EXPECT_LE(p[0], 2) << x;
                    EXPECT_GE(p[2], 253) << x;
                }
            }
            EXPECT_LT(resized.Pixel(0, 0)[3], 16);
            EXPECT_GT(resized.Pixel(width - 1, 0)[3], 240);
        }
}

} // namespace
} // namespace lumaskin
