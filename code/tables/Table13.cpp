#include "Table13.h"

#include <algorithm>
#include <array>

namespace ampacity {
namespace {

constexpr std::array<Table13Row, 28> Table13 = {{
    {0, 15, 15},     {16, 20, 20},    {21, 25, 25},    {26, 30, 30},    {31, 35, 35},
    {36, 40, 40},    {41, 45, 45},    {46, 50, 50},    {51, 60, 60},    {61, 70, 70},
    {71, 80, 80},    {81, 90, 90},    {91, 100, 100},  {101, 110, 110}, {111, 125, 125},
    {126, 150, 150}, {151, 175, 175}, {176, 200, 200}, {201, 225, 225}, {226, 250, 250},
    {251, 300, 300}, {301, 350, 350}, {351, 400, 400}, {401, 450, 450}, {451, 500, 500},
    {501, 600, 600}, {601, 700, 700}, {701, 800, 800},
}};

constexpr std::array<int, 37> StandardRatings = {
    15,  20,  25,   30,   35,   40,   45,   50,   60,   70,   80,  90,  100,
    110, 125, 150,  175,  200,  225,  250,  300,  350,  400,  450, 500, 600,
    700, 800, 1000, 1200, 1600, 2000, 2500, 3000, 4000, 5000, 6000};

} // namespace

std::span<const Table13Row> table13()
{
    return Table13;
}

namespace {

// Table 13 by whole amperes, 0 to 800, so that a conductor's rating is one
// look-up: the search runs it for every candidate of every circuit.
constexpr int Table13Top = 800;
constexpr std::array<std::int16_t, Table13Top + 1> Table13ByAmpere = [] {
    std::array<std::int16_t, Table13Top + 1> ratings{};
    std::size_t row = 0;
    for (int amperes = 0; amperes <= Table13Top; ++amperes) {
        while (amperes > Table13[row].ampacityTo)
            ++row;
        ratings[static_cast<std::size_t>(amperes)] =
            static_cast<std::int16_t>(Table13[row].ratingPermitted);
    }
    return ratings;
}();
static_assert(Table13.back().ampacityTo == Table13Top, "Table 13 ends at 800 A");

} // namespace

int table13Rating(std::int64_t wholeAmperes)
{
    if (wholeAmperes > Table13Top)
        return static_cast<int>(wholeAmperes);
    return Table13ByAmpere[static_cast<std::size_t>(std::max<std::int64_t>(wholeAmperes, 0))];
}

std::span<const int> standardRatings()
{
    return StandardRatings;
}

std::optional<int> smallestRatingOfAtLeast(std::int64_t wholeAmperes)
{
    // Each row of Table 13 runs from one rating (exclusive) to the next, so
    // that up to 800 A its rating is the smallest at least the amperes.
    if (wholeAmperes <= Table13Top)
        return table13Rating(wholeAmperes);
    const auto above = std::find_if(StandardRatings.begin(), StandardRatings.end(),
                                    [wholeAmperes](int rating) { return rating >= wholeAmperes; });
    if (above == StandardRatings.end())
        return std::nullopt;
    return *above;
}

} // namespace ampacity
