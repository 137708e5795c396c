#include "controls/skin_scroll_bar.h"

#include "controls/bitmap_helpers.h"
#include "controls/memory_dc.h"

#include <QAbstractScrollArea>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>

namespace lumaskin {

namespace {

// Loads both images of a pair; the sizes change only when both load.
void LoadPair(const QString &normalPath, const QString &pressedPath, const BitmapLoad &how,
              QImage &normal, QImage &pressed, int &width, int &height)
{
    const bool normalLoaded = LoadBitmapFile(normalPath, normal, how);
    const bool pressedLoaded = LoadBitmapFile(pressedPath, pressed, how);
    if (normalLoaded && pressedLoaded) {
        width = LogicalSize(normal).width();
        height = LogicalSize(normal).height();
    }
}

// The whole of a bitmap drawn into `target`.
void DrawWhole(QPainter &painter, const QRect &target, const QImage &bitmap)
{
    DrawBitmap(painter, target, bitmap, QRectF(QPointF(0, 0), LogicalSize(bitmap)));
}

} // namespace

SkinScrollBar::SkinScrollBar(QWidget *parent) : QWidget(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
}

SkinScrollBar::~SkinScrollBar() = default;

void SkinScrollBar::LoadBitmaps(const ScrollBarFiles &files)
{
    // The bar's bitmaps are copied whole, without a key colour.
    const BitmapLoad how{devicePixelRatioF()};
    if (LoadBitmapFile(files.track, m_track, how)) {
        m_trackWidth = LogicalSize(m_track).width();
        m_trackHeight = LogicalSize(m_track).height();
    }
    LoadPair(files.up, files.upPressed, how, m_up, m_upPressed, m_upWidth, m_upHeight);
    LoadPair(files.down, files.downPressed, how, m_down, m_downPressed, m_downWidth, m_downHeight);
    LoadPair(files.thumb, files.thumbPressed, how, m_thumb, m_thumbPressed, m_thumbWidth,
             m_thumbHeight);
    m_barWidth = m_upWidth;
    m_thumbTop = m_upHeight;
    update();
}

void SkinScrollBar::SetList(QAbstractScrollArea *list)
{
    if (m_list)
        disconnect(m_list->verticalScrollBar(), nullptr, this, nullptr);
    m_list = list;
    if (list) {
        QScrollBar *source = list->verticalScrollBar();
        connect(source, &QScrollBar::valueChanged, this, &SkinScrollBar::UpdateBar);
        connect(source, &QScrollBar::rangeChanged, this, &SkinScrollBar::UpdateBar);
    }
    UpdateBar();
}

void SkinScrollBar::SetBkColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_bkColor = colour;
    update();
}

int SkinScrollBar::ScrollLimit() const
{
    if (!m_list)
        return 0;
    const QScrollBar *source = m_list->verticalScrollBar();
    return std::max(0, source->maximum() - source->minimum());
}

int SkinScrollBar::ScrollPosition() const
{
    if (!m_list)
        return 0;
    const QScrollBar *source = m_list->verticalScrollBar();
    return source->value() - source->minimum();
}

SliderAxis SkinScrollBar::Axis() const
{
    return {0, ScrollLimit(), height() - m_upHeight - m_downHeight, m_thumbHeight};
}

void SkinScrollBar::UpdateBar()
{
    const int track = height() - (m_upHeight + m_downHeight + m_thumbHeight);
    const int limit = ScrollLimit();
    m_pixelsPerLine = limit > 0 ? double(track) / limit : 0.0;
    // The thumb's top is its centre on the track less half a thumb.
    m_thumbTop = m_upHeight + ThumbCentre(Axis(), ScrollPosition()) - m_thumbHeight / 2;
    ClampThumb();
    update();
}

void SkinScrollBar::ClampThumb()
{
    const int h = height();
    if (m_thumbTop + m_thumbHeight > h - m_downHeight)
        m_thumbTop = h - m_downHeight - m_thumbHeight;
    if (m_thumbTop < m_upHeight)
        m_thumbTop = m_upHeight;
}

QRect SkinScrollBar::UpArrowRect() const
{
    return QRect(0, 0, m_upWidth, m_upHeight);
}

QRect SkinScrollBar::DownArrowRect() const
{
    return QRect(0, height() - m_downHeight, m_downWidth, m_downHeight);
}

QRect SkinScrollBar::ThumbRect() const
{
    return QRect(0, m_thumbTop, m_thumbWidth, m_thumbHeight);
}

