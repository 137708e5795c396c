#pragma once

#include <QString>
#include <QStringList>

class QWidget;

namespace lumaskin {

class AppSettings;

// The file and folder choosers of the main window, behind an interface so that tests can
// choose in place of a person. Every method returns empty when the user cancels.
class MainDialogPrompts
{
public:
    virtual ~MainDialogPrompts() = default;
    // Several existing files, in the order the chooser gives them.
    virtual QStringList OpenFiles(const QString &filter) = 0;
    // One existing file; by default the first of OpenFiles.
    virtual QString OpenFile(const QString &filter);
    // One file from a save-file chooser.
    virtual QString SaveFile(const QString &filter) = 0;
    // One folder with a path in the file system; the chooser opens at `start` when that is
    // a folder.
    virtual QString Folder(const QString &title, const QString &start) = 0;
    // The folder for a conversion into a format with a quality: the chooser also offers the
    // quality (1 to 100), starting at *quality, and leaves the chosen one there. Choosers
    // without a quality box leave *quality as it is.
    virtual QString ConversionFolder(const QString &title, const QString &start, int *quality)
    {
        (void)quality;
        return Folder(title, start);
    }
    // Shows the folder in the desktop's file manager; false when none would open it.
    virtual bool ShowFolder(const QString &folder);
    // A skin package to install; by default the one file of OpenFile.
    virtual QString SkinPackage(const QString &filter) { return OpenFile(filter); }
};

// Qt's file dialogs. Filters are written "Text|patterns|Text|patterns||" with patterns
// separated by ';'.
class QtMainDialogPrompts final : public MainDialogPrompts
{
public:
    explicit QtMainDialogPrompts(QWidget *folderOwner) : m_folderOwner(folderOwner) {}
    void SetFolderOwner(QWidget *folderOwner) { m_folderOwner = folderOwner; }

    QStringList OpenFiles(const QString &filter) override;
    QString OpenFile(const QString &filter) override;
    QString SaveFile(const QString &filter) override;
    QString Folder(const QString &title, const QString &start) override;
    QString ConversionFolder(const QString &title, const QString &start, int *quality) override;
    // Opens where the last package was chosen, which it remembers apart from the pictures'.
    QString SkinPackage(const QString &filter) override;

    // The filter as Qt's name filters, one per pair. "*.*" means every file; each pattern is
    // offered in upper case as well, since names on Linux keep their letter case.
    static QStringList NameFilters(const QString &filter);

    // The file choosers start where `settings` says they were last used, and keep it there as
    // the user chooses.
    void RememberIn(AppSettings *settings);

private:
    // Where a chooser opens: where the user last chose, else their pictures or home folder.
    QString StartFolder(const QString &last) const;

    QWidget *m_folderOwner;
    QString m_lastFileFolder;
    QString m_lastSkinFolder;
    AppSettings *m_settings = nullptr;
};

} // namespace lumaskin
