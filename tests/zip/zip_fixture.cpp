#include "tests/zip/zip_fixture.h"

#include <random>

namespace lumaskin::test {

std::string EmptyArchive(std::string_view comment)
{
    FixtureOptions options;
    options.comment = std::string(comment);
    return BuildArchive({}, options);
}

std::size_t EndRecordOffset(const std::string &archive)
{
    return archive.rfind(std::string("PK\x05\x06", 4));
}

void Put16(std::string &bytes, std::size_t at, std::uint16_t value)
{
    bytes[at] = static_cast<char>(value & 0xFF);
    bytes[at + 1] = static_cast<char>(value >> 8);
}

void Put32(std::string &bytes, std::size_t at, std::uint32_t value)
{
    Put16(bytes, at, static_cast<std::uint16_t>(value & 0xFFFF));
    Put16(bytes, at + 2, static_cast<std::uint16_t>(value >> 16));
}

std::string TextData(std::size_t size, unsigned seed)
{
    static const char *const kWords[] = {"skin ",  "button ", "slider ", "bitmap ", "colour ",
                                         "label ", "window ", "\n",      "= ",      "0x00FF00, "};
    std::mt19937 random(seed);
    std::string out;
    out.reserve(size + 16);
    while (out.size() < size)
        out += kWords[random() % 10];
    out.resize(size);
    return out;
}

std::string NoiseData(std::size_t size, unsigned seed)
{
    std::mt19937 random(seed);
    std::string out(size, '\0');
    for (char &c : out)
        c = static_cast<char>(random() & 0xFF);
    return out;
}

} // namespace lumaskin::test
