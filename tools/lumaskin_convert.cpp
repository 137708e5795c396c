// lumaskin-convert: Lumaskin's image engine without a window.
#include "engine/codecs/codec_modules.h"
#include "engine/console_output.h"
#include "engine/convert_options.h"
#include "engine/file_name.h"
#include "engine/preset_file.h"
#include "engine/steps/text_mark.h"
#include "engine/translations.h"
#include "tools/convert_sources.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

using namespace lumaskin;

namespace {

void printRaw(const char *text)
{
    const std::lock_guard lock(ConsoleMutex());
    std::fputs(text, stderr);
}

void printLine(FILE *stream, const QString &line)
{
    const std::lock_guard lock(ConsoleMutex());
    const QByteArray bytes = line.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fputc('\n', stream);
}

// Set by SIGINT, SIGTERM or SIGHUP: the files in hand are finished, no more are started, and
// nothing half-written is left behind; a second signal ends the program at once.
std::atomic<bool> g_stop{false};
volatile std::sig_atomic_t g_stopSignal = 0;

void onStopSignal(int signal)
{
    g_stopSignal = signal;
    g_stop.store(true);
}

// After every other clean-up at exit (registered before any of them): a stopped run ends the
// way the signal would have ended it, so that a shell or a job runner sees it was stopped.
void endAsStopped()
{
    if (g_stopSignal == 0)
        return;
    struct sigaction plain = {};
    plain.sa_handler = SIG_DFL;
    sigemptyset(&plain.sa_mask);
    ::sigaction(g_stopSignal, &plain, nullptr);
    ::raise(g_stopSignal);
}

void stopOnSignals()
{
    std::atexit(endAsStopped);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        struct sigaction current = {};
        // A signal ignored by whoever started the program (a background job) stays ignored.
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler == SIG_IGN)
            continue;
        struct sigaction action = {};
        action.sa_handler = onStopSignal;
        action.sa_flags = SA_RESETHAND;
        sigemptyset(&action.sa_mask);
        ::sigaction(signal, &action, nullptr);
    }
}

// --list: the pictures the sources stand for, as bytes, for another program to share out.
int listPictures(const ConvertOptions &options, const QStringList &paths)
{
    const ConvertSources sources =
        GatherSources(paths, SourceRules{options.recursive, false, QString()});
    int failures = static_cast<int>(sources.problems.size());
    for (const QString &problem : sources.problems)
        printLine(stderr, QStringLiteral("lumaskin-convert: ") + problem);
    const char end = options.nul ? '\0' : '\n';
    for (const QString &file : sources.files) {
        const QByteArray bytes = NativeFileName(file);
        // What a conversion would refuse at once is not handed on.
        struct stat info = {};
        if (::stat(bytes.constData(), &info) != 0 || S_ISDIR(info.st_mode)) {
            const int code = errno;
            ++failures;
            printLine(stderr,
                      QStringLiteral("lumaskin-convert: %1: %2")
                          .arg(QuotedFileName(file),
                               S_ISDIR(info.st_mode)
                                   ? QCoreApplication::translate("LumaskinConvert",
                                                                 "a folder (-r takes its pictures)")
                                   : QString::fromLocal8Bit(std::strerror(code))));
            continue;
        }
        if (!options.nul && bytes.contains('\n')) {
            ++failures;
            printLine(stderr,
                      QCoreApplication::translate(
                          "LumaskinConvert", "lumaskin-convert: %1: the name holds a line break; "
                                             "list it with -0")
                          .arg(QuotedFileName(file)));
            continue;
        }
        std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stdout);
        std::fputc(end, stdout);
    }
    if (std::fflush(stdout) != 0 || std::ferror(stdout)) {
        printLine(stderr, QCoreApplication::translate("LumaskinConvert",
                                                      "lumaskin-convert: cannot write the list"));
        return 1;
    }
    return failures > 0 ? 1 : 0;
}

} // namespace

