#include "controls/skin_slider.h"

#include "controls/bitmap_helpers.h"
#include "controls/memory_dc.h"
#include "controls/skin_host.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace lumaskin {

namespace {

// The thumb with its masked (key-coloured) pixels left undrawn.
QImage MaskedThumb(const QImage &thumb, const QImage &mask)
{
    QImage result = thumb.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    result.setDevicePixelRatio(thumb.devicePixelRatio());
    for (int y = 0; y < result.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if (mask.pixelIndex(x, y) == 1)
                line[x] = 0;
    }
    return result;
}

} // namespace

SkinSlider::SkinSlider(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

SkinSlider::~SkinSlider() = default;

void SkinSlider::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

void SkinSlider::SetRange(int minPos, int maxPos, bool redraw)
{
    m_minPos = minPos;
    m_maxPos = maxPos;
    // The position always stays inside the range.
    m_pos = std::max(std::min(m_pos, m_maxPos), m_minPos);
    if (redraw)
        update();
}

void SkinSlider::SetMinPos(int minPos, bool redraw)
{
    SetRange(minPos, m_maxPos, redraw);
}

void SkinSlider::SetMaxPos(int maxPos, bool redraw)
{
    SetRange(m_minPos, maxPos, redraw);
}

void SkinSlider::StepBy(long long delta)
{
    const long long target = static_cast<long long>(m_pos) + delta;
    SetPos(static_cast<int>(std::clamp<long long>(target, INT_MIN, INT_MAX)));
}

void SkinSlider::SetPos(int pos)
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

void SkinSlider::MoveTo(int pos)
{
    const int before = m_pos;
    SetPos(pos);
    if (m_pos != before && m_host)
        m_host->OnSliderMoved(m_index, m_pos);
}

int SkinSlider::SetPageSize(int pageSize)
{
    const int old = m_pageSize;
    m_pageSize = pageSize;
    return old;
}

void SkinSlider::Enable(bool on)
{
    m_enabled = on;
    if (!on && m_dragging)
        m_dragging = false;
    setFocusPolicy(on ? Qt::StrongFocus : Qt::NoFocus);
    if (!on && hasFocus())
        focusNextChild();
    update();
}

void SkinSlider::SetDrawFocusRect(bool on, bool redraw)
{
    m_drawFocusRect = on;
    if (redraw)
        update();
}

void SkinSlider::SetVertical(bool vertical)
{
    m_vertical = vertical;
    update();
}

bool SkinSlider::SetChannelBitmap(const QString &path)
{
    if (!LoadBitmapFile(path, m_channel, {devicePixelRatioF(), m_keyColor})) {
        m_channel = QImage();
        m_channelWidth = 0;
        m_channelHeight = 0;
        m_hasChannel = false;
        return false;
    }
    m_channelWidth = LogicalSize(m_channel).width();
    m_channelHeight = LogicalSize(m_channel).height();
    m_hasChannel = true;
    return true;
}

void SkinSlider::ClearThumbs()
{
    m_thumb = QImage();
    m_thumbMask = QImage();
    m_activeThumb = QImage();
    m_activeThumbMask = QImage();
    m_savedUnderThumb = QImage();
    m_oldThumbX = -1;
    m_hasThumb = false;
    m_hasActiveThumb = false;
}

bool SkinSlider::SetThumbBitmaps(const QString &thumbPath, const QString &activePath,
                                 bool transparent)
{
    if (thumbPath.isEmpty()) {
        ClearThumbs();
        update();
        return true;
    }
    QImage thumb;
    const BitmapLoad how{devicePixelRatioF(), m_keyColor};
    m_hasThumb = LoadBitmapFile(thumbPath, thumb, how);
    QImage thumbMask;
    if (transparent && m_hasThumb) {
        thumbMask = KeyMask(thumb, m_keyColor);
        thumb = MaskedThumb(thumb, thumbMask);
    }

    QImage active;
    QImage activeMask;
    if (!activePath.isEmpty()) {
        if (!LoadBitmapFile(activePath, active, how)) {
            ClearThumbs();
            update();
            return false;
        }
        if (transparent) {
            activeMask = KeyMask(active, m_keyColor);
            active = MaskedThumb(active, activeMask);
        }
    }
    m_thumb = thumb;
    m_thumbMask = thumbMask;
    m_activeThumb = active;
    m_activeThumbMask = activeMask;
    m_hasActiveThumb = !active.isNull();

    m_thumbWidth = LogicalSize(m_thumb).width();
    m_thumbHeight = LogicalSize(m_thumb).height();
    m_width = std::max(m_thumbWidth, m_channelWidth);
    m_height = std::max(m_thumbHeight, m_channelHeight);
    resize(m_width, m_height);
    m_rect = QRect(0, 0, m_width, m_height);
    m_transparentThumb = transparent;
    update();
    return true;
}

void SkinSlider::SetTooltipText(const QString &text, bool activate)
{
    setAccessibleName(text);
    setToolTip(activate ? text : QString());
}

SliderAxis SkinSlider::Axis() const
{
    if (m_vertical)
        return {m_minPos, m_maxPos, m_height, m_thumbHeight};
    return {m_minPos, m_maxPos, m_width, m_thumbWidth};
}

int SkinSlider::ThumbCentre() const
{
    return lumaskin::ThumbCentre(Axis(), m_pos);
}

void SkinSlider::paintEvent(QPaintEvent *)
{
    QPainter target(this);
    MemoryDC dc(target, m_rect, m_copyBackground);
    QPainter &painter = dc.Painter();

    // Every frame is drawn whole, so an old focus rectangle is simply not drawn again.
    m_focusRectShown = false;
    if (m_oldThumbX != -1) {
        painter.drawImage(QPoint(m_oldThumbX, m_oldThumbY), m_savedUnderThumb);
        m_oldThumbX = -1;
    }

    const int centre = ThumbCentre();
    if (m_hasChannel) {
        if (m_backgroundPending) {
            m_backgroundCopy = CopyBackgroundUnder(m_host, *this);
            m_backgroundPending = false;
        }
        if (!m_backgroundCopy.isNull())
            DrawBitmap(painter, QRectF(QPointF(0, 0), LogicalSize(m_backgroundCopy)),
                       m_backgroundCopy, QRectF(QPointF(0, 0), LogicalSize(m_backgroundCopy)));
        // The channel marks the part of the range already passed.
        if (!m_vertical) {
            const int top = m_thumbHeight == 0 ? 0 : std::abs(m_thumbHeight - m_channelHeight) / 2;
            if (centre > 0) {
                const QRect part(0, 0, std::min(centre, m_channelWidth), m_channelHeight);
                DrawBitmap(painter, part.translated(0, top), m_channel, part);
            }
        } else {
            const int left = m_thumbWidth == 0 ? 0 : std::abs(m_thumbWidth - m_channelWidth) / 2;
            const int first = std::max(centre, 0);
            if (m_channelHeight - first > 0) {
                const QRect part(0, first, m_channelWidth, m_channelHeight - first);
                DrawBitmap(painter, part.translated(left, 0), m_channel, part);
            }
        }
    }

    if (m_hasThumb && m_enabled) {
        const QImage &thumb = m_hasActiveThumb && m_dragging ? m_activeThumb : m_thumb;
        const QPoint at = m_vertical ? QPoint(0, centre - m_thumbHeight / 2)
                                     : QPoint(centre - m_thumbWidth / 2, 0);
        m_savedUnderThumb = dc.Copy(QRect(at, QSize(m_thumbWidth, m_thumbHeight)));
        m_oldThumbX = at.x();
        m_oldThumbY = at.y();
        const QRect thumbArea(QPoint(0, 0), QSize(m_thumbWidth, m_thumbHeight));
        DrawBitmap(painter, thumbArea.translated(at), thumb, thumbArea);
    }

    if (m_drawFocusRect && m_hasFocus && m_enabled && !m_rect.isEmpty()) {
        painter.save();
        painter.setPen(QPen(palette().color(QPalette::WindowText), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(m_rect.adjusted(0, 0, -1, -1));
        painter.restore();
        m_focusRectShown = true;
    }
}

void SkinSlider::MoveThumbTo(QPoint point)
{
    const SliderAxis axis = Axis();
    const int along = m_vertical ? point.y() : point.x();
    // Horizontally the upper bound is applied last, vertically the lower one.
    const int coordinate = ClampToTrack(axis, along, m_vertical);
    SetPos(PositionAt(axis, coordinate));
    if (m_host)
        m_host->OnSliderMoved(m_index, m_pos);
}

void SkinSlider::mousePressEvent(QMouseEvent *event)
{
    if (!m_enabled || event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    m_dragging = true;
    MoveThumbTo(event->position().toPoint());
    update();
}

void SkinSlider::mouseMoveEvent(QMouseEvent *event)
{
    if (m_enabled && m_dragging)
        MoveThumbTo(event->position().toPoint());
}

void SkinSlider::mouseReleaseEvent(QMouseEvent *event)
{
    if (!m_enabled || event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    update();
}

void SkinSlider::keyPressEvent(QKeyEvent *event)
{
    if (!m_enabled) {
        QWidget::keyPressEvent(event);
        return;
    }
    const int before = m_pos;
    switch (event->key()) {
    case Qt::Key_PageUp:
        StepBy(-static_cast<long long>(m_pageSize));
        break;
    case Qt::Key_PageDown:
        StepBy(m_pageSize);
        break;
    case Qt::Key_End:
        SetPos(m_maxPos);
        break;
    case Qt::Key_Home:
        SetPos(m_minPos);
        break;
    case Qt::Key_Right:
    case Qt::Key_Down:
        StepBy(1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        StepBy(-1);
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    // A move by key is reported as a drag reports it, so what follows the slider follows.
    if (m_pos != before && m_host)
        m_host->OnSliderMoved(m_index, m_pos);
}

void SkinSlider::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    update();
    QWidget::focusInEvent(event);
}

void SkinSlider::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    update();
    QWidget::focusOutEvent(event);
}

} // namespace lumaskin
