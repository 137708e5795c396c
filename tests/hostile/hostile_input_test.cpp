// Hostile input and faults, each case in a child process under limits of address space,
// processor time and wall time, as an attacker would try the program: full disks, links in
// the output folder, oversized and quadratic skins, endless PDFs, shapes that break the
// display connection, a thousand jobs, killed conversions, corrupt pictures, pipes named like
// skins, and names that are not text. The peak memory and time of every case are printed at
// the end; the bounds are what the program needs with room to spare, not timings.
#include "engine/image_io.h"
#include "tests/hostile/bounded_child.h"
#include "tests/support/hostile_files.h"
#include "tests/support/temp_dir.h"

#include <QString>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <lcms2.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <zlib.h>

namespace lumaskin::test {
namespace {

namespace fs = std::filesystem;

const std::string kConvert = LUMASKIN_CONVERT_PATH;
const std::string kProbe = LUMASKIN_PROBE_PATH;
const std::string kShim = LUMASKIN_SHIM_PATH;

// Sanitizer builds need several times the memory; the bounds grow with them.
double MemoryBound(double megabytes)
{
    return Sanitized() ? megabytes * 4 : megabytes;
}

QString Q(const fs::path &path)
{
    return QString::fromStdString(path.string());
}

// A picture of noise, so that encoders see real detail.
void WritePicture(const fs::path &path, const char *format, int width, int height,
                  unsigned seed = 1)
{
    Image image(width, height);
    unsigned state = seed;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *pixel = image.Pixel(x, y);
            for (int c = 0; c < 3; ++c) {
                state = state * 1664525u + 1013904223u;
                pixel[c] = static_cast<std::uint8_t>(((state >> 24) + x + y * c) & 0xFF);
            }
            pixel[3] = 255;
        }
    QString error;
    ASSERT_TRUE(WriteImage(image, Q(path), format, &error)) << error.toStdString();
}

std::size_t CountEntries(const fs::path &folder, const std::string &prefix = {})
{
    std::size_t count = 0;
    std::error_code error;
    for (const auto &entry : fs::directory_iterator(folder, error))
        if (entry.path().filename().string().starts_with(prefix))
            ++count;
    return count;
}

// --- Skin packages built byte by byte -------------------------------------------------------

struct ZipEntry
{
    std::string name;
    std::string stored; // the bytes in the archive
    std::uint32_t crc = 0;
    std::uint64_t size = 0; // once extracted
    std::uint16_t method = 8;
};

// `bytes` (at most 8) little-endian bytes of `value`.
void Append(std::string &out, std::uint64_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> (8 * i) & 0xFF);
}

std::string ZipOf(const std::vector<ZipEntry> &entries)
{
    std::string body, directory;
    for (const ZipEntry &e : entries) {
        const std::size_t offset = body.size();
        for (std::string *part : {&body, &directory}) {
            const bool central = part == &directory;
            Append(*part, central ? 0x02014B50 : 0x04034B50, 4);
            if (central)
                Append(*part, 20, 2);
            Append(*part, 20, 2);
            Append(*part, 0, 2);
            Append(*part, e.method, 2);
            Append(*part, 0, 4); // time and date
            Append(*part, e.crc, 4);
            Append(*part, e.stored.size(), 4);
            // 4 GB and more: the size in a Zip64 field.
            const bool zip64 = e.size >= 0xFFFFFFFF;
            Append(*part, zip64 ? 0xFFFFFFFF : e.size, 4);
            Append(*part, e.name.size(), 2);
            Append(*part, zip64 ? 12 : 0, 2);
            if (central) {
                Append(*part, 0, 6); // comment length, disk, internal attributes
                Append(*part, 0, 4); // external attributes
                Append(*part, offset, 4);
            }
            *part += e.name;
            if (zip64) {
                Append(*part, 0x0001, 2);
                Append(*part, 8, 2);
                Append(*part, e.size, 8);
            }
        }
        body += e.stored;
    }
    std::string zip = body + directory;
    Append(zip, 0x06054B50, 4);
    Append(zip, 0, 4);
    Append(zip, entries.size(), 2);
    Append(zip, entries.size(), 2);
    Append(zip, directory.size(), 4);
    Append(zip, body.size(), 4);
    Append(zip, 0, 2);
    return zip;
}

// An entry of `count` copies of `text`, deflated piece by piece so that no copy of the whole
// is ever held.
ZipEntry Repeated(const std::string &name, const std::string &text, std::uint64_t count)
{
    ZipEntry entry{name, {}, 0, text.size() * count, 8};
    z_stream stream{};
    deflateInit2(&stream, 9, Z_DEFLATED, -MAX_WBITS, 9, Z_DEFAULT_STRATEGY);
    std::string chunk;
    while (chunk.size() < (1 << 20))
        chunk += text;
    const std::uint64_t perChunk = chunk.size() / text.size();
    std::string out(1 << 16, '\0');
    for (std::uint64_t left = count; left > 0 || stream.avail_in > 0;) {
        const std::uint64_t copies = std::min(left, perChunk);
        left -= copies;
        stream.next_in = reinterpret_cast<Bytef *>(chunk.data());
        stream.avail_in = static_cast<uInt>(copies * text.size());
        entry.crc = crc32(entry.crc, stream.next_in, stream.avail_in);
        const int flush = left == 0 ? Z_FINISH : Z_NO_FLUSH;
        int result = Z_OK;
        do {
            stream.next_out = reinterpret_cast<Bytef *>(out.data());
            stream.avail_out = static_cast<uInt>(out.size());
            result = deflate(&stream, flush);
            entry.stored.append(out.data(), out.size() - stream.avail_out);
        } while (stream.avail_out == 0 || (flush == Z_FINISH && result != Z_STREAM_END));
        if (left == 0)
            break;
    }
    deflateEnd(&stream);
    return entry;
}

