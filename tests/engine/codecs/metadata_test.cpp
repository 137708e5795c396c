// EXIF, XMP and colour profiles from source to target, checked with exiv2's and PIL's own
// readers; a Display P3 photo shown and converted without a colour shift, measured against
// Little CMS as PIL drives it.
#include "tests/engine/codecs/codec_test_support.h"
#include "engine/batch_conversion.h"
#include "engine/codecs/colour_management.h"
#include "engine/image_io.h"

#include <gtest/gtest.h>
#include <sstream>

namespace lumaskin::test {
namespace {

// Prints, for a file PIL reads: size, EXIF make, date taken, orientation, the size of the
// colour profile, and the largest and mean channel difference between the file's pixels
// converted to sRGB by its own profile and reference.png.
const char *kInspect = R"(import io, sys
from PIL import Image, ImageCms
im = Image.open(sys.argv[1])
exif = im.getexif()
icc = im.info.get('icc_profile') or b''
rgb = im.convert('RGB')
if icc:
    srgb = ImageCms.createProfile('sRGB')
    rgb = ImageCms.profileToProfile(rgb, io.BytesIO(icc), srgb, outputMode='RGB')
ref = Image.open('reference.png').convert('RGB')
worst, total = 0, 0
a, b = rgb.tobytes(), ref.tobytes()
if len(a) != len(b):
    worst, total = 999, 999 * len(b)
else:
    for x, y in zip(a, b):
        d = abs(x - y)
        worst = max(worst, d)
        total += d
print('%dx%d|%s|%s|%s|%d|%d|%.2f' % (im.size[0], im.size[1], exif.get(271), exif.get_ifd(0x8769).get(36867), exif.get(274), len(icc), worst, total / max(len(b), 1)))
)";

struct Inspection
{
    std::string size, make, taken, orientation;
    int profileBytes = 0;
    int worst = -1;
    double mean = -1;
};

class Metadata : public testing::Test
{
protected:
    void SetUp() override
    {
        if (PythonWithPil().empty() || RunShell(dir, "command -v exiv2").status != 0 ||
            RunShell(dir, "convert-im6.q16 -version").status != 0)
            GTEST_SKIP() << "needs PIL, exiv2 and ImageMagick";
        // Saturated colours, where Display P3 and sRGB differ most.
        Image source(60, 40);
        for (int y = 0; y < 40; ++y)
            for (int x = 0; x < 60; ++x) {
                std::uint8_t *p = source.Pixel(x, y);
                p[0] = static_cast<std::uint8_t>(x < 20 ? 230 : x * 4);
                p[1] = static_cast<std::uint8_t>(x >= 20 && x < 40 ? 220 : y * 5);
                p[2] = static_cast<std::uint8_t>(x >= 40 ? 240 : 30);
                p[3] = 255;
            }
        QString error;
        ASSERT_TRUE(WriteImage(source, ToQString(dir / "source.png"), "png", &error));
        profile = ProfileForCodePoints(12, 13); // Display P3
        ASSERT_FALSE(profile.isEmpty());
        WriteFile(dir / "photo.icc", profile.toStdString());
        // A camera's photo, made and tagged by other programs: held turned (orientation 6).
        Run("convert-im6.q16 source.png -quality 95 photo.jpg");
        Run("exiv2 -M'set Exif.Image.Make Lumacam' -M'set Exif.Image.Model LC-1' "
            "-M'set Exif.Image.Orientation 6' "
            "-M'set Exif.Photo.DateTimeOriginal 2021:05:06 07:08:09' "
            "-M'set Xmp.dc.title Harbour at dawn' -M'set Xmp.tiff.Orientation 6' photo.jpg");
        Run("exiv2 -iC photo.jpg");
        // What the photo looks like in sRGB: PIL converts it with Little CMS, then turns it.
        WriteFile(dir / "reference.py",
                  "import io\nfrom PIL import Image, ImageCms\n"
                  "im = Image.open('photo.jpg')\n"
                  "rgb = ImageCms.profileToProfile(im.convert('RGB'), "
                  "io.BytesIO(im.info['icc_profile']), ImageCms.createProfile('sRGB'), "
                  "outputMode='RGB')\n"
                  "rgb.transpose(Image.Transpose.ROTATE_270).save('reference.png')\n");
        Run(PythonWithPil() + " reference.py");
        WriteFile(dir / "inspect.py", kInspect);
    }

