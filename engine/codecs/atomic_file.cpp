#include "engine/codecs/atomic_file.h"

#include "engine/file_name.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdio>
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
        return QCoreApplication::translate("Codec", "the disk is full");
    case EDQUOT:
        return QCoreApplication::translate("Codec", "the disk quota is used up");
    case EROFS:
        return QCoreApplication::translate("Codec", "the disk is read-only");
    case EACCES:
    case EPERM:
        return QCoreApplication::translate("Codec", "permission denied");
    case ENAMETOOLONG:
        return QCoreApplication::translate("Codec", "the file name is too long");
    case EFBIG:
        return QCoreApplication::translate("Codec", "the file is too large for the disk");
    case EIO:
        return QCoreApplication::translate("Codec", "the disk reported an input/output error");
    default:
        break;
    }
    QString text = qt_error_string(errorNumber);
    if (!text.isEmpty())
        text[0] = text[0].toLower();
    return text;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                         const NameTaken *keep)
{
    if (path.isEmpty())
        return Fail(error, QCoreApplication::translate("Codec", "no file name was given"));
    const QByteArray native = NativeFileName(path);
    const qsizetype slash = native.lastIndexOf('/');
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : native.left(std::max<qsizetype>(slash, 1));
    QByteArray name = native.mid(slash + 1);
    const QString folderName = QuotedFileName(FileNameFromNative(folder));
    if (name.isEmpty() || name == "." || name == "..")
        return Fail(error,
                    QCoreApplication::translate("Codec", "a folder of that name is in the way"));

    const Descriptor directory(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (directory.Get() < 0) {
        if (errno == ENOENT)
            return Fail(error, QCoreApplication::translate("Codec", "the folder %1 does not exist")
                                   .arg(folderName));
        if (errno == ENOTDIR)
            return Fail(error,
                        QCoreApplication::translate("Codec", "%1 is not a folder").arg(folderName));
        return Fail(error,
                    QCoreApplication::translate("Codec", "the folder %1 cannot be opened (%2)")
                        .arg(folderName, FileErrorText(errno)));
    }

    // What stands at the name now, without following a link. Only replacing needs to know: a
    // write that keeps what is there finds out as it commits.
    struct stat existing = {};
    const bool exists =
        !keep && ::fstatat(directory.Get(), name.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0;
    if (exists && S_ISDIR(existing.st_mode))
        return Fail(error,
                    QCoreApplication::translate("Codec", "a folder of that name is in the way"));
    if (exists && !S_ISREG(existing.st_mode) && !S_ISLNK(existing.st_mode))
        return Fail(error, QCoreApplication::translate(
                               "Codec", "something that is not a file is in the way"));

    // A file without a name where the file system offers one, so that a run killed midway
    // leaves nothing behind; else a hidden temporary beside the target.
    // (It is named through /proc, which a sandbox may lack.)
    Descriptor file(::access("/proc/self/fd", F_OK) == 0
                        ? ::openat(directory.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                        : -1);
    const bool unnamed = file.Get() >= 0;
    QByteArray temporary;
    for (int attempt = 0; attempt < 100 && file.Get() < 0; ++attempt) {
        temporary = TemporaryName();
        // Exclusive and without following links: the temporary is always a new file of ours.
        file.Reset(::openat(directory.Get(), temporary.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.Get() < 0 && errno != EEXIST)
            return Fail(error,
                        QCoreApplication::translate("Codec", "the file cannot be created (%1)")
                            .arg(FileErrorText(errno)));
    }
    if (file.Get() < 0)
        return Fail(error, QCoreApplication::translate("Codec", "the file cannot be created (%1)")
                               .arg(FileErrorText(EEXIST)));

    // `sentence` is "the file cannot be written (%1)" or "... saved (%1)": whole, so that each
    // is translated as one.
    const auto discard = [&](int errorNumber, const QString &sentence) {
        if (!temporary.isEmpty())
            ::unlinkat(directory.Get(), temporary.constData(), 0);
        return Fail(error, sentence.arg(FileErrorText(errorNumber)));
    };
    const auto notWritten = [] {
        return QCoreApplication::translate("Codec", "the file cannot be written (%1)");
    };
    const auto notSaved = [] {
        return QCoreApplication::translate("Codec", "the file cannot be saved (%1)");
    };
    // A replaced file keeps who may read and write it.
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(file.Get(), existing.st_mode & 07777);
    int errorNumber = 0;
    if (!WriteAll(file.Get(), bytes, &errorNumber))
        return discard(errorNumber, notWritten());
    // Blocks are only set aside when the data reaches the disk, so a full disk can show up
    // first here; the old file must not be replaced before that is known.
    if (::fdatasync(file.Get()) != 0 && errno != EINVAL)
        return discard(errno, notWritten());

    // The unnamed file gets its name by a link, which never replaces anything.
    const QByteArray self = "/proc/self/fd/" + QByteArray::number(file.Get());
    const auto linkTo = [&](const QByteArray &linkName) {
        return ::linkat(AT_FDCWD, self.constData(), directory.Get(), linkName.constData(),
                        AT_SYMLINK_FOLLOW) == 0;
    };
    // Puts the written file at `to` without replacing anything there: false with errno set.
    const auto placeNew = [&](const QByteArray &to) {
        if (unnamed)
            return linkTo(to);
        if (::renameat2(directory.Get(), temporary.constData(), directory.Get(), to.constData(),
                        RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL && errno != ENOSYS)
            return false;
        // A file system without that kind of rename: a link is as safe, where links exist.
        if (::linkat(directory.Get(), temporary.constData(), directory.Get(), to.constData(), 0) ==
            0) {
            ::unlinkat(directory.Get(), temporary.constData(), 0);
            return true;
        }
        return false;
    };

    if (keep) {
        for (;;) {
            if (placeNew(name)) {
                if (keep->writtenAs)
                    *keep->writtenAs =
                        FileNameFromNative(slash < 0 ? name : native.left(slash + 1) + name);
                return true;
            }
            if (errno != EEXIST)
                return discard(errno, notSaved());
            if (keep->existed)
                *keep->existed = true;
            const QString another = keep->another ? keep->another() : QString();
            if (another.isEmpty()) {
                if (!temporary.isEmpty())
                    ::unlinkat(directory.Get(), temporary.constData(), 0);
                return Fail(error, QCoreApplication::translate(
                                       "Codec", "a file of that name exists already"));
            }
            const QByteArray anotherNative = NativeFileName(another);
            name = anotherNative.mid(anotherNative.lastIndexOf('/') + 1);
        }
    }

    if (unnamed) {
        // A name of its own first, then the target's name over whatever holds it.
        bool linked = false;
        for (int attempt = 0; attempt < 100 && !linked; ++attempt) {
            temporary = TemporaryName();
            linked = linkTo(temporary);
            if (!linked && errno != EEXIST) {
                temporary.clear();
                return discard(errno, notSaved());
            }
        }
        if (!linked) {
            temporary.clear();
            return discard(EEXIST, notSaved());
        }
    }
    // The name itself is replaced, whatever it is (a link is replaced, not followed).
    if (::renameat(directory.Get(), temporary.constData(), directory.Get(), name.constData()) != 0)
        return discard(errno, notSaved());
    return true;
}

} // namespace lumaskin
