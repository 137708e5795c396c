#include "skins/generator/background_painter.h"

#include "skins/generator/paint_kit.h"
#include "skins/generator/window_shape.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

namespace lumaskin::skingen {

namespace {

void PaintOrnament(QPainter &p, const Theme &theme, const QRect &area)
{
    const QColor ink = theme.colours.ornament;
    p.save();
    p.setClipRect(area, Qt::IntersectClip);
    switch (theme.ornament) {
    case Ornament::None:
        break;
    case Ornament::Glow: {
        QRadialGradient glow(QPointF(area.left() + area.width() * 0.3, area.top()),
                             area.width() * 0.7);
        glow.setColorAt(0, WithAlpha(ink, 90));
        glow.setColorAt(1, WithAlpha(ink, 0));
        p.fillRect(area, glow);
        break;
    }
    case Ornament::Stripes:
        p.setPen(QPen(WithAlpha(ink, 26), 6));
        for (int x = area.left() - area.height(); x < area.right(); x += 18)
            p.drawLine(x, area.bottom(), x + area.height(), area.top());
        break;
    case Ornament::Dots:
        p.setPen(Qt::NoPen);
        p.setBrush(WithAlpha(ink, 46));
        for (int y = area.top() + 6; y < area.bottom(); y += 12) {
            for (int x = area.left() + 6 + (y / 12 % 2) * 6; x < area.right(); x += 12)
                p.drawEllipse(QPointF(x, y), 1.3, 1.3);
        }
        break;
    case Ornament::Waves: {
        p.setPen(QPen(WithAlpha(ink, 36), 1.6));
        p.setBrush(Qt::NoBrush);
        for (int y = area.top() + 10; y < area.bottom() + 20; y += 22) {
            QPainterPath wave;
            wave.moveTo(area.left(), y);
            for (int x = area.left(); x <= area.right(); x += 4)
                wave.lineTo(x, y + 5 * std::sin((x + y * 0.7) / 46.0));
            p.drawPath(wave);
        }
        break;
    }
    case Ornament::Grid:
        p.setPen(QPen(WithAlpha(ink, 22), 1));
        for (int x = area.left(); x < area.right(); x += 16)
            p.drawLine(QPointF(x + 0.5, area.top()), QPointF(x + 0.5, area.bottom()));
        for (int y = area.top(); y < area.bottom(); y += 16)
            p.drawLine(QPointF(area.left(), y + 0.5), QPointF(area.right(), y + 0.5));
        break;
    }
    p.restore();
}

// The caption bar from the top of the image down to `bottom`, clipped to the outline.
void PaintHeader(QPainter &p, const Theme &theme, int width, int bottom)
{
    const Palette &c = theme.colours;
    const QRectF band(0, 0, width, bottom);
    QLinearGradient fill(band.topLeft(), band.bottomLeft());
    fill.setColorAt(0, c.headerTop);
    fill.setColorAt(1, c.headerBottom);
    p.fillRect(band, fill);
    QLinearGradient gloss(band.topLeft(), QPointF(0, bottom * 0.55));
    gloss.setColorAt(0, WithAlpha(Qt::white, 46));
    gloss.setColorAt(1, WithAlpha(Qt::white, 0));
    p.fillRect(QRectF(0, 0, width, bottom * 0.55), gloss);
    p.fillRect(QRectF(0, bottom - 1, width, 1), Darker(c.headerBottom, 0.35));
    p.fillRect(QRectF(0, bottom, width, 1), WithAlpha(Lighter(c.bodyTop, 0.5), 90));
}

// A card that groups controls: a soft shadow, a gently shaded fill and a fine border.
void PaintCard(QPainter &p, const Theme &theme, const QRect &rect)
{
    const Palette &c = theme.colours;
    const double radius = theme.panelRadius;
    const QRectF r = QRectF(rect).adjusted(0.5, 0.5, -0.5, -0.5);
    p.fillPath(RoundedPath(r.adjusted(-1, 1, 1, 4), radius + 2), WithAlpha(Qt::black, 22));
    p.fillPath(RoundedPath(r.adjusted(0, 1, 0, 2), radius + 1), WithAlpha(Qt::black, 40));
    FillVertical(p, RoundedPath(r, radius), Lighter(c.panel, 0.05), Darker(c.panel, 0.04));
    p.save();
    p.setPen(QPen(c.panelBorder, 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(RoundedPath(r, radius));
    p.setPen(QPen(WithAlpha(Qt::white, Luma(c.panel) > 0.5 ? 150 : 28), 1));
    p.drawLine(QPointF(r.left() + radius, r.top() + 1), QPointF(r.right() - radius, r.top() + 1));
    p.restore();
}

// The rim just inside the outline, with a fine highlight inside it; the Deluxe skin adds a
// bevelled band of its accent colour, `band` pixels wide.
void PaintRim(QPainter &p, const Theme &theme, const QPainterPath &outline, int band)
{
    const Palette &c = theme.colours;
    const int rim = theme.shape.rim;
    p.save();
    p.setBrush(Qt::NoBrush);
    if (band > 0) {
        p.setPen(QPen(Lighter(c.accent, 0.25), 2 * (rim + band)));
        p.drawPath(outline);
        p.setPen(QPen(Darker(c.accent, 0.25), 2 * (rim + band) - 3));
        p.drawPath(outline);
        p.setPen(QPen(c.accent, 2 * (rim + band) - 4));
        p.drawPath(outline);
    }
    p.setPen(QPen(WithAlpha(Lighter(c.headerTop, 0.6), 110), 2 * rim + 2));
    p.drawPath(outline);
    p.setPen(QPen(c.rim, 2 * rim));
    p.drawPath(outline);
    p.restore();
}

void PaintBrand(QPainter &p, const Theme &theme, const QRect &area)
{
    if (area.isEmpty())
        return;
    const QColor ink = Mix(theme.colours.panel, theme.colours.label, 0.45);
    p.save();
    p.setPen(ink);
    p.setFont(SkinFont(theme.font, 22, true));
    p.drawText(area.adjusted(0, area.height() / 2 - 26, 0, 0), Qt::AlignRight | Qt::AlignTop,
               theme.name);
    p.setFont(SkinFont(theme.font, 11));
    p.drawText(area.adjusted(0, area.height() / 2 + 2, 0, 0), Qt::AlignRight | Qt::AlignTop,
               QStringLiteral("Lumaskin skin"));
    p.restore();
}

// The raised plate above the Deluxe caption bar carries the edition's name.
void PaintCrownBadge(QPainter &p, const Theme &theme, const QRect &body)
{
    const Palette &c = theme.colours;
    const QPointF centre(body.center().x() + 0.5, body.top() + 8);
    p.save();
    p.setFont(SkinFont(theme.font, 12, true));
    const QString text = QStringLiteral("D E L U X E");
    const QRectF box(centre.x() - 90, centre.y() - 9, 180, 20);
    p.setPen(WithAlpha(Qt::black, 120));
    p.drawText(box.translated(0, 1), Qt::AlignCenter, text);
    p.setPen(Lighter(c.accent, 0.2));
    p.drawText(box, Qt::AlignCenter, text);
    p.setPen(QPen(WithAlpha(c.accent, 180), 1.2));
    p.drawLine(QPointF(box.left() + 4, centre.y() + 1), QPointF(box.left() + 40, centre.y() + 1));
    p.drawLine(QPointF(box.right() - 40, centre.y() + 1), QPointF(box.right() - 4, centre.y() + 1));
    p.restore();
}

} // namespace

QRectF SliderGroove(const QRectF &rect)
{
    const double thickness = 6;
    const double inset = rect.height() / 2 - 3;
    return QRectF(rect.left() + inset, rect.center().y() - thickness / 2, rect.width() - 2 * inset,
                  thickness);
}

QImage PaintBackground(const Theme &theme, const SkinLayout &layout, int scale)
{
    const Palette &c = theme.colours;
    QImage image = Canvas(layout.window, scale);
    image.fill(c.rim);
    const QPainterPath outline = WindowOutline(layout.body, theme.shape);
    {
        QPainter p(&image);
        SetUpPainter(p);
        p.setClipPath(outline);
        p.fillRect(image.rect(), c.bodyBottom);
        FillVertical(p, outline, c.bodyTop, c.bodyBottom);
        const QSize size = LogicalSizeOf(image);
        PaintOrnament(p, theme,
                      QRect(0, layout.headerBottom + 1, size.width(),
                            size.height() - layout.headerBottom - 1));
        PaintHeader(p, theme, size.width(), layout.headerBottom);
        if (theme.layout == LayoutKind::Deluxe)
            PaintCrownBadge(p, theme, layout.body);

        for (const QRect &card : layout.cards)
            PaintCard(p, theme, card);

        // Wells under everything that shows content of its own.
        DrawWell(p, QRectF(ToQRect(layout.viewer)).adjusted(-2, -2, 2, 2), 3, c.well, c.wellBorder);
        DrawWell(p, QRectF(ToQRect(layout.list.rect)).adjusted(-1, -1, 1, 1), 2, c.listBack,
                 c.wellBorder);
        for (const EditSpec &edit : layout.edits)
            DrawWell(p, QRectF(ToQRect(edit.rect)).adjusted(-1, -1, 1, 1), 2, c.editBack,
                     c.editBorder);
        if (!layout.combo.name.empty()) {
            const Rect edit = ComboEditRect(layout.combo);
            DrawWell(p, QRectF(ToQRect(edit)).adjusted(-1, -1, 3, 1), 2, c.editBack, c.editBorder);
        }
        for (const SliderSpec &slider : layout.sliders) {
            const QRectF groove = SliderGroove(ToQRect(slider.rect));
            DrawWell(p, groove, groove.height() / 2, c.well, c.wellBorder);
        }
        PaintBrand(p, theme, layout.brand);

        p.setClipping(false);
        PaintRim(p, theme, outline, theme.layout == LayoutKind::Deluxe ? 4 : 0);
    }
    CutByShape(image, outline);
    return image;
}

QImage PaintNotifier(const Theme &theme, const NotifierLayout &layout, int scale)
{
    const Palette &c = theme.colours;
    QImage image = Canvas(layout.size, scale);
    image.fill(c.rim);
    ShapeStyle shape;
    shape.corners = theme.shape.corners;
    shape.cornerSize = std::min(theme.shape.cornerSize, 16);
    shape.rim = theme.shape.rim;
    const QRect body(2, 2, layout.size.width() - 4, layout.size.height() - 4);
    const QPainterPath outline = WindowOutline(body, shape);
    {
        QPainter p(&image);
        SetUpPainter(p);
        p.setClipPath(outline);
        FillVertical(p, outline, c.bodyTop, c.bodyBottom);
        PaintOrnament(p, theme,
                      QRect(0, layout.headerBottom + 1, layout.size.width(),
                            layout.size.height() - layout.headerBottom - 1));
        PaintHeader(p, theme, layout.size.width(), layout.headerBottom);

        // The caption: the program's name and the skin just loaded.
        p.setFont(SkinFont(theme.font, 14, true));
        const QRectF title(14, 2, 200, layout.headerBottom - 2);
        p.setPen(WithAlpha(Qt::black, 90));
        p.drawText(title.translated(0, 1), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("Lumaskin"));
        p.setPen(c.caption);
        p.drawText(title, Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Lumaskin"));
        const int nameLeft = 14 + p.fontMetrics().horizontalAdvance(QStringLiteral("Lumaskin "));
        p.setFont(SkinFont(theme.font, 12));
        p.setPen(WithAlpha(c.caption, 190));
        p.drawText(QRectF(nameLeft, 3, 180, layout.headerBottom - 2),
                   Qt::AlignLeft | Qt::AlignVCenter, theme.name);

        DrawWell(p, QRectF(layout.page).adjusted(-1, -1, 1, 1), 3, Qt::white, c.wellBorder);
        p.setClipping(false);
        PaintRim(p, theme, outline, theme.layout == LayoutKind::Deluxe ? 2 : 0);
    }
    CutByShape(image, outline);
    return image;
}

} // namespace lumaskin::skingen
