#pragma once

#include <cstdint>

namespace lumaskin {

// Every number in a ZIP archive is little-endian, whatever the machine.
inline std::uint16_t ReadLe16(const char *p)
{
    return static_cast<std::uint16_t>(static_cast<std::uint8_t>(p[0]) |
                                      static_cast<std::uint8_t>(p[1]) << 8);
}

inline std::uint32_t ReadLe32(const char *p)
{
    return static_cast<std::uint32_t>(ReadLe16(p)) | static_cast<std::uint32_t>(ReadLe16(p + 2))
                                                         << 16;
}

inline std::uint64_t ReadLe64(const char *p)
{
    return static_cast<std::uint64_t>(ReadLe32(p)) | static_cast<std::uint64_t>(ReadLe32(p + 4))
                                                         << 32;
}

} // namespace lumaskin
