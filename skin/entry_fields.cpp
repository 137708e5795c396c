#include "skin/entry_fields.h"

#include "skin/ini_document.h"

#include <algorithm>
#include <cstdio>
#include <limits>

namespace lumaskin {

namespace {

bool IsSpace(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

int HexDigit(char c)
{
    if (IsDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Skips leading blanks and a sign; returns whether the number is negative.
bool SkipBlanksAndSign(std::string_view &text)
{
    while (!text.empty() && IsSpace(text.front()))
        text.remove_prefix(1);
    const bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);
    return negative;
}

} // namespace

std::string NextField(std::string &value)
{
    const auto comma = value.find(',');
    if (comma == std::string::npos) {
        value = std::string(TrimBlanks(value));
        return value;
    }
    std::string field = value.substr(0, comma);
    value = std::string(TrimBlanks(std::string_view(value).substr(comma + 1)));
    return field;
}

Rect ReadRect(std::string &value)
{
    Rect rect;
    rect.left = TextToInt(NextField(value));
    rect.top = TextToInt(NextField(value));
    rect.right = TextToInt(NextField(value));
    rect.bottom = TextToInt(NextField(value));
    return rect;
}

std::string FormatRect(const Rect &rect)
{
    return std::to_string(rect.left) + ',' + std::to_string(rect.top) + ',' +
           std::to_string(rect.right) + ',' + std::to_string(rect.bottom);
}

int TextToInt(std::string_view text)
{
    const bool negative = SkipBlanksAndSign(text);
    constexpr long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + 1;
    long long magnitude = 0;
    for (; !text.empty() && IsDigit(text.front()); text.remove_prefix(1))
        magnitude = std::min(magnitude * 10 + (text.front() - '0'), limit);
    const long long result = negative ? -magnitude : magnitude;
    return static_cast<int>(
        std::clamp<long long>(result, std::numeric_limits<int>::min(), limit - 1));
}

std::optional<std::int32_t> TextToIntWithHex(std::string_view text)
{
    const bool negative = SkipBlanksAndSign(text);
    std::uint32_t value = 0;
    bool anyDigit = false;
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
        HexDigit(text[2]) >= 0) {
        text.remove_prefix(2);
        for (; !text.empty() && HexDigit(text.front()) >= 0; text.remove_prefix(1)) {
            value = value * 16 + static_cast<std::uint32_t>(HexDigit(text.front()));
            anyDigit = true;
        }
    } else {
        for (; !text.empty() && IsDigit(text.front()); text.remove_prefix(1)) {
            value = value * 10 + static_cast<std::uint32_t>(text.front() - '0');
            anyDigit = true;
        }
    }
    if (!anyDigit)
        return std::nullopt;
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

ColourValue SwapRedBlue(std::uint32_t value)
{
    return ((value >> 16) & 0xFF) | (value & 0xFF00) | ((value & 0xFF) << 16);
}

std::string FormatColour(ColourValue colour)
{
    if (colour == kNoColour)
        return {};
    char text[16];
    std::snprintf(text, sizeof text, "0x%06X", static_cast<unsigned>(SwapRedBlue(colour)));
    return text;
}

ColourValue ParseColour(std::string_view text)
{
    const std::optional<std::int32_t> number = TextToIntWithHex(text);
    if (!number)
        return kNoColour;
    return SwapRedBlue(static_cast<std::uint32_t>(*number));
}

bool ParseFlag(std::string_view text)
{
    return text.starts_with('T');
}

bool ParseEnableFlag(std::string_view text)
{
    return text == "TRUE";
}

bool ParseVertical(std::string_view text)
{
    return text.starts_with('V');
}

} // namespace lumaskin
