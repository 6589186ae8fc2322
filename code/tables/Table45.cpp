// Canadian Electrical Code, Part I, 2024, Table 45: full-load currents of
// single-phase ac motors at 115 V and 230 V, amperes (in tenths here).
// Checked cell by cell against two transcriptions that agree
// (tests/core/data/table-45-2024.tsv). Its Note 1 (200 V and 208 V motors)
// is applied where the current is worked out, not here.

#include "MotorTables.h"

#include <array>

namespace ampacity {
namespace {

struct Table45Entry
{
    HorsepowerTwelfths horsepower;
    std::array<std::int16_t, 2> tenths; // 115 V, 230 V
};

constexpr Table45Entry Table45[] = {
    {2, {44, 22}},      // 1/6
    {3, {58, 29}},      // 1/4
    {4, {72, 36}},      // 1/3
    {6, {98, 49}},      // 1/2
    {9, {138, 69}},     // 3/4
    {12, {160, 80}},    // 1
    {18, {200, 100}},   // 1-1/2
    {24, {240, 120}},   // 2
    {36, {340, 170}},   // 3
    {60, {560, 280}},   // 5
    {90, {800, 400}},   // 7-1/2
    {120, {1000, 500}}, // 10
};

} // namespace

std::optional<int> table45Tenths(HorsepowerTwelfths horsepower, Table45Column column)
{
    for (const Table45Entry &entry : Table45)
        if (entry.horsepower == horsepower)
            return entry.tenths[static_cast<std::size_t>(column)];
    return std::nullopt;
}

HorsepowerTwelfths table45Largest()
{
    return std::end(Table45)[-1].horsepower;
}

} // namespace ampacity
