#include "engine/batch_conversion.h"
#include "engine/codecs/metadata_library.h"
#include "engine/convert_options.h"
#include "engine/formats.h"
#include "engine/image_io.h"
#include "engine/preset_file.h"
#include "tests/support/temp_dir.h"

#include <QRegularExpression>
#include <algorithm>
#include <atomic>
#include <csignal>
#include <cstring>
#include <gtest/gtest.h>
#include <sstream>

namespace lumaskin {
namespace {

QString Str(const std::filesystem::path &p)
{
    return QString::fromStdString(p.string());
}

TEST(ConversionNames, ArePartBeforeTheLastDotOrTheWholeName)
{
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/a.b.jpg")), QStringLiteral("a.b"));
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/photo.png")), QStringLiteral("photo"));
    // Without a dot of its own the name is kept whole, never a hidden ".png".
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/noext")), QStringLiteral("noext"));
    EXPECT_EQ(ConversionName(QStringLiteral("/pic.s/noext")), QStringLiteral("noext"));
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/.hidden")), QStringLiteral(".hidden"));
    EXPECT_EQ(ConversionTarget(QStringLiteral("/out"), QStringLiteral("/pics/a.b.jpg")),
              QStringLiteral("/out/a.b"));
    EXPECT_EQ(ConversionTarget(QStringLiteral("/out/"), QStringLiteral("/x/noext")),
              QStringLiteral("/out/noext"));
}

TEST(ConvertOptions, ParseFormatFolderEffectsInOrderAndJobs)
{
    QString error;
    auto options =
        ParseConvertOptions({"-f", "PNG", "-o", "/tmp", "--effect", "contrast=150", "--effect",
                             "emboss=3,2", "--effect", "invertcolor", "--effect",
                             "monochrome=100,0xFFFFFF,0", "--jobs", "3", "a.jpg", "--", "-b.jpg"},
                            &error);
    ASSERT_TRUE(options) << error.toStdString();
    const ConversionRequest &r = options->request;
    EXPECT_EQ(r.format, QStringLiteral("png"));
    EXPECT_EQ(r.folder, QStringLiteral("/tmp"));
    EXPECT_EQ(r.jobs, 3);
    // -v answers as the window's program does.
    const auto version = ParseConvertOptions({"-v"}, &error);
    ASSERT_TRUE(version) << error.toStdString();
    EXPECT_TRUE(version->version);
    EXPECT_EQ(r.sources, (QStringList{"a.jpg", "-b.jpg"}));
    ASSERT_EQ(r.steps.size(), 4u);
    const auto effect = [&](std::size_t i) { return std::get<EffectStep>(r.steps[i]); };
    EXPECT_EQ(effect(0).effect->operation, "Contrast");
    EXPECT_EQ(effect(0).arguments, std::vector<double>{150});
    EXPECT_EQ(effect(1).effect->operation, "Emboss");
    EXPECT_EQ(effect(1).arguments, (std::vector<double>{3, 2}));
    EXPECT_EQ(effect(2).effect->operation, "InvertColor");
    EXPECT_TRUE(effect(2).arguments.empty());
    EXPECT_EQ(effect(3).arguments, (std::vector<double>{100, 0xFFFFFF, 0}));
    EXPECT_EQ(r.write.quality, 90);
    EXPECT_FALSE(r.write.stripMetadata);

    options =
        ParseConvertOptions({"-f", "webp", "-o", "/tmp", "-q", "55", "--strip", "a.jpg"}, &error);
    ASSERT_TRUE(options) << error.toStdString();
    EXPECT_EQ(options->request.write.quality, 55);
    EXPECT_TRUE(options->request.write.stripMetadata);
}

TEST(ConvertOptions, MistakesAreRefusedWithOneLine)
{
    const QList<QStringList> bad = {
        {"-o", "/tmp", "a.jpg"},              // no format
        {"-f", "xyz", "-o", "/tmp", "a.jpg"}, // unknown format
        {"-f", "png", "a.jpg"},               // no folder
        {"-f", "png", "-o", "/tmp"},          // no file
        {"-f", "png", "-o", "/tmp", "--effect", "glow", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--effect", "contrast=abc", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--effect", "contrast=1,2", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--jobs", "0", "a.jpg"},
        {"-f", "jpg", "-o", "/tmp", "--quality", "0", "a.jpg"},
        {"-f", "jpg", "-o", "/tmp", "-q", "101", "a.jpg"},
        {"-f", "jpg", "-o", "/tmp", "-q", "high", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--frobnicate", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--if-exists=keep", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "a.jpg", "--if-exists"},
        {"-f", "png", "-o", "/tmp", "--strip=yes", "a.jpg"}, // a switch takes no value
        {"-f", "png", "-o", "/tmp", "--beside", "a.jpg"},
        {"-f", "png", "--beside", "--parents", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--rename", "{n:x}", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--watermark-opacity", "50", "a.jpg"}, // no watermark before
        {"-f", "png", "-o", "/tmp", "--watermark-text", "x", "--watermark-opacity", "150", "a.jpg"},
        {"-f", "png", "-o", "/tmp", "--watermark-image", "/nonexistent.png", "a.jpg"},
        {"-f"},
    };
    for (const QStringList &args : bad) {
        QString error;
        EXPECT_FALSE(ParseConvertOptions(args, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains('\n'));
    }
}

TEST(ConvertOptions, IfExistsNamedOverwriteAloneMayReplaceSources)
{
    QString error;
    const auto plain = ParseConvertOptions({"-f", "png", "-o", "/tmp", "a.png"}, &error);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->request.ifExists, IfExists::Overwrite);
    EXPECT_FALSE(plain->request.overwriteSources);
    const auto skip =
        ParseConvertOptions({"-f", "png", "-o", "/tmp", "--if-exists=skip", "a.png"}, &error);
    ASSERT_TRUE(skip);
    EXPECT_EQ(skip->request.ifExists, IfExists::Skip);
    const auto rename =
        ParseConvertOptions({"-f", "png", "-o", "/tmp", "--if-exists", "rename", "a.png"}, &error);
    ASSERT_TRUE(rename);
    EXPECT_EQ(rename->request.ifExists, IfExists::Rename);
    EXPECT_EQ(rename->request.sources, QStringList{"a.png"});
    const auto overwrite =
        ParseConvertOptions({"-f", "png", "-o", "/tmp", "--if-exists=overwrite", "a.png"}, &error);
    ASSERT_TRUE(overwrite);
    EXPECT_TRUE(overwrite->request.overwriteSources);
    // Every long option takes its value after "=" as well; "--" still ends the options.
    const auto joined = ParseConvertOptions(
        {"--format=PNG", "--output=/tmp", "--quality=80", "--", "--x=y.png"}, &error);
    ASSERT_TRUE(joined) << error.toStdString();
    EXPECT_EQ(joined->request.format, "png");
    EXPECT_EQ(joined->request.folder, "/tmp");
    EXPECT_EQ(joined->request.write.quality, 80);
    EXPECT_EQ(joined->request.sources, QStringList{"--x=y.png"});
}

TEST(ConvertOptions, HelpListsEveryFormatAndEffect)
{
    const QString help = ConvertHelpText();
    // Colours are shown as they are written.
    EXPECT_TRUE(help.contains("default 0xFFFFFF")) << help.toStdString();
    EXPECT_FALSE(help.contains("e+"));
    for (const QString &format : WritableFormats())
        EXPECT_TRUE(help.contains(format)) << format.toStdString();
    for (const EffectDescriptor &effect : Effects())
        EXPECT_TRUE(help.contains(QString::fromUtf8(effect.command.data(), effect.command.size())));
}

// Every option --help lists is described in the man page and named in the README.
TEST(ConvertOptions, EveryOptionIsDocumented)
{
    const QString help = ConvertHelpText();
    const QString options =
        help.section(QStringLiteral("Options:\n"), 1).section(QStringLiteral("\n\n"), 0, 0);
    const QString man = QString::fromStdString(
        test::ReadFile(test::SourceDir() / "resources/man/lumaskin-convert.1.in"));
    const QString readme = QString::fromStdString(test::ReadFile(test::SourceDir() / "README.md"));
    int found = 0;
    for (const auto &match : QRegularExpression(QStringLiteral("^  (?:(-\\w), )? *(--[a-z0-9-]+)"),
                                                QRegularExpression::MultilineOption)
                                 .globalMatch(options)) {
        const QString shortName = match.captured(1);
        const QString longName = match.captured(2);
        SCOPED_TRACE(longName.toStdString());
        ++found;
        EXPECT_TRUE(man.contains(QString(longName).replace(u'-', QLatin1String("\\-"))));
        EXPECT_TRUE(readme.contains(longName) ||
                    (!shortName.isEmpty() && readme.contains(u' ' + shortName + u' ')));
    }
    EXPECT_GE(found, 14);
}

// A preset keeps the options given and reads back to the same batch; a damaged one, or one of a
// newer version, is refused naming the file and the line.
TEST(Presets, ReadBackWhatTheyKeepAndRefuseDamage)
{
    const test::TempDir dir;
    const QString file = QString::fromStdString((dir / "batch.preset").string());
    QString error;
    const auto saved =
        ParseConvertOptions({"-f", "jpg", "-q", "80", "--resize", "50%", "--watermark-text",
                             "a;b\\c", "--watermark-opacity", "40", "-w", "webp:30:suffix=-s",
                             "--strip", "--rename", "{name}-x", "--save-preset", file},
                            &error);
    ASSERT_TRUE(saved) << error.toStdString();
    ASSERT_TRUE(WritePreset(saved->savePreset, saved->given, &error)) << error.toStdString();
    const auto read = ConvertOptionsFromPreset(file, &error);
    ASSERT_TRUE(read) << error.toStdString();
    EXPECT_EQ(read->given, saved->given);
    EXPECT_EQ(RequestOptions(read->request), RequestOptions(saved->request));
    EXPECT_EQ(read->request.steps.size(), 2u);
    EXPECT_EQ(std::get<WatermarkStep>(read->request.steps[1]).text, QStringLiteral("a;b\\c"));

    const struct
    {
        const char *text;
        int line;
        const char *says;
    } damaged[] = {
        {"lumaskin-preset 1\nformat = png\nresize 50\n", 3, "\"resize 50\""},
        {"lumaskin-preset 1\n# ok\nquality = 500\n", 3, "--quality"},
        {"lumaskin-preset 1\nhelp = yes\n", 2, "\"help\""},
        {"lumaskin-preset 1\nstrip = maybe\n", 2, "\"maybe\""},
        {"lumaskin-preset 2\nformat = png\n", 1, "newer"},
        {"format = png\n", 1, "not a Lumaskin preset"},
    };
    for (const auto &d : damaged) {
        SCOPED_TRACE(d.text);
        EXPECT_FALSE(ConvertOptionsFromPresetText(d.text, QStringLiteral("p.preset"), &error));
        EXPECT_TRUE(error.contains(QStringLiteral("\"p.preset\", line %1: ").arg(d.line)))
            << error.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(d.says))) << error.toStdString();
    }
    // From the command line: nothing converted, a status that says so.
    test::WriteFile(dir / "new.preset", "lumaskin-preset 2\nformat = png\n");
    std::filesystem::create_directories(dir / "out");
    EXPECT_EQ(test::RunCommand("'" LUMASKIN_CONVERT_PATH "' --preset new.preset -o out x.png "
                               "2>/dev/null",
                               dir.Path()),
              2);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "out"));
}

class BatchConversionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        std::filesystem::create_directories(dir / "in" / "other");
        std::filesystem::create_directories(dir / "out");
        for (int i = 0; i < 6; ++i) {
            Image image(40 + i, 30, 0x204060ffu + (static_cast<std::uint32_t>(i) << 24));
            const auto path = dir / "in" / ("p" + std::to_string(i) + ".png");
            ASSERT_TRUE(WriteImage(image, Str(path), QStringLiteral("png"), nullptr));
            sources << Str(path);
        }
    }

    ConversionRequest Request(int jobs) const
    {
        ConversionRequest r;
        r.sources = sources;
        r.folder = Str(dir / "out");
        r.format = QStringLiteral("png");
        r.steps = {EffectStep{FindEffect("contrast"), {150}}, EffectStep{FindEffect("blur"), {}}};
        r.jobs = jobs;
        return r;
    }

    test::TempDir dir;
    QStringList sources;
};

TEST_F(BatchConversionTest, ParallelAndOneByOneWriteTheSameBytes)
{
    BatchConversion::Run(Request(1));
    std::vector<std::string> serial;
    for (int i = 0; i < 6; ++i)
        serial.push_back(test::ReadFile(dir / "out" / ("p" + std::to_string(i) + ".png")));
    std::filesystem::remove_all(dir / "out");
    std::filesystem::create_directories(dir / "out");
    const auto outcomes = BatchConversion::Run(Request(4));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(outcomes[static_cast<std::size_t>(i)].written);
        EXPECT_FALSE(serial[static_cast<std::size_t>(i)].empty());
        EXPECT_EQ(test::ReadFile(dir / "out" / ("p" + std::to_string(i) + ".png")),
                  serial[static_cast<std::size_t>(i)]);
    }
}

