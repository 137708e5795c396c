#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin {

// Reads a list of file names from `path` ("-" for standard input): one a line, or separated by
// NUL bytes when `nul` is set. Names are bytes and come back as FileNameFromNative gives them.
// Empty entries (blank lines) are left out. Returns false with a plain reason when the list
// cannot be read.
bool ReadFileList(const QString &path, bool nul, QStringList *files, QString *error);

// The names of the pictures of one folder, sorted by their bytes, and the name (without
// extension) each one's conversion gets there: its own stem when no picture before it has
// that stem, else the first free "stem (n)", numbered in the same order. It depends only on the
// folder's contents, so that runs over any part of the folder agree on every name.
QStringList MirrorNames(const QStringList &sortedNames);

// The pictures that the paths given stand for, and where each goes under the output folder.
struct ConvertSources
{
    QStringList files;
    // Parallel to `files`: the target without extension relative to the output folder, or
    // empty for the plain name (see ConversionRequest::names).
    QStringList names;
    // One line for each path that gives nothing, or a folder that could not be read.
    QStringList problems;
};

struct SourceRules
{
    // Folders are walked for their pictures (recognised as the window's folders are), into
    // every sub-folder; their sub-folders are mirrored under the output folder. Links found
    // inside are not followed, and hidden files and folders are left out.
    bool recursive = false;
    // A file keeps the folder part of its name as given (without "." parts or leading
    // slashes) under the output folder; ".." is refused.
    bool parents = false;
    // Left out of the walk when it lies inside a walked folder, so that a rerun does not take
    // the conversions for pictures.
    QString outputFolder;
};

ConvertSources GatherSources(const QStringList &paths, const SourceRules &rules);

} // namespace lumaskin
