#include "controls/skin_list_box.h"
#include "controls/skin_scroll_bar.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QScrollBar>
#include <QTest>
#include <QTimerEvent>
#include <gtest/gtest.h>
#include <stdexcept>

namespace lumaskin {
namespace {

using test::Filled;
using test::Rgb;

const QRgb kUp = 0x101080, kUpPressed = 0x2020F0;
const QRgb kDown = 0x108010, kDownPressed = 0x20F020;
const QRgb kThumb = 0x801010, kThumbPressed = 0xF02020;
const QRgb kTrack = 0x606060;
// Row colours as 0x00BBGGRR and as QRgb.
constexpr std::uint32_t kBkRef = 0x00402010, kTextRef = 0x00C0C0C0;
constexpr std::uint32_t kSelBkRef = 0x00003080, kSelTextRef = 0x0000FFFF;
const QRgb kBk = 0x102040, kSelBk = 0x803000, kSelText = 0xFFFF00;

// The list's scroll bar, which every list built here has.
SkinScrollBar &BarOf(const SkinListBox *list)
{
    SkinScrollBar *bar = list->ScrollBar();
    if (!bar)
        throw std::runtime_error("the list has no scroll bar");
    return *bar;
}

class ListTest : public ::testing::Test
{
protected:
    ListTest()
    {
        auto bmp = [&](const char *name, QSize size, QRgb colour) {
            return test::WriteBmp(dir.Path(), name, Filled(size, QColor::fromRgb(colour)));
        };
        files.track = bmp("track.bmp", QSize(12, 5), kTrack);
        files.up = bmp("up.bmp", QSize(12, 10), kUp);
        files.upPressed = bmp("upp.bmp", QSize(12, 10), kUpPressed);
        files.down = bmp("down.bmp", QSize(12, 10), kDown);
        files.downPressed = bmp("downp.bmp", QSize(12, 10), kDownPressed);
        files.thumb = bmp("thumb.bmp", QSize(12, 20), kThumb);
        files.thumbPressed = bmp("thumbp.bmp", QSize(12, 20), kThumbPressed);
    }

    // Built as the skin reader builds the main window's list.
    SkinListBox *Make(QRect rect = QRect(10, 10, 200, 110))
    {
        auto *list = new SkinListBox(&host);
        list->Create(rect);
        list->SetBkColor(kBkRef);
        list->SetTextColor(kTextRef);
        list->SetSelBkColor(kSelBkRef);
        list->SetSelTextColor(kSelTextRef);
        list->SetHost(&host);
        list->InitScrollBar(files);
        list->InsertColumn(Qt::AlignRight, 35);
        list->InsertColumn(Qt::AlignLeft, list->ClientWidth() - BarOf(list).width() - 40);
        return list;
    }

    void Fill(SkinListBox *list, int rows)
    {
        for (int i = 0; i < rows; ++i)
            list->AddFile(QString("/images/picture%1.png").arg(i));
        host.ShowAndWait();
        QCoreApplication::processEvents();
    }

    QRgb BarPixel(SkinScrollBar *bar, int x, int y)
    {
        return Rgb(bar->grab().toImage().convertToFormat(QImage::Format_RGB32), x, y);
    }

    void Timer(SkinScrollBar *bar, int id)
    {
        ASSERT_NE(id, 0) << "the timer should be running";
        QTimerEvent event(id);
        QCoreApplication::sendEvent(bar, &event);
    }

