// The main window's buttons, driven by name as the skinned dialog routes them.
#include "app/main_dialog.h"
#include "controls/skin_combo_list.h"
#include "engine/file_name.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "tests/skin/skin_dialog_fixture.h"
#include "tests/support/temp_dir.h"
#include "viewer/viewer_control.h"

#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <utility>

namespace lumaskin {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class RecordingMessages : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons buttons, MessageIcon) override
    {
        shown << text;
        if (buttons == MessageButtons::YesNoDefaultNo)
            return replaceSources;
        if (buttons == MessageButtons::OkOpenFolder)
            return std::exchange(report, MessageAnswer::Ok);
        return buttons == MessageButtons::OverwriteSkipKeepBoth ? existing : MessageAnswer::Ok;
    }
    QStringList shown;
    MessageAnswer report = MessageAnswer::Ok;
    MessageAnswer replaceSources = MessageAnswer::No;
    MessageAnswer existing = MessageAnswer::KeepBoth;
};

// Chooses as a script says and remembers what it was asked.
class ScriptedPrompts : public MainDialogPrompts
{
public:
    QStringList OpenFiles(const QString &filter) override
    {
        asked << filter;
        return files;
    }
    QString SaveFile(const QString &filter) override
    {
        asked << filter;
        return saveFile;
    }
    QString Folder(const QString &title, const QString &start) override
    {
        asked << title;
        startFolders << start;
        return folder;
    }
    QString ConversionFolder(const QString &title, const QString &start, int *offered) override
    {
        asked << title;
        startFolders << start;
        offeredQualities << *offered;
        *offered = quality;
        return folder;
    }
    bool ShowFolder(const QString &shown) override
    {
        shownFolders << shown;
        return folderShown;
    }
    bool folderShown = true;
    QStringList files;
    QStringList shownFolders;
    QString saveFile;
    QString folder;
    QStringList asked;
    QStringList startFolders;
    int quality = 90;
    QList<int> offeredQualities;
};

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

// A picture with every kind of pixel the effects below change visibly.
void WritePicture(const std::filesystem::path &path, int seed, QSize size = QSize(24, 16))
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(
                x, y, qRgb((x * 11 + seed) % 256, (y * 15 + seed) % 256, (x * y + seed * 3) % 256));
    ASSERT_TRUE(image.save(Str(path), "PNG"));
}

QImage Pixels(const std::filesystem::path &path)
{
    return QImage(Str(path)).convertToFormat(QImage::Format_RGB32);
}

class MainDialogActionsTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::TestSkin skin;
        skin.effectButtons = true;
        test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path(), skin);
        dialog.OnInitDialog(Str(m_packages.Path()));
        for (int i = 0; i < 3; ++i) {
            const auto path = m_pictures / ("p" + std::to_string(i) + ".x.png");
            WritePicture(path, i * 40);
            pictures << Str(path);
        }
    }

    void AddPictures(const QStringList &files)
    {
        prompts.files = files;
        dialog.OnControlClicked("BUTTON_ADD");
        // As a user waits for the picture to appear before changing it.
        dialog.Viewer()->WaitForLoaded();
    }
    QStringList Rows() const
    {
        QStringList rows;
        for (int row = 0; row < dialog.FileList()->RowCount(); ++row)
            rows << dialog.FileList()->RowText(row, 0) + u' ' + dialog.FileList()->RowText(row, 1);
        return rows;
    }
    // Runs a conversion to its end, as the user waits for it.
    void Convert()
    {
        dialog.OnControlClicked("BUTTON_CONVERT");
        ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog.IsConverting(); }, 60000));
    }
    QString FirstEdit() const { return dialog.EditBoxes().front()->text(); }

    TempDir m_packages;
    TempDir m_scratch;
    TempDir m_pictures;
    TempDir m_out;
    RecordingMessages messages;
    ScriptedPrompts prompts;
    MainDialog dialog{messages, prompts};
    QStringList pictures;
};

TEST(MainDialogExtensions, FollowTheFormatListWithBmpForNoChoice)
{
    EXPECT_EQ(MainDialog::ExtensionForSelection(-1), "bmp");
    EXPECT_EQ(MainDialog::ExtensionForSelection(0), "bmp");
    EXPECT_EQ(MainDialog::ExtensionForSelection(7), "ico");
    EXPECT_EQ(MainDialog::ExtensionForSelection(11), "pgx");
    EXPECT_EQ(MainDialog::ExtensionForSelection(13), "png");
    // Later formats follow the first 14.
    EXPECT_EQ(MainDialog::ExtensionForSelection(14), "webp");
    EXPECT_EQ(MainDialog::ExtensionForSelection(16), "tif");
    EXPECT_EQ(MainDialog::ExtensionForSelection(17), "");
    EXPECT_EQ(MainDialog::ExtensionForSelection(-2), "");
    // Every format the list offers has its extension, in the same order, and the list offers
    // what the engine writes.
    const QStringList formats = MainDialog::OutputFormatList();
    for (int i = 0; i < formats.size(); ++i)
        EXPECT_EQ(MainDialog::ExtensionForSelection(i), formats[i].toLower()) << i;
    EXPECT_EQ(formats.join(' ').toLower(), WritableFormats().join(' '));
}

