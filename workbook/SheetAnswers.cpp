#include "SheetAnswers.h"

#include "CellReference.h"
#include "XmlTags.h"

#include <algorithm>
#include <charconv>

namespace workbook {
namespace {

using xml::Tag;

constexpr std::string_view OdsRowRepeat = "table:number-rows-repeated";
constexpr std::string_view OdsColumnRepeat = "table:number-columns-repeated";

// A cell of a row element: the columns it stands for, and whether it holds
// anything (an empty cell may still carry a style).
struct CellAt
{
    Tag start;
    std::size_t end = 0;
    std::size_t column = 0;
    std::size_t count = 1;
    bool holdsValue = false;
    bool isCell = true; // else another element among them (an extLst), kept where it is
};

// A row element's cells, and where its end tag starts (its size when it
// is an empty element).
struct RowCells
{
    Tag start;
    std::vector<CellAt> cells;
    std::size_t endTag = 0;
};

bool isCell(SheetAnswers::Format format, std::string_view name)
{
    return format == SheetAnswers::Format::Xlsx
               ? name == "c"
               : name == "table:table-cell" || name == "table:covered-table-cell";
}

std::optional<RowCells> cellsOf(std::string_view rowXml, SheetAnswers::Format format)
{
    RowCells row;
    const auto start = xml::nextTag(rowXml, 0);
    if (!start)
        return std::nullopt;
    row.start = *start;
    row.endTag = rowXml.size();
    if (start->empty)
        return row;
    std::size_t column = 0;
    for (auto tag = xml::nextTag(rowXml, start->end); tag;) {
        if (tag->closing) {
            if (tag->name == start->name) {
                row.endTag = tag->begin;
                return row;
            }
            tag = xml::nextTag(rowXml, tag->end);
            continue;
        }
        const std::size_t end = xml::elementEnd(rowXml, *tag);
        if (end == std::string_view::npos)
            return std::nullopt;
        if (!isCell(format, tag->name)) {
            CellAt other{*tag, end, column, 0, false};
            other.isCell = false;
            row.cells.push_back(other);
        } else {
            const std::string_view text = rowXml.substr(tag->begin, tag->end - tag->begin);
            CellAt cell{*tag, end, column, 1, !tag->empty};
            if (format == SheetAnswers::Format::Xlsx) {
                if (const auto reference = xml::attribute(text, "r")) {
                    const auto given = referenceColumn(*reference);
                    if (!given)
                        return std::nullopt;
                    cell.column = *given;
                }
            } else {
                cell.count = repeatCount(xml::attribute(text, OdsColumnRepeat));
                cell.holdsValue =
                    cell.holdsValue || xml::attribute(text, "office:value-type").has_value();
            }
            column = cell.column + cell.count;
            row.cells.push_back(cell);
        }
        tag = xml::nextTag(rowXml, end);
    }
    return std::nullopt;
}

// Text as an OpenDocument paragraph's content: a run of blanks and a tab
// are elements of their own, a line break starts a new paragraph.
void appendParagraphs(std::string &out, std::string_view text)
{
    out += "<text:p>";
    for (std::size_t at = 0; at < text.size();) {
        const char c = text[at];
        if (c == ' ' &&
            (at == 0 || text[at - 1] == ' ' || at + 1 == text.size() || text[at + 1] == ' ')) {
            std::size_t run = text.find_first_not_of(' ', at);
            run = (run == std::string_view::npos ? text.size() : run) - at;
            out += run == 1 ? "<text:s/>" : "<text:s text:c=\"" + std::to_string(run) + "\"/>";
            at += run;
        } else if (c == '\t') {
            out += "<text:tab/>";
            ++at;
        } else if (c == '\n') {
            out += "</text:p><text:p>";
            ++at;
        } else {
            const std::size_t next = text.find_first_of(" \t\n", at + 1);
            const std::size_t end = next == std::string_view::npos ? text.size() : next;
            xml::appendEscaped(out, text.substr(at, end - at));
            at = end;
        }
    }
    out += "</text:p>";
}

} // namespace

SheetAnswers::SheetAnswers(Format format, std::size_t headingRow, std::size_t firstColumn,
                           std::size_t width)
    : m_format(format), m_headingRow(headingRow), m_firstColumn(firstColumn), m_width(width)
{
}

void SheetAnswers::setHeading(std::vector<std::string> names)
{
    m_heading = std::move(names);
}

void SheetAnswers::setAnswer(std::size_t row, std::span<const NewCell> cells)
{
    if (row <= m_headingRow)
        return;
    const std::size_t below = row - m_headingRow - 1;
    if (m_answers.size() <= below)
        m_answers.resize(below + 1);
    // Kept packed, a cell a number flag, a length and the text, and made
    // into XML only as the sheet is written: a hundred thousand rows' XML
    // would be ten times the size.
    std::string packed;
    for (std::size_t c = 0; c < std::min(cells.size(), m_width); ++c) {
        const std::size_t length = std::min<std::size_t>(cells[c].text.size(), 0xFFFF);
        packed += cells[c].numeric ? 'n' : 't';
        packed += static_cast<char>(length & 0xFF);
        packed += static_cast<char>(length >> 8);
        packed.append(cells[c].text, 0, length);
    }
    m_answers[below] = std::move(packed);
}

// A row's answer as XML: its cells, the empty ones as the format has them.
std::string SheetAnswers::answerXml(std::size_t row, std::string_view packed) const
{
    std::string xml;
    std::size_t empty = 0; // empty cells not yet written (.ods)
    std::size_t column = 0;
    for (std::size_t at = 0; at + 3 <= packed.size(); ++column) {
        const bool numeric = packed[at] == 'n';
        const std::size_t length =
            static_cast<unsigned char>(packed[at + 1]) |
            static_cast<std::size_t>(static_cast<unsigned char>(packed[at + 2])) << 8;
        const std::string_view text = packed.substr(at + 3, length);
        at += 3 + length;
        if (text.empty()) {
            ++empty;
            continue;
        }
        xml += emptyCells(empty);
        empty = 0;
        xml += cellXml(row, m_firstColumn + column, {std::string(text), numeric});
    }
    xml += emptyCells(empty + (m_width - std::min(column, m_width)));
    return xml;
}

void SheetAnswers::setCell(std::size_t row, std::size_t column, const NewCell &cell)
{
    if (column < m_firstColumn)
        m_edits[row][column] = cell;
}

std::string SheetAnswers::cellXml(std::size_t row, std::size_t column, const NewCell &cell,
                                  std::string_view style) const
{
    std::string out;
    if (m_format == Format::Xlsx) {
        if (cell.text.empty())
            return out;
        out = "<c r=\"" + columnName(column) + std::to_string(row + 1) + '"';
        if (!style.empty())
            out += " s=\"" + std::string(style) + '"';
        if (cell.numeric) {
            out += "><v>" + cell.text + "</v></c>";
        } else {
            // An inline string: the workbook's shared strings stay as they were.
            const bool blankAtEdge = cell.text.front() == ' ' || cell.text.back() == ' ';
            out += blankAtEdge ? R"( t="inlineStr"><is><t xml:space="preserve">)"
                               : R"( t="inlineStr"><is><t>)";
            xml::appendEscaped(out, cell.text);
            out += "</t></is></c>";
        }
        return out;
    }
    if (cell.text.empty())
        return emptyCells(1);
    out = "<table:table-cell";
    if (!style.empty()) {
        out += " table:style-name=\"";
        out += style;
        out += '"';
    }
    if (cell.numeric)
        out += R"( office:value-type="float" office:value=")" + cell.text + "\">";
    else
        out += " office:value-type=\"string\">";
    appendParagraphs(out, cell.text);
    out += "</table:table-cell>";
    return out;
}

