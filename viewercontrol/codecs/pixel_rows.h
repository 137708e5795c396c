#pragma once

#include "viewercontrol/image.h"

#include <QImage>
#include <QSize>
#include <cstdint>

namespace lumaskin {

// What a writer needs to know to pick the smallest fitting pixel layout.
struct PixelSummary
{
    bool opaque = true; // every alpha is 255
    bool grey = true;   // every pixel has red == green == blue
};

// One pass over the picture in bands of rows on every core; a band stops as soon as both
// answers are known to be false.
PixelSummary Summarise(const Image &image);

// One row of RGBA blended over white into RGB (3 bytes per pixel), for formats without alpha.
void CompositeRowOverWhite(const std::uint8_t *rgba, std::uint8_t *rgb, int width);

// A picture scaled smoothly (area-averaging when shrinking, alpha-aware) to the given size.
Image Scaled(const Image &image, int width, int height);

// The picture shrunk to `size` for showing, by area averaging in premultiplied form, bands of
// rows in parallel: each pixel is the mean of the picture area it covers. Sizes larger than
// the picture in either direction go through Qt's smooth scaling instead.
QImage ShrunkForView(const Image &image, QSize size);

} // namespace lumaskin