TEST(MainDialogFilters, BecomeQtNameFiltersThatMatchEitherCase)
{
    const QStringList filters = QtMainDialogPrompts::NameFilters(
        "All Files(*.*)|*.*|JPEG 2000 (*.j2k)|*.j2k;*.j2c|Gif (*.gif)|*.gif ||");
    ASSERT_EQ(filters.size(), 3);
    EXPECT_EQ(filters[0], "All Files(*.*) (*)");
    EXPECT_EQ(filters[1], "JPEG 2000 (*.j2k) (*.j2k *.J2K *.j2c *.J2C)");
    EXPECT_EQ(filters[2], "Gif (*.gif) (*.gif *.GIF)");
    EXPECT_THAT(QtMainDialogPrompts::NameFilters(MainDialog::kVideoFilter),
                ElementsAre("All Video Files(*.wmv, *mp4, *avi) (*.wmv *.WMV *.mp4 *.MP4 *.avi "
                            "*.AVI)"));
}

TEST_F(MainDialogActionsTest, AddShowsTheLastRowAndDeleteRenumbers)
{
    AddPictures(pictures);
    EXPECT_THAT(prompts.asked, ElementsAre(MainDialog::ImageFilter()));
    EXPECT_THAT(Rows(),
                ElementsAre("  1. " + pictures[0], "  2. " + pictures[1], "  3. " + pictures[2]));
    EXPECT_EQ(dialog.ListSelectionMark(), 2);
    EXPECT_EQ(dialog.Viewer()->FileName(), pictures[2]);

    // A click on a row shows that row.
    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(0));
    dialog.OnListClicked();
    EXPECT_EQ(dialog.Viewer()->FileName(), pictures[0]);

    // Removing the middle row numbers the rest again and makes the row before it current.
    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(1));
    dialog.OnControlClicked("BUTTON_DEL");
    EXPECT_THAT(Rows(), ElementsAre("  1. " + pictures[0], "  2. " + pictures[2]));
    EXPECT_EQ(dialog.ListSelectionMark(), 0);
    // Removing the first row leaves the new first row alone selected, so a second Delete
    // removes one row, not all.
    dialog.OnControlClicked("BUTTON_DEL");
    EXPECT_THAT(Rows(), ElementsAre("  1. " + pictures[2]));
    EXPECT_EQ(dialog.FileList()->selectedItems().size(), 1);
    EXPECT_TRUE(dialog.EditBoxes().front()->isEnabled());

    // The last row gone, the first edit box is emptied and disabled.
    dialog.EditBoxes().front()->setText(QStringLiteral("old"));
    dialog.OnControlClicked("BUTTON_DEL");
    EXPECT_THAT(Rows(), IsEmpty());
    EXPECT_EQ(FirstEdit(), "");
    EXPECT_FALSE(dialog.EditBoxes().front()->isEnabled());
}

TEST_F(MainDialogActionsTest, UpAndDownMoveTheSelectedRowAndEditOpensItsEffects)
{
    AddPictures(pictures); // the third row is selected
    dialog.OnControlClicked("BUTTON_UP");
    EXPECT_THAT(Rows(),
                ElementsAre("  1. " + pictures[0], "  2. " + pictures[2], "  3. " + pictures[1]));
    EXPECT_EQ(dialog.ListSelectionMark(), 1);
    EXPECT_EQ(dialog.FileList()->selectedItems().size(), 1);
    EXPECT_EQ(dialog.FileList()->topLevelItem(1)->toolTip(1), pictures[2]);
    dialog.OnControlClicked("BUTTON_UP");
    dialog.OnControlClicked("BUTTON_UP"); // already first: stays
    EXPECT_THAT(Rows(),
                ElementsAre("  1. " + pictures[2], "  2. " + pictures[0], "  3. " + pictures[1]));
    EXPECT_EQ(dialog.ListSelectionMark(), 0);
    for (int i = 0; i < 3; ++i)
        dialog.OnControlClicked("BUTTON_DOWN"); // the last press finds it last already
    EXPECT_THAT(Rows(),
                ElementsAre("  1. " + pictures[0], "  2. " + pictures[1], "  3. " + pictures[2]));
    EXPECT_EQ(dialog.ListSelectionMark(), 2);

    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(1));
    dialog.OnControlClicked("BUTTON_EDIT");
    EXPECT_EQ(dialog.Viewer()->FileName(), pictures[1]);
    EXPECT_TRUE(dialog.EffectOne().isVisible());
    EXPECT_TRUE(dialog.EffectTwo().isVisible());
    EXPECT_THAT(messages.shown, IsEmpty());
}

