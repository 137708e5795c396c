// Archives made by Info-ZIP zip and by Python's zipfile extract to exactly what unzip makes
// of them: the same files, bytes, permissions and modification times.
#include "tests/support/temp_dir.h"
#include "tests/zip/zip_fixture.h"
#include "zip/zip_archive.h"

#include <fcntl.h>
#include <filesystem>
#include <gtest/gtest.h>
#include <map>
#include <sys/stat.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

struct Item
{
    bool directory = false;
    mode_t mode = 0;
    std::time_t modified = 0;
    std::string content;

    bool operator==(const Item &) const = default;
};

std::ostream &operator<<(std::ostream &out, const Item &item)
{
    return out << (item.directory ? "folder" : "file") << " mode " << std::oct << item.mode
               << std::dec << " time " << item.modified << " size " << item.content.size();
}

// Everything below `root`, by relative path. Folder times are left out: unzip sets them
// from the archive, while entries only give files their times.
std::map<std::string, Item> Tree(const fs::path &root)
{
    std::map<std::string, Item> tree;
    for (const auto &entry : fs::recursive_directory_iterator(root)) {
        struct stat st
        {
        };
        lstat(entry.path().c_str(), &st);
        Item item;
        item.directory = S_ISDIR(st.st_mode);
        item.mode = st.st_mode & 07777;
        if (!item.directory) {
            item.modified = st.st_mtime;
            item.content = ReadFile(entry.path());
        }
        tree[fs::relative(entry.path(), root).string()] = item;
    }
    return tree;
}

void SetTime(const fs::path &path, std::time_t when)
{
    timespec times[2] = {{when, 0}, {when, 0}};
    utimensat(AT_FDCWD, path.c_str(), times, AT_SYMLINK_NOFOLLOW);
}

class ZipInteropTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        if (RunCommand("(command -v zip && command -v unzip && command -v python3) >/dev/null") !=
            0)
            GTEST_SKIP() << "zip, unzip or python3 is missing";
        const fs::path src = dir / "src";
        fs::create_directories(src / "img/sub");
        fs::create_directories(src / "emptydir");
        WriteFile(src / "Skin.ini", TextData(20000, 11));
        WriteFile(src / "img/back.bmp", NoiseData(70000, 12));
        WriteFile(src / "img/empty.bmp", "");
        WriteFile(src / "img/sub/deep.txt", TextData(2 * 65535, 13));
        WriteFile(src / "run.sh", "#!/bin/sh\necho skin\n");
        WriteFile(src / "readonly.txt", TextData(300, 14));
        WriteFile(src / "caf\xc3\xa9-\xc3\xbc.txt", TextData(100, 15));
        fs::permissions(src / "run.sh", fs::perms(0755));
        fs::permissions(src / "readonly.txt", fs::perms(0444));
        // Even seconds: a DOS time cannot hold odd ones, and unzip prefers the exact time of
        // Info-ZIP's extra field where there is one.
        std::time_t when = 1623750000;
        for (const auto &entry : fs::recursive_directory_iterator(src))
            SetTime(entry.path(), when += 7200 + 2);
        WriteFile(dir / "stub", "#!/bin/sh\necho 'a program in front of the archive'\nexit 0\n" +
                                    NoiseData(3001, 16));
        WriteFile(dir / "zipper.py", R"PY(
import os, sys, zipfile
out = sys.argv[1]
target = sys.stdout.buffer if out == '-' else out
with zipfile.ZipFile(target, 'w') as z:
    for root, dirs, files in sorted(os.walk('.')):
        for d in sorted(dirs):
            z.write(os.path.join(root, d))
        for i, f in enumerate(sorted(files)):
            kind = zipfile.ZIP_STORED if i % 2 else zipfile.ZIP_DEFLATED
            z.write(os.path.join(root, f), compress_type=kind)
)PY");
    }

    // Builds an archive with `command` (run in the source folder; it writes ../a.zip) and
    // extracts it with unzip and with ZipArchive.
    void Compare(const std::string &command)
    {
        const fs::path zip = dir / "a.zip";
        fs::remove(zip);
        fs::remove_all(dir / "unzip");
        fs::remove_all(dir / "ours");
        ASSERT_EQ(RunCommand("export LC_ALL=C.UTF-8; " + command, dir / "src"), 0) << command;
        // unzip warns (status 1) about a program in front of the archive.
        ASSERT_LE(RunCommand("LC_ALL=C.UTF-8 unzip -qo a.zip -d unzip 2>/dev/null", dir.Path()), 1);

        ZipArchive archive;
        archive.Close(true);
        archive.Open(zip.string(), 0, 0);
        const int count = archive.GetEntryCount();
        ASSERT_GT(count, 0);
        for (int i = 0; i < count; ++i)
            EXPECT_TRUE(archive.ExtractEntry(static_cast<std::uint16_t>(i), (dir / "ours").string(),
                                             true, std::nullopt, 65535))
                << archive.GetEntryInfo(static_cast<std::uint16_t>(i))->name;
        archive.Close(true);

        const auto expected = Tree(dir / "unzip");
        const auto actual = Tree(dir / "ours");
        EXPECT_EQ(actual.size(), expected.size());
        for (const auto &[path, item] : expected) {
            auto found = actual.find(path);
            if (found == actual.end())
                ADD_FAILURE() << "missing " << path;
            else
                EXPECT_EQ(found->second, item) << path;
        }
    }

    TempDir dir;
};

