#include "Schedule.h"

#include "CorrectedAmpacity.h"
#include "Csv.h"
#include "Json.h"

#include <algorithm>
#include <array>

namespace ampacity::sizing {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

std::string lowerStripped(std::string_view text)
{
    return lowered(trimmed(text));
}

// The columns the schedule reads, besides carrying them through: the load,
// then the conditions' fields in their order.
constexpr std::size_t InputColumnCount = 1 + std::size(ConditionFields);
using InputIndexes = std::array<int, InputColumnCount>;

std::string_view inputColumnName(std::size_t column)
{
    return column == 0 ? std::string_view("load") : ConditionFields[column - 1].name;
}

// The answer columns an earlier version wrote, before terminations and
// voltage drop: a schedule it sized has these at its end.
constexpr std::string_view EarlierAddedColumns[] = {
    "size",           "table",        "table_ampacity", "corrected_ampacity",
    "ambient_factor", "count_factor", "tables",         "problem"};

// How many columns at the end of the header are this program's own answer
// (a schedule sized before): the whole set, in order, each under its own name
// or its distinct one. 0 when the header does not end so.
template <std::size_t N>
std::size_t ownAnswerColumns(const std::vector<std::string> &names,
                             const std::string_view (&answer)[N])
{
    if (names.size() < N)
        return 0;
    const std::size_t first = names.size() - N;
    for (std::size_t c = 0; c < N; ++c) {
        const std::string &name = names[first + c];
        if (name != answer[c] && name != std::string(DistinctAnswerPrefix) + std::string(answer[c]))
            return 0;
    }
    return N;
}

void sizeRow(ScheduleRow &row, const std::vector<std::string> &cells, const InputIndexes &inputs,
             const ConditionTexts &defaults)
{
    const auto cell = [&](std::size_t column) -> std::string_view {
        const int index = inputs[column];
        return index < 0 || index >= static_cast<int>(cells.size()) ? std::string_view{}
                                                                    : cells[index];
    };
    const auto load = readLoad(cell(0));
    if (const auto *p = std::get_if<Problem>(&load)) {
        row.problem = *p;
        return;
    }
    ConditionTexts texts;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        texts.*ConditionFields[field].text = cell(field + 1);
    const auto conditions = readConditions(texts, defaults);
    if (const auto *p = std::get_if<Problem>(&conditions)) {
        row.problem = *p;
        return;
    }
    auto answer = sizeFor(std::get<Amperes>(load), std::get<Conditions>(conditions));
    if (auto *p = std::get_if<Problem>(&answer)) {
        p->value = trimmed(cell(0));
        row.problem = *p;
        return;
    }
    row.sizing = std::get<Sizing>(answer);
}

// The answer's column names: each as it is, unless a carried column has
// that name already.
std::vector<std::string> answerColumnNames(const std::vector<std::string> &carried)
{
    std::vector<std::string> names;
    for (std::string_view name : AddedColumns) {
        const bool taken = std::any_of(carried.begin(), carried.end(), [&](const std::string &c) {
            return lowerStripped(c) == name;
        });
        names.push_back(taken ? std::string(DistinctAnswerPrefix) + std::string(name)
                              : std::string(name));
    }
    return names;
}

} // namespace

Schedule sizeSchedule(std::string_view csv, const ConditionTexts &defaults)
{
    Schedule schedule;
    if (csv.substr(0, ByteOrderMark.size()) == ByteOrderMark) {
        schedule.byteOrderMark = true;
        csv.remove_prefix(ByteOrderMark.size());
    }
    if (const auto end = csv.find('\n');
        end != std::string_view::npos && end > 0 && csv[end - 1] == '\r')
        schedule.lineEnd = "\r\n";

    CsvReader reader(csv);
    if (reader.atEnd()) {
        schedule.error = makeProblem(Problem::Kind::EmptySchedule, {}, 0, 0);
        return schedule;
    }
    const Record header = reader.next();
    if (header.malformed) {
        schedule.error = header.malformed;
        return schedule;
    }

    // A schedule sized before ends with the answer's columns: they are
    // replaced. Every other column is carried through, and the input columns
    // among them are read.
    std::vector<std::string> names;
    for (const std::string &cell : header.cells)
        names.push_back(lowerStripped(cell));
    std::size_t own = ownAnswerColumns(names, AddedColumns);
    if (own == 0)
        own = ownAnswerColumns(names, EarlierAddedColumns);
    const std::size_t carried = header.cells.size() - own;
    InputIndexes inputs;
    inputs.fill(-1);
    for (std::size_t index = 0; index < carried; ++index) {
        for (std::size_t column = 0; column < InputColumnCount; ++column) {
            if (names[index] != inputColumnName(column))
                continue;
            if (inputs[column] >= 0) {
                schedule.error = makeProblem(Problem::Kind::DuplicateColumn, names[index]);
                return schedule;
            }
            inputs[column] = static_cast<int>(index);
        }
        schedule.columns.push_back(header.cells[index]);
    }
    if (inputs[0] < 0) {
        schedule.error = makeProblem(Problem::Kind::NoLoadColumn, {}, 0, 0);
        return schedule;
    }
    schedule.answerColumns = answerColumnNames(schedule.columns);

    while (!reader.atEnd()) {
        Record record = reader.next();
        if (record.cells.size() == 1 && record.cells[0].empty() && reader.atEnd() &&
            !record.malformed)
            break; // the file's last line end
        ScheduleRow row;
        row.line = record.line;
        row.cells.reserve(carried);
        for (std::size_t index = 0; index < carried; ++index)
            row.cells.push_back(index < record.cells.size() ? record.cells[index] : std::string());
        if (record.malformed) {
            row.problem = record.malformed;
        } else if (record.cells.size() != header.cells.size()) {
            row.problem = makeProblem(Problem::Kind::CellCount, {},
                                      static_cast<std::int64_t>(record.cells.size()),
                                      static_cast<std::int64_t>(header.cells.size()));
        } else {
            sizeRow(row, record.cells, inputs, defaults);
        }
        schedule.rows.push_back(std::move(row));
    }
    return schedule;
}

