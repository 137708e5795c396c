#pragma once

#include <QApplication>
#include <QStringList>

namespace lumaskin {

// The program's application object. It holds no state of its own: it runs the main window
// until it closes and hands back the process's exit status.
class MainApplication : public QApplication
{
    Q_OBJECT

public:
    MainApplication(int &argc, char **argv);

    // Builds the main window with its notifier, loads the skin worn last time (or the
    // start-up skin) from the skin folders, puts `files` (pictures and folders) into the list
    // and runs the window until it is closed. Ends at once, after saying where it looked, when
    // no skin package is found anywhere.
    int Run(const QStringList &files = {});

    // The skin folder of the installation this program belongs to (share/lumaskin/skins
    // beside its bin folder).
    static QString InstalledSkinsFolder();
};

} // namespace lumaskin
