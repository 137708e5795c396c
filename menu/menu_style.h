#pragma once

#include <QMargins>
#include <QRect>
#include <QSize>
#include <vector>

namespace lumaskin {

// One of the program's ten popup menu styles. The program selects style 2 at start-up and
// keeps it; style 2 draws its own flat frame, which is what the window geometry below is for.
class MenuStyle
{
public:
    explicit MenuStyle(int number) : m_number(number) {}

    int Number() const { return m_number; }
    // The even styles draw their own frame, so the menu's own border goes.
    bool DrawsOwnFrame() const { return m_number % 2 == 0; }
    // Styles 2, 3, 8 and 9 draw the flat frame with a shadow.
    bool DrawsFlatFrame() const;
    QSize FrameInset() const { return {2, 2}; }

    // Where the items go inside the window: the inset on the left and top; room for the frame
    // on the right and bottom, and for the shadow when the desktop draws none.
    QMargins ClientInset(bool systemShadows) const;
    // The window rectangle the style wants for a proposed one: 2 pixels larger each way when
    // it draws the shadow itself, 2 smaller when the desktop does, and one pixel higher up.
    QRect AdjustedGeometry(const QRect &proposed, bool systemShadows) const;

private:
    int m_number;
};

// The ten styles in the order the program creates them: 6, 7, 0, 1, 2, 3, 8, 9, 4, 5.
std::vector<MenuStyle> CreateMenuStyles();

// The style the program selects at start-up.
constexpr int kSelectedMenuStyle = 2;

} // namespace lumaskin
