#pragma once

#include "viewer/effect_dialog.h"

#include <array>
#include <cstddef>
#include <cstdint>

class QComboBox;
class QLineEdit;
class QPushButton;

namespace lumaskin {

// The values "Effect two" holds, at their starting values: a new window shows these, and
// Reset returns to them.
struct EffectTwoValues
{
    // List indices stored by "Ok" (-1 when a list has no choice).
    std::int32_t embossDirection = 0;
    std::int32_t mosaicMode = 0;
    std::int32_t noiseKind = 0;
    std::int32_t focalX = 200;
    std::int32_t antiNoiseLevel = 3;
    std::int32_t diffuse = 3;
    std::int32_t embossDepth = 3;
    std::int32_t median = 3;
    std::int32_t monochromeThreshold = 100;
    std::int32_t mosaicSize = 2;
    std::int32_t noiseAmount = 100;
    std::int32_t radius1 = 100;
    std::int32_t radius2 = 100;
    std::int32_t sharpenEdgeValue = 100;
    std::int32_t twirlAngle = 100;
    std::int32_t focalY = 200;
};

// "Effect two": twelve filters, three of which take a choice from a list. Works like "Effect
// one": each "Change" reads its row, list choice included, and applies what is shown. "Ok"
// stores every list choice and reads every edit box; Enter reads the edit boxes only.
class EffectDialogTwo : public EffectDialog, public EffectTwoValues
{
    Q_OBJECT

public:
    // The applied marks, in the order of `appliedFlags`.
    enum class Mark
    {
        AntiNoise,
        Diffuse,
        Emboss,
        Median,
        Monochrome,
        Mosaic,
        Noise,
        SharpenEdge,
        Twirl,
        FocalBW,
        Blur,
        Sharpen,
    };
    static constexpr std::size_t kMarkCount = 12;

    // The edit boxes, in the order they are read and written.
    enum class Field
    {
        FocalX,
        AntiNoiseLevel,
        Diffuse,
        EmbossDepth,
        Median,
        MonochromeThreshold,
        MosaicSize,
        NoiseAmount,
        Radius1,
        Radius2,
        SharpenEdgeValue,
        TwirlAngle,
        FocalY,
    };
    static constexpr std::size_t kFieldCount = 13;

    // Monochrome's two colours, 0x00BBGGRR: white above the threshold, black below.
    static constexpr std::int32_t kMonochromeLight = 0xFFFFFF;
    static constexpr std::int32_t kMonochromeDark = 0;

    // Created hidden; `owner` is the main window, `viewer` the viewer the buttons act on.
    EffectDialogTwo(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages);

    // Puts every mark, value and list choice back to its starting value and shows them.
    void Reset();
    // Applies every marked filter once, in the conversion's order.
    void ApplyMarkedEffects(CImageViewer &viewer) const;

    bool IsApplied(Mark mark) const { return appliedFlags[Index(mark)] != 0; }
    QLineEdit *Edit(Field field) const { return m_edits[static_cast<std::size_t>(field)]; }
    QPushButton *ChangeButton(Mark mark) const { return m_changes[Index(mark)]; }
    QComboBox *EmbossList() const { return m_embossList; }
    QComboBox *MosaicList() const { return m_mosaicList; }
    QComboBox *NoiseList() const { return m_noiseList; }

    // Read by the conversion and written by the restore directly, as are the values.
    std::array<std::int32_t, kMarkCount> appliedFlags{};

protected:
    void StoreSelections() override;

private:
    static std::size_t Index(Mark mark) { return static_cast<std::size_t>(mark); }
    void Change(Mark mark);
    QList<QLineEdit *> EditsOf(Mark mark) const;
    void Apply(Mark mark, CImageViewer &viewer) const;

    std::array<QLineEdit *, kFieldCount> m_edits{};
    std::array<QPushButton *, kMarkCount> m_changes{};
    QComboBox *m_embossList = nullptr;
    QComboBox *m_mosaicList = nullptr;
    QComboBox *m_noiseList = nullptr;
};

} // namespace lumaskin