std::string SheetAnswers::emptyCells(std::size_t count) const
{
    if (m_format == Format::Xlsx || count == 0)
        return {};
    if (count == 1)
        return "<table:table-cell/>";
    return "<table:table-cell " + std::string(OdsColumnRepeat) + "=\"" + std::to_string(count) +
           "\"/>";
}

bool SheetAnswers::hasNew(std::size_t row) const
{
    if (row == m_headingRow && !m_heading.empty())
        return true;
    if (row > m_headingRow && row - m_headingRow - 1 < m_answers.size() &&
        m_answers[row - m_headingRow - 1])
        return true;
    return m_edits.count(row) > 0;
}

std::vector<SheetAnswers::Block> SheetAnswers::blocksOf(std::size_t row,
                                                        std::string_view headingStyle) const
{
    std::vector<Block> blocks;
    if (const auto edits = m_edits.find(row); edits != m_edits.end())
        for (const auto &[column, cell] : edits->second)
            blocks.push_back({column, 1, cellXml(row, column, cell)});
    if (row == m_headingRow && !m_heading.empty()) {
        std::string cells;
        for (std::size_t c = 0; c < m_width; ++c)
            cells +=
                cellXml(row, m_firstColumn + c,
                        {c < m_heading.size() ? m_heading[c] : std::string(), false}, headingStyle);
        blocks.push_back({m_firstColumn, m_width, std::move(cells)});
    } else if (row > m_headingRow) {
        const std::size_t below = row - m_headingRow - 1;
        blocks.push_back({m_firstColumn, m_width,
                          below < m_answers.size() && m_answers[below]
                              ? answerXml(row, *m_answers[below])
                              : emptyCells(m_width)});
    }
    std::sort(blocks.begin(), blocks.end(),
              [](const Block &a, const Block &b) { return a.column < b.column; });
    return blocks;
}

