#include "app/main_dialog.h"
#include "app/main_window_keys.h"
#include "tests/skin/skin_dialog_fixture.h"
#include "tests/support/temp_dir.h"
#include "viewer/viewer_control.h"

#include <QTest>
#include <cstdlib>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::TempDir;

// Answers every question with OK and keeps the texts.
class ScriptedMessageBoxes : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon icon) override
    {
        shown.push_back(text.toStdString());
        icons.push_back(icon);
        buttonSets.push_back(buttons);
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    void Clear()
    {
        shown.clear();
        icons.clear();
        buttonSets.clear();
    }
    std::vector<std::string> shown;
    std::vector<MessageIcon> icons;
    std::vector<MessageButtons> buttonSets;
};

// Points the system's temporary folder at a folder of the test's own, so the working
// folder can be seen to come and go.
class MainDialogTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        const char *old = std::getenv("TMPDIR");
        m_oldTmp = old ? old : "";
        m_hadTmp = old != nullptr;
        setenv("TMPDIR", m_tmp.Path().c_str(), 1);
    }
    void TearDown() override
    {
        if (m_hadTmp)
            setenv("TMPDIR", m_oldTmp.c_str(), 1);
        else
            unsetenv("TMPDIR");
    }
    bool TmpIsEmpty() const { return std::filesystem::is_empty(m_tmp.Path()); }

    TempDir m_packages;
    TempDir m_scratch;
    TempDir m_tmp;
    std::string m_oldTmp;
    bool m_hadTmp = false;
};

TEST_F(MainDialogTest, StartsFromTheFolderHoldingThePackage)
{
    test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path());
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    MainDialog dialog(messages, prompts);
    dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));

    EXPECT_TRUE(messages.shown.empty());
    EXPECT_EQ(dialog.Buttons().size(), 5u);
    EXPECT_EQ(dialog.mask(), test::TestSkinShape());
    // The working folder is gone and nothing was written beside the package.
    EXPECT_TRUE(TmpIsEmpty());
    EXPECT_FALSE(std::filesystem::exists(m_packages / "Test"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_packages.Path()),
                            std::filesystem::directory_iterator()),
              1);
    EXPECT_TRUE(dialog.SkinFolder().endsWith(u'/'));

    // The viewer sits at the skin's CONTROL rectangle, above the skin's controls.
    ASSERT_NE(dialog.Viewer(), nullptr);
    EXPECT_EQ(dialog.Viewer()->geometry(), QRect(100, 40, 80, 60));
    EXPECT_FALSE(dialog.Viewer()->isHidden());
    EXPECT_EQ(dialog.children().last(), dialog.Viewer());

    // The format combo box offers every output format and shows the first, unselected.
    ASSERT_FALSE(dialog.ComboBoxes().empty());
    SkinComboBox &formats = *dialog.ComboBoxes().front();
    ASSERT_NE(formats.List(), nullptr);
    QStringList offered;
    for (int row = 0; row < formats.List()->RowCount(); ++row)
        offered << formats.List()->RowText(row, 0);
    EXPECT_EQ(offered, QStringList({"Bmp", "JPG", "PDF", "WBMP", "GIF", "PCX", "TGA", "ICO", "JP2",
                                    "JPC", "RAS", "PGX", "PNM", "PNG", "WEBP", "AVIF", "TIF"}));
    EXPECT_EQ(formats.Edit()->text(), "Bmp");
    EXPECT_TRUE(formats.List()->selectedItems().isEmpty());

    EXPECT_FALSE(dialog.windowIcon().isNull());

    // Play shown, pause hidden and the time display filled in, at this load and the next.
    test::WriteTestSkinPackage(m_packages / "Orange.zip", m_scratch.Path());
    for (int load = 0; load < 2; ++load) {
        if (load == 1)
            dialog.OnChangeSkin(SkinSwitcher::kFirstSkinCommand);
        EXPECT_FALSE(dialog.FindButton("BUTTON_PLAY")->isHidden()) << load;
        EXPECT_TRUE(dialog.FindButton("BUTTON_PAUSE")->isHidden()) << load;
        EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "00:00:00/02:00:00") << load;
    }
}

TEST_F(MainDialogTest, EveryKeyIsOnItsButtonsTooltipAndInTheReadme)
{
    test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path());
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    MainDialog dialog(messages, prompts);
    dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));
    const QString readme = QString::fromStdString(test::ReadFile(test::SourceDir() / "README.md"));
    const QString keyboard = readme.section(QStringLiteral("## Keyboard"), 1).section(u'#', 0, 0);
    ASSERT_FALSE(keyboard.isEmpty());
    for (const WindowKey &key : WindowKeys()) {
        const QString text = key.keys.toString(QKeySequence::NativeText);
        EXPECT_TRUE(keyboard.contains(QStringLiteral("**%1**").arg(text))) << text.toStdString();
        const SkinButton *button = dialog.FindButton(key.command);
        if (button && KeyTextFor(key.command) == text) {
            EXPECT_TRUE(button->toolTip().endsWith(QStringLiteral("(%1)").arg(text)))
                << button->toolTip().toStdString();
        }
    }
    // The exit button quits as the close button does, and says so.
    ASSERT_NE(dialog.FindButton("BUTTON_EXIT"), nullptr);
    EXPECT_EQ(dialog.FindButton("BUTTON_EXIT")->toolTip(), QStringLiteral("Exit (Ctrl+Q)"));
}

