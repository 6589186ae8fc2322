// Workbooks read as cable schedules and written back: sheets made by a real
// spreadsheet (LibreOffice's .xlsx and .ods from tests/workbooks/panel.fods),
// one written by a program that does not calculate, each bad workbook
// refused in a line of its own, and the answer written into a workbook that
// LibreOffice then reads with every answer where it belongs.

#include "Schedule.h"
#include "ScheduleFile.h"
#include "SheetAnswers.h"
#include "TextEncoding.h"
#include "Workbook.h"
#include "WorkbookAnswers.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using workbook::NewCell;
using workbook::readWorkbookSchedule;
using workbook::SheetAnswers;
using workbook::WorkbookSchedule;

namespace {

QByteArray bytesOf(const char *name)
{
    QFile file(QStringLiteral(TORVANE_WORKBOOKS "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}

// A schedule read from a workbook, sized, and its answer written back.
QByteArray sizedWorkbook(const QByteArray &book, const QString &sheetName = {})
{
    QString error;
    const auto sheet = readWorkbookSchedule(book, sheetName, &error);
    if (!sheet)
        return {};
    const auto schedule =
        ampacity::sizing::sizeSchedule(sheet->text, {}, std::nullopt, sheet->linesWithoutValues);
    workbook::WorkbookAnswers answers(*sheet, schedule);
    for (const auto &row : schedule.rows)
        answers.addRow(schedule, row);
    return answers.bytes(&error).value_or(QByteArray());
}

// Every entry of a zip by name, inflated.
std::map<QString, QByteArray> entriesOf(const QByteArray &zip)
{
    std::map<QString, workbook::zip::Entry> directory;
    workbook::WorkbookProblem problem{};
    std::map<QString, QByteArray> entries;
    if (!workbook::zip::readDirectory(zip, directory, &problem))
        return entries;
    for (const auto &[name, entry] : directory)
        entries[name] = workbook::zip::inflateEntry(zip, entry, &problem).value_or("(unread)");
    return entries;
}

// Whether each entry's local header says what the central directory says
// of it (method, CRC, sizes), as a program reading the zip from its start
// finds it; entries whose sizes follow their data are left as they are.
bool localHeadersAgree(const QByteArray &zip)
{
    const auto at = [&](qsizetype offset, int bytes) {
        quint32 value = 0;
        for (int b = bytes - 1; b >= 0; --b)
            value = value << 8 | static_cast<unsigned char>(zip[offset + b]);
        return value;
    };
    const qsizetype end = zip.lastIndexOf(QByteArray("PK\x05\x06", 4));
    if (end < 0)
        return false;
    qsizetype central = at(end + 16, 4);
    for (quint32 entry = 0; entry < at(end + 10, 2); ++entry) {
        const qsizetype local = at(central + 42, 4);
        if (at(local, 4) != 0x04034b50)
            return false;
        const bool sizesAfter = at(local + 6, 2) & 0x0008;
        if (at(local + 8, 2) != at(central + 10, 2) ||
            (!sizesAfter && (at(local + 14, 4) != at(central + 16, 4) ||
                             at(local + 18, 4) != at(central + 20, 4) ||
                             at(local + 22, 4) != at(central + 24, 4))))
            return false;
        central += 46 + at(central + 28, 2) + at(central + 30, 2) + at(central + 32, 2);
    }
    return true;
}

QString sheetText(const QByteArray &book, const QString &sheetName = {})
{
    QString error;
    const auto sheet = readWorkbookSchedule(book, sheetName, &error);
    return sheet ? QString::fromStdString(sheet->text) : error;
}

} // namespace

class TestWorkbook : public QObject
{
    Q_OBJECT

private slots:
    void spreadsheetsGiveTheSameRows_data();
    void spreadsheetsGiveTheSameRows();
    void cellsAsTheSpreadsheetShowsThem();
    void sheetsByNameOrNumber();
    void badWorkbooksAreRefused_data();
    void badWorkbooksAreRefused();
    void aPartNamedTwiceIsRefused();
    void sheetsOtherProgramsWrite_data();
    void sheetsOtherProgramsWrite();
    void rowsRewrittenInPlace_data();
    void rowsRewrittenInPlace();
    void answersGoBackIntoTheWorkbook_data();
    void answersGoBackIntoTheWorkbook();
    void answersPastRepeatedRows();
    void spreadsheetReadsTheAnswerBack_data();
    void spreadsheetReadsTheAnswerBack();
    void editedCellsAndFormatsOnSave();
};

// Excel's format and LibreOffice's own, saved by LibreOffice from one
// sheet: the merged title, the bold heading, a boolean, a computed load
// kept to LibreOffice's 15 digits, a formula's value, a text "45,5", an
// error value, two empty rows and a second sheet.
void TestWorkbook::spreadsheetsGiveTheSameRows_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("xlsx") << QStringLiteral("panel.xlsx");
    QTest::newRow("ods") << QStringLiteral("panel.ods");
}

void TestWorkbook::spreadsheetsGiveTheSameRows()
{
    QFETCH(QString, file);
    QString error;
    const auto sheet = readWorkbookSchedule(bytesOf(qPrintable(file)), QString(), &error);
    QVERIFY2(sheet, qPrintable(error));
    QCOMPARE(sheet->sheet, QStringLiteral("Panel A"));
    // As Excel's "CSV UTF-8": a byte-order mark, then the rows.
    QVERIFY(sheet->text.starts_with("\xEF\xBB\xBF"));
    QCOMPARE(QString::fromStdString(sheet->text),
             QStringLiteral("\"Panel A — cable schedule, Dépanneur Tremblay\",,,,,\n"
                            "Circuit,Load (A),Length (m),Voltage,Continuous,Notes\n"
                            "P-1,15.5,30,120,FALSE,\"lights, \"\"east\"\" wing\"\n"
                            "P-2,72.1153846153846,,,,computed\n"
                            ",,,,,\n"
                            ",,,,,\n"
                            "P-3,31,45.5,240,no,#N/A\n"));
    QVERIFY(sheet->linesWithoutValues.empty());
    // Sized as any schedule: the title row above the heading, FALSE as no.
    const auto schedule = ampacity::sizing::sizeSchedule(sheet->text);
    QVERIFY(!schedule.error);
    QCOMPARE(schedule.titleText.substr(0, 8), std::string("\"Panel A"));
    QCOMPARE(schedule.rows.size(), std::size_t{5});
    QVERIFY(schedule.rows[0].sizing && !schedule.rows[0].problem);
    QCOMPARE(schedule.rows[0].line, 3);
}

// A workbook written without a spreadsheet: shared strings (rich text, a
// phonetic run left out), inline strings, booleans, an error, a long
// computed decimal as written, a number in exponent form, a text with a
// decimal comma, rows the file skips, and a formula with no value kept.
void TestWorkbook::cellsAsTheSpreadsheetShowsThem()
{
    QString error;
    const auto sheet = readWorkbookSchedule(bytesOf("uncalculated.xlsx"), QString(), &error);
    QVERIFY2(sheet, qPrintable(error));
    QCOMPARE(QString::fromStdString(sheet->text),
             QStringLiteral("Circuit,Load,Continuous,,Notes\n"
                            "P-1,72.11538461538461,FALSE,,#N/A\n"
                            ",,,,\n"
                            ",,,,\n"
                            "P-2,,,,P-2\n"
                            "P-3,15.5,TRUE,,0.001\n"));
    QCOMPARE(sheet->linesWithoutValues, std::vector<int>{5});
    const auto schedule =
        ampacity::sizing::sizeSchedule(sheet->text, {}, std::nullopt, sheet->linesWithoutValues);
    const auto &p2 = schedule.rows.at(3);
    QCOMPARE(p2.line, 5);
    QVERIFY(!p2.sizing && p2.problem);
    QCOMPARE(ampacity::sizing::describe(*p2.problem),
             std::string("a formula in this row has no value saved with it: open the workbook in "
                         "a spreadsheet and save it again"));
}

void TestWorkbook::sheetsByNameOrNumber()
{
    const QByteArray book = bytesOf("uncalculated.xlsx");
    QString error;
    for (const QString &notes : {QStringLiteral("Notes"), QStringLiteral("2")}) {
        const auto sheet = readWorkbookSchedule(book, notes, &error);
        QVERIFY2(sheet, qPrintable(error));
        QCOMPARE(sheet->sheet, QStringLiteral("Notes"));
        QCOMPARE(QString::fromStdString(sheet->text), QStringLiteral("Load\n20\n"));
    }
    QVERIFY(!readWorkbookSchedule(book, QStringLiteral("Panel B"), &error));
    QCOMPARE(error, QStringLiteral("no sheet is named so: its sheets are Schedule, Notes"));
    QVERIFY(!readWorkbookSchedule(bytesOf("panel.ods"), QStringLiteral("3"), &error));
    QCOMPARE(error, QStringLiteral("no sheet is named so: its sheets are Panel A, Notes"));
}

void TestWorkbook::badWorkbooksAreRefused_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("error");
    QTest::newRow("encrypted") << "encrypted.xlsx"
                               << "this workbook is encrypted: save it without a password first";
    QTest::newRow("Excel 97-2003") << "legacy.xls"
                                   << "this is an Excel 97-2003 workbook (.xls): save it as .xlsx "
                                      "or CSV first (Excel: File, Save As, \"Excel Workbook "
                                      "(*.xlsx)\"; LibreOffice Calc: File, Save As, \"Excel "
                                      "2007-365 (.xlsx)\")";
    QTest::newRow("a letter") << "letter.docx"
                              << "this zip file is not a spreadsheet's workbook (.xlsx or .ods)";
    QTest::newRow("cut short") << "truncated.xlsx"
                               << "this workbook is damaged or cut short: it cannot be read";
    QTest::newRow("a zip bomb")
        << "bomb.xlsx"
        << "this workbook holds a part that would inflate beyond what a schedule needs (more "
           "than 1 GB, or 100 times its size): it is not read";
    // A zip that declares 4 kB for a part of 200 MB: inflated no further
    // than the limits, whatever it declares.
    QTest::newRow("a zip bomb lying about its size")
        << "lying-bomb.xlsx"
        << "this workbook holds a part that would inflate beyond what a schedule needs (more "
           "than 1 GB, or 100 times its size): it is not read";
    QTest::newRow("a document type")
        << "doctype.xlsx"
        << "this workbook's XML declares a document type, which no spreadsheet writes: it is "
           "not read";
}

void TestWorkbook::badWorkbooksAreRefused()
{
    QFETCH(QString, file);
    QFETCH(QString, error);
    const QByteArray bytes = bytesOf(qPrintable(file));
    QVERIFY(!bytes.isEmpty());
    QVERIFY(ampacity::sizing::isWorkbook(bytes.left(8).toStdString()));
    QString said;
    QVERIFY(!readWorkbookSchedule(bytes, QString(), &said));
    QCOMPARE(said, error);
}

// A zip naming a part twice (the second sheet renamed as the first, in its
// local header and in the directory): which one is the sheet? Refused, so
// that the answer never goes into the other.
void TestWorkbook::aPartNamedTwiceIsRefused()
{
    QByteArray twice = bytesOf("panel.xlsx");
    QCOMPARE(twice.count("xl/worksheets/sheet2.xml"), 2);
    twice.replace("xl/worksheets/sheet2.xml", "xl/worksheets/sheet1.xml");
    QString said;
    QVERIFY(!readWorkbookSchedule(twice, QString(), &said));
    QCOMPARE(said, QStringLiteral("this workbook is damaged or cut short: it cannot be read"));
}

// Sheets as other programs may write them, each in a workbook of
// LibreOffice's with its sheet's part replaced: entities and character
// references, cells without references, an .ods cell's note (not its
// text), blanks, tabs and paragraphs; rows out of order, a document type
// and a part cut short refused.
void TestWorkbook::sheetsOtherProgramsWrite_data()
{
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected"); // the schedule's text, or the problem
    const QString sheet = QStringLiteral("<worksheet><sheetData>%1</sheetData></worksheet>");
    QTest::newRow("entities")
        << "panel.xlsx"
        << sheet.arg("<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>Load &amp; "
                     "&lt;notes&gt; &#233;&#x2014;</t></is></c></row><row r=\"2\"><c "
                     "r=\"A2\"><v>15</v></c></row>")
        << QStringLiteral("Load & <notes> é—\n15\n");
    QTest::newRow("no references")
        << "panel.xlsx"
        << sheet.arg("<row><c t=\"inlineStr\"><is><t>a</t></is></c><c><v>2</v></c></row>"
                     "<row><c t=\"b\"><v>1</v></c></row>")
        << QStringLiteral("a,2\nTRUE,\n");
    QTest::newRow("rows out of order")
        << "panel.xlsx"
        << sheet.arg("<row r=\"3\"><c r=\"A3\"><v>1</v></c></row><row r=\"2\"><c "
                     "r=\"A2\"><v>2</v></c></row>")
        << QStringLiteral("this workbook is damaged or cut short: it cannot be read");
    // Row numbers and references a spreadsheet never writes: refused, as
    // the writer could not tell which row or column they stand for.
    const QString damaged =
        QStringLiteral("this workbook is damaged or cut short: it cannot be read");
    const QString tooLarge =
        QStringLiteral("this sheet holds more than a schedule can (beyond 1,048,576 rows, 16,384 "
                       "columns or 256 MB of text): it is not read");
    const QString oneCell = QStringLiteral("<row r=\"%1\"><c r=\"%2\"><v>1</v></c></row>");
    for (const auto &[row, cell] : std::initializer_list<std::pair<const char *, const char *>>{
             {"", "A1"},
             {"2x", "A2"},
             {"0", "A1"},
             {"1048577", "A1048577"},
             {"1", "A0"},
             {"1", "a1"},
             {"1", "1"},
             {"1", "XFE1"},
             {"1", "AAAA1"}})
        QTest::newRow(qPrintable(QStringLiteral("row \"%1\", cell \"%2\"").arg(row, cell)))
            << "panel.xlsx" << sheet.arg(oneCell.arg(row, cell)) << damaged;
    // Tags the reader and the writer could take differently.
    for (const char *rows : {
             "<row r=\"1\"><c r=\"A1\"><v>1</v></c><row></row r=\"2\"></row>",
             "<row r=\"1\"><c r=\"A1\"><v>1</v></c r=\"A1\"></row>",
             "<row r=\"1\" r=\"2\"><c r=\"A1\"><v>1</v></c></row>",
             "<row r=\"1\"spans=\"1:1\"><c r=\"A1\"><v>1</v></c></row>",
             "<row r=1><c r=\"A1\"><v>1</v></c></row>",
             "<row r=\"1\"><c r=\"A1\"><v>1</v></c><row r=\"2\"/></row>",
         })
        QTest::newRow(rows) << "panel.xlsx" << sheet.arg(rows) << damaged;
    QTest::newRow("the last row")
        << "panel.xlsx" << sheet.arg(oneCell.arg("1048576", "B1048576"))
        << QStringLiteral(",\n").repeated(1048575) + ",1\n";
    QTest::newRow("the last column") << "panel.xlsx" << sheet.arg(oneCell.arg("1", "XFD1"))
                                     << QStringLiteral(",").repeated(16383) + "1\n";
    // Two cells a million rows and sixteen thousand columns apart: 17 GB of
    // commas, refused before any is made.
    QTest::newRow("a sheet of empty cells")
        << "panel.xlsx"
        << sheet.arg(oneCell.arg("1", "XFD1") + oneCell.arg("1048576", "A1048576")) << tooLarge;
    QTest::newRow("cut short") << "panel.xlsx"
                               << "<worksheet><sheetData><row r=\"1\"><c r=\"A1\"><v>1</v>"
                               << QStringLiteral("this workbook is damaged or cut short: it "
                                                 "cannot be read");
    QTest::newRow("document type")
        << "panel.xlsx"
        << "<?xml version=\"1.0\"?><!DOCTYPE w [<!ENTITY e \"x\">]>" + sheet.arg(QString())
        << QStringLiteral("this workbook's XML declares a document type, which no spreadsheet "
                          "writes: it is not read");
    const QString content =
        QStringLiteral("<office:document-content><office:body><office:spreadsheet><table:table "
                       "table:name=\"S\"><table:table-row>%1</table:table-row></table:table>"
                       "</office:spreadsheet></office:body></office:document-content>");
    QTest::newRow("ods note")
        << "panel.ods"
        << content.arg("<table:table-cell office:value-type=\"string\"><office:annotation>"
                       "<text:p>a note</text:p></office:annotation><text:p>P-1</text:p>"
                       "</table:table-cell>")
        << QStringLiteral("P-1\n");
    QTest::newRow("ods blanks, tabs and paragraphs")
        << "panel.ods"
        << content.arg("<table:table-cell office:value-type=\"string\"><text:p>a<text:s "
                       "text:c=\"2\"/>b<text:tab/><text:span>c</text:span></text:p><text:p>d"
                       "</text:p></table:table-cell><table:table-cell "
                       "table:number-columns-repeated=\"2\" office:value-type=\"float\" "
                       "office:value=\"1E-3\"/>")
        << QStringLiteral("\"a  b\tc\nd\",0.001,0.001\n");
    // Repeated rows and cells stand for every one they repeat, as the
    // writer counts them: a row after them is the row it is.
    const QString content2 = QStringLiteral(
        "<office:document-content><office:body><office:spreadsheet><table:table "
        "table:name=\"S\">%1</table:table></office:spreadsheet></office:body>"
        "</office:document-content>");
    const QString textCell =
        QStringLiteral("<table:table-cell %1 office:value-type=\"string\"><text:p>%2</text:p>"
                       "</table:table-cell>");
    QTest::newRow("ods rows and cells repeated past a thousand")
        << "panel.ods"
        << content2.arg("<table:table-row table:number-rows-repeated=\"1500\">" +
                        textCell.arg("table:number-columns-repeated=\"1100\"", "x") +
                        "</table:table-row><table:table-row>" + textCell.arg(QString(), "y") +
                        "</table:table-row>")
        << (QStringLiteral("x,").repeated(1099) + "x\n").repeated(1500) + "y" +
               QStringLiteral(",").repeated(1099) + "\n";
    QTest::newRow("ods a row within a row")
        << "panel.ods"
        << content2.arg("<table:table-row>" + textCell.arg(QString(), "x") +
                        "<table:table-row/></table:table-row>")
        << damaged;
    QTest::newRow("ods cells repeated into billions")
        << "panel.ods"
        << content2.arg("<table:table-row table:number-rows-repeated=\"1048576\">" +
                        textCell.arg("table:number-columns-repeated=\"16384\"", "x") +
                        "</table:table-row>")
        << tooLarge;
    QTest::newRow("ods a row past the last")
        << "panel.ods"
        << content2.arg("<table:table-row table:number-rows-repeated=\"1048576\"/>"
                        "<table:table-row>" + textCell.arg(QString(), "y") + "</table:table-row>")
        << tooLarge;
}

void TestWorkbook::sheetsOtherProgramsWrite()
{
    QFETCH(QString, book);
    QFETCH(QString, xml);
    QFETCH(QString, expected);
    const QString part = book.endsWith(QLatin1String(".ods"))
                             ? QStringLiteral("content.xml")
                             : QStringLiteral("xl/worksheets/sheet1.xml");
    const QByteArray text = xml.toUtf8();
    const auto written =
        workbook::zip::withEntryReplaced(bytesOf(qPrintable(book)), part, [&](const auto &write) {
            write(std::string_view(text.constData(), static_cast<std::size_t>(text.size())));
            return true;
        });
    QVERIFY(written);
    QString read = sheetText(*written);
    read.remove(QChar(0xFEFF)); // the byte-order mark
    QCOMPARE(read, expected);
}

// The sheet's XML with only the rows that change written again: the answer
// after the heading's last column in its style, an earlier answer and a
// styled empty cell replaced, the row's extension list kept after its
// cells, a row the file skips made for an edited cell, the used range
// widened (.xlsx); rows and cells repeated by a count split
// where the answer goes, the others left together (.ods).
void TestWorkbook::rowsRewrittenInPlace_data()
{
    QTest::addColumn<bool>("openDocument");
    QTest::addColumn<QString>("xml");
    QTest::addColumn<QString>("expected");
    const QString xlsxRows = QStringLiteral(
        "<row r=\"1\" spans=\"1:3\"><c r=\"A1\" s=\"2\" t=\"s\"><v>0</v></c>"
        "<c r=\"B1\" s=\"2\" t=\"s\"><v>1</v></c><c r=\"C1\" s=\"5\"/></row>"
        "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\"><v>15</v></c>"
        "<c r=\"C2\"><v>99</v></c><c r=\"D2\" s=\"7\"/><extLst><ext/></extLst></row>");
    QTest::newRow("xlsx")
        << false
        << "<worksheet><dimension ref=\"A1:C2\"/><sheetData>" + xlsxRows +
               "</sheetData><pageMargins/></worksheet>"
        << "<worksheet><dimension ref=\"A1:D4\"/><sheetData>"
           "<row r=\"1\" spans=\"1:4\"><c r=\"A1\" s=\"2\" t=\"s\"><v>0</v></c>"
           "<c r=\"B1\" s=\"2\" t=\"s\"><v>1</v></c>"
           "<c r=\"C1\" s=\"2\" t=\"inlineStr\"><is><t>size</t></is></c>"
           "<c r=\"D1\" s=\"2\" t=\"inlineStr\"><is><t>problem &amp; more</t></is></c></row>"
           "<row r=\"2\"><c r=\"A2\" t=\"s\"><v>2</v></c><c r=\"B2\"><v>15</v></c>"
           "<c r=\"C2\" t=\"inlineStr\"><is><t>12 AWG</t></is></c><extLst><ext/></extLst></row>"
           "<row r=\"4\"><c r=\"B4\"><v>20.5</v></c></row>"
           "</sheetData><pageMargins/></worksheet>";
    const QString cell =
        QStringLiteral("<table:table-cell office:value-type=\"float\" "
                       "office:value=\"10\"><text:p>10</text:p></table:table-cell>");
    const QString size = QStringLiteral("<table:table-cell office:value-type=\"float\" "
                                        "office:value=\"6\"><text:p>6</text:p></table:table-cell>");
    QTest::newRow("ods")
        << true
        << "<office:spreadsheet><table:table table:name=\"S\"><table:table-column/>"
           "<table:table-row><table:table-cell table:style-name=\"ce1\" "
           "office:value-type=\"string\"><text:p>Load</text:p></table:table-cell>"
           "<table:table-cell table:number-columns-repeated=\"1023\"/></table:table-row>"
           "<table:table-row table:number-rows-repeated=\"3\">" +
               cell +
               "<table:table-cell table:number-columns-repeated=\"1023\"/></table:table-row>"
               "<table:table-row table:number-rows-repeated=\"1048572\">"
               "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
               "</table:table></office:spreadsheet>"
        << "<office:spreadsheet><table:table table:name=\"S\"><table:table-column/>"
           "<table:table-row><table:table-cell table:style-name=\"ce1\" "
           "office:value-type=\"string\"><text:p>Load</text:p></table:table-cell>"
           "<table:table-cell table:style-name=\"ce1\" office:value-type=\"string\">"
           "<text:p>size</text:p></table:table-cell><table:table-cell table:style-name=\"ce1\" "
           "office:value-type=\"string\"><text:p>problem &amp; more</text:p></table:table-cell>"
           "<table:table-cell table:number-columns-repeated=\"1021\"/></table:table-row>"
           "<table:table-row>" +
               cell + size +
               "<table:table-cell/><table:table-cell table:number-columns-repeated=\"1021\"/>"
               "</table:table-row><table:table-row>" +
               cell +
               "<table:table-cell table:number-columns-repeated=\"1023\"/></table:table-row>"
               "<table:table-row>" +
               cell +
               "<table:table-cell office:value-type=\"string\"><text:p><text:s/>two"
               "<text:s text:c=\"2\"/>blanks</text:p></table:table-cell><table:table-cell/>"
               "<table:table-cell table:number-columns-repeated=\"1021\"/></table:table-row>"
               "<table:table-row table:number-rows-repeated=\"1048572\">"
               "<table:table-cell table:number-columns-repeated=\"1024\"/></table:table-row>"
               "</table:table></office:spreadsheet>";
}

void TestWorkbook::rowsRewrittenInPlace()
{
    QFETCH(bool, openDocument);
    QFETCH(QString, xml);
    QFETCH(QString, expected);
    const std::size_t firstColumn = openDocument ? 1 : 2;
    SheetAnswers answers(openDocument ? SheetAnswers::Format::Ods : SheetAnswers::Format::Xlsx, 0,
                         firstColumn, 2);
    answers.setHeading({"size", "problem & more"});
    const std::vector<NewCell> first{{openDocument ? "6" : "12 AWG", openDocument}, {"", false}};
    answers.setAnswer(1, first);
    if (openDocument)
        answers.setAnswer(3, std::vector<NewCell>{{" two  blanks", false}});
    else
        answers.setCell(3, 1, {"20.5", true});
    const auto written = answers.rewrite(xml.toStdString());
    QVERIFY(written);
    QCOMPARE(QString::fromStdString(*written), expected);
}

// A styled workbook (merged title, bold heading, column widths, a formula,
// a second sheet) sized and written back: every zip entry but the sheet's
// byte for byte, the user's cells as they were, the answer after them;
// sized again, it comes out the same.
void TestWorkbook::answersGoBackIntoTheWorkbook_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("sheetPart");
    QTest::newRow("xlsx") << QStringLiteral("panel.xlsx")
                          << QStringLiteral("xl/worksheets/sheet1.xml");
    QTest::newRow("ods") << QStringLiteral("panel.ods") << QStringLiteral("content.xml");
}

