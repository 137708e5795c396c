#include "recording_viewer.h"
#include "viewer/effect_dialog_two.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using Field = EffectDialogTwo::Field;
using Mark = EffectDialogTwo::Mark;
using Id = DispatchId;
using test::Values;

class EffectDialogTwoTest : public ::testing::Test
{
protected:
    test::RecordingViewer recorder;
    test::RecordingMessages messages;
    EffectDialogTwo dialog{&recorder.viewer, nullptr, messages};

    void Type(Field field, const QString &text) { dialog.Edit(field)->setText(text); }
    QString Text(Field field) const { return dialog.Edit(field)->text(); }
    void Press(Mark mark) { dialog.ChangeButton(mark)->click(); }
    std::vector<long long> LastValues() const { return Values(recorder.Last().arguments); }
    static QStringList Items(const QComboBox *list)
    {
        QStringList result;
        for (int i = 0; i < list->count(); ++i)
            result.append(list->itemText(i));
        return result;
    }
};

TEST_F(EffectDialogTwoTest, StartsHiddenWithTheStartingValuesListsAndLabels)
{
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.windowTitle(), "Effect two");
    const QStringList shown = {Text(Field::AntiNoiseLevel),
                               Text(Field::Diffuse),
                               Text(Field::EmbossDepth),
                               Text(Field::Radius1),
                               Text(Field::Radius2),
                               Text(Field::FocalX),
                               Text(Field::FocalY),
                               Text(Field::MonochromeThreshold),
                               Text(Field::MosaicSize),
                               Text(Field::NoiseAmount),
                               Text(Field::SharpenEdgeValue),
                               Text(Field::TwirlAngle),
                               Text(Field::Median)};
    EXPECT_EQ(shown, QStringList({"3", "3", "3", "100", "100", "200", "200", "100", "2", "100",
                                  "100", "100", "3"}));
    EXPECT_EQ(Items(dialog.EmbossList()),
              QStringList({"North", "North-East", "East", "South-East", "South", "South-West",
                           "West", "North-West"}));
    EXPECT_EQ(Items(dialog.MosaicList()), QStringList({"normal", "soft"}));
    EXPECT_EQ(Items(dialog.NoiseList()), QStringList({"grayscale noise", "color noise"}));
    for (const QComboBox *list : {dialog.EmbossList(), dialog.MosaicList(), dialog.NoiseList()})
        EXPECT_EQ(list->currentIndex(), 0);

    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>())
        labels.append(label->text());
    for (const char *expected : {"AntiNoise(1-5)", "Blur", "Diffuse", "Emboss", "FocalBW",
                                 "Radius1", "Radius2", "X", "Y", "Monochrome(0-255)", "Mosaic",
                                 "Noise", "Sharpen", "SharpenEdge", "Twirl 0-360", "Median"})
        EXPECT_TRUE(labels.contains(QString::fromLatin1(expected))) << expected;
}

