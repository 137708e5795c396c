#include "skin/skin_ini.h"
#include "tests/support/temp_dir.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumaskin {
namespace {

using test::ReadFile;
using test::TempDir;
using test::WriteFile;

class SkinIniTest : public ::testing::Test
{
protected:
    SkinIni Write(std::string_view text, std::string_view name = "Skin.ini")
    {
        WriteFile(dir / name, text);
        return SkinIni((dir / name).string());
    }

    TempDir dir;
};

TEST_F(SkinIniTest, NamesMatchWithoutCaseAndFirstOccurrenceWins)
{
    const SkinIni ini = Write("[Screen]\nmain=first.bmp\nMAIN=second.bmp\n"
                              "[screen]\nMain=third.bmp\nOther=x\n");
    EXPECT_EQ(ini.GetString("SCREEN", "Main", "none"), "first.bmp");
    EXPECT_EQ(ini.GetString("screen", "mAiN"), "first.bmp");
    // The second [screen] is never reached.
    EXPECT_EQ(ini.GetString("Screen", "Other", "none"), "none");
}

TEST_F(SkinIniTest, ValuesAreTrimmedAndLoseOnePairOfQuotes)
{
    const SkinIni ini = Write("; a comment=not a key\n"
                              "orphan=before any section\n"
                              "[ S ]\n"
                              "  plain  = \t a value with  blanks \t \n"
                              "double=\"  quoted  \"\n"
                              "single='x'\n"
                              "nested=\"'two'\"\n"
                              "unmatched=\"half\n"
                              "lonely=\"\n"
                              "empty=\n"
                              "no equals sign\n"
                              ";key=commented\n"
                              "=no name\n");
    EXPECT_EQ(ini.GetString("S", "plain"), "a value with  blanks");
    EXPECT_EQ(ini.GetString("S", "double"), "  quoted  ");
    EXPECT_EQ(ini.GetString("S", "single"), "x");
    EXPECT_EQ(ini.GetString("S", "nested"), "'two'");
    EXPECT_EQ(ini.GetString("S", "unmatched"), "\"half");
    EXPECT_EQ(ini.GetString("S", "lonely"), "\"");
    EXPECT_EQ(ini.GetString("S", "empty", "default"), "");
    EXPECT_EQ(ini.GetString("S", "key", "default"), "default");
    EXPECT_EQ(ini.GetString("S", "orphan", "default"), "default");

    std::vector<std::string> keys;
    EXPECT_TRUE(ini.GetKeyNames("s", keys));
    EXPECT_EQ(keys, (std::vector<std::string>{"plain", "double", "single", "nested", "unmatched",
                                              "lonely", "empty"}));
}

TEST_F(SkinIniTest, MissingFileSectionOrKeyGiveTheDefault)
{
    const SkinIni missing((dir / "absent.ini").string());
    EXPECT_EQ(missing.GetString("Screen", "Main", "dflt"), "dflt");
    std::vector<std::string> names{"stale"};
    EXPECT_FALSE(missing.GetSectionNames(names));
    EXPECT_TRUE(names.empty());
    names = {"stale"};
    EXPECT_FALSE(missing.GetKeyNames("Screen", names));
    EXPECT_TRUE(names.empty());

    const SkinIni folder(dir.Path().string());
    EXPECT_EQ(folder.GetString("Screen", "Main", "dflt"), "dflt");
    EXPECT_EQ(SkinIni().GetString("Screen", "Main", "dflt"), "dflt");

    const SkinIni ini = Write("[Screen]\nMain=bg.bmp\n[Empty]\n");
    EXPECT_EQ(ini.GetString("Nope", "Main", "dflt"), "dflt");
    EXPECT_EQ(ini.GetString("Screen", "Nope", "dflt"), "dflt");
    EXPECT_FALSE(ini.GetKeyNames("Empty", names));
    EXPECT_FALSE(ini.GetKeyNames("Nope", names));
}

TEST_F(SkinIniTest, BomAndCrlfAreIgnored)
{
    const SkinIni ini =
        Write("\xEF\xBB\xBF[Screen]\r\nMain=bg.bmp\r\n[COLOR]\r\nTRANSPARENT=0xFF00FF");
    EXPECT_EQ(ini.GetString("Screen", "Main"), "bg.bmp");
    EXPECT_EQ(ini.GetString("COLOR", "TRANSPARENT"), "0xFF00FF");
    std::vector<std::string> names;
    EXPECT_TRUE(ini.GetSectionNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"Screen", "COLOR"}));
}

