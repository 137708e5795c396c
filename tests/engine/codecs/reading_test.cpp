// Reading by content: recognition, the size limit, EXIF orientation, and files made by other
// programs.
#include "engine/codecs/codec_modules.h"
#include "engine/codecs/magick_library.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/picture_probe.h"
#include "engine/resample.h"
#include "tests/engine/codecs/codec_test_support.h"

#include <QPainter>
#include <QPdfWriter>
#include <array>
#include <dlfcn.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace lumaskin::test {
namespace {

std::string Written(const Image &image, const char *format)
{
    TempDir dir;
    const auto path = dir / "out";
    QString error;
    if (!WriteImage(image, ToQString(path), format, &error))
        ADD_FAILURE() << format << ": " << error.toStdString();
    return ReadFile(path);
}

Image ReadBytes(const std::string &bytes, QString *error)
{
    return ReadImageFromMemory(AsBytes(bytes), error);
}

std::string Be16(int v)
{
    return {static_cast<char>(v >> 8), static_cast<char>(v & 255)};
}
std::string Le16(int v)
{
    return {static_cast<char>(v & 255), static_cast<char>(v >> 8)};
}
std::string Be32(std::uint32_t v)
{
    return Be16(static_cast<int>(v >> 16)) + Be16(static_cast<int>(v & 0xFFFF));
}
std::string Le32(std::uint32_t v)
{
    return Le16(static_cast<int>(v & 0xFFFF)) + Le16(static_cast<int>(v >> 16));
}

TEST(Reading, ByContentNotByName)
{
    TempDir dir;
    const Image source = MakePhoto(30, 20);
    WriteFile(dir / "really-a-png.jpg", Written(source, "png"));
    WriteFile(dir / "really-a-bmp.txt", Written(source, "bmp"));
    WriteFile(dir / "no-extension", Written(source, "tga"));
    for (const char *name : {"really-a-png.jpg", "really-a-bmp.txt", "no-extension"}) {
        QString error;
        const Image image = ReadImage(ToQString(dir / name), &error);
        EXPECT_EQ(MaxDifference(image, source), 0) << name << ": " << error.toStdString();
    }
    // A folder gives a file by its signature, or, for a format without one, by the format's own
    // extensions.
    const std::string wbmp = Written(MakeBilevel(30, 20), "wbmp");
    WriteFile(dir / "bilevel.wbmp", wbmp);
    WriteFile(dir / "bilevel.dat", wbmp);
    EXPECT_TRUE(LooksLikePicture(ToQString(dir / "really-a-bmp.txt")));
    EXPECT_TRUE(LooksLikePicture(ToQString(dir / "bilevel.wbmp")));
    EXPECT_FALSE(LooksLikePicture(ToQString(dir / "bilevel.dat")));
}

// A broken installation (a codec module missing) costs the formats of that module, with a
// message saying so, and nothing else.
TEST(Reading, AMissingCodecModuleIsReported)
{
    QString error;
    EXPECT_EQ(LoadCodecModule("absent", &error), nullptr);
    EXPECT_TRUE(error.contains(QLatin1String("absent module cannot be loaded")))
        << error.toStdString();
    error.clear();
    EXPECT_EQ(LoadCodecModule("absent", &error), nullptr);
    EXPECT_FALSE(error.isEmpty());
    // One cut short, as a failed copy leaves it: refused with a message, not mapped (the first
    // touch of its missing pages would end the program).
    Dl_info engine{};
    ASSERT_NE(dladdr(reinterpret_cast<const void *>(&LoadCodecModule), &engine), 0);
    const std::filesystem::path folder = std::filesystem::path(engine.dli_fname).parent_path();
    const std::filesystem::path cut = folder / ("lumaskin-cut" + std::to_string(getpid()) + ".so");
    WriteFile(cut, ReadFile(folder / "lumaskin-jxl.so").substr(0, 5000));
    const std::string name = "cut" + std::to_string(getpid());
    EXPECT_EQ(LoadCodecModule(name.c_str(), &error), nullptr);
    std::filesystem::remove(cut);
    EXPECT_TRUE(error.contains(QLatin1String("is cut short"))) << error.toStdString();
    // The module each format names is there.
    for (const Format &format : Formats()) {
        if (!format.module.isEmpty()) {
            EXPECT_NE(LoadCodecModule(format.module.toLatin1().constData(), &error), nullptr)
                << format.name.toStdString() << ": " << error.toStdString();
        }
    }
}

// libjpeg's warnings (here: a JFIF version it does not know) leave a picture it can show.
TEST(Reading, JpegWarningsAreNotDamage)
{
    const Image source = MakePhoto(40, 24);
    std::string jpeg = Written(source, "jpg");
    ASSERT_EQ(jpeg.substr(6, 4), "JFIF");
    jpeg[11] = 5; // major version
    QString error;
    const Image image = ReadBytes(jpeg, &error);
    EXPECT_EQ(image.Width(), 40) << error.toStdString();
}

TEST(Reading, PlainReasonsForWhatIsNotAPicture)
{
    TempDir dir;
    QString error;
    EXPECT_TRUE(ReadImage(QString(), &error).IsNull());
    EXPECT_EQ(error, "no file was given");
    EXPECT_TRUE(ReadImage(ToQString(dir / "missing.png"), &error).IsNull());
    EXPECT_EQ(error, "the file does not exist");
    EXPECT_TRUE(ReadImage(ToQString(dir.Path()), &error).IsNull());
    EXPECT_EQ(error, "it is a folder, not a file");
    // Devices and pipes are refused before they are opened (a pipe would block, a device
    // might never end).
    EXPECT_TRUE(ReadImage("/dev/zero", &error).IsNull());
    EXPECT_EQ(error, "it is not an ordinary file");
    ASSERT_EQ(mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    EXPECT_TRUE(ReadImage(ToQString(dir / "pipe.png"), &error).IsNull());
    EXPECT_EQ(error, "it is not an ordinary file");
    WriteFile(dir / "empty.png", "");
    EXPECT_TRUE(ReadImage(ToQString(dir / "empty.png"), &error).IsNull());
    EXPECT_EQ(error, "the file is empty");

    std::string noise(4096, '\0');
    std::uint32_t state = 12345;
    for (char &c : noise)
        c = static_cast<char>((state = state * 1664525 + 1013904223) >> 24);
    const std::string notPictures[] = {
        "Just some text that happens to be in a file called picture.png\n",
        std::string("PK\x03\x04\x14\0\0\0\x08\0", 10) + std::string(100, 'x'),
        std::string("\x7F"
                    "ELF\x02\x01\x01\0",
                    8) +
            std::string(200, '\0'),
        noise,
        std::string(1000, '\0'),
    };
    for (const std::string &bytes : notPictures) {
        error.clear();
        EXPECT_TRUE(ReadBytes(bytes, &error).IsNull());
        EXPECT_EQ(error, "not a picture Lumaskin can read") << bytes.substr(0, 8);
    }
    // The error pointer is optional.
    EXPECT_TRUE(ReadImageFromMemory(AsBytes(notPictures[0]), nullptr).IsNull());
}

// Headers that declare more pixels than allowed, or more than the data can hold, are refused
// from the header alone.
TEST(Reading, DeclaredSizeIsCheckedFirst)
{
    const std::string pngSignature("\x89PNG\r\n\x1A\n", 8);
    auto png = [&](std::uint32_t w, std::uint32_t h) {
        return pngSignature + Be32(13) + "IHDR" + Be32(w) + Be32(h) +
               std::string("\x08\x02\0\0\0", 5) + Be32(0) + Be32(10) + "IDAT" +
               std::string(14, '\0');
    };
    auto bmp = [](std::int32_t w, std::int32_t h) {
        return "BM" + Le32(54 + 100) + Le32(0) + Le32(54) + Le32(40) + Le32(w) + Le32(h) + Le16(1) +
               Le16(24) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0) + Le32(0) +
               std::string(100, '\x7F');
    };
    auto jpeg = [](int w, int h) {
        // SOI, baseline SOF0 with three components, SOS, a little entropy data.
        return std::string("\xFF\xD8\xFF\xC0", 4) + Be16(17) + "\x08" + Be16(h) + Be16(w) +
               std::string("\x03\x01\x22\x00\x02\x11\x01\x03\x11\x01", 10) +
               std::string("\xFF\xDA", 2) + Be16(12) +
               std::string("\x03\x01\x00\x02\x11\x03\x11\x00\x3F\x00", 10) +
               std::string(64, '\x55') + std::string("\xFF\xD9", 2);
    };
    struct Case
    {
        std::string bytes;
        const char *reason;
    };
    const Case cases[] = {
        {png(100000, 100000), "the picture is too large (10000 megapixels; at most 200 are read)"},
        {bmp(100000, 100000), "the picture is too large (10000 megapixels; at most 200 are read)"},
        {bmp(100000, -100000),
         "the picture is too large (10000 megapixels; at most 200 are read)"}, // top-down
        {jpeg(65000, 65000), "the picture is too large (4225 megapixels; at most 200 are read)"},
        {"P6\n100000 100000\n255\n" + std::string(10, 'x'),
         "the picture is too large (10000 megapixels; at most 200 are read)"},
        {"P5 2000000 1 255\n" + std::string(10, 'x'),
         "the picture is too large (2000000 x 1 pixels; at most 1048576 pixels a side are read)"},
        {bmp(0, 10), "the picture has no pixels"},
        // Within the limit but far more than the data holds.
        {png(10000, 10000), "the file is truncated"},
        {bmp(10000, 10000), "the file is truncated"},
        {jpeg(8000, 8000), "the file is truncated"},
        {"P6\n5000 5000\n255\n" + std::string(1000, 'x'), "the file is truncated"},
        {"PG ML + 8 3000 3000\n" + std::string(1000, 'x'), "the file is truncated"},
        {std::string("\x59\xA6\x6A\x95", 4) + Be32(4000) + Be32(4000) + Be32(24) + Be32(0) +
             Be32(1) + Be32(0) + Be32(0) + std::string(500, 'x'),
         "the file is truncated"},
    };
    for (const Case &c : cases) {
        QString error;
        EXPECT_TRUE(ReadBytes(c.bytes, &error).IsNull()) << c.reason;
        EXPECT_EQ(error.toStdString(), c.reason) << c.bytes.substr(0, 16);
    }
}

// A JPEG whose EXIF block says how the camera was held.
std::string WithOrientation(const std::string &jpeg, int orientation, bool bigEndian)
{
    auto u16 = [&](int v) { return bigEndian ? Be16(v) : Le16(v); };
    auto u32 = [&](std::uint32_t v) { return bigEndian ? Be32(v) : Le32(v); };
    std::string tiff = bigEndian ? std::string("MM\0\x2A", 4) : std::string("II\x2A\0", 4);
    tiff += u32(8);
    // IFD0: a make tag to skip, then the orientation; no next directory.
    tiff += u16(2);
    tiff += u16(0x010F) + u16(2) + u32(4) + std::string("Cam\0", 4);
    tiff += u16(0x0112) + u16(3) + u32(1) + u16(orientation) + u16(0);
    tiff += u32(0);
    const std::string payload = std::string("Exif\0\0", 6) + tiff;
    return jpeg.substr(0, 2) + "\xFF\xE1" + Be16(static_cast<int>(payload.size()) + 2) + payload +
           jpeg.substr(2);
}

TEST(Reading, ExifOrientationTurnsPhotosUpright)
{
    // Quadrants: red, green / blue, white.
    Image source(64, 32);
    const std::array<std::uint32_t, 4> colours = {0xFF0000FF, 0x00FF00FF, 0x0000FFFF, 0xFFFFFFFF};
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; ++x) {
            const std::uint32_t c = colours[(y >= 16) * 2 + (x >= 32)];
            std::uint8_t *p = source.Pixel(x, y);
            p[0] = c >> 24, p[1] = (c >> 16) & 255, p[2] = (c >> 8) & 255, p[3] = 255;
        }
    const std::string jpeg = Written(source, "jpg");
    // Expected quadrant colours (indices into `colours`: TL, TR, BL, BR) after turning upright.
    const std::array<std::array<int, 4>, 9> expected = {{
        {0, 1, 2, 3}, // unused
        {0, 1, 2, 3}, // 1 as stored
        {1, 0, 3, 2}, // 2 mirrored
        {3, 2, 1, 0}, // 3 half turn
        {2, 3, 0, 1}, // 4 flipped
        {0, 2, 1, 3}, // 5 transposed
        {2, 0, 3, 1}, // 6 quarter turn clockwise
        {3, 1, 2, 0}, // 7 transverse
        {1, 3, 0, 2}, // 8 quarter turn anticlockwise
    }};
    auto nearest = [&](const std::uint8_t *p) {
        int best = -1, bestDistance = 1 << 30;
        for (int i = 0; i < 4; ++i) {
            int d = 0;
            for (int c = 0; c < 3; ++c)
                d += std::abs(p[c] - static_cast<int>((colours[i] >> (24 - 8 * c)) & 255));
            if (d < bestDistance)
                best = i, bestDistance = d;
        }
        return best;
    };
    for (bool bigEndian : {false, true}) {
        for (int orientation = 1; orientation <= 8; ++orientation) {
            QString error;
            const Image image = ReadBytes(WithOrientation(jpeg, orientation, bigEndian), &error);
            ASSERT_FALSE(image.IsNull()) << error.toStdString();
            const bool turned = orientation >= 5;
            EXPECT_EQ(image.Width(), turned ? 32 : 64) << orientation;
            EXPECT_EQ(image.Height(), turned ? 64 : 32) << orientation;
            const int w = image.Width(), h = image.Height();
            const std::array<int, 4> seen = {
                nearest(image.Pixel(w / 4, h / 4)), nearest(image.Pixel(3 * w / 4, h / 4)),
                nearest(image.Pixel(w / 4, 3 * h / 4)), nearest(image.Pixel(3 * w / 4, 3 * h / 4))};
            EXPECT_EQ(seen, expected[orientation]) << "orientation " << orientation;
        }
    }
    // Nonsense orientation values leave the picture as stored.
    QString error;
    const Image odd = ReadBytes(WithOrientation(jpeg, 9, false), &error);
    EXPECT_EQ(odd.Width(), 64);
}

