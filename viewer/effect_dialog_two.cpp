#include "viewer/effect_dialog_two.h"

#include "viewer/c_image_viewer.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace lumaskin {

namespace {

using Mark = EffectDialogTwo::Mark;
using Field = EffectDialogTwo::Field;

// The order in which the conversion applies the marked filters.
constexpr std::array kConversionOrder = {
    Mark::AntiNoise, Mark::Blur,  Mark::Diffuse, Mark::Emboss,      Mark::FocalBW, Mark::Monochrome,
    Mark::Mosaic,    Mark::Noise, Mark::Sharpen, Mark::SharpenEdge, Mark::Twirl,   Mark::Median,
};

} // namespace

EffectDialogTwo::EffectDialogTwo(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages)
    : EffectDialog(QStringLiteral("Effect two"), viewer, owner, messages)
{
    setObjectName(QStringLiteral("effectDialogTwo"));
    // Four edit columns for FocalBW; a list takes the three beside a single edit box.
    SetEditColumns(4);

    const auto setEdit = [this](int row, int column, Field field, const char *name) {
        m_edits[static_cast<std::size_t>(field)] =
            AddEdit(row, column, QStringLiteral("edit%1").arg(QLatin1String(name)));
    };
    const auto setChange = [this](int row, Mark mark, const char *name) {
        m_changes[Index(mark)] =
            AddChangeButton(row, QStringLiteral("change%1").arg(QLatin1String(name)));
    };
    const auto editRow = [&](const QString &label, Field field, Mark mark, const char *name) {
        const int row = AddRow(label);
        setEdit(row, 0, field, name);
        setChange(row, mark, name);
    };
    // Edit box, list, then "Change", so that the focus moves through them in that order.
    const auto listRow = [&](const QString &label, Field field, Mark mark, const char *name,
                             const QStringList &items) {
        const int row = AddRow(label);
        setEdit(row, 0, field, name);
        QComboBox *list =
            AddList(row, 1, 3, QStringLiteral("list%1").arg(QLatin1String(name)), items);
        setChange(row, mark, name);
        return list;
    };

    editRow(QStringLiteral("AntiNoise(1-5)"), Field::AntiNoiseLevel, Mark::AntiNoise, "AntiNoise");
    setChange(AddRow(QStringLiteral("Blur")), Mark::Blur, "Blur");
    editRow(QStringLiteral("Diffuse"), Field::Diffuse, Mark::Diffuse, "Diffuse");
    m_embossList = listRow(QStringLiteral("Emboss"), Field::EmbossDepth, Mark::Emboss, "Emboss",
                           {QStringLiteral("North"), QStringLiteral("North-East"),
                            QStringLiteral("East"), QStringLiteral("South-East"),
                            QStringLiteral("South"), QStringLiteral("South-West"),
                            QStringLiteral("West"), QStringLiteral("North-West")});
    AddCaptions({QStringLiteral("Radius1"), QStringLiteral("Radius2"), QStringLiteral("X"),
                 QStringLiteral("Y")});
    const int focalRow = AddRow(QStringLiteral("FocalBW"));
    setEdit(focalRow, 0, Field::Radius1, "Radius1");
    setEdit(focalRow, 1, Field::Radius2, "Radius2");
    setEdit(focalRow, 2, Field::FocalX, "FocalX");
    setEdit(focalRow, 3, Field::FocalY, "FocalY");
    setChange(focalRow, Mark::FocalBW, "FocalBW");
    editRow(QStringLiteral("Monochrome(0-255)"), Field::MonochromeThreshold, Mark::Monochrome,
            "Monochrome");
    m_mosaicList = listRow(QStringLiteral("Mosaic"), Field::MosaicSize, Mark::Mosaic, "Mosaic",
                           {QStringLiteral("normal"), QStringLiteral("soft")});
    m_noiseList = listRow(QStringLiteral("Noise"), Field::NoiseAmount, Mark::Noise, "Noise",
                          {QStringLiteral("grayscale noise"), QStringLiteral("color noise")});
    setChange(AddRow(QStringLiteral("Sharpen")), Mark::Sharpen, "Sharpen");
    editRow(QStringLiteral("SharpenEdge"), Field::SharpenEdgeValue, Mark::SharpenEdge,
            "SharpenEdge");
    editRow(QStringLiteral("Twirl 0-360"), Field::TwirlAngle, Mark::Twirl, "Twirl");
    editRow(QStringLiteral("Median"), Field::Median, Mark::Median, "Median");
    FinishLayout();

    const auto at = [this](Field field) { return Edit(field); };
    Bind(at(Field::FocalX), focalX);
    Bind(at(Field::AntiNoiseLevel), antiNoiseLevel);
    Bind(at(Field::Diffuse), diffuse);
    Bind(at(Field::EmbossDepth), embossDepth);
    Bind(at(Field::Median), median);
    Bind(at(Field::MonochromeThreshold), monochromeThreshold);
    Bind(at(Field::MosaicSize), mosaicSize);
    Bind(at(Field::NoiseAmount), noiseAmount);
    Bind(at(Field::Radius1), radius1);
    Bind(at(Field::Radius2), radius2);
    Bind(at(Field::SharpenEdgeValue), sharpenEdgeValue);
    Bind(at(Field::TwirlAngle), twirlAngle);
    Bind(at(Field::FocalY), focalY);

    for (std::size_t i = 0; i < kMarkCount; ++i) {
        const auto mark = static_cast<Mark>(i);
        connect(m_changes[i], &QPushButton::clicked, this, [this, mark] { Change(mark); });
    }
    WriteEdits();
    m_embossList->setCurrentIndex(embossDirection);
    m_mosaicList->setCurrentIndex(mosaicMode);
    m_noiseList->setCurrentIndex(noiseKind);
}

