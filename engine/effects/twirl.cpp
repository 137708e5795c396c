// Twirl: swirls the picture around its centre.
//
// Argument: angle in degrees, -3600..3600; positive angles turn clockwise on screen. 0 leaves the
// picture alone (neutral).
// With R half the picture's smaller side and d a pixel's distance from the centre, the content at
// distance d is turned by angle * (1 - d / R)^2: the full angle at the centre, fading smoothly to
// none at R; pixels at R or beyond stay as they are. Colours are sampled bilinearly.
// Edges: samples beyond the borders take the nearest edge pixel.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"
#include "engine/parallel.h"

#include <QtGlobal>
#include <array>
#include <cmath>
#include <cstring>
#include <numbers>
#include <vector>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"angle", ArgumentKind::Int, -3600, 3600, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "turn at the centre in degrees, clockwise when positive")},
};
constexpr const EffectArgument &kAngle = kArguments[0];

// The turn depends on the distance alone, so its cosine and sine are tabulated over the
// distance and interpolated: no trigonometry per pixel. The turn changes by at most
// 2 * turn / R per pixel of distance, so 200 entries per radian of turn keep every step under
// a hundredth of a radian and the interpolation error far below a pixel, at any size.
class TurnTable
{
public:
    TurnTable(double turn, double radius)
        : m_perPixel(
              static_cast<float>(std::max(1024.0, std::ceil(200 * std::abs(turn))) / radius)),
          m_entries(static_cast<std::size_t>(std::ceil(radius * m_perPixel)) + 2)
    {
        for (std::size_t i = 0; i < m_entries.size(); ++i) {
            const double fade = std::max(0.0, 1.0 - (double(i) / m_perPixel) / radius);
            const double theta = turn * fade * fade;
            m_entries[i] = {static_cast<float>(std::cos(theta)),
                            static_cast<float>(std::sin(theta))};
        }
    }

    // Cosine and sine of the turn at `distance` (0 <= distance < radius).
    void At(float distance, float &c, float &s) const
    {
        const float position = distance * m_perPixel;
        const auto i = std::min(static_cast<std::size_t>(position), m_entries.size() - 2);
        const float t = position - static_cast<float>(i);
        const Entry &a = m_entries[i];
        const Entry &b = m_entries[i + 1];
        c = a.c + (b.c - a.c) * t;
        s = a.s + (b.s - a.s) * t;
    }

private:
    struct Entry
    {
        float c, s;
    };
    float m_perPixel;
    std::vector<Entry> m_entries;
};

// std::floor is a library call on processors without SSE4.1; this is two instructions.
int FloorToInt(float v)
{
    const int truncated = static_cast<int>(v);
    return truncated - (v < static_cast<float>(truncated) ? 1 : 0);
}

