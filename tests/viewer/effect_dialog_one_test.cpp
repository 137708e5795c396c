#include "recording_viewer.h"
#include "tests/engine/effects/effect_test_support.h"
#include "viewer/c_image_viewer.h"
#include "viewer/effect_dialog_one.h"
#include "viewer/viewer_control.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Steps;

class EffectDialogOneTest : public test::EffectWindowFixture<EffectDialogOne>
{
protected:
    EffectDialogOneTest() : EffectWindowFixture(7) {}
};

TEST_F(EffectDialogOneTest, StartsHiddenWithTheStartingValuesAndLabels)
{
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), "Effect one");
    QStringList shown;
    for (const char *edit :
         {"editBrightness", "editContrast", "editGamma", "editHueRed", "editHueGreen",
          "editHueBlue", "editRed", "editGreen", "editBlue", "editLightness", "editSaturation"})
        shown << Text(edit);
    EXPECT_EQ(shown,
              QStringList({"0", "200", "2", "0", "0", "127", "255", "255", "255", "120", "200"}));
    EXPECT_EQ(dialog.appliedFlags, std::vector<std::int32_t>(11, 0));

    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        // The marks of effects in force are empty until a row is applied.
        if (!label->objectName().startsWith("mark"))
            labels.append(label->text());
    }
    EXPECT_EQ(labels,
              QStringList({"Brightness(-255-255)", "Contrase(Default 100)", "Gamma(Default 1.0)",
                           "R", "G", "B", "Hue(0-255)", "Red(0-255)", "Green(0-255)", "Blue(0-255)",
                           "Invert Color", "Ligthness(Default is 100)", "Saturation(Default 100)",
                           "Desaturation"}));
}

TEST_F(EffectDialogOneTest, EachChangeMarksItsAdjustmentAndAppliesItsRowToThePicture)
{
    for (const auto &[edit, text] : {std::pair{"editBrightness", "30"},
                                     {"editContrast", "150"},
                                     {"editGamma", "1.5"},
                                     {"editHueRed", "10"},
                                     {"editHueGreen", "200"},
                                     {"editHueBlue", "40"},
                                     {"editRed", "50"},
                                     {"editGreen", "60"},
                                     {"editBlue", "70"},
                                     {"editLightness", "80"},
                                     {"editSaturation", "180"}})
        Type(edit, text);
    struct Case
    {
        const char *row;
        std::string_view effect;
        std::vector<double> arguments;
    };
    const Case cases[] = {
        {"Brightness", "adjustrgb", {30, 30, 30}},
        {"Contrast", "contrast", {150}},
        {"Gamma", "gamma", {1.5}},
        {"Hue", "hue", {10, 200, 40}},
        {"Red", "adjustrgb", {50, 0, 0}},
        {"Green", "adjustrgb", {0, 60, 0}},
        {"Blue", "adjustrgb", {0, 0, 70}},
        {"InvertColor", "invertcolor", {}},
        {"Lightness", "lightness", {80, 80, 80}},
        {"Saturation", "saturation", {180}},
        {"Desaturation", "desaturate", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        control.SetImage(original.Clone());
        EXPECT_FALSE(dialog.IsApplied(c.row));
        Press(c.row);
        EXPECT_TRUE(dialog.IsApplied(c.row));
        EXPECT_FALSE(control.CurrentImage() == original);
        EXPECT_TRUE(Shows(c.effect, c.arguments));
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(EffectDialogOneTest, ChangeReadsOnlyItsOwnRow)
{
    Type("editContrast", "50");
    Type("editSaturation", "80");
    Press("Contrast");
    EXPECT_TRUE(Shows("contrast", {50}));
    EXPECT_EQ(dialog.Value("editContrast"), 50);
    EXPECT_EQ(dialog.Value("editSaturation"), 200);

    // "Ok" still reads everything.
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Value("editSaturation"), 80);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(EffectDialogOneTest, WholeNumbersReachThePictureAsTheirLow16Bits)
{
    Type("editBrightness", "65436"); // -100 in 16 bits
    Press("Brightness");
    EXPECT_TRUE(Shows("adjustrgb", {-100, -100, -100}));

    Type("editBrightness", "70000");
    Press("Brightness");
    dialog.OkButton()->click();
    EXPECT_EQ(Text("editBrightness"), "70000"); // the window keeps the whole value
    EXPECT_EQ(Steps(dialog.MarkedSteps()), (test::StepList{{"adjustrgb", {4464, 4464, 4464}}}));
}

TEST_F(EffectDialogOneTest, BadTextInItsRowIsReportedAndNothingIsApplied)
{
    Type("editBrightness", "10");
    Type("editContrast", "12x"); // another row: not this button's business
    Press("Brightness");
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_TRUE(Shows("adjustrgb", {10, 10, 10}));

    control.SetImage(original.Clone());
    Press("Contrast");
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit("editContrast"));
    EXPECT_EQ(dialog.Value("editContrast"), 200);
    EXPECT_FALSE(dialog.IsApplied("Contrast"));
    EXPECT_TRUE(control.CurrentImage() == original);

    // Reading everything stops at the first bad text; the fields after it keep their values.
    messages.texts.clear();
    Type("editContrast", " -40 ");
    Type("editGreen", "77");
    Type("editGamma", "fast");
    Type("editBlue", "9");
    EXPECT_FALSE(dialog.ReadEdits());
    EXPECT_EQ(messages.texts, QStringList({"Please enter a number."}));
    EXPECT_EQ(dialog.Value("editContrast"), -40);
    EXPECT_EQ(dialog.Value("editGreen"), 77);
    EXPECT_EQ(dialog.Value("editGamma"), 2);
    EXPECT_EQ(dialog.Value("editBlue"), 255);

    // Numbers that do not fit the field are refused rather than wrapped.
    messages.texts.clear();
    Type("editGamma", "2");
    Type("editBrightness", "99999999999");
    Press("Brightness");
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.Value("editBrightness"), 10);
    for (const char *bad : {"", "1e999", "inf", "nan"}) {
        messages.texts.clear();
        Type("editBrightness", "0");
        Type("editGamma", bad);
        EXPECT_FALSE(dialog.ReadEdits()) << bad;
        EXPECT_EQ(messages.texts, QStringList({"Please enter a number."})) << bad;
    }
}

TEST_F(EffectDialogOneTest, OkWithBadTextComplainsOnceRestoresTheTextAndHides)
{
    dialog.show();
    Type("editRed", "lots");
    Type("editLightness", "90");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(Text("editRed"), "255");
    EXPECT_EQ(dialog.Value("editLightness"), 90);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EffectDialogOneTest, CancelEscapeAndCloseHideWithoutReadingOrUnmarking)
{
    Press("Red");
    Press("InvertColor");
    const Image marked = control.CurrentImage().Clone();

    dialog.show();
    Type("editRed", "5");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Value("editRed"), 255);
    EXPECT_TRUE(dialog.IsApplied("Red"));
    EXPECT_TRUE(dialog.IsApplied("InvertColor"));
    EXPECT_EQ(Text("editRed"), "5"); // the window keeps what was typed

    dialog.show();
    QTest::keyClick(dialog.Edit("editRed"), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Value("editRed"), 255);
    EXPECT_TRUE(control.CurrentImage() == marked); // hiding applies nothing
}

