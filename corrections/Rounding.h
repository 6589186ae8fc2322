#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

// How the calculator rounds: whole numbers go to the even neighbour on a tie
// (banker's rounding, 12.5 -> 12, 13.5 -> 14), which does not drift upward
// over many halves, and every stored quantity is a single-precision value
// even though products are formed in double precision.
namespace ampacity {

// Rounds to a whole number, ties to the even neighbour. Written out rather
// than left to std::nearbyint so that it does not depend on the floating-point
// environment of whoever calls it.
inline double roundHalfEven(double value)
{
    const double lower = std::floor(value);
    const double fraction = value - lower;
    if (fraction > 0.5)
        return lower + 1.0;
    if (fraction < 0.5)
        return lower;
    return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// Rounds to a 16-bit signed whole number, ties to even. Values outside the
// 16-bit range saturate instead of overflowing; no table value comes near it.
inline std::int16_t roundToInt16(double value)
{
    constexpr double low = std::numeric_limits<std::int16_t>::min();
    constexpr double high = std::numeric_limits<std::int16_t>::max();
    const double rounded = roundHalfEven(value);
    if (!(rounded >= low)) // also catches NaN
        return std::numeric_limits<std::int16_t>::min();
    if (rounded > high)
        return std::numeric_limits<std::int16_t>::max();
    return static_cast<std::int16_t>(rounded);
}

// Stores a double-precision result as the single-precision value the state holds.
inline float toSingle(double value)
{
    return static_cast<float>(value);
}

} // namespace ampacity
