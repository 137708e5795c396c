#include "controls/skin_combo_list.h"
#include "skin/skin_dialog.h"
#include "skin/skin_sections.h"
#include "tests/skin/reporting_dialog.h"
#include "tests/skin/skin_dialog_fixture.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::TempDir;
using test::TestSkin;
using ::testing::ElementsAre;

// Records what the name-routed operations receive.
class RecordingDialog : public test::ReportingDialog
{
public:
    void OnControlClicked(const std::string &name) override { clicked.push_back(name); }
    void OnOptionSelected(const std::string &name) override { options.push_back(name); }
    void OnSliderChanged(const std::string &name, int position) override
    {
        sliders.push_back(name + "=" + std::to_string(position));
    }
    void OnSkinLoaded() override { ++loaded; }

    std::vector<std::string> clicked;
    std::vector<std::string> options;
    std::vector<std::string> sliders;
    int loaded = 0;
};

// Records the task-bar pop-up's calls in order.
class RecordingPopup : public TaskBarPopup
{
public:
    explicit RecordingPopup(std::vector<std::string> &calls) : m_calls(calls) {}
    bool IsCreated() const override { return m_created; }
    void Create(QWidget *) override
    {
        m_created = true;
        m_calls.push_back("Create");
    }
    void HideNow() override { m_calls.push_back("HideNow"); }
    void SetSkinBitmap(const QString &path, int r, int g, int b) override
    {
        m_calls.push_back("SetSkinBitmap " + path.section(u'/', -1).toStdString() + " " +
                          std::to_string(r) + "," + std::to_string(g) + "," + std::to_string(b));
    }
    void StartPopUp(int show, int stay, int hide, int unused) override
    {
        m_calls.push_back("StartPopUp " + std::to_string(show) + "," + std::to_string(stay) + "," +
                          std::to_string(hide) + "," + std::to_string(unused));
    }
    void DestroyButton() override { m_calls.push_back("DestroyButton"); }
    QWidget *ButtonParent() override { return &m_window; }
    void AddButton(SkinButton *button) override
    {
        EXPECT_EQ(button->parentWidget(), &m_window);
        m_calls.push_back("AddButton " + button->Name() + " " + std::to_string(button->Index()));
    }
    void CloseTaskBar(const std::string &name) override { m_calls.push_back("Close " + name); }

private:
    std::vector<std::string> &m_calls;
    QWidget m_window;
    bool m_created = false;
};

