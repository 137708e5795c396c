#include "controls/memory_dc.h"

#include <QPaintDevice>
#include <QPaintEngine>

namespace lumaskin {

namespace {

// Printers, PDF writers and recordings have no screen to flicker on.
bool IsPrintingContext(QPainter &painter)
{
    const QPaintDevice *device = painter.device();
    if (device &&
        (device->devType() == QInternal::Printer || device->devType() == QInternal::Picture))
        return true;
    const QPaintEngine *engine = painter.paintEngine();
    return engine &&
           (engine->type() == QPaintEngine::Pdf || engine->type() == QPaintEngine::Picture);
}

} // namespace

MemoryDC::MemoryDC(QPainter &targetDC, const QRect &rect, bool copyBackground)
    : m_targetDC(&targetDC), m_isMemoryDC(!IsPrintingContext(targetDC))
{
    m_rect = rect;
    if (m_rect.isNull()) {
        m_rect = targetDC.hasClipping() ? targetDC.clipBoundingRect().toAlignedRect()
                                        : targetDC.window();
    }

    if (!m_isMemoryDC) {
        if (!copyBackground)
            targetDC.fillRect(m_rect, targetDC.background());
        return;
    }

    QPaintDevice *device = targetDC.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    // A zero-sized frame still gets a painter to draw on; it is simply never copied.
    const QSize size = m_rect.isEmpty() ? QSize(1, 1) : m_rect.size() * ratio;
    if (copyBackground && device && device->devType() == QInternal::Image) {
        const auto *image = static_cast<const QImage *>(device);
        const QRect deviceRect = targetDC.deviceTransform().mapRect(QRectF(m_rect)).toRect();
        m_bitmap = image->copy(deviceRect).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        m_copiedFromTarget = true;
    } else {
        m_bitmap = QImage(size, QImage::Format_ARGB32_Premultiplied);
        // On a widget the pixels under the frame are not readable, but drawing a frame that
        // starts transparent over them gives the same picture.
        m_bitmap.fill(copyBackground ? QColor(Qt::transparent) : targetDC.background().color());
    }
    m_bitmap.setDevicePixelRatio(ratio);

    m_painter.emplace(&m_bitmap);
    m_painter->setFont(targetDC.font());
    m_painter->setPen(targetDC.pen());
    m_painter->setBrush(targetDC.brush());
    m_painter->setBackground(targetDC.background());
    m_painter->translate(-m_rect.topLeft());
}

MemoryDC::~MemoryDC()
{
    if (!m_isMemoryDC)
        return;
    m_painter.reset();
    if (m_rect.isEmpty())
        return;
    m_targetDC->save();
    m_targetDC->setCompositionMode(m_copiedFromTarget ? QPainter::CompositionMode_Source
                                                      : QPainter::CompositionMode_SourceOver);
    m_targetDC->drawImage(m_rect.topLeft(), m_bitmap);
    m_targetDC->restore();
}

QPainter &MemoryDC::Painter()
{
    return m_isMemoryDC ? *m_painter : *m_targetDC;
}

QImage MemoryDC::Copy(const QRect &area) const
{
    if (!m_isMemoryDC || m_rect.isEmpty())
        return {};
    const qreal ratio = m_bitmap.devicePixelRatio();
    const QRect local = area.translated(-m_rect.topLeft());
    QImage copy = m_bitmap.copy(QRect(local.topLeft() * ratio, local.size() * ratio));
    copy.setDevicePixelRatio(ratio);
    return copy;
}

} // namespace lumaskin
