#include "Schedule.h"

#include "CorrectedAmpacity.h"
#include "Fields.h"
#include "TextEncoding.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <iterator>

namespace ampacity::sizing {
namespace {

// The answer's cells are written straight into the output, with no string
// of their own: a schedule has a million rows and twenty-odd cells a row.
void amperes(std::string &out, Amperes value, std::string_view separator)
{
    appendScaledText(out, value, 4, separator);
}

void whole(std::string &out, std::int64_t value)
{
    char digits[24];
    out.append(digits, std::to_chars(digits, digits + sizeof digits, value).ptr);
}

// A factor of Tables 5A to 5C: two decimals exactly.
void factor(std::string &out, float value, std::string_view separator)
{
    appendScaledText(out, std::lround(static_cast<double>(value) * 100.0), 2, separator);
}

using Separator = std::string_view;

// The answer's columns; only their order and names are read elsewhere.
const AnswerColumn AnswerColumns[] = {
    // Only where the load column gives a power: the amperes it draws.
    {"load_amperes", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.loadFromPower)
             amperes(out, s.load, d);
     }},
    {"size", false, true,
     [](std::string &out, const Sizing &s, Separator) { out += trimmed(s.sizeText); },
     TORVANE_TEXT("Schedule", "Size"), 0},
    {"table", true, true,
     [](std::string &out, const Sizing &s, Separator) { whole(out, s.tableNumber); }},
    {"table_ampacity", true, true,
     [](std::string &out, const Sizing &s, Separator) { whole(out, s.tableAmpacity); }},
    {"corrected_ampacity", true, true,
     [](std::string &out, const Sizing &s, Separator d) { amperes(out, s.corrected, d); }},
    {"ambient_factor", true, true,
     [](std::string &out, const Sizing &s, Separator d) { factor(out, s.ambientFactor, d); }},
    {"count_factor", true, true,
     [](std::string &out, const Sizing &s, Separator d) { factor(out, s.countFactor, d); }},
    // Empty as an answer: no correction applied.
    {"tables", false, false,
     [](std::string &out, const Sizing &s, Separator) { out += s.correctionTables; }},
    {"terminations", false, true,
     [](std::string &out, const Sizing &s, Separator) {
         if (s.terminationRating > 0)
             whole(out, s.terminationRating);
         else
             out += "none";
     }},
    {"usable_ampacity", true, true,
     [](std::string &out, const Sizing &s, Separator d) { amperes(out, s.usable, d); },
     TORVANE_TEXT("Schedule", "Usable ampacity"), 6},
    {"drop_volts", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.drop)
             appendScaledText(out, s.drop->volts, 2, d);
     }},
    {"drop_percent", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.drop)
             appendScaledText(out, s.drop->percent, 2, d);
     },
     TORVANE_TEXT("Schedule", "Voltage drop %"), 7},
    {"governed_by", false, true,
     [](std::string &out, const Sizing &s, Separator) { out += governingName(s.governedBy); },
     TORVANE_TEXT("Schedule", "Governed by"), 5},
    {"size_for_ampacity", false, true,
     [](std::string &out, const Sizing &s, Separator) { out += trimmed(s.ampacitySizeText); }},
    {"breaker_rating", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.breaker > 0)
             amperes(out, s.breaker, d);
     },
     TORVANE_TEXT("Schedule", "Breaker"), 2},
    {"breaker_chosen", false, true,
     [](std::string &out, const Sizing &s, Separator) { out += s.breakerChosen ? "yes" : "no"; }},
    {"max_breaker", true, true,
     [](std::string &out, const Sizing &s, Separator) { whole(out, s.maxBreaker); }},
    {"parallel_sets", true, true,
     [](std::string &out, const Sizing &s, Separator) { whole(out, s.sets); },
     TORVANE_TEXT("Schedule", "Sets"), 1},
    {"bonding", false, true,
     [](std::string &out, const Sizing &s, Separator) { out += trimmed(s.bondingText); },
     TORVANE_TEXT("Schedule", "Bonding"), 3},
    {"bonding_material", false, true,
     [](std::string &out, const Sizing &s, Separator) {
         out += s.bondingMaterial == material::Copper ? "cu" : "al";
     }},
    // A motor's branch circuit only (Section 28).
    {"motor_current", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.motor)
             amperes(out, s.load, d);
     },
     TORVANE_TEXT("Schedule", "Motor current"), 8},
    {"motor_current_from", false, true,
     [](std::string &out, const Sizing &s, Separator) {
         if (s.motor)
             out += motorCurrentFromName(s.motorCurrentFrom);
     }},
    {"overload_max", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.motor)
             amperes(out, s.overloadMax, d);
     }},
    // Rule 12-910, where a raceway is asked for: the trade size of each
    // set's raceway, its fill, and the wire type counted.
    {"raceway_size", true, true,
     [](std::string &out, const Sizing &s, Separator) {
         if (s.raceway.tradeSize >= 0)
             whole(out, tradeSizeOf(s.raceway).designator);
     },
     TORVANE_TEXT("Schedule", "Raceway"), 4},
    {"raceway_fill", true, true,
     [](std::string &out, const Sizing &s, Separator d) {
         if (s.raceway.tradeSize >= 0)
             appendScaledText(out, racewayFillHundredths(s.raceway), 2, d);
     }},
    {"raceway_wire", false, true,
     [](std::string &out, const Sizing &s, Separator) {
         if (s.raceway.raceway >= 0)
             out += table19WireTypes()[static_cast<std::size_t>(s.raceway.wire.type)].name;
     }},
    {"problem", false, true, nullptr, TORVANE_TEXT("Schedule", "Problem"), 9},
};
constexpr std::size_t ProblemColumn = std::size(AnswerColumns) - 1;
// load_amperes, written only where the load column gives a power.
constexpr std::size_t LoadAmperesColumn = 0;

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

