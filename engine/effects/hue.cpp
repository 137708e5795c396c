// Hue: turns the hue of every pixel by the hue angle of a given colour.
//
// Arguments: red, green, blue, each 0..255, a colour whose hue angle (on the usual colour wheel:
// red 0 degrees, yellow 60, green 120, cyan 180, blue 240, magenta 300) is the turn. A colour
// without hue, any grey (0, 0, 0 included), leaves the picture alone (neutral); so does pure red,
// whose angle is 0. Each pixel keeps its largest and smallest channel (its value and saturation
// in HSV) and only its hue moves; grey pixels stay as they are. Results are rounded.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_table.h"
#include "engine/effects/pixel_math.h"

#include <QtGlobal>
#include <cmath>

namespace lumaskin {

namespace {

constexpr EffectArgument kArguments[] = {
    {"red", ArgumentKind::Int, 0, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "red of the colour whose hue angle is the rotation")},
    {"green", ArgumentKind::Int, 0, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "green of the colour whose hue angle is the rotation")},
    {"blue", ArgumentKind::Int, 0, 255, 0, 0,
     QT_TRANSLATE_NOOP("Effects", "blue of the colour whose hue angle is the rotation")},
};

// Hue in sixths of a turn, 0 <= h < 6, of a colour that is not grey.
double HueSextant(double r, double g, double b)
{
    const double high = std::max({r, g, b});
    const double chroma = high - std::min({r, g, b});
    double h;
    if (high == r)
        h = (g - b) / chroma;
    else if (high == g)
        h = 2 + (b - r) / chroma;
    else
        h = 4 + (r - g) / chroma;
    return h < 0 ? h + 6 : h;
}

void TurnRow(std::uint8_t *LUMASKIN_RESTRICT row, int width, float turn)
{
    // Branch-free float code over whole words so that the compiler can vectorise it: the
    // hue is found with selects, and the colour is rebuilt with the closed HSV formula
    // channel = max - chroma * clamp(min(k, 4 - k), 0, 1), k = (n + h) mod 6.
    for (int x = 0; x < width; ++x) {
        const std::uint32_t v = effects::LoadPixel(row + 4 * x);
        const float r = static_cast<float>(static_cast<int>(v & 0xFF));
        const float g = static_cast<float>(static_cast<int>((v >> 8) & 0xFF));
        const float b = static_cast<float>(static_cast<int>((v >> 16) & 0xFF));
        const float high = std::max(r, std::max(g, b));
        const float chroma = high - std::min(r, std::min(g, b));
        const float scale = 1.0f / std::max(chroma, 1.0f);
        const float fromRed = (g - b) * scale;
        const float fromGreen = 2.0f + (b - r) * scale;
        const float fromBlue = 4.0f + (r - g) * scale;
        float h = high == r ? fromRed : high == g ? fromGreen : fromBlue;
        h += turn + 6.0f; // now 0 < h < 18
        h -= 6.0f * static_cast<float>(static_cast<int>(h * (1.0f / 6.0f)));
        h = h >= 6.0f ? h - 6.0f : h;
        std::uint32_t out = v & 0xFF000000u;
        for (int channel = 0; channel < 3; ++channel) {
            // n = 5, 3, 1 for red, green, blue.
            float k = static_cast<float>(5 - 2 * channel) + h;
            k = k >= 6.0f ? k - 6.0f : k;
            const float f = std::min(std::max(std::min(k, 4.0f - k), 0.0f), 1.0f);
            out |= static_cast<std::uint32_t>(static_cast<int>(high - chroma * f + 0.5f))
                   << (8 * channel);
        }
        effects::StorePixel(row + 4 * x, out);
    }
}

void Hue(Image &image, int red, int green, int blue)
{
    red = kArguments[0].Clamp(red);
    green = kArguments[1].Clamp(green);
    blue = kArguments[2].Clamp(blue);
    if (image.IsNull() || (red == green && green == blue))
        return;
    const float turn = static_cast<float>(HueSextant(red, green, blue));
    if (turn == 0.0f)
        return;
    const int width = image.Width();
    effects::ForEachRow(image,
                        [width, turn](int, std::uint8_t *row) { TurnRow(row, width, turn); });
}

} // namespace

namespace effects {

extern constinit const EffectDescriptor kHue = {
    .operation = "Hue",
    .command = "hue",
    .dispatchId = DispatchId::Hue,
    .meaning = QT_TRANSLATE_NOOP("Effects", "turns every hue by the hue angle of a colour"),
    .arguments = kArguments,
    .run =
        [](Image &image, const EffectDescriptor::Arguments &a) {
            Hue(image, AsInt(a[0]), AsInt(a[1]), AsInt(a[2]));
        },
    .pointwise = true,
};

} // namespace effects

} // namespace lumaskin
