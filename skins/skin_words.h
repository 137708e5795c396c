// The words of the bundled skins, for the translation catalogue: the program shows the
// labels, tooltips and button captions of a skin through translation in context "Skin".
// Written by `lumaskin-skingen --words skins/skin_words.h`; a test checks it against the skins.
#pragma once

#include <QtGlobal>

namespace lumaskin {

inline constexpr const char *kBundledSkinWords[] = {
    QT_TRANSLATE_NOOP("Skin", "Add"),
    QT_TRANSLATE_NOOP("Skin", "Add picture files to the list"),
    QT_TRANSLATE_NOOP("Skin", "Audio"),
    QT_TRANSLATE_NOOP("Skin", "Clear"),
    QT_TRANSLATE_NOOP("Skin", "Close"),
    QT_TRANSLATE_NOOP("Skin", "Close Lumaskin"),
    QT_TRANSLATE_NOOP("Skin", "Colour effects: brightness; contrast; gamma; hue and more"),
    QT_TRANSLATE_NOOP("Skin", "Colours"),
    QT_TRANSLATE_NOOP("Skin", "Convert"),
    QT_TRANSLATE_NOOP("Skin", "Convert every listed picture to the chosen format"),
    QT_TRANSLATE_NOOP("Skin", "Convert to"),
    QT_TRANSLATE_NOOP("Skin", "Down"),
    QT_TRANSLATE_NOOP("Skin", "Edit"),
    QT_TRANSLATE_NOOP("Skin", "Effects"),
    QT_TRANSLATE_NOOP("Skin", "Empty the list"),
    QT_TRANSLATE_NOOP("Skin", "Filters"),
    QT_TRANSLATE_NOOP("Skin", "Filters: blur; sharpen; emboss; mosaic and more"),
    QT_TRANSLATE_NOOP("Skin", "First sound track"),
    QT_TRANSLATE_NOOP("Skin", "Images"),
    QT_TRANSLATE_NOOP("Skin", "Last saved"),
    QT_TRANSLATE_NOOP("Skin", "Minimise"),
    QT_TRANSLATE_NOOP("Skin", "Move the selected picture down the list"),
    QT_TRANSLATE_NOOP("Skin", "Move the selected picture up the list"),
    QT_TRANSLATE_NOOP("Skin", "Open the effect windows for the selected picture"),
    QT_TRANSLATE_NOOP("Skin", "Pause"),
    QT_TRANSLATE_NOOP("Skin", "Position"),
    QT_TRANSLATE_NOOP("Skin", "Preview"),
    QT_TRANSLATE_NOOP("Skin", "Remove"),
    QT_TRANSLATE_NOOP("Skin", "Remove the selected pictures from the list"),
    QT_TRANSLATE_NOOP("Skin", "Repeat"),
    QT_TRANSLATE_NOOP("Skin", "Restore"),
    QT_TRANSLATE_NOOP("Skin", "Second sound track"),
    QT_TRANSLATE_NOOP("Skin", "Show"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 100 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 150 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 200 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 25 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 33 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 50 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the picture at 75 %"),
    QT_TRANSLATE_NOOP("Skin", "Show the selected picture"),
    QT_TRANSLATE_NOOP("Skin", "Start again at the end"),
    QT_TRANSLATE_NOOP("Skin", "Steps"),
    QT_TRANSLATE_NOOP("Skin", "Stop"),
    QT_TRANSLATE_NOOP("Skin", "The batch's steps: resize; crop; turn; watermark; presets"),
    QT_TRANSLATE_NOOP("Skin", "Track 1"),
    QT_TRANSLATE_NOOP("Skin", "Track 2"),
    QT_TRANSLATE_NOOP("Skin", "Undo every effect and show the picture as loaded"),
    QT_TRANSLATE_NOOP("Skin", "Up"),
    QT_TRANSLATE_NOOP("Skin", "Zoom"),
    QT_TRANSLATE_NOOP("Skin", "Zoom in"),
    QT_TRANSLATE_NOOP("Skin", "Zoom out"),
};

} // namespace lumaskin
