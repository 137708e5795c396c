#pragma once

#include "skin/control_factory.h"

#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace lumaskin {

// One kind of skinned control: the Skin.ini section its entries are in, and how the text of
// one entry becomes a control. A new kind of control is its class, its entry (Fields, Parse)
// and creator, and one row of ControlKinds().
struct ControlKind
{
    // What `create` made: the control and the name its entry gave it (empty for a control
    // without a name, such as the caption).
    struct Created
    {
        QWidget *control = nullptr;
        std::string name;
    };

    std::string_view section;
    // The key of a section with a single entry; empty for a list section, whose keys are
    // numbered from 1.
    std::string_view key;
    // Makes, configures and shows the control of one entry's text, a child of site.parent;
    // `index` is the entry's position in its section (key number minus 1).
    std::function<Created(std::string value, int index, const ControlSite &site)> create;
};

// A list section whose entries `parse` reads and `create` turns into controls.
template <class Entry, class Control>
ControlKind Kind(std::string_view section, Entry (*parse)(std::string),
                 Control *(*create)(const Entry &, int, const ControlSite &))
{
    return {section, {}, [parse, create](std::string value, int index, const ControlSite &site) {
                const Entry entry = parse(std::move(value));
                return ControlKind::Created{create(entry, index, site), entry.name};
            }};
}

// A section with the single entry `key`, whose control has neither name nor index.
template <class Entry, class Control>
ControlKind Kind(std::string_view section, std::string_view key, Entry (*parse)(std::string),
                 Control *(*create)(const Entry &, const ControlSite &))
{
    return {section, key, [parse, create](std::string value, int, const ControlSite &site) {
                return ControlKind::Created{create(parse(std::move(value)), site), {}};
            }};
}

// Every kind of control a skin window builds, in the order they are made (which is also the
// order they stack in, later ones on top). The task-bar buttons belong to the pop-up, and
// progress bars are not read.
std::span<const ControlKind> ControlKinds();

} // namespace lumaskin
