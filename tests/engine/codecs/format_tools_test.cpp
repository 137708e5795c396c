// WebP, AVIF, HEIF, JPEG XL, TIFF and SVG against each format's own tools: what Lumaskin
// writes, their decoders read the same; what their encoders write, Lumaskin reads as their
// decoders show it; damaged files are refused with a reason.
#include "tests/engine/codecs/codec_test_support.h"
#include "engine/codecs/exif_orientation.h"
#include "engine/codecs/svg_library.h"
#include "engine/image_io.h"

#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

class FormatTools : public testing::Test
{
protected:
    // Skips the test when a tool is not installed.
    void Need(std::initializer_list<const char *> tools)
    {
        for (const char *tool : tools)
            if (RunShell(dir, std::string("command -v ") + tool).status != 0)
                GTEST_SKIP() << tool << " is not installed";
    }
    void Run(const std::string &command)
    {
        const CommandResult r = RunShell(dir, command);
        ASSERT_EQ(r.status, 0) << command << "\n" << r.output;
    }
    Image Read(const std::string &name)
    {
        QString error;
        Image image = ReadImage(ToQString(dir / name), &error);
        EXPECT_FALSE(image.IsNull()) << name << ": " << error.toStdString();
        return image;
    }
    void Write(const Image &image, const std::string &name, const char *format, int quality = 90)
    {
        QString error;
        ASSERT_TRUE(
            WriteImage(image, ToQString(dir / name), format, WriteSettings{quality, false}, &error))
            << name << ": " << error.toStdString();
    }
    TempDir dir;
};