    test::TempDir dir;
    test::TestHost host{QSize(400, 300)};
    ScrollBarFiles files;
};

TEST_F(ListTest, RowsAreNumberedAndRenumberedAfterRemoval)
{
    EXPECT_EQ(SkinListBox::RowNumber(7), "  7.");
    EXPECT_EQ(SkinListBox::RowNumber(12), " 12.");
    EXPECT_EQ(SkinListBox::RowNumber(1000), "1000.") << "wider numbers are not cut";

    auto *list = Make();
    list->AddFile("/a.png");
    list->AddFile("/b.png");
    list->AddFile("/c.png");
    ASSERT_EQ(list->RowCount(), 3);
    EXPECT_EQ(list->RowText(0, 0), "  1.");
    EXPECT_EQ(list->RowText(2, 0), "  3.");
    EXPECT_EQ(list->RowText(2, 1), "/c.png");

    list->topLevelItem(1)->setSelected(true);
    list->RemoveSelected();
    ASSERT_EQ(list->RowCount(), 2);
    EXPECT_EQ(list->RowText(0, 0), "  1.");
    EXPECT_EQ(list->RowText(0, 1), "/a.png");
    EXPECT_EQ(list->RowText(1, 0), "  2.");
    EXPECT_EQ(list->RowText(1, 1), "/c.png");

    for (int i = 3; i <= 1000; ++i)
        list->AddFile("/x.png");
    EXPECT_EQ(list->RowText(999, 0), "1000.");

    // Removing from an empty selection or an empty list changes nothing and does not fail.
    list->clearSelection();
    list->RemoveSelected();
    EXPECT_EQ(list->RowCount(), 1000);
    list->selectAll();
    list->RemoveSelected();
    EXPECT_EQ(list->RowCount(), 0);
    list->RemoveSelected();
    EXPECT_EQ(list->RowCount(), 0);
}

TEST_F(ListTest, SelectedRowsUseTheListsOwnColours)
{
    auto *list = Make();
    Fill(list, 3);
    list->topLevelItem(0)->setSelected(true);
    const QImage shot = list->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QRect first = list->visualItemRect(list->topLevelItem(0));
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    const QPoint viewport = list->viewport()->mapTo(list, QPoint(0, 0));
    EXPECT_EQ(Rgb(shot, viewport.x() + 1, viewport.y() + first.top() + 1), kSelBk);
    EXPECT_EQ(Rgb(shot, viewport.x() + 1, viewport.y() + second.top() + 1), kBk);
    // The selection bar runs to the list's right edge, against the scroll bar.
    EXPECT_EQ(list->geometry().right() + 1, BarOf(list).geometry().left());
    EXPECT_EQ(Rgb(shot, list->width() - 1, viewport.y() + first.top() + 1), kSelBk);
    int selectedText = 0;
    for (int y = first.top(); y <= first.bottom(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            if (Rgb(shot, x, viewport.y() + y) == kSelText)
                ++selectedText;
    EXPECT_GT(selectedText, 10);
    EXPECT_TRUE(list->topLevelItem(0)->isSelected()) << "painting keeps the selection";

    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(host.listClicks, 1);
    EXPECT_TRUE(list->topLevelItem(1)->isSelected());
}

TEST_F(ListTest, RowsShowTheNameFirstThenTheFolderAndTheWholePathAsTooltips)
{
    auto *list = Make(QRect(10, 10, 380, 110));
    const QString path = QStringLiteral("/home/anna/Pictures/holidays/2024/summer/by-the-sea/"
                                        "harbour-at-dawn.jpg");
    list->AddFile(path);
    list->AddFile(QStringLiteral("/a.png"));
    EXPECT_EQ(list->topLevelItem(0)->toolTip(1), path);
    EXPECT_EQ(list->topLevelItem(0)->toolTip(0), path);

    // The name first, whole; the folder after it, its nearest folders kept.
    const QFontMetrics metrics(list->font());
    const int width = metrics.horizontalAdvance(QStringLiteral("harbour-at-dawn.jpg")) + 150;
    const SkinListBox::ShownPath shown = SkinListBox::NameThenFolder(path, metrics, width);
    EXPECT_EQ(shown.name, "harbour-at-dawn.jpg");
    EXPECT_TRUE(shown.folder.startsWith(QChar(0x2026))) << shown.folder.toStdString();
    EXPECT_TRUE(shown.folder.endsWith(QStringLiteral("/by-the-sea"))) << shown.folder.toStdString();
    EXPECT_LE(metrics.horizontalAdvance(shown.name + "   " + shown.folder), width);
    const SkinListBox::ShownPath root = SkinListBox::NameThenFolder("/a.png", metrics, width);
    EXPECT_EQ(root.name, "a.png");
    EXPECT_EQ(root.folder, "/");
    // A name wider than the room is cut in its own middle, keeping its extension, and leaves
    // no room for the folder.
    const SkinListBox::ShownPath narrow = SkinListBox::NameThenFolder(path, metrics, 120);
    EXPECT_LE(metrics.horizontalAdvance(narrow.name), 120);
    EXPECT_TRUE(narrow.name.endsWith(QStringLiteral("jpg"))) << narrow.name.toStdString();
    EXPECT_TRUE(narrow.folder.isEmpty());
}

TEST_F(ListTest, ScrollBarSitsBesideTheNarrowedList)
{
    auto *list = Make(QRect(10, 10, 200, 110));
    SkinScrollBar *bar = &BarOf(list);
    EXPECT_EQ(bar->BarWidth(), 12);
    EXPECT_EQ(list->geometry(), QRect(10, 10, 188, 110));
    EXPECT_EQ(bar->geometry(), QRect(198, 10, 12, 110));
    EXPECT_EQ(bar->parentWidget(), &host);

    // Fewer rows than fit: nothing to scroll, the bar shows only the background colour.
    Fill(list, 2);
    EXPECT_EQ(bar->ScrollLimit(), 0);
    EXPECT_EQ(BarPixel(bar, 5, 5), kBk);
    EXPECT_EQ(BarPixel(bar, 5, 50), kBk);

    list->clear();
    Fill(list, 40);
    ASSERT_GT(bar->ScrollLimit(), 0);
    EXPECT_EQ(BarPixel(bar, 5, 5), kUp);
    EXPECT_EQ(BarPixel(bar, 5, 105), kDown);
    EXPECT_EQ(bar->ThumbTop(), 10);
    EXPECT_EQ(BarPixel(bar, 5, 15), kThumb);
    EXPECT_EQ(BarPixel(bar, 5, 80), kTrack);

    // The thumb follows the list to the end of its track.
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum());
    EXPECT_EQ(bar->ThumbTop(), 110 - 10 - 20);
    list->verticalScrollBar()->setValue(bar->ScrollLimit() / 2);
    EXPECT_NEAR(bar->ThumbTop(), 10 + 70 / 2, 2);
}

TEST_F(ListTest, ArrowClicksScrollAtReleaseAndRepeatWhileHeld)
{
    auto *list = Make();
    Fill(list, 40);
    SkinScrollBar *bar = &BarOf(list);
    const QPoint down(5, 105);

    // A short click: one line, at the release; no timer left behind.
    QTest::mousePress(bar, Qt::LeftButton, {}, down);
    EXPECT_TRUE(bar->IsDownDown());
    EXPECT_EQ(BarPixel(bar, 5, 105), kDownPressed);
    EXPECT_EQ(bar->ScrollPosition(), 0);
    EXPECT_NE(bar->DelayTimerId(), 0);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, down);
    EXPECT_EQ(bar->ScrollPosition(), 1);
    EXPECT_EQ(bar->DelayTimerId(), 0);
    EXPECT_EQ(bar->RepeatTimerId(), 0);

    // Held: after the delay one line per repeat tick, and one more at the release.
    QTest::mousePress(bar, Qt::LeftButton, {}, down);
    Timer(bar, bar->DelayTimerId());
    EXPECT_EQ(bar->DelayTimerId(), 0);
    EXPECT_EQ(bar->ScrollPosition(), 1) << "the delay itself does not scroll";
    Timer(bar, bar->RepeatTimerId());
    Timer(bar, bar->RepeatTimerId());
    EXPECT_EQ(bar->ScrollPosition(), 3);

    // Moving off the arrow stops the repeat; moving back resumes it.
    QTest::mouseMove(bar, QPoint(5, 60));
    EXPECT_FALSE(bar->IsDownDown());
    Timer(bar, bar->RepeatTimerId());
    EXPECT_EQ(bar->ScrollPosition(), 3);
    QTest::mouseMove(bar, down);
    Timer(bar, bar->RepeatTimerId());
    EXPECT_EQ(bar->ScrollPosition(), 4);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, down);
    EXPECT_EQ(bar->ScrollPosition(), 5);
    EXPECT_EQ(bar->RepeatTimerId(), 0);

