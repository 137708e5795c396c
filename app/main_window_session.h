#pragma once

#include <QObject>
#include <QString>

namespace lumaskin {

class AppSettings;
class MainDialog;

// Brings back what the user had when the program last ran, and keeps it: the skin and whether
// notes come up at skin loads (written at every change), the conversion's choices (format, and quality and folder for each format,
// written at every change), the window's position.
class MainWindowSession : public QObject
{
    Q_OBJECT

public:
    MainWindowSession(MainDialog &dialog, AppSettings &settings);

    // Brings back the conversion's choices and puts the window where it stood, as long as
    // that place is still on a screen.
    void Restore();
    // Writes the skin and the window's position.
    void Save();

private:
    MainDialog &m_dialog;
    AppSettings &m_settings;
};

} // namespace lumaskin
