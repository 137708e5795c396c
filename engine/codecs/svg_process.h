#pragma once

#include "engine/codecs/codec.h"

namespace lumaskin {

// SVG drawings are drawn by a helper process (lumaskin-svg-draw, beside the codec modules)
// rather than in this one: librsvg offers no way to stop a drawing, and a few hundred bytes of
// filters can keep it busy for minutes and take gigabytes. The helper is ended when the drawing
// takes longer than the PDF page budget (PdfRenderSeconds), when this thread's PdfRenderCancel
// flag is set, or when this process ends; its memory is bounded by what the largest drawing
// needs. The drawing itself is RenderSvg's, unchanged.
Image RenderSvgInHelper(Bytes bytes, QString *error);

// Whether RenderSvg draws in the helper (the default) or in this process (for fuzzing, which
// must see the drawing code run).
void SetSvgDrawnInHelper(bool inHelper);
bool SvgDrawnInHelper();

// The helper's side: reads the drawing from `in`, draws it, and writes the result to `out`.
// Returns the process's exit status.
int ServeSvgDrawing(int in, int out, std::int64_t pixelLimit);

} // namespace lumaskin
