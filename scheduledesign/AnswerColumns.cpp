#include "AnswerColumns.h"

#include "AmpacityTables.h"
#include "Csv.h"
#include "FactorCycle.h"
#include "TextReading.h"

namespace ampacity::sizing {
namespace {

// The answer's cells are written straight into the output, with no string
// of their own: a schedule has a million rows and twenty-odd cells a row.
void amperes(TextBuffer &out, Amperes value, std::string_view separator)
{
    appendScaledText(out, value, 4, separator);
}

// A factor of Tables 5A to 5C: two decimals exactly.
void factor(TextBuffer &out, float value, std::string_view separator)
{
    appendScaledText(out, factorHundredths(value), 2, separator);
}

using Separator = std::string_view;

// The answer's columns; only their order and names are read elsewhere.
constexpr AnswerColumn AnswerColumns[] = {
    // Only where the load column gives a power: the amperes it draws.
    {"load_amperes", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.loadFromPower)
             amperes(out, s.load, d);
     }},
    {"size", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) { out.add(wireSizeName(s.conductor.size)); },
     TORVANE_TEXT("Schedule", "Size"), 0},
    {"table", true, true,
     [](TextBuffer &out, const Sizing &s, Separator) { appendWhole(out, s.tableNumber); }},
    {"table_ampacity", true, true,
     [](TextBuffer &out, const Sizing &s, Separator) { appendWhole(out, s.tableAmpacity); }},
    {"corrected_ampacity", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) { amperes(out, s.corrected, d); }},
    {"ambient_factor", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) { factor(out, s.ambientFactor, d); }},
    {"count_factor", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) { factor(out, s.countFactor, d); }},
    // Empty as an answer: no correction applied.
    {"tables", false, false,
     [](TextBuffer &out, const Sizing &s, Separator) { out.add(s.correctionTables); }},
    {"terminations", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         if (s.terminationRating > 0)
             appendWhole(out, s.terminationRating);
         else
             out.add("none");
     }},
    {"usable_ampacity", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) { amperes(out, s.usable, d); },
     TORVANE_TEXT("Schedule", "Usable ampacity"), 6},
    {"drop_volts", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.drop)
             appendScaledText(out, s.drop->volts, 2, d);
     }},
    {"drop_percent", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.drop)
             appendScaledText(out, s.drop->percent, 2, d);
     },
     TORVANE_TEXT("Schedule", "Voltage drop %"), 7},
    {"governed_by", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) { out.add(governingName(s.governedBy)); },
     TORVANE_TEXT("Schedule", "Governed by"), 5},
    {"size_for_ampacity", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         if (s.sizeForAmpacity)
             out.add(wireSizeName(s.sizeForAmpacity->size));
     }},
    {"breaker_rating", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.breaker > 0)
             amperes(out, s.breaker, d);
     },
     TORVANE_TEXT("Schedule", "Breaker"), 2},
    {"breaker_chosen", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) { out.add(s.breakerChosen ? "yes" : "no"); }},
    {"max_breaker", true, true,
     [](TextBuffer &out, const Sizing &s, Separator) { appendWhole(out, s.maxBreaker); }},
    {"parallel_sets", true, true,
     [](TextBuffer &out, const Sizing &s, Separator) { appendWhole(out, s.sets); },
     TORVANE_TEXT("Schedule", "Sets"), 1},
    {"bonding", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) { out.add(wireSizeName(s.bonding.size)); },
     TORVANE_TEXT("Schedule", "Bonding"), 3},
    {"bonding_material", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         out.add(s.bonding.material == material::Copper ? "cu" : "al");
     }},
    // A motor's branch circuit only (Section 28).
    {"motor_current", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.motor)
             amperes(out, s.load, d);
     },
     TORVANE_TEXT("Schedule", "Motor current"), 8},
    {"motor_current_from", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         if (s.motor)
             out.add(motorCurrentFromName(s.motorCurrentFrom));
     }},
    {"overload_max", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.motor)
             amperes(out, s.overloadMax, d);
     }},
    // Rule 12-910, where a raceway is asked for: the trade size of each
    // set's raceway, its fill, and the wire type counted.
    {"raceway_size", true, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         if (s.raceway.tradeSize >= 0)
             appendWhole(out, tradeSizeOf(s.raceway).designator);
     },
     TORVANE_TEXT("Schedule", "Raceway"), 4},
    {"raceway_fill", true, true,
     [](TextBuffer &out, const Sizing &s, Separator d) {
         if (s.raceway.tradeSize >= 0)
             appendScaledText(out, racewayFillHundredths(s.raceway), 2, d);
     }},
    {"raceway_wire", false, true,
     [](TextBuffer &out, const Sizing &s, Separator) {
         if (s.raceway.raceway >= 0)
             out.add(table19WireTypes()[static_cast<std::size_t>(s.raceway.wire.type)].name);
     }},
    {"problem", false, true, nullptr, TORVANE_TEXT("Schedule", "Problem"), 9},
};
constexpr std::size_t ProblemColumn = std::size(AnswerColumns) - 1;
static_assert(AnswerColumns[LoadAmperesColumn].name == "load_amperes");

