#include "skin/skin_sections.h"
#include "tests/support/temp_dir.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::TempDir;
using test::WriteFile;

TEST(EntryFieldsTest, NextFieldConsumesAndRepeatsTheLastField)
{
    std::string value = "BUTTON_PLAY , play.bmp,  10,\t20 ,x";
    EXPECT_EQ(NextField(value), "BUTTON_PLAY ");
    EXPECT_EQ(NextField(value), "play.bmp");
    EXPECT_EQ(NextField(value), "10");
    EXPECT_EQ(NextField(value), "20 ");
    EXPECT_EQ(NextField(value), "x");
    EXPECT_EQ(NextField(value), "x");
    EXPECT_EQ(value, "x");

    std::string empties = "a,,b,";
    EXPECT_EQ(NextField(empties), "a");
    EXPECT_EQ(NextField(empties), "");
    EXPECT_EQ(NextField(empties), "b");
    EXPECT_EQ(NextField(empties), "");
    EXPECT_EQ(NextField(empties), "");

    // No length limit: a long value is split like a short one.
    std::string longValue = std::string(300, 'n') + "," + std::string(3000, 'b') + ",1,2,3,4";
    EXPECT_EQ(NextField(longValue), std::string(300, 'n'));
    EXPECT_EQ(NextField(longValue), std::string(3000, 'b'));
    EXPECT_EQ(ReadRect(longValue), (Rect{1, 2, 3, 4}));
}

TEST(EntryFieldsTest, IntegersReadLikeThePlatformConversion)
{
    EXPECT_EQ(TextToInt("  \t-17px"), -17);
    EXPECT_EQ(TextToInt("+8"), 8);
    EXPECT_EQ(TextToInt("bg.bmp"), 0);
    EXPECT_EQ(TextToInt("0x10"), 0);
    EXPECT_EQ(TextToInt("99999999999999999999"), 2147483647);
    EXPECT_EQ(TextToInt("-2147483648"), -2147483647 - 1);

    EXPECT_EQ(TextToIntWithHex(" 0x1A"), 26);
    EXPECT_EQ(TextToIntWithHex("-0Xff"), -255);
    EXPECT_EQ(TextToIntWithHex("12abc"), 12);
    EXPECT_EQ(TextToIntWithHex("0xFFFFFFFF"), -1);
    EXPECT_EQ(TextToIntWithHex("FF00FF"), std::nullopt);
}

TEST(EntryFieldsTest, ColoursSwapRedAndBlue)
{
    EXPECT_EQ(ParseColour("0xFF00FF"), 0x00FF00FFu);
    EXPECT_EQ(ParseColour("16711935"), 0x00FF00FFu); // the same number in decimal
    EXPECT_EQ(ParseColour("0x0000FF"), 0x00FF0000u); // pure blue
    EXPECT_EQ(ParseColour("0x123456"), 0x00563412u);
    EXPECT_EQ(ParseColour("255"), ParseColour("0xFF"));
    EXPECT_EQ(ParseColour("12"), 0x000C0000u); // digits without 0x are decimal
    EXPECT_EQ(ParseColour(""), kNoColour);
    EXPECT_EQ(ParseColour("magenta"), kNoColour);
}

TEST(EntryFieldsTest, FlagsAreCaseSensitive)
{
    EXPECT_TRUE(ParseFlag("TRUE"));
    EXPECT_TRUE(ParseFlag("Tuesday"));
    EXPECT_FALSE(ParseFlag("true"));
    EXPECT_FALSE(ParseFlag(""));

    EXPECT_TRUE(ParseEnableFlag("TRUE"));
    EXPECT_FALSE(ParseEnableFlag("True"));
    EXPECT_FALSE(ParseEnableFlag("T"));

    EXPECT_TRUE(ParseVertical("VERTICAL"));
    EXPECT_FALSE(ParseVertical("vertical"));
    EXPECT_FALSE(ParseVertical(""));
}

