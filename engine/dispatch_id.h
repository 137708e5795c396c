#pragma once

namespace lumaskin {

// The viewer's automation surface by identifier: its properties, its operations and one
// identifier for each effect it offers (the effect table ties each effect to its own).
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

} // namespace lumaskin