TEST_F(SkinIniTest, LongValuesAreReadWhole)
{
    for (const size_t length : {255u, 256u, 2047u, 2048u, 5000u, 100000u}) {
        std::string value;
        for (size_t i = 0; i < length; ++i)
            value += static_cast<char>('a' + i % 26);
        const SkinIni ini = Write("[S]\nlong=" + value + "\nafter=ok\n");
        EXPECT_EQ(ini.GetString("S", "long"), value) << length;
        EXPECT_EQ(ini.GetString("S", "after"), "ok") << length;
    }
}

// Many keys cost what their bytes cost; a file beyond the limit reads as missing.
TEST_F(SkinIniTest, ManyKeysReadFullyAndOversizedFilesNotAtAll)
{
    std::string text = "[BUTTONINFO]\n";
    for (int k = 1; text.size() < SkinIni::kMaxFileBytes - 16; ++k)
        text += std::to_string(k) + "=b" + std::to_string(k) + "\n";
    const SkinIni ini = Write(text);
    std::vector<std::string> keys;
    ASSERT_TRUE(ini.GetKeyNames("buttoninfo", keys));
    EXPECT_GT(keys.size(), 80000u);
    EXPECT_EQ(ini.GetString("ButtonInfo", keys.back()), "b" + keys.back());
    EXPECT_EQ(ini.GetString("BUTTONINFO", "1"), "b1");

    const SkinIni large =
        Write("[Screen]\nMain=a.bmp\n" + std::string(SkinIni::kMaxFileBytes, '\n'), "Large.ini");
    EXPECT_EQ(large.GetString("Screen", "Main", "none"), "none");
    EXPECT_FALSE(large.GetSectionNames(keys));
}

TEST_F(SkinIniTest, NameListsFollowFileOrderOnceEach)
{
    const SkinIni ini = Write("[B]\n2=x\n1=y\n2=z\nten=t\n[A]\n[b]\nlate=l\n[C]\nk=v\n");
    std::vector<std::string> names;
    EXPECT_TRUE(ini.GetSectionNames(names));
    EXPECT_EQ(names, (std::vector<std::string>{"B", "A", "C"}));
    EXPECT_TRUE(ini.GetKeyNames("b", names));
    EXPECT_EQ(names, (std::vector<std::string>{"2", "1", "ten"}));
    EXPECT_EQ(ini.GetString("B", "2"), "x");
}

TEST_F(SkinIniTest, WriteStringReplacesAddsAndKeepsTheRest)
{
    const std::string original = "; skin of the week\r\n"
                                 "[Screen]\r\n"
                                 "Main = old.bmp\r\n"
                                 "main=shadowed.bmp\r\n"
                                 "\r\n"
                                 "[COLOR]\r\n"
                                 "TRANSPARENT=0xFF00FF\r\n"
                                 "\r\n"
                                 "[screen]\r\n"
                                 "Main=second.bmp\r\n";
    const SkinIni ini = Write(original);
    ASSERT_EQ(ini.GetString("Screen", "Main"), "old.bmp");

    EXPECT_TRUE(ini.WriteString("SCREEN", "MAIN", "new.bmp"));
    EXPECT_TRUE(ini.WriteString("Color", "Extra", "1"));
    EXPECT_TRUE(ini.WriteString("Fresh", "key", "value with, commas"));

    EXPECT_EQ(ReadFile(dir / "Skin.ini"), "; skin of the week\r\n"
                                          "[Screen]\r\n"
                                          "Main =new.bmp\r\n"
                                          "main=shadowed.bmp\r\n"
                                          "\r\n"
                                          "[COLOR]\r\n"
                                          "TRANSPARENT=0xFF00FF\r\n"
                                          "Extra=1\r\n"
                                          "\r\n"
                                          "[screen]\r\n"
                                          "Main=second.bmp\r\n"
                                          "[Fresh]\r\n"
                                          "key=value with, commas\r\n");
    EXPECT_EQ(ini.GetString("Screen", "Main"), "new.bmp");
    EXPECT_EQ(ini.GetString("COLOR", "extra"), "1");
    EXPECT_EQ(ini.GetString("fresh", "KEY"), "value with, commas");
}

