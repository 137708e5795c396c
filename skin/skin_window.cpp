#include "skin/skin_window.h"

#include "controls/bitmap_helpers.h"
#include "controls/shape_limit.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>
#include <algorithm>

namespace lumaskin {

SkinWindow::SkinWindow(QWidget *parent) : QDialog(parent)
{
    // A program's main window, not a dialog of another one: desktops list it as the program.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    // The shape is cut by a mask, or where the display has no window shapes, drawn with its
    // cut-away pixels transparent; outside the background nothing of the window is drawn.
    setAttribute(Qt::WA_TranslucentBackground);
    // Mouse moves over the bare background close an open drop list and reach the scroll
    // bars even with no button held.
    setMouseTracking(true);
}

void SkinWindow::LoadBackground(const QString &path)
{
    // On a fine screen the bitmaps come at twice their size, the shape included.
    LoadBitmapFile(path, m_backgroundBitmap, {devicePixelRatioF(), m_transparentColor});
    if (m_backgroundBitmap.isNull())
        return;
    m_backgroundPainted = PaintedThroughShape(m_backgroundBitmap, m_transparentColor);
    // The window is as large as its background; the shape cuts it further.
    resize(LogicalSize(m_backgroundBitmap));
    ShapeWindow(m_windowRegion, m_backgroundBitmap, m_transparentColor);
}

void SkinWindow::LoadIcon(const QString &path, const Rect &rect)
{
    LoadBitmapFile(path, m_iconBitmap, {devicePixelRatioF(), m_transparentColor});
    m_iconRect = rect;
    m_iconDrawn = WithKeyTransparent(m_iconBitmap, m_transparentColor);
    m_iconDrawn.setDevicePixelRatio(m_iconBitmap.isNull() ? 1.0 : m_iconBitmap.devicePixelRatio());
}

void SkinWindow::ClearIcon()
{
    m_iconBitmap = QImage();
    m_iconDrawn = QImage();
    m_iconRect = Rect{};
}

void SkinWindow::DropBackground()
{
    m_backgroundBitmap = QImage();
    m_backgroundPainted = QImage();
    m_windowRegion = QRegion();
    m_backgroundDC = QImage();
}

bool SkinWindow::ShapeWindow(QRegion &region, const QImage &bitmap, ColourValue colour)
{
    // However fine the key colour's pattern, the window gets a shape the display accepts.
    region = ApplyWindowShape(*this, RegionWithoutKeyColour(bitmap, colour));
    return region != QRegion(QRect(QPoint(0, 0), LogicalSize(bitmap)));
}

void SkinWindow::ReshapeWindow()
{
    if (m_backgroundBitmap.isNull())
        return;
    if (ShapeWindow(m_windowRegion, m_backgroundBitmap, m_transparentColor))
        update();
}

void SkinWindow::BuildBackgroundDC()
{
    // The same pixels, shared rather than copied: neither is ever drawn on, and a window's
    // background held at twice its size on a fine screen is 10 MB.
    m_backgroundDC = m_backgroundBitmap;
}

void SkinWindow::FrameWithoutSkin()
{
    const bool skinned = !m_backgroundBitmap.isNull();
    if (!skinned)
        clearMask();
    if (windowFlags().testFlag(Qt::FramelessWindowHint) == skinned)
        return;
    // Changing the flags hides a shown window.
    const bool shown = isVisible();
    setWindowFlag(Qt::FramelessWindowHint, skinned);
    if (shown)
        show();
}

void SkinWindow::PaintSkin(QPainter &painter)
{
    if (m_backgroundBitmap.isNull()) {
        // Without a skin the window is a plain panel rather than an invisible one.
        painter.fillRect(rect(), palette().window());
    } else {
        painter.setCompositionMode(QPainter::CompositionMode_Source);
        const QRect area = QRect(QPoint(0, 0), size())
                               .intersected(QRect(QPoint(0, 0), LogicalSize(m_backgroundBitmap)));
        DrawBitmap(painter, area, m_backgroundPainted, area);
        painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    }
    if (!m_iconDrawn.isNull()) {
        const QPoint at(ToLogical(m_iconRect.left), ToLogical(m_iconRect.top));
        const QRect icon = QRect(0, 0, std::max(0, ToLogical(m_iconRect.right) - at.x()),
                                 std::max(0, ToLogical(m_iconRect.bottom) - at.y()))
                               .intersected(QRect(QPoint(0, 0), LogicalSize(m_iconDrawn)));
        DrawBitmap(painter, icon.translated(at), m_iconDrawn, icon);
    }
    // The controls are children: they repaint over this fresh background by themselves.
}

void SkinWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintSkin(painter);
}

void SkinWindow::mousePressEvent(QMouseEvent *event)
{
    // The background is the window's caption: a left press on it moves the window.
    if (event->button() == Qt::LeftButton) {
        QWindow *window = windowHandle();
        // Where no window manager moves windows for us, the window follows the mouse itself.
        if (!window || !window->startSystemMove())
            m_dragOffset = event->globalPosition().toPoint() - pos();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void SkinWindow::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_dragOffset.reset();
    QDialog::mouseReleaseEvent(event);
}

void SkinWindow::mouseMoveEvent(QMouseEvent *event)
{
    if (m_dragOffset && (event->buttons() & Qt::LeftButton))
        move(event->globalPosition().toPoint() - *m_dragOffset);
    QDialog::mouseMoveEvent(event);
}

void SkinWindow::keyPressEvent(QKeyEvent *event)
{
    // A skinned window closes only through its own buttons.
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        return;
    default:
        QDialog::keyPressEvent(event);
    }
}

} // namespace lumaskin
