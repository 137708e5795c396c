#include "controls/skin_option_button.h"

#include "controls/skin_host.h"

namespace lumaskin {

void SkinOptionButton::OnClick()
{
    SetChecked(1);
    if (Host())
        Host()->OnOptionClicked(Index());
}

} // namespace lumaskin
