#include "platform/file_exception.h"
#include "skin/skin_package.h"
#include "skin/skin_working_folder.h"
#include "tests/support/temp_dir.h"
#include "zip/zip_archive.h"
#include "zip/zip_exception.h"

#include <deque>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::RunCommand;
using test::TempDir;
using test::WriteFile;

const QString kOpenFailed = QString::fromUtf8(kOpenFailedText);
const QString kExtractFailed = QString::fromUtf8(kExtractFailedText);

// Answers whether to retry from a script and counts the questions.
class ScriptedRetry
{
public:
    bool operator()()
    {
        ++asked;
        if (onAsk)
            onAsk();
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question";
            return false;
        }
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    RetryOpening Callback()
    {
        return [this] { return (*this)(); };
    }

    std::deque<bool> answers;
    int asked = 0;
    std::function<void()> onAsk;
};

// An archive whose failures are chosen by the test.
class FakeArchive final : public SkinArchive
{
public:
    void Open(const std::string &path, int mode, int volumeSize) override
    {
        calls.push_back("Open " + path + " " + std::to_string(mode) + " " +
                        std::to_string(volumeSize));
        if (openFailure)
            openFailure();
    }
    int GetEntryCount() const override { return entryCount; }
    bool ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                      const std::optional<std::string> &newName, std::uint32_t bufferSize) override
    {
        calls.push_back("Extract " + std::to_string(index) + " " + folder + " " +
                        (keepPath ? "keep" : "flat") + " " + (newName ? *newName : "-") + " " +
                        std::to_string(bufferSize));
        if (failingEntry && index == *failingEntry)
            throw CZipException(CZipException::badCrc, "skin.zip");
        return true;
    }
    void Close(bool afterError) override { calls.push_back(afterError ? "Close" : "Close!"); }

    std::function<void()> openFailure;
    int entryCount = 0;
    std::optional<int> failingEntry;
    std::vector<std::string> calls;
};

TEST(SkinPackageDialogueTest, RetryAsksAgainUntilNo)
{
    FakeArchive archive;
    archive.openFailure = [] { throw CZipException(CZipException::cdirNotFound, "p.skn"); };
    ScriptedRetry retry;
    retry.answers = {true, true, false};

    const SkinPackageOutcome outcome = ExtractSkinPackage(archive, "p.skn", "/w", retry.Callback());
    EXPECT_EQ(outcome.result, SkinPackageResult::OpenFailed);
    EXPECT_EQ(outcome.reason, kOpenFailed);
    EXPECT_EQ(retry.asked, 3);
    const std::vector<std::string> expected = {"Close", "Open p.skn 0 0", "Close", "Open p.skn 0 0",
                                               "Close", "Open p.skn 0 0", "Close"};
    EXPECT_EQ(archive.calls, expected);
}

TEST(SkinPackageDialogueTest, OtherOpenFailuresSayOpenFailedAtOnce)
{
    const std::vector<std::function<void()>> failures = {
        [] { throw CZipException(CZipException::badZipFile, "p.skn"); },
        [] { throw FileException(FileException::Operation::Open, "p.skn", ENOENT); },
        [] { throw 42; },
    };
    for (const auto &failure : failures) {
        FakeArchive archive;
        archive.openFailure = failure;
        archive.entryCount = 3;
        ScriptedRetry retry;
        const SkinPackageOutcome outcome =
            ExtractSkinPackage(archive, "p.skn", "/w", retry.Callback());
        EXPECT_EQ(outcome.result, SkinPackageResult::OpenFailed);
        EXPECT_EQ(outcome.reason, kOpenFailed);
        EXPECT_EQ(retry.asked, 0);
        EXPECT_EQ(archive.calls.back(), "Close");
        EXPECT_EQ(std::ranges::count_if(
                      archive.calls, [](const auto &call) { return call.starts_with("Extract"); }),
                  0);
    }
}

