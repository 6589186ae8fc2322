// Raceway fill, Rule 12-910: Tables 6, 8 and 9 checked cell by cell against
// transcriptions typed apart from the program's, and the questions
// electricians ask of them worked by hand from those transcriptions.

#include "AmpacityTables.h"
#include "Check.h"
#include "RacewayFill.h"
#include "ReferenceRows.h"
#include "Schedule.h"
#include "TableOnly.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

// "38.0" or "1109" in hundredths.
AreaHundredths hundredthsOf(const std::string &cell)
{
    return std::llround(std::stod(cell) * 100.0);
}

const RacewayKind &racewayNamed(std::string_view id)
{
    return table9()[static_cast<std::size_t>(std::get<int>(readRaceway(id)))];
}

void tablesMatchTheReferences()
{
    const auto table6Rows = referenceRows(TORVANE_TABLE_6);
    check::equal(table6Rows.size(), std::size_t{327}, "Table 6's rows");
    int listed = 0;
    for (const auto &row : table6Rows) {
        const auto found = std::find_if(table6().begin(), table6().end(),
                                        [&](const auto &t) { return t.name == row[0]; });
        if (!check::that(found != table6().end(), "Table " + row[0]))
            continue;
        check::equal(found->types, row[1], "Table " + row[0] + "'s types");
        check::equal(found->title, row[2], "Table " + row[0] + "'s class");
        const auto size = table6SizeOf(row[4]);
        if (!check::that(size.has_value(), "the size " + row[4]))
            continue;
        const AreaHundredths area =
            row[3] == "solid" ? found->solid.at(*size) : found->stranded.at(*size);
        check::equal(area, hundredthsOf(row[6]), "Table " + row[0] + ", " + row[3] + " " + row[4]);
    }
    // ...and nothing besides: every area the program has is one of those rows.
    for (const auto &t : table6()) {
        listed += static_cast<int>(std::count_if(t.stranded.begin(), t.stranded.end(),
                                                 [](AreaHundredths a) { return a > 0; }));
        listed += static_cast<int>(
            std::count_if(t.solid.begin(), t.solid.end(), [](AreaHundredths a) { return a > 0; }));
    }
    check::equal(listed, 327, "areas in Table 6");

    const auto table9Rows = referenceRows(TORVANE_TABLE_9);
    std::size_t sizes = 0;
    for (const auto &t : table9())
        sizes += t.sizes.size();
    check::equal(sizes, table9Rows.size(), "trade sizes in Table 9");
    for (const auto &row : table9Rows) {
        const RacewayKind &raceway = racewayNamed(row[0]);
        check::equal(std::string(raceway.name), row[1], row[0] + "'s name");
        check::equal(raceway.table, row[2], row[0] + "'s table");
        const auto trade = readTradeSize(row[3], raceway);
        if (!check::that(std::holds_alternative<std::size_t>(trade), row[0] + " " + row[3]))
            continue;
        check::equal(raceway.sizes[std::get<std::size_t>(trade)].diameterHundredths,
                     hundredthsOf(row[4]), row[0] + " " + row[3] + "'s diameter");
    }

    // Table 8's first row: 1, 2, 3, 4 and over 4 conductors.
    const auto table8Rows = referenceRows(TORVANE_TABLE_8);
    const auto &notLeadSheathed = table8Rows.at(0);
    check::equal(notLeadSheathed[0], std::string("not-lead-sheathed"), "Table 8's first row");
    for (const int count : {1, 2, 3, 4, 5, 200})
        check::equal(table8Percent(count),
                     std::stoi(notLeadSheathed[static_cast<std::size_t>(std::min(count, 5)) + 1]),
                     "Table 8 for " + std::to_string(count));
}

// The wire of a type in a class, as the options give it.
Wire wireOf(std::string_view type, int voltage = 0, bool jacketed = false, bool solid = false)
{
    const auto given = readWireType(type);
    const auto wire = wireIn(std::get<WireTypeGiven>(given), voltage, jacketed, solid);
    check::that(std::holds_alternative<Wire>(wire), std::string(type) + " in its class");
    return std::holds_alternative<Wire>(wire) ? std::get<Wire>(wire) : Wire{};
}

