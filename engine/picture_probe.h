#pragma once

#include <QString>

namespace lumaskin {

// Whether the file looks like a picture Lumaskin reads: its first bytes match a format's
// signature, or, for formats without one, the header makes sense and the extension is one of
// that format's.
// What a folder gives when its pictures are taken, in the window and on the command line.
bool LooksLikePicture(const QString &path);

} // namespace lumaskin
