#include "zip/zip_file_header.h"

#include "platform/code_page.h"
#include "zip/little_endian.h"

#include <algorithm>

namespace lumaskin {

namespace {

constexpr std::uint8_t kHostUnix = 3;
constexpr std::uint8_t kHostDarwin = 19;

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
    if (!IsUtf8Name())
        name = Cp437ToUtf8(name);
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

} // namespace lumaskin