// With hints, JPEG and WebP pictures are decoded at 1/2, 1/4 or 1/8 of their size (sides
// rounded up), never below the size asked for the upright picture, and look like the whole
// picture scaled down; other formats, and pictures wanted whole, are read as without hints.
TEST(Reading, HintsShrinkJpegAndWebpOnLoad)
{
    const Image source = MakePhoto(403, 241);
    const auto asking = [](int width, int height, QSize *seen = nullptr) {
        return ReadHints{[=](QSize upright) {
            if (seen)
                *seen = upright;
            return QSize(width, height);
        }};
    };
    const std::string jpeg = Written(source, "jpg");
    // A JPEG shrinks by eighths of its size, a WebP by halves.
    for (const bool isJpeg : {true, false}) {
        const std::string file = isJpeg ? jpeg : Written(source, "webp");
        QString error;
        const Image whole = ReadBytes(file, &error);
        ASSERT_FALSE(whole.IsNull()) << error.toStdString();
        EXPECT_TRUE(ReadImageFromMemory(AsBytes(file), &error, asking(isJpeg ? 354 : 203, 1)) ==
                    whole);
        struct Case
        {
            QSize asked, jpeg, webp;
        };
        for (const Case &c : {Case{{201, 121}, {202, 121}, {202, 121}},
                              Case{{101, 60}, {101, 61}, {101, 61}},
                              Case{{102, 60}, {152, 91}, {202, 121}},
                              Case{{203, 1}, {252, 151}, {403, 241}},
                              Case{{1, 1}, {51, 31}, {51, 31}}}) {
            const Image shrunk = ReadImageFromMemory(AsBytes(file), &error,
                                                     asking(c.asked.width(), c.asked.height()));
            const QSize decoded = isJpeg ? c.jpeg : c.webp;
            ASSERT_EQ(QSize(shrunk.Width(), shrunk.Height()), decoded) << error.toStdString();
            EXPECT_LT(MeanDifference(shrunk, Scaled(whole, shrunk.Width(), shrunk.Height())), 3)
                << decoded.width();
        }
    }
    // Turned upright by its EXIF orientation, the picture is asked for by its upright size,
    // and keeps its metadata.
    QSize seen;
    QString error;
    const std::string held = WithOrientation(jpeg, 6, false);
    const Image turned = ReadImageFromMemory(AsBytes(held), &error, asking(61, 100, &seen));
    EXPECT_EQ(seen, QSize(241, 403));
    EXPECT_EQ(QSize(turned.Width(), turned.Height()), QSize(61, 101));
    EXPECT_FALSE(turned.Metadata().exif.isEmpty());
    EXPECT_EQ(turned.Metadata().exif, ReadBytes(held, &error).Metadata().exif);
    // PNG has no scaled decoder.
    EXPECT_EQ(ReadImageFromMemory(AsBytes(Written(source, "png")), &error, asking(1, 1)).Width(),
              403);
}

