#pragma once

#include <cstdint>

// Counter-based random numbers: each value is a hash of a seed and a pixel position, so a
// random effect gives the same picture whichever thread works on which rows.

namespace lumaskin::effects {

// SplitMix64's finaliser: every input bit affects every output bit.
constexpr std::uint64_t Mix64(std::uint64_t z)
{
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A seed that depends on the picture's size and the effect's arguments only.
constexpr std::uint64_t RandomSeed(std::uint64_t effect, std::int64_t width, std::int64_t height,
                                   std::int64_t argument1, std::int64_t argument2 = 0)
{
    std::uint64_t seed = Mix64(effect + 0x9E3779B97F4A7C15ull);
    for (std::int64_t v : {width, height, argument1, argument2})
        seed = Mix64(seed ^ static_cast<std::uint64_t>(v));
    return seed;
}

constexpr std::uint64_t PixelRandom(std::uint64_t seed, int x, int y)
{
    const std::uint64_t position =
        (static_cast<std::uint64_t>(static_cast<std::uint32_t>(y)) << 32) |
        static_cast<std::uint32_t>(x);
    return Mix64(seed + position * 0x9E3779B97F4A7C15ull);
}

// Maps 16 random bits to a whole number in [-range, range], evenly.
constexpr int Spread(std::uint64_t bits16, int range)
{
    return static_cast<int>(((bits16 & 0xFFFF) * static_cast<std::uint64_t>(2 * range + 1)) >> 16) -
           range;
}

} // namespace lumaskin::effects
