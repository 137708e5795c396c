#pragma once

#include <QPointer>
#include <utility>

namespace lumaskin {

// Owns a widget that lives beside its owner under the same parent (a list's scroll bar, a
// combo box's parts). Deletes it with the owner, unless the shared parent has deleted it
// already, which QPointer notices.
template <class Widget> class SiblingPtr
{
public:
    SiblingPtr() = default;
    explicit SiblingPtr(Widget *widget) : m_widget(widget) {}
    ~SiblingPtr() { reset(); }
    SiblingPtr(const SiblingPtr &) = delete;
    SiblingPtr &operator=(const SiblingPtr &) = delete;
    SiblingPtr(SiblingPtr &&other) noexcept : m_widget(std::exchange(other.m_widget, nullptr)) {}
    SiblingPtr &operator=(SiblingPtr &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_widget = std::exchange(other.m_widget, nullptr);
        }
        return *this;
    }

    void reset(Widget *widget = nullptr)
    {
        Widget *old = m_widget.data();
        m_widget = widget;
        delete old; // the parent's ownership ends here; deleting detaches it from the parent
    }
    Widget *get() const { return m_widget.data(); }
    Widget *operator->() const { return m_widget.data(); }
    Widget &operator*() const { return *m_widget; }
    explicit operator bool() const { return !m_widget.isNull(); }

private:
    QPointer<Widget> m_widget;
};

} // namespace lumaskin
