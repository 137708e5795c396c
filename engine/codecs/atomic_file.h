#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

namespace lumaskin {

// Writes `bytes` to a temporary file beside `path` and renames it into place, so a failure
// leaves no partial file and leaves an existing file at `path` untouched. Every write and the
// flush to the disk are checked before the rename, so a full disk fails the write (saying so)
// instead of replacing the file with a short one. The temporary is created exclusively in
// the target's folder and renamed over the name itself: a symbolic link at `path` is replaced
// by the file, never written through. An existing file keeps its permissions.
//
// Where the file system allows, the file has no name until it is complete, so that a run killed
// midway leaves nothing in the folder; elsewhere a hidden ".lumaskin-*.tmp" beside the target.
//
// With `keep`, nothing at the name is ever replaced, not even a file that appears there while
// this one is written: the name is taken only if it is free at that moment (see NameTaken).
struct NameTaken;
bool WriteFileAtomically(const QString &path, const QByteArray &bytes, QString *error,
                         const NameTaken *keep = nullptr);

// What a write that keeps existing files does when it finds its name taken.
struct NameTaken
{
    // Another name in the same folder to try; an empty one gives up, and the write fails
    // ("a file of that name exists already"). Asked again while the names it gives are taken.
    std::function<QString()> another;
    // Set to the path written, and to whether a file was found in the way.
    QString *writtenAs = nullptr;
    bool *existed = nullptr;
};

// A plain reason for a failed file operation, from its errno ("the disk is full").
QString FileErrorText(int errorNumber);

} // namespace lumaskin
