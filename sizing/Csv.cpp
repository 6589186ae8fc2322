#include "Csv.h"

#include <algorithm>
#include <array>

namespace ampacity::sizing {

CsvReader::CsvReader(std::string_view text) : m_text(text), m_closed(true) {}

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
    if (m_pos >= m_text.size())
        return std::nullopt;
    const std::string_view text = m_text;
    std::size_t pos = m_pos;
    int line = m_line;
    Record record;
    record.line = line;
    record.cells.reserve(m_lastCells);
    std::string field;
    bool fieldStarted = false;
    const auto finish = [&](std::string_view lineEnd) {
        record.cells.push_back(std::move(field));
        record.lineEnd = lineEnd;
        m_lastCells = record.cells.size();
        m_pos = pos;
        m_line = line;
        return std::optional<Record>(std::move(record));
    };
    while (pos < text.size()) {
        const char c = text[pos];
        if (c == '"' && !fieldStarted) {
            const int openedOn = line;
            ++pos;
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
                ++pos;
                if (pos < text.size() && text[pos] == '"') {
                    field.push_back('"');
                    ++pos;
                    continue;
                }
                if (pos == text.size() && !m_closed)
                    return std::nullopt; // a doubled quote may follow
                closedQuote = true;
                break;
            }
            if (!closedQuote) {
                if (!m_closed)
                    return std::nullopt;
                // Never closed: the rest of the text is this field.
                record.malformed = makeProblem(Problem::Kind::UnclosedQuote, {}, openedOn, 0);
                return finish({});
            }
            fieldStarted = true;
            // After the closing quote only a separator or the end of the row.
            if (pos < text.size() && text[pos] != m_separator && text[pos] != '\n' &&
                text[pos] != '\r' && !record.malformed)
                record.malformed = makeProblem(Problem::Kind::TextAfterQuote, {}, 0, 0);
            continue;
        }
        if (c == m_separator) {
            record.cells.push_back(std::move(field));
            field.clear();
            fieldStarted = false;
            ++pos;
            continue;
        }
        if (c == '\r' || c == '\n') {
            if (c == '\r' && pos + 1 == text.size() && !m_closed)
                return std::nullopt; // "\r\n" may be cut in two
            const bool crlf = c == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n';
            pos += crlf ? 2 : 1;
            ++line;
            return finish(crlf ? "\r\n" : c == '\r' ? "\r" : "\n");
        }
        // The rest of an unquoted field at once, up to a separator or a line end.
        std::size_t end = pos + 1;
        while (end < text.size() && text[end] != m_separator && text[end] != '\n' &&
               text[end] != '\r')
            ++end;
        field.append(text.data() + pos, end - pos);
        fieldStarted = true;
        pos = end;
    }
    if (!m_closed)
        return std::nullopt;
    return finish({});
}

std::optional<char> detectSeparator(std::string_view text, bool closed)
{
    constexpr std::array<char, 3> candidates = {',', ';', '\t'};
    std::array<int, 3> counts{};
    bool quoted = false;
    std::size_t pos = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '"') {
            quoted = !quoted;
            continue;
        }
        if (quoted)
            continue;
        if (c == '\n' || c == '\r')
            break;
        for (std::size_t i = 0; i < candidates.size(); ++i)
            counts[i] += c == candidates[i];
    }
    if (pos == text.size() && !closed)
        return std::nullopt;
    std::size_t best = 0;
    for (std::size_t i = 1; i < candidates.size(); ++i)
        if (counts[i] > counts[best])
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

void appendCsvField(std::string &row, std::string_view text, char separator)
{
    const QuotedCharacters *table = separator == ','    ? &QuotedWithComma
                                    : separator == ';'  ? &QuotedWithSemicolon
                                    : separator == '\t' ? &QuotedWithTab
                                                        : nullptr;
    bool quote = !text.empty() && (text.front() == ' ' || text.back() == ' ');
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
