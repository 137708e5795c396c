#include "controls/skin_slider.h"
#include "controls/slider_math.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Rgb;

constexpr std::uint32_t kKeyRef = 0x00FF00FF;
const QRgb kChannel = 0xC00000;
const QRgb kThumb = 0x0000C0;
const QRgb kActive = 0x00C000;

TEST(SliderMath, PositionAndPixelBothWays)
{
    const SliderAxis axis{0, 7200, 200, 20};
    EXPECT_EQ(ThumbCentre(axis, 3600), 100); // 10 + 90
    EXPECT_EQ(ThumbCentre(axis, 0), 10);
    EXPECT_EQ(ThumbCentre(axis, 7200), 190);
    EXPECT_EQ(PositionAt(axis, 100), 3600);
    EXPECT_EQ(PositionAt(axis, 10), 0);
    EXPECT_EQ(PositionAt(axis, 190), 7200);
    EXPECT_EQ(PositionAt(axis, 11), 40);
    for (int pos : {0, 40, 1234, 7160, 7200})
        EXPECT_NEAR(PositionAt(axis, ThumbCentre(axis, pos)), pos, 40);

    // Truncation toward zero, with a range that does not start at 0.
    EXPECT_EQ(ThumbCentre({-100, 100, 107, 7}, 1), 53); // 0.505 x 100 + 3
    EXPECT_EQ(PositionAt({-100, 100, 107, 7}, 3), -100);

    EXPECT_EQ(ClampToTrack(axis, -5, false), 10);
    EXPECT_EQ(ClampToTrack(axis, 500, false), 190);
    // A thumb larger than the slider: the bounds cross and the last one applied wins.
    const SliderAxis crossed{0, 100, 10, 30};
    EXPECT_EQ(ClampToTrack(crossed, 5, false), -5);
    EXPECT_EQ(ClampToTrack(crossed, 5, true), 15);
}

TEST(SliderMath, EmptyRangeAndImmovableThumbDoNotDivideByZero)
{
    EXPECT_EQ(ThumbCentre({50, 50, 200, 20}, 50), 10);
    EXPECT_EQ(PositionAt({50, 50, 200, 20}, 150), 50);
    EXPECT_EQ(PositionAt({0, 100, 20, 20}, 15), 0);
    EXPECT_EQ(PositionAt({0, 100, 0, 0}, 15), 0);
    EXPECT_EQ(ThumbCentre({0, 100, 0, 0}, 50), 0);
}

class SliderTest : public ::testing::Test
{
protected:
    SliderTest()
    {
        host.background = test::Gradient(host.size());
        QImage thumb = Filled(QSize(20, 16), QColor::fromRgb(kThumb));
        thumb.setPixel(0, 0, qRgb(255, 0, 255));
        thumbPath = test::WriteBmp(dir.Path(), "thumb.bmp", thumb);
        activePath = test::WriteBmp(dir.Path(), "active.bmp",
                                    Filled(QSize(20, 16), QColor::fromRgb(kActive)));
        channelPath = test::WriteBmp(dir.Path(), "channel.bmp",
                                     Filled(QSize(200, 10), QColor::fromRgb(kChannel)));
    }

    // Configured as the skin reader does it, with a skin rectangle larger than the bitmaps.
    SkinSlider *Make(bool vertical = false, int pos = 3600)
    {
        auto *slider = new SkinSlider(&host);
        slider->SetHost(&host);
        slider->Create(QRect(10, 20, 300, 100));
        slider->SetTransparentColor(kKeyRef);
        slider->SetChannelBitmap(vertical ? VerticalChannel() : channelPath);
        slider->SetThumbBitmaps(thumbPath, activePath, true);
        slider->SetDrawFocusRect(false, false);
        slider->SetIndex(4);
        slider->SetRange(0, 7200, false);
        slider->SetPos(pos);
        slider->SetVertical(vertical);
        return slider;
    }

    QString VerticalChannel()
    {
        return test::WriteBmp(dir.Path(), "vchannel.bmp",
                              Filled(QSize(10, 150), QColor::fromRgb(kChannel)));
    }

    QRgb ShownAt(const QWidget *slider, int x, int y)
    {
        const QPoint p = slider->mapTo(&host, QPoint(x, y));
        return Rgb(host.Screen(), p.x(), p.y());
    }
    QRgb BackgroundAt(const QWidget *slider, int x, int y)
    {
        const QPoint p = slider->mapTo(&host, QPoint(x, y));
        return Rgb(host.background, p.x(), p.y());
    }

    test::TempDir dir;
    test::TestHost host{QSize(400, 300)};
    QString thumbPath, activePath, channelPath;
};

TEST_F(SliderTest, ShrinksToItsBitmapsKeepingItsCorner)
{
    auto *slider = Make();
    EXPECT_EQ(slider->geometry(), QRect(10, 20, 200, 16));
    EXPECT_EQ(slider->ThumbCentre(), 100);
}

TEST_F(SliderTest, PaintsChannelUpToThumbOverCopiedBackground)
{
    auto *slider = Make();
    host.ShowAndWait();
    // Channel rows are 3..12 (centred on the 16-pixel thumb); the thumb covers 90..109.
    EXPECT_EQ(ShownAt(slider, 50, 5), kChannel);
    EXPECT_EQ(ShownAt(slider, 50, 1), BackgroundAt(slider, 50, 1));
    EXPECT_EQ(ShownAt(slider, 150, 5), BackgroundAt(slider, 150, 5)) << "range not yet passed";
    EXPECT_EQ(ShownAt(slider, 95, 8), kThumb);
    EXPECT_EQ(ShownAt(slider, 90, 0), BackgroundAt(slider, 90, 0)) << "key pixel of the thumb";

    slider->Enable(false);
    EXPECT_EQ(ShownAt(slider, 95, 14), BackgroundAt(slider, 95, 14)) << "no thumb when disabled";
}