ZipEntry Stored(const std::string &name, const std::string &bytes)
{
    return {name, bytes,
            static_cast<std::uint32_t>(crc32(0, reinterpret_cast<const Bytef *>(bytes.data()),
                                             static_cast<uInt>(bytes.size()))),
            bytes.size(), 0};
}

// `bytes` as zlib data.
std::string Deflated(std::string_view bytes)
{
    uLongf size = compressBound(static_cast<uLong>(bytes.size()));
    std::string packed(size, '\0');
    if (compress(reinterpret_cast<Bytef *>(packed.data()), &size,
                 reinterpret_cast<const Bytef *>(bytes.data()),
                 static_cast<uLong>(bytes.size())) != Z_OK)
        return {};
    packed.resize(size);
    return packed;
}

// `value` as four big-endian bytes.
std::string BigEndian(std::uint32_t value)
{
    return {static_cast<char>(value >> 24), static_cast<char>(value >> 16),
            static_cast<char>(value >> 8), static_cast<char>(value)};
}

// A PNG chunk: its length, `typeAndData` (the four letters of its type, then its data), its CRC.
std::string PngChunk(const std::string &typeAndData)
{
    return BigEndian(static_cast<std::uint32_t>(typeAndData.size() - 4)) + typeAndData +
           BigEndian(static_cast<std::uint32_t>(
               crc32(0, reinterpret_cast<const Bytef *>(typeAndData.data()),
                     static_cast<uInt>(typeAndData.size()))));
}

// Where a chunk goes after the signature and the header chunk of a PNG.
constexpr std::size_t kAfterPngHeader = 8 + 25;

ChildLimits Limits(long long addressSpaceMb, int cpuSeconds, int wallSeconds)
{
    ChildLimits limits;
    limits.addressSpaceMb = addressSpaceMb;
    limits.cpuSeconds = cpuSeconds;
    limits.wallSeconds = wallSeconds;
    return limits;
}

const std::string kButtonBitmap = CheckerboardBmp(16, 16, 4);

ChildRun RunProbe(const std::vector<std::string> &arguments, const fs::path &scratch,
                  std::map<std::string, std::string> environment = {}, ChildLimits limits = {})
{
    std::vector<std::string> argv{kProbe};
    argv.insert(argv.end(), arguments.begin(), arguments.end());
    environment.emplace("TMPDIR", scratch.string());
    return RunBounded(argv, environment, {}, limits);
}

// --- The cases -----------------------------------------------------------------------------

// A nearly full disk: the old target stays whole, the status says the conversion failed and
// the reason says why; a JPEG written as it is made as well as a picture written whole. On a
// small tmpfs of its own where the system allows the mount, else with writes failing as on a
// full disk.
TEST(Hostile, FullDiskKeepsTheOldFileAndSaysSo)
{
    for (const std::string format : {"png", "jpg"}) {
        SCOPED_TRACE(format);
        TempDir dir;
        const std::string name = "photo." + format;
        WritePicture(dir / name, format.c_str(), 400, 300);
        const fs::path out = dir / "out";
        fs::create_directory(out);
        const std::string script = "'" + kConvert + "' -f " + format + " -o '" + out.string() +
                                   "' '" + (dir / name).string() +
                                   "'; echo \"status=$?\"; echo \"old=$(cat '" + out.string() +
                                   "/" + name + "')\"; ls -A '" + out.string() + "'";
        const std::string outPath = out.string();
        ChildRun run =
            RunBounded({"/bin/sh", "-c", script}, {}, {}, {}, [&outPath, &name]() -> int {
                if (unshare(CLONE_NEWNS) != 0 ||
                    mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) ||
                    mount("tmpfs", outPath.c_str(), "tmpfs", 0, "size=64k") != 0)
                    return errno;
                const int old = open((outPath + "/" + name).c_str(), O_WRONLY | O_CREAT, 0644);
                const int filler = open((outPath + "/filler").c_str(), O_WRONLY | O_CREAT, 0644);
                if (write(old, "the old picture", 15) != 15)
                    return EIO;
                char block[4096] = {};
                while (write(filler, block, sizeof block) > 0) {
                }
                close(old);
                close(filler);
                return 0;
            });
        std::string how = "tmpfs";
        if (run.exitStatus == 125) {
            // No mount here: writes into the folder fail once a little has been written.
            how = "write-failure shim";
            WriteFile(out / name, "the old picture");
            run = RunBounded({"/bin/sh", "-c", script},
                             {{"LD_PRELOAD", kShim},
                              {"LUMASKIN_FULL_FOLDER", out.string()},
                              {"LUMASKIN_FULL_BYTES", "2000"},
                              {"ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0"}},
                             {}, {});
        }
        RecordFigures("full disk, " + format + " (" + how + ")", run);
        EXPECT_EQ(run.exitStatus, 0) << run.errors;
        EXPECT_NE(run.output.find("status=1\n"), std::string::npos) << run.output;
        EXPECT_NE(run.output.find("old=the old picture\n"), std::string::npos) << run.output;
        EXPECT_EQ(run.output.find(".lumaskin-"), std::string::npos) << run.output;
        EXPECT_NE(run.errors.find("the file cannot be written (the disk is full)"),
                  std::string::npos)
            << run.errors;
        EXPECT_EQ(run.errors.find("nknown error"), std::string::npos) << run.errors;
        EXPECT_LT(run.peakMb, MemoryBound(150));
    }
}

