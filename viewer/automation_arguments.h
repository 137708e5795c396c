#pragma once

#include <QVariant>
#include <cstdint>

namespace lumaskin {

// An automation "short": the low 16 bits of a value, read as a signed number. Callers pass
// 32-bit values and the viewer's automation surface keeps only those bits, so 70000 arrives as
// 4464. The effect windows hand their whole numbers to the effects the same way.
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
