#pragma once

#include <QString>
#include <string>

namespace lumaskin {

// Makes the skinned controls known to screen readers: each gets an accessible interface with
// the role of what it stands for (push button, check box, option button, slider, progress
// bar, combo box, label, scroll bar), its name, states, value and actions. Installed once,
// before the first window shows; installing again does nothing.
void InstallSkinAccessibility();

// A control's name when the skin gives it no text of its own: the entry's name without its
// kind, as words ("BUTTON_ZOOM100" -> "Zoom 100", "BUTTON__RESTORE" -> "Restore").
QString ReadableName(const std::string &controlName);

} // namespace lumaskin
