#include "controls/bitmap_helpers.h"
#include "controls/memory_dc.h"
#include "controls/state_strip.h"
#include "tests/controls/test_host.h"
#include "tests/support/temp_dir.h"

#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Filled;
using test::Rgb;

constexpr std::uint32_t kMagentaRef = 0x00FF00FF; // 0x00BBGGRR

// The straightforward shape: the rounded-down rectangle with every key pixel xor-ed away.
QRegion PerPixelRegion(const QImage &image, int red, int green, int blue)
{
    const int width = image.width() - image.width() % 4;
    QRegion region(0, 0, width, image.height());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < width; ++x)
            if (Rgb(image, x, y) == (qRgb(red, green, blue) & 0xFFFFFF))
                region ^= QRegion(x, y, 1, 1);
    return region;
}

TEST(BitmapHelpers, LoadBitmapFileReadsBmpAndEmptiesOnFailure)
{
    test::TempDir dir;
    QImage source = Filled(QSize(5, 3), QColor(1, 2, 3));
    source.setPixel(4, 2, qRgb(200, 100, 50));
    const QString path = test::WriteBmp(dir.Path(), "a.bmp", source);

    QImage bitmap = Filled(QSize(1, 1), Qt::red);
    EXPECT_FALSE(LoadBitmapFile(QString(), bitmap));
    EXPECT_EQ(bitmap.size(), QSize(1, 1)) << "an empty path leaves the bitmap alone";

    ASSERT_TRUE(LoadBitmapFile(path, bitmap));
    EXPECT_EQ(bitmap.size(), QSize(5, 3));
    EXPECT_EQ(Rgb(bitmap, 4, 2), qRgb(200, 100, 50) & 0xFFFFFF);
    EXPECT_EQ(Rgb(bitmap, 0, 0), qRgb(1, 2, 3) & 0xFFFFFF);

    EXPECT_FALSE(LoadBitmapFile(QString::fromStdString((dir / "missing.bmp").string()), bitmap));
    EXPECT_TRUE(bitmap.isNull()) << "a failed load leaves nothing of the old bitmap";

    test::WriteFile(dir / "broken.bmp", "BM not really a bitmap");
    bitmap = Filled(QSize(1, 1), Qt::red);
    EXPECT_FALSE(LoadBitmapFile(QString::fromStdString((dir / "broken.bmp").string()), bitmap));
    EXPECT_TRUE(bitmap.isNull());
}