// Two runs into one folder, each with 300 pictures of the same names, keeping what exists:
// no result replaces another. And a run killed as its file's data is complete leaves nothing in
// the output folder.
TEST(Hostile, RacingRunsKeepEveryFileAndKilledWritesLeaveNothing)
{
    TempDir dir;
    for (const char *side : {"a", "b"}) {
        fs::create_directory(dir / side);
        for (int i = 0; i < 300; ++i)
            WritePicture(dir / side / ("p" + std::to_string(i) + ".png"), "png", 8, 8, i + 1);
    }
    fs::create_directory(dir / "out");
    const std::string run = "'" + kConvert + "' -f bmp --if-exists=%s -o out %s/*.png 2>%s.err";
    for (const char *policy : {"rename", "skip"}) {
        char both[1024];
        std::snprintf(
            both, sizeof both,
            ("{ (" + run + "; echo $? > a.status) & (" + run + "; echo $? > b.status) & wait; }")
                .c_str(),
            policy, "a", "a", policy, "b", "b");
        ASSERT_EQ(RunCommand(both, dir.Path()), 0);
        EXPECT_EQ(ReadFile(dir / "a.status"), "0\n") << ReadFile(dir / "a.err");
        EXPECT_EQ(ReadFile(dir / "b.status"), "0\n") << ReadFile(dir / "b.err");
        // Renaming keeps all 600; skipping keeps 300, whichever run wrote each.
        EXPECT_EQ(CountEntries(dir / "out"), std::string(policy) == "rename" ? 600u : 300u)
            << policy;
        fs::remove_all(dir / "out");
        fs::create_directory(dir / "out");
    }

    WritePicture(dir / "photo.png", "png", 400, 300);
    const ChildRun killed =
        RunBounded({kConvert, "-f", "bmp", "-o", (dir / "out").string(), "photo.png"},
                   {{"LD_PRELOAD", kShim},
                    {"LUMASKIN_FULL_FOLDER", (dir / "out").string()},
                    {"LUMASKIN_FULL_BYTES", "1000000000"},
                    {"LUMASKIN_KILL_AT_SYNC", "1"},
                    {"ASAN_OPTIONS", "verify_asan_link_order=0:detect_leaks=0"}},
                   dir.Path(), {});
    RecordFigures("conversion killed as its file is flushed", killed);
    EXPECT_EQ(killed.signal, SIGKILL) << killed.errors;
    EXPECT_EQ(CountEntries(dir / "out"), 0u);
}

// Links named like targets, dangling or not, and a name at the length limit.
TEST(Hostile, LinksInTheOutputFolderAreReplacedNotFollowed)
{
    TempDir dir;
    const std::string longest(251, 'n');
    WritePicture(dir / "a.png", "png", 32, 32);
    WritePicture(dir / "b.png", "png", 32, 32);
    WritePicture(dir / (longest + ".png"), "png", 32, 32);
    fs::create_directory(dir / "out");
    WriteFile(dir / "victim.bmp", "someone else's file");
    fs::create_symlink(dir / "victim.bmp", dir / "out" / "a.bmp");
    fs::create_symlink(dir / "made-through-a-link.bmp", dir / "out" / "b.bmp");
    WriteFile(dir / "out" / (longest + ".bmp"), "old");
    const ChildRun run = RunBounded(
        {kConvert, "-f", "bmp", "-o", (dir / "out").string(), "a.png", "b.png", longest + ".png"},
        {}, dir.Path(), {});
    RecordFigures("links at target names, 255-byte target", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(ReadFile(dir / "victim.bmp"), "someone else's file");
    EXPECT_FALSE(fs::exists(dir / "made-through-a-link.bmp"));
    for (const std::string &name : std::vector<std::string>{"a.bmp", "b.bmp", longest + ".bmp"}) {
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(dir / "out" / name))) << name;
        EXPECT_EQ(ReadFile(dir / "out" / name).substr(0, 2), "BM") << name;
    }
    EXPECT_EQ(CountEntries(dir / "out"), 3u);
    EXPECT_LT(run.peakMb, MemoryBound(150));
}

