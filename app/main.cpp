// Lumaskin's entry point: the skinned main window, run until it is closed.
#include "app/main_dialog.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumaskin"));
    QApplication::setApplicationVersion(QStringLiteral(LUMASKIN_VERSION));

    // Skin packages are read from the folder the program was started in.
    const QString packageFolder = QDir::currentPath();

    lumaskin::MainDialog dialog;
    dialog.OnInitDialog(packageFolder);
    dialog.exec();
    return 0;
}
