#pragma once

#include "Texts.h"

#include <cstdint>
#include <span>
#include <string_view>

// The ambient and conductor-count buttons each step through one column of a
// correction table. A step is the button's caption and the factor it puts in
// force; step 0 of every cycle is "no correction", factor 1.
namespace ampacity {

struct FactorStep
{
    std::string_view caption;
    float factor = 1.0f;
};

// A factor as a whole number of hundredths: every factor of Tables 5A, 5B
// and 5C has two decimals, so that it multiplies exactly. The float nearest
// a two-decimal factor is within a millionth of it: in thousandths, cut
// off, it is within one of ten times the hundredths, which whole-number
// rounding then gives.
inline std::int64_t factorHundredths(float factor)
{
    const auto thousandths = static_cast<std::int64_t>(static_cast<double>(factor) * 1000.0);
    return (thousandths + 5) / 10;
}

// The step after the one whose factor is in force. The factor alone tells the
// step: within one cycle no factor occurs twice and only step 0 is 1. After
// the last step, or for a factor the cycle does not hold, comes step 0 again.
// Equality is exact: the stored factor is always one of the cycle's own
// single-precision constants.
FactorStep nextFactorStep(std::span<const FactorStep> cycle, float factorInForce);

// Table 5A, the column of the insulation rating (60 or 75 °C; any other code
// takes the 90 °C column), from 30 °C up to the column's last row.
std::span<const FactorStep> ambientCycle(std::int16_t insulationCode);

// Table 5C for raceway or cable, Table 5B for free air (any other code), from
// the first conductor group to the last.
std::span<const FactorStep> conductorCountCycle(std::int16_t installationCode);

// The ambient button's caption when the window opens. It has a trailing blank
// that the caption of the 30 °C step does not have; both are shown alike.
inline constexpr std::string_view InitialAmbientCaption = TORVANE_TEXT("Captions", "Ambient 30°C ");

} // namespace ampacity
