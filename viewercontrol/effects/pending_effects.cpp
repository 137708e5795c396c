// Temporary: the filters below are being written; until then they leave the picture alone so
// that the table and its users link.

#include "viewercontrol/effects/effects.h"

namespace lumaskin {

void Sharpen(Image &) {}
void Blur(Image &) {}
void AntiNoise(Image &, int) {}
void Median(Image &, int) {}
void Diffuse(Image &, int) {}
void Emboss(Image &, int, EmbossDirection) {}
void SharpenEdge(Image &, int) {}
void Mosaic(Image &, MosaicMode, int) {}
void Twirl(Image &, int) {}

} // namespace lumaskin
