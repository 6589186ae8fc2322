// Canadian Electrical Code, Part I, 2024, Tables 6A to 6K: the dimensions
// of single insulated conductors for conduit and tubing fill (Rule 12-910),
// each conductor's printed area. Checked cell by cell against the
// transcriptions of tests/core/data/table-6-2024.tsv. The printed multiples
// (2 to 10 and 20 conductors) are left out: two are misprinted (Table 6K,
// 6 AWG x 6 and 2 AWG x 5), and the single area times the count is the rule.
// Table 6B's 8 AWG prints Table 6A's diameter, 5.99 mm, where its other
// sizes are 0.76 mm larger than 6A's: the printed area is kept, as printed.

#include "RacewayTables.h"
#include "WireSize.h"

namespace ampacity {
namespace {

// Every size there is, in ConductorSize's order.
static_assert(Table6SizeCount == ConductorSizeCount);
constexpr std::string_view Sizes[Table6SizeCount] = {
    "14 AWG",     "12 AWG",     "10 AWG",     "8 AWG",      "6 AWG",     "4 AWG",
    "3 AWG",      "2 AWG",      "1 AWG",      "1/0 AWG",    "2/0 AWG",   "3/0 AWG",
    "4/0 AWG",    "250 kcmil",  "300 kcmil",  "350 kcmil",  "400 kcmil", "450 kcmil",
    "500 kcmil",  "600 kcmil",  "700 kcmil",  "750 kcmil",  "800 kcmil", "900 kcmil",
    "1000 kcmil", "1250 kcmil", "1500 kcmil", "1750 kcmil", "2000 kcmil"};

// Stranded 14 AWG to 2000 kcmil in the order of Sizes, then solid 14 to 10 AWG.
constexpr ConductorDimensionTable Tables[] = {
    {"6A",
     "R90XLPE, RW75XLPE, RW90XLPE, RPV90",
     "unjacketed 600 V insulated conductors",
     {887,   1160,  1570,  2820,  3800,  5250,   6200,   7390,   9910,  11900,
      14200, 17100, 20700, 25200, 29300, 33200,  37300,  41300,  45100, 56200,
      64100, 68000, 71900, 79700, 87200, 110900, 130000, 149200, 168200},
     {779, 1010, 1330}},
    {"6B",
     "R90XLPE, RW75XLPE, RW90XLPE, RPV90",
     "unjacketed 1000 V insulated conductors",
     {1340,  1670,  2150,  2820,  4670,  6270,   7300,   8600,   12300, 14400,
      17000, 20200, 24000, 28900, 33200, 37300,  41800,  45900,  50000, 58300,
      66300, 70300, 74300, 82200, 89900, 115400, 134900, 154500, 173800},
     {1210, 1480, 1870}},
    {"6C",
     "R90XLPE, RW75XLPE, R90EP, RW75EP, RW90XLPE, RW90EP, RPV90",
     "jacketed 600 V insulated conductors",
     {1340,  1670,  2150,  3580,  5640,   7380,   8500,   9890,   14400, 16700,
      19500, 22800, 26900, 35400, 40200,  44700,  49500,  54000,  58400, 70900,
      79700, 84100, 88500, 97100, 105400, 141100, 162600, 184000, 205100},
     {1210, 1480, 1870}},
    {"6D",
     "TWU, TWU75, RWU90XLPE (unjacketed), RPVU90 (jacketed)",
     "1000 V cables",
     {1870,  2260,  2800,  4730,  5980,  7780,   8950,   10400,  13800, 16100,
      18800, 22100, 26300, 32100, 36500, 40900,  45600,  49900,  54100, 66200,
      74700, 78900, 83200, 91500, 99600, 120000, 145000, 165200, 185200},
     {1720, 2040, 2490}},
    {"6E",
     "RPVU90",
     "unjacketed 1000 V and 2000 V cables",
     {1880,  2260,  2820,  4750,  5990,  7780,   8930,   10400,  13800, 16000,
      18800, 22100, 26200, 32000, 36600, 41200,  45600,  49900,  54100, 66300,
      74800, 79000, 83100, 91600, 99700, 124800, 145100, 165400, 185300},
     {0, 0, 0}},
    {"6F",
     "RPVU90",
     "jacketed 1000 V and 2000 V cables",
     {2510,  2950,  3580,   6780,   8260,   10400,  11700,  14900,  19000, 21600,
      24700, 28500, 36500,  43300,  48700,  53900,  58900,  63800,  68500, 82200,
      91600, 96300, 100800, 110200, 119000, 156800, 179500, 201900, 223900},
     {0, 0, 0}},
    {"6G",
     "RPV90",
     "unjacketed 2000 V insulated conductors",
     {1880,  2260,  2820,  4160,  5320,  7020,   8110,   9470,   13300, 15500,
      18200, 21500, 25500, 31300, 35800, 40300,  44700,  48900,  53100, 65100,
      73500, 77700, 81800, 90300, 98300, 124800, 145100, 165400, 185300},
     {0, 0, 0}},
    {"6H",
     "RPV90",
     "jacketed 1000 V insulated conductors",
     {1880,  2260,  2820,  4430,  6700,   8580,   9790,   11300,  17200, 19600,
      22600, 26300, 30700, 39700, 44800,  49800,  54600,  59300,  63900, 73300,
      82200, 86700, 90900, 99900, 108300, 146200, 168100, 189900, 211200},
     {0, 0, 0}},
    {"6I",
     "RPV90",
     "jacketed 2000 V insulated conductors",
     {2510,  2950,  4430,  6070,   7470,   9460,   10800,  13900,  18400, 20900,
      24000, 27800, 35600, 42500,  47700,  52900,  57900,  62700,  67400, 80900,
      90300, 94900, 99400, 108700, 117400, 156800, 179500, 201900, 223900},
     {0, 0, 0}},
    {"6J",
     "TW, TW75",
     "insulated conductors (no voltage in title)",
     {890,   1160,  1570,  2820,  4670,  6270,   7300,   8600,   12300, 14400,
      17000, 20200, 24000, 29700, 34100, 38200,  42700,  46900,  51000, 62800,
      71100, 75200, 79300, 87500, 95400, 120000, 139900, 159800, 179400},
     {779, 1010, 1330}},
    {"6K",
     "TWN75, T90 NYLON",
     "insulated conductors (no voltage in title)",
     {616,   845,   1370,  2370,  3270,  5320,  6280,  7490,  10100, 12100,
      14400, 17300, 20900, 25600, 29700, 33600, 37800, 41800, 45600, 0,
      0,     0,     0,     0,     0,     0,     0,     0,     0},
     {527, 712, 1140}},
};

// The classes as the titles give them. 6D names no jacket for TWU and
// TWU75, 6J and 6K no voltage and no jacket: those match any.
constexpr Table6Listing Listings[] = {
    {"R90XLPE", 0, {600, 0}, Jacket::Unjacketed},
    {"RW75XLPE", 0, {600, 0}, Jacket::Unjacketed},
    {"RW90XLPE", 0, {600, 0}, Jacket::Unjacketed},
    {"RPV90", 0, {600, 0}, Jacket::Unjacketed},
    {"R90XLPE", 1, {1000, 0}, Jacket::Unjacketed},
    {"RW75XLPE", 1, {1000, 0}, Jacket::Unjacketed},
    {"RW90XLPE", 1, {1000, 0}, Jacket::Unjacketed},
    {"RPV90", 1, {1000, 0}, Jacket::Unjacketed},
    {"R90XLPE", 2, {600, 0}, Jacket::Jacketed},
    {"RW75XLPE", 2, {600, 0}, Jacket::Jacketed},
    {"R90EP", 2, {600, 0}, Jacket::Jacketed},
    {"RW75EP", 2, {600, 0}, Jacket::Jacketed},
    {"RW90XLPE", 2, {600, 0}, Jacket::Jacketed},
    {"RW90EP", 2, {600, 0}, Jacket::Jacketed},
    {"RPV90", 2, {600, 0}, Jacket::Jacketed},
    {"TWU", 3, {1000, 0}, Jacket::Any},
    {"TWU75", 3, {1000, 0}, Jacket::Any},
    {"RWU90XLPE", 3, {1000, 0}, Jacket::Unjacketed},
    {"RPVU90", 3, {1000, 0}, Jacket::Jacketed},
    {"RPVU90", 4, {1000, 2000}, Jacket::Unjacketed},
    {"RPVU90", 5, {1000, 2000}, Jacket::Jacketed},
    {"RPV90", 6, {2000, 0}, Jacket::Unjacketed},
    {"RPV90", 7, {1000, 0}, Jacket::Jacketed},
    {"RPV90", 8, {2000, 0}, Jacket::Jacketed},
    {"TW", 9, {0, 0}, Jacket::Any},
    {"TW75", 9, {0, 0}, Jacket::Any},
    {"TWN75", 10, {0, 0}, Jacket::Any},
    {"T90 NYLON", 10, {0, 0}, Jacket::Any},
};

} // namespace

std::span<const std::string_view> table6Sizes()
{
    return Sizes;
}

std::span<const ConductorDimensionTable> table6()
{
    return Tables;
}

bool table6Suspect(std::size_t table, std::size_t size, bool solid)
{
    constexpr std::size_t table6B = 1;
    constexpr std::size_t awg8 = 3;
    return table == table6B && size == awg8 && !solid;
}

std::span<const Table6Listing> table6Listings()
{
    return Listings;
}

} // namespace ampacity
