#pragma once

#include <QImage>
#include <QString>

namespace lumaskin::skingen {

// A picture of a skin as the program shows it after loading, rendered from the skin's own
// files in `folder` (its Skin.ini read with the program's reader, its bitmaps loaded from
// disk): the shaped window with every control's first face, a list with sample rows, the
// format box showing "PNG", the labels, a sample picture in the viewer, and the notifier
// beside the window, showing `pageHtml` (or a placeholder without it), on a plain desktop. At
// `scale` 2 the picture is twice as large and drawn from the skin's "@2x" bitmaps, as a screen
// scaled 2x shows it. A null image with `error` set when the skin cannot be read.
QImage RenderPreview(const QString &folder, QString &error, int scale = 1,
                     const QString &pageHtml = {});

} // namespace lumaskin::skingen
