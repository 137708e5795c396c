#include "controls/skin_combo_box.h"

#include "controls/bitmap_helpers.h"
#include "controls/state_strip.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace lumaskin {

namespace {

// A rectangle from its edges; right and bottom are exclusive.
QRect FromEdges(int left, int top, int right, int bottom)
{
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

// The one-pixel frame around the open list.
QRect ListFrame(const QRect &list)
{
    return list.adjusted(-1, -1, 1, 1);
}

} // namespace

SkinComboBox::SkinComboBox(QWidget *parent) : QWidget(parent)
{
    // The frame lies over whatever the closed list uncovers; it must not catch clicks there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
}

void SkinComboBox::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

void SkinComboBox::MeasureButton(const QString &path)
{
    QImage strip;
    LoadBitmapFile(path, strip);
    const QSize state = StateSize(strip);
    m_buttonWidth = state.width();
    m_buttonHeight = state.height();
}

void SkinComboBox::Layout(int left, int top, int right, int bottom)
{
    const int w = m_buttonWidth;
    const int h = m_buttonHeight;
    m_editRect = FromEdges(left, top, right - w, top + h);
    // The button is one pixel taller than the edit at each end.
    m_buttonRect = FromEdges(right - w, top - 1, right, top + h + 1);
    int listBottom = bottom;
    if (bottom - (top + h) - 2 < 50)
        listBottom = top + h + 52; // the list is at least 50 pixels high
    m_listRect = FromEdges(left, top + h + 2, right - 1, listBottom);
    m_wholeRect = FromEdges(left, top, right, listBottom);
    // The frame spans everything it may draw on: the whole box and the frame around the
    // list.
    setGeometry(m_wholeRect.united(ListFrame(m_listRect)));
}

void SkinComboBox::CreateDropButton(const QString &stripPath, std::uint32_t keyColor)
{
    delete m_button.data();
    auto *button = new SkinComboButton(parentWidget());
    m_button = button;
    button->SetTransparentColor(keyColor);
    button->Create(m_buttonRect);
    button->LoadStateBitmaps(stripPath, m_buttonRect.left(), m_buttonRect.top(),
                             m_buttonRect.left() + m_buttonRect.width(),
                             m_buttonRect.top() + m_buttonRect.height());
    button->SetLatched(false);
    button->SetName("COMBO_BTN");
    button->SetComboBox(this);
    // One stop for the whole box: the frame's.
    button->setFocusPolicy(Qt::NoFocus);
}

void SkinComboBox::CreateEdit(std::uint32_t bkColor, std::uint32_t textColor,
                              std::uint32_t borderColor)
{
    delete m_edit.data();
    auto *edit = new SkinEdit(parentWidget());
    m_edit = edit;
    edit->Create(m_editRect);
    edit->SetName("COMBO_EDIT");
    edit->SetBkColor(bkColor);
    edit->SetTextColor(textColor);
    edit->SetBorderColor(borderColor);
    edit->setEnabled(true);
    // Only shows the choice: the frame holds the box's focus.
    edit->setFocusPolicy(Qt::NoFocus);
}

void SkinComboBox::CreateList(std::uint32_t bkColor, std::uint32_t textColor,
                              std::uint32_t selBkColor, std::uint32_t selTextColor,
                              const ScrollBarFiles &scrollBar)
{
    delete m_list.data();
    auto *list = new SkinComboList(parentWidget());
    m_list = list;
    list->Create(m_listRect);
    list->SetName("COMBO_LIST");
    list->SetBkColor(bkColor);
    list->SetTextColor(textColor);
    list->SetSelBkColor(selBkColor);
    list->SetSelTextColor(selTextColor);
    list->InitScrollBar(scrollBar);
    list->InsertColumn(Qt::AlignLeft, list->ClientWidth());
    list->SetComboBox(this);
    list->setFocusPolicy(Qt::NoFocus);
    if (SkinScrollBar *bar = list->ScrollBar())
        bar->hide();
    list->hide();
    m_listClosed = true;
}

void SkinComboBox::ToggleList()
{
    SkinComboList *list = m_list.data();
    SkinScrollBar *bar = list ? list->ScrollBar() : nullptr;
    if (m_listClosed) {
        if (bar) {
            bar->show();
            bar->raise();
        }
        if (list) {
            list->show();
            list->raise();
        }
        // Opened by the mouse too, the keys then go to it: Escape closes, the arrows move.
        if (!hasFocus())
            setFocus(Qt::OtherFocusReason);
    } else {
        if (bar)
            bar->hide();
        if (list)
            list->hide();
    }
    m_listClosed = !m_listClosed;
    update();
}

void SkinComboBox::AddItem(const QString &text)
{
    if (m_list)
        m_list->AddItem(text);
}

void SkinComboBox::SelectItem(const QString &text)
{
    m_listClosed = false;
    const bool changed = m_edit && m_edit->text() != text;
    if (m_edit)
        m_edit->setText(text);
    ToggleList();
    if (changed && QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, text);
        QAccessible::updateAccessibility(&event);
    }
}

