// The conversion benchmarks' own parts: the photos they share, the PNG check that decides
// whether a file was written, and the memory figures.
#include "bench/tools/memory_trend.h"
#include "bench/tools/photo_set.h"
#include "bench/tools/png_check.h"
#include "tests/support/temp_dir.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <turbojpeg.h>

namespace lumaskin::bench {
namespace {

using test::TempDir;

constexpr PhotoSize kSmall{400, 300};

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

QByteArray Bytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(SyntheticPhotos, AreTheSameForAnIndexAndDifferForAnother)
{
    const auto a = SyntheticPhotoPixels(3, kSmall);
    ASSERT_EQ(a.size(), 400u * 300u * 3u);
    EXPECT_EQ(a, SyntheticPhotoPixels(3, kSmall));
    const auto b = SyntheticPhotoPixels(4, kSmall);
    std::size_t differing = 0;
    for (std::size_t i = 0; i < a.size(); ++i)
        differing += a[i] != b[i];
    EXPECT_GT(differing, a.size() / 2);
}

TEST(SyntheticPhotos, LookLikePhotosNotFlatFieldsOrPureNoise)
{
    for (int index : {0, 7, 31}) {
        const auto rgb = SyntheticPhotoPixels(index, kSmall);
        double sum = 0, sumSquares = 0, neighbour = 0;
        int flatNeighbours = 0;
        const std::size_t pixels = rgb.size() / 3;
        for (std::size_t i = 0; i < rgb.size(); ++i) {
            sum += rgb[i];
            sumSquares += double(rgb[i]) * rgb[i];
        }
        for (std::size_t p = 1; p < pixels; ++p) {
            const int d = std::abs(int(rgb[3 * p + 1]) - int(rgb[3 * p - 2]));
            neighbour += d;
            flatNeighbours += d == 0;
        }
        const double mean = sum / double(rgb.size());
        const double spread = std::sqrt(sumSquares / double(rgb.size()) - mean * mean);
        // Broad tones across the picture ...
        EXPECT_GT(spread, 25) << index;
        EXPECT_GT(mean, 40) << index;
        EXPECT_LT(mean, 215) << index;
        // ... neighbours close but rarely equal: smooth, with grain and texture on top.
        EXPECT_LT(neighbour / double(pixels), 20) << index;
        EXPECT_LT(flatNeighbours, int(pixels / 4)) << index;
    }
}

TEST(SyntheticPhotos, EncodeAsPlainQuality90JpegsOfTheirSize)
{
    const auto jpeg = EncodeJpeg(SyntheticPhotoPixels(1, kSmall), kSmall, kPhotoQuality);
    ASSERT_TRUE(IsWholeJpeg(jpeg));
    tjhandle handle = tjInitDecompress();
    int width = 0, height = 0, subsampling = -1, colourspace = -1;
    ASSERT_EQ(tjDecompressHeader3(handle, jpeg.data(), static_cast<unsigned long>(jpeg.size()),
                                  &width, &height, &subsampling, &colourspace),
              0);
    tjDestroy(handle);
    EXPECT_EQ(width, 400);
    EXPECT_EQ(height, 300);
    EXPECT_EQ(subsampling, TJSAMP_420);
    // No restart markers: no reader may profit from how the photos were written.
    for (std::size_t i = 0; i + 1 < jpeg.size(); ++i)
        ASSERT_FALSE(jpeg[i] == 0xFF && jpeg[i + 1] == 0xDD) << "restart interval at " << i;

    EXPECT_TRUE(EncodeJpeg({}, kSmall, 90).empty());
    EXPECT_TRUE(EncodeJpeg(std::vector<std::uint8_t>(10), kSmall, 90).empty());
    EXPECT_FALSE(IsWholeJpeg(std::vector<std::uint8_t>(jpeg.begin(), jpeg.end() - 1)));
}

TEST(PhotoSet, IsMadeOnceKeptAfterwardsAndMadeAgainWhenCutShort)
{
    TempDir one, two;
    QString error;
    const QStringList photos = EnsurePhotoSet(Str(one / "cache"), 3, kSmall, &error);
    ASSERT_EQ(photos.size(), 3) << error.toStdString();
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(QFileInfo(photos[i]).fileName(), PhotoFileName(i));
    EXPECT_FALSE(QFile::exists(photos[0] + ".part"));
    // Another folder gets the very same bytes.
    const QStringList again = EnsurePhotoSet(Str(two.Path()), 3, kSmall, &error);
    ASSERT_EQ(again.size(), 3);
    EXPECT_EQ(Bytes(photos[2]), Bytes(again[2]));

    // A second call keeps whole files and remakes a truncated one.
    const QByteArray whole = Bytes(photos[1]);
    QFile::resize(photos[1], whole.size() / 2);
    const QFileInfo before(photos[0]);
    const QStringList kept = EnsurePhotoSet(Str(one / "cache"), 3, kSmall, &error);
    EXPECT_EQ(kept, photos);
    EXPECT_EQ(Bytes(photos[1]), whole);
    EXPECT_EQ(QFileInfo(photos[0]).lastModified(), before.lastModified());

    // A folder that cannot be made is said so.
    test::WriteFile(one / "file", "x");
    EXPECT_TRUE(EnsurePhotoSet(Str(one / "file" / "sub"), 1, kSmall, &error).isEmpty());
    EXPECT_FALSE(error.isEmpty());
}

TEST(PngCheck, AcceptsAWholePngOfTheSizeAndNothingElse)
{
    TempDir dir;
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    const QString good = Str(dir / "good.png");
    ASSERT_TRUE(image.save(good, "PNG"));
    QString error;
    EXPECT_TRUE(CheckPngFile(good, 40, 30, &error)) << error.toStdString();

    EXPECT_FALSE(CheckPngFile(good, 30, 40, &error));
    EXPECT_TRUE(error.contains("40 x 30 instead of 30 x 40")) << error.toStdString();
    EXPECT_FALSE(CheckPngFile(Str(dir / "missing.png"), 40, 30, &error));
    EXPECT_TRUE(error.contains("missing"));

    const QByteArray bytes = Bytes(good);
    const auto variant = [&](const char *name, const QByteArray &content) {
        const QString path = Str(dir / name);
        test::WriteFile(dir / name, content.toStdString());
        return path;
    };
    // Cut anywhere after the header, including inside the end chunk.
    for (qsizetype cut : {qsizetype(40), bytes.size() / 2, bytes.size() - 1}) {
        EXPECT_FALSE(CheckPngFile(variant("cut.png", bytes.left(cut)), 40, 30, &error)) << cut;
        EXPECT_TRUE(error.contains("cut short")) << error.toStdString();
    }
    EXPECT_FALSE(CheckPngFile(variant("tail.png", bytes + "junk"), 40, 30, &error));
    EXPECT_FALSE(CheckPngFile(variant("jpeg.png", QByteArray("\xFF\xD8\xFF\xE0", 4) + bytes), 40,
                              30, &error));
    EXPECT_TRUE(error.contains("not a PNG"));
    EXPECT_FALSE(CheckPngFile(variant("short.png", bytes.left(12)), 40, 30, &error));
}

TEST(MemoryFigures, ReadTheKernelsFieldsAndFollowTheProcess)
{
    const QString status = QStringLiteral("Name:\tx\nVmHWM:\t  123456 kB\nVmRSS:\t   2048 kB\n"
                                          "RssAnon:\t 1000 kB\n");
    EXPECT_EQ(StatusFieldKiB(status, "VmRSS"), 2048);
    EXPECT_EQ(StatusFieldKiB(status, "VmHWM"), 123456);
    EXPECT_EQ(StatusFieldKiB(status, "Rss"), 0); // whole field names only
    EXPECT_EQ(StatusFieldKiB(status, "VmSwap"), 0);

    const std::int64_t before = CurrentRssKiB();
    ASSERT_GT(before, 0);
    {
        std::vector<char> block(64 << 20, 1);
        EXPECT_GT(CurrentRssKiB(), before + 50 * 1024) << block[12345];
    }
    EXPECT_GE(PeakRssKiB(), before + 50 * 1024);
}

TEST(MemoryFigures, TellAFlatRunFromAGrowingOne)
{
    std::vector<std::int64_t> flat(200, 500'000), growing;
    for (int i = 0; i < 200; ++i) {
        flat[static_cast<std::size_t>(i)] += (i % 7) * 1000;
        growing.push_back(500'000 + i * 5000);
    }
    const MemoryTrend f = SummariseMemory(flat, 20);
    EXPECT_EQ(f.samples, 200);
    EXPECT_NEAR(f.GrowthShare(), 0.0, 0.01);
    EXPECT_TRUE(f.IsFlat(0.10));
    EXPECT_EQ(f.highestKiB, 506'000);

    const MemoryTrend g = SummariseMemory(growing, 20);
    EXPECT_DOUBLE_EQ(g.firstMeanKiB, 500'000 + 9.5 * 5000);
    EXPECT_DOUBLE_EQ(g.lastMeanKiB, 500'000 + 189.5 * 5000);
    EXPECT_FALSE(g.IsFlat(0.10));

    // Fewer samples than a window: both windows are the whole run.
    const MemoryTrend few = SummariseMemory({100, 300}, 20);
    EXPECT_DOUBLE_EQ(few.firstMeanKiB, 200);
    EXPECT_DOUBLE_EQ(few.lastMeanKiB, 200);
    EXPECT_EQ(SummariseMemory({}, 20).samples, 0);
}

} // namespace
} // namespace lumaskin::bench
