#pragma once

#include "zip/zip_exception.h"
#include "zip/zip_file_header.h"
#include "zip/zip_storage.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>
#include <zlib.h>

namespace lumaskin {

// Reads an existing ZIP archive: finds the end of central directory record, loads the
// central directory and extracts entries (stored or deflated) to files with CRC-32
// verification, folder creation, modification times and permissions. Never writes to the
// archive. Paths are UTF-8 strings with '/' separators.
//
// Errors: archive damage throws CZipException; a file that cannot be opened, created or
// written throws FileException. After any exception, Close(true) releases everything.
class ZipArchive
{
public:
    ZipArchive();
    ~ZipArchive();
    ZipArchive(const ZipArchive &) = delete;
    ZipArchive &operator=(const ZipArchive &) = delete;

    // Opens an existing archive for reading (modes 0 and 1 alike) and loads its central
    // directory. `volumeSize` 0 lets the archive say whether it is split into volumes; a
    // positive value declares numbered volume files. Does nothing if already open.
    void Open(const std::string &path, int mode, int volumeSize);

    // Number of entries loaded; 0 when closed.
    int GetEntryCount() const;

    // Writes entry `index` below `folder` (created if missing). With `keepPath` the entry's
    // folders are recreated below `folder`, otherwise only its file name is used; `newName`
    // replaces the stored name. `bufferSize` is the size of the output chunk. Returns true
    // when a folder was created or a file was written and verified; false for an entry that
    // is refused (index out of range, encrypted, a name that would leave `folder`, a symbolic
    // link in the way) or whose close reports a problem.
    bool ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                      const std::optional<std::string> &newName, std::uint32_t bufferSize);

    // Releases everything and closes the archive. `afterError` = true skips every check and
    // is safe in any state, also twice in a row or after an Open that failed part-way.
    void Close(bool afterError);

    // The operations below are the building blocks of ExtractEntry.

    // Opens entry `index` for reading; false if out of range, another entry is open, or the
    // entry is encrypted.
    bool OpenEntry(std::uint16_t index);
    // Produces up to buffer.size() bytes of the open entry; returns how many.
    std::uint32_t ReadEntry(std::span<char> buffer);
    // Closes the open entry. Returns 1 when verified, -1 when data was left unread, -2 when
    // the file's time or permissions could not be set, 0 when no entry was open. With a
    // `path`, the extracted file gets the entry's modification time and permissions.
    int CloseEntry(const std::optional<std::string> &path, bool afterError);

    std::optional<ZipFileHeader> GetEntryInfo(std::uint16_t index) const;
    bool IsDirectoryEntry(std::uint16_t index) const;
    // Creates `path` and every missing folder above it; true if it exists as a folder.
    static bool ForceDirectory(const std::string &path);

    // The archive's comment and the number of bytes found in front of the archive data.
    const std::vector<char> &GetComment() const { return m_comment; }
    std::uint64_t GetBytesBefore() const { return m_bytesBefore; }
    bool IsClosed() const { return m_storage.currentVolume == -1; }

private:
    struct EndRecord
    {
        std::uint16_t thisVolume = 0;
        std::uint16_t directoryVolume = 0;
        std::uint16_t volumeEntries = 0;
        std::uint16_t totalEntries = 0;
        std::uint32_t directorySize = 0;
        std::uint32_t directoryOffset = 0;
        std::uint16_t commentLength = 0;
    };
    enum class OpenState
    {
        none,
        reading
    };

    std::uint64_t LocateEndRecord();
    void ReadEndRecord(int volumeSize);
    void ReadHeaders();
    void ReadLocalHeader(const ZipFileHeader &header);
    void ReadDataDescriptor(const ZipFileHeader &header);
    void InitInflater();
    void ReleaseEntryState() noexcept;
    int ApplyFileProperties(const ZipFileHeader &header, const std::string &path);
    [[noreturn]] void ThrowError(int code) const;
    [[noreturn]] void ThrowError(ZipCode code) const;

    // The inflater's memory comes from here, so that blocks abandoned by an error are freed
    // in one place and never twice.
    static voidpf Allocate(voidpf opaque, uInt items, uInt size);
    static void Free(voidpf opaque, voidpf address);
    void ReleaseBlocks() noexcept;

    // The archive file.
    ZipStorage m_storage;

    // The central directory.
    EndRecord m_end;
    std::vector<char> m_comment;
    std::uint64_t m_endOffset = 0;
    std::uint64_t m_bytesBefore = 0;
    bool m_directoryFromFile = false;
    std::vector<ZipFileHeader> m_headers;
    std::optional<std::uint16_t> m_currentEntry;
    std::vector<char> m_localExtraField;
    bool m_convertNames = true;
    static constexpr std::uint32_t kSearchBufferSize = 32768;

    // Reading an entry.
    OpenState m_openState = OpenState::none;
    z_stream m_stream{};
    bool m_inflaterActive = false;
    std::uint32_t m_compressedLeft = 0;
    std::uint32_t m_uncompressedLeft = 0;
    std::uint32_t m_crc = 0;
    static constexpr std::uint32_t kInputBufferSize = 16384;
    std::unique_ptr<char[]> m_inputBuffer;
    std::vector<std::unique_ptr<unsigned char[]>> m_blocks;
    bool m_zip64Descriptor = false;

    // Never set by this program: encrypted entries are refused.
    std::vector<char> m_password;
};

} // namespace lumaskin
