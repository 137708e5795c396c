#pragma once

#include <QHash>
#include <QString>

namespace lumaskin {

class AppSettings;

// What the next conversion writes: the format, and for each format the quality and the folder
// last chosen for it. The program's own choice, which outlives every skin; the skin's format
// list and the folder chooser only show it. Remembered between runs once given settings.
class ConversionChoice
{
public:
    // The format when none was ever chosen.
    static constexpr char kFirstFormat[] = "bmp";

    // Takes what `settings` remembers, and writes every later choice there. Null forgets.
    void RememberIn(AppSettings *settings);

    // The extension of the format written.
    QString Format() const;
    // Whether the user chose it; until then the format list shows the first format unchosen.
    bool IsFormatChosen() const { return !m_format.isEmpty(); }
    // `extension` in any letter case; false, with nothing changed, for a format not written.
    bool ChooseFormat(const QString &extension);

    // The quality of the current format, 1 to 100.
    int Quality() const;
    void SetQuality(int quality);
    // The folder last written to in the current format, else the folder of the last
    // conversion into any format; empty before the first.
    QString Folder() const;
    void SetFolder(const QString &folder);

private:
    AppSettings *m_settings = nullptr;
    QString m_format; // empty until chosen
    QHash<QString, int> m_quality;
    QHash<QString, QString> m_folder;
    QString m_lastFolder;
};

} // namespace lumaskin
