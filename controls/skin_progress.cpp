#include "controls/skin_progress.h"

#include "controls/bitmap_helpers.h"
#include "controls/memory_dc.h"
#include "controls/skin_host.h"

#include <QAccessible>
#include <QPainter>
#include <algorithm>

namespace lumaskin {

SkinProgress::SkinProgress(QWidget *parent) : QWidget(parent) {}

SkinProgress::~SkinProgress() = default;

void SkinProgress::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

void SkinProgress::SetRange(int minPos, int maxPos)
{
    m_minPos = minPos;
    m_maxPos = maxPos;
    m_pos = std::max(std::min(m_pos, m_maxPos), m_minPos);
    update();
}

void SkinProgress::SetMinPos(int minPos)
{
    SetRange(minPos, m_maxPos);
}

void SkinProgress::SetMaxPos(int maxPos)
{
    SetRange(m_minPos, maxPos);
}

void SkinProgress::SetPos(int pos)
{
    pos = std::min(pos, m_maxPos);
    pos = std::max(pos, m_minPos);
    const bool changed = pos != m_pos;
    m_pos = pos;
    update();
    if (changed && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, m_pos);
        QAccessible::updateAccessibility(&event);
    }
}

bool SkinProgress::SetTileBitmap(const QString &path)
{
    QImage tile;
    if (!LoadBitmapFile(path, tile, {devicePixelRatioF(), m_keyColor})) {
        // A named file that does not load leaves no tile; no name leaves the old one.
        if (!path.isEmpty()) {
            m_tile = QImage();
            m_tileWidth = 0;
            m_tileHeight = 0;
            update();
        }
        return false;
    }
    m_tile = WithKeyTransparent(tile, m_keyColor);
    m_tile.setDevicePixelRatio(tile.devicePixelRatio());
    m_tileWidth = LogicalSize(m_tile).width();
    m_tileHeight = LogicalSize(m_tile).height();
    update();
    return true;
}

int SkinProgress::FilledWidth() const
{
    const long long range = static_cast<long long>(m_maxPos) - m_minPos;
    if (range <= 0)
        return 0;
    const long long filled = static_cast<long long>(width()) * m_pos / range;
    return static_cast<int>(std::clamp<long long>(filled, 0, width()));
}

void SkinProgress::paintEvent(QPaintEvent *)
{
    QPainter target(this);
    MemoryDC dc(target, rect(), false);
    QPainter &painter = dc.Painter();

    if (m_backgroundPending) {
        m_backgroundCopy = CopyBackgroundUnder(m_host, *this);
        m_backgroundPending = false;
    }
    if (!m_backgroundCopy.isNull())
        DrawBitmap(painter, QRectF(QPointF(0, 0), LogicalSize(m_backgroundCopy)), m_backgroundCopy,
                   QRectF(QPointF(0, 0), LogicalSize(m_backgroundCopy)));
    if (m_tileWidth <= 0 || m_tileHeight <= 0)
        return;

    const int filled = FilledWidth();
    const int fullTiles = filled / m_tileWidth;
    const int rest = filled % m_tileWidth;
    const QRectF wholeTile(0, 0, m_tileWidth, m_tileHeight);
    for (int i = 0; i < fullTiles; ++i)
        DrawBitmap(painter, wholeTile.translated(i * m_tileWidth, 0), m_tile, wholeTile);
    // The last tile is the whole tile squeezed into what is left, not a cut of it.
    if (rest > 0)
        DrawBitmap(painter, QRectF(fullTiles * m_tileWidth, 0, rest, m_tileHeight), m_tile,
                   wholeTile);
}

} // namespace lumaskin