TEST_F(BatchConversionTest, PhotoSizedBatchesWriteWhatEachFileAloneWrites)
{
    // Same-sized photos, so that their buffers pass from one file to the next, and more files
    // than workers, so that the last ones run with the cores the others left.
    QStringList photos;
    for (int i = 0; i < 5; ++i) {
        Image image(1100, 1000);
        for (int y = 0; y < image.Height(); ++y)
            for (int x = 0; x < image.Width(); ++x) {
                std::uint8_t *p = image.Pixel(x, y);
                p[0] = static_cast<std::uint8_t>(x * (i + 1));
                p[1] = static_cast<std::uint8_t>(y + 40 * i);
                p[2] = static_cast<std::uint8_t>((x ^ y) >> i);
                p[3] = 255;
            }
        const auto path = dir / "in" / ("photo" + std::to_string(i) + ".jpg");
        ASSERT_TRUE(WriteImage(image, Str(path), QStringLiteral("jpg"), nullptr));
        photos << Str(path);
    }
    const std::vector<Step> steps = {EffectStep{FindEffect("sharpen"), {}}};
    std::vector<std::string> alone;
    for (int i = 0; i < 5; ++i) {
        const auto target = dir / ("alone" + std::to_string(i) + ".jpg");
        ASSERT_TRUE(ConvertFile(photos[i], Str(target), QStringLiteral("jpg"), steps, nullptr));
        alone.push_back(test::ReadFile(target));
    }
    ConversionRequest r;
    r.sources = photos;
    r.folder = Str(dir / "out");
    r.format = QStringLiteral("jpg");
    r.steps = steps;
    r.jobs = 2;
    for (const ConversionOutcome &outcome : BatchConversion::Run(r))
        EXPECT_TRUE(outcome.written) << outcome.error.toStdString();
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(test::ReadFile(dir / "out" / ("photo" + std::to_string(i) + ".jpg")),
                  alone[static_cast<std::size_t>(i)])
            << i;
}

// Steps apply in the order given: a wide picture, red on the left and blue on the right, made
// 40 wide, cut, turned, flipped and inverted. A picture the crop misses fails alone.
TEST_F(BatchConversionTest, StepsApplyInOrderAndACropOutsideAPictureFailsThatFile)
{
    Image wide(80, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x)
            std::memcpy(wide.Pixel(x, y), x < 40 ? "\xFF\x00\x00\xFF" : "\x00\x00\xFF\xFF", 4);
    const auto widePath = dir / "in" / "wide.png";
    ASSERT_TRUE(WriteImage(wide, Str(widePath), QStringLiteral("png"), nullptr));
    const auto tallPath = dir / "in" / "tall.png";
    ASSERT_TRUE(
        WriteImage(Image(20, 80, 0x808080ffu), Str(tallPath), QStringLiteral("png"), nullptr));
    ConversionRequest r;
    r.sources = {Str(widePath), Str(tallPath)};
    r.folder = Str(dir / "out");
    r.format = QStringLiteral("png");
    for (const auto &[kind, text] :
         {std::pair{"resize", "40x40"}, std::pair{"crop", "20x16+10+2"}, std::pair{"rotate", "90"},
          std::pair{"flip", "v"}, std::pair{"effect", "invertcolor"}}) {
        QString error;
        const std::optional<Step> step = ParseStep(kind, text, &error);
        ASSERT_TRUE(step) << error.toStdString();
        r.steps.push_back(*step);
    }
    const auto outcomes = BatchConversion::Run(r);
    ASSERT_TRUE(outcomes[0].written) << outcomes[0].error.toStdString();
    // 80 x 40 -> 40 x 20 -> 20 x 16 (10 columns of each colour) -> turned 16 x 20, red on top
    // -> flipped, blue on top -> inverted: yellow above cyan.
    QString error;
    const Image result = ReadImage(Str(dir / "out" / "wide.png"), &error);
    ASSERT_EQ(result.Width(), 16);
    ASSERT_EQ(result.Height(), 20);
    const auto near = [](const std::uint8_t *p, int red, int green, int blue) {
        return std::abs(p[0] - red) < 8 && std::abs(p[1] - green) < 8 && std::abs(p[2] - blue) < 8;
    };
    EXPECT_TRUE(near(result.Pixel(8, 3), 255, 255, 0));
    EXPECT_TRUE(near(result.Pixel(8, 16), 0, 255, 255));

    // The tall picture becomes 10 x 40, which the crop from x = 10 misses.
    EXPECT_FALSE(outcomes[1].written);
    EXPECT_FALSE(outcomes[1].writeFailed);
    EXPECT_TRUE(outcomes[1].error.contains(QLatin1String("\"20x16+10+2\"")))
        << outcomes[1].error.toStdString();
    EXPECT_FALSE(std::filesystem::exists(dir / "out" / "tall.png"));
}

