#pragma once

#include "Problem.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Separated values as spreadsheets write them (RFC 4180): fields separated
// by commas (or semicolons, or tabs), quoted with double quotes where they
// hold the separator, quotes (doubled) or line breaks.
namespace ampacity::sizing {

// One record of a CSV text, or why it could not be read.
struct Record
{
    int line = 0; // where it starts, the first line being 1
    std::vector<std::string> cells;
    // 1 for each cell the text gave in quotes, which a spreadsheet reads as
    // text ("01", "3/4", "1E3"): empty when none was.
    std::vector<char> quoted;
    std::optional<Problem> malformed;
    std::string_view lineEnd; // "\r\n", "\n" or "\r"; empty at the end of the text
    // The record's own bytes, its line end left out, where writing its cells
    // again (appendCsvField, with their quotes) gives these bytes exactly:
    // valid until more text is appended. Otherwise `verbatim` is false.
    bool verbatim = false;
    std::string_view text;
};

// Reads the records of a text given piece by piece, each as soon as the text
// holds all of it, so that a schedule of any length goes through in little
// memory. A quote inside an unquoted field (a note saying 3/4") is taken as
// it stands. An empty line is a record of one empty cell.
class CsvReader
{
public:
    CsvReader() = default;
    // The whole text at once.
    explicit CsvReader(std::string_view text);

    void setSeparator(char separator);
    char separator() const { return m_separator; }

    void append(std::string_view text);
    void close() { m_closed = true; } // no more text will come
    bool closed() const { return m_closed; }

    // The next record; nothing when the text so far ends within it (until
    // more comes or the text is closed) or when everything has been read.
    std::optional<Record> next();
    // The same into `record`, whose cells' room is kept for the records
    // after it (a schedule's million rows read without a new vector each).
    bool next(Record &record);
    bool atEnd() const { return m_closed && m_pos >= m_text.size() && !m_partial.active; }

    // The text not read yet.
    std::string_view unread() const { return std::string_view(m_text).substr(m_pos); }

private:
    bool nextOnOneLine(Record &record);

    // A record the text so far ends within, and where its reading stopped.
    struct Partial
    {
        bool active = false;
        Record record;
        std::string field;
        bool fieldStarted = false;
        bool fieldQuoted = false;
        bool inQuote = false;
        int openedOn = 0;      // the line a quoted field opened on
        int line = 0;          // the line the reading is on
        std::size_t start = 0; // where the record begins in the text
        // No cell so far would be written otherwise than the text has it:
        // unquoted cells without a quote or blanks at either end, and the
        // record within one piece of the text.
        bool verbatim = true;
    };

    std::string m_text;
    std::size_t m_pos = 0; // the text before it is read, into records or m_partial
    Partial m_partial;
    int m_line = 1;
    char m_separator = ',';
    // The characters an unquoted field stops at or is spoilt by: the
    // separator, line ends and the quote; one look-up a character.
    std::array<bool, 256> m_stops = stopsFor(',');
    static constexpr std::array<bool, 256> stopsFor(char separator)
    {
        std::array<bool, 256> stops{};
        for (const char c : {separator, '\n', '\r', '"'})
            stops[static_cast<unsigned char>(c)] = true;
        return stops;
    }
    bool m_closed = false;
    std::size_t m_lastCells = 0; // the cells of the record before, to make room for as many
};

// The separator of a schedule, from its header line: the most frequent of
// comma, semicolon and tab outside quotes, a comma where there is none.
// Nothing while the text holds no whole line and more may come. Fed the text
// as it grows, it goes on from where it stopped (`scan`), so that a header
// that spans many pieces is read once.
struct SeparatorScan
{
    std::size_t scanned = 0;
    bool quoted = false;
    std::array<int, 3> counts{}; // comma, semicolon, tab
};
std::optional<char> detectSeparator(std::string_view text, bool closed, SeparatorScan &scan);

// One CSV field, quoted when it holds the separator, a quote, a line break
// or blanks at either end, or when it came quoted (`quoted`).
std::string csvField(std::string_view text, char separator = ',');
// The same, added to the end of a row being written.
void appendCsvField(std::string &row, std::string_view text, char separator, bool quoted = false);

} // namespace ampacity::sizing
