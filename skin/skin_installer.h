#pragma once

#include <QString>

namespace lumaskin {

// Whether the file at `path` can serve as a skin package: it opens as a ZIP archive, holds
// Skin.ini at its top level, and the background bitmap that Skin.ini names can be read. When it
// cannot, *reason says why in one sentence for the user. Nothing is shown to the user on the
// way, and the package is extracted into a private working folder that is gone again on return.
bool CheckSkinPackage(const QString &path, QString *reason);

class SkinWorkingFolder;
// Why a package extracted into `folder` gives no skin ("it holds no Skin.ini at its top
// level."), or empty when it gives one.
QString ExtractedSkinProblem(const SkinWorkingFolder &folder);

// Copies the package at `path` into `folder` (made if missing) under its own file name,
// through a temporary file renamed into place, so a failed copy never leaves half a package
// nor damages one already there. Returns the new path, or empty with *error set.
QString CopyPackageInto(const QString &path, const QString &folder, QString *error);

} // namespace lumaskin