class SkinDialogTest : public ::testing::Test
{
protected:
    void Load(SkinDialog &dialog, const TestSkin &skin = {})
    {
        const std::filesystem::path folder = m_dir / ("skin" + std::to_string(m_loads++));
        test::WriteTestSkin(folder, skin);
        const QString file = QString::fromStdString((folder / "Skin.ini").string());
        dialog.SetSkinFile(file);
        dialog.SetSkinFolder(SkinDialog::GetFolderOfPath(file));
        dialog.LoadSkin();
        // What the event loop does next: the previous skin's layer goes.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    TempDir m_dir;
    int m_loads = 0;
};

int CountWidgets(const QWidget &widget)
{
    return static_cast<int>(widget.findChildren<QWidget *>().size());
}

TEST_F(SkinDialogTest, LoadsEverySectionOfAWholeSkin)
{
    RecordingDialog dialog;
    Load(dialog);

    EXPECT_EQ(dialog.size(), QSize(test::kSkinWidth, test::kSkinHeight));
    EXPECT_EQ(dialog.TransparentColor(), 0x00FF00FFu);
    ASSERT_TRUE(dialog.HostRect().has_value());
    EXPECT_EQ(*dialog.HostRect(), (Rect{100, 40, 180, 100}));
    EXPECT_EQ(dialog.IconBitmap().size(), QSize(16, 16));
    EXPECT_EQ(dialog.IconRect(), (Rect{6, 6, 22, 22}));

    ASSERT_EQ(dialog.Buttons().size(), 5u);
    EXPECT_EQ(dialog.Buttons()[2]->Name(), "BUTTON_EXIT");
    EXPECT_EQ(dialog.Buttons()[2]->Index(), 2);
    EXPECT_EQ(dialog.Buttons()[2]->geometry(), QRect(176, 6, 20, 16));
    EXPECT_EQ(dialog.Sliders().size(), 1u);
    EXPECT_EQ(dialog.Sliders()[0]->MaxPos(), 7200);
    EXPECT_EQ(dialog.OptionButtons().size(), 3u);
    EXPECT_EQ(dialog.OptionButtons()[0]->IsChecked(), 1);
    EXPECT_EQ(dialog.CheckBoxes().size(), 1u);
    ASSERT_NE(dialog.CaptionLabel(), nullptr);
    EXPECT_EQ(dialog.CaptionLabel()->Text(), "Test skin");
    EXPECT_EQ(dialog.Labels().size(), 1u);
    EXPECT_EQ(dialog.EditBoxes().size(), 1u);
    EXPECT_TRUE(dialog.EditBoxes()[0]->isEnabled());
    ASSERT_EQ(dialog.ListControls().size(), 1u);
    EXPECT_NE(dialog.ListControls()[0]->ScrollBar(), nullptr);
    ASSERT_EQ(dialog.ComboBoxes().size(), 1u);
    EXPECT_FALSE(dialog.ComboBoxes()[0]->IsListOpen());
    EXPECT_TRUE(dialog.SkinLayer()->ControlsOf(kProgressSection).empty())
        << "progress bars are never read";

    EXPECT_EQ(dialog.loaded, 1) << "the derived dialog hears of every load";

    // The controls copy from a background context equal to the background.
    EXPECT_EQ(dialog.BackgroundContext(), dialog.BackgroundBitmap());
    EXPECT_EQ(dialog.BackgroundContext().pixelColor(50, 50), TestSkin{}.fill);

    // Every kind of control the registry knows is built from its section, each a child of
    // the one layer.
    for (const ControlKind &kind : ControlKinds()) {
        const std::vector<QWidget *> &controls = dialog.SkinLayer()->ControlsOf(kind.section);
        ASSERT_FALSE(controls.empty()) << kind.section;
        EXPECT_EQ(controls.front()->parentWidget(), dialog.SkinLayer()) << kind.section;
    }
}

TEST(SkinDialogTabOrder, RowsFromTheTopLeftToRight)
{
    // A tall list beside a row of buttons, a combo box whose button stands a pixel higher
    // than the zoom row, and a field below.
    const std::vector<QRect> rects = {
        QRect(474, 512, 40, 28),  // 0 zoom
        QRect(28, 96, 324, 348),  // 1 list
        QRect(222, 517, 130, 26), // 2 convert
        QRect(390, 96, 562, 404), // 3 viewer
        QRect(28, 518, 184, 24),  // 4 combo
        QRect(474, 594, 478, 24), // 5 field
        QRect(902, 19, 30, 30),   // 6 close
    };
    EXPECT_THAT(LayoutOrder(rects), ElementsAre(6, 1, 3, 4, 2, 0, 5));
}

TEST_F(SkinDialogTest, TabReachesEveryControlAndMarksItUntilTheMouseIsUsed)
{
    RecordingDialog dialog;
    Load(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();
    std::vector<QWidget *> reached;
    for (int i = 0; i < 30; ++i) {
        QWidget *from = QApplication::focusWidget() ? QApplication::focusWidget() : &dialog;
        QTest::keyClick(from, Qt::Key_Tab);
        QWidget *now = QApplication::focusWidget();
        ASSERT_NE(now, nullptr);
        EXPECT_EQ(dialog.FocusShown().Marked(), now) << "a control reached by Tab is marked";
        if (std::find(reached.begin(), reached.end(), now) == reached.end())
            reached.push_back(now);
    }
    const auto reachedAll = [&reached](const auto &controls) {
        for (auto *control : controls) {
            if (control->isVisible() && control->isEnabled()) {
                EXPECT_NE(std::find(reached.begin(), reached.end(), control), reached.end())
                    << control->metaObject()->className() << " " << control->Name();
            }
        }
    };
    reachedAll(dialog.Buttons());
    reachedAll(dialog.OptionButtons());
    reachedAll(dialog.CheckBoxes());
    reachedAll(dialog.Sliders());
    reachedAll(dialog.EditBoxes());
    reachedAll(dialog.ListControls());
    reachedAll(dialog.ComboBoxes());
    for (const CLabel *label : dialog.Labels())
        EXPECT_EQ(std::find(reached.begin(), reached.end(), label), reached.end());
    EXPECT_FALSE(dialog.ListControls()[0]->accessibleName().isEmpty());
    EXPECT_FALSE(dialog.ComboBoxes()[0]->accessibleName().isEmpty());

    dialog.ListControls()[0]->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(dialog.FocusShown().Marked(), nullptr) << "no mark once the mouse is used";
}

TEST_F(SkinDialogTest, DrivesTheTaskBarPopUpInOrder)
{
    std::vector<std::string> calls;
    SkinDialog dialog;
    dialog.SetTaskBarPopup(std::make_unique<RecordingPopup>(calls));
    Load(dialog);
    EXPECT_THAT(calls,
                ElementsAre("Create", "HideNow", "SetSkinBitmap dlgTaskNotifier.bmp 255,0,255",
                            "StartPopUp 300,6000,300,1", "AddButton TASKBUTTON_A 0",
                            "AddButton TASKBUTTON_EXIT 1"));
    calls.clear();
    Load(dialog);
    EXPECT_THAT(calls, ElementsAre("HideNow", "DestroyButton",
                                   "SetSkinBitmap dlgTaskNotifier.bmp 255,0,255",
                                   "StartPopUp 300,6000,300,1", "AddButton TASKBUTTON_A 0",
                                   "AddButton TASKBUTTON_EXIT 1"));

    // Turned off in the skin menu, the note stays away (and goes at once if it is up).
    std::unique_ptr<QMenu> menu = dialog.CreateSkinMenu();
    QAction *notes = menu->actions().last();
    ASSERT_TRUE(notes->isCheckable() && notes->isChecked());
    QSignalSpy turned(&dialog, &SkinDialog::notesShownChanged);
    calls.clear();
    notes->trigger();
    EXPECT_EQ(turned.count(), 1);
    Load(dialog);
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "StartPopUp 300,6000,300,1"), 0);
    EXPECT_EQ(calls.front(), "HideNow");
    EXPECT_FALSE(dialog.CreateSkinMenu()->actions().last()->isChecked());
}

