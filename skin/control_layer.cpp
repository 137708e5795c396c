#include "skin/control_layer.h"

#include "controls/c_label.h"
#include "controls/skin_accessibility.h"
#include "controls/skin_combo_box.h"
#include "controls/skin_combo_list.h"
#include "controls/skin_edit.h"
#include "controls/skin_list_box.h"
#include "controls/skin_option_button.h"
#include "controls/skin_scroll_bar.h"
#include "controls/skin_slider.h"
#include "skin/skin_sections.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace lumaskin {

std::vector<std::size_t> LayoutOrder(std::span<const QRect> rects)
{
    std::vector<std::size_t> byTop(rects.size());
    std::iota(byTop.begin(), byTop.end(), std::size_t{0});
    std::stable_sort(byTop.begin(), byTop.end(), [&](std::size_t a, std::size_t b) {
        return rects[a].top() != rects[b].top() ? rects[a].top() < rects[b].top()
                                                : rects[a].left() < rects[b].left();
    });
    std::vector<std::size_t> order;
    std::vector<std::size_t> row;
    int rowBottom = 0;
    const auto endRow = [&] {
        std::stable_sort(row.begin(), row.end(), [&](std::size_t a, std::size_t b) {
            return rects[a].left() < rects[b].left();
        });
        order.insert(order.end(), row.begin(), row.end());
        row.clear();
    };
    for (const std::size_t i : byTop) {
        const QRect &r = rects[i];
        const int centre = r.top() + r.height() / 2;
        if (!row.empty() && centre >= rowBottom)
            endRow();
        rowBottom = row.empty() ? r.top() + r.height() : std::min(rowBottom, r.top() + r.height());
        row.push_back(i);
    }
    endRow();
    return order;
}

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
    site.ini = &ini;
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
            // Each control is told its place among those made, which is where clicks find it
            // again: an empty entry in the list takes no place.
            for (std::optional<std::string> &value : values) {
                if (value)
                    add(std::move(*value), static_cast<int>(section.controls.size()));
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

std::vector<QWidget *> ControlLayer::OrderTabs(std::span<const HostedStop> hosted)
{
    std::vector<QWidget *> stops;
    std::vector<QRect> rects;
    for (const Section &section : m_sections) {
        for (QWidget *control : section.controls) {
            if (!(control->focusPolicy() & Qt::TabFocus))
                continue;
            QRect rect = control->geometry();
            // A combo box stands where its closed box shows.
            if (const auto *combo = qobject_cast<const SkinComboBox *>(control))
                rect = combo->ClosedRect().translated(combo->pos());
            stops.push_back(control);
            rects.push_back(rect);
        }
    }
    for (const HostedStop &stop : hosted) {
        if (stop.widget && (stop.widget->focusPolicy() & Qt::TabFocus)) {
            stops.push_back(stop.widget);
            rects.push_back(stop.rect);
        }
    }
    std::vector<QWidget *> ordered;
    for (const std::size_t i : LayoutOrder(rects))
        ordered.push_back(stops[i]);
    for (std::size_t i = 1; i < ordered.size(); ++i)
        QWidget::setTabOrder(ordered[i - 1], ordered[i]);
    return ordered;
}

void ControlLayer::NameFromLabels()
{
    const std::vector<CLabel *> labels = Controls<CLabel>(kLabelSection);
    // The label just above the control (left edges near) or just to its left (on its line).
    const auto labelFor = [&labels](const QRect &control) -> const CLabel * {
        for (const CLabel *label : labels) {
            const QRect l = label->geometry();
            const bool above = l.bottom() <= control.top() && control.top() - l.bottom() <= 14 &&
                               std::abs(l.left() - control.left()) <= 12;
            const int middle = l.center().y();
            const bool before = l.right() <= control.left() && control.left() - l.right() <= 24 &&
                                middle >= control.top() && middle <= control.bottom();
            if ((above || before) && !label->Text().trimmed().isEmpty())
                return label;
        }
        return nullptr;
    };
    const auto name = [&](QWidget *control, const std::string &entryName, const QRect &rect) {
        if (!control || !control->accessibleName().isEmpty())
            return;
        if (const CLabel *label = labelFor(rect)) {
            QString text = label->Text();
            text.remove(QRegularExpression(QStringLiteral("&(?=.)")));
            control->setAccessibleName(text.simplified());
        } else {
            control->setAccessibleName(ReadableName(entryName));
        }
    };
    for (SkinListBox *list : Controls<SkinListBox>(kListBoxSection))
        name(list, list->Name(), list->geometry());
    for (SkinEdit *edit : Controls<SkinEdit>(kEditBoxSection))
        name(edit, edit->Name(), edit->geometry());
    for (SkinSlider *slider : Controls<SkinSlider>(kSliderSection))
        name(slider, slider->Name(), slider->geometry());
    for (SkinComboBox *combo : Controls<SkinComboBox>(kComboBoxSection)) {
        name(combo, combo->Name(), combo->ClosedRect().translated(combo->pos()));
        // Its parts are named after the box.
        if (SkinEdit *edit = combo->Edit())
            edit->setAccessibleName(combo->accessibleName());
        if (SkinComboList *list = combo->List())
            list->setAccessibleName(combo->accessibleName());
        if (SkinButton *button = combo->Button(); button && button->accessibleName().isEmpty())
            button->setAccessibleName(QCoreApplication::translate("ControlLayer", "Open ") +
                                      combo->accessibleName());
    }
}

std::vector<QColor> ControlLayer::SkinColours() const
{
    std::vector<QColor> colours;
    const auto add = [&colours](const QColor &colour) {
        if (colour.isValid() && std::find(colours.begin(), colours.end(), colour) == colours.end())
            colours.push_back(colour);
    };
    for (const SkinListBox *list : Controls<SkinListBox>(kListBoxSection)) {
        add(list->SelBkColor());
        add(list->SelTextColor());
    }
    for (const SkinEdit *edit : Controls<SkinEdit>(kEditBoxSection))
        add(edit->BorderColor());
    for (const CLabel *label : Controls<CLabel>(kLabelSection))
        add(label->TextColor());
    for (const SkinListBox *list : Controls<SkinListBox>(kListBoxSection))
        add(list->TextColor());
    return colours;
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
