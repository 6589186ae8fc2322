#pragma once

#include "Problem.h"
#include "RacewayTables.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

// The raceway a circuit's conductors are run in and the wire they are
// counted as (Rule 12-910), read from the user's texts: a raceway of
// Table 9 by its short name, a trade size, a wire type and its class of
// Table 6.
namespace ampacity::sizing {

// A raceway type by its short name ("emt", "rmc", "rigid-pvc"; any case):
// its place in table9(). Empty or "none" (French "aucune") is none: -1.
std::variant<int, Problem> readRaceway(std::string_view text);
// The raceways' short names, "emt, rmc, ...", for the problem's words.
std::string racewayNames();

// A trade size of the raceway by its metric designator (21) or its usual
// inch name (3/4, 1-1/4, with or without " or in): its place in the
// raceway's sizes.
std::variant<std::size_t, Problem> readTradeSize(std::string_view text, const RacewayKind &raceway);
// The inch name of a metric designator: "3/4" for 21, "" for none.
std::string_view tradeSizeInches(int designator);

// A wire type as written: Table 19's row, and the insulation's suffix where
// one was given ("XLPE", "EP" or "NYLON"; "" for none).
struct WireTypeGiven
{
    int type = -1;
    std::string_view suffix;
};
// "RW90", "rw 90", "RW90XLPE", "T90 NYLON"...; empty is none (type -1).
std::variant<WireTypeGiven, Problem> readWireType(std::string_view text);
// The insulation's rating a wire type written so sets: its Table 19
// rating, or 60 (°C) for none or a type not known.
int wireRating(std::string_view text);
// 600, 1000 or 2000, with or without V; empty is 0, the type's lowest class.
std::variant<int, Problem> readWireVoltage(std::string_view text);

// The wire a raceway's conductors are counted as: its type and the tables
// of Table 6 that list it in its class (one, or two where two list it, as
// 6D and 6F both list RPVU90 jacketed at 1000 V: the larger area is taken).
struct Wire
{
    int type = -1; // table19WireTypes(); -1: none
    std::array<std::int8_t, 2> tables{-1, -1};
    bool solid = false;
};
// The wire of a type in the class asked for: `voltage` 0 takes the lowest
// class the type comes in. A class no table lists is the problem, naming
// those it does.
std::variant<Wire, Problem> wireIn(const WireTypeGiven &given, int voltage, bool jacketed,
                                   bool solid);
// The type a circuit's conductors are taken as when none is given, by the
// insulation's rating: TW at 60 °C, RW75 at 75 °C, RW90 at 90 °C.
int wireTypeFor(int insulationRating);

// A size as the program writes it or in short ("   4/0 AWG", "700 MCM",
// "250 kcmil", "#6", "6"): its place in table6Sizes(), or nothing.
std::optional<std::size_t> table6SizeOf(std::string_view text);

// A group of conductors as `torvane fill` takes it: COUNTxSIZE[:WIRE]
// ("3x6", "4x1/0", "3x250kcmil", "1x10:TWN75"), or SIZE[:WIRE] without a
// count ("12:T90"): count 0.
struct ConductorGroup
{
    int count = 0;
    std::size_t size = 0; // table6Sizes()
    WireTypeGiven wire;   // type -1: none given
};
inline constexpr int MostConductorsInGroup = 200;
std::variant<ConductorGroup, Problem> readConductorGroup(std::string_view text);

} // namespace ampacity::sizing
