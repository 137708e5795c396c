// AdjustRGB: adds a fixed amount to each colour channel.
//
// Arguments: red, green, blue, each -255..255, added to that channel; the result is clamped to
// 0..255. 0 leaves a channel alone (neutral: 0, 0, 0). Brightness is this effect with one value
// given three times.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_ranges.h"
#include "engine/effects/effects.h"
#include "engine/effects/pixel_math.h"

namespace lumaskin {

void AdjustRGB(Image &image, int red, int green, int blue)
{
    if (image.IsNull() || (red == 0 && green == 0 && blue == 0))
        return;
    const auto shift = [](int amount) {
        amount = ranges::kAdjustRGB.Clamp(amount);
        return effects::MakeChannelTable([amount](int v) { return v + amount; });
    };
    effects::ApplyChannelTables(image, shift(red), shift(green), shift(blue));
}

} // namespace lumaskin