TEST_F(MainDialogActionsTest, CancelledAddAndDeleteAllKeepTheView)
{
    AddPictures({pictures[1]});
    AddPictures({}); // cancelled: the last row is shown again
    EXPECT_THAT(Rows(), ElementsAre("  1. " + pictures[1]));
    EXPECT_EQ(dialog.Viewer()->FileName(), pictures[1]);

    dialog.OnControlClicked("BUTTON_DELALL");
    EXPECT_THAT(Rows(), IsEmpty());
    EXPECT_FALSE(dialog.EditBoxes().front()->isEnabled());
    EXPECT_EQ(dialog.Viewer()->FileName(), pictures[1]);
}

TEST_F(MainDialogActionsTest, PlayNeedsARowAndNamesMustMatchExactly)
{
    dialog.OnControlClicked("BUTTON_PLAY");
    EXPECT_THAT(messages.shown, ElementsAre("Please add image"));
    EXPECT_EQ(dialog.Viewer()->FileName(), "");

    messages.shown.clear();
    for (const char *name : {"button_add", "Button_Add", "BUTTON_AD", "BUTTON_ADDS",
                             "BUTTON_RESTORE", "BUTTON_EFFECT1", "BUTTON_MIN", ""})
        dialog.OnControlClicked(name);
    EXPECT_THAT(messages.shown, IsEmpty());
    EXPECT_THAT(prompts.asked, IsEmpty());
    EXPECT_FALSE(dialog.EffectOne().isVisible());

    // With nothing in the list, Up and Down have nothing to move; Edit asks for a picture.
    for (const char *name : {"BUTTON_UP", "BUTTON_DOWN", "BUTTON_EDIT", "BUTTON_STOP"})
        dialog.OnControlClicked(name);
    EXPECT_THAT(messages.shown, ElementsAre("Please add image", "Stop Button Pressed"));
    EXPECT_FALSE(dialog.EffectOne().isVisible());

    // Pause says so and brings play back.
    messages.shown.clear();
    dialog.FindButton("BUTTON_PLAY")->hide();
    dialog.FindButton("BUTTON_PAUSE")->show();
    dialog.OnControlClicked("BUTTON_PAUSE");
    EXPECT_THAT(messages.shown, ElementsAre("Pause Button Pressed"));
    EXPECT_TRUE(dialog.FindButton("BUTTON_PAUSE")->isHidden());
    EXPECT_FALSE(dialog.FindButton("BUTTON_PLAY")->isHidden());
}

TEST_F(MainDialogActionsTest, ZoomButtonsFocusTheViewerAndTheTimeFollowsTheSlider)
{
    AddPictures({pictures[0]});
    dialog.OnControlClicked("BUTTON_ZOOM100");
    EXPECT_EQ(dialog.focusWidget(), dialog.Viewer());
    EXPECT_EQ(dialog.Viewer()->ViewMode(), 5);
    dialog.OnControlClicked("BUTTON_IN");
    EXPECT_EQ(dialog.focusWidget(), dialog.Viewer());
    EXPECT_GT(dialog.Viewer()->Zoom(), 1.0);

    dialog.FileList()->setFocus();
    dialog.OnControlClicked("BUTTON_OUT");
    EXPECT_EQ(dialog.focusWidget(), dialog.FileList());

    dialog.SetSliderPos("SLIDER_PROGRESS", 3725);
    dialog.OnSliderChanged("SLIDER_PROGRESS", 0);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "01:02:05/02:00:00");
    dialog.SetSliderPos("SLIDER_PROGRESS", 0);
    dialog.OnSliderChanged("SLIDER_OTHER", 0);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "01:02:05/02:00:00");

    // Keys move the slider as a drag does, and the time follows.
    QTest::keyClick(dialog.FindSlider("SLIDER_PROGRESS"), Qt::Key_End);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "02:00:00/02:00:00");
    QTest::keyClick(dialog.FindSlider("SLIDER_PROGRESS"), Qt::Key_PageUp);
    EXPECT_EQ(dialog.FindLabel("LABEL_TIME")->Text(), "01:59:40/02:00:00");
}

TEST_F(MainDialogActionsTest, BrowseFillsAndEnablesTheFirstEditBox)
{
    dialog.EditBoxes().front()->setEnabled(false);
    prompts.files.clear(); // cancelled
    dialog.OnControlClicked("BUTTON_BROWSE");
    EXPECT_FALSE(dialog.EditBoxes().front()->isEnabled());

    // An existing file is chosen with an open chooser.
    prompts.files = {QStringLiteral("/videos/clip.mp4")};
    dialog.OnControlClicked("BUTTON_BROWSE");
    EXPECT_THAT(prompts.asked, ElementsAre(MainDialog::kVideoFilter, MainDialog::kVideoFilter));
    EXPECT_TRUE(dialog.EditBoxes().front()->isEnabled());
    EXPECT_EQ(FirstEdit(), "/videos/clip.mp4");
}