// Every format, cut short or with bytes flipped, is refused or read without harm.
TEST(Reading, DamagedFilesAreRefusedWithoutHarm)
{
    std::vector<std::pair<std::string, std::string>> files;
    const Image photo = MakePhoto(61, 47, true);
    const Image bilevel = MakeBilevel(61, 47);
    for (const QString &format : WritableFormats())
        files.emplace_back(format.toStdString(),
                           Written(format == "wbmp" ? bilevel : photo, qPrintable(format)));
    for (auto &[format, bytes] : files) {
        // Cuts inside the pixel data always fail, with a reason.
        for (double fraction : {0.25, 0.5, 0.75}) {
            const std::string cut =
                bytes.substr(0, static_cast<std::size_t>(bytes.size() * fraction));
            QString error;
            EXPECT_TRUE(ReadBytes(cut, &error).IsNull()) << format << " cut to " << fraction;
            EXPECT_FALSE(error.isEmpty()) << format;
        }
        // Any other cut must simply not crash; a file missing only its trailer may still read.
        for (std::size_t length = 1; length < bytes.size(); length += 1 + bytes.size() / 37) {
            QString error;
            const Image image = ReadBytes(bytes.substr(0, length), &error);
            EXPECT_TRUE(!image.IsNull() || !error.isEmpty()) << format << " " << length;
        }
        // Flipped bytes across the header and the data.
        for (std::size_t at = 0; at < bytes.size(); at += (at < 64 ? 3 : 1 + bytes.size() / 23)) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(~damaged[at]);
            QString error;
            const Image image = ReadBytes(damaged, &error);
            EXPECT_TRUE(!image.IsNull() || !error.isEmpty()) << format << " " << at;
            if (!image.IsNull()) {
                EXPECT_LE(std::int64_t{image.Width()} * image.Height(), Image::kMaxPixels);
            }
        }
    }
}

