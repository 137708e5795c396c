#include "bench/tools/photo_set.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <thread>
#include <turbojpeg.h>

namespace lumaskin::bench {

namespace {

// Bump when the pictures change, so cached photos of an older generator are not reused.
constexpr int kGeneratorVersion = 1;

std::uint32_t Hash(std::uint32_t a, std::uint32_t b, std::uint32_t c)
{
    std::uint32_t h = a * 0x9E3779B1u ^ (b + 0x7F4A7C15u) * 0x85EBCA77u ^ c * 0xC2B2AE3Du;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    h *= 0x297A2D39u;
    h ^= h >> 15;
    return h;
}

float Unit(std::uint32_t h)
{
    return static_cast<float>(h >> 8) * (1.0f / 16777216.0f);
}

// Smooth value noise in 0..1 with lattice cells of `cell` pixels.
float ValueNoise(std::uint32_t seed, float x, float y, float cell)
{
    const float fx = x / cell, fy = y / cell;
    const float flx = std::floor(fx), fly = std::floor(fy);
    const auto ix = static_cast<std::int32_t>(flx), iy = static_cast<std::int32_t>(fly);
    float tx = fx - flx, ty = fy - fly;
    tx = tx * tx * (3 - 2 * tx);
    ty = ty * ty * (3 - 2 * ty);
    const auto at = [&](std::int32_t dx, std::int32_t dy) {
        return Unit(
            Hash(seed, static_cast<std::uint32_t>(ix + dx), static_cast<std::uint32_t>(iy + dy)));
    };
    const float top = at(0, 0) + (at(1, 0) - at(0, 0)) * tx;
    const float bottom = at(0, 1) + (at(1, 1) - at(0, 1)) * tx;
    return top + (bottom - top) * ty;
}

struct Colour
{
    float r, g, b;
};

Colour Mix(Colour a, Colour b, float t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

// A small deterministic generator for the scene's choices.
class SceneRandom
{
public:
    explicit SceneRandom(std::uint64_t seed) : m_state(seed) {}
    float Next()
    {
        m_state += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = m_state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return static_cast<float>((z ^ (z >> 31)) >> 40) * (1.0f / 16777216.0f);
    }
    float Between(float low, float high) { return low + (high - low) * Next(); }
    Colour NextColour(float low, float high)
    {
        return {Between(low, high), Between(low, high), Between(low, high)};
    }

private:
    std::uint64_t m_state;
};

struct Shape
{
    bool disc;
    float cx, cy, rx, ry;
    Colour colour;
};

struct Scene
{
    std::uint32_t seed;
    Colour skyTop, skyLow, groundFar, groundNear, groundAlt;
    float horizon, hillHeight, cloudiness, texture, grain;
    std::vector<Shape> shapes;
};

Scene MakeScene(int index, PhotoSize size)
{
    SceneRandom random(0x5EED0000ull + static_cast<std::uint64_t>(index));
    Scene scene;
    scene.seed = static_cast<std::uint32_t>(index) * 7919u + 17u;
    scene.skyTop = {random.Between(20, 90), random.Between(60, 130), random.Between(150, 230)};
    scene.skyLow = {random.Between(170, 240), random.Between(170, 230), random.Between(160, 240)};
    scene.groundFar = random.NextColour(60, 150);
    scene.groundNear = random.NextColour(30, 120);
    scene.groundAlt = random.NextColour(50, 180);
    scene.horizon = random.Between(0.3f, 0.6f) * static_cast<float>(size.height);
    scene.hillHeight = random.Between(0.05f, 0.2f) * static_cast<float>(size.height);
    scene.cloudiness = random.Between(0, 70);
    scene.texture = random.Between(20, 45);
    scene.grain = random.Between(2.5f, 4.5f);
    const int shapes = 3 + static_cast<int>(random.Next() * 5);
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    for (int i = 0; i < shapes; ++i) {
        Shape shape;
        shape.disc = random.Next() < 0.5f;
        shape.cx = random.Between(0.05f, 0.95f) * w;
        shape.cy = random.Between(0.35f, 0.95f) * h;
        shape.rx = random.Between(0.03f, 0.15f) * w;
        shape.ry = shape.disc ? shape.rx : random.Between(0.05f, 0.3f) * h;
        shape.colour = random.NextColour(20, 235);
        scene.shapes.push_back(shape);
    }
    return scene;
}

std::uint8_t ToByte(float v)
{
    return static_cast<std::uint8_t>(std::clamp(v + 0.5f, 0.0f, 255.0f));
}

void PaintRows(const Scene &scene, PhotoSize size, const std::vector<float> &horizonOfColumn,
               int firstRow, int endRow, std::uint8_t *rgb)
{
    const float w = static_cast<float>(size.width), h = static_cast<float>(size.height);
    for (int y = firstRow; y < endRow; ++y) {
        const float fy = static_cast<float>(y);
        std::uint8_t *out = rgb + static_cast<std::size_t>(y) * 3 * size.width;
        // Grain per row from the row's own seed, so any split of the rows gives the same bytes.
        std::uint32_t grainState = Hash(scene.seed, static_cast<std::uint32_t>(y), 99u) | 1u;
        const auto grain = [&] {
            grainState ^= grainState << 13;
            grainState ^= grainState >> 17;
            grainState ^= grainState << 5;
            const float a = Unit(grainState);
            grainState ^= grainState << 13;
            grainState ^= grainState >> 17;
            grainState ^= grainState << 5;
            return (a + Unit(grainState) - 1.0f) * 2.0f * scene.grain;
        };
        for (int x = 0; x < size.width; ++x) {
            const float fx = static_cast<float>(x);
            const float horizon = horizonOfColumn[static_cast<std::size_t>(x)];
            Colour c;
            if (fy < horizon) {
                const float t = fy / std::max(horizon, 1.0f);
                c = Mix(scene.skyTop, scene.skyLow, t * t);
                const float cloud = ValueNoise(scene.seed + 1, fx, fy * 2.5f, 420) * 0.65f +
                                    ValueNoise(scene.seed + 2, fx, fy * 2.5f, 110) * 0.35f;
                const float lift = std::max(0.0f, cloud - 0.5f) * 2.0f * scene.cloudiness;
                c = {c.r + lift, c.g + lift, c.b + lift};
            } else {
                const float depth = (fy - horizon) / std::max(h - horizon, 1.0f);
                const float patches = ValueNoise(scene.seed + 3, fx, fy, 350);
                c = Mix(Mix(scene.groundFar, scene.groundNear, depth), scene.groundAlt,
                        patches * patches);
                // Fine texture grows toward the viewer, as grass or gravel does.
                const float detail = ValueNoise(scene.seed + 4, fx, fy, 40) * 0.45f +
                                     ValueNoise(scene.seed + 5, fx, fy, 9) * 0.35f +
                                     ValueNoise(scene.seed + 6, fx, fy, 2.5f) * 0.2f;
                const float amount = (detail - 0.5f) * scene.texture * (0.4f + depth);
                c = {c.r + amount, c.g + amount * 1.1f, c.b + amount * 0.8f};
            }
            for (const Shape &shape : scene.shapes) {
                const float dx = (fx - shape.cx) / shape.rx, dy = (fy - shape.cy) / shape.ry;
                const bool inside = shape.disc ? dx * dx + dy * dy < 1.0f
                                               : std::abs(dx) < 1.0f && std::abs(dy) < 1.0f;
                if (!inside)
                    continue;
                // Lit from the upper left, with a little surface texture of its own.
                const float light = 0.75f - 0.3f * (dx + dy) * 0.5f;
                const float surface = (ValueNoise(scene.seed + 7, fx, fy, 6) - 0.5f) * 18.0f;
                c = {shape.colour.r * light + surface, shape.colour.g * light + surface,
                     shape.colour.b * light + surface};
            }
            const float vx = fx / w - 0.5f, vy = fy / h - 0.5f;
            const float vignette = 1.0f - 0.35f * (vx * vx + vy * vy);
            out[3 * x] = ToByte(c.r * vignette + grain());
            out[3 * x + 1] = ToByte(c.g * vignette + grain());
            out[3 * x + 2] = ToByte(c.b * vignette + grain());
        }
    }
}

bool WriteWhole(const QString &path, const std::vector<std::uint8_t> &bytes, QString *error)
{
    const QString temporary = path + QStringLiteral(".part");
    QFile file(temporary);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(reinterpret_cast<const char *>(bytes.data()),
                   static_cast<qint64>(bytes.size())) != static_cast<qint64>(bytes.size()) ||
        !file.flush()) {
        *error = QStringLiteral("cannot write %1: %2").arg(temporary, file.errorString());
        file.remove();
        return false;
    }
    file.close();
    QFile::remove(path);
    if (!QFile::rename(temporary, path)) {
        *error = QStringLiteral("cannot rename %1 to %2").arg(temporary, path);
        QFile::remove(temporary);
        return false;
    }
    return true;
}

} // namespace

std::vector<std::uint8_t> SyntheticPhotoPixels(int index, PhotoSize size)
{
    std::vector<std::uint8_t> rgb(static_cast<std::size_t>(size.width) * size.height * 3);
    if (rgb.empty())
        return rgb;
    const Scene scene = MakeScene(index, size);
    std::vector<float> horizon(static_cast<std::size_t>(size.width));
    for (int x = 0; x < size.width; ++x) {
        const float fx = static_cast<float>(x);
        const float hills = ValueNoise(scene.seed + 8, fx, 0, 900) * 0.7f +
                            ValueNoise(scene.seed + 9, fx, 0, 170) * 0.3f;
        horizon[static_cast<std::size_t>(x)] = scene.horizon - hills * scene.hillHeight;
    }
    const int threads = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 16u));
    const int band = (size.height + threads - 1) / threads;
    std::vector<std::jthread> workers;
    for (int t = 0; t < threads; ++t) {
        const int first = t * band, end = std::min(size.height, first + band);
        if (first < end)
            workers.emplace_back(
                [&, first, end] { PaintRows(scene, size, horizon, first, end, rgb.data()); });
    }
    return rgb;
}

