#pragma once

#include "viewer/effect_dialog.h"

namespace lumaskin {

// "Effect one": eleven colour adjustments, one a row (effect_dialog_one.cpp lists them).
class EffectDialogOne : public EffectDialog
{
    Q_OBJECT

public:
    // Created hidden; `owner` is the main window, `viewer` the viewer the buttons act on.
    EffectDialogOne(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages);
};

} // namespace lumaskin
