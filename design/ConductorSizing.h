#pragma once

#include "Conditions.h"
#include "MotorCircuit.h"
#include "ParallelSets.h"
#include "Problem.h"
#include "RacewayFill.h"
#include "VoltageDrop.h"

#include <optional>
#include <string_view>
#include <variant>

// Sizing for a load: the smallest conductor, in the order of the wire-size
// list, whose allowable ampacity (the table cell times the correction factors,
// exactly) carries the load, within the ampacity of its terminations (Rule
// 4-006), as a continuous load (Rule 8-104), protected by its breaker (Rule
// 14-104) and, over a run of a given length, within the voltage drop allowed
// (Rule 8-102); in parallel sets where asked (Rule 12-108), with its bonding
// conductor (Rule 10-616). The window answers "what does this conductor
// carry?"; this answers "which conductor carries this?".
namespace ampacity::sizing {

// Which requirement chose the conductor.
enum class Governing
{
    Ampacity,       // the insulation column, corrected, alone
    Termination,    // the termination cap moved it up
    ContinuousLoad, // Rule 8-104's 80 % (or 70, 85, 100 %) moved it up
    Protection,     // the breaker may not protect a smaller one (Rule 14-104, Table 13)
    VoltageDrop,    // the drop moved it up
    Motor,          // a motor's 125 % of its full-load current moved it up (Rule 28-106)
};
// "ampacity", "termination", "continuous load", "protection", "voltage drop",
// "motor"
std::string_view governingName(Governing governing);

// The conductor named for a load, with everything the window would show for
// it and what decided it.
struct Sizing
{
    WireSize conductor;          // its metal and size (wireSizeText: "   4/0 AWG")
    int tableNumber = 0;         // 1 to 4
    std::string_view tableTitle; // "2024 CEC Ampacity Table 2"
    std::int16_t tableAmpacity = 0;
    float ambientFactor = 1.0f;
    float countFactor = 1.0f;
    float correctedAmp = 0.0f;            // as the window rounds it
    std::string_view correctionCaption;   // the correction frame's, e.g. "Table 5A applied"
    std::string_view correctionTables;    // the same in short: "", "5A", "5C", "5A+5C"...
    Amperes corrected = 0;                // exact: the cell times the two factors
    int terminationRating = 0;            // °C of the terminations; 0: none considered
    std::int16_t terminationAmpacity = 0; // the termination column's cell, where it caps
    Amperes usable = 0;                   // the lesser of the corrected and the cap
    Governing governedBy = Governing::Ampacity;
    std::optional<WireSize> sizeForAmpacity; // voltage drop governs: what ampacity alone gives
    std::optional<Drop> drop;                // with a run
    Run run;                                 // the run it was worked out over
    Amperes load = 0;                        // the load it was sized for
    bool loadFromPower = false;              // ...worked out from a power (kW, kVA...)
    int sets = 1;                            // parallel sets of this conductor
    Amperes perConductor = 0;                // the load each conductor carries, rounded up
    int continuousPercent = 0;  // Rule 8-104's share of the ampacity; 0: not continuous
    Amperes breaker = 0;        // the rating protecting the circuit; 0: none
    bool breakerChosen = false; // the program chose it
    int maxBreaker = 0;         // the largest Rule 14-104 allows on the set, amperes
    WireSize bonding;           // the bonding conductor (Rule 10-616)
    // A motor's branch circuit (Section 28): the load is its full-load
    // current, the breaker its branch-circuit device (Table 29).
    bool motor = false;
    MotorCurrentFrom motorCurrentFrom = MotorCurrentFrom::Nameplate;
    MotorDevice motorDevice = MotorDevice::Breaker;
    Amperes overloadMax = 0; // Rule 28-306
    // Rule 12-910: the raceway of each set, where one is asked for.
    CircuitRaceway raceway;
};

// For a motor (conditions' motor set), `load` is its full-load current: the
// conductors carry 125 % of it, under terminations read by their size, and
// the device is chosen or checked by Table 29 rather than Table 13.
// The first conductor of the conditions' list whose usable ampacity carries
// the load, as a continuous load where it is one, that the circuit's breaker
// protects and, with a run, whose voltage drop is within the limit, in one
// set or the sets asked for; with its breaker and bonding conductor. Or the
// problem: NoConductorCarries, BreakerTooSmall, NoBreakerRating,
// NotProtected, DropAboveLimit, DropNotListed, NoSetsCarry, BondBeyondTable16.
std::variant<Sizing, Problem> sizeFor(Amperes load, const Conditions &conditions);
// The same into a sizing the caller holds, as a schedule's row does, with
// no copy of it made: nothing, or the problem (the sizing then means nothing).
std::optional<Problem> sizeInto(Sizing &sizing, Amperes load, const Conditions &conditions);

} // namespace ampacity::sizing
