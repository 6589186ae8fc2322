#include "Schedule.h"

#include "CorrectedAmpacity.h"

#include <algorithm>
#include <array>

namespace ampacity::sizing {
namespace {

constexpr std::string_view ByteOrderMark = "\xEF\xBB\xBF";

struct Record
{
    int line = 0;
    std::vector<std::string> cells;
    std::optional<Problem> malformed; // why the record could not be read, if it could not
};

// RFC 4180 records: fields separated by commas, quoted with double quotes
// where they hold commas, quotes (doubled) or line breaks. A quote inside an
// unquoted field (a note saying 3/4") is taken as it stands. Lines that
// hold nothing at all are not records.
class CsvReader
{
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }

    Record next()
    {
        Record record;
        record.line = m_line;
        std::string field;
        bool fieldStarted = false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos];
            if (c == '"' && !fieldStarted) {
                ++m_pos;
                const int openedOn = m_line;
                if (!readQuoted(field)) {
                    record.malformed = Problem{Problem::Kind::UnclosedQuote, {}, openedOn, 0};
                    record.cells.push_back(std::move(field));
                    return record;
                }
                fieldStarted = true;
                // After the closing quote only a separator or the end of the row.
                if (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\n' &&
                    m_text[m_pos] != '\r' && !record.malformed)
                    record.malformed = Problem{Problem::Kind::TextAfterQuote, {}, 0, 0};
                continue;
            }
            if (c == ',') {
                record.cells.push_back(std::move(field));
                field.clear();
                fieldStarted = false;
                ++m_pos;
                continue;
            }
            if (c == '\r' || c == '\n') {
                skipLineEnd();
                if (record.cells.empty() && field.empty() && !fieldStarted) {
                    record.line = m_line; // an empty line: no record, go on
                    continue;
                }
                break;
            }
            field.push_back(c);
            fieldStarted = true;
            ++m_pos;
        }
        record.cells.push_back(std::move(field));
        return record;
    }