void TestWorkbook::answersGoBackIntoTheWorkbook()
{
    QFETCH(QString, file);
    QFETCH(QString, sheetPart);
    const QByteArray original = bytesOf(qPrintable(file));
    const QByteArray sized = sizedWorkbook(original);
    QVERIFY(!sized.isEmpty());

    auto before = entriesOf(original);
    auto after = entriesOf(sized);
    QVERIFY(before.count(sheetPart) && after.count(sheetPart));
    QVERIFY(before[sheetPart] != after[sheetPart]);
    before.erase(sheetPart);
    after.erase(sheetPart);
    QVERIFY(before == after);
    // The mimetype first and stored, as OpenDocument asks; the zip the same
    // read from its start as from its directory.
    QCOMPARE(sized.mid(30, 8), original.mid(30, 8));
    QVERIFY(localHeadersAgree(original));
    QVERIFY(localHeadersAgree(sized));

    const QStringList read = sheetText(sized).split(QLatin1Char('\n'));
    const QStringList was = sheetText(original).split(QLatin1Char('\n'));
    QCOMPARE(read.size(), was.size());
    for (int line = 1; line < was.size() - 1; ++line)
        QVERIFY2(read[line].startsWith(was[line] + QLatin1Char(',')), qPrintable(read[line]));
    QVERIFY2(read[1].endsWith(QLatin1String(",Notes,size,table,table_ampacity,corrected_ampacity,"
                                            "ambient_factor,count_factor,tables,terminations,"
                                            "usable_ampacity,drop_volts,drop_percent,governed_by,"
                                            "size_for_ampacity,breaker_rating,breaker_chosen,"
                                            "max_breaker,parallel_sets,bonding,bonding_material,"
                                            "motor_current,motor_current_from,overload_max,"
                                            "raceway_size,raceway_fill,raceway_wire,problem")),
             qPrintable(read[1]));
    QVERIFY2(read[2].contains(QLatin1String(",8 AWG,2,40,40,1,1,,60,40,2.36,1.97,voltage drop,")),
             qPrintable(read[2]));
    QCOMPARE(read[4], QString(read[4].size(), QLatin1Char(','))); // a blank row stays blank
    QCOMPARE(sizedWorkbook(sized), sized);
    // The second sheet as it was.
    QCOMPARE(sheetText(sized, QStringLiteral("Notes")),
             sheetText(original, QStringLiteral("Notes")));
}

