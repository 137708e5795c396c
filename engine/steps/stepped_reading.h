#pragma once

#include "engine/image.h"
#include "engine/steps/step.h"

#include <QString>
#include <span>

namespace lumaskin {

// Reads the picture at `path` (as ReadImage does) and applies the steps to it. When the first
// step that is not a colour effect is a resize, the reader may decode the picture smaller, as
// long as it stays at least as large as the resize makes it; the resize then goes to the size
// the whole picture would have given. With `asStored` the picture is taken as its file stores
// it: a photo that its EXIF orientation turns upright is turned back, and the steps work on it
// as stored. Null, with a plain reason, when reading or a step fails.
Image ReadWithSteps(const QString &path, std::span<const Step> steps, bool asStored,
                    QString *error);

} // namespace lumaskin
