#pragma once

#include <QByteArray>
#include <QString>

namespace lumaskin {

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a failure
// leaves no partial file and leaves an existing file at `path` untouched.
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error);

} // namespace lumaskin