AreaHundredths areaOf(const Wire &wire, std::string_view size)
{
    return conductorArea(wire, *table6SizeOf(size));
}

// The smallest trade size for `count` conductors of one wire and size, as
// its designator; 0 for none.
int smallestFor(int count, std::string_view size, const Wire &wire, std::string_view raceway)
{
    const RacewayKind &kind = racewayNamed(raceway);
    const auto found = smallestTradeSize(kind, areaOf(wire, size) * count, count);
    return found ? kind.sizes[*found].designator : 0;
}

// The worked cases: what an electrician asks, answered from the book.
void workedCases()
{
    const Wire rw90 = wireOf("RW90");
    struct Case
    {
        int count;
        const char *size;
        Wire wire;
        const char *raceway;
        int trade;
        const char *why;
    };
    const Case cases[] = {
        {3, "6", rw90, "rmc", 21, "3 x 6 AWG RW90, 38.0 mm2 each: 16 holds 80.9 mm2, 21 141.6"},
        {8, "3", wireOf("TW"), "emt", 53, "8 x 3 AWG TW of Table 6J"},
        {3, "250", wireOf("RW90", 0, true), "rmc", 63, "3 x 250 kcmil RW90 jacketed, Table 6C"},
        {3, "1/0", rw90, "rmc", 35, "3 x 1/0 RW90, 119 mm2 each"},
        // Table 8 by the number: one conductor may fill 53 %, two only 31 %.
        {1, "250", rw90, "emt", 27, "one 250 kcmil (252 mm2): 27 EMT at 46.74 %"},
        {2, "4", rw90, "emt", 27, "two 4 AWG, 105 mm2: 40 % of 21 EMT would hold them, 31 % not"},
        {1, "2000", rw90, "emt", 63, "one 2000 kcmil, 1682 mm2"},
        {3, "2000", rw90, "emt", 129, "three 2000 kcmil, 5046 mm2: 129 EMT holds 5219.8"},
        {4, "2000", rw90, "emt", 155, "four 2000 kcmil, 6728 mm2"},
        {5, "2000", rw90, "emt", 0, "five 2000 kcmil: no EMT holds them"},
    };
    for (const Case &c : cases)
        check::equal(smallestFor(c.count, c.size, c.wire, c.raceway), c.trade, c.why);

    // 3 x 1/0 RW90 fills 35 rigid metal conduit to 36.25 %.
    const RacewayKind &rmc = racewayNamed("rmc");
    const Fill fill = fillOf(3 * areaOf(rw90, "1/0"), 3, rmc.sizes[3]);
    check::equal(hundredths(fill.percent), std::int64_t{3625}, "35 RMC's fill");
    check::that(fill.fits, "35 RMC holds them");
    check::that(!fillOf(3 * areaOf(rw90, "6"), 3, rmc.sizes[0]).fits, "16 RMC is too small");

    // How many of one conductor a trade size holds.
    const RacewayKind &emt = racewayNamed("emt");
    const TradeSize &emt16 = emt.sizes[std::get<std::size_t>(readTradeSize("1/2", emt))];
    check::equal(mostConductors(emt16, areaOf(rw90, "12")), 6,
                 "12 AWG RW90 in 16 EMT (American charts say 9)");
    check::equal(mostConductors(emt16, areaOf(wireOf("T90"), "12")), 8, "12 AWG T90 in 16 EMT");
    check::equal(mostConductors(emt16, areaOf(rw90, "1/0")), 0, "1/0 RW90 in 16 EMT: none");
    // Where three do not fit at 40 %, one may still at 53 %: 2 AWG RW90
    // (73.9 mm2) in 16 EMT (186.27 mm2): three need 221.7, two 147.8 against
    // 57.7 at 31 %, one 73.9 against 98.7 at 53 %.
    check::equal(mostConductors(emt16, areaOf(rw90, "2")), 1, "2 AWG RW90 in 16 EMT");
    // Each number held to its own row: in 21 EMT (330.06 mm2) two 3 AWG RW90
    // (124 mm2) would fit at 40 % but not at 31 % (102.3), so one; one 2/0
    // (142 mm2) fits only at 53 %.
    const TradeSize &emt21 = emt.sizes[1];
    check::equal(mostConductors(emt21, areaOf(rw90, "3")), 1, "3 AWG RW90 in 21 EMT");
    check::equal(mostConductors(emt21, areaOf(rw90, "2/0")), 1, "2/0 RW90 in 21 EMT");
}