std::vector<std::uint8_t> EncodeJpeg(const std::vector<std::uint8_t> &rgb, PhotoSize size,
                                     int quality)
{
    if (rgb.size() != static_cast<std::size_t>(size.width) * size.height * 3 || rgb.empty())
        return {};
    tjhandle handle = tjInitCompress();
    if (!handle)
        return {};
    unsigned char *jpeg = nullptr;
    unsigned long length = 0;
    const int status = tjCompress2(handle, rgb.data(), size.width, 0, size.height, TJPF_RGB, &jpeg,
                                   &length, TJSAMP_420, quality, 0);
    std::vector<std::uint8_t> bytes;
    if (status == 0)
        bytes.assign(jpeg, jpeg + length);
    tjFree(jpeg);
    tjDestroy(handle);
    return bytes;
}

bool IsWholeJpeg(const std::vector<std::uint8_t> &bytes)
{
    return bytes.size() >= 4 && bytes[0] == 0xFF && bytes[1] == 0xD8 &&
           bytes[bytes.size() - 2] == 0xFF && bytes[bytes.size() - 1] == 0xD9;
}

QString PhotoFileName(int index)
{
    return QStringLiteral("photo-g%1-%2.jpg").arg(kGeneratorVersion).arg(index, 2, 10, QChar(u'0'));
}

QStringList EnsurePhotoSet(const QString &folder, int count, PhotoSize size, QString *error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("cannot make the folder %1").arg(folder);
        return {};
    }
    QStringList paths;
    for (int index = 0; index < count; ++index) {
        const QString path = QDir(folder).filePath(PhotoFileName(index));
        QFile existing(path);
        if (existing.open(QIODevice::ReadOnly)) {
            const QByteArray bytes = existing.readAll();
            if (IsWholeJpeg(std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) {
                paths << path;
                continue;
            }
        }
        const std::vector<std::uint8_t> jpeg =
            EncodeJpeg(SyntheticPhotoPixels(index, size), size, kPhotoQuality);
        if (jpeg.empty()) {
            *error = QStringLiteral("cannot encode photo %1").arg(index);
            return {};
        }
        if (!WriteWhole(path, jpeg, error))
            return {};
        paths << path;
    }
    return paths;
}

} // namespace lumaskin::bench
