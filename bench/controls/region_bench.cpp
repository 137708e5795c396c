// The window shape of a skin background: RegionFromBitmap (runs of kept pixels per row,
// coalesced into bands) against the straightforward method, one region exclusive-or per
// key-coloured pixel. Both must give the same region; the ratio of their times is printed
// at the end.
#include "controls/bitmap_helpers.h"

#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <benchmark/benchmark.h>
#include <iostream>
#include <map>
#include <string>

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;
const QColor kKey(255, 0, 255);

// A skin-like background: a frame of key-coloured pixels around a window with rounded
// corners, and a few key-coloured holes inside, as skins cut out their decorations.
const QImage &Background()
{
    static const QImage image = [] {
        QImage result(kWidth, kHeight, QImage::Format_RGB32);
        result.fill(kKey);
        QPainter painter(&result);
        QPainterPath window;
        window.addRoundedRect(QRectF(12, 12, kWidth - 24, kHeight - 24), 40, 40);
        painter.fillPath(window, QColor(90, 60, 140));
        painter.setBrush(kKey);
        painter.setPen(Qt::NoPen);
        for (int i = 0; i < 6; ++i)
            painter.drawEllipse(QPoint(200 + i * 230, 60), 18, 18);
        return result;
    }();
    return image;
}

QRegion PerPixelRegion(const QImage &image)
{
    const int width = image.width() - image.width() % 4;
    QRegion region(0, 0, width, image.height());
    const QRgb key = kKey.rgb() & 0xFFFFFF;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < width; ++x)
            if ((line[x] & 0xFFFFFF) == key)
                region ^= QRegion(x, y, 1, 1);
    }
    return region;
}

void RegionFromRuns(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(lumaskin::RegionFromBitmap(Background(), 255, 0, 255));
}
BENCHMARK(RegionFromRuns)->Unit(benchmark::kMillisecond);

void RegionPerPixelXor(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(PerPixelRegion(Background()));
}
// One region operation per key pixel is slow; a few iterations are enough.
BENCHMARK(RegionPerPixelXor)->Unit(benchmark::kMillisecond)->Iterations(3);

// Keeps each benchmark's time per iteration for the ratio.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs)
            if (run.run_type == Run::RT_Iteration)
                times[run.benchmark_name()] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
        ConsoleReporter::ReportRuns(runs);
    }
    struct Times
    {
        double real = 0;
        double cpu = 0;
    };
    std::map<std::string, Times> times;
};

} // namespace

int main(int argc, char **argv)
{
    const auto fast = lumaskin::RegionFromBitmap(Background(), 255, 0, 255);
    const QRegion slow = PerPixelRegion(Background());
    const bool same = fast && *fast == slow && fast->xored(slow).isEmpty();
    int keyPixels = 0;
    for (int y = 0; y < kHeight; ++y)
        for (int x = 0; x < kWidth; ++x)
            keyPixels += (Background().pixel(x, y) & 0xFFFFFF) == (kKey.rgb() & 0xFFFFFF);
    std::cout << "background " << kWidth << " x " << kHeight << ", " << keyPixels
              << " key-coloured pixels, region of " << (fast ? fast->rectCount() : 0)
              << " rectangles\nsame region as the per-pixel method: " << (same ? "yes" : "NO")
              << std::endl;

    benchmark::Initialize(&argc, argv);
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto runs = reporter.times.find("RegionFromRuns");
    const auto perPixel = reporter.times.find("RegionPerPixelXor/iterations:3");
    if (runs != reporter.times.end() && perPixel != reporter.times.end() && runs->second.real > 0 &&
        runs->second.cpu > 0) {
        std::cout << "RegionFromBitmap against one region op per key pixel: "
                  << perPixel->second.real / runs->second.real << " times faster (wall clock), "
                  << perPixel->second.cpu / runs->second.cpu << " times faster (CPU time)\n";
    }
    return same ? 0 : 1;
}
