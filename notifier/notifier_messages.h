#pragma once

#include <QEvent>

namespace lumaskin {

// The messages the page view posts to the task-bar window, carried as Qt events of their own
// types so that they arrive through the event queue like any other window message.
enum class NotifierMessage : int
{
    PageShown = 1124,   // one second after a page not titled "KORVAN" finished loading
    PageExpired = 1125, // 30 seconds after any page finished loading
    PageClicked = 1126, // the page was clicked
};

constexpr QEvent::Type NotifierEventType(NotifierMessage message)
{
    return static_cast<QEvent::Type>(QEvent::User + static_cast<int>(message));
}

} // namespace lumaskin
