#pragma once

#include "skin/entry_fields.h"
#include "skin/entry_layout.h"
#include "skin/rect.h"

#include <string>
#include <tuple>

namespace lumaskin {

// The fields of one entry of each kind of skin section, in the order they are written: each
// kind declares them once in Fields(), from which Parse (the entry's text to the entry) and
// Format (back to text) are both made. Parse splits with NextField, so missing fields repeat
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

    static auto Fields()
    {
        using E = ScrollBarBitmaps;
        return std::tuple{TextField(&E::track),
                          TextField(&E::upArrow),
                          TextField(&E::upArrowPressed),
                          TextField(&E::downArrow),
                          TextField(&E::downArrowPressed),
                          TextField(&E::thumb),
                          TextField(&E::thumbPressed)};
    }
};

// "BUTTONINFO" and "TASKBARBUTTON". The bitmap is a strip of four state images; the optional
// focus bitmap is drawn over the button, stretched to it, while it has the keyboard focus.
struct ButtonEntry
{
    std::string name;
    std::string bitmap;
    Rect rect;
    std::string tooltip;
    bool latched = false;
    std::string focusBitmap = {};

    static auto Fields()
    {
        using E = ButtonEntry;
        return std::tuple{
            TextField(&E::name), TextField(&E::bitmap), RectField(&E::rect), TextField(&E::tooltip),
            FollowedByOptionalText(FlagField(&E::latched, "T", "F"), &E::focusBitmap)};
    }
    static ButtonEntry Parse(std::string value)
    {
        return ParseEntry<ButtonEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
};

// "OPTIONINFO" and "CHECKINFO", with an optional focus bitmap as buttons have.
struct OptionEntry
{
    std::string name;
    std::string bitmap;
    Rect rect;
    std::string tooltip;
    bool latched = false;
    bool checked = false;
    std::string focusBitmap = {};

    static auto Fields()
    {
        using E = OptionEntry;
        return std::tuple{
            TextField(&E::name),
            TextField(&E::bitmap),
            RectField(&E::rect),
            TextField(&E::tooltip),
            FlagField(&E::latched, "T", "F"),
            FollowedByOptionalText(FlagField(&E::checked, "TRUE", "FALSE"), &E::focusBitmap)};
    }
    static OptionEntry Parse(std::string value)
    {
        return ParseEntry<OptionEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
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

    static auto Fields()
    {
        using E = SliderEntry;
        return std::tuple{TextField(&E::name),        TextField(&E::channelBitmap),
                          TextField(&E::thumbBitmap), TextField(&E::activeThumbBitmap),
                          RectField(&E::rect),        OrientationField(&E::vertical),
                          NumberField(&E::position),  TextField(&E::tooltip)};
    }
    static SliderEntry Parse(std::string value)
    {
        return ParseEntry<SliderEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
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

    static auto Fields()
    {
        using E = LabelEntry;
        return std::tuple{TextField(&E::name),       RectField(&E::rect),
                          TextField(&E::text),       TextField(&E::fontFace),
                          NumberField(&E::fontSize), ColourField(&E::colour)};
    }
    static LabelEntry Parse(std::string value) { return ParseEntry<LabelEntry>(std::move(value)); }
    std::string Format() const { return FormatEntry(*this); }
};
using CaptionEntry = LabelEntry;

// "PROGRESSINFO".
struct ProgressEntry
{
    std::string name;
    Rect rect;
    std::string tileBitmap;

    static auto Fields()
    {
        using E = ProgressEntry;
        return std::tuple{TextField(&E::name), RectField(&E::rect), TextField(&E::tileBitmap)};
    }
    static ProgressEntry Parse(std::string value)
    {
        return ParseEntry<ProgressEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
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

    static auto Fields()
    {
        using E = EditBoxEntry;
        return std::tuple{TextField(&E::name),
                          RectField(&E::rect),
                          ColourField(&E::backgroundColour),
                          ColourField(&E::textColour),
                          ColourField(&E::borderColour),
                          EnableFlagField(&E::enabled)};
    }
    static EditBoxEntry Parse(std::string value)
    {
        return ParseEntry<EditBoxEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
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

    static auto Fields()
    {
        using E = ListBoxEntry;
        return std::tuple{TextField(&E::name),
                          RectField(&E::rect),
                          ColourField(&E::backgroundColour),
                          ColourField(&E::textColour),
                          ColourField(&E::selectedBackgroundColour),
                          ColourField(&E::selectedTextColour),
                          GroupField(&E::scrollBar)};
    }
    static ListBoxEntry Parse(std::string value)
    {
        return ParseEntry<ListBoxEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
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

    static auto Fields()
    {
        using E = ComboBoxEntry;
        return std::tuple{TextField(&E::name),
                          RectField(&E::rect),
                          TextField(&E::buttonBitmap),
                          ColourField(&E::editBackgroundColour),
                          ColourField(&E::editTextColour),
                          ColourField(&E::editBorderColour),
                          ColourField(&E::listBackgroundColour),
                          ColourField(&E::listTextColour),
                          ColourField(&E::listSelectedBackgroundColour),
                          ColourField(&E::listSelectedTextColour),
                          GroupField(&E::scrollBar)};
    }
    static ComboBoxEntry Parse(std::string value)
    {
        return ParseEntry<ComboBoxEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
};

// "FACETEXT", keyed by the name of a push button, check box or option button: the words the
// program draws on each of its faces, for skins whose bitmaps leave them out. The indent is 0
// for a push button's caption (centred with its glyph, shadowed, a pixel lower when pressed)
// or where a toggle's text begins; the glyph is a name ("plus") or empty. The four colours
// are those of the normal, hover, down and disabled faces; missing ones repeat the last.
struct FaceTextEntry
{
    std::string text;
    std::string fontFace;
    int fontSize = 0; // pixels
    bool bold = false;
    int indent = 0;
    std::string glyph;
    ColourValue normalColour = kNoColour;
    ColourValue hoverColour = kNoColour;
    ColourValue downColour = kNoColour;
    ColourValue disabledColour = kNoColour;

    static auto Fields()
    {
        using E = FaceTextEntry;
        return std::tuple{TextField(&E::text),           TextField(&E::fontFace),
                          NumberField(&E::fontSize),     FlagField(&E::bold, "T", "F"),
                          NumberField(&E::indent),       TextField(&E::glyph),
                          ColourField(&E::normalColour), ColourField(&E::hoverColour),
                          ColourField(&E::downColour),   ColourField(&E::disabledColour)};
    }
    static FaceTextEntry Parse(std::string value)
    {
        return ParseEntry<FaceTextEntry>(std::move(value));
    }
    std::string Format() const { return FormatEntry(*this); }
};

// The single "ICON" entry.
struct IconEntry
{
    std::string bitmap;
    Rect rect;

    static auto Fields()
    {
        using E = IconEntry;
        return std::tuple{TextField(&E::bitmap), RectField(&E::rect)};
    }
    static IconEntry Parse(std::string value) { return ParseEntry<IconEntry>(std::move(value)); }
    std::string Format() const { return FormatEntry(*this); }
};

} // namespace lumaskin
