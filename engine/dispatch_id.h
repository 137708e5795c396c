#pragma once

#include <QVariant>
#include <cstdint>

namespace lumaskin {

// The viewer's automation surface by identifier: its properties, its operations and one
// identifier per effect (the effect table ties each effect to its own).
enum class DispatchId : int
{
    FileName = 1,
    ViewMode = 3,
    DisplayOption = 5,
    LoadOption = 41,
    SaveAs = 78,
    SaveAsIcon = 87,
    InvertColor = 115,
    AdjustRGB = 117,
    Contrast = 118,
    Saturation = 119,
    Hue = 120,
    Gamma = 121,
    Lightness = 122,
    Desaturate = 123,
    Sharpen = 124,
    AntiNoise = 125,
    Diffuse = 126,
    Emboss = 127,
    Mosaic = 128,
    Monochrome = 129,
    FocalBW = 130,
    SharpenEdge = 131,
    Twirl = 132,
    Noise = 133,
    ZoomIn = 139,
    ZoomOut = 140,
    RestoreImage = 151,
    Median = 191,
    Blur = 192,
};

// An automation "short": the low 16 bits of a value, read as a signed number. Callers pass
// 32-bit values and the surface keeps only those bits, so 70000 arrives as 4464.
constexpr std::int16_t ToShort(std::int64_t value)
{
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value & 0xFFFF));
}

// The same for an argument as the surface receives it.
inline std::int16_t ToShort(const QVariant &value)
{
    return ToShort(value.toLongLong());
}

// An argument as a caller passes a "short" to the surface.
inline QVariant ShortArgument(std::int64_t value)
{
    return QVariant::fromValue<short>(ToShort(value));
}

} // namespace lumaskin
