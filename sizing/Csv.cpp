#include "Csv.h"

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
    std::string field;
    bool fieldStarted = false;
    const auto finish = [&](std::string_view lineEnd) {
        record.cells.push_back(std::move(field));
        record.lineEnd = lineEnd;
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
                const char q = text[pos++];
                if (q == '"') {
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
                if (q == '\n')
                    ++line;
                field.push_back(q);
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
        field.push_back(c);
        fieldStarted = true;
        ++pos;
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

std::string csvField(std::string_view text, char separator)
{
    const bool quote = text.find_first_of("\"\r\n") != std::string_view::npos ||
                       text.find(separator) != std::string_view::npos ||
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

} // namespace ampacity::sizing