TEST(BitmapHelpers, KeyColourBecomesTransparentAndMasked)
{
    QImage image = Filled(QSize(3, 1), QColor(255, 0, 255));
    image.setPixel(1, 0, qRgb(255, 0, 254));
    const QImage keyed = WithKeyTransparent(image, kMagentaRef);
    EXPECT_EQ(qAlpha(keyed.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(keyed.pixel(1, 0)), 255) << "only the exact key colour is cut";
    const QImage mask = KeyMask(image, kMagentaRef);
    EXPECT_EQ(mask.pixelIndex(0, 0), 1);
    EXPECT_EQ(mask.pixelIndex(1, 0), 0);
    // An empty colour field (high byte set) matches nothing.
    EXPECT_EQ(qAlpha(WithKeyTransparent(image, 0xFFFFFFFFu).pixel(0, 0)), 255);
    EXPECT_FALSE(ToQColor(0xFFFFFFFFu).isValid());
    EXPECT_EQ(ToQColor(0x00336699), QColor(0x99, 0x66, 0x33));
}

// A 1x picture: a key-coloured rim around a two-colour body split down the middle.
QImage RimmedPicture(QSize size)
{
    QImage image = Filled(size, QColor(255, 0, 255));
    for (int y = 1; y < size.height() - 1; ++y)
        for (int x = 1; x < size.width() - 1; ++x)
            image.setPixel(x, y, x < size.width() / 2 ? qRgb(200, 40, 40) : qRgb(40, 40, 200));
    return image;
}

TEST(HiDpiBitmaps, FineScreensTakeTheTwiceAsLargeCompanionOrAnEnlargementWithoutKeyFringes)
{
    test::TempDir dir;
    const QImage small = RimmedPicture(QSize(10, 6));
    const QString path = test::WriteBmp(dir.Path(), "face.bmp", small);
    EXPECT_EQ(HiDpiPath(path), QString::fromStdString((dir / "face@2x.bmp").string()));
    EXPECT_EQ(HiDpiPath(QStringLiteral("a.b/name")), QStringLiteral("a.b/name@2x"));

    // At ratio 1 nothing changes, even with a companion present.
    QImage bitmap;
    ASSERT_TRUE(LoadBitmapFile(path, bitmap));
    EXPECT_EQ(bitmap.devicePixelRatio(), 1.0);
    EXPECT_EQ(bitmap.size(), QSize(10, 6));

    // No companion: the 1x picture enlarged smoothly. Its key stays exactly the key where
    // the rim was, nothing near magenta appears (no fringe), and the two colours blend
    // where they meet.
    for (const qreal ratio : {2.0, 1.5, 1.25}) {
        ASSERT_TRUE(LoadBitmapFile(path, bitmap, {ratio, kMagentaRef}));
        EXPECT_EQ(bitmap.devicePixelRatio(), 2.0) << ratio;
        EXPECT_EQ(bitmap.size(), QSize(20, 12));
        EXPECT_EQ(LogicalSize(bitmap), QSize(10, 6));
    }
    EXPECT_EQ(Rgb(bitmap, 0, 0), 0xFF00FFu);
    EXPECT_EQ(Rgb(bitmap, 19, 11), 0xFF00FFu);
    bool blended = false;
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x) {
            const QColor c = QColor::fromRgb(bitmap.pixel(x, y));
            const bool key = Rgb(bitmap, x, y) == 0xFF00FFu;
            EXPECT_FALSE(!key && c.red() > 180 && c.blue() > 180) << "fringe at " << x << "," << y;
            blended = blended || (!key && c.red() > 60 && c.red() < 180);
        }
    EXPECT_TRUE(blended) << "enlarged smoothly, not pixel-doubled";

    // With a companion of exactly twice the size, its own pixels, untouched.
    QImage large = RimmedPicture(QSize(20, 12));
    large.setPixel(5, 5, qRgb(1, 2, 3));
    test::WriteBmp(dir.Path(), "face@2x.bmp", large);
    ASSERT_TRUE(LoadBitmapFile(path, bitmap, {2.0, kMagentaRef}));
    EXPECT_EQ(bitmap.devicePixelRatio(), 2.0);
    EXPECT_EQ(bitmap.convertToFormat(QImage::Format_RGB32),
              large.convertToFormat(QImage::Format_RGB32));

    // A companion of any other size is not a companion.
    test::WriteBmp(dir.Path(), "face@2x.bmp", RimmedPicture(QSize(21, 12)));
    ASSERT_TRUE(LoadBitmapFile(path, bitmap, {2.0, kMagentaRef}));
    EXPECT_EQ(bitmap.size(), QSize(20, 12));
    EXPECT_NE(Rgb(bitmap, 5, 5), qRgb(1, 2, 3) & 0xFFFFFF);
}

