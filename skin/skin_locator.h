#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin {

// Where skin packages are looked for, and the user's own folder that installed packages are
// copied into. A package is read from the first folder that holds a file of its name, so a
// package in the user's folder takes the place of a bundled one of the same name.
class SkinLocator
{
public:
    SkinLocator() = default;
    // Looks in `folders`, in order; installs into `userFolder` (empty: nowhere).
    SkinLocator(const QStringList &folders, const QString &userFolder);

    // The program's folders: the folder current at start-up when it holds the start-up
    // package "Purple.skn"; then the user's folder ($XDG_DATA_HOME/lumaskin/skins), the
    // lumaskin/skins folder under each of $XDG_DATA_DIRS, and `installedFolder` (the install
    // prefix's share/lumaskin/skins), each once.
    static SkinLocator ForStartup(const QString &startFolder, const QString &installedFolder);
    // The user's skin folder, $XDG_DATA_HOME/lumaskin/skins.
    static QString StandardUserFolder();

    const QStringList &Folders() const { return m_folders; }
    const QString &UserFolder() const { return m_userFolder; }

    // The path of `packageFile` in the first folder that holds it; empty when none does.
    QString Find(const QString &packageFile) const;
    // Where a package that is found nowhere is reported missing from: the first folder.
    QString PathInFirstFolder(const QString &packageFile) const;
    // The packages (*.zip, *.skn in any letter case) in the user's folder whose names are not
    // in `bundled`, sorted by file name.
    QStringList UserPackages(const QStringList &bundled) const;

    // True for a file name that ends in .zip or .skn, in any letter case.
    static bool IsPackageName(const QString &fileName);

private:
    QStringList m_folders;
    QString m_userFolder;
};

} // namespace lumaskin
