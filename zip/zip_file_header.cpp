#include "zip/zip_file_header.h"

#include "platform/code_page.h"
#include "zip/little_endian.h"

#include <algorithm>
#include <zlib.h>

namespace lumaskin {

namespace {

constexpr std::uint8_t kHostUnix = 3;
constexpr std::uint8_t kHostDarwin = 19;

// Whether `text` is well-formed UTF-8 (no overlong forms, no surrogates).
bool IsValidUtf8(const std::string &text)
{
    std::size_t i = 0;
    while (i < text.size()) {
        const auto byte = static_cast<std::uint8_t>(text[i]);
        std::size_t length = 0;
        std::uint32_t code = 0;
        if (byte < 0x80) {
            ++i;
            continue;
        } else if ((byte & 0xE0) == 0xC0) {
            length = 2;
            code = byte & 0x1F;
        } else if ((byte & 0xF0) == 0xE0) {
            length = 3;
            code = byte & 0x0F;
        } else if ((byte & 0xF8) == 0xF0) {
            length = 4;
            code = byte & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const std::uint32_t smallest = length == 2 ? 0x80 : length == 3 ? 0x800 : 0x10000;
        if (code < smallest || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// The UTF-8 name of an Info-ZIP Unicode Path extra field (0x7075), if there is one that
// belongs to `storedName` (its CRC-32 matches the stored name).
std::optional<std::string> UnicodePathName(const std::vector<char> &extra,
                                           const std::string &storedName)
{
    for (std::size_t at = 0; at + 4 <= extra.size();) {
        const std::uint16_t id = ReadLe16(extra.data() + at);
        const std::size_t size = ReadLe16(extra.data() + at + 2);
        if (at + 4 + size > extra.size())
            break;
        const char *data = extra.data() + at + 4;
        if (id == 0x7075 && size >= 5 && data[0] == 1) {
            const uLong crc = crc32(0, reinterpret_cast<const Bytef *>(storedName.data()),
                                    static_cast<uInt>(storedName.size()));
            std::string name(data + 5, size - 5);
            if (ReadLe32(data + 1) == crc && IsValidUtf8(name))
                return name;
        }
        at += 4 + size;
    }
    return std::nullopt;
}

} // namespace

bool ZipFileHeader::ReadFixed(std::span<const char, kFixedSize> record, VariableLengths &lengths)
{
    const char *p = record.data();
    signature = ReadLe32(p);
    if (signature != kSignature)
        return false;
    versionMadeBy = ReadLe16(p + 4);
    versionNeeded = ReadLe16(p + 6);
    flags = ReadLe16(p + 8);
    method = ReadLe16(p + 10);
    modTime = ReadLe16(p + 12);
    modDate = ReadLe16(p + 14);
    crc32 = ReadLe32(p + 16);
    compressedSize = ReadLe32(p + 20);
    uncompressedSize = ReadLe32(p + 24);
    lengths.name = ReadLe16(p + 28);
    storedNameLength = lengths.name;
    lengths.extra = ReadLe16(p + 30);
    lengths.comment = ReadLe16(p + 32);
    diskStart = ReadLe16(p + 34);
    internalAttr = ReadLe16(p + 36);
    externalAttr = ReadLe32(p + 38);
    localHeaderOffset = ReadLe32(p + 42);
    return true;
}

void ZipFileHeader::ConvertName()
{
    // Names are in code page 437 unless the archive says otherwise: the UTF-8 flag, a
    // Unicode path field, or a Unix-made entry, whose names are in the maker's character set
    // (UTF-8 on any current system) and never in code page 437.
    const bool unixMade = HostSystem() == kHostUnix || HostSystem() == kHostDarwin;
    if (IsUtf8Name()) {
        // already UTF-8
    } else if (std::optional<std::string> unicode = UnicodePathName(extraField, name)) {
        name = std::move(*unicode);
    } else if (!(unixMade && IsValidUtf8(name))) {
        name = Cp437ToUtf8(name);
    }
    // Archives made on DOS and Windows may separate folders with backslashes, which are
    // separators there; on this platform they would become part of a file name.
    std::replace(name.begin(), name.end(), '\\', '/');
}

bool ZipFileHeader::IsDirectory() const
{
    return (externalAttr & 0x10) != 0 || (!name.empty() && name.back() == '/');
}

std::uint32_t ZipFileHeader::GetRecordSize() const
{
    return static_cast<std::uint32_t>(kFixedSize + storedNameLength + extraField.size() +
                                      comment.size());
}

std::optional<mode_t> ZipFileHeader::UnixPermissions() const
{
    const std::uint8_t host = HostSystem();
    const mode_t mode = externalAttr >> 16;
    if ((host != kHostUnix && host != kHostDarwin) || mode == 0)
        return std::nullopt;
    // Set-user-id, set-group-id and sticky are never taken from an archive.
    return mode & 0777;
}

bool ZipFileHeader::IsReadOnly() const
{
    return (externalAttr & 0x01) != 0;
}

std::uint64_t ZipFileHeader::ExtractedSize() const
{
    constexpr std::uint32_t kInZip64 = 0xFFFFFFFF;
    constexpr std::uint16_t kZip64Id = 0x0001;
    if (uncompressedSize != kInZip64)
        return uncompressedSize;
    for (std::size_t at = 0; at + 4 <= extraField.size();) {
        const std::uint16_t id = ReadLe16(extraField.data() + at);
        const std::uint16_t size = ReadLe16(extraField.data() + at + 2);
        // The uncompressed size comes first in the field when the header says it is there.
        if (id == kZip64Id && size >= 8 && at + 4 + 8 <= extraField.size())
            return ReadLe64(extraField.data() + at + 4);
        at += 4 + std::size_t{size};
    }
    return uncompressedSize;
}

} // namespace lumaskin