// LibreOffice opens the written workbook: each answer in its column,
// numbers as numbers, texts as texts.
// A row a spreadsheet repeats a thousand times and more (a template's
// filled-down row), then a circuit: each takes its own answer, and the
// circuit after them is sized on its own row.
void TestWorkbook::answersPastRepeatedRows()
{
    const QString cell = QStringLiteral("<table:table-cell office:value-type=\"%1\" "
                                        "office:value=\"%2\"><text:p>%2</text:p>"
                                        "</table:table-cell>");
    const auto row = [&](const QString &circuit, int load, const QString &repeat = {}) {
        return "<table:table-row " + repeat + ">" + cell.arg("string", circuit) +
               cell.arg("float").arg(load) + "</table:table-row>";
    };
    const QByteArray content =
        ("<office:document-content><office:body><office:spreadsheet><table:table "
         "table:name=\"S\"><table:table-row>" +
         cell.arg("string", "Circuit") + cell.arg("string", "Load") + "</table:table-row>" +
         row("P", 10, "table:number-rows-repeated=\"1100\"") + row("Q", 40) +
         "</table:table></office:spreadsheet></office:body></office:document-content>")
            .toUtf8();
    const auto book = workbook::zip::withEntryReplaced(
        bytesOf("panel.ods"), QStringLiteral("content.xml"), [&](const auto &write) {
            write(std::string_view(content.constData(), static_cast<std::size_t>(content.size())));
            return true;
        });
    QVERIFY(book);
    const QStringList read = sheetText(sizedWorkbook(*book)).split(QLatin1Char('\n'));
    QCOMPARE(read.size(), 1 + 1100 + 1 + 1); // and the empty line after the last
    QVERIFY2(read[1].startsWith(QLatin1String("P,10,14 AWG,")), qPrintable(read[1]));
    QCOMPARE(read.count(read[1]), 1100);
    QVERIFY2(read[1101].startsWith(QLatin1String("Q,40,6 AWG,")), qPrintable(read[1101]));
}