std::vector<std::string> Names(const std::vector<ConversionOutcome> &plan)
{
    std::vector<std::string> names;
    for (const ConversionOutcome &o : plan)
        names.push_back(std::filesystem::path(o.target.toStdString()).filename().string());
    return names;
}

TEST_F(BatchConversionTest, SameNamesDotlessNamesAndSourcesInTheFolderAreAllKept)
{
    // Two same-named pictures, a name without a dot, and a picture that is its own target.
    const auto twin = dir / "in" / "other" / "p0.png";
    ASSERT_TRUE(WriteImage(Image(7, 9, 0xff0000ffu), Str(twin), QStringLiteral("png"), nullptr));
    const auto dotless = dir / "in" / "snapshot";
    std::filesystem::copy_file(dir / "in" / "p1.png", dotless);
    const auto inside = dir / "out" / "p5.png";
    std::filesystem::copy_file(dir / "in" / "p5.png", inside);
    const std::string insideBytes = test::ReadFile(inside);
    ConversionRequest r = Request(3);
    r.sources = {sources[0], Str(twin), Str(dotless), Str(inside)};

    const auto plan = BatchConversion::Plan(r);
    EXPECT_EQ(Names(plan),
              (std::vector<std::string>{"p0.png", "p0 (2).png", "snapshot.png", "p5 (2).png"}));
    EXPECT_EQ(plan[1].reason, TargetReason::SameName);
    EXPECT_EQ(plan[3].reason, TargetReason::Source);
    EXPECT_FALSE(plan[3].replaces);

    const auto outcomes = BatchConversion::Run(r);
    for (const ConversionOutcome &o : outcomes)
        EXPECT_TRUE(o.written) << o.error.toStdString();
    EXPECT_EQ(test::ReadFile(inside), insideBytes);
    QString error;
    EXPECT_EQ(ReadImage(Str(dir / "out" / "p0 (2).png"), &error).Width(), 7);
    EXPECT_EQ(ReadImage(Str(dir / "out" / "p0.png"), &error).Width(), 40);
    EXPECT_EQ(ReadImage(Str(dir / "out" / "snapshot.png"), &error).Width(), 41);

    // The same list again gives the same names, replacing its own earlier results only.
    EXPECT_EQ(Names(BatchConversion::Plan(r)), Names(plan));
    BatchConversion::Run(r);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir / "out"), {}), 5);
    EXPECT_EQ(test::ReadFile(inside), insideBytes);

    // Replacing the source is only done when allowed.
    r.overwriteSources = true;
    const auto allowed = BatchConversion::Plan(r);
    EXPECT_EQ(Names(allowed)[3], "p5.png");
    EXPECT_TRUE(allowed[3].replacesSource);
    // A source listed twice is read by both rows, so neither may replace it.
    r.sources.append(Str(inside));
    EXPECT_EQ(Names(BatchConversion::Plan(r))[3], "p5 (2).png");
}

TEST_F(BatchConversionTest, ExistingTargetsAreReplacedSkippedOrKeptAsAsked)
{
    test::WriteFile(dir / "out" / "p0.png", "earlier");
    test::WriteFile(dir / "out" / "p1 (2).png", "earlier");
    ConversionRequest r = Request(2);
    r.sources = {sources[0], sources[1], sources[2]};

    r.ifExists = IfExists::Skip;
    auto outcomes = BatchConversion::Run(r);
    EXPECT_TRUE(outcomes[0].skipped);
    EXPECT_FALSE(outcomes[0].started);
    EXPECT_EQ(outcomes[0].reason, TargetReason::Exists);
    EXPECT_TRUE(outcomes[1].written);
    EXPECT_EQ(test::ReadFile(dir / "out" / "p0.png"), "earlier");

    r.ifExists = IfExists::Rename;
    outcomes = BatchConversion::Run(r);
    // "p1 (2).png" is taken as well, so the next free number is used.
    EXPECT_EQ(Names(outcomes),
              (std::vector<std::string>{"p0 (2).png", "p1 (3).png", "p2 (2).png"}));
    EXPECT_EQ(test::ReadFile(dir / "out" / "p0.png"), "earlier");
    EXPECT_EQ(test::ReadFile(dir / "out" / "p1 (2).png"), "earlier");

    r.ifExists = IfExists::Overwrite;
    const auto plan = BatchConversion::Plan(r);
    EXPECT_TRUE(plan[0].replaces);
    EXPECT_FALSE(plan[0].replacesSource);
    outcomes = BatchConversion::Run(r);
    EXPECT_TRUE(outcomes[0].written);
    EXPECT_NE(test::ReadFile(dir / "out" / "p0.png"), "earlier");

    // A write that fails names the target, not the picture read.
    std::filesystem::remove(dir / "out" / "p2.png");
    std::filesystem::create_directories(dir / "out" / "p2.png" / "inside");
    outcomes = BatchConversion::Run(r);
    EXPECT_FALSE(outcomes[2].written);
    EXPECT_TRUE(outcomes[2].writeFailed);
    EXPECT_EQ(outcomes[2].FailedFile(), Str(dir / "out" / "p2.png"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "out" / "p2.png" / "inside"));
}