TEST(Reading, FirstPageOfAPdf)
{
    TempDir dir;
    const auto path = dir / "two-pages.pdf";
    {
        QPdfWriter writer(ToQString(path));
        writer.setResolution(72);
        writer.setPageSize(QPageSize(QSizeF(144, 72), QPageSize::Point));
        writer.setPageMargins(QMarginsF());
        QPainter painter(&writer);
        painter.fillRect(QRect(0, 0, 144, 72), Qt::red);
        writer.newPage();
        painter.fillRect(QRect(0, 0, 144, 72), Qt::blue);
    }
    QString error;
    const Image page = ReadImage(ToQString(path), &error);
    ASSERT_FALSE(page.IsNull()) << error.toStdString();
    EXPECT_EQ(page.Width(), 300); // two inches at 150 dots per inch
    EXPECT_EQ(page.Height(), 150);
    const std::uint8_t *centre = page.Pixel(150, 75);
    EXPECT_GT(centre[0], 200);
    EXPECT_LT(centre[2], 50);

    const std::string noPages = "%PDF-1.4\n1 0 obj<</Type/Catalog/Pages 2 0 R>>endobj\n"
                                "2 0 obj<</Type/Pages/Kids[]/Count 0>>endobj\n"
                                "trailer<</Root 1 0 R>>\n%%EOF\n";
    EXPECT_TRUE(ReadBytes(noPages, &error).IsNull());
    EXPECT_FALSE(error.isEmpty());
}