TEST_F(ZipInteropTest, InfoZipDeflatedStoredAndWithFolderEntries)
{
    Compare("zip -q -r ../a.zip .");
    Compare("zip -q -r -0 ../a.zip .");
    Compare("zip -q -r -X -9 ../a.zip .");
}

TEST_F(ZipInteropTest, InfoZipStreamedWithDataDescriptors)
{
    Compare("zip -q -r -fd ../a.zip .");
    Compare("zip -q -r - . | cat > ../a.zip");
    // Input from a pipe: size unknown, so zip writes Zip64 local fields and descriptors.
    Compare("cat Skin.ini | zip -q - - | cat > ../a.zip");
    Compare("cat img/back.bmp | zip -q -fz- - - | cat > ../a.zip");
}

TEST_F(ZipInteropTest, InfoZipCommentAndProgramStub)
{
    Compare("zip -q -r ../a.zip . && echo 'an archive comment' | zip -q -z ../a.zip");
    Compare("zip -q -r ../b.zip . && cat ../stub ../b.zip > ../a.zip && rm ../b.zip");
    Compare("zip -q -r ../b.zip . && cat ../stub ../b.zip > ../a.zip && rm ../b.zip && "
            "zip -q -A ../a.zip");
}

TEST_F(ZipInteropTest, FolderMarkersAsUnzipReadsThem)
{
    // unzip takes a trailing slash as a folder even without the folder attribute, and a Unix
    // folder mode alone (no slash, no attribute) as an empty file with that mode's bits.
    WriteFile(dir / "markers.py", R"PY(
import sys, zipfile
with zipfile.ZipFile(sys.argv[1], 'w') as z:
    for name, system, attr, data in [('plain/', 0, 0, b''), ('plain/in.txt', 0, 0x20, b'in'),
                                     ('modeonly', 3, 0o40755 << 16, b''),
                                     ('unixdir/', 3, (0o40750 << 16) | 0x10, b''),
                                     ('unixdir/x.sh', 3, 0o100750 << 16, b'#!/bin/sh\n')]:
        info = zipfile.ZipInfo(name, (2021, 6, 15, 10, 30, 44))
        info.create_system = system
        info.external_attr = attr
        z.writestr(info, data)
)PY");
    Compare("python3 ../markers.py ../a.zip");
}

TEST_F(ZipInteropTest, PythonZipfileSeekableAndStreamed)
{
    Compare("python3 ../zipper.py ../a.zip");
    Compare("python3 ../zipper.py - | cat > ../a.zip");
}

} // namespace
} // namespace lumaskin::test
