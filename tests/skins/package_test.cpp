// The bundled packages as the program meets them: each opens and extracts with the
// program's own archive reader, its Skin.ini reads with the program's section readers and
// names only bitmaps that are in the package and load.
#include "skins/generator/skin_builder.h"
#include "tests/skins/skin_under_test.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <sstream>

namespace lumaskin::test {
namespace {

class PackageTest : public ::testing::TestWithParam<std::string>
{
protected:
    const SkinUnderTest &Skin() const { return SkinUnderTest::Get(GetParam()); }
};

TEST_P(PackageTest, ExtractsWithTheProgramsReaderIntoTheTopLevel)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    ASSERT_FALSE(skin.Entries().empty());
    for (const std::string &entry : skin.Entries())
        EXPECT_EQ(entry.find('/'), std::string::npos) << entry << " is not at the top level";
    EXPECT_TRUE(std::is_sorted(skin.Entries().begin(), skin.Entries().end()));
    const std::filesystem::path folder = skin.Folder().Path();
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "Skin.ini"));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "dlgTaskNotifier.bmp"));
}

TEST_P(PackageTest, HoldsExactlyTheFilesItsDescriptionNamesEachWithItsFineCompanion)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    std::set<std::string> expected{"Skin.ini"};
    for (const std::string &name : skin.BitmapNames()) {
        expected.insert(name);
        expected.insert(skingen::HiDpiFileName(name));
    }
    const std::set<std::string> actual(skin.Entries().begin(), skin.Entries().end());
    EXPECT_EQ(actual, expected);
}

TEST_P(PackageTest, EverySectionReadsAndHasItsEntries)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    const SkinIni &ini = skin.Ini();
    EXPECT_FALSE(ReadBackgroundBitmap(ini).empty());
    EXPECT_EQ(ReadTransparentColour(ini), std::optional<ColourValue>(0xFF00FF));
    EXPECT_TRUE(ReadHostRect(ini));
    EXPECT_TRUE(ReadIcon(ini));
    ASSERT_TRUE(ReadCaption(ini));
    EXPECT_EQ(ReadCaption(ini)->text, "Lumaskin");

    // No empty or missing entries: the index of every control is its entry number - 1.
    auto complete = [](const auto &section) {
        return std::all_of(section.begin(), section.end(),
                           [](const auto &e) { return e.has_value(); });
    };
    EXPECT_TRUE(complete(ReadTaskBarButtons(ini)));
    EXPECT_TRUE(complete(ReadButtons(ini)));
    EXPECT_TRUE(complete(ReadSliders(ini)));
    EXPECT_TRUE(complete(ReadOptionButtons(ini)));
    EXPECT_TRUE(complete(ReadCheckBoxes(ini)));
    EXPECT_TRUE(complete(ReadLabels(ini)));
    EXPECT_TRUE(complete(ReadEditBoxes(ini)));
    EXPECT_TRUE(complete(ReadListBoxes(ini)));
    EXPECT_TRUE(complete(ReadComboBoxes(ini)));
    EXPECT_EQ(ReadListBoxes(ini).size(), 1u);
    EXPECT_EQ(ReadComboBoxes(ini).size(), 1u);
    EXPECT_GE(ReadEditBoxes(ini).size(), 1u);
    EXPECT_EQ(ReadTaskBarButtons(ini).size(), 1u);
    EXPECT_EQ(ReadTaskBarButtons(ini).front()->name, "TASKBUTTON_EXIT");
    for (const auto &edit : ReadEditBoxes(ini))
        EXPECT_TRUE(edit->enabled) << edit->name;
    for (const auto &label : ReadLabels(ini))
        EXPECT_FALSE(label->text.empty()) << label->name;
}

TEST_P(PackageTest, EntriesStayWithinTheLengthTheFormatAllows)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    std::istringstream lines(ReadFile(skin.Folder().SkinFilePath()));
    std::string line;
    while (std::getline(lines, line)) {
        const auto equals = line.find('=');
        if (equals != std::string::npos) {
            EXPECT_LE(line.size() - equals - 1, 255u) << line;
        }
    }
}

TEST_P(PackageTest, EveryBitmapIsA24BitBmpThatLoads)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    for (const std::string &name : skin.BitmapNames()) {
        const std::string bytes = ReadFile(std::filesystem::path(skin.Folder().Path()) / name);
        ASSERT_GE(bytes.size(), 54u) << name;
        EXPECT_EQ(bytes.substr(0, 2), "BM") << name;
        EXPECT_EQ(static_cast<unsigned char>(bytes[28]), 24) << name;
        EXPECT_FALSE(skin.Bitmap(name).isNull()) << name << " does not load";
    }
}

