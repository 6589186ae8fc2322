#pragma once

#include "ConductorSizing.h"
#include "Csv.h"
#include "Json.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A cable schedule: a CSV file with a header row that names at least a
// "load" column, and optionally any of the conditions' columns ("material",
// "installation", "insulation", "ambient", "conductors", "terminations",
// "breaker", "length", "voltage", "system", "power_factor", "max_drop");
// every column (circuit name, notes) is carried through as it is. Each row is
// sized as `torvane size` sizes one circuit, and the answer is added in
// columns of its own.
namespace ampacity::sizing {

// The columns the answer adds, in this order.
inline constexpr std::string_view AddedColumns[] = {"size",
                                                    "table",
                                                    "table_ampacity",
                                                    "corrected_ampacity",
                                                    "ambient_factor",
                                                    "count_factor",
                                                    "tables",
                                                    "terminations",
                                                    "usable_ampacity",
                                                    "drop_volts",
                                                    "drop_percent",
                                                    "governed_by",
                                                    "size_for_ampacity",
                                                    "problem"};

// An answer column whose name a column of the user's already has is written
// with this before its name, so that nothing of the user's is replaced.
inline constexpr std::string_view DistinctAnswerPrefix = "torvane_";

struct ScheduleRow
{
    int line = 0;                   // where the row starts in the file, the header being line 1
    std::vector<std::string> cells; // the input's cells, one per carried column
    std::optional<Sizing> sizing;   // the answer, or
    std::optional<Problem> problem; // why there is none
};

struct Schedule
{
    std::vector<std::string> columns;       // carried through, in the input's order
    std::vector<std::string> answerColumns; // the names the answer is written under
    std::vector<ScheduleRow> rows;
    bool byteOrderMark = false;   // the input began with one (spreadsheets write it)
    std::string lineEnd = "\n";   // the input's own line ending
    std::optional<Problem> error; // set when the file cannot be read as a schedule at all
};

// Reads the CSV text and sizes every row; the values of `defaults` stand for
// missing columns and empty cells. A row with a problem gets no sizing; the
// others are sized all the same.
Schedule sizeSchedule(std::string_view csv, const ConditionTexts &defaults = DefaultConditionTexts);

// One circuit as a schedule of one row: its load and every condition as
// input columns (the option's value, or the default), sized alike.
Schedule singleCircuit(std::string_view load, const ConditionTexts &given);

// The schedule with its added columns, as CSV with a decimal point and
// English names, fields quoted where they must be.
std::string scheduleCsv(const Schedule &schedule);

// The same as a JSON array of objects, keyed by the CSV's column names.
std::string scheduleJson(const Schedule &schedule);

// One row of it as a JSON object.
std::string scheduleRowJson(const Schedule &schedule, std::size_t row);

// The added cells of one answer, in the order of AddedColumns (English,
// decimal point, exact ampacities); all empty but the problem for a row
// that has one.
std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem);

} // namespace ampacity::sizing
