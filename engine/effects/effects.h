#pragma once

#include "engine/image.h"

#include <cstdint>

// The viewer's effects: plain functions that change a picture in place. Each one lives in its own
// file beside this header, which starts with what the effect does, its arguments and its edge
// behaviour. Common rules:
// - only colour changes: the alpha byte of every pixel is left as it is, and effects that look at
//   neighbours look at their colours only;
// - every argument is clamped to its documented range, so no value hangs or crashes; a null
//   picture is left alone;
// - pixels beyond the borders repeat the nearest edge pixel;
// - the work is split over rows between threads and the result never depends on the split; the
//   random effects (Noise, Diffuse) draw from a hash of the picture size, the arguments and the
//   pixel position, so the same input always gives the same output.
// effect_table.h lists every effect with its arguments for the automation surface and tools.

namespace lumaskin {

enum class EmbossDirection
{
    North,
    NorthEast,
    East,
    SouthEast,
    South,
    SouthWest,
    West,
    NorthWest,
};

enum class MosaicMode
{
    Normal,
    Soft,
};

enum class NoiseKind
{
    Grey,
    Colour,
};

// Colour adjustments, pixel by pixel.
void AdjustRGB(Image &image, int red, int green, int blue);
void Contrast(Image &image, int percent);
void Gamma(Image &image, double gamma);
void Hue(Image &image, int red, int green, int blue);
void Saturation(Image &image, int percent);
void Lightness(Image &image, int red, int green, int blue);
void InvertColor(Image &image);
void Desaturate(Image &image);
// Colours 0x00BBGGRR.
void Monochrome(Image &image, int threshold, std::uint32_t first, std::uint32_t second);
void Noise(Image &image, int amount, NoiseKind kind);
void FocalBW(Image &image, int radius1, int radius2, int x, int y);

// Filters that look at neighbours.
void Sharpen(Image &image);
void Blur(Image &image);
void AntiNoise(Image &image, int level);
void Median(Image &image, int size);
void Diffuse(Image &image, int distance);
void Emboss(Image &image, int depth, EmbossDirection direction);
void SharpenEdge(Image &image, int percent);
void Mosaic(Image &image, MosaicMode mode, int size);
// Degrees; positive angles turn clockwise on screen.
void Twirl(Image &image, int angle);

} // namespace lumaskin
