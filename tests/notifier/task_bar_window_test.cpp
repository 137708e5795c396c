#include "controls/skin_button.h"
#include "notifier/notifier_messages.h"
#include "notifier/task_bar_window.h"
#include "tests/support/temp_dir.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using Side = TaskBarWindow::Side;

constexpr QRgb kMagenta = 0xFF00FF;
constexpr QRgb kBody = 0x336699;

// A bitmap of `size` in the body colour, framed by one pixel of magenta.
QString WriteFramedBitmap(const test::TempDir &dir, QSize size, const char *name = "n.bmp")
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(kMagenta);
    for (int y = 1; y < size.height() - 1; ++y)
        for (int x = 1; x < size.width() - 1; ++x)
            image.setPixel(x, y, kBody);
    const QString path = QString::fromStdString((dir / name).string());
    EXPECT_TRUE(image.save(path, "BMP"));
    return path;
}

// The close button the skinned dialog makes for the pop-up: a child of the window reporting
// to it, with its faces cut from `strip` when one is given.
SkinButton *AddCloseButton(TaskBarWindow &window, QRect rect, int index, const QString &strip = {})
{
    auto *button = new SkinButton(window.ButtonParent());
    button->SetTaskBarHost(&window);
    button->SetName("TASKBUTTON_EXIT");
    button->SetIndex(index);
    button->Create(rect);
    if (!strip.isEmpty())
        button->LoadStateBitmaps(strip, rect.left(), rect.top(), rect.left() + rect.width(),
                                 rect.top() + rect.height());
    window.AddButton(button);
    return button;
}

struct SideCase
{
    const char *name;
    QRect work;
    Side side;
    QPoint start;
    QPoint shown;
};

const QRect kScreen(0, 0, 1000, 700);
constexpr QSize kSmall(8, 6);

const SideCase kSides[] = {
    {"bottom", QRect(0, 0, 1000, 660), Side::Bottom, {992, 660}, {992, 654}},
    {"top", QRect(0, 40, 1000, 660), Side::Top, {992, 34}, {992, 40}},
    {"left", QRect(60, 0, 940, 700), Side::Left, {52, 694}, {60, 694}},
    {"right", QRect(0, 0, 940, 700), Side::Right, {940, 694}, {932, 694}},
};

class TaskBarWindowTest : public ::testing::Test
{
protected:
    void SetUpWindow(QRect work, QSize size = kSmall)
    {
        window.SetScreenAreasSource([work] { return TaskBarWindow::ScreenAreas{work, kScreen}; });
        window.Create(&parent);
        window.HideNow();
        window.SetSkinBitmap(WriteFramedBitmap(dir, size), 255, 0, 255);
        ASSERT_TRUE(window.LastBitmapLoaded());
    }

    // Ticks timer `id` until it stops, recording the window's place after every tick.
    std::vector<QPoint> RunTimer(int id, int limit = 1000)
    {
        std::vector<QPoint> path;
        while (window.IsTimerActive(id) && limit-- > 0) {
            window.OnTimer(id);
            path.push_back(window.Position());
        }
        return path;
    }

    test::TempDir dir;
    QWidget parent;
    TaskBarWindow window;
};

TEST_F(TaskBarWindowTest, TaskBarSideComesFromTheWorkArea)
{
    for (const SideCase &c : kSides)
        EXPECT_EQ(TaskBarWindow::TaskBarSide(c.work, kScreen), c.side) << c.name;
    // No task bar at all (a bare X server): the bottom right corner.
    EXPECT_EQ(TaskBarWindow::TaskBarSide(kScreen, kScreen), Side::Bottom);
    // A second screen to the right of the first one: its own left edge counts, not x = 0.
    const QRect second(1000, 0, 800, 600);
    EXPECT_EQ(TaskBarWindow::TaskBarSide(QRect(1000, 0, 760, 600), second), Side::Right);
    EXPECT_EQ(TaskBarWindow::TaskBarSide(QRect(1040, 0, 760, 600), second), Side::Left);
}

