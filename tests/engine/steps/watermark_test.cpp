// Watermarks: a picture mark laid over at each of the nine places against the "over" operation
// worked out from its definition, a text mark drawn where and as large as it is asked, and a
// picture that cannot be read named before anything is done.
#include "engine/image_io.h"
#include "engine/steps/step.h"
#include "tests/support/temp_dir.h"

#include <QRect>
#include <cmath>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

// A picture whose every pixel differs, transparency included.
Image Pattern(int width, int height, int seed)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = image.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 37 + seed);
            p[1] = static_cast<std::uint8_t>(y * 53 + 2 * seed);
            p[2] = static_cast<std::uint8_t>((x + y) * 11 + seed);
            p[3] = static_cast<std::uint8_t>((x * 29 + y * 41 + seed) % 256);
        }
    return image;
}

TEST(Watermark, PictureMarkIsLaidOverAtEachPlaceAsTheOverOperationGives)
{
    const test::TempDir dir;
    const Image logo = Pattern(10, 6, 7);
    ASSERT_TRUE(WriteImage(logo, Str(dir / "logo.png"), QStringLiteral("png"), nullptr));
    const Image base = Pattern(60, 40, 90);
    const QString places[] = {"top-left", "top",         "top-right", "left",        "centre",
                              "right",    "bottom-left", "bottom",    "bottom-right"};
    // Where the definition puts a 10 x 6 mark on 60 x 40 with a margin of 3.
    const QPoint expected[] = {{3, 3},   {25, 3}, {47, 3},  {3, 17}, {25, 17},
                               {47, 17}, {3, 31}, {25, 31}, {47, 31}};
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(places[i].toStdString());
        QString error;
        std::optional<Step> step =
            ParseStep(QStringLiteral("watermark"),
                      QStringLiteral("image=%1;size=10;opacity=70;margin=3;position=%2")
                          .arg(Str(dir / "logo.png"), places[i]),
                      &error);
        ASSERT_TRUE(step) << error.toStdString();
        ASSERT_TRUE(LoadStepFiles(std::span(&*step, 1), &error)) << error.toStdString();
        Image image = base.Clone();
        ASSERT_TRUE(ApplySteps(image, std::span(&*step, 1), &error)) << error.toStdString();
        const QRect mark(expected[i], QSize(10, 6));
        int worst = 0;
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                const std::uint8_t *d = base.Pixel(x, y);
                const std::uint8_t *out = image.Pixel(x, y);
                double want[4] = {double(d[0]), double(d[1]), double(d[2]), double(d[3])};
                if (mark.contains(x, y)) {
                    const std::uint8_t *m = logo.Pixel(x - mark.x(), y - mark.y());
                    const double a = m[3] / 255.0 * 0.7;
                    const double da = d[3] / 255.0;
                    const double oa = a + da * (1 - a);
                    for (int c = 0; c < 3; ++c)
                        want[c] = oa > 0 ? (m[c] * a + d[c] * da * (1 - a)) / oa : d[c];
                    want[3] = oa * 255;
                }
                for (int c = 0; c < 4; ++c)
                    worst = std::max(worst, int(std::lround(std::abs(out[c] - want[c]))));
            }
        EXPECT_LE(worst, 1);
    }
}

TEST(Watermark, TextIsDrawnInItsCornerAtItsSizeAndColour)
{
    const auto ink = [](int width, const QString &settings) {
        Image image(width, width / 2, 0x000000FFu);
        QString error;
        std::optional<Step> step = ParseStep(QStringLiteral("watermark"), settings, &error);
        EXPECT_TRUE(step && ApplySteps(image, std::span(&*step, 1), &error)) << error.toStdString();
        QRect box;
        bool pure = false;
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                const std::uint8_t *p = image.Pixel(x, y);
                if (p[0] == 0 && p[1] == 0 && p[2] == 0)
                    continue;
                box |= QRect(x, y, 1, 1);
                EXPECT_EQ(p[1], 0);
                EXPECT_EQ(p[2], 0);
                pure = pure || p[0] == 255;
            }
        EXPECT_TRUE(pure); // fully covered ink takes the colour as it is
        return box;
    };
    const QString text = QStringLiteral("text=Lumaskin;colour=#FF0000;opacity=100;margin=5;");
    const QRect topLeft = ink(400, text + QStringLiteral("size=40;position=top-left"));
    EXPECT_EQ(topLeft.topLeft(), QPoint(5, 5));
    EXPECT_GE(topLeft.height(), 25);
    EXPECT_LE(topLeft.height(), 45);
    const QRect bottomRight = ink(400, text + QStringLiteral("size=40;position=bottom-right"));
    EXPECT_EQ(bottomRight.bottomRight(), QPoint(394, 194));
    EXPECT_EQ(bottomRight.size(), topLeft.size());
    // A share of the width grows with the picture.
    const QRect small = ink(200, text + QStringLiteral("size=10%"));
    const QRect large = ink(800, text + QStringLiteral("size=10%"));
    EXPECT_NEAR(large.width(), 4 * small.width(), 8);
}

TEST(Watermark, PictureThatCannotBeReadIsNamed)
{
    const test::TempDir dir;
    test::WriteFile(dir / "broken.png", "not a picture");
    for (const char *name : {"missing.png", "broken.png"}) {
        std::vector<Step> steps{*ParseStep(QStringLiteral("watermark"),
                                           QStringLiteral("image=") + Str(dir / name), nullptr)};
        QString error;
        EXPECT_FALSE(LoadStepFiles(steps, &error));
        EXPECT_TRUE(error.contains(Str(dir / name))) << error.toStdString();
    }
}

} // namespace
} // namespace lumaskin