TEST_F(SkinDialogTest, WindowShapeIsTheBackgroundWithoutKeyPixels)
{
    SkinDialog dialog;
    Load(dialog);
    EXPECT_EQ(dialog.mask(), test::TestSkinShape());
    EXPECT_EQ(dialog.WindowRegion(), test::TestSkinShape());

    // A single key pixel inside is cut too, with no rounding of the width.
    QImage bitmap(13, 5, QImage::Format_RGB32);
    bitmap.fill(QColor(1, 2, 3));
    bitmap.setPixelColor(12, 4, QColor(255, 0, 255));
    QRegion region;
    EXPECT_TRUE(dialog.ShapeWindow(region, bitmap, 0x00FF00FF));
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 13, 5) - QRegion(12, 4, 1, 1));

    // Without key pixels the window is the bitmap's rectangle.
    bitmap.fill(QColor(1, 2, 3));
    EXPECT_FALSE(dialog.ShapeWindow(region, bitmap, 0x00FF00FF));
    EXPECT_EQ(dialog.mask(), QRegion(0, 0, 13, 5));
}

TEST_F(SkinDialogTest, SecondLoadLeavesNothingOfTheFirst)
{
    RecordingDialog fresh;
    Load(fresh, TestSkin{QColor(200, 10, 10), {}, false});
    const int expectedChildren = CountWidgets(fresh);

    RecordingDialog dialog;
    Load(dialog);
    const int firstChildren = CountWidgets(dialog);
    Load(dialog, TestSkin{QColor(200, 10, 10), "", false});

    EXPECT_GT(firstChildren, expectedChildren);
    EXPECT_EQ(CountWidgets(dialog), expectedChildren);
    EXPECT_EQ(dialog.Buttons().size(), 1u);
    EXPECT_TRUE(dialog.CheckBoxes().empty());
    EXPECT_TRUE(dialog.OptionButtons().empty());
    EXPECT_TRUE(dialog.ComboBoxes().empty());
    EXPECT_EQ(dialog.CaptionLabel(), nullptr);
    EXPECT_EQ(dialog.FindButton("BUTTON_PLAY"), nullptr);
    EXPECT_EQ(dialog.BackgroundContext().pixelColor(50, 50), QColor(200, 10, 10));

    // And back to the whole skin: the same state as after its first load.
    Load(dialog);
    EXPECT_EQ(CountWidgets(dialog), firstChildren);
    EXPECT_NE(dialog.FindButton("BUTTON_PLAY"), nullptr);
    EXPECT_EQ(dialog.loaded, 3);
}

