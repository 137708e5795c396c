#pragma once

#include "viewer/effect_dialog.h"

namespace lumaskin {

// "Effect two": twelve filters, one a row (effect_dialog_two.cpp lists them), three of which
// take a choice from a list. "Ok" stores every list choice and reads every edit box; Enter
// reads the edit boxes only.
class EffectDialogTwo : public EffectDialog
{
    Q_OBJECT

public:
    // Created hidden; `owner` is the main window, `viewer` the viewer the buttons act on.
    EffectDialogTwo(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages);
};

} // namespace lumaskin
