#include "tests/support/temp_dir.h"
#include "tools/convert_options.h"
#include "viewercontrol/batch_conversion.h"
#include "viewercontrol/effects/effects.h"
#include "viewercontrol/image_io.h"

#include <atomic>
#include <gtest/gtest.h>
#include <sstream>

namespace lumaskin {
namespace {

QString str(const std::filesystem::path &p)
{
    return QString::fromStdString(p.string());
}

TEST(ConversionNames, ArePartBeforeTheLastDotOfTheFileName)
{
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/a.b.jpg")), QStringLiteral("a.b"));
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/photo.png")), QStringLiteral("photo"));
    EXPECT_EQ(ConversionName(QStringLiteral("/pics/noext")), QString());
    EXPECT_EQ(ConversionName(QStringLiteral("/pic.s/noext")), QString()); // dot in the folder
    EXPECT_EQ(ConversionTarget(QStringLiteral("/out"), QStringLiteral("/pics/a.b.jpg")),
              QStringLiteral("/out/a.b"));
    EXPECT_EQ(ConversionTarget(QStringLiteral("/out/"), QStringLiteral("/x/noext")),
              QStringLiteral("/out/"));
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
    EXPECT_EQ(r.sources, (QStringList{"a.jpg", "-b.jpg"}));
    ASSERT_EQ(r.steps.size(), 4u);
    EXPECT_EQ(r.steps[0].effect->operation, "Contrast");
    EXPECT_EQ(r.steps[0].arguments, std::vector<double>{150});
    EXPECT_EQ(r.steps[1].effect->operation, "Emboss");
    EXPECT_EQ(r.steps[1].arguments, (std::vector<double>{3, 2}));
    EXPECT_EQ(r.steps[2].effect->operation, "InvertColor");
    EXPECT_TRUE(r.steps[2].arguments.empty());
    EXPECT_EQ(r.steps[3].arguments, (std::vector<double>{100, 0xFFFFFF, 0}));
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
        {"-f"},
    };
    for (const QStringList &args : bad) {
        QString error;
        EXPECT_FALSE(ParseConvertOptions(args, &error)) << args.join(' ').toStdString();
        EXPECT_FALSE(error.isEmpty());
        EXPECT_FALSE(error.contains('\n'));
    }
}

TEST(ConvertOptions, HelpListsEveryFormatAndEffect)
{
    const QString help = ConvertHelpText();
    for (const QString &format : WritableFormats())
        EXPECT_TRUE(help.contains(format)) << format.toStdString();
    for (const EffectDescriptor &effect : Effects())
        EXPECT_TRUE(help.contains(QString::fromUtf8(effect.command.data(), effect.command.size())));
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
            ASSERT_TRUE(WriteImage(image, str(path), QStringLiteral("png"), nullptr));
            sources << str(path);
        }
    }

    ConversionRequest request(int jobs) const
    {
        ConversionRequest r;
        r.sources = sources;
        r.folder = str(dir / "out");
        r.format = QStringLiteral("png");
        r.steps = {{FindEffect("contrast"), {150}}, {FindEffect("blur"), {}}};
        r.jobs = jobs;
        return r;
    }

    test::TempDir dir;
    QStringList sources;
};

TEST_F(BatchConversionTest, ParallelAndOneByOneWriteTheSameBytes)
{
    BatchConversion::Run(request(1));
    std::vector<std::string> serial;
    for (int i = 0; i < 6; ++i)
        serial.push_back(test::readFile(dir / "out" / ("p" + std::to_string(i) + ".png")));
    std::filesystem::remove_all(dir / "out");
    std::filesystem::create_directories(dir / "out");
    const auto outcomes = BatchConversion::Run(request(4));
    for (int i = 0; i < 6; ++i) {
        EXPECT_TRUE(outcomes[static_cast<std::size_t>(i)].written);
        EXPECT_FALSE(serial[static_cast<std::size_t>(i)].empty());
        EXPECT_EQ(test::readFile(dir / "out" / ("p" + std::to_string(i) + ".png")),
                  serial[static_cast<std::size_t>(i)]);
    }
}

