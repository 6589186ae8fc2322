#include "Csv.h"

#include "TextBuffer.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ampacity::sizing {

CsvReader::CsvReader(std::string_view text) : m_text(text), m_closed(true) {}

void CsvReader::setSeparator(char separator)
{
    m_separator = separator;
    m_stops = stopsFor(separator);
}

void CsvReader::append(std::string_view text)
{
    // What was read is dropped once it is most of the buffer, so that the
    // buffer holds about one piece and the record it ends in.
    if (m_pos > 0 && m_pos >= m_text.size() / 2) {
        m_text.erase(0, m_pos);
        m_pos = 0;
    }
    m_text.append(text);
}

std::optional<Record> CsvReader::next()
{
    Record record;
    if (next(record))
        return record;
    return std::nullopt;
}

bool CsvReader::next(Record &out)
{
    if (m_pos >= m_text.size() && !(m_partial.active && m_closed))
        return false;
    if (!m_partial.active && nextOnOneLine(out))
        return true;
    // A record the text ended within goes on from where it stopped, its
    // cells and field so far kept: a field that spans many pieces is never
    // scanned again from its start.
    Partial &partial = m_partial;
    if (!partial.active) {
        // Begun afresh, in the room the record before last had.
        Record &fresh = partial.record;
        fresh.cells.clear();
        fresh.quoted.clear();
        fresh.malformed.reset();
        fresh.lineEnd = {};
        fresh.verbatim = false;
        fresh.text = {};
        fresh.line = m_line;
        fresh.cells.reserve(m_lastCells);
        partial.field.clear();
        partial.fieldStarted = partial.fieldQuoted = partial.inQuote = false;
        partial.openedOn = 0;
        partial.active = true;
        partial.line = m_line;
        partial.start = m_pos;
        partial.verbatim = true;
    }
    const std::string_view text = m_text;
    std::size_t pos = m_pos;
    Record &record = partial.record;
    std::string &field = partial.field;
    int &line = partial.line;
    const auto wait = [&] {
        partial.verbatim = false; // its start may be dropped with what was read
        m_pos = pos;              // everything before is in the partial record
        return false;
    };
    // A cell ends: its text, and whether it came in quotes.
    const auto endCell = [&] {
        if (partial.fieldQuoted) {
            record.quoted.resize(record.cells.size() + 1);
            record.quoted.back() = 1;
        }
        record.cells.push_back(std::move(field));
        field.clear();
        partial.fieldQuoted = false;
    };
    const auto finish = [&](std::string_view lineEnd) {
        endCell();
        if (!record.quoted.empty())
            record.quoted.resize(record.cells.size());
        record.lineEnd = lineEnd;
        record.verbatim = partial.verbatim && !record.malformed;
        if (record.verbatim)
            record.text = text.substr(partial.start, pos - lineEnd.size() - partial.start);
        m_lastCells = record.cells.size();
        m_pos = pos;
        m_line = line;
        partial.active = false;
        // The record goes out; the room `out` had is the next one's.
        out.line = record.line;
        out.cells.swap(record.cells);
        out.quoted.swap(record.quoted);
        out.malformed = std::move(record.malformed);
        out.lineEnd = record.lineEnd;
        out.verbatim = record.verbatim;
        out.text = record.text;
        return true;
    };
    while (pos < text.size() || partial.inQuote) {
        if (partial.inQuote) {
            bool closedQuote = false;
            while (pos < text.size()) {
                // Up to the next quote at once, counting the lines it spans.
                const std::size_t quote = text.find('"', pos);
                const std::size_t end = quote == std::string_view::npos ? text.size() : quote;
                line += static_cast<int>(std::count(text.begin() + static_cast<std::ptrdiff_t>(pos),
                                                    text.begin() + static_cast<std::ptrdiff_t>(end),
                                                    '\n'));
                field.append(text.data() + pos, end - pos);
                pos = end;
                if (quote == std::string_view::npos)
                    break;
                if (pos + 1 == text.size() && !m_closed)
                    return wait(); // a doubled quote may follow: the quote is read again
                ++pos;
                if (pos < text.size() && text[pos] == '"') {
                    field.push_back('"');
                    ++pos;
                    continue;
                }
                closedQuote = true;
                break;
            }
            if (!closedQuote) {
                if (!m_closed)
                    return wait();
                // Never closed: the rest of the text is this field.
                record.malformed =
                    makeProblem(Problem::Kind::UnclosedQuote, {}, partial.openedOn, 0);
                return finish({});
            }
            partial.inQuote = false;
            partial.fieldStarted = true;
            // After the closing quote only a separator or the end of the row.
            if (pos < text.size() && text[pos] != m_separator && text[pos] != '\n' &&
                text[pos] != '\r' && !record.malformed)
                record.malformed = makeProblem(Problem::Kind::TextAfterQuote, {}, 0, 0);
            continue;
        }
        const char c = text[pos];
        if (c == '"' && !partial.fieldStarted) {
            partial.openedOn = line;
            partial.inQuote = true;
            partial.fieldQuoted = true;
            ++pos;
            continue;
        }
        if (c == m_separator) {
            endCell();
            partial.fieldStarted = false;
            ++pos;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && pos + 1 == text.size() && !m_closed)
                return wait(); // "\r\n" may be cut in two: the \r is read again
            const bool crlf = c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
            pos += crlf ? 2 : 1;
            ++line;
            return finish(crlf ? "\r\n" : c == '\r' ? "\r" : "\n");
        }
        // The rest of an unquoted field at once, up to a separator or a line end.
        // A quote in it, or a blank at either end, is written back quoted.
        bool quoteInside = c == '"';
        std::size_t end = pos + 1;
        for (; end < text.size(); ++end) {
            const char at = text[end];
            if (!m_stops[static_cast<unsigned char>(at)])
                continue;
            if (at != '"')
                break;
            quoteInside = true;
        }
        if (quoteInside || (!partial.fieldStarted && c == ' ') || text[end - 1] == ' ')
            partial.verbatim = false;
        if (!partial.fieldStarted && end < text.size() && text[end] == m_separator) {
            // A whole cell and its separator: made in its place at once.
            record.cells.emplace_back(text.data() + pos, end - pos);
            pos = end + 1;
            continue;
        }
        field.append(text.data() + pos, end - pos);
        partial.fieldStarted = true;
        pos = end;
    }
    if (!m_closed)
        return wait();
    return finish({});
}