TEST(HiDpiBitmaps, StripsShapesAndDrawingKeepTheFineScale)
{
    // A four-face strip enlarged face by face: no face bleeds into the next.
    test::TempDir dir;
    QImage strip(4 * 6, 4, QImage::Format_RGB32);
    const QRgb faces[] = {qRgb(250, 0, 0), qRgb(0, 250, 0), qRgb(0, 0, 250), qRgb(250, 250, 0)};
    for (int i = 0; i < 4; ++i)
        for (int y = 0; y < 4; ++y)
            for (int x = 0; x < 6; ++x)
                strip.setPixel(i * 6 + x, y, faces[i]);
    QImage loaded;
    ASSERT_TRUE(LoadBitmapFile(test::WriteBmp(dir.Path(), "strip.bmp", strip), loaded,
                               {2.0, kMagentaRef, kStateCount}));
    EXPECT_EQ(StateSize(loaded), QSize(6, 4));
    const auto cut = CutStateStrip(loaded, QSize(6, 4), kMagentaRef);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(cut[i].size(), QSize(12, 8));
        EXPECT_EQ(cut[i].devicePixelRatio(), 2.0);
        EXPECT_EQ(Rgb(cut[i], 0, 4), faces[i] & 0xFFFFFF) << i;
        EXPECT_EQ(Rgb(cut[i], 11, 4), faces[i] & 0xFFFFFF) << i;
    }

    // The window shape of a fine bitmap is in logical pixels: a logical pixel stays only
    // where none of its four pixels is the key.
    QImage fine = Filled(QSize(16, 8), QColor(9, 9, 9));
    fine.setPixel(3, 3, qRgb(255, 0, 255)); // logical (1, 1)
    fine.setDevicePixelRatio(2);
    const QRegion expected = QRegion(0, 0, 8, 4).xored(QRegion(1, 1, 1, 1));
    EXPECT_EQ(RegionWithoutKeyColour(fine, kMagentaRef), expected);
    ASSERT_TRUE(RegionFromBitmap(fine, 255, 0, 255));
    EXPECT_EQ(*RegionFromBitmap(fine, 255, 0, 255), expected);

    // Drawn on a screen of the same scale, pixel for pixel: crisp.
    const QImage picture = test::Gradient(QSize(16, 8));
    QImage finePicture = picture;
    finePicture.setDevicePixelRatio(2);
    QImage screen(QSize(40, 20), QImage::Format_ARGB32_Premultiplied);
    screen.setDevicePixelRatio(2);
    screen.fill(Qt::black);
    {
        QPainter painter(&screen);
        DrawBitmap(painter, QRectF(5, 3, 8, 4), finePicture, QRectF(0, 0, 8, 4));
    }
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 16; ++x)
            ASSERT_EQ(Rgb(screen, 10 + x, 6 + y), Rgb(picture, x, y)) << x << "," << y;
    // A logical part of it is the same pixels again.
    const QImage part = CopyLogical(finePicture, QRect(2, 1, 3, 2));
    EXPECT_EQ(part.size(), QSize(6, 4));
    EXPECT_EQ(part.devicePixelRatio(), 2.0);
    EXPECT_EQ(Rgb(part, 0, 0), Rgb(picture, 4, 2));
}

TEST(RegionFromBitmap, ShapesFromKeyPixels)
{
    // Without key pixels: the full rectangle, rounded down to a multiple of 4 in width.
    const QImage plain = Filled(QSize(97, 10), Qt::white);
    auto region = RegionFromBitmap(plain, 255, 0, 255);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, QRegion(0, 0, 96, 10));

    // A frame of key pixels leaves the inner rectangle.
    QImage framed = Filled(QSize(40, 30), QColor(255, 0, 255));
    for (int y = 3; y < 27; ++y)
        for (int x = 5; x < 35; ++x)
            framed.setPixel(x, y, qRgb(9, 9, 9));
    region = RegionFromBitmap(framed, 255, 0, 255);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, QRegion(5, 3, 30, 24));

    // Nothing to shape: no bitmap, or nothing left after rounding.
    EXPECT_FALSE(RegionFromBitmap(QImage(), 255, 0, 255));
    EXPECT_FALSE(RegionFromBitmap(Filled(QSize(3, 10), Qt::white), 255, 0, 255));

    // All pixels keyed: an empty region, not "no shaping".
    region = RegionFromBitmap(Filled(QSize(8, 2), QColor(255, 0, 255)), 255, 0, 255);
    ASSERT_TRUE(region);
    EXPECT_TRUE(region->isEmpty());
}

TEST(RegionFromBitmap, WindowShapeKeepsTheFullWidth)
{
    QImage framed = Filled(QSize(97, 10), QColor(255, 0, 255));
    for (int y = 2; y < 8; ++y)
        for (int x = 1; x < 97; ++x)
            framed.setPixel(x, y, qRgb(9, 9, 9));
    EXPECT_EQ(RegionWithoutKeyColour(framed, kMagentaRef), QRegion(1, 2, 96, 6));
    EXPECT_EQ(RegionWithoutKeyColour(framed, 0xFFFFFFFFu), QRegion(0, 0, 97, 10))
        << "no key colour: the whole rectangle";
    EXPECT_TRUE(RegionWithoutKeyColour(QImage(), kMagentaRef).isEmpty());
}

