// Writing: files appear whole or not at all, and icons come out at the asked size.
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/parallel.h"
#include "tests/engine/codecs/codec_test_support.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace fs = std::filesystem;

namespace lumaskin::test {
namespace {

std::vector<std::string> NamesIn(const fs::path &folder)
{
    std::vector<std::string> names;
    for (const auto &entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A JPEG written as a JPEG with nothing done to it is decoded and encoded at once; the file must
// be the one reading and then writing makes, whatever the layout, and a file the shortcut does
// not take (turned by its EXIF orientation, truncated) must still go the usual way.
TEST(Writing, JpegToJpegAtOnceWritesWhatReadingThenWritingWrites)
{
    TempDir dir;
    const ParallelismLimit cores(4);
    ASSERT_TRUE(WriteImage(MakePhoto(1001, 703), ToQString(dir / "photo.png"), "png", nullptr));
    ASSERT_TRUE(WriteImage(MakePhoto(1001, 703), ToQString(dir / "photo.jpg"), "jpg", nullptr));
    const char *tool = "convert-im6.q16";
    if (RunShell(dir, std::string(tool) + " -version").status != 0)
        GTEST_SKIP() << "ImageMagick's convert is missing";
    for (const char *command :
         {" photo.png -interlace Plane -sampling-factor 1x1 -quality 97 progressive.jpg",
          " -size 333x211 gradient:black-white -type TrueColor -quality 90 greyish.jpg",
          " photo.png -colorspace Gray -quality 80 grey.jpg"})
        ASSERT_EQ(RunShell(dir, tool + std::string(command)).status, 0) << command;
    const std::string whole = ReadFile(dir / "photo.jpg");
    WriteFile(dir / "cut.jpg", whole.substr(0, whole.size() / 2));
    // An EXIF block saying the camera was held on its side (orientation 6).
    const std::string exif(
        "Exif\0\0MM\0\x2A\0\0\0\x08\0\x01\x01\x12\0\x03\0\0\0\x01\0\x06\0\0\0\0\0\0", 32);
    WriteFile(dir / "turned.jpg", whole.substr(0, 2) + "\xFF\xE1" + '\0' +
                                      static_cast<char>(exif.size() + 2) + exif + whole.substr(2));

    for (const char *name :
         {"photo.jpg", "progressive.jpg", "greyish.jpg", "grey.jpg", "turned.jpg", "cut.jpg"}) {
        SCOPED_TRACE(name);
        const QString source = ToQString(dir / name);
        WriteSettings settings;
        settings.quality = 85;
        QString error;
        const auto atOnce =
            TranscodeJpegFile(source, ToQString(dir / "at-once.jpg"), settings, nullptr, &error);
        const bool usual = std::string(name) == "turned.jpg" || std::string(name) == "cut.jpg";
        EXPECT_EQ(atOnce != Shortcut::Declined, !usual);
        const Image read = ReadImage(source, &error);
        if (std::string(name) == "cut.jpg") {
            EXPECT_TRUE(read.IsNull());
            continue;
        }
        if (std::string(name) == "turned.jpg") {
            EXPECT_EQ(read.Height(), 1001);
        }
        ASSERT_TRUE(WriteImage(read, ToQString(dir / "usual.jpg"), "jpg", settings, &error));
        if (atOnce != Shortcut::Declined) {
            ASSERT_EQ(atOnce, Shortcut::Done) << error.toStdString();
            EXPECT_EQ(ReadFile(dir / "at-once.jpg"), ReadFile(dir / "usual.jpg"));
        }
    }
}

TEST(Writing, RefusesWhatCannotBeWritten)
{
    TempDir dir;
    const Image picture = MakePhoto(8, 8);
    QString error;
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "a.xyz"), "xyz", &error));
    EXPECT_EQ(error, "Lumaskin cannot write the format \"xyz\"");
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "a.psd"), "psd", &error)); // read-only format
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "a"), "", &error));
    EXPECT_FALSE(WriteImage(Image(), ToQString(dir / "a.png"), "png", &error));
    EXPECT_EQ(error, "there is no picture to write");
    EXPECT_FALSE(WriteImage(picture, QString(), "png", &error));
    EXPECT_EQ(error, "no file name was given");
    EXPECT_TRUE(NamesIn(dir.Path()).empty());
    // Format names are not case-sensitive.
    EXPECT_TRUE(WriteImage(picture, ToQString(dir / "b.png"), "PNG", &error));
}