private:
    // From after an opening quote to after its closing quote.
    bool readQuoted(std::string &field)
    {
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"') {
                if (m_pos < m_text.size() && m_text[m_pos] == '"') {
                    field.push_back('"');
                    ++m_pos;
                    continue;
                }
                return true;
            }
            if (c == '\n')
                ++m_line;
            field.push_back(c);
        }
        return false;
    }

    void skipLineEnd()
    {
        if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
            ++m_pos;
        ++m_pos;
        ++m_line;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

std::string lowerStripped(std::string_view text)
{
    std::string lower(trimmed(text));
    std::transform(lower.begin(), lower.end(), lower.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lower;
}

// The columns the schedule reads, besides carrying them through.
enum InputColumn
{
    Load,
    Material,
    Installation,
    Insulation,
    Ambient,
    Conductors,
    InputColumnCount
};
constexpr std::array<std::string_view, InputColumnCount> InputColumnNames = {
    "load", "material", "installation", "insulation", "ambient", "conductors"};

bool isAddedColumn(std::string_view name)
{
    return std::find(std::begin(AddedColumns), std::end(AddedColumns), name) !=
           std::end(AddedColumns);
}

void sizeRow(ScheduleRow &row, const std::vector<std::string> &cells,
             const std::array<int, InputColumnCount> &inputs, const ConditionTexts &defaults)
{
    const auto cell = [&](InputColumn column) -> std::string_view {
        const int index = inputs[column];
        return index < 0 || index >= static_cast<int>(cells.size()) ? std::string_view{}
                                                                    : cells[index];
    };
    const auto load = readLoad(cell(Load));
    if (const auto *p = std::get_if<Problem>(&load)) {
        row.problem = *p;
        return;
    }
    const auto conditions = readConditions(
        {cell(Material), cell(Installation), cell(Insulation), cell(Ambient), cell(Conductors)},
        defaults);
    if (const auto *p = std::get_if<Problem>(&conditions)) {
        row.problem = *p;
        return;
    }
    auto answer = sizeFor(std::get<LoadHundredths>(load), std::get<Conditions>(conditions));
    if (auto *p = std::get_if<Problem>(&answer)) {
        p->value = trimmed(cell(Load));
        row.problem = *p;
        return;
    }
    row.sizing = std::get<Sizing>(answer);
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
        schedule.error = Problem{Problem::Kind::EmptySchedule, {}, 0, 0};
        return schedule;
    }
    const Record header = reader.next();
    if (header.malformed) {
        schedule.error = header.malformed;
        return schedule;
    }

    // Which input cells are read, and which are carried through. A column
    // named like one the answer adds (a schedule sized before) is replaced.
    std::array<int, InputColumnCount> inputs;
    inputs.fill(-1);
    std::vector<int> carried;
    for (int index = 0; index < static_cast<int>(header.cells.size()); ++index) {
        const std::string name = lowerStripped(header.cells[index]);
        for (int column = 0; column < InputColumnCount; ++column) {
            if (name != InputColumnNames[column])
                continue;
            if (inputs[column] >= 0) {
                schedule.error = Problem{Problem::Kind::DuplicateColumn, name, 0, 0};
                return schedule;
            }
            inputs[column] = index;
        }
        if (!isAddedColumn(name)) {
            carried.push_back(index);
            schedule.columns.push_back(header.cells[index]);
        }
    }
    if (inputs[Load] < 0) {
        schedule.error = Problem{Problem::Kind::NoLoadColumn, {}, 0, 0};
        return schedule;
    }

    while (!reader.atEnd()) {
        Record record = reader.next();
        if (record.cells.size() == 1 && record.cells[0].empty() && reader.atEnd() &&
            !record.malformed)
            break; // the file's last line end
        ScheduleRow row;
        row.line = record.line;
        row.cells.reserve(carried.size());
        for (int index : carried)
            row.cells.push_back(index < static_cast<int>(record.cells.size()) ? record.cells[index]
                                                                              : std::string());
        if (record.malformed) {
            row.problem = record.malformed;
        } else if (record.cells.size() != header.cells.size()) {
            row.problem = Problem{Problem::Kind::CellCount,
                                  {},
                                  static_cast<int>(record.cells.size()),
                                  static_cast<int>(header.cells.size())};
        } else {
            sizeRow(row, record.cells, inputs, defaults);
        }
        schedule.rows.push_back(std::move(row));
    }
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
        cells[3] = numberText(sizing->correctedAmp);
        cells[4] = numberText(sizing->ambientFactor);
        cells[5] = numberText(sizing->countFactor);
        cells[6] = sizing->correctionTables;
    }
    if (problem)
        cells[7] = describe(*problem);
    return cells;
}

std::string csvField(std::string_view text)
{
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (!quote)
        return std::string(text);
    std::string field = "\"";
    for (char c : text) {
        if (c == '"')
            field += '"';
        field += c;
    }
    field += '"';
    return field;
}

std::string jsonString(std::string_view text)
{
    std::string json = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            json += "\\\"";
            break;
        case '\\':
            json += "\\\\";
            break;
        case '\n':
            json += "\\n";
            break;
        case '\r':
            json += "\\r";
            break;
        case '\t':
            json += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                constexpr char hex[] = "0123456789abcdef";
                json += "\\u00";
                json += hex[(c >> 4) & 0xF];
                json += hex[c & 0xF];
            } else {
                json += c;
            }
        }
    }
    json += '"';
    return json;
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
    writeRow(schedule.columns, AddedColumns);
    for (const ScheduleRow &row : schedule.rows)
        writeRow(row.cells, answerCells(row.sizing, row.problem));
    return csv;
}

std::string scheduleRowJson(const Schedule &schedule, std::size_t r)
{
    // The numbers are JSON numbers; an answer that has none gives null.
    constexpr std::array<bool, std::size(AddedColumns)> numeric = {false, true, true,  true,
                                                                   true,  true, false, false};
    const ScheduleRow &row = schedule.rows[r];
    std::string json = "{";
    for (std::size_t c = 0; c < schedule.columns.size(); ++c) {
        json += c == 0 ? "" : ", ";
        json += jsonString(schedule.columns[c]) + ": " + jsonString(row.cells[c]);
    }
    const std::vector<std::string> added = answerCells(row.sizing, row.problem);
    for (std::size_t c = 0; c < added.size(); ++c) {
        json += c == 0 && schedule.columns.empty() ? "" : ", ";
        json += jsonString(AddedColumns[c]);
        json += ": ";
        const bool absent = added[c].empty() && (numeric[c] || c == 0 || c == 7);
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
