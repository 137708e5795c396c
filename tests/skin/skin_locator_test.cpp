// Where skin packages are found, which one a window starts with, and installing a package.
#include "controls/skin_combo_list.h"
#include "skin/skin_dialog.h"
#include "skin/skin_locator.h"
#include "tests/skin/reporting_dialog.h"
#include "tests/skin/skin_dialog_fixture.h"
#include "tests/support/temp_dir.h"

#include <QDir>
#include <QMenu>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::TempDir;
using test::TestSkin;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

// The XDG folders pointed at folders of the test's own.
class XdgFolders
{
public:
    XdgFolders()
    {
        for (const char *name : {"XDG_DATA_HOME", "XDG_DATA_DIRS"}) {
            const char *old = std::getenv(name);
            m_saved.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
        }
        setenv("XDG_DATA_HOME", (m_root / "home").c_str(), 1);
        setenv("XDG_DATA_DIRS",
               ((m_root / "dirA").string() + ":" + (m_root / "dirB").string()).c_str(), 1);
    }
    ~XdgFolders()
    {
        for (const auto &[name, value] : m_saved) {
            if (value)
                setenv(name.c_str(), value->c_str(), 1);
            else
                unsetenv(name.c_str());
        }
    }
    std::filesystem::path Skins(const char *data) const
    {
        const std::filesystem::path folder = m_root / data / "lumaskin" / "skins";
        std::filesystem::create_directories(folder);
        return folder;
    }

private:
    TempDir m_root;
    std::vector<std::pair<std::string, std::optional<std::string>>> m_saved;
};

TEST(SkinLocator, LooksInTheStartFolderThenTheXdgFoldersThenTheInstallation)
{
    XdgFolders xdg;
    TempDir start;
    TempDir installed;
    const QString user = Str(xdg.Skins("home"));

    // Without Purple.skn the start folder is not looked in.
    SkinLocator locator = SkinLocator::ForStartup(Str(start.Path()), Str(installed.Path()));
    EXPECT_THAT(locator.Folders(), ElementsAre(user, Str(xdg.Skins("dirA")), Str(xdg.Skins("dirB")),
                                               Str(installed.Path())));
    EXPECT_EQ(locator.UserFolder(), user);

    test::WriteFile(start / "Purple.skn", "x");
    test::WriteFile(xdg.Skins("dirB") / "Red.zip", "b");
    test::WriteFile(installed / "Red.zip", "i");
    test::WriteFile(installed / "Blue.zip", "i");
    locator = SkinLocator::ForStartup(Str(start.Path()), Str(installed.Path()));
    ASSERT_EQ(locator.Folders().size(), 5);
    EXPECT_EQ(locator.Folders().front(), Str(start.Path()));
    // The first folder holding a name wins; names are whole file names.
    EXPECT_EQ(locator.Find("Red.zip"), Str(xdg.Skins("dirB") / "Red.zip"));
    EXPECT_EQ(locator.Find("Blue.zip"), Str(installed / "Blue.zip"));
    EXPECT_EQ(locator.Find("Pink.zip"), QString());
    EXPECT_EQ(locator.Find("../dirB/lumaskin/skins/Red.zip"), QString());

    // The user's own packages: not the bundled names, not other files, in a person's order.
    for (const char *name : {"Skin 10.zip", "skin 2.SKN", "Orange.zip", "notes.txt", "a.zip.bak"})
        test::WriteFile(xdg.Skins("home") / name, "u");
    EXPECT_THAT(locator.UserPackages(SkinSwitcher::BundledPackages()),
                ElementsAre("skin 2.SKN", "Skin 10.zip"));
}

class SkinStartTest : public ::testing::Test
{
protected:
    void Write(const std::filesystem::path &package, QColor fill)
    {
        TestSkin skin;
        skin.fill = fill;
        test::WriteTestSkinPackage(package, m_scratch.Path(), skin);
    }
    QColor Worn() const { return m_dialog.BackgroundBitmap().pixelColor(50, 50); }
    void Locate()
    {
        m_dialog.SetSkinLocator(SkinLocator({Str(m_bundled.Path())}, Str(m_user.Path())));
    }

    TempDir m_bundled;
    TempDir m_user;
    TempDir m_scratch;
    test::ReportingDialog m_dialog;
};

TEST_F(SkinStartTest, StartsWithTheRememberedSkinElseTheFirstFound)
{
    m_dialog.SetSkinLocator(
        SkinLocator({Str(m_user.Path()), Str(m_bundled.Path())}, Str(m_user.Path())));
    // Nothing anywhere: nothing is loaded and nothing is said here.
    EXPECT_FALSE(m_dialog.LoadFirstPackageFound("Black.zip"));
    EXPECT_TRUE(m_dialog.BackgroundBitmap().isNull());

    // Only a user's package: that one.
    Write(m_user / "Mine.zip", Qt::darkCyan);
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound(QString()));
    EXPECT_EQ(m_dialog.CurrentPackage(), "Mine.zip");
    EXPECT_EQ(Worn(), QColor(Qt::darkCyan));

    // A bundled package comes before the user's; the first in menu order.
    Write(m_bundled / "Gray.zip", Qt::gray);
    Write(m_bundled / "Blue.zip", Qt::blue);
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound("Missing.zip"));
    EXPECT_EQ(m_dialog.SkinIndex(), 3);
    EXPECT_EQ(m_dialog.CurrentPackage(), "Blue.zip");

    // The start-up package before them all, then the remembered one before that.
    Write(m_bundled / "Purple.skn", Qt::magenta);
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound(QString()));
    EXPECT_EQ(m_dialog.SkinIndex(), SkinSwitcher::kStartupPackageIndex);
    EXPECT_EQ(Worn(), QColor(Qt::magenta));
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound("Gray.zip"));
    EXPECT_EQ(m_dialog.CurrentPackage(), "Gray.zip");
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound("Mine.zip"));
    EXPECT_EQ(m_dialog.CurrentPackage(), "Mine.zip");
    EXPECT_EQ(Worn(), QColor(Qt::darkCyan));
    EXPECT_TRUE(m_dialog.told.empty());
}

