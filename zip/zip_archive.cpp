#include "zip/zip_archive.h"

#include "platform/file_exception.h"
#include "platform/file_info.h"
#include "zip/little_endian.h"
#include "zip/zip_exception.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <limits>
#include <new>
#include <stdexcept>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lumaskin {

namespace {

constexpr std::uint32_t kEndSignature = 0x06054B50;        // "PK" 5 6
constexpr std::uint32_t kLocalSignature = 0x04034B50;      // "PK" 3 4
constexpr std::uint32_t kDescriptorSignature = 0x08074B50; // "PK" 7 8
constexpr std::size_t kEndRecordSize = 22;
constexpr std::size_t kLocalHeaderSize = 30;
// The end record and the longest comment it can carry.
constexpr std::uint64_t kEndSearchLimit = kEndRecordSize + 65535;
constexpr std::uint16_t kZip64ExtraId = 0x0001;
constexpr std::uint16_t kMethodStored = 0;
constexpr std::uint16_t kMethodDeflated = 8;

// An owned descriptor of an open folder.
class FolderFd
{
public:
    explicit FolderFd(int fd = -1) : m_fd(fd) {}
    ~FolderFd()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    FolderFd(FolderFd &&other) noexcept : m_fd(std::exchange(other.m_fd, -1)) {}
    FolderFd &operator=(FolderFd &&other) noexcept
    {
        std::swap(m_fd, other.m_fd);
        return *this;
    }
    int get() const { return m_fd; }

private:
    int m_fd;
};

// How an entry's name lands below the target folder: its folder components and its file
// name, each a single plain component.
struct RelativeName
{
    std::vector<std::string> folders;
    std::string fileName;
};

bool IsDriveComponent(const std::string &component)
{
    return component.size() >= 2 && component[1] == ':' &&
           ((component[0] >= 'A' && component[0] <= 'Z') ||
            (component[0] >= 'a' && component[0] <= 'z'));
}

// Splits an entry name into components. Names that could reach outside the target folder
// (an absolute path, a drive, a parent-folder component) or that no file system accepts
// (an embedded NUL) are refused.
std::optional<RelativeName> SplitEntryName(const std::string &name, bool keepPath)
{
    if (name.find('\0') != std::string::npos || (!name.empty() && name.front() == '/'))
        return std::nullopt;
    std::vector<std::string> components;
    std::size_t start = 0;
    while (start <= name.size()) {
        std::size_t end = name.find('/', start);
        if (end == std::string::npos)
            end = name.size();
        std::string component = name.substr(start, end - start);
        if (component == "..")
            return std::nullopt;
        if (components.empty() && start == 0 && IsDriveComponent(component))
            return std::nullopt;
        if (!component.empty() && component != ".")
            components.push_back(std::move(component));
        start = end + 1;
    }
    RelativeName result;
    // A name ending in '/' has no file name: it names a folder.
    const bool endsInFolder = name.empty() || name.back() == '/';
    if (!endsInFolder && !components.empty()) {
        result.fileName = std::move(components.back());
        components.pop_back();
    }
    if (keepPath)
        result.folders = std::move(components);
    return result;
}

// `path` without the slashes at its end; "/" stays "/".
std::string WithoutTrailingSlashes(std::string path)
{
    while (path.size() > 1 && path.back() == '/')
        path.pop_back();
    return path;
}

std::string JoinPath(const std::string &folder, const RelativeName &relative)
{
    std::string path = WithoutTrailingSlashes(folder);
    for (const std::string &component : relative.folders)
        path += '/' + component;
    if (!relative.fileName.empty())
        path += '/' + relative.fileName;
    return path;
}

// The result of walking the folders below the target folder.
struct FolderWalk
{
    FolderFd folder;
    bool symlinkInTheWay = false;
    int error = 0;          // errno of a failure, 0 on success
    std::string failedPath; // the folder that could not be made or opened
};

// Opens `base` and creates and opens each of `folders` below it, never following a symbolic
// link below `base`, so nothing can be written outside it.
FolderWalk WalkFolders(const std::string &base, const std::vector<std::string> &folders)
{
    FolderWalk walk;
    std::string path = base;
    walk.folder = FolderFd(open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (walk.folder.get() < 0) {
        walk.error = errno;
        walk.failedPath = base;
        return walk;
    }
    for (const std::string &component : folders) {
        path += '/' + component;
        if (mkdirat(walk.folder.get(), component.c_str(), 0777) != 0 && errno != EEXIST) {
            walk.error = errno;
            walk.failedPath = path;
            return walk;
        }
        FolderFd next(openat(walk.folder.get(), component.c_str(),
                             O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
        if (next.get() < 0) {
            walk.error = errno;
            walk.failedPath = path;
            struct stat st
            {
            };
            if (fstatat(walk.folder.get(), component.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 &&
                S_ISLNK(st.st_mode))
                walk.symlinkInTheWay = true;
            return walk;
        }
        walk.folder = std::move(next);
    }
    return walk;
}

// Whether the archive lies on removable media split across disks. Linux has no drive letters
// and removable disks are mounted like any other folder; a spanned set is copied beside its
// last volume to be read, so every archive counts as being on a fixed drive here.
bool IsOnRemovableMedia(const std::string &)
{
    return false;
}

std::string FullPath(const std::string &path)
{
    std::error_code error;
    std::filesystem::path full = std::filesystem::absolute(path, error);
    if (error)
        return path;
    return full.lexically_normal().string();
}

} // namespace

ZipArchive::ZipArchive() = default;

ZipArchive::~ZipArchive()
{
    Close(true);
}

void ZipArchive::ThrowError(int code) const
{
    CZipException::Throw(code, m_storage.GetArchivePath());
}

void ZipArchive::ThrowError(ZipCode code) const
{
    CZipException::Throw(code, m_storage.GetArchivePath());
}

// ---------------------------------------------------------------------------------------
// Opening and the central directory

void ZipArchive::Open(const std::string &path, int mode, int volumeSize)
{
    if (!IsClosed())
        return;
    // Modes 2 and 3 would create archives; this program only ever reads them.
    if (mode != 0 && mode != 1)
        throw std::invalid_argument("ZipArchive opens existing archives only (mode 0 or 1)");
    m_password.clear();
    ReleaseEntryState();
    // Both modes read: the archive is never written, so a read-only archive (one installed
    // with the program) opens as well as any other.
    m_storage.Open(FullPath(path), volumeSize > 0);
    m_end = EndRecord{};
    m_comment.clear();
    m_endOffset = 0;
    m_bytesBefore = 0;
    m_directoryFromFile = false;
    m_headers.clear();
    m_endOffset = LocateEndRecord();
    ReadEndRecord(volumeSize);
}

std::uint64_t ZipArchive::LocateEndRecord()
{
    const std::uint64_t length = m_storage.GetLength();
    const std::uint64_t limit = std::min(length, kEndSearchLimit);
    std::vector<char> buffer(kSearchBufferSize);
    std::uint64_t searched = 0;
    while (searched < limit) {
        const std::uint64_t end = std::min(searched + kSearchBufferSize, limit);
        const auto count = static_cast<std::size_t>(end - searched);
        m_storage.Seek(static_cast<std::int64_t>(length - end));
        m_storage.ReadWhole(buffer.data(), count);
        // Backwards, so the record nearest the end of the file wins.
        for (std::size_t i = count >= 4 ? count - 4 + 1 : 0; i-- > 0;)
            if (ReadLe32(buffer.data() + i) == kEndSignature)
                return length - end + i;
        if (end >= limit)
            break;
        // Consecutive pieces overlap by three bytes, so a signature split between them is
        // still seen whole in the next one.
        searched = end - 3;
    }
    ThrowError(ZipCode::cdirNotFound);
}

void ZipArchive::ReadEndRecord(int volumeSize)
{
    m_storage.Seek(static_cast<std::int64_t>(m_endOffset));
    char record[kEndRecordSize];
    m_storage.ReadWhole(record, sizeof record);
    m_end.thisVolume = ReadLe16(record + 4);
    m_end.directoryVolume = ReadLe16(record + 6);
    m_end.volumeEntries = ReadLe16(record + 8);
    m_end.totalEntries = ReadLe16(record + 10);
    m_end.directorySize = ReadLe32(record + 12);
    m_end.directoryOffset = ReadLe32(record + 16);
    m_end.commentLength = ReadLe16(record + 20);

    using SpanMode = ZipStorage::SpanMode;
    if (m_end.thisVolume == 0) {
        m_storage.spanMode = SpanMode::singleFile;
    } else {
        if (volumeSize > 0)
            m_storage.spanMode = SpanMode::numberedVolumes;
        else if (m_storage.spanMode == SpanMode::undetermined)
            m_storage.spanMode = IsOnRemovableMedia(m_storage.GetArchivePath())
                                     ? SpanMode::removableVolumes
                                     : SpanMode::numberedVolumes;
        if (m_storage.spanMode == SpanMode::numberedVolumes)
            m_storage.lastVolume = m_end.thisVolume;
    }
    // From here on the archive counts as open, and Close is needed to release it.
    m_storage.currentVolume = m_end.thisVolume;
    if (m_storage.spanMode == SpanMode::removableVolumes)
        ThrowError(ZipCode::noCallback);

    const bool single = m_storage.spanMode == SpanMode::singleFile;
    const std::uint64_t directoryEnd = std::uint64_t{m_end.directoryOffset} + m_end.directorySize;
    if (single && m_endOffset < directoryEnd)
        ThrowError(ZipCode::badZipFile);
    if (m_end.commentLength != 0) {
        m_comment.resize(m_end.commentLength);
        m_storage.ReadWhole(m_comment.data(), m_comment.size());
    }
    // Whatever lies in front of the archive data (a program stub, for instance) shifts every
    // offset in the archive by the same amount.
    m_bytesBefore = single ? m_endOffset - directoryEnd : 0;
    if ((m_end.directorySize == 0) != (m_end.totalEntries == 0))
        ThrowError(ZipCode::badZipFile);
    m_directoryFromFile = true;
    m_storage.ChangeVolume(m_end.directoryVolume);
    if (m_end.directorySize != 0)
        ReadHeaders();
}

void ZipArchive::ReadHeaders()
{
    m_storage.Seek(static_cast<std::int64_t>(m_end.directoryOffset + m_bytesBefore));
    m_headers.clear();
    m_headers.reserve(m_end.totalEntries);
    for (unsigned i = 0; i < m_end.totalEntries; ++i) {
        ZipFileHeader &header = m_headers.emplace_back();
        char fixed[ZipFileHeader::kFixedSize];
        m_storage.ReadWhole(fixed, sizeof fixed);
        ZipFileHeader::VariableLengths lengths;
        if (!header.ReadFixed(std::span<const char, ZipFileHeader::kFixedSize>(fixed), lengths))
            ThrowError(ZipCode::badZipFile);
        header.name.resize(lengths.name);
        m_storage.ReadWhole(header.name.data(), header.name.size());
        header.extraField.resize(lengths.extra);
        m_storage.ReadWhole(header.extraField.data(), header.extraField.size());
        header.comment.resize(lengths.comment);
        m_storage.ReadWhole(header.comment.data(), header.comment.size());
        if (m_convertNames)
            header.ConvertName();
    }
}

int ZipArchive::GetEntryCount() const
{
    return static_cast<int>(m_headers.size());
}

std::optional<ZipFileHeader> ZipArchive::GetEntryInfo(std::uint16_t index) const
{
    if (index >= m_headers.size())
        return std::nullopt;
    return m_headers[index];
}

bool ZipArchive::IsDirectoryEntry(std::uint16_t index) const
{
    return index < m_headers.size() && m_headers[index].IsDirectory();
}

// ---------------------------------------------------------------------------------------
// Reading entries

bool ZipArchive::OpenEntry(std::uint16_t index)
{
    if (index >= m_headers.size() || m_openState != OpenState::none)
        return false;
    m_inputBuffer = std::make_unique_for_overwrite<char[]>(kInputBufferSize);
    const ZipFileHeader &header = m_headers[index];
    m_storage.ChangeVolume(header.diskStart);
    m_storage.Seek(static_cast<std::int64_t>(m_bytesBefore + header.localHeaderOffset));
    m_currentEntry = index;
    ReadLocalHeader(header);
    if (header.IsEncrypted() && m_password.empty()) {
        ReleaseEntryState();
        return false;
    }
    if (header.method == kMethodDeflated)
        InitInflater();
    m_compressedLeft = header.compressedSize;
    m_uncompressedLeft = header.uncompressedSize;
    m_crc = 0;
    m_stream.total_out = 0;
    m_stream.avail_in = 0;
    m_openState = OpenState::reading;
    return true;
}

void ZipArchive::ReadLocalHeader(const ZipFileHeader &header)
{
    char local[kLocalHeaderSize];
    m_storage.ReadWhole(local, sizeof local);
    const std::uint16_t flags = ReadLe16(local + 6);
    const std::uint16_t method = ReadLe16(local + 8);
    const std::uint16_t nameLength = ReadLe16(local + 26);
    const std::uint16_t extraLength = ReadLe16(local + 28);
    bool accepted = ReadLe32(local) == kLocalSignature && flags == header.flags &&
                    method == header.method &&
                    (method == kMethodStored || method == kMethodDeflated) &&
                    nameLength == header.storedNameLength;
    // With a data descriptor the local header may hold zeros in place of the real values.
    if (accepted && (flags & 0x0008) == 0)
        accepted = ReadLe32(local + 14) == header.crc32 &&
                   ReadLe32(local + 18) == header.compressedSize &&
                   ReadLe32(local + 22) == header.uncompressedSize;
    if (!accepted)
        ThrowError(ZipCode::badZipFile);
    m_storage.Seek(nameLength, CZipBigFile::SeekFrom::current);
    m_localExtraField.resize(extraLength);
    m_zip64Descriptor = false;
    if (extraLength != 0) {
        const int volume = m_storage.currentVolume;
        m_storage.ReadWhole(m_localExtraField.data(), extraLength);
        if (m_storage.currentVolume != volume)
            ThrowError(ZipCode::badZipFile);
        // A Zip64 field in the local header (written by streaming tools that cannot know the
        // size in advance) means the data descriptor carries 8-byte sizes.
        for (std::size_t at = 0; at + 4 <= m_localExtraField.size();) {
            const std::uint16_t id = ReadLe16(m_localExtraField.data() + at);
            const std::uint16_t size = ReadLe16(m_localExtraField.data() + at + 2);
            if (id == kZip64ExtraId)
                m_zip64Descriptor = true;
            at += 4 + std::size_t{size};
        }
    }
}

void ZipArchive::InitInflater()
{
    m_stream = z_stream{};
    m_stream.zalloc = &ZipArchive::Allocate;
    m_stream.zfree = &ZipArchive::Free;
    m_stream.opaque = this;
    // Raw deflate data (negative window bits) with a 32 KiB window.
    const int result =
        inflateInit2_(&m_stream, -MAX_WBITS, ZLIB_VERSION, static_cast<int>(sizeof(z_stream)));
    if (result != Z_OK && result != Z_NEED_DICT) {
        ReleaseBlocks();
        ThrowError(result);
    }
    m_inflaterActive = true;
}

std::uint32_t ZipArchive::ReadEntry(std::span<char> buffer)
{
    if (m_openState != OpenState::reading || buffer.empty() || buffer.data() == nullptr)
        return 0;
    const ZipFileHeader &header = m_headers[*m_currentEntry];
    const auto size = static_cast<std::uint32_t>(
        std::min<std::size_t>(buffer.size(), std::numeric_limits<std::uint32_t>::max()));
    // With no room left but compressed data still unread, the loop still reads it all, so
    // the inflater can reach the end of its stream.
    const bool drain = m_uncompressedLeft == 0 && m_compressedLeft > 0;
    m_stream.next_out = reinterpret_cast<Bytef *>(buffer.data());
    m_stream.avail_out = std::min(m_uncompressedLeft, size);
    std::uint32_t produced = 0;

    while (m_stream.avail_out > 0 || (drain && m_compressedLeft > 0)) {
        if (header.method == kMethodStored) {
            if (m_compressedLeft == 0)
                break; // the stored data ended before its stated size
            if (drain) {
                const std::uint32_t piece = std::min(kInputBufferSize, m_compressedLeft);
                m_storage.ReadData(m_inputBuffer.get(), piece);
                m_compressedLeft -= piece;
                continue;
            }
            // Stored data needs no staging: it is read straight into the caller's buffer.
            const std::uint32_t piece =
                std::min({kInputBufferSize, m_compressedLeft, m_stream.avail_out});
            m_storage.ReadData(m_stream.next_out, piece);
            m_compressedLeft -= piece;
            m_crc = crc32(m_crc, m_stream.next_out, piece);
            m_stream.next_out += piece;
            m_stream.avail_out -= piece;
            m_uncompressedLeft -= piece;
            produced += piece;
            continue;
        }
        if (m_stream.avail_in == 0 && m_compressedLeft > 0) {
            const std::uint32_t piece = std::min(kInputBufferSize, m_compressedLeft);
            m_storage.ReadData(m_inputBuffer.get(), piece);
            m_compressedLeft -= piece;
            m_stream.next_in = reinterpret_cast<Bytef *>(m_inputBuffer.get());
            m_stream.avail_in = piece;
        }
        const uLong totalBefore = m_stream.total_out;
        const uInt inputBefore = m_stream.avail_in;
        Bytef *start = m_stream.next_out;
        const int result = inflate(&m_stream, Z_SYNC_FLUSH);
        const auto count = static_cast<std::uint32_t>(m_stream.total_out - totalBefore);
        m_crc = crc32(m_crc, start, count);
        m_uncompressedLeft -= count;
        produced += count;
        if (result == Z_STREAM_END)
            return produced;
        if (result != Z_OK && result != Z_NEED_DICT)
            ThrowError(result);
        // An inflater that neither takes input nor gives output would spin forever.
        if (count == 0 && m_stream.avail_in == inputBefore)
            ThrowError(Z_BUF_ERROR);
    }
    return produced;
}

int ZipArchive::CloseEntry(const std::optional<std::string> &path, bool afterError)
{
    if (m_openState != OpenState::reading)
        return 0;
    const ZipFileHeader &header = m_headers[*m_currentEntry];
    int result = 1;
    if (!afterError) {
        if (m_uncompressedLeft == 0) {
            if (m_crc != header.crc32)
                ThrowError(ZipCode::badCrc);
        } else {
            result = -1;
        }
    }
    if (m_inflaterActive) {
        inflateEnd(&m_stream);
        m_inflaterActive = false;
    }
    if (path && ApplyFileProperties(header, *path) != 1)
        result = -2;
    if (header.HasDataDescriptor()) {
        // Compressed data that the inflater did not need still stands between here and the
        // descriptor.
        while (m_compressedLeft > 0) {
            const std::uint32_t piece = std::min(kInputBufferSize, m_compressedLeft);
            m_storage.ReadData(m_inputBuffer.get(), piece);
            m_compressedLeft -= piece;
        }
        ReadDataDescriptor(header);
    }
    ReleaseEntryState();
    return result;
}

void ZipArchive::ReadDataDescriptor(const ZipFileHeader &header)
{
    char signature[4];
    m_storage.ReadWhole(signature, sizeof signature);
    if (ReadLe32(signature) != kDescriptorSignature)
        m_storage.Seek(-4, CZipBigFile::SeekFrom::current);
    const std::size_t sizeWidth = m_zip64Descriptor ? 8 : 4;
    char fields[4 + 8 + 8];
    m_storage.ReadWhole(fields, 4 + 2 * sizeWidth);
    const std::uint64_t compressed =
        m_zip64Descriptor ? ReadLe64(fields + 4) : ReadLe32(fields + 4);
    const std::uint64_t uncompressed =
        m_zip64Descriptor ? ReadLe64(fields + 12) : ReadLe32(fields + 8);
    if (ReadLe32(fields) != header.crc32 || compressed != header.compressedSize ||
        uncompressed != header.uncompressedSize)
        ThrowError(ZipCode::badZipFile);
}

int ZipArchive::ApplyFileProperties(const ZipFileHeader &header, const std::string &path)
{
    int result = 1;
    if (!SetFileModificationTime(path, DosDateTimeToTime(header.modDate, header.modTime)))
        result = -2;
    if (const std::optional<mode_t> permissions = header.UnixPermissions()) {
        if (!SetFilePermissions(path, *permissions))
            result = -2;
    } else if (header.IsReadOnly()) {
        if (!MakeFileReadOnly(path))
            result = -2;
    }
    return result;
}

void ZipArchive::ReleaseEntryState() noexcept
{
    if (m_inflaterActive) {
        inflateEnd(&m_stream);
        m_inflaterActive = false;
    }
    ReleaseBlocks();
    m_stream = z_stream{};
    m_openState = OpenState::none;
    m_inputBuffer.reset();
    m_currentEntry.reset();
    m_localExtraField.clear();
    m_zip64Descriptor = false;
    m_compressedLeft = 0;
    m_uncompressedLeft = 0;
}

// ---------------------------------------------------------------------------------------
// Inflater memory

voidpf ZipArchive::Allocate(voidpf opaque, uInt items, uInt size)
{
    auto *archive = static_cast<ZipArchive *>(opaque);
    if (size != 0 && items > std::numeric_limits<std::size_t>::max() / size)
        return Z_NULL;
    try {
        auto block = std::make_unique_for_overwrite<unsigned char[]>(std::size_t{items} * size);
        voidpf address = block.get();
        archive->m_blocks.push_back(std::move(block));
        return address;
    } catch (const std::bad_alloc &) {
        return Z_NULL; // zlib turns this into Z_MEM_ERROR
    }
}

void ZipArchive::Free(voidpf opaque, voidpf address)
{
    auto *archive = static_cast<ZipArchive *>(opaque);
    auto &blocks = archive->m_blocks;
    auto it = std::find_if(blocks.begin(), blocks.end(),
                           [address](const auto &block) { return block.get() == address; });
    if (it != blocks.end())
        blocks.erase(it);
}

void ZipArchive::ReleaseBlocks() noexcept
{
    m_blocks.clear();
}

// ---------------------------------------------------------------------------------------
// Extraction

bool ZipArchive::ForceDirectory(const std::string &path)
{
    const std::string folder = WithoutTrailingSlashes(path);
    if (folder.empty() || folder == "/")
        return true;
    struct stat st
    {
    };
    if (stat(folder.c_str(), &st) == 0)
        return S_ISDIR(st.st_mode);
    const std::size_t slash = folder.rfind('/');
    if (slash != std::string::npos && !ForceDirectory(folder.substr(0, slash == 0 ? 1 : slash)))
        return false;
    return mkdir(folder.c_str(), 0777) == 0 || errno == EEXIST;
}

bool ZipArchive::ExtractEntry(std::uint16_t index, const std::string &folder, bool keepPath,
                              const std::optional<std::string> &newName, std::uint32_t bufferSize)
{
    if (bufferSize == 0 || folder.empty() || index >= m_headers.size())
        return false;
    const ZipFileHeader info = m_headers[index];
    const std::optional<RelativeName> relative =
        SplitEntryName(newName ? *newName : info.name, keepPath);
    if (!relative)
        return false;
    const std::string target = JoinPath(folder, *relative);
    ForceDirectory(folder);

    if (info.IsDirectory()) {
        std::vector<std::string> folders = relative->folders;
        if (!relative->fileName.empty())
            folders.push_back(relative->fileName);
        const FolderWalk walk = WalkFolders(folder, folders);
        if (walk.symlinkInTheWay)
            return false;
        // A folder that cannot be made is not an error of its own: the files meant for it
        // report the failure when they cannot be created.
        if (walk.error == 0 && !folders.empty()) {
            if (const std::optional<mode_t> permissions = info.UnixPermissions())
                SetFilePermissions(target, *permissions | S_IRWXU); // keep it usable for us
        }
        return true;
    }
    if (relative->fileName.empty())
        return false;

    if (!OpenEntry(index))
        return false;
    try {
        const FolderWalk walk = WalkFolders(folder, relative->folders);
        if (walk.symlinkInTheWay) {
            ReleaseEntryState();
            return false;
        }
        if (walk.error != 0)
            throw FileException(FileException::Operation::Create, walk.failedPath, walk.error);
        CZipBigFile file;
        file.CreateInFolder(walk.folder.get(), relative->fileName, target);
        auto chunk = std::make_unique_for_overwrite<char[]>(bufferSize);
        std::uint32_t count = 0;
        do {
            count = ReadEntry(std::span<char>(chunk.get(), bufferSize));
            if (count > 0)
                file.Write(chunk.get(), count);
        } while (count == bufferSize);
        file.Close();
        return CloseEntry(file.GetFilePath(), false) == 1;
    } catch (...) {
        // The target file stays as far as it was written; the entry is released so that the
        // archive holds nothing of it and the next entry can be extracted.
        ReleaseEntryState();
        throw;
    }
}

// ---------------------------------------------------------------------------------------
// Closing

void ZipArchive::Close(bool afterError)
{
    if (IsClosed() && (!afterError || !m_storage.IsFileOpen())) {
        // An Open that failed before the end record was read leaves nothing but buffers.
        if (afterError)
            ReleaseEntryState();
        return;
    }
    if (afterError)
        ReleaseEntryState();
    else if (m_openState == OpenState::reading)
        CloseEntry(std::nullopt, false);
    // The central directory always comes from the file and is never written back.
    m_headers.clear();
    m_localExtraField.clear();
    m_comment.clear();
    m_end = EndRecord{};
    m_directoryFromFile = false;
    m_storage.Close();
}

} // namespace lumaskin
