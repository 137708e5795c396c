#include "skin/control_layer.h"

#include "controls/skin_combo_box.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_list_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_scroll_bar.h"
#include "skin/skin_sections.h"

namespace lumaskin {

ControlLayer::ControlLayer(QWidget *window) : QWidget(window)
{
    setGeometry(window->rect());
    // Mouse moves with no button held reach the window only through a widget that tracks
    // them; the layer takes none of them itself.
    setMouseTracking(true);
    show();
}

void ControlLayer::Build(const SkinIni &ini, std::span<const ControlKind> kinds, ControlSite site)
{
    site.parent = this;
    for (const ControlKind &kind : kinds) {
        Section section{kind.section, {}};
        const auto add = [&](std::string value, int index) {
            ControlKind::Created created = kind.create(std::move(value), index, site);
            section.controls.push_back(created.control);
            if (!created.name.empty())
                m_byName.try_emplace({std::string(kind.section), created.name}, created.control);
        };
        if (kind.key.empty()) {
            std::vector<std::optional<std::string>> values = ReadListValues(ini, kind.section);
            for (std::size_t i = 0; i < values.size(); ++i) {
                if (values[i])
                    add(std::move(*values[i]), static_cast<int>(i));
            }
        } else if (std::optional<std::string> value =
                       ReadSingleValue(ini, kind.section, kind.key)) {
            add(std::move(*value), 0);
        }
        m_sections.push_back(std::move(section));
    }

    // A skin that starts with several options checked shows only the first of them checked.
    bool checkedOne = false;
    for (SkinOptionButton *option : Controls<SkinOptionButton>(kOptionSection)) {
        if (checkedOne)
            option->SetChecked(0);
        checkedOne = checkedOne || option->IsChecked();
    }
}

const std::vector<QWidget *> &ControlLayer::ControlsOf(std::string_view section) const
{
    static const std::vector<QWidget *> none;
    for (const Section &s : m_sections) {
        if (s.name == section)
            return s.controls;
    }
    return none;
}

QWidget *ControlLayer::Find(std::string_view section, const std::string &name) const
{
    const auto found = m_byName.find({std::string(section), name});
    return found == m_byName.end() ? nullptr : found->second;
}

SkinOptionButton *ControlLayer::CheckOption(int position)
{
    SkinOptionButton *clicked = At<SkinOptionButton>(kOptionSection, position);
    if (!clicked)
        return nullptr;
    for (SkinOptionButton *option : Controls<SkinOptionButton>(kOptionSection)) {
        if (option != clicked) {
            option->SetChecked(0);
            option->update();
        }
    }
    return clicked;
}

void ControlLayer::FollowMouse(QPoint pos, Qt::MouseButtons buttons)
{
    const std::vector<SkinComboBox *> combos = Controls<SkinComboBox>(kComboBoxSection);
    if (!combos.empty())
        combos.front()->CloseListIfOutside(pos);
    const std::vector<SkinListBox *> lists = Controls<SkinListBox>(kListBoxSection);
    if (!lists.empty()) {
        if (SkinScrollBar *bar = lists.front()->ScrollBar())
            bar->HandleMouseMove(bar->mapFrom(this, pos), buttons);
    }
    if (!combos.empty()) {
        if (SkinComboList *list = combos.front()->List()) {
            if (SkinScrollBar *bar = list->ScrollBar())
                bar->HandleMouseMove(bar->mapFrom(this, pos), buttons);
        }
    }
}

} // namespace lumaskin
