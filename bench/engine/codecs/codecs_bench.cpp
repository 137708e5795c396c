// JPEG and PNG decode and encode on a 12-megapixel photo-like picture, against ImageMagick
// (Magick++, in the same process) and Qt's own image plugins on the same bytes. After the
// Google Benchmark table it prints our time and file size as ratios to each peer.
//
// Peers do the same work: decoders end with an 8-bit RGBA buffer, encoders start from one.
// JPEG is written at quality 90 with 4:2:0 chroma everywhere; PNG with each library's default
// settings, since file size is part of the comparison.
#include "bench/engine/synthetic_photo.h"
#include "engine/codecs/jpeg_encoder.h"
#include "engine/codecs/png_encoder.h"
#include "engine/image_io.h"

#include <Magick++.h>
#include <QBuffer>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>
#include <vector>

namespace {

using lumaskin::Image;

const Image &Photo()
{
    return lumaskin::bench::SyntheticPhoto();
}

std::span<const std::uint8_t> BytesOf(const QByteArray &a)
{
    return {reinterpret_cast<const std::uint8_t *>(a.constData()),
            static_cast<std::size_t>(a.size())};
}

// A drawing: flat fills, anti-aliased shapes and lines, a little text. PNG's other usual kind
// of picture, where filters and match finding matter differently than on photos.
const Image &Drawing()
{
    static const Image picture = [] {
        QImage canvas(4000, 3000, QImage::Format_RGBA8888);
        canvas.fill(Qt::white);
        QPainter painter(&canvas);
        painter.setRenderHint(QPainter::Antialiasing);
        std::uint32_t state = 7;
        auto next = [&](int range) {
            state = state * 1664525u + 1013904223u;
            return static_cast<int>((state >> 8) % static_cast<std::uint32_t>(range));
        };
        for (int i = 0; i < 400; ++i) {
            const QColor colour(next(256), next(256), next(256));
            const QRect box(next(3800), next(2800), 20 + next(600), 20 + next(400));
            painter.setPen(QPen(colour.darker(150), 1 + next(6)));
            painter.setBrush(colour);
            if (i % 3 == 0)
                painter.drawEllipse(box);
            else if (i % 3 == 1)
                painter.drawRect(box);
            else
                painter.drawLine(box.topLeft(), box.bottomRight());
        }
        painter.setPen(Qt::black);
        painter.setFont(QFont(QStringLiteral("Sans"), 28));
        for (int y = 100; y < 3000; y += 300)
            painter.drawText(100, y, QStringLiteral("Lumaskin converts pictures in batches"));
        painter.end();
        return Image::FromQImage(canvas);
    }();
    return picture;
}

const Image &Picture(int kind)
{
    return kind == 0 ? Photo() : Drawing();
}

// Quality as the program writes JPEG files.
constexpr int kJpegQuality = 90;

const QByteArray &JpegFile()
{
    static const QByteArray bytes = [] {
        QByteArray out;
        QString error;
        lumaskin::EncodeJpeg(Photo(), kJpegQuality, out, &error);
        return out;
    }();
    return bytes;
}
const QByteArray &PngFile(int kind = 0)
{
    static const QByteArray bytes[2] = {[] {
                                            QByteArray out;
                                            QString error;
                                            lumaskin::EncodePng(Photo(), out, &error);
                                            return out;
                                        }(),
                                        [] {
                                            QByteArray out;
                                            QString error;
                                            lumaskin::EncodePng(Drawing(), out, &error);
                                            return out;
                                        }()};
    return bytes[kind];
}

void SetBytes(benchmark::State &state, std::size_t size)
{
    state.counters["file_MB"] = static_cast<double>(size) / 1e6;
    state.SetItemsProcessed(state.iterations() * Photo().Width() * Photo().Height());
}

// --- Lumaskin -----------------------------------------------------------------------------

void Lumaskin_DecodeJpeg(benchmark::State &state)
{
    for (auto _ : state) {
        QString error;
        Image image = lumaskin::ReadImageFromMemory(BytesOf(JpegFile()), &error);
        benchmark::DoNotOptimize(image.Row(0));
    }
    SetBytes(state, JpegFile().size());
}

void Lumaskin_DecodePng(benchmark::State &state)
{
    for (auto _ : state) {
        QString error;
        Image image = lumaskin::ReadImageFromMemory(BytesOf(PngFile()), &error);
        benchmark::DoNotOptimize(image.Row(0));
    }
    SetBytes(state, PngFile().size());
}

void Lumaskin_EncodeJpeg(benchmark::State &state)
{
    QByteArray out;
    for (auto _ : state) {
        QString error;
        lumaskin::EncodeJpeg(Photo(), kJpegQuality, out, &error);
    }
    SetBytes(state, out.size());
}

// PNG with explicit zlib settings: level, filter choice, strategy.
void Lumaskin_EncodePng(benchmark::State &state)
{
    const lumaskin::PngSettings settings{static_cast<int>(state.range(1)),
                                         static_cast<int>(state.range(2)),
                                         static_cast<int>(state.range(3))};
    const bool chosen = state.range(1) < 0;
    QByteArray out;
    for (auto _ : state) {
        QString error;
        lumaskin::EncodePng(Picture(static_cast<int>(state.range(0))), out, &error,
                            chosen ? nullptr : &settings);
    }
    SetBytes(state, out.size());
}

// --- ImageMagick ----------------------------------------------------------------------------

Magick::Image MagickPicture(int kind)
{
    const Image &p = Picture(kind);
    std::vector<std::uint8_t> packed(4 * std::size_t(p.Width()) * p.Height());
    for (int y = 0; y < p.Height(); ++y)
        std::memcpy(packed.data() + 4 * std::size_t(p.Width()) * y, p.Row(y),
                    4 * std::size_t(p.Width()));
    Magick::Image image(p.Width(), p.Height(), "RGBA", Magick::CharPixel, packed.data());
    image.matte(false);
    return image;
}

void ExportRgba(Magick::Image &image)
{
    Image out(static_cast<int>(image.columns()), static_cast<int>(image.rows()));
    image.write(0, 0, image.columns(), image.rows(), "RGBA", Magick::CharPixel, out.Row(0));
    benchmark::DoNotOptimize(out.Row(0));
}

void ImageMagick_DecodeJpeg(benchmark::State &state)
{
    const Magick::Blob blob(JpegFile().constData(), JpegFile().size());
    for (auto _ : state) {
        Magick::Image image;
        image.read(blob, "JPEG");
        ExportRgba(image);
    }
    SetBytes(state, JpegFile().size());
}

void ImageMagick_DecodePng(benchmark::State &state)
{
    const Magick::Blob blob(PngFile().constData(), PngFile().size());
    for (auto _ : state) {
        Magick::Image image;
        image.read(blob, "PNG");
        ExportRgba(image);
    }
    SetBytes(state, PngFile().size());
}

void ImageMagick_EncodeJpeg(benchmark::State &state)
{
    std::size_t size = 0;
    for (auto _ : state) {
        Magick::Image image = MagickPicture(0);
        image.quality(kJpegQuality);
        image.defineValue("jpeg", "sampling-factor", "2x2,1x1,1x1");
        Magick::Blob blob;
        image.write(&blob, "JPEG");
        size = blob.length();
    }
    SetBytes(state, size);
}

void ImageMagick_EncodePng(benchmark::State &state)
{
    std::size_t size = 0;
    for (auto _ : state) {
        Magick::Image image = MagickPicture(static_cast<int>(state.range(0)));
        Magick::Blob blob;
        image.write(&blob, "PNG");
        size = blob.length();
    }
    SetBytes(state, size);
}

// --- Qt -------------------------------------------------------------------------------------

void Qt_DecodeJpeg(benchmark::State &state)
{
    for (auto _ : state) {
        QImage image =
            QImage::fromData(JpegFile(), "JPEG").convertToFormat(QImage::Format_RGBA8888);
        benchmark::DoNotOptimize(image.constBits());
    }
    SetBytes(state, JpegFile().size());
}

void Qt_DecodePng(benchmark::State &state)
{
    for (auto _ : state) {
        QImage image = QImage::fromData(PngFile(), "PNG").convertToFormat(QImage::Format_RGBA8888);
        benchmark::DoNotOptimize(image.constBits());
    }
    SetBytes(state, PngFile().size());
}

void QtEncode(benchmark::State &state, const char *format, int quality, int kind)
{
    const QImage image = Picture(kind).ToQImage().convertToFormat(QImage::Format_RGB888);
    qsizetype size = 0;
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QImageWriter writer(&buffer, format);
        writer.setQuality(quality);
        writer.write(image);
        size = bytes.size();
    }
    SetBytes(state, static_cast<std::size_t>(size));
}