TEST_F(MainDialogActionsTest, ConvertAppliesMarkedEffectsOnceWithTheValuesHeldThen)
{
    AddPictures(pictures);
    // Contrast marked three times with its starting value; the value changes afterwards.
    EffectDialogOne &one = dialog.EffectOne();
    for (int i = 0; i < 3; ++i)
        one.ChangeButton("Contrast")->click();
    one.Edit("editContrast")->setText(QStringLiteral("50"));
    one.OkButton()->click();
    one.ChangeButton("InvertColor")->click();
    // From the other window, Monochrome: it comes after the inversion whatever the order of
    // the clicks.
    dialog.EffectTwo().ChangeButton("Monochrome")->click();

    // What is in force shows beside each row with the values held, and on the buttons that
    // open the windows.
    EXPECT_EQ(one.MarkText("Contrast"), "\u2713 50");
    EXPECT_EQ(one.MarkText("Brightness"), "");
    const QStringList inForce = one.InForce() + dialog.EffectTwo().InForce();
    ASSERT_EQ(inForce.size(), 3);
    EXPECT_EQ(inForce.mid(0, 2), QStringList({"Contrast (50)", "Invert color"}));
    SkinButton *colours = dialog.FindButton("BUTTON__EFFECT1");
    SkinButton *filters = dialog.FindButton("BUTTON__EFFECT2");
    ASSERT_TRUE(colours && filters);
    EXPECT_EQ(colours->BadgeText(), "2");
    EXPECT_EQ(filters->BadgeText(), "1");
    EXPECT_TRUE(colours->toolTip().endsWith("\nIn force: Contrast (50), Invert color"))
        << colours->toolTip().toStdString();

    // PNG chosen in the format list; the report says how many, where, and with what, and
    // offers the folder.
    dialog.ComboBoxes().front()->SelectRow(13);
    prompts.folder = Str(m_out.Path());
    messages.report = MessageAnswer::OpenFolder;
    Convert();

    EXPECT_THAT(messages.shown,
                ElementsAre("Convert Completed!\n\n3 files written to " + Str(m_out.Path()) +
                            ".\nEffects applied: " + inForce.join(", ") + "."));
    EXPECT_THAT(prompts.shownFolders, ElementsAre(Str(m_out.Path())));
    EXPECT_EQ(prompts.asked.last(), "Please select an output directory for ");
    // Names keep everything before the last dot.
    EXPECT_EQ(FirstEdit(), Str(m_out / "p2.x.png"));

    ViewerControl reference;
    for (int i = 0; i < 3; ++i) {
        const std::string name = "p" + std::to_string(i) + ".x";
        ASSERT_TRUE(reference.SetFileName(pictures[i]));
        reference.Invoke(DispatchId::Contrast, {50});
        reference.Invoke(DispatchId::InvertColor, {});
        reference.Invoke(DispatchId::Monochrome, {100, 0xFFFFFF, 0});
        ASSERT_TRUE(reference.SaveAs(Str(m_scratch / name), QStringLiteral("png")));
        EXPECT_EQ(Pixels(m_out / (name + ".png")), Pixels(m_scratch / (name + ".png"))) << name;
    }

    // Restore clears every mark and value: the next conversion writes the pictures unchanged.
    dialog.OnControlClicked("BUTTON__RESTORE");
    EXPECT_FALSE(one.IsApplied("Contrast"));
    EXPECT_EQ(one.Edit("editContrast")->text(), "200");
    EXPECT_EQ(one.MarkText("Contrast"), "");
    EXPECT_EQ(colours->BadgeText(), "");
    EXPECT_EQ(filters->BadgeText(), "");
    EXPECT_EQ(dialog.Viewer()->ViewMode(), 9);
    // The files of the first run are there: one question for all of them.
    messages.shown.clear();
    messages.existing = MessageAnswer::Overwrite;
    // A desktop without a file manager: said, not passed over.
    messages.report = MessageAnswer::OpenFolder;
    prompts.folderShown = false;
    Convert();
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_TRUE(messages.shown[0].startsWith("3 of the converted files exist already in "))
        << messages.shown[0].toStdString();
    EXPECT_EQ(messages.shown[1],
              "Convert Completed!\n\n3 files written to " + Str(m_out.Path()) + ".");
    EXPECT_EQ(messages.shown[2],
              "No file manager opened " + Str(m_out.Path()) + ". The files are there.");
    EXPECT_EQ(Pixels(m_out / "p1.x.png"), Pixels(std::filesystem::path(pictures[1].toStdString())));
}

