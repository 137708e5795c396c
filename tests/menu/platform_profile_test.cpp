#include "menu/platform_profile.h"

#include <gtest/gtest.h>

namespace lumaskin {
namespace {

TEST(PlatformProfile, ScreenNumberFromTheDisplayName)
{
    EXPECT_EQ(X11ScreenNumber(":0"), 0);
    EXPECT_EQ(X11ScreenNumber(":97.1"), 1);
    EXPECT_EQ(X11ScreenNumber("host.example.org:10.2"), 2);
    EXPECT_EQ(X11ScreenNumber("[::1]:3.4"), 4);
    EXPECT_EQ(X11ScreenNumber(""), 0);
    EXPECT_EQ(X11ScreenNumber(":0.x"), 0);
}

TEST(PlatformProfile, HighContrastThemeNames)
{
    EXPECT_TRUE(IsHighContrastThemeName(u"HighContrast"));
    EXPECT_TRUE(IsHighContrastThemeName(u"'HighContrastInverse'\n"));
    EXPECT_TRUE(IsHighContrastThemeName(u"Adwaita-highcontrast"));
    EXPECT_FALSE(IsHighContrastThemeName(u"'Adwaita'"));
    EXPECT_FALSE(IsHighContrastThemeName(u""));
}

TEST(PlatformProfile, ProbeOnAHeadlessScreen)
{
    const QByteArray savedTheme = qgetenv("GTK_THEME");
    qputenv("GTK_THEME", "HighContrast");
    const PlatformProfile profile = ProbePlatformProfile();
    if (savedTheme.isNull())
        qunsetenv("GTK_THEME");
    else
        qputenv("GTK_THEME", savedTheme);

    EXPECT_TRUE(profile.highContrast);
    // No compositor behind the offscreen platform, and its screen is 32 bits deep.
    EXPECT_FALSE(profile.systemShadows);
    EXPECT_EQ(profile.colourCount, 64000);
    EXPECT_FALSE(profile.flatMenus);
    EXPECT_EQ(profile.osCode, 7);
}

} // namespace
} // namespace lumaskin
