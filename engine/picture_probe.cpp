#include "engine/picture_probe.h"

#include "engine/file_name.h"
#include "engine/formats.h"

#include <QFileInfo>
#include <fcntl.h>
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

} // namespace lumaskin
