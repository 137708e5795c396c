// Opening archives: finding the end record, loading the central directory, the volume files
// and the archive's life cycle.
#include "platform/file_exception.h"
#include "tests/support/temp_dir.h"
#include "tests/zip/zip_fixture.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <unistd.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

class ZipOpenTest : public ::testing::Test
{
protected:
    std::string Write(const std::string &bytes, const std::string &name = "archive.zip")
    {
        WriteFile(dir / name, bytes);
        return (dir / name).string();
    }

    // The cause of the CZipException that opening `path` raises, or 0 if it opens.
    int OpenCause(const std::string &path)
    {
        try {
            archive.Open(path, 0, 0);
            return 0;
        } catch (const CZipException &e) {
            EXPECT_EQ(e.fileName, path);
            return e.cause;
        }
    }

    static std::vector<FixtureEntry> TwoEntries()
    {
        return {{.name = "Skin.ini", .data = TextData(5000)},
                {.name = "img/back.bmp", .data = NoiseData(3000), .method = 0}};
    }

    TempDir dir;
    ZipArchive archive;
};

TEST_F(ZipOpenTest, ArchiveWithoutEntriesOpensAndExtractsNothing)
{
    archive.Open(Write(EmptyArchive()), 0, 0);
    EXPECT_FALSE(archive.IsClosed());
    EXPECT_EQ(archive.GetEntryCount(), 0);
    EXPECT_FALSE(archive.ExtractEntry(0, (dir / "out").string(), true, std::nullopt, 65535));
    archive.Close(true);
    EXPECT_TRUE(archive.IsClosed());
}

TEST_F(ZipOpenTest, EndRecordIsFoundUpToTheLongestComment)
{
    const std::string comment(65535, 'c');
    archive.Open(Write(BuildArchive(TwoEntries(), {.comment = comment})), 0, 0);
    EXPECT_EQ(archive.GetComment().size(), 65535u);
    EXPECT_EQ(archive.GetEntryCount(), 2);
    EXPECT_TRUE(archive.ExtractEntry(1, (dir / "out").string(), true, std::nullopt, 65535));
    EXPECT_EQ(ReadFile(dir / "out/img/back.bmp"), NoiseData(3000));
}

TEST_F(ZipOpenTest, SearchStopsAt65557BytesFromTheEnd)
{
    const std::string zip = BuildArchive(TwoEntries());
    // Trailing bytes without a signature: 65535 of them still leave the record in reach.
    EXPECT_EQ(OpenCause(Write(zip + std::string(65535, 'x'), "near.zip")), 0);
    EXPECT_EQ(archive.GetEntryCount(), 2);
    archive.Close(true);
    EXPECT_EQ(OpenCause(Write(zip + std::string(65536, 'x'), "far.zip")),
              CZipException::cdirNotFound);
}

TEST_F(ZipOpenTest, FilesWithoutAnEndRecordRaiseCause18)
{
    EXPECT_EQ(OpenCause(Write("", "empty.zip")), CZipException::cdirNotFound);
    archive.Close(true);
    EXPECT_EQ(OpenCause(Write("PK\x05", "tiny.zip")), CZipException::cdirNotFound);
    archive.Close(true);
    EXPECT_EQ(OpenCause(Write(TextData(100000), "text.zip")), CZipException::cdirNotFound);
    archive.Close(true);
    // A truncated archive loses its end record.
    const std::string zip = BuildArchive(TwoEntries());
    EXPECT_EQ(OpenCause(Write(zip.substr(0, zip.size() - 20), "cut.zip")),
              CZipException::cdirNotFound);
}

TEST_F(ZipOpenTest, SignatureStraddlingTheChunkBoundaryIsFound)
{
    // The first piece searched is the last 32768 bytes; put the signature 1, 2 and 3 bytes
    // over its front edge, and once wholly into the next piece.
    for (std::size_t over : {1u, 2u, 3u, 4u}) {
        const std::size_t fromEnd = 32768 + over;
        const std::string comment(fromEnd - 22, 'c');
        const std::string zip = BuildArchive(TwoEntries(), {.comment = comment});
        ASSERT_EQ(zip.size() - EndRecordOffset(zip), fromEnd);
        SCOPED_TRACE(over);
        EXPECT_EQ(OpenCause(Write(zip, "straddle.zip")), 0);
        EXPECT_EQ(archive.GetEntryCount(), 2);
        archive.Close(true);
    }
}

