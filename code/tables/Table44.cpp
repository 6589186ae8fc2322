// Canadian Electrical Code, Part I, 2024, Table 44: full-load currents of
// three-phase ac motors, amperes (in tenths here). Checked cell by cell
// against two transcriptions that agree (tests/core/data/table-44-2024.tsv).
// Columns: induction at 115, 200, 208, 230, 460, 575 and 2300 V, then
// synchronous at unity power factor at 200, 230, 460, 575 and 2300 V.
// 0: the table has no value.

#include "MotorTables.h"

#include <array>

namespace ampacity {
namespace {

struct Table44Entry
{
    HorsepowerTwelfths horsepower;
    std::array<std::int16_t, 12> tenths;
};

constexpr Table44Entry Table44[] = {
    {6, {44, 25, 24, 22, 10, 9, 0, 0, 0, 0, 0, 0}},                              // 1/2
    {9, {64, 37, 35, 32, 14, 13, 0, 0, 0, 0, 0, 0}},                             // 3/4
    {12, {84, 48, 46, 42, 18, 17, 0, 0, 0, 0, 0, 0}},                            // 1
    {18, {120, 69, 66, 60, 26, 24, 0, 0, 0, 0, 0, 0}},                           // 1-1/2
    {24, {136, 78, 75, 68, 34, 27, 0, 0, 0, 0, 0, 0}},                           // 2
    {36, {192, 110, 106, 96, 48, 39, 0, 0, 0, 0, 0, 0}},                         // 3
    {60, {304, 175, 167, 152, 76, 61, 0, 0, 0, 0, 0, 0}},                        // 5
    {90, {440, 253, 242, 220, 110, 90, 0, 0, 0, 0, 0, 0}},                       // 7-1/2
    {120, {560, 322, 308, 280, 140, 110, 0, 0, 0, 0, 0, 0}},                     // 10
    {180, {840, 483, 462, 420, 210, 170, 0, 0, 0, 0, 0, 0}},                     // 15
    {240, {1080, 621, 594, 540, 270, 220, 0, 0, 0, 0, 0, 0}},                    // 20
    {300, {1360, 782, 748, 680, 340, 270, 0, 620, 540, 270, 220, 0}},            // 25
    {360, {1600, 920, 880, 800, 400, 320, 0, 750, 650, 330, 260, 0}},            // 30
    {480, {2080, 1200, 1140, 1040, 520, 410, 0, 990, 860, 430, 350, 0}},         // 40
    {600, {2600, 1500, 1430, 1300, 650, 520, 0, 1240, 1080, 540, 440, 0}},       // 50
    {720, {0, 1770, 1690, 1540, 770, 620, 160, 1470, 1280, 640, 510, 120}},      // 60
    {900, {0, 2210, 2110, 1920, 960, 770, 200, 1850, 1610, 810, 650, 150}},      // 75
    {1200, {0, 2850, 2730, 2480, 1240, 990, 260, 2430, 2110, 1060, 850, 200}},   // 100
    {1500, {0, 3590, 3430, 3120, 1560, 1250, 310, 3040, 2640, 1320, 1060, 250}}, // 125
    {1800, {0, 4140, 3960, 3600, 1800, 1440, 370, 0, 0, 1580, 1270, 300}},       // 150
    {2400, {0, 5520, 5280, 4800, 2400, 1920, 490, 0, 0, 2100, 1680, 400}},       // 200
    {3000, {0, 0, 0, 6040, 3020, 2420, 0, 0, 0, 0, 0, 0}},                       // 250
    {3600, {0, 0, 0, 7220, 3610, 2890, 0, 0, 0, 0, 0, 0}},                       // 300
    {4200, {0, 0, 0, 8280, 4140, 3360, 0, 0, 0, 0, 0, 0}},                       // 350
    {4800, {0, 0, 0, 9540, 4770, 3820, 0, 0, 0, 0, 0, 0}},                       // 400
    {5400, {0, 0, 0, 10300, 5150, 4120, 0, 0, 0, 0, 0, 0}},                      // 450
    {6000, {0, 0, 0, 11800, 5900, 4720, 0, 0, 0, 0, 0, 0}},                      // 500
};

const Table44Entry *rowOf(HorsepowerTwelfths horsepower)
{
    for (const Table44Entry &entry : Table44)
        if (entry.horsepower == horsepower)
            return &entry;
    return nullptr;
}

} // namespace

std::optional<int> table44Tenths(HorsepowerTwelfths horsepower, Table44Column column)
{
    const Table44Entry *entry = rowOf(horsepower);
    if (!entry)
        return std::nullopt;
    const int tenths = entry->tenths[static_cast<std::size_t>(column)];
    if (tenths == 0)
        return std::nullopt;
    return tenths;
}

bool table44Lists(HorsepowerTwelfths horsepower)
{
    return rowOf(horsepower) != nullptr;
}

} // namespace ampacity
