// A skin switch's work on the main window, per bundled skin: extract the package into a fresh
// working folder, load the skin (background, shape, every control, the notifier's bitmap)
// and delete the folder again. "load" is that work alone; "switch" is the whole change as
// the skin menu runs it (hide, load, show) with the events it posts handled, so the first
// paint of the new skin is counted too. Runs on Qt's offscreen platform unless another is
// set; the medians are compared with the 300 ms target at the end.
#include "app/main_dialog.h"
#include "notifier/task_bar_window.h"

#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

using lumaskin::MainDialog;
using lumaskin::SkinSwitcher;

constexpr double kTargetMs = 300;

// Any question or report would be a failed package; the benchmark stops on it.
class CountingMessageBoxes : public lumaskin::MessageBoxes
{
public:
    lumaskin::MessageAnswer Show(const QString &, lumaskin::MessageButtons buttons,
                                 lumaskin::MessageIcon) override
    {
        ++shown;
        return buttons == lumaskin::MessageButtons::YesNo ? lumaskin::MessageAnswer::No
                                                          : lumaskin::MessageAnswer::Ok;
    }
    int shown = 0;
};

struct Window
{
    CountingMessageBoxes messages;
    lumaskin::QtMainDialogPrompts prompts{nullptr};
    MainDialog dialog{messages, prompts};

    Window()
    {
        dialog.SetTaskBarPopup(std::make_unique<lumaskin::TaskBarWindow>());
        dialog.SetPackageFolder(QStringLiteral(LUMASKIN_SKINS_DIR));
        dialog.OnInitDialog(QStringLiteral(LUMASKIN_SKINS_DIR));
        dialog.show();
        QCoreApplication::processEvents();
    }
};

// Made in main once the application exists, and gone before it is.
std::unique_ptr<Window> g_window;

Window &TheWindow()
{
    return *g_window;
}

void LoadPackage(benchmark::State &state, int skin)
{
    Window &window = TheWindow();
    const QString package =
        QStringLiteral(LUMASKIN_SKINS_DIR "/") +
        QLatin1String(SkinSwitcher::kSkinCommands[static_cast<std::size_t>(skin)].packageFile);
    for (auto _ : state) {
        window.dialog.LoadSkinPackage(package);
        // The previous skin's controls go as soon as the event loop runs, here at once.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (window.messages.shown > 0 || window.dialog.BackgroundBitmap().isNull())
        state.SkipWithError("the package did not load");
}

void SwitchSkin(benchmark::State &state, int skin)
{
    Window &window = TheWindow();
    for (auto _ : state) {
        window.dialog.OnChangeSkin(SkinSwitcher::kFirstSkinCommand + skin);
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    if (window.messages.shown > 0 || window.dialog.BackgroundBitmap().isNull())
        state.SkipWithError("the package did not load");
}

// The console report, then every median against the target.
class TargetReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs)
            if (run.aggregate_name == "median" && !run.error_occurred)
                m_medians.push_back(
                    {run.run_name.str(), run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()});
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        std::printf("\nmedians against the %.0f ms target (below 1 is within it; processor "
                    "time is steadier on a busy machine):\n",
                    kTargetMs);
        for (const Median &median : m_medians)
            std::printf("  %-40s wall %6.1f ms  ratio %.2f   processor %6.1f ms  ratio %.2f\n",
                        median.name.c_str(), median.realMs, median.realMs / kTargetMs, median.cpuMs,
                        median.cpuMs / kTargetMs);
    }

private:
    struct Median
    {
        std::string name;
        double realMs;
        double cpuMs;
    };
    std::vector<Median> m_medians;
};

// The offscreen platform cannot shape or raise windows and says so at every skin load.
void QuietOffscreenWarnings(QtMsgType type, const QMessageLogContext &, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        std::fprintf(stderr, "%s\n", qPrintable(text));
    if (type == QtFatalMsg)
        std::abort();
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qInstallMessageHandler(QuietOffscreenWarnings);
    QApplication app(argc, argv);
    for (int skin = 0; skin < static_cast<int>(SkinSwitcher::kSkinCommands.size()); ++skin) {
        std::string name = SkinSwitcher::kSkinCommands[static_cast<std::size_t>(skin)].packageFile;
        name = name.substr(0, name.find('.'));
        for (auto [kind, function] : {std::pair{"load/", &LoadPackage}, {"switch/", &SwitchSkin}})
            benchmark::RegisterBenchmark((kind + name).c_str(), function, skin)
                ->Unit(benchmark::kMillisecond)
                ->Iterations(5)
                ->Repetitions(5)
                ->ReportAggregatesOnly(true);
    }
    benchmark::Initialize(&argc, argv);
    g_window = std::make_unique<Window>();
    TargetReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    g_window.reset();
    return 0;
}
