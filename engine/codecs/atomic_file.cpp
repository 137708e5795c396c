#include "engine/codecs/atomic_file.h"

#include "engine/file_name.h"

#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace lumaskin {

namespace {

bool Fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

// An owned descriptor.
class Descriptor
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int Get() const { return m_fd; }
    int Release() { return std::exchange(m_fd, -1); }
    void Reset(int fd)
    {
        if (m_fd >= 0)
            ::close(m_fd);
        m_fd = fd;
    }

private:
    int m_fd;
};

// A short fixed-length name, so that even a target name at the system's length limit has a
// temporary beside it. Hidden, and recognisable as ours should a crash leave it behind.
QByteArray TemporaryName()
{
    static constexpr char kLetters[] =
        "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray name = ".lumaskin-";
    for (int i = 0; i < 10; ++i)
        name +=
            kLetters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof kLetters - 1))];
    return name + ".tmp";
}

bool WriteAll(int fd, const QByteArray &bytes, int *errorNumber)
{
    const char *data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, static_cast<size_t>(left));
        if (written < 0) {
            if (errno == EINTR)
                continue;
            *errorNumber = errno;
            return false;
        }
        if (written == 0) {
            *errorNumber = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

} // namespace

QString FileErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("the disk is full");
    case EDQUOT:
        return QStringLiteral("the disk quota is used up");
    case EROFS:
        return QStringLiteral("the disk is read-only");
    case EACCES:
    case EPERM:
        return QStringLiteral("permission denied");
    case ENAMETOOLONG:
        return QStringLiteral("the file name is too long");
    case EFBIG:
        return QStringLiteral("the file is too large for the disk");
    case EIO:
        return QStringLiteral("the disk reported an input/output error");
    default:
        break;
    }
    QString text = qt_error_string(errorNumber);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    if (path.isEmpty())
        return Fail(error, QStringLiteral("no file name was given"));
    const QByteArray native = NativeFileName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : native.left(std::max<qsizetype>(slash, 1));
    const QByteArray name = native.mid(slash + 1);
    const QString folderName = QuotedFileName(FileNameFromNative(folder));
    if (name.isEmpty() || name == "." || name == "..")
        return Fail(error, QStringLiteral("a folder of that name is in the way"));

    const Descriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0) {
        if (errno == ENOENT)
            return Fail(error, QStringLiteral("the folder %1 does not exist").arg(folderName));
        if (errno == ENOTDIR)
            return Fail(error, QStringLiteral("%1 is not a folder").arg(folderName));
        return Fail(error, QStringLiteral("the folder %1 cannot be opened (%2)")
                               .arg(folderName, FileErrorText(errno)));
    }

    // What stands at the name now, without following a link.
    struct stat existing = {};
    const bool exists =
        ::fstatat(directory.Get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return Fail(error, QStringLiteral("a folder of that name is in the way"));
    if (exists && !S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode))
        return Fail(error, QStringLiteral("something that is not a file is in the way"));

    QByteArray temporary;
    Descriptor file;
    for (int attempt = 0; attempt < 100 && file.Get() < 0; ++attempt) {
        temporary = TemporaryName();
        // Exclusive and without following links: the temporary is always a new file of ours.
        file.Reset(::openat(directory.Get(), temporary.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.Get() < 0 && errno != EEXIST)
            return Fail(
                error, QStringLiteral("the file cannot be created (%1)").arg(FileErrorText(errno)));
    }
    if (file.Get() < 0)
        return Fail(error,
                    QStringLiteral("the file cannot be created (%1)").arg(FileErrorText(EEXIST)));

    const auto discard = [&](int errorNumber, const char *what) {
        ::unlinkat(directory.Get(), temporary.constData(), 0);
        return Fail(error, QStringLiteral("the file cannot be %1 (%2)")
                               .arg(QLatin1String(what), FileErrorText(errorNumber)));
    };
    // A replaced file keeps who may read and write it.
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(file.Get(), existing.st_mode & 07777);
    int errorNumber = 0;
    if (!WriteAll(file.Get(), bytes, &errorNumber))
        return discard(errorNumber, "written");
    // Blocks are only set aside when the data reaches the disk, so a full disk can show up
    // first here; the old file must not be replaced before that is known.
    if (::fdatasync(file.Get()) != 0 && errno != EINVAL)
        return discard(errno, "written");
    if (::close(file.Release()) != 0 && errno != EINTR)
        return discard(errno, "written");
    // The name itself is replaced, whatever it is (a link is replaced, not followed).
    if (::renameat(directory.Get(), temporary.constData(), directory.Get(), name.constData()) != 0)
        return discard(errno, "saved");
    return true;
}

} // namespace lumaskin
