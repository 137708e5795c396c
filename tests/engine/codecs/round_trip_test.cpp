// Every output format is written, then read back by our own reader and by an independent
// decoder (PIL, poppler-utils, or the bytes themselves).
#include "engine/formats.h"
#include "engine/image_io.h"
#include "tests/engine/codecs/codec_test_support.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <regex>
#include <sstream>

namespace lumaskin::test {
namespace {

struct FormatCase
{
    const char *format;
    Image (*source)();
    // What the file should hold: the source itself, or blended over white.
    bool overWhite;
    // Largest channel difference our reader may see; 0 = lossless.
    int ownTolerance;
    // PIL mode to compare in; nullptr when PIL cannot read the format.
    const char *pilMode;
    double pilMeanTolerance;
};

Image Photo()
{
    return MakePhoto(67, 45, true);
}
Image OpaquePhoto()
{
    return MakePhoto(67, 45, false);
}
Image Posterised()
{
    return MakePosterised(40, 30);
}
Image Bilevel()
{
    return MakeBilevel(37, 21);
}
Image Grey()
{
    return MakeGrey(33, 17);
}

const FormatCase kCases[] = {
    {"bmp", Photo, true, 0, "RGB", 0},       {"jpg", OpaquePhoto, false, 40, "RGB", 4},
    {"wbmp", Bilevel, false, 0, nullptr, 0}, {"gif", Posterised, false, 0, "RGBA", 0},
    {"pcx", Photo, true, 0, "RGB", 0},       {"tga", Photo, false, 0, "RGBA", 0},
    {"ico", Photo, false, 0, "RGBA", 0},     {"jp2", Photo, true, 0, "RGB", 0},
    {"jpc", Photo, true, 0, "RGB", 0},       {"ras", Photo, true, 0, "RGB", 0},
    {"pgx", Grey, false, 0, nullptr, 0},     {"pnm", Photo, true, 0, "RGB", 0},
    {"png", Photo, false, 0, "RGBA", 0},     {"webp", Photo, false, 40, "RGBA", 4},
    {"avif", Photo, false, 40, nullptr, 0},  {"tif", Photo, false, 0, "RGBA", 0},
};

class RoundTrip : public testing::TestWithParam<FormatCase>
{
};

TEST_P(RoundTrip, OwnReaderAndIndependentDecoderAgree)
{
    const FormatCase &c = GetParam();
    TempDir dir;
    const Image source = c.source();
    const Image expected = c.overWhite ? OverWhite(source) : source.Clone();
    const auto path = dir / (std::string("picture.") + c.format);
    QString error;
    ASSERT_TRUE(WriteImage(source, ToQString(path), c.format, &error)) << error.toStdString();

    const Image back = ReadImage(ToQString(path), &error);
    ASSERT_FALSE(back.IsNull()) << error.toStdString();
    EXPECT_EQ(back.Width(), source.Width());
    EXPECT_EQ(back.Height(), source.Height());
    EXPECT_LE(MaxDifference(back, expected), c.ownTolerance);
    EXPECT_GE(MaxDifference(back, expected), 0);
    if (c.ownTolerance > 0) {
        EXPECT_LT(MeanDifference(back, expected), 4);
    }

    if (!c.pilMode)
        return;
    if (PythonWithPil().empty())
        GTEST_SKIP() << "python3 with PIL is not installed";
    const CommandResult pil = CompareWithPil(dir, path, expected, c.pilMode);
    ASSERT_EQ(pil.status, 0) << pil.output;
    std::istringstream fields(pil.output);
    std::string format;
    int width = 0, height = 0, worst = -1;
    double mean = -1;
    fields >> format >> width >> height >> worst >> mean;
    EXPECT_EQ(width, source.Width()) << pil.output;
    EXPECT_EQ(height, source.Height()) << pil.output;
    ASSERT_GE(worst, 0) << pil.output;
    if (c.ownTolerance == 0) {
        EXPECT_EQ(worst, 0) << pil.output;
    }
    EXPECT_LE(mean, c.pilMeanTolerance) << pil.output;
}

INSTANTIATE_TEST_SUITE_P(EveryOutputFormat, RoundTrip, testing::ValuesIn(kCases),
                         [](const auto &param) { return std::string(param.param.format); });

TEST(RoundTrip, CoversEveryWritableFormat)
{
    QStringList tested{"pdf"}; // checked on its own below
    for (const FormatCase &c : kCases)
        tested << c.format;
    tested.sort();
    QStringList writable = WritableFormats();
    writable.sort();
    EXPECT_EQ(tested, writable);
    EXPECT_EQ(WritableFormats().size(), 17);
}

// A format is written exactly when its row has a writer, an extension and a label; the labels
// take the window's list one place each, and each names its extension in another case.
TEST(RoundTrip, EveryWrittenFormatHasItsWriterAndItsPlaceInTheList)
{
    std::vector<int> places;
    for (const Format &format : Formats()) {
        const bool written = !format.extension.isEmpty();
        EXPECT_EQ(static_cast<bool>(format.write), written) << format.name.toStdString();
        EXPECT_EQ(!format.label.isEmpty(), written) << format.name.toStdString();
        if (written) {
            places.push_back(format.listPosition);
            EXPECT_EQ(FindWrittenFormat(format.label), &format) << format.name.toStdString();
        }
    }
    std::sort(places.begin(), places.end());
    for (std::size_t i = 0; i < places.size(); ++i)
        EXPECT_EQ(places[i], static_cast<int>(i));
    EXPECT_EQ(FindWrittenFormat(QStringLiteral("heic")), nullptr);
    for (const QString &format : WritableFormats())
        EXPECT_EQ(FormatHasQuality(format.toUpper()),
                  format == "jpg" || format == "webp" || format == "avif")
            << format.toStdString();
}

// Lossless formats hold opaque and grey pictures exactly too, whatever layout the writer picks.
TEST(RoundTrip, OpaqueAndGreyPicturesStayExact)
{
    TempDir dir;
    for (const char *format : {"png", "tga", "bmp", "pnm", "ras", "pcx", "jp2"}) {
        for (const Image &source : {MakePhoto(20, 11), MakeGrey(20, 11), MakeBilevel(20, 11)}) {
            const auto path = dir / (std::string("p.") + format);
            QString error;
            ASSERT_TRUE(WriteImage(source, ToQString(path), format, &error)) << format;
            const Image back = ReadImage(ToQString(path), &error);
            EXPECT_EQ(MaxDifference(back, source), 0) << format << " " << error.toStdString();
        }
    }
}

// PNG files shrink with the layout: grey < RGB < RGBA.
TEST(RoundTrip, PngPicksTheSmallestLayout)
{
    TempDir dir;
    QString error;
    ASSERT_TRUE(WriteImage(MakeGrey(64, 64), ToQString(dir / "g.png"), "png", &error));
    ASSERT_TRUE(WriteImage(MakePhoto(64, 64), ToQString(dir / "c.png"), "png", &error));
    const std::string greyFile = ReadFile(dir / "g.png");
    const std::string colourFile = ReadFile(dir / "c.png");
    // IHDR colour type byte: 0 grey, 2 RGB.
    EXPECT_EQ(greyFile[25], 0);
    EXPECT_EQ(colourFile[25], 2);
}

TEST(RoundTrip, PdfPageIsThePictureSize)
{
    TempDir dir;
    const Image source = MakePhoto(67, 45, true);
    const auto path = dir / "page.pdf";
    QString error;
    ASSERT_TRUE(WriteImage(source, ToQString(path), "pdf", &error)) << error.toStdString();
    EXPECT_EQ(ReadFile(path).substr(0, 5), "%PDF-");

    // Our reader renders the page at 150 dots per inch.
    const Image page = ReadImage(ToQString(path), &error);
    ASSERT_FALSE(page.IsNull()) << error.toStdString();
    EXPECT_EQ(page.Width(), 140); // ceil(67 * 150 / 72)
    EXPECT_EQ(page.Height(), 94);

    const CommandResult info = RunShell(dir, "pdfinfo '" + path.string() + "'");
    if (info.status == 127)
        GTEST_SKIP() << "poppler-utils are not installed";
    ASSERT_EQ(info.status, 0) << info.output;
    EXPECT_TRUE(std::regex_search(info.output, std::regex("Pages: +1\n"))) << info.output;
    EXPECT_TRUE(std::regex_search(info.output, std::regex("Page size: +67 x 45 pts")))
        << info.output;

    // At 72 dots per inch one point is one pixel: the rendering is the picture itself.
    // (pdftoppm's renderer smooths images; the cairo one draws them as they are.)
    const CommandResult render =
        RunShell(dir, "pdftocairo -r 72 -png -singlefile '" + path.string() + "' '" +
                          (dir / "rendered").string() + "'");
    ASSERT_EQ(render.status, 0) << render.output;
    const Image rendered = ReadImage(ToQString(dir / "rendered.png"), &error);
    ASSERT_FALSE(rendered.IsNull()) << error.toStdString();
    EXPECT_EQ(rendered.Width(), 67);
    EXPECT_EQ(rendered.Height(), 45);
    EXPECT_EQ(MaxDifference(rendered, OverWhite(source)), 0);
}

TEST(RoundTrip, WirelessBitmapBytes)
{
    TempDir dir;
    const Image source = MakeBilevel(37, 21);
    const auto path = dir / "b.wbmp";
    QString error;
    ASSERT_TRUE(WriteImage(source, ToQString(path), "wbmp", &error));
    const std::string bytes = ReadFile(path);
    // Type 0, no extension headers, width and height in one byte each, rows padded to bytes.
    ASSERT_EQ(bytes.size(), 4u + 5 * 21);
    EXPECT_EQ(bytes.substr(0, 4), std::string("\0\0\x25\x15", 4));
    for (int y = 0; y < 21; ++y)
        for (int x = 0; x < 37; ++x) {
            const bool white =
                (static_cast<std::uint8_t>(bytes[4 + 5 * y + x / 8]) >> (7 - x % 8)) & 1;
            ASSERT_EQ(white, source.Pixel(x, y)[0] == 255) << x << "," << y;
        }
}

TEST(RoundTrip, PgxBytes)
{
    TempDir dir;
    const Image source = MakeGrey(33, 17);
    const auto path = dir / "g.pgx";
    QString error;
    ASSERT_TRUE(WriteImage(source, ToQString(path), "pgx", &error));
    const std::string bytes = ReadFile(path);
    const std::string header = "PG ML + 8 33 17\n";
    ASSERT_EQ(bytes.size(), header.size() + 33 * 17);
    EXPECT_EQ(bytes.substr(0, header.size()), header);
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 33; ++x)
            ASSERT_EQ(static_cast<std::uint8_t>(bytes[header.size() + 33 * y + x]),
                      source.Pixel(x, y)[0]);

    // A colour picture becomes its grey version; PGX holds one channel.
    ASSERT_TRUE(WriteImage(MakePhoto(10, 10), ToQString(path), "pgx", &error));
    EXPECT_EQ(ReadFile(path).substr(0, 15), "PG ML + 8 10 10");
}

} // namespace
} // namespace lumaskin::test
