#include "Schedule.h"

#include "Fields.h"

#include <algorithm>
#include <iterator>

namespace ampacity::sizing {
namespace {

// A motor's row: its full-load current (the nameplate's, or Table 44's or
// 45's), then its branch circuit sized from it. The answer keeps its
// conductor where only the device given is wrong.
void sizeMotorRow(ScheduleRow &row, const LoadText &given, const Conditions &c,
                  std::string_view text)
{
    const auto current = motorFullLoadCurrent(given, c, text);
    if (const auto *p = std::get_if<Problem>(&current)) {
        row.problem = *p;
        return;
    }
    const auto &motor = std::get<MotorCurrent>(current);
    Conditions motorConditions = c;
    motorConditions.motor.isMotor = true;
    auto answer = sizeFor(motor.amperes, motorConditions);
    if (auto *p = std::get_if<Problem>(&answer)) {
        row.problem = std::move(*p);
        return;
    }
    row.sizing = std::get<Sizing>(answer);
    row.sizing->loadFromPower = given.unit == LoadUnit::Horsepower;
    row.sizing->motorCurrentFrom = motor.from;
    // Rule 28-200: a device given that may not protect the branch circuit.
    row.problem = motorDeviceProblem(row.sizing->load, row.sizing->breaker, row.sizing->maxBreaker,
                                     row.sizing->motorDevice);
}

// The cell at `index` of a row's cells; empty where the file has no such
// column (-1) or the row stops short of it.
std::string_view cellAt(const std::vector<std::string> &cells, int index)
{
    return index < 0 || index >= static_cast<int>(cells.size())
               ? std::string_view{}
               : std::string_view(cells[static_cast<std::size_t>(index)]);
}

// A raceway no trade size of which holds the conductors, or a conductor
// its wire's table does not list, is the row's problem; the conductor and
// every other column are still given.
void addRacewayProblem(ScheduleRow &row)
{
    if (row.sizing && row.sizing->raceway.raceway >= 0 && !row.problem)
        row.problem = racewayProblem(row.sizing->raceway);
}

// The conditions of a row from its cells, the defaults standing for the
// columns the schedule lacks and the cells left empty.
std::variant<Conditions, Problem> readRowConditions(const std::vector<std::string> &cells,
                                                    const std::array<int, InputColumnCount> &inputs,
                                                    const ConditionTexts &defaults,
                                                    bool decimalComma, const ColumnUnits &units)
{
    ConditionTexts texts;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        texts.*ConditionFields[field].text = cellAt(cells, inputs[field + 1]);
    texts.decimalComma = decimalComma;
    // A length under a heading in feet, without a unit of its own, is in feet.
    std::string lengthInFeet;
    if (units.lengthInFeet && !trimmed(texts.length).empty() &&
        std::none_of(texts.length.begin(), texts.length.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); })) {
        lengthInFeet = std::string(trimmed(texts.length)) + " ft";
        texts.length = lengthInFeet;
    }
    return readConditions(texts, defaults);
}

void sizeRow(ScheduleRow &row, const std::vector<std::string> &cells,
             const std::array<int, InputColumnCount> &inputs, const ConditionTexts &defaults,
             bool decimalComma, const ColumnUnits &units, ConditionsCache *cache = nullptr)
{
    const auto cell = [&](std::size_t column) { return cellAt(cells, inputs[column]); };
    const auto load = readLoadText(cell(0), units.load, decimalComma);
    if (const auto *p = std::get_if<Problem>(&load)) {
        row.problem = *p;
        return;
    }
    // The conditions are read once for every row with the same cells.
    const std::variant<Conditions, Problem> *known =
        cache ? cache->find(cells, inputs, decimalComma, units.lengthInFeet) : nullptr;
    std::optional<std::variant<Conditions, Problem>> read;
    if (!known) {
        read = readRowConditions(cells, inputs, defaults, decimalComma, units);
        known = cache ? &cache->keep(std::move(*read)) : &*read;
    }
    const auto &conditions = *known;
    if (const auto *p = std::get_if<Problem>(&conditions)) {
        row.problem = *p;
        return;
    }
    const auto &c = std::get<Conditions>(conditions);
    const auto &given = std::get<LoadText>(load);
    // A load in horsepower, or in amperes said to be a motor's, is a motor
    // branch circuit: sized from its full-load current.
    if (given.unit == LoadUnit::Horsepower || c.motor.isMotor) {
        sizeMotorRow(row, given, c, trimmed(cell(0)));
        addRacewayProblem(row);
        return;
    }
    const bool fromPower = given.unit != LoadUnit::Amperes;
    if (fromPower && c.run.voltage <= 0) {
        row.problem = makeProblem(Problem::Kind::PowerWithoutVoltage, trimmed(cell(0)));
        return;
    }
    if (auto problem = sizeInto(row.sizing.emplace(), amperesOf(given, c.run), c)) {
        row.sizing.reset();
        problem->value = trimmed(cell(0));
        row.problem = std::move(*problem);
        return;
    }
    row.sizing->loadFromPower = fromPower;
    addRacewayProblem(row);
}

} // namespace