    void Run(const std::string &command)
    {
        const CommandResult r = RunShell(dir, command);
        ASSERT_EQ(r.status, 0) << command << "\n" << r.output;
    }

    Inspection Inspect(const std::string &name)
    {
        const CommandResult r = RunShell(dir, PythonWithPil() + " inspect.py " + name);
        EXPECT_EQ(r.status, 0) << r.output;
        Inspection result;
        std::string text = r.output;
        for (char &c : text)
            if (c == '|')
                c = '\n';
        std::istringstream fields(text);
        std::getline(fields, result.size);
        std::getline(fields, result.make);
        std::getline(fields, result.taken);
        std::getline(fields, result.orientation);
        fields >> result.profileBytes >> result.worst >> result.mean;
        return result;
    }

    bool Convert(const char *format, const WriteSettings &settings = {})
    {
        QString error;
        const bool written = ConvertFile(ToQString(dir / "photo.jpg"),
                                         ToQString(dir / "out") + u'.' + QLatin1String(format),
                                         format, {}, settings, &error);
        EXPECT_TRUE(written) << format << ": " << error.toStdString();
        return written;
    }

    TempDir dir;
    QByteArray profile;
};

TEST_F(Metadata, CameraDateAndProfileReachEveryFormatThatHoldsThem)
{
    for (const char *format : {"jpg", "png", "webp", "tif"}) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(Convert(format));
        const std::string name = std::string("out.") + format;
        const Inspection seen = Inspect(name);
        // Turned upright, so the orientation says 1.
        EXPECT_EQ(seen.size, "40x60");
        EXPECT_EQ(seen.make, "Lumacam");
        EXPECT_EQ(seen.taken, "2021:05:06 07:08:09");
        EXPECT_EQ(seen.orientation, "1");
        EXPECT_EQ(seen.profileBytes, profile.size());
        // Shown through its profile, the file looks as the photo does (lossy formats blur the
        // hard edges between the colour bars; a colour shift would move every pixel).
        const bool lossy = std::string(format) == "jpg" || std::string(format) == "webp";
        if (!lossy) {
            EXPECT_LE(seen.worst, 3);
        }
        EXPECT_LT(seen.mean, lossy ? 5 : 1);
        // XMP keeps its title, with the orientation it has now.
        const std::string xmp = RunShell(dir, "exiv2 -PXkv " + name).output;
        EXPECT_NE(xmp.find("Harbour at dawn"), std::string::npos) << xmp;
        EXPECT_NE(xmp.find("Xmp.tiff.Orientation                          1\n"), std::string::npos)
            << xmp;
    }
    // AVIF, which PIL does not read: libavif's own tool sees the items.
    ASSERT_TRUE(Convert("avif"));
    if (RunShell(dir, "command -v avifdec").status == 0) {
        const std::string info = RunShell(dir, "avifdec --info out.avif").output;
        EXPECT_NE(info.find("ICC Profile    : Present (" + std::to_string(profile.size())),
                  std::string::npos)
            << info;
        EXPECT_NE(info.find("Exif Metadata  : Present"), std::string::npos) << info;
        EXPECT_NE(info.find("XMP Metadata   : Present"), std::string::npos) << info;
    }
    QString error;
    const Image back = ReadImage(ToQString(dir / "out.avif"), &error);
    EXPECT_EQ(back.Metadata().icc, profile);
    EXPECT_NE(back.Metadata().exif.indexOf("Lumacam"), -1);
    EXPECT_EQ(back.Width(), 40);
}

TEST_F(Metadata, WideGamutPhotoIsShownAndConvertedWithoutColourShift)
{
    // The test means something only where P3 and sRGB values differ.
    QString error;
    const Image photo = ReadImage(ToQString(dir / "photo.jpg"), &error);
    ASSERT_FALSE(photo.IsNull()) << error.toStdString();
    const Image reference = ReadImage(ToQString(dir / "reference.png"), &error);
    ASSERT_GT(MeanDifference(photo, reference), 8);

    // It is shown in sRGB; the picture itself keeps its values for saving.
    ASSERT_TRUE(NeedsConversionToSrgb(photo));
    EXPECT_LE(MaxDifference(SrgbCopy(photo), reference), 3);

    // Formats without a profile get the colours converted.
    for (const char *format : {"bmp", "gif", "pcx"}) {
        SCOPED_TRACE(format);
        ASSERT_TRUE(Convert(format));
        const Image written = ReadImage(ToQString(dir / (std::string("out.") + format)), &error);
        EXPECT_LT(MeanDifference(written, reference), format == std::string("gif") ? 6 : 0.5);
    }
    // Stripped: no EXIF, XMP or profile, colours in sRGB.
    ASSERT_TRUE(Convert("png", WriteSettings{90, true}));
    const Inspection seen = Inspect("out.png");
    EXPECT_EQ(seen.make, "None");
    EXPECT_EQ(seen.profileBytes, 0);
    EXPECT_LE(seen.worst, 3);
    EXPECT_EQ(RunShell(dir, "exiv2 -PXkv out.png").output.find("Harbour"), std::string::npos);
}

