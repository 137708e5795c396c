#include "tests/engine/codecs/codec_test_support.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace lumaskin::test {

namespace {

std::uint32_t Hash(std::uint32_t x)
{
    x ^= x >> 16;
    x *= 0x7feb352d;
    x ^= x >> 15;
    x *= 0x846ca68b;
    x ^= x >> 16;
    return x;
}

std::uint8_t ClampByte(double v)
{
    return static_cast<std::uint8_t>(std::clamp(std::lround(v), 0L, 255L));
}

} // namespace

Image MakePhoto(int width, int height, bool translucent, std::uint32_t seed)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const double u = static_cast<double>(x) / width, v = static_cast<double>(y) / height;
            const int grain = static_cast<int>(Hash(seed * 0x9E3779B9u + y * 65537u + x) % 17) - 8;
            std::uint8_t *p = image.Pixel(x, y);
            p[0] = ClampByte(200 * u + 40 * std::sin(6 * v) + grain + 20);
            p[1] = ClampByte(160 * v + 60 * std::cos(5 * u) + grain + 40);
            p[2] = ClampByte(120 + 100 * std::sin(3 * (u + v)) + grain);
            p[3] = translucent && x < width / 3 ? ClampByte(255.0 * x / (width / 3)) : 255;
        }
    }
    return image;
}

Image MakePosterised(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = image.Pixel(x, y);
            p[0] = static_cast<std::uint8_t>((x / 4 % 4) * 85);
            p[1] = static_cast<std::uint8_t>((y / 4 % 4) * 85);
            p[2] = static_cast<std::uint8_t>(((x + y) / 8 % 4) * 85);
            p[3] = y < 3 ? 0 : 255;
        }
    return image;
}

Image MakeBilevel(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const std::uint8_t v = ((x / 3 + y / 2) % 3 == 0 || x == y) ? 0 : 255;
            std::uint8_t *p = image.Pixel(x, y);
            p[0] = p[1] = p[2] = v;
            p[3] = 255;
        }
    return image;
}

Image MakeGrey(int width, int height)
{
    Image image(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = image.Pixel(x, y);
            p[0] = p[1] = p[2] =
                static_cast<std::uint8_t>((x * 7 + y * 3 + (Hash(x * 31 + y) & 7)) & 255);
            p[3] = 255;
        }
    return image;
}

Image OverWhite(const Image &image)
{
    Image out = image.Clone();
    for (int y = 0; y < out.Height(); ++y)
        for (int x = 0; x < out.Width(); ++x) {
            std::uint8_t *p = out.Pixel(x, y);
            const int a = p[3];
            for (int c = 0; c < 3; ++c)
                p[c] = static_cast<std::uint8_t>((p[c] * a + 255 * (255 - a) + 127) / 255);
            p[3] = 255;
        }
    return out;
}

int MaxDifference(const Image &a, const Image &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return -1;
    int worst = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x) {
            const std::uint8_t *p = a.Pixel(x, y), *q = b.Pixel(x, y);
            if (p[3] == 0 && q[3] == 0)
                continue;
            for (int c = 0; c < 4; ++c)
                worst = std::max(worst, std::abs(p[c] - q[c]));
        }
    return worst;
}

double MeanDifference(const Image &a, const Image &b)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return 1e9;
    double total = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            for (int c = 0; c < 4; ++c)
                total += std::abs(a.Pixel(x, y)[c] - b.Pixel(x, y)[c]);
    return total / (4.0 * a.Width() * a.Height());
}

std::span<const std::uint8_t> AsBytes(const std::string &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.data()), bytes.size()};
}

QString ToQString(const std::filesystem::path &path)
{
    return QString::fromStdString(path.string());
}

CommandResult RunShell(const TempDir &dir, const std::string &command)
{
    const auto out = dir / "command-output.txt";
    CommandResult result;
    result.status = RunCommand("{ " + command + "; } > '" + out.string() + "' 2>&1", dir.Path());
    result.output = ReadFile(out);
    return result;
}

const std::string &PythonWithPil()
{
    // Debian's PIL belongs to the system Python, which may not be the first on the PATH.
    static const std::string python = [] {
        for (const char *candidate : {"/usr/bin/python3", "python3"})
            if (RunCommand(std::string(candidate) + " -c 'import PIL' >/dev/null 2>&1") == 0)
                return std::string(candidate);
        return std::string();
    }();
    return python;
}

CommandResult CompareWithPil(const TempDir &dir, const std::filesystem::path &file,
                             const Image &expected, const std::string &mode)
{
    static const char *kScript = R"(import sys
from PIL import Image
path, raw, mode = sys.argv[1], sys.argv[2], sys.argv[3]
im = Image.open(path)
im.load()
fmt = im.format
got = im.convert(mode).tobytes()
exp = open(raw, 'rb').read()
w, h = im.size
n = len(mode)
worst, total, count = 0, 0, 0
if len(got) // n != len(exp) // 4:
    print(fmt, w, h, -1, -1)
    sys.exit(0)
for i in range(len(exp) // 4):
    e = exp[4 * i:4 * i + 4]
    g = got[n * i:n * i + n]
    if n == 4 and e[3] == 0 and g[3] == 0:
        continue
    for c in range(n):
        d = abs(e[c] - g[c])
        worst = max(worst, d)
        total += d
        count += 1
print(fmt, w, h, worst, total / max(count, 1))
)";
    std::string raw;
    for (int y = 0; y < expected.Height(); ++y)
        raw.append(reinterpret_cast<const char *>(expected.Row(y)),
                   4 * std::size_t(expected.Width()));
    WriteFile(dir / "expected.raw", raw);
    WriteFile(dir / "check.py", kScript);
    return RunShell(dir, PythonWithPil() + " '" + (dir / "check.py").string() + "' '" +
                             file.string() + "' '" + (dir / "expected.raw").string() + "' " + mode);
}

} // namespace lumaskin::test
