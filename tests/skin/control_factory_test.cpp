#include "skin/control_factory.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Need;

class FactoryTest : public ::testing::Test
{
protected:
    FactoryTest()
    {
        test::WriteBmp(dir.Path(), "strip.bmp", Filled(QSize(80, 20), Qt::gray));
        test::WriteBmp(dir.Path(), "channel.bmp", Filled(QSize(200, 10), Qt::red));
        test::WriteBmp(dir.Path(), "thumb.bmp", Filled(QSize(20, 16), Qt::blue));
        test::WriteBmp(dir.Path(), "tile.bmp", Filled(QSize(30, 10), Qt::green));
        for (const char *name : {"t", "u", "up", "d", "dp"})
            test::WriteBmp(dir.Path(), std::string(name) + ".bmp", Filled(QSize(12, 10), Qt::gray));
        test::WriteBmp(dir.Path(), "th.bmp", Filled(QSize(12, 20), Qt::gray));
        test::WriteBmp(dir.Path(), "thp.bmp", Filled(QSize(12, 20), Qt::gray));
        site.parent = &host;
        site.host = &host;
        site.folder = QString::fromStdString(dir.Path().string()) + "/";
        site.keyColor = 0x00FF00FF;
    }

    test::TempDir dir;
    test::TestHost host{QSize(500, 400)};
    ControlSite site;
};

TEST_F(FactoryTest, ButtonsTakeEveryFieldOfTheirEntry)
{
    auto button = CreateButton(ButtonEntry::Parse("BUTTON_PLAY, strip.bmp, 10, 10, 110, 30, "
                                                  "Play it, TRUE"),
                               2, site);
    EXPECT_EQ(button->parentWidget(), &host);
    EXPECT_EQ(button->geometry(), QRect(10, 10, 100, 20));
    EXPECT_EQ(button->Name(), "BUTTON_PLAY");
    EXPECT_EQ(button->Index(), 2);
    EXPECT_EQ(button->toolTip(), "Play it");
    EXPECT_TRUE(button->IsLatched());
    EXPECT_EQ(button->TransparentColor(), 0x00FF00FFu);
    EXPECT_EQ(button->StateBitmap(ButtonFace::Hover).size(), QSize(100, 20));
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.buttonClicks, std::vector<int>{2});

    auto option =
        CreateOptionButton(OptionEntry::Parse("OPTION_A,strip.bmp,0,40,20,60,A,F,TRUE"), 0, site);
    EXPECT_EQ(option->IsChecked(), 1);
    EXPECT_FALSE(option->IsLatched());
    auto check =
        CreateCheckBox(CheckEntry::Parse("CHECK_A,strip.bmp,0,70,20,90,C,T,false"), 5, site);
    EXPECT_EQ(check->IsChecked(), 0);
    EXPECT_TRUE(check->IsLatched());
    QTest::mouseClick(check, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.checkClicks, std::vector<int>{5});

    // Task-bar buttons report only the close request, by name.
    ControlSite popUp = site;
    popUp.host = nullptr;
    auto exit = CreateTaskBarButton(ButtonEntry::Parse("TASKBUTTON_EXIT,strip.bmp,0,0,20,20,X,F"),
                                    0, popUp, &host);
    QTest::mouseClick(exit, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.taskBarCloses, std::vector<std::string>{"TASKBUTTON_EXIT"});
    EXPECT_EQ(host.buttonClicks.size(), 1u);
}

TEST_F(FactoryTest, SliderAndProgress)
{
    // No active thumb named: the thumb stays.
    auto slider = CreateSlider(
        SliderEntry::Parse("SLIDER_PROGRESS,channel.bmp,thumb.bmp,,10,50,400,90,H,3600,Seek"), 1,
        site);
    EXPECT_EQ(slider->geometry(), QRect(10, 50, 200, 16));
    EXPECT_EQ(slider->MinPos(), 0);
    EXPECT_EQ(slider->MaxPos(), 7200);
    EXPECT_EQ(slider->GetPos(), 3600);
    EXPECT_EQ(slider->ThumbCentre(), 100);
    EXPECT_FALSE(slider->IsVertical());
    EXPECT_EQ(slider->toolTip(), "Seek");
    QTest::mouseClick(slider, Qt::LeftButton, {}, QPoint(190, 5));
    EXPECT_EQ(host.sliderMoves, (std::vector<std::pair<int, int>>{{1, 7200}}));

    auto vertical = CreateSlider(
        SliderEntry::Parse("SLIDER_VOLUME,channel.bmp,thumb.bmp,thumb.bmp,10,50,40,90,Vert,9000"),
        0, site);
    EXPECT_TRUE(vertical->IsVertical());
    EXPECT_EQ(vertical->GetPos(), 7200);

    auto progress =
        CreateProgress(ProgressEntry::Parse("PROGRESS_A,10,100,330,112,tile.bmp"), 3, site);
    EXPECT_EQ(progress->geometry(), QRect(10, 100, 320, 12));
    EXPECT_EQ(progress->Name(), "PROGRESS_A");
    progress->SetPos(50);
    EXPECT_EQ(progress->FilledWidth(), 160);
}

