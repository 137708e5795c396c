#pragma once

namespace lumaskin {

// The arithmetic between a slider's position and a pixel along its axis. `size` is the
// slider's extent along the axis (its width, or its height when vertical) and `thumbSize`
// the thumb's extent along it.
struct SliderAxis
{
    int minPos = 0;
    int maxPos = 0;
    int size = 0;
    int thumbSize = 0;
};

// The thumb's centre for `pos`: (pos - min) / (max - min) x (size - thumb) + thumb / 2,
// truncated toward zero. An empty range draws as at minPos.
int ThumbCentre(const SliderAxis &axis, int pos);

// The position under a pixel coordinate along the axis:
// min + (coordinate - thumb / 2) / (size - thumb) x (max - min), truncated toward zero.
// minPos when the thumb cannot move (size not larger than the thumb) or the range is empty.
int PositionAt(const SliderAxis &axis, int coordinate);

// Keeps a dragged coordinate where the thumb's centre can be: [thumb / 2, size - thumb / 2].
// `lowerBoundLast` decides which bound wins when the two cross.
int ClampToTrack(const SliderAxis &axis, int coordinate, bool lowerBoundLast);

} // namespace lumaskin
