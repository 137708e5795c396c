#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumaskin {

// Writing ZIP archives: the skin packages the build makes, and the archives tests read back.

// How an entry's sizes and CRC follow its data, when they are not in its local header.
enum class ZipDescriptor
{
    None,
    WithSignature,
    WithoutSignature,
    Zip64,
};

// One entry as it is laid out. The defaults give a plain deflated file; the other fields let
// tests build exactly the damage they need.
struct ZipEntryLayout
{
    std::string name;
    std::string data;
    std::uint16_t method = 8; // 8 deflate, 0 stored
    std::uint16_t flags = 0;
    std::uint16_t versionMadeBy = 20; // DOS/Windows
    std::uint32_t externalAttr = 0x20;
    std::uint16_t dosTime = (10 << 11) | (30 << 5) | (44 / 2);    // 10:30:44
    std::uint16_t dosDate = ((2021 - 1980) << 9) | (6 << 5) | 15; // 2021-06-15
    int deflateLevel = 6;
    int deflateMemory = 8; // zlib's memLevel
    ZipDescriptor descriptor = ZipDescriptor::None;
    std::optional<std::string> payload; // bytes stored in place of the compressed data
    std::optional<std::uint32_t> crc;   // CRC written to both headers
    std::string extraField;
};

struct ZipLayoutOptions
{
    std::string comment;
    std::string prefix;         // bytes in front of the archive
    bool adjustOffsets = false; // offsets count the prefix (as zip -A does)
};

// Raw deflate (no zlib header) of `data` with zlib's level and memLevel; empty when zlib fails
// (deflating even no data gives some bytes).
std::string RawDeflate(std::string_view data, int level = 6, int memory = 8);
std::uint32_t Crc32(std::string_view data);

// The archive's bytes: local headers with their data in the order given, the central
// directory, the end record.
std::string LayOutZip(const std::vector<ZipEntryLayout> &entries,
                      const ZipLayoutOptions &options = {});

// One file to store: its name in the archive and its bytes.
struct ZipItem
{
    std::string name;
    std::string bytes;
};

// Writes a ZIP archive whose bytes depend only on the items: entries in the order given,
// deflated at the best compression, all with one fixed time stamp (1 January 2024, 00:00) and
// the permissions rw-r--r--, and no extra fields (which would carry access times or owners).
// False with *error set when an entry cannot be compressed or the file cannot be written.
bool WriteZip(const std::vector<ZipItem> &items, const QString &path, QString *error);

// Packs every file at the top level of `folder`, sorted by name, into `path`.
bool PackFolder(const QString &folder, const QString &path, QString *error);

} // namespace lumaskin
