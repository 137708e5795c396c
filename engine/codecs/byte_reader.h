#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace lumaskin {

// Bounds-checked reads of little- and big-endian numbers from a header. Reads past the end
// give 0 and make `Ok` false, so header parsers can read first and check once.
class ByteReader
{
public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : m_bytes(bytes) {}

    bool Has(std::size_t offset, std::size_t count) const
    {
        return offset <= m_bytes.size() && count <= m_bytes.size() - offset;
    }
    std::size_t Size() const { return m_bytes.size(); }
    bool Ok() const { return m_ok; }

    std::uint8_t U8(std::size_t at) const
    {
        if (!Has(at, 1)) {
            m_ok = false;
            return 0;
        }
        return m_bytes[at];
    }
    std::uint16_t Le16(std::size_t at) const
    {
        return static_cast<std::uint16_t>(U8(at) | (U8(at + 1) << 8));
    }
    std::uint32_t Le32(std::size_t at) const
    {
        return static_cast<std::uint32_t>(Le16(at)) |
               (static_cast<std::uint32_t>(Le16(at + 2)) << 16);
    }
    std::uint16_t Be16(std::size_t at) const
    {
        return static_cast<std::uint16_t>((U8(at) << 8) | U8(at + 1));
    }
    std::uint32_t Be32(std::size_t at) const
    {
        return (static_cast<std::uint32_t>(Be16(at)) << 16) | Be16(at + 2);
    }
    // Compares raw bytes; write patterns with embedded zeros as "..."sv literals.
    bool StartsWith(std::size_t at, std::string_view pattern) const
    {
        if (!Has(at, pattern.size()))
            return false;
        for (std::size_t i = 0; i < pattern.size(); ++i)
            if (m_bytes[at + i] != static_cast<std::uint8_t>(pattern[i]))
                return false;
        return true;
    }

private:
    std::span<const std::uint8_t> m_bytes;
    mutable bool m_ok = true;
};

} // namespace lumaskin