TEST_F(FormatTools, WrittenFilesDecodeTheSameInTheFormatsOwnTools)
{
    Need({"dwebp", "avifdec", "tiffinfo"});
    const Image photo = MakePhoto(67, 45, true);
    struct Case
    {
        const char *format;
        int quality;
        const char *decode; // writes d.pam or d.png from p.FORMAT
        const char *decoded;
        double meanTolerance; // against the source; 0 = exact
    };
    const Case cases[] = {
        {"webp", 90, "dwebp p.webp -pam -o d.pam", "d.pam", 4},
        {"webp", 100, "dwebp p.webp -pam -o d.pam", "d.pam", 0},
        {"avif", 90, "avifdec p.avif d.png", "d.png", 4},
        {"avif", 40, "avifdec p.avif d.png", "d.png", 8},
        {"avif", 100, "avifdec p.avif d.png", "d.png", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(std::string(c.format) + " at " + std::to_string(c.quality));
        const std::string name = std::string("p.") + c.format;
        Write(photo, name, c.format, c.quality);
        Run(c.decode);
        const Image theirs = Read(c.decoded);
        // Both decoders are the format's own library: they agree to the last bit.
        EXPECT_EQ(MaxDifference(Read(name), theirs), 0);
        if (c.meanTolerance == 0)
            EXPECT_EQ(MaxDifference(theirs, photo), 0);
        else
            EXPECT_LT(MeanDifference(theirs, photo), c.meanTolerance);
    }
    // AVIF keeps full-resolution colour from quality 90 on, and halves it below.
    Write(photo, "p.avif", "avif", 89);
    EXPECT_NE(RunShell(dir, "avifdec --info p.avif").output.find("YUV420"), std::string::npos);
    Write(photo, "p.avif", "avif", 90);
    EXPECT_NE(RunShell(dir, "avifdec --info p.avif").output.find("YUV444"), std::string::npos);
    // A lower quality makes smaller files.
    Write(photo, "low.webp", "webp", 30);
    Write(photo, "high.webp", "webp", 95);
    EXPECT_LT(ReadFile(dir / "low.webp").size(), ReadFile(dir / "high.webp").size());

    Write(photo, "p.tif", "tif");
    const std::string info = RunShell(dir, "tiffinfo p.tif").output;
    EXPECT_NE(info.find("AdobeDeflate"), std::string::npos) << info;
    EXPECT_NE(info.find("unassoc-alpha"), std::string::npos) << info;
    EXPECT_EQ(info.find("TIFF Directory at offset", info.find("TIFF Directory at offset") + 1),
              std::string::npos)
        << "one page: " << info;
}

TEST_F(FormatTools, FilesFromOtherEncodersReadAsTheirDecodersShowThem)
{
    Need({"heif-enc", "heif-convert", "cjxl", "djxl", "cwebp", "dwebp", "img2webp", "tiffcp"});
    const Image photo = MakePhoto(64, 48, false);
    const Image translucent = MakePhoto(64, 48, true);
    Write(photo, "photo.png", "png");
    Write(translucent, "translucent.png", "png");
    Write(MakePhoto(64, 48, false, 7), "second.png", "png");
    Write(translucent, "plain.tif", "tif");
    struct Case
    {
        const char *make; // makes the file
        const char *file;
        const char *reference; // the format's own decoder, or a file holding the expected pixels
        const char *referenceFile;
        int tolerance;
    };
    const Case cases[] = {
        {"heif-enc -q 90 photo.png -o x.heic", "x.heic", "heif-convert x.heic r.png", "r.png", 0},
        {"heif-enc -q 60 translucent.png -o a.heic", "a.heic", "heif-convert a.heic r.png", "r.png",
         0},
        {"cjxl photo.png x.jxl -d 1", "x.jxl", "djxl x.jxl r.png", "r.png", 1},
        {"cjxl translucent.png l.jxl -d 0", "l.jxl", "true", "translucent.png", 0},
        {"cwebp -q 80 -alpha_q 100 translucent.png -o c.webp", "c.webp",
         "dwebp c.webp -pam -o r.pam", "r.pam", 0},
        // An animation shows its first frame.
        {"img2webp -lossless photo.png -d 100 second.png -o anim.webp", "anim.webp", "true",
         "photo.png", 0},
        {"tiffcp -c lzw:2 plain.tif lzw.tif", "lzw.tif", "true", "translucent.png", 0},
        {"tiffcp -c packbits -t -w 16 -l 16 plain.tif tiles.tif", "tiles.tif", "true",
         "translucent.png", 0},
        {"tiffcp -c none -B plain.tif msb.tif", "msb.tif", "true", "translucent.png", 0},
        {"tiffcp -p separate plain.tif planes.tif", "planes.tif", "true", "translucent.png", 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.make);
        Run(c.make);
        Run(c.reference);
        const Image ours = Read(c.file);
        const Image theirs = Read(c.referenceFile);
        EXPECT_LE(MaxDifference(ours, theirs), c.tolerance);
        EXPECT_GE(MaxDifference(ours, theirs), 0) << "sizes differ";
    }
    // The first page of several, and the rows of a file stored bottom-up, as ImageMagick does.
    if (RunShell(dir, "convert-im6.q16 -version").status == 0) {
        Run("convert-im6.q16 photo.png second.png -compress zip pages.tif");
        EXPECT_EQ(MaxDifference(Read("pages.tif"), photo), 0);
        Run("convert-im6.q16 photo.png -depth 16 deep.tif");
        EXPECT_LE(MaxDifference(Read("deep.tif"), photo), 1);
        Run("convert-im6.q16 photo.png -orient BottomLeft bottom.tif");
        Run("convert-im6.q16 bottom.tif -auto-orient bottom.png");
        EXPECT_EQ(MaxDifference(Read("bottom.tif"), Read("bottom.png")), 0);
    }
}

// AVIF files say how to turn the picture in boxes of their own; libheif applies rotations too.
TEST_F(FormatTools, AvifRotationAndMirroringAreApplied)
{
    Need({"avifenc", "heif-convert"});
    Image source = MakePhoto(40, 24, false);
    Write(source, "s.png", "png");
    Run("avifenc -s 10 -l s.png plain.avif");
    const Image plain = Read("plain.avif");
    ASSERT_EQ(MaxDifference(plain, source), 0);
    for (int turns = 1; turns <= 3; ++turns) {
        SCOPED_TRACE(turns);
        Run("avifenc -s 10 -l --irot " + std::to_string(turns) + " s.png t.avif");
        Run("heif-convert t.avif t.png");
        EXPECT_EQ(MaxDifference(Read("t.avif"), Read("t.png")), 0);
    }
    // Mirroring, which this libheif cannot do: mode 1 exchanges left and right (EXIF 2), mode
    // 0 top and bottom (EXIF 4).
    Run("avifenc -s 10 -l --imir 1 s.png m.avif");
    EXPECT_EQ(MaxDifference(Read("m.avif"), ApplyOrientation(plain.Clone(), 2)), 0);
    Run("avifenc -s 10 -l --imir 0 s.png m.avif");
    EXPECT_EQ(MaxDifference(Read("m.avif"), ApplyOrientation(plain.Clone(), 4)), 0);
}

TEST_F(FormatTools, SvgDrawingsRenderAtTheirOwnSizeAndReachNothingOutside)
{
    Need({"rsvg-convert"});
    Write(Image(8, 8, 0xFF0000FF), "red.png", "png");
    const std::string drawing =
        "<?xml version=\"1.0\"?>\n<!-- made by hand -->\n"
        "<!DOCTYPE svg PUBLIC \"-//W3C//DTD SVG 1.1//EN\" "
        "\"http://www.w3.org/Graphics/SVG/1.1/DTD/svg11.dtd\" [ <!ENTITY c \"blue\"> ]>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"120\" height=\"80\">"
        "<rect width=\"60\" height=\"80\" fill=\"#20a040\"/>"
        "<circle cx=\"90\" cy=\"40\" r=\"20\" fill=\"&c;\" fill-opacity=\"0.5\"/></svg>\n";
    WriteFile(dir / "d.svg", drawing);
    Run("rsvg-convert d.svg -o r.png");
    const Image ours = Read("d.svg");
    EXPECT_EQ(ours.Width(), 120);
    EXPECT_EQ(ours.Height(), 80);
    EXPECT_LE(MaxDifference(ours, Read("r.png")), 1);
    // Compressed, as .svgz.
    Run("gzip -c d.svg > d.svgz");
    EXPECT_LE(MaxDifference(Read("d.svgz"), ours), 0);

    // Without a size: the view box's. A huge declared size is scaled down to fit the cap.
    WriteFile(dir / "box.svg", "<svg xmlns='http://www.w3.org/2000/svg' viewBox='0 0 30 20'>"
                               "<rect width='30' height='20' fill='red'/></svg>");
    EXPECT_EQ(Read("box.svg").Width(), 30);
    WriteFile(dir / "huge.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' width='400000' height='200000'>"
              "<rect width='400000' height='200000' fill='red'/></svg>");
    const Image huge = Read("huge.svg");
    EXPECT_LE(std::int64_t{huge.Width()} * huge.Height(), kMaxSvgPixels);
    EXPECT_NEAR(static_cast<double>(huge.Width()) / huge.Height(), 2.0, 0.01);

    // Other files, by path or URL, are not drawn; pictures embedded as data are.
    const std::string outside = (dir / "red.png").string();
    WriteFile(dir / "refs.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' "
              "xmlns:xlink='http://www.w3.org/1999/xlink' width='20' height='10'>"
              "<image x='0' width='10' height='10' xlink:href='" +
                  outside + "'/><image x='0' width='10' height='10' href='file://" + outside +
                  "'/><image x='10' width='10' height='10' href='data:image/png;base64," +
                  QByteArray::fromStdString(ReadFile(dir / "red.png")).toBase64().toStdString() +
                  "'/></svg>");
    const Image refs = Read("refs.svg");
    ASSERT_EQ(refs.Width(), 20);
    EXPECT_EQ(refs.Pixel(5, 5)[3], 0);
    EXPECT_EQ(refs.Pixel(15, 5)[0], 255);
    EXPECT_EQ(refs.Pixel(15, 5)[3], 255);
}

// Cut short, a file of these formats is refused with a reason; with bytes flipped it is
// refused or read, never harmful.
TEST_F(FormatTools, DamagedFilesOfTheReadOnlyFormatsAreRefused)
{
    Need({"heif-enc", "cjxl"});
    Write(MakePhoto(61, 47, true), "p.png", "png");
    Run("heif-enc -q 70 p.png -o p.heic");
    Run("cjxl p.png p.jxl -d 1");
    Run("cjxl p.png l.jxl -d 0");
    WriteFile(dir / "p.svg", "<svg xmlns='http://www.w3.org/2000/svg' width='61' height='47'>"
                             "<rect width='30' height='47' fill='red'/>"
                             "<circle cx='40' cy='20' r='15' fill='blue'/></svg>\n");
    for (const char *name : {"p.heic", "p.jxl", "l.jxl", "p.svg"}) {
        SCOPED_TRACE(name);
        const std::string bytes = ReadFile(dir / name);
        for (double fraction : {0.25, 0.5, 0.75}) {
            QString error;
            EXPECT_TRUE(ReadImageFromMemory(AsBytes(bytes.substr(0, static_cast<std::size_t>(
                                                                        bytes.size() * fraction))),
                                            &error)
                            .IsNull())
                << fraction;
            EXPECT_FALSE(error.isEmpty());
        }
        for (std::size_t at = 0; at < bytes.size(); at += (at < 64 ? 3 : 1 + bytes.size() / 23)) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(~damaged[at]);
            QString error;
            const Image image = ReadImageFromMemory(AsBytes(damaged), &error);
            EXPECT_TRUE(!image.IsNull() || !error.isEmpty()) << at;
        }
    }
}

} // namespace
} // namespace lumaskin::test
