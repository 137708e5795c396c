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
    setEditColumns(4);

    const auto setEdit = [this](int row, int column, Field field, const char *name) {
        m_edits[static_cast<std::size_t>(field)] =
            addEdit(row, column, QStringLiteral("edit%1").arg(QLatin1String(name)));
    };
    const auto setChange = [this](int row, Mark mark, const char *name) {
        m_changes[index(mark)] =
            addChangeButton(row, QStringLiteral("change%1").arg(QLatin1String(name)));
    };
    const auto editRow = [&](const QString &label, Field field, Mark mark, const char *name) {
        const int row = addRow(label);
        setEdit(row, 0, field, name);
        setChange(row, mark, name);
    };
    // Edit box, list, then "Change", so that the focus moves through them in that order.
    const auto listRow = [&](const QString &label, Field field, Mark mark, const char *name,
                             const QStringList &items) {
        const int row = addRow(label);
        setEdit(row, 0, field, name);
        QComboBox *list =
            addList(row, 1, 3, QStringLiteral("list%1").arg(QLatin1String(name)), items);
        setChange(row, mark, name);
        return list;
    };

    editRow(QStringLiteral("AntiNoise(1-5)"), Field::AntiNoiseLevel, Mark::AntiNoise, "AntiNoise");
    setChange(addRow(QStringLiteral("Blur")), Mark::Blur, "Blur");
    editRow(QStringLiteral("Diffuse"), Field::Diffuse, Mark::Diffuse, "Diffuse");
    m_embossList = listRow(QStringLiteral("Emboss"), Field::EmbossDepth, Mark::Emboss, "Emboss",
                           {QStringLiteral("North"), QStringLiteral("North-East"),
                            QStringLiteral("East"), QStringLiteral("South-East"),
                            QStringLiteral("South"), QStringLiteral("South-West"),
                            QStringLiteral("West"), QStringLiteral("North-West")});
    addCaptions({QStringLiteral("Radius1"), QStringLiteral("Radius2"), QStringLiteral("X"),
                 QStringLiteral("Y")});
    const int focalRow = addRow(QStringLiteral("FocalBW"));
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
    setChange(addRow(QStringLiteral("Sharpen")), Mark::Sharpen, "Sharpen");
    editRow(QStringLiteral("SharpenEdge"), Field::SharpenEdgeValue, Mark::SharpenEdge,
            "SharpenEdge");
    editRow(QStringLiteral("Twirl 0-360"), Field::TwirlAngle, Mark::Twirl, "Twirl");
    editRow(QStringLiteral("Median"), Field::Median, Mark::Median, "Median");
    finishLayout();

    const auto at = [this](Field field) { return edit(field); };
    bind(at(Field::FocalX), focalX);
    bind(at(Field::AntiNoiseLevel), antiNoiseLevel);
    bind(at(Field::Diffuse), diffuse);
    bind(at(Field::EmbossDepth), embossDepth);
    bind(at(Field::Median), median);
    bind(at(Field::MonochromeThreshold), monochromeThreshold);
    bind(at(Field::MosaicSize), mosaicSize);
    bind(at(Field::NoiseAmount), noiseAmount);
    bind(at(Field::Radius1), radius1);
    bind(at(Field::Radius2), radius2);
    bind(at(Field::SharpenEdgeValue), sharpenEdgeValue);
    bind(at(Field::TwirlAngle), twirlAngle);
    bind(at(Field::FocalY), focalY);

    for (std::size_t i = 0; i < kMarkCount; ++i) {
        const auto mark = static_cast<Mark>(i);
        connect(m_changes[i], &QPushButton::clicked, this, [this, mark] { change(mark); });
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
            apply(mark, target);
    }
}

void EffectDialogTwo::storeSelections()
{
    embossDirection = m_embossList->currentIndex();
    mosaicMode = m_mosaicList->currentIndex();
    noiseKind = m_noiseList->currentIndex();
}

void EffectDialogTwo::change(Mark mark)
{
    // What the row shows is what is applied, and what a conversion applies later.
    if (!ReadEdits(editsOf(mark)))
        return;
    if (mark == Mark::Emboss)
        embossDirection = m_embossList->currentIndex();
    else if (mark == Mark::Mosaic)
        mosaicMode = m_mosaicList->currentIndex();
    else if (mark == Mark::Noise)
        noiseKind = m_noiseList->currentIndex();
    appliedFlags[index(mark)] = 1;
    if (viewer())
        apply(mark, *viewer());
}

QList<QLineEdit *> EffectDialogTwo::editsOf(Mark mark) const
{
    switch (mark) {
    case Mark::AntiNoise:
        return {edit(Field::AntiNoiseLevel)};
    case Mark::Diffuse:
        return {edit(Field::Diffuse)};
    case Mark::Emboss:
        return {edit(Field::EmbossDepth)};
    case Mark::FocalBW:
        return {edit(Field::Radius1), edit(Field::Radius2), edit(Field::FocalX),
                edit(Field::FocalY)};
    case Mark::Monochrome:
        return {edit(Field::MonochromeThreshold)};
    case Mark::Mosaic:
        return {edit(Field::MosaicSize)};
    case Mark::Noise:
        return {edit(Field::NoiseAmount)};
    case Mark::SharpenEdge:
        return {edit(Field::SharpenEdgeValue)};
    case Mark::Twirl:
        return {edit(Field::TwirlAngle)};
    case Mark::Median:
        return {edit(Field::Median)};
    case Mark::Blur:
    case Mark::Sharpen:
        break;
    }
    return {};
}

void EffectDialogTwo::apply(Mark mark, CImageViewer &target) const
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