// Lossy formats ask for the quality beside the folder, remember it, and write with it.
TEST_F(MainDialogActionsTest, ConvertAsksLossyFormatsForTheirQuality)
{
    AddPictures({pictures[0]});
    dialog.ComboBoxes().front()->SelectRow(14); // WEBP
    prompts.folder = Str(m_out.Path());
    prompts.quality = 100;
    Convert();
    EXPECT_EQ(prompts.offeredQualities, QList<int>{90});
    EXPECT_EQ(dialog.Conversion().Quality(), 100);
    // WebP at 100 is lossless.
    const auto picture = [](const std::filesystem::path &path) {
        return ReadImage(Str(path), nullptr);
    };
    const std::filesystem::path source = pictures[0].toStdString();
    EXPECT_TRUE(picture(m_out / "p0.x.webp") == picture(source));

    prompts.quality = 20;
    messages.existing = MessageAnswer::Overwrite;
    Convert();
    EXPECT_EQ(prompts.offeredQualities, (QList<int>{90, 100}));
    EXPECT_FALSE(picture(m_out / "p0.x.webp").IsNull());
    EXPECT_FALSE(picture(m_out / "p0.x.webp") == picture(source));

    // PNG has no quality to ask for.
    dialog.ComboBoxes().front()->SelectRow(13);
    Convert();
    EXPECT_EQ(prompts.offeredQualities.size(), 2);
    EXPECT_TRUE(std::filesystem::exists(m_out / "p0.x.png"));

    // Each format keeps its own quality and folder; a format not yet written to starts where
    // the last conversion went.
    TempDir jpegFolder;
    prompts.folder = Str(jpegFolder.Path());
    dialog.ComboBoxes().front()->SelectRow(1); // JPG
    Convert();
    EXPECT_EQ(prompts.offeredQualities.back(), 90);
    EXPECT_EQ(prompts.startFolders.back(), Str(m_out.Path()));
    dialog.ComboBoxes().front()->SelectRow(14);
    prompts.folder = Str(m_out.Path());
    Convert();
    EXPECT_EQ(prompts.offeredQualities.back(), 20);
    EXPECT_EQ(prompts.startFolders.back(), Str(m_out.Path()));
    dialog.ComboBoxes().front()->SelectRow(1);
    Convert();
    EXPECT_EQ(prompts.startFolders.back(), Str(jpegFolder.Path()));
}

TEST_F(MainDialogActionsTest, ConvertReportsEveryFileThatFailedAndWritesNoWrongPicture)
{
    const auto broken = m_pictures / "broken.png";
    test::WriteFile(broken, "not a picture at all");
    AddPictures({pictures[0], Str(broken), Str(m_pictures / "gone.png"), pictures[1]});
    prompts.folder = Str(m_out.Path());
    Convert(); // no format chosen: bmp

    ASSERT_EQ(messages.shown.size(), 1);
    const QString report = messages.shown.front();
    EXPECT_TRUE(report.startsWith("Convert Completed!\n\n2 files written to " + Str(m_out.Path()) +
                                  ".\n\n2 of 4 files could not be converted:\n"))
        << report.toStdString();
    EXPECT_TRUE(report.contains('"' + Str(broken) + "\": ")) << report.toStdString();
    EXPECT_TRUE(report.contains('"' + Str(m_pictures / "gone.png") + "\": "))
        << report.toStdString();
    EXPECT_FALSE(report.contains(pictures[0]));
    // The pictures that loaded are written; the others leave nothing, rather than a copy of
    // the picture shown before them.
    EXPECT_TRUE(std::filesystem::exists(m_out / "p0.x.bmp"));
    EXPECT_TRUE(std::filesystem::exists(m_out / "p1.x.bmp"));
    EXPECT_FALSE(std::filesystem::exists(m_out / "broken.bmp"));
    EXPECT_FALSE(std::filesystem::exists(m_out / "gone.bmp"));

    // An empty list and a cancelled folder choice convert nothing.
    messages.shown.clear();
    dialog.OnControlClicked("BUTTON_DELALL");
    Convert();
    EXPECT_THAT(messages.shown, ElementsAre("Please input image file"));
    AddPictures({pictures[2]});
    prompts.folder.clear();
    messages.shown.clear();
    Convert();
    EXPECT_THAT(messages.shown, IsEmpty());
}