// The book's traps.
void theTraps()
{
    // 129 EMT's area is worked out from its diameter, 128.9 mm: 40 % of it is
    // 5219.82 mm2, where Table 9G prints 5520.
    const RacewayKind &emt = racewayNamed("emt");
    const TradeSize &emt129 = emt.sizes[std::get<std::size_t>(readTradeSize("129", emt))];
    check::equal(hundredths(fillOf(0, 3, emt129).allowedArea), std::int64_t{521982},
                 "129 EMT's 40 %");
    check::that(!fillOf(530000, 3, emt129).fits, "5300 mm2 does not fit 129 EMT");
    const auto larger = smallestTradeSize(emt, 530000, 3);
    check::equal(larger ? emt.sizes[*larger].designator : 0, 155, "5300 mm2 takes 155 EMT");

    // Table 6K's multiples are never used: six 6 AWG TWN75 are 6 x 32.7 mm2,
    // not the printed 1975.
    check::equal(areaOf(wireOf("TWN75"), "6") * 6, AreaHundredths{19620}, "six 6 AWG TWN75");

    // The last hundredth of a mm2 within Table 8's limit passes, the next
    // one does not: at the limit is within it.
    const TradeSize &emt21 = emt.sizes[1];
    const auto limit =
        static_cast<AreaHundredths>(std::floor(fillOf(0, 3, emt21).allowedArea * 100));
    check::that(fillOf(limit, 3, emt21).fits, "at the limit");
    check::that(!fillOf(limit + 1, 3, emt21).fits, "past the limit");
    const TradeSize made{50, 1000}; // 10 mm: 78.54 mm2, 40 % is 31.42
    check::that(fillOf(3141, 3, made).fits && !fillOf(3142, 3, made).fits, "10 mm at 40 %");
    // Exactly at the limit: 40 mm2 of three in 100 mm2, 31 of two, 53 of one.
    check::that(withinTable8(40, 3, 100) && !withinTable8(40.01, 3, 100), "40 % of three");
    check::that(withinTable8(31, 2, 100) && !withinTable8(31.01, 2, 100), "31 % of two");
    check::that(withinTable8(53, 1, 100) && !withinTable8(53.01, 1, 100), "53 % of one");

    // Where two tables list the wire in its class, the larger area: RPVU90
    // jacketed at 1000 V is in 6D (59.8 mm2 at 6 AWG) and 6F (82.6 mm2).
    const Wire rpvu90 = wireOf("RPVU90", 1000, true);
    check::equal(areaOf(rpvu90, "6"), AreaHundredths{8260}, "RPVU90 jacketed, 6 AWG");
    check::equal(conductorTable(rpvu90, 4), std::string_view("6F"), "...from Table 6F");
    // Table 6B's 8 AWG as printed (the 6A diameter, 28.2 mm2).
    check::equal(areaOf(wireOf("RW90", 1000), "8"), AreaHundredths{2820}, "6B's 8 AWG as printed");
}

