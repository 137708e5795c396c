#include "recording_viewer.h"
#include "viewer/effect_dialog_one.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using Field = EffectDialogOne::Field;
using Mark = EffectDialogOne::Mark;
using Id = DispatchId;
using test::Values;

class EffectDialogOneTest : public ::testing::Test
{
protected:
    test::RecordingViewer recorder;
    test::RecordingMessages messages;
    EffectDialogOne dialog{&recorder.viewer, nullptr, messages};

    void Type(Field field, const QString &text) { dialog.Edit(field)->setText(text); }
    QString Text(Field field) const { return dialog.Edit(field)->text(); }
    void Press(Mark mark) { dialog.ChangeButton(mark)->click(); }
    int LastId() const { return recorder.Last().id; }
    std::vector<long long> LastValues() const { return Values(recorder.Last().arguments); }
};

TEST_F(EffectDialogOneTest, StartsHiddenWithTheStartingValuesAndLabels)
{
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_FALSE(dialog.isModal());
    EXPECT_EQ(dialog.windowTitle(), "Effect one");
    const QStringList shown = {
        Text(Field::Brightness), Text(Field::Contrast),  Text(Field::Gamma),
        Text(Field::HueRed),     Text(Field::HueGreen),  Text(Field::HueBlue),
        Text(Field::Red),        Text(Field::Green),     Text(Field::Blue),
        Text(Field::Lightness),  Text(Field::Saturation)};
    EXPECT_EQ(shown,
              QStringList({"0", "200", "2", "0", "0", "127", "255", "255", "255", "120", "200"}));
    for (std::int32_t flag : dialog.appliedFlags)
        EXPECT_EQ(flag, 0);

    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels.append(label->text());
    for (const char *expected :
         {"Brightness(-255-255)", "Contrase(Default 100)", "Gamma(Default 1.0)", "Hue(0-255)", "R",
          "G", "B", "Red(0-255)", "Green(0-255)", "Blue(0-255)", "Invert Color",
          "Ligthness(Default is 100)", "Saturation(Default 100)", "Desaturation"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(expected))) << expected;
}

TEST_F(EffectDialogOneTest, EachChangeMarksItsAdjustmentAndCallsTheViewer)
{
    struct Case
    {
        Mark mark;
        Id id;
        std::vector<long long> arguments;
    };
    const Case cases[] = {
        {Mark::Brightness, Id::AdjustRGB, {0, 0, 0}},
        {Mark::Contrast, Id::Contrast, {200}},
        {Mark::Gamma, Id::Gamma, {2}},
        {Mark::Hue, Id::Hue, {0, 0, 127}},
        {Mark::Red, Id::AdjustRGB, {255, 0, 0}},
        {Mark::Green, Id::AdjustRGB, {0, 255, 0}},
        {Mark::Blue, Id::AdjustRGB, {0, 0, 255}},
        {Mark::InvertColor, Id::InvertColor, {}},
        {Mark::Lightness, Id::Lightness, {120, 120, 120}},
        {Mark::Saturation, Id::Saturation, {200}},
        {Mark::Desaturation, Id::Desaturate, {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mark));
        EXPECT_FALSE(dialog.IsApplied(c.mark));
        Press(c.mark);
        EXPECT_TRUE(dialog.IsApplied(c.mark));
        EXPECT_EQ(LastId(), static_cast<int>(c.id));
        EXPECT_EQ(LastValues(), c.arguments);
    }
    EXPECT_EQ(recorder.calls.size(), std::size(cases));
    EXPECT_EQ(recorder.calls[2].arguments[0].metaType(), QMetaType::fromType<double>());
}

TEST_F(EffectDialogOneTest, ChangeAppliesTheValuesShownInItsRow)
{
    // What was just typed is applied and kept for the conversion; other rows are not read.
    Type(Field::Contrast, "50");
    Type(Field::Saturation, "80");
    Press(Mark::Contrast);
    EXPECT_EQ(LastValues(), std::vector<long long>({50}));
    EXPECT_EQ(dialog.contrast, 50);
    EXPECT_EQ(dialog.saturation, 200);

    Type(Field::HueRed, "10");
    Type(Field::HueGreen, "20");
    Type(Field::HueBlue, "30");
    Press(Mark::Hue);
    EXPECT_EQ(LastValues(), std::vector<long long>({10, 20, 30}));
    Type(Field::Gamma, "1.5");
    Press(Mark::Gamma);
    EXPECT_DOUBLE_EQ(recorder.Last().arguments[0].toDouble(), 1.5);

    // "Ok" still reads everything.
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.saturation, 80);
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(EffectDialogOneTest, ValuesReachTheViewerAsTheirLow16Bits)
{
    Type(Field::Brightness, "70000");
    Press(Mark::Brightness);
    EXPECT_EQ(dialog.brightness, 70000); // the field keeps the whole value
    EXPECT_EQ(LastValues(), std::vector<long long>({4464, 4464, 4464}));
}