TEST(SkinEntriesTest, EveryKindTakesItsFieldsInOrder)
{
    const ButtonEntry button =
        ButtonEntry::Parse("BUTTON_PLAY, play.bmp, 10, 10, 40, 30, Play it, F");
    EXPECT_EQ(button.name, "BUTTON_PLAY");
    EXPECT_EQ(button.bitmap, "play.bmp");
    EXPECT_EQ(button.rect, (Rect{10, 10, 40, 30}));
    EXPECT_EQ(button.tooltip, "Play it");
    EXPECT_FALSE(button.latched);
    EXPECT_TRUE(ButtonEntry::Parse("B,b.bmp,0,0,1,1,tip,TRUE").latched);
    EXPECT_FALSE(ButtonEntry::Parse("B,b.bmp,0,0,1,1,tip,true").latched);

    const OptionEntry option = OptionEntry::Parse("OPT,o.bmp,1,2,3,4,tip,F,TRUE");
    EXPECT_EQ(option.rect, (Rect{1, 2, 3, 4}));
    EXPECT_FALSE(option.latched);
    EXPECT_TRUE(option.checked);

    const SliderEntry slider =
        SliderEntry::Parse("SLIDER_VOLUME,ch.bmp,th.bmp,act.bmp,5,6,7,8,V,3600,Volume");
    EXPECT_EQ(slider.channelBitmap, "ch.bmp");
    EXPECT_EQ(slider.thumbBitmap, "th.bmp");
    EXPECT_EQ(slider.activeThumbBitmap, "act.bmp");
    EXPECT_EQ(slider.rect, (Rect{5, 6, 7, 8}));
    EXPECT_TRUE(slider.vertical);
    EXPECT_EQ(slider.position, 3600);
    EXPECT_EQ(slider.tooltip, "Volume");
    EXPECT_FALSE(SliderEntry::Parse("S,c,t,a,0,0,0,0,Horizontal,0,tip").vertical);
    EXPECT_FALSE(SliderEntry::Parse("S,c,t,a,0,0,0,0,,0,tip").vertical);

    const LabelEntry label = LabelEntry::Parse("LABEL_TIME,1,2,3,4,00:00:00,Arial,12,0x0000FF");
    EXPECT_EQ(label.text, "00:00:00");
    EXPECT_EQ(label.fontFace, "Arial");
    EXPECT_EQ(label.fontSize, 12);
    EXPECT_EQ(label.colour, 0x00FF0000u);

    const ProgressEntry progress = ProgressEntry::Parse("PROGRESS,1,2,3,4,tile.bmp");
    EXPECT_EQ(progress.rect, (Rect{1, 2, 3, 4}));
    EXPECT_EQ(progress.tileBitmap, "tile.bmp");

    const EditBoxEntry edit = EditBoxEntry::Parse("EDIT,1,2,3,4,0x010203,0x040506,0x070809,TRUE");
    EXPECT_EQ(edit.backgroundColour, 0x00030201u);
    EXPECT_EQ(edit.textColour, 0x00060504u);
    EXPECT_EQ(edit.borderColour, 0x00090807u);
    EXPECT_TRUE(edit.enabled);
    EXPECT_FALSE(EditBoxEntry::Parse("EDIT,1,2,3,4,0,0,0,True").enabled);

    const ListBoxEntry list = ListBoxEntry::Parse(
        "LIST,1,2,3,4,0x000001,0x000002,0x000003,0x000004,tr,up,upP,dn,dnP,th,thP");
    EXPECT_EQ(list.backgroundColour, 0x00010000u);
    EXPECT_EQ(list.selectedTextColour, 0x00040000u);
    EXPECT_EQ(list.scrollBar.track, "tr");
    EXPECT_EQ(list.scrollBar.upArrowPressed, "upP");
    EXPECT_EQ(list.scrollBar.downArrow, "dn");
    EXPECT_EQ(list.scrollBar.thumbPressed, "thP");

    const ComboBoxEntry combo =
        ComboBoxEntry::Parse("COMBO,1,2,3,4,drop.bmp,1,2,3,4,5,6,7,tr,up,upP,dn,dnP,th,thP");
    EXPECT_EQ(combo.buttonBitmap, "drop.bmp");
    EXPECT_EQ(combo.editBackgroundColour, 0x00010000u);
    EXPECT_EQ(combo.editBorderColour, 0x00030000u);
    EXPECT_EQ(combo.listBackgroundColour, 0x00040000u);
    EXPECT_EQ(combo.listSelectedTextColour, 0x00070000u);
    EXPECT_EQ(combo.scrollBar.track, "tr");
    EXPECT_EQ(combo.scrollBar.thumbPressed, "thP");
}