TEST_F(BatchConversionTest, FailuresAreReportedPerFileAndDoNotStopTheOthers)
{
    test::WriteFile(dir / "in" / "broken.jpg", "not a picture at all");
    ConversionRequest r = Request(2);
    r.sources.insert(2, Str(dir / "in" / "broken.jpg"));
    r.sources.append(Str(dir / "in" / "missing.png"));
    int reported = 0;
    const auto outcomes =
        BatchConversion::Run(r, [&](int finished, int total, const ConversionOutcome &) {
            ++reported;
            EXPECT_LE(finished, total);
        });
    EXPECT_EQ(reported, 8);
    EXPECT_FALSE(outcomes[2].written);
    EXPECT_FALSE(outcomes[2].error.isEmpty());
    EXPECT_FALSE(outcomes[7].written);
    EXPECT_EQ(std::count_if(outcomes.begin(), outcomes.end(),
                            [](const ConversionOutcome &o) { return o.written; }),
              6);
}

TEST_F(BatchConversionTest, CancelStopsStartingFilesAndLeavesNoPartialFile)
{
    std::atomic<bool> cancel{false};
    const auto outcomes = BatchConversion::Run(
        Request(1),
        [&](int finished, int, const ConversionOutcome &) {
            if (finished == 2)
                cancel = true;
        },
        &cancel);
    int written = 0;
    for (const auto &o : outcomes)
        written += o.written;
    EXPECT_EQ(written, 2);
    int files = 0;
    for (const auto &entry : std::filesystem::directory_iterator(dir / "out")) {
        ++files;
        EXPECT_EQ(entry.path().extension(), ".png"); // no temporary left behind
    }
    EXPECT_EQ(files, 2);
}

TEST_F(BatchConversionTest, CommandLineToolConvertsAndReportsFailures)
{
    test::WriteFile(dir / "in" / "broken.png", "\x89PNG\r\n\x1a\nbroken");
    const std::string tool = LUMASKIN_CONVERT_PATH;
    const std::string out = (dir / "out").string();
    EXPECT_EQ(test::RunCommand("'" + tool + "' -f jpg -o '" + out +
                                   "' --effect invertcolor in/p0.png in/p1.png 2>/dev/null",
                               dir.Path()),
              0);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p1.jpg"));
    EXPECT_EQ(
        test::RunCommand("'" + tool + "' -f png -o '" + out + "' in/p2.png in/broken.png 2>err.txt",
                         dir.Path()),
        1);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p2.png"));
    const std::string err = test::ReadFile(dir / "err.txt");
    EXPECT_NE(err.find("broken.png"), std::string::npos);
    EXPECT_EQ(test::RunCommand("'" + tool + "' -f png -o '" + out + "/none' in/p2.png 2>/dev/null",
                               dir.Path()),
              2);
    EXPECT_EQ(
        test::RunCommand("'" + tool + "' -f png -o in/p2.png in/p1.png 2>err.txt", dir.Path()), 2);
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("is a file, not a folder"), std::string::npos);

    // A source in the output folder stays; the report names the renamed file and counts.
    const std::string p2 = test::ReadFile(dir / "out" / "p2.png");
    EXPECT_EQ(
        test::RunCommand("'" + tool + "' -f png -o out out/p2.png in/p2.png 2>err.txt", dir.Path()),
        0);
    EXPECT_EQ(test::ReadFile(dir / "out" / "p2.png"), p2);
    const std::string report = test::ReadFile(dir / "err.txt");
    EXPECT_NE(report.find("\"in/p2.png\" written as \"out/p2 (3).png\""), std::string::npos)
        << report;
    EXPECT_NE(report.find("2 written, 0 skipped, 2 renamed"), std::string::npos) << report;
    EXPECT_EQ(test::RunCommand("'" + tool +
                                   "' -f png -o out --if-exists=skip out/p2.png in/p2.png "
                                   "2>err.txt",
                               dir.Path()),
              0);
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("0 written, 2 skipped, 0 renamed"),
              std::string::npos);
}

// Several outputs from one reading write what separate runs of each write, and names that meet
// across outputs are numbered rather than written twice.
TEST_F(BatchConversionTest, SeveralOutputsWriteWhatSeparateRunsWrite)
{
    const std::string tool = LUMASKIN_CONVERT_PATH;
    for (const char *folder : {"one", "apart", "small"})
        std::filesystem::create_directories(dir / folder);
    std::filesystem::copy_file(dir / "in" / "p0.png", dir / "in" / "p1-small.png");
    const std::string run = "'" + tool + "' --effect emboss -f webp ";
    const std::string files = " in/p1.png in/p1-small.png 2>err.txt";
    ASSERT_EQ(test::RunCommand(run +
                                   "-o one -w webp:20:suffix=-small "
                                   "-w png:10x10!:quality=50:suffix=-tiny" +
                                   files,
                               dir.Path()),
              0)
        << test::ReadFile(dir / "err.txt");
    ASSERT_EQ(test::RunCommand(run + "-o apart" + files, dir.Path()), 0);
    ASSERT_EQ(
        test::RunCommand(run + "-o small --resize 20 --rename {name}-small" + files, dir.Path()),
        0);
    const auto same = [&](const char *one, const char *other) {
        const std::string bytes = test::ReadFile(dir / "one" / one);
        EXPECT_FALSE(bytes.empty()) << one;
        EXPECT_EQ(bytes, test::ReadFile(dir / other)) << one;
    };
    same("p1.webp", "apart/p1.webp");
    same("p1-small.webp", "small/p1-small.webp");
    same("p1-small-small.webp", "small/p1-small-small.webp");
    // p1.png's small file took the name first; p1-small.png's own file is numbered.
    same("p1-small (2).webp", "apart/p1-small.webp");
    const Image tiny = ReadImage(Str(dir / "one" / "p1-tiny.png"), nullptr);
    EXPECT_EQ(QSize(tiny.Width(), tiny.Height()), QSize(10, 10));
}

