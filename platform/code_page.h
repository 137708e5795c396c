#pragma once

#include <string>
#include <string_view>

namespace lumaskin {

// Converts text in the IBM PC code page 437 (the "OEM" code page that ZIP tools on DOS and
// Windows store entry names in) to UTF-8. Bytes below 0x80 are ASCII and pass unchanged;
// every byte from 0x80 up has exactly one character, so the conversion never fails.
std::string Cp437ToUtf8(std::string_view text);

} // namespace lumaskin
