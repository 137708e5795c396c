#include "skin/keyboard_focus.h"

#include "controls/focus_mark.h"
#include "controls/skin_button.h"
#include "controls/skin_combo_box.h"

#include <QFocusEvent>

namespace lumaskin {

namespace {

// What the mark surrounds, in the control's own coordinates: a combo box is its closed box.
QRect MarkedArea(const QWidget &control)
{
    if (const auto *combo = qobject_cast<const SkinComboBox *>(&control))
        return combo->ClosedRect();
    return control.rect();
}

} // namespace

KeyboardFocus::KeyboardFocus(QObject *parent) : QObject(parent) {}

void KeyboardFocus::Attach(QWidget *layer, const std::vector<QWidget *> &stops,
                           std::vector<QColor> skinColours)
{
    m_layer = layer;
    m_mark = new FocusMark(layer);
    m_marked = nullptr;
    m_skinColours = std::move(skinColours);
    for (QWidget *stop : stops)
        stop->installEventFilter(this);
}

QWidget *KeyboardFocus::Marked() const
{
    return m_mark && m_mark->isVisible() ? m_marked.data() : nullptr;
}

FocusMark *KeyboardFocus::Mark() const
{
    return m_mark.data();
}

bool KeyboardFocus::eventFilter(QObject *watched, QEvent *event)
{
    auto *control = qobject_cast<QWidget *>(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
        switch (static_cast<QFocusEvent *>(event)->reason()) {
        case Qt::TabFocusReason:
        case Qt::BacktabFocusReason:
        case Qt::ShortcutFocusReason:
            m_keyboardMode = true;
            break;
        case Qt::MouseFocusReason:
            m_keyboardMode = false;
            break;
        default:
            // Focus handed on by the program, or back from a dialog: the mode stays.
            break;
        }
        if (m_keyboardMode)
            MarkControl(control);
        else
            Unmark();
        break;
    case QEvent::FocusOut:
    case QEvent::Hide:
        if (control == m_marked)
            Unmark();
        break;
    case QEvent::Move:
    case QEvent::Resize:
        if (control == m_marked && control->hasFocus())
            MarkControl(control);
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyboardFocus::MarkControl(QWidget *control)
{
    if (!m_mark || !m_layer || !control)
        return;
    const QRect local = MarkedArea(*control);
    const QRect area(m_layer->mapFromGlobal(control->mapToGlobal(local.topLeft())), local.size());
    // The colours are read from what the window shows there without a mark.
    m_mark->hide();
    QWidget *window = m_layer->window();
    const QRect inWindow(window->mapFromGlobal(control->mapToGlobal(local.topLeft())),
                         local.size());
    QImage under = window->grab(inWindow).toImage();
    if (!under.isNull() && under.size() != area.size())
        under = under.scaled(area.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage bitmap;
    if (const auto *button = qobject_cast<const SkinButton *>(control))
        bitmap = button->FocusBitmap();
    m_marked = control;
    m_mark->Cover(area, under, bitmap, m_skinColours);
}

void KeyboardFocus::Unmark()
{
    m_marked = nullptr;
    if (m_mark)
        m_mark->hide();
}

} // namespace lumaskin
