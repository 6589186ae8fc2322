#pragma once

#include "AnswerColumns.h"
#include "ConditionsCache.h"
#include "ConductorSizing.h"
#include "Fields.h"
#include "Json.h"
#include "ScheduleFileReader.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// A cable schedule designed: each row of its file (schedulefile/) sized as
// `torvane size` sizes one circuit, and the answer added in columns of its
// own.
namespace ampacity::sizing {

// A row of the file and its answer: a sizing, a problem instead (or besides,
// where only the device given or the raceway is wrong).
struct ScheduleRow : ScheduleFileRow
{
    std::optional<Sizing> sizing;
};

// A schedule: how its file is laid out, and its rows designed.
struct Schedule : ScheduleLayout
{
    Schedule() { onlyForPower = LoadAmperesColumn; }
    // The problem column's sentences: English unless the program's texts
    // are in another language (the column names and answers' words stay).
    ProblemWords problemWords = describe;
    std::vector<ScheduleRow> rows;
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

    void append(std::string_view utf8) { m_file.append(utf8); }
    void close() { m_file.close(); } // no more text will come
    // The problem column in the program's language, rather than English.
    void setProblemWords(ProblemWords words) { m_layout.problemWords = words; }
    // The lines (1 the first) of rows holding a formula whose value the
    // file does not keep: each is that row's problem.
    void setLinesWithoutValues(std::vector<int> lines)
    {
        m_file.setLinesWithoutValues(std::move(lines));
    }

    using Status = ScheduleFileReader::Status;
    Status next(ScheduleRow &row); // a Row is sized

    // How the schedule is laid out and written (rows empty), known once
    // next() has given a row or the end.
    const Schedule &layout() const { return m_layout; }

private:
    void takeLayout();

    std::array<std::string, std::size(ConditionFields)> m_defaultTexts;
    ConditionTexts m_defaults;
    ScheduleFileReader m_file;
    Schedule m_layout;
    bool m_layoutTaken = false;
    ConditionsCache m_conditions;
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

// One row as CSV, written as the file was (scheduleHeaderCsv writes its
// header); the added numbers with the file's decimal mark, the names in
// English.
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

} // namespace ampacity::sizing
