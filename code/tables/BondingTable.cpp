#include "BondingTable.h"

#include "ConditionCodes.h"

#include <array>

namespace ampacity {
namespace {

using enum ConductorSize;

struct Table16Row
{
    int notExceeding; // amperes
    ConductorSize copper;
    ConductorSize aluminum;
};

constexpr std::array<Table16Row, 19> Table16 = {{
    {20, Awg14, Awg12},          {30, Awg12, Awg10},         {60, Awg10, Awg8},
    {100, Awg8, Awg6},           {200, Awg6, Awg4},          {300, Awg4, Awg2},
    {400, Awg3, Awg1},           {500, Awg2, Awg1_0},        {600, Awg1, Awg2_0},
    {800, Awg1_0, Awg3_0},       {1000, Awg2_0, Awg4_0},     {1200, Awg3_0, Kcmil250},
    {1600, Awg4_0, Kcmil350},    {2000, Kcmil250, Kcmil400}, {2500, Kcmil350, Kcmil500},
    {3000, Kcmil400, Kcmil600},  {4000, Kcmil500, Kcmil800}, {5000, Kcmil700, Kcmil1000},
    {6000, Kcmil800, Kcmil1250},
}};

} // namespace

std::optional<WireSize> bondingConductor(std::int16_t materialCode, std::int64_t amperes,
                                         int sharedBy)
{
    constexpr std::int64_t oneAmpere = 10000;
    for (const Table16Row &row : Table16) {
        // amperes / sharedBy <= notExceeding, in whole numbers.
        if (amperes <= std::int64_t{row.notExceeding} * oneAmpere * sharedBy)
            return WireSize{materialCode,
                            materialCode == material::Copper ? row.copper : row.aluminum};
    }
    return std::nullopt;
}

} // namespace ampacity
