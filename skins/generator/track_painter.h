#pragma once

#include "skins/generator/theme.h"

#include <QImage>

namespace lumaskin::skingen {

// The seven bitmaps of a skinned scroll bar, all as wide as the bar. The track is stretched
// over the bar's height, so it only changes across; arrows and thumb are drawn over it.
struct ScrollBarArt
{
    QImage track, up, upPressed, down, downPressed, thumb, thumbPressed;
};
inline constexpr int kScrollBarWidth = 16;
ScrollBarArt PaintScrollBar(const Theme &theme, int scale = 1);

// A slider's channel (the groove filled up to the thumb), its thumb and the thumb shown
// while dragging. `under` is the background the slider covers, groove included; the
// channel is exactly that size and the thumbs are squares of its height whose outside is
// the key colour, cut with a hard edge.
struct SliderArt
{
    QImage channel, thumb, activeThumb;
};
SliderArt PaintSlider(const Theme &theme, const QImage &under);

} // namespace lumaskin::skingen
