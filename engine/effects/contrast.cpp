// Contrast: spreads the colours away from mid-grey, or pulls them toward it.
//
// Argument: percent, 0..1000. Each channel becomes 128 + (v - 128) * percent / 100, rounded and
// clamped to 0..255: 100 leaves the picture alone (neutral), 0 gives flat mid-grey, 200 doubles
// every distance from mid-grey.
// Edges: a point operation; borders need nothing.

#include "engine/effects/effect_ranges.h"
#include "engine/effects/effects.h"
#include "engine/effects/pixel_math.h"

#include <cmath>

namespace lumaskin {

void Contrast(Image &image, int percent)
{
    percent = ranges::kContrast.Clamp(percent);
    if (image.IsNull() || percent == 100)
        return;
    effects::ApplyChannelTable(image, effects::MakeChannelTable([percent](int v) {
                                   return static_cast<int>(
                                       std::lround(128 + (v - 128) * percent / 100.0));
                               }));
}

} // namespace lumaskin