// Which table a wire type in a class is counted in.
void wireTypesAndClasses()
{
    struct Case
    {
        const char *type;
        int voltage;
        bool jacketed;
        const char *table; // of 6 AWG; "" where no table lists it in that class
    };
    const Case cases[] = {
        {"RW90", 0, false, "6A"},        {"rw 90", 0, false, "6A"},     {"RW90XLPE", 0, true, "6C"},
        {"RW90EP", 0, true, "6C"},       {"RW90", 1000, false, "6B"},   {"RW90", 2000, false, ""},
        {"R90", 0, false, "6A"},         {"RW75", 600, true, "6C"},     {"RPV90", 0, false, "6A"},
        {"RPV90", 2000, false, "6G"},    {"RPV90", 1000, true, "6H"},   {"RPV90", 2000, true, "6I"},
        {"TWU", 0, false, "6D"},         {"TWU", 0, true, "6D"},        {"TWU75", 600, false, ""},
        {"RWU90", 0, false, "6D"},       {"RWU90", 0, true, ""},        {"RPVU90", 0, false, "6E"},
        {"RPVU90", 2000, true, "6F"},    {"TW", 2000, true, "6J"},      {"tw75", 0, false, "6J"},
        {"TWN75", 0, false, "6K"},       {"T90 NYLON", 0, false, "6K"}, {"t90", 0, false, "6K"},
        {"TWN75 NYLON", 0, false, "6K"}, {"R90EP", 0, false, ""},
    };
    for (const Case &c : cases) {
        const auto given = readWireType(c.type);
        if (!check::that(std::holds_alternative<WireTypeGiven>(given), c.type))
            continue;
        const auto wire = wireIn(std::get<WireTypeGiven>(given), c.voltage, c.jacketed, false);
        const std::string what = std::string(c.type) + " at " + std::to_string(c.voltage) +
                                 (c.jacketed ? " V, jacketed" : " V");
        if (std::string_view(c.table).empty()) {
            const auto *problem = std::get_if<Problem>(&wire);
            check::that(problem && problem->kind == Problem::Kind::WireClassNotListed,
                        what + ": no table");
        } else if (check::that(std::holds_alternative<Wire>(wire), what)) {
            check::equal(conductorTable(std::get<Wire>(wire), 4), std::string_view(c.table), what);
        }
    }
    // The classes a type comes in, named for the user.
    const auto rwu90 = wireIn(std::get<WireTypeGiven>(readWireType("RWU90")), 0, true, false);
    check::equal(describe(std::get<Problem>(rwu90)),
                 std::string("Table 6 does not list RWU90 in the class asked for: it lists it in "
                             "Table 6D (1000 V, --jacketed no)"),
                 "RWU90 jacketed");
    // Solid: Table 6's solid rows, 14 to 10 AWG.
    check::equal(areaOf(wireOf("RW90", 0, false, true), "14"), AreaHundredths{779}, "solid 14 AWG");
    check::equal(areaOf(wireOf("RW90", 0, false, true), "8"), AreaHundredths{0}, "no solid 8 AWG");
    check::equal(areaOf(wireOf("RPVU90", 0, false, true), "14"), AreaHundredths{0},
                 "no solid RPVU90");
}

