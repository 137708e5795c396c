#pragma once

#include "skin/control_factory.h"
#include "skin/control_kind.h"
#include "skin/skin_ini.h"

#include <QColor>
#include <QRect>
#include <QWidget>
#include <map>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace lumaskin {

class SkinOptionButton;

// The order Tab takes controls in: rows from the top, left to right within a row. Taken by
// their top edges, a control joins the current row while its vertical centre lies above the
// bottom edge of every control already in it. Returns positions into `rects`.
std::vector<std::size_t> LayoutOrder(std::span<const QRect> rects);

// The one widget over a skinned window whose children are every control of its skin. It
// draws nothing and lets the mouse on the bare background through to the window. The window
// drops the whole layer at each skin change and builds a new one; the controls go with it.
class ControlLayer : public QWidget
{
    Q_OBJECT

public:
    // A layer over the whole of `window`, shown, with no controls yet.
    explicit ControlLayer(QWidget *window);

    // Makes one control per non-empty entry of each kind's section, kind by kind in the order
    // given and in entry order within a section; site.parent is the layer. Afterwards only the
    // first of the option buttons a skin checks shows checked.
    void Build(const SkinIni &ini, std::span<const ControlKind> kinds, ControlSite site);

    // The controls of `section` in entry order, empty entries left out: a control's position
    // here is its index when every entry before it holds a control.
    const std::vector<QWidget *> &ControlsOf(std::string_view section) const;
    template <class Control> std::vector<Control *> Controls(std::string_view section) const
    {
        std::vector<Control *> controls;
        for (QWidget *widget : ControlsOf(section)) {
            if (auto *control = dynamic_cast<Control *>(widget))
                controls.push_back(control);
        }
        return controls;
    }
    // The first control of `section` whose entry names it exactly `name`; null when none.
    QWidget *Find(std::string_view section, const std::string &name) const;
    template <class Control> Control *Find(std::string_view section, const std::string &name) const
    {
        return dynamic_cast<Control *>(Find(section, name));
    }
    // The control at `position` of ControlsOf(section); null outside the list.
    template <class Control> Control *At(std::string_view section, int position) const
    {
        const std::vector<QWidget *> &controls = ControlsOf(section);
        if (position < 0 || position >= static_cast<int>(controls.size()))
            return nullptr;
        return dynamic_cast<Control *>(controls[static_cast<std::size_t>(position)]);
    }

    // The option buttons form one group: checking the one at `position` clears every other.
    // Returns it, or null when there is none there.
    SkinOptionButton *CheckOption(int position);
    // A widget that is not a skin control but takes the focus among them (the hosted viewer),
    // with the rectangle it stands in, in the layer's coordinates.
    struct HostedStop
    {
        QWidget *widget;
        QRect rect;
    };
    // Chains every control that Tab reaches, and the hosted widgets, in LayoutOrder of their
    // rectangles, and returns them in that order. Hidden and disabled ones stay in the chain;
    // Tab passes them by while they are.
    std::vector<QWidget *> OrderTabs(std::span<const HostedStop> hosted);
    // Names the lists, combo boxes, edit boxes and sliders the skin gives no name for screen
    // readers after the label just above or to the left of them, else after their entry.
    void NameFromLabels();
    // The colours of the skin that a focus mark may be drawn in, those of selected rows first.
    std::vector<QColor> SkinColours() const;

    // A mouse move over the window at `pos` (layer coordinates, which are the window's):
    // outside the first combo box its open drop list closes, and the scroll bars of the
    // first list and of the first combo box's drop list follow a thumb dragged off them.
    void FollowMouse(QPoint pos, Qt::MouseButtons buttons);

private:
    struct Section
    {
        std::string_view name;
        std::vector<QWidget *> controls;
    };

    std::vector<Section> m_sections;
    // (section, name) to the first control of that name.
    std::map<std::pair<std::string, std::string>, QWidget *> m_byName;
};

} // namespace lumaskin