// Names are bytes: one that is not UTF-8 (as the chooser shows it, with U+FFFD) is shown and
// converted; one with a line break cannot forge a line of the report.
TEST_F(MainDialogActionsTest, NamesThatAreNotTextAreTakenAsBytes)
{
    const std::string latin1 = m_pictures.Path().string() + "/caf\xE9.x.png";
    WritePicture(m_pictures / "cafe.png", 7);
    std::filesystem::rename(m_pictures / "cafe.png", latin1);
    const auto forged = m_pictures / "a\nConvert Completed!.png";
    test::WriteFile(forged, "not a picture");
    AddPictures({QFile::decodeName(QByteArray::fromStdString(latin1)), Str(forged)});
    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(0));
    dialog.OnListClicked();
    EXPECT_EQ(NativeFileName(dialog.Viewer()->FileName()).toStdString(), latin1);
    EXPECT_FALSE(dialog.Viewer()->CurrentImage().IsNull());

    prompts.folder = Str(m_out.Path());
    dialog.ComboBoxes().front()->SelectRow(13);
    Convert();
    EXPECT_TRUE(std::filesystem::exists(m_out.Path().string() + "/caf\xE9.x.png"));
    ASSERT_EQ(messages.shown.size(), 1);
    const QStringList lines = messages.shown.front().split(u'\n');
    EXPECT_EQ(lines.size(), 6) << messages.shown.front().toStdString();
    EXPECT_TRUE(lines.last().contains("a\\nConvert Completed!.png\": "))
        << lines.last().toStdString();
}

TEST_F(MainDialogActionsTest, IcoIsWrittenAsA32PixelIcon)
{
    AddPictures({pictures[0]});
    dialog.ComboBoxes().front()->SelectRow(7);
    prompts.folder = Str(m_out.Path());
    Convert();
    EXPECT_EQ(QImage(Str(m_out / "p0.x.ico")).size(), QSize(32, 32));
}

TEST_F(MainDialogActionsTest, SkinChangesRebuildTheWindowAndKeepTheFormatList)
{
    test::TestSkin black;
    black.fill = QColor(10, 10, 10);
    test::WriteTestSkinPackage(m_packages / "Black.zip", m_scratch.Path(), black);
    // The start-up package is the Purple skin.
    EXPECT_EQ(dialog.SkinIndex(), 2);

    dialog.show();
    AddPictures(pictures);
    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(1));
    const QStringList rows = Rows();
    for (int round = 0; round < 2; ++round) {
        dialog.OnChangeSkin(32772);
        // The pictures stay in the new skin's list, the same row current.
        EXPECT_EQ(Rows(), rows);
        EXPECT_EQ(dialog.ListSelectionMark(), 1);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(dialog.SkinIndex(), 1);
        EXPECT_EQ(dialog.Buttons().size(), 5u);
        EXPECT_EQ(dialog.ComboBoxes().size(), 1u);
        EXPECT_EQ(dialog.BackgroundBitmap().pixelColor(50, 50), black.fill);
        // The main window's combo box is its format list again, once.
        EXPECT_EQ(dialog.ComboBoxes().front()->List()->topLevelItemCount(), 17);
        EXPECT_EQ(dialog.Viewer()->geometry(), QRect(100, 40, 80, 60));
    }

    // A package that is missing: said, and the window keeps the skin it wears, the mark too.
    dialog.ComboBoxes().front()->SelectRow(13);
    dialog.OnChangeSkin(32778);
    EXPECT_TRUE(messages.shown.contains("Open failed"));
    EXPECT_TRUE(dialog.SkinPackageFailed());
    EXPECT_EQ(dialog.FailedPackage(), "Deluxe.zip");
    EXPECT_EQ(dialog.SkinIndex(), 1);
    EXPECT_EQ(dialog.Buttons().size(), 5u);
    // The pictures and the chosen format stay with it, and with the next skin.
    EXPECT_EQ(Rows(), rows);
    dialog.OnChangeSkin(32772);
    EXPECT_FALSE(dialog.SkinPackageFailed());
    EXPECT_EQ(Rows(), rows);
    EXPECT_EQ(dialog.FormatSelectionMark(), 13);
    EXPECT_EQ(dialog.ComboBoxes().front()->Edit()->text(), "PNG");
    const std::unique_ptr<QMenu> menu = dialog.CreateSkinMenu();
    // The eight skins, a separator and "Install Skin...", then the Steps window's entry, which
    // skins without its button still reach, and the note entry.
    ASSERT_EQ(menu->actions().size(), 14);
    EXPECT_TRUE(menu->actions()[11]->text().startsWith("&Steps"));
    EXPECT_EQ(menu->actions()[7]->text(), "&Deluxe");
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(menu->actions()[i]->isChecked(), i == dialog.SkinIndex()) << i;
}

std::string Bytes(const std::filesystem::path &path)
{
    return test::ReadFile(path);
}

