#include "controls/slider_math.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace lumaskin {

namespace {

int TruncateToInt(double value)
{
    if (!std::isfinite(value))
        return 0;
    value = std::clamp(value, double(std::numeric_limits<int>::min()),
                       double(std::numeric_limits<int>::max()));
    return static_cast<int>(value);
}

} // namespace

int ThumbCentre(const SliderAxis &axis, int pos)
{
    const double range = double(axis.maxPos) - double(axis.minPos);
    const double travel = double(axis.size) - double(axis.thumbSize);
    const double ratio = range == 0 ? 0.0 : (double(pos) - axis.minPos) / range;
    return TruncateToInt(ratio * travel + axis.thumbSize / 2);
}

int PositionAt(const SliderAxis &axis, int coordinate)
{
    const double range = double(axis.maxPos) - double(axis.minPos);
    const double travel = double(axis.size) - double(axis.thumbSize);
    if (travel <= 0 || range == 0)
        return axis.minPos;
    const double offset = (double(coordinate) - axis.thumbSize / 2) / travel * range;
    return TruncateToInt(axis.minPos + offset);
}

int ClampToTrack(const SliderAxis &axis, int coordinate, bool lowerBoundLast)
{
    const int lower = axis.thumbSize / 2;
    const int upper = axis.size - axis.thumbSize / 2;
    if (lowerBoundLast)
        return std::max(std::min(coordinate, upper), lower);
    return std::min(std::max(coordinate, lower), upper);
}

} // namespace lumaskin
