#include "SheetReader.h"

#include "CellReference.h"
#include "Csv.h"
#include "XmlTags.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace workbook {
namespace {

using xml::Tag;

// A number as the shortest decimal text that reads back as the stored one:
// 15.5, 72.11538461538461, 0.001; a text that is not a number as it is.
std::string shortestNumber(std::string_view stored)
{
    double value = 0;
    const auto read = std::from_chars(stored.data(), stored.data() + stored.size(), value);
    if (read.ec != std::errc{} || read.ptr != stored.data() + stored.size() ||
        !std::isfinite(value))
        return std::string(stored);
    char digits[64];
    const auto written =
        std::to_chars(digits, digits + sizeof digits, value, std::chars_format::fixed);
    if (written.ec != std::errc{})
        return std::string(stored);
    return {digits, written.ptr};
}

// The most text a sheet makes for the schedule: a million circuits make
// some 30 to 100 MB; more is a sheet no schedule is, or a few repeated
// cells standing for billions.
constexpr std::size_t MostSheetText = std::size_t{256} << 20;

// The rows of a sheet as they are read, in order, as CSV: a row's cells
// where they stand (holes empty), every row padded to the widest at the end.
class SheetRows
{
public:
    // Starts row `row` (0 the first), the rows skipped before it empty;
    // false where it does not come after the last (a sheet out of order)
    // or is past the sheet's last.
    bool startRow(std::size_t row)
    {
        finishRow();
        m_tooLarge = m_tooLarge || row >= MostRows;
        if (row < m_rows.size() || m_tooLarge)
            return false;
        while (m_rows.size() < row)
            m_rows.push_back({m_csv.size(), 0, 0, false});
        m_open = true;
        return true;
    }
    // A cell of the row started; false where it does not come after the
    // last, or where the sheet's text would grow too large.
    bool setCell(std::size_t column, std::string_view text)
    {
        if (text.empty())
            return true;
        m_tooLarge = m_tooLarge || column >= MostColumns;
        if (column < m_cells || !fits(column - m_cells + text.size()))
            return false;
        m_csv.append(column - m_cells + (m_cells > 0 ? 1 : 0), ',');
        ampacity::sizing::appendCsvField(m_csv, text, ',');
        m_lines += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        m_cells = column + 1;
        m_width = std::max(m_width, m_cells);
        return true;
    }
    void markWithoutValue() { m_withoutValue = true; }
    // Whether `more` bytes of text still fit; once one does not, the sheet
    // is too large for good.
    bool fits(std::size_t more)
    {
        m_tooLarge = m_tooLarge || more > MostSheetText - std::min(m_csv.size(), MostSheetText);
        return !m_tooLarge;
    }
    bool tooLarge() const { return m_tooLarge; }

    // The sheet's text; nullopt where it is too large, padded.
    std::optional<SheetText> text()
    {
        finishRow();
        if (m_tooLarge || (m_width + 1) > MostSheetText / std::max<std::size_t>(m_rows.size(), 1) ||
            !fits(m_rows.size() * (m_width + 1))) {
            m_tooLarge = true;
            return std::nullopt;
        }
        SheetText sheet;
        sheet.csv.reserve(m_csv.size() + m_rows.size() * (m_width + 1));
        int line = 1;
        std::size_t from = 0;
        for (const Row &row : m_rows) {
            sheet.rowLines.push_back(line);
            if (row.withoutValue)
                sheet.linesWithoutValues.push_back(line);
            sheet.csv.append(m_csv, from, row.end - from);
            sheet.csv.append(m_width - std::min(m_width, std::max<std::size_t>(row.cells, 1)), ',');
            sheet.csv += '\n';
            from = row.end;
            line += row.lines + 1;
        }
        return sheet;
    }

private:
    struct Row
    {
        std::size_t end = 0; // where its cells end in m_csv
        std::size_t cells = 0;
        int lines = 0; // line breaks within its cells
        bool withoutValue = false;
    };
    void finishRow()
    {
        if (!m_open)
            return;
        m_rows.push_back({m_csv.size(), m_cells, m_lines, m_withoutValue});
        m_open = false;
        m_cells = 0;
        m_lines = 0;
        m_withoutValue = false;
    }