TEST_F(SliderTest, ClickJumpsAndDragNotifies)
{
    auto *slider = Make(false, 0);
    host.ShowAndWait();
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(slider->GetPos(), 3600);
    EXPECT_TRUE(slider->IsDragging());
    EXPECT_EQ(ShownAt(slider, 100, 8), kActive) << "the active thumb while dragging";
    QTest::mouseMove(slider, QPoint(500, 8));
    EXPECT_EQ(slider->GetPos(), 7200);
    QTest::mouseMove(slider, QPoint(-50, 8));
    EXPECT_EQ(slider->GetPos(), 0);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(-50, 8));
    EXPECT_FALSE(slider->IsDragging());
    EXPECT_EQ(host.sliderMoves, (std::vector<std::pair<int, int>>{{4, 3600}, {4, 7200}, {4, 0}}));
    EXPECT_EQ(ShownAt(slider, 12, 8), kThumb);

    // A disabled slider takes no clicks.
    slider->Enable(false);
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(100, 8));
    EXPECT_EQ(slider->GetPos(), 0);
    EXPECT_EQ(host.sliderMoves.size(), 3u);
}

TEST_F(SliderTest, KeyboardMovesReportEveryNewPositionLikeADrag)
{
    auto *slider = Make(false, 7190);
    QTest::keyClick(slider, Qt::Key_PageDown);
    EXPECT_EQ(slider->GetPos(), 7200);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(slider->GetPos(), 7180);
    QTest::keyClick(slider, Qt::Key_Home);
    EXPECT_EQ(slider->GetPos(), 0);
    QTest::keyClick(slider, Qt::Key_Left);
    EXPECT_EQ(slider->GetPos(), 0);
    QTest::keyClick(slider, Qt::Key_Down);
    QTest::keyClick(slider, Qt::Key_Right);
    EXPECT_EQ(slider->GetPos(), 2);
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(slider->GetPos(), 7200);
    EXPECT_EQ(slider->SetPageSize(100), 20);
    QTest::keyClick(slider, Qt::Key_PageUp);
    EXPECT_EQ(slider->GetPos(), 7100);
    // Left at 0 moved nothing and is not reported.
    const std::vector<std::pair<int, int>> reported{{4, 7200}, {4, 7180}, {4, 0},   {4, 1},
                                                    {4, 2},    {4, 7200}, {4, 7100}};
    EXPECT_EQ(host.sliderMoves, reported);

    // SetPos clamps to the maximum first, then the minimum, which wins in an inverted range.
    slider->SetRange(10, 5, false);
    slider->SetPos(7);
    EXPECT_EQ(slider->GetPos(), 10);
}

TEST_F(SliderTest, VerticalChannelCoversFromThumbDown)
{
    auto *slider = Make(true, 3600);
    host.ShowAndWait();
    ASSERT_EQ(slider->size(), QSize(20, 150));
    const int centre = slider->ThumbCentre(); // 8 + 67
    EXPECT_EQ(centre, 75);
    EXPECT_EQ(ShownAt(slider, 10, 30), BackgroundAt(slider, 10, 30));
    EXPECT_EQ(ShownAt(slider, 10, 120), kChannel);
    EXPECT_EQ(ShownAt(slider, 2, 120), BackgroundAt(slider, 2, 120));
    QTest::mousePress(slider, Qt::LeftButton, {}, QPoint(10, 142));
    EXPECT_EQ(slider->GetPos(), 7200);
    // The thumb follows a drag up the track, drawn where the pointer is.
    QTest::mouseMove(slider, QPoint(10, 40));
    EXPECT_EQ(slider->GetPos(), (40 - 8) * 7200 / 134);
    EXPECT_EQ(ShownAt(slider, 10, 40), kActive);
    QTest::mouseRelease(slider, Qt::LeftButton, {}, QPoint(10, 40));
    EXPECT_EQ(ShownAt(slider, 10, 40), kThumb);
}

TEST_F(SliderTest, MissingBitmapsAndEmptyRangesAreHarmless)
{
    const QString missing = QString::fromStdString((dir / "missing.bmp").string());
    auto *bare = new SkinSlider(&host);
    bare->SetHost(&host);
    bare->Create(QRect(10, 150, 100, 20));
    EXPECT_FALSE(bare->SetChannelBitmap(missing));
    EXPECT_TRUE(bare->SetThumbBitmaps(missing, QString(), true));
    EXPECT_EQ(bare->size(), QSize(0, 0));

    // A failing active thumb takes the thumb with it.
    auto *noActive = Make();
    EXPECT_FALSE(noActive->SetThumbBitmaps(thumbPath, missing, true));

    auto *empty = Make();
    empty->SetRange(5, 5, true);
    host.ShowAndWait();
    QTest::mousePress(empty, Qt::LeftButton, {}, QPoint(150, 5));
    QTest::mouseRelease(empty, Qt::LeftButton, {}, QPoint(150, 5));
    EXPECT_EQ(empty->GetPos(), 5);
    EXPECT_EQ(ShownAt(empty, 15, 8), kThumb) << "an empty range draws as at its minimum";

    // Nothing was drawn outside the sliders.
    const QImage screen = host.Screen();
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (!empty->geometry().contains(x, y) && !noActive->geometry().contains(x, y)) {
                ASSERT_EQ(Rgb(screen, x, y), Rgb(host.background, x, y)) << x << "," << y;
            }
}

} // namespace
} // namespace lumaskin
