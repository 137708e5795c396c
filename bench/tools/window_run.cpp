#include "bench/tools/window_run.h"

#include "app/conversion_progress.h"
#include "app/main_dialog.h"
#include "bench/tools/memory_trend.h"
#include "bench/tools/png_check.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_list_box.h"
#include "engine/batch_conversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <cstdio>

namespace lumaskin::bench {

namespace {

constexpr int kPngRow = 13;
constexpr int kTrendWindow = 20;
constexpr int kTimeoutMs = 30 * 60 * 1000;

class RecordingMessages : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon) override
    {
        shown << text;
        return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
    QStringList shown;
};

class ScriptedPrompts : public MainDialogPrompts
{
public:
    QStringList OpenFiles(const QString &) override { return files; }
    QString SaveFile(const QString &) override { return {}; }
    QString Folder(const QString &, const QString &) override { return folder; }
    QStringList files;
    QString folder;
};

int Fail(const QString &why)
{
    std::fprintf(stderr, "window run: %s\n", qPrintable(why));
    return 1;
}

double MiB(double kib)
{
    return kib / 1024.0;
}

} // namespace

int RunThroughWindow(const WindowRunOptions &options)
{
    RecordingMessages messages;
    ScriptedPrompts prompts;
    MainDialog dialog(messages, prompts);
    dialog.SetConversionJobs(options.jobs);
    dialog.OnInitDialog(options.skinsFolder.endsWith(u'/') ? options.skinsFolder
                                                           : options.skinsFolder + u'/');
    if (!messages.shown.isEmpty() || !dialog.FileList() || dialog.ComboBoxes().empty() ||
        dialog.EditBoxes().empty())
        return Fail(QStringLiteral("the skin in %1 did not load: %2")
                        .arg(options.skinsFolder, messages.shown.join(u' ')));
    dialog.show();
    QCoreApplication::processEvents();

    prompts.files = options.sources;
    dialog.OnControlClicked("BUTTON_ADD");
    if (dialog.FileList()->RowCount() != options.sources.size())
        return Fail(QStringLiteral("the list has %1 rows for %2 files")
                        .arg(dialog.FileList()->RowCount())
                        .arg(options.sources.size()));

    dialog.ComboBoxes().front()->SelectRow(kPngRow);
    if (MainDialog::ExtensionForSelection(dialog.FormatSelectionMark()) != u"png")
        return Fail(QStringLiteral("PNG could not be chosen in the format list"));

    // The values go in through the edit boxes and "Ok", the marks through "Change", as a
    // person sets them; each "Change" also applies to the picture shown.
    EffectDialogOne &one = dialog.EffectOne();
    one.Edit("editSaturation")->setText(QString::number(options.saturation));
    one.Edit("editContrast")->setText(QString::number(options.contrast));
    one.OkButton()->click();
    one.ChangeButton("Saturation")->click();
    one.ChangeButton("Contrast")->click();
    if (one.Value("editSaturation") != options.saturation ||
        one.Value("editContrast") != options.contrast || !one.IsApplied("Saturation") ||
        !one.IsApplied("Contrast"))
        return Fail(QStringLiteral("the effect window did not take saturation %1 and contrast %2")
                        .arg(options.saturation)
                        .arg(options.contrast));
    QCoreApplication::processEvents();

    prompts.folder = options.outputFolder;
    const std::int64_t before = CurrentRssKiB();
    std::vector<std::int64_t> samples;
    samples.reserve(static_cast<std::size_t>(options.sources.size()));
    QElapsedTimer clock;
    clock.start();
    dialog.OnControlClicked("BUTTON_CONVERT");
    if (!dialog.IsConverting())
        return Fail(
            QStringLiteral("the conversion did not start: %1").arg(messages.shown.join(u' ')));

    // One sample per finished file; files that finish between two looks share a sample.
    QEventLoop loop;
    QTimer poll;
    poll.setInterval(2);
    const auto look = [&] {
        // Once the run has ended its pictures are gone: a count seen then is not sampled.
        if (!dialog.IsConverting())
            return;
        const int finished = dialog.Progress()->Finished();
        if (finished > static_cast<int>(samples.size())) {
            const std::int64_t rss = CurrentRssKiB();
            samples.resize(static_cast<std::size_t>(finished), rss);
        }
    };
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        look();
        if (!dialog.IsConverting())
            loop.quit();
    });
    QTimer::singleShot(kTimeoutMs, &loop, [&] {
        dialog.CancelConversion();
        loop.quit();
    });
    poll.start();
    loop.exec();
    poll.stop();
    if (dialog.IsConverting()) {
        while (dialog.IsConverting())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        return Fail(
            QStringLiteral("the conversion did not end within %1 minutes").arg(kTimeoutMs / 60000));
    }
    const double seconds = static_cast<double>(clock.nsecsElapsed()) / 1e9;
    // The last files' reports can arrive together with the end of the run, when the pictures
    // in hand are gone already: they take the last sample seen while converting.
    const std::int64_t after = CurrentRssKiB();
    samples.resize(static_cast<std::size_t>(options.sources.size()),
                   samples.empty() ? after : samples.back());

    int whole = 0;
    QStringList broken;
    for (const QString &source : options.sources) {
        const QString target =
            ConversionTarget(options.outputFolder, source) + QStringLiteral(".png");
        QString error;
        if (CheckPngFile(target, options.width, options.height, &error))
            ++whole;
        else
            broken << error;
    }
    const MemoryTrend trend = SummariseMemory(samples, kTrendWindow);
    const int total = static_cast<int>(options.sources.size());

    const int window = std::min(kTrendWindow, total);
    std::printf("| files | written whole | wall s | s per file | RSS before MiB | "
                "peak RSS MiB | mean RSS files 1-%d MiB | mean RSS files %d-%d MiB | change |\n",
                window, total - window + 1, total);
    std::printf("|---|---|---|---|---|---|---|---|---|\n");
    std::printf("| %d | %d | %.1f | %.3f | %.0f | %.0f | %.0f | %.0f | %+.1f MiB (%+.1f %%) |\n",
                total, whole, seconds, seconds / total, MiB(static_cast<double>(before)),
                MiB(static_cast<double>(PeakRssKiB())), MiB(trend.firstMeanKiB),
                MiB(trend.lastMeanKiB), MiB(trend.GrowthKiB()), 100.0 * trend.GrowthShare());
    std::printf("\nRSS after every %dth file (MiB):", kTrendWindow);
    for (int i = kTrendWindow; i <= total; i += kTrendWindow)
        std::printf(" %.0f", MiB(static_cast<double>(samples[static_cast<std::size_t>(i - 1)])));
    std::printf("\nRSS after the run, window still open: %.0f MiB\n",
                MiB(static_cast<double>(after)));
    std::printf("Report shown: \"%s\"\n", qPrintable(messages.shown.join(QStringLiteral(" / "))));

    bool ok = true;
    if (whole != total) {
        ok = false;
        for (const QString &error : broken.mid(0, 10))
            std::fprintf(stderr, "window run: %s\n", qPrintable(error));
    }
    if (messages.shown != QStringList{QStringLiteral("Convert Completed!")}) {
        ok = false;
        std::fprintf(stderr, "window run: the report was not \"Convert Completed!\"\n");
    }
    // Flat: the last files take no more than a tenth more than the first ones.
    const bool flat = trend.IsFlat(0.10);
    std::printf("Memory %s\n", flat ? "stays flat" : "GROWS over the run");
    std::fflush(stdout);
    return ok && flat ? 0 : 1;
}

} // namespace lumaskin::bench
