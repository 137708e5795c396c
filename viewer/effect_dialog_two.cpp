#include "viewer/effect_dialog_two.h"

#include <QCoreApplication>
#include <string_view>

namespace lumaskin {

namespace {

using Kind = EffectWindowRow::Field::Kind;

constexpr std::string_view kEmbossDirections[] = {
    QT_TRANSLATE_NOOP("EffectWindowRow", "North"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "North-East"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "East"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "South-East"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "South"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "South-West"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "West"),
    QT_TRANSLATE_NOOP("EffectWindowRow", "North-West")};
constexpr std::string_view kMosaicModes[] = {QT_TRANSLATE_NOOP("EffectWindowRow", "normal"),
                                             QT_TRANSLATE_NOOP("EffectWindowRow", "soft")};
constexpr std::string_view kNoiseKinds[] = {QT_TRANSLATE_NOOP("EffectWindowRow", "grayscale noise"),
                                            QT_TRANSLATE_NOOP("EffectWindowRow", "color noise")};

// Monochrome's two colours, 0x00BBGGRR: white at or above the threshold, black below.
constexpr double kWhite = 0xFFFFFF;
constexpr double kBlack = 0;

// Top to bottom, which is also the order in which a conversion applies the marked ones. Marks:
// AntiNoise, Diffuse, Emboss, Median, Monochrome, Mosaic, Noise, SharpenEdge, Twirl, FocalBW,
// Blur, Sharpen. The edit boxes are read in the order focal X, AntiNoise, Diffuse, Emboss,
// Median, Monochrome, Mosaic, Noise, Radius1, Radius2, SharpenEdge, Twirl, focal Y.
constexpr EffectWindowRow kRows[] = {
    {.name = "AntiNoise",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "AntiNoise(1-5)"),
     .effect = "antinoise",
     .mark = 0,
     .fields = {{{.objectName = "editAntiNoise", .start = 3, .readOrder = 1}}},
     .arguments = {FromField(0)}},
    {.name = "Blur",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Blur"),
     .effect = "blur",
     .mark = 10},
    {.name = "Diffuse",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Diffuse"),
     .effect = "diffuse",
     .mark = 1,
     .fields = {{{.objectName = "editDiffuse", .start = 3, .readOrder = 2}}},
     .arguments = {FromField(0)}},
    {.name = "Emboss",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Emboss"),
     .effect = "emboss",
     .mark = 2,
     .fields = {{{.objectName = "editEmboss", .start = 3, .readOrder = 3},
                 {.objectName = "listEmboss", .kind = Kind::Choice, .choices = kEmbossDirections}}},
     .arguments = {FromField(0), FromField(1)}},
    {.name = "FocalBW",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "FocalBW"),
     .effect = "focalbw",
     .mark = 9,
     .fields = {{{.objectName = "editRadius1",
                  .start = 100,
                  .readOrder = 8,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "Radius1")},
                 {.objectName = "editRadius2",
                  .start = 100,
                  .readOrder = 9,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "Radius2")},
                 {.objectName = "editFocalX",
                  .start = 200,
                  .readOrder = 0,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "X")},
                 {.objectName = "editFocalY",
                  .start = 200,
                  .readOrder = 12,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "Y")}}},
     .arguments = {FromField(0), FromField(1), FromField(2), FromField(3)}},
    {.name = "Monochrome",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Monochrome(0-255)"),
     .effect = "monochrome",
     .mark = 4,
     .fields = {{{.objectName = "editMonochrome", .start = 100, .readOrder = 5}}},
     .arguments = {FromField(0), Fixed(kWhite), Fixed(kBlack)}},
    {.name = "Mosaic",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Mosaic"),
     .effect = "mosaic",
     .mark = 5,
     .fields = {{{.objectName = "editMosaic", .start = 2, .readOrder = 6},
                 {.objectName = "listMosaic", .kind = Kind::Choice, .choices = kMosaicModes}}},
     .arguments = {FromField(1), FromField(0)}},
    {.name = "Noise",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Noise"),
     .effect = "noise",
     .mark = 6,
     .fields = {{{.objectName = "editNoise", .start = 100, .readOrder = 7},
                 {.objectName = "listNoise", .kind = Kind::Choice, .choices = kNoiseKinds}}},
     .arguments = {FromField(0), FromField(1)}},
    {.name = "Sharpen",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Sharpen"),
     .effect = "sharpen",
     .mark = 11},
    {.name = "SharpenEdge",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "SharpenEdge"),
     .effect = "sharpenedge",
     .mark = 7,
     .fields = {{{.objectName = "editSharpenEdge", .start = 100, .readOrder = 10}}},
     .arguments = {FromField(0)}},
    {.name = "Twirl",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Twirl 0-360"),
     .effect = "twirl",
     .mark = 8,
     .fields = {{{.objectName = "editTwirl", .start = 100, .readOrder = 11}}},
     .arguments = {FromField(0)}},
    {.name = "Median",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Median"),
     .effect = "median",
     .mark = 3,
     .fields = {{{.objectName = "editMedian", .start = 3, .readOrder = 4}}},
     .arguments = {FromField(0)}},
};

} // namespace

EffectDialogTwo::EffectDialogTwo(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages)
    : EffectDialog(QCoreApplication::translate("EffectDialog", "Effect two"), kRows, viewer, owner,
                   messages)
{
    setObjectName(QStringLiteral("effectDialogTwo"));
}

} // namespace lumaskin
