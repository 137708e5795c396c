// The main window as an installed desktop program: its command line, what it remembers
// between runs, files dropped on it and its keys.
#include "app/app_settings.h"
#include "app/command_line.h"
#include "app/drop_target.h"
#include "app/main_dialog.h"
#include "app/main_window_keys.h"
#include "app/main_window_session.h"
#include "app/picture_files.h"
#include "tests/skin/skin_dialog_fixture.h"
#include "tests/support/temp_dir.h"
#include "viewer/viewer_control.h"

#include <QApplication>
#include <QFileDialog>
#include <QGuiApplication>
#include <QTimer>
#include <QImage>
#include <QLineEdit>
#include <QScreen>
#include <QTest>
#include <climits>
#include <functional>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace lumaskin {
namespace {

using test::TempDir;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

class KeptMessages : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons, MessageIcon) override
    {
        shown << text;
        return MessageAnswer::Ok;
    }
    QStringList shown;
};

class NoPrompts : public MainDialogPrompts
{
public:
    QStringList OpenFiles(const QString &) override { return files; }
    QString SaveFile(const QString &) override { return {}; }
    QString Folder(const QString &, const QString &) override { return {}; }
    QStringList files;
};

TEST(LumaskinCommandLine, TakesFilesHelpAndVersionAndRefusesOtherOptions)
{
    CommandLine line = ParseCommandLine({"a.jpg", "--", "--help", "b.png"});
    EXPECT_FALSE(line.help);
    EXPECT_THAT(line.files, ElementsAre("a.jpg", "--help", "b.png"));
    EXPECT_TRUE(line.error.isEmpty());

    EXPECT_TRUE(ParseCommandLine({"x.png", "-h"}).help);
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
    // Answered even beside Qt's options, which QApplication has not taken out yet.
    EXPECT_TRUE(AsksForHelpOrVersion({"-platform", "xcb", "--help"}));
    EXPECT_FALSE(AsksForHelpOrVersion({"a.png"}));
    EXPECT_EQ(ParseCommandLine({"--frobnicate", "a.png"}).error,
              "unknown option --frobnicate (see --help)");
    EXPECT_THAT(CommandLineHelp().toStdString(), HasSubstr("Usage: lumaskin"));
    EXPECT_TRUE(VersionText().startsWith("lumaskin "));
}

class DesktopSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        test::WriteTestSkinPackage(m_packages / "Purple.skn", m_scratch.Path());
        test::TestSkin black;
        black.fill = QColor(10, 10, 10);
        test::WriteTestSkinPackage(m_packages / "Black.zip", m_scratch.Path(), black);
    }
    std::unique_ptr<MainDialog> Start(const QString &remembered = {})
    {
        auto dialog = std::make_unique<MainDialog>(m_messages, m_prompts);
        EXPECT_TRUE(dialog->OnInitDialog(SkinLocator({Str(m_packages.Path())}, {}), remembered));
        return dialog;
    }
    QStringList Rows(const MainDialog &dialog) const
    {
        QStringList rows;
        for (int row = 0; row < dialog.FileList()->RowCount(); ++row)
            rows << dialog.FileList()->RowText(row, 1);
        return rows;
    }

    TempDir m_packages;
    TempDir m_scratch;
    TempDir m_config;
    KeptMessages m_messages;
    NoPrompts m_prompts;
};

