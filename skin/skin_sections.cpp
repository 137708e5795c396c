#include "skin/skin_sections.h"

#include <algorithm>

namespace lumaskin {

namespace {

std::optional<std::string> ReadNonEmpty(const SkinIni &ini, std::string_view section,
                                        std::string_view key)
{
    std::string value = ini.GetString(section, key);
    if (value.empty())
        return std::nullopt;
    return value;
}

} // namespace

std::string ReadBackgroundBitmap(const SkinIni &ini)
{
    return ini.GetString("Screen", "Main");
}

std::optional<ColourValue> ReadTransparentColour(const SkinIni &ini)
{
    if (const auto value = ReadNonEmpty(ini, "COLOR", "TRANSPARENT"))
        return ParseColour(*value);
    return std::nullopt;
}

std::optional<Rect> ReadHostRect(const SkinIni &ini)
{
    if (auto value = ReadNonEmpty(ini, "CONTROL", "CONTROL"))
        return ReadRect(*value);
    return std::nullopt;
}

std::optional<IconEntry> ReadIcon(const SkinIni &ini)
{
    if (auto value = ReadNonEmpty(ini, "ICON", "ICON"))
        return IconEntry::Parse(std::move(*value));
    return std::nullopt;
}

std::optional<CaptionEntry> ReadCaption(const SkinIni &ini)
{
    if (auto value = ReadNonEmpty(ini, "CAPTION", "CAPTION"))
        return CaptionEntry::Parse(std::move(*value));
    return std::nullopt;
}

std::vector<std::optional<std::string>> ReadListValues(const SkinIni &ini, std::string_view section)
{
    std::vector<std::string> keys;
    ini.GetKeyNames(section, keys);
    const std::size_t count = std::min(keys.size(), kMaxListEntries);
    std::vector<std::optional<std::string>> values;
    values.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(ReadNonEmpty(ini, section, std::to_string(i + 1)));
    return values;
}

} // namespace lumaskin