// lumaskin-convert refuses an impossible step before writing anything, and takes the steps in
// the order given: on a photo turned upright by its EXIF orientation, or with
// --no-auto-orient on the photo as stored, whose orientation it then keeps.
TEST_F(BatchConversionTest, CommandLineStepsWorkUprightOrAsStored)
{
    const std::string tool = "'" + std::string(LUMASKIN_CONVERT_PATH) + "'";
    EXPECT_EQ(
        test::RunCommand(tool + " -f png -o out --resize 10x10 --crop 0x5 in/p0.png " + "2>err.txt",
                         dir.Path()),
        2);
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("--crop \"0x5\""), std::string::npos);
    EXPECT_TRUE(std::filesystem::is_empty(dir / "out"));

    // Stored 64 x 32 and held turned a quarter clockwise, so upright 32 x 64.
    ASSERT_TRUE(WriteImage(Image(64, 32, 0x3366ccffu), Str(dir / "in" / "turned.jpg"),
                           QStringLiteral("jpg"), nullptr));
    ASSERT_EQ(test::RunCommand("exiv2 -M'set Exif.Image.Orientation 6' in/turned.jpg", dir.Path()),
              0);
    const std::string steps = " --crop 40x10+0+0 --filter nearest --resize 200% in/turned.jpg";
    ASSERT_EQ(test::RunCommand(tool + " -f png -o out" + steps, dir.Path()), 0);
    ASSERT_EQ(test::RunCommand(tool + " -f jpg -o out --no-auto-orient" + steps, dir.Path()), 0);
    QString error;
    // Upright: cut to 32 x 10, then doubled.
    const Image upright = ReadImage(Str(dir / "out" / "turned.png"), &error);
    EXPECT_EQ(upright.Width(), 64);
    EXPECT_EQ(upright.Height(), 20);
    EXPECT_EQ(ExifOrientation(upright.Metadata().exif), 1);
    // As stored: cut to 40 x 10, doubled, and still shown turned.
    const Image stored = ReadImage(Str(dir / "out" / "turned.jpg"), &error);
    EXPECT_EQ(stored.Width(), 20);
    EXPECT_EQ(stored.Height(), 80);
    EXPECT_EQ(ExifOrientation(stored.Metadata().exif), 6);
}

// Names on the command line are bytes: one that is not UTF-8 converts to a target of the
// same bytes, and a line break in a name stays inside its quoted name in the report.
TEST_F(BatchConversionTest, CommandLineNamesAreBytesAndQuoted)
{
    std::filesystem::copy_file(dir / "in" / "p0.png", dir.Path().string() + "/in/caf\xE9.png");
    test::WriteFile(dir / "in" / "two\nlumaskin-convert: forged.png", "not a picture");
    const std::string tool = LUMASKIN_CONVERT_PATH;
    const std::string out = (dir / "out").string();
    EXPECT_EQ(test::RunCommand("'" + tool + "' -f bmp -o '" + out + "' in/caf\xE9.png 'in/two\n" +
                                   "lumaskin-convert: forged.png' 2>err.txt",
                               dir.Path()),
              1);
    EXPECT_TRUE(std::filesystem::exists(dir.Path().string() + "/out/caf\xE9.bmp"));
    // Qt may add a line of its own about the environment; the tool's lines are these two.
    std::istringstream err(test::ReadFile(dir / "err.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(err, line);)
        if (line.starts_with("lumaskin-convert:"))
            lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "lumaskin-convert: \"in/two\\nlumaskin-convert: forged.png\": not a "
                         "picture Lumaskin can read",
                         "lumaskin-convert: 1 written, 0 skipped, 0 renamed; 1 of 2 file(s) "
                         "failed"}));
}

TEST_F(BatchConversionTest, SmallPicturesNeedLittleMemory)
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    GTEST_SKIP() << "sanitizers reserve more address space than the limit allows";
#else
    // Under a 1.5 GB address-space limit a small picture still converts: reading a file
    // must not set aside room for the largest file the program accepts.
    const std::string tool = LUMASKIN_CONVERT_PATH;
    const std::string out = (dir / "out").string();
    EXPECT_EQ(test::RunCommand("ulimit -v 1500000 && '" + tool + "' -f png -o '" + out +
                                   "' in/p0.png 2>/dev/null",
                               dir.Path()),
              0);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p0.png"));
#endif
}

TEST_F(BatchConversionTest, FilesFromTakesNulSeparatedNamesAsBytes)
{
    const std::string odd = dir.Path().string() + "/in/caf\xE9 au lait.png";
    std::filesystem::copy_file(dir / "in" / "p0.png", odd);
    test::WriteFile(dir / "list", std::string("in/p1.png\0", 10) + "in/caf\xE9 au lait.png" +
                                      std::string("\0", 1));
    const std::string tool = "'" + std::string(LUMASKIN_CONVERT_PATH) + "'";
    EXPECT_EQ(test::RunCommand(tool + " -f bmp -o out --files-from - -0 < list", dir.Path()), 0);
    EXPECT_TRUE(std::filesystem::exists(dir.Path().string() + "/out/caf\xE9 au lait.bmp"));
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p1.bmp"));
    EXPECT_EQ(test::RunCommand(tool + " -f bmp -o out --files-from none 2>err.txt", dir.Path()), 2);
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("cannot read the list \"none\""),
              std::string::npos);
    // The same list without -0 is refused whole rather than read as one name.
    std::filesystem::remove_all(dir / "out");
    EXPECT_EQ(test::RunCommand(tool + " -f bmp -o out --files-from list 2>err.txt", dir.Path()), 2);
    EXPECT_NE(
        test::ReadFile(dir / "err.txt").find("an entry holds a NUL byte (NUL-separated? use -0)"),
        std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(dir / "out"));
}

