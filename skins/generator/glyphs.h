#pragma once

#include <QColor>
#include <QRectF>

class QPainter;

namespace lumaskin::skingen {

// Small line pictures that say what a button does, drawn at any size.
enum class Glyph
{
    None,
    Plus,
    Minus,
    Cross,
    Minimise,
    Trash,
    Play,
    Pause,
    Stop,
    ArrowUp,
    ArrowDown,
    Pencil,
    Folder,
    ZoomIn,
    ZoomOut,
    Restore,
    Colours,
    Filters,
    Convert,
    Chevron,
    ChevronUp,
    Check,
    Steps,
};

// Draws `glyph` centred in `box` (a square works best) in `colour`.
void DrawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour);

} // namespace lumaskin::skingen
