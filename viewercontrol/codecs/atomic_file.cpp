#include "viewercontrol/codecs/atomic_file.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace lumaskin {

namespace {

bool fail(QString *error, const QString &text)
{
    if (error)
        *error = text;
    return false;
}

} // namespace

bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error)
{
    if (path.isEmpty())
        return fail(error, QStringLiteral("no file name was given"));
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.exists())
        return fail(error, QStringLiteral("the folder %1 does not exist")
                               .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
    if (!folder.isDir())
        return fail(error, QStringLiteral("%1 is not a folder")
                               .arg(QDir::toNativeSeparators(folder.absoluteFilePath())));
    if (target.isDir())
        return fail(error, QStringLiteral("a folder of that name is in the way"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return fail(error,
                    QStringLiteral("the file cannot be created (%1)").arg(file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(error, QStringLiteral("the file cannot be written (%1)").arg(why));
    }
    if (!file.commit())
        return fail(error, QStringLiteral("the file cannot be saved (%1)").arg(file.errorString()));
    return true;
}

} // namespace lumaskin
