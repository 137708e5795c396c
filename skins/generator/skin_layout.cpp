#include "skins/generator/skin_layout.h"

#include <iterator>
#include <utility>

namespace lumaskin::skingen {

namespace {

constexpr int kLabelPoints = 10;

// Builds the control lists of a layout with short calls, one per control.
class LayoutBuilder
{
public:
    explicit LayoutBuilder(SkinLayout &layout) : m_layout(layout) {}

    void Button(std::string name, std::string file, Rect rect, QString text, Glyph glyph,
                QString tooltip, ButtonRole role = ButtonRole::Tool)
    {
        m_layout.buttons.push_back({std::move(name), std::move(file), rect, std::move(text), glyph,
                                    std::move(tooltip), role});
    }

    void Toggle(std::string name, std::string file, Rect rect, QString text, QString tooltip,
                bool radio, bool checked)
    {
        m_layout.toggles.push_back({std::move(name), std::move(file), rect, std::move(text),
                                    std::move(tooltip), radio, checked});
    }

    void Label(std::string name, Rect rect, QString text)
    {
        m_layout.labels.push_back({std::move(name), rect, std::move(text), kLabelPoints});
    }

    // The seven zoom steps side by side from `left`, then zoom in and zoom out at the
    // right end.
    void ZoomRow(int left, int top, int right)
    {
        const int height = 26;
        const int gap = 4;
        const int square = 30;
        static const std::pair<const char *, const char *> steps[] = {
            {"25", "BUTTON_ZOOM25"},  {"33", "BUTTON_ZOOM33"},   {"50", "BUTTON_ZOOM50"},
            {"75", "BUTTON_ZOOM75"},  {"100", "BUTTON_ZOOM100"}, {"150", "BUTTON_ZOOM150"},
            {"200", "BUTTON_ZOOM200"}};
        const int count = static_cast<int>(std::size(steps));
        const int step = (right - left - 2 * square - 3 * gap - 8 - (count - 1) * gap) / count;
        int x = left;
        for (const auto &[percent, name] : steps) {
            Button(name, std::string("btnZoom") + percent + ".bmp",
                   {x, top, x + step, top + height},
                   QString::fromLatin1(percent) + QLatin1Char('%'), Glyph::None,
                   QStringLiteral("Show the picture at %1 %").arg(QLatin1String(percent)));
            x += step + gap;
        }
        Button("BUTTON_IN", "btnZoomIn.bmp",
               {right - 2 * square - gap, top, right - square - gap, top + height}, {},
               Glyph::ZoomIn, QStringLiteral("Zoom in"));
        Button("BUTTON_OUT", "btnZoomOut.bmp", {right - square, top, right, top + height}, {},
               Glyph::ZoomOut, QStringLiteral("Zoom out"));
    }

    // The two effect windows and the Steps window from `left`; restore, which undoes every
    // effect, at the right.
    void EffectRow(int left, int top, int right)
    {
        Button("BUTTON__EFFECT1", "btnEffect1.bmp", {left, top, left + 110, top + 26},
               QStringLiteral("Colours"), Glyph::Colours,
               QStringLiteral("Colour effects: brightness; contrast; gamma; hue and more"));
        Button("BUTTON__EFFECT2", "btnEffect2.bmp", {left + 116, top, left + 226, top + 26},
               QStringLiteral("Filters"), Glyph::Filters,
               QStringLiteral("Filters: blur; sharpen; emboss; mosaic and more"));
        Button("BUTTON_STEPS", "btnSteps.bmp", {left + 232, top, left + 342, top + 26},
               QStringLiteral("Steps"), Glyph::Steps,
               QStringLiteral("The batch's steps: resize; crop; turn; watermark; presets"));
        Button("BUTTON__RESTORE", "btnRestore.bmp", {right - 104, top, right, top + 26},
               QStringLiteral("Restore"), Glyph::Restore,
               QStringLiteral("Undo every effect and show the picture as loaded"));
    }

    void TitleButtons(int left, int top, const char *closeName)
    {
        Button("BUTTON_MINIMIZE", "btnMinimize.bmp", {left, top, left + 28, top + 24}, {},
               Glyph::Minimise, QStringLiteral("Minimise"), ButtonRole::Title);
        Button(closeName, "btnClose.bmp", {left + 34, top, left + 62, top + 24}, {}, Glyph::Cross,
               QStringLiteral("Close Lumaskin"), ButtonRole::Close);
    }

