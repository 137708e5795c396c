#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin {

// The command line of the window program:
//   lumaskin [--help] [--version] [--] [FILE|FOLDER]...
struct CommandLine
{
    bool help = false;
    bool version = false;
    // Pictures and folders to put into the list, as given.
    QStringList files;
    // One line saying what is wrong; empty when nothing is.
    QString error;
};

// Parses the arguments without the program name. Qt's own options (-platform, -display ...)
// must have been taken out already, as QApplication does.
CommandLine ParseCommandLine(const QStringList &arguments);

// True when the arguments ask only for the help or the version, which are answered before
// any window system is needed.
bool AsksForHelpOrVersion(const QStringList &arguments);

// False when no window system can be reached: no platform is named (QT_QPA_PLATFORM or
// -platform) and neither DISPLAY nor WAYLAND_DISPLAY is set, nor is the session Wayland's.
bool DisplayAvailable(const QStringList &arguments);

QString CommandLineHelp();
QString VersionText();

} // namespace lumaskin
