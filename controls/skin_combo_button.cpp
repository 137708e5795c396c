#include "controls/skin_combo_button.h"

#include "controls/skin_combo_box.h"

namespace lumaskin {

void SkinComboButton::SetComboBox(SkinComboBox *comboBox)
{
    m_comboBox = comboBox;
}

void SkinComboButton::OnClick()
{
    if (m_comboBox)
        m_comboBox->ToggleList();
}

} // namespace lumaskin