TEST_F(TaskBarWindowTest, SlidesInStaysAndSlidesOutOnEverySide)
{
    for (const SideCase &c : kSides) {
        SCOPED_TRACE(c.name);
        TaskBarWindow w;
        const QRect work = c.work;
        w.SetScreenAreasSource([work] { return TaskBarWindow::ScreenAreas{work, kScreen}; });
        w.Create(&parent);
        w.HideNow();
        w.SetSkinBitmap(WriteFramedBitmap(dir, kSmall), 255, 0, 255);
        w.StartPopUp(300, 1000, 300, 1);

        const bool horizontal = c.side == Side::Left || c.side == Side::Right;
        const int distance = horizontal ? kSmall.width() : kSmall.height();
        EXPECT_EQ(w.CurrentSide(), c.side);
        EXPECT_EQ(w.StartPosition(), c.start);
        EXPECT_EQ(w.ShowInterval(), 300 / distance);
        EXPECT_EQ(w.HideInterval(), 300 / distance);
        EXPECT_TRUE(w.isVisible());
        EXPECT_TRUE(w.IsTimerActive(TaskBarWindow::SlideInTimer));

        // One pixel a tick towards the work area, then one more tick finds it in place.
        const QPoint unit = (c.shown - c.start) / distance;
        for (int i = 1; i <= distance; ++i) {
            w.OnTimer(TaskBarWindow::SlideInTimer);
            EXPECT_EQ(w.Position(), c.start + unit * i);
            EXPECT_EQ(w.geometry(), QRect(c.start + unit * i, kSmall));
            EXPECT_EQ(w.CurrentState(), TaskBarWindow::SlidingIn);
        }
        w.OnTimer(TaskBarWindow::SlideInTimer);
        EXPECT_EQ(w.CurrentState(), TaskBarWindow::Shown);
        EXPECT_EQ(w.Position(), c.shown);
        EXPECT_FALSE(w.IsTimerActive(TaskBarWindow::SlideInTimer));
        // Shown, it stays its stay time (a later pop-up request starts it again), then leaves.
        EXPECT_TRUE(w.IsTimerActive(TaskBarWindow::StayTimer));
        w.StartPopUp(300, 1000, 300, 1);
        EXPECT_TRUE(w.IsTimerActive(TaskBarWindow::StayTimer));
        w.OnTimer(TaskBarWindow::StayTimer);
        EXPECT_FALSE(w.IsTimerActive(TaskBarWindow::StayTimer));
        EXPECT_TRUE(w.IsTimerActive(TaskBarWindow::SlideOutTimer));

        for (int i = 1; i <= distance; ++i) {
            w.OnTimer(TaskBarWindow::SlideOutTimer);
            EXPECT_EQ(w.Position(), c.shown - unit * i);
            EXPECT_EQ(w.CurrentState(), TaskBarWindow::SlidingOut);
        }
        w.OnTimer(TaskBarWindow::SlideOutTimer);
        EXPECT_EQ(w.CurrentState(), TaskBarWindow::Hidden);
        EXPECT_FALSE(w.isVisible());
        EXPECT_FALSE(w.IsTimerActive(TaskBarWindow::SlideOutTimer));
    }
}

TEST_F(TaskBarWindowTest, ExitWhileRisingSinksBackFromWhereItIs)
{
    SetUpWindow(kSides[0].work);
    window.StartPopUp(300, 1000, 300, 1);
    for (int i = 0; i < 3; ++i)
        window.OnTimer(TaskBarWindow::SlideInTimer);
    EXPECT_EQ(window.Position(), QPoint(992, 657));

    window.CloseTaskBar("TASKBUTTON_EXIT");
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideInTimer));
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    const std::vector<QPoint> path = RunTimer(TaskBarWindow::SlideOutTimer);
    ASSERT_EQ(path.size(), 4u);
    EXPECT_EQ(path[0], QPoint(992, 658));
    EXPECT_EQ(path[2], QPoint(992, 660));
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Hidden);
}

