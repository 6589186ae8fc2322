#pragma once

#include "ConditionCodes.h"
#include "TextReading.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Sizing for a load: the smallest conductor, in the order of the wire-size
// list, whose allowable ampacity (the table cell times the correction factors,
// exactly) carries the load, within the ampacity of its terminations (Rule
// 4-006) and, over a run of a given length, within the voltage drop allowed
// (Rule 8-102). The window answers "what does this conductor carry?"; this
// answers "which conductor carries this?".
namespace ampacity::sizing {

// What can be wrong with one circuit, or with a whole schedule.
struct Problem
{
    enum class Kind
    {
        LoadNotPositive,      // not a positive number of amperes, or missing
        UnknownMaterial,      // not cu or al
        UnknownInstallation,  // not raceway, cable or free-air
        UnknownInsulation,    // not 60, 75 or 90
        AmbientNotNumber,     // not a temperature in °C
        AmbientAboveTable,    // above the last row of the rating's Table 5A column
        ConductorsNotCount,   // not a whole number of conductors, 1 or more
        FreeAirAboveFour,     // Table 5B stops at 4 conductors
        UnknownTerminations,  // not auto, 60, 75, 90 or none
        BreakerNotPositive,   // not a positive number of amperes
        LengthNotPositive,    // not a positive length in metres or feet
        VoltageNotPositive,   // not a positive number of volts
        UnknownSystem,        // not 1ph, 3ph or dc
        UnknownPowerFactor,   // not 1, 0.9 or 0.8
        MaxDropNotPercent,    // not a percentage above 0, at most 100
        LengthWithoutVoltage, // a length was given, but no voltage to take the drop from
        CurrentNotPositive,   // the drop command's current
        UnknownSize,          // not a size of the wire-size list
        SizeNotInTableD3,     // a size Table D3 gives no K for
        NoConductorCarries,   // even 2000 MCM under these conditions carries less
        DropAboveLimit,       // every size of Table D3 that carries the load drops too much
        DropNotListed,        // only sizes above 1000 kcmil carry the load: no K to check
        UnclosedQuote,        // a CSV row: a quoted field never closed
        TextAfterQuote,       // a CSV row: more text after a closing quote
        CellCount,            // a CSV row with more or fewer cells than the header
        EmptySchedule,        // a schedule without even a header row
        NoLoadColumn,         // a header without a load column
        DuplicateColumn,      // a header naming a column it reads twice
        ContinuousNotYesNo,   // not yes or no (oui, non)
        DeviceRatingNotKnown, // not 80 or 100 (per cent)
        SetsNotCount,         // not a whole number of sets from 1 to 10, or auto
        UnknownLargest,       // the largest conductor for parallel sets: not a size of the list
        UnknownBondMaterial,  // not cu or al
        BreakerTooSmall,      // the breaker given does not carry the load (Rule 8-104)
        NoBreakerRating,      // no standard rating up to 6000 A carries the load
        NotProtected,         // no conductor carrying the load may have the breaker (Rule 14-104)
        NoSetsCarry,          // parallel sets chosen: even 10 sets up to the largest do not
        BondBeyondTable16,    // a device above 6000 A: Table 16 names no bonding conductor
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
    // Where one conductor does not do, the fewest parallel sets that would
    // (as --sets auto chooses them) and their size, the list's text; 0: none.
    int suggestedSets = 0;
    std::string_view suggestedSize;
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
// What the problem's line adds where parallel sets would do: "; 2 parallel
// sets of 500 MCM would (Rule 12-108)"; nothing where none would.
std::optional<ProblemText> suggestionText(const Problem &problem);

// Puts the arguments in place of %1, %2... in one pass, so that an argument
// holding "%2" stays as it is.
std::string fillIn(std::string_view format, const std::vector<std::string> &arguments);

// The problem in one English line: the problem column's.
std::string describe(const Problem &problem, std::string_view decimalSeparator = ".");

// Amperes in ten-thousandths. Every allowable ampacity is a table cell times
// two factors of two decimals each, so it is a whole number of
// ten-thousandths of an ampere; a load is read rounded up to them, exactly
// for any decimal text, so 35.035 is carried by 35.035 A and 35.0351 is not.
using Amperes = std::int64_t;
inline constexpr Amperes OneAmpere = 10000;

// The breaker of a circuit whose protection another Rule decides (motors,
// heating: Rule 14-104(1)(c)): none is chosen and none is checked.
inline constexpr Amperes NoBreaker = -1;

// Rule 4-006: the temperature rating of the terminations a conductor is
// connected to. Auto is the rule's default for equipment not marked otherwise.
enum class TerminationRule
{
    Auto,
    At60C,
    At75C,
    At90C,
    None, // the ampacity table alone, as the window shows it
};

// The kind of circuit, for the factor f of the voltage drop.
enum class SupplySystem
{
    SinglePhase,   // f = 2
    ThreePhase,    // f = the square root of 3, line to line
    DirectCurrent, // f = 2
};

// The power factors Table D3 has columns for.
enum class PowerFactor
{
    Unity,
    Lagging90,
    Lagging80,
};

// Rule 8-102: what the voltage drop of a circuit is checked with.
struct Run
{
    std::int64_t length = 0;   // one way, ten-thousandths of a metre; 0: no check
    bool lengthInFeet = false; // given in feet (shown so)
    std::int64_t feet = 0;     // then as given, ten-thousandths of a foot
    std::int64_t voltage = 0;  // nominal, hundredths of a volt; line to line in three phase
    SupplySystem system = SupplySystem::SinglePhase;
    PowerFactor powerFactor = PowerFactor::Unity;
    std::int64_t maxDrop = 300; // hundredths of a per cent: 3 % in a feeder or branch circuit
};

// The conditions of one circuit, as the window's buttons would set them,
// and what a designer adds: the terminations and the run.
struct Conditions
{
    std::int16_t materialCode = material::Copper;
    std::int16_t installationCode = installation::RacewayOrCable;
    std::int16_t insulationCode = insulation::Rated60C;
    int ambientStep = 0; // row of the rating's Table 5A column: 0 is 30 °C
    int countStep = 0;   // group of Table 5C (raceway) or 5B (free air): 0 is the first
    bool cable = false;  // a cable rather than a raceway: Table D3's cable columns
    TerminationRule terminations = TerminationRule::Auto;
    Amperes breaker = 0; // the overcurrent device's rating; 0: chosen; NoBreaker: none
    Run run;
    // Rule 8-104: a load is continuous unless shown otherwise; the device's
    // marking, 80 % unless it is marked for 100 %.
    bool continuous = true;
    int devicePercent = 80;
    int sets = 1;                   // parallel sets, Rule 12-108; 0: the fewest that do
    std::size_t largestRow = 17;    // --sets auto: the largest conductor, copper list row
    std::int16_t bondMaterial = -1; // the bonding conductor's material; -1: the circuit's
};

// Each reader takes the user's text (case and surrounding blanks do not
// matter) and gives the value or the problem.
std::variant<Amperes, Problem> readLoad(std::string_view text, bool decimalComma = false);
std::variant<std::int16_t, Problem> readMaterial(std::string_view text); // cu, al
std::variant<std::int16_t, Problem>
readInstallation(std::string_view text); // raceway, cable, free-air
std::variant<std::int16_t, Problem> readInsulation(std::string_view text); // 60, 75, 90
// Table 5A has rows every 5 °C from 30 °C: a temperature between two rows
// takes the hotter one (the safe side), one at or below 30 °C the 30 °C row,
// where the table ampacities hold as they are.
std::variant<int, Problem> readAmbient(std::string_view text, std::int16_t insulationCode,
                                       bool decimalComma = false);
// Current-carrying conductors run together: the group of Table 5C in a
// raceway or cable (1-3, 4-6, 7-24, 25-42, 43 and over), 1 to 4 of Table 5B
// in free air.
std::variant<int, Problem> readConductors(std::string_view text, std::int16_t installationCode);
std::variant<TerminationRule, Problem>
readTerminations(std::string_view text); // auto, 60, 75, 90, none
// A breaker, a length, a voltage or a limit: empty gives 0, "not given".
// A breaker may be "none" (or "aucun"): NoBreaker.
std::variant<Amperes, Problem> readBreaker(std::string_view text, bool decimalComma = false);
// yes or no, oui or non.
std::variant<bool, Problem> readContinuous(std::string_view text);
// 80 or 100, with or without a per cent sign.
std::variant<int, Problem> readDeviceRating(std::string_view text);
// 1 to 10, or auto: 0.
std::variant<int, Problem> readSets(std::string_view text);
// A size of the copper list, as readWireSize reads it: its row.
std::variant<std::size_t, Problem> readLargest(std::string_view text);
// cu or al, or empty for the circuit's own: -1.
std::variant<std::int16_t, Problem> readBondMaterial(std::string_view text);
// Metres, or feet with "ft" after the number ("150ft", "150 ft"); 1 ft is
// 0.3048 m exactly. Rounded up to the ten-thousandth of a metre.
std::variant<Run, Problem> readLength(std::string_view text, Run run, bool decimalComma = false);
// hundredths, rounded down
std::variant<std::int64_t, Problem> readVoltage(std::string_view text, bool decimalComma = false);
std::variant<SupplySystem, Problem> readSystem(std::string_view text); // 1ph, 3ph, dc
// 1, 0.9, 0.8
std::variant<PowerFactor, Problem> readPowerFactor(std::string_view text,
                                                   bool decimalComma = false);
// hundredths, rounded down
std::variant<std::int64_t, Problem> readMaxDrop(std::string_view text, bool decimalComma = false);
// A size as the list writes it or in short: "3", "#3", "3 AWG", "1/0",
// "250", "250 kcmil", "250 MCM". Gives the row of the material's list.
std::variant<int, Problem> readWireSize(std::string_view text, std::int16_t materialCode);

// The user's texts for one circuit's conditions; empty ones take the defaults.
struct ConditionTexts
{
    std::string_view material{};
    std::string_view installation{};
    std::string_view insulation{};
    std::string_view ambient{};
    std::string_view conductors{};
    std::string_view terminations{};
    std::string_view breaker{};
    std::string_view length{};
    std::string_view voltage{};
    std::string_view system{};
    std::string_view powerFactor{};
    std::string_view maxDrop{};
    std::string_view continuous{};
    std::string_view deviceRating{};
    std::string_view sets{};
    std::string_view largest{};
    std::string_view bondMaterial{};
    bool decimalComma = false; // numbers may be written "15,5" (a semicolon or tab schedule)
};
// The window's start-up values (copper, raceway or cable, 60 °C, 30 °C, 1-3),
// the rule's default terminations, a breaker chosen and no run; single
// phase, power factor 1, 3 %; a continuous load on an 80 % device, one set
// (500 kcmil at most when the sets are chosen), bonded in the circuit's
// material.
inline constexpr ConditionTexts DefaultConditionTexts{"cu",  "raceway", "60", "30",  "1", "auto",
                                                      "",    "",        "",   "1ph", "1", "3",
                                                      "yes", "80",      "1",  "500", ""};

// The fields of ConditionTexts in order, with the names of their options and
// schedule columns.
struct ConditionField
{
    std::string_view ConditionTexts::*text;
    std::string_view name;
};
inline constexpr ConditionField ConditionFields[] = {
    {&ConditionTexts::material, "material"},
    {&ConditionTexts::installation, "installation"},
    {&ConditionTexts::insulation, "insulation"},
    {&ConditionTexts::ambient, "ambient"},
    {&ConditionTexts::conductors, "conductors"},
    {&ConditionTexts::terminations, "terminations"},
    {&ConditionTexts::breaker, "breaker"},
    {&ConditionTexts::length, "length"},
    {&ConditionTexts::voltage, "voltage"},
    {&ConditionTexts::system, "system"},
    {&ConditionTexts::powerFactor, "power_factor"},
    {&ConditionTexts::maxDrop, "max_drop"},
    {&ConditionTexts::continuous, "continuous"},
    {&ConditionTexts::deviceRating, "device_rating"},
    {&ConditionTexts::sets, "sets"},
    {&ConditionTexts::largest, "largest"},
    {&ConditionTexts::bondMaterial, "bond_material"},
};

// Reads each text, taking the default's where the text is empty (and the
// start-up value where that is empty too); the first problem met, in the
// order of the fields, is the answer then.
std::variant<Conditions, Problem>
readConditions(const ConditionTexts &texts, const ConditionTexts &defaults = DefaultConditionTexts);

// Which requirement chose the conductor.
enum class Governing
{
    Ampacity,       // the insulation column, corrected, alone
    Termination,    // the termination cap moved it up
    ContinuousLoad, // Rule 8-104's 80 % (or 70, 85, 100 %) moved it up
    Protection,     // the breaker may not protect a smaller one (Rule 14-104, Table 13)
    VoltageDrop,    // the drop moved it up
};
// "ampacity", "termination", "continuous load", "protection", "voltage drop"
std::string_view governingName(Governing governing);

// The voltage drop of one conductor over a run.
struct Drop
{
    std::int32_t k = 0;       // Table D3, ten-thousandths of an ohm per km
    std::int64_t volts = 0;   // hundredths of a volt, rounded half up
    std::int64_t percent = 0; // hundredths of a per cent, rounded half up
    bool withinLimit = false; // exactly: at the limit passes
};

// The drop of a conductor of the list carrying `current` over the run, or
// nothing where Table D3 does not list the size. `cable` and the
// installation choose K's column at power factors below 1.
std::optional<Drop> voltageDrop(std::int16_t materialCode, std::int16_t installationCode,
                                bool cable, int wireSizeRow, Amperes current, const Run &run);

// The longest one-way run whose drop stays within the run's limit, in
// tenths of a metre and of a foot, rounded down so that the figure never
// exceeds the limit; nothing where Table D3 does not list the size.
struct LongestRun
{
    std::int32_t k = 0; // Table D3, ten-thousandths of an ohm per km
    std::int64_t metreTenths = 0;
    std::int64_t footTenths = 0;
};
std::optional<LongestRun> longestRun(std::int16_t materialCode, std::int16_t installationCode,
                                     bool cable, int wireSizeRow, Amperes current, const Run &run);

// The conductor named for a load, with everything the window would show for
// it and what decided it.
struct Sizing
{
    int wireSizeRow = 0;         // row in the material's wire-size list
    std::string_view sizeText;   // the list's text, e.g. "   4/0 AWG"
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
    int ampacityRow = -1;              // voltage drop governs: what ampacity alone gives
    std::string_view ampacitySizeText; // ...and its list text
    std::optional<Drop> drop;          // with a run
    Run run;                           // the run it was worked out over
    Amperes load = 0;                  // the load it was sized for
    int sets = 1;                      // parallel sets of this conductor
    Amperes perConductor = 0;          // the load each conductor carries, rounded up
    int continuousPercent = 0;         // Rule 8-104's share of the ampacity; 0: not continuous
    Amperes breaker = 0;               // the rating protecting the circuit; 0: none
    bool breakerChosen = false;        // the program chose it
    int maxBreaker = 0;                // the largest Rule 14-104 allows on the set, amperes
    std::string_view bondingText;      // the bonding conductor, the list's style
    std::int16_t bondingMaterial = 0;  // its material
};

// Rule 12-108: whether a conductor of the material's list (its row) may be
// one of parallel sets: 1/0 AWG and larger.
bool mayRunInParallel(std::int16_t materialCode, int wireSizeRow);

// The first conductor of the conditions' list whose usable ampacity carries
// the load, as a continuous load where it is one, that the circuit's breaker
// protects and, with a run, whose voltage drop is within the limit, in one
// set or the sets asked for; with its breaker and bonding conductor. Or the
// problem: NoConductorCarries, BreakerTooSmall, NoBreakerRating,
// NotProtected, DropAboveLimit, DropNotListed, NoSetsCarry, BondBeyondTable16.
std::variant<Sizing, Problem> sizeFor(Amperes load, const Conditions &conditions);

} // namespace ampacity::sizing
