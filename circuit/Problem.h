#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What can be wrong with one circuit or a schedule, and the sentence that
// says so.
namespace ampacity::sizing {

// What can be wrong with one circuit, or with a whole schedule.
struct Problem
{
    enum class Kind
    {
        LoadNotPositive,       // not a positive number of amperes, or missing
        UnknownMaterial,       // not cu or al
        UnknownInstallation,   // not raceway, cable or free-air
        UnknownInsulation,     // not 60, 75 or 90
        AmbientNotNumber,      // not a temperature in °C
        AmbientAboveTable,     // above the last row of the rating's Table 5A column
        ConductorsNotCount,    // not a whole number of conductors, 1 or more
        FreeAirAboveFour,      // Table 5B stops at 4 conductors
        UnknownTerminations,   // not auto, 60, 75, 90 or none
        BreakerNotPositive,    // not a positive number of amperes
        LengthNotPositive,     // not a positive length in metres or feet
        VoltageNotPositive,    // not a positive number of volts
        UnknownSystem,         // not 1ph, 3ph or dc
        UnknownPowerFactor,    // not 1, 0.9 or 0.8
        MaxDropNotPercent,     // not a percentage above 0, at most 100
        LengthWithoutVoltage,  // a length was given, but no voltage to take the drop from
        CurrentNotPositive,    // the drop command's current
        UnknownSize,           // not a size of the wire-size list
        SizeNotInTableD3,      // a size Table D3 gives no K for
        NoConductorCarries,    // even 2000 MCM under these conditions carries less
        DropAboveLimit,        // every size of Table D3 that carries the load drops too much
        DropNotListed,         // only sizes above 1000 kcmil carry the load: no K to check
        UnclosedQuote,         // a CSV row: a quoted field never closed
        TextAfterQuote,        // a CSV row: more text after a closing quote
        CellCount,             // a CSV row with more or fewer cells than the header
        EmptySchedule,         // a schedule without even a header row
        NoLoadColumn,          // a header without a load column
        DuplicateColumn,       // a header naming a column it reads twice
        ContinuousNotYesNo,    // not yes or no (oui, non)
        DeviceRatingNotKnown,  // not 80 or 100 (per cent)
        SetsNotCount,          // not a whole number of sets from 1 to 10, or auto
        UnknownLargest,        // the largest conductor for parallel sets: not a size of the list
        UnknownBondMaterial,   // not cu or al
        BreakerTooSmall,       // the breaker given does not carry the load (Rule 8-104)
        NoBreakerRating,       // no standard rating up to 6000 A carries the load
        NotProtected,          // no conductor carrying the load may have the breaker (Rule 14-104)
        NoSetsCarry,           // parallel sets chosen: even 10 sets up to the largest do not
        BondBeyondTable16,     // a device above 6000 A: Table 16 names no bonding conductor
        UnknownUnit,           // a load or length column's heading in a unit not known
        PowerWithoutVoltage,   // a load in kW, kVA... without a voltage to make amperes of
        MotorNotYesNo,         // not yes or no (oui, non)
        NameplateNotPositive,  // the nameplate full-load current: not a positive number of amperes
        UnknownMotorDevice,    // not breaker, fuse or time-delay-fuse
        UnknownStarting,       // not full-voltage, resistor, reactor, autotransformer, star-delta
        UnknownMotorType,      // not induction, synchronous or wound-rotor
        ServiceFactorBelowOne, // not a number of 1 or more
        NameplateWithAmperes,  // a motor's load in amperes and a nameplate current as well
        HorsepowerWithoutVoltage, // a motor in horsepower: its table column needs a voltage
        HorsepowerNotListed,      // no row of Table 44 (other 44) or 45 (other 45) for it
        MotorVoltageNotListed,    // no column of the table for the voltage (limit, hundredths)
        SinglePhaseAboveTable,    // a single-phase motor above Table 45's 10 hp
        MotorCellEmpty,           // the table's cell is empty (250 hp at 208 V)
        DcMotorInHorsepower,      // Tables 44 and 45 are for ac motors
        MotorDeviceAboveTable29,  // the device given exceeds Table 29's maximum (Rule 28-200)
        MotorDeviceBelowCurrent,  // the device given is below the full-load current
        NotYesNo,                 // a yes-or-no condition (sizeText: its name) that is neither
        UnknownRaceway,           // not a raceway of Table 9 (listText: their names)
        TradeSizeNotListed,       // a trade size the raceway (sizeText) does not come in
        UnknownWireType,          // not a wire type of Table 6 (listText: the types)
        WireVoltageNotKnown,      // not 600, 1000 or 2000 V
        WireClassNotListed,       // the type in no table of that class (listText: its classes)
        InsulationAboveWire,      // an insulation rating above the wire type's (limit: °C)
        SolidAboveTenAwg,         // solid conductors are 14 to 10 AWG
        ConductorNotInTable6,     // the wire's table lists no such size (sizeText: the table;
                                  // listText: its largest; other 1: solid)
        NoRacewayHolds,           // no trade size of the raceway holds the conductors
        GroupNotRead,             // a group of conductors not written COUNTxSIZE[:WIRE]
        CountNotWhole,            // a count of conductors not a whole number from 1 to 200
        NotTable6Size,            // a size Table 6 does not have
        FormulaWithoutValue,      // a workbook's row with a formula whose value is not saved
    };
    Kind kind = Kind::LoadNotPositive;
    std::string value;         // the user's text as given (the load, the material...)
    std::int64_t limit = 0;    // AmbientAboveTable: the highest °C; FreeAirAboveFour: 4;
                               // NoConductorCarries: what 2000 MCM carries, in ten-thousandths;
                               // DropAboveLimit: the least drop, hundredths of a per cent;
                               // UnclosedQuote: the line it opened on; CellCount: the row's cells
    std::int64_t other = 0;    // AmbientAboveTable: the rating, 60, 75 or 90; CellCount: the
                               // header's; DropAboveLimit: the limit, hundredths of a per cent
    std::string_view sizeText; // DropAboveLimit: the size with the least drop, the
                               // list's text; SizeNotInTableD3: the size; NoSetsCarry:
                               // the largest size allowed
    // NoConductorCarries: the continuous load 2000 MCM takes, ten-thousandths
    // (0: the load is not continuous); BreakerTooSmall: the device's per cent
    // for a continuous load (0: not continuous); NotProtected: the largest
    // breaker any conductor carrying the load may have, whole amperes.
    std::int64_t third = 0;
    int sets = 1; // the parallel sets the answer was looked for in
    // NoConductorCarries: a motor's, whose conductors carry 125 % of `value`
    // (Rule 28-106); MotorDevice*: the device, 0 breaker, 1 fuse, 2
    // time-delay fuse.
    bool motor = false;
    int device = 0;
    // Where one conductor does not do, the fewest parallel sets that would
    // (as --sets auto chooses them) and their size, the list's text; 0: none.
    int suggestedSets = 0;
    std::string_view suggestedSize;
    // What the user may give instead (the raceways, the wire types, the
    // classes a type comes in), or a size or trade size the words name.
    std::string listText;
};

inline Problem makeProblem(Problem::Kind kind, std::string_view value = {}, std::int64_t limit = 0,
                           std::int64_t other = 0)
{
    Problem problem;
    problem.kind = kind;
    problem.value = std::string(value);
    problem.limit = limit;
    problem.other = other;
    return problem;
}

// Whether the problem is in what the user gave rather than in the design:
// the command line answers it for one load with the status of bad input.
// The motor's table look-ups are such (a horsepower the tables do not list
// asks for the nameplate current).
bool isMotorInputProblem(const Problem &problem);

// A problem as a sentence to fill in: the English text (marked for
// translation, context "Sizing") with %1, %2 and %3 standing for the
// arguments, numbers written with the decimal separator given. Where an
// argument is a wire size, it is the list's English text ("  1000 MCM"),
// for the windows to show in the user's language.
struct ProblemText
{
    std::string_view format;
    std::vector<std::string> arguments;
    int wireSizeArgument = -1; // the index of the argument that is a wire size, if one is
};
ProblemText problemText(const Problem &problem, std::string_view decimalSeparator = ".");
// The problem's line in its sentences: the problem, then, where parallel
// sets would do, "; 2 parallel sets of 500 MCM would (Rule 12-108)".
std::vector<ProblemText> problemSentences(const Problem &problem,
                                          std::string_view decimalSeparator = ".");

// Puts the arguments in place of %1, %2... in one pass, so that an argument
// holding "%2" stays as it is.
std::string fillIn(std::string_view format, const std::vector<std::string> &arguments);

// The problem in one English line: the problem column's.
std::string describe(const Problem &problem, std::string_view decimalSeparator = ".");

} // namespace ampacity::sizing
