#include "WorkbookAnswers.h"

#include "Schedule.h"

#include <algorithm>

namespace workbook {
namespace {

// The answer columns a layout writes.
std::size_t answerWidth(const ampacity::sizing::Schedule &layout)
{
    return ampacity::sizing::answerFields(layout, {}).size();
}

// A text that reads as a plain number, "15.5", as the number a spreadsheet
// keeps.
std::optional<std::string> plainNumber(const std::string &text)
{
    if (text.empty() || text.size() > 30)
        return std::nullopt;
    std::size_t digits = 0;
    std::size_t points = 0;
    for (std::size_t c = 0; c < text.size(); ++c) {
        const char ch = text[c];
        if (ch >= '0' && ch <= '9')
            ++digits;
        else if (ch == '.' && c > 0)
            ++points;
        else if (!(ch == '-' && c == 0))
            return std::nullopt;
    }
    if (digits == 0 || points > 1 || text.back() == '.')
        return std::nullopt;
    return text;
}

} // namespace

WorkbookAnswers::WorkbookAnswers(const WorkbookSchedule &read,
                                 const ampacity::sizing::Schedule &layout)
    : m_book(read.book), m_sheet(read.sheetIndex), m_rowLines(read.rowLines),
      // The answer's columns follow the columns carried through, which are
      // the sheet's from A (an earlier answer, at the end, is not carried:
      // it is written over).
      m_answers(read.book && read.book->isOpenDocument() ? SheetAnswers::Format::Ods
                                                         : SheetAnswers::Format::Xlsx,
                sheetRowOf(layout.headingLine), layout.columns.size(), answerWidth(layout))
{
    std::vector<std::string> names;
    for (const auto &field : ampacity::sizing::answerFields(layout, {}))
        names.emplace_back(field.name);
    m_answers.setHeading(std::move(names));
}

std::size_t WorkbookAnswers::sheetRowOf(int line) const
{
    const auto found = std::lower_bound(m_rowLines.begin(), m_rowLines.end(), line);
    return static_cast<std::size_t>(found - m_rowLines.begin());
}

void WorkbookAnswers::addRow(const ampacity::sizing::Schedule &layout,
                             const ampacity::sizing::ScheduleRow &row)
{
    if (row.blank)
        return;
    std::vector<NewCell> cells;
    for (auto &field : ampacity::sizing::answerFields(layout, row))
        cells.push_back(
            {std::move(field.text), field.kind == ampacity::sizing::Field::Kind::Number});
    m_answers.setAnswer(sheetRowOf(row.line), cells);
}

void WorkbookAnswers::setCell(int line, std::size_t column, const std::string &text)
{
    const auto number = plainNumber(text);
    m_answers.setCell(sheetRowOf(line), column, {number.value_or(text), number.has_value()});
}

std::optional<QByteArray> WorkbookAnswers::bytes(QString *error) const
{
    WorkbookProblem problem = WorkbookProblem::Corrupt;
    auto written = m_book ? m_book->withAnswers(m_sheet, m_answers, &problem) : std::nullopt;
    if (!written)
        *error = problemText(problem);
    return written;
}

} // namespace workbook
