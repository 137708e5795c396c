#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin {

// Whether the file looks like a picture Lumaskin reads: its first bytes match a format's
// signature, or, for formats without one, the header makes sense and the extension is one of
// that format's.
// What a folder gives when its pictures are taken, in the window and on the command line.
bool LooksLikePicture(const QString &path);

// The names in `folder` that do not start with '.', in the byte order of the names. False with
// a plain reason when the folder cannot be read.
bool ListFolder(const QString &folder, QStringList *names, QString *error);

// The pictures directly inside `folder` (links to pictures included, sub-folders and hidden
// files left out), as paths in the byte order of their names; none when it cannot be read.
QStringList PicturesInFolder(const QString &folder);

} // namespace lumaskin
