#pragma once

#include "engine/image.h"

#include <QByteArray>
#include <QString>

namespace lumaskin {

// A one-page PDF whose page measures the picture's size in points (72 per inch), with the
// picture drawn 1:1 over the whole page, blended over white. Written with Qt's PDF engine.
bool EncodePdf(const Image &image, QByteArray &out, QString *error);

} // namespace lumaskin
