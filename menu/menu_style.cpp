#include "menu/menu_style.h"

namespace lumaskin {

bool MenuStyle::DrawsFlatFrame() const
{
    return m_number == 2 || m_number == 3 || m_number == 8 || m_number == 9;
}

QMargins MenuStyle::ClientInset(bool systemShadows) const
{
    const QSize inset = FrameInset();
    return systemShadows ? QMargins(inset.width(), inset.height(), 2, 2)
                         : QMargins(inset.width(), inset.height(), 5, 6);
}

QRect MenuStyle::AdjustedGeometry(const QRect &proposed, bool systemShadows) const
{
    const int change = systemShadows ? -2 : 2;
    return QRect(proposed.x(), proposed.y() - 1, proposed.width() + change,
                 proposed.height() + change);
}

std::vector<MenuStyle> CreateMenuStyles()
{
    std::vector<MenuStyle> styles;
    for (int number : {6, 7, 0, 1, 2, 3, 8, 9, 4, 5})
        styles.emplace_back(number);
    return styles;
}

} // namespace lumaskin
