#pragma once

#include <QImage>
#include <QSize>
#include <array>
#include <cstdint>

namespace lumaskin {

// A strip holds four state images side by side, equal in width: normal, hover, down,
// disabled. One state is a quarter of the strip's width (a remainder is ignored) by its full
// height, in logical pixels.
inline constexpr int kStateCount = 4;
QSize StateSize(const QImage &strip);

// Cuts the strip into its four states, each stretched (nearest pixel, as a block stretch
// does) to `faceSize` logical pixels, with key-coloured pixels made transparent after
// stretching. The faces keep the strip's scale, so a strip held at twice its size gives faces
// of twice the pixels. All four are null when the strip is null, a state would be empty, or
// `faceSize` is empty.
std::array<QImage, kStateCount> CutStateStrip(const QImage &strip, QSize faceSize,
                                              std::uint32_t keyColor);

} // namespace lumaskin