// A record that lies on one line of the text read so far, no quoted field
// holding a line break, read at once: nearly every record of a schedule.
// Any other (a line break in quotes, text after a closing quote, a line the
// text so far ends within) is left to the reading above, from its start.
bool CsvReader::nextOnOneLine(Record &out)
{
    const char *const begin = m_text.data() + m_pos;
    const char *const end = m_text.data() + m_text.size();
    const auto isLineEnd = [](char c) { return c == '\n' || c == '\r'; };
    out.quoted.clear();
    // Each cell into the room of the record before last's, where it had one;
    // room for as many cells as the record before had, where it had none
    // (a row kept, as the window keeps them all, holds no more than it needs).
    if (out.cells.empty())
        out.cells.reserve(m_lastCells);
    std::size_t count = 0;
    std::string *room = out.cells.data();
    std::size_t roomCount = out.cells.size();
    const auto nextCell = [&]() -> std::string & {
        if (count == roomCount) {
            out.cells.emplace_back();
            room = out.cells.data();
            roomCount = out.cells.size();
        }
        return room[count++];
    };
    bool verbatim = true;
    const char *at = begin;
    for (;;) {
        if (at < end && *at == '"') {
            // A quoted field, its doubled quotes made single.
            std::string &cell = nextCell();
            const char *from = at + 1;
            for (;;) {
                const auto *quote = static_cast<const char *>(
                    std::memchr(from, '"', static_cast<std::size_t>(end - from)));
                // Not closed in the text so far, or closed by the text's last
                // byte (a doubled quote may follow), or a line break inside.
                if (quote == nullptr || quote + 1 == end || std::any_of(from, quote, isLineEnd))
                    return false;
                // Its text up to the quote: into the cell's room where it is
                // the first piece, after the pieces before where not.
                const std::string_view piece(from, static_cast<std::size_t>(quote - from));
                if (from == at + 1)
                    copyInto(cell, piece);
                else
                    cell.append(piece);
                if (quote[1] != '"') {
                    at = quote + 1;
                    break;
                }
                cell.push_back('"');
                from = quote + 2;
            }
            out.quoted.resize(count);
            out.quoted.back() = 1;
            if (*at != m_separator && !isLineEnd(*at))
                return false; // text after the closing quote
        } else {
            // An unquoted field up to a separator or a line end; a quote in
            // it, or a blank at either end, is written back quoted.
            const char *stop = at;
            for (; stop < end; ++stop) {
                if (!m_stops[static_cast<unsigned char>(*stop)])
                    continue;
                if (*stop != '"')
                    break;
                verbatim = false;
            }
            if (stop == end)
                return false;
            if (stop > at && (*at == ' ' || stop[-1] == ' '))
                verbatim = false;
            copyInto(nextCell(), std::string_view(at, static_cast<std::size_t>(stop - at)));
            at = stop;
        }
        if (*at == m_separator) {
            ++at;
            continue;
        }
        break;
    }
    // At the line end; "\r\n" may be cut in two at the text's end.
    if (*at == '\r' && at + 1 == end)
        return false;
    const std::string_view lineEnd = *at == '\n' ? "\n" : at[1] == '\n' ? "\r\n" : "\r";
    out.cells.resize(count);
    if (!out.quoted.empty())
        out.quoted.resize(count);
    out.line = m_line;
    out.malformed.reset();
    out.lineEnd = lineEnd;
    out.verbatim = verbatim;
    out.text = std::string_view(begin, static_cast<std::size_t>(at - begin));
    m_pos = static_cast<std::size_t>(at - m_text.data()) + lineEnd.size();
    ++m_line;
    m_lastCells = out.cells.size();
    return true;
}

