#pragma once

#include "viewercontrol/image.h"

#include <QByteArray>
#include <QString>

namespace lumaskin {

// Encodes with libjpeg-turbo's full API: 4:2:0 chroma subsampling, or one grey channel when
// every pixel is grey. Pictures with transparency are blended over white first. Rows are read
// straight from the picture.
//
// The picture is cut into horizontal stripes on MCU-row boundaries that are encoded in
// parallel and joined into one scan; a restart marker follows every MCU row, so the bytes are
// the same for any number of stripes. Huffman tables are the standard ones: optimised tables
// would save about 7 % of the size but take the encoder two to three times as long and a
// buffer of all the coefficients. `stripes` 0 lets the picture's size decide
// (OutputStripeCount).
bool EncodeJpeg(const Image &image, int quality, QByteArray &out, QString *error, int stripes = 0);

} // namespace lumaskin
