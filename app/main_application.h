#pragma once

#include <QApplication>

namespace lumaskin {

// The program's application object. It holds no state of its own: it runs the main window
// until it closes and hands back the process's exit status.
class MainApplication : public QApplication
{
    Q_OBJECT

public:
    MainApplication(int &argc, char **argv);

    // Builds the main window with its notifier, loads the start-up skin from the folder the
    // program was started in and runs the window until it is closed.
    int Run();
};

} // namespace lumaskin
