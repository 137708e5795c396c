#pragma once

#include "controls/skin_button.h"

#include <QPointer>

namespace lumaskin {

class SkinComboBox;

// The drop button of a skinned combo box: a click opens or closes the box's list. Never
// latched.
class SkinComboButton : public SkinButton
{
    Q_OBJECT
public:
    using SkinButton::SkinButton;

    void SetComboBox(SkinComboBox *comboBox);

protected:
    void OnClick() override;

private:
    QPointer<SkinComboBox> m_comboBox;
};

} // namespace lumaskin