void TestWorkbook::spreadsheetReadsTheAnswerBack_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("xlsx") << QStringLiteral("panel.xlsx");
    QTest::newRow("ods") << QStringLiteral("panel.ods");
}

void TestWorkbook::spreadsheetReadsTheAnswerBack()
{
    const QString office = QStandardPaths::findExecutable(QStringLiteral("soffice"));
    if (office.isEmpty())
        QSKIP("LibreOffice (soffice) reopens the workbooks where it is installed");
    QFETCH(QString, file);
    QTemporaryDir folder;
    const QString written = folder.filePath(QStringLiteral("sized.") + QFileInfo(file).suffix());
    QFile out(written);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(sizedWorkbook(bytesOf(qPrintable(file))));
    out.close();
    QProcess convert;
    convert.setWorkingDirectory(folder.path());
    // A profile of its own, so that a LibreOffice the user has open is not disturbed.
    convert.start(office,
                  {QStringLiteral("-env:UserInstallation=file://") + folder.filePath("profile"),
                   QStringLiteral("--headless"), QStringLiteral("--convert-to"),
                   QStringLiteral("fods"), QStringLiteral("--outdir"), folder.path(), written});
    QVERIFY(convert.waitForFinished(180000));
    QFile flat(folder.filePath(QStringLiteral("sized.fods")));
    QVERIFY2(flat.open(QIODevice::ReadOnly), convert.readAllStandardError().constData());
    const QString xml =
        QString::fromUtf8(flat.readAll())
            .replace(QRegularExpression(QStringLiteral(">\\s+<")), QStringLiteral("><"));
    // The new heading in the heading's own style (bold); P-1's 8 AWG a
    // text, its 2.36 V of drop a number.
    const auto cellOf = [&](const QString &text) {
        const QRegularExpression cell(QStringLiteral("<table:table-cell([^>]*)><text:p>") +
                                      QRegularExpression::escape(text) +
                                      QStringLiteral("</text:p>"));
        return cell.match(xml).captured(1);
    };
    QVERIFY(!cellOf(QStringLiteral("Notes")).isEmpty());
    QCOMPARE(cellOf(QStringLiteral("drop_volts")), cellOf(QStringLiteral("Notes")));
    QCOMPARE(cellOf(QStringLiteral("8 AWG")),
             QStringLiteral(" office:value-type=\"string\" calcext:value-type=\"string\""));
    QCOMPARE(cellOf(QStringLiteral("2.36")),
             QStringLiteral(" office:value-type=\"float\" office:value=\"2.36\" "
                            "calcext:value-type=\"float\""));
    QCOMPARE(cellOf(QStringLiteral("lights, &quot;east&quot; wing")),
             QStringLiteral(" office:value-type=\"string\" calcext:value-type=\"string\""));
}

