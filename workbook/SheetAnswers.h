#pragma once

#include <cstddef>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// A sized schedule going back into the sheet it was read from: the
// heading's new names after the sheet's last used column, each row's answer
// under them, and the cells the user edited. Only the rows that change are
// written again; every other byte of the sheet stays as it was. In .xlsx the
// sheet is its own part; in .ods every sheet is in content.xml, and rows or
// cells repeated by a count are split where something new goes.
namespace workbook {

// A cell written into the sheet: a number, or a text.
struct NewCell
{
    std::string text; // a number with a decimal point; empty: no cell
    bool numeric = false;
};

class SheetAnswers
{
public:
    enum class Format
    {
        Xlsx,
        Ods,
    };
    // The answer's columns start at `firstColumn` (0 for A), `width` of
    // them, under the heading on the sheet's row `headingRow` (0 the first).
    SheetAnswers(Format format, std::size_t headingRow, std::size_t firstColumn, std::size_t width);

    // The names written in the heading row, in the heading's own style.
    void setHeading(std::vector<std::string> names);
    // A row's answer, one cell a column; a row below the heading given none
    // has its answer's columns emptied (an answer from an earlier sizing).
    void setAnswer(std::size_t row, std::span<const NewCell> cells);
    // A cell of the user's, as edited.
    void setCell(std::size_t row, std::size_t column, const NewCell &cell);

    // The sheet's part (.xlsx), or content.xml and the sheet's place among
    // its tables (.ods), with all of it written in, given to `write` in
    // pieces; false where the XML does not hold the sheet.
    using Sink = std::function<void(std::string_view)>;
    bool rewrite(std::string_view xml, int table, const Sink &write) const;
    // The same, whole.
    std::optional<std::string> rewrite(std::string_view xml, int table = 0) const;

private:
    // What replaces a run of a row's columns.
    struct Block
    {
        std::size_t column = 0;
        std::size_t width = 0;
        std::string cells;
    };
    using Flush = std::function<void(bool always)>;
    std::string answerXml(std::size_t row, std::string_view packed) const;
    std::vector<Block> blocksOf(std::size_t row, std::string_view headingStyle) const;
    bool hasNew(std::size_t row) const;
    std::string cellXml(std::size_t row, std::size_t column, const NewCell &cell,
                        std::string_view style = {}) const;
    std::string emptyCells(std::size_t count) const;
    void appendRow(std::string &out, std::string_view rowXml, std::size_t row, std::size_t repeat,
                   std::string_view headingStyle) const;
    void appendNewRow(std::string &out, std::size_t row, std::string_view headingStyle) const;
    void appendNewRows(std::string &out, std::size_t from, std::size_t to,
                       std::string_view headingStyle) const;
    bool rewriteXlsx(std::string_view xml, std::string &out, const Flush &flush) const;
    bool rewriteOds(std::string_view xml, int table, std::string &out, const Flush &flush) const;

    Format m_format;
    std::size_t m_headingRow;
    std::size_t m_firstColumn;
    std::size_t m_width;
    std::vector<std::string> m_heading;
    std::vector<std::optional<std::string>> m_answers; // below the heading, in order, packed
    std::map<std::size_t, std::map<std::size_t, NewCell>> m_edits;
};

} // namespace workbook
