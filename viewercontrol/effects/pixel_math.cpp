#include "viewercontrol/effects/pixel_math.h"

namespace lumaskin::effects {

void ApplyChannelTables(Image &image, const ChannelTable &red, const ChannelTable &green,
                        const ChannelTable &blue)
{
    const int width = image.width();
    ForEachRow(image, [&](int, std::uint8_t *row) {
        for (int x = 0; x < width; ++x) {
            std::uint8_t *p = row + 4 * x;
            p[0] = red[p[0]];
            p[1] = green[p[1]];
            p[2] = blue[p[2]];
        }
    });
}

} // namespace lumaskin::effects