Schedule singleCircuit(std::string_view load, const ConditionTexts &given)
{
    // The terminations given are read but not written back: the answer's
    // own terminations column says which apply.
    Schedule schedule;
    ScheduleRow row;
    row.line = 1;
    std::vector<std::string> read{std::string(load)};
    InputIndexes inputs;
    inputs[0] = 0;
    schedule.columns.emplace_back(inputColumnName(0));
    row.cells.emplace_back(load);
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field) {
        const auto text = ConditionFields[field].text;
        const std::string value(trimmed(given.*text).empty() ? DefaultConditionTexts.*text
                                                             : given.*text);
        inputs[field + 1] = static_cast<int>(read.size());
        read.push_back(value);
        if (text == &ConditionTexts::terminations)
            continue;
        schedule.columns.emplace_back(ConditionFields[field].name);
        row.cells.push_back(value);
    }
    sizeRow(row, read, inputs, given);
    schedule.answerColumns = answerColumnNames(schedule.columns);
    schedule.rows.push_back(std::move(row));
    return schedule;
}

std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem)
{
    std::vector<std::string> cells(std::size(AddedColumns));
    if (sizing) {
        cells[0] = trimmed(sizing->sizeText);
        cells[1] = std::to_string(sizing->tableNumber);
        cells[2] = std::to_string(sizing->tableAmpacity);
        cells[3] = scaledText(sizing->corrected, 4);
        cells[4] = numberText(sizing->ambientFactor);
        cells[5] = numberText(sizing->countFactor);
        cells[6] = sizing->correctionTables;
        cells[7] =
            sizing->terminationRating > 0 ? std::to_string(sizing->terminationRating) : "none";
        cells[8] = scaledText(sizing->usable, 4);
        if (sizing->drop) {
            cells[9] = scaledText(sizing->drop->volts, 2);
            cells[10] = scaledText(sizing->drop->percent, 2);
        }
        cells[11] = governingName(sizing->governedBy);
        cells[12] = trimmed(sizing->ampacitySizeText);
    }
    if (problem)
        cells[13] = describe(*problem);
    return cells;
}

std::string scheduleCsv(const Schedule &schedule)
{
    std::string csv;
    csv.reserve(64 * (schedule.rows.size() + 1));
    if (schedule.byteOrderMark)
        csv += ByteOrderMark;
    const auto writeRow = [&](const auto &carried, const auto &added) {
        bool first = true;
        const auto put = [&](std::string_view cell) {
            if (!first)
                csv += ',';
            csv += csvField(cell);
            first = false;
        };
        for (const auto &cell : carried)
            put(cell);
        for (const auto &cell : added)
            put(cell);
        csv += schedule.lineEnd;
    };
    writeRow(schedule.columns, schedule.answerColumns);
    for (const ScheduleRow &row : schedule.rows)
        writeRow(row.cells, answerCells(row.sizing, row.problem));
    return csv;
}

std::string scheduleRowJson(const Schedule &schedule, std::size_t r)
{
    // The numbers are JSON numbers; an answer that has none gives null.
    constexpr std::array<bool, std::size(AddedColumns)> numeric = {
        false, true, true, true, true, true, false, false, true, true, true, false, false, false};
    // Texts that are empty for want of an answer, not as an answer.
    constexpr std::array<bool, std::size(AddedColumns)> nullWhenEmpty = {
        true, true, true, true, true, true, false, true, true, true, true, true, true, true};
    const ScheduleRow &row = schedule.rows[r];
    std::string json = "{";
    for (std::size_t c = 0; c < schedule.columns.size(); ++c) {
        json += c == 0 ? "" : ", ";
        json += jsonString(schedule.columns[c]) + ": " + jsonString(row.cells[c]);
    }
    const std::vector<std::string> added = answerCells(row.sizing, row.problem);
    for (std::size_t c = 0; c < added.size(); ++c) {
        json += c == 0 && schedule.columns.empty() ? "" : ", ";
        json += jsonString(schedule.answerColumns[c]);
        json += ": ";
        const bool absent = added[c].empty() && (nullWhenEmpty[c] || !row.sizing);
        json += absent ? "null" : numeric[c] ? added[c] : jsonString(added[c]);
    }
    json += "}";
    return json;
}

std::string scheduleJson(const Schedule &schedule)
{
    std::string json = "[";
    json.reserve(160 * (schedule.rows.size() + 1));
    for (std::size_t r = 0; r < schedule.rows.size(); ++r) {
        json += r == 0 ? "\n  " : ",\n  ";
        json += scheduleRowJson(schedule, r);
    }
    json += schedule.rows.empty() ? "]\n" : "\n]\n";
    return json;
}

} // namespace ampacity::sizing
