// lumaskin_convbench: the in-process halves of the conversion benchmarks. convbench.py runs it
// beside lumaskin-convert and the peers and prints the tables.
//
//   lumaskin_convbench photos CACHE COUNT
//       makes the shared photos where missing and prints their paths, one a line
//   lumaskin_convbench engine one-by-one|parallel OUT --effect E... FILE...
//       converts FILE... to PNG in OUT through the engine the main window uses: one-by-one is
//       one file after another on this (the main) thread with every effect on it alone;
//       parallel is one file per core, as the window converts
//   lumaskin_convbench window SKINS OUT FILE...
//       converts FILE... through the main window, headless, and prints time and memory trend
#include "bench/tools/photo_set.h"
#include "bench/tools/window_run.h"
#include "engine/batch_conversion.h"
#include "engine/parallel.h"
#include "engine/convert_options.h"

#include <QApplication>
#include <QElapsedTimer>
#include <cstdio>
#include <cstring>
#include <optional>

using namespace lumaskin;

namespace {

int Usage()
{
    std::fputs("usage: lumaskin_convbench photos CACHE COUNT\n"
               "       lumaskin_convbench engine one-by-one|parallel OUT [--effect E]... FILE...\n"
               "       lumaskin_convbench window SKINS OUT [--saturation N] [--contrast N] "
               "FILE...\n",
               stderr);
    return 2;
}

int MakePhotos(const QStringList &arguments)
{
    bool ok = false;
    const int count = arguments.value(1).toInt(&ok);
    if (arguments.size() != 2 || !ok || count < 1)
        return Usage();
    QString error;
    const QStringList paths = bench::EnsurePhotoSet(arguments[0], count, {}, &error);
    if (paths.isEmpty()) {
        std::fprintf(stderr, "lumaskin_convbench: %s\n", qPrintable(error));
        return 1;
    }
    for (const QString &path : paths)
        std::printf("%s\n", qPrintable(path));
    return 0;
}

int ConvertWithEngine(QStringList arguments)
{
    if (arguments.size() < 3)
        return Usage();
    const QString mode = arguments.takeFirst();
    if (mode != u"one-by-one" && mode != u"parallel")
        return Usage();
    ConversionRequest request;
    request.folder = arguments.takeFirst();
    request.format = QStringLiteral("png");
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        if (argument == u"--effect" && !arguments.isEmpty()) {
            QString error;
            const auto step = EffectStep::Parse(arguments.takeFirst(), &error);
            if (!step) {
                std::fprintf(stderr, "lumaskin_convbench: %s\n", qPrintable(error));
                return 2;
            }
            request.steps.push_back(*step);
        } else {
            request.sources << argument;
        }
    }
    if (request.sources.isEmpty())
        return Usage();

    QElapsedTimer clock;
    clock.start();
    std::vector<ConversionOutcome> outcomes;
    if (mode == u"one-by-one") {
        // As the program once converted: on the calling thread, nothing in parallel inside.
        const ParallelismLimit single(1);
        request.jobs = 1;
        outcomes = BatchConversion::Run(request);
    } else {
        request.jobs = 0;
        outcomes = BatchConversion::Run(request);
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    int failed = 0;
    for (const ConversionOutcome &outcome : outcomes)
        if (!outcome.written) {
            ++failed;
            std::fprintf(stderr, "lumaskin_convbench: %s: %s\n", qPrintable(outcome.source),
                         qPrintable(outcome.error));
        }
    std::printf("%s: %lld files in %.2f s\n", qPrintable(mode),
                static_cast<long long>(outcomes.size()), seconds);
    return failed == 0 ? 0 : 1;
}

int ConvertThroughWindow(QStringList arguments)
{
    if (arguments.size() < 3)
        return Usage();
    bench::WindowRunOptions options;
    options.skinsFolder = arguments.takeFirst();
    options.outputFolder = arguments.takeFirst();
    while (!arguments.isEmpty()) {
        const QString argument = arguments.takeFirst();
        bool ok = true;
        if (argument == u"--saturation" && !arguments.isEmpty())
            options.saturation = arguments.takeFirst().toInt(&ok);
        else if (argument == u"--contrast" && !arguments.isEmpty())
            options.contrast = arguments.takeFirst().toInt(&ok);
        else
            options.sources << argument;
        if (!ok)
            return Usage();
    }
    if (options.sources.isEmpty())
        return Usage();
    return bench::RunThroughWindow(options);
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 2)
        return Usage();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const bool window = std::strcmp(argv[1], "window") == 0;
    // The window needs widgets; the engine needs no more than lumaskin-convert has.
    std::optional<QApplication> widgets;
    std::optional<QGuiApplication> gui;
    if (window)
        widgets.emplace(argc, argv);
    else
        gui.emplace(argc, argv);
    QStringList arguments = QCoreApplication::arguments().mid(2);
    if (std::strcmp(argv[1], "photos") == 0)
        return MakePhotos(arguments);
    if (std::strcmp(argv[1], "engine") == 0)
        return ConvertWithEngine(arguments);
    if (window)
        return ConvertThroughWindow(arguments);
    return Usage();
}
