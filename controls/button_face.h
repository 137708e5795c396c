#pragma once

namespace lumaskin {

// The four images of a button's strip, in strip order.
enum class ButtonFace
{
    Normal = 0,
    Hover = 1,
    Down = 2,
    Disabled = 3
};

// What decides which face a button of the button family shows.
struct ButtonState
{
    bool latched = false;  // two-image mode: only normal and down, chosen by checked
    bool checked = false;  // the latched-down state
    bool hover = false;    // the mouse is over the button
    bool pressed = false;  // the left button went down on it and is still over it
    bool disabled = false; // the window is disabled
};

// The first rule that applies: latched shows down or normal by checked; checked without
// hover shows down; then pressed, hover, disabled; otherwise normal. So a checked button
// that is not latched shows its hover face while the mouse is over it.
constexpr ButtonFace ChooseButtonFace(const ButtonState &state)
{
    if (state.latched)
        return state.checked ? ButtonFace::Down : ButtonFace::Normal;
    if (state.checked && !state.hover)
        return ButtonFace::Down;
    if (state.pressed)
        return ButtonFace::Down;
    if (state.hover)
        return ButtonFace::Hover;
    if (state.disabled)
        return ButtonFace::Disabled;
    return ButtonFace::Normal;
}

} // namespace lumaskin
