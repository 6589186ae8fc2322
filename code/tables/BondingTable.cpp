#include "BondingTable.h"

#include "AmpacityTables.h"
#include "ConditionCodes.h"

#include <array>

namespace ampacity {
namespace {

// Every size the table names, smallest first: the wire-size list's with
// 700 and 800 kcmil, which the list leaves out, in their places.
enum Size : int
{
    Awg14,
    Awg12,
    Awg10,
    Awg8,
    Awg6,
    Awg4,
    Awg3,
    Awg2,
    Awg1,
    Awg1_0,
    Awg2_0,
    Awg3_0,
    Awg4_0,
    Kcmil250,
    Kcmil300,
    Kcmil350,
    Kcmil400,
    Kcmil500,
    Kcmil600,
    Kcmil700,
    Kcmil750,
    Kcmil800,
    Kcmil1000,
    Kcmil1250,
};

// The list's row of each size before 700 kcmil, and after 750 kcmil one less
// for the 700 kcmil between.
constexpr std::size_t ListRowOf(Size size)
{
    return size <= Kcmil600    ? static_cast<std::size_t>(size)
           : size == Kcmil750  ? 19
           : size == Kcmil1000 ? 20
                               : 21;
}

constexpr std::string_view Kcmil700Text = TORVANE_TEXT("Wire sizes", "   700 MCM");
constexpr std::string_view Kcmil800Text = TORVANE_TEXT("Wire sizes", "   800 MCM");

constexpr std::string_view textOf(Size size)
{
    if (size == Kcmil700)
        return Kcmil700Text;
    if (size == Kcmil800)
        return Kcmil800Text;
    return WireSizeTexts[ListRowOf(size)];
}

struct Table16Row
{
    int notExceeding; // amperes
    Size copper;
    Size aluminum;
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

std::optional<BondingSize> bondingConductor(std::int16_t materialCode, std::int64_t amperes,
                                            int sharedBy)
{
    constexpr std::int64_t oneAmpere = 10000;
    for (const Table16Row &row : Table16) {
        // amperes / sharedBy <= notExceeding, in whole numbers.
        if (amperes <= std::int64_t{row.notExceeding} * oneAmpere * sharedBy) {
            const Size size = materialCode == material::Copper ? row.copper : row.aluminum;
            return BondingSize{textOf(size), static_cast<int>(size)};
        }
    }
    return std::nullopt;
}

BondingSize listedSize(std::size_t copperListRow)
{
    // Every list row up to 600 kcmil is the size of the same number; 750
    // kcmil and above stand one further for the 700 kcmil between, and 1000
    // kcmil one more for 800 kcmil. Sizes above 1250 kcmil come after all.
    int order = static_cast<int>(copperListRow);
    if (copperListRow >= 19)
        ++order;
    if (copperListRow >= 20)
        ++order;
    return BondingSize{WireSizeTexts[copperListRow], order};
}

} // namespace ampacity