TEST_F(EffectDialogTwoTest, EachChangeMarksItsFilterAndCallsTheViewerWithItsRow)
{
    // Each "Change" applies what its row shows.
    for (std::size_t i = 0; i < EffectDialogTwo::kFieldCount; ++i)
        dialog.Edit(static_cast<Field>(i))->setText(QString::number(7 + i));
    struct Case
    {
        Mark mark;
        Id id;
        std::vector<long long> arguments;
    };
    const Case cases[] = {
        {Mark::AntiNoise, Id::AntiNoise, {8}},
        {Mark::Blur, Id::Blur, {}},
        {Mark::Diffuse, Id::Diffuse, {9}},
        {Mark::Emboss, Id::Emboss, {10, 0}},
        {Mark::FocalBW, Id::FocalBW, {15, 16, 7, 19}},
        {Mark::Monochrome, Id::Monochrome, {12, 0xFFFFFF, 0}},
        {Mark::Mosaic, Id::Mosaic, {0, 13}},
        {Mark::Noise, Id::Noise, {14, 0}},
        {Mark::Sharpen, Id::Sharpen, {}},
        {Mark::SharpenEdge, Id::SharpenEdge, {17}},
        {Mark::Twirl, Id::Twirl, {18}},
        {Mark::Median, Id::Median, {11}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mark));
        Press(c.mark);
        EXPECT_TRUE(dialog.IsApplied(c.mark));
        EXPECT_EQ(recorder.Last().id, static_cast<int>(c.id));
        EXPECT_EQ(LastValues(), c.arguments);
    }
    // Monochrome's colours are 32-bit, its threshold 16-bit.
    const QVariantList &mono = recorder.calls[5].arguments;
    EXPECT_EQ(mono[0].metaType(), QMetaType::fromType<short>());
    EXPECT_EQ(mono[1].metaType(), QMetaType::fromType<int>());
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(EffectDialogTwoTest, ChangeTakesTheListChoiceShown)
{
    dialog.show();
    dialog.EmbossList()->setCurrentIndex(6); // "West"
    dialog.NoiseList()->setCurrentIndex(1);
    Press(Mark::Emboss);
    EXPECT_EQ(LastValues(), std::vector<long long>({3, 6}));
    EXPECT_EQ(dialog.embossDirection, 6);
    EXPECT_EQ(dialog.noiseKind, 0); // its own row only

    // Enter reads the edit boxes but not the lists; "Ok" stores every list.
    Type(Field::EmbossDepth, "5");
    dialog.MosaicList()->setCurrentIndex(1);
    QTest::keyClick(dialog.Edit(Field::EmbossDepth), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.embossDepth, 5);
    EXPECT_EQ(dialog.mosaicMode, 0);
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.mosaicMode, 1);
    EXPECT_EQ(dialog.noiseKind, 1);

    // A bad text in the row: reported, and the filter is neither applied nor marked.
    const std::size_t calls = recorder.calls.size();
    Type(Field::Radius2, "wide");
    Press(Mark::FocalBW);
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_FALSE(dialog.IsApplied(Mark::FocalBW));
    EXPECT_EQ(recorder.calls.size(), calls);
}

TEST_F(EffectDialogTwoTest, OkReadsEverythingAndTruncatesOnTheWayToTheViewer)
{
    Type(Field::TwirlAngle, "70000");
    Type(Field::FocalY, "-65736");
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.twirlAngle, 70000);
    Press(Mark::Twirl);
    EXPECT_EQ(LastValues(), std::vector<long long>({4464}));
    Press(Mark::FocalBW);
    EXPECT_EQ(LastValues(), std::vector<long long>({100, 100, 200, -200}));
}

TEST_F(EffectDialogTwoTest, BadTextKeepsTheLaterFieldsAndIsReplacedByOk)
{
    // Read order: focal X, anti-noise, diffuse, emboss depth, median, monochrome, ...
    dialog.show();
    Type(Field::FocalX, "150");
    Type(Field::Diffuse, "3.5");
    Type(Field::Median, "9");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.focalX, 150);
    EXPECT_EQ(dialog.diffuse, 3);
    EXPECT_EQ(dialog.median, 3);
    EXPECT_EQ(Text(Field::Diffuse), "3");
    EXPECT_EQ(Text(Field::Median), "3");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EffectDialogTwoTest, CancelKeepsMarksAndStoresNothing)
{
    Press(Mark::Blur);
    dialog.show();
    dialog.MosaicList()->setCurrentIndex(1);
    Type(Field::MosaicSize, "16");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.IsApplied(Mark::Blur));
    EXPECT_EQ(dialog.mosaicMode, 0);
    EXPECT_EQ(dialog.mosaicSize, 2);
}