TEST_F(SkinDialogTest, ASkinWithoutIconDropsThePreviousIcon)
{
    SkinDialog dialog;
    Load(dialog);
    ASSERT_FALSE(dialog.IconBitmap().isNull());
    // The same skin with its icon section renamed.
    const std::filesystem::path folder = m_dir / "noicon";
    test::WriteTestSkin(folder, TestSkin{});
    std::string ini = test::ReadFile(folder / "Skin.ini");
    ini.replace(ini.find("[ICON]"), 6, "[OTHER]");
    test::WriteFile(folder / "Skin.ini", ini);
    dialog.SetSkinFile(QString::fromStdString((folder / "Skin.ini").string()));
    dialog.LoadSkin();
    EXPECT_TRUE(dialog.IconBitmap().isNull());
}

TEST_F(SkinDialogTest, ClicksReachTheNameRoutedOperations)
{
    RecordingDialog dialog;
    Load(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    QTest::mouseClick(dialog.FindButton("BUTTON_EXIT"), Qt::LeftButton);
    dialog.OnButtonClicked(4);
    dialog.OnButtonClicked(5);  // beyond the list: ignored
    dialog.OnButtonClicked(-1); // likewise
    EXPECT_THAT(dialog.clicked, ElementsAre("BUTTON_EXIT", "BUTTON_TWIN"));

    dialog.OnSliderMoved(0, 125);
    dialog.OnSliderMoved(1, 5);
    EXPECT_THAT(dialog.sliders, ElementsAre("SLIDER_PROGRESS=125"));

    // An empty entry in the list ("2="): every button still runs the command of its own name.
    const std::filesystem::path folder = m_dir / "gap";
    test::WriteTestSkin(folder, TestSkin{});
    std::string ini = test::ReadFile(folder / "Skin.ini");
    const std::size_t second = ini.find("\n2=", ini.find("[BUTTONINFO]"));
    ASSERT_NE(second, std::string::npos);
    ini.erase(second + 3, ini.find('\n', second + 1) - second - 3);
    test::WriteFile(folder / "Skin.ini", ini);
    RecordingDialog gapped;
    gapped.SetSkinFile(QString::fromStdString((folder / "Skin.ini").string()));
    gapped.SetSkinFolder(SkinDialog::GetFolderOfPath(gapped.SkinFile()));
    gapped.LoadSkin();
    gapped.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&gapped));
    for (SkinButton *button : gapped.Buttons())
        QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_THAT(gapped.clicked,
                ElementsAre("BUTTON_PLAY", "BUTTON_EXIT", "BUTTON_TWIN", "BUTTON_TWIN"));

    // Two buttons of one name: look-ups act on the first.
    EXPECT_EQ(dialog.FindButton("BUTTON_TWIN"), dialog.Buttons()[3]);
    dialog.SetButtonChecked("BUTTON_TWIN", 1);
    EXPECT_EQ(dialog.Buttons()[3]->IsChecked(), 1);
    EXPECT_EQ(dialog.Buttons()[4]->IsChecked(), 0);
    EXPECT_EQ(dialog.GetButtonState("BUTTON_TWIN"), 1);
    dialog.EnableButton("BUTTON_TWIN", false);
    EXPECT_FALSE(dialog.Buttons()[3]->isEnabled());
    EXPECT_TRUE(dialog.Buttons()[4]->isEnabled());
    dialog.SetButtonTooltip("BUTTON_TWIN", "changed");
    EXPECT_EQ(dialog.Buttons()[3]->TooltipText(), "changed");
    EXPECT_EQ(dialog.Buttons()[4]->TooltipText(), "Second");

    dialog.SetSliderPos("SLIDER_PROGRESS", 3725);
    EXPECT_EQ(dialog.GetSliderPos("SLIDER_PROGRESS"), 3725);
    // Unknown names do nothing.
    EXPECT_EQ(dialog.GetSliderPos("SLIDER_NONE"), 0);
    EXPECT_EQ(dialog.GetButtonState("BUTTON_NONE"), 0);
    dialog.SetButtonChecked("BUTTON_NONE", 1);
    EXPECT_EQ(dialog.FindLabel("LABEL_NONE"), nullptr);
    // Names match case-sensitively.
    EXPECT_EQ(dialog.FindButton("button_exit"), nullptr);
}

