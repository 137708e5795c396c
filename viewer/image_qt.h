#pragma once

#include "engine/image.h"

#include <QImage>
#include <QSize>

// The picture as Qt's painting sees it. These live with the viewer widget rather than in the
// engine, which needs no Qt GUI; Image::ToQImage and Image::FromQImage are defined here too.

namespace lumaskin {

// The picture shrunk to `size` for showing, premultiplied, by area averaging on every core
// (ScalePremultiplied): each pixel is the mean of the picture area it covers. Sizes larger
// than the picture in either direction go through Qt's smooth scaling instead.
QImage ShrunkForView(const Image &image, QSize size);

} // namespace lumaskin