TEST_F(MainDialogActionsTest, SourcesInTheOutputFolderAreKeptUnlessTheUserSaysSo)
{
    // Two pictures already in the output folder, in the format chosen, and one from elsewhere
    // with the same name as one of them.
    const auto inside = m_out / "p0.x.png";
    WritePicture(inside, 90);
    const std::string original = Bytes(inside);
    AddPictures({Str(inside), pictures[0]});
    dialog.ComboBoxes().front()->SelectRow(13);
    dialog.EffectOne().ChangeButton("InvertColor")->click();
    prompts.folder = Str(m_out.Path());

    messages.shown.clear();
    Convert(); // the question's answer: No
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].contains("\n\np0.x.png\n\n")) << messages.shown[0].toStdString();
    EXPECT_EQ(Bytes(inside), original);
    EXPECT_TRUE(
        messages.shown[1].contains("\n\n2 written, 0 skipped (already there), 2 renamed:\n"))
        << messages.shown[1].toStdString();
    EXPECT_TRUE(messages.shown[1].contains('"' + pictures[0] + "\" \u2192 \"p0.x (3).png\""))
        << messages.shown[1].toStdString();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(m_out.Path()), {}), 3);

    // Those files exist now: skipped when the user says so, nothing asked twice.
    messages.shown.clear();
    messages.existing = MessageAnswer::Skip;
    Convert();
    ASSERT_EQ(messages.shown.size(), 3);
    EXPECT_TRUE(messages.shown[1].startsWith("2 of the converted files exist already"));
    EXPECT_TRUE(messages.shown[2].contains("0 written, 2 skipped"))
        << messages.shown[2].toStdString();
    // Cancelled at the question, nothing is converted.
    messages.existing = MessageAnswer::Cancel;
    messages.shown.clear();
    Convert();
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(Bytes(inside), original);

    // Yes replaces the picture with its own conversion.
    messages.replaceSources = MessageAnswer::Yes;
    messages.existing = MessageAnswer::Overwrite;
    Convert();
    EXPECT_NE(Bytes(inside), original);

    // Written beside their pictures, no folder is asked for, nothing is asked about the
    // picture itself, and it is never replaced.
    const std::string replaced = Bytes(inside);
    const qsizetype asked = prompts.startFolders.size();
    dialog.Batch().SetPlace(TargetPlace::BesideSource);
    messages.shown.clear();
    dialog.OnControlClicked("BUTTON_DELALL");
    AddPictures({Str(inside)});
    Convert();
    EXPECT_EQ(prompts.startFolders.size(), asked);
    // "p0.x (2).png" is there from the first run: asked about, overwritten as answered.
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[0].startsWith("1 of the converted files exist already beside their "
                                             "pictures:\n\np0.x (2).png\n"))
        << messages.shown[0].toStdString();
    EXPECT_TRUE(messages.shown[1].contains("1 file written beside its picture."))
        << messages.shown[1].toStdString();
    EXPECT_EQ(Bytes(inside), replaced);
    EXPECT_TRUE(std::filesystem::exists(m_out / "p0.x (2).png"));
}

TEST_F(MainDialogActionsTest, ARowThatCannotBeShownSaysWhyAndOffersNoChange)
{
    const auto broken = m_pictures / "broken.png";
    test::WriteFile(broken, "not a picture at all");
    const QPushButton *invert = dialog.EffectOne().ChangeButton("InvertColor");
    const QPushButton *blur = dialog.EffectTwo().ChangeButton("Blur");
    EXPECT_FALSE(invert->isEnabled()); // nothing shown yet
    AddPictures({pictures[0], Str(broken)});
    EXPECT_TRUE(dialog.Viewer()->CurrentImage().IsNull());
    EXPECT_TRUE(dialog.Viewer()->Notice().contains(Str(broken)))
        << dialog.Viewer()->Notice().toStdString();
    EXPECT_FALSE(invert->isEnabled());
    EXPECT_FALSE(blur->isEnabled());

    dialog.FileList()->setCurrentItem(dialog.FileList()->topLevelItem(0));
    dialog.OnListClicked();
    EXPECT_FALSE(dialog.Viewer()->CurrentImage().IsNull());
    EXPECT_TRUE(dialog.Viewer()->Notice().isEmpty());
    EXPECT_TRUE(invert->isEnabled());
    EXPECT_TRUE(blur->isEnabled());
}

