#pragma once

#include "viewercontrol/codecs/codec.h"

namespace lumaskin {

// Talks to poppler's Qt 6 binding.

// Renders the first page on white at `dotsPerInch`, lowered when needed so that the result
// stays within the picture size limit. Large pages are rendered in bands so that only one
// band is held twice.
Image RenderFirstPdfPage(Bytes bytes, double dotsPerInch, QString *error);

} // namespace lumaskin