    // The upper arrow goes back.
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(bar->ScrollPosition(), 4);
}

TEST_F(ListTest, TrackPagesAndThumbDrags)
{
    auto *list = Make();
    Fill(list, 40);
    SkinScrollBar *bar = &BarOf(list);
    const int page = list->verticalScrollBar()->pageStep();
    ASSERT_GT(page, 1);

    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, 70));
    EXPECT_EQ(bar->ScrollPosition(), page) << "below the thumb: a page down";
    const int thumbTop = bar->ThumbTop();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(5, thumbTop - 2));
    EXPECT_EQ(bar->ScrollPosition(), 0) << "above the thumb: a page up";

    // A release outside the bar does not page.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, 70));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(40, 70));
    EXPECT_EQ(bar->ScrollPosition(), 0);

    // Dragging the thumb to the bottom scrolls to the end, to the top back to the start.
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, 15));
    EXPECT_TRUE(bar->IsThumbDown());
    EXPECT_EQ(BarPixel(bar, 5, 15), kThumbPressed);
    QTest::mouseMove(bar, QPoint(5, 60));
    const int middle = bar->ScrollPosition();
    EXPECT_GT(middle, 0);
    EXPECT_LT(middle, bar->ScrollLimit());
    QTest::mouseMove(bar, QPoint(5, 300));
    EXPECT_EQ(bar->ScrollPosition(), bar->ScrollLimit());
    EXPECT_EQ(bar->ThumbTop(), 110 - 10 - 20);
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(5, 300));
    EXPECT_EQ(bar->ScrollPosition(), bar->ScrollLimit()) << "ending a drag does not page";
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(5, bar->ThumbTop() + 5));
    QTest::mouseMove(bar, QPoint(5, -100));
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(5, -100));
    EXPECT_EQ(bar->ScrollPosition(), 0);

    // A mouse move over the list clears the bar's hover images.
    QTest::mouseMove(bar, QPoint(5, 5));
    EXPECT_TRUE(bar->IsUpDown());
    QTest::mouseMove(list->viewport(), QPoint(20, 20));
    EXPECT_FALSE(bar->IsUpDown());
}

