#include "skin/skin_entries.h"

namespace lumaskin {

namespace {

ColourValue NextColour(std::string &value)
{
    return ParseColour(NextField(value));
}

} // namespace

ScrollBarBitmaps ScrollBarBitmaps::Read(std::string &value)
{
    ScrollBarBitmaps bitmaps;
    bitmaps.track = NextField(value);
    bitmaps.upArrow = NextField(value);
    bitmaps.upArrowPressed = NextField(value);
    bitmaps.downArrow = NextField(value);
    bitmaps.downArrowPressed = NextField(value);
    bitmaps.thumb = NextField(value);
    bitmaps.thumbPressed = NextField(value);
    return bitmaps;
}

ButtonEntry ButtonEntry::Parse(std::string value)
{
    ButtonEntry entry;
    entry.name = NextField(value);
    entry.bitmap = NextField(value);
    entry.rect = ReadRect(value);
    entry.tooltip = NextField(value);
    entry.latched = ParseFlag(NextField(value));
    return entry;
}

OptionEntry OptionEntry::Parse(std::string value)
{
    OptionEntry entry;
    entry.name = NextField(value);
    entry.bitmap = NextField(value);
    entry.rect = ReadRect(value);
    entry.tooltip = NextField(value);
    entry.latched = ParseFlag(NextField(value));
    entry.checked = ParseFlag(NextField(value));
    return entry;
}

SliderEntry SliderEntry::Parse(std::string value)
{
    SliderEntry entry;
    entry.name = NextField(value);
    entry.channelBitmap = NextField(value);
    entry.thumbBitmap = NextField(value);
    entry.activeThumbBitmap = NextField(value);
    entry.rect = ReadRect(value);
    entry.vertical = ParseVertical(NextField(value));
    entry.position = TextToInt(NextField(value));
    entry.tooltip = NextField(value);
    return entry;
}

LabelEntry LabelEntry::Parse(std::string value)
{
    LabelEntry entry;
    entry.name = NextField(value);
    entry.rect = ReadRect(value);
    entry.text = NextField(value);
    entry.fontFace = NextField(value);
    entry.fontSize = TextToInt(NextField(value));
    entry.colour = NextColour(value);
    return entry;
}

ProgressEntry ProgressEntry::Parse(std::string value)
{
    ProgressEntry entry;
    entry.name = NextField(value);
    entry.rect = ReadRect(value);
    entry.tileBitmap = NextField(value);
    return entry;
}

EditBoxEntry EditBoxEntry::Parse(std::string value)
{
    EditBoxEntry entry;
    entry.name = NextField(value);
    entry.rect = ReadRect(value);
    entry.backgroundColour = NextColour(value);
    entry.textColour = NextColour(value);
    entry.borderColour = NextColour(value);
    entry.enabled = ParseEnableFlag(NextField(value));
    return entry;
}

ListBoxEntry ListBoxEntry::Parse(std::string value)
{
    ListBoxEntry entry;
    entry.name = NextField(value);
    entry.rect = ReadRect(value);
    entry.backgroundColour = NextColour(value);
    entry.textColour = NextColour(value);
    entry.selectedBackgroundColour = NextColour(value);
    entry.selectedTextColour = NextColour(value);
    entry.scrollBar = ScrollBarBitmaps::Read(value);
    return entry;
}

ComboBoxEntry ComboBoxEntry::Parse(std::string value)
{
    ComboBoxEntry entry;
    entry.name = NextField(value);
    entry.rect = ReadRect(value);
    entry.buttonBitmap = NextField(value);
    entry.editBackgroundColour = NextColour(value);
    entry.editTextColour = NextColour(value);
    entry.editBorderColour = NextColour(value);
    entry.listBackgroundColour = NextColour(value);
    entry.listTextColour = NextColour(value);
    entry.listSelectedBackgroundColour = NextColour(value);
    entry.listSelectedTextColour = NextColour(value);
    entry.scrollBar = ScrollBarBitmaps::Read(value);
    return entry;
}

IconEntry IconEntry::Parse(std::string value)
{
    IconEntry entry;
    entry.bitmap = NextField(value);
    entry.rect = ReadRect(value);
    return entry;
}

} // namespace lumaskin
