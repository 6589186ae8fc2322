#include "ConductorSizing.h"

#include "AmpacityTables.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"
#include "Texts.h"

#include <array>
#include <cmath>
#include <vector>

namespace ampacity::sizing {
namespace {

std::string_view stripBlanks(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos)
        return {};
    const auto last = text.find_last_not_of(" \t\r\n");
    return text.substr(first, last - first + 1);
}

bool sameWord(std::string_view text, std::string_view word)
{
    if (text.size() != word.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != word[i])
            return false;
    }
    return true;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A plain decimal number: digits with at most one point, at least one digit,
// an optional leading sign. No exponent, no grouping, no comma: "1,500" must
// not quietly become one and a half amperes.
struct Decimal
{
    bool negative = false;
    std::string_view whole;    // digits before the point
    std::string_view fraction; // digits after it
};

std::optional<Decimal> readDecimal(std::string_view text)
{
    text = stripBlanks(text);
    Decimal number;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    const auto point = text.find('.');
    number.whole = text.substr(0, point);
    if (point != std::string_view::npos)
        number.fraction = text.substr(point + 1);
    if (number.whole.empty() && number.fraction.empty())
        return std::nullopt;
    for (std::string_view part : {number.whole, number.fraction})
        for (char c : part)
            if (!isDigit(c))
                return std::nullopt;
    return number;
}

bool isZero(std::string_view digits)
{
    return digits.find_first_not_of('0') == std::string_view::npos;
}

// The whole digits as a number, or nothing when there are more than fit the
// tables many times over.
std::optional<std::int64_t> wholeValue(std::string_view digits)
{
    const auto significant = digits.find_first_not_of('0');
    if (significant == std::string_view::npos)
        return 0;
    digits.remove_prefix(significant);
    if (digits.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

Problem problem(Problem::Kind kind, std::string_view value, int limit = 0, int other = 0)
{
    return Problem{kind, std::string(value), limit, other};
}

int ratingOf(std::int16_t insulationCode)
{
    switch (insulationCode) {
    case insulation::Rated75C:
        return 75;
    case insulation::Rated90C:
        return 90;
    default:
        return 60;
    }
}

// Table 5C's groups of current-carrying conductors in a raceway or cable: the
// first count of each group, in the order of the conductor-count button.
constexpr std::array<int, 5> RacewayGroupStarts = {1, 4, 7, 25, 43};
// Table 5B in free air: one group per conductor, 1 to 4.
constexpr int FreeAirMostConductors = 4;

std::string hundredthsText(std::int64_t hundredths, std::string_view decimalSeparator = ".")
{
    return numberText(static_cast<float>(static_cast<double>(hundredths) / 100.0),
                      decimalSeparator);
}

// The short form of the correction caption's tables, for machine-read output.
std::string_view correctionTables(float ambientFactor, float countFactor,
                                  std::int16_t installationCode)
{
    const bool ambient = ambientFactor < 1.0f;
    const bool count = countFactor < 1.0f;
    const bool raceway = installationCode == installation::RacewayOrCable;
    if (ambient && count)
        return raceway ? "5A+5C" : "5A+5B";
    if (ambient)
        return "5A";
    if (count)
        return raceway ? "5C" : "5B";
    return "";
}

// The shown hundredths of every conductor of one set of conditions.
struct ConditionResults
{
    bool computed = false;
    std::array<std::int64_t, CopperRowCount> hundredths{};
    std::array<float, CopperRowCount> corrected{};
};

constexpr int AmbientStepsAtMost = 11;
constexpr int CountStepsAtMost = 5;

ConditionResults &resultsFor(const Conditions &c, const AmpacityColumn &column, float ambientFactor,
                             float countFactor)
{
    // 2 materials x 2 installations x 3 ratings x 11 ambient rows x 5 groups.
    static std::vector<ConditionResults> cache(2 * 2 * 3 * AmbientStepsAtMost * CountStepsAtMost);
    const std::size_t index =
        ((((static_cast<std::size_t>(c.materialCode) * 2 + c.installationCode) * 3 +
           c.insulationCode) *
              AmbientStepsAtMost +
          c.ambientStep) *
         CountStepsAtMost) +
        c.countStep;
    ConditionResults &results = cache[index];
    if (!results.computed) {
        for (std::size_t row = 0; row < column.texts.size(); ++row) {
            // The same road as the window's tick: the list's text, read back,
            // corrected and rounded.
            const Correction correction =
                correctAmpacity(column.texts[row], ambientFactor, countFactor);
            results.corrected[row] = correction.correctedAmp;
            results.hundredths[row] = shownHundredths(correction.correctedAmp);
        }
        results.computed = true;
    }
    return results;
}

} // namespace

ProblemText problemText(const Problem &p, std::string_view decimalSeparator)
{
    using Kind = Problem::Kind;
    switch (p.kind) {
    case Kind::LoadNotPositive:
        if (stripBlanks(p.value).empty())
            return {TORVANE_TEXT("Sizing", "the load is missing"), {}};
        if (p.value.find(',') != std::string::npos)
            return {TORVANE_TEXT("Sizing", "the load \"%1\" is not a positive number of amperes "
                                           "(write decimals after a point)"),
                    {p.value}};
        return {TORVANE_TEXT("Sizing", "the load \"%1\" is not a positive number of amperes"),
                {p.value}};
    case Kind::UnknownMaterial:
        return {TORVANE_TEXT("Sizing", "the material \"%1\" is not cu or al"), {p.value}};
    case Kind::UnknownInstallation:
        return {TORVANE_TEXT("Sizing", "the installation \"%1\" is not raceway or free-air"),
                {p.value}};
    case Kind::UnknownInsulation:
        return {TORVANE_TEXT("Sizing", "the insulation \"%1\" is not 60, 75 or 90 (°C)"),
                {p.value}};
    case Kind::AmbientNotNumber:
        return {TORVANE_TEXT("Sizing", "the ambient \"%1\" is not a temperature in °C"), {p.value}};
    case Kind::AmbientAboveTable:
        return {TORVANE_TEXT("Sizing", "the ambient \"%1\" °C is above %2 °C, the highest "
                                       "Table 5A allows for %3 °C insulation"),
                {p.value, std::to_string(p.limit), std::to_string(p.other)}};
    case Kind::ConductorsNotCount:
        return {
            TORVANE_TEXT("Sizing",
                         "the conductors \"%1\" is not a whole number of conductors, 1 or more"),
            {p.value}};
    case Kind::FreeAirAboveFour:
        return {TORVANE_TEXT("Sizing", "the conductors \"%1\" is more than free air allows: "
                                       "Table 5B stops at %2"),
                {p.value, std::to_string(p.limit)}};
    case Kind::NoConductorCarries:
        return {TORVANE_TEXT("Sizing", "no conductor carries \"%1\" A under these conditions: "
                                       "2000 MCM carries %2 A"),
                {p.value, hundredthsText(p.limit, decimalSeparator)}};
    case Kind::UnclosedQuote:
        return {TORVANE_TEXT("Sizing", "a quoted field opened on line %1 is never closed"),
                {std::to_string(p.limit)}};
    case Kind::TextAfterQuote:
        return {TORVANE_TEXT("Sizing", "text follows a closing quote"), {}};
    case Kind::CellCount:
        return {TORVANE_TEXT("Sizing", "the row has %1 cells and the header %2"),
                {std::to_string(p.limit), std::to_string(p.other)}};
    case Kind::EmptySchedule:
        return {TORVANE_TEXT("Sizing", "the schedule is empty: its first row must name the "
                                       "columns, load among them"),
                {}};
    case Kind::NoLoadColumn:
        return {TORVANE_TEXT("Sizing", "the header row names no load column"), {}};
    case Kind::DuplicateColumn:
        return {TORVANE_TEXT("Sizing", "the header names the column %1 twice"), {p.value}};
    }
    return {p.value, {}};
}

std::string fillIn(std::string_view format, const std::vector<std::string> &arguments)
{
    std::string text;
    text.reserve(format.size() + 32);
    for (std::size_t pos = 0; pos < format.size(); ++pos) {
        if (format[pos] == '%' && pos + 1 < format.size() && format[pos + 1] >= '1' &&
            format[pos + 1] <= '9') {
            const auto index = static_cast<std::size_t>(format[pos + 1] - '1');
            if (index < arguments.size()) {
                text += arguments[index];
                ++pos;
                continue;
            }
        }
        text += format[pos];
    }
    return text;
}

std::string describe(const Problem &problem)
{
    const ProblemText text = problemText(problem);
    return fillIn(text.format, text.arguments);
}

std::variant<LoadHundredths, Problem> readLoad(std::string_view text)
{
    const auto number = readDecimal(text);
    if (!number || number->negative || (isZero(number->whole) && isZero(number->fraction)))
        return problem(Problem::Kind::LoadNotPositive, stripBlanks(text));
    // Whole amperes far beyond the largest conductor stay far beyond it.
    constexpr std::int64_t beyondEveryTable = std::int64_t{1} << 40;
    const auto whole = wholeValue(number->whole);
    if (!whole || *whole > beyondEveryTable)
        return beyondEveryTable * 100;
    // Rounded up to whole hundredths: any digit past the second makes the
    // load a little more than the hundredths before it.
    std::int64_t hundredths = *whole * 100;
    const std::string_view fraction = number->fraction;
    if (!fraction.empty())
        hundredths += (fraction[0] - '0') * 10;
    if (fraction.size() > 1)
        hundredths += fraction[1] - '0';
    if (fraction.size() > 2 && !isZero(fraction.substr(2)))
        hundredths += 1;
    return hundredths;
}

std::variant<std::int16_t, Problem> readMaterial(std::string_view text)
{
    const std::string_view word = stripBlanks(text);
    if (sameWord(word, "cu") || sameWord(word, "copper"))
        return material::Copper;
    if (sameWord(word, "al") || sameWord(word, "aluminum") || sameWord(word, "aluminium"))
        return material::Aluminum;
    return problem(Problem::Kind::UnknownMaterial, word);
}

std::variant<std::int16_t, Problem> readInstallation(std::string_view text)
{
    const std::string_view word = stripBlanks(text);
    if (sameWord(word, "raceway") || sameWord(word, "cable") || sameWord(word, "raceway-or-cable"))
        return installation::RacewayOrCable;
    if (sameWord(word, "free-air") || sameWord(word, "free air") || sameWord(word, "freeair"))
        return installation::FreeAir;
    return problem(Problem::Kind::UnknownInstallation, word);
}

std::variant<std::int16_t, Problem> readInsulation(std::string_view text)
{
    std::string_view word = stripBlanks(text);
    // "75C" and "75°C" name the same rating as "75".
    if (word.size() > 1 && (word.back() == 'C' || word.back() == 'c')) {
        word.remove_suffix(1);
        if (word.size() >= 2 && word.substr(word.size() - 2) == "\u00B0")
            word.remove_suffix(2);
    }
    if (word == "60")
        return insulation::Rated60C;
    if (word == "75")
        return insulation::Rated75C;
    if (word == "90")
        return insulation::Rated90C;
    return problem(Problem::Kind::UnknownInsulation, stripBlanks(text));
}

std::variant<int, Problem> readAmbient(std::string_view text, std::int16_t insulationCode)
{
    const std::string_view word = stripBlanks(text);
    const auto number = readDecimal(word);
    const std::span<const FactorStep> column = ambientCycle(insulationCode);
    const int highest = 30 + 5 * (static_cast<int>(column.size()) - 1);
    if (!number)
        return problem(Problem::Kind::AmbientNotNumber, word);
    if (number->negative)
        return 0;
    const auto whole = wholeValue(number->whole);
    if (!whole || *whole > highest || (*whole == highest && !isZero(number->fraction)))
        return problem(Problem::Kind::AmbientAboveTable, word, highest, ratingOf(insulationCode));
    if (*whole <= 30 && (*whole < 30 || isZero(number->fraction)))
        return 0;
    // The hotter row: 31 to 35 °C take the 35 °C row, and so on.
    const bool exactRow = *whole % 5 == 0 && isZero(number->fraction);
    return static_cast<int>((*whole - 30) / 5) + (exactRow ? 0 : 1);
}

std::variant<int, Problem> readConductors(std::string_view text, std::int16_t installationCode)
{
    const std::string_view word = stripBlanks(text);
    const auto number = readDecimal(word);
    if (!number || number->negative || !number->fraction.empty() || number->whole.empty())
        return problem(Problem::Kind::ConductorsNotCount, word);
    const auto count = wholeValue(number->whole);
    if (count && *count == 0)
        return problem(Problem::Kind::ConductorsNotCount, word);
    if (installationCode == installation::FreeAir) {
        if (!count || *count > FreeAirMostConductors)
            return problem(Problem::Kind::FreeAirAboveFour, word, FreeAirMostConductors);
        return static_cast<int>(*count) - 1;
    }
    int group = 0;
    for (std::size_t g = 0; g < RacewayGroupStarts.size(); ++g)
        if (!count || *count >= RacewayGroupStarts[g])
            group = static_cast<int>(g);
    return group;
}

std::variant<Conditions, Problem> readConditions(const ConditionTexts &texts,
                                                 const ConditionTexts &defaults)
{
    // An empty text takes the caller's default, an empty default the window's.
    const auto pick = [](std::string_view text, std::string_view fallback,
                         std::string_view startUp) {
        if (!stripBlanks(text).empty())
            return text;
        return stripBlanks(fallback).empty() ? startUp : fallback;
    };
    const ConditionTexts &startUp = DefaultConditionTexts;
    const auto orDefault = [&](std::string_view ConditionTexts::*field) {
        return pick(texts.*field, defaults.*field, startUp.*field);
    };
    Conditions conditions;
    const auto material = readMaterial(orDefault(&ConditionTexts::material));
    if (const auto *p = std::get_if<Problem>(&material))
        return *p;
    conditions.materialCode = std::get<std::int16_t>(material);
    const auto installation = readInstallation(orDefault(&ConditionTexts::installation));
    if (const auto *p = std::get_if<Problem>(&installation))
        return *p;
    conditions.installationCode = std::get<std::int16_t>(installation);
    const auto insulation = readInsulation(orDefault(&ConditionTexts::insulation));
    if (const auto *p = std::get_if<Problem>(&insulation))
        return *p;
    conditions.insulationCode = std::get<std::int16_t>(insulation);
    const auto ambient =
        readAmbient(orDefault(&ConditionTexts::ambient), conditions.insulationCode);
    if (const auto *p = std::get_if<Problem>(&ambient))
        return *p;
    conditions.ambientStep = std::get<int>(ambient);
    const auto conductors =
        readConductors(orDefault(&ConditionTexts::conductors), conditions.installationCode);
    if (const auto *p = std::get_if<Problem>(&conductors))
        return *p;
    conditions.countStep = std::get<int>(conductors);
    return conditions;
}

std::int64_t shownHundredths(float correctedAmp)
{
    // Every corrected ampacity is a whole number of hundredths held in single
    // precision; the nearest whole number is the one the window writes.
    return std::llround(static_cast<double>(correctedAmp) * 100.0);
}

std::string_view trimmed(std::string_view text)
{
    return stripBlanks(text);
}

std::variant<Sizing, Problem> sizeFor(LoadHundredths load, const Conditions &c)
{
    const auto column = selectAmpacityColumn(c.materialCode, c.installationCode, c.insulationCode);
    const auto ambient = ambientCycle(c.insulationCode);
    const auto counts = conductorCountCycle(c.installationCode);
    if (!column || c.ambientStep < 0 || c.ambientStep >= static_cast<int>(ambient.size()) ||
        c.countStep < 0 || c.countStep >= static_cast<int>(counts.size()))
        return problem(Problem::Kind::NoConductorCarries, "", 0);

    const float ambientFactor = ambient[static_cast<std::size_t>(c.ambientStep)].factor;
    const float countFactor = counts[static_cast<std::size_t>(c.countStep)].factor;
    const ConditionResults &results = resultsFor(c, *column, ambientFactor, countFactor);
    const std::size_t rows = column->texts.size();
    // Not a search for the first large enough: rounding keeps the shown
    // values in the order of the table, but the list's order is the rule.
    for (std::size_t row = 0; row < rows; ++row) {
        if (results.hundredths[row] < load)
            continue;
        Sizing sizing;
        sizing.wireSizeRow = static_cast<int>(row);
        const std::size_t firstRow = c.materialCode == material::Copper ? 0 : 1;
        sizing.sizeText = WireSizeTexts[row + firstRow];
        sizing.tableNumber = column->tableNumber;
        sizing.tableTitle = column->title;
        sizing.tableAmpacity = column->amperes[row];
        sizing.ambientFactor = ambientFactor;
        sizing.countFactor = countFactor;
        sizing.correctedAmp = results.corrected[row];
        sizing.correctionCaption =
            correctionFrameCaption(ambientFactor, countFactor, c.installationCode).value_or("");
        sizing.correctionTables = correctionTables(ambientFactor, countFactor, c.installationCode);
        return sizing;
    }
    Problem none;
    none.kind = Problem::Kind::NoConductorCarries;
    none.value = hundredthsText(load);
    none.limit = static_cast<int>(results.hundredths[rows - 1]);
    return none;
}

} // namespace ampacity::sizing
