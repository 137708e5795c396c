#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumaskin {

// File names on Linux are bytes, not text: a name need not be valid UTF-8. Qt turns such
// bytes into U+FFFD and cannot open the file again. These helpers carry every name through a
// QString losslessly instead: valid UTF-8 reads as text, and each byte that is not part of
// valid UTF-8 becomes one lone surrogate U+DC80..U+DCFF (no valid UTF-8 text produces those),
// which turns back into the same byte.

// The name as the system knows it.
QByteArray NativeFileName(const QString &name);
// A name from the system (a command-line argument, a folder listing) as a QString.
QString FileNameFromNative(QByteArrayView bytes);

// A name that came through Qt's own lossy decoding (a file dialog, a dropped URL): when no
// file has that name but one whose bytes Qt would show the same way does, that file's name;
// otherwise `name` unchanged. A name that would fit several files is left as it is.
QString ResolveFileName(const QString &name);

// Orders names by their bytes, as the system sorts them in the C locale.
bool NativeNameLess(const QString &a, const QString &b);

// `folder` with exactly one '/' at its end ("a//" gives "a/", "/" stays "/"); empty stays empty.
QString FolderWithSlash(const QString &folder);
// `name` inside `folder`, with one '/' between them; `name` alone when the folder is empty.
QString JoinedPath(const QString &folder, const QString &name);

// The name in double quotes for a report line, with quotes, backslashes, control characters
// and line breaks escaped and bytes that are not text written as \xNN, so that no file name
// can break the line or pass for another one.
QString QuotedFileName(const QString &name);

} // namespace lumaskin