TEST_F(ListTest, MissingBitmapsLeaveNoBar)
{
    files = ScrollBarFiles{};
    files.up = test::WriteBmp(dir.Path(), "only-up.bmp", Filled(QSize(12, 10), Qt::red));
    auto *list = Make(QRect(10, 10, 200, 110));
    SkinScrollBar *bar = &BarOf(list);
    EXPECT_EQ(bar->BarWidth(), 0) << "half a pair loads nothing";
    EXPECT_EQ(list->width(), 200);
    host.ShowAndWait();
    QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(0, 0));
    bar->UpdateBar();
    EXPECT_EQ(bar->PixelsPerLine(), 0.0);
}

TEST_F(ListTest, TinyBarsAndEmptyListsAreHarmless)
{
    // A tiny bar with full bitmaps and rows to scroll: the parts overlap, nothing breaks.
    auto *small = Make(QRect(10, 10, 100, 30));
    Fill(small, 50);
    SkinScrollBar *tiny = &BarOf(small);
    EXPECT_GE(tiny->ThumbTop(), 0);
    QTest::mousePress(tiny, Qt::LeftButton, {}, QPoint(5, 15));
    QTest::mouseMove(tiny, QPoint(5, 25));
    QTest::mouseRelease(tiny, Qt::LeftButton, {}, QPoint(5, 25));
    QTest::mouseClick(tiny, Qt::LeftButton, {}, QPoint(5, 29));
    EXPECT_LE(tiny->ScrollPosition(), tiny->ScrollLimit());
    (void)tiny->grab();

    // An empty list: the bar shows its background colour only.
    auto *empty = Make(QRect(10, 150, 200, 100));
    host.ShowAndWait();
    SkinScrollBar *emptyBar = &BarOf(empty);
    EXPECT_EQ(BarPixel(emptyBar, 5, 50), kBk);
    QTest::mouseClick(emptyBar, Qt::LeftButton, {}, QPoint(5, 50));
    EXPECT_EQ(emptyBar->ScrollPosition(), 0);
}

} // namespace
} // namespace lumaskin
