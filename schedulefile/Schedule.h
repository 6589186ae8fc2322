#pragma once

#include "ConductorSizing.h"
#include "Csv.h"
#include "Fields.h"
#include "Json.h"

#include <array>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

// A cable schedule: a CSV file with a header row that names at least a load
// column, and optionally any of the conditions' columns, in English or in
// French (ConditionFields' names); every column (circuit name, notes) is
// carried through as it is. Each row is sized as `torvane size` sizes one
// circuit, and the answer is added in columns of its own.
namespace ampacity::sizing {

// One column the answer adds: its name in CSV and JSON (scripts read these
// names: they never change), how JSON writes it, its cell, and its heading
// where the schedule window and the report show it.
struct AnswerColumn
{
    std::string_view name;
    bool numeric = false;      // a JSON number, not a string
    bool nullWhenEmpty = true; // empty for want of an answer (null), not as an answer ("")
    // Writes the cell of a sized row at the end of `out`: English words,
    // exact ampacities, numbers with the decimal separator given. Null for
    // the problem column.
    void (*write)(std::string &out, const Sizing &sizing,
                  std::string_view decimalSeparator) = nullptr;
    // The window's heading (context "Schedule") and its place among the
    // window's answer columns; -1 where the window shows it in another's cell
    // or not at all.
    const char *heading = nullptr;
    int windowPlace = -1;
};

// The columns the answer adds, in their order, the problem last.
std::span<const AnswerColumn> answerColumns();

// A problem in words, numbers with the decimal separator given.
using ProblemWords = std::string (*)(const Problem &problem, std::string_view decimalSeparator);

// An answer column whose name a column of the user's already has is written
// with this before its name, so that nothing of the user's is replaced.
inline constexpr std::string_view DistinctAnswerPrefix = "torvane_";

// The input columns: the load, then the conditions' fields in the order of
// ConditionFields.
inline constexpr std::size_t InputColumnCount = 1 + std::size(ConditionFields);

// The load column: its name, and the others a header may give it, as
// ConditionFields gives the conditions'.
inline constexpr std::string_view LoadColumn = "load";
inline constexpr std::array<std::string_view, 4> LoadOtherNames = {"charge", "courant", "current"};

// A header's name as it is compared with the columns' names: in lower case,
// without accents, without a unit in brackets, and without blanks,
// underscores or other signs ("Charge (A)" is "charge", "power_factor" is
// "powerfactor", "Chute max (%)" is "chutemax").
std::string columnKey(std::string_view header);

// The input column a header names (0 the load, then ConditionFields' order),
// or nothing.
std::optional<std::size_t> inputColumnOf(std::string_view header);

// A heading as read: the input column it names, and the unit it gives, in
// brackets or after the name ("Length (ft)", "Longueur (pi)", "Load kVA",
// "Charge (kW)"), folded; empty without one.
struct Heading
{
    std::optional<std::size_t> column;
    std::string unit;
};
Heading readHeading(std::string_view header);

// The units a schedule's load and length columns give their cells in, from
// their headings; a cell may give its own ("15 kW", "150 ft").
struct ColumnUnits
{
    LoadUnit load = LoadUnit::Amperes;
    bool lengthInFeet = false;
};

struct ScheduleRow
{
    int line = 0;                   // where the row starts in the file, the header being line 1
    std::vector<std::string> cells; // the input's cells, one per carried column
    std::vector<bool> quoted;       // those the file gave in quotes, written so again; empty: none
    bool blank = false;             // every cell empty: kept as a blank row, not sized
    std::optional<Sizing> sizing;   // the answer, or
    std::optional<Problem> problem; // why there is none
};

// No input column: where the schedule's layout says so for every input.
inline constexpr std::array<int, InputColumnCount> NoInputColumns = [] {
    std::array<int, InputColumnCount> none{};
    none.fill(-1);
    return none;
}();

// A schedule and how its file was written, so that the answer goes back the
// same way: the separator, the decimal mark, the byte-order mark and the
// line ends the file came with.
struct Schedule
{
    std::vector<std::string> columns; // carried through, in the input's order
    std::vector<bool> columnsQuoted;  // their names the file gave in quotes; empty: none
    std::string titleText;            // the rows above the heading row, as they came
    int headingLine = 1;              // the line the heading row starts on
    ColumnUnits units;                // of the load and length columns
    // The answer begins with load_amperes, the amperes a load given as a
    // power draws (its column's heading names a power unit).
    bool withLoadAmperes = false;
    // The problem column's sentences: English unless the program's texts
    // are in another language (the column names and answers' words stay).
    ProblemWords problemWords = describe;
    std::vector<std::string> answerColumns; // the names the answer is written under
    // Where each input column is among the carried ones (0 the load, then
    // ConditionFields' order), -1 where the file has none.
    std::array<int, InputColumnCount> inputs = NoInputColumns;
    std::vector<ScheduleRow> rows;
    char separator = ',';
    bool decimalComma = false;    // numbers written "15,5" (only with ';' or tab)
    bool byteOrderMark = false;   // the input began with one (spreadsheets write it)
    std::string lineEnd = "\n";   // the input's own line ending
    std::optional<Problem> error; // set when the file cannot be read as a schedule at all
};

// The conditions of the rows read so far, by their texts: the rows of a
// schedule share a few sets of conditions, read once each.
class ConditionsCache
{
public:
    ConditionsCache();
    // Only the conditions a schedule has columns for (ConditionFields'
    // order, after the load), the others' texts being always empty: the
    // key is made of them alone.
    void readOnly(const std::array<int, InputColumnCount> &inputs);
    const std::variant<Conditions, Problem> &read(const ConditionTexts &texts,
                                                  const ConditionTexts &defaults);

private:
    std::unordered_map<std::string, std::variant<Conditions, Problem>> m_read;
    std::vector<const ConditionField *> m_fields; // those whose texts make the key
    std::string m_key;
};

// Reads a schedule given piece by piece as UTF-8 text and sizes each row as
// soon as the text holds all of it, so that a schedule of any length goes
// through in little memory. The values of `defaults` stand for missing
// columns and empty cells. The separator is the one given, or the header's.
class ScheduleReader
{
public:
    explicit ScheduleReader(const ConditionTexts &defaults = DefaultConditionTexts,
                            std::optional<char> separator = std::nullopt);
    ScheduleReader(const ScheduleReader &) = delete;
    ScheduleReader &operator=(const ScheduleReader &) = delete;

