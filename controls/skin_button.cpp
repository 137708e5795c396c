#include "controls/skin_button.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_host.h"
#include "controls/task_bar_host.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace lumaskin {

namespace {

const std::string kTaskBarExit = "TASKBUTTON_EXIT";

// Buttons answer the mouse only while one of the program's windows is the active one, as
// the desktop's own buttons do: a window in the background does not light up under it.
bool ProgramIsActive()
{
    return QApplication::activeWindow() != nullptr;
}

} // namespace

SkinButton::SkinButton(QWidget *parent) : QWidget(parent)
{
    // Tab reaches the button; a mouse click does not move the focus, so the list or field the
    // user works in keeps it.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
}

SkinButton::~SkinButton() = default;

void SkinButton::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

void SkinButton::LoadStateBitmaps(const QString &path, int left, int top, int right, int bottom)
{
    QImage strip;
    if (!LoadBitmapFile(path, strip, {devicePixelRatioF(), m_keyColor, kStateCount}))
        return;
    // On the strip at its own scale, before any stretching, as the skin's painter would have.
    PaintCaptionOnStrip(strip, m_caption, SkinScale());
    const QSize faceSize(std::max(0, right - left), std::max(0, bottom - top));
    m_stateBitmap = CutStateStrip(strip, faceSize, m_keyColor);
    update();
}

void SkinButton::SetTooltipText(const QString &text, bool activate)
{
    m_tooltipText = text;
    // A skinned button is only a picture; its tooltip is what a screen reader can call it.
    setAccessibleName(text);
    ActivateTooltip(activate);
}

void SkinButton::ActivateTooltip(bool activate)
{
    m_tooltipActive = activate;
    QString shown = m_tooltipText;
    if (!m_shortcutText.isEmpty())
        shown = shown.isEmpty() ? m_shortcutText
                                : QStringLiteral("%1 (%2)").arg(m_tooltipText, m_shortcutText);
    if (!m_badgeDescription.isEmpty())
        shown += u'\n' + m_badgeDescription;
    setToolTip(activate ? shown : QString());
}

void SkinButton::SetBadge(const QString &count, const QString &description, const QColor &ground)
{
    if (m_badge == count && m_badgeDescription == description && m_badgeGround == ground)
        return;
    m_badge = count;
    m_badgeDescription = count.isEmpty() ? QString() : description;
    m_badgeGround = ground;
    setAccessibleDescription(m_badgeDescription);
    ActivateTooltip(m_tooltipActive);
    update();
}

void SkinButton::SetShortcutText(const QString &keys)
{
    m_shortcutText = keys;
    ActivateTooltip(m_tooltipActive);
}

void SkinButton::SetChecked(int state)
{
    if (state == m_isChecked)
        return;
    m_isChecked = state;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void SkinButton::SetLatched(bool latched)
{
    m_latched = latched;
    update();
}

ButtonFace SkinButton::CurrentFace() const
{
    ButtonState state;
    state.latched = m_latched;
    state.checked = m_isChecked != 0;
    state.hover = m_hover;
    state.pressed = m_pressed;
    state.disabled = !isEnabled();
    return ChooseButtonFace(state);
}

void SkinButton::paintEvent(QPaintEvent *)
{
    const QImage &face = StateBitmap(CurrentFace());
    if (face.isNull())
        return;
    QPainter painter(this);
    // At its own size to the device pixel, which may be half a logical pixel.
    const QRectF whole(QPointF(0, 0), face.deviceIndependentSize());
    DrawBitmap(painter, whole, face, whole);
    if (!m_badge.isEmpty())
        DrawBadge(painter);
}

void SkinButton::DrawBadge(QPainter &painter) const
{
    // A round mark of about half the button's height, never too small to read, in its corner; the
    // count is black or white, whichever reads better on the ground.
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::clamp(height() * 9 / 20, 10, 16));
    painter.setFont(font);
    const int diameter = std::max(painter.fontMetrics().height() + 2,
                                  painter.fontMetrics().horizontalAdvance(m_badge) + 6);
    const QRectF badge(width() - diameter - 1, 1, diameter, painter.fontMetrics().height() + 2);
    painter.setRenderHint(QPainter::Antialiasing);
    const bool light = qGray(m_badgeGround.rgb()) > 140;
    painter.setPen(QPen(light ? Qt::black : Qt::white, 1));
    painter.setBrush(m_badgeGround);
    painter.drawRoundedRect(badge.adjusted(0.5, 0.5, -0.5, -0.5), badge.height() / 2,
                            badge.height() / 2);
    painter.drawText(badge, Qt::AlignCenter, m_badge);
}

void SkinButton::SetHover(bool hover)
{
    if (m_hover == hover)
        return;
    m_hover = hover;
    update();
}

void SkinButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    m_pressStarted = true;
    m_pressed = true;
    update();
}

void SkinButton::mouseMoveEvent(QMouseEvent *event)
{
    const bool inside = rect().contains(event->position().toPoint());
    const bool leftHeld = event->buttons().testFlag(Qt::LeftButton);
    if (m_pressStarted && m_pressed != inside) {
        m_pressed = inside;
        update();
    }
    // Dragging onto a button with the left button held does not highlight it.
    if (leftHeld && !m_hover)
        return;
    if (!TracksHover())
        return;
    SetHover(inside && ProgramIsActive());
}

void SkinButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QWidget::mouseReleaseEvent(event);
        return;
    }
    m_pressStarted = false;
    m_pressed = false;
    update();
    if (rect().contains(event->position().toPoint())) {
        m_hover = false;
        OnClick();
    }
}

void SkinButton::enterEvent(QEnterEvent *)
{
    if (QGuiApplication::mouseButtons().testFlag(Qt::LeftButton) && !m_hover)
        return;
    if (TracksHover() && ProgramIsActive())
        SetHover(true);
}

void SkinButton::leaveEvent(QEvent *)
{
    SetHover(false);
}

void SkinButton::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::EnabledChange)
        update();
    QWidget::changeEvent(event);
}

bool SkinButton::event(QEvent *event)
{
    // The window went to the background under the mouse: the highlight goes with it.
    if (event->type() == QEvent::WindowDeactivate)
        SetHover(false);
    return QWidget::event(event);
}

void SkinButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        if (!event->isAutoRepeat()) {
            m_spacePressed = true;
            m_pressed = true;
            update();
        }
        event->accept();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        event->accept();
        if (!event->isAutoRepeat())
            OnClick();
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void SkinButton::keyReleaseEvent(QKeyEvent *event)
{
    // As a mouse button does: the press shows while Space is held, the click comes as it is
    // let go.
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        m_pressed = false;
        update();
        event->accept();
        OnClick();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void SkinButton::focusOutEvent(QFocusEvent *event)
{
    // Space let go elsewhere presses nothing.
    if (m_spacePressed) {
        m_spacePressed = false;
        m_pressed = false;
        update();
    }
    QWidget::focusOutEvent(event);
}

void SkinButton::OnClick()
{
    // A button of the task-bar window only knows the close request; the others there do
    // nothing.
    if (m_taskBarHost) {
        if (m_name == kTaskBarExit)
            m_taskBarHost->CloseTaskBar(m_name);
        return;
    }
    if (m_host)
        m_host->OnButtonClicked(m_index);
}

} // namespace lumaskin