void EffectDialogTwo::Reset()
{
    appliedFlags.fill(0);
    static_cast<EffectTwoValues &>(*this) = EffectTwoValues{};
    WriteEdits();
    m_noiseList->setCurrentIndex(noiseKind);
    m_mosaicList->setCurrentIndex(mosaicMode);
    m_embossList->setCurrentIndex(embossDirection);
}

void EffectDialogTwo::ApplyMarkedEffects(CImageViewer &target) const
{
    for (Mark mark : kConversionOrder) {
        if (IsApplied(mark))
            Apply(mark, target);
    }
}

void EffectDialogTwo::StoreSelections()
{
    embossDirection = m_embossList->currentIndex();
    mosaicMode = m_mosaicList->currentIndex();
    noiseKind = m_noiseList->currentIndex();
}

void EffectDialogTwo::Change(Mark mark)
{
    // What the row shows is what is applied, and what a conversion applies later.
    if (!ReadEdits(EditsOf(mark)))
        return;
    if (mark == Mark::Emboss)
        embossDirection = m_embossList->currentIndex();
    else if (mark == Mark::Mosaic)
        mosaicMode = m_mosaicList->currentIndex();
    else if (mark == Mark::Noise)
        noiseKind = m_noiseList->currentIndex();
    appliedFlags[Index(mark)] = 1;
    if (Viewer())
        Apply(mark, *Viewer());
}

QList<QLineEdit *> EffectDialogTwo::EditsOf(Mark mark) const
{
    switch (mark) {
    case Mark::AntiNoise:
        return {Edit(Field::AntiNoiseLevel)};
    case Mark::Diffuse:
        return {Edit(Field::Diffuse)};
    case Mark::Emboss:
        return {Edit(Field::EmbossDepth)};
    case Mark::FocalBW:
        return {Edit(Field::Radius1), Edit(Field::Radius2), Edit(Field::FocalX),
                Edit(Field::FocalY)};
    case Mark::Monochrome:
        return {Edit(Field::MonochromeThreshold)};
    case Mark::Mosaic:
        return {Edit(Field::MosaicSize)};
    case Mark::Noise:
        return {Edit(Field::NoiseAmount)};
    case Mark::SharpenEdge:
        return {Edit(Field::SharpenEdgeValue)};
    case Mark::Twirl:
        return {Edit(Field::TwirlAngle)};
    case Mark::Median:
        return {Edit(Field::Median)};
    case Mark::Blur:
    case Mark::Sharpen:
        break;
    }
    return {};
}

void EffectDialogTwo::Apply(Mark mark, CImageViewer &target) const
{
    switch (mark) {
    case Mark::AntiNoise:
        target.AntiNoise(antiNoiseLevel);
        break;
    case Mark::Blur:
        target.Blur();
        break;
    case Mark::Diffuse:
        target.Diffuse(diffuse);
        break;
    case Mark::Emboss:
        target.Emboss(embossDepth, embossDirection);
        break;
    case Mark::FocalBW:
        target.FocalBW(radius1, radius2, focalX, focalY);
        break;
    case Mark::Monochrome:
        target.Monochrome(monochromeThreshold, kMonochromeLight, kMonochromeDark);
        break;
    case Mark::Mosaic:
        target.Mosaic(mosaicMode, mosaicSize);
        break;
    case Mark::Noise:
        target.Noise(noiseAmount, noiseKind);
        break;
    case Mark::Sharpen:
        target.Sharpen();
        break;
    case Mark::SharpenEdge:
        target.SharpenEdge(sharpenEdgeValue);
        break;
    case Mark::Twirl:
        target.Twirl(twirlAngle);
        break;
    case Mark::Median:
        target.Median(median);
        break;
    }
}

} // namespace lumaskin
