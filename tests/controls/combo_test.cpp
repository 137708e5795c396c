#include "controls/skin_combo_box.h"
#include "controls/skin_edit.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Need;
using test::Rgb;

constexpr std::uint32_t kBorderRef = 0x0000FF00; // green
const QRgb kBorder = 0x00FF00;

class ComboTest : public ::testing::Test
{
protected:
    ComboTest()
    {
        host.background = test::Gradient(host.size());
        stripPath = test::WriteBmp(dir.Path(), "drop.bmp", Filled(QSize(64, 20), Qt::gray));
        auto bmp = [&](const char *name, QSize size) {
            return test::WriteBmp(dir.Path(), name, Filled(size, Qt::darkGray));
        };
        files = {bmp("t.bmp", QSize(8, 4)),   bmp("u.bmp", QSize(8, 8)),
                 bmp("up.bmp", QSize(8, 8)),  bmp("d.bmp", QSize(8, 8)),
                 bmp("dp.bmp", QSize(8, 8)),  bmp("th.bmp", QSize(8, 12)),
                 bmp("thp.bmp", QSize(8, 12))};
    }

    // Built in the order the skin reader uses.
    SkinComboBox *Make(QRect rect, const QString &strip)
    {
        auto *combo = new SkinComboBox(&host);
        combo->Create(rect);
        combo->MeasureButton(strip);
        combo->Layout(rect.left(), rect.top(), rect.left() + rect.width(),
                      rect.top() + rect.height());
        combo->CreateDropButton(strip, 0x00FF00FF);
        combo->CreateEdit(0x00FFFFFF, 0x00000000, kBorderRef);
        combo->CreateList(0x00FFFFFF, 0, 0x00800000, 0x00FFFFFF, files);
        return combo;
    }

    test::TempDir dir;
    test::TestHost host{QSize(300, 250)};
    QString stripPath;
    ScrollBarFiles files;
};

TEST_F(ComboTest, LayoutFollowsTheDropButton)
{
    auto *combo = Make(QRect(10, 10, 100, 30), stripPath); // edges (10, 10, 110, 40)
    EXPECT_EQ(combo->ButtonWidth(), 16);
    EXPECT_EQ(combo->ButtonHeight(), 20);
    EXPECT_EQ(combo->EditRect(), QRect(QPoint(10, 10), QPoint(93, 29)));   // (10,10,94,30)
    EXPECT_EQ(combo->ButtonRect(), QRect(QPoint(94, 9), QPoint(109, 30))); // (94,9,110,31)
    EXPECT_EQ(combo->ListRect(), QRect(QPoint(10, 32), QPoint(108, 81)));  // (10,32,109,82)
    EXPECT_EQ(combo->WholeRect(), QRect(QPoint(10, 10), QPoint(109, 81))); // (10,10,110,82)
    EXPECT_EQ(Need(combo->Edit()).geometry(), combo->EditRect());
    EXPECT_EQ(Need(combo->Button()).geometry(), combo->ButtonRect());
    EXPECT_EQ(Need(combo->Button()).StateBitmap(ButtonFace::Normal).size(), QSize(16, 22));
    EXPECT_EQ(Need(combo->Button()).Name(), "COMBO_BTN");
    EXPECT_EQ(Need(combo->Edit()).Name(), "COMBO_EDIT");
    EXPECT_EQ(Need(combo->List()).Name(), "COMBO_LIST");
    // The list and its bar share the list's rectangle.
    const QRect bar = Need(Need(combo->List()).ScrollBar()).geometry();
    EXPECT_EQ(Need(combo->List()).geometry().united(bar), combo->ListRect());
    EXPECT_EQ(bar.width(), 8);
    EXPECT_EQ(Need(combo->List()).ScrollBarRight(), 109);

    // A tall box keeps its own bottom.
    auto *tall = Make(QRect(150, 10, 100, 190), stripPath);
    EXPECT_EQ(tall->ListRect().bottom(), 199);

    // Without a strip: an edit of height 0, a button 0 wide and 2 high, a list from two
    // pixels below the top, at least 50 high.
    auto *bare = Make(QRect(10, 120, 100, 30), QString::fromStdString((dir / "no.bmp").string()));
    EXPECT_EQ(bare->EditRect(), QRect(10, 120, 100, 0));
    EXPECT_EQ(bare->ButtonRect(), QRect(110, 119, 0, 2));
    EXPECT_EQ(bare->ListRect(), QRect(10, 122, 99, 50));
}