    std::string m_csv;
    std::vector<Row> m_rows;
    std::size_t m_width = 0;
    std::size_t m_cells = 0;
    int m_lines = 0;
    bool m_withoutValue = false;
    bool m_open = false;
    bool m_tooLarge = false;
};

// Why reading stopped: the sheet too large, or else damaged.
std::nullopt_t stopped(const SheetRows &rows, WorkbookProblem *problem)
{
    *problem = rows.tooLarge() ? WorkbookProblem::SheetTooLarge : WorkbookProblem::Corrupt;
    return std::nullopt;
}

// The sheet read to its end.
std::optional<SheetText> finished(SheetRows &rows, WorkbookProblem *problem)
{
    auto text = rows.text();
    if (!text)
        return stopped(rows, problem);
    return text;
}

std::string_view tagText(std::string_view xml, const Tag &tag)
{
    return xml.substr(tag.begin, tag.end - tag.begin);
}

std::string attributeText(const Tag &tag, std::string_view xml, std::string_view name)
{
    const auto raw = xml::attribute(tagText(xml, tag), name);
    return raw ? xml::decoded(*raw) : std::string();
}

// The text between a start tag and its end tag, decoded: a <v>'s value.
std::optional<std::string> textOf(std::string_view xml, const Tag &start, std::size_t *end)
{
    if (start.empty) {
        *end = start.end;
        return std::string();
    }
    const auto close = xml::nextTag(xml, start.end);
    if (!close || !close->closing || close->name != start.name)
        return std::nullopt;
    *end = close->end;
    return xml::decoded(xml.substr(start.end, close->begin - start.end));
}

// An element's plain text: the text of its <t> children, rich runs
// included, phonetic runs (<rPh>) left out; `end` past its end tag.
std::optional<std::string> plainTextOf(std::string_view xml, const Tag &start, std::size_t *end)
{
    std::string text;
    if (start.empty) {
        *end = start.end;
        return text;
    }
    int phonetic = 0;
    std::size_t textFrom = std::string_view::npos; // inside a <t>: where its text starts
    for (auto tag = xml::nextTag(xml, start.end); tag; tag = xml::nextTag(xml, tag->end)) {
        if (tag->closing && tag->name == start.name) {
            *end = tag->end;
            return text;
        }
        if (tag->name == "rPh")
            phonetic += tag->closing ? -1 : tag->empty ? 0 : 1;
        else if (tag->name == "t" && tag->opens())
            textFrom = tag->end;
        else if (tag->name == "t" && tag->closing && textFrom != std::string_view::npos) {
            if (phonetic == 0)
                xml::appendDecoded(text, xml.substr(textFrom, tag->begin - textFrom));
            textFrom = std::string_view::npos;
        }
    }
    return std::nullopt;
}

// A part that declares a document type (no entity is ever expanded), or
// that is not well formed, is not read.
bool refused(std::string_view xml, WorkbookProblem *problem)
{
    if (xml::declaresDocumentType(xml)) {
        *problem = WorkbookProblem::DocumentType;
        return true;
    }
    if (!xml::wellFormed(xml)) {
        *problem = WorkbookProblem::Corrupt;
        return true;
    }
    return false;
}

std::size_t countOf(std::string_view xml, const Tag &tag, std::string_view name)
{
    return repeatCount(xml::attribute(tagText(xml, tag), name));
}

} // namespace

std::string cellText(std::string utf8)
{
    const auto comma = utf8.find(',');
    if (comma == std::string::npos || comma == 0 || comma + 1 == utf8.size() ||
        utf8.find(',', comma + 1) != std::string::npos)
        return utf8;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    const std::size_t start = utf8[0] == '-' ? 1 : 0;
    for (std::size_t c = start; c < utf8.size(); ++c)
        if (c != comma && !digit(utf8[c]))
            return utf8;
    if (comma == start)
        return utf8;
    utf8[comma] = '.';
    return utf8;
}

