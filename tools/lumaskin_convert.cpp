// lumaskin-convert: Lumaskin's image engine without a window.
#include "tools/convert_options.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <cstdio>
#include <unistd.h>

using namespace lumaskin;

namespace {

void printLine(FILE *stream, const QString &line)
{
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

} // namespace

int main(int argc, char **argv)
{
    // PDF output paints through Qt, which needs a GUI application but never a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("lumaskin-convert"));

    QStringList arguments = QGuiApplication::arguments();
    arguments.removeFirst();
    QString error;
    const auto options = ParseConvertOptions(arguments, &error);
    if (!options) {
        printLine(stderr, QStringLiteral("lumaskin-convert: ") + error);
        return 2;
    }
    if (options->help) {
        std::fputs(ConvertHelpText().toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (options->version) {
        std::fputs("lumaskin-convert " LUMASKIN_VERSION "\n", stdout);
        return 0;
    }
    const ConversionRequest &request = options->request;
    if (!QFileInfo(request.folder).isDir()) {
        printLine(stderr, QStringLiteral("lumaskin-convert: the output folder %1 does not exist")
                              .arg(request.folder));
        return 2;
    }

    const bool showProgress = isatty(STDERR_FILENO);
    int failures = 0;
    const auto outcomes = BatchConversion::Run(
        request, [&](int finished, int total, const ConversionOutcome &outcome) {
            if (showProgress)
                std::fputs("\r\033[K", stderr);
            if (!outcome.written) {
                ++failures;
                printLine(
                    stderr,
                    QStringLiteral("lumaskin-convert: %1: %2").arg(outcome.source, outcome.error));
            }
            if (showProgress) {
                const QString line = QStringLiteral("[%1/%2] %3")
                                         .arg(finished)
                                         .arg(total)
                                         .arg(QFileInfo(outcome.target).fileName());
                std::fputs(line.toLocal8Bit().constData(), stderr);
                std::fflush(stderr);
            }
        });
    if (showProgress)
        std::fputs("\r\033[K", stderr);
    if (failures > 0)
        printLine(stderr, QStringLiteral("lumaskin-convert: %1 of %2 file(s) failed")
                              .arg(failures)
                              .arg(outcomes.size()));
    return failures > 0 ? 1 : 0;
}