// The length's input column: after the load, its place among the conditions.
std::size_t lengthColumn()
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (ConditionFields[field].text == &ConditionTexts::length)
            return field + 1;
    return 0;
}

// Whether a layout writes an answer column.
bool writes(const Schedule &layout, std::size_t column)
{
    return column != LoadAmperesColumn || layout.withLoadAmperes;
}

// How many columns at the end of the header are this program's own answer
// (a schedule sized before): the whole set, in order, each under its own name
// or its distinct one. 0 when the header does not end so.
std::size_t ownAnswerColumns(const std::vector<std::string> &names,
                             const std::vector<std::string_view> &answer)
{
    const std::size_t count = answer.size();
    if (names.size() < count)
        return 0;
    const std::size_t first = names.size() - count;
    std::size_t c = 0;
    for (const std::string_view own : answer) {
        const std::string name = folded(trimmed(names[first + c++]));
        if (name != own && name != std::string(DistinctAnswerPrefix) + std::string(own))
            return 0;
    }
    return count;
}

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

// A raceway no trade size of which holds the conductors, or a conductor
// its wire's table does not list, is the row's problem; the conductor and
// every other column are still given.
void addRacewayProblem(ScheduleRow &row)
{
    if (row.sizing && row.sizing->raceway.raceway >= 0 && !row.problem)
        row.problem = racewayProblem(row.sizing->raceway);
}

void sizeRow(ScheduleRow &row, const std::vector<std::string> &cells,
             const std::array<int, InputColumnCount> &inputs, const ConditionTexts &defaults,
             bool decimalComma, const ColumnUnits &units, ConditionsCache *cache = nullptr)
{
    const auto cell = [&](std::size_t column) -> std::string_view {
        const int index = inputs[column];
        return index < 0 || index >= static_cast<int>(cells.size())
                   ? std::string_view{}
                   : std::string_view(cells[static_cast<std::size_t>(index)]);
    };
    const auto load = readLoadText(cell(0), units.load, decimalComma);
    if (const auto *p = std::get_if<Problem>(&load)) {
        row.problem = *p;
        return;
    }
    // Only the conditions the schedule has columns for: the others stay empty.
    ConditionTexts texts;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (inputs[field + 1] >= 0)
            texts.*ConditionFields[field].text = cell(field + 1);
    texts.decimalComma = decimalComma;
    // A length under a heading in feet, without a unit of its own, is in feet.
    std::string lengthInFeet;
    if (units.lengthInFeet && !trimmed(texts.length).empty() &&
        std::none_of(texts.length.begin(), texts.length.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); })) {
        lengthInFeet = std::string(trimmed(texts.length)) + " ft";
        texts.length = lengthInFeet;
    }
    std::variant<Conditions, Problem> read;
    const auto &conditions =
        cache ? cache->read(texts, defaults) : (read = readConditions(texts, defaults));
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
    auto answer = sizeFor(amperesOf(given, c.run), c);
    if (auto *p = std::get_if<Problem>(&answer)) {
        p->value = trimmed(cell(0));
        row.problem = *p;
        return;
    }
    row.sizing = std::get<Sizing>(answer);
    row.sizing->loadFromPower = fromPower;
    addRacewayProblem(row);
}

