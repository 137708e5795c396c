// Lumaskin's entry point: the skinned main window, run until it is closed.
#include "app/command_line.h"
#include "app/main_application.h"
#include "engine/codecs/codec_modules.h"
#include "engine/file_name.h"
#include "engine/translations.h"
#include "menu/menu_styler.h"

#include <QCoreApplication>
#include <cstdio>

namespace {

void Print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

int main(int argc, char **argv)
{
    // Before any thread: it sets an environment variable.
    lumaskin::UseOwnImageMagickLimits();
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Answered before Qt looks for a window system, so they work without one.
    if (lumaskin::AsksForHelpOrVersion(arguments)) {
        // An application object only for the texts' language; no window system is asked.
        QCoreApplication texts(argc, argv);
        lumaskin::InstallTranslations();
        const lumaskin::CommandLine line = lumaskin::ParseCommandLine(arguments);
        Print(stdout, line.help ? lumaskin::CommandLineHelp() : lumaskin::VersionText());
        return 0;
    }
    // Without one, Qt would abort with a core dump.
    if (!lumaskin::DisplayAvailable(arguments)) {
        QCoreApplication texts(argc, argv);
        lumaskin::InstallTranslations();
        Print(stderr, QCoreApplication::translate("main", "lumaskin: no display to open the window "
                                                          "on (DISPLAY and WAYLAND_DISPLAY are "
                                                          "not set)\n"));
        return 1;
    }

    lumaskin::MainApplication app(argc, argv);
    lumaskin::InstallTranslations();
    // QApplication has taken out its own options by now. File names are bytes, taken as they
    // are rather than through Qt's decoding, which would lose those that are not UTF-8.
    QStringList remaining;
    for (int i = 1; i < argc; ++i)
        remaining << lumaskin::FileNameFromNative(argv[i]);
    const lumaskin::CommandLine line = lumaskin::ParseCommandLine(remaining);
    if (!line.error.isEmpty()) {
        Print(stderr, QStringLiteral("lumaskin: %1\n").arg(line.error));
        return 2;
    }
    // Every popup menu gets the program's frame and shadow, from before the main window
    // exists until the program ends.
    const auto menuStyling = lumaskin::MenuStyler::Install();
    return app.Run(line.files);
}
