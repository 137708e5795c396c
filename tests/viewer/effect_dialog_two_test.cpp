#include "recording_viewer.h"
#include "tests/engine/effects/effect_test_support.h"
#include "viewer/c_image_viewer.h"
#include "viewer/effect_dialog_two.h"
#include "viewer/viewer_control.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

using test::Steps;

class EffectDialogTwoTest : public test::EffectWindowFixture<EffectDialogTwo>
{
protected:
    EffectDialogTwoTest() : EffectWindowFixture(8) {}
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
    QStringList shown;
    for (const char *edit :
         {"editAntiNoise", "editDiffuse", "editEmboss", "editRadius1", "editRadius2", "editFocalX",
          "editFocalY", "editMonochrome", "editMosaic", "editNoise", "editSharpenEdge", "editTwirl",
          "editMedian"})
        shown << Text(edit);
    EXPECT_EQ(shown, QStringList({"3", "3", "3", "100", "100", "200", "200", "100", "2", "100",
                                  "100", "100", "3"}));
    EXPECT_EQ(Items(dialog.List("listEmboss")),
              QStringList({"North", "North-East", "East", "South-East", "South", "South-West",
                           "West", "North-West"}));
    EXPECT_EQ(Items(dialog.List("listMosaic")), QStringList({"normal", "soft"}));
    EXPECT_EQ(Items(dialog.List("listNoise")), QStringList({"grayscale noise", "color noise"}));
    for (const QComboBox *list : dialog.findChildren<QComboBox *>())
        EXPECT_EQ(list->currentIndex(), 0);

    QStringList labels;
    for (const QLabel *label : dialog.findChildren<QLabel *>()) {
        // The marks of effects in force are empty until a row is applied.
        if (!label->objectName().startsWith("mark"))
            labels.append(label->text());
    }
    EXPECT_EQ(labels, QStringList({"AntiNoise(1-5)", "Blur", "Diffuse", "Emboss", "Radius1",
                                   "Radius2", "X", "Y", "FocalBW", "Monochrome(0-255)", "Mosaic",
                                   "Noise", "Sharpen", "SharpenEdge", "Twirl 0-360", "Median"}));
}

TEST_F(EffectDialogTwoTest, EachChangeMarksItsFilterAndAppliesItsRowToThePicture)
{
    for (const auto &[edit, text] : {std::pair{"editAntiNoise", "2"},
                                     {"editDiffuse", "4"},
                                     {"editEmboss", "5"},
                                     {"editRadius1", "3"},
                                     {"editRadius2", "9"},
                                     {"editFocalX", "6"},
                                     {"editFocalY", "5"},
                                     {"editMonochrome", "120"},
                                     {"editMosaic", "3"},
                                     {"editNoise", "30"},
                                     {"editSharpenEdge", "300"},
                                     {"editTwirl", "90"},
                                     {"editMedian", "5"}})
        Type(edit, text);
    // Each "Change" takes the list choice shown.
    dialog.List("listEmboss")->setCurrentIndex(6); // "West"
    dialog.List("listMosaic")->setCurrentIndex(1);
    dialog.List("listNoise")->setCurrentIndex(1);
    struct Case
    {
        const char *row;
        std::string_view effect;
        std::vector<double> arguments;
    };
    const Case cases[] = {
        {"AntiNoise", "antinoise", {2}},
        {"Blur", "blur", {}},
        {"Diffuse", "diffuse", {4}},
        {"Emboss", "emboss", {5, 6}},
        {"FocalBW", "focalbw", {3, 9, 6, 5}},
        {"Monochrome", "monochrome", {120, 0xFFFFFF, 0}},
        {"Mosaic", "mosaic", {1, 3}},
        {"Noise", "noise", {30, 1}},
        {"Sharpen", "sharpen", {}},
        {"SharpenEdge", "sharpenedge", {300}},
        {"Twirl", "twirl", {90}},
        {"Median", "median", {5}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.row);
        control.SetImage(original.Clone());
        Press(c.row);
        EXPECT_TRUE(dialog.IsApplied(c.row));
        EXPECT_FALSE(control.CurrentImage() == original);
        EXPECT_TRUE(Shows(c.effect, c.arguments));
    }
    EXPECT_TRUE(messages.texts.isEmpty());
}

TEST_F(EffectDialogTwoTest, ChangeStoresOnlyItsOwnListAndEnterStoresNone)
{
    dialog.show();
    dialog.List("listEmboss")->setCurrentIndex(6); // "West"
    dialog.List("listNoise")->setCurrentIndex(1);
    Press("Emboss");
    EXPECT_EQ(dialog.Value("listEmboss"), 6);
    EXPECT_EQ(dialog.Value("listNoise"), 0);

    // Enter reads the edit boxes but not the lists; "Ok" stores every list.
    Type("editEmboss", "5");
    dialog.List("listMosaic")->setCurrentIndex(1);
    QTest::keyClick(dialog.Edit("editEmboss"), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.Value("editEmboss"), 5);
    EXPECT_EQ(dialog.Value("listMosaic"), 0);
    dialog.show();
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.Value("listMosaic"), 1);
    EXPECT_EQ(dialog.Value("listNoise"), 1);

    // A bad text in the row: reported, and the filter is neither applied nor marked.
    control.SetImage(original.Clone());
    Type("editRadius2", "wide");
    Press("FocalBW");
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_FALSE(dialog.IsApplied("FocalBW"));
    EXPECT_TRUE(control.CurrentImage() == original);
}

