// The generator itself: the bitmaps it writes reach the program exactly, its output does
// not change from one run to the next, and a theme with a mistake is refused.
#include "controls/bitmap_helpers.h"
#include "skins/generator/bmp_writer.h"
#include "skins/generator/theme.h"
#include "tests/skins/skin_under_test.h"
#include "tests/support/temp_dir.h"
#include "zip/zip_archive.h"
#include "zip/zip_writer.h"

#include <QString>
#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

QString Path(const fs::path &path)
{
    return QString::fromStdString(path.string());
}

TEST(BmpWriter, WritesEveryPixelExactlyIn24Bits)
{
    TempDir dir;
    // Odd widths need row padding; the key colour and its near neighbours must stay apart.
    for (const int width : {1, 5, 6, 7, 8}) {
        QImage image(width, 3, QImage::Format_RGB32);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                image.setPixel(x, y, qRgb(255 - x * 3, y * 40 + x, x % 2 ? 255 : 254));
        image.setPixel(0, 1, qRgb(255, 0, 255));
        const fs::path file = dir / ("image" + std::to_string(width) + ".bmp");
        ASSERT_TRUE(skingen::WriteBmp24(image, Path(file)));
        const std::string bytes = ReadFile(file);
        const size_t rowBytes = (width * 3 + 3) / 4 * 4;
        EXPECT_EQ(bytes.size(), 54 + rowBytes * 3);
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24);

        QImage loaded;
        ASSERT_TRUE(LoadBitmapFile(Path(file), loaded));
        ASSERT_EQ(loaded.size(), image.size());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(loaded.pixel(x, y), image.pixel(x, y)) << x << "," << y;
    }
    EXPECT_FALSE(skingen::WriteBmp24(QImage(), Path(dir / "null.bmp")));
    EXPECT_FALSE(skingen::WriteBmp24(QImage(2, 2, QImage::Format_RGB32),
                                     Path(dir / "missing" / "folder.bmp")));
}

// Runs the generator as the build does.
int Generate(const std::string &theme, const fs::path &out)
{
    return RunCommand("QT_QPA_PLATFORM=offscreen '" + std::string(LUMASKIN_SKINGEN) +
                      "' --theme '" + std::string(LUMASKIN_THEMES_DIR) + "/" + theme + "' --out '" +
                      out.string() + "' 2>/dev/null");
}

std::map<std::string, std::string> FolderContents(const fs::path &folder)
{
    std::map<std::string, std::string> contents;
    for (const auto &entry : fs::directory_iterator(folder))
        contents[entry.path().filename().string()] = ReadFile(entry.path());
    return contents;
}

TEST(Generator, WritesTheSameBytesOnEveryRunAndTheBuiltPackageHoldsThem)
{
    TempDir dir;
    ASSERT_EQ(Generate("deluxe.ini", dir / "first"), 0);
    ASSERT_EQ(Generate("deluxe.ini", dir / "second"), 0);
    const auto first = FolderContents(dir / "first");
    EXPECT_GT(first.size(), 40u);
    EXPECT_EQ(first, FolderContents(dir / "second"));

    const SkinUnderTest &built = SkinUnderTest::Get("Deluxe.zip");
    ASSERT_TRUE(built.Extracted());
    EXPECT_EQ(first, FolderContents(built.Folder().Path()));
}

TEST(ZipWriter, PacksAFolderTheSameWayEveryTimeForTheProgramsReader)
{
    TempDir dir;
    fs::create_directories(dir / "in");
    WriteFile(dir / "in" / "b.txt", std::string(5000, 'b'));
    WriteFile(dir / "in" / "a.bmp", "BM and some bytes");
    WriteFile(dir / "in" / "Skin.ini", "[Screen]\nMain=a.bmp\n");
    WriteFile(dir / "in" / "empty", "");
    QString error;
    ASSERT_TRUE(PackFolder(Path(dir / "in"), Path(dir / "one.zip"), &error)) << error.toStdString();
    // A newer time stamp and other permissions change nothing in the archive.
    fs::permissions(dir / "in" / "a.bmp", fs::perms::owner_read);
    fs::last_write_time(dir / "in" / "b.txt", fs::file_time_type::clock::now());
    ASSERT_TRUE(PackFolder(Path(dir / "in"), Path(dir / "two.zip"), &error));
    EXPECT_EQ(ReadFile(dir / "one.zip"), ReadFile(dir / "two.zip"));

    ZipArchive archive;
    archive.Open((dir / "one.zip").string(), 0, 0);
    ASSERT_EQ(archive.GetEntryCount(), 4);
    std::vector<std::string> names;
    for (std::uint16_t i = 0; i < 4; ++i) {
        names.push_back(archive.GetEntryInfo(i)->name);
        EXPECT_TRUE(archive.ExtractEntry(i, (dir / "out").string(), true, std::nullopt, 65535));
    }
    archive.Close(true);
    EXPECT_EQ(names, (std::vector<std::string>{"Skin.ini", "a.bmp", "b.txt", "empty"}));
    EXPECT_EQ(ReadFile(dir / "out" / "b.txt"), std::string(5000, 'b'));
    EXPECT_EQ(ReadFile(dir / "out" / "a.bmp"), "BM and some bytes");
    EXPECT_TRUE(fs::exists(dir / "out" / "empty"));

    fs::create_directories(dir / "nothing");
    EXPECT_FALSE(PackFolder(Path(dir / "nothing"), Path(dir / "three.zip"), &error));
    EXPECT_FALSE(fs::exists(dir / "three.zip"));
}

TEST(Generator, WritingAgainReplacesAnEarlierSkin)
{
    TempDir dir;
    fs::create_directories(dir / "out");
    WriteFile(dir / "out" / "stale.bmp", "left over");
    ASSERT_EQ(Generate("gray.ini", dir / "out"), 0);
    EXPECT_FALSE(fs::exists(dir / "out" / "stale.bmp"));
    EXPECT_TRUE(fs::exists(dir / "out" / "Skin.ini"));
}

TEST(Generator, RefusesAThemeWithAMistake)
{
    TempDir dir;
    const std::string good = ReadFile(fs::path(LUMASKIN_THEMES_DIR) / "purple.ini");
    ASSERT_FALSE(good.empty());
    QString error;
    EXPECT_TRUE(skingen::LoadTheme(Path(fs::path(LUMASKIN_THEMES_DIR) / "purple.ini"), error))
        << error.toStdString();

    auto refused = [&](const std::string &from, const std::string &to, const char *expected) {
        std::string text = good;
        const auto at = text.find(from);
        ASSERT_NE(at, std::string::npos) << from;
        text.replace(at, from.size(), to);
        WriteFile(dir / "theme.ini", text);
        QString message;
        EXPECT_FALSE(skingen::LoadTheme(Path(dir / "theme.ini"), message)) << to;
        EXPECT_TRUE(message.contains(QLatin1String(expected))) << message.toStdString();
    };
    refused("BodyTop=#4E2A80", "BodyTop=purple", "Colours/BodyTop");
    refused("BodyTop=#4E2A80", "", "Colours/BodyTop");
    refused("Corners=round", "Corners=wobbly", "Shape/Corners");
    refused("CornerSize=26", "CornerSize=lots", "Shape/CornerSize");
    refused("Layout=standard", "Layout=huge", "Skin/Layout");

    EXPECT_NE(Generate("no-such-theme.ini", dir / "none"), 0);
    EXPECT_FALSE(fs::exists(dir / "none"));
}

} // namespace
} // namespace lumaskin::test