TEST(SkinEntriesTest, MissingFieldsRepeatTheLastOne)
{
    // Name and bitmap only: the bitmap name stands in for every later field.
    const ButtonEntry button = ButtonEntry::Parse("BUTTON_ADD,add.bmp");
    EXPECT_EQ(button.bitmap, "add.bmp");
    EXPECT_EQ(button.rect, (Rect{0, 0, 0, 0}));
    EXPECT_EQ(button.tooltip, "add.bmp");
    EXPECT_FALSE(button.latched);

    // A last field of "TRUE" repeats as a true flag.
    EXPECT_TRUE(OptionEntry::Parse("O,o.bmp,1,2,3,4,tip,TRUE").checked);

    // A number repeats as a number.
    const ButtonEntry shortRect = ButtonEntry::Parse("B,b.bmp,7");
    EXPECT_EQ(shortRect.rect, (Rect{7, 7, 7, 7}));
}

TEST(SkinEntriesTest, FormatWritesWhatParseReads)
{
    // Entries as skins write them come back unchanged through every kind.
    const auto same = [](auto parse, const std::string &text) {
        EXPECT_EQ(parse(text).Format(), text);
    };
    same(ButtonEntry::Parse, "BUTTON_PLAY,play.bmp,10,10,40,30,Play it,F");
    same(ButtonEntry::Parse, "B,b.bmp,-1,0,1,2,tip,T");
    same(OptionEntry::Parse, "OPT,o.bmp,1,2,3,4,tip,F,TRUE");
    same(OptionEntry::Parse, "OPT,o.bmp,1,2,3,4,tip,T,FALSE");
    same(SliderEntry::Parse, "SLIDER_VOLUME,ch.bmp,th.bmp,act.bmp,5,6,7,8,V,3600,Volume");
    same(SliderEntry::Parse, "S,c,t,a,0,0,0,0,H,0,tip");
    same(LabelEntry::Parse, "LABEL_TIME,1,2,3,4,00:00:00,Arial,12,0x0000FF");
    same(ProgressEntry::Parse, "PROGRESS,1,2,3,4,tile.bmp");
    same(EditBoxEntry::Parse, "EDIT,1,2,3,4,0x010203,0x040506,0x070809,TRUE");
    same(EditBoxEntry::Parse, "EDIT,1,2,3,4,0xABCDEF,,0x000000,FALSE");
    same(ListBoxEntry::Parse,
         "LIST,1,2,3,4,0x000001,0x000002,0x000003,0x000004,tr,up,upP,dn,dnP,th,thP");
    same(ComboBoxEntry::Parse, "COMBO,1,2,3,4,drop.bmp,0x000001,0x000002,0x000003,0x000004,"
                               "0x000005,0x000006,0x000007,tr,up,upP,dn,dnP,th,thP");
    same(IconEntry::Parse, "icon.bmp,4,4,20,20");

    // Other spellings are written back as the entry they read as.
    EXPECT_EQ(ButtonEntry::Parse("B, b.bmp, 0,0,1,1, tip, TRUE").Format(), "B,b.bmp,0,0,1,1,tip,T");
    EXPECT_EQ(EditBoxEntry::Parse("E,0,0,1,1,16711935,magenta,0xff,True").Format(),
              "E,0,0,1,1,0xFF00FF,,0x0000FF,FALSE");
    EXPECT_EQ(SliderEntry::Parse("S,c,t,a,0,0,0,0,vertical,+7,tip").Format(),
              "S,c,t,a,0,0,0,0,H,7,tip");
}