TEST(SkinPackageDialogueTest, FirstExtractFailureEndsTheLoop)
{
    FakeArchive archive;
    archive.entryCount = 4;
    archive.failingEntry = 2;
    const SkinPackageOutcome outcome = ExtractSkinPackage(archive, "p.skn", "/w", {});
    EXPECT_EQ(outcome.result, SkinPackageResult::ExtractFailed);
    EXPECT_EQ(outcome.reason, kExtractFailed);
    const std::vector<std::string> expected = {"Close",
                                               "Open p.skn 0 0",
                                               "Extract 0 /w keep - 65535",
                                               "Extract 1 /w keep - 65535",
                                               "Extract 2 /w keep - 65535",
                                               "Close",
                                               "Close"};
    EXPECT_EQ(archive.calls, expected);

    FakeArchive whole;
    whole.entryCount = 2;
    const SkinPackageOutcome extracted = ExtractSkinPackage(whole, "p.skn", "/w", {});
    EXPECT_EQ(extracted.result, SkinPackageResult::Extracted);
    EXPECT_TRUE(extracted.reason.isEmpty());
    EXPECT_EQ(whole.calls.size(), 5u);
    EXPECT_EQ(whole.calls.back(), "Close");

    // Without a working folder nothing is extracted (it would land in the current folder).
    FakeArchive noFolder;
    noFolder.entryCount = 2;
    const SkinPackageOutcome told = ExtractSkinPackage(noFolder, "p.skn", "", {});
    EXPECT_EQ(told.result, SkinPackageResult::ExtractFailed);
    EXPECT_EQ(told.reason, kExtractFailed);
    EXPECT_EQ(std::ranges::count_if(noFolder.calls,
                                    [](const auto &call) { return call.starts_with("Extract"); }),
              0);
}

// Real packages made with Info-ZIP's zip.
class SkinPackageTest : public ::testing::Test
{
protected:
    // Zips the files given as (name, content) into `package`, in that order.
    fs::path MakePackage(const std::string &package,
                         const std::vector<std::pair<std::string, std::string>> &files)
    {
        const fs::path source = sources / package;
        std::string names;
        for (const auto &[name, content] : files) {
            fs::create_directories((source / name).parent_path());
            WriteFile(source / name, content);
            names += " '" + name + "'";
        }
        const fs::path zipFile = packages / package;
        EXPECT_EQ(RunCommand("zip -q -X '" + zipFile.string() + "'" + names, source), 0);
        return zipFile;
    }

    TempDir sources;
    TempDir packages;
    ZipArchive archive;
    ScriptedRetry retry;
};

TEST_F(SkinPackageTest, ExtractsIntoTheWorkingFolderAndCleansUp)
{
    const std::string ini = "[Screen]\r\nMain=back.bmp\r\n";
    const std::string bitmap(5000, 'B');
    const fs::path package = MakePackage(
        "Purple.skn", {{"Skin.ini", ini}, {"back.bmp", bitmap}, {"dlgTaskNotifier.bmp", "N"}});

    SkinWorkingFolder folder;
    const SkinPackageOutcome outcome =
        ExtractSkinPackage(archive, package.string(), folder.Path(), retry.Callback());
    ASSERT_EQ(outcome.result, SkinPackageResult::Extracted);
    EXPECT_TRUE(outcome.reason.isEmpty());
    EXPECT_EQ(ReadFile(folder.SkinFilePath()), ini);
    EXPECT_EQ(ReadFile(folder.FolderWithSlash() + "back.bmp"), bitmap);
    EXPECT_TRUE(archive.IsClosed());

    // The same archive object serves the next package.
    const fs::path second = MakePackage("Orange.zip", {{"Skin.ini", "[Screen]\nMain=o.bmp\n"}});
    SkinWorkingFolder next;
    ASSERT_EQ(ExtractSkinPackage(archive, second.string(), next.Path(), retry.Callback()).result,
              SkinPackageResult::Extracted);
    EXPECT_EQ(ReadFile(next.SkinFilePath()), "[Screen]\nMain=o.bmp\n");

    folder.DeleteWorkingFolder();
    EXPECT_FALSE(fs::exists(folder.Path()));
}

