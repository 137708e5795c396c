#pragma once

#include "controls/skin_combo_button.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_edit.h"

#include <QElapsedTimer>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>
#include <cstdint>
#include <string>

namespace lumaskin {

// A drop-down combo box assembled from sibling windows on the host: an edit showing the
// chosen text, a drop button, and a drop list with its own scroll bar. The parts belong to
// the parent like the frame does; the frame keeps their layout and the open/closed state; it takes
// no mouse input itself and draws only the one-pixel frame around the open list, in the edit's
// border colour. It holds the keyboard focus for the whole box (the edit takes none): the
// arrows, Page Up/Down, Home and End choose a row, Alt+Down or F4 opens the list, and while it
// is open the arrows move in it, Enter chooses and Escape closes.
class SkinComboBox : public QWidget
{
    Q_OBJECT
public:
    explicit SkinComboBox(QWidget *parent = nullptr);

    void Create(const QRect &rect);
    // Reads the drop button's state size from its strip (0 x 0 when it does not load).
    void MeasureButton(const QString &path);
    // Lays the parts out in the rectangle (left, top, right, bottom) of the whole box.
    void Layout(int left, int top, int right, int bottom);

    // The parts, created in this order as siblings of the frame.
    void CreateDropButton(const QString &stripPath, std::uint32_t keyColor);
    void CreateEdit(std::uint32_t bkColor, std::uint32_t textColor, std::uint32_t borderColor);
    void CreateList(std::uint32_t bkColor, std::uint32_t textColor, std::uint32_t selBkColor,
                    std::uint32_t selTextColor, const ScrollBarFiles &scrollBar);

    void ToggleList();
    void AddItem(const QString &text);
    // Shows `text` in the edit and closes the list.
    void SelectItem(const QString &text);
    // Chooses row `row` of the list as a click would: selected, shown in the edit, the list
    // closed. False, with nothing changed, for a row the list does not have.
    bool SelectRow(int row);
    // The chosen row of the list, -1 when none is chosen.
    int SelectedRow() const;
    // A click on a row of the drop list chooses it.
    void OnListClicked();
    // The host closes an open list as soon as the mouse moves outside the whole box.
    void CloseListIfOutside(QPoint hostPos);
    bool IsListOpen() const { return !m_listClosed; }
    QString Text() const;
    // Where the box shows when closed, in the frame's own coordinates: the edit and button.
    QRect ClosedRect() const;

    QRect ButtonRect() const { return m_buttonRect; }
    QRect EditRect() const { return m_editRect; }
    QRect ListRect() const { return m_listRect; }
    QRect WholeRect() const { return m_wholeRect; }
    int ButtonWidth() const { return m_buttonWidth; }
    int ButtonHeight() const { return m_buttonHeight; }

    SkinComboButton *Button() const { return m_button.data(); }
    SkinEdit *Edit() const { return m_edit.data(); }
    SkinComboList *List() const { return m_list.data(); }

    void SetIndex(int index) { m_index = index; }
    int Index() const { return m_index; }
    void SetName(const std::string &name) { m_name = name; }
    const std::string &Name() const { return m_name; }

signals:
    // A row was chosen, by a click or by SelectRow.
    void rowChosen(int row);

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    // One row up or down per notch, as the arrow keys.
    void wheelEvent(QWheelEvent *event) override;

private:
    // Moves to `row` (clamped): highlighted in the open list, else chosen.
    void StepTo(int row);
    // Type-ahead: the letters typed within a second of each other choose the first row that
    // begins with them, in any letter case.
    bool TypeAhead(const QString &text);
    // The row the keys move from: the highlighted row of the open list, else the chosen one.
    int KeyRow() const;

    int m_index = 0;
    std::string m_name;
    QPointer<SkinComboList> m_list;
    QPointer<SkinComboButton> m_button;
    QPointer<SkinEdit> m_edit;
    // In the parent's coordinates.
    QRect m_buttonRect;
    QRect m_editRect;
    QRect m_listRect;
    QRect m_wholeRect;
    int m_buttonWidth = 0;
    int m_buttonHeight = 0;
    bool m_listClosed = true;
    QString m_typed;
    QElapsedTimer m_sinceTyped;
};

} // namespace lumaskin
