#pragma once

#include "Schedule.h"
#include "Workbook.h"

#include <QString>

#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

// A cable schedule opened from its file: read in whatever encoding a
// spreadsheet saved it in, every row sized, then edited cell by cell or with
// other values for the empty cells, and written back as the command line
// writes it (Qt Core only: for the window and the report command alike).
class ScheduleFile
{
public:
    explicit ScheduleFile(
        const ampacity::sizing::ConditionTexts &defaults = ampacity::sizing::DefaultConditionTexts);

    // Reads and sizes the file; false, with errorString(), when it cannot
    // be read or is no schedule (nothing of this object changes then).
    bool load(const QString &path, std::optional<char> separator = std::nullopt);
    // Writes the schedule and its answer through a temporary file renamed
    // at the end: the file is whole or as it was. A workbook's schedule goes
    // back into a workbook of its format (its other parts as they were, the
    // answer after the sheet's columns, the edited cells), or out as CSV.
    // False, with errorString().
    bool save(const QString &path);
    QString errorString() const { return m_error; }

    QString path() const { return m_path; }
    // Whether a path names this schedule's file: the same path, or another
    // way to the same file (a link, "./").
    bool isAt(const QString &path) const;
    const ampacity::sizing::Schedule &schedule() const { return m_schedule; }
    // The file was neither UTF-8 nor marked: it was read as Windows-1252.
    bool readAsWindows1252() const { return m_readAs1252; }
    // The schedule is a workbook's sheet: the sheet load() reads (a name, or
    // a number from 1; the first when empty), and whether it was one.
    void setSheet(const QString &sheet) { m_sheet = sheet; }
    bool isFromWorkbook() const { return m_workbook.has_value(); }
    // The workbook's format ("xlsx", "ods"), or empty for a CSV schedule.
    QString workbookSuffix() const;

    // The value standing for an empty cell of a condition (ConditionFields'
    // order), as given or the start-up one.
    const std::string &defaultText(std::size_t field) const { return m_defaultTexts[field]; }
    // Sets it (empty: the start-up value) and sizes again every row that
    // takes it; gives those rows.
    std::vector<int> setDefault(std::size_t field, std::string_view text);
    // Sets a carried cell and sizes its row again.
    void setCell(int row, int column, std::string text);

private:
    ampacity::sizing::ConditionTexts defaults() const;

    ampacity::sizing::Schedule m_schedule;
    std::array<std::string, std::size(ampacity::sizing::ConditionFields)> m_defaultTexts;
    ampacity::sizing::ConditionsCache m_conditions;
    QString m_path;
    QString m_error;
    bool m_readAs1252 = false;
    QString m_sheet;
    std::optional<workbook::WorkbookSchedule> m_workbook; // its text dropped once read
    std::map<std::pair<int, int>, std::string> m_edits;   // a workbook's cells by line and column
};