TEST_F(BatchConversionTest, RecursiveRunsMirrorFoldersAndSplitRunsAgree)
{
    namespace fs = std::filesystem;
    fs::create_directories(dir / "in" / "other" / "deep");
    fs::copy_file(dir / "in" / "p1.png", dir / "in" / "other" / "deep" / "q.png");
    // Two pictures of one folder that give the same name, and things a walk must pass by.
    fs::copy_file(dir / "in" / "p2.png", dir / "in" / "other" / "s.png");
    ASSERT_TRUE(WriteImage(Image(7, 5, 0xff0000ffu), Str(dir / "in" / "other" / "s.bmp"),
                           QStringLiteral("bmp"), nullptr));
    test::WriteFile(dir / "in" / "notes.txt", "not a picture");
    fs::create_directory_symlink("..", dir / "in" / "other" / "loop");
    const std::string tool = "'" + std::string(LUMASKIN_CONVERT_PATH) + "'";

    ASSERT_EQ(test::RunCommand(tool + " -r -f png -o out in", dir.Path()), 0);
    std::vector<std::string> written;
    for (const auto &entry : fs::recursive_directory_iterator(dir / "out"))
        if (entry.is_regular_file())
            written.push_back(fs::relative(entry.path(), dir / "out").string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"other/deep/q.png", "other/s (2).png",
                                                 "other/s.png", "p0.png", "p1.png", "p2.png",
                                                 "p3.png", "p4.png", "p5.png"}));
    EXPECT_FALSE(fs::is_symlink(dir / "out" / "other"));

    fs::create_directory(dir / "split");
    // One picture alone, as a part of a split batch gets it, takes the name the whole run gave.
    ASSERT_EQ(test::RunCommand("cd in && " + tool + " --parents -f png -o ../split ./other/s.png",
                               dir.Path()),
              0);
    EXPECT_EQ(test::ReadFile(dir / "split" / "other" / "s (2).png"),
              test::ReadFile(dir / "out" / "other" / "s (2).png"));

    // A link under the output folder is refused, never written through.
    fs::create_directories(dir / "linked" / "elsewhere");
    fs::create_directory_symlink("elsewhere", dir / "linked" / "other");
    EXPECT_EQ(test::RunCommand(tool + " -r -f png -o linked in 2>err.txt", dir.Path()), 1);
    EXPECT_TRUE(fs::is_empty(dir / "linked" / "elsewhere"));
    EXPECT_TRUE(fs::exists(dir / "linked" / "p5.png"));
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("is a link"), std::string::npos);

    // An output folder inside the tree is not walked: a rerun finds nothing new to convert.
    fs::create_directory(dir / "in" / "conv");
    ASSERT_EQ(test::RunCommand(tool + " -r -f png -o in/conv in", dir.Path()), 0);
    EXPECT_EQ(
        test::RunCommand(tool + " -r --if-exists=skip -f png -o in/conv in 2>err.txt", dir.Path()),
        0);
    EXPECT_FALSE(fs::exists(dir / "in" / "conv" / "conv"));
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("0 written, 9 skipped"), std::string::npos);
}

// Named by a pattern, into the output folder or beside each source: names that collide are
// numbered, '/' makes folders, no source is replaced unless asked, and a file the pattern
// cannot name fails alone.
TEST_F(BatchConversionTest, PatternsAndPlacesKeepEveryTargetApart)
{
    namespace fs = std::filesystem;
    const auto relative = [&](const std::vector<ConversionOutcome> &plan) {
        std::vector<std::string> names;
        for (const ConversionOutcome &o : plan)
            names.push_back(fs::relative(o.target.toStdString(), dir.Path()).string());
        return names;
    };
    QString error;
    // A source already at the name the pattern gives it comes first.
    fs::create_directories(dir / "out" / "30");
    const auto inside = dir / "out" / "30" / "same.png";
    fs::copy_file(dir / "in" / "p5.png", inside);
    const std::string insideBytes = test::ReadFile(inside);
    ConversionRequest r = Request(2);
    r.sources = {Str(inside), sources[0], sources[1]};
    r.rename = NamePattern::Parse(QStringLiteral("{h}/same"), &error);
    const auto plan = BatchConversion::Plan(r);
    EXPECT_EQ(relative(plan),
              (std::vector<std::string>{"out/30/same (2).png", "out/30/same (3).png",
                                        "out/30/same (4).png"}));
    EXPECT_EQ(plan[0].reason, TargetReason::Source);
    EXPECT_EQ(plan[1].reason, TargetReason::SameName);
    for (const ConversionOutcome &o : BatchConversion::Run(r))
        EXPECT_TRUE(o.written) << o.error.toStdString();
    EXPECT_EQ(test::ReadFile(inside), insideBytes);

    // Sub-folders a walk gives are kept, the pattern naming the file inside them; a fixed
    // size is the size written.
    r.sources = {sources[0], sources[1]};
    r.names = {QStringLiteral("a/p0"), QStringLiteral("b/c/p1")};
    r.format = QStringLiteral("ico");
    r.rename = NamePattern::Parse(QStringLiteral("{w}x{h}-{n:02}"), &error);
    EXPECT_EQ(relative(BatchConversion::Plan(r)),
              (std::vector<std::string>{"out/a/32x32-01.ico", "out/b/c/32x32-02.ico"}));

    // Beside their sources, without a pattern: a source in the format written stays.
    fs::copy_file(dir / "in" / "p1.png", dir / "in" / "other" / "q.bmp");
    const std::string p0Bytes = test::ReadFile(dir / "in" / "p0.png");
    r = Request(2);
    r.place = TargetPlace::BesideSource;
    r.sources = {sources[0], Str(dir / "in" / "other" / "q.bmp"), Str(dir / "in" / "snapshot")};
    test::WriteFile(dir / "in" / "snapshot", test::ReadFile(dir / "in" / "p2.png"));
    EXPECT_EQ(relative(BatchConversion::Plan(r)),
              (std::vector<std::string>{"in/p0 (2).png", "in/other/q.png", "in/snapshot.png"}));
    r.overwriteSources = true;
    const auto replacing = BatchConversion::Plan(r);
    EXPECT_TRUE(replacing[0].replacesSource);
    r.overwriteSources = false;

    // A name with an empty part is refused for that file alone, before anything is written.
    r.rename = NamePattern::Parse(QStringLiteral("{ext}/{name}"), &error);
    int reported = 0;
    const auto outcomes =
        BatchConversion::Run(r, [&](int, int, const ConversionOutcome &) { ++reported; });
    EXPECT_EQ(reported, 3);
    EXPECT_TRUE(outcomes[0].written && outcomes[1].written);
    EXPECT_TRUE(outcomes[2].refused);
    EXPECT_FALSE(outcomes[2].started);
    EXPECT_TRUE(outcomes[2].error.contains(QStringLiteral("empty part")));
    EXPECT_TRUE(fs::exists(dir / "in" / "png" / "p0.png"));
    EXPECT_TRUE(fs::exists(dir / "in" / "other" / "bmp" / "q.png"));
    EXPECT_EQ(test::ReadFile(dir / "in" / "p0.png"), p0Bytes);
}