TEST(SkinEntriesTest, AFocusBitmapIsOptionalAfterTheLastField)
{
    // Older entries, whose last field would repeat, have none and are written as they were.
    EXPECT_EQ(ButtonEntry::Parse("B,b.bmp,0,0,1,1,tip,T").focusBitmap, "");
    EXPECT_EQ(OptionEntry::Parse("O,o.bmp,1,2,3,4,tip,F,TRUE").focusBitmap, "");
    EXPECT_EQ(ButtonEntry::Parse("B,b.bmp,7").focusBitmap, "");
    const ButtonEntry button = ButtonEntry::Parse("B,b.bmp,0,0,1,1,tip,T,focus.bmp");
    EXPECT_TRUE(button.latched);
    EXPECT_EQ(button.focusBitmap, "focus.bmp");
    EXPECT_EQ(button.Format(), "B,b.bmp,0,0,1,1,tip,T,focus.bmp");
    const OptionEntry option = OptionEntry::Parse("O,o.bmp,1,2,3,4,tip,F,TRUE,ring.bmp");
    EXPECT_TRUE(option.checked);
    EXPECT_EQ(option.focusBitmap, "ring.bmp");
}

class SkinSectionsTest : public ::testing::Test
{
protected:
    SkinIni Write(std::string_view text)
    {
        WriteFile(dir / "Skin.ini", text);
        return SkinIni((dir / "Skin.ini").string());
    }

    TempDir dir;
};

TEST_F(SkinSectionsTest, SingleEntrySections)
{
    const SkinIni ini =
        Write("[Screen]\nMain=back.bmp\n"
              "[COLOR]\nTRANSPARENT=0xFF00FF\n"
              "[CONTROL]\nCONTROL=10, 20, 300, 200\n"
              "[ICON]\nICON=icon.bmp,4,4,20,20\n"
              "[CAPTION]\nCAPTION=anything at all,30,2,200,18,Lumaskin,Tahoma,9,0x00FF00\n");
    EXPECT_EQ(ReadBackgroundBitmap(ini), "back.bmp");
    EXPECT_EQ(ReadTransparentColour(ini), 0x00FF00FFu);
    EXPECT_EQ(ReadHostRect(ini), (Rect{10, 20, 300, 200}));
    const auto icon = ReadIcon(ini);
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->bitmap, "icon.bmp");
    EXPECT_EQ(icon->rect, (Rect{4, 4, 20, 20}));
    const auto caption = ReadCaption(ini);
    ASSERT_TRUE(caption);
    EXPECT_EQ(caption->name, "anything at all");
    EXPECT_EQ(caption->rect, (Rect{30, 2, 200, 18}));
    EXPECT_EQ(caption->text, "Lumaskin");
    EXPECT_EQ(caption->fontFace, "Tahoma");
    EXPECT_EQ(caption->fontSize, 9);
    EXPECT_EQ(caption->colour, 0x0000FF00u);

    // The same colour written in decimal.
    EXPECT_EQ(ReadTransparentColour(Write("[COLOR]\nTRANSPARENT=16711935\n")), 0x00FF00FFu);
}

TEST_F(SkinSectionsTest, EmptySingleEntriesKeepWhatWasThere)
{
    const SkinIni ini = Write("[COLOR]\nTRANSPARENT=\n[ICON]\nICON=\n");
    EXPECT_EQ(ReadBackgroundBitmap(ini), "");
    EXPECT_EQ(ReadTransparentColour(ini), std::nullopt);
    EXPECT_EQ(ReadHostRect(ini), std::nullopt);
    EXPECT_FALSE(ReadIcon(ini));
    EXPECT_FALSE(ReadCaption(ini));
}

