#pragma once

#include <QString>

namespace lumaskin::bench {

// Checks that `path` is one whole PNG of the given size: the signature, an IHDR with that
// width and height, and the IEND chunk closing the file with every chunk length in bounds.
// A file cut short, or a wrong picture, fails with a plain reason in *error. Reads only the
// chunk headers, not the pixel data.
bool CheckPngFile(const QString &path, int width, int height, QString *error);

} // namespace lumaskin::bench