std::optional<char> detectSeparator(std::string_view text, bool closed, SeparatorScan &scan)
{
    constexpr std::array<char, 3> candidates = {',', ';', '\t'};
    std::size_t pos = scan.scanned;
    bool lineEnded = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            scan.quoted = !scan.quoted;
            continue;
        }
        if (scan.quoted)
            continue;
        if (c == '\n' || c == '\r') {
            lineEnded = true;
            break;
        }
        for (std::size_t i = 0; i < candidates.size(); ++i)
            scan.counts[i] += c == candidates[i];
    }
    scan.scanned = pos;
    if (!lineEnded && !closed)
        return std::nullopt;
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (scan.counts[i] > scan.counts[best])
            best = i;
    return candidates[best];
}

namespace {

// The characters that make a field quoted, for a separator: a table, as
// every character of every cell written passes through it.
using QuotedCharacters = std::array<bool, 256>;

constexpr QuotedCharacters quotedCharacters(char separator)
{
    QuotedCharacters quoted{};
    for (const char c : {'"', '\n', '\r', separator})
        quoted[static_cast<unsigned char>(c)] = true;
    return quoted;
}

constexpr QuotedCharacters QuotedWithComma = quotedCharacters(',');
constexpr QuotedCharacters QuotedWithSemicolon = quotedCharacters(';');
constexpr QuotedCharacters QuotedWithTab = quotedCharacters('\t');

} // namespace

void appendCsvField(std::string &row, std::string_view text, char separator, bool quoted)
{
    const QuotedCharacters *table = separator == ','    ? &QuotedWithComma
                                    : separator == ';'  ? &QuotedWithSemicolon
                                    : separator == '\t' ? &QuotedWithTab
                                                        : nullptr;
    bool quote = quoted || (!text.empty() && (text.front() == ' ' || text.back() == ' '));
    if (table) {
        for (std::size_t i = 0; i < text.size() && !quote; ++i)
            quote = (*table)[static_cast<unsigned char>(text[i])];
    } else {
        const char special[] = {'"', '\n', '\r', separator};
        quote = quote || text.find_first_of(std::string_view(special, sizeof special)) !=
                             std::string_view::npos;
    }
    if (!quote) {
        row.append(text);
        return;
    }
    // Quoted, its quotes doubled.
    row += '"';
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos;
         quote = text.find('"')) {
        row.append(text.substr(0, quote + 1));
        row += '"';
        text.remove_prefix(quote + 1);
    }
    row.append(text);
    row += '"';
}

std::string csvField(std::string_view text, char separator)
{
    std::string field;
    appendCsvField(field, text, separator);
    return field;
}

} // namespace ampacity::sizing
