// Extracting entries: paths and folders, data, checks, descriptors, names, times,
// permissions, and entries that must not be written.
#include "platform/file_exception.h"
#include "platform/file_info.h"
#include "tests/support/temp_dir.h"
#include "tests/zip/zip_fixture.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

class ZipExtractTest : public ::testing::Test
{
protected:
    void Open(const std::vector<FixtureEntry> &entries, const FixtureOptions &options = {})
    {
        WriteFile(dir / "archive.zip", BuildArchive(entries, options));
        archive.Open((dir / "archive.zip").string(), 0, 0);
    }

    bool Extract(std::uint16_t index, bool keepPath = true,
                 const std::optional<std::string> &newName = std::nullopt,
                 std::uint32_t bufferSize = 65535)
    {
        return archive.ExtractEntry(index, out.string(), keepPath, newName, bufferSize);
    }

    int ExtractCause(std::uint16_t index)
    {
        try {
            Extract(index);
            return 0;
        } catch (const CZipException &e) {
            EXPECT_EQ(e.fileName, (dir / "archive.zip").string());
            return e.cause;
        }
    }

    static mode_t Mode(const fs::path &path)
    {
        struct stat st
        {
        };
        EXPECT_EQ(lstat(path.c_str(), &st), 0) << path;
        return st.st_mode & 07777;
    }

    TempDir dir;
    fs::path out = dir / "work" / "Test"; // created by the first extraction
    ZipArchive archive;
};

TEST_F(ZipExtractTest, EntryPathsAreRecreatedBelowTheFolder)
{
    Open({{.name = "skins/img/a.bmp", .data = "bitmap"},
          {.name = "dir/", .data = "", .method = 0, .externalAttr = 0x10},
          {.name = "plain/", .data = "", .method = 0, .externalAttr = 0},
          {.name = "attr", .data = "", .method = 0, .externalAttr = 0x10},
          {.name = "./x/./y//z.txt", .data = "z"}});
    EXPECT_TRUE(Extract(0));
    EXPECT_EQ(ReadFile(out / "skins/img/a.bmp"), "bitmap");
    EXPECT_TRUE(Extract(1));
    EXPECT_TRUE(fs::is_directory(out / "dir"));
    EXPECT_TRUE(Extract(2)); // a trailing slash marks a folder even without the attribute
    EXPECT_TRUE(fs::is_directory(out / "plain"));
    EXPECT_TRUE(Extract(3)); // so does the attribute without the slash
    EXPECT_TRUE(fs::is_directory(out / "attr"));
    EXPECT_TRUE(Extract(4));
    EXPECT_EQ(ReadFile(out / "x/y/z.txt"), "z");

    // Without the path only the file name counts; a new name replaces the stored one.
    EXPECT_TRUE(Extract(0, false));
    EXPECT_EQ(ReadFile(out / "a.bmp"), "bitmap");
    EXPECT_TRUE(Extract(0, true, "renamed/b.bmp"));
    EXPECT_EQ(ReadFile(out / "renamed/b.bmp"), "bitmap");
    EXPECT_TRUE(archive.IsDirectoryEntry(1));
    EXPECT_FALSE(archive.IsDirectoryEntry(0));
    EXPECT_FALSE(archive.IsDirectoryEntry(99));
}

TEST_F(ZipExtractTest, StoredAndDeflatedEntriesOfEverySizeAreWrittenWhole)
{
    std::vector<FixtureEntry> entries;
    std::vector<std::string> contents;
    for (std::size_t size : {std::size_t{0}, std::size_t{1}, std::size_t{16384}, std::size_t{65535},
                             std::size_t{65536}, std::size_t{3 * 65535}, std::size_t{200001}}) {
        for (bool text : {true, false}) {
            const std::string data = text ? TextData(size, 3) : NoiseData(size, 4);
            for (std::uint16_t method : {0, 8}) {
                entries.push_back(
                    {.name = "f" + std::to_string(entries.size()), .data = data, .method = method});
                contents.push_back(data);
            }
        }
    }
    Open(entries);
    for (std::uint32_t bufferSize : {65535u, 1u, 4099u}) {
        out = dir / ("chunk" + std::to_string(bufferSize));
        for (std::uint16_t i = 0; i < entries.size(); ++i) {
            if (bufferSize == 1 && contents[i].size() > 20000)
                continue; // byte by byte only for the small ones, to keep the test quick
            ASSERT_TRUE(Extract(i, true, std::nullopt, bufferSize)) << i;
            EXPECT_EQ(ReadFile(out / entries[i].name), contents[i]) << i << "/" << bufferSize;
        }
    }
}

