#pragma once

#include "controls/skin_button.h"

namespace lumaskin {

// An option (radio) button drawn like a skinned button: a click checks it (never unchecks
// it) and reports OnOptionClicked; the host unchecks the others of the group. It does not
// highlight under the mouse while checked.
class SkinOptionButton : public SkinButton
{
    Q_OBJECT
public:
    using SkinButton::SkinButton;

protected:
    void OnClick() override;
    bool TracksHover() const override { return IsChecked() == 0; }
};

} // namespace lumaskin
