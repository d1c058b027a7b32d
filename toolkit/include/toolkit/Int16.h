#pragma once
// 16-bit signed integers with overflow checking, and the conversions the game
// relies on: nearest integer with halves to even, checked 32-bit products.
#include "toolkit/RuntimeError.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace tk {

constexpr int vbTrue = -1;
constexpr int vbFalse = 0;

// Checks that `value` fits 16 bits; raises Overflow otherwise.
constexpr std::int16_t checked16(long long value)
{
    if (value < std::numeric_limits<std::int16_t>::min() || value > std::numeric_limits<std::int16_t>::max())
        tk::raise(Overflow);
    return static_cast<std::int16_t>(value);
}

// Nearest integer, halves to even (2.5 -> 2, 3.5 -> 4).
inline double roundHalfEven(double value)
{
    const double floor = std::floor(value);
    const double diff = value - floor;
    if (diff > 0.5)
        return floor + 1.0;
    if (diff < 0.5)
        return floor;
    return std::fmod(floor, 2.0) == 0.0 ? floor : floor + 1.0;
}

class Int16 {
public:
    constexpr Int16() = default;
    constexpr Int16(int value) : m_value(checked16(value)) {}
    constexpr operator int() const { return m_value; }

    friend Int16 operator+(Int16 a, int b) { return Int16(checked16(static_cast<long long>(a.m_value) + b)); }
    friend Int16 operator-(Int16 a, int b) { return Int16(checked16(static_cast<long long>(a.m_value) - b)); }

private:
    std::int16_t m_value = 0;
};

// Converts a floating-point value to 16 bits: nearest, halves to even; raises Overflow.
inline Int16 cint(double value)
{
    if (!std::isfinite(value))
        tk::raise(Overflow);
    const double r = roundHalfEven(value);
    if (r < -32768.0 || r > 32767.0)
        tk::raise(Overflow);
    return Int16(static_cast<int>(r));
}

// Converts a floating-point value to 32 bits: nearest, halves to even; raises Overflow.
inline std::int32_t clng(double value)
{
    if (!std::isfinite(value))
        tk::raise(Overflow);
    const double r = roundHalfEven(value);
    if (r < -2147483648.0 || r > 2147483647.0)
        tk::raise(Overflow);
    return static_cast<std::int32_t>(r);
}

// The 32-bit product of `a` and `b`; raises Overflow when it does not fit.
constexpr std::int32_t mul32(std::int32_t a, std::int32_t b)
{
    const long long product = static_cast<long long>(a) * b;
    if (product < std::numeric_limits<std::int32_t>::min() || product > std::numeric_limits<std::int32_t>::max())
        tk::raise(Overflow);
    return static_cast<std::int32_t>(product);
}

} // namespace tk
