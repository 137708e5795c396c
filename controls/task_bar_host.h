#pragma once

#include <string>

namespace lumaskin {

// The task-bar pop-up window as its skinned button sees it: the button named
// "TASKBUTTON_EXIT" asks it to close, passing its name.
class TaskBarHost
{
public:
    virtual ~TaskBarHost() = default;
    virtual void CloseTaskBar(const std::string &name) = 0;
};

} // namespace lumaskin