// Each reader finds the metadata its format's own tools put there, and stands the picture up
// as the format says: WebP by its EXIF orientation, AVIF by the rotation its encoder derived
// from it, JPEG XL by its own header, TIFF by its tag; HEIF ignores EXIF orientation.
TEST_F(Metadata, EveryReaderFindsTheMetadataOfItsFormatsOwnTools)
{
    ASSERT_TRUE(Convert("tif"));
    struct Case
    {
        const char *tool;
        const char *make;
        const char *file;
        bool upright; // turned by the orientation 6 of the source
    };
    const Case cases[] = {
        {"cwebp", "cwebp -quiet -metadata all photo.jpg -o x.webp", "x.webp", true},
        {"avifenc", "avifenc -s 10 photo.jpg x.avif", "x.avif", true},
        {"heif-enc", "heif-enc -q 80 photo.jpg -o x.heic", "x.heic", false},
        {"cjxl", "cjxl photo.jpg x.jxl", "x.jxl", true},
        {"true", "true", "out.tif", true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.file);
        if (RunShell(dir, std::string("command -v ") + c.tool).status != 0)
            continue;
        Run(c.make);
        QString error;
        const Image image = ReadImage(ToQString(dir / c.file), &error);
        ASSERT_FALSE(image.IsNull()) << error.toStdString();
        EXPECT_EQ(image.Width(), c.upright ? 40 : 60);
        EXPECT_NE(image.Metadata().exif.indexOf("Lumacam"), -1);
        EXPECT_EQ(image.Metadata().icc, profile);
    }
}

// AVIF and HEIF files may give their colours as code points rather than a profile: Display P3
// by code points shows as Display P3 by profile does.
TEST_F(Metadata, ColourCodePointsActAsTheProfileTheyName)
{
    if (RunShell(dir, "command -v avifenc").status != 0)
        GTEST_SKIP() << "avifenc is not installed";
    Run("avifenc -s 10 -l --cicp 12/13/0 --ignore-icc --ignore-exif source.png p3.avif");
    QString error;
    const Image coded = ReadImage(ToQString(dir / "p3.avif"), &error);
    ASSERT_FALSE(coded.IsNull()) << error.toStdString();
    ASSERT_EQ(ClassifyProfile(coded.Metadata().icc), ProfileKind::Rgb);
    Image tagged = ReadImage(ToQString(dir / "source.png"), &error);
    ImageMetadata metadata;
    metadata.icc = profile;
    tagged.SetMetadata(metadata);
    EXPECT_EQ(MaxDifference(coded, tagged), 0);
    EXPECT_LE(MaxDifference(SrgbCopy(coded), SrgbCopy(tagged)), 1);
    EXPECT_GT(MeanDifference(SrgbCopy(coded), coded), 4);
}

// A profile that describes no colour space the pixels are in is dropped, the pixels kept.
TEST_F(Metadata, ProfilesOfNoKnownColourSpaceAreDropped)
{
    QByteArray damaged = profile;
    damaged.replace(16, 4, "\xAE\xB8\x5A\xE2"); // the colour space field
    WriteFile(dir / "odd.icc", damaged.toStdString());
    Run("convert-im6.q16 source.png -quality 95 odd.jpg && exiv2 -iC odd.jpg");
    ASSERT_NE(ReadFile(dir / "odd.jpg").find("ICC_PROFILE"), std::string::npos);
    QString error;
    const Image odd = ReadImage(ToQString(dir / "odd.jpg"), &error);
    ASSERT_FALSE(odd.IsNull()) << error.toStdString();
    EXPECT_TRUE(odd.Metadata().icc.isEmpty());
    Run("convert-im6.q16 source.png -quality 95 plain.jpg");
    EXPECT_EQ(MaxDifference(odd, ReadImage(ToQString(dir / "plain.jpg"), &error)), 0);
}

} // namespace
} // namespace lumaskin::test
