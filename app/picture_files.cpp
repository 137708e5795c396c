#include "app/picture_files.h"

#include "platform/natural_order.h"
#include "engine/file_name.h"
#include "engine/picture_probe.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <sys/stat.h>

namespace lumaskin {

QStringList PictureFiles(const QStringList &paths, QStringList *missing)
{
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            QStringList inside;
            for (const QFileInfo &entry :
                 QDir(info.absoluteFilePath()).entryInfoList(QDir::Files | QDir::Readable)) {
                // Qt lists names as text; a name that is not UTF-8 is found again by its bytes.
                const QString file = ResolveFileName(entry.absoluteFilePath());
                if (LooksLikePicture(file))
                    inside << file;
            }
            std::sort(inside.begin(), inside.end(), NaturalLess);
            files << inside;
        } else if (struct stat status{}; ::stat(NativeFileName(path).constData(), &status) == 0) {
            files << (QDir::isAbsolutePath(path)
                          ? QDir::cleanPath(path)
                          : QDir::cleanPath(QDir::currentPath() + u'/' + path));
        } else if (missing) {
            *missing << path;
        }
    }
    return files;
}

} // namespace lumaskin