bool SkinComboBox::SelectRow(int row)
{
    if (!m_list || !m_list->SelectRow(row))
        return false;
    SelectItem(m_list->RowText(row, 0));
    emit rowChosen(row);
    return true;
}

void SkinComboBox::OnListClicked()
{
    if (!m_list)
        return;
    SelectItem(m_list->SelectedText());
    if (const int row = SelectedRow(); row >= 0)
        emit rowChosen(row);
}

int SkinComboBox::SelectedRow() const
{
    if (!m_list)
        return -1;
    for (int row = 0; row < m_list->RowCount(); ++row) {
        if (m_list->topLevelItem(row)->isSelected())
            return row;
    }
    return -1;
}

void SkinComboBox::CloseListIfOutside(QPoint hostPos)
{
    if (!m_listClosed && !m_wholeRect.contains(hostPos))
        ToggleList();
}

QString SkinComboBox::Text() const
{
    return m_edit ? m_edit->text() : QString();
}

QRect SkinComboBox::ClosedRect() const
{
    return m_editRect.united(m_buttonRect).translated(-pos());
}

int SkinComboBox::KeyRow() const
{
    if (!m_listClosed && m_list)
        return m_list->SelectedRow();
    return SelectedRow();
}

void SkinComboBox::keyPressEvent(QKeyEvent *event)
{
    const int rows = m_list ? m_list->RowCount() : 0;
    const bool alt = event->modifiers().testFlag(Qt::AltModifier);
    const int row = KeyRow();
    // A page is what the open list shows.
    const int page = std::max(1, m_listRect.height() / 18 - 1);
    int target = -1;
    switch (event->key()) {
    case Qt::Key_F4:
        ToggleList();
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (alt) {
            ToggleList();
            return;
        }
        target = event->key() == Qt::Key_Up ? row - 1 : row + 1;
        break;
    case Qt::Key_Left:
        target = row - 1;
        break;
    case Qt::Key_Right:
        target = row + 1;
        break;
    case Qt::Key_PageUp:
        target = row - page;
        break;
    case Qt::Key_PageDown:
        target = row + page;
        break;
    case Qt::Key_Home:
        target = 0;
        break;
    case Qt::Key_End:
        target = rows - 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (!m_listClosed) {
            if (row >= 0)
                SelectRow(row);
            else
                ToggleList();
            return;
        }
        if (event->key() == Qt::Key_Space) {
            ToggleList();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    case Qt::Key_Escape:
        if (!m_listClosed) {
            ToggleList();
            return;
        }
        QWidget::keyPressEvent(event);
        return;
    default:
        if (!alt && !event->modifiers().testFlag(Qt::ControlModifier) && TypeAhead(event->text()))
            return;
        QWidget::keyPressEvent(event);
        return;
    }
    StepTo(target);
}

void SkinComboBox::StepTo(int row)
{
    const int rows = m_list ? m_list->RowCount() : 0;
    if (rows == 0)
        return;
    row = std::clamp(row, 0, rows - 1);
    if (!m_listClosed && m_list)
        m_list->SelectRow(row); // highlighted; Enter chooses it
    else if (row != SelectedRow())
        SelectRow(row);
}

bool SkinComboBox::TypeAhead(const QString &text)
{
    if (text.isEmpty() || !text.front().isLetterOrNumber() || !m_list)
        return false;
    if (!m_sinceTyped.isValid() || m_sinceTyped.elapsed() > 1000)
        m_typed.clear();
    m_sinceTyped.start();
    m_typed += text;
    for (int row = 0; row < m_list->RowCount(); ++row) {
        if (m_list->topLevelItem(row)->text(0).startsWith(m_typed, Qt::CaseInsensitive)) {
            StepTo(row);
            return true;
        }
    }
    // Nothing begins so: the letters start again from this one.
    m_typed = text;
    for (int row = 0; row < m_list->RowCount(); ++row) {
        if (m_list->topLevelItem(row)->text(0).startsWith(m_typed, Qt::CaseInsensitive)) {
            StepTo(row);
            return true;
        }
    }
    return true;
}

void SkinComboBox::wheelEvent(QWheelEvent *event)
{
    const int notches = event->angleDelta().y() / 120;
    if (notches == 0) {
        event->ignore();
        return;
    }
    StepTo(KeyRow() - notches);
    event->accept();
}

void SkinComboBox::paintEvent(QPaintEvent *)
{
    if (m_listClosed || !m_edit)
        return;
    QPainter painter(this);
    painter.setPen(QPen(m_edit->BorderColor(), 0));
    painter.setBrush(Qt::NoBrush);
    const QRect frame = ListFrame(m_listRect).translated(-pos());
    painter.drawRect(frame.adjusted(0, 0, -1, -1));
}

} // namespace lumaskin
