#include "VoltageDropTable.h"

#include "AmpacityTables.h"
#include "ConditionCodes.h"

#include <array>

namespace ampacity {
namespace {

using DropRow = std::array<std::int32_t, 6>;

// One row per size, in the order of the wire-size list, the columns in the
// order of DropColumn: dc, ac at power factor 1, cable at 0.9 and 0.8,
// raceway at 0.9 and 0.8. Ten-thousandths of an ohm per kilometre.
// clang-format off
constexpr DropRow CopperK[] = {
    {102000, 102000,  99200,  96700, 100000,  96700}, // 14 AWG
    { 63800,  63800,  62500,  61000,  62600,  61100}, // 12 AWG
    { 40300,  40300,  39600,  38700,  39600,  38700}, // 10 AWG
    { 25400,  25400,  25000,  24500,  25100,  24500}, // 8 AWG
    { 15900,  15900,  15800,  15500,  15800,  15500}, // 6 AWG
    { 10100,  10100,  10100,   9870,  10100,  10000}, // 4 AWG
    {  7920,   7920,   7970,   7870,   8010,   7920}, // 3 AWG
    {  6260,   6270,   6360,   6290,   6390,   6350}, // 2 AWG
    {  5000,   5000,   5120,   5090,   5160,   5150}, // 1 AWG
    {  3950,   3960,   4100,   4090,   4140,   4150}, // 1/0 AWG
    {  3140,   3160,   3310,   3320,   3350,   3380}, // 2/0 AWG
    {  2490,   2510,   2670,   2700,   2710,   2750}, // 3/0 AWG
    {  1970,   2000,   2170,   2210,   2210,   2260}, // 4/0 AWG
    {  1670,   1710,   1880,   1930,   1920,   1980}, // 250 kcmil
    {  1400,   1440,   1620,   1670,   1660,   1720}, // 300 kcmil
    {  1200,   1250,   1430,   1480,   1470,   1540}, // 350 kcmil
    {  1050,   1110,   1290,   1350,   1330,   1400}, // 400 kcmil
    {   836,    912,   1100,   1160,   1140,   1210}, // 500 kcmil
    {   697,    785,    969,   1040,   1010,   1090}, // 600 kcmil
    {   558,    668,    850,    915,    889,    970}, // 750 kcmil
    {   417,    558,    739,    805,    778,    860}, // 1000 kcmil
};

constexpr DropRow AluminumK[] = {
    {105000, 105000, 103000, 100000, 103000,  99900}, // 12 AWG
    { 65800,  65800,  64400,  62800,  64500,  62900}, // 10 AWG
    { 41400,  41400,  40700,  39700,  40700,  39800}, // 8 AWG
    { 26200,  26200,  25800,  25200,  25800,  25300}, // 6 AWG
    { 16500,  16500,  16300,  16000,  16400,  16100}, // 4 AWG
    { 13000,  13100,  13000,  12700,  13000,  12800}, // 3 AWG
    { 10400,  10400,  10400,  10200,  10400,  10300}, // 2 AWG
    {  8200,   8200,   8230,   8120,   8270,   8180}, // 1 AWG
    {  6510,   6520,   6590,   6520,   6630,   6570}, // 1/0 AWG
    {  5160,   5170,   5260,   5220,   5300,   5280}, // 2/0 AWG
    {  4080,   4090,   4200,   4190,   4240,   4250}, // 3/0 AWG
    {  3260,   3270,   3410,   3410,   3450,   3470}, // 4/0 AWG
    {  2750,   2770,   2910,   2930,   2950,   2990}, // 250 kcmil
    {  2290,   2310,   2470,   2490,   2500,   2550}, // 300 kcmil
    {  1960,   1990,   2150,   2180,   2190,   2240}, // 350 kcmil
    {  1720,   1750,   1910,   1950,   1950,   2010}, // 400 kcmil
    {  1380,   1410,   1580,   1630,   1620,   1680}, // 500 kcmil
    {  1150,   1190,   1360,   1420,   1400,   1470}, // 600 kcmil
    {   916,    968,   1150,   1210,   1190,   1260}, // 750 kcmil
    {   686,    758,    933,    994,    973,   1050}, // 1000 kcmil
};
// clang-format on

} // namespace

std::optional<std::int32_t> dropK(WireSize conductor, DropColumn column)
{
    const bool copper = conductor.material == material::Copper;
    const std::size_t rows = copper ? std::size(CopperK) : std::size(AluminumK);
    const auto listRow = conductor.row();
    if (!listRow || *listRow >= rows)
        return std::nullopt;
    const DropRow &row = copper ? CopperK[*listRow] : AluminumK[*listRow];
    return row[static_cast<std::size_t>(column)];
}

} // namespace ampacity