// What the user writes, read or refused.
void readingsAndBadInput()
{
    const RacewayKind &emt = racewayNamed("EMT");
    struct TradeCase
    {
        const char *text;
        int designator; // 0: refused
    };
    const TradeCase trades[] = {{"21", 21},    {"3/4", 21},     {"3/4\"", 21}, {"1-1/4", 35},
                                {"1 1/4", 35}, {"1-1/4in", 35}, {"4", 103},    {"6", 155},
                                {"12", 0},     {"200", 0},      {"22", 0},     {"3/8", 0},
                                {"", 0},       {"1/4", 0}};
    for (const TradeCase &c : trades) {
        const auto read = readTradeSize(c.text, emt);
        const int designator = std::holds_alternative<std::size_t>(read)
                                   ? emt.sizes[std::get<std::size_t>(read)].designator
                                   : 0;
        check::equal(designator, c.designator, std::string("EMT trade size ") + c.text);
    }
    check::equal(describe(std::get<Problem>(readTradeSize("22", emt))),
                 std::string("emt does not come in trade size \"22\": its sizes are 16, 21, 27, "
                             "35, 41, 53, 63, 78, 91, 103, 129, 155"),
                 "a trade size EMT does not come in");
    const auto unknown = readRaceway("pipe");
    check::that(std::holds_alternative<Problem>(unknown) &&
                    describe(std::get<Problem>(unknown)).find("rmc, fmc, rigid-pvc") !=
                        std::string::npos,
                "an unknown raceway names the known ones");
    check::equal(std::get<int>(readRaceway("")), -1, "no raceway");
    check::that(std::holds_alternative<Problem>(readWireType("THHN")), "THHN is no Canadian type");
    check::that(std::holds_alternative<Problem>(readWireVoltage("480")), "480 V is no class");
    check::equal(std::get<int>(readWireVoltage("1000 V")), 1000, "1000 V");

    struct GroupCase
    {
        const char *text;
        int count; // -1: refused
        const char *size;
        Problem::Kind kind = Problem::Kind::GroupNotRead;
    };
    const GroupCase groups[] = {
        {"3x6", 3, "6 AWG"},
        {"4X1/0", 4, "1/0 AWG"},
        {"3 × 250 kcmil", 3, "250 kcmil"},
        {"1x10:TWN75", 1, "10 AWG"},
        {"12:T90", 0, "12 AWG"},
        {"3x#6", 3, "6 AWG"},
        {"2x700MCM", 2, "700 kcmil"},
        {"0x6", -1, "", Problem::Kind::CountNotWhole},
        {"201x6", -1, "", Problem::Kind::CountNotWhole},
        {"1.5x6", -1, "", Problem::Kind::CountNotWhole},
        {"3x7", -1, "", Problem::Kind::NotTable6Size},
        {"3x", -1, "", Problem::Kind::GroupNotRead},
        {"x6", -1, "", Problem::Kind::GroupNotRead},
        {"3x6:", -1, "", Problem::Kind::GroupNotRead},
        {"3x6:THHN", -1, "", Problem::Kind::UnknownWireType},
    };
    for (const GroupCase &c : groups) {
        const auto read = readConductorGroup(c.text);
        if (c.count < 0) {
            const auto *problem = std::get_if<Problem>(&read);
            check::that(problem && problem->kind == c.kind, std::string("refused: ") + c.text);
        } else if (check::that(std::holds_alternative<ConductorGroup>(read), c.text)) {
            const auto &group = std::get<ConductorGroup>(read);
            check::equal(group.count, c.count, std::string("count of ") + c.text);
            check::equal(table6Sizes()[group.size], std::string_view(c.size),
                         std::string("size of ") + c.text);
        }
    }
}

// One circuit sized with a raceway, as `torvane size` sizes it.
ScheduleRow sized(const char *load, ConditionTexts texts)
{
    return singleCircuit(load, texts).rows.front();
}

