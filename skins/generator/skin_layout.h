#pragma once

#include "controls/glyphs.h"
#include "skin/rect.h"
#include "skins/generator/theme.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <vector>

namespace lumaskin::skingen {

// Where every control of a skin goes and what it says. Rectangles are in window pixels,
// left/top inclusive and right/bottom exclusive, as the skin file writes them.

enum class ButtonRole
{
    Tool,    // an ordinary command
    Primary, // the one main action, drawn in the accent colour
    Title,   // minimise and close in the caption bar
    Close,   // the close button, which warns in red when hovered
};

struct ButtonSpec
{
    std::string name;
    std::string file; // the strip's file name in the package
    Rect rect;
    QString text;
    Glyph glyph = Glyph::None;
    QString tooltip;
    ButtonRole role = ButtonRole::Tool;
};

struct LabelSpec
{
    std::string name;
    Rect rect;
    QString text;
    int points = 10;
};

struct EditSpec
{
    std::string name;
    Rect rect;
};

struct ComboSpec
{
    std::string name;
    Rect rect;          // the whole combo box, drop list included
    int buttonSize = 0; // the drop button is square: its face is as high as the edit
};

struct SliderSpec
{
    std::string name;
    Rect rect; // exactly the size of its channel bitmap
    QString tooltip;
};

struct ToggleSpec
{
    std::string name;
    std::string file;
    Rect rect;
    QString text;
    QString tooltip;
    bool radio = false; // an option button; otherwise a check box
    bool checked = false;
};

struct SkinLayout
{
    QSize window;
    QRect body; // the window's outline fits in here; features may reach beyond it
    int headerBottom = 0;
    Rect icon;
    Rect caption;
    int captionPoints = 15;
    Rect viewer;
    EditSpec list; // the file list, its scroll bar included
    ComboSpec combo;
    std::vector<ButtonSpec> buttons;
    std::vector<LabelSpec> labels;
    std::vector<EditSpec> edits;
    std::vector<SliderSpec> sliders;
    std::vector<ToggleSpec> toggles;
    std::vector<QRect> cards; // panels that group controls
    QRect brand;              // a quiet corner that shows the skin's name
};

// The edit of a combo box and its drop button, one pixel taller than the edit at each end, in
// the way the combo box lays them out.
Rect ComboEditRect(const ComboSpec &combo);
Rect ComboButtonRect(const ComboSpec &combo);

SkinLayout MakeLayout(LayoutKind kind);

// The task-bar notifier: its bitmap's size, the close button and the page area.
struct NotifierLayout
{
    QSize size{300, 240};
    int headerBottom = 38;
    ButtonSpec close;
    QRect page{10, 44, 280, 186};
};
NotifierLayout MakeNotifierLayout();

QRect ToQRect(const Rect &rect);

} // namespace lumaskin::skingen