TEST_F(MainDialogTest, MissingPackageSaysOpenFailedAndShowsNoSkin)
{
    // Only the packages of the skin menu: the start-up package has another extension.
    test::WriteTestSkinPackage(m_packages / "Purple.zip", m_scratch.Path());
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    MainDialog dialog(messages, prompts);
    dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));

    EXPECT_THAT(messages.shown, ::testing::ElementsAre("Open failed"));
    EXPECT_THAT(messages.icons, ::testing::ElementsAre(MessageIcon::Stop));
    EXPECT_TRUE(dialog.Buttons().empty());
    EXPECT_TRUE(dialog.BackgroundBitmap().isNull());
    EXPECT_TRUE(dialog.Viewer()->isHidden());
    EXPECT_TRUE(TmpIsEmpty());
}

TEST_F(MainDialogTest, PackageTroublesAreToldAndAskedInTheProgramsWords)
{
    // A truncated start-up package: whether to retry (No), then why it failed.
    const std::filesystem::path package = m_packages / "Purple.skn";
    test::WriteTestSkinPackage(package, m_scratch.Path());
    const std::string whole = test::ReadFile(package);
    test::WriteFile(package, whole.substr(0, whole.size() / 2));
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    MainDialog dialog(messages, prompts);
    dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));
    EXPECT_THAT(messages.shown,
                ::testing::ElementsAre("The central directory was not found. If you're opening a "
                                       "multi-disk archive, make sure you have inserted the last "
                                       "disk. Retry?",
                                       "Open failed"));
    EXPECT_THAT(messages.buttonSets,
                ::testing::ElementsAre(MessageButtons::YesNo, MessageButtons::Ok));
    EXPECT_THAT(messages.icons, ::testing::ElementsAre(MessageIcon::Stop, MessageIcon::Stop));

    // Installing over a package of the same name asks first, without an icon; the answer No
    // keeps the installed one.
    TempDir user;
    TempDir downloads;
    test::WriteTestSkinPackage(user / "Mine.zip", m_scratch.Path());
    test::TestSkin other;
    other.fill = QColor(1, 2, 3);
    test::WriteTestSkinPackage(downloads / "Mine.zip", m_scratch.Path(), other);
    dialog.SetSkinLocator(SkinLocator({QString::fromStdString(user.Path().string())},
                                      QString::fromStdString(user.Path().string())));
    messages.Clear();
    EXPECT_FALSE(
        dialog.InstallSkinPackage(QString::fromStdString((downloads / "Mine.zip").string())));
    EXPECT_THAT(
        messages.shown,
        ::testing::ElementsAre("A skin package named Mine.zip is already installed. Replace it?"));
    EXPECT_THAT(messages.buttonSets, ::testing::ElementsAre(MessageButtons::YesNo));
    EXPECT_THAT(messages.icons, ::testing::ElementsAre(MessageIcon::None));
    // What is no skin is refused with its reason and the stop icon.
    messages.Clear();
    test::WriteFile(downloads / "notes.zip", "not an archive");
    EXPECT_FALSE(
        dialog.InstallSkinPackage(QString::fromStdString((downloads / "notes.zip").string())));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_THAT(messages.shown[0], ::testing::HasSubstr("cannot be opened as a ZIP archive"));
    EXPECT_THAT(messages.icons, ::testing::ElementsAre(MessageIcon::Stop));
}

TEST_F(MainDialogTest, ExitAndCloseEndTheDialogWithResultOne)
{
    test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path());
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    for (const char *name : {"BUTTON_EXIT", "BUTTON_CLOSE"}) {
        MainDialog dialog(messages, prompts);
        dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        dialog.OnControlClicked("BUTTON_PLAY"); // not a start-up command: nothing happens
        EXPECT_TRUE(dialog.isVisible());
        dialog.OnControlClicked(name);
        EXPECT_FALSE(dialog.isVisible()) << name;
        EXPECT_EQ(dialog.result(), 1) << name;
    }
}

TEST_F(MainDialogTest, TheSkinsExitButtonEndsTheDialog)
{
    test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path());
    ScriptedMessageBoxes messages;
    QtMainDialogPrompts prompts(nullptr);
    MainDialog dialog(messages, prompts);
    dialog.OnInitDialog(QString::fromStdString(m_packages.Path().string()));
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.FindButton("BUTTON_EXIT"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), 1);
}

} // namespace
} // namespace lumaskin
