#pragma once

#include <QImage>
#include <QString>

namespace lumaskin::skingen {

// Writes `image` as an uncompressed 24-bit BMP (bottom-up rows, each padded to four bytes)
// whose bytes depend on nothing but the pixels, so packages come out the same on every
// build and the key colour reaches the loader exactly. Any alpha is dropped. False when the
// image is null or the file cannot be written.
bool WriteBmp24(const QImage &image, const QString &path);

} // namespace lumaskin::skingen