TEST_F(DesktopSessionTest, TheSkinFormatAndPlaceComeBackAtTheNextRun)
{
    const QString file = Str(m_config / "lumaskin.conf");
    {
        AppSettings settings(file);
        std::unique_ptr<MainDialog> dialog = Start(settings.Skin());
        MainWindowSession session(*dialog, settings);
        session.Restore();
        EXPECT_FALSE(dialog->Conversion().IsFormatChosen());
        EXPECT_EQ(dialog->FormatSelectionMark(), -1);
        // Each format's quality and folder are its own.
        ASSERT_TRUE(dialog->ChooseFormat("jpg"));
        dialog->Conversion().SetQuality(70);
        dialog->Conversion().SetFolder("/photos/jpeg");
        ASSERT_TRUE(dialog->ChooseFormat("webp"));
        dialog->Conversion().SetQuality(40);
        dialog->Conversion().SetFolder("/photos/web");
        ASSERT_TRUE(dialog->ChooseFormat("png"));
        EXPECT_EQ(dialog->ComboBoxes().front()->Text(), "PNG");
        EXPECT_EQ(MainDialog::ExtensionForSelection(dialog->FormatSelectionMark()), "png");
        // A skin change keeps the chosen format, and is remembered at once.
        dialog->OnChangeSkin(32772);
        EXPECT_EQ(dialog->ComboBoxes().front()->Text(), "PNG");
        EXPECT_EQ(AppSettings(file).Skin(), "Black.zip");
        dialog->move(40, 30);
        dialog->SetNotesShown(false);
        session.Save();
    }
    AppSettings settings(file);
    EXPECT_FALSE(settings.NotesShown());
    EXPECT_EQ(settings.OutputFormat(), "png");
    std::unique_ptr<MainDialog> dialog = Start(settings.Skin());
    EXPECT_EQ(dialog->SkinIndex(), 1);
    EXPECT_EQ(dialog->BackgroundBitmap().pixelColor(50, 50), QColor(10, 10, 10));
    MainWindowSession session(*dialog, settings);
    session.Restore();
    EXPECT_EQ(dialog->Conversion().Format(), "png");
    EXPECT_EQ(dialog->ComboBoxes().front()->Text(), "PNG");
    EXPECT_EQ(dialog->pos(), QPoint(40, 30));
    ConversionChoice &choice = dialog->Conversion();
    EXPECT_EQ(choice.Folder(), "/photos/web"); // PNG was never written: the last folder
    ASSERT_TRUE(dialog->ChooseFormat("JPG"));
    EXPECT_EQ(choice.Quality(), 70);
    EXPECT_EQ(choice.Folder(), "/photos/jpeg");
    ASSERT_TRUE(dialog->ChooseFormat("webp"));
    EXPECT_EQ(choice.Quality(), 40);
    EXPECT_EQ(choice.Folder(), "/photos/web");

    // A format remembered by its label, as earlier versions wrote it, is found by it; a place
    // no screen shows any more, or a format the list lacks, is passed over.
    settings.SetOutputFormat("TIF");
    std::unique_ptr<MainDialog> labelled = Start();
    MainWindowSession(*labelled, settings).Restore();
    EXPECT_EQ(labelled->Conversion().Format(), "tif");
    settings.SetWindowPosition(QPoint(-30000, 20000));
    settings.SetOutputFormat("XYZ");
    std::unique_ptr<MainDialog> again = Start();
    MainWindowSession(*again, settings).Restore();
    const QPoint centred = QGuiApplication::primaryScreen()->availableGeometry().center() -
                           QPoint(again->width() / 2, again->height() / 2);
    EXPECT_LE((again->pos() - centred).manhattanLength(), 2);
    EXPECT_FALSE(again->Conversion().IsFormatChosen());
    // Near the largest coordinate, where the window's far corner would overflow.
    settings.SetWindowPosition(QPoint(INT_MAX - 100, INT_MAX - 100));
    std::unique_ptr<MainDialog> far = Start();
    MainWindowSession(*far, settings).Restore();
    EXPECT_LE((far->pos() - centred).manhattanLength(), 2);

    // A pipe where the settings file belongs would block the start for ever; it is left alone.
    TempDir odd;
    const std::filesystem::path pipe = odd / "lumaskin.conf";
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    AppSettings piped(Str(pipe));
    EXPECT_EQ(piped.Skin(), "");
    piped.SetSkin("Purple.skn");
    piped.Sync();
    EXPECT_EQ(piped.Skin(), "Purple.skn");
    EXPECT_TRUE(std::filesystem::is_fifo(pipe));
}

// Runs `open`, which brings up a file chooser, and answers it: `choose` is selected and
// accepted, or the chooser cancelled when that is empty. Returns the folder it opened at.
// The chooser reads its folder in the background and may not take the file at once: it is
// asked again until it closes, and cancelled after a few seconds.
QString Answer(const std::function<void()> &open, const QString &choose = {})
{
    QString openedAt;
    int tries = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QFileDialog *chooser = nullptr;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *dialog = qobject_cast<QFileDialog *>(widget); dialog && dialog->isVisible())
                chooser = dialog;
        }
        if (!chooser)
            return;
        if (openedAt.isEmpty())
            openedAt = chooser->directory().absolutePath();
        if (choose.isEmpty() || ++tries > 250) {
            chooser->reject();
            return;
        }
        // Typed as a person would: the name box takes a whole path.
        if (auto *name = chooser->findChild<QLineEdit *>(QStringLiteral("fileNameEdit")))
            name->setText(choose);
        else
            chooser->selectFile(choose);
        QMetaObject::invokeMethod(chooser, "accept");
    });
    poll.start(20);
    open();
    return openedAt;
}

TEST_F(DesktopSessionTest, EachFileChooserOpensWhereItWasLastUsedAtTheNextRun)
{
    TempDir photos;
    TempDir downloads;
    const std::filesystem::path photo = photos / "a.png";
    const std::filesystem::path package = downloads / "Teal.zip";
    test::WriteFile(photo, "x");
    test::WriteFile(package, "x");
    const QString file = Str(m_config / "lumaskin.conf");
    {
        AppSettings settings(file);
        QtMainDialogPrompts prompts(nullptr);
        prompts.RememberIn(&settings);
        QStringList added;
        Answer([&] { added = prompts.OpenFiles(MainDialog::ImageFilter()); }, Str(photo));
        EXPECT_THAT(added, ElementsAre(Str(photo)));
        QString chosen;
        Answer([&] { chosen = prompts.SkinPackage("Skin packages|*.zip;*.skn|All files|*||"); }, Str(package));
        EXPECT_EQ(chosen, Str(package));
        settings.Sync();
    }
    AppSettings settings(file);
    QtMainDialogPrompts prompts(nullptr);
    prompts.RememberIn(&settings);
    EXPECT_EQ(Answer([&] { prompts.OpenFiles(MainDialog::ImageFilter()); }), Str(photos.Path()));
    EXPECT_EQ(Answer([&] { prompts.SkinPackage("Skin packages|*.zip;*.skn|All files|*||"); }),
              Str(downloads.Path()));
    // The output folder is each format's own: see the test of the skin, format and place.
}