ScheduleReader::ScheduleReader(const ConditionTexts &defaults, std::optional<char> separator)
    : m_file(answerHeadings(), separator)
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field) {
        m_defaultTexts[field] = defaults.*ConditionFields[field].text;
        m_defaults.*ConditionFields[field].text = m_defaultTexts[field];
    }
}

// The file's layout, taken once the file reader knows it whole: at its first
// row (the decimal mark decided) or at the end.
void ScheduleReader::takeLayout()
{
    static_cast<ScheduleLayout &>(m_layout) = m_file.layout();
    m_layoutTaken = true;
}

ScheduleReader::Status ScheduleReader::next(ScheduleRow &row)
{
    const Status status = m_file.next(row);
    if (status == Status::End || (status == Status::Row && !m_layoutTaken))
        takeLayout();
    if (status != Status::Row)
        return status;
    row.sizing.reset();
    if (!row.blank && !row.problem)
        sizeRow(row, row.cells, m_layout.inputs, m_defaults, m_layout.separator != ',',
                m_layout.units, &m_conditions);
    return status;
}

Schedule sizeSchedule(std::string_view csv, const ConditionTexts &defaults,
                      std::optional<char> separator, std::vector<int> linesWithoutValues)
{
    ScheduleReader reader(defaults, separator);
    reader.setLinesWithoutValues(std::move(linesWithoutValues));
    reader.append(csv);
    reader.close();
    std::vector<ScheduleRow> rows;
    ScheduleRow row;
    while (reader.next(row) == ScheduleReader::Status::Row)
        rows.push_back(std::move(row));
    Schedule schedule = reader.layout();
    schedule.rows = std::move(rows);
    return schedule;
}

void resizeRow(const Schedule &layout, ScheduleRow &row, const ConditionTexts &defaults,
               ConditionsCache *cache)
{
    row.sizing.reset();
    row.problem.reset();
    row.inFileText = false; // its cells may have been edited
    row.cells.resize(layout.columns.size());
    if (!row.quoted.empty())
        row.quoted.resize(layout.columns.size());
    row.blank = std::all_of(row.cells.begin(), row.cells.end(),
                            [](const std::string &cell) { return cell.empty(); });
    if (!row.blank)
        sizeRow(row, row.cells, layout.inputs, defaults, layout.separator != ',', layout.units,
                cache);
}

bool takesDefault(const Schedule &layout, const ScheduleRow &row, std::size_t field)
{
    const int index = layout.inputs[field + 1];
    return index < 0 || static_cast<std::size_t>(index) >= row.cells.size() ||
           trimmed(row.cells[static_cast<std::size_t>(index)]).empty();
}

ScheduleSummary summarize(const Schedule &schedule)
{
    ScheduleSummary summary;
    for (const ScheduleRow &row : schedule.rows) {
        if (row.blank)
            continue;
        ++summary.circuits;
        summary.motors += row.sizing && row.sizing->motor;
        summary.raceways += row.sizing && row.sizing->raceway.raceway >= 0;
        if (!row.sizing || row.problem) {
            ++summary.problems;
            continue;
        }
        ++summary.sized;
        summary.byVoltageDrop += row.sizing->governedBy == Governing::VoltageDrop;
        summary.byTermination += row.sizing->governedBy == Governing::Termination;
        summary.byProtection += row.sizing->governedBy == Governing::Protection;
        summary.byContinuous += row.sizing->governedBy == Governing::ContinuousLoad;
        summary.byMotor += row.sizing->governedBy == Governing::Motor;
    }
    return summary;
}

