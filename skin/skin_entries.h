#pragma once

#include "skin/entry_fields.h"
#include "skin/rect.h"

#include <string>

namespace lumaskin {

// The fields of one entry of each kind of skin section, in the order they are written.
// Each Parse takes the entry's value and splits it with NextField, so missing fields repeat
// the last one. Bitmap file names stay relative to the skin's folder.

// The seven bitmaps of a skinned vertical scroll bar.
struct ScrollBarBitmaps
{
    std::string track;
    std::string upArrow;
    std::string upArrowPressed;
    std::string downArrow;
    std::string downArrowPressed;
    std::string thumb;
    std::string thumbPressed;

    static ScrollBarBitmaps Read(std::string &value);
};

// "BUTTONINFO" and "TASKBARBUTTON". The bitmap is a strip of four state images.
struct ButtonEntry
{
    std::string name;
    std::string bitmap;
    Rect rect;
    std::string tooltip;
    bool latched = false;

    static ButtonEntry Parse(std::string value);
};

// "OPTIONINFO" and "CHECKINFO".
struct OptionEntry
{
    std::string name;
    std::string bitmap;
    Rect rect;
    std::string tooltip;
    bool latched = false;
    bool checked = false;

    static OptionEntry Parse(std::string value);
};
using CheckEntry = OptionEntry;

// "SLIDERINFO".
struct SliderEntry
{
    std::string name;
    std::string channelBitmap;
    std::string thumbBitmap;
    std::string activeThumbBitmap;
    Rect rect;
    bool vertical = false;
    int position = 0;
    std::string tooltip;

    static SliderEntry Parse(std::string value);
};

// "LABELINFO", and the single "CAPTION" entry, whose name is read but not used.
struct LabelEntry
{
    std::string name;
    Rect rect;
    std::string text;
    std::string fontFace;
    int fontSize = 0;
    ColourValue colour = kNoColour;

    static LabelEntry Parse(std::string value);
};
using CaptionEntry = LabelEntry;

// "PROGRESSINFO".
struct ProgressEntry
{
    std::string name;
    Rect rect;
    std::string tileBitmap;

    static ProgressEntry Parse(std::string value);
};

// "EDITBOXINFO".
struct EditBoxEntry
{
    std::string name;
    Rect rect;
    ColourValue backgroundColour = kNoColour;
    ColourValue textColour = kNoColour;
    ColourValue borderColour = kNoColour;
    bool enabled = false;

    static EditBoxEntry Parse(std::string value);
};

// "LISTBOXINFO".
struct ListBoxEntry
{
    std::string name;
    Rect rect;
    ColourValue backgroundColour = kNoColour;
    ColourValue textColour = kNoColour;
    ColourValue selectedBackgroundColour = kNoColour;
    ColourValue selectedTextColour = kNoColour;
    ScrollBarBitmaps scrollBar;

    static ListBoxEntry Parse(std::string value);
};

// "COMBOBOXINFO". The rectangle covers the whole combo box, drop list included.
struct ComboBoxEntry
{
    std::string name;
    Rect rect;
    std::string buttonBitmap;
    ColourValue editBackgroundColour = kNoColour;
    ColourValue editTextColour = kNoColour;
    ColourValue editBorderColour = kNoColour;
    ColourValue listBackgroundColour = kNoColour;
    ColourValue listTextColour = kNoColour;
    ColourValue listSelectedBackgroundColour = kNoColour;
    ColourValue listSelectedTextColour = kNoColour;
    ScrollBarBitmaps scrollBar;

    static ComboBoxEntry Parse(std::string value);
};

// The single "ICON" entry.
struct IconEntry
{
    std::string bitmap;
    Rect rect;

    static IconEntry Parse(std::string value);
};

} // namespace lumaskin
