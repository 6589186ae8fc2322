#pragma once

#include "ConditionCodes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// Sizing for a load: the smallest conductor, in the order of the wire-size
// list, whose corrected ampacity, worked out and rounded exactly as the main
// window shows it, is at least the load. The window answers "what does this
// conductor carry?"; this answers "which conductor carries this?".
namespace ampacity::sizing {

// What can be wrong with one circuit, or with a whole schedule.
struct Problem
{
    enum class Kind
    {
        LoadNotPositive,     // not a positive number of amperes, or missing
        UnknownMaterial,     // not cu or al
        UnknownInstallation, // not raceway or free-air
        UnknownInsulation,   // not 60, 75 or 90
        AmbientNotNumber,    // not a temperature in °C
        AmbientAboveTable,   // above the last row of the rating's Table 5A column
        ConductorsNotCount,  // not a whole number of conductors, 1 or more
        FreeAirAboveFour,    // Table 5B stops at 4 conductors
        NoConductorCarries,  // even 2000 MCM under these conditions carries less
        UnclosedQuote,       // a CSV row: a quoted field never closed
        TextAfterQuote,      // a CSV row: more text after a closing quote
        CellCount,           // a CSV row with more or fewer cells than the header
        EmptySchedule,       // a schedule without even a header row
        NoLoadColumn,        // a header without a load column
        DuplicateColumn,     // a header naming a column it reads twice
    };
    Kind kind = Kind::LoadNotPositive;
    std::string value; // the user's text as given (the load, the material...)
    int limit = 0;     // AmbientAboveTable: the highest °C; FreeAirAboveFour: 4;
                       // NoConductorCarries: what 2000 MCM carries, in hundredths;
                       // UnclosedQuote: the line it opened on; CellCount: the row's cells
    int other = 0;     // AmbientAboveTable: the rating, 60, 75 or 90; CellCount: the header's
};

// A problem as a sentence to fill in: the English text (marked for
// translation, context "Sizing") with %1, %2 and %3 standing for the
// arguments, numbers written with the decimal separator given.
struct ProblemText
{
    std::string_view format;
    std::vector<std::string> arguments;
};
ProblemText problemText(const Problem &problem, std::string_view decimalSeparator = ".");

// Puts the arguments in place of %1, %2... in one pass, so that an argument
// holding "%2" stays as it is.
std::string fillIn(std::string_view format, const std::vector<std::string> &arguments);

// The problem in one English line with a decimal point: the problem column's.
std::string describe(const Problem &problem);

// A load in hundredths of an ampere, rounded up: a conductor carries the load
// when the hundredths it shows are at least these. Exact for any decimal
// text, so 13.05 is carried by a conductor shown as =13.05 A and 13.051 is not.
using LoadHundredths = std::int64_t;

// The conditions of one circuit, as the window's buttons would set them.
struct Conditions
{
    std::int16_t materialCode = material::Copper;
    std::int16_t installationCode = installation::RacewayOrCable;
    std::int16_t insulationCode = insulation::Rated60C;
    int ambientStep = 0; // row of the rating's Table 5A column: 0 is 30 °C
    int countStep = 0;   // group of Table 5C (raceway) or 5B (free air): 0 is the first
};

// Each reader takes the user's text (case and surrounding blanks do not
// matter) and gives the value or the problem.
std::variant<LoadHundredths, Problem> readLoad(std::string_view text);
std::variant<std::int16_t, Problem> readMaterial(std::string_view text);     // cu, al
std::variant<std::int16_t, Problem> readInstallation(std::string_view text); // raceway, free-air
std::variant<std::int16_t, Problem> readInsulation(std::string_view text);   // 60, 75, 90
// Table 5A has rows every 5 °C from 30 °C: a temperature between two rows
// takes the hotter one (the safe side), one at or below 30 °C the 30 °C row,
// where the table ampacities hold as they are.
std::variant<int, Problem> readAmbient(std::string_view text, std::int16_t insulationCode);
// Current-carrying conductors run together: the group of Table 5C in a
// raceway or cable (1-3, 4-6, 7-24, 25-42, 43 and over), 1 to 4 of Table 5B
// in free air.
std::variant<int, Problem> readConductors(std::string_view text, std::int16_t installationCode);

// The user's texts for one circuit's conditions; empty ones take the defaults.
struct ConditionTexts
{
    std::string_view material{};
    std::string_view installation{};
    std::string_view insulation{};
    std::string_view ambient{};
    std::string_view conductors{};
};
// The window's start-up values: copper, raceway or cable, 60 °C, 30 °C, 1-3.
inline constexpr ConditionTexts DefaultConditionTexts{"cu", "raceway", "60", "30", "1"};

// Reads each text, taking the default's where the text is empty (and the
// window's start-up value where that is empty too); the first problem met,
// in the order of the fields, is the answer then.
std::variant<Conditions, Problem>
readConditions(const ConditionTexts &texts, const ConditionTexts &defaults = DefaultConditionTexts);

// The conductor named for a load, with everything the window would show for it.
struct Sizing
{
    int wireSizeRow = 0;         // row in the material's wire-size list
    std::string_view sizeText;   // the list's text, e.g. "   4/0 AWG"
    int tableNumber = 0;         // 1 to 4
    std::string_view tableTitle; // "2024 CEC Ampacity Table 2"
    std::int16_t tableAmpacity = 0;
    float ambientFactor = 1.0f;
    float countFactor = 1.0f;
    float correctedAmp = 0.0f;          // as the window rounds it
    std::string_view correctionCaption; // the correction frame's, e.g. "Table 5A applied"
    std::string_view correctionTables;  // the same in short: "", "5A", "5C", "5A+5C"...
};

// The smallest conductor of the conditions' list that carries the load, or
// NoConductorCarries. Results for one set of conditions are worked out once
// and kept, so that a long schedule costs little more than reading it.
std::variant<Sizing, Problem> sizeFor(LoadHundredths load, const Conditions &conditions);

// The hundredths of an ampere the window shows for a corrected ampacity.
std::int64_t shownHundredths(float correctedAmp);

// The text of a size without the list's aligning blanks: "4/0 AWG".
std::string_view trimmed(std::string_view text);

} // namespace ampacity::sizing
