#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

// Canadian Electrical Code, Part I, 2024, Table 13: the largest rating or
// setting of the overcurrent device for a conductor's allowable ampacity
// (Rule 14-104), and the standard ratings a device is chosen from.
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

// The ratings a designer chooses a breaker from, smallest first: Table 13's
// column (15 to 800 A), then the standard frames above it, 1000 to 6000 A.
std::span<const int> standardRatings();

// The smallest of those ratings of at least `wholeAmperes`, found by one
// look-up up to 800 A; nothing above 6000 A.
std::optional<int> smallestRatingOfAtLeast(std::int64_t wholeAmperes);

} // namespace ampacity