TEST(Writing, MissingFolderOrFolderInTheWayFailsCleanly)
{
    TempDir dir;
    const Image picture = MakePhoto(8, 8);
    QString error;
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "no-such-folder" / "a.png"), "png", &error));
    EXPECT_TRUE(error.startsWith("the folder ")) << error.toStdString();
    EXPECT_TRUE(error.endsWith(" does not exist")) << error.toStdString();
    EXPECT_FALSE(fs::exists(dir / "no-such-folder"));

    fs::create_directory(dir / "taken.png");
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "taken.png"), "png", &error));
    EXPECT_EQ(error, "a folder of that name is in the way");
    EXPECT_TRUE(fs::is_directory(dir / "taken.png"));

    // A folder that exists but takes no files.
    EXPECT_FALSE(WriteImage(picture, "/proc/lumaskin-test.png", "png", &error));
    EXPECT_FALSE(error.isEmpty());

    WriteFile(dir / "file", "x");
    EXPECT_FALSE(WriteImage(picture, ToQString(dir / "file" / "a.png"), "png", &error));
    EXPECT_FALSE(error.isEmpty());
}

TEST(Writing, FailureLeavesTheOldFileAndNoLeftovers)
{
    TempDir dir;
    const auto target = dir / "photo.jpg";
    WriteFile(target, "the old file");
    // JPEG cannot hold a picture wider than 65500 pixels: the encoder fails mid-way.
    const Image tooWide(70000, 1, 0x808080FF);
    ASSERT_FALSE(tooWide.IsNull());
    QString error;
    EXPECT_FALSE(WriteImage(tooWide, ToQString(target), "jpg", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(target), "the old file");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"photo.jpg"});

    // A successful write replaces the file as a whole.
    EXPECT_TRUE(WriteImage(MakePhoto(9, 9), ToQString(target), "jpg", &error));
    EXPECT_EQ(ReadFile(target).substr(0, 2), "\xFF\xD8");
    EXPECT_EQ(NamesIn(dir.Path()), std::vector<std::string>{"photo.jpg"});
}

