#pragma once

#include "Conditions.h"
#include "Problem.h"
#include "RacewayTables.h"
#include "WireSize.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

// Rule 12-910 with Tables 6, 8 and 9: the conduit or tubing a group of
// insulated conductors needs. Each conductor takes its printed area in
// Table 6 (times its count: never the book's multiples); a raceway's area is
// pi/4 x its internal diameter squared (never the printed fill areas); the
// conductors may fill at most Table 8's per cent of it for their number.
namespace ampacity::sizing {

// One conductor's area in the wire's table(s), hundredths of a mm²: the
// larger where two tables list the wire in its class; 0 where none lists
// the size (a Table 6 size, table6Sizes()).
AreaHundredths conductorArea(const Wire &wire, std::size_t table6Size);
// The table whose area that is ("6A"), and the largest size it lists.
std::string_view conductorTable(const Wire &wire, std::size_t table6Size);
std::string_view largestListed(const Wire &wire);
// Whether the area counted is a cell the book may have misprinted (Table
// 6B's 8 AWG): it is used as printed, and the user told.
bool suspectArea(const Wire &wire, std::size_t table6Size);

// A raceway's internal area, mm²: pi/4 x d².
double racewayArea(const TradeSize &size);

// Whether conductors of `conductorsMm2` in all, `count` of them, are within
// Table 8's per cent of a raceway's `racewayMm2`: at most, so that a fill
// exactly at the limit passes.
bool withinTable8(double conductorsMm2, int count, double racewayMm2);

// The conductors' total area against one trade size.
struct Fill
{
    double racewayArea = 0; // mm²
    int allowedPercent = 0; // Table 8's for the number of conductors
    double allowedArea = 0; // mm²
    double percent = 0;     // the conductors' area as a per cent of the raceway's
    bool fits = false;      // at most the allowed area: equal passes
};
Fill fillOf(AreaHundredths conductors, int count, const TradeSize &size);

// The smallest trade size of the raceway the conductors fit in; nothing
// when none does.
std::optional<std::size_t> smallestTradeSize(const RacewayKind &raceway, AreaHundredths conductors,
                                             int count);

// The most conductors of one area a trade size holds, each number held to
// its own row of Table 8 (three fit at 40 % where two may not at 31 %);
// 0 when not even one does.
int mostConductors(const TradeSize &size, AreaHundredths each);

// A designed circuit's raceway: one for each parallel set, holding the
// set's ungrounded conductors (two single-phase and dc, three three-phase),
// a neutral where asked, and the bonding conductor unless the raceway is
// the bonding path.
struct CircuitRaceway
{
    int raceway = -1;   // table9(); -1: none asked for
    int tradeSize = -1; // the smallest that holds them; -1: none does
    int conductors = 0; // in one raceway
    AreaHundredths area = 0;
    Wire wire;                      // the type and the tables its conductors are counted in
    bool listed = true;             // the wire's table lists the conductors' sizes
    std::int8_t conductorSize = -1; // Table 6's sizes, ConductorSize's values
    std::int8_t bondSize = -1;      // -1: no bond in it
};
CircuitRaceway circuitRaceway(const Conditions &conditions, ConductorSize conductor,
                              std::optional<ConductorSize> bond);
struct ChosenConductor;

// The step that derives each set's raceway for the chosen conductor and its
// bonding conductor, where one is asked for. A raceway no trade size holds
// is not a reason to have no answer: racewayProblem says so beside it.
std::optional<Problem> racewayOfSets(ChosenConductor &chosen);

// The trade size found (tradeSize >= 0), and its fill in hundredths of a
// per cent, to the nearest.
const TradeSize &tradeSizeOf(const CircuitRaceway &raceway);
std::int64_t racewayFillHundredths(const CircuitRaceway &raceway);
// A per cent or an area in hundredths, to the nearest, for the answer.
std::int64_t hundredths(double value);

// A size (table6Sizes(); -1 for none) the wire's table does not list:
// "Table 6K lists T90 up to 500 kcmil", or no solid conductor of that size.
Problem notListed(const Wire &wire, int size);

// Why a circuit's raceway could not be given: a conductor the wire's
// table does not list, or no trade size that holds them; nothing when it
// was.
std::optional<Problem> racewayProblem(const CircuitRaceway &raceway);

} // namespace ampacity::sizing