TEST_F(FactoryTest, LabelsAndCaption)
{
    auto label = CreateLabel(
        LabelEntry::Parse("LABEL_TIME,10,10,200,30,00:00:00,Arial,12,0x00FF00"), 4, site);
    EXPECT_EQ(label->Name(), "LABEL_TIME");
    EXPECT_EQ(label->Index(), 4);
    EXPECT_EQ(label->Text(), "00:00:00");
    EXPECT_EQ(label->TextColor(), QColor(0, 255, 0));
    EXPECT_EQ(label->LabelFont().pixelSize(), 16);
    EXPECT_EQ(label->LabelFont().family(), "Arial");

    auto caption =
        CreateCaption(CaptionEntry::Parse("anything,0,0,300,20,Lumaskin,Arial,9,0xFF0000"), site);
    EXPECT_EQ(caption->Text(), "Lumaskin");
    EXPECT_EQ(caption->TextColor(), QColor(255, 0, 0));
    EXPECT_TRUE(caption->Name().empty());
}

TEST_F(FactoryTest, EditBoxesEnableOnlyForExactTrue)
{
    auto enabled = CreateEditBox(
        EditBoxEntry::Parse("EDIT_FILE,10,10,200,30,0xFFFFFF,0x000000,0x808080,TRUE"), 0, site);
    auto disabled = CreateEditBox(
        EditBoxEntry::Parse("EDIT_OTHER,10,40,200,60,0xFFFFFF,0x000000,0x808080,True"), 1, site);
    EXPECT_TRUE(enabled->isEnabled());
    EXPECT_FALSE(disabled->isEnabled());
    EXPECT_EQ(enabled->geometry(), QRect(10, 10, 190, 20));
    EXPECT_EQ(enabled->BorderColor(), QColor(0x80, 0x80, 0x80));
    EXPECT_EQ(disabled->Index(), 1);
}

TEST_F(FactoryTest, ListAndComboBox)
{
    auto list = CreateListBox(ListBoxEntry::Parse("LIST_FILES,10,10,210,110,0x000000,0xFFFFFF,"
                                                  "0x0000FF,0xFFFF00,t.bmp,u.bmp,up.bmp,d.bmp,"
                                                  "dp.bmp,th.bmp,thp.bmp"),
                              0, site);
    EXPECT_EQ(list->Name(), "LIST_FILES");
    EXPECT_EQ(list->geometry(), QRect(10, 10, 188, 100));
    const SkinScrollBar &bar = Need(list->ScrollBar());
    EXPECT_EQ(bar.geometry(), QRect(198, 10, 12, 100));
    EXPECT_EQ(list->columnCount(), 2);
    // The number column holds "999." in the list's font, and never less than 35 pixels; the
    // path column takes the rest, up to the scroll bar.
    const int numbers = list->header()->sectionSize(0);
    EXPECT_GE(numbers, 35);
    EXPECT_GT(numbers, QFontMetrics(list->font()).horizontalAdvance("999."));
    EXPECT_EQ(numbers + list->header()->sectionSize(1), 188);
    EXPECT_EQ(list->SelBkColor(), QColor(0, 0, 255));
    EXPECT_EQ(list->SelTextColor(), QColor(255, 255, 0));
    list->AddFile("/pictures/a.png");
    EXPECT_EQ(list->RowText(0, 0), "  1.");
    EXPECT_EQ(list->topLevelItem(0)->textAlignment(0), int(Qt::AlignRight));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(host.listClicks, 1);

    auto combo = CreateComboBox(ComboBoxEntry::Parse("COMBO_FORMAT,10,200,110,230,strip.bmp,"
                                                     "0xFFFFFF,0x000000,0x00FF00,0xFFFFFF,"
                                                     "0x000000,0x000080,0xFFFFFF,t.bmp,u.bmp,"
                                                     "up.bmp,d.bmp,dp.bmp,th.bmp,thp.bmp"),
                                0, site);
    EXPECT_EQ(combo->Name(), "COMBO_FORMAT");
    EXPECT_EQ(combo->EditRect(), QRect(10, 200, 80, 20));
    EXPECT_FALSE(combo->IsListOpen());
    EXPECT_FALSE(Need(combo->List()).isVisible());
    EXPECT_EQ(Need(combo->Edit()).BorderColor(), QColor(0, 255, 0));
    EXPECT_EQ(Need(combo->List()).columnCount(), 1);
    combo->AddItem("BMP");
    combo->SelectItem("BMP");
    EXPECT_EQ(combo->Text(), "BMP");
}

TEST_F(FactoryTest, PathsAndTexts)
{
    EXPECT_EQ(SkinFilePath("/skins/Test/", "a.bmp"), "/skins/Test/a.bmp");
    EXPECT_EQ(SkinFilePath("/skins/Test", "a.bmp"), "/skins/Test/a.bmp");
    EXPECT_TRUE(SkinFilePath("/skins/Test/", "").isEmpty());
    EXPECT_EQ(SkinText("caf\xc3\xa9"), QString::fromUtf8("caf\xc3\xa9"));
    EXPECT_EQ(SkinText("caf\xe9"), QString::fromUtf8("caf\xc3\xa9")) << "Latin-1 kept";
    EXPECT_EQ(ToQRect({10, 20, 5, 10}), QRect(10, 20, 0, 0));

    // Entries whose bitmaps are missing still make working controls.
    auto button = CreateButton(ButtonEntry::Parse("BUTTON_X,missing.bmp"), 0, site);
    EXPECT_EQ(button->geometry(), QRect(0, 0, 0, 0));
    auto list = CreateListBox(ListBoxEntry::Parse("LIST_X,0,0,100,100"), 0, site);
    EXPECT_EQ(Need(list->ScrollBar()).BarWidth(), 0);
    auto combo = CreateComboBox(ComboBoxEntry::Parse("COMBO_X,0,0,100,30"), 0, site);
    EXPECT_EQ(combo->ButtonWidth(), 0);
    host.ShowAndWait();
    (void)host.Screen();
}

} // namespace
} // namespace lumaskin
