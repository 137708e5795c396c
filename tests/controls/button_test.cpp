#include "controls/button_face.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_option_button.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Rgb;

constexpr std::uint32_t kKeyRef = 0x00FF00FF; // magenta as 0x00BBGGRR
const QRgb kStateColours[4] = {0x102030, 0x405060, 0x708090, 0xA0B0C0};
const QRgb kHostColour = 0x0A141E;

// A strip of four states of `state` size, each in its own colour, plus `extra` columns of
// white at the end; the top-left pixel of every state is the key colour.
QImage MakeStrip(QSize state, int extra = 0)
{
    QImage strip(state.width() * 4 + extra, state.height(), QImage::Format_RGB32);
    strip.fill(Qt::white);
    for (int i = 0; i < 4; ++i) {
        for (int y = 0; y < state.height(); ++y)
            for (int x = 0; x < state.width(); ++x)
                strip.setPixel(i * state.width() + x, y, kStateColours[i]);
        strip.setPixel(i * state.width(), 0, qRgb(255, 0, 255));
    }
    return strip;
}

class ButtonTest : public ::testing::Test
{
protected:
    template <class Button> Button *Make(QRect rect, int index = 3)
    {
        auto *button = new Button(&host);
        button->SetHost(&host);
        button->SetTransparentColor(kKeyRef);
        button->Create(rect);
        button->LoadStateBitmaps(stripPath, rect.left(), rect.top(), rect.right() + 1,
                                 rect.bottom() + 1);
        button->SetIndex(index);
        button->SetName("BUTTON_PLAY");
        return button;
    }

    // Colour shown at a point of the button, read from the host's screen.
    QRgb ShownAt(const QWidget *button, QPoint at = QPoint(5, 5))
    {
        const QPoint p = button->mapTo(&host, at);
        return Rgb(host.Screen(), p.x(), p.y());
    }

    test::TempDir dir;
    test::TestHost host;
    QString stripPath = test::WriteBmp(dir.Path(), "strip.bmp", MakeStrip(QSize(100, 20), 3));
};

TEST(ButtonFace, RulesInOrder)
{
    auto face = [](bool latched, bool checked, bool hover, bool pressed, bool disabled) {
        return ChooseButtonFace({latched, checked, hover, pressed, disabled});
    };
    // Latched: only normal and down, whatever the mouse does.
    EXPECT_EQ(face(true, false, true, true, true), ButtonFace::Normal);
    EXPECT_EQ(face(true, true, false, false, false), ButtonFace::Down);
    // Checked, not latched: down, but hover while the mouse is over it.
    EXPECT_EQ(face(false, true, false, false, false), ButtonFace::Down);
    EXPECT_EQ(face(false, true, true, false, false), ButtonFace::Hover);
    EXPECT_EQ(face(false, true, true, true, false), ButtonFace::Down);
    EXPECT_EQ(face(false, false, true, true, false), ButtonFace::Down);
    EXPECT_EQ(face(false, false, true, false, true), ButtonFace::Hover);
    EXPECT_EQ(face(false, false, false, false, true), ButtonFace::Disabled);
    EXPECT_EQ(face(false, false, false, false, false), ButtonFace::Normal);
}

TEST_F(ButtonTest, StripIsCutInQuartersAndStretched)
{
    // 403 pixels wide: four 100-pixel states, the last 3 columns never used.
    auto *exact = Make<SkinButton>(QRect(10, 10, 100, 20));
    for (int i = 0; i < 4; ++i) {
        const QImage &face = exact->StateBitmap(static_cast<ButtonFace>(i));
        ASSERT_EQ(face.size(), QSize(100, 20));
        EXPECT_EQ(Rgb(face, 99, 19), kStateColours[i]);
        EXPECT_EQ(qAlpha(face.pixel(0, 0)), 0) << "key-coloured pixel is transparent";
    }
    // A rectangle of another size stretches every face to it.
    auto *stretched = Make<SkinButton>(QRect(10, 50, 50, 40));
    const QImage &down = stretched->StateBitmap(ButtonFace::Down);
    ASSERT_EQ(down.size(), QSize(50, 40));
    EXPECT_EQ(Rgb(down, 49, 39), kStateColours[2]);
    EXPECT_EQ(Rgb(down, 25, 20), kStateColours[2]);
}

