// Damaged archives - cut short at every length, or with bytes changed anywhere - never crash,
// hang or leak: they either extract or raise one of the reader's exceptions.
#include "platform/file_exception.h"
#include "tests/support/temp_dir.h"
#include "tests/zip/zip_fixture.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

struct Outcome
{
    int opened = 0;
    int extracted = 0;
    int zipErrors = 0;
    int fileErrors = 0;
};

// Opens `bytes` as an archive and extracts every entry the way the skin engine does.
void ExtractAll(ZipArchive &archive, const TempDir &dir, const std::string &bytes, Outcome &outcome)
{
    const fs::path path = dir / "damaged.zip";
    // A new file each time: rewriting one in place makes the file system flush it first.
    fs::remove(path);
    WriteFile(path, bytes);
    const fs::path out = dir / "out";
    archive.Close(true);
    try {
        archive.Open(path.string(), 0, 0);
        ++outcome.opened;
        const int count = archive.GetEntryCount();
        for (int i = 0; i < count; ++i)
            if (archive.ExtractEntry(static_cast<std::uint16_t>(i), out.string(), true,
                                     std::nullopt, 65535))
                ++outcome.extracted;
    } catch (const CZipException &e) {
        EXPECT_GE(e.cause, 1);
        EXPECT_LE(e.cause, 18);
        ++outcome.zipErrors;
    } catch (const FileException &) {
        ++outcome.fileErrors;
    }
    archive.Close(true);
    // The folder is kept between attempts (extraction replaces what is there): removing
    // folders is the slowest part of a run on some file systems.
}

std::string SampleArchive()
{
    return BuildArchive(
        {{.name = "Skin.ini", .data = TextData(700, 21)},
         {.name = "img/", .data = "", .method = 0, .externalAttr = 0x10},
         {.name = "img/a.bmp", .data = NoiseData(300, 22), .method = 0},
         {.name = "img/b.bmp", .data = TextData(900, 23), .descriptor = ZipDescriptor::WithSignature},
         {.name = "c.txt",
          .data = TextData(200, 24),
          .method = 0,
          .descriptor = ZipDescriptor::WithoutSignature}},
        {.comment = "skin"});
}

TEST(ZipRobustnessTest, TruncatedAtEveryLength)
{
    TempDir dir;
    ZipArchive archive; // one object for every attempt, as the skin dialog keeps it
    const std::string zip = SampleArchive();
    Outcome outcome;
    for (std::size_t length = 0; length < zip.size(); ++length)
        ExtractAll(archive, dir, zip.substr(0, length), outcome);
    // Without its end record nothing opens; the whole archive still extracts afterwards.
    EXPECT_EQ(outcome.opened, 0);
    EXPECT_EQ(outcome.zipErrors, static_cast<int>(zip.size()));
    Outcome whole;
    ExtractAll(archive, dir, zip, whole);
    EXPECT_EQ(whole.extracted, 5);
}

TEST(ZipRobustnessTest, BytesChangedAnywhere)
{
    TempDir dir;
    ZipArchive archive;
    const std::string zip = SampleArchive();
    Outcome outcome;
    for (std::size_t at = 0; at < zip.size(); ++at) {
        for (unsigned char change : {0x01, 0x80, 0xFF}) {
            std::string damaged = zip;
            damaged[at] = static_cast<char>(damaged[at] ^ change);
            ExtractAll(archive, dir, damaged, outcome);
        }
    }
    // Changes inside data are caught by the CRC; the rest mostly by the structure checks.
    EXPECT_GT(outcome.zipErrors, 0);
    EXPECT_GT(outcome.extracted, 0);
}

TEST(ZipRobustnessTest, EntryTablesOfEveryShape)
{
    // Hostile values in the end record and the directory: huge counts, offsets and sizes.
    TempDir dir;
    ZipArchive archive;
    const std::string zip = SampleArchive();
    const std::size_t end = EndRecordOffset(zip);
    const std::size_t central = zip.find(std::string("PK\x01\x02", 4));
    Outcome outcome;
    for (std::uint32_t value : {0u, 1u, 0x7FFFu, 0xFFFFu, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        for (std::size_t field : {end + 4, end + 6, end + 8, end + 10, end + 20}) {
            std::string damaged = zip;
            Put16(damaged, field, static_cast<std::uint16_t>(value));
            ExtractAll(archive, dir, damaged, outcome);
        }
        for (std::size_t field : {end + 12, end + 16, central + 20, central + 24, central + 42}) {
            std::string damaged = zip;
            Put32(damaged, field, value);
            ExtractAll(archive, dir, damaged, outcome);
        }
    }
    EXPECT_GT(outcome.zipErrors + outcome.fileErrors, 0);
}

} // namespace
} // namespace lumaskin::test
