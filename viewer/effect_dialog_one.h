#pragma once

#include "viewer/effect_dialog.h"

#include <array>
#include <cstddef>
#include <cstdint>

class QLineEdit;
class QPushButton;

namespace lumaskin {

// The values "Effect one" holds, at their starting values: a new window shows these, and
// Reset returns to them.
struct EffectOneValues
{
    std::int32_t brightness = 0;
    std::int32_t contrast = 200;
    std::int32_t green = 255;
    std::int32_t lightness = 120;
    std::int32_t red = 255;
    std::int32_t saturation = 200;
    float gamma = 2.0f;
    std::int32_t hueBlue = 127;
    std::int32_t hueGreen = 0;
    std::int32_t hueRed = 0;
    std::int32_t blue = 255;
};

// "Effect one": eleven colour adjustments. Each "Change" button reads its row's edit boxes,
// marks its adjustment and applies it at once to the owner's viewer with the values shown; the
// conversion later applies every marked one to each file with the values held here at that
// time. A row whose text is not a number is reported and neither applied nor marked.
class EffectDialogOne : public EffectDialog, public EffectOneValues
{
    Q_OBJECT

public:
    // The applied marks, in the order of `appliedFlags`.
    enum class Mark
    {
        Brightness,
        Contrast,
        Green,
        Lightness,
        Red,
        Saturation,
        Gamma,
        Hue,
        Blue,
        InvertColor,
        Desaturation,
    };
    static constexpr std::size_t kMarkCount = 11;

    // The edit boxes, in the order they are read and written.
    enum class Field
    {
        Brightness,
        Contrast,
        Green,
        Lightness,
        Red,
        Saturation,
        Gamma,
        HueBlue,
        HueGreen,
        HueRed,
        Blue,
    };
    static constexpr std::size_t kFieldCount = 11;

    // Created hidden; `owner` is the main window, `viewer` the viewer the buttons act on.
    EffectDialogOne(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages);

    // Puts every mark and value back to its starting value and shows the values.
    void Reset();
    // Applies every marked adjustment once, in the conversion's order.
    void ApplyMarkedEffects(CImageViewer &viewer) const;

    bool IsApplied(Mark mark) const { return appliedFlags[Index(mark)] != 0; }
    QLineEdit *Edit(Field field) const { return m_edits[static_cast<std::size_t>(field)]; }
    QPushButton *ChangeButton(Mark mark) const { return m_changes[Index(mark)]; }

    // Read by the conversion and written by the restore directly, as are the values.
    std::array<std::int32_t, kMarkCount> appliedFlags{};

private:
    static std::size_t Index(Mark mark) { return static_cast<std::size_t>(mark); }
    void Change(Mark mark);
    QList<QLineEdit *> EditsOf(Mark mark) const;
    void Apply(Mark mark, CImageViewer &viewer) const;

    std::array<QLineEdit *, kFieldCount> m_edits{};
    std::array<QPushButton *, kMarkCount> m_changes{};
};

} // namespace lumaskin
