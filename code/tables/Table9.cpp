// Canadian Electrical Code, Part I, 2024, Tables 9A to 9H reduced to what
// they are worked out from: each raceway's internal diameter by trade size
// (Rule 12-910). Checked against tests/core/data/table-9-2024.tsv. The
// printed areas are not kept: Table 9G prints 5520 mm2 for 129 EMT at 40 %,
// where the diameter, 128.9 mm, gives 5219.8 mm2.

#include "RacewayTables.h"

namespace ampacity {
namespace {

// Trade size (metric designator) and internal diameter, hundredths of a mm.
constexpr TradeSize Rmc[] = {{16, 1605}, {21, 2123},   {27, 2700},   {35, 3541},
                             {41, 4125}, {53, 5291},   {63, 6322},   {78, 7849},
                             {91, 9068}, {103, 10287}, {129, 12885}, {155, 15476}};
constexpr TradeSize Fmc[] = {{12, 952},  {16, 1588}, {21, 2062},  {27, 2540},
                             {35, 3175}, {41, 3810}, {53, 5080},  {63, 6350},
                             {78, 7620}, {91, 8890}, {103, 10160}};
constexpr TradeSize RigidPvc[] = {{16, 1457},   {21, 1977},   {27, 2540},  {35, 3175}, {41, 3810},
                                  {53, 5080},   {63, 6130},   {78, 7620},  {91, 8840}, {103, 10010},
                                  {129, 12585}, {155, 14975}, {200, 19939}};
constexpr TradeSize RigidPvcEb1Db2Es2[] = {{53, 5080},   {78, 7620},   {91, 8840},
                                           {103, 10010}, {129, 12635}, {155, 14975}};
constexpr TradeSize Lfmc[] = {{12, 1229}, {16, 1580}, {21, 2083},  {27, 2644},
                              {35, 3505}, {41, 4001}, {53, 5131},  {63, 6299},
                              {78, 7798}, {91, 8890}, {103, 10160}};
constexpr TradeSize Lfnc[] = {{12, 1207}, {16, 1549}, {21, 2045}, {27, 2591},
                              {35, 3454}, {41, 4001}, {53, 5169}};
constexpr TradeSize Emt[] = {{16, 1540}, {21, 2050},   {27, 2620},   {35, 3460},
                             {41, 4050}, {53, 5210},   {63, 6940},   {78, 8520},
                             {91, 9740}, {103, 11000}, {129, 12890}, {155, 15480}};
constexpr TradeSize Ent[] = {{16, 1458}, {21, 1966}, {27, 2537},
                             {35, 3373}, {41, 3957}, {53, 5118}};
constexpr TradeSize RtrcIps[] = {{16, 1727},   {21, 2261},   {27, 2934},  {35, 3810},
                                 {41, 4420},   {53, 5626},   {63, 6960},  {78, 8484},
                                 {103, 10972}, {129, 13614}, {155, 16205}};
constexpr TradeSize RtrcId[] = {{16, 1194}, {21, 1829},   {27, 2464},  {35, 3099},
                                {41, 3734}, {53, 5029},   {63, 6300},  {78, 7569},
                                {91, 8839}, {103, 10109}, {129, 12624}};
constexpr TradeSize HdpeSch40[] = {{16, 1467},   {21, 1978},   {27, 2540},   {35, 3382},
                                   {41, 3963},   {53, 5118},   {63, 6113},   {78, 7614},
                                   {103, 10026}, {129, 12591}, {155, 15150}, {200, 19964}};
constexpr TradeSize HdpeSch80[] = {{16, 1275},  {21, 1770},   {27, 2306},  {35, 3110},
                                   {41, 3663},  {53, 4782},   {63, 5697},  {78, 7138},
                                   {103, 9456}, {129, 11925}, {155, 14286}};
constexpr TradeSize HdpeDr9[] = {
    {16, 1547}, {21, 1965},  {27, 2486},   {35, 3151},   {41, 3610},   {53, 4519},   {63, 5463},
    {78, 6656}, {103, 8536}, {129, 10554}, {155, 12563}, {200, 16358}, {275, 20384}, {325, 24179}};
constexpr TradeSize HdpeDr11[] = {
    {16, 1630}, {21, 2073},  {27, 2621},   {35, 3331},   {41, 3827},   {53, 4791},   {63, 5792},
    {78, 7060}, {103, 9052}, {129, 11193}, {155, 13322}, {200, 17349}, {275, 21619}, {325, 25646}};
constexpr TradeSize HdpeDr135[] = {
    {16, 1702}, {21, 2163},  {27, 2733},   {35, 3473},   {41, 3993},   {53, 5018},   {63, 6068},
    {78, 7395}, {103, 9483}, {129, 11725}, {155, 13957}, {200, 18174}, {275, 22649}, {325, 26866}};
constexpr TradeSize HdpeDr155[] = {
    {16, 1743}, {21, 2214},  {27, 2797},   {35, 3554},   {41, 4085},   {53, 5140},   {63, 6224},
    {78, 7585}, {103, 9729}, {129, 12029}, {155, 14319}, {200, 18643}, {275, 23235}, {325, 27559}};

// The first eight are Table 9A's (with 9C, 9E and 9G), the rest Table 9B's
// (with 9D, 9F and 9H).
constexpr RacewayKind Raceways[] = {
    {RacewayNames[0].id, RacewayNames[0].name, "9A", Rmc},
    {RacewayNames[1].id, RacewayNames[1].name, "9A", Fmc},
    {RacewayNames[2].id, RacewayNames[2].name, "9A", RigidPvc},
    {RacewayNames[3].id, RacewayNames[3].name, "9A", RigidPvcEb1Db2Es2},
    {RacewayNames[4].id, RacewayNames[4].name, "9A", Lfmc},
    {RacewayNames[5].id, RacewayNames[5].name, "9A", Lfnc},
    {RacewayNames[6].id, RacewayNames[6].name, "9A", Emt},
    {RacewayNames[7].id, RacewayNames[7].name, "9A", Ent},
    {RacewayNames[8].id, RacewayNames[8].name, "9B", RtrcIps},
    {RacewayNames[9].id, RacewayNames[9].name, "9B", RtrcId},
    {RacewayNames[10].id, RacewayNames[10].name, "9B", HdpeSch40},
    {RacewayNames[11].id, RacewayNames[11].name, "9B", HdpeSch80},
    {RacewayNames[12].id, RacewayNames[12].name, "9B", HdpeDr9},
    {RacewayNames[13].id, RacewayNames[13].name, "9B", HdpeDr11},
    {RacewayNames[14].id, RacewayNames[14].name, "9B", HdpeDr135},
    {RacewayNames[15].id, RacewayNames[15].name, "9B", HdpeDr155},
};

} // namespace

std::span<const RacewayKind> table9()
{
    return Raceways;
}

} // namespace ampacity
