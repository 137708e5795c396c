#include "skin/ini_document.h"

#include <algorithm>

namespace lumaskin {

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerCase(std::string_view text)
{
    std::string lower(text);
    for (char &c : lower)
        c = LowerAscii(c);
    return lower;
}

std::string_view Unquote(std::string_view value)
{
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front())
        return value.substr(1, value.size() - 2);
    return value;
}

} // namespace

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && IsBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

bool EqualsIgnoreCase(std::string_view a, std::string_view b)
{
    return std::ranges::equal(a, b, [](char x, char y) { return LowerAscii(x) == LowerAscii(y); });
}

IniLine ClassifyIniLine(std::string_view line)
{
    const std::string_view text = TrimBlanks(line);
    if (text.empty() || text.front() == ';')
        return {};
    if (text.front() == '[') {
        std::string_view name = text.substr(1);
        name = name.substr(0, name.find(']'));
        return {IniLine::Kind::Section, TrimBlanks(name), {}};
    }
    const auto equals = text.find('=');
    if (equals == std::string_view::npos)
        return {};
    const std::string_view name = TrimBlanks(text.substr(0, equals));
    if (name.empty())
        return {};
    return {IniLine::Kind::Key, name, Unquote(TrimBlanks(text.substr(equals + 1)))};
}

std::vector<std::string_view> SplitIniLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto length = end == std::string_view::npos ? text.size() : end + 1;
        lines.push_back(text.substr(0, length));
        text.remove_prefix(length);
    }
    return lines;
}

std::string_view StripLineEnding(std::string_view line)
{
    if (!line.empty() && line.back() == '\n')
        line.remove_suffix(1);
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    return line;
}

IniDocument IniDocument::Parse(std::string_view text)
{
    if (text.starts_with(kUtf8Bom))
        text.remove_prefix(kUtf8Bom.size());

    IniDocument document;
    // Keys are collected only while inside the first occurrence of a section.
    Section *current = nullptr;
    while (!text.empty()) {
        const auto end = text.find('\n');
        const auto length = end == std::string_view::npos ? text.size() : end + 1;
        const IniLine line = ClassifyIniLine(StripLineEnding(text.substr(0, length)));
        text.remove_prefix(length);
        if (line.kind == IniLine::Kind::Section) {
            const auto [at, added] =
                document.m_index.try_emplace(LowerCase(line.name), document.m_sections.size());
            if (added) {
                document.m_sections.push_back({std::string(line.name), {}, {}});
                current = &document.m_sections.back();
            } else {
                current = nullptr;
            }
        } else if (line.kind == IniLine::Kind::Key && current) {
            if (current->index.try_emplace(LowerCase(line.name), current->keys.size()).second)
                current->keys.emplace_back(line.name, line.value);
        }
    }
    return document;
}

const IniDocument::Section *IniDocument::FindSection(std::string_view name) const
{
    const auto found = m_index.find(LowerCase(name));
    return found == m_index.end() ? nullptr : &m_sections[found->second];
}

const std::string *IniDocument::FindValue(const Section &section, std::string_view key)
{
    const auto found = section.index.find(LowerCase(key));
    return found == section.index.end() ? nullptr : &section.keys[found->second].second;
}

} // namespace lumaskin