TEST_F(SkinIniTest, WriteStringCreatesFilesAndKeepsBomAndUnterminatedLastLine)
{
    const SkinIni fresh((dir / "new.ini").string());
    EXPECT_TRUE(fresh.WriteString("S", "k", "v"));
    EXPECT_EQ(ReadFile(dir / "new.ini"), "[S]\nk=v\n");

    const SkinIni ini = Write("\xEF\xBB\xBF[S]\nk=v", "bom.ini");
    EXPECT_TRUE(ini.WriteString("S", "k2", "v2"));
    EXPECT_EQ(ReadFile(dir / "bom.ini"), "\xEF\xBB\xBF[S]\nk=v\nk2=v2\n");
}

TEST_F(SkinIniTest, WriteStringRefusesWhatCouldNotBeReadBack)
{
    const std::string original = "[S]\nk=v\n";
    const SkinIni ini = Write(original);
    EXPECT_FALSE(ini.WriteString("S", "k", "two\nlines"));
    EXPECT_FALSE(ini.WriteString("S", "k=x", "v"));
    EXPECT_FALSE(ini.WriteString("S]", "k", "v"));
    EXPECT_FALSE(ini.WriteString("", "k", "v"));
    EXPECT_FALSE(ini.WriteString("S", " ", "v"));
    EXPECT_FALSE(ini.WriteString("S", ";k", "v"));
    EXPECT_EQ(ReadFile(dir / "Skin.ini"), original);

    // A folder that cannot be written to leaves the file as it was.
    const SkinIni nowhere((dir / "no-such-folder" / "x.ini").string());
    EXPECT_FALSE(nowhere.WriteString("S", "k", "v"));
}

TEST_F(SkinIniTest, ChangesOnDiskAreSeenDespiteTheCache)
{
    const SkinIni ini = Write("[S]\nk=aaaa\n");
    ASSERT_EQ(ini.GetString("S", "k"), "aaaa");

    // Same size, modification time put back: the change must still be noticed.
    struct stat before = {};
    ASSERT_EQ(stat(ini.Path().c_str(), &before), 0);
    WriteFile(dir / "Skin.ini", "[S]\nk=bbbb\n");
    const timespec times[2] = {before.st_atim, before.st_mtim};
    ASSERT_EQ(utimensat(AT_FDCWD, ini.Path().c_str(), times, 0), 0);
    EXPECT_EQ(ini.GetString("S", "k"), "bbbb");

    // Another file in between, then the first again.
    const SkinIni other = Write("[S]\nk=other\n", "other.ini");
    EXPECT_EQ(other.GetString("S", "k"), "other");
    EXPECT_EQ(ini.GetString("S", "k"), "bbbb");

    EXPECT_TRUE(ini.WriteString("S", "k", "cccc"));
    EXPECT_EQ(ini.GetString("S", "k"), "cccc");
    std::filesystem::remove(dir / "Skin.ini");
    EXPECT_EQ(ini.GetString("S", "k", "gone"), "gone");
}

} // namespace
} // namespace lumaskin
