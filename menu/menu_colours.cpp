#include "menu/menu_colours.h"

#include <climits>
#include <cstdint>
#include <cstdlib>

namespace lumaskin {

namespace {

int ClampChannel(int value)
{
    return value < 0 ? 0 : (value > 255 ? 255 : value);
}

template <typename ChannelFunction> QRgb PerChannel(ChannelFunction function)
{
    return qRgb(ClampChannel(function(qRed)), ClampChannel(function(qGreen)),
                ClampChannel(function(qBlue)));
}

} // namespace

int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    const std::int64_t product = std::int64_t(a) * b;
    const bool negative = (product < 0) != (c < 0);
    const std::uint64_t magnitude = std::uint64_t(std::llabs(product));
    const std::uint64_t divisor = std::uint64_t(std::llabs(std::int64_t(c)));
    const std::uint64_t quotient = (magnitude + divisor / 2) / divisor;
    if (quotient > std::uint64_t(INT_MAX))
        return -1;
    return negative ? -int(quotient) : int(quotient);
}

QRgb MixColours(QRgb x, QRgb y)
{
    return PerChannel(
        [&](auto channel) { return MulDiv(channel(x), 86, 100) + MulDiv(channel(y), 14, 100); });
}

QRgb DarkenColour(int k, QRgb x)
{
    return PerChannel([&](auto channel) { return MulDiv(channel(x), 255 - k, 255); });
}

QRgb NearestColour(QRgb colour, int colourCount)
{
    if (colourCount > 256)
        return qRgb(qRed(colour), qGreen(colour), qBlue(colour));
    return PerChannel([&](auto channel) { return MulDiv(channel(colour), 5, 255) * 51; });
}

MenuColours ComputeMenuColours(QRgb menu, QRgb window, QRgb buttonFace, int colourCount)
{
    MenuColours colours;
    colours.a = MixColours(window, menu);
    colours.b = colourCount < 257 ? qRgb(qRed(buttonFace), qGreen(buttonFace), qBlue(buttonFace))
                                  : MixColours(menu, window);
    colours.d = DarkenColour(128, menu);
    if (NearestColour(colours.a, colourCount) == NearestColour(colours.b, colourCount)) {
        colours.a = qRgb(qRed(window), qGreen(window), qBlue(window));
        colours.b = qRgb(qRed(menu), qGreen(menu), qBlue(menu));
    }
    return colours;
}

} // namespace lumaskin