TEST_F(MainDialogActionsTest, ParallelConversionWritesTheBytesOfAOneByOneRun)
{
    // Large enough that the writers split their work; two files share a name, and both are
    // kept in both runs.
    const QSize tall(1024, 640);
    for (int i = 0; i < 3; ++i)
        WritePicture(pictures[i].toStdString(), i * 40, tall);
    const auto other = m_scratch / "p1.x.png";
    WritePicture(other, 200, tall);
    AddPictures({pictures[0], pictures[1], pictures[2], Str(other)});
    dialog.EffectOne().ChangeButton("Saturation")->click();
    dialog.EffectTwo().ChangeButton("Noise")->click();

    for (int format : {13, 1, 0}) { // png, jpg, bmp
        dialog.ComboBoxes().front()->List()->clearSelection();
        dialog.ComboBoxes().front()->SelectRow(format);
        const QString extension = MainDialog::ExtensionForSelection(format);
        TempDir oneByOne;
        TempDir parallel;
        dialog.SetConversionJobs(1);
        prompts.folder = Str(oneByOne.Path());
        Convert();
        dialog.SetConversionJobs(3);
        prompts.folder = Str(parallel.Path());
        Convert();
        for (const char *name : {"p0.x.", "p1.x.", "p2.x.", "p1.x (2)."}) {
            const std::string file = name + extension.toStdString();
            EXPECT_TRUE(Bytes(oneByOne / file) == Bytes(parallel / file)) << file;
        }
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(parallel.Path()), {}), 4);
        // The viewer ends with the last row, and the edit box names its target.
        EXPECT_EQ(dialog.Viewer()->FileName(), Str(other));
        EXPECT_EQ(FirstEdit(), Str(parallel / ("p1.x (2)." + extension.toStdString())));
    }
    // The second of the two rows with the same name is written beside the first.
    TempDir alone;
    dialog.OnControlClicked("BUTTON_DELALL");
    AddPictures({Str(other)});
    prompts.folder = Str(alone.Path());
    Convert();
    TempDir both;
    dialog.OnControlClicked("BUTTON_DELALL");
    AddPictures({pictures[1], Str(other)});
    prompts.folder = Str(both.Path());
    Convert();
    EXPECT_TRUE(Bytes(both / "p1.x (2).bmp") == Bytes(alone / "p1.x.bmp"));
    EXPECT_FALSE(Bytes(both / "p1.x.bmp") == Bytes(alone / "p1.x.bmp"));
}

TEST_F(MainDialogActionsTest, ARunningConversionRefusesChangesAndCancelsCleanly)
{
    // Enough work that the run is still going when the clicks below arrive.
    QStringList many;
    const std::filesystem::path large = m_scratch / "large.png";
    WritePicture(large, 7, QSize(900, 600));
    for (int i = 0; i < 40; ++i) {
        // Each picture is listed once: forty files of their own.
        const std::filesystem::path copy = m_pictures / ("many" + std::to_string(i) + ".png");
        std::filesystem::copy_file(large, copy);
        many << Str(copy);
    }
    test::TestSkin orange;
    test::WriteTestSkinPackage(m_packages / "Orange.zip", m_scratch.Path(), orange);
    AddPictures(many);
    dialog.EffectTwo().ChangeButton("Median")->click();
    dialog.SetConversionJobs(1);
    prompts.folder = Str(m_out.Path());
    dialog.OnControlClicked("BUTTON_CONVERT");
    ASSERT_TRUE(dialog.IsConverting());
    EXPECT_FALSE(dialog.Progress()->isHidden());
    EXPECT_EQ(dialog.Progress()->Total(), 40);

    // Nothing that feeds the conversion changes while it runs.
    messages.shown.clear();
    for (const char *name :
         {"BUTTON_ADD", "BUTTON_DEL", "BUTTON_DELALL", "BUTTON__RESTORE", "BUTTON_CONVERT"})
        dialog.OnControlClicked(name);
    dialog.OnChangeSkin(32771);
    EXPECT_EQ(messages.shown.size(), 6);
    EXPECT_TRUE(messages.shown.front().startsWith("The pictures are being converted."));
    EXPECT_EQ(dialog.FileList()->RowCount(), 40);
    EXPECT_EQ(dialog.SkinIndex(), 2);
    EXPECT_TRUE(dialog.EffectTwo().IsApplied("Median"));
    EXPECT_FALSE(dialog.EffectOne().isEnabled());
    // Zooming is not an input: it still works.
    dialog.OnControlClicked("BUTTON_ZOOM50");
    EXPECT_EQ(dialog.Viewer()->ViewMode(), 3);

    // Stopping names the file still in hand rather than saying it is starting.
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog.Progress()->InHand().isEmpty(); }, 20000));
    const QString inHand = QFileInfo(dialog.Progress()->InHand().front()).fileName();
    messages.shown.clear();
    dialog.Progress()->CancelButton()->click();
    EXPECT_EQ(dialog.Progress()->StatusLine(), "Finishing " + inHand);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !dialog.IsConverting(); }, 60000));
    EXPECT_TRUE(dialog.Progress()->isHidden());
    EXPECT_TRUE(dialog.EffectOne().isEnabled());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.front().startsWith("Conversion cancelled: "))
        << messages.shown.front().toStdString();
    // Whatever was written is whole: only finished pictures, no temporary files.
    for (const auto &entry : std::filesystem::directory_iterator(m_out.Path())) {
        const std::string name = entry.path().filename().string();
        EXPECT_TRUE(name.starts_with("many") && name.ends_with(".bmp")) << name;
        EXPECT_EQ(QImage(Str(entry.path())).size(), QSize(900, 600)) << name;
    }
}

} // namespace
} // namespace lumaskin
