#include "controls/focus_mark.h"
#include "controls/skin_accessibility.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_slider.h"
#include "tests/controls/test_host.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

QAccessibleInterface &Accessible(QWidget *widget)
{
    return test::Need(QAccessible::queryAccessibleInterface(widget));
}

TEST(KeyboardAccess, SpaceAndEnterPressTheFocusedButton)
{
    test::TestHost host;
    auto *button = new SkinButton(&host);
    button->SetHost(&host);
    button->Create(QRect(10, 10, 80, 24));
    button->SetIndex(4);
    auto *check = new SkinCheckBox(&host);
    check->SetHost(&host);
    check->Create(QRect(10, 40, 80, 24));
    host.ShowAndWait();
    EXPECT_EQ(button->focusPolicy(), Qt::TabFocus) << "Tab reaches it, a click does not focus it";

    button->setFocus(Qt::TabFocusReason);
    QTest::keyPress(button, Qt::Key_Space);
    EXPECT_TRUE(host.buttonClicks.empty()) << "Space clicks as it comes up";
    EXPECT_EQ(button->CurrentFace(), ButtonFace::Down);
    QTest::keyRelease(button, Qt::Key_Space);
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(host.buttonClicks, (std::vector<int>{4, 4}));

    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Space);
    EXPECT_EQ(check->IsChecked(), 1);
    EXPECT_EQ(host.checkClicks.size(), 1u);
}

TEST(KeyboardAccess, ControlsTellScreenReadersWhatTheyAre)
{
    InstallSkinAccessibility();
    test::TestHost host;
    auto *button = new SkinButton(&host);
    button->SetHost(&host);
    button->Create(QRect(10, 10, 80, 24));
    button->SetName("BUTTON_CONVERT");
    button->SetTooltipText(QStringLiteral("Convert"), true);
    button->SetShortcutText(QStringLiteral("Ctrl+S"));
    auto *unnamed = new SkinCheckBox(&host);
    unnamed->SetName("CHECK_REPEAT");
    auto *slider = new SkinSlider(&host);
    slider->SetHost(&host);
    slider->SetName("SLIDER_PROGRESS");
    slider->SetRange(0, 7200, false);

    EXPECT_EQ(button->toolTip(), QStringLiteral("Convert (Ctrl+S)"));
    QAccessibleInterface &pressable = Accessible(button);
    EXPECT_EQ(pressable.role(), QAccessible::Button);
    EXPECT_EQ(pressable.text(QAccessible::Name), QStringLiteral("Convert"));
    EXPECT_TRUE(pressable.state().focusable);
    QAccessibleActionInterface *actions = pressable.actionInterface();
    ASSERT_NE(actions, nullptr);
    ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actions->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(host.buttonClicks.size(), 1u);

    QAccessibleInterface &check = Accessible(unnamed);
    EXPECT_EQ(check.role(), QAccessible::CheckBox);
    EXPECT_EQ(check.text(QAccessible::Name), QStringLiteral("Repeat")) << "named from its entry";
    EXPECT_FALSE(check.state().checked);
    unnamed->SetChecked(1);
    EXPECT_TRUE(check.state().checked);

    QAccessibleInterface &range = Accessible(slider);
    EXPECT_EQ(range.role(), QAccessible::Slider);
    QAccessibleValueInterface *value = range.valueInterface();
    ASSERT_NE(value, nullptr);
    value->setCurrentValue(1800);
    EXPECT_EQ(value->currentValue().toInt(), 1800);
    EXPECT_EQ(value->maximumValue().toInt(), 7200);
    EXPECT_EQ(host.sliderMoves.size(), 1u) << "a move by a screen reader reaches the host";

    EXPECT_EQ(ReadableName("BUTTON_ZOOM100"), QStringLiteral("Zoom 100"));
    EXPECT_EQ(ReadableName("BUTTON__RESTORE"), QStringLiteral("Restore"));
    EXPECT_EQ(ReadableName("LIST_FILES"), QStringLiteral("Files"));
}

