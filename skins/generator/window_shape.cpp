#include "skins/generator/window_shape.h"

#include <QtMath>
#include <algorithm>

namespace lumaskin::skingen {

namespace {

// Half the height of a side handle.
constexpr double kHandleHalf = 70;

// Points of an edge from x0 to x1 at height y; `inward` is +1 for the top edge (features go
// down into the body) and -1 for the bottom edge.
void AddEdge(QPainterPath &path, EdgeStyle edge, double x0, double x1, double y, int inward)
{
    const double depth = EdgeDepth(edge);
    const double mid = (x0 + x1) / 2;
    switch (edge) {
    case EdgeStyle::Flat:
        path.lineTo(x1, y);
        break;
    case EdgeStyle::Wave: {
        // Two long, gentle waves.
        const int steps = 96;
        for (int i = 1; i <= steps; ++i) {
            const double t = static_cast<double>(i) / steps;
            const double x = x0 + (x1 - x0) * t;
            const double dy = depth * 0.5 * (1 - std::cos(t * 4 * M_PI));
            path.lineTo(x, y + inward * dy);
        }
        break;
    }
    case EdgeStyle::Notch: {
        // A shallow trapezoid cut in the middle.
        const double half = 110;
        const double slope = 14;
        const double dir = x1 > x0 ? 1 : -1;
        path.lineTo(mid - dir * (half + slope), y);
        path.lineTo(mid - dir * half, y + inward * depth);
        path.lineTo(mid + dir * half, y + inward * depth);
        path.lineTo(mid + dir * (half + slope), y);
        path.lineTo(x1, y);
        break;
    }
    case EdgeStyle::Crown: {
        // A raised plate in the middle with soft shoulders.
        const double half = 130;
        const double shoulder = 26;
        const double dir = x1 > x0 ? 1 : -1;
        const double top = y - inward * depth;
        path.lineTo(mid - dir * (half + shoulder), y);
        path.cubicTo(mid - dir * (half + shoulder / 3), y, mid - dir * (half + shoulder / 3), top,
                     mid - dir * (half - shoulder / 2), top);
        path.lineTo(mid + dir * (half - shoulder / 2), top);
        path.cubicTo(mid + dir * (half + shoulder / 3), top, mid + dir * (half + shoulder / 3), y,
                     mid + dir * (half + shoulder), y);
        path.lineTo(x1, y);
        break;
    }
    case EdgeStyle::Scallop: {
        // Shallow arcs along the whole edge.
        const int count = std::max(1, static_cast<int>(std::abs(x1 - x0) / 60));
        const double width = (x1 - x0) / count;
        for (int i = 0; i < count; ++i) {
            const double a = x0 + width * i;
            const double b = a + width;
            path.quadTo((a + b) / 2, y + inward * depth * 2, b, y);
        }
        break;
    }
    }
}

} // namespace

int EdgeDepth(EdgeStyle edge)
{
    switch (edge) {
    case EdgeStyle::Flat:
        return 0;
    case EdgeStyle::Wave:
        return 6;
    case EdgeStyle::Notch:
        return 7;
    case EdgeStyle::Crown:
        return 12;
    case EdgeStyle::Scallop:
        return 3;
    }
    return 0;
}

QPainterPath WindowOutline(const QRect &body, const ShapeStyle &style)
{
    const double left = body.left();
    const double top = body.top();
    const double right = body.left() + body.width();
    const double bottom = body.top() + body.height();
    const double c = style.cornerSize;
    const double k = style.corners == CornerStyle::Round ? 0.5523 : 0; // circle handle ratio

    QPainterPath path;
    path.moveTo(left + c, top);
    AddEdge(path, style.top, left + c, right - c, top, +1);
    if (style.corners == CornerStyle::Round)
        path.cubicTo(right - c + c * k, top, right, top + c - c * k, right, top + c);
    else
        path.lineTo(right, top + c);

    // Right side, with its bite (inwards) or handle (outwards).
    const double midY = (top + bottom) / 2;
    const double bite = std::abs(style.sideBite);
    if (style.sideBite > 0) {
        path.lineTo(right, midY - bite);
        path.arcTo(QRectF(right - bite, midY - bite, 2 * bite, 2 * bite), 90, 180);
    } else if (style.sideBite < 0) {
        path.lineTo(right, midY - kHandleHalf);
        path.cubicTo(right + bite, midY - kHandleHalf, right + bite, midY - kHandleHalf,
                     right + bite, midY - kHandleHalf + bite);
        path.lineTo(right + bite, midY + kHandleHalf - bite);
        path.cubicTo(right + bite, midY + kHandleHalf, right + bite, midY + kHandleHalf, right,
                     midY + kHandleHalf);
    }
    path.lineTo(right, bottom - c);
    if (style.corners == CornerStyle::Round)
        path.cubicTo(right, bottom - c + c * k, right - c + c * k, bottom, right - c, bottom);
    else
        path.lineTo(right - c, bottom);

    AddEdge(path, style.bottom, right - c, left + c, bottom, -1);
    if (style.corners == CornerStyle::Round)
        path.cubicTo(left + c - c * k, bottom, left, bottom - c + c * k, left, bottom - c);
    else
        path.lineTo(left, bottom - c);

    if (style.sideBite > 0) {
        path.lineTo(left, midY + bite);
        path.arcTo(QRectF(left - bite, midY - bite, 2 * bite, 2 * bite), -90, 180);
    } else if (style.sideBite < 0) {
        path.lineTo(left, midY + kHandleHalf);
        path.cubicTo(left - bite, midY + kHandleHalf, left - bite, midY + kHandleHalf, left - bite,
                     midY + kHandleHalf - bite);
        path.lineTo(left - bite, midY - kHandleHalf + bite);
        path.cubicTo(left - bite, midY - kHandleHalf, left - bite, midY - kHandleHalf, left,
                     midY - kHandleHalf);
    }
    path.lineTo(left, top + c);
    if (style.corners == CornerStyle::Round)
        path.cubicTo(left, top + c - c * k, left + c - c * k, top, left + c, top);
    path.closeSubpath();
    return path;
}

} // namespace lumaskin::skingen
