#pragma once

#include <QString>

class QIODevice;
class QTextDocument;
class ScheduleFile;

// The report of a sized schedule, for a designer to attach to the drawings:
// the file, the date, the program's version and the Code's edition, the
// values used for empty cells, how each rule is applied, and every circuit
// with its inputs and its answer, on numbered pages, in the user's language.
// Needs a QGuiApplication (fonts), not a display.
namespace schedulereport {

// The report as HTML, one document of every page.
QString reportHtml(const ScheduleFile &file);

// Moves each heading (h3) that a page break would leave alone at the foot
// of a page to the top of the next, with what it heads: the paragraph
// after it, or the first rows of the table after it. The document is laid
// out on its pages already.
void keepHeadingsWithWhatFollows(QTextDocument &document);

// The report as a PDF into a device; false, with the reason in `error`,
// when it cannot be drawn.
bool drawReport(const ScheduleFile &file, QIODevice &output, QString *error);

// The report as a PDF file; false, with the reason in `error`, when it
// cannot be written (the file is whole or not there). A device or a pipe is
// written to directly.
bool writeReport(const ScheduleFile &file, const QString &pdfPath, QString *error);

} // namespace schedulereport