    void append(std::string_view utf8);
    void close(); // no more text will come
    // The problem column in the program's language, rather than English.
    void setProblemWords(ProblemWords words) { m_layout.problemWords = words; }
    // The lines (1 the first) of rows holding a formula whose value the
    // file does not keep: each is that row's problem.
    void setLinesWithoutValues(std::vector<int> lines) { m_withoutValues = std::move(lines); }

    enum class Status
    {
        NeedMore, // append more text, or close
        Row,      // a row, sized
        End,      // no more rows; or the schedule could not be read (layout().error)
    };
    Status next(ScheduleRow &row);

    // How the schedule is laid out and written (rows empty), known once
    // next() has given a row or the end.
    const Schedule &layout() const { return m_layout; }

private:
    bool readHeader();
    void appendTitleRow(const Record &record);
    ScheduleRow sizedRow(Record record);
    void decideDecimalMark(const ScheduleRow &row);

    std::array<std::string, std::size(ConditionFields)> m_defaultTexts;
    ConditionTexts m_defaults;
    std::optional<char> m_separatorGiven;
    std::string m_start; // the first bytes, until the byte-order mark is known
    bool m_started = false;
    CsvReader m_csv;
    SeparatorScan m_separatorScan; // the header read so far for its separator
    int m_titleRows = 0;           // rows above the heading row
    Schedule m_layout;
    std::array<int, InputColumnCount> m_inputs{};
    std::size_t m_headerCells = 0;
    std::size_t m_carried = 0;
    bool m_headerRead = false;
    bool m_done = false;
    bool m_decimalDecided = false;
    std::deque<ScheduleRow> m_waiting; // rows read before the decimal mark is known
    ConditionsCache m_conditions;
    std::vector<int> m_withoutValues;
};

// Sizes a row again from its cells, as the reader sized it: after an edit
// of its cells (a row that had too many or too few cells has the carried
// ones now) or with other defaults for its empty cells.
void resizeRow(const Schedule &layout, ScheduleRow &row, const ConditionTexts &defaults,
               ConditionsCache *cache = nullptr);

// Whether a row takes the default of a condition (ConditionFields' order):
// the file has no such column, or the row's cell is empty.
bool takesDefault(const Schedule &layout, const ScheduleRow &row, std::size_t field);

// How a schedule's rows came out.
struct ScheduleSummary
{
    int circuits = 0;      // rows that are not blank
    int sized = 0;         // ...given a conductor
    int problems = 0;      // ...with a problem instead
    int byVoltageDrop = 0; // sized rows the voltage drop governed
    int byTermination = 0; // sized rows the terminations governed
    int byProtection = 0;  // sized rows their breaker's protection governed
    int byContinuous = 0;  // sized rows the continuous load governed
    int byMotor = 0;       // sized rows a motor's 125 % governed
    int motors = 0;        // rows sized as motors' branch circuits, with a problem or not
    int raceways = 0;      // sized rows with a raceway asked for (Rule 12-910)
};
ScheduleSummary summarize(const Schedule &schedule);

// Reads the whole CSV text and sizes every row.
Schedule sizeSchedule(std::string_view csv, const ConditionTexts &defaults = DefaultConditionTexts,
                      std::optional<char> separator = std::nullopt,
                      std::vector<int> linesWithoutValues = {});

// One circuit as a schedule of one row: its load and every condition as
// input columns (the option's value, or the default), sized alike.
Schedule singleCircuit(std::string_view load, const ConditionTexts &given);

// The schedule's header and one row as CSV, written as the file was (the
// header with the byte-order mark, if the file had one); the added numbers
// with the file's decimal mark, the names in English.
std::string scheduleHeaderCsv(const Schedule &layout);
void appendScheduleRowCsv(std::string &csv, const Schedule &layout, const ScheduleRow &row);

// One row as a JSON object keyed by the CSV's column names; the numbers are
// JSON numbers, an answer that has none gives null.
std::string scheduleRowJson(const Schedule &layout, const ScheduleRow &row);

// The answer's fields of a row as the schedule writes them: the columns'
// names, the texts with a decimal point, the numbers typed as numbers (the
// JSON answer's, and a workbook's cells).
std::vector<Field> answerFields(const Schedule &layout, const ScheduleRow &row);

// The whole schedule as CSV, or as a JSON array of objects.
std::string scheduleCsv(const Schedule &schedule);
std::string scheduleJson(const Schedule &schedule);

// The added cells of one answer, in the order of answerColumns() (English
// names, exact ampacities, the decimal separator given); all empty but the
// problem for a row that has one.
std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem,
                                     std::string_view decimalSeparator = ".",
                                     ProblemWords problemWords = describe);

} // namespace ampacity::sizing