TEST_F(SkinStartTest, AWindowWithoutASkinGetsAFrameToCloseItBy)
{
    Locate();
    m_dialog.show();
    m_dialog.OnChangeSkin(32771); // Orange.zip is nowhere
    EXPECT_THAT(m_dialog.told, ElementsAre("Open failed"));
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_FALSE(m_dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(m_dialog.mask().isEmpty());

    Write(m_bundled / "Orange.zip", Qt::darkYellow);
    m_dialog.OnChangeSkin(32771);
    EXPECT_TRUE(m_dialog.isVisible());
    EXPECT_TRUE(m_dialog.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(m_dialog.mask(), test::TestSkinShape());
}

TEST_F(SkinStartTest, InstallingChecksThePackageCopiesItAndWearsIt)
{
    Write(m_bundled / "Purple.skn", Qt::magenta);
    Locate();
    ASSERT_TRUE(m_dialog.LoadFirstPackageFound(QString()));
    TempDir downloads;
    int changes = 0;
    QObject::connect(&m_dialog, &SkinDialog::skinChanged, [&changes] { ++changes; });

    // What is not a skin is refused with its reason, and nothing is copied.
    test::WriteFile(downloads / "notes.zip", "not an archive");
    test::WriteFile(downloads / "picture.png", "png");
    ASSERT_EQ(test::RunCommand("mkdir empty && echo hi > empty/readme.txt && "
                               "cd empty && zip -q ../NoIni.zip readme.txt",
                               downloads.Path()),
              0);
    // A Skin.ini beyond what a skin may hold is refused for that, not as missing.
    ASSERT_EQ(test::RunCommand("mkdir big && head -c 1100000 /dev/zero | tr '\\0' x > "
                               "big/Skin.ini && cd big && zip -q ../Big.zip Skin.ini",
                               downloads.Path()),
              0);
    EXPECT_FALSE(m_dialog.InstallSkinPackage(Str(downloads / "notes.zip")));
    EXPECT_FALSE(m_dialog.InstallSkinPackage(Str(downloads / "picture.png")));
    EXPECT_FALSE(m_dialog.InstallSkinPackage(Str(downloads / "NoIni.zip")));
    EXPECT_FALSE(m_dialog.InstallSkinPackage(Str(downloads / "Big.zip")));
    ASSERT_EQ(m_dialog.told.size(), 4u);
    EXPECT_THAT(m_dialog.told[0], HasSubstr("cannot be opened as a ZIP archive"));
    EXPECT_THAT(m_dialog.told[1], HasSubstr("files ending in .zip or .skn"));
    EXPECT_THAT(m_dialog.told[2], HasSubstr("no Skin.ini"));
    EXPECT_THAT(m_dialog.told[3], HasSubstr("Skin.ini of this skin package is 1075 KB"));
    EXPECT_TRUE(std::filesystem::is_empty(m_user.Path()));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(Worn(), QColor(Qt::magenta));

    // A skin: copied into the user's folder, worn, and listed in the menu with its mark.
    Write(downloads / "My & Skin.zip", Qt::darkGreen);
    EXPECT_TRUE(m_dialog.InstallSkinPackage(Str(downloads / "My & Skin.zip")));
    EXPECT_EQ(test::ReadFile(m_user / "My & Skin.zip"),
              test::ReadFile(downloads / "My & Skin.zip"));
    EXPECT_EQ(m_dialog.CurrentPackage(), "My & Skin.zip");
    EXPECT_EQ(Worn(), QColor(Qt::darkGreen));
    EXPECT_EQ(changes, 1);
    {
        const std::unique_ptr<QMenu> menu = m_dialog.CreateSkinMenu();
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), 14);
        EXPECT_EQ(actions[9]->text(), "My && Skin");
        EXPECT_TRUE(actions[9]->isChecked());
        EXPECT_FALSE(actions[2]->isChecked());
        EXPECT_TRUE(actions[11]->isEnabled());
    }

    // Another package of that name: replaced only when the user says so.
    Write(downloads / "My & Skin.zip", Qt::darkRed);
    EXPECT_FALSE(m_dialog.InstallSkinPackage(Str(downloads / "My & Skin.zip")));
    EXPECT_EQ(m_dialog.told.back(), "replace My & Skin.zip?");
    EXPECT_EQ(Worn(), QColor(Qt::darkGreen));
    m_dialog.answer = true;
    EXPECT_TRUE(m_dialog.InstallSkinPackage(Str(downloads / "My & Skin.zip")));
    EXPECT_EQ(Worn(), QColor(Qt::darkRed));

    // A package with a skin's own name becomes that skin's entry.
    Write(downloads / "Black.zip", Qt::black);
    EXPECT_TRUE(m_dialog.InstallSkinPackage(Str(downloads / "Black.zip")));
    EXPECT_EQ(m_dialog.SkinIndex(), 1);
    EXPECT_EQ(m_dialog.CurrentPackage(), "Black.zip");
    EXPECT_EQ(Worn(), QColor(Qt::black));
    // Choosing the user's own package from the menu's list wears it again.
    m_dialog.ChangeToUserPackage("My & Skin.zip");
    EXPECT_EQ(Worn(), QColor(Qt::darkRed));
    EXPECT_EQ(changes, 4);
}

} // namespace
} // namespace lumaskin
