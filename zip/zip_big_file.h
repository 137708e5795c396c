#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace lumaskin {

// A plain file on a POSIX descriptor: open, read, write, seek, length, close and the full
// path. Failures throw FileException. Move-only; the destructor closes without reporting.
class CZipBigFile
{
public:
    enum class SeekFrom
    {
        begin,
        current,
        end
    };

    CZipBigFile() = default;
    ~CZipBigFile();
    CZipBigFile(CZipBigFile &&other) noexcept;
    CZipBigFile &operator=(CZipBigFile &&other) noexcept;
    CZipBigFile(const CZipBigFile &) = delete;
    CZipBigFile &operator=(const CZipBigFile &) = delete;

    // Opens an existing plain file for reading; never truncates it. Anything else (a folder, a
    // pipe, a device) is refused at once, without waiting on it.
    void OpenForReading(const std::string &path);

    // Creates `name` inside the open folder `folderFd` for writing. An existing file of that
    // name is removed first, so a symbolic link or hard link in its place is replaced rather
    // than written through; the new file is created exclusively and never through a link.
    // `fullPath` is the name used in messages and by GetFilePath.
    void CreateInFolder(int folderFd, const std::string &name, const std::string &fullPath);

    bool IsOpen() const { return m_fd >= 0; }

    // Reads up to `size` bytes; fewer only at the end of the file.
    std::size_t Read(void *buffer, std::size_t size);
    // Writes all `size` bytes or throws.
    void Write(const void *buffer, std::size_t size);
    std::uint64_t Seek(std::int64_t offset, SeekFrom from);
    std::uint64_t GetLength() const;

    // Closes the file; a failing close of a written file throws (data may be lost).
    void Close();
    // Closes without reporting anything; for clean-up after an error.
    void Abort() noexcept;

    const std::string &GetFilePath() const { return m_path; }

private:
    int m_fd = -1;
    std::string m_path;
    bool m_written = false;
};

} // namespace lumaskin