Schedule singleCircuit(std::string_view load, const ConditionTexts &given)
{
    // The terminations given are read but not written back: the answer's
    // own terminations column says which apply.
    Schedule schedule;
    ScheduleRow row;
    row.line = 1;
    std::vector<std::string> read{std::string(load)};
    std::array<int, InputColumnCount> inputs{};
    inputs[0] = 0;
    schedule.columns.emplace_back(LoadColumn);
    row.cells.emplace_back(load);
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field) {
        const auto text = ConditionFields[field].text;
        std::string value(trimmed(given.*text).empty() ? DefaultConditionTexts.*text : given.*text);
        // The bonding conductor is of the circuit's metal unless said otherwise;
        // the insulation is the wire type's rating, or 60 °C.
        if (text == &ConditionTexts::bondMaterial && trimmed(value).empty())
            value = read[1];
        if (text == &ConditionTexts::insulation && trimmed(value).empty())
            value = std::to_string(wireRating(given.wire));
        inputs[field + 1] = static_cast<int>(read.size());
        read.push_back(value);
        if (text == &ConditionTexts::terminations)
            continue;
        schedule.columns.emplace_back(ConditionFields[field].name);
        row.cells.push_back(value);
    }
    sizeRow(row, read, inputs, given, false, ColumnUnits{});
    schedule.answerColumns = answerColumnNames(schedule.columns, answerHeadings().names);
    schedule.rows.push_back(std::move(row));
    return schedule;
}

void appendScheduleRowCsv(std::string &csv, const Schedule &layout, const ScheduleRow &row)
{
    appendCarriedCsv(csv, layout, row);
    appendAnswerCsv(csv, layout, row.sizing, row.problem, layout.problemWords);
    csv += layout.lineEnd;
}

std::string scheduleRowJson(const Schedule &layout, const ScheduleRow &row)
{
    // The file's cells as strings, the answer's as its columns say.
    std::vector<Field> fields;
    fields.reserve(layout.columns.size() + answerColumns().size());
    for (std::size_t c = 0; c < layout.columns.size(); ++c)
        fields.push_back({layout.columns[c], c < row.cells.size() ? row.cells[c] : std::string(),
                          Field::Kind::Text, false});
    std::vector<Field> answer = answerFields(layout, row);
    std::move(answer.begin(), answer.end(), std::back_inserter(fields));
    return jsonObject(fields);
}

std::vector<Field> answerFields(const Schedule &layout, const ScheduleRow &row)
{
    std::vector<Field> fields;
    std::vector<std::string> added = answerCells(row.sizing, row.problem, ".", layout.problemWords);
    for (std::size_t c = 0; c < added.size(); ++c) {
        if (!layout.writes(c))
            continue;
        const AnswerColumn &column = answerColumns()[c];
        fields.push_back({layout.answerColumns[c], std::move(added[c]),
                          column.numeric ? Field::Kind::Number : Field::Kind::Text,
                          column.nullWhenEmpty || !row.sizing});
    }
    return fields;
}

std::string scheduleCsv(const Schedule &schedule)
{
    std::string csv = scheduleHeaderCsv(schedule);
    for (const ScheduleRow &row : schedule.rows)
        appendScheduleRowCsv(csv, schedule, row);
    return csv;
}

std::string scheduleJson(const Schedule &schedule)
{
    std::string json = "[";
    for (std::size_t r = 0; r < schedule.rows.size(); ++r) {
        json += r == 0 ? "\n  " : ",\n  ";
        json += scheduleRowJson(schedule, schedule.rows[r]);
    }
    json += schedule.rows.empty() ? "]\n" : "\n]\n";
    return json;
}

} // namespace ampacity::sizing
