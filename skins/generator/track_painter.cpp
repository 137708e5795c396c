#include "skins/generator/track_painter.h"

#include "controls/glyphs.h"
#include "skins/generator/background_painter.h"
#include "skins/generator/paint_kit.h"

#include <QLinearGradient>
#include <QPainter>

namespace lumaskin::skingen {

namespace {

QImage Track(const Theme &theme, int height, int scale)
{
    const Palette &c = theme.colours;
    QImage track = Canvas(QSize(kScrollBarWidth, height), scale);
    QPainter p(&track);
    const QColor base = Mix(c.listBack, c.wellBorder, 0.22);
    QLinearGradient across(0, 0, kScrollBarWidth, 0);
    across.setColorAt(0, Darker(base, 0.08));
    across.setColorAt(0.5, base);
    across.setColorAt(1, Darker(base, 0.04));
    p.fillRect(track.rect(), across);
    p.fillRect(QRect(0, 0, 1, height), Mix(c.listBack, c.wellBorder, 0.6));
    return track;
}

// A small raised block over the track, plain or pressed (in the accent colour).
QImage Block(const Theme &theme, int height, bool pressed, Glyph glyph, int scale)
{
    const Palette &c = theme.colours;
    QImage block = Track(theme, height, scale);
    QPainter p(&block);
    SetUpPainter(p);
    const QRectF body(2.5, 1.5, kScrollBarWidth - 4, height - 3);
    const double radius = theme.buttons == ButtonStyle::Bevel ? 2 : 4;
    const QColor top = pressed ? Lighter(c.accent, 0.15) : c.buttonTop;
    const QColor bottom = pressed ? Darker(c.accent, 0.1) : c.buttonBottom;
    FillVertical(p, RoundedPath(body, radius), top, bottom);
    p.setPen(QPen(pressed ? Darker(c.accent, 0.35) : c.buttonBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedPath(body, radius));
    const QColor ink = pressed ? c.accentText : c.buttonText;
    if (glyph != Glyph::None) {
        DrawGlyph(p, glyph, QRectF(body.center().x() - 5, body.center().y() - 5, 10, 10), ink);
    } else {
        // Grip lines in the middle of the thumb.
        p.setPen(QPen(WithAlpha(ink, 150), 1));
        for (int i = -1; i <= 1; ++i) {
            const double y = std::round(body.center().y()) + i * 3 + 0.5;
            p.drawLine(QPointF(body.left() + 3, y), QPointF(body.right() - 3, y));
        }
    }
    return block;
}

// A round knob over the middle of the groove, with the key colour outside the circle.
QImage Knob(const Theme &theme, const QImage &under, bool active)
{
    const Palette &c = theme.colours;
    const QSize size = LogicalSizeOf(under);
    const int side = size.height();
    QImage knob = CropLogical(under, QRect((size.width() - side) / 2, 0, side, side));
    QPainterPath circle;
    const QRectF disc(1, 1, side - 2, side - 2);
    circle.addEllipse(disc);
    {
        QPainter p(&knob);
        SetUpPainter(p);
        // Antialiased edge against the background the knob usually sits on.
        FillVertical(p, circle, active ? Lighter(c.accent, 0.3) : c.buttonTop,
                     active ? Darker(c.accent, 0.1) : c.buttonBottom);
        p.setPen(QPen(active ? Darker(c.accent, 0.4) : c.buttonBorder, 1));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
        p.setPen(Qt::NoPen);
        p.setBrush(active ? c.accentText : c.accent);
        p.drawEllipse(disc.center(), side * 0.16, side * 0.16);
    }
    CutByShape(knob, circle);
    return knob;
}

} // namespace

ScrollBarArt PaintScrollBar(const Theme &theme, int scale)
{
    ScrollBarArt art;
    art.track = Track(theme, 32, scale);
    art.up = Block(theme, kScrollBarWidth, false, Glyph::ChevronUp, scale);
    art.upPressed = Block(theme, kScrollBarWidth, true, Glyph::ChevronUp, scale);
    art.down = Block(theme, kScrollBarWidth, false, Glyph::Chevron, scale);
    art.downPressed = Block(theme, kScrollBarWidth, true, Glyph::Chevron, scale);
    art.thumb = Block(theme, 40, false, Glyph::None, scale);
    art.thumbPressed = Block(theme, 40, true, Glyph::None, scale);
    return art;
}

SliderArt PaintSlider(const Theme &theme, const QImage &under)
{
    const Palette &c = theme.colours;
    SliderArt art;
    art.channel = under.convertToFormat(QImage::Format_RGB32);
    art.channel.setDevicePixelRatio(under.devicePixelRatio());
    {
        QPainter p(&art.channel);
        SetUpPainter(p);
        const QRectF groove = SliderGroove(QRectF(QPointF(0, 0), LogicalSizeOf(under)));
        FillVertical(p, RoundedPath(groove, groove.height() / 2), Lighter(c.accent, 0.2),
                     Darker(c.accent, 0.15));
    }
    art.thumb = Knob(theme, under, false);
    art.activeThumb = Knob(theme, under, true);
    return art;
}

} // namespace lumaskin::skingen
