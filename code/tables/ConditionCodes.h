#pragma once

#include <cstdint>

// The three installation conditions are kept as small codes in the calculator
// state. They are the keys of the ampacity tables and of the correction tables.
// Note that the insulation codes are not in temperature order: the insulation
// button steps 60 °C (2) -> 75 °C (0) -> 90 °C (1) -> 60 °C.
namespace ampacity {

namespace material {
inline constexpr std::int16_t Copper = 0;
inline constexpr std::int16_t Aluminum = 1;
} // namespace material

namespace installation {
inline constexpr std::int16_t RacewayOrCable = 0;
inline constexpr std::int16_t FreeAir = 1;
} // namespace installation

namespace insulation {
inline constexpr std::int16_t Rated75C = 0;
inline constexpr std::int16_t Rated90C = 1;
inline constexpr std::int16_t Rated60C = 2;
// The rating in °C an insulation code stands for.
inline constexpr int ratingOf(std::int16_t insulationCode)
{
    return insulationCode == Rated75C ? 75 : insulationCode == Rated90C ? 90 : 60;
}

} // namespace insulation

} // namespace ampacity
