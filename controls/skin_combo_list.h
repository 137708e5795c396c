#pragma once

#include "controls/skin_list_box.h"

#include <QPointer>
#include <QRect>

namespace lumaskin {

class SkinComboBox;

// The drop-down list of a skinned combo box: a one-column, single-selection skinned list
// whose click chooses a row for its combo box.
class SkinComboList : public SkinListBox
{
    Q_OBJECT
public:
    explicit SkinComboList(QWidget *parent = nullptr);
    ~SkinComboList() override;

    void SetComboBox(SkinComboBox *comboBox);

    // Appends a row with `text`, without a number.
    void AddItem(const QString &text);
    void RemoveSelected() override;
    void PlaceScrollBar() override;

    // The list's rectangle in its parent's coordinates and the bar's right edge, as last
    // placed.
    int ScrollBarRight() const { return m_scrollBarRight; }
    // The text of the first selected row, empty when none is.
    QString SelectedText() const;

protected:
    void OnClicked() override;

private:
    QPointer<SkinComboBox> m_comboBox;
    int m_scrollBarRight = 0;
};

} // namespace lumaskin
