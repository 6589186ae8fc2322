#pragma once

#include "Schedule.h"
#include "Workbook.h"
#include "WorkbookAnswers.h"

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <cstdlib>
#include <string_view>

// What the workbook fuzz target does with one input, shared with the test
// that runs every input it ever found again: the bytes read as a workbook
// (zip, inflation, XML), its sheet sized, the answer written back into it;
// a workbook the program wrote must read again, or the run stops here.
namespace fuzzing {

inline void exerciseWorkbook(std::string_view bytes)
{
    const QByteArray book(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QString error;
    const auto sheet = workbook::readWorkbookSchedule(book, QString(), &error);
    if (!sheet)
        return;
    const auto schedule =
        ampacity::sizing::sizeSchedule(sheet->text, {}, std::nullopt, sheet->linesWithoutValues);
    if (schedule.error)
        return;
    workbook::WorkbookAnswers answers(*sheet, schedule);
    for (const auto &row : schedule.rows)
        answers.addRow(schedule, row);
    if (!schedule.rows.empty() && !schedule.columns.empty())
        answers.setCell(schedule.rows.front().line, 0, "edited");
    const auto written = answers.bytes(&error);
    if (written && !workbook::readWorkbookSchedule(*written, sheet->sheet, &error)) {
        // The program's own workbook does not read: say why, then stop.
        std::fputs(error.toLocal8Bit().constData(), stderr);
        std::fputc('\n', stderr);
        std::abort();
    }
}

} // namespace fuzzing
