#pragma once

#include "SheetAnswers.h"
#include "Workbook.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace ampacity::sizing {
struct Schedule;
struct ScheduleRow;
} // namespace ampacity::sizing

// A sized schedule going back into the workbook its rows came from: the
// heading's new names after the sheet's last used column (or over the
// answer of an earlier sizing), each row's answer under them, numbers as
// numbers, and the cells the user edited.
namespace workbook {

class WorkbookAnswers
{
public:
    // The sheet as read, and the schedule's layout once its heading is read.
    WorkbookAnswers(const WorkbookSchedule &read, const ampacity::sizing::Schedule &layout);

    void addRow(const ampacity::sizing::Schedule &layout, const ampacity::sizing::ScheduleRow &row);
    // A cell of the user's, as edited: a number where it reads as one.
    void setCell(int line, std::size_t column, const std::string &text);

    // The workbook's bytes with all of it written in; nothing, with the
    // problem in a line, where the sheet cannot be written again.
    std::optional<QByteArray> bytes(QString *error) const;

private:
    std::size_t sheetRowOf(int line) const;

    std::shared_ptr<const Workbook> m_book;
    int m_sheet = 0;
    std::vector<int> m_rowLines;
    SheetAnswers m_answers;
};

} // namespace workbook
