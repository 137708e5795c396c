#pragma once

#include "engine/codecs/codec.h"
#include "engine/codecs/pdf_writer.h"

#include <atomic>

namespace lumaskin {

// Talks to poppler's Qt 6 binding.

// Renders the first page on white at `dotsPerInch`, lowered when needed so that the result
// stays within the picture size limit. Large pages are rendered in bands so that only one
// band is held twice. Drawing the page may take at most PdfRenderSeconds(): a page built to
// take hours (forms drawing forms drawing forms) is refused when its time is up.
Image RenderFirstPdfPage(Bytes bytes, double dotsPerInch, QString *error);

// The time budget of one page, 15 seconds unless changed (tests shorten it).
double PdfRenderSeconds();
void SetPdfRenderSeconds(double seconds);

// While alive, a page drawn on this thread also stops as soon as `*cancel` turns true (the
// viewer sets it when the file it is reading is no longer wanted).
class PdfRenderCancel
{
public:
    explicit PdfRenderCancel(const std::atomic<bool> *cancel);
    ~PdfRenderCancel();
    PdfRenderCancel(const PdfRenderCancel &) = delete;
    PdfRenderCancel &operator=(const PdfRenderCancel &) = delete;

private:
    const std::atomic<bool> *m_previous;
};

// The flag of this thread's innermost PdfRenderCancel, or null.
const std::atomic<bool> *PdfRenderCancelFlag();

// What the pdf module hands over: reading with poppler, writing with Qt's PDF engine.
struct PdfModule
{
    decltype(&RenderFirstPdfPage) render;
    decltype(&EncodePdf) encode;
};

} // namespace lumaskin