TEST_F(TaskBarWindowTest, PopUpWhileSlidingOutComesBackInAndStays)
{
    SetUpWindow(kSides[3].work); // right
    window.StartPopUp(300, 1000, 300, 1);
    RunTimer(TaskBarWindow::SlideInTimer);
    window.CloseTaskBar("TASKBUTTON_EXIT");
    window.OnTimer(TaskBarWindow::SlideOutTimer);
    window.OnTimer(TaskBarWindow::SlideOutTimer);
    EXPECT_EQ(window.Position(), QPoint(934, 694));

    window.StartPopUp(300, 1000, 300, 1);
    EXPECT_EQ(window.Position(), QPoint(932, 694));
    EXPECT_EQ(window.geometry().topLeft(), QPoint(932, 694));
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::StayTimer));
}

TEST_F(TaskBarWindowTest, TheMouseKeepsItUpAndCatchesItLeavingButNotAfterAClick)
{
    SetUpWindow(kSides[0].work); // bottom
    window.StartPopUp(300, 1000, 300, 1);
    RunTimer(TaskBarWindow::SlideInTimer);

    // Under the mouse its stay runs out without sending it away; leaving starts it again.
    window.SetHover(true);
    window.OnTimer(TaskBarWindow::StayTimer);
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::StayTimer));
    window.SetHover(false);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::StayTimer));

    // Leaving on its own, the mouse brings it back in, where it stays again.
    window.OnTimer(TaskBarWindow::StayTimer);
    window.OnTimer(TaskBarWindow::SlideOutTimer);
    window.OnTimer(TaskBarWindow::SlideOutTimer);
    window.SetHover(true);
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    RunTimer(TaskBarWindow::SlideInTimer);
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Shown);
    EXPECT_EQ(window.Position(), kSides[0].shown);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::StayTimer));

    // A click on it sends it away, and the mouse does not call it back then.
    QTest::mouseClick(&window, Qt::LeftButton, {}, QPoint(4, 3));
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    window.SetHover(false);
    window.SetHover(true);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    RunTimer(TaskBarWindow::SlideOutTimer);
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Hidden);
}

TEST_F(TaskBarWindowTest, HideNowStopsEveryTimerFromAnyState)
{
    SetUpWindow(kSides[0].work);
    window.StartPopUp(300, 1000, 300, 1);
    window.OnTimer(TaskBarWindow::SlideInTimer);
    // A close request before the next tick leaves the slide-out timer running in state 1.
    window.CloseTaskBar("TASKBUTTON_EXIT");
    window.HideNow();
    for (int id = TaskBarWindow::SlideInTimer; id <= TaskBarWindow::SlideOutTimer; ++id)
        EXPECT_FALSE(window.IsTimerActive(id)) << id;
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Hidden);
    EXPECT_FALSE(window.isVisible());

    // A close request while hidden starts nothing.
    window.CloseTaskBar("TASKBUTTON_EXIT");
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
}

TEST_F(TaskBarWindowTest, ExitButtonAndPageClickCloseTheWindow)
{
    SetUpWindow(kSides[0].work, QSize(40, 30));
    QImage strip(4 * 10, 10, QImage::Format_RGB32);
    strip.fill(Qt::gray);
    const QString stripPath = QString::fromStdString((dir / "close.bmp").string());
    ASSERT_TRUE(strip.save(stripPath, "BMP"));
    const QRect closeRect(28, 2, 10, 10);
    SkinButton *close = AddCloseButton(window, closeRect, 0, stripPath);
    ASSERT_EQ(window.Button(), close);

    window.StartPopUp(300, 1000, 300, 1);
    RunTimer(TaskBarWindow::SlideInTimer);
    QTest::mouseClick(window.Button(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));
    RunTimer(TaskBarWindow::SlideOutTimer);
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Hidden);

    // A click into the page arrives as a posted message and does the same.
    window.StartPopUp(300, 1000, 300, 1);
    RunTimer(TaskBarWindow::SlideInTimer);
    QCoreApplication::postEvent(&window,
                                new QEvent(NotifierEventType(NotifierMessage::PageClicked)));
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_TRUE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));

    // The other two messages change nothing.
    window.HideNow();
    window.StartPopUp(300, 1000, 300, 1);
    RunTimer(TaskBarWindow::SlideInTimer);
    QCoreApplication::postEvent(&window, new QEvent(NotifierEventType(NotifierMessage::PageShown)));
    QCoreApplication::postEvent(&window,
                                new QEvent(NotifierEventType(NotifierMessage::PageExpired)));
    QCoreApplication::sendPostedEvents(&window);
    EXPECT_EQ(window.CurrentState(), TaskBarWindow::Shown);
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideOutTimer));

    // Every button of a skin goes before the next skin adds its own, not only the last.
    SkinButton *last = AddCloseButton(window, closeRect, 1, stripPath);
    EXPECT_EQ(window.Button(), last);
    EXPECT_EQ(window.findChildren<SkinButton *>().size(), 2);
    window.DestroyButton();
    EXPECT_EQ(window.Button(), nullptr);
    EXPECT_TRUE(window.findChildren<SkinButton *>().isEmpty());
}

