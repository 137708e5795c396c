#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <sys/types.h>
#include <vector>

namespace lumaskin {

// One central directory file header as held in memory. Little-endian fields in file order,
// then the variable parts. After loading, `name` is UTF-8 with '/' as the separator.
struct ZipFileHeader
{
    static constexpr std::uint32_t kSignature = 0x02014B50; // "PK" 1 2
    static constexpr std::size_t kFixedSize = 46;

    std::uint32_t signature = kSignature;
    std::uint16_t versionMadeBy = 0;
    std::uint16_t versionNeeded = 0;
    std::uint16_t flags = 0;
    std::uint16_t method = 0;
    std::uint16_t modTime = 0;
    std::uint16_t modDate = 0;
    std::uint32_t crc32 = 0;
    std::uint32_t compressedSize = 0;
    std::uint32_t uncompressedSize = 0;
    std::uint16_t diskStart = 0;
    std::uint16_t internalAttr = 0;
    std::uint32_t externalAttr = 0;
    std::uint32_t localHeaderOffset = 0;
    std::vector<char> extraField;
    std::string name;
    std::vector<char> comment;
    // The name's length as stored in the archive; the converted name may be longer.
    std::uint16_t storedNameLength = 0;

    // Copies the fixed fields out of a 46-byte record and returns the three lengths of the
    // variable parts that follow it; false when the signature is wrong.
    struct VariableLengths
    {
        std::uint16_t name = 0;
        std::uint16_t extra = 0;
        std::uint16_t comment = 0;
    };
    bool ReadFixed(std::span<const char, kFixedSize> record, VariableLengths &lengths);

    // Turns the stored name into this platform's form: UTF-8 (names not flagged as UTF-8 are
    // in code page 437) with '/' as the only separator.
    void ConvertName();

    bool IsEncrypted() const { return (flags & 0x0001) != 0; }
    bool HasDataDescriptor() const { return (flags & 0x0008) != 0; }
    bool IsUtf8Name() const { return (flags & 0x0800) != 0; }
    // The directory attribute, or a name ending in '/' (what every unzip goes by).
    bool IsDirectory() const;
    std::uint8_t HostSystem() const { return static_cast<std::uint8_t>(versionMadeBy >> 8); }
    std::uint32_t GetRecordSize() const;
    // The size once extracted. An entry of 4 GB or more stores 0xFFFFFFFF here and its size in
    // a Zip64 extra field; that size is given when the field is there.
    std::uint64_t ExtractedSize() const;

    // The permission bits to give an extracted file or folder, if the archive says anything
    // about them: Unix-made entries carry their mode in the high 16 bits of the external
    // attributes (only read, write and execute are taken); for the rest, nothing here (see
    // IsReadOnly).
    std::optional<mode_t> UnixPermissions() const;
    // The DOS/Windows read-only attribute, for entries that carry no Unix mode.
    bool IsReadOnly() const;
};

} // namespace lumaskin
