#pragma once

#include "controls/face_caption.h"
#include "skins/generator/skin_layout.h"
#include "skins/generator/theme.h"

#include <QImage>

namespace lumaskin::skingen {

// The four faces of every button-like control, in strip order.
enum class Face
{
    Normal,
    Hover,
    Pressed,
    Disabled
};
inline constexpr Face kFaces[] = {Face::Normal, Face::Hover, Face::Pressed, Face::Disabled};

// A strip of the four faces side by side, each as large as the button, drawn over `under`
// (the part of the background the button covers), so rounded corners blend into the
// background exactly and no face needs the key colour. A button with words has neither them
// nor its glyph on its faces: they are its caption, which the program draws.
QImage ButtonStrip(const Theme &theme, const ButtonSpec &button, const QImage &under);

// Option buttons and check boxes: an indicator, and room beside it for the caption. Normal is
// unchecked, hover unchecked under the mouse, pressed is checked, disabled is greyed.
QImage ToggleStrip(const Theme &theme, const ToggleSpec &toggle, const QImage &under);

// The combo box's drop button: square faces of `under`'s height that close the edit field
// on its right.
QImage ComboDropStrip(const Theme &theme, const QImage &under);

// The skin's icon, drawn over `under`.
QImage SkinIcon(const Theme &theme, const QImage &under);

// The words of a button (with its glyph) or of a toggle, as the program draws them on its faces.
FaceCaption ButtonCaption(const Theme &theme, const ButtonSpec &button);
FaceCaption ToggleCaption(const Theme &theme, const ToggleSpec &toggle);

// Whether a button's glyph and text, or a toggle's indicator and text, fit its rectangle
// with a little room to spare.
bool ContentFits(const Theme &theme, const ButtonSpec &button);
bool ContentFits(const Theme &theme, const ToggleSpec &toggle);

// Puts the four faces side by side.
QImage JoinFaces(const QImage (&faces)[4]);

} // namespace lumaskin::skingen
