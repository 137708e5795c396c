#include "skin/control_kind.h"

#include "skin/skin_sections.h"

namespace lumaskin {

std::span<const ControlKind> ControlKinds()
{
    static const ControlKind kinds[] = {
        Kind(kButtonSection, ButtonEntry::Parse, CreateButton),
        Kind(kSliderSection, SliderEntry::Parse, CreateSlider),
        Kind(kOptionSection, OptionEntry::Parse, CreateOptionButton),
        Kind(kCheckSection, CheckEntry::Parse, CreateCheckBox),
        Kind(kCaptionSection, kCaptionKey, CaptionEntry::Parse, CreateCaption),
        Kind(kLabelSection, LabelEntry::Parse, CreateLabel),
        Kind(kEditBoxSection, EditBoxEntry::Parse, CreateEditBox),
        Kind(kListBoxSection, ListBoxEntry::Parse, CreateListBox),
        Kind(kComboBoxSection, ComboBoxEntry::Parse, CreateComboBox),
    };
    return kinds;
}

} // namespace lumaskin
