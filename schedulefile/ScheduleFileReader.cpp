#include "ScheduleFileReader.h"

#include "TextBuffer.h"
#include "TextEncoding.h"
#include "TextReading.h"

#include <algorithm>

namespace ampacity::sizing {
namespace {

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

} // namespace

ScheduleFileReader::ScheduleFileReader(AnswerHeadings answer, std::optional<char> separator)
    : m_answer(answer), m_separatorGiven(separator)
{
    m_layout.onlyForPower = answer.onlyForPower;
}

void ScheduleFileReader::append(std::string_view utf8)
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

void ScheduleFileReader::close()
{
    if (!m_started) {
        m_started = true;
        m_csv.append(m_start);
        m_start.clear();
    }
    m_csv.close();
}

bool ScheduleFileReader::readHeader()
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
            if (!m_rowSeparator)
                m_rowSeparator = detectSeparator(m_csv.unread(), m_csv.closed(), m_separatorScan);
            if (!m_rowSeparator)
                return false;
            m_csv.setSeparator(*m_rowSeparator);
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
        m_rowSeparator.reset();
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
    // This version's columns or an earlier one's.
    std::size_t own = 0;
    for (const std::vector<std::string_view> &earlier : m_answer.earlier)
        if (own == 0)
            own = ownAnswerColumns(header->cells, earlier);
    m_carried = m_headerCells - own;
    for (std::size_t index = 0; index < m_carried; ++index) {
        const std::string &name = header->cells[index];
        const Heading heading = readHeading(name);
        if (const auto column = heading.column) {
            if (m_layout.inputs[*column] >= 0) {
                m_layout.error =
                    makeProblem(Problem::Kind::DuplicateColumn, std::string(trimmed(name)));
                m_done = true;
                return true;
            }
            m_layout.inputs[*column] = static_cast<int>(index);
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
    if (m_layout.inputs[0] < 0) {
        m_layout.error = makeProblem(Problem::Kind::NoLoadColumn);
        m_done = true;
        return true;
    }
    m_layout.columnsQuoted = header->quoted;
    if (!m_layout.columnsQuoted.empty())
        m_layout.columnsQuoted.resize(m_carried);
    m_layout.answerColumns = answerColumnNames(m_layout.columns, m_answer.names);
    // A comma file writes its numbers with a point; a semicolon or tab file
    // shows which it uses in its first decimal number.
    m_decimalDecided = m_layout.separator == ',';
    return true;
}

void ScheduleFileReader::appendTitleRow(const Record &record)
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

void ScheduleFileReader::takeRow(Record &record, ScheduleFileRow &row)
{
    row.line = record.line;
    row.blank =
        !record.malformed && std::all_of(record.cells.begin(), record.cells.end(),
                                         [](const std::string &cell) { return cell.empty(); });
    const std::size_t cells = record.cells.size();
    // Its own text, where the cells are written back as they came: not where
    // the answer of a schedule sized before goes, nor a row of other cells.
    row.inFileText = record.verbatim && cells == m_carried && cells == m_headerCells;
    if (row.inFileText)
        copyInto(row.fileText, record.text);
    row.cells.swap(record.cells); // the row's room is the next record's
    row.cells.resize(m_carried);  // the answer columns of a schedule sized before go
    row.quoted.swap(record.quoted);
    if (!row.quoted.empty())
        row.quoted.resize(m_carried);
    row.problem.reset();
    if (row.blank)
        return;
    if (record.malformed)
        row.problem = record.malformed;
    else if (cells != m_headerCells)
        row.problem = makeProblem(Problem::Kind::CellCount, {}, static_cast<std::int64_t>(cells),
                                  static_cast<std::int64_t>(m_headerCells));
    else if (std::find(m_withoutValues.begin(), m_withoutValues.end(), row.line) !=
             m_withoutValues.end())
        row.problem = makeProblem(Problem::Kind::FormulaWithoutValue);
}

void ScheduleFileReader::decideDecimalMark(const ScheduleFileRow &row)
{
    for (std::size_t column = 0; column < InputColumnCount; ++column) {
        // The load, and the conditions written as numbers.
        if (column > 0 && !ConditionFields[column - 1].number)
            continue;
        const int index = m_layout.inputs[column];
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

ScheduleFileReader::Status ScheduleFileReader::next(ScheduleFileRow &row)
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
        if (!m_csv.next(m_record)) {
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
        if (m_decimalDecided) {
            takeRow(m_record, row);
            return Status::Row;
        }
        ScheduleFileRow waiting;
        takeRow(m_record, waiting);
        decideDecimalMark(waiting);
        m_waiting.push_back(std::move(waiting));
        if (!m_decimalDecided && m_waiting.size() >= mostWaiting) {
            m_layout.decimalComma = m_layout.separator == ';';
            m_decimalDecided = true;
        }
    }
}

} // namespace ampacity::sizing