// The temporary name fits beside a target name of any allowed length; a replaced file keeps
// its permissions; a pipe at the name is left alone.
TEST(Writing, LongNamesPermissionsAndPipes)
{
    TempDir dir;
    const auto longest = dir / (std::string(251, 'x') + ".png"); // 255 bytes
    WriteFile(longest, "old");
    ASSERT_EQ(::chmod(longest.c_str(), 0640), 0);
    QString error;
    ASSERT_TRUE(WriteImage(MakePhoto(8, 8), ToQString(longest), "png", &error))
        << error.toStdString();
    EXPECT_EQ(ReadFile(longest).substr(1, 3), "PNG");
    EXPECT_EQ(fs::status(longest).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    EXPECT_FALSE(WriteImage(MakePhoto(8, 8), ToQString(dir / (std::string(252, 'x') + ".png")),
                            "png", &error));
    EXPECT_EQ(error, "the file cannot be saved (the file name is too long)");

    ASSERT_EQ(mkfifo((dir / "pipe.png").c_str(), 0600), 0);
    EXPECT_FALSE(WriteImage(MakePhoto(8, 8), ToQString(dir / "pipe.png"), "png", &error));
    EXPECT_EQ(error, "something that is not a file is in the way");
    EXPECT_TRUE(fs::is_fifo(dir / "pipe.png"));
    EXPECT_EQ(NamesIn(dir.Path()).size(), 2u);
}

TEST(Writing, ReadOnlyFolderFailsCleanly)
{
    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind the superuser";
    TempDir dir;
    fs::create_directory(dir / "locked");
    WriteFile(dir / "locked" / "a.png", "old");
    fs::permissions(dir / "locked", fs::perms::owner_read | fs::perms::owner_exec);
    QString error;
    EXPECT_FALSE(WriteImage(MakePhoto(8, 8), ToQString(dir / "locked" / "a.png"), "png", &error));
    EXPECT_FALSE(error.isEmpty());
    EXPECT_EQ(ReadFile(dir / "locked" / "a.png"), "old");
    EXPECT_EQ(NamesIn(dir / "locked"), std::vector<std::string>{"a.png"});
}

TEST(Writing, IconIsThePictureFittedAndCentred)
{
    TempDir dir;
    const auto path = dir / "icon.ico";
    QString error;
    // A wide opaque picture: 64 x 32 becomes 32 x 16 in the middle of a clear 32 x 32 square.
    ASSERT_TRUE(WriteIcon(MakePhoto(64, 32), ToQString(path), 32, 32, &error))
        << error.toStdString();
    const Image icon = ReadImage(ToQString(path), &error);
    ASSERT_FALSE(icon.IsNull()) << error.toStdString();
    ASSERT_EQ(icon.Width(), 32);
    ASSERT_EQ(icon.Height(), 32);
    for (int y = 0; y < 32; ++y) {
        const bool inside = y >= 8 && y < 24;
        EXPECT_EQ(icon.Pixel(0, y)[3], inside ? 255 : 0) << y;
        EXPECT_EQ(icon.Pixel(31, y)[3], inside ? 255 : 0) << y;
    }
    // Other sizes, and a tall picture in a wide icon.
    ASSERT_TRUE(WriteIcon(MakePhoto(10, 40), ToQString(path), 48, 16, &error));
    const Image wide = ReadImage(ToQString(path), &error);
    EXPECT_EQ(wide.Width(), 48);
    EXPECT_EQ(wide.Height(), 16);
    EXPECT_EQ(wide.Pixel(0, 8)[3], 0);
    EXPECT_EQ(wide.Pixel(24, 8)[3], 255);

    for (auto [w, h] : {std::pair{0, 32}, {32, 0}, {257, 32}, {-1, -1}}) {
        EXPECT_FALSE(WriteIcon(MakePhoto(8, 8), ToQString(dir / "bad.ico"), w, h, &error));
        EXPECT_FALSE(error.isEmpty());
    }
    EXPECT_FALSE(fs::exists(dir / "bad.ico"));

    if (PythonWithPil().empty())
        return;
    ASSERT_TRUE(WriteIcon(MakePhoto(64, 32), ToQString(path), 32, 32, &error));
    const CommandResult pil = CompareWithPil(dir, path, icon, "RGBA");
    EXPECT_EQ(pil.output.substr(0, 12), "ICO 32 32 0 ") << pil.output;
}

TEST(Writing, LargePicturesShrinkToFitAnIcon)
{
    TempDir dir;
    const auto path = dir / "big.ico";
    QString error;
    ASSERT_TRUE(WriteImage(MakePhoto(300, 200), ToQString(path), "ico", &error));
    const Image icon = ReadImage(ToQString(path), &error);
    EXPECT_EQ(icon.Width(), 256);
    EXPECT_EQ(icon.Height(), 171);
}

// Batch conversion runs one file per core: every codec must work from several threads at once.
TEST(Writing, ThreadsReadAndWriteAtOnce)
{
    TempDir dir;
    std::vector<std::string> failures(4);
    {
        std::vector<std::jthread> threads;
        for (int t = 0; t < 4; ++t)
            threads.emplace_back([&, t] {
                const Image source = MakePhoto(40 + t, 30, false, static_cast<std::uint32_t>(t));
                for (const QString &format : WritableFormats()) {
                    const QString path =
                        ToQString(dir / ("t" + std::to_string(t) + "." + format.toStdString()));
                    QString error;
                    const bool written = format == "ico" ? WriteIcon(source, path, 32, 32, &error)
                                                         : WriteImage(source, path, format, &error);
                    const Image back = ReadImage(path, &error);
                    if (!written || back.IsNull())
                        failures[t] += format.toStdString() + ": " + error.toStdString() + "; ";
                    else if ((format == "png" || format == "bmp" || format == "tga") &&
                             MaxDifference(back, source) != 0)
                        failures[t] += format.toStdString() + " differs; ";
                }
            });
    }
    for (const std::string &failure : failures)
        EXPECT_EQ(failure, "");
}

} // namespace
} // namespace lumaskin::test