TEST_F(SkinDialogTest, OptionsAreExclusiveFromLoadOn)
{
    RecordingDialog dialog;
    Load(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const auto &options = dialog.OptionButtons();
    ASSERT_EQ(options.size(), 3u);
    // The skin checks the first two; only the first shows checked.
    EXPECT_EQ(options[0]->IsChecked(), 1);
    EXPECT_EQ(options[1]->IsChecked(), 0);

    QTest::mouseClick(options[2], Qt::LeftButton);
    QTest::mouseClick(options[1], Qt::LeftButton);
    EXPECT_EQ(options[0]->IsChecked(), 0);
    EXPECT_EQ(options[1]->IsChecked(), 1) << "checking one clears the others";
    EXPECT_EQ(options[2]->IsChecked(), 0);
    EXPECT_THAT(dialog.options, ElementsAre("OPTION_B", "OPTION_AUDIOSTREAM1"));

    dialog.OnOptionClicked(7); // out of range: nothing
    EXPECT_EQ(dialog.options.size(), 2u);
}

TEST_F(SkinDialogTest, EscapeAndEnterDoNotCloseTheDialog)
{
    SkinDialog dialog;
    Load(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter}) {
        QTest::keyClick(&dialog, key);
        EXPECT_TRUE(dialog.isVisible()) << key;
        // From inside the edit box too.
        QTest::keyClick(dialog.EditBoxes()[0], key);
        EXPECT_TRUE(dialog.isVisible()) << key;
    }
}

TEST_F(SkinDialogTest, MouseMovesOverTheBackgroundCloseTheDropList)
{
    SkinDialog dialog;
    Load(dialog);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    SkinComboBox &combo = *dialog.ComboBoxes()[0];
    combo.ToggleList();
    ASSERT_TRUE(combo.IsListOpen());

    const auto move = [&](QPoint pos) {
        QMouseEvent event(QEvent::MouseMove, pos, dialog.mapToGlobal(pos), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dialog, &event);
    };
    move(combo.WholeRect().center());
    EXPECT_TRUE(combo.IsListOpen());
    move(QPoint(20, 100));
    EXPECT_FALSE(combo.IsListOpen());
}