// The schedule file as the window keeps it: an edited cell goes back into
// the workbook (a number as a number), which reads again with it; Save in
// the workbook's other format is refused, CSV is written as CSV, and a CSV
// schedule is never written under a workbook's name.
void TestWorkbook::editedCellsAndFormatsOnSave()
{
    QTemporaryDir folder;
    const QString book = folder.filePath(QStringLiteral("panel.xlsx"));
    QVERIFY(QFile::copy(QStringLiteral(TORVANE_WORKBOOKS "/panel.xlsx"), book));
    ScheduleFile file;
    QVERIFY2(file.load(book), qPrintable(file.errorString()));
    QCOMPARE(file.workbookSuffix(), QStringLiteral("xlsx"));
    file.setCell(0, 1, "40,5"); // P-1's load, with a decimal comma
    QVERIFY2(file.save(book), qPrintable(file.errorString()));
    QVERIFY(file.isFromWorkbook());
    QFile saved(book);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QStringList lines = sheetText(saved.readAll()).split(QLatin1Char('\n'));
    QVERIFY2(lines[2].startsWith(QLatin1String("P-1,40.5,30,120,FALSE,")), qPrintable(lines[2]));
    QVERIFY2(lines[2].contains(QLatin1String(",6 AWG,")), qPrintable(lines[2]));

    QVERIFY(!file.save(folder.filePath(QStringLiteral("panel.ods"))));
    QCOMPARE(file.errorString(), QStringLiteral("the schedule came from a .xlsx workbook: save it "
                                                "as .xlsx, or as CSV under a .csv name"));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("panel.ods"))));
    const QString csv = folder.filePath(QStringLiteral("panel.csv"));
    QVERIFY(file.save(csv));
    QVERIFY(!file.isFromWorkbook());
    QVERIFY(!file.save(folder.filePath(QStringLiteral("again.xlsx"))));
    QCOMPARE(file.errorString(),
             QStringLiteral("a CSV schedule is saved as CSV: give a .csv name"));
}

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
