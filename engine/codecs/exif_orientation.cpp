#include "engine/codecs/exif_orientation.h"

#include "engine/parallel.h"

#include <algorithm>
#include <cstring>

namespace lumaskin {

Image ApplyOrientation(Image image, int orientation)
{
    if (orientation < 2 || orientation > 8 || image.IsNull())
        return image;
    const int w = image.Width();
    const int h = image.Height();
    const bool swaps = orientation >= 5;
    Image out(swaps ? h : w, swaps ? w : h);
    if (out.IsNull())
        return out;
    out.SetMetadata(image.Metadata());
    const int ow = out.Width();
    const int oh = out.Height();
    // Source pixel of output (x, y) is (x0 + dxx * x + dxy * y, y0 + dyx * x + dyy * y).
    int x0 = 0, dxx = 1, dxy = 0, y0 = 0, dyx = 0, dyy = 1;
    switch (orientation) {
    case 2:
        x0 = w - 1, dxx = -1;
        break;
    case 3:
        x0 = w - 1, dxx = -1, y0 = h - 1, dyy = -1;
        break;
    case 4:
        y0 = h - 1, dyy = -1;
        break;
    case 5:
        dxx = 0, dxy = 1, dyx = 1, dyy = 0;
        break;
    case 6:
        dxx = 0, dxy = 1, y0 = h - 1, dyx = -1, dyy = 0;
        break;
    case 7:
        x0 = w - 1, dxx = 0, dxy = -1, y0 = h - 1, dyx = -1, dyy = 0;
        break;
    case 8:
        x0 = w - 1, dxx = 0, dxy = -1, dyx = 1, dyy = 0;
        break;
    }
    // Tiles keep the column-wise reads of the quarter turns within the cache.
    constexpr int kTile = 64;
    const Image &src = image;
    ParallelFor((oh + kTile - 1) / kTile, [&](int begin, int end) {
        for (int ty = begin * kTile; ty < std::min(oh, end * kTile); ty += kTile) {
            for (int tx = 0; tx < ow; tx += kTile) {
                for (int y = ty; y < std::min(oh, ty + kTile); ++y) {
                    std::uint8_t *dst = out.Row(y);
                    for (int x = tx; x < std::min(ow, tx + kTile); ++x) {
                        const int sx = x0 + dxx * x + dxy * y;
                        const int sy = y0 + dyx * x + dyy * y;
                        std::memcpy(dst + 4 * x, src.Pixel(sx, sy), 4);
                    }
                }
            }
        }
    });
    return out;
}

} // namespace lumaskin
