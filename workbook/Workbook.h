#pragma once

#include "SheetReader.h"
#include "WorkbookProblem.h"
#include "Zip.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// A spreadsheet's workbook as a cable schedule: an Office Open XML workbook
// (.xlsx, Excel's) or an OpenDocument spreadsheet (.ods, LibreOffice's),
// known by its first bytes whatever its name. One sheet is read as the
// spreadsheet shows its cells, and given as the schedule's text (CSV,
// UTF-8), so that every schedule rule applies to it as to a CSV file; the
// answer goes back into the same sheet (WorkbookAnswers). Qt Core and zlib
// (Zip): each entry inflated only as far as the limits allow.
namespace workbook {

class SheetAnswers;
class Workbook;

// A workbook's sheet as a schedule's text: UTF-8 with a byte-order mark,
// commas and decimal points, as Excel's "CSV UTF-8" is written; the sheet
// `sheet` names (a name, else a number from 1; the first when empty).
struct WorkbookSchedule
{
    std::string text;
    std::vector<int> linesWithoutValues;
    QString sheet;
    // Where the answer goes back: the workbook, its sheet (0 the first),
    // and the line of the text each of the sheet's rows starts on.
    std::shared_ptr<const Workbook> book;
    int sheetIndex = 0;
    std::vector<int> rowLines;
};
std::optional<WorkbookSchedule> readWorkbookSchedule(const QByteArray &bytes, const QString &sheet,
                                                     QString *error);

// The sheets' names of the workbook at a path; none where it is not one
// that reads.
QStringList sheetNamesOf(const QString &path);

class Workbook
{
public:
    // Reads the workbook's parts; nothing, with the problem, where it is
    // not a workbook that can be read.
    static std::unique_ptr<Workbook> open(const QByteArray &bytes, WorkbookProblem *problem);
    ~Workbook();
    Workbook(const Workbook &) = delete;
    Workbook &operator=(const Workbook &) = delete;

    bool isOpenDocument() const { return m_openDocument; }
    // The file name's suffix of the workbook's format: "xlsx" or "ods".
    QString suffix() const;
    const QStringList &sheetNames() const { return m_sheets; }
    // The sheet a --sheet value names: a name first, else a number from 1;
    // the first without one. Nothing where none is so named.
    std::optional<int> sheetNamed(const QString &nameOrNumber) const;
    // The sheet's cells as the schedule's text, or the problem.
    std::optional<SheetText> readSheet(int sheet, WorkbookProblem *problem) const;
    // The workbook again with the answers written into a sheet: every zip
    // entry but the sheet's (.ods: content.xml) byte for byte.
    std::optional<QByteArray> withAnswers(int sheet, const SheetAnswers &answers,
                                          WorkbookProblem *problem) const;

private:
    Workbook() = default;
    bool readParts(WorkbookProblem *problem);
    std::optional<QByteArray> entry(const QString &name, WorkbookProblem *problem) const;

    QByteArray m_bytes;
    std::map<QString, zip::Entry> m_entries;
    // An entry there but not readable (damaged, or inflating past the
    // limits): whatever read it fails with this.
    mutable std::optional<WorkbookProblem> m_broken;
    bool m_openDocument = false;
    QStringList m_sheets;
    QStringList m_sheetParts;          // .xlsx: each sheet's part; .ods: none
    std::vector<std::string> m_shared; // .xlsx: the shared strings
};

} // namespace workbook
