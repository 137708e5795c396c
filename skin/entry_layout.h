#pragma once

#include "skin/entry_fields.h"
#include "skin/rect.h"

#include <string>
#include <string_view>
#include <tuple>
#include <utility>

namespace lumaskin {

// The layout of a skin entry, declared once per kind of entry as a list of fields in the
// order they are written (an entry's static Fields()). Reading and writing both come from
// that list: ParseEntry takes each field from the front of the entry's text with NextField,
// so missing fields repeat the last one, and FormatEntry writes the fields joined by commas,
// in a form that ParseEntry reads back to the same entry.
//
// One field: `read` takes its text from the front of the remaining value into the entry,
// `write` gives the text it is written as (several comma-separated fields for a group).
template <class Read, class Write> struct EntryField
{
    Read read;
    Write write;
};

template <class Read, class Write>
constexpr EntryField<Read, Write> MakeField(Read read, Write write)
{
    return {read, write};
}

// Any text but a comma, kept as it is.
template <class Entry> constexpr auto TextField(std::string Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) { entry.*member = NextField(value); },
        [member](const Entry &entry) { return entry.*member; });
}

// A decimal integer, read as TextToInt reads it.
template <class Entry> constexpr auto NumberField(int Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) { entry.*member = TextToInt(NextField(value)); },
        [member](const Entry &entry) { return std::to_string(entry.*member); });
}

// A colour written as 0xRRGGBB and held as 0x00BBGGRR.
template <class Entry> constexpr auto ColourField(ColourValue Entry::*member)
{
    return MakeField([member](std::string &value,
                              Entry &entry) { entry.*member = ParseColour(NextField(value)); },
                     [member](const Entry &entry) { return FormatColour(entry.*member); });
}

// Four integer fields: left, top, right, bottom.
template <class Entry> constexpr auto RectField(Rect Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) { entry.*member = ReadRect(value); },
        [member](const Entry &entry) { return FormatRect(entry.*member); });
}

// True when the text begins with a capital T; written as `yes` or `no`, so that each skin file
// keeps the spelling it has always had ("T"/"F" or "TRUE"/"FALSE").
template <class Entry>
constexpr auto FlagField(bool Entry::*member, const char *yes, const char *no)
{
    return MakeField(
        [member](std::string &value, Entry &entry) { entry.*member = ParseFlag(NextField(value)); },
        [member, yes, no](const Entry &entry) { return std::string(entry.*member ? yes : no); });
}

// An edit box's flag: true only for exactly "TRUE".
template <class Entry> constexpr auto EnableFlagField(bool Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) {
            entry.*member = ParseEnableFlag(NextField(value));
        },
        [member](const Entry &entry) { return std::string(entry.*member ? "TRUE" : "FALSE"); });
}

// A slider's orientation, held as whether it is vertical: "V" or "H".
template <class Entry> constexpr auto OrientationField(bool Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) {
            entry.*member = ParseVertical(NextField(value));
        },
        [member](const Entry &entry) { return std::string(entry.*member ? "V" : "H"); });
}

// `field`, then an optional text field that only a skin written for it has: read only when
// another comma follows `field`, so older entries, whose last field NextField would repeat,
// leave it empty; written only when it is not empty, so those entries keep their text.
template <class Entry, class Field>
constexpr auto FollowedByOptionalText(Field field, std::string Entry::*optional)
{
    return MakeField(
        [field, optional](std::string &value, Entry &entry) {
            const bool more = value.find(',') != std::string::npos;
            field.read(value, entry);
            entry.*optional = more ? NextField(value) : std::string();
        },
        [field, optional](const Entry &entry) {
            std::string text = field.write(entry);
            if (!(entry.*optional).empty())
                text += ',' + entry.*optional;
            return text;
        });
}

template <class Entry> Entry ParseEntry(std::string value);
template <class Entry> std::string FormatEntry(const Entry &entry);

// A group of fields with a layout of its own (Group::Fields()), such as a scroll bar's bitmaps.
template <class Entry, class Group> constexpr auto GroupField(Group Entry::*member)
{
    return MakeField(
        [member](std::string &value, Entry &entry) {
            std::apply([&](const auto &...field) { (field.read(value, entry.*member), ...); },
                       Group::Fields());
        },
        [member](const Entry &entry) { return FormatEntry(entry.*member); });
}

template <class Entry> Entry ParseEntry(std::string value)
{
    Entry entry;
    std::apply([&](const auto &...field) { (field.read(value, entry), ...); }, Entry::Fields());
    return entry;
}

template <class Entry> std::string FormatEntry(const Entry &entry)
{
    std::string text;
    bool first = true;
    const auto append = [&](const std::string &field) {
        if (!first)
            text += ',';
        first = false;
        text += field;
    };
    std::apply([&](const auto &...field) { (append(field.write(entry)), ...); }, Entry::Fields());
    return text;
}

} // namespace lumaskin
