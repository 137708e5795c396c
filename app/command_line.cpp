#include "app/command_line.h"

#include <QCoreApplication>

namespace lumaskin {

CommandLine ParseCommandLine(const QStringList &arguments)
{
    CommandLine line;
    bool onlyFiles = false;
    for (const QString &argument : arguments) {
        if (onlyFiles || !argument.startsWith(u'-') || argument == QLatin1String("-")) {
            line.files << argument;
        } else if (argument == QLatin1String("--")) {
            onlyFiles = true;
        } else if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            line.help = true;
        } else if (argument == QLatin1String("-v") || argument == QLatin1String("--version")) {
            line.version = true;
        } else if (line.error.isEmpty()) {
            line.error =
                QCoreApplication::translate("CommandLine", "unknown option %1 (see --help)")
                    .arg(argument);
        }
    }
    return line;
}

bool AsksForHelpOrVersion(const QStringList &arguments)
{
    const CommandLine line = ParseCommandLine(arguments);
    return line.help || line.version;
}

bool DisplayAvailable(const QStringList &arguments)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || arguments.contains(u"-platform"))
        return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland");
}

QString CommandLineHelp()
{
    return QCoreApplication::translate(
        "CommandLine",
        "Usage: lumaskin [OPTION]... [FILE|FOLDER]...\n"
        "\n"
        "Adjusts, filters and converts pictures in a skinnable window. The pictures named\n"
        "are put into the list (a folder gives the pictures in it) and the last is shown.\n"
        "\n"
        "Options:\n"
        "  -h, --help       show this text and end\n"
        "  -v, --version    show the version and end\n"
        "  --               every argument after it is a file\n"
        "\n"
        "Keys: Ctrl+O adds pictures, Delete removes the selected one, Ctrl+Q or Ctrl+W\n"
        "closes the window. A right click on the window's background changes the skin.\n"
        "\n"
        "Skin packages are read from $XDG_DATA_HOME/lumaskin/skins (where \"Install Skin...\"\n"
        "puts them), then from lumaskin/skins under each of $XDG_DATA_DIRS and the\n"
        "installation's share folder. lumaskin-convert does the same conversions without a\n"
        "window; see lumaskin(1) and lumaskin-convert(1).\n");
}

QString VersionText()
{
    return QStringLiteral("lumaskin %1\n").arg(QStringLiteral(LUMASKIN_VERSION));
}

} // namespace lumaskin