TEST_F(ComboTest, DropButtonOpensAndClosesWithAFrame)
{
    auto *combo = Make(QRect(10, 10, 100, 30), stripPath);
    host.ShowAndWait();
    EXPECT_FALSE(combo->IsListOpen());
    EXPECT_FALSE(Need(combo->List()).isVisible());
    const QPoint frameCorner(9, 31); // listRect inflated by one pixel
    EXPECT_EQ(Rgb(host.Screen(), 9, 31), Rgb(host.background, 9, 31));

    QTest::mouseClick(&Need(combo->Button()), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_TRUE(combo->IsListOpen());
    EXPECT_TRUE(Need(combo->List()).isVisible());
    EXPECT_TRUE(Need(Need(combo->List()).ScrollBar()).isVisible());
    const QImage open = host.Screen();
    EXPECT_EQ(Rgb(open, frameCorner.x(), frameCorner.y()), kBorder);
    EXPECT_EQ(Rgb(open, 109, 82), kBorder);
    EXPECT_EQ(Rgb(open, 50, 82), kBorder);

    QTest::mouseClick(&Need(combo->Button()), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(combo->IsListOpen());
    EXPECT_FALSE(Need(Need(combo->List()).ScrollBar()).isVisible());
    const QImage closed = host.Screen();
    for (int x = 9; x <= 109; ++x)
        ASSERT_EQ(Rgb(closed, x, 82), Rgb(host.background, x, 82)) << "frame removed at " << x;
}

TEST_F(ComboTest, ChoosingARowFillsTheEditAndCloses)
{
    auto *combo = Make(QRect(10, 10, 100, 30), stripPath);
    combo->AddItem("BMP");
    combo->AddItem("JPG");
    host.ShowAndWait();
    QTest::mouseClick(&Need(combo->Button()), Qt::LeftButton, {}, QPoint(5, 5));
    QCoreApplication::processEvents();
    SkinComboList *list = &Need(combo->List());
    const QRect second = list->visualItemRect(list->topLevelItem(1));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, second.center());
    EXPECT_EQ(combo->Text(), "JPG");
    EXPECT_FALSE(combo->IsListOpen());
    EXPECT_FALSE(list->isVisible());

    // Selecting by text while closed leaves it closed.
    combo->SelectItem("PNG");
    EXPECT_EQ(combo->Text(), "PNG");
    EXPECT_FALSE(combo->IsListOpen());

    // A click with no row selected empties the edit and closes the list.
    list->clearSelection();
    QTest::mouseClick(&Need(combo->Button()), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(5, list->viewport()->height() - 2));
    EXPECT_EQ(combo->Text(), "");
    EXPECT_FALSE(combo->IsListOpen());

    list->topLevelItem(0)->setSelected(true);
    list->RemoveSelected();
    ASSERT_EQ(list->RowCount(), 1);
    EXPECT_EQ(list->RowText(0, 0), "JPG");
}

TEST_F(ComboTest, MouseLeavingTheBoxClosesTheList)
{
    auto *combo = Make(QRect(10, 10, 100, 30), stripPath);
    combo->ToggleList();
    combo->CloseListIfOutside(QPoint(60, 70));
    EXPECT_TRUE(combo->IsListOpen());
    combo->CloseListIfOutside(QPoint(109, 81));
    EXPECT_TRUE(combo->IsListOpen());
    combo->CloseListIfOutside(QPoint(110, 50));
    EXPECT_FALSE(combo->IsListOpen());
    combo->CloseListIfOutside(QPoint(200, 200));
    EXPECT_FALSE(combo->IsListOpen()) << "a closed list stays closed";
}

TEST_F(ComboTest, ClosedFrameTakesNoClicks)
{
    auto *combo = Make(QRect(10, 10, 100, 30), stripPath);
    host.ShowAndWait();
    // Under the closed list's place, the window beneath gets the mouse, not the frame.
    EXPECT_NE(host.childAt(50, 60), combo);
    EXPECT_EQ(host.childAt(50, 15), &Need(combo->Edit()));
}

TEST(SkinEdit, ColoursAndDefaults)
{
    test::TestHost host(QSize(200, 50));
    auto *edit = new SkinEdit(&host);
    edit->Create(QRect(10, 10, 100, 20));
    edit->SetBkColor(0x00203040);
    edit->SetTextColor(0x000000FF);
    edit->SetBorderColor(0x00FF0000);
    edit->SetBkColor(0xFFFFFFFFu); // an empty field keeps the colour
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0x40, 0x30, 0x20));
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit->BorderColor(), QColor(0, 0, 255));
    host.ShowAndWait();
    EXPECT_EQ(Rgb(host.Screen(), 100, 25), 0x403020u) << "no border around the edit";
    edit->setText("value");
    EXPECT_EQ(edit->text(), "value");
}

} // namespace
} // namespace lumaskin
