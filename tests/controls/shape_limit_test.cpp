#include "controls/bitmap_helpers.h"
#include "controls/shape_limit.h"

#include <QImage>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

constexpr std::uint32_t kMagenta = 0x00FF00FF;

QImage Checkerboard(int side, int cell)
{
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x)
            image.setPixel(x, y, (x / cell + y / cell) % 2 ? qRgb(255, 0, 255) : qRgb(20, 40, 60));
    return image;
}

// A fine key-colour pattern gives a shape the display can take that still covers every kept
// pixel and stays within the bitmap.
TEST(ShapeLimit, FinePatternsBecomeCoarserShapesThatCoverEveryKeptPixel)
{
    const QImage board = Checkerboard(500, 1);
    const QRegion exact = RegionWithoutKeyColour(board, kMagenta);
    ASSERT_GT(exact.rectCount(), kMaxShapeRects);
    const QRegion limited = LimitShapeComplexity(exact);
    EXPECT_LE(limited.rectCount(), kMaxShapeRects);
    EXPECT_TRUE(exact.subtracted(limited).isEmpty());
    EXPECT_EQ(limited.boundingRect(), board.rect());

    // Only as coarse as needed: a fine pattern in one corner leaves a large hole elsewhere.
    QImage mixed = Checkerboard(640, 1);
    for (int y = 0; y < 640; ++y)
        for (int x = 0; x < 640; ++x)
            if (x >= 200 || y >= 200)
                mixed.setPixel(x, y,
                               x >= 400 && x < 500 && y >= 400 && y < 500 ? qRgb(255, 0, 255)
                                                                          : qRgb(9, 9, 9));
    const QRegion mixedExact = RegionWithoutKeyColour(mixed, kMagenta);
    ASSERT_GT(mixedExact.rectCount(), kMaxShapeRects);
    const QRegion mixedLimited = LimitShapeComplexity(mixedExact);
    EXPECT_LE(mixedLimited.rectCount(), kMaxShapeRects);
    EXPECT_TRUE(mixedExact.subtracted(mixedLimited).isEmpty());
    EXPECT_EQ(mixedLimited.intersected(QRect(400, 400, 100, 100)), QRegion());
}

TEST(ShapeLimit, OrdinaryShapesStayExact)
{
    QImage round(300, 200, QImage::Format_RGB32);
    round.fill(qRgb(255, 0, 255));
    for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 300; ++x)
            if ((x - 150) * (x - 150) / 2 + (y - 100) * (y - 100) * 2 < 100 * 100)
                round.setPixel(x, y, qRgb(10, 10, 10));
    const QRegion exact = RegionWithoutKeyColour(round, kMagenta);
    EXPECT_EQ(LimitShapeComplexity(exact), exact);
    EXPECT_EQ(LimitShapeComplexity(QRegion()), QRegion());
}

} // namespace
} // namespace lumaskin