TEST_F(ButtonTest, FacesShowOverHostBackgroundWithKeyHoles)
{
    auto *button = Make<SkinButton>(QRect(20, 20, 100, 20));
    host.ShowAndWait();
    EXPECT_EQ(ShownAt(button), kStateColours[0]);
    EXPECT_EQ(ShownAt(button, QPoint(0, 0)), kHostColour) << "background shows through the key";

    button->setEnabled(false);
    EXPECT_EQ(ShownAt(button), kStateColours[3]);
    button->setEnabled(true);

    button->SetChecked(1);
    EXPECT_EQ(ShownAt(button), kStateColours[2]);

    button->SetLatched(true);
    button->SetChecked(0);
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ShownAt(button), kStateColours[0]) << "a latched button shows no pressed face";
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(5, 5));
}

TEST_F(ButtonTest, HoverAndPressFollowTheMouse)
{
    auto *button = Make<SkinButton>(QRect(20, 20, 100, 20));
    auto *other = Make<SkinButton>(QRect(20, 100, 100, 20));
    host.ShowAndWait();

    QTest::mouseMove(button, QPoint(50, 10));
    EXPECT_TRUE(button->IsHover());
    EXPECT_EQ(ShownAt(button), kStateColours[1]);

    // Checked and not latched: hover face while over it, down face once the mouse leaves.
    button->SetChecked(1);
    EXPECT_EQ(ShownAt(button), kStateColours[1]);
    QTest::mouseMove(&host, QPoint(300, 190));
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(ShownAt(button), kStateColours[2]);
    button->SetChecked(0);

    // Pressed: down face; dragged off, back to normal; released outside: no click.
    QTest::mousePress(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(ShownAt(button), kStateColours[2]);
    QTest::mouseMove(button, QPoint(150, 5));
    EXPECT_EQ(ShownAt(button), kStateColours[0]);
    QTest::mouseRelease(button, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_TRUE(host.buttonClicks.empty());

    // Dragging onto another button with the left button held does not highlight it, but
    // releasing over it still clicks.
    QTest::mousePress(&host, Qt::LeftButton, {}, QPoint(300, 190));
    QTest::mouseMove(other, QPoint(10, 10));
    EXPECT_FALSE(other->IsHover());
    EXPECT_EQ(ShownAt(other), kStateColours[0]);
    QTest::mouseRelease(other, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(host.buttonClicks, std::vector<int>{3});
}

TEST_F(ButtonTest, HighlightsOnlyWhileTheProgramIsActive)
{
    auto *button = Make<SkinButton>(QRect(20, 20, 100, 20));
    host.ShowAndWait();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&host));
    QTest::mouseMove(button, QPoint(50, 10));
    ASSERT_TRUE(button->IsHover());

    // Another program comes to the front: the highlight goes, and the mouse brings none.
    QApplication::setActiveWindow(nullptr);
    EXPECT_FALSE(button->IsHover());
    EXPECT_EQ(ShownAt(button), kStateColours[0]);
    QTest::mouseMove(button, QPoint(60, 12));
    EXPECT_FALSE(button->IsHover());
    // A click still acts.
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.buttonClicks, std::vector<int>{3});

    QApplication::setActiveWindow(&host);
    QTest::mouseMove(button, QPoint(50, 10));
    EXPECT_TRUE(button->IsHover());
}