// The answer's column names: each as it is, unless a carried column has
// that name already.
std::vector<std::string> answerColumnNames(const std::vector<std::string> &carried)
{
    std::vector<std::string> names;
    for (const AnswerColumn &column : AnswerColumns) {
        const std::string_view name = column.name;
        const bool taken = std::any_of(carried.begin(), carried.end(), [&](const std::string &c) {
            return folded(trimmed(c)) == name;
        });
        names.push_back(taken ? std::string(DistinctAnswerPrefix) + std::string(name)
                              : std::string(name));
    }
    return names;
}

} // namespace

std::string columnKey(std::string_view header)
{
    std::string key;
    int brackets = 0;
    for (const char c : folded(header)) {
        if (c == '(' || c == '[')
            ++brackets;
        else if ((c == ')' || c == ']') && brackets > 0)
            --brackets;
        else if (brackets == 0 && ((c >= 'a' && c <= 'z') || isDigit(c)))
            key += c;
    }
    return key;
}

Heading readHeading(std::string_view header)
{
    Heading heading;
    heading.column = inputColumnOf(header);
    // A unit in brackets: "Length (ft)", "Charge (kW)".
    const std::string text = folded(header);
    if (const auto open = text.find_first_of("(["); open != std::string::npos) {
        const auto close = text.find_first_of(")]", open);
        heading.unit = columnKey(text.substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1));
        if (heading.unit.empty() && text.find('%', open) != std::string::npos)
            heading.unit = "%";
        return heading;
    }
    if (heading.column)
        return heading;
    // A unit after the name: "Load kVA", "Longueur pi".
    const std::string key = columnKey(header);
    const auto unitAfter = [&](std::string_view name, std::size_t column) {
        const std::string nameKey = columnKey(name);
        if (key.size() <= nameKey.size() || !key.starts_with(nameKey))
            return false;
        const std::string unit = key.substr(nameKey.size());
        const bool known =
            column == 0 ? loadUnitNamed(unit).has_value() : lengthUnitInFeet(unit).has_value();
        if (known) {
            heading.column = column;
            heading.unit = unit;
        }
        return known;
    };
    if (unitAfter(LoadColumn, 0))
        return heading;
    for (std::string_view other : LoadOtherNames)
        if (!other.empty() && unitAfter(other, 0))
            return heading;
    const ConditionField &length = ConditionFields[lengthColumn() - 1];
    if (unitAfter(length.name, lengthColumn()))
        return heading;
    for (std::string_view other : length.otherNames)
        if (!other.empty() && unitAfter(other, lengthColumn()))
            return heading;
    return heading;
}

std::optional<std::size_t> inputColumnOf(std::string_view header)
{
    const std::string key = columnKey(header);
    const auto named = [&](std::string_view name, const std::array<std::string_view, 4> &others) {
        return key == columnKey(name) ||
               std::any_of(others.begin(), others.end(),
                           [&](std::string_view other) { return !other.empty() && key == other; });
    };
    if (named(LoadColumn, LoadOtherNames))
        return 0;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (named(ConditionFields[field].name, ConditionFields[field].otherNames))
            return field + 1;
    return std::nullopt;
}

ScheduleReader::ScheduleReader(const ConditionTexts &defaults, std::optional<char> separator)
    : m_separatorGiven(separator)
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field) {
        m_defaultTexts[field] = defaults.*ConditionFields[field].text;
        m_defaults.*ConditionFields[field].text = m_defaultTexts[field];
    }
    m_inputs.fill(-1);
}

void ScheduleReader::append(std::string_view utf8)
{
    if (m_started) {
        m_csv.append(utf8);
        return;
    }
    // The byte-order mark is kept aside, so that it goes out again.
    m_start.append(utf8);
    if (m_start.size() < Utf8ByteOrderMark.size() &&
        Utf8ByteOrderMark.substr(0, m_start.size()) == m_start)
        return;
    m_started = true;
    std::string_view text = m_start;
    if (text.substr(0, Utf8ByteOrderMark.size()) == Utf8ByteOrderMark) {
        m_layout.byteOrderMark = true;
        text.remove_prefix(Utf8ByteOrderMark.size());
    }
    m_csv.append(text);
    m_start.clear();
}

