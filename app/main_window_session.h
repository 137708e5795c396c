#pragma once

#include <QObject>
#include <QString>

namespace lumaskin {

class AppSettings;
class MainDialog;

// Brings back what the user had when the program last ran, and keeps it: the skin (written
// at every change), the output format (kept across skin changes as well), the window's
// position.
class MainWindowSession : public QObject
{
    Q_OBJECT

public:
    MainWindowSession(MainDialog &dialog, AppSettings &settings);

    // Chooses the remembered output format and puts the window where it stood, as long as
    // that place is still on a screen.
    void Restore();
    // Writes the skin, the output format and the window's position.
    void Save();

    // The output format chosen in the format list ("PNG"); empty when none is.
    static QString ChosenFormat(const MainDialog &dialog);
    // Chooses `format` in the format list, as a click on its row does. False when the list
    // has no such row.
    static bool ChooseFormat(MainDialog &dialog, const QString &format);

private:
    MainDialog &m_dialog;
    AppSettings &m_settings;
    // The format chosen before a skin change, chosen again in the new skin's list.
    QString m_formatBeforeChange;
};

} // namespace lumaskin
