#include "skin/skin_locator.h"

#include "platform/natural_order.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>

namespace lumaskin {

namespace {

constexpr char kSkinsSubfolder[] = "/lumaskin/skins";
constexpr char kStartupPackage[] = "Purple.skn";

// The same folder written twice (a trailing slash, a link) is searched once.
QString Key(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(folder) : canonical;
}

} // namespace

SkinLocator::SkinLocator(const QStringList &folders, const QString &userFolder)
    : m_userFolder(userFolder)
{
    QStringList seen;
    for (const QString &folder : folders) {
        if (folder.isEmpty() || seen.contains(Key(folder)))
            continue;
        seen << Key(folder);
        m_folders << QDir::cleanPath(folder);
    }
}

QString SkinLocator::StandardUserFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QLatin1String(kSkinsSubfolder);
}

SkinLocator SkinLocator::ForStartup(const QString &startFolder, const QString &installedFolder)
{
    QStringList folders;
    if (QFileInfo(QDir(startFolder).filePath(QLatin1String(kStartupPackage))).isFile())
        folders << startFolder;
    const QString user = StandardUserFolder();
    folders << user;
    // XDG_DATA_HOME first, then every folder of XDG_DATA_DIRS.
    for (const QString &data :
         QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation))
        folders << data + QLatin1String(kSkinsSubfolder);
    folders << installedFolder;
    return SkinLocator(folders, user);
}

QString SkinLocator::Find(const QString &packageFile) const
{
    if (packageFile.isEmpty() || packageFile.contains(u'/'))
        return {};
    for (const QString &folder : m_folders) {
        const QString path = folder + u'/' + packageFile;
        if (QFileInfo(path).isFile())
            return path;
    }
    return {};
}

QString SkinLocator::PathInFirstFolder(const QString &packageFile) const
{
    return m_folders.isEmpty() ? packageFile : m_folders.front() + u'/' + packageFile;
}

bool SkinLocator::IsPackageName(const QString &fileName)
{
    return fileName.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive) ||
           fileName.endsWith(QLatin1String(".skn"), Qt::CaseInsensitive);
}

QStringList SkinLocator::UserPackages(const QStringList &bundled) const
{
    if (m_userFolder.isEmpty())
        return {};
    QStringList packages;
    const QFileInfoList entries =
        QDir(m_userFolder).entryInfoList(QDir::Files | QDir::Readable | QDir::NoDotAndDotDot);
    for (const QFileInfo &entry : entries) {
        if (IsPackageName(entry.fileName()) && !bundled.contains(entry.fileName()))
            packages << entry.fileName();
    }
    // "Skin 2" before "Skin 10", as a file manager sorts them.
    std::sort(packages.begin(), packages.end(), NaturalLess);
    return packages;
}

} // namespace lumaskin
