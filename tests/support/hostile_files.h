#pragma once

#include <string>

namespace lumaskin::test {

// Files built the way an attacker would build them, shared by the tests that guard against
// them.

// A one-page PDF of `depth` nested forms, each drawing the next ten times: a few kilobytes
// that take 10^(depth-1) fills to draw (hours for 12).
std::string NestedFormsPdf(int depth);

// An uncompressed 24-bit BMP of `width` x `height` whose pixels alternate between magenta
// (the usual key colour) and a dark colour in a checkerboard of `cell`-pixel squares.
std::string CheckerboardBmp(int width, int height, int cell = 1);

} // namespace lumaskin::test