TEST_F(DesktopSessionTest, DroppedFilesAndFoldersGoIntoTheListAndPackagesAreInstalled)
{
    TempDir user;
    TempDir drop;
    std::filesystem::create_directories(drop / "folder" / "sub");
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::red);
    for (const char *name : {"folder/pic10.png", "folder/pic9.jpg", "folder/.hidden.png",
                             "folder/sub/deep.png", "loose.bmp"})
        ASSERT_TRUE(picture.save(Str(drop / name)));
    // Named without a picture's extension, found by its content all the same.
    ASSERT_TRUE(picture.save(Str(drop / "folder" / "scan"), "PNG"));
    test::WriteFile(drop / "folder" / "notes.txt", "not a picture");
    test::WriteFile(drop / "folder" / "looks.tga", "a TGA without its header");

    auto dialog = std::make_unique<MainDialog>(m_messages, m_prompts);
    ASSERT_TRUE(
        dialog->OnInitDialog(SkinLocator({Str(m_packages.Path())}, Str(user.Path())), QString()));
    DropTarget target(*dialog);
    EXPECT_TRUE(dialog->acceptDrops());
    target.Drop({Str(drop / "loose.bmp"), Str(drop / "folder")});
    EXPECT_THAT(Rows(*dialog),
                ElementsAre(Str(drop / "loose.bmp"), Str(drop / "folder/pic9.jpg"),
                            Str(drop / "folder/pic10.png"), Str(drop / "folder/scan")));
    EXPECT_EQ(dialog->ListSelectionMark(), 3);
    EXPECT_EQ(dialog->Viewer()->CurrentImage().Width(), 8);

    // A skin package dropped is installed and worn; the list stays.
    test::TestSkin green;
    green.fill = QColor(0, 120, 0);
    test::WriteTestSkinPackage(drop / "Green.skn", m_scratch.Path(), green);
    target.Drop({Str(drop / "Green.skn")});
    EXPECT_TRUE(std::filesystem::exists(user / "Green.skn"));
    EXPECT_EQ(dialog->CurrentPackage(), "Green.skn");
    EXPECT_EQ(dialog->BackgroundBitmap().pixelColor(50, 50), green.fill);
    EXPECT_EQ(Rows(*dialog).size(), 4);
    EXPECT_TRUE(m_messages.shown.isEmpty());

    // Dropped again, the pictures are listed once, and that is said once.
    target.Drop({Str(drop / "loose.bmp"), Str(drop / "folder")});
    EXPECT_EQ(Rows(*dialog).size(), 4);
    EXPECT_THAT(m_messages.shown, ElementsAre("4 of those pictures are in the list already."));
    m_messages.shown.clear();

    EXPECT_THAT(DropTarget::LocalPaths(nullptr), ElementsAre());
    QStringList missing;
    EXPECT_THAT(PictureFiles({Str(drop / "gone.png")}, &missing), ElementsAre());
    EXPECT_THAT(missing, ElementsAre(Str(drop / "gone.png")));
}

TEST_F(DesktopSessionTest, KeysAddRemoveAndCloseAndButtonsAreNamedByTheirTooltips)
{
    TempDir pictures;
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(Qt::blue);
    for (const char *name : {"a.png", "b.png"})
        ASSERT_TRUE(picture.save(Str(pictures / name)));
    std::unique_ptr<MainDialog> dialog = Start();
    InstallMainWindowKeys(*dialog);
    dialog->show();
    dialog->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));

    m_prompts.files = {Str(pictures / "a.png"), Str(pictures / "b.png")};
    QTest::keyClick(dialog.get(), Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(Rows(*dialog).size(), 2);
    QTest::keyClick(dialog.get(), Qt::Key_Delete);
    EXPECT_THAT(Rows(*dialog), ElementsAre(Str(pictures / "a.png")));
    QTest::keyClick(dialog.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), 1);

    ASSERT_NE(dialog->FindButton("BUTTON_EXIT"), nullptr);
    EXPECT_EQ(dialog->FindButton("BUTTON_EXIT")->accessibleName(), "Exit");
    EXPECT_EQ(dialog->FindButton("BUTTON_TWIN")->accessibleName(), "First");
}

} // namespace
} // namespace lumaskin
