#pragma once

#include <QColor>
#include <QString>
#include <optional>

namespace lumaskin::skingen {

// The outline of a skin's window: its corners and what its top and bottom edges do.
enum class CornerStyle
{
    Round,
    Chamfer
};
enum class EdgeStyle
{
    Flat,
    Wave,
    Notch,
    Crown,
    Scallop
};

struct ShapeStyle
{
    CornerStyle corners = CornerStyle::Round;
    int cornerSize = 20;
    EdgeStyle top = EdgeStyle::Flat;
    EdgeStyle bottom = EdgeStyle::Flat;
    // Half-round bites out of the left and right sides (positive), rounded handles reaching
    // out of them (negative), or nothing (0).
    int sideBite = 0;
    // Width of the dark rim drawn just inside the outline.
    int rim = 2;
};

// How buttons are drawn, and what pattern decorates the window's body.
enum class ButtonStyle
{
    Gloss,
    Flat,
    Bevel,
    Pill
};
enum class Ornament
{
    None,
    Glow,
    Stripes,
    Dots,
    Waves,
    Grid
};
// Which arrangement of controls the skin gets.
enum class LayoutKind
{
    Standard,
    Deluxe
};

struct Palette
{
    QColor bodyTop, bodyBottom;     // the window's body, top to bottom
    QColor headerTop, headerBottom; // the caption bar
    QColor rim;                     // the outline
    QColor panel, panelBorder;      // the cards that group controls
    QColor well, wellBorder;        // recessed areas: list, viewer, fields
    QColor caption;                 // the caption's text
    QColor label;                   // group labels on the cards
    QColor accent, accentText;      // the main action and highlights
    QColor buttonTop, buttonBottom, buttonText, buttonBorder;
    QColor listBack, listText, listSelBack, listSelText;
    QColor editBack, editText, editBorder;
    QColor ornament; // the body's pattern, usually faint
};

struct Theme
{
    QString name;        // shown to users: "Purple"
    QString packageFile; // "Purple.zip"
    LayoutKind layout = LayoutKind::Standard;
    QString font = QStringLiteral("DejaVu Sans");
    ShapeStyle shape;
    ButtonStyle buttons = ButtonStyle::Gloss;
    Ornament ornament = Ornament::None;
    int panelRadius = 10;
    Palette colours;
};

// Reads a theme description (an INI file with the sections Skin, Shape, Look and Colours).
// Every colour must be given as #RRGGBB; a missing or malformed value is an error, reported
// in `error`, so that a typo never slips into a package unnoticed.
std::optional<Theme> LoadTheme(const QString &path, QString &error);

} // namespace lumaskin::skingen
