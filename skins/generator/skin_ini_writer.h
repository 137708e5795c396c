#pragma once

#include "skins/generator/skin_layout.h"
#include "skins/generator/theme.h"

#include <QColor>
#include <string>

namespace lumaskin::skingen {

// File names inside every package.
inline constexpr char kBackgroundFile[] = "Background.bmp";
inline constexpr char kIconFile[] = "Icon.bmp";
inline constexpr char kNotifierFile[] = "dlgTaskNotifier.bmp";
inline constexpr char kDropButtonFile[] = "btnDrop.bmp";
inline constexpr char kScrollTrackFile[] = "sbTrack.bmp";
inline constexpr char kScrollUpFile[] = "sbUp.bmp";
inline constexpr char kScrollUpPressedFile[] = "sbUpPressed.bmp";
inline constexpr char kScrollDownFile[] = "sbDown.bmp";
inline constexpr char kScrollDownPressedFile[] = "sbDownPressed.bmp";
inline constexpr char kScrollThumbFile[] = "sbThumb.bmp";
inline constexpr char kScrollThumbPressedFile[] = "sbThumbPressed.bmp";
// The three bitmaps of slider number `number` (1-based).
std::string SliderChannelFile(int number);
std::string SliderThumbFile(int number);
std::string SliderActiveThumbFile(int number);

// The text of a skin's Skin.ini: background, key colour, viewer area, icon, caption, and one
// numbered entry per control in each list section; the notifier's close button in
// "TASKBARBUTTON".
std::string SkinIniText(const Theme &theme, const SkinLayout &layout,
                        const NotifierLayout &notifier);

} // namespace lumaskin::skingen