// A placeable metafile with one red rectangle on a 2 x 1 inch frame.
std::string RedRectangleMetafile()
{
    auto record = [](int function, const std::string &params) {
        return Le32(static_cast<std::uint32_t>(3 + params.size() / 2)) + Le16(function) + params;
    };
    std::string records;
    records += record(0x020B, Le16(0) + Le16(0));                          // SetWindowOrg
    records += record(0x020C, Le16(100) + Le16(200));                      // SetWindowExt
    records += record(0x02FC, Le16(0) + Le32(0x000000FF) + Le16(0));       // CreateBrushIndirect
    records += record(0x012D, Le16(0));                                    // SelectObject
    records += record(0x0209, Le32(0x000000FF));                           // SetTextColor (ignored)
    records += record(0x041B, Le16(90) + Le16(190) + Le16(10) + Le16(10)); // Rectangle
    records += record(0x0000, "");                                         // EOF
    std::string header = Le16(1) + Le16(9) + Le16(0x0300) +
                         Le32(static_cast<std::uint32_t>((18 + records.size()) / 2)) + Le16(1) +
                         Le32(7) + Le16(0);
    std::string placeable = std::string("\xD7\xCD\xC6\x9A", 4) + Le16(0) + Le16(0) + Le16(0) +
                            Le16(200) + Le16(100) + Le16(100) + Le32(0);
    int checksum = 0;
    for (std::size_t i = 0; i < 20; i += 2)
        checksum ^= static_cast<std::uint8_t>(placeable[i]) |
                    (static_cast<std::uint8_t>(placeable[i + 1]) << 8);
    placeable += Le16(checksum);
    return placeable + header + records;
}

