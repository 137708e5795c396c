#pragma once

#include "engine/image.h"

#include <QString>

class QCoreApplication;

namespace lumaskin {

// Text is drawn with Qt's fonts, which need Qt GUI: a library that command-line conversions
// load only when a text mark asks for it (the "text" module, loaded as the codec modules are).

// The ink of `text` in the font `family` at `pixelSize` pixels, as a picture just large enough
// to hold it: every pixel `colour` (0xRRGGBB), its alpha the ink's coverage. Drawn from the
// glyphs' outlines without hinting, so that every platform plugin gives the same pixels. Null,
// with a plain reason, when the module cannot be loaded, no GUI application runs, or memory
// runs out.
Image RenderTextMark(const QString &text, const QString &family, int pixelSize, unsigned colour,
                     QString *error);

// The application a program without windows makes when it draws text: a GUI application on the
// "offscreen" platform, which needs no display. Null, with a plain reason, when the module
// cannot be loaded.
QCoreApplication *MakeTextApplication(int &argc, char **argv, QString *error);

struct TextModule
{
    Image (*render)(const QString &, const QString &, int, unsigned, QString *);
    QCoreApplication *(*makeApplication)(int &, char **, QString *);
};

} // namespace lumaskin