TEST_F(ZipExtractTest, AlteredStoredDataRaisesCause11AfterTheFileIsWritten)
{
    FixtureEntry entry{.name = "a.txt", .data = TextData(70000), .method = 0};
    std::string altered = entry.data;
    altered[12345] ^= 0x20;
    entry.payload = altered;
    Open({entry, {.name = "b.txt", .data = "next"}});
    EXPECT_EQ(ExtractCause(0), CZipException::badCrc);
    EXPECT_EQ(ReadFile(out / "a.txt"), altered); // written in full and closed
    // The failed entry holds nothing back: the next one extracts as usual.
    EXPECT_TRUE(Extract(1));
    EXPECT_EQ(ReadFile(out / "b.txt"), "next");
}

TEST_F(ZipExtractTest, DamagedDeflateDataRaisesZlibCauses)
{
    std::string truncated = RawDeflate(TextData(50000));
    truncated.resize(truncated.size() / 2);
    Open({{.name = "bad", .data = "some data", .payload = std::string("\xff\xff\xff\xff", 4)},
          {.name = "short", .data = TextData(50000), .payload = truncated},
          {.name = "good", .data = "fine"}});
    EXPECT_EQ(ExtractCause(0), CZipException::dataError);
    EXPECT_EQ(ExtractCause(1), CZipException::bufError);
    EXPECT_TRUE(Extract(2));
}

TEST_F(ZipExtractTest, DataDescriptorsWithAndWithoutSignature)
{
    Open({{.name = "signed", .data = TextData(30000), .descriptor = ZipDescriptor::WithSignature},
          {.name = "bare",
           .data = NoiseData(100),
           .method = 0,
           .descriptor = ZipDescriptor::WithoutSignature},
          {.name = "wide", .data = TextData(999), .descriptor = ZipDescriptor::Zip64},
          {.name = "empty", .data = "", .descriptor = ZipDescriptor::WithSignature}});
    for (std::uint16_t i = 0; i < 4; ++i)
        EXPECT_TRUE(Extract(i)) << i;
    EXPECT_EQ(ReadFile(out / "signed"), TextData(30000));
    EXPECT_EQ(ReadFile(out / "bare"), NoiseData(100));
    EXPECT_EQ(ReadFile(out / "wide"), TextData(999));
    EXPECT_TRUE(fs::exists(out / "empty"));
}

TEST_F(ZipExtractTest, DescriptorThatDisagreesWithTheDirectoryRaisesCause10)
{
    std::string zip =
        BuildArchive({{.name = "a", .data = "abc", .descriptor = ZipDescriptor::WithSignature}});
    const std::size_t descriptor = zip.find(std::string("PK\x07\x08", 4));
    Put32(zip, descriptor + 12, 4); // uncompressed size
    WriteFile(dir / "archive.zip", zip);
    archive.Open((dir / "archive.zip").string(), 0, 0);
    EXPECT_EQ(ExtractCause(0), CZipException::badZipFile);
}

TEST_F(ZipExtractTest, LocalHeaderMustMatchTheDirectory)
{
    const std::vector<FixtureEntry> entries = {{.name = "a.txt", .data = "hello"},
                                               {.name = "b.txt", .data = "world"}};
    const std::string zip = BuildArchive(entries);
    // Offsets in the first local header: flags 6, method 8, CRC 14, sizes 18 and 22, name
    // length 26; and the signature itself.
    for (std::size_t field : {0u, 6u, 8u, 14u, 18u, 22u, 26u}) {
        SCOPED_TRACE(field);
        std::string damaged = zip;
        damaged[field] ^= 0x01;
        WriteFile(dir / "archive.zip", damaged);
        archive.Open((dir / "archive.zip").string(), 0, 0);
        EXPECT_EQ(ExtractCause(0), CZipException::badZipFile);
        EXPECT_TRUE(Extract(1));
        archive.Close(true);
    }
    // Time, date and version are not compared.
    std::string relaxed = zip;
    relaxed[4] = 63;
    relaxed[10] ^= 0x02;
    WriteFile(dir / "archive.zip", relaxed);
    archive.Open((dir / "archive.zip").string(), 0, 0);
    EXPECT_TRUE(Extract(0));
}

TEST_F(ZipExtractTest, UnsupportedMethodRaisesCause10)
{
    Open({{.name = "a.bz2", .data = "x", .method = 12, .payload = "BZh91AY"}});
    EXPECT_EQ(ExtractCause(0), CZipException::badZipFile);
}

TEST_F(ZipExtractTest, EncryptedEntryIsSkippedAndTheNextExtracts)
{
    Open({{.name = "secret.txt",
           .data = "hidden",
           .method = 0,
           .flags = 0x0001,
           .payload = std::string(18, 'e')},
          {.name = "open.txt", .data = "visible"}});
    EXPECT_FALSE(Extract(0));
    EXPECT_FALSE(fs::exists(out / "secret.txt"));
    EXPECT_TRUE(Extract(1));
    EXPECT_EQ(ReadFile(out / "open.txt"), "visible");
}

