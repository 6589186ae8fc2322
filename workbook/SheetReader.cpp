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

// The rows of a sheet as they are read, in order, as CSV: a row's cells
// where they stand (holes empty), every row padded to the widest at the end.
class SheetRows
{
public:
    // Starts row `row` (0 the first), the rows skipped before it empty;
    // false where it does not come after the last (a sheet out of order).
    bool startRow(std::size_t row)
    {
        finishRow();
        if (row < m_rows.size())
            return false;
        while (m_rows.size() < row)
            m_rows.push_back({m_csv.size(), 0, 0, false});
        m_open = true;
        return true;
    }
    // A cell of the row started; false where it does not come after the last.
    bool setCell(std::size_t column, std::string_view text)
    {
        if (text.empty())
            return true;
        if (column < m_cells)
            return false;
        m_csv.append(column - m_cells + (m_cells > 0 ? 1 : 0), ',');
        ampacity::sizing::appendCsvField(m_csv, text, ',');
        m_lines += static_cast<int>(std::count(text.begin(), text.end(), '\n'));
        m_cells = column + 1;
        m_width = std::max(m_width, m_cells);
        return true;
    }
    void markWithoutValue() { m_withoutValue = true; }

    SheetText text()
    {
        finishRow();
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
};

std::string attributeText(const Tag &tag, std::string_view xml, std::string_view name)
{
    const auto raw = xml::attribute(xml.substr(tag.begin, tag.end - tag.begin), name);
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

std::optional<std::size_t> countOf(std::string_view xml, const Tag &tag, std::string_view name)
{
    const auto raw = xml::attribute(xml.substr(tag.begin, tag.end - tag.begin), name);
    std::size_t count = 1;
    if (raw)
        std::from_chars(raw->data(), raw->data() + raw->size(), count);
    return std::max<std::size_t>(count, 1);
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
        return rows.text();
    std::size_t row = 0;    // from 1; 0 before the first
    std::size_t column = 0; // from 1; 0 before a row's first
    for (tag = xml::nextTag(xml, tag->end); tag; tag = xml::nextTag(xml, tag->end)) {
        if (tag->closing && tag->name == "sheetData")
            return rows.text();
        if (tag->name == "row" && !tag->closing) {
            const std::string number = attributeText(*tag, xml, "r");
            std::size_t given = 0;
            std::from_chars(number.data(), number.data() + number.size(), given);
            row = number.empty() ? row + 1 : given;
            column = 0;
            if (row == 0 || !rows.startRow(row - 1))
                return std::nullopt;
            continue;
        }
        if (tag->name != "c" || tag->closing)
            continue;
        const std::string reference = attributeText(*tag, xml, "r");
        column = reference.empty() ? column + 1 : columnOf(reference) + 1;
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
            return std::nullopt;
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
            std::size_t count = *countOf(xml, *tag, "text:c");
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
    std::vector<std::string> cells;
    for (tag = xml::nextTag(content, tag->end); tag; tag = xml::nextTag(content, tag->end)) {
        if (tag->name == "table:table") {
            depth += tag->opens() ? 1 : tag->closing ? -1 : 0;
            if (depth == 0)
                return rows.text();
            continue;
        }
        if (tag->name != "table:table-row" || tag->closing)
            continue;
        // Rows and cells repeated by a count stand for that many; the empty
        // ones at the end of a sheet (a million of them) make nothing.
        const std::size_t rowRepeat = *countOf(content, *tag, "table:number-rows-repeated");
        cells.clear();
        bool withoutValue = false;
        if (!tag->empty) {
            const Tag rowTag = *tag;
            for (tag = xml::nextTag(content, rowTag.end);
                 tag && !(tag->closing && tag->name == rowTag.name);
                 tag = xml::nextTag(content, tag->end)) {
                const bool covered = tag->name == "table:covered-table-cell";
                if ((tag->name != "table:table-cell" && !covered) || tag->closing)
                    continue;
                const std::size_t repeat = *countOf(content, *tag, "table:number-columns-repeated");
                const std::string type = attributeText(*tag, content, "office:value-type");
                const bool formula =
                    xml::attribute(content.substr(tag->begin, tag->end - tag->begin),
                                   "table:formula")
                        .has_value();
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
                const std::size_t copies = text.empty() ? std::min<std::size_t>(repeat, 1 << 14)
                                                        : std::min<std::size_t>(repeat, 1024);
                cells.insert(cells.end(), copies, text);
                tag->end = end;
            }
            if (!tag)
                return std::nullopt;
        }
        const bool empty =
            !withoutValue && std::all_of(cells.begin(), cells.end(),
                                         [](const std::string &cell) { return cell.empty(); });
        if (empty) {
            row += std::min<std::size_t>(rowRepeat, 1 << 20);
            continue;
        }
        for (std::size_t copy = 0; copy < std::min<std::size_t>(rowRepeat, 1024); ++copy) {
            rows.startRow(row++);
            if (withoutValue)
                rows.markWithoutValue();
            for (std::size_t c = 0; c < cells.size(); ++c)
                rows.setCell(c, cells[c]);
        }
    }
    return std::nullopt;
}

} // namespace workbook
