#include "controls/c_label.h"
#include "tests/controls/test_host.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Rgb;

// Pixels of the label's area that differ from the host's background.
int Marked(test::TestHost &host, const QWidget &label, QRect area = QRect())
{
    const QImage screen = host.Screen();
    const QRect box = (area.isNull() ? label.rect() : area).translated(label.pos());
    int marked = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            if (Rgb(screen, x, y) != Rgb(host.background, x, y))
                ++marked;
    return marked;
}

TEST(CLabel, NewTextStandsOnCleanBackground)
{
    test::TestHost host(QSize(300, 100));
    host.background = test::Gradient(host.size());
    auto *label = new CLabel(&host);
    label->SetHost(&host);
    label->Create(QRect(20, 20, 250, 40));
    label->SetText("WWWWWWWWWWWWWWWW");
    label->SetFontSize(12);
    label->SetTextColor(0x0000FF); // red as 0x00BBGGRR
    host.ShowAndWait();

    const QImage first = host.Screen();
    int red = 0;
    for (int y = 20; y < 60; ++y)
        for (int x = 20; x < 270; ++x)
            if (Rgb(first, x, y) == 0xFF0000)
                ++red;
    EXPECT_GT(red, 50) << "the text is drawn in its colour";
    EXPECT_GT(Marked(host, *label, QRect(100, 0, 150, 40)), 50);

    // Two quick changes, one repaint: only the last, short text, and nothing of the old one.
    label->SetText("Wide text that will go");
    label->SetText("i");
    label->update();
    EXPECT_EQ(Marked(host, *label, QRect(40, 0, 210, 40)), 0);
    EXPECT_GT(Marked(host, *label, QRect(0, 0, 40, 40)), 0);

    // Outside the label nothing changed.
    const QImage screen = host.Screen();
    for (int x = 0; x < 300; ++x)
        ASSERT_EQ(Rgb(screen, x, 10), Rgb(host.background, x, 10));
}

TEST(CLabel, FontAndColourSettings)
{
    CLabel label;
    EXPECT_EQ(label.TextColor(), QColor(255, 255, 255));
    label.SetTextColor(0xFFFFFFFFu);
    EXPECT_EQ(label.TextColor(), QColor(255, 255, 255)) << "no colour keeps the old one";
    label.SetTextColor(0x00123456);
    EXPECT_EQ(label.TextColor(), QColor(0x56, 0x34, 0x12));

    label.SetFontName("Arial");
    label.SetFontSize(12);
    EXPECT_EQ(label.LabelFont().family(), "Arial");
    EXPECT_EQ(label.LabelFont().pixelSize(), 16);
    EXPECT_EQ(CLabel::PointsToPixels(9), 12);
    EXPECT_EQ(CLabel::PointsToPixels(10), 13);
    label.SetFontSize(0);
    EXPECT_EQ(label.LabelFont().pixelSize(), 16) << "no size keeps the height";
}

TEST(CLabel, WithoutBackgroundOrSizeNothingBreaks)
{
    test::TestHost host(QSize(200, 60));
    auto *label = new CLabel(&host);
    label->Create(QRect(10, 10, 100, 30));
    label->SetText("Line one\nLine two");
    auto *empty = new CLabel(&host);
    empty->SetHost(&host);
    empty->Create(QRect(150, 10, 0, 0));
    empty->SetText("nothing to see");
    host.ShowAndWait();
    label->update();
    empty->update();
    const QImage screen = host.Screen();
    EXPECT_EQ(Rgb(screen, 150, 10), Rgb(screen, 190, 50));
}

} // namespace
} // namespace lumaskin
