#include "engine/codecs/pdf_writer.h"

#include "engine/codecs/pixel_rows.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

namespace lumaskin {

bool EncodePdf(const Image &image, QByteArray &out, QString *error)
{
    // Opaque RGB, so the page holds no transparency and the engine stores plain colour.
    QImage page(image.Width(), image.Height(), QImage::Format_RGB888);
    if (page.isNull()) {
        if (error)
            *error =
                QCoreApplication::translate("Codec", "there is not enough memory for the picture");
        return false;
    }
    for (int y = 0; y < image.Height(); ++y)
        CompositeRowOverWhite(image.Row(y), page.scanLine(y), image.Width());

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("Lumaskin"));
        // At 72 dots per inch one pixel is one point: the page is the picture's size.
        writer.setResolution(72);
        const QPageSize size(QSizeF(image.Width(), image.Height()), QPageSize::Point, QString(),
                             QPageSize::ExactMatch);
        writer.setPageLayout(QPageLayout(size, QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        if (!painter.begin(&writer)) {
            if (error)
                *error = QCoreApplication::translate("Codec", "the PDF writer could not start");
            return false;
        }
        // Otherwise Qt stores the picture as a JPEG.
        painter.setRenderHint(QPainter::LosslessImageRendering);
        painter.drawImage(QPoint(0, 0), page);
        painter.end();
    }
    out = std::move(bytes);
    return true;
}

} // namespace lumaskin