std::optional<std::vector<std::string>> readSharedStrings(std::string_view xml,
                                                          WorkbookProblem *problem)
{
    if (refused(xml, problem))
        return std::nullopt;
    std::vector<std::string> shared;
    for (auto tag = xml::nextTag(xml, 0); tag; tag = xml::nextTag(xml, tag->end)) {
        if (tag->name != "si" || tag->closing)
            continue;
        std::size_t end = 0;
        auto text = plainTextOf(xml, *tag, &end);
        if (!text) {
            *problem = WorkbookProblem::Corrupt;
            return std::nullopt;
        }
        shared.push_back(std::move(*text));
        tag->end = end;
    }
    return shared;
}

std::optional<std::vector<std::vector<std::string>>>
readElements(std::string_view xml, std::string_view element,
             std::initializer_list<std::string_view> names, WorkbookProblem *problem)
{
    if (refused(xml, problem))
        return std::nullopt;
    std::vector<std::vector<std::string>> found;
    for (auto tag = xml::nextTag(xml, 0); tag; tag = xml::nextTag(xml, tag->end)) {
        if (tag->name != element || tag->closing)
            continue;
        std::vector<std::string> values;
        for (const std::string_view name : names)
            values.push_back(attributeText(*tag, xml, name));
        found.push_back(std::move(values));
    }
    return found;
}

std::optional<SheetText> readXlsxSheet(std::string_view xml, const std::vector<std::string> &shared,
                                       WorkbookProblem *problem)
{
    if (refused(xml, problem))
        return std::nullopt;
    *problem = WorkbookProblem::Corrupt;
    auto tag = xml::nextTag(xml, 0);
    while (tag && !(tag->name == "sheetData" && !tag->closing))
        tag = xml::nextTag(xml, tag->end);
    if (!tag)
        return std::nullopt;
    SheetRows rows;
    if (tag->empty)
        return finished(rows, problem);
    std::size_t row = 0;    // from 1; 0 before the first
    std::size_t column = 0; // from 1; 0 before a row's first
    bool inRow = false;
    for (tag = xml::nextTag(xml, tag->end); tag; tag = xml::nextTag(xml, tag->end)) {
        if (tag->closing && tag->name == "sheetData")
            return finished(rows, problem);
        if (tag->name == "row" && tag->closing) {
            inRow = false;
            continue;
        }
        if (tag->name == "row") {
            // Numbered as a spreadsheet numbers it, or the one after the
            // last; never within another row, where the writer would take
            // both for one.
            const auto number = xml::attribute(tagText(xml, *tag), "r");
            const auto given = number ? rowNumber(*number) : std::optional(row);
            if (inRow || !given || !rows.startRow(*given))
                return stopped(rows, problem);
            inRow = !tag->empty;
            row = *given + 1;
            column = 0;
            continue;
        }
        if (tag->name != "c" || tag->closing)
            continue;
        const auto reference = xml::attribute(tagText(xml, *tag), "r");
        const auto at = reference ? referenceColumn(*reference) : std::optional(column);
        if (!at || *at >= MostColumns)
            return std::nullopt;
        column = *at + 1;
        const std::string type = attributeText(*tag, xml, "t");
        bool formula = false;
        bool hasValue = false;
        std::string value;
        if (!tag->empty) {
            const Tag cell = *tag;
            for (tag = xml::nextTag(xml, cell.end); tag && !(tag->closing && tag->name == "c");
                 tag = xml::nextTag(xml, tag->end)) {
                std::size_t end = tag->end;
                std::optional<std::string> read;
                if (tag->name == "f" && !tag->closing)
                    formula = true;
                else if (tag->name == "v" && !tag->closing)
                    read = textOf(xml, *tag, &end);
                else if (tag->name == "is" && !tag->closing)
                    read = plainTextOf(xml, *tag, &end);
                else
                    continue;
                if ((tag->name == "v" || tag->name == "is") && !read)
                    return std::nullopt;
                if (read) {
                    value = std::move(*read);
                    hasValue = true;
                }
                tag->end = end;
            }
            if (!tag)
                return std::nullopt;
        }
        if (row == 0)
            continue;
        if (formula && !hasValue) {
            rows.markWithoutValue();
            continue;
        }
        std::string text;
        if (type == "s") {
            std::size_t index = shared.size();
            std::from_chars(value.data(), value.data() + value.size(), index);
            text = index < shared.size() ? cellText(shared[index]) : std::string();
        } else if (type == "b") {
            text = value == "1" ? "TRUE" : "FALSE";
        } else if (type == "inlineStr" || type == "str" || type == "e") {
            text = cellText(std::move(value));
        } else if (hasValue) {
            text = shortestNumber(value);
        }
        if (!rows.setCell(column - 1, text))
            return stopped(rows, problem);
    }
    return std::nullopt;
}