// The row element again for `repeat` rows from `row` (.ods; 1 in .xlsx):
// the cells before, between and after the new ones as they were, a cell
// repeated across a new one split around it.
void SheetAnswers::appendRow(std::string &out, std::string_view rowXml, std::size_t row,
                             std::size_t repeat, std::string_view headingStyle) const
{
    const auto read = cellsOf(rowXml, m_format);
    if (!read) {
        out += rowXml;
        return;
    }
    const std::vector<Block> blocks = blocksOf(row, headingStyle);
    std::string start(rowXml.substr(0, read->start.end));
    if (m_format == Format::Ods) {
        const std::string count = std::to_string(repeat);
        start =
            xml::withAttribute(start, OdsRowRepeat,
                               repeat > 1 ? std::optional<std::string_view>(count) : std::nullopt);
    } else if (const auto spans = xml::attribute(start, "spans")) {
        // A hint of the columns the row uses, from 1: it now reaches further.
        const std::size_t colon = spans->find(':');
        std::size_t last = 0;
        if (colon != std::string_view::npos)
            std::from_chars(spans->data() + colon + 1, spans->data() + spans->size(), last);
        const std::size_t reach = blocks.empty() ? 0 : blocks.back().column + blocks.back().width;
        const std::string wider =
            std::string(spans->substr(0, colon)) + ':' + std::to_string(std::max(last, reach));
        start = xml::withAttribute(start, "spans", wider);
    }
    if (read->start.empty)
        start.erase(start.size() - 2, 1); // "<row/>" opens to take cells
    out += start;

    std::size_t next = 0;      // the next block
    std::size_t coveredTo = 0; // the columns a written block covers end here
    std::size_t column = 0;    // the columns the cells so far cover end here
    std::size_t copied = read->start.end;
    const auto restOfBlocks = [&] {
        for (; next < blocks.size(); ++next) {
            const std::size_t from = std::max(column, coveredTo);
            if (blocks[next].column > from)
                out += emptyCells(blocks[next].column - from);
            out += blocks[next].cells;
            column = coveredTo = blocks[next].column + blocks[next].width;
        }
    };
    const auto lastCell = std::find_if(read->cells.rbegin(), read->cells.rend(),
                                       [](const CellAt &cell) { return cell.isCell; });
    const std::size_t cellsEnd =
        static_cast<std::size_t>(read->cells.rend() - lastCell); // past the last cell
    for (std::size_t item = 0; item < read->cells.size(); ++item) {
        const CellAt &cell = read->cells[item];
        if (!cell.isCell) {
            // Another element: where it is, after the new cells if no cell follows it.
            if (item >= cellsEnd)
                restOfBlocks();
            out += rowXml.substr(copied, cell.end - copied);
            copied = cell.end;
            continue;
        }
        out += rowXml.substr(copied, cell.start.begin - copied); // blanks between cells
        copied = cell.end;
        const std::size_t end = cell.column + cell.count;
        for (std::size_t at = cell.column; at < end;) {
            if (at < coveredTo) {
                at = std::min(end, coveredTo);
            } else if (next < blocks.size() && blocks[next].column <= at) {
                out += blocks[next].cells;
                coveredTo = blocks[next].column + blocks[next].width;
                ++next;
            } else {
                const std::size_t until =
                    next < blocks.size() ? std::min(end, blocks[next].column) : end;
                if (until - at == cell.count) {
                    out += rowXml.substr(cell.start.begin, cell.end - cell.start.begin);
                } else {
                    const std::string count = std::to_string(until - at);
                    out += xml::withAttribute(
                        rowXml.substr(cell.start.begin, cell.start.end - cell.start.begin),
                        OdsColumnRepeat,
                        until - at > 1 ? std::optional<std::string_view>(count) : std::nullopt);
                    out += rowXml.substr(cell.start.end, cell.end - cell.start.end);
                }
                at = until;
            }
        }
        column = std::max(column, end);
    }
    restOfBlocks();
    if (read->start.empty) {
        out += "</";
        out += read->start.name;
        out += '>';
    } else {
        out += rowXml.substr(copied);
    }
}

