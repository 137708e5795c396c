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

const QString kRetry = QString::fromUtf8(kCentralDirectoryRetryText);
const QString kOpenFailed = QString::fromUtf8(kOpenFailedText);
const QString kExtractFailed = QString::fromUtf8(kExtractFailedText);

// Answers message boxes from a script and remembers what was asked.
class ScriptedMessages final : public MessageBoxes
{
public:
    struct Shown
    {
        QString text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon icon) override
    {
        shown.push_back({text, buttons, icon});
        if (onShow)
            onShow(shown.size());
        if (buttons == MessageButtons::Ok)
            return MessageAnswer::Ok;
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return MessageAnswer::No;
        }
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const Shown &box : shown)
            texts.push_back(box.text);
        return texts;
    }

    std::deque<MessageAnswer> answers;
    std::vector<Shown> shown;
    std::function<void(size_t)> onShow;
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
    ScriptedMessages messages;
    messages.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No};

    EXPECT_EQ(ExtractSkinPackage(archive, "p.skn", "/w", messages), SkinPackageResult::OpenFailed);
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{kRetry, kRetry, kRetry, kOpenFailed}));
    EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Stop);
    EXPECT_EQ(messages.shown[3].buttons, MessageButtons::Ok);
    EXPECT_EQ(messages.shown[3].icon, MessageIcon::Stop);
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
        ScriptedMessages messages;
        EXPECT_EQ(ExtractSkinPackage(archive, "p.skn", "/w", messages),
                  SkinPackageResult::OpenFailed);
        EXPECT_EQ(messages.Texts(), std::vector<QString>{kOpenFailed});
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
    ScriptedMessages messages;
    EXPECT_EQ(ExtractSkinPackage(archive, "p.skn", "/w", messages),
              SkinPackageResult::ExtractFailed);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kExtractFailed});
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
    ScriptedMessages quiet;
    EXPECT_EQ(ExtractSkinPackage(whole, "p.skn", "/w", quiet), SkinPackageResult::Extracted);
    EXPECT_TRUE(quiet.shown.empty());
    EXPECT_EQ(whole.calls.size(), 5u);
    EXPECT_EQ(whole.calls.back(), "Close");

    // Without a working folder nothing is extracted (it would land in the current folder).
    FakeArchive noFolder;
    noFolder.entryCount = 2;
    ScriptedMessages told;
    EXPECT_EQ(ExtractSkinPackage(noFolder, "p.skn", "", told), SkinPackageResult::ExtractFailed);
    EXPECT_EQ(told.Texts(), std::vector<QString>{kExtractFailed});
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
    ScriptedMessages messages;
};

TEST_F(SkinPackageTest, ExtractsIntoTheWorkingFolderAndCleansUp)
{
    const std::string ini = "[Screen]\r\nMain=back.bmp\r\n";
    const std::string bitmap(5000, 'B');
    const fs::path package = MakePackage(
        "Purple.skn", {{"Skin.ini", ini}, {"back.bmp", bitmap}, {"dlgTaskNotifier.bmp", "N"}});

    SkinWorkingFolder folder;
    ASSERT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), messages),
              SkinPackageResult::Extracted);
    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(ReadFile(folder.SkinFilePath()), ini);
    EXPECT_EQ(ReadFile(folder.FolderWithSlash() + "back.bmp"), bitmap);
    EXPECT_TRUE(archive.IsClosed());

    // The same archive object serves the next package.
    const fs::path second = MakePackage("Orange.zip", {{"Skin.ini", "[Screen]\nMain=o.bmp\n"}});
    SkinWorkingFolder next;
    ASSERT_EQ(ExtractSkinPackage(archive, second.string(), next.Path(), messages),
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
    ASSERT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), messages),
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
    EXPECT_EQ(
        ExtractSkinPackage(archive, (packages / "Nowhere.zip").string(), folder.Path(), messages),
        SkinPackageResult::OpenFailed);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kOpenFailed});
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
    messages.answers = {MessageAnswer::Yes, MessageAnswer::No};
    EXPECT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), messages),
              SkinPackageResult::OpenFailed);
    EXPECT_EQ(messages.Texts(), (std::vector<QString>{kRetry, kRetry, kOpenFailed}));

    // The user puts the whole file in place before answering Yes: the retry succeeds.
    ScriptedMessages patient;
    patient.answers = {MessageAnswer::Yes};
    patient.onShow = [&](size_t) { WriteFile(package, whole); };
    EXPECT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), patient),
              SkinPackageResult::Extracted);
    EXPECT_EQ(patient.Texts(), std::vector<QString>{kRetry});
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
    EXPECT_EQ(ExtractSkinPackage(archive, package.string(), folder.Path(), messages),
              SkinPackageResult::ExtractFailed);
    EXPECT_EQ(messages.Texts(), std::vector<QString>{kExtractFailed});
    EXPECT_EQ(ReadFile(folder.SkinFilePath()), "[Screen]\n");
    EXPECT_FALSE(fs::exists(folder.Path() + "/after.bmp"));
    EXPECT_TRUE(archive.IsClosed());
}

} // namespace
} // namespace lumaskin
