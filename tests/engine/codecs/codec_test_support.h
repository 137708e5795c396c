#pragma once

#include "tests/support/temp_dir.h"
#include "engine/image.h"

#include <QString>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>

namespace lumaskin::test {

// A photo-like picture: smooth gradients with a fixed-seed grain, so codecs see real detail.
// With `translucent`, the left columns fade from transparent to opaque.
Image MakePhoto(int width, int height, bool translucent = false, std::uint32_t seed = 1);

// At most 64 flat colours, the first rows fully transparent: survives palette formats exactly.
Image MakePosterised(int width, int height);

// Pure black and white, for one-bit formats.
Image MakeBilevel(int width, int height);

// Grey pixels (red == green == blue), opaque.
Image MakeGrey(int width, int height);

// The picture blended over white, alpha 255: what formats without alpha are expected to hold.
Image OverWhite(const Image &image);

// The largest difference of any channel between two pictures of the same size; -1 when the
// sizes differ. Pixels transparent in both are equal whatever their colour.
int MaxDifference(const Image &a, const Image &b);
double MeanDifference(const Image &a, const Image &b);

std::span<const std::uint8_t> AsBytes(const std::string &bytes);
QString ToQString(const std::filesystem::path &path);

struct CommandResult
{
    int status = -1;
    std::string output; // standard output and error together
};
// Runs a shell command in `dir`.
CommandResult RunShell(const TempDir &dir, const std::string &command);

// The system Python when it has PIL, else empty (tests that need it skip).
const std::string &PythonWithPil();

// Decodes `file` with PIL and compares it with `expected` in PIL mode `mode` ("RGB" or
// "RGBA"). Prints "FORMAT WIDTH HEIGHT MAXDIFF MEANDIFF".
CommandResult CompareWithPil(const TempDir &dir, const std::filesystem::path &file,
                             const Image &expected, const std::string &mode);

} // namespace lumaskin::test
