#include "controls/skin_check_box.h"

#include "controls/skin_host.h"

namespace lumaskin {

void SkinCheckBox::OnClick()
{
    SetChecked(IsChecked() ? 0 : 1);
    if (Host())
        Host()->OnCheckClicked(Index());
}

} // namespace lumaskin
