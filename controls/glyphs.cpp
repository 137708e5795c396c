#include "controls/glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cctype>
#include <iterator>

namespace lumaskin {

namespace {

// Coordinates below are in a 16 x 16 design square, scaled into the box.
void Line(QPainter &p, double x1, double y1, double x2, double y2)
{
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

void Magnifier(QPainter &p)
{
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
    Line(p, 10.0, 10.0, 14.2, 14.2);
}

QPainterPath Triangle(QPointF a, QPointF b, QPointF c)
{
    QPainterPath path;
    path.moveTo(a);
    path.lineTo(b);
    path.lineTo(c);
    path.closeSubpath();
    return path;
}

// The names skin files give the glyphs, in the order of the enumeration.
constexpr std::string_view kGlyphNames[] = {
    "",        "plus",    "minus",     "cross",   "minimise",  "trash",  "play",    "pause",
    "stop",    "arrowup", "arrowdown", "pencil",  "folder",    "zoomin", "zoomout", "restore",
    "colours", "filters", "convert",   "chevron", "chevronup", "check",  "steps"};
static_assert(std::size(kGlyphNames) == static_cast<std::size_t>(Glyph::Steps) + 1);

} // namespace

std::string_view GlyphName(Glyph glyph)
{
    return kGlyphNames[static_cast<std::size_t>(glyph)];
}

Glyph GlyphFromName(std::string_view name)
{
    for (std::size_t i = 1; i < std::size(kGlyphNames); ++i) {
        const std::string_view known = kGlyphNames[i];
        if (name.size() == known.size() &&
            std::equal(name.begin(), name.end(), known.begin(), [](char a, char b) {
                return std::tolower(static_cast<unsigned char>(a)) == b;
            }))
            return static_cast<Glyph>(i);
    }
    return Glyph::None;
}

void DrawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour)
{
    if (glyph == Glyph::None)
        return;
    const double side = std::min(box.width(), box.height());
    QPainter &p = painter;
    p.save();
    p.translate(box.center() - QPointF(side / 2, side / 2));
    p.scale(side / 16.0, side / 16.0);
    QPen pen(colour, 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::None:
        break;
    case Glyph::Plus:
        Line(p, 8, 2.5, 8, 13.5);
        Line(p, 2.5, 8, 13.5, 8);
        break;
    case Glyph::Minus:
        Line(p, 2.5, 8, 13.5, 8);
        break;
    case Glyph::Cross:
        Line(p, 3.5, 3.5, 12.5, 12.5);
        Line(p, 12.5, 3.5, 3.5, 12.5);
        break;
    case Glyph::Minimise:
        Line(p, 3.5, 11.5, 12.5, 11.5);
        break;
    case Glyph::Trash:
        Line(p, 2.5, 4, 13.5, 4);
        Line(p, 6, 4, 6.5, 2);
        Line(p, 6.5, 2, 9.5, 2);
        Line(p, 9.5, 2, 10, 4);
        p.drawPolyline(QPolygonF({{4, 4.5}, {5, 14}, {11, 14}, {12, 4.5}}));
        Line(p, 6.8, 7, 7, 11.5);
        Line(p, 9.2, 7, 9, 11.5);
        break;
    case Glyph::Play:
        p.setBrush(colour);
        p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(Triangle({4.5, 2.5}, {13.5, 8}, {4.5, 13.5}));
        break;
    case Glyph::Pause:
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(3.5, 2.5, 3.2, 11), 0.8, 0.8);
        p.drawRoundedRect(QRectF(9.3, 2.5, 3.2, 11), 0.8, 0.8);
        break;
    case Glyph::Stop:
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawRoundedRect(QRectF(3, 3, 10, 10), 1.5, 1.5);
        break;
    case Glyph::ArrowUp:
        Line(p, 8, 13.5, 8, 3);
        p.drawPolyline(QPolygonF({{3.5, 7.5}, {8, 3}, {12.5, 7.5}}));
        break;
    case Glyph::ArrowDown:
        Line(p, 8, 2.5, 8, 13);
        p.drawPolyline(QPolygonF({{3.5, 8.5}, {8, 13}, {12.5, 8.5}}));
        break;
    case Glyph::Steps:
        // A short list: three bullets, each with its line.
        for (const double y : {3.5, 8.0, 12.5}) {
            p.drawEllipse(QPointF(3, y), 1.1, 1.1);
            Line(p, 6, y, 14, y);
        }
        break;
    case Glyph::Pencil:
        p.drawPolygon(QPolygonF({{3, 13}, {3.6, 10}, {11, 2.6}, {13.4, 5}, {6, 12.4}}));
        Line(p, 9.4, 4.2, 11.8, 6.6);
        break;
    case Glyph::Folder:
        p.drawPolygon(
            QPolygonF({{1.8, 4}, {6, 4}, {7.5, 5.6}, {14.2, 5.6}, {14.2, 13}, {1.8, 13}}));
        Line(p, 1.8, 7.6, 14.2, 7.6);
        break;
    case Glyph::ZoomIn:
        Magnifier(p);
        Line(p, 6.5, 4.4, 6.5, 8.6);
        Line(p, 4.4, 6.5, 8.6, 6.5);
        break;
    case Glyph::ZoomOut:
        Magnifier(p);
        Line(p, 4.4, 6.5, 8.6, 6.5);
        break;
    case Glyph::Restore: {
        QPainterPath arc;
        arc.arcMoveTo(QRectF(2.5, 2.5, 11, 11), 110);
        arc.arcTo(QRectF(2.5, 2.5, 11, 11), 110, 290);
        p.drawPath(arc);
        p.setBrush(colour);
        p.setPen(Qt::NoPen);
        p.drawPath(Triangle({2.2, 1.6}, {7.6, 2.6}, {3.4, 6.6}));
        break;
    }
    case Glyph::Colours: {
        // A contrast disc: one half filled, the other drawn.
        p.drawEllipse(QPointF(8, 8), 5.6, 5.6);
        QPainterPath half;
        half.moveTo(8, 2.4);
        half.arcTo(QRectF(2.4, 2.4, 11.2, 11.2), 90, 180);
        half.closeSubpath();
        p.setBrush(colour);
        p.drawPath(half);
        break;
    }
    case Glyph::Filters: {
        // A four-pointed sparkle with a small companion.
        p.setBrush(colour);
        p.setPen(QPen(colour, 0.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        QPainterPath star;
        star.moveTo(7, 1.5);
        star.quadTo(7.6, 6.4, 12.5, 7);
        star.quadTo(7.6, 7.6, 7, 12.5);
        star.quadTo(6.4, 7.6, 1.5, 7);
        star.quadTo(6.4, 6.4, 7, 1.5);
        p.drawPath(star);
        p.drawEllipse(QPointF(12.5, 12.5), 1.6, 1.6);
        break;
    }
    case Glyph::Convert:
        Line(p, 2.5, 8, 12.5, 8);
        p.drawPolyline(QPolygonF({{8.5, 3.8}, {12.8, 8}, {8.5, 12.2}}));
        break;
    case Glyph::Chevron:
        pen.setWidthF(2.2);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({{3.5, 6}, {8, 10.5}, {12.5, 6}}));
        break;
    case Glyph::ChevronUp:
        pen.setWidthF(2.2);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({{3.5, 10}, {8, 5.5}, {12.5, 10}}));
        break;
    case Glyph::Check:
        pen.setWidthF(2.2);
        p.setPen(pen);
        p.drawPolyline(QPolygonF({{3, 8.5}, {6.5, 12}, {13, 4.5}}));
        break;
    }
    p.restore();
}

} // namespace lumaskin
