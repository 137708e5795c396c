// One preset with every kind of step, run through the Steps window's model and conversion call,
// through lumaskin-convert --preset, and through the command the window copies: all three write
// the same bytes.
#include "app/batch_steps.h"
#include "app/conversion_choice.h"
#include "app/step_form.h"
#include "app/steps_dialog.h"
#include "engine/image_io.h"
#include "platform/message_box.h"
#include "tests/support/temp_dir.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace lumaskin {
namespace {

class RecordedMessages : public MessageBoxes
{
public:
    MessageAnswer Show(const QString &text, MessageButtons, MessageIcon) override
    {
        shown << text;
        return MessageAnswer::Ok;
    }
    QStringList shown;
};

QString Str(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

TEST(StepsPreset, WindowCommandLineAndCopiedCommandWriteTheSameFiles)
{
    const test::TempDir dir;
    for (const char *folder : {"in", "window", "tool", "copied"})
        std::filesystem::create_directories(dir / folder);
    Image photo(90, 60);
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 90; ++x) {
            std::uint8_t *p = photo.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>(x * 3);
            p[1] = static_cast<std::uint8_t>(y * 4);
            p[2] = static_cast<std::uint8_t>(x + y);
            p[3] = 255;
        }
    ASSERT_TRUE(WriteImage(photo, Str(dir / "in" / "a photo.png"), QStringLiteral("png"), nullptr));
    ASSERT_TRUE(WriteImage(Image(12, 8, 0xFF000080u), Str(dir / "logo.png"), QStringLiteral("png"),
                           nullptr));
    test::WriteFile(dir / "every.preset", "lumaskin-preset 1\n"
                                          "format = png\n"
                                          "effect = contrast=150\n"
                                          "resize = 80x80\n"
                                          "crop = 70x50+2+1\n"
                                          "rotate = 90\n"
                                          "flip = h\n"
                                          "watermark-text = it's \"ours\"\n"
                                          "watermark-size = 10\n"
                                          "watermark = image=" +
                                              (dir / "logo.png").string() +
                                              ";size=20%;position=top-left;opacity=80\n"
                                              "write = webp:30:quality=80:suffix=-small\n"
                                              "strip = yes\n");

    BatchSteps steps;
    ConversionChoice choice;
    RecordedMessages messages;
    StepsDialog window(
        steps, choice, messages,
        [&](QString *error) {
            return steps.Request(choice, {}, {Str(dir / "in" / "a photo.png")}, Str(dir / "window"),
                                 error);
        },
        [] {}, nullptr);
    ASSERT_TRUE(window.LoadPreset(Str(dir / "every.preset")))
        << messages.shown.join(' ').toStdString();
    EXPECT_EQ(steps.Steps().size(), 7u);
    // Each step's form, and the further file's, gives back what it was opened with.
    for (const Step &step : steps.Steps()) {
        QString error;
        const std::optional<Step> formed = StepForm(step, messages, nullptr).Built(&error);
        ASSERT_TRUE(formed) << error.toStdString();
        EXPECT_EQ(StepText(*formed), StepText(step));
    }
    ASSERT_EQ(steps.Outputs().size(), 1u);
    QString outputError;
    const std::optional<ConversionOutput> formed =
        OutputForm(steps.Outputs()[0], messages, nullptr).Built(&outputError);
    ASSERT_TRUE(formed) << outputError.toStdString();
    EXPECT_EQ(formed->Text(), steps.Outputs()[0].Text());
    QString error;
    const std::optional<ConversionRequest> request =
        steps.Request(choice, {}, {Str(dir / "in" / "a photo.png")}, Str(dir / "window"), &error);
    ASSERT_TRUE(request) << error.toStdString();
    for (const ConversionOutcome &outcome : BatchConversion::Run(*request))
        EXPECT_TRUE(outcome.written) << outcome.error.toStdString();

    const std::string tool = LUMASKIN_CONVERT_PATH;
    ASSERT_EQ(test::RunCommand("'" + tool + "' --preset every.preset -o tool 'in/a photo.png'",
                               dir.Path()),
              0);
    window.CopyCommand();
    QString command = QApplication::clipboard()->text();
    ASSERT_TRUE(command.startsWith(QLatin1String("lumaskin-convert "))) << command.toStdString();
    command.replace(Str(dir / "window"), Str(dir / "copied"));
    ASSERT_EQ(test::RunCommand("'" + tool + "'" + command.mid(16).toStdString(), dir.Path()), 0)
        << command.toStdString();

    for (const char *name : {"a photo.png", "a photo-small.webp"}) {
        SCOPED_TRACE(name);
        const std::string written = test::ReadFile(dir / "window" / name);
        ASSERT_FALSE(written.empty());
        EXPECT_EQ(written, test::ReadFile(dir / "tool" / name));
        EXPECT_EQ(written, test::ReadFile(dir / "copied" / name));
    }
    const Image small = ReadImage(Str(dir / "window" / "a photo-small.webp"), nullptr);
    EXPECT_EQ(small.Width(), 30);

    // Named by a pattern, beside the picture: no folder is asked for, the picture stays, and
    // the files come out under the pattern; a pattern that cannot be is refused, naming it.
    ASSERT_TRUE(window.findChild<QLineEdit *>(QStringLiteral("namePattern")));
    window.findChild<QLineEdit *>(QStringLiteral("namePattern"))->setText(QStringLiteral("{nope}"));
    QList<QCheckBox *> boxes = window.findChildren<QCheckBox *>();
    const auto box = [&](const char *start) {
        for (QCheckBox *b : boxes)
            if (b->text().remove(u'&').startsWith(QLatin1String(start)))
                return b;
        return static_cast<QCheckBox *>(nullptr);
    };
    ASSERT_TRUE(box("Name the files") && box("Write each file beside"));
    box("Name the files")->setChecked(true);
    EXPECT_FALSE(steps.Rename());
    ASSERT_FALSE(messages.shown.isEmpty());
    EXPECT_TRUE(messages.shown.last().contains(QLatin1String("nope")))
        << messages.shown.last().toStdString();
    EXPECT_FALSE(box("Name the files")->isChecked());
    window.findChild<QLineEdit *>(QStringLiteral("namePattern"))
        ->setText(QStringLiteral("{n:02}-{w}"));
    box("Name the files")->setChecked(true);
    ASSERT_TRUE(steps.Rename());
    box("Write each file beside")->setChecked(true);
    steps.RemoveOutput(0);
    const std::optional<ConversionRequest> beside =
        steps.Request(choice, {}, {Str(dir / "in" / "a photo.png")}, Str(dir / "window"), &error);
    ASSERT_TRUE(beside) << error.toStdString();
    EXPECT_TRUE(beside->folder.isEmpty());
    for (const ConversionOutcome &outcome : BatchConversion::Run(*beside))
        EXPECT_TRUE(outcome.written) << outcome.error.toStdString();
    std::vector<std::string> names;
    for (const auto &entry : std::filesystem::directory_iterator(dir / "in"))
        names.push_back(entry.path().filename().string());
    std::ranges::sort(names);
    EXPECT_EQ(names, (std::vector<std::string>{"01-50.png", "a photo.png"}));
    EXPECT_TRUE(test::ReadFile(dir / "in" / "01-50.png") ==
                test::ReadFile(dir / "window" / "a photo.png"));
    EXPECT_TRUE(std::filesystem::exists(dir / "in" / "a photo.png"));
}

} // namespace
} // namespace lumaskin
