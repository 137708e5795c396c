// Steps as text: the geometries of resizes and crops with the sizes they give, every step
// read back from what it writes, and values refused with a reason that names them.
#include "engine/steps/step.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

TEST(StepText, GeometriesGiveTheirSizesAndReadBackFromTheirText)
{
    struct Case
    {
        const char *kind;
        const char *text;
        QSize picture;
        QRect result; // a resize's size at (0, 0), or a crop's area
    };
    const Case cases[] = {
        {"resize", "1920", {4000, 3000}, {0, 0, 1920, 1440}},
        {"resize", "x300", {4000, 3000}, {0, 0, 400, 300}},
        {"resize", "1920x", {4000, 3000}, {0, 0, 1920, 1440}},
        {"resize", "800x800", {4000, 3000}, {0, 0, 800, 600}},
        {"resize", "800X800", {3000, 4000}, {0, 0, 600, 800}},
        {"resize", "800x800^", {4000, 3000}, {0, 0, 1067, 800}},
        {"resize", "800x800!", {4000, 3000}, {0, 0, 800, 800}},
        {"resize", "50%", {4001, 3001}, {0, 0, 2001, 1501}},
        {"resize", "12.5%", {4000, 3}, {0, 0, 500, 1}},
        {"resize", "1920x1080>", {1000, 500}, {0, 0, 1000, 500}},
        {"resize", "1920x1080>", {4000, 3000}, {0, 0, 1440, 1080}},
        {"resize", "100<", {4000, 3000}, {0, 0, 4000, 3000}},
        {"resize", "8000<,linear", {4000, 3000}, {0, 0, 8000, 6000}},
        {"resize", "400%,nearest", {16, 8}, {0, 0, 64, 32}},
        {"crop", "100x50+10+20", {400, 300}, {10, 20, 100, 50}},
        {"crop", "100x50-10-20", {400, 300}, {0, 0, 90, 30}},
        {"crop", "100x50+350+280", {400, 300}, {350, 280, 50, 20}},
        {"crop", "100x50", {400, 300}, {150, 125, 100, 50}},
        {"crop", "500x50", {400, 300}, {0, 125, 400, 50}},
        {"crop", "16:9", {4000, 3000}, {0, 375, 4000, 2250}},
        {"crop", "1:1", {400, 300}, {50, 0, 300, 300}},
        {"crop", "2.39:1", {239, 500}, {0, 200, 239, 100}},
        {"crop", "10x10+400+0", {400, 300}, {}},
        {"rotate", "270", {}, {}},
        {"flip", "v", {}, {}},
        {"effect", "monochrome=100,0xffffff", {}, {}},
        {"watermark", "text=a\\;b\\\\c;size=4%;colour=#ff8000;position=top", {}, {}},
        {"watermark", "image=logo.png;size=120;opacity=0;margin=0;position=centre", {}, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.text);
        QString error;
        const std::optional<Step> step = ParseStep(c.kind, c.text, &error);
        ASSERT_TRUE(step) << error.toStdString();
        if (const ResizeStep *resize = std::get_if<ResizeStep>(&*step)) {
            EXPECT_EQ(resize->TargetSize(c.picture), c.result.size());
        }
        if (const CropStep *crop = std::get_if<CropStep>(&*step)) {
            if (c.result.isEmpty())
                EXPECT_TRUE(crop->Area(c.picture).isEmpty());
            else
                EXPECT_EQ(crop->Area(c.picture), c.result);
        }
        const QString text = StepText(*step);
        const std::optional<Step> again = ParseStep(c.kind, text, &error);
        ASSERT_TRUE(again) << text.toStdString();
        EXPECT_EQ(StepText(*again), text);
        EXPECT_EQ(StepKind(*again), QLatin1String(c.kind));
    }
    // Each step writes itself the way it is written on the command line.
    EXPECT_EQ(StepText(*ParseStep("resize", "1920X1080>,lanczos", nullptr)), "1920x1080>");
    EXPECT_EQ(StepText(*ParseStep("resize", "400%,nearest", nullptr)), "400%,nearest");
    EXPECT_EQ(StepText(*ParseStep("crop", "100x50-10+0", nullptr)), "100x50-10+0");
    EXPECT_EQ(StepText(*ParseStep("effect", "Monochrome=100,16777215", nullptr)),
              "monochrome=100,0xFFFFFF");
}

TEST(StepText, ImpossibleValuesAreRefusedNamingThem)
{
    struct Case
    {
        const char *kind;
        const char *text;
        const char *named = nullptr; // what the reason names, when not the whole text
    };
    const Case refused[] = {
        {"resize", "abc"},
        {"resize", "0x100"},
        {"resize", "x0"},
        {"resize", "0%"},
        {"resize", "-5"},
        {"resize", "100x100x"},
        {"resize", "50%%"},
        {"resize", "100^"},
        {"resize", "x100!"},
        {"resize", "2000000"},
        {"resize", "10x10,bicubic"},
        {"resize", "10x10>>"},
        {"crop", "0x5"},
        {"crop", "10x10+5"},
        {"crop", "16:0"},
        {"crop", "10x10+a+b"},
        {"crop", "99999999999x1"},
        {"crop", "10x10+0+5000000"},
        {"rotate", "45"},
        {"rotate", "-90"},
        {"flip", "x"},
        {"effect", "glow"},
        {"effect", "contrast=abc", "abc"},
        {"scale", "2", "scale"},
        {"watermark", "text=x;size=0", "0"},
        {"watermark", "text=x;size=-3%", "-3%"},
        {"watermark", "image=a.png;opacity=101", "101"},
        {"watermark", "text=x;position=middle", "middle"},
        {"watermark", "text=x;colour=#12345", "#12345"},
        {"watermark", "text=x;margin=-1", "-1"},
        {"watermark", "text=x;glow=1", "glow"},
    };
    for (const Case &c : refused) {
        SCOPED_TRACE(std::string(c.kind) + " " + c.text);
        QString error;
        EXPECT_FALSE(ParseStep(c.kind, c.text, &error));
        EXPECT_TRUE(error.contains(QStringLiteral("\"%1\"").arg(c.named ? c.named : c.text)))
            << error.toStdString();
    }
}

} // namespace
} // namespace lumaskin
