#include "menu/menu_frame.h"
#include "menu/menu_style.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

constexpr QRgb kMarker = 0xff123456;
constexpr QRgb kA = 0xffa0a0a0;
constexpr QRgb kB = 0xffb0b0b0;
constexpr QRgb kD = 0xff202020;
constexpr QRgb kText = 0xff0000ff;
constexpr int kW = 40;
constexpr int kH = 30;

// A background in which every pixel differs, so a pixel taken from the wrong place shows.
QImage Background(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(100 + x, 50 + 3 * y, 200 - x - y));
    return image;
}

MenuFrame Frame(bool systemShadows, bool highContrast)
{
    MenuFrame frame;
    frame.window = QSize(kW, kH);
    frame.client = QRect(QPoint(0, 0), frame.window) - MenuStyle(2).ClientInset(systemShadows);
    frame.systemShadows = systemShadows;
    frame.highContrast = highContrast;
    frame.colours = {kA, kB, kD};
    frame.buttonText = kText;
    return frame;
}

QImage Draw(const MenuFrame &frame, std::initializer_list<int> passes, const QImage &shadow = {})
{
    QImage image(frame.window, QImage::Format_ARGB32);
    image.fill(kMarker);
    QPainter painter(&image);
    for (int pass : passes)
        DrawMenuFrame(painter, frame, pass, shadow);
    return image;
}

TEST(MenuFrame, LinesWhenTheMenuDrawsItsOwnShadow)
{
    const QImage image = Draw(Frame(false, false), {0, 1});
    // Outer frame inset by the 4-pixel shadow; inner frame one pixel inside it.
    for (QPoint p : {QPoint(0, 0), QPoint(kW - 5, 0), QPoint(0, kH - 5), QPoint(kW - 5, kH - 5),
                     QPoint(20, 0), QPoint(kW - 5, 12), QPoint(20, kH - 5)})
        EXPECT_EQ(image.pixel(p), kD) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(1, 1), QPoint(kW - 6, 1), QPoint(kW - 6, 12), QPoint(20, kH - 6),
                     QPoint(1, kH - 6), QPoint(20, 1)})
        EXPECT_EQ(image.pixel(p), kA) << p.x() << "," << p.y();
    // The light line runs down the inner left side between the inner frame's corners.
    for (int y = 2; y <= kH - 7; ++y)
        EXPECT_EQ(image.pixel(1, y), kB) << y;
    // Items and shadow area are left alone without a shadow image.
    for (QPoint p : {QPoint(2, 2), QPoint(kW - 7, kH - 7), QPoint(kW - 4, 10), QPoint(10, kH - 4),
                     QPoint(kW - 1, kH - 1)})
        EXPECT_EQ(image.pixel(p), kMarker) << p.x() << "," << p.y();
}

TEST(MenuFrame, OuterFrameRunsAlongTheWindowEdgesWithDesktopShadows)
{
    // The shadow is not drawn even when one is offered.
    QImage shadow(kW, kH, QImage::Format_ARGB32);
    shadow.fill(0xff00ff00);
    const QImage image = Draw(Frame(true, false), {0, 1}, shadow);
    for (QPoint p : {QPoint(kW - 1, 0), QPoint(kW - 1, 15), QPoint(15, kH - 1), QPoint(0, kH - 1)})
        EXPECT_EQ(image.pixel(p), kD) << p.x() << "," << p.y();
    for (QPoint p : {QPoint(kW - 2, 1), QPoint(kW - 2, 15), QPoint(15, kH - 2)})
        EXPECT_EQ(image.pixel(p), kA) << p.x() << "," << p.y();
    EXPECT_EQ(image.pixel(1, kH - 3), kB);
    EXPECT_EQ(image.pixel(1, kH - 2), kA);
    EXPECT_EQ(image.pixel(2, 2), kMarker);
    EXPECT_EQ(image.pixel(kW - 3, kH - 3), kMarker);
}

TEST(MenuFrame, HighContrastDrawsOneLineInTheButtonTextColourAndNoShadow)
{
    QImage shadow(kW, kH, QImage::Format_ARGB32);
    shadow.fill(Qt::transparent);
    shadow.setPixel(kW - 1, 10, 0xff00ff00);
    const QImage both = Draw(Frame(false, true), {0, 1}, shadow);
    EXPECT_EQ(both.pixel(0, 0), kText);
    EXPECT_EQ(both.pixel(kW - 5, 12), kText);
    EXPECT_EQ(both.pixel(12, kH - 5), kText);
    // No inner frame and no light line: pass 0's band shows instead.
    EXPECT_EQ(both.pixel(1, 10), kA);
    EXPECT_EQ(both.pixel(10, 1), kA);
    EXPECT_EQ(both.pixel(10, kH - 6), kA);
    // The strips offered for the shadow area are drawn over it (the styler offers the
    // background unchanged there).
    EXPECT_EQ(both.pixel(kW - 1, 10), 0xff00ff00u);

    // Pass 1 alone draws the line but leaves the band to what lies beneath.
    const QImage lateOnly = Draw(Frame(false, true), {1});
    EXPECT_EQ(lateOnly.pixel(0, 0), kText);
    EXPECT_EQ(lateOnly.pixel(1, 10), kMarker);
}

