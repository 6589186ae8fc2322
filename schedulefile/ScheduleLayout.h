#pragma once

#include "Headings.h"
#include "Problem.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A cable schedule as a file holds it: a CSV text with a heading row that
// names at least a load column, and optionally any of the conditions'
// columns; every column (circuit name, notes) is carried through as it is,
// and the answer goes back in columns of its own after them.
namespace ampacity::sizing {

// One row of the file: its cells, and why it cannot be designed where the
// file says so (a row cut short, a formula without its value).
struct ScheduleFileRow
{
    int line = 0;                   // where the row starts in the file, the header being line 1
    std::vector<std::string> cells; // the input's cells, one per carried column
    std::vector<char> quoted;       // 1 for those given in quotes, written so again; empty: none
    bool blank = false;             // every cell empty: kept as a blank row, not designed
    std::optional<Problem> problem; // why the row has no answer
    // The cells as the file wrote them, while `cells` are the file's own:
    // written back as they are (a million rows copied, not written again
    // cell by cell). Whoever changes a cell sets `inFileText` false.
    std::string fileText;
    bool inFileText = false;
};

// No input column: where the schedule's layout says so for every input.
inline constexpr std::array<int, InputColumnCount> NoInputColumns = [] {
    std::array<int, InputColumnCount> none{};
    none.fill(-1);
    return none;
}();

// An answer column whose name a column of the user's already has is written
// with this before its name, so that nothing of the user's is replaced.
inline constexpr std::string_view DistinctAnswerPrefix = "torvane_";

// The columns the answer adds, as far as the file is concerned: their names
// in order, the one written only where the load column gives a power (its
// place among them), and
// the sets of them that schedules sized before end with (replaced by the
// answer when the schedule is sized again), the most columns first.
struct AnswerHeadings
{
    std::span<const std::string_view> names;
    std::size_t onlyForPower = 0;
    std::span<const std::vector<std::string_view>> earlier;
};

// How a schedule's file is laid out and written, so that the answer goes
// back the same way: the separator, the decimal mark, the byte-order mark
// and the line ends the file came with.
struct ScheduleLayout
{
    std::vector<std::string> columns; // carried through, in the input's order
    std::vector<char> columnsQuoted;  // 1 for their names given in quotes; empty: none
    std::string titleText;            // the rows above the heading row, as they came
    int headingLine = 1;              // the line the heading row starts on
    ColumnUnits units;                // of the load and length columns
    // The answer begins with load_amperes, the amperes a load given as a
    // power draws (its column's heading names a power unit).
    bool withLoadAmperes = false;
    // The names the answer is written under, one per answer column (the one
    // only for a power among them, written or not).
    std::vector<std::string> answerColumns;
    // Where each input column is among the carried ones (0 the load, then
    // ConditionFields' order), -1 where the file has none.
    std::array<int, InputColumnCount> inputs = NoInputColumns;
    char separator = ',';
    bool decimalComma = false;    // numbers written "15,5" (only with ';' or tab)
    bool byteOrderMark = false;   // the input began with one (spreadsheets write it)
    std::string lineEnd = "\n";   // the input's own line ending
    std::optional<Problem> error; // set when the file cannot be read as a schedule at all
    // Whether answer column `column` is written: all but the one only for a
    // power, which is written where the load is a power.
    std::size_t onlyForPower = static_cast<std::size_t>(-1);
    bool writes(std::size_t column) const { return column != onlyForPower || withLoadAmperes; }
};

// The names the answer is written under: each as it is, unless a carried
// column has that name already.
std::vector<std::string> answerColumnNames(const std::vector<std::string> &carried,
                                           std::span<const std::string_view> names);

// The schedule's header as CSV, written as the file was (the title rows, the
// byte-order mark if the file had one), with the answer's column names.
std::string scheduleHeaderCsv(const ScheduleLayout &layout);

// A row's carried cells as CSV, separated as the file separated them, each
// quoted where it must be or where the file quoted it.
void appendCarriedCsv(std::string &csv, const ScheduleLayout &layout, const ScheduleFileRow &row);

} // namespace ampacity::sizing
