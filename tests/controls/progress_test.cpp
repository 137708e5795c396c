#include "controls/skin_progress.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Rgb;

const QRgb kLeft = 0x3060C0;
const QRgb kRight = 0xC06030;

class ProgressTest : public ::testing::Test
{
protected:
    ProgressTest()
    {
        host.background = test::Gradient(host.size());
        // A 30 x 10 tile: left half one colour, right half another, top-left pixel keyed.
        QImage tile = Filled(QSize(30, 10), QColor::fromRgb(kLeft));
        for (int y = 0; y < 10; ++y)
            for (int x = 15; x < 30; ++x)
                tile.setPixel(x, y, kRight);
        tile.setPixel(0, 0, qRgb(255, 0, 255));
        tilePath = test::WriteBmp(dir.Path(), "tile.bmp", tile);
    }

    SkinProgress *Make(QRect rect)
    {
        auto *bar = new SkinProgress(&host);
        bar->SetHost(&host);
        bar->Create(rect);
        bar->SetTransparentColor(0x00FF00FF);
        bar->SetTileBitmap(tilePath);
        return bar;
    }

    QRgb ShownAt(const QWidget *bar, int x, int y, const QImage &screen)
    {
        const QPoint p = bar->mapTo(&host, QPoint(x, y));
        return Rgb(screen, p.x(), p.y());
    }
    QRgb BackgroundAt(const QWidget *bar, int x, int y)
    {
        const QPoint p = bar->mapTo(&host, QPoint(x, y));
        return Rgb(host.background, p.x(), p.y());
    }

    test::TempDir dir;
    test::TestHost host{QSize(400, 200)};
    QString tilePath;
};

TEST_F(ProgressTest, WholeTilesThenOneSqueezedTile)
{
    auto *bar = Make(QRect(20, 30, 320, 12));
    bar->SetPos(50);
    host.ShowAndWait();
    const QImage screen = host.Screen();
    EXPECT_EQ(bar->FilledWidth(), 160);
    for (int tile = 0; tile < 5; ++tile) {
        EXPECT_EQ(ShownAt(bar, tile * 30 + 3, 5, screen), kLeft);
        EXPECT_EQ(ShownAt(bar, tile * 30 + 20, 5, screen), kRight);
        EXPECT_EQ(ShownAt(bar, tile * 30, 0, screen), BackgroundAt(bar, tile * 30, 0))
            << "key pixel";
    }
    // The last 10 pixels hold the whole tile squeezed: half of each colour.
    EXPECT_EQ(ShownAt(bar, 151, 5, screen), kLeft);
    EXPECT_EQ(ShownAt(bar, 154, 5, screen), kLeft);
    EXPECT_EQ(ShownAt(bar, 155, 5, screen), kRight);
    EXPECT_EQ(ShownAt(bar, 159, 5, screen), kRight);
    EXPECT_EQ(ShownAt(bar, 160, 5, screen), BackgroundAt(bar, 160, 5));
    EXPECT_EQ(ShownAt(bar, 100, 11, screen), BackgroundAt(bar, 100, 11)) << "below the tiles";
}

TEST_F(ProgressTest, PositionZeroShowsOnlyBackground)
{
    auto *bar = Make(QRect(20, 30, 320, 12));
    host.ShowAndWait();
    const QImage screen = host.Screen();
    for (int x = 0; x < 320; x += 7)
        EXPECT_EQ(ShownAt(bar, x, 5, screen), BackgroundAt(bar, x, 5));
}

TEST_F(ProgressTest, OddRangesStayInsideTheBar)
{
    // A range that does not start at 0 would fill past the bar; it is kept inside.
    auto *shifted = Make(QRect(20, 60, 100, 12));
    shifted->SetRange(50, 100);
    shifted->SetPos(100);
    EXPECT_EQ(shifted->FilledWidth(), 100);
    auto *empty = Make(QRect(20, 90, 100, 12));
    empty->SetRange(5, 5);
    EXPECT_EQ(empty->FilledWidth(), 0);
    auto *inverted = Make(QRect(20, 120, 100, 12));
    inverted->SetRange(100, 0);
    inverted->SetPos(50);
    EXPECT_EQ(inverted->GetPos(), 100);
    EXPECT_EQ(inverted->FilledWidth(), 0);
    auto *noTile = new SkinProgress(&host);
    noTile->SetHost(&host);
    noTile->Create(QRect(20, 150, 100, 12));
    noTile->SetPos(70);
    auto *flat = Make(QRect(200, 150, 0, 12));
    flat->SetPos(70);
    host.ShowAndWait();

    const QImage screen = host.Screen();
    const QRect allowed = shifted->geometry();
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x)
            if (!allowed.contains(x, y)) {
                ASSERT_EQ(Rgb(screen, x, y), Rgb(host.background, x, y)) << x << "," << y;
            }
}

} // namespace
} // namespace lumaskin
