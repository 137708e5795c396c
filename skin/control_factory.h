#pragma once

#include "controls/c_label.h"
#include "controls/skin_button.h"
#include "controls/skin_check_box.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_edit.h"
#include "controls/skin_list_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_progress.h"
#include "controls/skin_slider.h"
#include "skin/entry_fields.h"
#include "skin/skin_entries.h"
#include "skin/skin_ini.h"

#include <QString>
#include <string>

class QWidget;

namespace lumaskin {

class SkinHost;
class TaskBarHost;

// Where the controls of one skin go: the window they are children of, the host they report
// to (and copy the background from), the skin's working folder that bitmap names are
// relative to, the skin's transparent colour, and its description, where the words drawn on
// the controls' faces are looked up (none without it).
struct ControlSite
{
    QWidget *parent = nullptr;
    SkinHost *host = nullptr;
    QString folder;
    ColourValue keyColor = kNoColour;
    const SkinIni *ini = nullptr;
};

// Each creator builds, configures and shows the control of one parsed skin entry; `index` is
// the entry's position in its section (key number minus 1). The control and any parts it
// has are children of site.parent, which owns them: they go when it goes.
SkinButton *CreateButton(const ButtonEntry &entry, int index, const ControlSite &site);
// A button of the task-bar pop-up: a child of site.parent (the pop-up), reporting only a
// "TASKBUTTON_EXIT" click, to `taskBar`.
SkinButton *CreateTaskBarButton(const ButtonEntry &entry, int index, const ControlSite &site,
                                TaskBarHost *taskBar);
SkinSlider *CreateSlider(const SliderEntry &entry, int index, const ControlSite &site);
SkinOptionButton *CreateOptionButton(const OptionEntry &entry, int index, const ControlSite &site);
SkinCheckBox *CreateCheckBox(const CheckEntry &entry, int index, const ControlSite &site);
// The caption has no name or index of its own.
CLabel *CreateCaption(const CaptionEntry &entry, const ControlSite &site);
CLabel *CreateLabel(const LabelEntry &entry, int index, const ControlSite &site);
SkinProgress *CreateProgress(const ProgressEntry &entry, int index, const ControlSite &site);
SkinEdit *CreateEditBox(const EditBoxEntry &entry, int index, const ControlSite &site);
SkinListBox *CreateListBox(const ListBoxEntry &entry, int index, const ControlSite &site);
// The frame, its drop button "COMBO_BTN", edit "COMBO_EDIT" and drop list "COMBO_LIST"
// (closed), all children of site.parent.
SkinComboBox *CreateComboBox(const ComboBoxEntry &entry, int index, const ControlSite &site);

// The folder joined with a bitmap's file name; empty when the entry names no file, so
// that an empty field loads nothing.
QString SkinFilePath(const QString &folder, const std::string &fileName);
// Text of a skin entry: UTF-8 when it is valid UTF-8, otherwise Latin-1, so no byte is lost.
QString SkinText(const std::string &text);
// The words of a skin that the user reads (labels, tooltips, captions): SkinText in the user's
// language where the program's catalogue has them, in context "Skin"; as written otherwise.
QString SkinWords(const std::string &text);
// A skin rectangle (exclusive right and bottom) as a QRect; reversed edges give size 0.
QRect ToQRect(const Rect &rect);

} // namespace lumaskin