TEST_F(EffectDialogTwoTest, ResetClearsMarksValuesTextsAndLists)
{
    dialog.EmbossList()->setCurrentIndex(3);
    dialog.MosaicList()->setCurrentIndex(1);
    dialog.NoiseList()->setCurrentIndex(1);
    for (std::size_t i = 0; i < EffectDialogTwo::kFieldCount; ++i)
        dialog.Edit(static_cast<Field>(i))->setText(QString::number(1000 + i));
    dialog.OkButton()->click();
    ASSERT_TRUE(messages.texts.isEmpty());
    for (std::size_t i = 0; i < EffectDialogTwo::kMarkCount; ++i)
        Press(static_cast<Mark>(i));

    dialog.Reset();
    const EffectDialogTwo fresh(nullptr, nullptr, messages);
    EXPECT_EQ(dialog.appliedFlags, fresh.appliedFlags);
    const auto fields = [](const EffectDialogTwo &d) {
        return std::vector<std::int32_t>{
            d.embossDirection, d.mosaicMode,       d.noiseKind,
            d.focalX,          d.antiNoiseLevel,   d.diffuse,
            d.embossDepth,     d.median,           d.monochromeThreshold,
            d.mosaicSize,      d.noiseAmount,      d.radius1,
            d.radius2,         d.sharpenEdgeValue, d.twirlAngle,
            d.focalY};
    };
    EXPECT_EQ(fields(dialog), fields(fresh));
    for (std::size_t i = 0; i < EffectDialogTwo::kFieldCount; ++i) {
        const auto field = static_cast<Field>(i);
        EXPECT_EQ(Text(field), fresh.Edit(field)->text());
    }
    for (const QComboBox *list : {dialog.EmbossList(), dialog.MosaicList(), dialog.NoiseList()})
        EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(EffectDialogTwoTest, MarkedFiltersAreAppliedOnceInConversionOrder)
{
    Press(Mark::Median);
    Press(Mark::Sharpen);
    Press(Mark::Blur);
    Press(Mark::AntiNoise);
    Press(Mark::AntiNoise);
    Press(Mark::Mosaic);
    recorder.calls.clear();

    dialog.ApplyMarkedEffects(recorder.viewer);
    std::vector<int> ids;
    for (const auto &call : recorder.calls)
        ids.push_back(call.id);
    EXPECT_EQ(ids, std::vector<int>({int(Id::AntiNoise), int(Id::Blur), int(Id::Mosaic),
                                     int(Id::Sharpen), int(Id::Median)}));
}

// Every filter marked, each with its own values and list choices: the calls follow the
// conversion's fixed order exactly, so moving any one of them makes this fail.
TEST_F(EffectDialogTwoTest, EveryFilterFollowsTheConversionOrder)
{
    dialog.antiNoiseLevel = 2;
    dialog.diffuse = 4;
    dialog.embossDepth = 5;
    dialog.radius1 = 7;
    dialog.radius2 = 8;
    dialog.focalX = 9;
    dialog.focalY = 10;
    dialog.monochromeThreshold = 11;
    dialog.mosaicSize = 12;
    dialog.noiseAmount = 13;
    dialog.sharpenEdgeValue = 14;
    dialog.twirlAngle = 15;
    dialog.median = 16;
    dialog.WriteEdits();
    dialog.EmbossList()->setCurrentIndex(6);
    dialog.MosaicList()->setCurrentIndex(1);
    dialog.NoiseList()->setCurrentIndex(1);
    for (std::size_t i = EffectDialogTwo::kMarkCount; i-- > 0;)
        Press(static_cast<Mark>(i));
    recorder.calls.clear();

    dialog.ApplyMarkedEffects(recorder.viewer);
    const std::vector<std::pair<int, std::vector<long long>>> order = {
        {int(Id::AntiNoise), {2}},
        {int(Id::Blur), {}},
        {int(Id::Diffuse), {4}},
        {int(Id::Emboss), {5, 6}},
        {int(Id::FocalBW), {7, 8, 9, 10}},
        {int(Id::Monochrome), {11, 0xFFFFFF, 0}},
        {int(Id::Mosaic), {1, 12}},
        {int(Id::Noise), {13, 1}},
        {int(Id::Sharpen), {}},
        {int(Id::SharpenEdge), {14}},
        {int(Id::Twirl), {15}},
        {int(Id::Median), {16}},
    };
    EXPECT_EQ(RecordedCalls(recorder), order);
}

} // namespace
} // namespace lumaskin
