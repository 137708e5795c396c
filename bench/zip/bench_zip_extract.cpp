// Extraction speed of ZipArchive against Info-ZIP unzip on the same ~100 MB archive of mixed
// stored and deflated entries. The archive is made once with zip and kept in the work folder.
//
//   bench_zip_extract [work folder] [runs] [output folder]
//
// The output folder (default: the work folder) holds the extracted trees; put it on a tmpfs
// such as /dev/shm to time the reader without the disk.
// Prints the median and best wall time of each, the median processor time (user + system,
// steadier on a busy machine), and the ratios ZipArchive / unzip (below 1 is faster).
#include "zip/zip_archive.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <sys/resource.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

constexpr const char *kStamp = "mixed-v2";

int Run(const std::string &command)
{
    const int status = std::system(command.c_str());
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void WriteFile(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Text that deflates like real text (about 3-4 : 1), and noise that does not deflate at all.
std::string Text(std::size_t size, std::mt19937 &random)
{
    static const char *const kWords[] = {
        "skin",   "button", "slider", "bitmap", "colour", "label", "window",  "region",
        "x=",     "y=",     "width",  "height", "normal", "hover", "pressed", "disabled",
        "[Main]", "\n",     "Font=",  "Arial",  "0x",     ", ",    "true",    "false"};
    std::string out;
    out.reserve(size + 32);
    while (out.size() < size) {
        out += kWords[random() % std::size(kWords)];
        if (random() % 3 == 0)
            out += std::to_string(random() % 100000);
        out += ' ';
    }
    out.resize(size);
    return out;
}

std::string Noise(std::size_t size, std::mt19937 &random)
{
    std::string out(size, '\0');
    for (std::size_t i = 0; i + 4 <= size; i += 4) {
        const std::uint32_t value = random();
        std::memcpy(out.data() + i, &value, 4);
    }
    return out;
}

// Builds the archive unless the work folder already has the current one.
fs::path PrepareArchive(const fs::path &work)
{
    const fs::path archive = work / "bench.zip";
    const fs::path stamp = work / "bench.stamp";
    if (fs::exists(archive) && fs::exists(stamp)) {
        std::ifstream in(stamp);
        std::string text;
        std::getline(in, text);
        if (text == kStamp)
            return archive;
    }
    std::printf("building the benchmark archive in %s ...\n", work.c_str());
    const fs::path source = work / "source";
    fs::remove_all(source);
    fs::remove(archive);
    std::mt19937 random(20240611);
    // Several entry sizes: many small files as in a skin, a few large ones.
    const struct
    {
        std::size_t size;
        int count;
    } kinds[] = {{2 * 1024, 400}, {48 * 1024, 300}, {700 * 1024, 60}, {5 << 20, 12}, {19 << 20, 4}};
    std::size_t total = 0;
    int n = 0;
    for (const auto &kind : kinds) {
        for (int i = 0; i < kind.count; ++i, ++n) {
            // Every third file is noise, which zip stores (-n .bin), the rest is deflated text.
            const bool noise = n % 3 == 0;
            const fs::path folder =
                source / ("folder" + std::to_string(n % 7)) / ("sub" + std::to_string(n % 3));
            fs::create_directories(folder);
            const std::size_t size = kind.size + random() % 1000;
            WriteFile(folder / ("file" + std::to_string(n) + (noise ? ".bin" : ".txt")),
                      noise ? Noise(size, random) : Text(size, random));
            total += size;
        }
    }
    if (Run("cd '" + source.string() + "' && zip -q -r -n .bin ../bench.zip .") != 0) {
        std::fprintf(stderr, "zip failed\n");
        std::exit(1);
    }
    fs::remove_all(source);
    std::ofstream(stamp) << kStamp << '\n';
    std::printf("%d files, %.1f MB of data, archive %.1f MB\n", n, total / 1e6,
                fs::file_size(archive) / 1e6);
    return archive;
}

double Seconds(std::chrono::steady_clock::duration duration)
{
    return std::chrono::duration<double>(duration).count();
}

struct Timing
{
    double wall = 0;
    double cpu = 0;
};

double CpuSeconds(int who)
{
    rusage usage{};
    getrusage(who, &usage);
    return usage.ru_utime.tv_sec + usage.ru_utime.tv_usec / 1e6 + usage.ru_stime.tv_sec +
           usage.ru_stime.tv_usec / 1e6;
}

Timing ExtractWithZipArchive(const fs::path &archivePath, const fs::path &folder)
{
    const double cpu = CpuSeconds(RUSAGE_SELF);
    const auto start = std::chrono::steady_clock::now();
    lumaskin::ZipArchive archive; // the skin engine's sequence of calls
    archive.Close(true);
    archive.Open(archivePath.string(), 0, 0);
    const int count = archive.GetEntryCount();
    for (int i = 0; i < count; ++i)
        archive.ExtractEntry(static_cast<std::uint16_t>(i), folder.string(), true, std::nullopt,
                             65535);
    archive.Close(true);
    return {Seconds(std::chrono::steady_clock::now() - start), CpuSeconds(RUSAGE_SELF) - cpu};
}

Timing ExtractWithUnzip(const fs::path &archivePath, const fs::path &folder)
{
    const double cpu = CpuSeconds(RUSAGE_CHILDREN);
    const auto start = std::chrono::steady_clock::now();
    if (Run("unzip -qo '" + archivePath.string() + "' -d '" + folder.string() + "'") != 0) {
        std::fprintf(stderr, "unzip failed\n");
        std::exit(1);
    }
    return {Seconds(std::chrono::steady_clock::now() - start), CpuSeconds(RUSAGE_CHILDREN) - cpu};
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

} // namespace

int main(int argc, char **argv)
{
    const fs::path work = argc > 1 ? fs::path(argv[1]) : fs::current_path() / "zip-bench";
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 5;
    const fs::path output = argc > 3 ? fs::path(argv[3]) : work;
    if (Run("command -v zip >/dev/null && command -v unzip >/dev/null") != 0) {
        std::fprintf(stderr, "zip and unzip are needed\n");
        return 1;
    }
    fs::create_directories(work);
    const fs::path archive = PrepareArchive(work);

    std::vector<Timing> ours;
    std::vector<Timing> theirs;
    // Warm the page cache so that both read the archive from memory.
    fs::create_directories(output);
    ExtractWithUnzip(archive, output / "warm");
    fs::remove_all(output / "warm");
    for (int run = 0; run < runs; ++run) {
        // Fresh folders every time; removing them is not timed.
        const fs::path a = output / "out-ziparchive";
        const fs::path b = output / "out-unzip";
        fs::remove_all(a);
        fs::remove_all(b);
        Run("sync");
        if (run % 2 == 0) {
            ours.push_back(ExtractWithZipArchive(archive, a));
            theirs.push_back(ExtractWithUnzip(archive, b));
        } else {
            theirs.push_back(ExtractWithUnzip(archive, b));
            ours.push_back(ExtractWithZipArchive(archive, a));
        }
        std::printf("run %d: ZipArchive %.3f s (cpu %.3f s), unzip %.3f s (cpu %.3f s)\n", run + 1,
                    ours.back().wall, ours.back().cpu, theirs.back().wall, theirs.back().cpu);
    }
    fs::remove_all(output / "out-ziparchive");
    fs::remove_all(output / "out-unzip");

    auto summary = [](const std::vector<Timing> &timings) {
        std::vector<double> wall, cpu;
        for (const Timing &t : timings) {
            wall.push_back(t.wall);
            cpu.push_back(t.cpu);
        }
        return std::array<double, 3>{Median(wall), *std::min_element(wall.begin(), wall.end()),
                                     Median(cpu)};
    };
    const auto a = summary(ours);
    const auto b = summary(theirs);
    std::printf("ZipArchive: median %.3f s, best %.3f s, median cpu %.3f s\n", a[0], a[1], a[2]);
    std::printf("unzip -qo:  median %.3f s, best %.3f s, median cpu %.3f s\n", b[0], b[1], b[2]);
    std::printf("ratio ZipArchive / unzip: median %.2f, best %.2f, cpu %.2f\n", a[0] / b[0],
                a[1] / b[1], a[2] / b[2]);
    return 0;
}
