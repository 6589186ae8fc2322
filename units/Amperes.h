#pragma once

#include <cstdint>

// Currents as every rule adds and compares them.
namespace ampacity {

// Amperes in ten-thousandths. Every allowable ampacity is a table cell times
// two factors of two decimals each, so it is a whole number of
// ten-thousandths of an ampere; a load is read rounded up to them, exactly
// for any decimal text, so 35.035 is carried by 35.035 A and 35.0351 is not.
using Amperes = std::int64_t;
inline constexpr Amperes OneAmpere = 10000;

} // namespace ampacity