TEST(MenuFrame, ShadowFadesFromTheFrameOutwardsAndAtBothEnds)
{
    const QImage background = Background(kW + 10, kH + 10);
    const QImage shadow = MenuShadow(background, QSize(kW, kH), 64000, 0);
    ASSERT_EQ(shadow.size(), QSize(kW, kH));
    auto expectDarkened = [&](int x, int y, int k) {
        EXPECT_EQ(shadow.pixel(x, y), DarkenColour(k, background.pixel(x, y)) | 0xff000000u)
            << x << "," << y << " k=" << k;
    };
    // Columns x = W - r: untouched top, ramp of 6 r (y - 3), full 30 r, fading bottom 6 r (H - y).
    expectDarkened(kW - 1, 0, 0);
    expectDarkened(kW - 4, 3, 0);
    expectDarkened(kW - 1, 4, 6);
    expectDarkened(kW - 4, 7, 96);
    expectDarkened(kW - 2, 8, 60);
    expectDarkened(kW - 4, kH - 5, 120);
    expectDarkened(kW - 3, kH - 4, 72);
    expectDarkened(kW - 3, kH - 1, 18);
    expectDarkened(kW - 4, kH - 4, 96);
    // Rows y = H - s: untouched left end, ramp of (6 x - 18) s, full 30 s.
    expectDarkened(0, kH - 1, 0);
    expectDarkened(3, kH - 4, 0);
    expectDarkened(4, kH - 1, 6);
    expectDarkened(7, kH - 4, 96);
    expectDarkened(8, kH - 2, 60);
    expectDarkened(kW - 5, kH - 4, 120);
    // Nothing outside the two strips.
    EXPECT_EQ(qAlpha(shadow.pixel(kW - 5, 10)), 0);
    EXPECT_EQ(qAlpha(shadow.pixel(10, kH - 5)), 0);
    EXPECT_EQ(qAlpha(shadow.pixel(10, 10)), 0);
}

TEST(MenuFrame, PaletteDisplayShadowIsASolidBand)
{
    const QImage background = Background(kW + 10, kH + 10);
    const QRgb shadowColour = qRgb(128, 128, 128);
    const QImage shadow = MenuShadow(background, QSize(kW, kH), 256, shadowColour);
    auto copied = [&](int x, int y) {
        EXPECT_EQ(shadow.pixel(x, y), background.pixel(x, y) | 0xff000000u) << x << "," << y;
    };
    copied(kW - 1, 15);
    copied(kW - 2, 15);
    copied(15, kH - 1);
    copied(15, kH - 2);
    copied(kW - 3, 3);
    copied(3, kH - 3);
    copied(kW - 3, kH - 2);
    for (QPoint p : {QPoint(kW - 3, 4), QPoint(kW - 4, kH - 3), QPoint(4, kH - 4),
                     QPoint(kW - 5, kH - 3), QPoint(kW - 3, kH - 4)})
        EXPECT_EQ(shadow.pixel(p), shadowColour) << p.x() << "," << p.y();
    EXPECT_EQ(qAlpha(shadow.pixel(kW - 5, 10)), 0);
}

TEST(MenuFrame, ShadowCopesWithShortBackgroundsAndTinyWindows)
{
    // A grab cut short by the screen edge leaves the missing pixels transparent.
    const QImage background = Background(kW - 2, kH);
    const QImage shadow = MenuShadow(background, QSize(kW, kH), 64000, 0);
    EXPECT_EQ(qAlpha(shadow.pixel(kW - 1, 10)), 0);
    EXPECT_EQ(qAlpha(shadow.pixel(kW - 3, 10)), 255);
    EXPECT_EQ(qAlpha(UnshadedStrips(background, QSize(kW, kH)).pixel(kW - 1, 10)), 0);
    for (QSize size : {QSize(0, 0), QSize(1, 1), QSize(3, 9), QSize(9, 3)}) {
        EXPECT_EQ(MenuShadow(Background(20, 20), size, 64000, 0).size(), size);
        EXPECT_EQ(MenuShadow(QImage(), size, 16, 0).size(), size);
        MenuFrame frame = Frame(false, false);
        frame.window = size;
        frame.client = QRect(2, 2, size.width() - 7, size.height() - 8);
        if (!size.isEmpty())
            Draw(frame, {0, 1});
    }
}

} // namespace
} // namespace lumaskin