// The answer columns each later version added, oldest first: a schedule an
// earlier version sized ends with the columns of its time, in
// AnswerColumns' order (the first version's: size to tables, and problem).
// The empty names pad the rows.
constexpr std::string_view AddedLater[][7] = {
    {"terminations", "usable_ampacity", "drop_volts", "drop_percent", "governed_by",
     "size_for_ampacity"},
    {"load_amperes", "breaker_rating", "breaker_chosen", "max_breaker", "parallel_sets", "bonding",
     "bonding_material"},
    {"motor_current", "motor_current_from", "overload_max"},
    {"raceway_size", "raceway_fill", "raceway_wire"},
};
constexpr std::size_t Versions = std::size(AddedLater) + 1;
constexpr std::size_t DesignVersion = 2; // load_amperes came with it

// The answer columns version `version` wrote (0 the first, Versions - 1
// this one), with or without load_amperes.
std::vector<std::string_view> versionColumns(std::size_t version, bool withLoadAmperes)
{
    const auto addedLater = [version](std::string_view name) {
        for (std::size_t later = version; later < std::size(AddedLater); ++later)
            for (const std::string_view added : AddedLater[later])
                if (added == name)
                    return true;
        return false;
    };
    std::vector<std::string_view> names;
    for (const AnswerColumn &column : AnswerColumns)
        if (!addedLater(column.name) && (withLoadAmperes || column.name != "load_amperes"))
            names.push_back(column.name);
    return names;
}

} // namespace

std::span<const AnswerColumn> answerColumns()
{
    return AnswerColumns;
}

AnswerHeadings answerHeadings()
{
    static const std::vector<std::string_view> names = [] {
        std::vector<std::string_view> all;
        for (const AnswerColumn &column : AnswerColumns)
            all.push_back(column.name);
        return all;
    }();
    // This version's columns first, then each earlier one's, with
    // load_amperes and without (it came with the design's columns).
    static const std::vector<std::vector<std::string_view>> earlier = [] {
        std::vector<std::vector<std::string_view>> all;
        for (std::size_t version = Versions; version-- > 0;)
            for (const bool withLoadAmperes : {true, false})
                if (!withLoadAmperes || version >= DesignVersion)
                    all.push_back(versionColumns(version, withLoadAmperes));
        return all;
    }();
    return {names, LoadAmperesColumn, earlier};
}

std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem,
                                     std::string_view decimalSeparator, ProblemWords problemWords)
{
    std::vector<std::string> cells(std::size(AnswerColumns));
    if (sizing)
        for (std::size_t c = 0; c < ProblemColumn; ++c) {
            TextBuffer cell(cells[c]);
            AnswerColumns[c].write(cell, *sizing, decimalSeparator);
        }
    if (problem)
        cells[ProblemColumn] = (problemWords ? problemWords : describe)(*problem, decimalSeparator);
    return cells;
}

void appendAnswerCsv(std::string &csv, const ScheduleLayout &layout,
                     const std::optional<Sizing> &sizing, const std::optional<Problem> &problem,
                     ProblemWords problemWords)
{
    // The answer's cells hold no separator, quote or line end but the
    // problem's sentence, which is quoted where it must be.
    const std::string_view decimalSeparator = layout.decimalComma ? "," : ".";
    const char separator = layout.separator;
    TextBuffer out(csv);
    // Each cell after a separator, but a first one with no carried cell
    // before it; the problem's last.
    bool first = layout.columns.empty();
    const Sizing *sized = sizing ? &*sizing : nullptr;
    for (std::size_t c = 0; c < ProblemColumn; ++c) {
        if (!layout.writes(c))
            continue;
        if (first)
            first = false;
        else
            out.add(separator);
        if (sized)
            AnswerColumns[c].write(out, *sized, decimalSeparator);
    }
    if (!first)
        out.add(separator);
    out.flush();
    if (problem)
        appendCsvField(csv, (problemWords ? problemWords : describe)(*problem, decimalSeparator),
                       layout.separator);
}

} // namespace ampacity::sizing