// The fine companions are the same pictures drawn afresh at twice the pixels: twice the size,
// the same picture when reduced again, the same key-coloured cut-outs but along their edges,
// and not the 1x bitmap with every pixel doubled (which is what a blocky screen would show).
TEST_P(PackageTest, FineCompanionsAreDrawnAtTwiceTheSize)
{
    const SkinUnderTest &skin = Skin();
    ASSERT_TRUE(skin.Extracted());
    long long allPixels = 0;
    long long allUneven = 0;
    for (const std::string &name : skin.BitmapNames()) {
        SCOPED_TRACE(name);
        const QImage small = skin.Bitmap(name);
        const QImage fine = skin.Bitmap(skingen::HiDpiFileName(name));
        ASSERT_FALSE(fine.isNull());
        ASSERT_EQ(fine.size(), small.size() * 2);

        long long difference = 0;
        long long keyMismatches = 0;
        long long uneven = 0;
        for (int y = 0; y < small.height(); ++y) {
            for (int x = 0; x < small.width(); ++x) {
                const QRgb block[] = {fine.pixel(2 * x, 2 * y), fine.pixel(2 * x + 1, 2 * y),
                                      fine.pixel(2 * x, 2 * y + 1),
                                      fine.pixel(2 * x + 1, 2 * y + 1)};
                const int keys =
                    static_cast<int>(std::count_if(std::begin(block), std::end(block), IsKey));
                if ((keys == 4) != IsKey(small.pixel(x, y)))
                    ++keyMismatches;
                if (keys > 0)
                    continue;
                int green = 0;
                for (const QRgb pixel : block)
                    green += qGreen(pixel);
                difference += std::abs(green / 4 - qGreen(small.pixel(x, y)));
                uneven += std::any_of(std::begin(block), std::end(block),
                                      [&](QRgb p) { return p != block[0]; });
            }
        }
        const long long pixels = static_cast<long long>(small.width()) * small.height();
        EXPECT_LT(difference, pixels * 6) << "on average within 6 levels of the 1x picture";
        EXPECT_LE(keyMismatches, 2 * (small.width() + small.height()))
            << "cut-outs differ only along their edges";
        allPixels += pixels;
        allUneven += uneven;
    }
    EXPECT_GT(allUneven * 20, allPixels) << "at least 5 % of the 2x2 blocks show finer detail";
}

// Other tools read the packages too: Info-ZIP's test of every entry passes.
TEST_P(PackageTest, PassesInfoZipsTest)
{
    if (RunCommand("command -v unzip >/dev/null") != 0)
        GTEST_SKIP() << "unzip is not installed";
    EXPECT_EQ(RunCommand("unzip -tqq '" + PackagePath(GetParam()).string() + "'"), 0);
}

INSTANTIATE_TEST_SUITE_P(Bundled, PackageTest, ::testing::ValuesIn(PackageNames()),
                         PackageTestName);

TEST(BundledPackages, StartUpPackageIsThePurpleSkin)
{
    const std::string skn = ReadFile(PackagePath("Purple.skn"));
    ASSERT_FALSE(skn.empty());
    EXPECT_EQ(skn, ReadFile(PackagePath("Purple.zip")));
}

TEST(BundledPackages, AreAllDifferentApartFromTheStartUpCopy)
{
    std::vector<std::string> contents;
    for (const std::string &name : PackageNames()) {
        if (name != "Purple.skn")
            contents.push_back(ReadFile(PackagePath(name)));
    }
    for (size_t i = 0; i < contents.size(); ++i) {
        ASSERT_FALSE(contents[i].empty());
        for (size_t j = i + 1; j < contents.size(); ++j)
            EXPECT_NE(contents[i], contents[j]) << i << " and " << j;
    }
    // Their backgrounds differ too, not only their archives.
    std::vector<QImage> backgrounds;
    for (const std::string &name : PackageNames()) {
        if (name != "Purple.skn")
            backgrounds.push_back(SkinUnderTest::Get(name).Background());
    }
    for (size_t i = 0; i < backgrounds.size(); ++i) {
        for (size_t j = i + 1; j < backgrounds.size(); ++j)
            EXPECT_NE(backgrounds[i], backgrounds[j]) << i << " and " << j;
    }
}

} // namespace
} // namespace lumaskin::test