TEST(Reading, WindowsMetafile)
{
    QString error;
    const Image image = ReadBytes(RedRectangleMetafile(), &error);
    ASSERT_FALSE(image.IsNull()) << error.toStdString();
    EXPECT_GT(image.Width(), image.Height());
    const std::uint8_t *centre = image.Pixel(image.Width() / 2, image.Height() / 2);
    EXPECT_GT(centre[0], 200);
    EXPECT_LT(centre[1], 60);
}

TEST(Reading, HandWrittenHeaders)
{
    QString error;
    // Plain (ASCII) PPM with a comment.
    Image ppm = ReadBytes("P3\n# made by hand\n2 1\n255\n255 0 0  0 0 255\n", &error);
    ASSERT_FALSE(ppm.IsNull()) << error.toStdString();
    EXPECT_EQ(ppm.Width(), 2);
    EXPECT_EQ(ppm.Pixel(0, 0)[0], 255);
    EXPECT_EQ(ppm.Pixel(1, 0)[2], 255);
    // The other anymaps: plain bitmap (1 is black, digits may run together), plain grey with
    // a small maximum, raw bitmap, 16-bit raw grey, and PAM with alpha.
    Image pbm = ReadBytes("P1 3 1\n101", &error);
    ASSERT_FALSE(pbm.IsNull()) << error.toStdString();
    EXPECT_EQ(pbm.Pixel(0, 0)[0], 0);
    EXPECT_EQ(pbm.Pixel(1, 0)[0], 255);
    Image pgm = ReadBytes("P2 2 1 15\n15 5\n", &error);
    ASSERT_FALSE(pgm.IsNull()) << error.toStdString();
    EXPECT_EQ(pgm.Pixel(0, 0)[0], 255);
    EXPECT_EQ(pgm.Pixel(1, 0)[0], 85);
    Image rawBits = ReadBytes(std::string("P4\n10 2\n\x80\x40\x01\x00", 12), &error);
    ASSERT_FALSE(rawBits.IsNull()) << error.toStdString();
    EXPECT_EQ(rawBits.Pixel(0, 0)[0], 0);
    EXPECT_EQ(rawBits.Pixel(9, 0)[0], 0);
    EXPECT_EQ(rawBits.Pixel(1, 0)[0], 255);
    EXPECT_EQ(rawBits.Pixel(7, 1)[0], 0);
    Image deep = ReadBytes("P5 2 1 65535\n" + Be16(0xFFFF) + Be16(0x8080), &error);
    ASSERT_FALSE(deep.IsNull()) << error.toStdString();
    EXPECT_EQ(deep.Pixel(0, 0)[0], 255);
    EXPECT_EQ(deep.Pixel(1, 0)[0], 128);
    Image pam = ReadBytes("P7\nWIDTH 1\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n"
                          "\x10\x20\x30\x40",
                          &error);
    ASSERT_FALSE(pam.IsNull()) << error.toStdString();
    EXPECT_EQ(std::vector<int>(pam.Pixel(0, 0), pam.Pixel(0, 0) + 4),
              (std::vector<int>{16, 32, 48, 64}));
    EXPECT_TRUE(ReadBytes("P3 1 1 255\n1 2 x\n", &error).IsNull());
    EXPECT_EQ(error, "the PNM picture is damaged");
    // 16-bit big-endian PGX.
    Image pgx = ReadBytes("PG ML + 16 2 1\n" + Be16(0xFFFF) + Be16(0), &error);
    ASSERT_FALSE(pgx.IsNull()) << error.toStdString();
    EXPECT_EQ(pgx.Pixel(0, 0)[0], 255);
    EXPECT_EQ(pgx.Pixel(1, 0)[0], 0);
    // A bare TGA (no footer): recognised by its header alone. Bottom-up rows, BGR.
    std::string tga = std::string("\0\0\x02", 3) + std::string(9, '\0') + Le16(2) + Le16(2) +
                      std::string("\x18\x00", 2) +
                      std::string("\x00\x00\xFF\x00\xFF\x00\xFF\x00\x00\xFF\xFF\xFF", 12);
    Image targa = ReadBytes(tga, &error);
    ASSERT_FALSE(targa.IsNull()) << error.toStdString();
    EXPECT_EQ(targa.Pixel(0, 1)[0], 255); // first stored pixel is red, bottom left
    EXPECT_EQ(targa.Pixel(0, 0)[2], 255); // blue, top left
    // A wireless bitmap whose body does not fit its header is nobody's picture.
    EXPECT_TRUE(ReadBytes(std::string("\0\0\x08\x02\xFF", 5), &error).IsNull());
    EXPECT_EQ(error, "not a picture Lumaskin can read");
}