void circuitsTakeTheirRaceway()
{
    ConditionTexts texts;
    texts.raceway = "emt";
    // 40 A continuous: 6 AWG TW (the 60 °C insulation's type) and a 10 AWG
    // bond, 46.7 x 2 + 15.7 = 109.1 mm2: 21 EMT at 33.05 %.
    const ScheduleRow plain = sized("40", texts);
    check::that(plain.sizing && !plain.problem, "40 A in EMT");
    check::equal(plain.sizing->raceway.conductors, 3, "two conductors and the bond");
    check::equal(tradeSizeOf(plain.sizing->raceway).designator, 21, "21 EMT");
    check::equal(racewayFillHundredths(plain.sizing->raceway), std::int64_t{3305}, "at 33.05 %");
    // Without the bond: two conductors, held to Table 8's 31 %.
    ConditionTexts noBond = texts;
    noBond.bondInRaceway = "no";
    const ScheduleRow bare = sized("40", noBond);
    check::equal(bare.sizing->raceway.conductors, 2, "no bond in the raceway");
    check::equal(racewayFillHundredths(bare.sizing->raceway), std::int64_t{2830}, "28.30 %");
    // Three-phase with a neutral: 4 of 6 AWG and the bond, 27 EMT.
    ConditionTexts neutral = texts;
    neutral.system = "3ph";
    neutral.neutral = "yes";
    const ScheduleRow four = sized("40", neutral);
    check::equal(four.sizing->raceway.conductors, 5, "three phases, the neutral, the bond");
    check::equal(tradeSizeOf(four.sizing->raceway).designator, 27, "27 EMT");
    neutral.neutral = "";
    check::equal(sized("40", neutral).sizing->raceway.conductors, 4, "the neutral only if asked");
    // Without a wire type, the insulation's: 75 °C is RW75, of Table 6A.
    ConditionTexts seventyFive = texts;
    seventyFive.insulation = "75";
    const ScheduleRow inRw75 = sized("40", seventyFive);
    check::equal(
        std::string(
            table19WireTypes()[static_cast<std::size_t>(inRw75.sizing->raceway.wire.type)].name),
        std::string("RW75"), "75 °C counted as RW75");
    const Wire rw75wire = wireOf("RW75");
    check::equal(inRw75.sizing->raceway.area,
                 2 * areaOf(rw75wire, wireSizeText(inRw75.sizing->conductor.size)) +
                     areaOf(rw75wire, wireSizeText(inRw75.sizing->bonding.size)),
                 "two conductors and the bond of Table 6A");
    // Parallel sets: each raceway holds one set. 400 A in 2 sets of 350
    // kcmil TW with a 4 AWG bond each: 2 x 324 + 62.8... 53 RMC at 37.6 %.
    ConditionTexts sets;
    sets.raceway = "rmc";
    sets.sets = "2";
    const ScheduleRow parallel = sized("400", sets);
    check::equal(parallel.sizing->raceway.conductors, 3, "one set in each raceway");
    check::equal(tradeSizeOf(parallel.sizing->raceway).designator, 53, "53 RMC a set");
    check::equal(racewayFillHundredths(parallel.sizing->raceway), std::int64_t{3760}, "37.60 %");
    // A raceway never changes the conductor.
    check::that(parallel.sizing->conductor ==
                    sized("400", ConditionTexts{.sets = "2"}).sizing->conductor,
                "the conductor with or without a raceway");

    // The wire type sets the insulation, unless one is given; a higher one
    // than the type's is refused.
    ConditionTexts rw90 = texts;
    rw90.wire = "RW90";
    const ScheduleRow ninety = sized("40", rw90);
    check::equal(ninety.sizing->tableAmpacity, std::int16_t{75}, "6 AWG on the 90 °C column");
    check::equal(
        std::string(
            table19WireTypes()[static_cast<std::size_t>(ninety.sizing->raceway.wire.type)].name),
        std::string("RW90"), "RW90 counted");
    rw90.insulation = "75";
    check::equal(sized("40", rw90).sizing->tableAmpacity, std::int16_t{65},
                 "RW90 sized on the 75 °C column");
    ConditionTexts rw75 = texts;
    rw75.wire = "RW75";
    rw75.insulation = "90";
    const ScheduleRow above = sized("40", rw75);
    check::that(!above.sizing && above.problem &&
                    above.problem->kind == Problem::Kind::InsulationAboveWire,
                "RW75 on 90 °C is refused");

    // Conductors no trade size holds, or a size the type's table does not
    // list: the row's problem, with its conductor and the other answers.
    ConditionTexts ent;
    ent.raceway = "ent";
    ent.continuous = "no";
    const ScheduleRow big = sized("400", ent);
    check::that(big.sizing && big.problem && big.problem->kind == Problem::Kind::NoRacewayHolds,
                "400 A in ENT: no trade size");
    check::that(
        big.problem &&
            describe(*big.problem).starts_with("no trade size of ent holds these 3 conductors of"),
        "...in words: " + (big.problem ? describe(*big.problem) : ""));
    ConditionTexts t90;
    t90.raceway = "rmc";
    t90.wire = "T90";
    t90.continuous = "no";
    const ScheduleRow beyond = sized("400", t90);
    check::that(beyond.sizing && beyond.problem, "600 kcmil T90: an answer and a problem");
    check::equal(beyond.problem ? describe(*beyond.problem) : "",
                 std::string("Table 6K lists T90 up to 500 kcmil"), "T90 above 500 kcmil");
}

