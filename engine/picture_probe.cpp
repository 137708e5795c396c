#include "engine/picture_probe.h"

#include "engine/file_name.h"
#include "engine/formats.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <cerrno>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace lumaskin {

namespace {

// Enough for every format's header check.
constexpr qint64 kHeaderBytes = 4096;

} // namespace

bool LooksLikePicture(const QString &path)
{
    // By its bytes: the name need not be UTF-8. Never blocks on a pipe.
    const int fd = ::open(NativeFileName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    QByteArray header(kHeaderBytes, Qt::Uninitialized);
    struct stat status
    {
    };
    const ssize_t got = ::fstat(fd, &status) == 0 && S_ISREG(status.st_mode)
                            ? ::read(fd, header.data(), kHeaderBytes)
                            : -1;
    ::close(fd);
    if (got <= 0)
        return false;
    header.truncate(got);
    Probe probe;
    const Format *format =
        FindFormatByContent(Bytes(reinterpret_cast<const std::uint8_t *>(header.constData()),
                                  static_cast<std::size_t>(header.size())),
                            &probe);
    if (!format)
        return false;
    // Formats without a signature are taken only with one of their extensions.
    return probe.match == Match::Certain ||
           format->extensionsRead.contains(QFileInfo(path).suffix().toLower());
}

bool ListFolder(const QString &folder, QStringList *names, QString *error)
{
    const auto fail = [&] {
        *error = QCoreApplication::translate("PictureProbe", "cannot read the folder %1: %2")
                     .arg(QuotedFileName(folder), QString::fromLocal8Bit(std::strerror(errno)));
        return false;
    };
    const std::unique_ptr<DIR, int (*)(DIR *)> listing(opendir(NativeFileName(folder).constData()),
                                                       closedir);
    if (!listing)
        return fail();
    errno = 0;
    while (const dirent *entry = readdir(listing.get())) {
        if (entry->d_name[0] != '.')
            names->append(FileNameFromNative(entry->d_name));
        errno = 0;
    }
    if (errno != 0)
        return fail();
    std::sort(names->begin(), names->end(), NativeNameLess);
    return true;
}

QStringList PicturesInFolder(const QString &folder)
{
    QStringList names;
    QString ignored; // a folder that cannot be read holds no pictures to show
    ListFolder(folder, &names, &ignored);
    QStringList pictures;
    for (const QString &name : names) {
        const QString path = JoinedPath(folder, name);
        struct stat status
        {
        };
        if (::stat(NativeFileName(path).constData(), &status) == 0 && S_ISREG(status.st_mode) &&
            LooksLikePicture(path))
            pictures << path;
    }
    return pictures;
}

} // namespace lumaskin