TEST(RegionFromBitmap, SizesAreSixteenBit)
{
    // 65541 columns read as 5, rounded down to 4.
    QImage wide = Filled(QSize(65541, 2), Qt::white);
    wide.setPixel(1, 1, qRgb(255, 0, 255));
    const auto region = RegionFromBitmap(wide, 255, 0, 255);
    ASSERT_TRUE(region);
    EXPECT_EQ(*region, QRegion(0, 0, 4, 2).xored(QRegion(1, 1, 1, 1)));
}

TEST(RegionFromBitmap, SameShapeAsPerPixelXor)
{
    auto *random = QRandomGenerator::global();
    for (int round = 0; round < 20; ++round) {
        const QSize size(1 + random->bounded(40), 1 + random->bounded(30));
        QImage image(size, QImage::Format_RGB32);
        // Few colours, in blocks and speckles, so rows repeat and runs vary.
        const int density = random->bounded(1, 4);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x) {
                const bool key = random->bounded(4) < density || (y / 5 + x / 7) % 3 == 0;
                image.setPixel(x, y, key ? qRgb(255, 0, 255) : qRgb(0, 128, 0));
            }
        const auto region = RegionFromBitmap(image, 255, 0, 255);
        if (size.width() < 4) {
            EXPECT_FALSE(region);
            continue;
        }
        ASSERT_TRUE(region);
        const QRegion expected = PerPixelRegion(image, 255, 0, 255);
        EXPECT_TRUE(region->xored(expected).isEmpty()) << "round " << round;
        EXPECT_EQ(*region, expected) << "round " << round;
    }
}

TEST(MemoryDC, StartsFromBackgroundColourOrTargetPixels)
{
    QImage target = Filled(QSize(20, 10), Qt::blue);
    {
        QPainter painter(&target);
        painter.setBackground(Qt::green);
        MemoryDC dc(painter, QRect(5, 2, 10, 6), false);
        EXPECT_TRUE(dc.IsMemoryDC());
        dc->fillRect(QRect(6, 3, 1, 1), Qt::red); // target coordinates
        EXPECT_EQ(Rgb(target, 6, 3), QColor(Qt::blue).rgb() & 0xFFFFFF)
            << "nothing reaches the target before the frame is complete";
    }
    EXPECT_EQ(Rgb(target, 5, 2), QColor(Qt::green).rgb() & 0xFFFFFF);
    EXPECT_EQ(Rgb(target, 6, 3), QColor(Qt::red).rgb() & 0xFFFFFF);
    EXPECT_EQ(Rgb(target, 4, 2), QColor(Qt::blue).rgb() & 0xFFFFFF) << "outside the rect";
    EXPECT_EQ(Rgb(target, 15, 8), QColor(Qt::blue).rgb() & 0xFFFFFF) << "outside the rect";

    QImage screen = test::Gradient(QSize(20, 10));
    const QImage before = screen.copy();
    {
        QPainter painter(&screen);
        MemoryDC dc(painter, QRect(2, 2, 6, 6), true);
        dc->fillRect(QRect(3, 3, 1, 1), Qt::red);
        // Drawing past the frame's rect is cut at its edge.
        dc->fillRect(QRect(0, 0, 20, 1), Qt::red);
    }
    EXPECT_EQ(Rgb(screen, 3, 3), QColor(Qt::red).rgb() & 0xFFFFFF);
    EXPECT_EQ(Rgb(screen, 4, 4), Rgb(before, 4, 4)) << "the frame started from the screen";
    EXPECT_EQ(Rgb(screen, 0, 0), Rgb(before, 0, 0));
}

TEST(MemoryDC, EmptyRectAndPrinter)
{
    QImage target = Filled(QSize(8, 8), Qt::blue);
    {
        QPainter painter(&target);
        MemoryDC dc(painter, QRect(3, 3, 0, 5), false);
        dc->fillRect(QRect(0, 0, 8, 8), Qt::red);
    }
    EXPECT_EQ(target, Filled(QSize(8, 8), Qt::blue)) << "an empty frame draws nothing";

    test::TempDir dir;
    QPdfWriter pdf(QString::fromStdString((dir / "out.pdf").string()));
    QPainter painter(&pdf);
    MemoryDC dc(painter, QRect(0, 0, 100, 100), true);
    EXPECT_FALSE(dc.IsMemoryDC());
    EXPECT_EQ(&dc.Painter(), &painter);
}

} // namespace
} // namespace lumaskin
