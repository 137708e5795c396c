#pragma once

#include <QPoint>
#include <QSettings>
#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <optional>

namespace lumaskin {

// What the program remembers between runs: the skin, the output format with the quality and
// folder last chosen for each format, where the file chooser was last used and where the
// window stood. Kept in the user's configuration
// folder ($XDG_CONFIG_HOME/lumaskin/lumaskin.conf) unless a file is named. Where that name
// holds something other than a file (a pipe would block the start for good, a folder cannot be
// read), the run starts from the defaults and keeps what it remembers in a file of its own
// that goes with it, leaving the thing at the name alone.
class AppSettings
{
public:
    AppSettings();
    explicit AppSettings(const QString &file);
    ~AppSettings();
    AppSettings(const AppSettings &) = delete;
    AppSettings &operator=(const AppSettings &) = delete;

    // The file name of the last skin package worn.
    QString Skin() const;
    void SetSkin(const QString &packageFile);
    // The output format last chosen, by its extension ("png"; earlier versions wrote the
    // label, "PNG").
    QString OutputFormat() const;
    void SetOutputFormat(const QString &extension);
    // The quality last chosen for a format.
    std::optional<int> Quality(const QString &extension) const;
    void SetQuality(const QString &extension, int quality);
    // The folder of the last pictures added; the last output folder, of any format or of one.
    QString FileFolder() const;
    void SetFileFolder(const QString &folder);
    // The folder of the last skin package installed.
    QString SkinFolder() const;
    void SetSkinFolder(const QString &folder);
    QString OutputFolder() const;
    void SetOutputFolder(const QString &folder);
    QString OutputFolder(const QString &extension) const;
    void SetOutputFolder(const QString &extension, const QString &folder);
    // The window's top-left corner on the desktop.
    std::optional<QPoint> WindowPosition() const;
    void SetWindowPosition(const QPoint &position);
    // Whether a note comes up at each skin load; true until the user turns it off.
    bool NotesShown() const;
    void SetNotesShown(bool shown);

    // The batch's steps and settings chosen in the Steps window, as a preset's text.
    QString BatchPreset() const;
    void SetBatchPreset(const QString &text);

    // Writes what has changed to the file now.
    void Sync();
    QString FileName() const;

private:
    QString Text(const QString &key) const;
    void SetText(const QString &key, const QString &value);

    // Settings in a file of their own that goes with the run.
    void UseStandIn();

    std::unique_ptr<QSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_standIn;
};

} // namespace lumaskin
