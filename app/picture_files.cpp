#include "app/picture_files.h"

#include "engine/file_name.h"
#include "engine/picture_probe.h"
#include "platform/natural_order.h"

#include <QDir>
#include <algorithm>
#include <sys/stat.h>

namespace lumaskin {

QStringList PictureFiles(const QStringList &paths, QStringList *missing)
{
    QStringList files;
    for (const QString &path : paths) {
        // By the name's bytes, which need not be UTF-8.
        struct stat status
        {
        };
        if (::stat(NativeFileName(path).constData(), &status) != 0) {
            if (missing)
                *missing << path;
            continue;
        }
        const QString absolute =
            QDir::cleanPath(QDir::isAbsolutePath(path) ? path : QDir::currentPath() + u'/' + path);
        if (S_ISDIR(status.st_mode)) {
            QStringList inside = PicturesInFolder(absolute);
            std::sort(inside.begin(), inside.end(), NaturalLess);
            files << inside;
        } else {
            files << absolute;
        }
    }
    return files;
}

} // namespace lumaskin