// 200 MB of empty lines as Skin.ini: refused from what the archive declares, before anything
// is extracted.
TEST(Hostile, SkinIniOfEmptyLinesIsRefusedUpFront)
{
    TempDir dir, scratch;
    WriteFile(dir / "Purple.skn", ZipOf({Repeated("Skin.ini", "\n", std::uint64_t{200} << 20),
                                         Stored("dlgTaskNotifier.bmp", kButtonBitmap)}));
    const ChildRun run = RunProbe({"skin", dir.Path().string()}, scratch.Path());
    RecordFigures("Skin.ini of 200 MB of empty lines", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_NE(run.output.find("message: The Skin.ini of this skin package is 204800 KB; it may be "
                              "at most 1024 KB."),
              std::string::npos)
        << run.output;
    EXPECT_EQ(CountEntries(scratch.Path(), "lumaskin-skin-"), 0u);
    EXPECT_LT(run.peakMb, MemoryBound(200));
}

// A megabyte of keys: parsed in one pass, and at most 1024 controls of a kind.
TEST(Hostile, SkinIniOfManyKeysLoadsInLinearTime)
{
    TempDir dir, scratch;
    std::string ini = "[Screen]\nMain=back.bmp\n[BUTTONINFO]\n";
    for (int k = 1; k <= 2000; ++k)
        ini += std::to_string(k) + "=B" + std::to_string(k) + ",b.bmp,0,0,16,4,tip,F\n";
    for (int k = 0; ini.size() < (1 << 20) - 64; ++k)
        ini += "k" + std::to_string(k) + "=\n";
    WriteFile(dir / "Purple.skn",
              ZipOf({Stored("Skin.ini", ini), Stored("back.bmp", CheckerboardBmp(64, 64, 64)),
                     Stored("b.bmp", kButtonBitmap)}));
    const ChildRun run = RunProbe({"skin", dir.Path().string()}, scratch.Path());
    RecordFigures("Skin.ini of 1 MB of keys", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_NE(run.output.find("start: buttons 1024,"), std::string::npos) << run.output;
    EXPECT_LT(run.peakMb, MemoryBound(400));
}

// A package that unpacks to 300 MB, one declaring a 5 GB entry in a Zip64 field, and one of
// 3000 files: refused before extraction, with their figures.
TEST(Hostile, ZipBombAndFileFloodAreRefused)
{
    TempDir dir, flood, scratch;
    WriteFile(dir / "Purple.skn",
              ZipOf({Stored("Skin.ini", "[Screen]\nMain=back.bmp\n"),
                     Repeated("back.bmp", std::string(1024, '\0'), 300 * 1024)}));
    std::vector<ZipEntry> many;
    for (int i = 0; i < 3000; ++i)
        many.push_back(Stored("f" + std::to_string(i) + ".bmp", "x"));
    WriteFile(flood / "Purple.skn", ZipOf(many));
    TempDir huge;
    WriteFile(huge / "Purple.skn", ZipOf({Stored("Skin.ini", "[Screen]\nMain=back.bmp\n"),
                                          {"back.bmp", "x", 0, std::uint64_t{5} << 30, 0}}));
    const ChildRun bomb = RunProbe({"skin", dir.Path().string()}, scratch.Path());
    const ChildRun files = RunProbe({"skin", flood.Path().string()}, scratch.Path());
    const ChildRun declared = RunProbe({"skin", huge.Path().string()}, scratch.Path());
    EXPECT_NE(declared.output.find("message: This skin package unpacks to 5121 MB; a skin may "
                                   "take at most 256 MB."),
              std::string::npos)
        << declared.output;
    RecordFigures("package unpacking to 300 MB", bomb);
    RecordFigures("package of 3000 files", files);
    EXPECT_NE(bomb.output.find("message: This skin package unpacks to 301 MB; a skin may take at "
                               "most 256 MB."),
              std::string::npos)
        << bomb.output;
    EXPECT_NE(files.output.find("message: This skin package holds 3000 files; a skin may hold at "
                                "most 2048."),
              std::string::npos)
        << files.output;
    EXPECT_EQ(CountEntries(scratch.Path(), "lumaskin-skin-"), 0u);
    for (const ChildRun *run : {&bomb, &files}) {
        EXPECT_EQ(run->exitStatus, 0) << run->errors;
        EXPECT_LT(run->peakMb, MemoryBound(150));
    }
}

// A few kilobytes of forms drawing forms would draw for hours; the page's time budget ends it.
TEST(Hostile, PdfOfNestedFormsStopsAtItsBudget)
{
    TempDir dir, scratch;
    WriteFile(dir / "forms.pdf", NestedFormsPdf(12));
    const ChildRun run = RunProbe({"read", (dir / "forms.pdf").string(), "3"}, scratch.Path());
    RecordFigures("PDF of nested forms (3 s budget)", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "failed: the PDF page takes too long to draw (more than 3 seconds)\n");
    EXPECT_LT(run.peakMb, MemoryBound(200));
}

// 150 bytes of SVG whose filter would take minutes and a gigabyte: drawn in a helper process
// that is ended at the budget.
TEST(Hostile, SvgFilterStopsAtItsBudget)
{
    TempDir dir, scratch;
    WriteFile(dir / "slow.svg",
              "<svg xmlns='http://www.w3.org/2000/svg' width='8000' height='8000'><filter id='f'>"
              "<feMorphology radius='1000'/></filter><rect width='8000' height='8000' "
              "filter='url(#f)'/></svg>");
    const ChildRun run = RunProbe({"read", (dir / "slow.svg").string(), "3"}, scratch.Path(), {},
                                  Limits(4096, 20, 20));
    RecordFigures("SVG of a huge morphology filter (3 s budget)", run);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(run.output, "failed: the SVG drawing takes too long to draw (more than 3 seconds)\n");
    EXPECT_LT(run.wallSeconds, 8);
}

// Starts Xvfb on a display it chooses; empty when there is none to start.
struct PrivateDisplay
{
    PrivateDisplay()
    {
        if (access("/usr/bin/Xvfb", X_OK) != 0)
            return;
        int fds[2];
        if (pipe(fds) != 0)
            return;
        server = fork();
        if (server == 0) {
            setsid();
            const int null = open("/dev/null", O_RDWR);
            dup2(null, 1);
            dup2(null, 2);
            const std::string fd = std::to_string(fds[1]);
            execl("/usr/bin/Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                  "-nolisten", "tcp", nullptr);
            _exit(127);
        }
        close(fds[1]);
        char buffer[32] = {};
        std::string text;
        for (ssize_t n;
             text.find('\n') == std::string::npos && (n = read(fds[0], buffer, sizeof buffer)) > 0;)
            text.append(buffer, static_cast<std::size_t>(n));
        close(fds[0]);
        if (!text.empty() && text.back() == '\n')
            display = ":" + text.substr(0, text.size() - 1);
    }
    ~PrivateDisplay()
    {
        if (server > 0) {
            kill(server, SIGTERM);
            waitpid(server, nullptr, 0);
        }
    }
    pid_t server = -1;
    std::string display;
};

// A 2800 x 2800 checkerboard of the key colour as background, at start-up and again from the
// skin menu: on an X server the shape once broke the connection and ended the program.
TEST(Hostile, FinePatternShapeKeepsTheProgramAlive)
{
    TempDir dir, scratch;
    const std::string ini = "[Screen]\nMain=back.bmp\n[COLOR]\nTRANSPARENT=0xFF00FF\n"
                            "[BUTTONINFO]\n1=BUTTON_EXIT,b.bmp,10,10,26,14,Exit,F\n";
    const std::string board = CheckerboardBmp(2800, 2800);
    for (const char *name : {"Purple.skn", "Orange.zip"})
        WriteFile(dir / name, ZipOf({Stored("Skin.ini", ini), Stored("back.bmp", board),
                                     Stored("b.bmp", kButtonBitmap)}));
    PrivateDisplay x;
    std::map<std::string, std::string> environment;
    if (!x.display.empty())
        environment = {{"QT_QPA_PLATFORM", "xcb"}, {"DISPLAY", x.display}};
    const ChildRun run =
        RunProbe({"skin", dir.Path().string(), "change"}, scratch.Path(), environment);
    RecordFigures(x.display.empty() ? "2800 x 2800 checkerboard shape (offscreen)"
                                    : "2800 x 2800 checkerboard shape (Xvfb)",
                  run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    for (const char *when : {"start", "changed"}) {
        const auto at = run.output.find(std::string(when) + ": buttons 1, labels 0, shape rects ");
        ASSERT_NE(at, std::string::npos) << run.output;
        const int rects = std::atoi(run.output.c_str() + run.output.find("rects ", at) + 6);
        EXPECT_GT(rects, 0);
        EXPECT_LE(rects, 16384) << when;
    }
    EXPECT_LT(run.peakMb, MemoryBound(700));
}

// A thousand jobs writing GIF: as many as the machine can run, each in little memory.
TEST(Hostile, ThousandGifJobsStayWithinTheMachine)
{
    TempDir dir;
    std::vector<std::string> argv{kConvert, "--jobs", "1000", "-f", "gif", "-o", "out"};
    for (int i = 0; i < 40; ++i) {
        WritePicture(dir / ("p" + std::to_string(i) + ".png"), "png", 64, 48, i + 1);
        argv.push_back("p" + std::to_string(i) + ".png");
    }
    fs::create_directory(dir / "out");
    const ChildRun run = RunBounded(argv, {}, dir.Path(), Limits(2048, 60, 90));
    RecordFigures("--jobs 1000, 40 small GIFs", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_EQ(CountEntries(dir / "out"), 40u);
    EXPECT_LT(run.peakMb, MemoryBound(150));
}

// ImageMagick's pixel files of a conversion ended by SIGTERM go with it; those of one killed
// outright go at the next start.
TEST(Hostile, EndedConversionsLeaveNoPixelFiles)
{
    TempDir dir, scratch;
    WritePicture(dir / "big.tga", "tga", 2500, 2000);
    std::vector<std::string> argv{kConvert, "-f", "png", "-o", dir.Path().string()};
    for (int i = 0; i < 4; ++i)
        argv.push_back((dir / "big.tga").string());
    // A small memory limit sends the pixels to files.
    const std::map<std::string, std::string> environment = {{"TMPDIR", scratch.Path().string()},
                                                            {"MAGICK_MEMORY_LIMIT", "1MiB"}};
    const auto pixelFileSeen = [&] {
        std::error_code error;
        for (const auto &folder : fs::directory_iterator(scratch.Path(), error))
            if (folder.path().filename().string().starts_with("lumaskin-scratch-") &&
                CountEntries(folder.path(), "magick-") > 0)
                return true;
        return false;
    };
    for (const int signal : {SIGTERM, SIGKILL}) {
        ChildLimits limits;
        limits.stopWhen = pixelFileSeen;
        limits.stopSignal = signal;
        const ChildRun run = RunBounded(argv, environment, {}, limits);
        RecordFigures(
            signal == SIGTERM ? "conversion ended by SIGTERM" : "conversion ended by SIGKILL", run);
        EXPECT_EQ(run.signal, signal) << run.errors;
        EXPECT_EQ(CountEntries(scratch.Path(), "lumaskin-scratch-"), signal == SIGTERM ? 0u : 1u);
    }
    // The next run clears what the killed one left, though it needs no ImageMagick itself.
    WritePicture(dir / "small.png", "png", 8, 8);
    const ChildRun next =
        RunBounded({kConvert, "-f", "jpg", "-o", dir.Path().string(), (dir / "small.png").string()},
                   environment, {}, {});
    EXPECT_EQ(next.exitStatus, 0) << next.errors;
    EXPECT_EQ(CountEntries(scratch.Path(), "lumaskin-scratch-"), 0u);
}

// A cut CMYK JPEG (decoded by ImageMagick) is refused rather than shown with grey rows.
TEST(Hostile, TruncatedCmykJpegIsRefused)
{
    TempDir dir;
    WritePicture(dir / "photo.png", "png", 300, 200);
    if (RunCommand("convert-im6.q16 photo.png -colorspace CMYK cmyk.jpg 2>/dev/null", dir.Path()) !=
        0)
        GTEST_SKIP() << "convert-im6.q16 is needed to make a CMYK JPEG";
    const std::string whole = ReadFile(dir / "cmyk.jpg");
    WriteFile(dir / "cut.jpg", whole.substr(0, whole.size() * 6 / 10));
    const ChildRun run = RunBounded({kConvert, "-f", "png", "-o", dir.Path().string(), "cut.jpg"},
                                    {}, dir.Path(), {});
    RecordFigures("truncated CMYK JPEG", run);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.errors.find("\"cut.jpg\": the file is truncated"), std::string::npos)
        << run.errors;
    EXPECT_FALSE(fs::exists(dir / "cut.png"));
}

// A grey ICC profile on colour pixels does not describe them: the colours are kept.
TEST(Hostile, GreyProfileOnColourPixelsIsIgnored)
{
    TempDir dir;
    cmsToneCurve *gamma = cmsBuildGamma(nullptr, 2.2);
    cmsHPROFILE grey = cmsCreateGrayProfile(cmsD50_xyY(), gamma);
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(grey, nullptr, &size);
    QByteArray icc(static_cast<qsizetype>(size), '\0');
    cmsSaveProfileToMem(grey, icc.data(), &size);
    cmsCloseProfile(grey);
    cmsFreeToneCurve(gamma);

    // The profile put into colour files by hand, as a careless editor does: a PNG iCCP chunk
    // and a JPEG APP2 segment.
    WritePicture(dir / "plain.png", "png", 64, 48);
    WritePicture(dir / "plain.jpg", "jpg", 64, 48);
    fs::create_directory(dir / "out");
    std::string png = ReadFile(dir / "plain.png");
    png.insert(kAfterPngHeader,
               PngChunk(std::string("iCCPgrey\0\0", 10) + Deflated(icc.toStdString())));
    WriteFile(dir / "tagged.png", png);
    const std::string segment = std::string("ICC_PROFILE\0\1\1", 14) + icc.toStdString();
    std::string jpeg = ReadFile(dir / "plain.jpg");
    jpeg.insert(2, "\xFF\xE2" +
                       BigEndian(static_cast<std::uint32_t>(segment.size() + 2)).substr(2) +
                       segment);
    WriteFile(dir / "tagged.jpg", jpeg);

    const ChildRun run = RunBounded(
        {kConvert, "-f", "bmp", "-o", (dir / "out").string(), "tagged.png", "tagged.jpg"}, {},
        dir.Path(), {});
    RecordFigures("grey profiles on colour pixels", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    // "tagged.bmp" and "tagged (2).bmp", both in colour.
    QString error;
    int colourful = 0;
    for (const auto &entry : fs::directory_iterator(dir / "out")) {
        const Image out = ReadImage(Q(entry.path()), &error);
        ASSERT_FALSE(out.IsNull()) << error.toStdString();
        for (int x = 0; x < out.Width(); ++x)
            if (const std::uint8_t *p = out.Pixel(x, 10); p[0] != p[1] || p[1] != p[2]) {
                ++colourful;
                break;
            }
    }
    EXPECT_EQ(colourful, 2);
    EXPECT_TRUE(ReadImage(Q(dir / "out" / "tagged.bmp"), &error).Metadata().icc.isEmpty());
}

// A PNG whose XMP inflates to 12 MB: the text is dropped, the picture converted.
TEST(Hostile, OversizedPngTextIsDroppedNotTheFile)
{
    TempDir dir;
    WritePicture(dir / "small.png", "png", 32, 32);
    std::string text = "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\">";
    while (text.size() < (12u << 20))
        text += "<a>1</a>";
    text += "</x:xmpmeta>";
    std::string png = ReadFile(dir / "small.png");
    png.insert(kAfterPngHeader,
               PngChunk(std::string("iTXtXML:com.adobe.xmp\0\1\0\0\0", 26) + Deflated(text)));
    WriteFile(dir / "xmp.png", png);
    const ChildRun run = RunBounded({kConvert, "-f", "jpg", "-o", dir.Path().string(), "xmp.png"},
                                    {}, dir.Path(), {});
    RecordFigures("PNG with 12 MB of XMP", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_TRUE(fs::exists(dir / "xmp.jpg"));
}

// A picture deeper than the longest path the system takes: said, not left out in silence.
TEST(Hostile, PicturesBeyondThePathLimitAreReported)
{
    TempDir dir;
    WritePicture(dir / "shallow.png", "png", 8, 8);
    const std::string picture = ReadFile(dir / "shallow.png");
    fs::create_directory(dir / "tree");
    int folder = open((dir / "tree").c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(folder, 0);
    const std::string name(200, 'd');
    for (int depth = 0; depth < 24; ++depth) { // 24 x 201 bytes: beyond 4096
        ASSERT_EQ(mkdirat(folder, name.c_str(), 0700), 0);
        const int inner = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
        close(folder);
        ASSERT_GE(inner, 0);
        folder = inner;
    }
    const int file = openat(folder, "deep.png", O_WRONLY | O_CREAT, 0600);
    ASSERT_GE(file, 0);
    ASSERT_EQ(write(file, picture.data(), picture.size()), static_cast<ssize_t>(picture.size()));
    close(file);
    close(folder);
    fs::copy_file(dir / "shallow.png", dir / "tree" / "shallow.png");
    fs::create_directory(dir / "out");
    const ChildRun run = RunBounded(
        {kConvert, "-r", "-f", "bmp", "-o", (dir / "out").string(), (dir / "tree").string()}, {},
        dir.Path(), {});
    RecordFigures("a picture beyond the path limit", run);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.errors.find("File name too long"), std::string::npos) << run.errors;
    EXPECT_TRUE(fs::exists(dir / "out" / "shallow.bmp"));
    // TempDir cannot remove what lies beyond the limit; the walk down does.
    RunCommand("rm -rf tree", dir.Path());
}

// JPEGs that would come out with grey rows or take minutes: a marker in the middle of the
// entropy-coded data, and a progressive file of 600 scans. Both refused, saying why.
TEST(Hostile, DamagedJpegsAreRefusedNotShownGrey)
{
    TempDir dir;
    WritePicture(dir / "photo.jpg", "jpg", 300, 200);
    const std::string whole = ReadFile(dir / "photo.jpg");
    const std::size_t scan = whole.rfind("\xFF\xDA");
    ASSERT_NE(scan, std::string::npos);
    std::string marked = whole;
    marked.replace((scan + whole.size()) / 2, 2, "\xFF\xD0");
    WriteFile(dir / "marked.jpg", marked);

    if (RunCommand("jpegtran -progressive -outfile progressive.jpg photo.jpg", dir.Path()) != 0)
        GTEST_SKIP() << "jpegtran is needed to make a progressive JPEG";
    // Its last scan again and again: each repeat only warns of an odd progression.
    const std::string progressive = ReadFile(dir / "progressive.jpg");
    const std::size_t last = progressive.rfind("\xFF\xDA");
    const std::size_t end = progressive.rfind("\xFF\xD9");
    ASSERT_TRUE(last != std::string::npos && end > last);
    std::string scans = progressive.substr(0, end);
    for (int i = 0; i < 600; ++i)
        scans += progressive.substr(last, end - last);
    WriteFile(dir / "scans.jpg", scans + "\xFF\xD9");

    const ChildRun run =
        RunBounded({kConvert, "-f", "png", "-o", dir.Path().string(), "marked.jpg", "scans.jpg"},
                   {}, dir.Path(), Limits(4096, 20, 30));
    RecordFigures("JPEG with a marker in its data; 600 scans", run);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_NE(run.errors.find("\"marked.jpg\": the JPEG picture is damaged"), std::string::npos)
        << run.errors;
    EXPECT_NE(run.errors.find("\"scans.jpg\": the JPEG picture has more than 500 scans"),
              std::string::npos)
        << run.errors;
    EXPECT_FALSE(fs::exists(dir / "marked.png"));
    EXPECT_FALSE(fs::exists(dir / "scans.png"));
}

// A valid 121-megapixel TGA, within Lumaskin's own limits, read through ImageMagick with two
// jobs: neither the system's ImageMagick policy nor the job count refuses it.
TEST(Hostile, LargePicturesReadThroughImageMagickWithinOwnLimits)
{
    TempDir dir;
    // Run-length coded: 128 pixels of one colour in four bytes.
    const int width = 11008, height = 11000;
    std::string tga(18, '\0');
    tga[2] = 10; // RLE true colour
    tga[12] = static_cast<char>(width & 0xFF);
    tga[13] = static_cast<char>(width >> 8);
    tga[14] = static_cast<char>(height & 0xFF);
    tga[15] = static_cast<char>(height >> 8);
    tga[16] = 24;
    const std::string packet = "\xFF\x30\x60\x90";
    std::string row;
    for (int x = 0; x < width; x += 128)
        row += packet;
    tga.reserve(tga.size() + row.size() * height);
    for (int y = 0; y < height; ++y)
        tga += row;
    WriteFile(dir / "large.tga", tga);
    WritePicture(dir / "small.png", "png", 16, 16);
    const ChildRun run = RunBounded(
        {kConvert, "-f", "jpg", "-j", "2", "-o", dir.Path().string(), "large.tga", "small.png"}, {},
        dir.Path(), Limits(0, 120, 180));
    RecordFigures("121-megapixel TGA through ImageMagick", run);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_TRUE(fs::exists(dir / "large.jpg"));
}

// A pipe named like the start-up skin is refused at once rather than waited on.
TEST(Hostile, PipeNamedLikeASkinDoesNotBlock)
{
    TempDir dir, scratch;
    ASSERT_EQ(mkfifo((dir / "Purple.skn").c_str(), 0600), 0);
    const ChildRun run =
        RunProbe({"skin", dir.Path().string()}, scratch.Path(), {}, Limits(4096, 20, 20));
    RecordFigures("FIFO named Purple.skn", run);
    EXPECT_FALSE(run.timedOut);
    EXPECT_EQ(run.exitStatus, 0) << run.errors;
    EXPECT_NE(run.output.find("message: Open failed"), std::string::npos) << run.output;
}

// Names that are not text, and libraries that would talk: a damaged metafile, a JPEG XL.
TEST(Hostile, NamesAreBytesAndLibrariesKeepQuiet)
{
    TempDir dir, scratch;
    WritePicture(dir / "cafe.png", "png", 16, 16);
    fs::rename(dir / "cafe.png", dir.Path().string() + "/caf\xE9.png");
    std::string metafile = ReadFile(SourceDir() / "tests/engine/codecs/corpus/magick/"
                                                  "rectangle.wmf");
    WriteFile(dir / "talkative.wmf", metafile.substr(0, 60));
    // libjxl names a decoder used against its rules on standard error.
    WritePicture(dir / "wide.png", "png", 600, 400);
    ASSERT_EQ(RunCommand("cjxl -q 90 wide.png wide.jxl >/dev/null 2>&1", dir.Path()), 0);
    const ChildRun run = RunBounded({kConvert, "-f", "bmp", "-j", "1", "-o", dir.Path().string(),
                                     "caf\xE9.png", "talkative.wmf", "wide.jxl"},
                                    {{"TMPDIR", scratch.Path().string()}}, dir.Path(), {});
    RecordFigures("non-UTF-8 name and a damaged metafile", run);
    EXPECT_EQ(run.exitStatus, 1);
    EXPECT_TRUE(fs::exists(dir.Path().string() + "/caf\xE9.bmp"));
    EXPECT_EQ(run.output, "");
    std::string ours;
    for (std::size_t at = 0; at < run.errors.size();) {
        const std::size_t end = run.errors.find('\n', at);
        const std::string line = run.errors.substr(at, end - at);
        if (!line.starts_with("QStandardPaths:"))
            ours += line + "\n";
        at = end == std::string::npos ? run.errors.size() : end + 1;
    }
    EXPECT_EQ(ours, "lumaskin-convert: \"talkative.wmf\": the WMF picture is damaged\n"
                    "lumaskin-convert: 2 written, 0 skipped, 0 renamed; 1 of 3 file(s) failed\n");
    EXPECT_TRUE(fs::exists(dir / "wide.bmp"));
}

// Pixels that go to files find the temporary folder full: said so, not "damaged".
TEST(Hostile, TemporaryFolderWithoutRoomIsSaidSo)
{
    TempDir dir, scratch;
    WritePicture(dir / "big.tga", "tga", 1500, 1000);
    const std::string tmp = (scratch / "small").string();
    fs::create_directory(tmp);
    const ChildRun full =
        RunBounded({kConvert, "-f", "png", "-o", dir.Path().string(), (dir / "big.tga").string()},
                   {{"TMPDIR", tmp}, {"MAGICK_MEMORY_LIMIT", "1MiB"}}, {}, {}, [&tmp]() -> int {
                       if (unshare(CLONE_NEWNS) != 0 ||
                           mount("none", "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
                           mount("tmpfs", tmp.c_str(), "tmpfs", 0, "size=256k") != 0)
                           return errno;
                       return 0;
                   });
    if (full.exitStatus == 125)
        GTEST_SKIP() << "no mount allowed here for a small temporary folder";
    RecordFigures("temporary folder without room", full);
    EXPECT_EQ(full.exitStatus, 1);
    EXPECT_NE(full.errors.find("there is not enough room in the temporary folder for the picture"),
              std::string::npos)
        << full.errors;
    EXPECT_LT(full.peakMb, MemoryBound(150));
}

} // namespace
} // namespace lumaskin::test
