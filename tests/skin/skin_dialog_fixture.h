#pragma once

#include <QColor>
#include <QRegion>
#include <filesystem>
#include <string>

namespace lumaskin::test {

// A small but complete skin written by the tests: a 200 x 120 background whose 4-pixel
// frame has the key colour (magenta), so the window's shape is the inner rectangle.
struct TestSkin
{
    // Background colour of the inside, to tell skins apart.
    QColor fill = QColor(40, 60, 90);
    // Extra lines appended to Skin.ini.
    std::string extraIni;
    // With false, a second, smaller skin: one button, no list, combo, edit or caption.
    bool full = true;
    // A full skin with the buttons of the two effect windows too, left of the exit button.
    bool effectButtons = false;
};

inline constexpr int kSkinWidth = 200;
inline constexpr int kSkinHeight = 120;
inline constexpr int kFrame = 4;

// The expected window shape of a TestSkin.
QRegion TestSkinShape();

// Writes Skin.ini and its bitmaps into `folder` (made if missing).
void WriteTestSkin(const std::filesystem::path &folder, const TestSkin &skin = {});

// Writes the skin into a ZIP package at `package`, using `scratch` as a work folder.
void WriteTestSkinPackage(const std::filesystem::path &package,
                          const std::filesystem::path &scratch, const TestSkin &skin = {});

} // namespace lumaskin::test