void SheetAnswers::appendNewRow(std::string &out, std::size_t row,
                                std::string_view headingStyle) const
{
    const std::string empty = m_format == Format::Xlsx
                                  ? "<row r=\"" + std::to_string(row + 1) + "\"/>"
                                  : std::string("<table:table-row/>");
    appendRow(out, empty, row, 1, headingStyle);
}

bool SheetAnswers::rewrite(std::string_view xml, int table, const Sink &write) const
{
    std::string out;
    const auto flush = [&](bool always) {
        // Written in pieces of a megabyte or so, not as a whole sheet.
        if (always || out.size() > (std::size_t{1} << 20)) {
            write(out);
            out.clear();
        }
    };
    const bool done = m_format == Format::Xlsx ? rewriteXlsx(xml, out, flush)
                                               : rewriteOds(xml, table, out, flush);
    if (done)
        flush(true);
    return done;
}

// The rows from `from` up to `to` that have something new, each made as a
// row the file does not have.
void SheetAnswers::appendNewRows(std::string &out, std::size_t from, std::size_t to,
                                 std::string_view headingStyle) const
{
    for (std::size_t row = from; row < to; ++row)
        if (hasNew(row))
            appendNewRow(out, row, headingStyle);
}

std::optional<std::string> SheetAnswers::rewrite(std::string_view xml, int table) const
{
    std::string whole;
    if (!rewrite(xml, table, [&](std::string_view piece) { whole += piece; }))
        return std::nullopt;
    return whole;
}