std::optional<std::vector<std::string>> readOdsSheetNames(std::string_view content,
                                                          WorkbookProblem *problem)
{
    // Only the tables' start tags, found by their text: content.xml holds
    // every cell of every sheet, which is checked as a sheet is read.
    if (xml::declaresDocumentType(content)) {
        *problem = WorkbookProblem::DocumentType;
        return std::nullopt;
    }
    std::vector<std::string> names;
    constexpr std::string_view table = "<table:table";
    for (std::size_t at = content.find(table); at != std::string_view::npos;
         at = content.find(table, at + table.size())) {
        const auto tag = xml::nextTag(content, at);
        if (!tag) {
            *problem = WorkbookProblem::Corrupt;
            return std::nullopt;
        }
        if (tag->name == "table:table" && !tag->closing)
            names.push_back(attributeText(*tag, content, "table:name"));
    }
    return names;
}

namespace {

// One .ods cell's text as shown: its paragraphs one a line, its spaces and
// tabs as written, a note (annotation) left out; `end` past the cell.
std::optional<std::string> shownText(std::string_view xml, const Tag &cell, std::size_t *end)
{
    std::string shown;
    if (cell.empty) {
        *end = cell.end;
        return shown;
    }
    int paragraphs = 0;
    int inParagraph = 0;
    std::size_t from = cell.end;
    for (auto tag = xml::nextTag(xml, cell.end); tag; tag = xml::nextTag(xml, tag->end)) {
        if (inParagraph > 0)
            xml::appendDecoded(shown, xml.substr(from, tag->begin - from));
        from = tag->end;
        if (tag->closing && tag->name == cell.name) {
            *end = tag->end;
            return shown;
        }
        if (tag->name == "office:annotation" && tag->opens()) {
            const std::size_t skip = xml::elementEnd(xml, *tag);
            if (skip == std::string_view::npos)
                return std::nullopt;
            tag->end = from = skip;
        } else if (tag->name == "text:p" || tag->name == "text:h") {
            if (tag->opens() && paragraphs++ > 0)
                shown += '\n';
            if (tag->empty && paragraphs++ > 0)
                shown += '\n';
            inParagraph += tag->opens() ? 1 : tag->closing ? -1 : 0;
        } else if (tag->name == "text:line-break") {
            shown += '\n';
        } else if (tag->name == "text:s" && !tag->closing) {
            std::size_t count = countOf(xml, *tag, "text:c");
            shown.append(std::min<std::size_t>(count, 1024), ' ');
        } else if (tag->name == "text:tab" && !tag->closing) {
            shown += '\t';
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<SheetText> readOdsSheet(std::string_view content, int sheet, WorkbookProblem *problem)
{
    if (refused(content, problem))
        return std::nullopt;
    *problem = WorkbookProblem::Corrupt;
    int table = -1;
    auto tag = xml::nextTag(content, 0);
    for (; tag; tag = xml::nextTag(content, tag->end))
        if (tag->name == "table:table" && tag->opens() && ++table == sheet)
            break;
    if (!tag) {
        *problem = WorkbookProblem::SheetNotFound;
        return std::nullopt;
    }
    SheetRows rows;
    std::size_t row = 0;
    int depth = 1; // tables within the sheet's (in a cell) end before it does
    // A row's cells that hold something: the column of each, how many
    // columns it is repeated across, and its text.
    struct Held
    {
        std::size_t column;
        std::size_t repeat;
        std::string text;
    };
    std::vector<Held> cells;
    for (tag = xml::nextTag(content, tag->end); tag; tag = xml::nextTag(content, tag->end)) {
        if (tag->name == "table:table") {
            depth += tag->opens() ? 1 : tag->closing ? -1 : 0;
            if (depth == 0)
                return finished(rows, problem);
            continue;
        }
        if (tag->name != "table:table-row" || tag->closing)
            continue;
        // Rows and cells repeated by a count stand for that many, counted
        // exactly as the writer counts them; the empty ones (a million of
        // them at the end of a sheet) make nothing.
        const std::size_t rowRepeat = countOf(content, *tag, "table:number-rows-repeated");
        cells.clear();
        std::size_t column = 0;
        std::size_t rowText = 0; // the bytes one copy of the row makes, about
        bool withoutValue = false;
        if (!tag->empty) {
            const Tag rowTag = *tag;
            for (tag = xml::nextTag(content, rowTag.end);
                 tag && !(tag->closing && tag->name == rowTag.name);
                 tag = xml::nextTag(content, tag->end)) {
                if (tag->name == rowTag.name)
                    return std::nullopt; // a row within a row
                const bool covered = tag->name == "table:covered-table-cell";
                if ((tag->name != "table:table-cell" && !covered) || tag->closing)
                    continue;
                const std::size_t repeat = countOf(content, *tag, "table:number-columns-repeated");
                const std::string type = attributeText(*tag, content, "office:value-type");
                const bool formula =
                    xml::attribute(tagText(content, *tag), "table:formula").has_value();
                std::size_t end = 0;
                auto shown = shownText(content, *tag, &end);
                if (!shown)
                    return std::nullopt;
                std::string text;
                if (covered) {
                    // a merged cell's others are empty
                } else if (formula && type.empty()) {
                    withoutValue = true;
                } else if (type == "float" || type == "percentage" || type == "currency") {
                    text = shortestNumber(attributeText(*tag, content, "office:value"));
                } else if (type == "boolean") {
                    text = attributeText(*tag, content, "office:boolean-value") == "true" ? "TRUE"
                                                                                          : "FALSE";
                } else if (type == "date") {
                    text = attributeText(*tag, content, "office:date-value");
                } else if (type == "time") {
                    text = attributeText(*tag, content, "office:time-value");
                } else {
                    text = cellText(std::move(*shown));
                }
                if (!text.empty()) {
                    if (column >= MostColumns || repeat > MostColumns - column)
                        return stopped(rows, problem);
                    rowText += repeat * (text.size() + 3); // each copy, quoted
                    if (!rows.fits(rowText))
                        return stopped(rows, problem);
                    cells.push_back({column, repeat, std::move(text)});
                }
                column += std::min(repeat, MostColumns);
                tag->end = end;
            }
            if (!tag)
                return std::nullopt;
        }
        if (cells.empty() && !withoutValue) {
            row += std::min(rowRepeat, MostRows);
            continue;
        }
        if (rowRepeat > MostRows || !rows.fits(rowRepeat * (rowText + column + 1)))
            return stopped(rows, problem);
        for (std::size_t copy = 0; copy < rowRepeat; ++copy) {
            if (!rows.startRow(row++))
                return stopped(rows, problem);
            if (withoutValue)
                rows.markWithoutValue();
            for (const Held &cell : cells)
                for (std::size_t c = 0; c < cell.repeat; ++c)
                    rows.setCell(cell.column + c, cell.text);
        }
    }
    return std::nullopt;
}

} // namespace workbook
