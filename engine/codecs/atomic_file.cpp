#include "engine/codecs/atomic_file.h"

#include "engine/file_name.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <algorithm>
#include <cerrno>
#include <cstdint>
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

bool WriteAll(int fd, const char *data, std::size_t left, int *errorNumber)
{
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
        left -= static_cast<std::size_t>(written);
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

bool ByteArraySink::Write(const void *data, std::size_t size)
{
    bytes.append(static_cast<const char *>(data), static_cast<qsizetype>(size));
    return true;
}

bool ByteArraySink::Rewind()
{
    bytes.clear();
    return true;
}

struct AtomicFile::State
{
    QByteArray native;
    qsizetype slash = -1;
    QByteArray name;
    const NameTaken *keep = nullptr;
    Descriptor directory;
    Descriptor file;
    bool unnamed = false;
    QByteArray temporary;
    std::int64_t written = 0;
    int errorNumber = 0; // of the first failed write
    bool committed = false;
};

AtomicFile::AtomicFile() : m_state(std::make_unique<State>()) {}

AtomicFile::~AtomicFile()
{
    const State &state = *m_state;
    if (!state.committed && !state.temporary.isEmpty() && state.directory.Get() >= 0)
        ::unlinkat(state.directory.Get(), state.temporary.constData(), 0);
}

bool AtomicFile::Open(const QString &path, QString *error, const NameTaken *keep)
{
    State &state = *m_state;
    state.keep = keep;
    if (path.isEmpty())
        return Fail(error, QCoreApplication::translate("Codec", "no file name was given"));
    state.native = NativeFileName(path);
    const QByteArray &native = state.native;
    state.slash = native.lastIndexOf('/');
    const qsizetype slash = state.slash;
    const QByteArray folder =
        slash < 0 ? QByteArray(".") : native.left(std::max<qsizetype>(slash, 1));
    state.name = native.mid(slash + 1);
    const QByteArray &name = state.name;
    const QString folderName = QuotedFileName(FileNameFromNative(folder));
    if (name.isEmpty() || name == "." || name == "..")
        return Fail(error,
                    QCoreApplication::translate("Codec", "a folder of that name is in the way"));

    state.directory.Reset(::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    const Descriptor &directory = state.directory;
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
    Descriptor &file = state.file;
    file.Reset(::access("/proc/self/fd", F_OK) == 0
                   ? ::openat(directory.Get(), ".", O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666)
                   : -1);
    state.unnamed = file.Get() >= 0;
    for (int attempt = 0; attempt < 100 && file.Get() < 0; ++attempt) {
        const QByteArray temporary = TemporaryName();
        // Exclusive and without following links: the temporary is always a new file of ours.
        file.Reset(::openat(directory.Get(), temporary.constData(),
                            O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
        if (file.Get() >= 0)
            state.temporary = temporary;
        else if (errno != EEXIST)
            return Fail(error,
                        QCoreApplication::translate("Codec", "the file cannot be created (%1)")
                            .arg(FileErrorText(errno)));
    }
    if (file.Get() < 0)
        return Fail(error, QCoreApplication::translate("Codec", "the file cannot be created (%1)")
                               .arg(FileErrorText(EEXIST)));
    // A replaced file keeps who may read and write it.
    if (exists && S_ISREG(existing.st_mode))
        ::fchmod(file.Get(), existing.st_mode & 07777);
    return true;
}

bool AtomicFile::Write(const void *data, std::size_t size)
{
    State &state = *m_state;
    if (state.errorNumber != 0)
        return false;
    if (state.file.Get() < 0) {
        state.errorNumber = EBADF;
        return false;
    }
    if (!WriteAll(state.file.Get(), static_cast<const char *>(data), size, &state.errorNumber))
        return false;
    // The disk may start on what is here while the rest is made, so that the flush before the
    // file is put in place has less left to wait for.
    if (size >= (std::size_t{256} << 10))
        ::sync_file_range(state.file.Get(), state.written, static_cast<off_t>(size),
                          SYNC_FILE_RANGE_WRITE);
    state.written += static_cast<std::int64_t>(size);
    return true;
}

bool AtomicFile::Rewind()
{
    State &state = *m_state;
    if (state.errorNumber != 0)
        return false;
    if (::ftruncate(state.file.Get(), 0) != 0 || ::lseek(state.file.Get(), 0, SEEK_SET) != 0) {
        state.errorNumber = errno;
        return false;
    }
    state.written = 0;
    return true;
}

QString AtomicFile::Error() const
{
    return QCoreApplication::translate("Codec", "the file cannot be written (%1)")
        .arg(FileErrorText(m_state->errorNumber));
}

bool AtomicFile::Commit(QString *error)
{
    State &state = *m_state;
    const Descriptor &directory = state.directory;
    const Descriptor &file = state.file;
    QByteArray &temporary = state.temporary;
    QByteArray &name = state.name;
    if (file.Get() < 0)
        return Fail(error, QCoreApplication::translate("Codec", "the file cannot be written (%1)")
                               .arg(FileErrorText(EBADF)));
    // `sentence` is "the file cannot be written (%1)" or "... saved (%1)": whole, so that each
    // is translated as one.
    const auto discard = [&](int errorNumber, const QString &sentence) {
        if (!temporary.isEmpty())
            ::unlinkat(directory.Get(), temporary.constData(), 0);
        temporary.clear();
        return Fail(error, sentence.arg(FileErrorText(errorNumber)));
    };
    const auto notWritten = [] {
        return QCoreApplication::translate("Codec", "the file cannot be written (%1)");
    };
    const auto notSaved = [] {
        return QCoreApplication::translate("Codec", "the file cannot be saved (%1)");
    };
    if (state.errorNumber != 0)
        return discard(state.errorNumber, notWritten());
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
        if (state.unnamed)
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

    if (const NameTaken *keep = state.keep) {
        for (;;) {
            if (placeNew(name)) {
                state.committed = true;
                if (keep->writtenAs)
                    *keep->writtenAs = FileNameFromNative(
                        state.slash < 0 ? name : state.native.left(state.slash + 1) + name);
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
                temporary.clear();
                return Fail(error, QCoreApplication::translate(
                                       "Codec", "a file of that name exists already"));
            }
            const QByteArray anotherNative = NativeFileName(another);
            name = anotherNative.mid(anotherNative.lastIndexOf('/') + 1);
        }
    }

    if (state.unnamed) {
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
    state.committed = true;
    return true;
}

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                         const NameTaken *keep)
{
    AtomicFile file;
    if (!file.Open(path, error, keep))
        return false;
    // A failed write is told by Commit.
    file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    return file.Commit(error);
}

} // namespace lumaskin