TEST_F(EffectDialogTwoTest, WholeNumbersReachTheFiltersAsTheirLow16Bits)
{
    Type("editTwirl", "70000");
    Type("editFocalY", "-65736");
    dialog.OkButton()->click();
    EXPECT_EQ(dialog.Value("editTwirl"), 70000);
    Press("Twirl");
    Press("FocalBW");
    EXPECT_EQ(Steps(dialog.MarkedSteps()),
              (test::StepList{{"focalbw", {100, 100, 200, -200}}, {"twirl", {4464}}}));
}

TEST_F(EffectDialogTwoTest, BadTextKeepsTheLaterFieldsAndIsReplacedByOk)
{
    // Read order: focal X, anti-noise, diffuse, emboss depth, median, monochrome, ...
    dialog.show();
    Type("editFocalX", "150");
    Type("editDiffuse", "3.5");
    Type("editMedian", "9");
    dialog.OkButton()->click();
    EXPECT_EQ(messages.texts, QStringList({"Please enter an integer."}));
    EXPECT_EQ(dialog.Value("editFocalX"), 150);
    EXPECT_EQ(dialog.Value("editDiffuse"), 3);
    EXPECT_EQ(dialog.Value("editMedian"), 3);
    EXPECT_EQ(Text("editDiffuse"), "3");
    EXPECT_EQ(Text("editMedian"), "3");
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(EffectDialogTwoTest, CancelKeepsMarksAndStoresNothing)
{
    Press("Blur");
    dialog.show();
    dialog.List("listMosaic")->setCurrentIndex(1);
    Type("editMosaic", "16");
    dialog.CancelButton()->click();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_TRUE(dialog.IsApplied("Blur"));
    EXPECT_EQ(dialog.Value("listMosaic"), 0);
    EXPECT_EQ(dialog.Value("editMosaic"), 2);
}

TEST_F(EffectDialogTwoTest, ResetClearsMarksValuesTextsAndLists)
{
    const QList<QComboBox *> lists = dialog.findChildren<QComboBox *>();
    for (QComboBox *list : lists)
        list->setCurrentIndex(1);
    const QList<QLineEdit *> edits = dialog.findChildren<QLineEdit *>();
    for (qsizetype i = 0; i < edits.size(); ++i)
        edits[i]->setText(QString::number(1000 + i));
    dialog.OkButton()->click();
    ASSERT_TRUE(messages.texts.isEmpty());
    for (const EffectWindowRow &row : dialog.Rows())
        dialog.ChangeButton(row.name)->click();

    dialog.Reset();
    const EffectDialogTwo fresh(nullptr, nullptr, messages);
    EXPECT_EQ(dialog.appliedFlags, fresh.appliedFlags);
    for (const QLineEdit *edit : edits) {
        const std::string name = edit->objectName().toStdString();
        EXPECT_EQ(dialog.Value(name), fresh.Value(name)) << name;
        EXPECT_EQ(edit->text(), fresh.Edit(name)->text()) << name;
    }
    for (const QComboBox *list : lists) {
        EXPECT_EQ(dialog.Value(list->objectName().toStdString()), 0);
        EXPECT_EQ(list->currentIndex(), 0);
    }
}

// Every filter marked, each with its own values and list choices, in the opposite order: the
// conversion gets each once, in its fixed order, so moving any one of them makes this fail.
TEST_F(EffectDialogTwoTest, MarkedFiltersFollowTheConversionOrderOnceEach)
{
    for (const auto &[edit, text] : {std::pair{"editAntiNoise", "2"},
                                     {"editDiffuse", "4"},
                                     {"editEmboss", "5"},
                                     {"editRadius1", "7"},
                                     {"editRadius2", "8"},
                                     {"editFocalX", "9"},
                                     {"editFocalY", "10"},
                                     {"editMonochrome", "11"},
                                     {"editMosaic", "12"},
                                     {"editNoise", "13"},
                                     {"editSharpenEdge", "14"},
                                     {"editTwirl", "15"},
                                     {"editMedian", "16"}})
        Type(edit, text);
    dialog.List("listEmboss")->setCurrentIndex(6);
    dialog.List("listMosaic")->setCurrentIndex(1);
    dialog.List("listNoise")->setCurrentIndex(1);
    const auto rows = dialog.Rows();
    for (auto row = rows.rbegin(); row != rows.rend(); ++row)
        dialog.ChangeButton(row->name)->click();
    Press("AntiNoise");

    const test::StepList order = {
        {"antinoise", {2}},
        {"blur", {}},
        {"diffuse", {4}},
        {"emboss", {5, 6}},
        {"focalbw", {7, 8, 9, 10}},
        {"monochrome", {11, 0xFFFFFF, 0}},
        {"mosaic", {1, 12}},
        {"noise", {13, 1}},
        {"sharpen", {}},
        {"sharpenedge", {14}},
        {"twirl", {15}},
        {"median", {16}},
    };
    EXPECT_EQ(Steps(dialog.MarkedSteps()), order);
}

} // namespace
} // namespace lumaskin
