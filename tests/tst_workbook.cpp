// Workbooks read as cable schedules: sheets made by a real spreadsheet
// (LibreOffice's .xlsx and .ods from tests/workbooks/panel.fods), one
// written by a program that does not calculate, and each bad workbook
// refused in a line of its own.

#include "Schedule.h"
#include "TextEncoding.h"
#include "Workbook.h"

#include <QFile>
#include <QTest>

using workbook::readWorkbookSchedule;

namespace {

QByteArray bytesOf(const char *name)
{
    QFile file(QStringLiteral(TORVANE_WORKBOOKS "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
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

QTEST_GUILESS_MAIN(TestWorkbook)
#include "tst_workbook.moc"