void ScheduleReader::close()
{
    if (!m_started) {
        m_started = true;
        m_csv.append(m_start);
        m_start.clear();
    }
    m_csv.close();
}

bool ScheduleReader::readHeader()
{
    if (!m_started)
        return false;
    // The heading row is the first, within the first ten, that names a load
    // column: title rows above it ("Panel P1 — 4th floor", a blank row) go
    // out again as they came, each read with its own separator.
    constexpr int mostTitleRows = 9;
    std::optional<Record> header;
    for (;;) {
        if (!m_separatorGiven) {
            const auto detected = detectSeparator(m_csv.unread(), m_csv.closed(), m_separatorScan);
            if (!detected)
                return false;
            m_csv.setSeparator(*detected);
        } else {
            m_csv.setSeparator(*m_separatorGiven);
        }
        header = m_csv.next();
        if (!header) {
            if (m_csv.atEnd()) {
                // Rows, and none named a load column: not an empty schedule.
                m_layout.error = makeProblem(m_titleRows > 0 ? Problem::Kind::NoLoadColumn
                                                             : Problem::Kind::EmptySchedule);
                m_done = true;
            }
            return m_done;
        }
        const bool namesLoad =
            std::any_of(header->cells.begin(), header->cells.end(), [](const std::string &name) {
                return readHeading(name).column == std::size_t{0};
            });
        if (namesLoad || header->malformed || m_titleRows >= mostTitleRows || m_csv.atEnd())
            break;
        appendTitleRow(*header);
        ++m_titleRows;
        m_separatorScan = SeparatorScan{};
    }
    m_headerRead = true;
    m_layout.separator = m_csv.separator();
    m_layout.lineEnd = header->lineEnd.empty() ? "\n" : std::string(header->lineEnd);
    m_layout.headingLine = header->line;
    if (header->malformed) {
        m_layout.error = header->malformed;
        m_done = true;
        return true;
    }
    const bool onlyBlank = std::all_of(header->cells.begin(), header->cells.end(),
                                       [](const std::string &c) { return trimmed(c).empty(); });
    if (onlyBlank && header->cells.size() == 1 && m_csv.atEnd()) {
        m_layout.error = makeProblem(Problem::Kind::EmptySchedule);
        m_done = true;
        return true;
    }

    // A schedule sized before ends with the answer's columns: they are
    // replaced. Every other column is carried through, and the input columns
    // among them are read.
    m_headerCells = header->cells.size();
    // This version's columns or an earlier one's, with load_amperes or not
    // (it came with the design's columns).
    std::size_t own = 0;
    for (std::size_t version = Versions; version-- > 0 && own == 0;)
        for (const bool withLoadAmperes : {true, false})
            if (own == 0 && (!withLoadAmperes || version >= DesignVersion))
                own = ownAnswerColumns(header->cells, versionColumns(version, withLoadAmperes));
    m_carried = m_headerCells - own;
    for (std::size_t index = 0; index < m_carried; ++index) {
        const std::string &name = header->cells[index];
        const Heading heading = readHeading(name);
        if (const auto column = heading.column) {
            if (m_inputs[*column] >= 0) {
                m_layout.error =
                    makeProblem(Problem::Kind::DuplicateColumn, std::string(trimmed(name)));
                m_done = true;
                return true;
            }
            m_inputs[*column] = static_cast<int>(index);
            // The load and the length are read in their heading's unit; a
            // unit not known is never taken for another.
            const bool load = *column == 0;
            const bool length = *column == lengthColumn();
            if ((load || length) && !heading.unit.empty()) {
                const auto loadUnit = load ? loadUnitNamed(heading.unit) : std::nullopt;
                const auto feet = length ? lengthUnitInFeet(heading.unit) : std::nullopt;
                if (!loadUnit && !feet) {
                    m_layout.error = makeProblem(Problem::Kind::UnknownUnit,
                                                 std::string(trimmed(name)), 0, load ? 0 : 1);
                    m_done = true;
                    return true;
                }
                if (loadUnit)
                    m_layout.units.load = *loadUnit;
                if (feet)
                    m_layout.units.lengthInFeet = *feet;
            }
        }
        m_layout.columns.push_back(name);
    }
    m_layout.withLoadAmperes = m_layout.units.load != LoadUnit::Amperes;
    if (m_inputs[0] < 0) {
        m_layout.error = makeProblem(Problem::Kind::NoLoadColumn);
        m_done = true;
        return true;
    }
    m_layout.columnsQuoted = header->quoted;
    if (!m_layout.columnsQuoted.empty())
        m_layout.columnsQuoted.resize(m_carried);
    m_layout.answerColumns = answerColumnNames(m_layout.columns);
    m_layout.inputs = m_inputs;
    m_conditions.readOnly(m_inputs);
    // A comma file writes its numbers with a point; a semicolon or tab file
    // shows which it uses in its first decimal number.
    m_decimalDecided = m_layout.separator == ',';
    return true;
}

