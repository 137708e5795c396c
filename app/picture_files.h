#pragma once

#include <QString>
#include <QStringList>

namespace lumaskin {

// The files that a list of paths given by the user stands for, as absolute paths: a file as
// it is (the viewer says so if it is no picture), a folder as the pictures directly inside it
// in name order (hidden files, sub-folders and other files left out). Paths that do not exist
// go into *missing when given.
QStringList PictureFiles(const QStringList &paths, QStringList *missing = nullptr);

} // namespace lumaskin
