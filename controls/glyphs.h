#pragma once

#include <QColor>
#include <QRectF>
#include <string_view>

class QPainter;

namespace lumaskin {

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

// The glyph's name in a skin file ("plus", "zoomin"; empty for none), and the glyph a name
// stands for, matched without regard to case; an unknown name is no glyph.
std::string_view GlyphName(Glyph glyph);
Glyph GlyphFromName(std::string_view name);

// Draws `glyph` centred in `box` (a square works best) in `colour`.
void DrawGlyph(QPainter &painter, Glyph glyph, const QRectF &box, const QColor &colour);

} // namespace lumaskin