void ScheduleReader::appendTitleRow(const Record &record)
{
    std::string &text = m_layout.titleText;
    for (std::size_t c = 0; c < record.cells.size(); ++c) {
        if (c > 0)
            text += m_csv.separator();
        if (c < record.quoted.size() && record.quoted[c])
            appendCsvField(text, record.cells[c], m_csv.separator(), true);
        else
            text += record.cells[c];
    }
    text += record.lineEnd.empty() ? std::string_view("\n") : record.lineEnd;
}

ScheduleRow ScheduleReader::sizedRow(Record record)
{
    ScheduleRow row;
    row.line = record.line;
    row.blank =
        !record.malformed && std::all_of(record.cells.begin(), record.cells.end(),
                                         [](const std::string &cell) { return cell.empty(); });
    const std::size_t cells = record.cells.size();
    row.cells = std::move(record.cells);
    row.cells.resize(m_carried); // the answer columns of a schedule sized before go
    row.quoted = std::move(record.quoted);
    if (!row.quoted.empty())
        row.quoted.resize(m_carried);
    if (row.blank)
        return row;
    if (record.malformed) {
        row.problem = record.malformed;
    } else if (cells != m_headerCells) {
        row.problem = makeProblem(Problem::Kind::CellCount, {}, static_cast<std::int64_t>(cells),
                                  static_cast<std::int64_t>(m_headerCells));
    } else {
        // The input columns are all among the carried ones.
        sizeRow(row, row.cells, m_inputs, m_defaults, m_layout.separator != ',', m_layout.units,
                &m_conditions);
        if (std::find(m_withoutValues.begin(), m_withoutValues.end(), row.line) !=
            m_withoutValues.end()) {
            row.sizing.reset();
            row.problem = makeProblem(Problem::Kind::FormulaWithoutValue);
        }
    }
    return row;
}

ConditionsCache::ConditionsCache()
{
    for (const ConditionField &field : ConditionFields)
        m_fields.push_back(&field);
}

void ConditionsCache::readOnly(const std::array<int, InputColumnCount> &inputs)
{
    m_read.clear();
    m_fields.clear();
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (inputs[field + 1] >= 0)
            m_fields.push_back(&ConditionFields[field]);
}

const std::variant<Conditions, Problem> &ConditionsCache::read(const ConditionTexts &texts,
                                                               const ConditionTexts &defaults)
{
    // The texts one after the other, each ended by a unit separator: sized
    // once and copied in, as every row of a schedule asks.
    std::size_t size = 1;
    for (const ConditionField *field : m_fields)
        size += (texts.*field->text).size() + 1;
    m_key.resize(size);
    char *out = m_key.data();
    for (const ConditionField *field : m_fields) {
        const std::string_view text = texts.*field->text;
        if (!text.empty())
            std::memcpy(out, text.data(), text.size());
        out += text.size();
        *out++ = '\x1F';
    }
    *out = texts.decimalComma ? '1' : '0';
    if (const auto found = m_read.find(m_key); found != m_read.end())
        return found->second;
    if (m_read.size() >= 4096)
        m_read.clear(); // a schedule of ever new conditions: no more memory than this
    return m_read.emplace(m_key, readConditions(texts, defaults)).first->second;
}

void ScheduleReader::decideDecimalMark(const ScheduleRow &row)
{
    for (std::size_t column = 0; column < InputColumnCount; ++column) {
        // The load, and the conditions written as numbers.
        if (column > 0 && !ConditionFields[column - 1].number)
            continue;
        const int index = m_inputs[column];
        if (index < 0 || static_cast<std::size_t>(index) >= row.cells.size())
            continue;
        const std::string &cell = row.cells[static_cast<std::size_t>(index)];
        const bool comma = cell.find(',') != std::string::npos;
        if (comma || cell.find('.') != std::string::npos) {
            m_layout.decimalComma = comma && cell.find('.') == std::string::npos;
            m_decimalDecided = true;
            return;
        }
    }
}