TEST_F(ZipOpenTest, SignatureInTheLastBytesRaisesCause10)
{
    EXPECT_EQ(OpenCause(Write(TextData(500) + "PK\x05\x06" + std::string(10, '\0'))),
              CZipException::badZipFile);
}

TEST_F(ZipOpenTest, PrependedDataShiftsEveryOffset)
{
    const std::string stub = "#!/bin/sh\necho self-extracting stub\nexit 0\n" + NoiseData(1000);
    for (bool adjusted : {false, true}) {
        SCOPED_TRACE(adjusted);
        const std::string zip =
            BuildArchive(TwoEntries(), {.prefix = stub, .adjustOffsets = adjusted});
        archive.Open(Write(zip, "stub.zip"), 0, 0);
        EXPECT_EQ(archive.GetBytesBefore(), adjusted ? 0u : stub.size());
        const fs::path out = dir / (adjusted ? "adjusted" : "plain");
        EXPECT_TRUE(archive.ExtractEntry(0, out.string(), true, std::nullopt, 65535));
        EXPECT_TRUE(archive.ExtractEntry(1, out.string(), true, std::nullopt, 65535));
        EXPECT_EQ(ReadFile(out / "Skin.ini"), TextData(5000));
        EXPECT_EQ(ReadFile(out / "img/back.bmp"), NoiseData(3000));
        archive.Close(true);
    }
}

TEST_F(ZipOpenTest, InconsistentDirectoryBoundsRaiseCause10)
{
    const std::string zip = BuildArchive(TwoEntries());
    const std::size_t end = EndRecordOffset(zip);

    std::string beyond = zip; // directory offset + size past the end record
    Put32(beyond, end + 16, static_cast<std::uint32_t>(end - 10));
    EXPECT_EQ(OpenCause(Write(beyond)), CZipException::badZipFile);
    archive.Close(true);

    std::string noSize = zip; // entries but no directory
    Put32(noSize, end + 12, 0);
    EXPECT_EQ(OpenCause(Write(noSize)), CZipException::badZipFile);
    archive.Close(true);

    std::string noEntries = zip; // a directory but no entries
    Put16(noEntries, end + 8, 0);
    Put16(noEntries, end + 10, 0);
    EXPECT_EQ(OpenCause(Write(noEntries)), CZipException::badZipFile);
    archive.Close(true);

    std::string badHeader = zip; // the directory's first signature damaged
    badHeader[zip.find(std::string("PK\x01\x02", 4)) + 3] = 9;
    EXPECT_EQ(OpenCause(Write(badHeader)), CZipException::badZipFile);
    archive.Close(true);

    std::string moreEntries = zip; // more entries claimed than the directory holds
    Put16(moreEntries, end + 8, 3);
    Put16(moreEntries, end + 10, 3);
    EXPECT_EQ(OpenCause(Write(moreEntries)), CZipException::badZipFile);
}

TEST_F(ZipOpenTest, MissingArchiveRaisesTheFileException)
{
    const std::string path = (dir / "missing.zip").string();
    try {
        archive.Open(path, 0, 0);
        FAIL() << "no exception";
    } catch (const FileException &e) {
        EXPECT_EQ(e.path(), path);
        EXPECT_EQ(e.error(), ENOENT);
        EXPECT_NE(std::string(e.what()).find("missing.zip"), std::string::npos);
    }
    EXPECT_TRUE(archive.IsClosed());
    archive.Close(true);
    EXPECT_THROW(archive.Open(dir.Path().string(), 0, 0), FileException); // a folder
}

// The access mode of the descriptor this process holds on `path`, or -1.
int OpenAccessMode(const fs::path &path)
{
    for (const auto &fd : fs::directory_iterator("/proc/self/fd")) {
        std::error_code error;
        if (fs::read_symlink(fd.path(), error) != path)
            continue;
        const int flags = fcntl(std::stoi(fd.path().filename().string()), F_GETFL);
        return flags & O_ACCMODE;
    }
    return -1;
}

TEST_F(ZipOpenTest, BothModesOpenTheArchiveForReadingOnly)
{
    const std::string path = Write(BuildArchive(TwoEntries()));
    fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    for (int mode : {0, 1}) {
        archive.Open(path, mode, 0);
        EXPECT_EQ(OpenAccessMode(path), O_RDONLY) << "mode " << mode;
        EXPECT_EQ(archive.GetEntryCount(), 2);
        archive.Close(true);
        EXPECT_EQ(OpenAccessMode(path), -1);
    }
    EXPECT_THROW(archive.Open(path, 2, 0), std::invalid_argument);
    EXPECT_TRUE(archive.IsClosed());
}