// Schedules name each circuit's raceway in their own columns, English or
// French, and come back the same when sized again.
void schedulesWithRaceways()
{
    const std::string english = "Circuit,Load,Raceway,Wire,Neutral,Bond in raceway\n"
                                "P-1,40,emt,,,\n"
                                "P-2,40,rmc,RW90,yes,no\n"
                                "P-3,40,,,,\n"
                                "P-4,40,pipe,,,\n";
    const Schedule schedule = sizeSchedule(english, tableonly::Defaults);
    check::that(!schedule.error, "the raceway schedule reads");
    const std::string written = scheduleCsv(schedule);
    check::that(
        written.starts_with("Circuit,Load,Raceway,Wire,Neutral,Bond in raceway,size,") &&
            written.find(",overload_max,raceway_size,raceway_fill,raceway_wire,problem\n") !=
                std::string::npos,
        "the raceway's columns: " + written.substr(0, written.find('\n')));
    // 40 A not continuous, no breaker: 8 AWG TW (6J, 28.8 mm2) and a 10 AWG
    // bond by its ampacity, 38.71 %; RW90 at 90 °C: 8 AWG still, held to its
    // 60 °C terminations, and its neutral, no bond, 21 RMC at 23.9 %.
    check::that(written.find("\nP-1,40,emt,,,,8 AWG,") != std::string::npos &&
                    written.find(",cu,,,,16,38.71,TW,\n") != std::string::npos,
                "P-1 in 16 EMT: " + written);
    check::that(written.find(",rmc,RW90,yes,no,8 AWG,2,55,") != std::string::npos &&
                    written.find(",cu,,,,21,23.9,RW90,\n") != std::string::npos,
                "P-2: RW90 counted");
    check::that(written.find("\nP-3,40,,,,,8 AWG,") != std::string::npos &&
                    written.find(",cu,,,,,,,\n") != std::string::npos,
                "P-3: no raceway, the columns empty");
    check::that(written.find("\"the raceway \"\"pipe\"\" is not one of rmc,") != std::string::npos,
                "P-4: a raceway not known is the row's problem");
    check::equal(summarize(schedule).raceways, 2, "two rows with a raceway");
    check::equal(scheduleCsv(sizeSchedule(written, tableonly::Defaults)), written,
                 "sized again, the same");

    const std::string french = "Circuit;Charge (A);Canalisation;Type de fil;Neutre;"
                               "Liaison dans la canalisation\n"
                               "P-1;40,5;emt;TW;non;oui\n";
    const Schedule francais = sizeSchedule(french, tableonly::Defaults);
    const std::string ecrit = scheduleCsv(francais);
    check::that(!francais.error && francais.rows.at(0).sizing &&
                    francais.rows.at(0).sizing->raceway.raceway >= 0,
                "the French columns read");
    check::that(ecrit.find(";TW;\n") != std::string::npos &&
                    ecrit.find(";raceway_size;raceway_fill;raceway_wire;problem\n") !=
                        std::string::npos,
                "written back in French: " + ecrit);
    // A schedule sized by the version before raceways is sized again.
    const std::string before =
        "load,load_amperes,size,table,table_ampacity,corrected_ampacity,ambient_factor,"
        "count_factor,tables,terminations,usable_ampacity,drop_volts,drop_percent,governed_by,"
        "size_for_ampacity,breaker_rating,breaker_chosen,max_breaker,parallel_sets,bonding,"
        "bonding_material,motor_current,motor_current_from,overload_max,problem\n"
        "40,,8 AWG,2,40,40,1,1,,60,40,,,ampacity,,,no,40,1,10 AWG,cu,,,,\n";
    const Schedule again = sizeSchedule(before, tableonly::Defaults);
    check::equal(again.columns.size(), std::size_t{1}, "the motor version's answer replaced");
}

} // namespace

int main()
{
    tablesMatchTheReferences();
    workedCases();
    theTraps();
    wireTypesAndClasses();
    readingsAndBadInput();
    circuitsTakeTheirRaceway();
    schedulesWithRaceways();
    return check::summary();
}
