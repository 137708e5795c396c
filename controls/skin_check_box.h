#pragma once

#include "controls/skin_button.h"

namespace lumaskin {

// A check box drawn like a skinned button: a click flips its checked state and reports
// OnCheckClicked. It does not highlight under the mouse while checked.
class SkinCheckBox : public SkinButton
{
    Q_OBJECT
public:
    using SkinButton::SkinButton;

protected:
    void OnClick() override;
    bool TracksHover() const override { return IsChecked() == 0; }
};

} // namespace lumaskin
