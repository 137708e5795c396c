#pragma once

namespace lumaskin {

// A rectangle as skins write it: left, top, right, bottom in client pixels. Unlike QRect,
// right and bottom are exclusive edges, so the width is right - left.
struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    bool operator==(const Rect &) const = default;
};

} // namespace lumaskin
