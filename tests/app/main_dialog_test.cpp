#include "app/main_dialog.h"
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
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    std::vector<std::string> shown;
    std::vector<MessageIcon> icons;
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