TEST_F(EffectDialogOneTest, EnterReadsAndHidesOnlyWhenTheTextIsGood)
{
    dialog.show();
    Type("editHueGreen", "oops");
    QTest::keyClick(dialog.Edit("editBrightness"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));

    Type("editHueGreen", "5");
    Type("editHueBlue", "64");
    Type("editBrightness", "-30");
    QTest::keyClick(dialog.Edit("editBrightness"), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(dialog.Value("editHueGreen"), 5);
    EXPECT_EQ(dialog.Value("editHueBlue"), 64);
    EXPECT_EQ(dialog.Value("editBrightness"), -30);
    EXPECT_TRUE(control.CurrentImage() == original);

    // On a focused button, Enter presses that button; no button is shown as the default.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    dialog.ChangeButton("Saturation")->setFocus();
    QTest::keyClick(dialog.ChangeButton("Saturation"), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_TRUE(Shows("saturation", {200}));
}

TEST_F(EffectDialogOneTest, ResetClearsMarksValuesAndTexts)
{
    // Every edit box gets a new valid value, read by its row's "Change".
    const QList<QLineEdit *> edits = dialog.findChildren<QLineEdit *>();
    for (qsizetype i = 0; i < edits.size(); ++i)
        edits[i]->setText(QString::number(1000 + i));
    for (const EffectWindowRow &row : dialog.Rows())
        dialog.ChangeButton(row.name)->click();
    ASSERT_TRUE(messages.texts.isEmpty());
    ASSERT_EQ(dialog.Value("editBlue"), 1000 + edits.indexOf(dialog.Edit("editBlue")));

    dialog.Reset();
    const EffectDialogOne fresh(nullptr, nullptr, messages);
    EXPECT_EQ(dialog.appliedFlags, fresh.appliedFlags);
    for (const QLineEdit *edit : edits) {
        const std::string name = edit->objectName().toStdString();
        EXPECT_EQ(dialog.Value(name), fresh.Value(name)) << name;
        EXPECT_EQ(edit->text(), fresh.Edit(name)->text()) << name;
    }
}

// Every adjustment marked, each with its own values, in the opposite order: the conversion
// gets each once, in its fixed order, with the values held then, so moving any one of them
// makes this fail.
TEST_F(EffectDialogOneTest, MarkedAdjustmentsFollowTheConversionOrderOnceEach)
{
    for (const auto &[edit, text] : {std::pair{"editBrightness", "11"},
                                     {"editContrast", "12"},
                                     {"editGamma", "3"},
                                     {"editHueRed", "21"},
                                     {"editHueGreen", "22"},
                                     {"editHueBlue", "23"},
                                     {"editRed", "31"},
                                     {"editGreen", "32"},
                                     {"editBlue", "33"},
                                     {"editLightness", "41"},
                                     {"editSaturation", "51"}})
        Type(edit, text);
    const auto rows = dialog.Rows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        dialog.ChangeButton(row->name)->click();
    Press("Saturation");
    Type("editSaturation", "300"); // the values held at conversion time count
    dialog.OkButton()->click();

    const test::StepList order = {
        {"adjustrgb", {11, 11, 11}}, // Brightness
        {"contrast", {12}},          {"gamma", {3}},
        {"hue", {21, 22, 23}},       {"adjustrgb", {31, 0, 0}}, // Red
        {"adjustrgb", {0, 32, 0}},                              // Green
        {"adjustrgb", {0, 0, 33}},                              // Blue
        {"invertcolor", {}},         {"lightness", {41, 41, 41}},
        {"saturation", {300}},       {"desaturate", {}},
    };
    EXPECT_EQ(Steps(dialog.MarkedSteps()), order);
}

} // namespace
} // namespace lumaskin