void Qt_EncodeJpeg(benchmark::State &state)
{
    QtEncode(state, "JPEG", kJpegQuality, 0);
}
void Qt_EncodePng(benchmark::State &state)
{
    QtEncode(state, "PNG", -1, static_cast<int>(state.range(0)));
}

BENCHMARK(Lumaskin_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImageMagick_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Qt_DecodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Lumaskin_EncodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImageMagick_EncodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Qt_EncodeJpeg)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Lumaskin_DecodePng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImageMagick_DecodePng)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Qt_DecodePng)->Unit(benchmark::kMillisecond)->UseRealTime();
// First argument: 0 photo, 1 drawing. For Lumaskin, -1 = the settings it writes with; the
// others are the alternatives weighed for them (zlib level, filter choice, strategy).
BENCHMARK(Lumaskin_EncodePng)
    ->Args({0, -1, 0, 0})
    ->Args({1, -1, 0, 0})
    ->ArgsProduct({{0, 1}, {1, 3, 4, 6}, {0xF8}, {0}})
    ->ArgsProduct({{0, 1}, {3}, {0x10, 0x80}, {0, 3}})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(ImageMagick_EncodePng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(Qt_EncodePng)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Collects each run's time and file size for the ratio table.
class RatioReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            Result &r = results[run.benchmark_name()];
            r.cpuMilliseconds = run.GetAdjustedCPUTime();
            const auto size = run.counters.find("file_MB");
            r.megabytes = size == run.counters.end() ? 0 : double(size->second);
        }
    }
    struct Result
    {
        double cpuMilliseconds = 0, megabytes = 0;
    };
    std::map<std::string, Result> results;
};

