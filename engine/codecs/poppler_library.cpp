#include "engine/codecs/poppler_library.h"

#include "engine/codecs/codec_modules.h"

#include <QCoreApplication>
#include <QImage>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstring>
#include <mutex>
#include <poppler-qt6.h>

namespace lumaskin {

namespace {

void QuietPoppler()
{
    static std::once_flag once;
    // poppler reports every quirk of a file on stderr; the reader reports what matters.
    std::call_once(
        once, [] { Poppler::setDebugErrorFunction([](const QString &, const QVariant &) {}, {}); });
}

constexpr int kBandPixels = 16 << 20;

using Clock = std::chrono::steady_clock;

// Handed to poppler, which asks it now and then while it draws whether to stop.
struct RenderBudget
{
    Clock::time_point deadline;
    const std::atomic<bool> *cancel = nullptr;
    bool exceeded = false;
    bool cancelled = false;
};

bool ShouldStop(const QVariant &payload)
{
    auto *budget = reinterpret_cast<RenderBudget *>(payload.value<quintptr>());
    if (budget->cancel && budget->cancel->load(std::memory_order_relaxed))
        budget->cancelled = true;
    if (!budget->exceeded && Clock::now() >= budget->deadline)
        budget->exceeded = true;
    return budget->exceeded || budget->cancelled;
}

QString TookTooLong()
{
    return QCoreApplication::translate("Codec",
                                       "the PDF page takes too long to draw (more than %1 seconds)")
        .arg(PdfRenderSeconds());
}

} // namespace

Image RenderFirstPdfPage(Bytes bytes, double dotsPerInch, QString *error)
{
    QuietPoppler();
    const QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()),
                                                    static_cast<qsizetype>(bytes.size()));
    const std::unique_ptr<Poppler::Document> document = Poppler::Document::loadFromData(data);
    if (!document)
        return Fail(error, reason::Damaged("PDF"));
    if (document->isLocked())
        return Fail(error,
                    QCoreApplication::translate("Codec", "the PDF is protected by a password"));
    if (document->numPages() < 1)
        return Fail(error, QCoreApplication::translate("Codec", "the PDF has no pages"));
    const std::unique_ptr<Poppler::Page> page = document->page(0);
    if (!page)
        return Fail(error, reason::Damaged("PDF"));
    const QSizeF points = page->pageSizeF(); // already turned by the page's rotation
    if (!(points.width() > 0 && points.height() > 0))
        return Fail(error, reason::Damaged("PDF"));
    double dpi = dotsPerInch;
    auto pixels = [&](double extent) {
        return static_cast<std::int64_t>(std::ceil(extent * dpi / 72.0));
    };
    const double area = static_cast<double>(pixels(points.width())) * pixels(points.height());
    const double limit = static_cast<double>(ReadPixelLimit());
    if (area > limit)
        dpi *= std::sqrt(limit / area) * 0.999;
    const double longest = std::max(points.width(), points.height());
    if (longest * dpi / 72.0 > Image::kMaxSide)
        dpi = Image::kMaxSide * 72.0 / longest * 0.999;
    const std::int64_t width = pixels(points.width());
    const std::int64_t height = pixels(points.height());
    if (RefuseSize(width, height, error))
        return {};
    Image image(static_cast<int>(width), static_cast<int>(height));
    if (image.IsNull())
        return Fail(error, reason::OutOfMemory());
    document->setRenderHint(Poppler::Document::Antialiasing);
    document->setRenderHint(Poppler::Document::TextAntialiasing);
    document->setPaperColor(Qt::white);
    const int band = static_cast<int>(std::max<std::int64_t>(1, kBandPixels / width));
    // One budget for the whole page, however many bands it takes.
    RenderBudget budget{Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                           std::chrono::duration<double>(PdfRenderSeconds())),
                        PdfRenderCancelFlag()};
    const QVariant payload = QVariant::fromValue(reinterpret_cast<quintptr>(&budget));
    for (int top = 0; top < image.Height(); top += band) {
        const int rows = std::min(band, image.Height() - top);
        QImage part =
            page->renderToImage(dpi, dpi, 0, top, image.Width(), rows, Poppler::Page::Rotate0,
                                nullptr, nullptr, ShouldStop, payload);
        if (budget.cancelled)
            return Fail(error, QCoreApplication::translate("Codec", "the reading was cancelled"));
        if (budget.exceeded)
            return Fail(error, TookTooLong());
        if (part.isNull())
            return Fail(error, reason::Damaged("PDF"));
        part.convertTo(QImage::Format_RGBA8888);
        const int copyRows = std::min(rows, part.height());
        const std::size_t rowBytes =
            4 * static_cast<std::size_t>(std::min(image.Width(), part.width()));
        for (int y = 0; y < copyRows; ++y)
            std::memcpy(image.Row(top + y), part.constScanLine(y), rowBytes);
        // A band that came back short (rounding of the page size) is left white.
        for (int y = copyRows; y < rows; ++y)
            std::memset(image.Row(top + y), 255, 4 * static_cast<std::size_t>(image.Width()));
        if (part.width() < image.Width())
            for (int y = 0; y < copyRows; ++y)
                std::memset(image.Row(top + y) + rowBytes, 255,
                            4 * static_cast<std::size_t>(image.Width()) - rowBytes);
    }
    return image;
}

} // namespace lumaskin

LUMASKIN_CODEC_MODULE(pdf, lumaskin::PdfModule{lumaskin::RenderFirstPdfPage, lumaskin::EncodePdf})
