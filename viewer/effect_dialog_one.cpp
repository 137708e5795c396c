#include "viewer/effect_dialog_one.h"

#include "viewer/c_image_viewer.h"

#include <QLineEdit>
#include <QPushButton>

namespace lumaskin {

namespace {

using Mark = EffectDialogOne::Mark;
using Field = EffectDialogOne::Field;

// The order in which the conversion applies the marked adjustments.
constexpr std::array kConversionOrder = {
    Mark::Brightness, Mark::Contrast,   Mark::Gamma,        Mark::Hue,
    Mark::Red,        Mark::Green,      Mark::Blue,         Mark::InvertColor,
    Mark::Lightness,  Mark::Saturation, Mark::Desaturation,
};

} // namespace

EffectDialogOne::EffectDialogOne(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages)
    : EffectDialog(QStringLiteral("Effect one"), viewer, owner, messages)
{
    setObjectName(QStringLiteral("effectDialogOne"));
    SetEditColumns(3);

    const auto editRow = [this](const QString &label, Field field, Mark mark, const char *name) {
        const int row = AddRow(label);
        m_edits[static_cast<std::size_t>(field)] =
            AddEdit(row, 0, QStringLiteral("edit%1").arg(QLatin1String(name)));
        m_changes[Index(mark)] =
            AddChangeButton(row, QStringLiteral("change%1").arg(QLatin1String(name)));
    };
    const auto buttonRow = [this](const QString &label, Mark mark, const char *name) {
        m_changes[Index(mark)] =
            AddChangeButton(AddRow(label), QStringLiteral("change%1").arg(QLatin1String(name)));
    };

    editRow(QStringLiteral("Brightness(-255-255)"), Field::Brightness, Mark::Brightness,
            "Brightness");
    editRow(QStringLiteral("Contrase(Default 100)"), Field::Contrast, Mark::Contrast, "Contrast");
    editRow(QStringLiteral("Gamma(Default 1.0)"), Field::Gamma, Mark::Gamma, "Gamma");
    AddCaptions({QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")});
    const int hueRow = AddRow(QStringLiteral("Hue(0-255)"));
    m_edits[static_cast<std::size_t>(Field::HueRed)] =
        AddEdit(hueRow, 0, QStringLiteral("editHueRed"));
    m_edits[static_cast<std::size_t>(Field::HueGreen)] =
        AddEdit(hueRow, 1, QStringLiteral("editHueGreen"));
    m_edits[static_cast<std::size_t>(Field::HueBlue)] =
        AddEdit(hueRow, 2, QStringLiteral("editHueBlue"));
    m_changes[Index(Mark::Hue)] = AddChangeButton(hueRow, QStringLiteral("changeHue"));
    editRow(QStringLiteral("Red(0-255)"), Field::Red, Mark::Red, "Red");
    editRow(QStringLiteral("Green(0-255)"), Field::Green, Mark::Green, "Green");
    editRow(QStringLiteral("Blue(0-255)"), Field::Blue, Mark::Blue, "Blue");
    buttonRow(QStringLiteral("Invert Color"), Mark::InvertColor, "InvertColor");
    editRow(QStringLiteral("Ligthness(Default is 100)"), Field::Lightness, Mark::Lightness,
            "Lightness");
    editRow(QStringLiteral("Saturation(Default 100)"), Field::Saturation, Mark::Saturation,
            "Saturation");
    buttonRow(QStringLiteral("Desaturation"), Mark::Desaturation, "Desaturation");
    FinishLayout();

    const auto at = [this](Field field) { return Edit(field); };
    Bind(at(Field::Brightness), brightness);
    Bind(at(Field::Contrast), contrast);
    Bind(at(Field::Green), green);
    Bind(at(Field::Lightness), lightness);
    Bind(at(Field::Red), red);
    Bind(at(Field::Saturation), saturation);
    Bind(at(Field::Gamma), gamma);
    Bind(at(Field::HueBlue), hueBlue);
    Bind(at(Field::HueGreen), hueGreen);
    Bind(at(Field::HueRed), hueRed);
    Bind(at(Field::Blue), blue);

    for (std::size_t i = 0; i < kMarkCount; ++i) {
        const auto mark = static_cast<Mark>(i);
        connect(m_changes[i], &QPushButton::clicked, this, [this, mark] { Change(mark); });
    }
    WriteEdits();
}

void EffectDialogOne::Reset()
{
    appliedFlags.fill(0);
    static_cast<EffectOneValues &>(*this) = EffectOneValues{};
    WriteEdits();
}

void EffectDialogOne::ApplyMarkedEffects(CImageViewer &target) const
{
    for (Mark mark : kConversionOrder) {
        if (IsApplied(mark))
            Apply(mark, target);
    }
}

void EffectDialogOne::Change(Mark mark)
{
    // What the row shows is what is applied, and what a conversion applies later.
    if (!ReadEdits(EditsOf(mark)))
        return;
    appliedFlags[Index(mark)] = 1;
    if (Viewer())
        Apply(mark, *Viewer());
}

QList<QLineEdit *> EffectDialogOne::EditsOf(Mark mark) const
{
    switch (mark) {
    case Mark::Brightness:
        return {Edit(Field::Brightness)};
    case Mark::Contrast:
        return {Edit(Field::Contrast)};
    case Mark::Gamma:
        return {Edit(Field::Gamma)};
    case Mark::Hue:
        return {Edit(Field::HueRed), Edit(Field::HueGreen), Edit(Field::HueBlue)};
    case Mark::Red:
        return {Edit(Field::Red)};
    case Mark::Green:
        return {Edit(Field::Green)};
    case Mark::Blue:
        return {Edit(Field::Blue)};
    case Mark::Lightness:
        return {Edit(Field::Lightness)};
    case Mark::Saturation:
        return {Edit(Field::Saturation)};
    case Mark::InvertColor:
    case Mark::Desaturation:
        break;
    }
    return {};
}

void EffectDialogOne::Apply(Mark mark, CImageViewer &target) const
{
    switch (mark) {
    case Mark::Brightness:
        target.AdjustRGB(brightness, brightness, brightness);
        break;
    case Mark::Contrast:
        target.Contrast(contrast);
        break;
    case Mark::Gamma:
        target.Gamma(static_cast<double>(gamma));
        break;
    case Mark::Hue:
        target.Hue(hueRed, hueGreen, hueBlue);
        break;
    case Mark::Red:
        target.AdjustRGB(red, 0, 0);
        break;
    case Mark::Green:
        target.AdjustRGB(0, green, 0);
        break;
    case Mark::Blue:
        target.AdjustRGB(0, 0, blue);
        break;
    case Mark::InvertColor:
        target.InvertColor();
        break;
    case Mark::Lightness:
        target.Lightness(lightness, lightness, lightness);
        break;
    case Mark::Saturation:
        target.Saturation(saturation);
        break;
    case Mark::Desaturation:
        target.Desaturate();
        break;
    }
}

} // namespace lumaskin