TEST_F(SkinDialogTest, APressOnTheBackgroundMovesTheWindow)
{
    SkinDialog dialog;
    Load(dialog);
    dialog.move(100, 100);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    const QPoint start(20, 100); // bare background
    const QPoint startGlobal = dialog.mapToGlobal(start);
    QMouseEvent press(QEvent::MouseButtonPress, start, startGlobal, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &press);
    const QPoint before = dialog.pos();
    QMouseEvent drag(QEvent::MouseMove, start, startGlobal + QPoint(30, 15), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &drag);
    EXPECT_EQ(dialog.pos(), before + QPoint(30, 15));
    QMouseEvent release(QEvent::MouseButtonRelease, start, startGlobal + QPoint(30, 15),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &release);
    // Without the button the window stays put.
    QMouseEvent hover(QEvent::MouseMove, start, startGlobal + QPoint(90, 90), Qt::NoButton,
                      Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&dialog, &hover);
    EXPECT_EQ(dialog.pos(), before + QPoint(30, 15));
}

TEST(SkinDialogTime, FormatsHoursMinutesSeconds)
{
    EXPECT_EQ(SkinDialog::FormatTime(0), "00:00:00");
    EXPECT_EQ(SkinDialog::FormatTime(7200), "02:00:00");
    EXPECT_EQ(SkinDialog::FormatTime(3725), "01:02:05");
    EXPECT_EQ(SkinDialog::FormatTime(359999), "99:59:59");
    EXPECT_EQ(SkinDialog::FormatTime(400000), "99:59:59");
    EXPECT_EQ(SkinDialog::FormatTime(-5), "00:00:00");
}

TEST(SkinDialogPaths, FolderOfAPathIsAbsoluteWithATrailingSlash)
{
    const QString current = QDir::currentPath();
    EXPECT_EQ(SkinDialog::GetFolderOfPath("Test/Skin.ini"), current + "/Test/");
    EXPECT_EQ(SkinDialog::GetFolderOfPath("/tmp/x/Skin.ini"), "/tmp/x/");
    EXPECT_EQ(SkinDialog::GetFolderOfPath("/Skin.ini"), "/");
}

} // namespace
} // namespace lumaskin

namespace lumaskin {
namespace {

QStringList ComboItems(const SkinDialog &dialog)
{
    QStringList items;
    const SkinComboList &list = *dialog.ComboBoxes().front()->List();
    for (int row = 0; row < list.topLevelItemCount(); ++row)
        items << list.topLevelItem(row)->text(0);
    return items;
}

TEST(SkinDialogSkinChange, RebuildsFromThePackageFolderWithThePlaceholderItems)
{
    TempDir packages;
    TempDir scratch;
    test::TestSkin orange;
    orange.fill = QColor(250, 140, 20);
    test::WriteTestSkinPackage(packages / "Orange.zip", scratch.Path(), orange);
    test::TestSkin small;
    small.full = false;
    test::WriteTestSkinPackage(packages / "Gray.zip", scratch.Path(), small);

    std::vector<std::string> calls;
    test::ReportingDialog dialog;
    dialog.SetTaskBarPopup(std::make_unique<RecordingPopup>(calls));
    dialog.SetPackageFolder(QString::fromStdString(packages.Path().string()));
    dialog.show();

    for (int round = 0; round < 2; ++round) {
        calls.clear();
        dialog.OnChangeSkin(32771);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.SkinIndex(), 0);
        EXPECT_EQ(dialog.BackgroundBitmap().pixelColor(50, 50), orange.fill);
        EXPECT_EQ(dialog.Buttons().size(), 5u);
        EXPECT_EQ(dialog.CheckBoxes().size(), 1u);
        EXPECT_THAT(ComboItems(dialog), ElementsAre("item1", "item2", "item3"));
        // The pop-up is put away before the package is read, then slides in again.
        ASSERT_FALSE(calls.empty());
        EXPECT_EQ(calls[0], "HideNow");
        EXPECT_EQ(std::count(calls.begin(), calls.end(), "StartPopUp 300,6000,300,1"), 1);
    }

