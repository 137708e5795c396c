#pragma once

#include "platform/colour_value.h"
#include "skin/rect.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lumaskin {

// Takes the next comma-separated field from the front of an entry's value. The value loses
// the field, the comma and the blanks that follow it. Once only the last field is left, it
// is returned again on every further call, so an entry with too few fields repeats its
// last field in the missing places.
std::string NextField(std::string &value);

// Four fields converted with TextToInt: left, top, right, bottom.
Rect ReadRect(std::string &value);
// The four fields as ReadRect reads them: "left,top,right,bottom".
std::string FormatRect(const Rect &rect);

// Leading blanks skipped, an optional sign, then decimal digits up to the first non-digit;
// no digits give 0. Values beyond the range of int are clamped.
int TextToInt(std::string_view text);

// Leading blanks, an optional sign, then "0x"/"0X" and hexadecimal digits or decimal
// digits, read up to the first character that is not a digit. Empty when there is no digit.
// The result wraps to 32 bits as the platform's conversion does.
std::optional<std::int32_t> TextToIntWithHex(std::string_view text);

// A colour field written as 0xRRGGBB (or decimal) turned into 0x00BBGGRR. Empty text, and
// text that holds no number, give kNoColour.
ColourValue ParseColour(std::string_view text);

// The swap of the lowest and the third byte that turns 0xRRGGBB into 0x00BBGGRR.
ColourValue SwapRedBlue(std::uint32_t value);

// A colour as skins write it, "0xRRGGBB" in capital hexadecimal digits; kNoColour is written
// as an empty field, which reads back as kNoColour.
std::string FormatColour(ColourValue colour);

// True when the text begins with a capital T ("TRUE").
bool ParseFlag(std::string_view text);

// True only for exactly "TRUE" (edit boxes).
bool ParseEnableFlag(std::string_view text);

// True (vertical) when the text begins with a capital V.
bool ParseVertical(std::string_view text);

} // namespace lumaskin
