#pragma once

#include "skin/entry_fields.h"
#include "skin/rect.h"
#include "skin/skin_entries.h"
#include "skin/skin_ini.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaskin {

// The sections of a skin description file, and the keys of those with a single entry. List
// sections number their keys from 1.
inline constexpr std::string_view kScreenSection = "Screen";
inline constexpr std::string_view kBackgroundKey = "Main";
inline constexpr std::string_view kColourSection = "COLOR";
inline constexpr std::string_view kTransparentKey = "TRANSPARENT";
inline constexpr std::string_view kHostSection = "CONTROL";
inline constexpr std::string_view kHostKey = "CONTROL";
inline constexpr std::string_view kIconSection = "ICON";
inline constexpr std::string_view kIconKey = "ICON";
inline constexpr std::string_view kCaptionSection = "CAPTION";
inline constexpr std::string_view kCaptionKey = "CAPTION";
inline constexpr std::string_view kTaskBarButtonSection = "TASKBARBUTTON";
inline constexpr std::string_view kButtonSection = "BUTTONINFO";
inline constexpr std::string_view kSliderSection = "SLIDERINFO";
inline constexpr std::string_view kOptionSection = "OPTIONINFO";
inline constexpr std::string_view kCheckSection = "CHECKINFO";
inline constexpr std::string_view kLabelSection = "LABELINFO";
inline constexpr std::string_view kProgressSection = "PROGRESSINFO";
inline constexpr std::string_view kEditBoxSection = "EDITBOXINFO";
inline constexpr std::string_view kListBoxSection = "LISTBOXINFO";
inline constexpr std::string_view kComboBoxSection = "COMBOBOXINFO";
// Keyed by control name rather than numbered.
inline constexpr std::string_view kFaceTextSection = "FACETEXT";

// Readers of every section of a skin description file.

// The value of `key` in `section`; empty when it is missing or empty.
std::optional<std::string> ReadSingleValue(const SkinIni &ini, std::string_view section,
                                           std::string_view key);

// "Screen"/"Main": the background bitmap's file name, empty when missing.
std::string ReadBackgroundBitmap(const SkinIni &ini);

// "COLOR"/"TRANSPARENT": empty when the value is missing or empty, in which case the
// previous transparent colour stays.
std::optional<ColourValue> ReadTransparentColour(const SkinIni &ini);

// "CONTROL"/"CONTROL": the area for a hosted control; empty when missing, in which case the
// previous area stays.
std::optional<Rect> ReadHostRect(const SkinIni &ini);

// "ICON"/"ICON" and "CAPTION"/"CAPTION": empty when missing or empty.
std::optional<IconEntry> ReadIcon(const SkinIni &ini);
std::optional<CaptionEntry> ReadCaption(const SkinIni &ini);

// "FACETEXT"/`controlName`: the words drawn on a control's faces; empty when the skin's
// bitmaps carry their own.
std::optional<FaceTextEntry> ReadFaceText(const SkinIni &ini, std::string_view controlName);

// A list section's entries by control index (key number - 1). An empty or missing value
// leaves its slot empty but still uses up its number.
template <class Entry> using ListSection = std::vector<std::optional<Entry>>;

// The raw values of a list section: as many slots as the section has keys, slot i holding
// key "i+1". A key with another name only raises the count; numbers above the count are
// never read. At most kMaxListEntries slots are read: every entry becomes a window, and no
// skin needs more than a few dozen of a kind.
inline constexpr std::size_t kMaxListEntries = 1024;
std::vector<std::optional<std::string>> ReadListValues(const SkinIni &ini,
                                                       std::string_view section);

template <class Entry>
ListSection<Entry> ReadListSection(const SkinIni &ini, std::string_view section)
{
    ListSection<Entry> entries;
    for (std::optional<std::string> &value : ReadListValues(ini, section))
        entries.push_back(value ? std::optional<Entry>(Entry::Parse(std::move(*value)))
                                : std::nullopt);
    return entries;
}

inline ListSection<ButtonEntry> ReadTaskBarButtons(const SkinIni &ini)
{
    return ReadListSection<ButtonEntry>(ini, kTaskBarButtonSection);
}
inline ListSection<ButtonEntry> ReadButtons(const SkinIni &ini)
{
    return ReadListSection<ButtonEntry>(ini, kButtonSection);
}
inline ListSection<SliderEntry> ReadSliders(const SkinIni &ini)
{
    return ReadListSection<SliderEntry>(ini, kSliderSection);
}
inline ListSection<OptionEntry> ReadOptionButtons(const SkinIni &ini)
{
    return ReadListSection<OptionEntry>(ini, kOptionSection);
}
inline ListSection<CheckEntry> ReadCheckBoxes(const SkinIni &ini)
{
    return ReadListSection<CheckEntry>(ini, kCheckSection);
}
inline ListSection<LabelEntry> ReadLabels(const SkinIni &ini)
{
    return ReadListSection<LabelEntry>(ini, kLabelSection);
}
inline ListSection<ProgressEntry> ReadProgressBars(const SkinIni &ini)
{
    return ReadListSection<ProgressEntry>(ini, kProgressSection);
}
inline ListSection<EditBoxEntry> ReadEditBoxes(const SkinIni &ini)
{
    return ReadListSection<EditBoxEntry>(ini, kEditBoxSection);
}
inline ListSection<ListBoxEntry> ReadListBoxes(const SkinIni &ini)
{
    return ReadListSection<ListBoxEntry>(ini, kListBoxSection);
}
inline ListSection<ComboBoxEntry> ReadComboBoxes(const SkinIni &ini)
{
    return ReadListSection<ComboBoxEntry>(ini, kComboBoxSection);
}

} // namespace lumaskin
