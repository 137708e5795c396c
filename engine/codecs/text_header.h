#pragma once

#include "engine/codecs/codec.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace lumaskin {

// Reads the ASCII header fields of PNM and PGX files: numbers and words separated by blanks,
// with '#' comments in PNM. Numbers have at most ten digits, so they never overflow.
class TextHeader
{
public:
    TextHeader(Bytes bytes, std::size_t pos, bool comments)
        : m_bytes(bytes), m_pos(pos), m_comments(comments)
    {}
    bool SkipBlanks()
    {
        bool any = false;
        while (m_pos < m_bytes.size()) {
            const char c = static_cast<char>(m_bytes[m_pos]);
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f') {
                ++m_pos;
                any = true;
            } else if (c == '#' && m_comments) {
                while (m_pos < m_bytes.size() && m_bytes[m_pos] != '\n' && m_bytes[m_pos] != '\r')
                    ++m_pos;
                any = true;
            } else {
                break;
            }
        }
        return any;
    }
    std::optional<std::int64_t> Number()
    {
        SkipBlanks();
        std::int64_t value = 0;
        const std::size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] >= '0' && m_bytes[m_pos] <= '9' &&
               m_pos - start < 10)
            value = value * 10 + (m_bytes[m_pos++] - '0');
        if (m_pos == start)
            return std::nullopt;
        return value;
    }
    std::string_view Word()
    {
        SkipBlanks();
        const std::size_t start = m_pos;
        while (m_pos < m_bytes.size() && m_bytes[m_pos] > ' ' && m_pos - start < 32)
            ++m_pos;
        return {reinterpret_cast<const char *>(m_bytes.data()) + start, m_pos - start};
    }
    bool At(char c) const { return m_pos < m_bytes.size() && m_bytes[m_pos] == c; }
    void Advance() { ++m_pos; }
    std::size_t Pos() const { return m_pos; }

private:
    Bytes m_bytes;
    std::size_t m_pos;
    bool m_comments;
};

} // namespace lumaskin
