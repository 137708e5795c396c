#include "controls/skin_combo_list.h"

#include "controls/skin_combo_box.h"

namespace lumaskin {

void SkinComboList::SetComboBox(SkinComboBox *comboBox)
{
    m_comboBox = comboBox;
}

SkinComboList::SkinComboList(QWidget *parent) : SkinListBox(parent)
{
    setSelectionMode(QAbstractItemView::SingleSelection);
}

SkinComboList::~SkinComboList() = default;

void SkinComboList::AddItem(const QString &text)
{
    AddRow({text});
}

void SkinComboList::RemoveSelected()
{
    QStringList kept;
    for (int row = 0; row < topLevelItemCount(); ++row) {
        const QTreeWidgetItem *item = topLevelItem(row);
        if (!item->isSelected())
            kept << item->text(0);
    }
    clear();
    for (const QString &text : kept)
        AddItem(text);
}

void SkinComboList::PlaceScrollBar()
{
    SkinListBox::PlaceScrollBar();
    if (const SkinScrollBar *bar = ScrollBar())
        m_scrollBarRight = bar->geometry().left() + bar->width();
}

QString SkinComboList::SelectedText() const
{
    for (int row = 0; row < topLevelItemCount(); ++row) {
        if (topLevelItem(row)->isSelected())
            return topLevelItem(row)->text(0);
    }
    return {};
}

void SkinComboList::OnClicked()
{
    if (m_comboBox)
        m_comboBox->OnListClicked();
}

} // namespace lumaskin