ScheduleReader::Status ScheduleReader::next(ScheduleRow &row)
{
    // Rows wait, a thousand at most, until one shows the decimal mark.
    constexpr std::size_t mostWaiting = 1000;
    for (;;) {
        if (m_done && m_waiting.empty())
            return Status::End;
        if (!m_headerRead && !m_done && !readHeader())
            return Status::NeedMore;
        if (m_decimalDecided && !m_waiting.empty()) {
            row = std::move(m_waiting.front());
            m_waiting.pop_front();
            return Status::Row;
        }
        if (m_done)
            continue;
        auto record = m_csv.next();
        if (!record) {
            if (!m_csv.atEnd())
                return Status::NeedMore;
            m_done = true;
            // None showed it: a semicolon file is a French spreadsheet's.
            if (!m_decimalDecided) {
                m_layout.decimalComma = m_layout.separator == ';';
                m_decimalDecided = true;
            }
            continue;
        }
        ScheduleRow sized = sizedRow(std::move(*record));
        if (m_decimalDecided) {
            row = std::move(sized);
            return Status::Row;
        }
        decideDecimalMark(sized);
        m_waiting.push_back(std::move(sized));
        if (!m_decimalDecided && m_waiting.size() >= mostWaiting) {
            m_layout.decimalComma = m_layout.separator == ';';
            m_decimalDecided = true;
        }
    }
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
    schedule.answerColumns = answerColumnNames(schedule.columns);
    schedule.rows.push_back(std::move(row));
    return schedule;
}

std::span<const AnswerColumn> answerColumns()
{
    return AnswerColumns;
}

std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem,
                                     std::string_view decimalSeparator, ProblemWords problemWords)
{
    std::vector<std::string> cells(std::size(AnswerColumns));
    if (sizing)
        for (std::size_t c = 0; c < ProblemColumn; ++c)
            AnswerColumns[c].write(cells[c], *sizing, decimalSeparator);
    if (problem)
        cells[ProblemColumn] = (problemWords ? problemWords : describe)(*problem, decimalSeparator);
    return cells;
}

std::string scheduleHeaderCsv(const Schedule &layout)
{
    std::string csv = layout.byteOrderMark ? std::string(Utf8ByteOrderMark) : std::string();
    csv += layout.titleText;
    bool first = true;
    for (const auto *names : {&layout.columns, &layout.answerColumns}) {
        for (std::size_t c = 0; c < names->size(); ++c) {
            if (names == &layout.answerColumns && !writes(layout, c))
                continue;
            if (!first)
                csv += layout.separator;
            const bool quoted = names == &layout.columns && c < layout.columnsQuoted.size() &&
                                layout.columnsQuoted[c];
            appendCsvField(csv, (*names)[c], layout.separator, quoted);
            first = false;
        }
    }
    csv += layout.lineEnd;
    return csv;
}

void appendScheduleRowCsv(std::string &csv, const Schedule &layout, const ScheduleRow &row)
{
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        if (c > 0)
            csv += layout.separator;
        if (c < row.cells.size())
            appendCsvField(csv, row.cells[c], layout.separator,
                           c < row.quoted.size() && row.quoted[c]);
    }
    // The answer's cells hold no separator, quote or line end but the
    // problem's sentence, which is quoted where it must be.
    const std::string_view decimalSeparator = layout.decimalComma ? "," : ".";
    bool first = layout.columns.empty();
    for (std::size_t c = 0; c < std::size(AnswerColumns); ++c) {
        if (!writes(layout, c))
            continue;
        if (!first)
            csv += layout.separator;
        first = false;
        if (c == ProblemColumn) {
            if (row.problem)
                appendCsvField(csv,
                               (layout.problemWords ? layout.problemWords
                                                    : describe)(*row.problem, decimalSeparator),
                               layout.separator);
        } else if (row.sizing) {
            AnswerColumns[c].write(csv, *row.sizing, decimalSeparator);
        }
    }
    csv += layout.lineEnd;
}

std::string scheduleRowJson(const Schedule &layout, const ScheduleRow &row)
{
    // The file's cells as strings, the answer's as its columns say.
    std::vector<Field> fields;
    fields.reserve(layout.columns.size() + std::size(AnswerColumns));
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
        if (!writes(layout, c))
            continue;
        const AnswerColumn &column = AnswerColumns[c];
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
