#pragma once

#include <QByteArray>
#include <QString>

namespace lumaskin {

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a failure
// leaves no partial file and leaves an existing file at `path` untouched. Every write and the
// flush to the disk are checked before the rename, so a full disk fails the write (saying so)
// instead of replacing the file with a short one. The temporary is created exclusively in
// the target's folder and renamed over the name itself: a symbolic link at `path` is replaced
// by the file, never written through. An existing file keeps its permissions.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

// A plain reason for a failed file operation, from its errno ("the disk is full").
QString FileErrorText(int errorNumber);

} // namespace lumaskin
