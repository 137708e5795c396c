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
    setEditColumns(3);

    const auto editRow = [this](const QString &label, Field field, Mark mark, const char *name) {
        const int row = addRow(label);
        m_edits[static_cast<std::size_t>(field)] =
            addEdit(row, 0, QStringLiteral("edit%1").arg(QLatin1String(name)));
        m_changes[index(mark)] =
            addChangeButton(row, QStringLiteral("change%1").arg(QLatin1String(name)));
    };
    const auto buttonRow = [this](const QString &label, Mark mark, const char *name) {
        m_changes[index(mark)] =
            addChangeButton(addRow(label), QStringLiteral("change%1").arg(QLatin1String(name)));
    };

    editRow(QStringLiteral("Brightness(-255-255)"), Field::Brightness, Mark::Brightness,
            "Brightness");
    editRow(QStringLiteral("Contrase(Default 100)"), Field::Contrast, Mark::Contrast, "Contrast");
    editRow(QStringLiteral("Gamma(Default 1.0)"), Field::Gamma, Mark::Gamma, "Gamma");
    addCaptions({QStringLiteral("R"), QStringLiteral("G"), QStringLiteral("B")});
    const int hueRow = addRow(QStringLiteral("Hue(0-255)"));
    m_edits[static_cast<std::size_t>(Field::HueRed)] =
        addEdit(hueRow, 0, QStringLiteral("editHueRed"));
    m_edits[static_cast<std::size_t>(Field::HueGreen)] =
        addEdit(hueRow, 1, QStringLiteral("editHueGreen"));
    m_edits[static_cast<std::size_t>(Field::HueBlue)] =
        addEdit(hueRow, 2, QStringLiteral("editHueBlue"));
    m_changes[index(Mark::Hue)] = addChangeButton(hueRow, QStringLiteral("changeHue"));
    editRow(QStringLiteral("Red(0-255)"), Field::Red, Mark::Red, "Red");
    editRow(QStringLiteral("Green(0-255)"), Field::Green, Mark::Green, "Green");
    editRow(QStringLiteral("Blue(0-255)"), Field::Blue, Mark::Blue, "Blue");
    buttonRow(QStringLiteral("Invert Color"), Mark::InvertColor, "InvertColor");
    editRow(QStringLiteral("Ligthness(Default is 100)"), Field::Lightness, Mark::Lightness,
            "Lightness");
    editRow(QStringLiteral("Saturation(Default 100)"), Field::Saturation, Mark::Saturation,
            "Saturation");
    buttonRow(QStringLiteral("Desaturation"), Mark::Desaturation, "Desaturation");
    finishLayout();

    const auto at = [this](Field field) { return edit(field); };
    bind(at(Field::Brightness), brightness);
    bind(at(Field::Contrast), contrast);
    bind(at(Field::Green), green);
    bind(at(Field::Lightness), lightness);
    bind(at(Field::Red), red);
    bind(at(Field::Saturation), saturation);
    bind(at(Field::Gamma), gamma);
    bind(at(Field::HueBlue), hueBlue);
    bind(at(Field::HueGreen), hueGreen);
    bind(at(Field::HueRed), hueRed);
    bind(at(Field::Blue), blue);

    for (std::size_t i = 0; i < kMarkCount; ++i) {
        const auto mark = static_cast<Mark>(i);
        connect(m_changes[i], &QPushButton::clicked, this, [this, mark] { change(mark); });
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
            apply(mark, target);
    }
}

void EffectDialogOne::change(Mark mark)
{
    // What the row shows is what is applied, and what a conversion applies later.
    if (!ReadEdits(editsOf(mark)))
        return;
    appliedFlags[index(mark)] = 1;
    if (viewer())
        apply(mark, *viewer());
}

QList<QLineEdit *> EffectDialogOne::editsOf(Mark mark) const
{
    switch (mark) {
    case Mark::Brightness:
        return {edit(Field::Brightness)};
    case Mark::Contrast:
        return {edit(Field::Contrast)};
    case Mark::Gamma:
        return {edit(Field::Gamma)};
    case Mark::Hue:
        return {edit(Field::HueRed), edit(Field::HueGreen), edit(Field::HueBlue)};
    case Mark::Red:
        return {edit(Field::Red)};
    case Mark::Green:
        return {edit(Field::Green)};
    case Mark::Blue:
        return {edit(Field::Blue)};
    case Mark::Lightness:
        return {edit(Field::Lightness)};
    case Mark::Saturation:
        return {edit(Field::Saturation)};
    case Mark::InvertColor:
    case Mark::Desaturation:
        break;
    }
    return {};
}

void EffectDialogOne::apply(Mark mark, CImageViewer &target) const
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