TEST_F(SkinPackageTest, PackageInASubFolderLeavesNothingBehind)
{
    const fs::path package =
        MakePackage("Nested.zip", {{"skin/Skin.ini", "[Screen]\n"}, {"skin/a.bmp", "A"}});
    SkinWorkingFolder folder;
    ASSERT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), retry.Callback()).result,
              SkinPackageResult::Extracted);
    // No skin at the top: the dialog finds nothing to load.
    EXPECT_FALSE(fs::exists(folder.SkinFilePath()));
    EXPECT_TRUE(fs::exists(folder.Path() + "/skin/Skin.ini"));
    folder.DeleteWorkingFolder();
    EXPECT_FALSE(fs::exists(folder.Path()));
}

TEST_F(SkinPackageTest, MissingPackageSaysOpenFailed)
{
    SkinWorkingFolder folder;
    const SkinPackageOutcome outcome = ExtractSkinPackage(
        archive, (packages / "Nowhere.zip").string(), folder.Path(), retry.Callback());
    EXPECT_EQ(outcome.result, SkinPackageResult::OpenFailed);
    EXPECT_EQ(outcome.reason, kOpenFailed);
    EXPECT_EQ(retry.asked, 0);
    EXPECT_TRUE(fs::is_empty(folder.Path()));
}

TEST_F(SkinPackageTest, TruncatedPackageOffersRetry)
{
    const fs::path package = MakePackage("Red.zip", {{"Skin.ini", "[Screen]\nMain=r.bmp\n"}});
    const std::string whole = ReadFile(package);
    const std::string truncated = whole.substr(0, whole.size() / 2);
    WriteFile(package, truncated);

    // Yes while still truncated asks again; No gives up.
    SkinWorkingFolder folder;
    retry.answers = {true, false};
    const SkinPackageOutcome outcome =
        ExtractSkinPackage(archive, package.string(), folder.Path(), retry.Callback());
    EXPECT_EQ(outcome.result, SkinPackageResult::OpenFailed);
    EXPECT_EQ(outcome.reason, kOpenFailed);
    EXPECT_EQ(retry.asked, 2);

    // The user puts the whole file in place before answering Yes: the retry succeeds.
    ScriptedRetry patient;
    patient.answers = {true};
    patient.onAsk = [&] { WriteFile(package, whole); };
    EXPECT_EQ(
        ExtractSkinPackage(archive, package.string(), folder.Path(), patient.Callback()).result,
        SkinPackageResult::Extracted);
    EXPECT_EQ(patient.asked, 1);
    EXPECT_EQ(ReadFile(folder.SkinFilePath()), "[Screen]\nMain=r.bmp\n");
}

TEST_F(SkinPackageTest, DamagedEntrySaysExtractFailedAndKeepsEarlierEntries)
{
    std::string text;
    for (int i = 0; i < 2000; ++i)
        text += "line " + std::to_string(i) + " of a compressible bitmap\n";
    const fs::path package = MakePackage(
        "Blue.zip", {{"Skin.ini", "[Screen]\n"}, {"damaged.bmp", text}, {"after.bmp", "after"}});
    // Spoil the middle of the second entry's compressed data.
    std::string bytes = ReadFile(package);
    const size_t second = bytes.find("damaged.bmp");
    ASSERT_NE(second, std::string::npos);
    for (size_t i = second + 200; i < second + 260; ++i)
        bytes[i] = static_cast<char>(bytes[i] ^ 0x5A);
    WriteFile(package, bytes);

    SkinWorkingFolder folder;
    const SkinPackageOutcome outcome =
        ExtractSkinPackage(archive, package.string(), folder.Path(), retry.Callback());
    EXPECT_EQ(outcome.result, SkinPackageResult::ExtractFailed);
    EXPECT_EQ(outcome.reason, kExtractFailed);
    EXPECT_EQ(ReadFile(folder.SkinFilePath()), "[Screen]\n");
    EXPECT_FALSE(fs::exists(folder.Path() + "/after.bmp"));
    EXPECT_TRUE(archive.IsClosed());
}

} // namespace
} // namespace lumaskin