TEST_F(ZipOpenTest, CloseIsSafeInEveryState)
{
    archive.Close(true); // never opened
    archive.Close(true);
    archive.Close(false);

    const std::string good = Write(BuildArchive(TwoEntries()), "good.zip");
    const std::string other = Write(EmptyArchive(), "other.zip");
    archive.Open(good, 0, 0);
    archive.Open(other, 0, 0); // already open: nothing happens
    EXPECT_EQ(archive.GetEntryCount(), 2);
    ASSERT_TRUE(archive.OpenEntry(0));
    archive.Close(true); // with an entry and its inflater open
    archive.Close(true);
    EXPECT_EQ(archive.GetEntryCount(), 0);

    // Failing before and after the archive counts as open; both are released by Close and
    // the object opens the next archive as usual.
    std::string damaged = BuildArchive(TwoEntries());
    damaged[damaged.find(std::string("PK\x01\x02", 4))] = 'X';
    for (const std::string &bad :
         {Write("not an archive", "bad1.zip"), Write(damaged, "bad2.zip")}) {
        EXPECT_THROW(archive.Open(bad, 0, 0), CZipException);
        archive.Close(true);
        EXPECT_TRUE(archive.IsClosed());
        EXPECT_EQ(OpenAccessMode(bad), -1);
        archive.Close(true);
        archive.Open(good, 0, 0);
        EXPECT_EQ(archive.GetEntryCount(), 2);
        archive.Close(false);
    }
}

// A set of numbered volume files: set.000, set.001 and the last volume set.zip.
class ZipVolumeTest : public ZipOpenTest
{
protected:
    void SetUp() override
    {
        // One stored entry whose data runs from volume 0 into volume 1, and a deflated one
        // wholly on volume 1; the directory and end record on the last volume, 2.
        const std::string first = NoiseData(3000, 7);
        const std::string second = TextData(4000, 8);
        std::string zip = BuildArchive(
            {{.name = "a.bin", .data = first, .method = 0}, {.name = "b.txt", .data = second}});
        const std::size_t directory = zip.find(std::string("PK\x01\x02", 4));
        const std::string data = zip.substr(0, directory);
        std::string tail = zip.substr(directory);
        const std::size_t split = 1000; // inside a.bin's data
        const std::size_t secondLocal = data.find(std::string("PK\x03\x04", 4), 4);
        // Directory entries: disk start and local offsets relative to their volume.
        const std::size_t secondCentral = tail.find(std::string("PK\x01\x02", 4), 4);
        Put16(tail, secondCentral + 34, 1);
        Put32(tail, secondCentral + 42, static_cast<std::uint32_t>(secondLocal - split));
        const std::size_t end = EndRecordOffset(tail);
        Put16(tail, end + 4, 2);  // this volume
        Put16(tail, end + 6, 2);  // the directory's volume
        Put32(tail, end + 16, 0); // the directory's offset on its volume
        Write(data.substr(0, split), "set.000");
        Write(data.substr(split), "set.001");
        path = Write(tail, "set.zip");
        expected = {first, second};
    }

    std::string path;
    std::vector<std::string> expected;
};

TEST_F(ZipVolumeTest, EntriesAreReadAcrossNumberedVolumes)
{
    for (int volumeSize : {0, 1440}) {
        archive.Open(path, 0, volumeSize);
        ASSERT_EQ(archive.GetEntryCount(), 2);
        const fs::path out = dir / ("out" + std::to_string(volumeSize));
        EXPECT_TRUE(archive.ExtractEntry(0, out.string(), true, std::nullopt, 65535));
        EXPECT_TRUE(archive.ExtractEntry(1, out.string(), true, std::nullopt, 65535));
        EXPECT_EQ(ReadFile(out / "a.bin"), expected[0]);
        EXPECT_EQ(ReadFile(out / "b.txt"), expected[1]);
        archive.Close(true);
    }
}

TEST_F(ZipVolumeTest, MissingVolumeRaisesTheFileException)
{
    fs::remove(dir / "set.001");
    archive.Open(path, 0, 0);
    EXPECT_THROW(archive.ExtractEntry(1, (dir / "out").string(), true, std::nullopt, 65535),
                 FileException);
    archive.Close(true);
    EXPECT_TRUE(archive.IsClosed());
}

} // namespace
} // namespace lumaskin::test
