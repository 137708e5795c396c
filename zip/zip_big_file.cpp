#include "zip/zip_big_file.h"

#include "platform/file_exception.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lumaskin {

using Operation = FileException::Operation;

CZipBigFile::~CZipBigFile()
{
    Abort();
}

CZipBigFile::CZipBigFile(CZipBigFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1)), m_path(std::move(other.m_path)),
      m_written(other.m_written)
{}

CZipBigFile &CZipBigFile::operator=(CZipBigFile &&other) noexcept
{
    if (this != &other) {
        Abort();
        m_fd = std::exchange(other.m_fd, -1);
        m_path = std::move(other.m_path);
        m_written = other.m_written;
    }
    return *this;
}

void CZipBigFile::OpenForReading(const std::string &path)
{
    Abort();
    // Without blocking: opening a pipe for reading would wait for a writer forever.
    int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        throw FileException(Operation::Open, path, errno);
    struct stat st
    {
    };
    // Only a plain file is an archive: a pipe or a device could block or never end.
    const int error = fstat(fd, &st) != 0    ? errno
                      : S_ISDIR(st.st_mode)  ? EISDIR
                      : !S_ISREG(st.st_mode) ? ENODEV // "No such device": not a file to read
                                             : 0;
    if (error != 0) {
        close(fd);
        throw FileException(Operation::Open, path, error);
    }
    // Reads of a plain file never block; the flag only mattered for the open.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    // Archives are read front to back in large pieces; let the kernel read ahead.
    posix_fadvise(fd, 0, 0, POSIX_FADV_SEQUENTIAL);
    m_fd = fd;
    m_path = path;
    m_written = false;
}

void CZipBigFile::CreateInFolder(int folderFd, const std::string &name, const std::string &fullPath)
{
    Abort();
    // Anything that stays in the way (a folder, a file in a protected folder) makes the
    // exclusive creation below fail with the clearer reason, so the result is not needed.
    unlinkat(folderFd, name.c_str(), 0);
    int fd =
        openat(folderFd, name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd < 0)
        throw FileException(Operation::Create, fullPath, errno);
    m_fd = fd;
    m_path = fullPath;
    m_written = true;
}

std::size_t CZipBigFile::Read(void *buffer, std::size_t size)
{
    auto *out = static_cast<char *>(buffer);
    std::size_t done = 0;
    while (done < size) {
        ssize_t n = read(m_fd, out + done, size - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileException(Operation::Read, m_path, errno);
        }
        if (n == 0)
            break;
        done += static_cast<std::size_t>(n);
    }
    return done;
}

void CZipBigFile::Write(const void *buffer, std::size_t size)
{
    const auto *in = static_cast<const char *>(buffer);
    while (size > 0) {
        ssize_t n = write(m_fd, in, size);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            throw FileException(Operation::Write, m_path, errno);
        }
        if (n == 0)
            throw FileException(Operation::Write, m_path, ENOSPC);
        in += n;
        size -= static_cast<std::size_t>(n);
    }
}

std::uint64_t CZipBigFile::Seek(std::int64_t offset, SeekFrom from)
{
    const int whence = from == SeekFrom::begin     ? SEEK_SET
                       : from == SeekFrom::current ? SEEK_CUR
                                                   : SEEK_END;
    off_t position = lseek(m_fd, static_cast<off_t>(offset), whence);
    if (position < 0)
        throw FileException(Operation::Seek, m_path, errno);
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CZipBigFile::GetLength() const
{
    struct stat st
    {
    };
    if (fstat(m_fd, &st) != 0)
        throw FileException(Operation::Read, m_path, errno);
    return static_cast<std::uint64_t>(st.st_size);
}

void CZipBigFile::Close()
{
    if (m_fd < 0)
        return;
    const int fd = std::exchange(m_fd, -1);
    // After close() the descriptor is gone whatever it returns; only a written file can have
    // lost data, so only then is a failure worth reporting.
    if (close(fd) != 0 && m_written && errno != EINTR)
        throw FileException(Operation::Close, m_path, errno);
}

void CZipBigFile::Abort() noexcept
{
    if (m_fd >= 0)
        close(std::exchange(m_fd, -1));
}

} // namespace lumaskin