TEST_F(BatchConversionTest, CollidingTargetsEndWithTheLaterRow)
{
    const auto twin = dir / "in" / "other" / "p0.png";
    ASSERT_TRUE(WriteImage(Image(7, 9, 0xff0000ffu), str(twin), QStringLiteral("png"), nullptr));
    ConversionRequest r = request(4);
    r.steps.clear();
    r.sources.append(str(twin)); // the same target as row 0, later in the list
    BatchConversion::Run(r);
    QString error;
    const Image result = ReadImage(str(dir / "out" / "p0.png"), &error);
    EXPECT_EQ(result.width(), 7);
}

TEST_F(BatchConversionTest, FailuresAreReportedPerFileAndDoNotStopTheOthers)
{
    test::writeFile(dir / "in" / "broken.jpg", "not a picture at all");
    ConversionRequest r = request(2);
    r.sources.insert(2, str(dir / "in" / "broken.jpg"));
    r.sources.append(str(dir / "in" / "missing.png"));
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
        request(1),
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
    test::writeFile(dir / "in" / "broken.png", "\x89PNG\r\n\x1a\nbroken");
    const std::string tool = LUMASKIN_CONVERT_PATH;
    const std::string out = (dir / "out").string();
    EXPECT_EQ(test::runCommand("'" + tool + "' -f jpg -o '" + out +
                                   "' --effect invertcolor in/p0.png in/p1.png 2>/dev/null",
                               dir.path()),
              0);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p1.jpg"));
    EXPECT_EQ(
        test::runCommand("'" + tool + "' -f png -o '" + out + "' in/p2.png in/broken.png 2>err.txt",
                         dir.path()),
        1);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p2.png"));
    const std::string err = test::readFile(dir / "err.txt");
    EXPECT_NE(err.find("broken.png"), std::string::npos);
    EXPECT_EQ(test::runCommand("'" + tool + "' -f png -o '" + out + "/none' in/p2.png 2>/dev/null",
                               dir.path()),
              2);
}

// Names on the command line are bytes: one that is not UTF-8 converts to a target of the
// same bytes, and a line break in a name stays inside its quoted name in the report.
TEST_F(BatchConversionTest, CommandLineNamesAreBytesAndQuoted)
{
    std::filesystem::copy_file(dir / "in" / "p0.png", dir.path().string() + "/in/caf\xE9.png");
    test::writeFile(dir / "in" / "two\nlumaskin-convert: forged.png", "not a picture");
    const std::string tool = LUMASKIN_CONVERT_PATH;
    const std::string out = (dir / "out").string();
    EXPECT_EQ(test::runCommand("'" + tool + "' -f bmp -o '" + out + "' in/caf\xE9.png 'in/two\n" +
                                   "lumaskin-convert: forged.png' 2>err.txt",
                               dir.path()),
              1);
    EXPECT_TRUE(std::filesystem::exists(dir.path().string() + "/out/caf\xE9.bmp"));
    // Qt may add a line of its own about the environment; the tool's lines are these two.
    std::istringstream err(test::readFile(dir / "err.txt"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(err, line);)
        if (line.starts_with("lumaskin-convert:"))
            lines.push_back(line);
    EXPECT_EQ(lines, (std::vector<std::string>{
                         "lumaskin-convert: \"in/two\\nlumaskin-convert: forged.png\": not a "
                         "picture Lumaskin can read",
                         "lumaskin-convert: 1 of 2 file(s) failed"}));
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
    EXPECT_EQ(test::runCommand("ulimit -v 1500000 && '" + tool + "' -f png -o '" + out +
                                   "' in/p0.png 2>/dev/null",
                               dir.path()),
              0);
    EXPECT_TRUE(std::filesystem::exists(dir / "out" / "p0.png"));
#endif
}

} // namespace
} // namespace lumaskin