int main(int argc, char **argv)
{
    // Before any thread: it sets an environment variable.
    UseOwnImageMagickLimits();
    // File names are bytes: taken from argv as they are, not through a decoding that would
    // lose names that are not UTF-8.
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << FileNameFromNative(argv[i]);
    // A plain application object from the start, so that --help and every message are in the
    // language of the environment; text marks replace it below.
    std::unique_ptr<QCoreApplication> app = std::make_unique<QCoreApplication>(argc, argv);
    InstallTranslations();
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
    if (!options->savePreset.isEmpty()) {
        if (!WritePreset(options->savePreset, options->given, &error)) {
            printLine(stderr, QStringLiteral("lumaskin-convert: ") + error);
            return 2;
        }
        printLine(stderr, QCoreApplication::translate("LumaskinConvert",
                                                      "lumaskin-convert: preset saved as %1")
                              .arg(QuotedFileName(options->savePreset)));
        if (options->request.sources.isEmpty() && options->fileLists.isEmpty())
            return 0;
    }
    // No GUI application: PDF pages are painted without a screen or fonts, and the platform
    // plugin and font configuration would take longer to start than a JPEG takes to convert.
    // Text marks need fonts, and so a GUI application, though on no screen; only they load it.
    if (StepsDrawText(options->request.steps)) {
        app.reset();
        app.reset(MakeTextApplication(argc, argv, &error));
        if (!app) {
            printLine(stderr, QStringLiteral("lumaskin-convert: ") + error);
            return 2;
        }
        InstallTranslations();
    }
    QCoreApplication::setApplicationName(QStringLiteral("lumaskin-convert"));

    ConversionRequest request = options->request;
    for (const QString &list : options->fileLists) {
        if (!ReadFileList(list, options->nul, &request.sources, &error)) {
            printLine(stderr, QStringLiteral("lumaskin-convert: ") + error);
            return 2;
        }
    }
    if (options->listOnly)
        return listPictures(*options, request.sources);
    struct stat folder = {};
    const bool exists = ::stat(NativeFileName(request.folder).constData(), &folder) == 0;
    if (request.place == TargetPlace::Folder && (!exists || !S_ISDIR(folder.st_mode))) {
        printLine(
            stderr,
            exists ? QCoreApplication::translate(
                         "LumaskinConvert", "lumaskin-convert: the output folder %1 is a file, "
                                            "not a folder")
                         .arg(QuotedFileName(request.folder))
                   : QCoreApplication::translate("LumaskinConvert",
                                                 "lumaskin-convert: the output folder %1 does not "
                                                 "exist")
                         .arg(QuotedFileName(request.folder)));
        return 2;
    }

    ConvertSources sources = GatherSources(
        request.sources, SourceRules{options->recursive, options->parents, request.folder});
    int failures = static_cast<int>(sources.problems.size());
    for (const QString &problem : sources.problems)
        printLine(stderr, QStringLiteral("lumaskin-convert: ") + problem);
    request.sources = std::move(sources.files);
    request.names = std::move(sources.names);
    if (request.sources.isEmpty())
        return failures > 0 ? 1 : 0;

    const bool showProgress = isatty(STDERR_FILENO);
    std::pair<int, QString> lastFailure{-1, QString()};
    static_assert(std::atomic<bool>::is_always_lock_free);
    stopOnSignals();
    const auto outcomes = BatchConversion::Run(
        request,
        [&](int finished, int total, const ConversionOutcome &outcome) {
            if (showProgress)
                printRaw("\r\033[K");
            // A picture that cannot be read fails each of its outputs; it is told once.
            const bool toldAlready = outcome.output > 0 && outcome.row == lastFailure.first &&
                                     outcome.error == lastFailure.second;
            if (!outcome.written && !outcome.skipped && !toldAlready) {
                lastFailure = {outcome.row, outcome.error};
                ++failures;
                // Quoted, so that no file name can break the line or pass for another one.
                printLine(stderr, QStringLiteral("lumaskin-convert: %1: %2")
                                      .arg(QuotedFileName(outcome.FailedFile()), outcome.error));
            } else if (outcome.written && outcome.renamed) {
                printLine(stderr,
                          QCoreApplication::translate("LumaskinConvert",
                                                      "lumaskin-convert: %1 written as %2 (%3)")
                              .arg(QuotedFileName(outcome.source), QuotedFileName(outcome.target),
                                   DescribeReason(outcome.reason)));
            }
            if (showProgress) {
                const QString line = QStringLiteral("[%1/%2] %3")
                                         .arg(finished)
                                         .arg(total)
                                         .arg(QuotedFileName(QFileInfo(outcome.target).fileName()));
                const std::lock_guard lock(ConsoleMutex());
                std::fputs(line.toLocal8Bit().constData(), stderr);
                std::fflush(stderr);
            }
        },
        &g_stop);
    if (showProgress)
        printRaw("\r\033[K");
    const auto count = [&](auto test) {
        return std::count_if(outcomes.begin(), outcomes.end(), test);
    };
    const auto written = count([](const ConversionOutcome &o) { return o.written; });
    const auto skipped = count([](const ConversionOutcome &o) { return o.skipped; });
    const auto renamed = count([](const ConversionOutcome &o) { return o.written && o.renamed; });
    if (g_stop.load()) {
        const auto left = count(
            [](const ConversionOutcome &o) { return !o.started && !o.skipped && !o.refused; });
        printLine(stderr,
                  QCoreApplication::translate(
                      "LumaskinConvert", "lumaskin-convert: stopped: %1 written, %2 not converted; "
                                         "the same command with --if-exists=skip does the rest")
                      .arg(written)
                      .arg(left));
        return 1; // the signal itself ends the program at exit
    }
    // A plain run stays quiet; anything a script should know about gets a count.
    if (failures > 0 || skipped > 0 || renamed > 0) {
        QString summary =
            QCoreApplication::translate("LumaskinConvert",
                                        "lumaskin-convert: %1 written, %2 skipped, %3 renamed")
                .arg(written)
                .arg(skipped)
                .arg(renamed);
        if (failures > 0)
            summary += QCoreApplication::translate("LumaskinConvert", "; %1 of %2 file(s) failed")
                           .arg(failures)
                           .arg(outcomes.size() + sources.problems.size());
        printLine(stderr, summary);
    }
    return failures > 0 ? 1 : 0;
}