// ImageMagick may use only the coders we read with, and never an outside program.
TEST(Reading, ImageMagickKeepsToItsAllowedCoders)
{
    const std::pair<const char *, std::string> scripts[] = {
        {"MVG", "viewbox 0 0 4 4 fill red rectangle 0 0 3 3"},
        {"SVG", "<svg xmlns='http://www.w3.org/2000/svg' width='4' height='4'/>"},
        {"TXT", "# ImageMagick pixel enumeration: 1,1,255,srgb\n0,0: (255,0,0)\n"},
        {"MSL", "<image><read filename='/etc/passwd'/></image>"},
    };
    for (const auto &[coder, text] : scripts) {
        QString error;
        EXPECT_TRUE(
            DecodeWithMagick(AsBytes(text), {coder, coder, 0, false, false}, &error).IsNull());
        EXPECT_EQ(error.toStdString(),
                  std::string("Lumaskin does not read ") + coder + " pictures");
    }
}

// Variants only other programs write: ImageMagick's command line makes them from a picture
// we know.
class MadeByImageMagick : public testing::Test
{
protected:
    void SetUp() override
    {
        if (RunShell(dir, "convert-im6.q16 -version").status != 0)
            GTEST_SKIP() << "ImageMagick's convert-im6.q16 is not installed";
        source = MakePhoto(45, 31, true);
        QString error;
        ASSERT_TRUE(WriteImage(source, ToQString(dir / "source.png"), "png", &error));
    }
    // `output` may carry an ImageMagick format prefix ("PNG8:name.png").
    Image Convert(const std::string &options, const std::string &output)
    {
        const std::size_t colon = output.find(':');
        const std::string prefix = colon == std::string::npos ? "" : output.substr(0, colon + 1);
        const std::string name = output.substr(prefix.size());
        const CommandResult r =
            RunShell(dir, "convert-im6.q16 '" + (dir / "source.png").string() + "' " + options +
                              " '" + prefix + (dir / name).string() + "'");
        EXPECT_EQ(r.status, 0) << r.output;
        QString error;
        Image image = ReadImage(ToQString(dir / name), &error);
        EXPECT_FALSE(image.IsNull()) << output << ": " << error.toStdString();
        return image;
    }
    TempDir dir;
    Image source;
};

