#include "controls/c_label.h"

#include "controls/bitmap_helpers.h"
#include "controls/skin_host.h"

#include <QAccessible>
#include <QPainter>

namespace lumaskin {

CLabel::CLabel(QWidget *parent) : QWidget(parent), m_font(font()) {}

CLabel::~CLabel() = default;

void CLabel::Create(const QRect &rect)
{
    setGeometry(rect);
    show();
}

void CLabel::SetText(const QString &text)
{
    if (text == m_text)
        return;
    m_text = text;
    if (QAccessible::isActive()) {
        QAccessibleEvent event(this, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&event);
    }
}

void CLabel::SetTextColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    if (colour.isValid())
        m_textColor = colour;
}

void CLabel::SetFontName(const QString &face)
{
    m_font.setFamily(face);
}

int CLabel::PointsToPixels(int points)
{
    // Rounded half away from zero, as the platform's MulDiv does.
    const long long scaled = static_cast<long long>(points) * 96;
    return static_cast<int>(scaled >= 0 ? (scaled + 36) / 72 : (scaled - 36) / 72);
}

void CLabel::SetFontSize(int points)
{
    // A size of 0 or less asks for the default height, which is the one the font has.
    const int pixels = PointsToPixels(points);
    if (pixels > 0)
        m_font.setPixelSize(std::max(1, qRound(pixels * SkinScale())));
}

void CLabel::SetFontBold(bool on)
{
    m_font.setWeight(on ? QFont::Bold : QFont::Normal);
}

void CLabel::SetFontItalic(bool on)
{
    m_font.setItalic(on);
}

void CLabel::SetFontUnderline(bool on)
{
    m_font.setUnderline(on);
}

void CLabel::SetBkColor(std::uint32_t color)
{
    const QColor colour = ToQColor(color);
    m_backBrush = colour.isValid() ? QBrush(colour) : QBrush(Qt::NoBrush);
}

void CLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (m_background.isNull()) {
        // The host has just painted this area itself; keep a copy of it for later texts.
        m_background = CopyBackgroundUnder(m_host, *this);
    } else {
        DrawBitmap(painter, QRectF(QPointF(0, 0), LogicalSize(m_background)), m_background,
                   QRectF(QPointF(0, 0), LogicalSize(m_background)));
    }
    DrawText(painter);
}

void CLabel::DrawText(QPainter &painter)
{
    painter.save();
    painter.setFont(m_font);
    painter.setPen(m_textColor);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, m_text);
    painter.restore();
}

} // namespace lumaskin
