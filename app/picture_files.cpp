#include "app/picture_files.h"

#include "platform/natural_order.h"
#include "viewercontrol/codecs/codec_registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>

namespace lumaskin {

namespace {

// Enough for every format's header check.
constexpr qint64 kHeaderBytes = 4096;

// Formats without a signature are taken from a folder only with one of their extensions.
bool HasPictureExtension(const QString &path)
{
    static const QStringList extensions{
        QStringLiteral("tga"), QStringLiteral("pcx"), QStringLiteral("wbmp"), QStringLiteral("pnm"),
        QStringLiteral("pbm"), QStringLiteral("pgm"), QStringLiteral("ppm"),  QStringLiteral("ras"),
        QStringLiteral("pgx"), QStringLiteral("ico"), QStringLiteral("wmf"),  QStringLiteral("svg"),
    };
    return extensions.contains(QFileInfo(path).suffix().toLower());
}

} // namespace

bool LooksLikePicture(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(kHeaderBytes);
    Probe probe;
    const Codec *codec =
        FindReader(Bytes(reinterpret_cast<const std::uint8_t *>(header.constData()),
                         static_cast<std::size_t>(header.size())),
                   &probe);
    if (!codec)
        return false;
    return probe.match == Match::Certain || HasPictureExtension(path);
}

QStringList PictureFiles(const QStringList &paths, QStringList *missing)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList inside;
            for (const QFileInfo &entry :
                 QDir(info.absoluteFilePath()).entryInfoList(QDir::Files | QDir::Readable)) {
                if (LooksLikePicture(entry.absoluteFilePath()))
                    inside << entry.absoluteFilePath();
            }
            std::sort(inside.begin(), inside.end(), NaturalLess);
            files << inside;
        } else if (info.exists()) {
            files << info.absoluteFilePath();
        } else if (missing) {
            *missing << path;
        }
    }
    return files;
}

} // namespace lumaskin
