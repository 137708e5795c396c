#pragma once

#include "zip/zip_writer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaskin::test {

// ZIP archives built byte by byte, so tests can build exactly the damage they need.

using FixtureEntry = ZipEntryLayout;
using FixtureOptions = ZipLayoutOptions;

inline std::string BuildArchive(const std::vector<FixtureEntry> &entries,
                                const FixtureOptions &options = {})
{
    return LayOutZip(entries, options);
}

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
