#include "controls/skin_edit.h"

#include "controls/bitmap_helpers.h"

#include <QPalette>

namespace lumaskin {

SkinEdit::SkinEdit(QWidget *parent) : QLineEdit(parent)
{
    setFrame(false);
    ApplyColours();
}

SkinEdit::~SkinEdit() = default;

void SkinEdit::Create(const QRect &rect)
{
    setGeometry(rect);
    FollowSkinScale(*this);
    show();
}

void SkinEdit::ApplyColours()
{
    QPalette colours = palette();
    // The background applies in every state; a disabled edit keeps the style's grey text.
    colours.setBrush(QPalette::All, QPalette::Base, m_bkBrush);
    colours.setBrush(QPalette::All, QPalette::Window, m_bkBrush);
    for (const auto group : {QPalette::Active, QPalette::Inactive})
        colours.setColor(group, QPalette::Text, m_textColor);
    setPalette(colours);
}

void SkinEdit::SetBkColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (!colour.isValid())
        return;
    m_bkColor = colour;
    m_bkBrush = QBrush(m_bkColor);
    ApplyColours();
}

void SkinEdit::SetTextColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (!colour.isValid())
        return;
    m_textColor = colour;
    ApplyColours();
}

void SkinEdit::SetBorderColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_borderColor = colour;
}

} // namespace lumaskin