TEST(KeyboardAccess, ComboBoxChoosesByArrowsAndOpensByAltDown)
{
    InstallSkinAccessibility();
    test::TestHost host(QSize(320, 240));
    auto *combo = new SkinComboBox(&host);
    combo->Create(QRect(10, 10, 150, 100));
    combo->Layout(10, 10, 160, 110);
    combo->CreateDropButton(QString(), 0x00FF00FF);
    combo->CreateEdit(0xFFFFFF, 0, 0);
    combo->CreateList(0xFFFFFF, 0, 0xFF0000, 0xFFFFFF, ScrollBarFiles{});
    for (const char *text : {"Bmp", "JPG", "PNG"})
        combo->AddItem(QString::fromLatin1(text));
    host.ShowAndWait();
    std::vector<int> chosen;
    QObject::connect(combo, &SkinComboBox::rowChosen,
                     [&chosen](int row) { chosen.push_back(row); });

    combo->setFocus(Qt::TabFocusReason);
    QTest::keyClick(combo, Qt::Key_Down);
    QTest::keyClick(combo, Qt::Key_End);
    EXPECT_EQ(chosen, (std::vector<int>{0, 2}));
    EXPECT_EQ(combo->Text(), QStringLiteral("PNG"));

    QTest::keyClick(combo, Qt::Key_Down, Qt::AltModifier);
    EXPECT_TRUE(combo->IsListOpen());
    QTest::keyClick(combo, Qt::Key_Up); // moves in the open list only
    EXPECT_EQ(combo->Text(), QStringLiteral("PNG"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_FALSE(combo->IsListOpen());
    EXPECT_EQ(combo->Text(), QStringLiteral("JPG"));
    EXPECT_EQ(Accessible(combo).text(QAccessible::Value), QStringLiteral("JPG"));

    // Opened as its drop button opens it, the list closes with Escape.
    combo->clearFocus();
    combo->ToggleList();
    ASSERT_TRUE(combo->IsListOpen());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(combo->IsListOpen());

    // Letters choose the format they begin, in any case; the wheel steps as the arrows do.
    QTest::keyClicks(combo, QStringLiteral("b"));
    EXPECT_EQ(combo->Text(), QStringLiteral("Bmp"));
    QTest::keyClicks(combo, QStringLiteral("P"));
    EXPECT_EQ(combo->Text(), QStringLiteral("PNG"));
    QWheelEvent up(QPointF(20, 20), combo->mapToGlobal(QPointF(20, 20)), {}, QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(combo, &up);
    EXPECT_EQ(combo->Text(), QStringLiteral("JPG"));
}

TEST(FocusMark, ColourStandsOutFromWhatIsUnder)
{
    const auto ring = [](QColor under) {
        QImage image(40, 20, QImage::Format_RGB32);
        image.fill(under);
        return image;
    };
    const QColor lilac(0xB5, 0x8C, 0xFF);
    const QColor violet(0x2A, 0x12, 0x49);
    // On a dark face the skin's light accent serves; on a light one, not.
    EXPECT_EQ(ChooseMarkColours(ring(violet), std::vector{lilac}).outer, lilac);
    const MarkColours onLight =
        ChooseMarkColours(ring(QColor(0xF0, 0xF0, 0xF0)), std::vector{lilac});
    EXPECT_EQ(onLight.outer, QColor(Qt::black));
    EXPECT_FALSE(onLight.inner.isValid());
    // Half black, half white under the ring: no one colour is enough, so two lines.
    QImage split = ring(Qt::black);
    for (int y = 0; y < split.height(); ++y)
        for (int x = split.width() / 2; x < split.width(); ++x)
            split.setPixel(x, y, qRgb(255, 255, 255));
    const MarkColours both = ChooseMarkColours(split, std::vector{lilac});
    ASSERT_TRUE(both.inner.isValid());
    EXPECT_GE(ContrastRatio(both.outer, both.inner), 4.5);
    EXPECT_NEAR(ContrastRatio(Qt::black, Qt::white), 21.0, 0.01);
}

} // namespace
} // namespace lumaskin
