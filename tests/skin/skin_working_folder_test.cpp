#include "skin/skin_working_folder.h"
#include "tests/support/temp_dir.h"

#include <QDir>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumaskin {
namespace {

namespace fs = std::filesystem;
using test::ReadFile;
using test::TempDir;
using test::WriteFile;

// Makes a folder current for the length of a test.
class CurrentFolder
{
public:
    explicit CurrentFolder(const fs::path &folder) : m_previous(fs::current_path())
    {
        fs::current_path(folder);
    }
    ~CurrentFolder() { fs::current_path(m_previous); }

private:
    fs::path m_previous;
};

TEST(SkinWorkingFolderTest, EachFolderIsFreshAndPrivate)
{
    SkinWorkingFolder first;
    SkinWorkingFolder second;
    ASSERT_TRUE(first.IsValid());
    ASSERT_TRUE(second.IsValid());
    EXPECT_NE(first.Path(), second.Path());

    const fs::path path(first.Path());
    EXPECT_TRUE(path.is_absolute());
    EXPECT_EQ(path.parent_path(), fs::path(QDir::tempPath().toStdString()));
    EXPECT_TRUE(path.filename().string().starts_with("lumaskin-skin-"));
    EXPECT_TRUE(fs::is_empty(path));
    struct stat status = {};
    ASSERT_EQ(stat(first.Path().c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0700u);

    EXPECT_EQ(first.FolderWithSlash(), first.Path() + "/");
    EXPECT_EQ(first.SkinFilePath(), first.Path() + "/Skin.ini");
}

TEST(SkinWorkingFolderTest, DeleteRemovesSubFoldersAndReadOnlyFiles)
{
    SkinWorkingFolder folder;
    const fs::path path(folder.Path());
    WriteFile(path / "Skin.ini", "[Screen]\n");
    WriteFile(path / "readonly.bmp", "BM");
    fs::permissions(path / "readonly.bmp", fs::perms::owner_read);
    fs::create_directories(path / "nested" / "deeper");
    WriteFile(path / "nested" / "Skin.ini", "x");
    WriteFile(path / "nested" / "deeper" / "a.bmp", "x");
    fs::permissions(path / "nested" / "deeper", fs::perms::owner_read | fs::perms::owner_exec);

    folder.DeleteWorkingFolder();
    EXPECT_FALSE(fs::exists(path));

    // Gone already: deleting again, and the destructor, do nothing.
    folder.DeleteWorkingFolder();
    EXPECT_FALSE(fs::exists(path));
}

TEST(SkinWorkingFolderTest, NothingOutsideTheFolderIsTouched)
{
    TempDir startup;
    const CurrentFolder current(startup.Path());
    // The user's own folder named "Test" in the start-up folder.
    fs::create_directory(startup / "Test");
    WriteFile(startup / "Test" / "holiday.jpg", "photo");

    TempDir elsewhere;
    WriteFile(elsewhere / "keep.txt", "keep");
    fs::path path;
    {
        SkinWorkingFolder folder;
        path = folder.Path();
        EXPECT_NE(fs::path(path).parent_path(), startup.Path());
        // A link inside the working folder is removed, not followed.
        fs::create_directory_symlink(elsewhere.Path(), path / "link");
        fs::create_symlink(elsewhere / "keep.txt", path / "file-link");
    } // the destructor deletes the folder

    EXPECT_FALSE(fs::exists(path));
    EXPECT_EQ(ReadFile(startup / "Test" / "holiday.jpg"), "photo");
    EXPECT_EQ(ReadFile(elsewhere / "keep.txt"), "keep");
}

TEST(SkinWorkingFolderTest, MovingHandsTheFolderOver)
{
    SkinWorkingFolder first;
    const std::string path = first.Path();
    SkinWorkingFolder second(std::move(first));
    EXPECT_FALSE(first.IsValid());
    EXPECT_EQ(first.SkinFilePath(), "");
    first.DeleteWorkingFolder();
    EXPECT_TRUE(fs::exists(path));
    EXPECT_EQ(second.Path(), path);

    SkinWorkingFolder third;
    const std::string thirdPath = third.Path();
    third = std::move(second); // the folder third held is deleted
    EXPECT_FALSE(fs::exists(thirdPath));
    EXPECT_EQ(third.Path(), path);
}

} // namespace
} // namespace lumaskin
