#pragma once

#include "skin/skin_locator.h"
#include "zip/zip_archive.h"

#include <QString>
#include <QStringList>
#include <array>
#include <memory>

class QMenu;
class QWidget;

namespace lumaskin {

class SkinSwitchHost;

// Which skin a window wears and how it changes: where packages are found, the skin commands
// of the "&Change Skin" menu, loading a package through a private working folder, and
// installing the user's own packages.
class SkinSwitcher
{
public:
    // The eight skins a running window can change to, in the order of its "&Change Skin" menu.
    struct SkinCommand
    {
        int id;
        const char *menuText;
        const char *packageFile;
    };
    static constexpr int kFirstSkinCommand = 32771;
    // The package a window starts with when nothing else is asked for, and its place in the
    // menu (it holds the Purple skin).
    static constexpr char kStartupPackageFile[] = "Purple.skn";
    static constexpr int kStartupPackageIndex = 2;
    static constexpr std::array<SkinCommand, 8> kSkinCommands{{
        {32771, "&Orange", "Orange.zip"},
        {32772, "&Black", "Black.zip"},
        {32773, "&Purple", "Purple.zip"},
        {32774, "Bl&ue", "Blue.zip"},
        {32775, "&Red", "Red.zip"},
        {32776, "&Gray", "Gray.zip"},
        {32777, "P&ink", "Pink.zip"},
        {32778, "&Deluxe", "Deluxe.zip"},
    }};

    // Changes the skin of `host`, which outlives the switcher.
    explicit SkinSwitcher(SkinSwitchHost &host) : m_host(host) {}

    // Where skin packages are read from, and where installed ones are copied to.
    void SetSkinLocator(const SkinLocator &locator) { m_locator = locator; }
    const SkinLocator &Locator() const { return m_locator; }
    // Reads skin packages from `folder` alone, and installs none.
    void SetPackageFolder(const QString &folder) { m_locator = SkinLocator({folder}, QString()); }

    // Extracts the package into a private working folder, has the host load the skin from it
    // and removes the folder again. A package that gives no skin (it cannot be opened or
    // extracted, has no Skin.ini at its top level, or no background bitmap) is reported to the
    // host; a host that wears a skin keeps it, one that wears none (at start-up) loads what
    // there is. True when the package gave a skin.
    bool LoadSkinPackage(const QString &packagePath);
    // Whether the last package loaded failed.
    bool SkinPackageFailed() const { return m_skinPackageFailed; }
    // The package that failed in the last change of skin, while the one before stays worn;
    // empty when the change gave its skin.
    const QString &FailedPackage() const { return m_failedPackage; }

    // Loads the first package found of: `preferred` (a package's file name), the start-up
    // package, the eight skins in menu order, the user's own packages. False, with nothing
    // loaded, when no folder holds any of them.
    bool LoadFirstPackageFound(const QString &preferred);

    // Changes to the skin of command `id` (32771..32778).
    void OnChangeSkin(int id);
    // Changes to `fileName`, one of the packages in the user's own folder.
    void ChangeToUserPackage(const QString &fileName);
    // Checks that the package at `path` opens as a skin, copies it into the user's skin
    // folder and changes to it. Tells the host why when it cannot; false then.
    bool InstallSkinPackage(const QString &path);

    // The file name of the package worn, as the menu names it: one of the eight skins'
    // packages or one of the user's own.
    QString CurrentPackage() const;
    // The start-up package and the eight skins' packages.
    static QStringList BundledPackages();
    // The last skin chosen, 0 for the first command.
    int SkinIndex() const { return m_skinIndex; }
    void SetSkinIndex(int index) { m_skinIndex = index; }

    // The "&Change Skin" menu, owned by `owner`: the eight skins (greyed when no folder holds
    // their package), the user's own packages by file name, and "Install Skin...". The check
    // mark stands on the skin worn; choosing an entry changes the skin once the menu has
    // closed and control is back in `owner`'s event loop.
    std::unique_ptr<QMenu> CreateSkinMenu(QWidget *owner);

private:
    // The skin worn: one of the eight, or the user's package.
    struct Worn
    {
        int skinIndex;
        QString userPackage;
    };
    // Has the host put itself away, load the package at `path` and show itself again; when
    // the package gives no skin, the one worn `before` stays the current one.
    void ChangePackage(const QString &path, const Worn &before);

    SkinSwitchHost &m_host;
    SkinLocator m_locator;
    // The user's package worn; empty while one of the eight skins is.
    QString m_userPackage;
    int m_skinIndex = 0;
    bool m_skinPackageFailed = false;
    QString m_failedPackage;
    // Reused for every package.
    ZipArchive m_archive;
};

} // namespace lumaskin
