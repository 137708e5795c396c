#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaskin::test {

// Writes ZIP archives byte by byte, so tests can build exactly the damage they need.

enum class Descriptor
{
    none,
    withSignature,
    withoutSignature,
    zip64
};

struct FixtureEntry
{
    std::string name;
    std::string data;
    std::uint16_t method = 8;
    std::uint16_t flags = 0;
    std::uint16_t versionMadeBy = 20; // DOS/Windows
    std::uint32_t externalAttr = 0x20;
    std::uint16_t dosTime = (10 << 11) | (30 << 5) | (44 / 2);    // 10:30:44
    std::uint16_t dosDate = ((2021 - 1980) << 9) | (6 << 5) | 15; // 2021-06-15
    Descriptor descriptor = Descriptor::none;
    std::optional<std::string> payload; // bytes stored in place of the compressed data
    std::optional<std::uint32_t> crc;   // CRC written to both headers
    std::string extraField;
};

struct FixtureOptions
{
    std::string comment;
    std::string prefix;         // bytes in front of the archive
    bool adjustOffsets = false; // offsets count the prefix (as zip -A does)
};

std::string RawDeflate(std::string_view data, int level = 6);
std::uint32_t Crc32(std::string_view data);
std::string BuildArchive(const std::vector<FixtureEntry> &entries,
                         const FixtureOptions &options = {});

// An archive with no entries: just the end record (and its comment).
std::string EmptyArchive(std::string_view comment = {});

// Offset of the last end record signature.
std::size_t EndRecordOffset(const std::string &archive);
void Put16(std::string &bytes, std::size_t at, std::uint16_t value);
void Put32(std::string &bytes, std::size_t at, std::uint32_t value);

// Deterministic bytes: text-like (compressible) or noise (incompressible).
std::string TextData(std::size_t size, unsigned seed = 1);
std::string NoiseData(std::size_t size, unsigned seed = 1);

} // namespace lumaskin::test