TEST_F(EffectDialogOneTest, BadTextInItsRowIsReportedAndNothingIsApplied)
{
    Type(Field::Brightness, "10");
    Type(Field::Contrast, "12x"); // another row: not this button's business
    Press(Mark::Brightness);
    EXPECT_TRUE(messages.texts.isEmpty());
    EXPECT_EQ(LastValues(), std::vector<long long>({10, 10, 10}));

    const std::size_t calls = recorder.calls.size();
    Press(Mark::Contrast);
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.focusWidget(), dialog.Edit(Field::Contrast));
    EXPECT_EQ(dialog.contrast, 200);
    EXPECT_FALSE(dialog.IsApplied(Mark::Contrast));
    EXPECT_EQ(recorder.calls.size(), calls);

    // Reading everything stops at the first bad text; the fields after it keep their values.
    messages.texts.clear();
    Type(Field::Contrast, " -40 ");
    Type(Field::Green, "77");
    Type(Field::Gamma, "fast");
    Type(Field::Blue, "9");
    EXPECT_FALSE(dialog.ReadEdits());
    EXPECT_EQ(messages.texts, QStringList({"Please enter a number."}));
    EXPECT_EQ(dialog.contrast, -40);
    EXPECT_EQ(dialog.green, 77);
    EXPECT_FLOAT_EQ(dialog.gamma, 2.0f);
    EXPECT_EQ(dialog.blue, 255);

    // Numbers that do not fit the field are refused rather than wrapped.
    messages.texts.clear();
    Type(Field::Gamma, "2");
    Type(Field::Brightness, "99999999999");
    Press(Mark::Brightness);
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.brightness, 10);
    for (const char *bad : {"", "1e999", "inf", "nan"}) {
        messages.texts.clear();
        Type(Field::Brightness, "0");
        Type(Field::Gamma, bad);
        EXPECT_FALSE(dialog.ReadEdits()) << bad;
        EXPECT_EQ(messages.texts, QStringList({"Please enter a number."})) << bad;
    }
}

TEST_F(EffectDialogOneTest, OkWithBadTextComplainsOnceRestoresTheTextAndHides)
{
    dialog.show();
    Type(Field::Red, "lots");
    Type(Field::Lightness, "90");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(Text(Field::Red), "255");
    EXPECT_EQ(dialog.lightness, 90);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EffectDialogOneTest, CancelEscapeAndCloseHideWithoutReadingOrUnmarking)
{
    Press(Mark::Red);
    Press(Mark::InvertColor);
    const auto callsBefore = recorder.calls.size();

    dialog.show();
    Type(Field::Red, "5");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.red, 255);
    EXPECT_TRUE(dialog.IsApplied(Mark::Red));
    EXPECT_TRUE(dialog.IsApplied(Mark::InvertColor));
    EXPECT_EQ(Text(Field::Red), "5"); // the window keeps what was typed

    dialog.show();
    QTest::keyClick(dialog.Edit(Field::Red), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());

    dialog.show();
    dialog.close();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.red, 255);
    EXPECT_EQ(recorder.calls.size(), callsBefore); // hiding applies nothing
}

