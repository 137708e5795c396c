#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumaskin {

class IniDocument;

// Reader and writer of one INI file, identified by its path. Section and key names match
// without regard to case and the first occurrence wins; values are trimmed of blanks and
// lose one pair of enclosing quotes; a missing file, section or key reads as the default.
// Values of any length are read whole.
//
// A cheap value type: copies share nothing but the path. The parsed file is cached by path,
// modification time and size, so reading every section of one file in turn parses it once.
//
// A file larger than kMaxFileBytes reads as missing: a skin's description is a few kilobytes,
// and a huge one would only cost time and memory.
class SkinIni
{
public:
    static constexpr std::size_t kMaxFileBytes = std::size_t{1} << 20;

    SkinIni() = default;
    explicit SkinIni(std::string path) : m_path(std::move(path)) {}

    const std::string &Path() const { return m_path; }

    std::string GetString(std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}) const;

    // Sets the first occurrence of the key, adding the section or key when missing and
    // keeping every other line as it was. The file is replaced atomically. Names and values
    // that could not be read back as written (line breaks, '=' in a key, ']' in a section
    // name, empty names) are refused.
    bool WriteString(std::string_view section, std::string_view key, std::string_view value) const;

    // Empty the list, then fill it with every section name (or every key name of the
    // section) in file order, each once. True when at least one name was found.
    bool GetSectionNames(std::vector<std::string> &list) const;
    bool GetKeyNames(std::string_view section, std::vector<std::string> &list) const;

private:
    std::shared_ptr<const IniDocument> Load() const;

    std::string m_path;
};

} // namespace lumaskin
