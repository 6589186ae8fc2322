#include "ScheduleFile.h"

#include "QtText.h"
#include "ScheduleTexts.h"
#include "TextEncoding.h"
#include "Workbook.h"
#include "WorkbookAnswers.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <utility>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

// A row whose cells the file did not give as the header has them: no value
// of a condition sizes it until its cells are edited.
bool malformed(const ScheduleRow &row)
{
    if (!row.problem)
        return false;
    switch (row.problem->kind) {
    case Problem::Kind::UnclosedQuote:
    case Problem::Kind::TextAfterQuote:
    case Problem::Kind::CellCount:
        return true;
    default:
        return false;
    }
}

// The value of a condition's empty cells: the one given, or the start-up one.
std::string defaultOr(std::string_view given, std::size_t field)
{
    const std::string_view text = trimmed(given);
    return std::string(text.empty() ? DefaultConditionTexts.*ConditionFields[field].text : text);
}

} // namespace

ScheduleFile::ScheduleFile(const ConditionTexts &defaults)
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        m_defaultTexts[field] = defaultOr(defaults.*ConditionFields[field].text, field);
}

ConditionTexts ScheduleFile::defaults() const
{
    ConditionTexts texts;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        texts.*ConditionFields[field].text = m_defaultTexts[field];
    return texts;
}

bool ScheduleFile::load(const QString &path, std::optional<char> separator)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        m_error = file.errorString();
        return false;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        m_error = file.errorString();
        return false;
    }
    // A workbook's sheet is read as its text, and the workbook kept to take
    // the answer back.
    std::vector<int> withoutValues;
    DecodedFile text;
    std::optional<workbook::WorkbookSchedule> read;
    const bool workbook = isWorkbook(bytes.left(8).toStdString());
    if (workbook) {
        QString error;
        auto sheet = workbook::readWorkbookSchedule(bytes, m_sheet, &error);
        if (!sheet) {
            m_error = error;
            return false;
        }
        text.utf8 = std::exchange(sheet->text, {});
        withoutValues = std::move(sheet->linesWithoutValues);
        separator = ',';
        read = std::move(*sheet);
    } else {
        text = decodeFile(std::string_view(bytes.constData(), bytes.size()));
    }
    Schedule schedule = sizeSchedule(text.utf8, defaults(), separator, std::move(withoutValues));
    if (schedule.error) {
        m_error = scheduletexts::problemLine(*schedule.error, ".");
        return false;
    }
    schedule.problemWords = scheduletexts::problemWords;
    m_schedule = std::move(schedule);
    m_readAs1252 = text.guessed;
    m_workbook = std::move(read);
    m_edits.clear();
    m_path = path;
    m_error.clear();
    return true;
}

bool ScheduleFile::isAt(const QString &path) const
{
    const QFileInfo given(path);
    const QFileInfo own(m_path);
    return given.absoluteFilePath() == own.absoluteFilePath() ||
           (given.exists() && given.canonicalFilePath() == own.canonicalFilePath());
}

QString ScheduleFile::workbookSuffix() const
{
    return m_workbook ? m_workbook->book->suffix() : QString();
}

bool ScheduleFile::save(const QString &path)
{
    // A workbook's schedule goes back into a workbook of its format, or out
    // as CSV; a CSV schedule is never written under a workbook's name.
    const QString suffix = QFileInfo(path).suffix().toLower();
    const bool workbookName = suffix == QLatin1String("xlsx") || suffix == QLatin1String("ods") ||
                              suffix == QLatin1String("xls");
    const bool intoWorkbook = m_workbook && suffix == workbookSuffix();
    if (workbookName && !intoWorkbook) {
        m_error = m_workbook ? QCoreApplication::translate(
                                   "Schedule", "the schedule came from a .%1 workbook: save it "
                                               "as .%1, or as CSV under a .csv name")
                                   .arg(workbookSuffix())
                             : QCoreApplication::translate(
                                   "Schedule", "a CSV schedule is saved as CSV: give a .csv name");
        return false;
    }
    QByteArray bytes;
    if (intoWorkbook) {
        workbook::WorkbookAnswers answers(*m_workbook, m_schedule);
        for (const ScheduleRow &row : m_schedule.rows)
            answers.addRow(m_schedule, row);
        for (const auto &[cell, text] : m_edits)
            answers.setCell(cell.first, static_cast<std::size_t>(cell.second), text);
        const auto written = answers.bytes(&m_error);
        if (!written)
            return false;
        bytes = *written;
    } else {
        bytes = QByteArray::fromStdString(scheduleCsv(m_schedule));
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_path = path;
    if (!intoWorkbook) {
        // The schedule is that CSV file now.
        m_workbook.reset();
        m_edits.clear();
    }
    m_error.clear();
    return true;
}

std::vector<int> ScheduleFile::setDefault(std::size_t field, std::string_view text)
{
    m_defaultTexts[field] = defaultOr(text, field);
    m_conditions = ConditionsCache(); // it holds conditions read with the former defaults
    const ConditionTexts given = defaults();
    std::vector<int> changed;
    for (std::size_t r = 0; r < m_schedule.rows.size(); ++r) {
        ScheduleRow &row = m_schedule.rows[r];
        if (row.blank || !takesDefault(m_schedule, row, field) || malformed(row))
            continue;
        resizeRow(m_schedule, row, given, &m_conditions);
        changed.push_back(static_cast<int>(r));
    }
    return changed;
}

void ScheduleFile::setCell(int row, int column, std::string text)
{
    ScheduleRow &edited = m_schedule.rows.at(static_cast<std::size_t>(row));
    edited.cells.resize(m_schedule.columns.size());
    if (m_workbook) {
        text = workbook::cellText(std::move(text));
        m_edits[{edited.line, column}] = text;
    }
    edited.cells.at(static_cast<std::size_t>(column)) = std::move(text);
    edited.inFileText = false;
    resizeRow(m_schedule, edited, defaults(), &m_conditions);
}