TEST_F(EffectDialogOneTest, EnterReadsAndHidesOnlyWhenTheTextIsGood)
{
    dialog.show();
    Type(Field::HueGreen, "oops");
    QTest::keyClick(dialog.Edit(Field::Brightness), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));

    Type(Field::HueGreen, "5");
    Type(Field::HueBlue, "64");
    Type(Field::Brightness, "-30");
    QTest::keyClick(dialog.Edit(Field::Brightness), Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(messages.texts.size(), 1);
    EXPECT_EQ(dialog.hueGreen, 5);
    EXPECT_EQ(dialog.hueBlue, 64);
    EXPECT_EQ(dialog.brightness, -30);
    EXPECT_TRUE(recorder.calls.empty());

    // On a focused button, Enter presses that button; no button is shown as the default.
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    for (const QPushButton *button : dialog.findChildren<QPushButton *>())
        EXPECT_FALSE(button->isDefault()) << button->objectName().toStdString();
    dialog.ChangeButton(Mark::Saturation)->setFocus();
    QTest::keyClick(dialog.ChangeButton(Mark::Saturation), Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
    ASSERT_EQ(recorder.calls.size(), 1u);
    EXPECT_EQ(LastId(), static_cast<int>(Id::Saturation));
}

TEST_F(EffectDialogOneTest, ResetClearsMarksValuesAndTexts)
{
    // Every edit box gets a new valid value, read by its row's "Change".
    for (std::size_t i = 0; i < EffectDialogOne::kFieldCount; ++i)
        dialog.Edit(static_cast<Field>(i))->setText(QString::number(1000 + i));
    for (std::size_t i = 0; i < EffectDialogOne::kMarkCount; ++i)
        Press(static_cast<Mark>(i));
    ASSERT_TRUE(messages.texts.isEmpty());
    ASSERT_EQ(dialog.blue, 1010);

    dialog.Reset();
    const EffectDialogOne fresh(nullptr, nullptr, messages);
    EXPECT_EQ(dialog.appliedFlags, fresh.appliedFlags);
    const std::vector<double> now = {
        double(dialog.brightness), double(dialog.contrast), double(dialog.green),
        double(dialog.lightness),  double(dialog.red),      double(dialog.saturation),
        double(dialog.gamma),      double(dialog.hueBlue),  double(dialog.hueGreen),
        double(dialog.hueRed),     double(dialog.blue)};
    const std::vector<double> start = {
        double(fresh.brightness), double(fresh.contrast), double(fresh.green),
        double(fresh.lightness),  double(fresh.red),      double(fresh.saturation),
        double(fresh.gamma),      double(fresh.hueBlue),  double(fresh.hueGreen),
        double(fresh.hueRed),     double(fresh.blue)};
    EXPECT_EQ(now, start);
    for (std::size_t i = 0; i < EffectDialogOne::kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        EXPECT_EQ(Text(field), fresh.Edit(field)->text());
    }
}

TEST_F(EffectDialogOneTest, MarkedAdjustmentsAreAppliedOnceInConversionOrder)
{
    Press(Mark::Desaturation);
    Press(Mark::Saturation);
    Press(Mark::Saturation);
    Press(Mark::Green);
    Press(Mark::Gamma);
    dialog.saturation = 300; // the values held at conversion time count
    recorder.calls.clear();

    dialog.ApplyMarkedEffects(recorder.viewer);
    std::vector<int> ids;
    for (const auto &call : recorder.calls)
        ids.push_back(call.id);
    EXPECT_EQ(ids, std::vector<int>({int(Id::Gamma), int(Id::AdjustRGB), int(Id::Saturation),
                                     int(Id::Desaturate)}));
    EXPECT_EQ(Values(recorder.calls[2].arguments), std::vector<long long>({300}));
}

// Every adjustment marked, each with its own values: the calls follow the conversion's fixed
// order exactly, so moving any one of them makes this fail.
TEST_F(EffectDialogOneTest, EveryAdjustmentFollowsTheConversionOrder)
{
    dialog.brightness = 11;
    dialog.contrast = 12;
    dialog.gamma = 3.0f;
    dialog.hueRed = 21;
    dialog.hueGreen = 22;
    dialog.hueBlue = 23;
    dialog.red = 31;
    dialog.green = 32;
    dialog.blue = 33;
    dialog.lightness = 41;
    dialog.saturation = 51;
    dialog.WriteEdits();
    for (std::size_t i = EffectDialogOne::kMarkCount; i-- > 0;)
        Press(static_cast<Mark>(i));
    recorder.calls.clear();

    dialog.ApplyMarkedEffects(recorder.viewer);
    const std::vector<std::pair<int, std::vector<long long>>> order = {
        {int(Id::AdjustRGB), {11, 11, 11}}, // Brightness
        {int(Id::Contrast), {12}},          {int(Id::Gamma), {3}},
        {int(Id::Hue), {21, 22, 23}},       {int(Id::AdjustRGB), {31, 0, 0}}, // Red
        {int(Id::AdjustRGB), {0, 32, 0}},                                     // Green
        {int(Id::AdjustRGB), {0, 0, 33}},                                     // Blue
        {int(Id::InvertColor), {}},         {int(Id::Lightness), {41, 41, 41}},
        {int(Id::Saturation), {51}},        {int(Id::Desaturate), {}},
    };
    EXPECT_EQ(RecordedCalls(recorder), order);
}

} // namespace
} // namespace lumaskin