TEST_F(MadeByImageMagick, PngVariants)
{
    EXPECT_EQ(MaxDifference(Convert("-interlace PNG", "interlaced.png"), source), 0);
    EXPECT_EQ(MaxDifference(Convert("-depth 16", "deep.png"), source), 0);
    const Image palette = Convert("-colors 16", "PNG8:palette.png");
    EXPECT_EQ(palette.Width(), 45);
    EXPECT_EQ(palette.Pixel(0, 10)[3], 0); // tRNS keeps the transparent column
    // Grey, and grey with alpha, at 16 bits.
    Image grey = MakeGrey(45, 31);
    QString error;
    ASSERT_TRUE(WriteImage(grey, ToQString(dir / "source.png"), "png", &error));
    EXPECT_EQ(MaxDifference(Convert("-depth 16", "grey16.png"), grey), 0);
    for (int y = 0; y < grey.Height(); ++y)
        grey.Pixel(0, y)[3] = grey.Pixel(1, y)[3] = static_cast<std::uint8_t>(y * 8);
    ASSERT_TRUE(WriteImage(grey, ToQString(dir / "source.png"), "png", &error));
    EXPECT_EQ(MaxDifference(Convert("-depth 16", "grey-alpha16.png"), grey), 0);
}

TEST_F(MadeByImageMagick, OtherFormats)
{
    EXPECT_EQ(MaxDifference(Convert("-compress LZW", "lzw.tif"), source), 0);
    // ImageMagick mishandles the merged picture of its own translucent PSD files; opaque ones
    // read exactly.
    const Image flat = Convert("-background white -flatten", "flat.ppm");
    EXPECT_EQ(MaxDifference(Convert("-background white -flatten", "flat.psd"), flat), 0);
    // ImageMagick's TGA writer needs the orientation set to store rows the right way up.
    EXPECT_EQ(MaxDifference(Convert("-orient TopLeft -compress RLE", "rle.tga"), source), 0);
    // Run-length BMP needs a palette.
    const std::string flatPalette = "-background white -flatten -colors 200 -type Palette ";
    EXPECT_EQ(MaxDifference(Convert(flatPalette + "-compress RLE", "BMP3:rle.bmp"),
                            Convert(flatPalette, "palette.ppm")),
              0);
    const Image progressive =
        Convert("-background white -flatten -quality 92 -interlace JPEG", "p.jpg");
    EXPECT_LT(MeanDifference(progressive, OverWhite(source)), 4);
    const Image cmyk =
        Convert("-background white -flatten -colorspace CMYK -quality 95", "cmyk.jpg");
    EXPECT_LT(MeanDifference(cmyk, OverWhite(source)), 6);
    // A bare codestream, checked against ImageMagick's own decoding of it.
    const Image codestream = Convert("-background white -flatten", "J2K:bare.j2k");
    ASSERT_EQ(RunShell(dir, "convert-im6.q16 '" + (dir / "bare.j2k").string() + "' '" +
                                (dir / "bare.ppm").string() + "'")
                  .status,
              0);
    QString error;
    EXPECT_EQ(MaxDifference(codestream, ReadImage(ToQString(dir / "bare.ppm"), &error)), 0);
    EXPECT_LT(MeanDifference(codestream, flat), 1);
}

TEST_F(MadeByImageMagick, LargestIconAndFirstFrame)
{
    const Image icon = Convert("-define icon:auto-resize=16,48,32", "sizes.ico");
    EXPECT_EQ(icon.Width(), 48);
    RunShell(dir, "convert-im6.q16 -size 20x10 xc:red -size 30x15 xc:blue '" +
                      (dir / "two.gif").string() + "'");
    QString error;
    const Image first = ReadImage(ToQString(dir / "two.gif"), &error);
    ASSERT_FALSE(first.IsNull()) << error.toStdString();
    EXPECT_EQ(first.Width(), 20);
    EXPECT_EQ(first.Pixel(5, 5)[0], 255);
}

} // namespace
} // namespace lumaskin::test