namespace {

// The style of the heading's last cell before the answer's: its new names
// look as the others do (bold, shaded, bordered).
std::string headingStyleOf(std::string_view rowXml, SheetAnswers::Format format,
                           std::size_t firstColumn)
{
    const auto read = cellsOf(rowXml, format);
    if (!read)
        return {};
    const std::string_view name =
        format == SheetAnswers::Format::Xlsx ? std::string_view("s") : "table:style-name";
    std::string style;
    for (const CellAt &cell : read->cells)
        if (cell.isCell && cell.column < firstColumn && cell.holdsValue)
            if (const auto given = xml::attribute(
                    rowXml.substr(cell.start.begin, cell.start.end - cell.start.begin), name))
                style = *given;
    return style;
}

// The whole element a start tag opens; empty where it is never closed.
std::string_view elementOf(std::string_view xml, const Tag &start)
{
    const std::size_t end = xml::elementEnd(xml, start);
    return end == std::string_view::npos ? std::string_view()
                                         : xml.substr(start.begin, end - start.begin);
}

// Whether a row has a cell holding something among the columns given.
bool holdsValueIn(std::string_view rowXml, SheetAnswers::Format format, std::size_t from,
                  std::size_t to)
{
    const auto read = cellsOf(rowXml, format);
    return read && std::any_of(read->cells.begin(), read->cells.end(), [&](const CellAt &cell) {
               return cell.isCell && cell.holdsValue && cell.column < to &&
                      cell.column + cell.count > from;
           });
}

} // namespace

bool SheetAnswers::rewriteXlsx(std::string_view xml, std::string &out, const Flush &flush) const
{
    std::optional<Tag> dimension;
    std::optional<Tag> sheetData;
    for (auto tag = xml::nextTag(xml, 0); tag && !sheetData; tag = xml::nextTag(xml, tag->end)) {
        if (tag->name == "dimension" && !tag->closing)
            dimension = tag;
        else if (tag->name == "sheetData" && !tag->closing)
            sheetData = tag;
    }
    if (!sheetData)
        return false;
    std::size_t lastNew = m_headingRow + m_answers.size();
    if (!m_edits.empty())
        lastNew = std::max(lastNew, m_edits.rbegin()->first);

    std::size_t copied = 0;
    if (dimension) {
        // The used range, which now reaches the answer's last column.
        const std::string_view tagText =
            xml.substr(dimension->begin, dimension->end - dimension->begin);
        const auto range = xml::attribute(tagText, "ref");
        const std::size_t colon = range ? range->find(':') : std::string_view::npos;
        if (colon != std::string_view::npos) {
            const std::string_view last = range->substr(colon + 1);
            const std::size_t column = std::max(columnOf(last), m_firstColumn + m_width - 1);
            const std::size_t row = std::max(rowOf(last), lastNew);
            const std::string wider = std::string(range->substr(0, colon)) + ':' +
                                      columnName(column) + std::to_string(row + 1);
            out += xml.substr(0, dimension->begin);
            out += xml::withAttribute(tagText, "ref", wider);
            copied = dimension->end;
        }
    }
    out += xml.substr(copied, sheetData->end - copied);
    copied = sheetData->end;
    std::size_t nextNew = 0; // rows before it are written
    std::string headingStyle;
    const auto newRowsUntil = [&](std::size_t until) {
        appendNewRows(out, nextNew, std::min(until, lastNew + 1), headingStyle);
        nextNew = std::max(nextNew, until);
    };
    if (sheetData->empty) {
        out.erase(out.size() - 2, 1); // "<sheetData/>" opens
        newRowsUntil(lastNew + 1);
        out += "</sheetData>";
        out += xml.substr(copied);
        return true;
    }
    std::size_t row = 0;
    for (auto tag = xml::nextTag(xml, copied); tag;) {
        if (tag->closing && tag->name == "sheetData") {
            out += xml.substr(copied, tag->begin - copied);
            newRowsUntil(lastNew + 1);
            out += xml.substr(tag->begin);
            return true;
        }
        if (tag->name != "row" || tag->closing) {
            tag = xml::nextTag(xml, tag->end);
            continue;
        }
        const std::string_view rowXml = elementOf(xml, *tag);
        if (rowXml.empty())
            return false;
        const std::size_t end = tag->begin + rowXml.size();
        if (const auto number = xml::attribute(rowXml.substr(0, tag->end - tag->begin), "r")) {
            const auto given = rowNumber(*number);
            if (!given)
                return false; // not a sheet the reader reads
            row = *given;
        }
        out += xml.substr(copied, tag->begin - copied);
        newRowsUntil(row);
        if (row == m_headingRow)
            headingStyle = headingStyleOf(rowXml, m_format, m_firstColumn);
        if (hasNew(row) || (row > m_headingRow &&
                            holdsValueIn(rowXml, m_format, m_firstColumn, m_firstColumn + m_width)))
            appendRow(out, rowXml, row, 1, headingStyle);
        else
            out += rowXml;
        nextNew = row + 1;
        ++row;
        copied = end;
        flush(false);
        tag = xml::nextTag(xml, end);
    }
    return false;
}

