#include "Csv.h"

namespace ampacity::sizing {

Record CsvReader::next()
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
                record.malformed = makeProblem(Problem::Kind::UnclosedQuote, {}, openedOn, 0);
                record.cells.push_back(std::move(field));
                return record;
            }
            fieldStarted = true;
            // After the closing quote only a separator or the end of the row.
            if (m_pos < m_text.size() && m_text[m_pos] != ',' && m_text[m_pos] != '\n' &&
                m_text[m_pos] != '\r' && !record.malformed)
                record.malformed = makeProblem(Problem::Kind::TextAfterQuote, {}, 0, 0);
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

// From after an opening quote to after its closing quote.
bool CsvReader::readQuoted(std::string &field)
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

void CsvReader::skipLineEnd()
{
    if (m_text[m_pos] == '\r' && m_pos + 1 < m_text.size() && m_text[m_pos + 1] == '\n')
        ++m_pos;
    ++m_pos;
    ++m_line;
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

} // namespace ampacity::sizing