    // A skin without combo boxes gets no items; the working folders are all gone.
    dialog.OnChangeSkin(32776);
    EXPECT_EQ(dialog.SkinIndex(), 5);
    EXPECT_TRUE(dialog.ComboBoxes().empty());
    EXPECT_EQ(dialog.Buttons().size(), 1u);
    EXPECT_TRUE(dialog.told.empty());

    // Packages that give no skin: missing, with its files in a folder inside it, without the
    // background its Skin.ini names. Each is told, and the window keeps the skin it wears.
    test::WriteTestSkin(scratch / "inside", small);
    ASSERT_EQ(test::RunCommand("zip -q -r '" + (packages / "Pink.zip").string() + "' inside",
                               scratch.Path()),
              0);
    test::WriteFile(scratch / "Skin.ini", "[Screen]\nMain=gone.bmp\n");
    ASSERT_EQ(test::RunCommand("zip -q -j '" + (packages / "Deluxe.zip").string() + "' Skin.ini",
                               scratch.Path()),
              0);
    for (const int command : {32775, 32777, 32778}) {
        dialog.OnChangeSkin(command);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.Buttons().size(), 1u);
        EXPECT_EQ(dialog.SkinIndex(), 5);
        EXPECT_TRUE(dialog.SkinPackageFailed());
        EXPECT_FALSE(dialog.FailedPackage().isEmpty());
    }
    EXPECT_THAT(dialog.told,
                ElementsAre("Open failed",
                            "Pink.zip gives no skin: it holds no Skin.ini at its top level.",
                            "Deluxe.zip gives no skin: its background bitmap is missing or "
                            "cannot be read."));
    const std::unique_ptr<QMenu> menu = dialog.CreateSkinMenu();
    EXPECT_EQ(menu->title(), "&Change Skin");
    QStringList texts;
    for (QAction *action : menu->actions()) {
        texts << action->text();
        EXPECT_EQ(action->isChecked(), texts.size() == 6 || texts.size() == 12)
            << action->text().toStdString();
    }
    // The skins, "Install Skin...", which needs a user's folder to copy to, and the notes.
    EXPECT_THAT(texts, ElementsAre("&Orange", "&Black", "&Purple", "Bl&ue", "&Red", "&Gray",
                                   "P&ink", "&Deluxe", "", "Install &Skin...", "",
                                   "Show a &Note at Each Skin Change"));
    EXPECT_FALSE(menu->actions()[9]->isEnabled());
    // Only the skins whose packages are there can be chosen.
    EXPECT_TRUE(menu->actions()[0]->isEnabled());
    EXPECT_FALSE(menu->actions()[1]->isEnabled());

    // Commands outside the eight change nothing.
    dialog.OnChangeSkin(32779);
    dialog.OnChangeSkin(32770);
    EXPECT_EQ(dialog.SkinIndex(), 5);
}

TEST(SkinDialogSkinChange, AMenuChoiceTakesEffectOnceTheMenuHasClosed)
{
    TempDir packages;
    TempDir scratch;
    test::WriteTestSkinPackage(packages / "Pink.zip", scratch.Path());
    SkinDialog dialog;
    dialog.SetPackageFolder(QString::fromStdString(packages.Path().string()));
    const std::unique_ptr<QMenu> menu = dialog.CreateSkinMenu();
    menu->actions()[6]->trigger();
    // Nothing has happened yet: the change destroys controls, possibly the one being clicked.
    EXPECT_EQ(dialog.SkinIndex(), 0);
    EXPECT_TRUE(dialog.Buttons().empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(dialog.SkinIndex(), 6);
    EXPECT_EQ(dialog.Buttons().size(), 5u);
}

} // namespace
} // namespace lumaskin