bool SheetAnswers::rewriteOds(std::string_view xml, int table, std::string &out,
                              const Flush &flush) const
{
    std::optional<Tag> sheet;
    int tables = 0;
    for (auto tag = xml::nextTag(xml, 0); tag && !sheet; tag = xml::nextTag(xml, tag->end))
        if (tag->name == "table:table" && tag->opens() && tables++ == table)
            sheet = tag;
    if (!sheet)
        return false;
    std::size_t lastNew = m_headingRow + m_answers.size();
    if (!m_edits.empty())
        lastNew = std::max(lastNew, m_edits.rbegin()->first);

    std::size_t copied = 0;
    std::size_t row = 0;
    std::string headingStyle;
    int depth = 1; // tables within the sheet's (in a cell) end before it does
    for (auto tag = xml::nextTag(xml, sheet->end); tag;) {
        if (tag->name == "table:table")
            depth += tag->opens() ? 1 : tag->closing ? -1 : 0;
        if (depth == 0) {
            // The sheet's end: rows that have something new and none in the file.
            out += xml.substr(copied, tag->begin - copied);
            appendNewRows(out, row, lastNew + 1, headingStyle);
            out += xml.substr(tag->begin);
            return true;
        }
        if (tag->name != "table:table-row" || tag->closing) {
            tag = xml::nextTag(xml, tag->end);
            continue;
        }
        const std::string_view rowXml = elementOf(xml, *tag);
        if (rowXml.empty())
            return false;
        const std::size_t end = tag->begin + rowXml.size();
        const std::size_t repeat =
            repeatCount(xml::attribute(rowXml.substr(0, tag->end - tag->begin), OdsRowRepeat));
        out += xml.substr(copied, tag->begin - copied);
        copied = end;
        if (row <= m_headingRow && m_headingRow < row + repeat)
            headingStyle = headingStyleOf(rowXml, m_format, m_firstColumn);
        // Rows repeated by a count are split where one of them has
        // something new; the others stay together, their answer's columns
        // emptied where they held an earlier answer.
        // (A single row that has something new is written again anyway.)
        const bool clears = row + repeat > m_headingRow + 1 && !(repeat == 1 && hasNew(row)) &&
                            holdsValueIn(rowXml, m_format, m_firstColumn, m_firstColumn + m_width);
        const bool anyNew = row <= lastNew;
        if (!anyNew && !clears) {
            out += rowXml;
        } else {
            for (std::size_t at = row; at < row + repeat;) {
                if (hasNew(at)) {
                    appendRow(out, rowXml, at, 1, headingStyle);
                    ++at;
                    continue;
                }
                std::size_t until = at + 1;
                while (until < row + repeat && (until > lastNew || !hasNew(until)))
                    until = until > lastNew ? row + repeat : until + 1;
                if (clears && at > m_headingRow) {
                    appendRow(out, rowXml, at, until - at, headingStyle);
                } else if (until - at == repeat) {
                    out += rowXml;
                } else {
                    const std::string count = std::to_string(until - at);
                    out += xml::withAttribute(
                        rowXml.substr(0, tag->end - tag->begin), OdsRowRepeat,
                        until - at > 1 ? std::optional<std::string_view>(count) : std::nullopt);
                    out += rowXml.substr(tag->end - tag->begin);
                }
                at = until;
            }
        }
        row += repeat;
        flush(false);
        tag = xml::nextTag(xml, end);
    }
    return false; // the sheet never ends
}

} // namespace workbook
