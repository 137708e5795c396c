#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace lumaskin {

// One line of an INI file as the reader understands it. Names and values are views into
// the line that was classified.
struct IniLine
{
    enum class Kind
    {
        Other,
        Section,
        Key
    };
    Kind kind = Kind::Other;
    std::string_view name;
    std::string_view value;
};

// Classifies one line given without its line ending: "[name]" is a section header, a line
// with '=' a key (name and value trimmed, one pair of enclosing quotes removed from the
// value); comments (';'), blank lines, lines without '=' and lines with an empty key name
// are Other.
IniLine ClassifyIniLine(std::string_view line);

// Splits text into lines, each keeping its own line ending ("\n", "\r\n" or none for a last
// line without one).
std::vector<std::string_view> SplitIniLines(std::string_view text);

// The line without its trailing "\n" or "\r\n".
std::string_view StripLineEnding(std::string_view line);

std::string_view TrimBlanks(std::string_view text);
bool EqualsIgnoreCase(std::string_view a, std::string_view b);

// The byte-order mark that some editors put in front of UTF-8 files.
inline constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

// A parsed INI file. Only the first occurrence of a section, and within it of a key, is
// kept, since lookups would never reach later ones. Parsing takes time and memory in
// proportion to the text, and every look-up is a hash look-up, so a file with many keys
// cannot slow the program down more than its size allows.
class IniDocument
{
public:
    struct Section
    {
        std::string name;
        std::vector<std::pair<std::string, std::string>> keys;
        // Position in `keys` by key name in lower case.
        std::unordered_map<std::string, std::size_t> index;
    };

    static IniDocument Parse(std::string_view text);

    const std::vector<Section> &Sections() const { return m_sections; }
    const Section *FindSection(std::string_view name) const;
    static const std::string *FindValue(const Section &section, std::string_view key);

private:
    std::vector<Section> m_sections;
    // Position in `m_sections` by section name in lower case.
    std::unordered_map<std::string, std::size_t> m_index;
};

} // namespace lumaskin
