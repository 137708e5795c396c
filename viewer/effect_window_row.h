#pragma once

#include "engine/effects/effect_table.h"

#include <array>
#include <span>
#include <string_view>

namespace lumaskin {

// One row of an effect window, as data: its label, the effect its "Change" button applies, the
// edit boxes and list it shows with their starting values, and how their values become the
// effect's arguments. The windows build their rows, and the steps a conversion applies, from
// these rows and the effect table; a window's rows are listed top to bottom, which is also the
// order in which a conversion applies the effects marked in it.
struct EffectWindowRow
{
    static constexpr std::size_t kMaxFields = 4;

    // An edit box or a list of the row, bound to one value the window holds.
    struct Field
    {
        enum class Kind
        {
            Integer, // an edit box holding a 32-bit whole number
            Real,    // an edit box holding a 32-bit real number, shown with 6 digits
            Choice,  // a list; its value is the index of the entry chosen (-1 for none)
        };

        std::string_view objectName{}; // "editContrast", "listEmboss"; empty for no field
        Kind kind = Kind::Integer;
        double start = 0; // the starting value: a new window shows it, Restore brings it back
        // The edit box's place when the window reads its edit boxes one after another: the
        // reading stops at the first text that is not a number, and the edit boxes after it
        // keep their values. Lists are not read; "Ok" and the row's "Change" store them.
        int readOrder = -1;
        std::string_view caption{}; // over the edit box's column, for rows of several
        std::span<const std::string_view> choices{}; // a list's entries
    };

    // Where one of the effect's arguments comes from: a field of the row or a fixed value.
    struct Argument
    {
        int field = -1; // index into `fields`; -1 for `fixed`
        double fixed = 0;
    };

    std::string_view name{};   // "Brightness": the "Change" button is "changeBrightness"
    std::string_view label{};  // "Brightness(-255-255)"
    std::string_view effect{}; // the effect's command in the effect table: "adjustrgb"
    int mark = 0;              // its place in the window's `appliedFlags`
    std::array<Field, kMaxFields> fields{}; // left to right
    // One for each of the effect's arguments, in the effect's order.
    std::array<Argument, EffectDescriptor::kMaxArguments> arguments{};

    std::size_t FieldCount() const
    {
        std::size_t count = 0;
        while (count < fields.size() && !fields[count].objectName.empty())
            ++count;
        return count;
    }
};

// The argument is the value of the row's field at `index`.
constexpr EffectWindowRow::Argument FromField(int index)
{
    return {index, 0};
}

// The argument is always `value`.
constexpr EffectWindowRow::Argument Fixed(double value)
{
    return {-1, value};
}

} // namespace lumaskin
