#include "skin/skin_sections.h"

#include <algorithm>

namespace lumaskin {

std::optional<std::string> ReadSingleValue(const SkinIni &ini, std::string_view section,
                                           std::string_view key)
{
    std::string value = ini.GetString(section, key);
    if (value.empty())
        return std::nullopt;
    return value;
}

std::string ReadBackgroundBitmap(const SkinIni &ini)
{
    return ini.GetString(kScreenSection, kBackgroundKey);
}

std::optional<ColourValue> ReadTransparentColour(const SkinIni &ini)
{
    if (const auto value = ReadSingleValue(ini, kColourSection, kTransparentKey))
        return ParseColour(*value);
    return std::nullopt;
}

std::optional<Rect> ReadHostRect(const SkinIni &ini)
{
    if (auto value = ReadSingleValue(ini, kHostSection, kHostKey))
        return ReadRect(*value);
    return std::nullopt;
}

std::optional<IconEntry> ReadIcon(const SkinIni &ini)
{
    if (auto value = ReadSingleValue(ini, kIconSection, kIconKey))
        return IconEntry::Parse(std::move(*value));
    return std::nullopt;
}

std::optional<CaptionEntry> ReadCaption(const SkinIni &ini)
{
    if (auto value = ReadSingleValue(ini, kCaptionSection, kCaptionKey))
        return CaptionEntry::Parse(std::move(*value));
    return std::nullopt;
}

std::optional<FaceTextEntry> ReadFaceText(const SkinIni &ini, std::string_view controlName)
{
    if (controlName.empty())
        return std::nullopt;
    if (auto value = ReadSingleValue(ini, kFaceTextSection, controlName))
        return FaceTextEntry::Parse(std::move(*value));
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
        values.push_back(ReadSingleValue(ini, section, std::to_string(i + 1)));
    return values;
}

} // namespace lumaskin