void Twirl(Image &image, int angle)
{
    angle = kAngle.Clamp(angle);
    if (image.IsNull() || angle == 0)
        return;
    const int width = image.Width();
    const int height = image.Height();
    const float radius = 0.5f * static_cast<float>(std::min(width, height));
    const float centreX = 0.5f * static_cast<float>(width);
    const float centreY = 0.5f * static_cast<float>(height);
    // Sampling reads anywhere in the disc, so it reads from an untouched copy of the square
    // around it (a turn keeps the distance from the centre; the margin covers the bilinear
    // neighbour and the table's rounding). On a 4:3 photo that is three quarters of a clone.
    const int boxLeft = std::max(0, static_cast<int>(std::floor(centreX - radius)) - 2);
    const int boxRight = std::min(width - 1, static_cast<int>(std::ceil(centreX + radius)) + 2);
    const int boxTop = std::max(0, static_cast<int>(std::floor(centreY - radius)) - 2);
    const int boxBottom = std::min(height - 1, static_cast<int>(std::ceil(centreY + radius)) + 2);
    Image source(boxRight - boxLeft + 1, boxBottom - boxTop + 1);
    if (source.IsNull())
        return;
    ParallelFor(source.Height(), [&](int begin, int end) {
        for (int y = begin; y < end; ++y)
            std::memcpy(source.Row(y), image.Pixel(boxLeft, boxTop + y),
                        4 * static_cast<std::size_t>(source.Width()));
    });
    const TurnTable table(angle * std::numbers::pi / 180.0, radius);

    // Pixels x in [first, last) of row y, all within the disc's chord on that row.
    const auto twirlRun = [&](int y, int first, int last) {
        const float py = static_cast<float>(y) + 0.5f - centreY;
        std::uint8_t *out = image.Row(y);
        for (int x = first; x < last; ++x) {
            const float px = static_cast<float>(x) + 0.5f - centreX;
            const float distance = std::sqrt(px * px + py * py);
            if (distance >= radius)
                continue;
            float c, s;
            table.At(distance, c, s);
            // The output at p shows the source at p turned back by the turn.
            const float sx = centreX + px * c + py * s - 0.5f;
            const float sy = centreY - px * s + py * c - 0.5f;
            const int ix = FloorToInt(sx);
            const int iy = FloorToInt(sy);
            const float wx = sx - static_cast<float>(ix);
            const float wy = sy - static_cast<float>(iy);
            // Clamped to the copied square, which holds every sample and its edge pixels.
            const int x0 = std::clamp(ix, boxLeft, boxRight) - boxLeft;
            const int x1 = std::clamp(ix + 1, boxLeft, boxRight) - boxLeft;
            const int y0 = std::clamp(iy, boxTop, boxBottom) - boxTop;
            const int y1 = std::clamp(iy + 1, boxTop, boxBottom) - boxTop;
            const std::uint8_t *p00 = source.Pixel(x0, y0);
            const std::uint8_t *p10 = source.Pixel(x1, y0);
            const std::uint8_t *p01 = source.Pixel(x0, y1);
            const std::uint8_t *p11 = source.Pixel(x1, y1);
            for (int k = 0; k < 3; ++k) {
                const float top = p00[k] + (p10[k] - p00[k]) * wx;
                const float bottom = p01[k] + (p11[k] - p01[k]) * wx;
                out[4 * x + k] = static_cast<std::uint8_t>(top + (bottom - top) * wy + 0.5f);
            }
        }
    };

    // Square tiles: a turned tile reads a compact patch of the source, which stays in the
    // cache, where whole rows would read along arcs across the picture.
    constexpr int kTile = 64;
    ParallelFor((height + kTile - 1) / kTile, [&](int firstBand, int lastBand) {
        for (int band = firstBand; band < lastBand; ++band) {
            const int top = band * kTile;
            const int bottom = std::min(height, top + kTile);
            // Per row: the span of pixels inside the disc, from its height above the centre.
            std::array<std::pair<int, int>, kTile> spans{};
            for (int y = top; y < bottom; ++y) {
                const float py = static_cast<float>(y) + 0.5f - centreY;
                const float halfChord2 = radius * radius - py * py;
                if (halfChord2 <= 0.0f)
                    continue;
                const float halfChord = std::sqrt(halfChord2);
                spans[std::size_t(y - top)] = {
                    std::max(0, static_cast<int>(std::floor(centreX - 0.5f - halfChord))),
                    std::min(width, static_cast<int>(std::ceil(centreX - 0.5f + halfChord)) + 1)};
            }
            for (int left = 0; left < width; left += kTile)
                for (int y = top; y < bottom; ++y) {
                    const auto [first, last] = spans[std::size_t(y - top)];
                    twirlRun(y, std::max(first, left), std::min(last, left + kTile));
                }
        }
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kTwirl = {
    .operation = "Twirl",
    .command = "twirl",
    .dispatchId = DispatchId::Twirl,
    .meaning = QT_TRANSLATE_NOOP("Effects", "swirls the picture around its centre"),
    .arguments = kArguments,
    .run = [](Image &image, const EffectDescriptor::Arguments &a) { Twirl(image, AsInt(a[0])); },
};

} // namespace effects

} // namespace lumaskin