TEST_F(ZipExtractTest, ModificationTimeIsTheEntrysLocalDosTime)
{
    Open({{.name = "a.txt", .data = "a"}});
    ASSERT_TRUE(Extract(0));
    std::tm local{};
    local.tm_year = 2021 - 1900;
    local.tm_mon = 5;
    local.tm_mday = 15;
    local.tm_hour = 10;
    local.tm_min = 30;
    local.tm_sec = 44;
    local.tm_isdst = -1;
    const std::time_t expected = std::mktime(&local);
    struct stat st
    {
    };
    ASSERT_EQ(stat((out / "a.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mtime, expected);
    EXPECT_EQ(DosDateTimeToTime(((2021 - 1980) << 9) | (6 << 5) | 15, (10 << 11) | (30 << 5) | 22),
              expected);
}

TEST_F(ZipExtractTest, PermissionsFollowTheEntrysAttributes)
{
    constexpr std::uint16_t kUnix = 3 << 8 | 30;
    Open({{.name = "readonly.txt", .data = "r", .externalAttr = 0x21},
          {.name = "normal.txt", .data = "n", .externalAttr = 0x20},
          {.name = "tool.sh",
           .data = "#!/bin/sh\n",
           .versionMadeBy = kUnix,
           .externalAttr = 0104755u << 16},
          {.name = "private", .data = "p", .versionMadeBy = kUnix, .externalAttr = 0100600u << 16},
          {.name = "sticky", .data = "s", .versionMadeBy = kUnix, .externalAttr = 0103777u << 16},
          {.name = "locked/",
           .data = "",
           .method = 0,
           .versionMadeBy = kUnix,
           .externalAttr = (040555u << 16) | 0x10},
          {.name = "locked/inside.txt", .data = "i"}});
    for (std::uint16_t i = 0; i < 7; ++i)
        ASSERT_TRUE(Extract(i)) << i;
    const mode_t mask = umask(0);
    umask(mask);
    EXPECT_EQ(Mode(out / "readonly.txt"), 0444 & ~mask);
    EXPECT_EQ(Mode(out / "normal.txt"), 0666 & ~mask);
    EXPECT_EQ(Mode(out / "tool.sh"), 0755u); // never set-user-id
    EXPECT_EQ(Mode(out / "private"), 0600u);
    EXPECT_EQ(Mode(out / "sticky"), 0777u); // never sticky or set-group-id
    EXPECT_EQ(Mode(out / "locked"), 0755u); // the owner keeps the right to fill it
    EXPECT_EQ(ReadFile(out / "locked/inside.txt"), "i");
}

TEST_F(ZipExtractTest, NamesAreConvertedToUtf8)
{
    Open({{.name = "\x82t\x82 \x9c.txt", .data = "oem"},
          {.name = "\xc3\xa9t\xc3\xa9.txt", .data = "utf8", .flags = 0x0800},
          {.name = "win\\sub\\file.txt", .data = "backslash"}});
    EXPECT_EQ(archive.GetEntryInfo(0)->name, "\xc3\xa9t\xc3\xa9 \xc2\xa3.txt"); // été £
    for (std::uint16_t i = 0; i < 3; ++i)
        ASSERT_TRUE(Extract(i)) << i;
    EXPECT_EQ(ReadFile(out / "\xc3\xa9t\xc3\xa9 \xc2\xa3.txt"), "oem");
    EXPECT_EQ(ReadFile(out / "\xc3\xa9t\xc3\xa9.txt"), "utf8");
    EXPECT_EQ(ReadFile(out / "win/sub/file.txt"), "backslash");
}

TEST_F(ZipExtractTest, NamesThatLeaveTheFolderAreRefused)
{
    const std::vector<std::string> names = {"../evil.txt",
                                            "a/../../evil.txt",
                                            "/tmp/evil.txt",
                                            "C:/evil.txt",
                                            "..",
                                            "../",
                                            std::string("nul\0.txt", 8),
                                            ""};
    std::vector<FixtureEntry> entries;
    for (const std::string &name : names)
        entries.push_back({.name = name, .data = "evil"});
    entries.push_back({.name = "good.txt", .data = "good"});
    Open(entries);
    for (std::uint16_t i = 0; i < names.size(); ++i)
        EXPECT_FALSE(Extract(i)) << names[i];
    EXPECT_FALSE(Extract(8, true, "../renamed.txt"));
    EXPECT_TRUE(Extract(8));
    EXPECT_EQ(ReadFile(out / "good.txt"), "good");
    // Nothing but the good file and its folder exists anywhere under the temporary folder.
    std::vector<fs::path> found;
    for (const auto &item : fs::recursive_directory_iterator(dir.Path()))
        found.push_back(fs::relative(item.path(), dir.Path()));
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found,
              (std::vector<fs::path>{"archive.zip", "work", "work/Test", "work/Test/good.txt"}));
}

TEST_F(ZipExtractTest, SymbolicLinksInTheTargetAreNeverFollowed)
{
    const fs::path outside = dir / "outside";
    fs::create_directories(outside);
    fs::create_directories(out);
    WriteFile(outside / "target.txt", "untouched");
    fs::create_symlink(outside, out / "link");
    fs::create_symlink(outside / "target.txt", out / "file.txt");
    Open({{.name = "link/x.txt", .data = "through a link"},
          {.name = "link/", .data = "", .method = 0, .externalAttr = 0x10},
          {.name = "file.txt", .data = "replaced"}});
    EXPECT_FALSE(Extract(0));
    EXPECT_FALSE(Extract(1));
    EXPECT_FALSE(fs::exists(outside / "x.txt"));
    // A link in the place of the file itself is replaced, not written through.
    EXPECT_TRUE(Extract(2));
    EXPECT_FALSE(fs::is_symlink(out / "file.txt"));
    EXPECT_EQ(ReadFile(out / "file.txt"), "replaced");
    EXPECT_EQ(ReadFile(outside / "target.txt"), "untouched");
}

TEST_F(ZipExtractTest, LeftOverFilesAreReplacedAndObstaclesReported)
{
    fs::create_directories(out);
    WriteFile(out / "old.txt", "left over");
    fs::permissions(out / "old.txt", fs::perms::owner_read);
    WriteFile(out / "blocker", "a file where a folder is needed");
    Open({{.name = "old.txt", .data = "new"}, {.name = "blocker/inner.txt", .data = "x"}});
    EXPECT_TRUE(Extract(0));
    EXPECT_EQ(ReadFile(out / "old.txt"), "new");
    try {
        Extract(1);
        FAIL() << "no exception";
    } catch (const FileException &e) {
        EXPECT_EQ(e.path(), (out / "blocker").string());
        EXPECT_EQ(e.error(), ENOTDIR);
    }
    // The archive is still usable after the failure.
    EXPECT_TRUE(Extract(0));
}

TEST_F(ZipExtractTest, SoftRefusals)
{
    Open({{.name = "a.txt", .data = "a"}});
    EXPECT_FALSE(Extract(0, true, std::nullopt, 0));
    EXPECT_FALSE(archive.ExtractEntry(0, "", true, std::nullopt, 65535));
    EXPECT_FALSE(Extract(1));
    EXPECT_FALSE(archive.GetEntryInfo(1).has_value());
    EXPECT_FALSE(fs::exists(out / "a.txt"));
}

TEST_F(ZipExtractTest, EntryOperationsReportTheirState)
{
    Open({{.name = "a.txt", .data = TextData(1000)}, {.name = "b.txt", .data = "b"}});
    EXPECT_EQ(archive.CloseEntry(std::nullopt, false), 0); // nothing open
    ASSERT_TRUE(archive.OpenEntry(0));
    EXPECT_FALSE(archive.OpenEntry(1)); // one at a time
    char buffer[100];
    EXPECT_EQ(archive.ReadEntry(buffer), 100u);
    EXPECT_EQ(std::string(buffer, 100), TextData(1000).substr(0, 100));
    EXPECT_EQ(archive.CloseEntry(std::nullopt, false), -1); // data left unread
    ASSERT_TRUE(archive.OpenEntry(1));
    EXPECT_EQ(archive.ReadEntry(buffer), 1u);
    EXPECT_EQ(archive.ReadEntry(buffer), 0u);
    EXPECT_EQ(archive.CloseEntry(std::nullopt, false), 1);
    EXPECT_EQ(archive.ReadEntry(buffer), 0u); // closed

    const std::optional<ZipFileHeader> info = archive.GetEntryInfo(0);
    ASSERT_TRUE(info);
    EXPECT_EQ(info->name, "a.txt");
    EXPECT_EQ(info->uncompressedSize, 1000u);
    EXPECT_EQ(info->crc32, Crc32(TextData(1000)));
    EXPECT_EQ(info->method, 8);
    EXPECT_EQ(info->GetRecordSize(), 46u + 5u);
}

TEST_F(ZipExtractTest, ForceDirectoryCreatesTheWholeChain)
{
    EXPECT_TRUE(ZipArchive::ForceDirectory((dir / "a/b/c/").string()));
    EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
    EXPECT_TRUE(ZipArchive::ForceDirectory((dir / "a/b").string()));
    EXPECT_TRUE(ZipArchive::ForceDirectory("/"));
    WriteFile(dir / "file", "x");
    EXPECT_FALSE(ZipArchive::ForceDirectory((dir / "file").string()));
    EXPECT_FALSE(ZipArchive::ForceDirectory((dir / "file/sub").string()));
}

} // namespace
} // namespace lumaskin::test
