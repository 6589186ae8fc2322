#pragma once

#include "Csv.h"
#include "ScheduleLayout.h"

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ampacity::sizing {

// Reads a schedule's file given piece by piece as UTF-8 text, and gives each
// row as soon as the text holds all of it, so that a schedule of any length
// goes through in little memory: the byte-order mark, the separator (the one
// given, or the header's), title rows above the heading row, the headings
// and their units, the decimal mark, and the rows the file itself spoils.
class ScheduleFileReader
{
public:
    explicit ScheduleFileReader(AnswerHeadings answer,
                                std::optional<char> separator = std::nullopt);
    ScheduleFileReader(const ScheduleFileReader &) = delete;
    ScheduleFileReader &operator=(const ScheduleFileReader &) = delete;

    void append(std::string_view utf8);
    void close(); // no more text will come
    // The lines (1 the first) of rows holding a formula whose value the
    // file does not keep: each is that row's problem.
    void setLinesWithoutValues(std::vector<int> lines) { m_withoutValues = std::move(lines); }

    enum class Status
    {
        NeedMore, // append more text, or close
        Row,      // a row
        End,      // no more rows; or the schedule could not be read (layout().error)
    };
    Status next(ScheduleFileRow &row);

    // How the schedule is laid out and written, known once next() has given
    // a row or the end.
    const ScheduleLayout &layout() const { return m_layout; }

private:
    bool readHeader();
    void appendTitleRow(const Record &record);
    void takeRow(Record &record, ScheduleFileRow &row);
    void decideDecimalMark(const ScheduleFileRow &row);

    AnswerHeadings m_answer;
    std::optional<char> m_separatorGiven;
    std::string m_start; // the first bytes, until the byte-order mark is known
    bool m_started = false;
    CsvReader m_csv;
    SeparatorScan m_separatorScan; // the header read so far for its separator
    // The separator found for the row being read, kept until the row is:
    // the reader may take the row's text in before the row is whole (a
    // "\r" last, which a "\n" may follow), and the scan, counted from the
    // text not read yet, must not run on into the rows below.
    std::optional<char> m_rowSeparator;
    int m_titleRows = 0;           // rows above the heading row
    ScheduleLayout m_layout;
    std::size_t m_headerCells = 0;
    std::size_t m_carried = 0;
    bool m_headerRead = false;
    bool m_done = false;
    bool m_decimalDecided = false;
    std::deque<ScheduleFileRow> m_waiting; // rows read before the decimal mark is known
    std::vector<int> m_withoutValues;
    Record m_record; // the last read, its room kept for the next
};

} // namespace ampacity::sizing
