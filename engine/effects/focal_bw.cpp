// FocalBW: keeps the colour around a point and turns the rest of the picture grey.
//
// Arguments: radius1 and radius2, distances in pixels (0 or more); x and y, the focus, a pixel
// position that may lie anywhere, even outside the picture. Pixels within radius1 of the focus
// keep their colour; pixels at radius2 or farther become grey (Rec. 601 luma, rounded); between
// the two the colour fades linearly into the grey. When radius2 is not above radius1 the edge is
// hard at radius1: colour within it, grey beyond. Distances are measured between pixel positions.
// There is no neutral value (a radius1 larger than the picture's diagonal keeps everything).
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>
#include <cmath>

namespace lumaskin {

namespace {

// Far enough outside any picture (sides are at most 2^20) that the focus may sit anywhere.
constexpr double kFar = 1 << 22;
constexpr EffectArgument kArguments[] = {
    {"radius1", ArgumentKind::Int, 0, kFar, 100, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "colour is kept within this many pixels of the focus")},
    {"radius2", ArgumentKind::Int, 0, kFar, 100, std::nullopt,
     QT_TRANSLATE_NOOP("Effects",
                       "grey from this many pixels on; at or below radius1 the edge is hard")},
    {"x", ArgumentKind::Int, -kFar, kFar, 200, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "column of the focus")},
    {"y", ArgumentKind::Int, -kFar, kFar, 200, std::nullopt,
     QT_TRANSLATE_NOOP("Effects", "row of the focus")},
};

struct Focus
{
    double x, y;
    double inner, outer; // radii
    double fade;         // 1 / (outer - inner), 0 for a hard edge
};

void GreyRow(std::uint8_t *LUMASKIN_RESTRICT row, int first, int last)
{
    for (int x = first; x < last; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const auto grey =
            static_cast<std::uint32_t>(effects::Luma(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF));
        effects::StorePixel(row + 4 * x, (v & 0xFF000000u) | grey * 0x010101u);
    }
}

void BlendRow(std::uint8_t *LUMASKIN_RESTRICT row, int first, int last, double dy2,
              const Focus &focus)
{
    for (int x = first; x < last; ++x) {
        const double dx = x - focus.x;
        const double t = (std::sqrt(dx * dx + dy2) - focus.inner) * focus.fade;
        if (t <= 0)
            continue;
        std::uint8_t *p = row + 4 * x;
        const int grey = effects::Luma(p[0], p[1], p[2]);
        const double weight = std::min(t, 1.0); // 0 at radius1, 1 at radius2
        for (int c = 0; c < 3; ++c)
            p[c] = static_cast<std::uint8_t>(std::lround(p[c] + (grey - p[c]) * weight));
    }
}

// The columns [first, last) of a row within `radius` of the focus (empty when none are).
std::pair<int, int> Within(double radius, double dy2, const Focus &focus, int width)
{
    const double half2 = radius * radius - dy2;
    if (half2 < 0)
        return {0, 0};
    const double half = std::sqrt(half2);
    const double first = std::ceil(focus.x - half);
    const double last = std::floor(focus.x + half) + 1;
    const auto clampColumn = [width](double c) {
        return static_cast<int>(std::clamp(c, 0.0, static_cast<double>(width)));
    };
    return {clampColumn(first), std::max(clampColumn(first), clampColumn(last))};
}

void FocalBW(Image &image, int radius1, int radius2, int x, int y)
{
    if (image.IsNull())
        return;
    radius1 = std::max(radius1, static_cast<int>(kArguments[0].minimum));
    radius2 = std::max(radius2, radius1);
    const Focus focus{double(x), double(y), double(radius1), double(radius2),
                      radius2 > radius1 ? 1.0 / (double(radius2) - radius1) : 0.0};
    const int width = image.Width();
    effects::ForEachRow(image, [&](int row, std::uint8_t *pixels) {
        // Per row, the columns split into grey | fading | colour | fading | grey; the spans
        // come from the circles' chords, so only the fading band needs square roots.
        const double dy = row - focus.y;
        const double dy2 = dy * dy;
        const auto [outerFirst, outerLast] = Within(focus.outer, dy2, focus, width);
        if (outerFirst >= outerLast) {
            GreyRow(pixels, 0, width);
            return;
        }
        GreyRow(pixels, 0, outerFirst);
        GreyRow(pixels, outerLast, width);
        if (focus.fade == 0.0) {
            // Hard edge: the circle of radius2 is the circle of radius1.
            return;
        }
        const auto [innerFirst, innerLast] = Within(focus.inner, dy2, focus, width);
        if (innerFirst >= innerLast) {
            BlendRow(pixels, outerFirst, outerLast, dy2, focus);
            return;
        }
        BlendRow(pixels, outerFirst, innerFirst, dy2, focus);
        BlendRow(pixels, innerLast, outerLast, dy2, focus);
    });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kFocalBW = {
    .operation = "FocalBW",
    .command = "focalbw",
    .dispatchId = DispatchId::FocalBW,
    .meaning = QT_TRANSLATE_NOOP("Effects", "keeps colour around a point and turns the rest grey"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            FocalBW(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2]), AsInt(a[3]));
        },
};

} // namespace effects

} // namespace lumaskin