void SkinScrollBar::paintEvent(QPaintEvent *)
{
    QPainter target(this);
    MemoryDC dc(target, rect(), false);
    QPainter &painter = dc.Painter();
    if (ScrollLimit() <= 0) {
        painter.fillRect(rect(), m_bkColor);
        return;
    }
    const int h = height();
    if (!m_track.isNull() && m_upWidth > 0)
        DrawWhole(painter, QRect(0, 0, m_upWidth, h), m_track);
    if (m_upWidth > 0 && m_upHeight > 0)
        DrawWhole(painter, UpArrowRect(), m_upDown ? m_upPressed : m_up);
    if (m_downWidth > 0 && m_downHeight > 0)
        DrawWhole(painter, DownArrowRect(), m_downDown ? m_downPressed : m_down);
    if (m_thumbWidth > 0 && m_thumbHeight > 0)
        DrawWhole(painter, ThumbRect(), m_thumbDown ? m_thumbPressed : m_thumb);
}

void SkinScrollBar::ScrollList(Scroll how)
{
    if (m_list) {
        QScrollBar *source = m_list->verticalScrollBar();
        switch (how) {
        case Scroll::LineUp:
            source->triggerAction(QAbstractSlider::SliderSingleStepSub);
            break;
        case Scroll::LineDown:
            source->triggerAction(QAbstractSlider::SliderSingleStepAdd);
            break;
        case Scroll::PageUp:
            source->triggerAction(QAbstractSlider::SliderPageStepSub);
            break;
        case Scroll::PageDown:
            source->triggerAction(QAbstractSlider::SliderPageStepAdd);
            break;
        }
    }
    UpdateBar();
}

void SkinScrollBar::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_leftButtonDown = true;
    const QPoint pos = event->position().toPoint();
    if (ThumbRect().contains(pos)) {
        m_thumbDown = true;
    } else if (DownArrowRect().contains(pos)) {
        m_downDown = true;
        m_delayTimer.start(kDelayMs, this);
    } else if (UpArrowRect().contains(pos)) {
        m_upDown = true;
        m_delayTimer.start(kDelayMs, this);
    }
    update();
}

void SkinScrollBar::timerEvent(QTimerEvent *event)
{
    if (event->timerId() == m_delayTimer.timerId()) {
        // The first delay is over: repeat from now on while an arrow is held.
        if (m_upDown || m_downDown) {
            m_delayTimer.stop();
            m_repeatTimer.start(kRepeatMs, this);
        }
    } else if (event->timerId() == m_repeatTimer.timerId()) {
        if (m_downDown && m_leftButtonDown)
            ScrollList(Scroll::LineDown);
        if (m_upDown && m_leftButtonDown)
            ScrollList(Scroll::LineUp);
    } else {
        QWidget::timerEvent(event);
    }
}

void SkinScrollBar::HandleMouseMove(QPoint pos, Qt::MouseButtons buttons)
{
    if (buttons.testFlag(Qt::LeftButton) && m_thumbDown) {
        m_thumbTop = pos.y() - m_thumbHeight / 2;
        const SliderAxis axis = Axis();
        const int track = axis.size - axis.thumbSize;
        if (axis.maxPos > 0 && track > 0) {
            m_pixelsPerLine = double(track) / axis.maxPos;
            const int wanted = PositionAt(axis, m_thumbTop - m_upHeight + m_thumbHeight / 2);
            const int lines = wanted - ScrollPosition();
            if (lines != 0 && m_list) {
                QScrollBar *source = m_list->verticalScrollBar();
                source->setValue(source->value() + lines);
            }
        }
        ClampThumb();
    } else {
        m_thumbDown = ThumbRect().contains(pos);
        m_downDown = DownArrowRect().contains(pos);
        m_upDown = UpArrowRect().contains(pos);
    }
    update();
}

void SkinScrollBar::mouseMoveEvent(QMouseEvent *event)
{
    HandleMouseMove(event->position().toPoint(), event->buttons());
}

void SkinScrollBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    UpdateBar();
    m_repeatTimer.stop();
    m_leftButtonDown = false;
    const QPoint pos = event->position().toPoint();
    const bool onUp = UpArrowRect().contains(pos);
    const bool onDown = DownArrowRect().contains(pos);
    const bool onThumb = ThumbRect().contains(pos);
    if (onUp && m_upDown)
        ScrollList(Scroll::LineUp);
    if (onDown && m_downDown)
        ScrollList(Scroll::LineDown);
    // A release on the track pages toward it; one outside the bar does nothing.
    if (!onUp && !onDown && !onThumb && !m_thumbDown && rect().contains(pos))
        ScrollList(m_thumbTop < pos.y() ? Scroll::PageDown : Scroll::PageUp);
    m_upDown = false;
    m_downDown = false;
    m_thumbDown = false;
    // A click shorter than the first delay must not leave that timer running.
    m_delayTimer.stop();
    update();
}

} // namespace lumaskin
