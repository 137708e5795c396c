#include "viewer/effect_dialog_one.h"

#include <QCoreApplication>

namespace lumaskin {

namespace {

using Kind = EffectWindowRow::Field::Kind;

// Top to bottom, which is also the order in which a conversion applies the marked ones. Marks:
// Brightness, Contrast, Green, Lightness, Red, Saturation, Gamma, Hue,
// Blue, Invert Color, Desaturation. The edit boxes are read in the order Brightness, Contrast,
// Green, Lightness, Red, Saturation, Gamma, Hue B, G, R, Blue.
constexpr EffectWindowRow kRows[] = {
    {.name = "Brightness",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Brightness(-255-255)"),
     .effect = "adjustrgb",
     .mark = 0,
     .fields = {{{.objectName = "editBrightness", .start = 0, .readOrder = 0}}},
     .arguments = {FromField(0), FromField(0), FromField(0)}},
    {.name = "Contrast",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Contrase(Default 100)"),
     .effect = "contrast",
     .mark = 1,
     .fields = {{{.objectName = "editContrast", .start = 200, .readOrder = 1}}},
     .arguments = {FromField(0)}},
    {.name = "Gamma",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Gamma(Default 1.0)"),
     .effect = "gamma",
     .mark = 6,
     .fields = {{{.objectName = "editGamma", .kind = Kind::Real, .start = 2, .readOrder = 6}}},
     .arguments = {FromField(0)}},
    {.name = "Hue",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Hue(0-255)"),
     .effect = "hue",
     .mark = 7,
     .fields = {{{.objectName = "editHueRed",
                  .start = 0,
                  .readOrder = 9,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "R")},
                 {.objectName = "editHueGreen",
                  .start = 0,
                  .readOrder = 8,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "G")},
                 {.objectName = "editHueBlue",
                  .start = 127,
                  .readOrder = 7,
                  .caption = QT_TRANSLATE_NOOP("EffectWindowRow", "B")}}},
     .arguments = {FromField(0), FromField(1), FromField(2)}},
    {.name = "Red",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Red(0-255)"),
     .effect = "adjustrgb",
     .mark = 4,
     .fields = {{{.objectName = "editRed", .start = 255, .readOrder = 4}}},
     .arguments = {FromField(0), Fixed(0), Fixed(0)}},
    {.name = "Green",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Green(0-255)"),
     .effect = "adjustrgb",
     .mark = 2,
     .fields = {{{.objectName = "editGreen", .start = 255, .readOrder = 2}}},
     .arguments = {Fixed(0), FromField(0), Fixed(0)}},
    {.name = "Blue",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Blue(0-255)"),
     .effect = "adjustrgb",
     .mark = 8,
     .fields = {{{.objectName = "editBlue", .start = 255, .readOrder = 10}}},
     .arguments = {Fixed(0), Fixed(0), FromField(0)}},
    {.name = "InvertColor",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Invert Color"),
     .effect = "invertcolor",
     .mark = 9},
    {.name = "Lightness",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Ligthness(Default is 100)"),
     .effect = "lightness",
     .mark = 3,
     .fields = {{{.objectName = "editLightness", .start = 120, .readOrder = 3}}},
     .arguments = {FromField(0), FromField(0), FromField(0)}},
    {.name = "Saturation",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Saturation(Default 100)"),
     .effect = "saturation",
     .mark = 5,
     .fields = {{{.objectName = "editSaturation", .start = 200, .readOrder = 5}}},
     .arguments = {FromField(0)}},
    {.name = "Desaturation",
     .label = QT_TRANSLATE_NOOP("EffectWindowRow", "Desaturation"),
     .effect = "desaturate",
     .mark = 10},
};

} // namespace

EffectDialogOne::EffectDialogOne(CImageViewer *viewer, QWidget *owner, MessageBoxes &messages)
    : EffectDialog(QCoreApplication::translate("EffectDialog", "Effect one"), kRows, viewer, owner,
                   messages)
{
    setObjectName(QStringLiteral("effectDialogOne"));
}

} // namespace lumaskin