TEST_F(SkinSectionsTest, ListSectionsCountKeysAndKeepIndices)
{
    // Keys 1, 2 and 4: key 3 is read and found missing, key 4 is never read.
    const SkinIni gaps = Write("[BUTTONINFO]\n"
                               "1=BUTTON_PLAY,play.bmp,0,0,10,10,Play,F\n"
                               "2=BUTTON_PAUSE,pause.bmp,0,0,10,10,Pause,F\n"
                               "4=BUTTON_EXIT,exit.bmp,0,0,10,10,Exit,F\n");
    const ListSection<ButtonEntry> buttons = ReadButtons(gaps);
    ASSERT_EQ(buttons.size(), 3u);
    ASSERT_TRUE(buttons[0] && buttons[1]);
    EXPECT_EQ(buttons[0]->name, "BUTTON_PLAY");
    EXPECT_EQ(buttons[1]->name, "BUTTON_PAUSE");
    EXPECT_FALSE(buttons[2]);

    // An empty entry uses up its number; a key of another name only raises the count.
    const SkinIni mixed = Write("[LABELINFO]\n"
                                "1=LABEL_A,0,0,1,1,a,Arial,8,0\n"
                                "2=\n"
                                "x=not read\n"
                                "3=LABEL_C,0,0,1,1,c,Arial,8,0\n"
                                "[sliderinfo]\n"
                                "1=SLIDER_PROGRESS,c.bmp,t.bmp,a.bmp,0,0,100,10,H,0,Seek\n");
    const ListSection<LabelEntry> labels = ReadLabels(mixed);
    ASSERT_EQ(labels.size(), 4u);
    EXPECT_EQ(labels[0]->name, "LABEL_A");
    EXPECT_FALSE(labels[1]);
    EXPECT_EQ(labels[2]->name, "LABEL_C");
    EXPECT_FALSE(labels[3]);

    const ListSection<SliderEntry> sliders = ReadSliders(mixed);
    ASSERT_EQ(sliders.size(), 1u);
    EXPECT_EQ(sliders[0]->name, "SLIDER_PROGRESS");
    EXPECT_TRUE(ReadComboBoxes(mixed).empty());
    EXPECT_TRUE(ReadButtons(SkinIni((dir / "missing.ini").string())).empty());
}

TEST_F(SkinSectionsTest, EverySectionHasItsReader)
{
    const SkinIni ini =
        Write("[TASKBARBUTTON]\n1=TASKBUTTON_EXIT,x.bmp,1,1,9,9,Close,F\n"
              "[OPTIONINFO]\n1=OPTION_A,o.bmp,0,0,1,1,A,F,T\n"
              "[CHECKINFO]\n1=CHECK_A,c.bmp,0,0,1,1,C,F,F\n"
              "[PROGRESSINFO]\n1=PROGRESS,0,0,1,1,tile.bmp\n"
              "[EDITBOXINFO]\n1=EDIT,0,0,1,1,0,0,0,TRUE\n"
              "[LISTBOXINFO]\n1=LIST,0,0,1,1,0,0,0,0,a,b,c,d,e,f,g\n"
              "[COMBOBOXINFO]\n1=COMBO,0,0,1,1,btn.bmp,0,0,0,0,0,0,0,a,b,c,d,e,f,g\n");
    EXPECT_EQ(ReadTaskBarButtons(ini).at(0)->name, "TASKBUTTON_EXIT");
    EXPECT_TRUE(ReadOptionButtons(ini).at(0)->checked);
    EXPECT_EQ(ReadCheckBoxes(ini).at(0)->name, "CHECK_A");
    EXPECT_EQ(ReadProgressBars(ini).at(0)->tileBitmap, "tile.bmp");
    EXPECT_TRUE(ReadEditBoxes(ini).at(0)->enabled);
    EXPECT_EQ(ReadListBoxes(ini).at(0)->scrollBar.thumbPressed, "g");
    EXPECT_EQ(ReadComboBoxes(ini).at(0)->buttonBitmap, "btn.bmp");
}

} // namespace
} // namespace lumaskin
