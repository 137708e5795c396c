#pragma once

#include <QPoint>
#include <QSettings>
#include <QString>
#include <memory>
#include <optional>

namespace lumaskin {

// What the program remembers between runs: the skin, the output format, where the two file
// choosers were last used and where the window stood. Kept in the user's configuration
// folder ($XDG_CONFIG_HOME/lumaskin/lumaskin.conf) unless a file is named.
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
    // The name of the output format last chosen, as the format list shows it ("PNG").
    QString OutputFormat() const;
    void SetOutputFormat(const QString &format);
    // The folder of the last pictures added, and the last output folder.
    QString FileFolder() const;
    void SetFileFolder(const QString &folder);
    QString OutputFolder() const;
    void SetOutputFolder(const QString &folder);
    // The window's top-left corner on the desktop.
    std::optional<QPoint> WindowPosition() const;
    void SetWindowPosition(const QPoint &position);

    // Writes what has changed to the file now.
    void Sync();
    QString FileName() const;

private:
    QString Text(const char *key) const;
    void SetText(const char *key, const QString &value);

    std::unique_ptr<QSettings> m_settings;
};

} // namespace lumaskin