void PrintRatios(const RatioReporter &reporter)
{
    // Ratios use CPU time: the machine may be shared, and every kernel here runs on one thread.
    auto find = [&](const std::string &name) {
        const auto it = reporter.results.find(name + "/real_time");
        return it == reporter.results.end() ? RatioReporter::Result{} : it->second;
    };
    std::printf("\nLumaskin against its peers on 4000x3000 pictures (time ratio > 1: Lumaskin is "
                "faster; size ratio < 1: Lumaskin's file is smaller)\n");
    struct Row
    {
        const char *label, *ours, *imageMagick, *qt;
    };
    const Row rows[] = {
        {"JPEG decode, photo", "Lumaskin_DecodeJpeg", "ImageMagick_DecodeJpeg", "Qt_DecodeJpeg"},
        {"JPEG encode, photo", "Lumaskin_EncodeJpeg", "ImageMagick_EncodeJpeg", "Qt_EncodeJpeg"},
        {"PNG decode, photo", "Lumaskin_DecodePng", "ImageMagick_DecodePng", "Qt_DecodePng"},
        {"PNG encode, photo", "Lumaskin_EncodePng/0/-1/0/0", "ImageMagick_EncodePng/0",
         "Qt_EncodePng/0"},
        {"PNG encode, drawing", "Lumaskin_EncodePng/1/-1/0/0", "ImageMagick_EncodePng/1",
         "Qt_EncodePng/1"},
    };
    for (const Row &row : rows) {
        const auto ours = find(row.ours);
        for (const char *peer : {row.imageMagick, row.qt}) {
            const auto theirs = find(peer);
            if (ours.cpuMilliseconds <= 0 || theirs.cpuMilliseconds <= 0)
                continue;
            std::printf("  %-20s vs %-24s time %5.2fx (%5.0f ms vs %5.0f ms)", row.label, peer,
                        theirs.cpuMilliseconds / ours.cpuMilliseconds, ours.cpuMilliseconds,
                        theirs.cpuMilliseconds);
            if (std::strstr(row.label, "encode"))
                std::printf("   size %.3f (%.2f MB vs %.2f MB)", ours.megabytes / theirs.megabytes,
                            ours.megabytes, theirs.megabytes);
            std::printf("\n");
        }
    }
    std::printf("\nPNG settings weighed (level/filters/strategy) against ImageMagick's default\n");
    for (const auto &[name, result] : reporter.results) {
        if (name.rfind("Lumaskin_EncodePng/", 0) != 0)
            continue;
        const bool drawingKind = name.rfind("Lumaskin_EncodePng/1/", 0) == 0;
        const auto peer = find(drawingKind ? "ImageMagick_EncodePng/1" : "ImageMagick_EncodePng/0");
        if (peer.megabytes <= 0 || result.cpuMilliseconds <= 0)
            continue;
        std::printf("  %-40s size %.3f  time %5.2fx\n", name.c_str(),
                    result.megabytes / peer.megabytes,
                    peer.cpuMilliseconds / result.cpuMilliseconds);
    }
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv); // Qt's image plugins
    Magick::InitializeMagick(*argv);
    benchmark::Initialize(&argc, argv);
    // Make the picture and its files before any timing starts.
    Photo();
    Drawing();
    JpegFile();
    PngFile();
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    PrintRatios(reporter);
    benchmark::Shutdown();
    return 0;
}