TEST_F(TaskBarWindowTest, ShapeIsTheBitmapWithoutItsKeyColour)
{
    window.Create(&parent);
    // 42 wide: the shape is cut from the first 40 columns, inside the one-pixel frame.
    window.SetSkinBitmap(WriteFramedBitmap(dir, QSize(42, 30)), 255, 0, 255);
    ASSERT_TRUE(window.LastBitmapLoaded());
    EXPECT_EQ(window.Bitmap().size(), QSize(42, 30));
    EXPECT_EQ(window.mask(), QRegion(QRect(1, 1, 39, 28)));

    // -1 for a colour: the new bitmap is taken without touching the shape.
    window.SetSkinBitmap(WriteFramedBitmap(dir, QSize(20, 10), "b.bmp"), -1, 0, 255);
    EXPECT_EQ(window.Bitmap().size(), QSize(20, 10));
    EXPECT_EQ(window.mask(), QRegion(QRect(1, 1, 39, 28)));

    // A file that does not load keeps the old bitmap.
    window.SetSkinBitmap(QString::fromStdString((dir / "missing.bmp").string()), 255, 0, 255);
    EXPECT_FALSE(window.LastBitmapLoaded());
    EXPECT_EQ(window.Bitmap().size(), QSize(20, 10));
}

TEST_F(TaskBarWindowTest, WithoutABitmapNothingPopsUp)
{
    window.SetScreenAreasSource([] { return TaskBarWindow::ScreenAreas{kScreen, kScreen}; });
    window.Create(&parent);
    window.HideNow();
    window.StartPopUp(300, 1000, 300, 1);
    EXPECT_FALSE(window.isVisible());
    EXPECT_FALSE(window.IsTimerActive(TaskBarWindow::SlideInTimer));
}

TEST_F(TaskBarWindowTest, RealTimersRunTheWholeSlideAndItLeavesByItself)
{
    SetUpWindow(kSides[1].work); // top
    window.StartPopUp(6, 300, 6, 1);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window.CurrentState() == TaskBarWindow::Shown; }, 5000));
    EXPECT_EQ(window.Position(), kSides[1].shown);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return window.CurrentState() == TaskBarWindow::Hidden; }, 5000));
    EXPECT_FALSE(window.isVisible());
}

} // namespace
} // namespace lumaskin

namespace lumaskin {
namespace {

TEST(TaskBarWindowPageView, ALateFactoryBuildsOneViewBeneathTheButton)
{
    QWidget parent;
    TaskBarWindow window;
    int built = 0;
    window.SetHtmlViewFactory([&built](TaskBarWindow &owner) -> QWidget * {
        ++built;
        return new QWidget(&owner);
    });
    // Nothing is built before the window exists.
    window.CreateHtmlView();
    EXPECT_EQ(built, 0);

    window.SetHtmlViewFactory({});
    window.Create(&parent);
    EXPECT_EQ(window.HtmlView(), nullptr);
    AddCloseButton(window, QRect(258, 8, 26, 22), 0);

    window.SetHtmlViewFactory([&built](TaskBarWindow &owner) -> QWidget * {
        ++built;
        return new QWidget(&owner);
    });
    window.CreateHtmlView();
    window.CreateHtmlView();
    EXPECT_EQ(built, 1);
    ASSERT_NE(window.HtmlView(), nullptr);
    // The page lies below the close button, which stays clickable.
    const QObjectList &children = window.children();
    EXPECT_LT(children.indexOf(window.HtmlView()),
              children.indexOf(static_cast<QObject *>(window.Button())));
}

} // namespace
} // namespace lumaskin
