#pragma once

#include "Conditions.h"

#include <cstdint>
#include <optional>

// Rule 8-102: the voltage drop of a conductor over a run, with the K values
// of Table D3.
namespace ampacity::sizing {

// The voltage drop of one conductor over a run.
struct Drop
{
    std::int32_t k = 0;       // Table D3, ten-thousandths of an ohm per km
    std::int64_t volts = 0;   // hundredths of a volt, rounded half up
    std::int64_t percent = 0; // hundredths of a per cent, rounded half up
    bool withinLimit = false; // exactly: at the limit passes
};

// The drop of a conductor carrying `current` over the run, or
// nothing where Table D3 does not list the size. `cable` and the
// installation choose K's column at power factors below 1.
std::optional<Drop> voltageDrop(WireSize conductor, std::int16_t installationCode, bool cable,
                                Amperes current, const Run &run);

// The longest one-way run whose drop stays within the run's limit, in
// tenths of a metre and of a foot, rounded down so that the figure never
// exceeds the limit; nothing where Table D3 does not list the size.
struct LongestRun
{
    std::int32_t k = 0; // Table D3, ten-thousandths of an ohm per km
    std::int64_t metreTenths = 0;
    std::int64_t footTenths = 0;
};
std::optional<LongestRun> longestRun(WireSize conductor, std::int16_t installationCode, bool cable,
                                     Amperes current, const Run &run);

} // namespace ampacity::sizing
