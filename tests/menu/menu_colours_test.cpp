#include "menu/menu_colours.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

TEST(MenuColours, MulDivRoundsHalfAwayFromZeroWithEverySign)
{
    EXPECT_EQ(MulDiv(7, 1, 2), 4);
    EXPECT_EQ(MulDiv(-7, 1, 2), -4);
    EXPECT_EQ(MulDiv(7, -1, 2), -4);
    EXPECT_EQ(MulDiv(7, 1, -2), -4);
    EXPECT_EQ(MulDiv(-7, -1, -2), -4);
    EXPECT_EQ(MulDiv(-5, 1, -2), 3);
    EXPECT_EQ(MulDiv(5, 1, 3), 2);
    EXPECT_EQ(MulDiv(4, 1, 3), 1);
    EXPECT_EQ(MulDiv(212, 127, 255), 106); // 105.58
    // The product may exceed 32 bits as long as the quotient fits.
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000);
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(2000000000, 2000000000, 1), -1);
}

TEST(MenuColours, FrameColoursOfAClassicGreyMenuOnWhiteWindows)
{
    const QRgb menu = qRgb(212, 208, 200);
    const QRgb window = qRgb(255, 255, 255);
    const MenuColours colours = ComputeMenuColours(menu, window, qRgb(1, 2, 3), 64000);
    // 86 % of white is 219.3 -> 219; 14 % of 212 is 29.68 -> 30, and so on.
    EXPECT_EQ(colours.a, qRgb(249, 248, 247));
    EXPECT_EQ(colours.b, qRgb(218, 215, 208));
    EXPECT_EQ(colours.d, qRgb(106, 104, 100));
    EXPECT_EQ(DarkenColour(0, qRgb(9, 99, 199)), qRgb(9, 99, 199));
    EXPECT_EQ(DarkenColour(255, qRgb(9, 99, 199)), qRgb(0, 0, 0));
    EXPECT_EQ(MixColours(qRgb(255, 255, 255), qRgb(255, 255, 255)), qRgb(255, 255, 255));
}

TEST(MenuColours, PaletteDisplaysUseTheButtonFaceAndKeepTheTwoLinesApart)
{
    const QRgb menu = qRgb(192, 192, 192);
    const QRgb window = qRgb(255, 255, 255);
    // A is 246 grey, which a palette display shows as white.
    const MenuColours distinct = ComputeMenuColours(menu, window, qRgb(153, 153, 153), 256);
    EXPECT_EQ(distinct.a, qRgb(246, 246, 246));
    EXPECT_EQ(distinct.b, qRgb(153, 153, 153));
    // A button face the display also shows as white would make the lines one: window and
    // menu colour take their places.
    const MenuColours merged = ComputeMenuColours(menu, window, qRgb(250, 250, 250), 256);
    EXPECT_EQ(merged.a, window);
    EXPECT_EQ(merged.b, menu);
    // True colour displays tell 246 from 250 apart.
    EXPECT_EQ(ComputeMenuColours(menu, window, qRgb(250, 250, 250), 64000).a, qRgb(246, 246, 246));
    EXPECT_EQ(NearestColour(qRgb(30, 130, 250), 256), qRgb(51, 153, 255));
    EXPECT_EQ(NearestColour(qRgb(30, 130, 250), 257), qRgb(30, 130, 250));
}

} // namespace
} // namespace lumaskin
