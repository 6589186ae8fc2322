#pragma once

#include <QString>
#include <QStringList>

namespace workbook {

// What can be wrong with a workbook, each a line the user reads.
enum class WorkbookProblem
{
    Encrypted,     // a compound document holding an encrypted workbook
    LegacyExcel,   // a compound document: Excel 97-2003's .xls
    NotAWorkbook,  // a zip of something else (a .docx)
    Corrupt,       // a zip that does not read, or a part missing
    TooLarge,      // an entry inflating beyond 1 GB, or 100 times its size past 10 MB
    SheetTooLarge, // a sheet past 1,048,576 rows, 16,384 columns or 256 MB of text
    DocumentType,  // XML with a document type declaration
    SheetNotFound, // --sheet names no sheet (the names are given)
};

// The problem in a line, in the user's language (context "Workbook"); the
// sheets named where one was not found.
QString problemText(WorkbookProblem problem, const QStringList &sheets = {});

} // namespace workbook