    void Convert(Rect rect)
    {
        Button("BUTTON_CONVERT", "btnConvert.bmp", rect, QStringLiteral("Convert"), Glyph::Convert,
               QStringLiteral("Convert every listed picture to the chosen format"),
               ButtonRole::Primary);
    }

private:
    SkinLayout &m_layout;
};

// 980 x 660: caption bar; on the left the file list with its buttons and the conversion;
// on the right the viewer with the zoom and effect rows and the last file written.
SkinLayout StandardLayout()
{
    SkinLayout l;
    l.window = {980, 660};
    l.body = {4, 4, 972, 652};
    l.headerBottom = 58;
    l.icon = {22, 15, 54, 47};
    l.caption = {62, 18, 380, 46};
    l.captionPoints = 15;
    l.cards = {{14, 66, 352, 582}, {376, 66, 590, 582}};
    LayoutBuilder b(l);
    b.TitleButtons(902, 19, "BUTTON_CLOSE");

    // Files.
    b.Label("LABEL_FILES", {30, 74, 200, 92}, QStringLiteral("Images"));
    l.list = {"LIST_FILES", {28, 96, 352, 444}};
    b.Button("BUTTON_ADD", "btnAdd.bmp", {28, 454, 106, 482}, QStringLiteral("Add"), Glyph::Plus,
             QStringLiteral("Add picture files to the list"));
    b.Button("BUTTON_DEL", "btnDelete.bmp", {110, 454, 188, 482}, QStringLiteral("Remove"),
             Glyph::Minus, QStringLiteral("Remove the selected pictures from the list"));
    b.Button("BUTTON_DELALL", "btnDeleteAll.bmp", {192, 454, 270, 482}, QStringLiteral("Clear"),
             Glyph::Trash, QStringLiteral("Empty the list"));
    b.Button("BUTTON_PLAY", "btnShow.bmp", {274, 454, 352, 482}, QStringLiteral("Show"),
             Glyph::Play, QStringLiteral("Show the selected picture"));

    // Conversion: the drop list opens over the quiet corner below the combo box.
    b.Label("LABEL_FORMAT", {30, 496, 200, 514}, QStringLiteral("Convert to"));
    l.combo = {"COMBO_FORMAT", {28, 518, 212, 640}, 24};
    b.Convert({222, 517, 352, 543});
    l.brand = {222, 556, 130, 84};

    // Viewer and its rows.
    b.Label("LABEL_VIEW", {392, 74, 600, 92}, QStringLiteral("Preview"));
    l.viewer = {390, 96, 952, 500};
    b.Label("LABEL_ZOOM", {392, 517, 466, 535}, QStringLiteral("Zoom"));
    b.ZoomRow(474, 512, 952);
    b.Label("LABEL_EFFECTS", {392, 557, 466, 575}, QStringLiteral("Effects"));
    b.EffectRow(474, 552, 952);
    b.Label("LABEL_OUTPUT", {392, 599, 466, 617}, QStringLiteral("Last saved"));
    l.edits = {{"EDIT_OUTPUT", {474, 594, 952, 618}}};
    return l;
}

// 1000 x 700: the standard arrangement with more of the controls the program knows: list
// order and edit buttons, a playback row with the position slider and its time, and audio
// options.
SkinLayout DeluxeLayout()
{
    SkinLayout l;
    l.window = {1000, 700};
    l.body = {16, 16, 968, 668};
    l.headerBottom = 72;
    l.icon = {30, 28, 62, 60};
    l.caption = {70, 30, 300, 58};
    l.captionPoints = 16;
    l.cards = {{28, 80, 344, 592}, {382, 80, 590, 592}};
    LayoutBuilder b(l);
    b.TitleButtons(906, 32, "BUTTON_EXIT");

    // Files, in two rows of buttons.
    b.Label("LABEL_FILES", {44, 88, 200, 106}, QStringLiteral("Images"));
    l.list = {"LIST_FILES", {42, 110, 358, 396}};
    b.Button("BUTTON_ADD", "btnAdd.bmp", {42, 404, 144, 430}, QStringLiteral("Add"), Glyph::Plus,
             QStringLiteral("Add picture files to the list"));
    b.Button("BUTTON_DEL", "btnDelete.bmp", {149, 404, 251, 430}, QStringLiteral("Remove"),
             Glyph::Minus, QStringLiteral("Remove the selected pictures from the list"));
    b.Button("BUTTON_DELALL", "btnDeleteAll.bmp", {256, 404, 358, 430}, QStringLiteral("Clear"),
             Glyph::Trash, QStringLiteral("Empty the list"));
    b.Button("BUTTON_UP", "btnUp.bmp", {42, 436, 144, 462}, QStringLiteral("Up"), Glyph::ArrowUp,
             QStringLiteral("Move the selected picture up the list"));
    b.Button("BUTTON_DOWN", "btnDown.bmp", {149, 436, 251, 462}, QStringLiteral("Down"),
             Glyph::ArrowDown, QStringLiteral("Move the selected picture down the list"));
    b.Button("BUTTON_EDIT", "btnEdit.bmp", {256, 436, 358, 462}, QStringLiteral("Edit"),
             Glyph::Pencil, QStringLiteral("Open the effect windows for the selected picture"));

    b.Label("LABEL_FORMAT", {44, 478, 200, 496}, QStringLiteral("Convert to"));
    l.combo = {"COMBO_FORMAT", {42, 500, 222, 664}, 24};
    b.Convert({232, 499, 358, 525});
    l.brand = {232, 538, 126, 122};

    // Viewer with the playback row: play and pause share one place and take turns.
    b.Label("LABEL_VIEW", {398, 88, 600, 106}, QStringLiteral("Preview"));
    l.viewer = {396, 110, 958, 426};
    b.Button("BUTTON_PLAY", "btnPlay.bmp", {396, 436, 430, 464}, {}, Glyph::Play,
             QStringLiteral("Show the selected picture"));
    b.Button("BUTTON_PAUSE", "btnPause.bmp", {396, 436, 430, 464}, {}, Glyph::Pause,
             QStringLiteral("Pause"));
    b.Button("BUTTON_STOP", "btnStop.bmp", {434, 436, 468, 464}, {}, Glyph::Stop,
             QStringLiteral("Stop"));
    l.sliders = {{"SLIDER_PROGRESS", {480, 441, 760, 459}, QStringLiteral("Position")}};
    b.Label("LABEL_TIME", {772, 441, 958, 459}, QStringLiteral("00:00:00/02:00:00"));

    b.Label("LABEL_AUDIO", {398, 477, 474, 495}, QStringLiteral("Audio"));
    b.Toggle("OPTION_AUDIOSTREAM1", "optTrack1.bmp", {480, 474, 570, 496},
             QStringLiteral("Track 1"), QStringLiteral("First sound track"), true, true);
    b.Toggle("OPTION_AUDIOSTREAM2", "optTrack2.bmp", {576, 474, 666, 496},
             QStringLiteral("Track 2"), QStringLiteral("Second sound track"), true, false);
    b.Toggle("CHECK_REPEAT", "chkRepeat.bmp", {686, 474, 776, 496}, QStringLiteral("Repeat"),
             QStringLiteral("Start again at the end"), false, false);

    b.Label("LABEL_ZOOM", {398, 513, 474, 531}, QStringLiteral("Zoom"));
    b.ZoomRow(480, 508, 958);
    b.Label("LABEL_EFFECTS", {398, 551, 474, 569}, QStringLiteral("Effects"));
    b.EffectRow(480, 546, 958);

    // The last file written, across the whole row.
    b.Label("LABEL_OUTPUT", {398, 604, 474, 622}, QStringLiteral("Last saved"));
    l.edits = {{"EDIT_OUTPUT", {480, 600, 958, 624}}};
    return l;
}

} // namespace

Rect ComboEditRect(const ComboSpec &combo)
{
    const Rect &r = combo.rect;
    return {r.left, r.top, r.right - combo.buttonSize, r.top + combo.buttonSize};
}

Rect ComboButtonRect(const ComboSpec &combo)
{
    const Rect &r = combo.rect;
    return {r.right - combo.buttonSize, r.top - 1, r.right, r.top + combo.buttonSize + 1};
}

SkinLayout MakeLayout(LayoutKind kind)
{
    return kind == LayoutKind::Deluxe ? DeluxeLayout() : StandardLayout();
}

NotifierLayout MakeNotifierLayout()
{
    NotifierLayout n;
    n.close = {"TASKBUTTON_EXIT", "btnNotifierClose.bmp",  {258, 8, 284, 30}, {},
               Glyph::Cross,      QStringLiteral("Close"), ButtonRole::Close};
    return n;
}

QRect ToQRect(const Rect &rect)
{
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

} // namespace lumaskin::skingen
