#pragma once

#include "ConductorSizing.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Comma-separated values as spreadsheets write them (RFC 4180): fields
// separated by commas, quoted with double quotes where they hold commas,
// quotes (doubled) or line breaks.
namespace ampacity::sizing {

// One record of a CSV text, or why it could not be read.
struct Record
{
    int line = 0; // where it starts, the first line being 1
    std::vector<std::string> cells;
    std::optional<Problem> malformed;
};

// Reads the records of a CSV text one after the other. A quote inside an
// unquoted field (a note saying 3/4") is taken as it stands. Lines that hold
// nothing at all are not records.
class CsvReader
{
public:
    explicit CsvReader(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_pos >= m_text.size(); }
    Record next();

private:
    bool readQuoted(std::string &field);
    void skipLineEnd();

    std::string_view m_text;
    std::size_t m_pos = 0;
    int m_line = 1;
};

// One CSV field, quoted when it holds a comma, a quote, a line break or
// blanks at either end.
std::string csvField(std::string_view text);

} // namespace ampacity::sizing
