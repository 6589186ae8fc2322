#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Canadian Electrical Code, Part I, 2024: what may protect a conductor.
// Rule 14-104 and Table 13 give the largest rating or setting of the
// overcurrent device for a conductor's allowable ampacity; Rule 14-104(2)
// holds the smallest conductors below that whatever their ampacity.
namespace ampacity {

// One row of Table 13: a conductor whose ampacity in whole amperes lies in
// [ampacityFrom, ampacityTo] may be protected by a device of up to
// `ratingPermitted` amperes.
struct Table13Row
{
    int ampacityFrom = 0;
    int ampacityTo = 0;
    int ratingPermitted = 0;
};
std::span<const Table13Row> table13();

// The largest device Table 13 allows on an ampacity of `wholeAmperes`;
// above the table's last row (800 A) the ampacity itself, as the Code gives
// no allowance there.
int table13Rating(std::int64_t wholeAmperes);

// Rule 14-104(2): the largest device on a small conductor (14 to 10 AWG
// copper, 12 and 10 AWG aluminum), by its row in the copper wire-size list;
// nothing for the others.
std::optional<int> smallConductorLimit(std::int16_t materialCode, std::size_t copperListRow);

// The ratings a designer chooses a breaker from, smallest first: Table 13's
// column (15 to 800 A), then the standard frames above it, 1000 to 6000 A.
std::span<const int> standardRatings();

} // namespace ampacity