// Photos with and without an EXIF date, named by it (else by the file's time) and their place.
TEST_F(BatchConversionTest, CommandLineRenamesByDateAndNumber)
{
    if (test::RunCommand("command -v exiv2 >/dev/null") != 0)
        GTEST_SKIP() << "needs exiv2";
    const std::string tool = "'" + std::string(LUMASKIN_CONVERT_PATH) + "'";
    for (const char *name : {"taken", "plain", "twin"})
        ASSERT_TRUE(WriteImage(Image(8, 6, 0x406080ffu),
                               Str(dir / "in" / (std::string(name) + ".jpg")),
                               QStringLiteral("jpg"), nullptr));
    ASSERT_EQ(test::RunCommand("exiv2 -M'set Exif.Photo.DateTimeOriginal 2021:07:04 10:20:30' "
                               "in/taken.jpg in/twin.jpg && TZ=UTC touch -d '2019-02-03 04:05:06' "
                               "in/*.jpg",
                               dir.Path()),
              0);
    ASSERT_EQ(test::RunCommand("TZ=UTC " + tool +
                                   " -f png -o out --rename '{date:%Y-%m-%d}-{n:03}' in/taken.jpg "
                                   "in/plain.jpg in/twin.jpg",
                               dir.Path()),
              0);
    std::vector<std::string> written;
    for (const auto &entry : std::filesystem::directory_iterator(dir / "out"))
        written.push_back(entry.path().filename().string());
    std::sort(written.begin(), written.end());
    EXPECT_EQ(written, (std::vector<std::string>{"2019-02-03-002.png", "2021-07-04-001.png",
                                                 "2021-07-04-003.png"}));
    // Refused before anything is written, naming the pattern.
    EXPECT_EQ(test::RunCommand(tool + " -f png -o out --rename '{date:%Q}' in/plain.jpg 2>err.txt",
                               dir.Path()),
              2);
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("--rename \"{date:%Q}\": %Q"),
              std::string::npos);
}

TEST_F(BatchConversionTest, StoppedRunLeavesNothingHalfWrittenAndARerunFinishes)
{
    namespace fs = std::filesystem;
    fs::create_directories(dir / "big");
    fs::create_directories(dir / "stop");
    constexpr int kFiles = 16;
    for (int i = 0; i < kFiles; ++i)
        ASSERT_TRUE(WriteImage(Image(800, 600, 0x336699ffu + static_cast<std::uint32_t>(i)),
                               Str(dir / "big" / ("b" + std::to_string(i) + ".png")),
                               QStringLiteral("png"), nullptr));
    const std::string run = "'" + std::string(LUMASKIN_CONVERT_PATH) +
                            "' -f png -e emboss=3,2 -o stop --if-exists=skip big/*.png";
    // Stopped as soon as the first picture is there, as a machine of a split batch may be.
    EXPECT_EQ(test::RunCommand(run +
                                   " 2>err.txt & pid=$!; for i in $(seq 3000); do "
                                   "[ -n \"$(ls '" +
                                   (dir / "stop").string() +
                                   "')\" ] && break; sleep 0.01; done; "
                                   "kill -TERM $pid; wait $pid; exit $?",
                               dir.Path()),
              128 + SIGTERM);
    std::size_t written = 0;
    for (const auto &entry : fs::directory_iterator(dir / "stop")) {
        EXPECT_FALSE(entry.path().filename().string().starts_with(".")) << entry.path();
        ++written;
    }
    EXPECT_LT(written, static_cast<std::size_t>(kFiles));
    EXPECT_NE(test::ReadFile(dir / "err.txt").find("stopped: "), std::string::npos);
    EXPECT_EQ(test::RunCommand(run + " 2>/dev/null", dir.Path()), 0);
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "stop"), fs::directory_iterator()),
              kFiles);
}

} // namespace
} // namespace lumaskin