TEST_F(ButtonTest, ClickReportsIndexOnReleaseInside)
{
    auto *button = Make<SkinButton>(QRect(20, 20, 100, 20), 7);
    host.ShowAndWait();
    QTest::mouseMove(button, QPoint(50, 10));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(50, 10));
    EXPECT_EQ(host.buttonClicks, std::vector<int>{7});
    EXPECT_FALSE(button->IsHover()) << "a click clears the highlight";
    QTest::mouseClick(button, Qt::RightButton, {}, QPoint(50, 10));
    EXPECT_EQ(host.buttonClicks.size(), 1u) << "only the left button clicks";
}

TEST_F(ButtonTest, TaskBarButtonsCloseByNameOrDoNothing)
{
    auto *exitButton = Make<SkinButton>(QRect(0, 0, 40, 20));
    exitButton->SetHost(nullptr);
    exitButton->SetTaskBarHost(&host);
    exitButton->SetName("TASKBUTTON_EXIT");
    auto *otherButton = Make<SkinButton>(QRect(50, 0, 40, 20));
    otherButton->SetHost(nullptr);
    otherButton->SetTaskBarHost(&host);
    otherButton->SetName("TASKBUTTON_MORE");
    QTest::mouseClick(exitButton, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(otherButton, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.taskBarCloses, std::vector<std::string>{"TASKBUTTON_EXIT"});
    EXPECT_TRUE(host.buttonClicks.empty());
}

TEST_F(ButtonTest, CheckBoxFlipsAndOptionStaysSet)
{
    auto *check = Make<SkinCheckBox>(QRect(10, 10, 100, 20), 1);
    auto *option = Make<SkinOptionButton>(QRect(10, 50, 100, 20), 2);
    host.ShowAndWait();

    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(check->IsChecked(), 1);
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(check->IsChecked(), 0);
    EXPECT_EQ(host.checkClicks, (std::vector<int>{1, 1}));

    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(option->IsChecked(), 1) << "a click never clears an option";
    EXPECT_EQ(host.optionClicks, (std::vector<int>{2, 2}));

    // No highlight at all while checked: the down face stays under the mouse.
    QTest::mouseMove(option, QPoint(50, 10));
    EXPECT_FALSE(option->IsHover());
    EXPECT_EQ(ShownAt(option), kStateColours[2]);
    // Unchecked, the mouse highlights it again.
    QTest::mouseMove(check, QPoint(50, 10));
    EXPECT_TRUE(check->IsHover());
}

TEST_F(ButtonTest, MissingOrEmptyBitmapsDrawNothingButStillClick)
{
    auto *button = new SkinButton(&host);
    button->SetHost(&host);
    button->Create(QRect(10, 10, 60, 20));
    button->LoadStateBitmaps(QString::fromStdString((dir / "none.bmp").string()), 10, 10, 70, 30);
    button->SetTooltipText(QString(), true);
    auto *tiny = new SkinButton(&host);
    tiny->Create(QRect(100, 10, 60, 20));
    // A strip narrower than four pixels, and a zero-sized rectangle.
    tiny->LoadStateBitmaps(test::WriteBmp(dir.Path(), "tiny.bmp", Filled(QSize(3, 5), Qt::red)),
                           100, 10, 160, 30);
    auto *flat = Make<SkinButton>(QRect(200, 10, 60, 20));
    flat->LoadStateBitmaps(stripPath, 200, 10, 200, 10);
    host.ShowAndWait();

    const QImage screen = host.Screen();
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            ASSERT_EQ(Rgb(screen, x, y), kHostColour) << x << "," << y;
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.buttonClicks, std::vector<int>{0});
    EXPECT_TRUE(button->toolTip().isEmpty());
}

TEST_F(ButtonTest, TooltipFollowsActivation)
{
    auto *button = Make<SkinButton>(QRect(10, 10, 100, 20));
    button->SetTooltipText("Play", true);
    EXPECT_EQ(button->toolTip(), "Play");
    button->ActivateTooltip(false);
    EXPECT_TRUE(button->toolTip().isEmpty());
    button->ActivateTooltip(true);
    EXPECT_EQ(button->toolTip(), "Play");
}

} // namespace
} // namespace lumaskin
