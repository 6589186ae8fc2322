#include "Csv.h"
#include "ScheduleFile.h"
#include "ScheduleModel.h"
#include "ScheduleReport.h"
#include "ScheduleSortProxy.h"
#include "ScheduleWindow.h"
#include "WindowTestFixture.h"
#include "Workbook.h"

#include <QAbstractTextDocumentLayout>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <QUrl>

#include <functional>
#include <memory>

using namespace windowtest;
using ampacity::sizing::ConditionFields;
using ampacity::sizing::ConditionTexts;

// The schedule window as a designer uses it: a file opened and every circuit
// sized as the command line sizes it, cells and defaults changed, the file
// saved back as it came, the report, and the ways in from the strip.
class TestScheduleWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void showsEveryRowWithTheCommandLinesAnswer();
    void editedCellResizesItsRow();
    void changedDefaultResizesTheRowsThatTakeIt();
    void sortsNumbersAsNumbersAndFiltersProblems();
    void sortsAnswersByWhatTheyMean();
    void frenchExcelFileIsSavedAsItCame();
    void unsavedEditsAskBeforeClosing();
    void oneWindowPerFileAndBadFilesRefused();
    void keyboardSavesAndCloses();
    void tabGoesThroughEverything();
    void reportNamesEveryCircuit();
    void motorsShowTheirCurrent();
    void racewaysShowBesideBonding();
    void workbooksOpenAndSaveBack();
    void reportHeadingsStayWithTheirTables();
    void stripMenuAndDropOpenSchedules();

private:
    QString writeFile(const QString &name, const QByteArray &bytes);
    ScheduleWindow *open(const QString &path);
    QString cell(ScheduleWindow *window, int row, int column) const;
    int columnOf(ScheduleWindow *window, const QString &header) const;
    // The window's report written to the folder under `name`, as its text.
    QString reportText(ScheduleWindow *window, const QString &name);

    QTemporaryDir m_folder;
    QString m_sample;
};

namespace {

// A kitchen-to-rooftop panel: drops that govern, terminations, a bad load,
// a blank line and a spare.
const QByteArray SampleSchedule = "Circuit,Load (A),Material,Insulation,Ambient,Conductors,"
                                  "Length,Voltage,System,Notes\r\n"
                                  "P1-1,16,,,,,12,120,1ph,Receptacles\r\n"
                                  "P1-3,24,,75,,,35,120,1ph,Dishwasher\r\n"
                                  "P1-5,40,cu,90,40,,,,,Range\r\n"
                                  "P1-7,95,,,,4,60,208,3ph,Rooftop unit\r\n"
                                  "P1-9,150,al,75,,,,,,Feeder\r\n"
                                  "P1-11,9,,,,,,,,Lights\r\n"
                                  "P1-13,abc,,,,,,,,Typo\r\n"
                                  ",,,,,,,,,\r\n"
                                  "P1-15,600,,60,60,,,,,Service\r\n";

// Answers the next message box or file dialog that opens, once it is up.
void answerNextDialog(std::function<void(QWidget *)> answer)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, answer] {
        if (QWidget *dialog = QApplication::activeModalWidget()) {
            timer->stop();
            timer->deleteLater();
            answer(dialog);
        }
    });
    timer->start();
}

void pressButton(QWidget *dialog, QMessageBox::StandardButton which)
{
    auto *box = qobject_cast<QMessageBox *>(dialog);
    QVERIFY(box);
    box->button(which)->click();
}

QByteArray contentsOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void TestScheduleWindow::initTestCase()
{
    QVERIFY(m_folder.isValid());
    m_sample = writeFile(QStringLiteral("panel.csv"), SampleSchedule);
}

void TestScheduleWindow::cleanup()
{
    // Each test leaves no window behind, asked or not.
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (auto *window = qobject_cast<ScheduleWindow *>(widget)) {
            window->setWindowModified(false);
            window->close();
        }
    QTRY_VERIFY(!ScheduleWindow::windowOf(m_sample));
    ScheduleWindow::setFileChooser({});
}

QString TestScheduleWindow::writeFile(const QString &name, const QByteArray &bytes)
{
    const QString path = m_folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qWarning("cannot write %s", qPrintable(path));
    return path;
}

QString TestScheduleWindow::reportText(ScheduleWindow *window, const QString &name)
{
    const QString pdf = m_folder.filePath(name);
    QString error;
    if (!schedulereport::writeReport(window->model()->file(), pdf, &error))
        return error;
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    text.waitForFinished(20000);
    return QString::fromUtf8(text.readAllStandardOutput());
}

ScheduleWindow *TestScheduleWindow::open(const QString &path)
{
    ScheduleWindow *window = ScheduleWindow::openSchedule(path);
    if (window && !QTest::qWaitForWindowExposed(window))
        qWarning("the schedule window did not show");
    return window;
}

QString TestScheduleWindow::cell(ScheduleWindow *window, int row, int column) const
{
    return window->rows()->index(row, column).data().toString();
}

int TestScheduleWindow::columnOf(ScheduleWindow *window, const QString &header) const
{
    for (int c = 0; c < window->rows()->columnCount(); ++c)
        if (window->rows()->headerData(c, Qt::Horizontal).toString() == header)
            return c;
    return -1;
}

// Every row of the file is a row of the table, with the answer the command
// line gives for the same file: its size, what governed, what it carries,
// its drop, or its problem.
void TestScheduleWindow::showsEveryRowWithTheCommandLinesAnswer()
{
    QProcess program;
    program.start(QStringLiteral(TORVANE_PROGRAM),
                  {QStringLiteral("size"), QStringLiteral("--schedule"), m_sample});
    QVERIFY(program.waitForFinished(20000));
    QCOMPARE(program.exitCode(), 1); // a bad load and an ambient above the table
    ampacity::sizing::CsvReader csv;
    csv.append(program.readAllStandardOutput().toStdString());
    csv.close();
    const auto header = csv.next();
    QVERIFY(header);
    const auto answer = [&](const std::string &name) {
        const auto found = std::find(header->cells.begin(), header->cells.end(), name);
        return static_cast<std::size_t>(found - header->cells.begin());
    };

    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("panel.csv[*] — Torvane"));
    QCOMPARE(window->rows()->rowCount(), 9);
    const int size = columnOf(window, QStringLiteral("Size"));
    const int governed = columnOf(window, QStringLiteral("Governed by"));
    const int usable = columnOf(window, QStringLiteral("Usable ampacity"));
    const int drop = columnOf(window, QStringLiteral("Voltage drop %"));
    const int problem = columnOf(window, QStringLiteral("Problem"));
    const int sets = columnOf(window, QStringLiteral("Sets"));
    const int breaker = columnOf(window, QStringLiteral("Breaker"));
    const int bonding = columnOf(window, QStringLiteral("Bonding"));
    QCOMPARE(size, 10);       // after the file's ten columns, as they are
    QCOMPARE(sets, size + 1); // Sets, Breaker and Bonding beside Size
    QCOMPARE(breaker, size + 2);
    QCOMPARE(bonding, size + 3);
    QCOMPARE(window->rows()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Load (A)"));
    const QMap<QString, QString> governing{{"ampacity", "Ampacity"},
                                           {"termination", "Terminations"},
                                           {"continuous load", "Continuous load"},
                                           {"protection", "Protection"},
                                           {"voltage drop", "Voltage drop"}};
    for (int row = 0; row < 9; ++row) {
        const auto line = csv.next();
        QVERIFY(line);
        const auto text = [&](const char *name) {
            return QString::fromStdString(line->cells.at(answer(name)));
        };
        const QString what = QStringLiteral("row %1").arg(row);
        QCOMPARE(cell(window, row, 0), QString::fromStdString(line->cells[0]));
        QCOMPARE(cell(window, row, size), text("size"));
        QCOMPARE(cell(window, row, governed), governing.value(text("governed_by")));
        QCOMPARE(cell(window, row, usable),
                 text("usable_ampacity").isEmpty() ? QString() : text("usable_ampacity") + " A");
        QCOMPARE(cell(window, row, drop), text("drop_percent"));
        QCOMPARE(cell(window, row, sets), text("parallel_sets"));
        const QString rating =
            text("breaker_rating").isEmpty() ? QString() : text("breaker_rating") + " A";
        QCOMPARE(cell(window, row, breaker),
                 text("breaker_chosen") == QLatin1String("yes") ? rating + " (chosen)" : rating);
        QCOMPARE(cell(window, row, bonding),
                 text("bonding").isEmpty()
                     ? QString()
                     : text("bonding") +
                           (text("bonding_material") == QLatin1String("cu") ? " Cu" : " Al"));
        QCOMPARE(cell(window, row, problem), text("problem"));
        // A problem says so with an icon too, in its cell and its row's header.
        const bool hasProblem = !text("problem").isEmpty();
        QCOMPARE(!window->rows()->index(row, problem).data(Qt::DecorationRole).isNull(),
                 hasProblem);
        QCOMPARE(!window->rows()->headerData(row, Qt::Vertical, Qt::DecorationRole).isNull(),
                 hasProblem);
    }
    QCOMPARE(window->summary()->text(),
             QStringLiteral("8 circuits: 6 sized, 2 with a problem; 1 governed by voltage drop; "
                            "3 governed by the continuous load"));
    QCOMPARE(window->summary()->accessibleName(), window->summary()->text());
    // Rows are numbered by their line in the file: the header is line 1.
    QCOMPARE(window->rows()->headerData(0, Qt::Vertical).toInt(), 2);
    QCOMPARE(window->rows()->headerData(8, Qt::Vertical).toInt(), 10);
    QVERIFY(!window->isWindowModified());
}

// A load changed in its cell: that row, and only it, is sized again at once.
void TestScheduleWindow::editedCellResizesItsRow()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    const int size = columnOf(window, QStringLiteral("Size"));
    const int problem = columnOf(window, QStringLiteral("Problem"));
    QCOMPARE(cell(window, 5, size), QStringLiteral("14 AWG"));
    // Action: type 45 over the typo's "abc", as a user does.
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTableView *table = window->table();
    table->setFocus();
    table->setCurrentIndex(window->rows()->index(6, 1));
    table->edit(table->currentIndex());
    auto *editor = table->viewport()->findChild<QLineEdit *>();
    QVERIFY(editor);
    editor->selectAll();
    QTest::keyClicks(editor, QStringLiteral("45"));
    QTest::keyClick(editor, Qt::Key_Return);
    // Expected: sized, its problem gone. 45 A continuous needs 56.25 A: 6 AWG
    // carries 55 A at 60 °C, 4 AWG 70 A.
    QTRY_COMPARE(cell(window, 6, 1), QStringLiteral("45")); // the view commits it queued
    QCOMPARE(cell(window, 6, size), QStringLiteral("4 AWG"));
    QCOMPARE(cell(window, 6, problem), QString());
    QCOMPARE(cell(window, 5, size), QStringLiteral("14 AWG"));
    QCOMPARE(window->summary()->text(),
             QStringLiteral("8 circuits: 7 sized, 1 with a problem; 1 governed by voltage drop; "
                            "4 governed by the continuous load"));
    QVERIFY(window->isWindowModified());

    // The drop of a circuit follows its length: 12 m becomes 40 m, where
    // 8 AWG drops 2.71 % at 120 V, 10 AWG more than 3 %.
    window->model()->setData(window->model()->index(0, 6), QStringLiteral("40"));
    QCOMPARE(cell(window, 0, size), QStringLiteral("8 AWG"));
    QCOMPARE(cell(window, 0, columnOf(window, QStringLiteral("Governed by"))),
             QStringLiteral("Voltage drop"));
    // The answer's own columns are not for editing.
    QVERIFY(!(window->rows()->flags(window->rows()->index(0, size)) & Qt::ItemIsEditable));
}

// A value for empty cells changed above the table: the rows that leave the
// cell empty are sized with it, the rows that name their own keep theirs.
void TestScheduleWindow::changedDefaultResizesTheRowsThatTakeIt()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    const int size = columnOf(window, QStringLiteral("Size"));
    auto *material = qobject_cast<QComboBox *>(window->defaultEditor(0));
    QVERIFY(material);
    QCOMPARE(material->currentText(), QStringLiteral("Copper"));
    material->setCurrentIndex(material->findData(QStringLiteral("al")));
    // P1-11's 9 A in aluminum: 12 AWG, the first size of its list; P1-1's
    // 16 A continuous, 20 A: 10 AWG (12 AWG aluminum carries 15 A); P1-5
    // names copper.
    QCOMPARE(cell(window, 5, size), QStringLiteral("12 AWG"));
    QCOMPARE(cell(window, 0, size), QStringLiteral("10 AWG"));
    QCOMPARE(cell(window, 2, size), QStringLiteral("6 AWG"));
    QVERIFY(window->isWindowModified());

    // The ambient for empty cells: P1-3 and P1-11 take 45 °C, P1-5 keeps 40 °C.
    auto *ambient = qobject_cast<QLineEdit *>(window->defaultEditor(3));
    QVERIFY(ambient);
    ambient->setFocus();
    ambient->selectAll();
    QTest::keyClicks(ambient, QStringLiteral("45"));
    QTest::keyClick(ambient, Qt::Key_Return);
    QCOMPARE(window->model()->file().defaultText(3), std::string("45"));
    QCOMPARE(cell(window, 2, size), QStringLiteral("6 AWG"));
    // 9 A continuous in aluminum at 45 °C (0.71) needs 11.25 A: 12 AWG carries
    // 15 x 0.71 = 10.65 A, 10 AWG 25 x 0.71 = 17.75 A.
    QCOMPARE(cell(window, 5, columnOf(window, QStringLiteral("Usable ampacity"))),
             QStringLiteral("17.75 A"));
    // A bad value is every taker's problem, in words.
    ambient->setText(QStringLiteral("hot"));
    QTest::keyClick(ambient, Qt::Key_Return);
    QVERIFY(cell(window, 5, columnOf(window, QStringLiteral("Problem")))
                .contains(QLatin1String("hot")));
    QVERIFY(window->summary()->text().startsWith(QLatin1String("8 circuits: 1 sized")));
}

void TestScheduleWindow::sortsNumbersAsNumbersAndFiltersProblems()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    // Loads sorted as numbers: 9 before 16, words and empty cells after.
    window->table()->sortByColumn(1, Qt::AscendingOrder);
    QStringList loads;
    for (int row = 0; row < window->rows()->rowCount(); ++row)
        loads << cell(window, row, 1);
    QCOMPARE(loads, (QStringList{"9", "16", "24", "40", "95", "150", "600", "", "abc"}));
    // Sizes from the smallest, whatever the metal: not the alphabet's order.
    const int size = columnOf(window, QStringLiteral("Size"));
    window->table()->sortByColumn(size, Qt::AscendingOrder);
    QStringList sizes;
    for (int row = 0; row < window->rows()->rowCount(); ++row)
        sizes << cell(window, row, size);
    QCOMPARE(sizes,
             (QStringList{"14 AWG", "12 AWG", "6 AWG", "6 AWG", "3/0 AWG", "250 MCM", "", "", ""}));

    // Only the rows with a problem, then all of them again.
    window->problemsOnly()->click();
    QCOMPARE(window->rows()->rowCount(), 2);
    QCOMPARE(window->rows()->headerData(0, Qt::Vertical).toInt() +
                 window->rows()->headerData(1, Qt::Vertical).toInt(),
             8 + 10);
    window->problemsOnly()->click();
    QCOMPARE(window->rows()->rowCount(), 9);
}

// Sizes from the smallest whatever the metal (2/0 copper before 3/0
// aluminum, though each is row 10 of its own list), and ampacities by what
// the conductor may carry, its terminations' cap included.
void TestScheduleWindow::sortsAnswersByWhatTheyMean()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    ScheduleModel *model = window->model();
    // Continuous loads, each on the breaker chosen for it. 58 A on 90 °C
    // insulation needs 72.5 A: 3 AWG, 105 A derated but 85 A on its 60 °C
    // terminations; 70 A needs 87.5 A: 2 AWG, 95 A, so that the capped and
    // the uncapped ampacities sort apart; 140 A: 4/0 AWG copper, row 12 of
    // its list as 250 kcmil aluminum is of its own.
    model->setData(model->index(6, 1), QStringLiteral("58"));
    model->setData(model->index(6, 3), QStringLiteral("90"));
    model->setData(model->index(7, 0), QStringLiteral("P1-14"));
    model->setData(model->index(7, 1), QStringLiteral("140"));
    model->setData(model->index(8, 1), QStringLiteral("70"));
    model->setData(model->index(8, 4), QString());
    const auto sortedBy = [&](const QString &header) {
        const int column = columnOf(window, header);
        window->table()->sortByColumn(column, Qt::AscendingOrder);
        QStringList cells;
        for (int row = 0; row < window->rows()->rowCount(); ++row)
            cells << cell(window, row, column);
        return cells;
    };
    QCOMPARE(sortedBy(QStringLiteral("Size")),
             (QStringList{"14 AWG", "12 AWG", "6 AWG", "6 AWG", "3 AWG", "2 AWG", "3/0 AWG",
                          "4/0 AWG", "250 MCM"}));
    QCOMPARE(
        sortedBy(QStringLiteral("Usable ampacity")),
        (QStringList{"15 A", "20 A", "55 A", "55 A", "85 A", "95 A", "132 A", "195 A", "205 A"}));
    window->table()->sortByColumn(columnOf(window, QStringLiteral("Usable ampacity")),
                                  Qt::DescendingOrder);
    QCOMPARE(cell(window, 0, 0), QStringLiteral("P1-9"));
}

// A French Excel file (Windows-1252, semicolons, decimal commas, CRLF)
// goes back as the command line writes it: French Excel still, in UTF-8
// with its byte-order mark, the answer columns added, an edit kept.
void TestScheduleWindow::frenchExcelFileIsSavedAsItCame()
{
    const QString path =
        writeFile(QStringLiteral("tableau.csv"), "Circuit;Charge (A);Mat\xE9riau;Temp\xE9rature\r\n"
                                                 "P-1;15,5;cuivre;40\r\n"
                                                 ";;;\r\n"
                                                 "P-2;abc;;\r\n");
    ScheduleWindow *window = open(path);
    QVERIFY(window);
    QVERIFY(window->summary()->text().contains(QLatin1String("Windows-1252")));
    QCOMPARE(window->rows()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("Mat\u00E9riau"));
    window->model()->setData(window->model()->index(2, 1), QStringLiteral("30,5"));
    QVERIFY(window->save());
    QVERIFY(!window->isWindowModified());
    // Written as the command line writes it (the core's tests check such a
    // file byte for byte): French Excel still, the edit kept.
    const QByteArray saved = contentsOf(path);
    QVERIFY(saved.startsWith("\xEF\xBB\xBF"
                             "Circuit;Charge (A);Mat\xC3\xA9riau;Temp\xC3\xA9rature;size;table;"));
    QVERIFY2(saved.contains("\r\nP-1;15,5;cuivre;40;10 AWG;2;30;24,6;0,82;1;5A;60;24,6;;;"
                            "continuous load;;20;yes;25;1;14 AWG;cu;;;;;;;\r\n"),
             saved.constData());
    QVERIFY2(saved.endsWith("\r\nP-2;30,5;;;8 AWG;2;40;40;1;1;;60;40;;;ampacity;;40;yes;40;1;"
                            "10 AWG;cu;;;;;;;\r\n"),
             saved.constData());
    // Opened again, it reads the same and writes the same: nothing doubled.
    window->close();
    QTRY_VERIFY(!ScheduleWindow::windowOf(path));
    window = open(path);
    QVERIFY(window);
    QCOMPARE(window->rows()->columnCount(), 4 + 8);
    QVERIFY(window->save());
    QCOMPARE(contentsOf(path), saved);

    // Save As writes a copy and the window follows it.
    const QString copy = m_folder.filePath(QStringLiteral("copie.csv"));
    ScheduleWindow::setFileChooser([&](QWidget *, ScheduleWindow::FileUse, const QString &,
                                       const QString &, const QString &) { return copy; });
    QVERIFY(window->saveAs());
    QCOMPARE(contentsOf(copy), saved);
    QCOMPARE(window->windowTitle(), QStringLiteral("copie.csv[*] — Torvane"));
    QCOMPARE(ScheduleWindow::windowOf(copy), window);
}

// Closing with edits not saved asks: Cancel keeps the window, Discard closes
// it and leaves the file as it was, Save writes it first.
void TestScheduleWindow::unsavedEditsAskBeforeClosing()
{
    const QString path = writeFile(QStringLiteral("edits.csv"), "load,note\n20,a\n");
    ScheduleWindow *window = open(path);
    QVERIFY(window);
    window->model()->setData(window->model()->index(0, 0), QStringLiteral("30"));
    QString asked;
    answerNextDialog([&](QWidget *dialog) {
        asked = qobject_cast<QMessageBox *>(dialog)->text();
        pressButton(dialog, QMessageBox::Cancel);
    });
    QVERIFY(!window->close());
    QCOMPARE(asked, QStringLiteral("Save the changes to edits.csv before closing?"));
    QVERIFY(window->isVisible());

    answerNextDialog([](QWidget *dialog) { pressButton(dialog, QMessageBox::Discard); });
    QVERIFY(window->close());
    QCOMPARE(contentsOf(path), QByteArray("load,note\n20,a\n"));
    QTRY_VERIFY(!ScheduleWindow::windowOf(path));

    window = open(path);
    QVERIFY(window);
    window->model()->setData(window->model()->index(0, 0), QStringLiteral("30"));
    // Enter takes the default button, which saves: it never discards.
    answerNextDialog([](QWidget *dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
    QVERIFY(window->close());
    QVERIFY(contentsOf(path).startsWith("load,note,size,"));
    QVERIFY(contentsOf(path).contains("\n30,a,8 AWG,")); // 30 A continuous: 37.5 A

    // The strip's Exit asks too, and keeps the schedule when told to.
    auto strip = openMainWindow();
    window = open(path);
    QVERIFY(window);
    window->model()->setData(window->model()->index(0, 0), QStringLiteral("40"));
    answerNextDialog([](QWidget *dialog) { pressButton(dialog, QMessageBox::Cancel); });
    click(strip->ExitCmd);
    QVERIFY(window->isVisible());
    QVERIFY(window->isWindowModified());
    QCOMPARE(window->rows()->index(0, 0).data().toString(), QStringLiteral("40"));
}

void TestScheduleWindow::oneWindowPerFileAndBadFilesRefused()
{
    ScheduleWindow *first = open(m_sample);
    QVERIFY(first);
    QCOMPARE(open(m_folder.filePath(QStringLiteral("./panel.csv"))), first);

    // A file that is no schedule: the user is told why, no window opens.
    const QString noLoad = writeFile(QStringLiteral("notes.csv"), "circuit,note\nA,b\n");
    QString told;
    answerNextDialog([&](QWidget *dialog) {
        told = qobject_cast<QMessageBox *>(dialog)->text();
        pressButton(dialog, QMessageBox::Ok);
    });
    QVERIFY(!ScheduleWindow::openSchedule(noLoad));
    QVERIFY(told.contains(QLatin1String("notes.csv")));
    QVERIFY(told.contains(QLatin1String("load")));
    answerNextDialog([](QWidget *dialog) { pressButton(dialog, QMessageBox::Ok); });
    QVERIFY(!ScheduleWindow::openSchedule(m_folder.filePath(QStringLiteral("missing.csv"))));
}

// Ctrl+S saves, Ctrl+W closes; the menu's items carry those shortcuts.
void TestScheduleWindow::keyboardSavesAndCloses()
{
    const QString path = writeFile(QStringLiteral("keys.csv"), "load\n20\n");
    ScheduleWindow *window = open(path);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    window->model()->setData(window->model()->index(0, 0), QStringLiteral("25"));
    QTest::keyClick(window, Qt::Key_S, Qt::ControlModifier);
    QVERIFY(!window->isWindowModified());
    QCOMPARE(contentsOf(path).left(10), QByteArray("load,size,"));
    QTest::keyClick(window, Qt::Key_W, Qt::ControlModifier);
    QTRY_VERIFY(!ScheduleWindow::windowOf(path));
}

// Tab goes from the values for empty cells, row by row as they read, to
// "Show problems only" and into the table.
void TestScheduleWindow::tabGoesThroughEverything()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QWidget *first = window->defaultEditor(0);
    first->setFocus(Qt::TabFocusReason);
    QList<QWidget *> reached{first};
    for (int step = 0; step < 18; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        reached << QApplication::focusWidget();
    }
    QList<QWidget *> expected;
    for (const auto text :
         {&ConditionTexts::material, &ConditionTexts::installation, &ConditionTexts::insulation,
          &ConditionTexts::terminations, &ConditionTexts::ambient, &ConditionTexts::conductors,
          &ConditionTexts::system, &ConditionTexts::voltage, &ConditionTexts::powerFactor,
          &ConditionTexts::maxDrop, &ConditionTexts::continuous, &ConditionTexts::deviceRating,
          &ConditionTexts::sets, &ConditionTexts::bondMaterial, &ConditionTexts::protection,
          &ConditionTexts::raceway, &ConditionTexts::wire})
        for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
            if (ConditionFields[field].text == text)
                expected << window->defaultEditor(field);
    expected << window->problemsOnly() << window->table();
    QCOMPARE(reached, expected);
}

// The report names the file, the edition, the version and every circuit
// with its size or its problem, on numbered pages.
void TestScheduleWindow::reportNamesEveryCircuit()
{
    ScheduleWindow *window = open(m_sample);
    QVERIFY(window);
    const QString pdf = m_folder.filePath(QStringLiteral("panel.pdf"));
    QString suggested;
    ScheduleWindow::setFileChooser([&](QWidget *, ScheduleWindow::FileUse, const QString &,
                                       const QString &name, const QString &) {
        suggested = name;
        return pdf;
    });
    QVERIFY(window->exportReport());
    QCOMPARE(suggested, pdf); // beside the schedule, named after it
    QCOMPARE(contentsOf(pdf).left(5), QByteArray("%PDF-"));

    // A report that cannot be written says so, and leaves nothing.
    QString error;
    const QString nowhere = m_folder.filePath(QStringLiteral("no/such/folder/r.pdf"));
    QVERIFY(!schedulereport::writeReport(window->model()->file(), nowhere, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(nowhere));
    // Nor over the schedule it reports on.
    QVERIFY(!schedulereport::writeReport(window->model()->file(), m_sample, &error));
    QCOMPARE(contentsOf(m_sample), SampleSchedule);

#ifdef Q_OS_WIN
    QSKIP("pdftotext reads the report's text on Linux");
#endif
    QProcess text;
    text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    QVERIFY2(text.waitForFinished(20000), "pdftotext (poppler-utils) is needed");
    const QString report = QString::fromUtf8(text.readAllStandardOutput());
    for (const char *expected :
         {"panel.csv", "CSA C22.1:24", "Rule 4-006", "Rule 8-102", "Table D3", "Rule 8-104",
          "Rule 14-104", "Table 13", "Rule 10-616", "Table 16", "Rule 12-108", "Page 1 of"})
        QVERIFY2(report.contains(QLatin1String(expected)), expected);
    QVERIFY(report.contains(QCoreApplication::applicationVersion()));
    // Each value for empty cells as the window names it: a size with its unit.
    QVERIFY2(report.contains(QRegularExpression(QStringLiteral("Largest for sets +500 MCM"))),
             qPrintable(report));
    const QStringList circuits{"P1-1 ", "P1-3 ",  "P1-5 ",  "P1-7 ",
                               "P1-9 ", "P1-11 ", "P1-13 ", "P1-15 "};
    const QStringList sizes{"12 AWG", "6 AWG", "6 AWG", "3/0 AWG", "250 MCM", "14 AWG", "", ""};
    const QStringList lines = report.split(QLatin1Char('\n'));
    for (int c = 0; c < circuits.size(); ++c) {
        const auto line = std::find_if(lines.begin(), lines.end(),
                                       [&](const QString &l) { return l.contains(circuits[c]); });
        QVERIFY2(line != lines.end(), qPrintable(circuits[c]));
        QVERIFY2(line->contains(sizes[c]), qPrintable(*line));
    }
    QVERIFY(report.contains(QLatin1String("not a positive")));
    QVERIFY(report.contains(QLatin1String("8 circuits: 6 sized, 2 with a problem")));
}

// A schedule with motors shows each motor's full-load current beside the
// answer, and the report states Section 28's rules; one without shows no
// such column. The protection device is among the values for empty cells.
void TestScheduleWindow::motorsShowTheirCurrent()
{
    ScheduleWindow *plain = open(m_sample);
    QVERIFY(plain);
    const QAbstractItemModel *plainRows = plain->rows();
    for (int c = 0; c < plainRows->columnCount(); ++c)
        QVERIFY(plainRows->headerData(c, Qt::Horizontal).toString() !=
                QLatin1String("Motor current"));

    const QString path =
        writeFile(QStringLiteral("motors.csv"), "Circuit,Load (hp),Voltage,System\n"
                                                "M-1,10,600,3ph\n"
                                                "M-2,50,480,3ph\n");
    ScheduleWindow *window = open(path);
    QVERIFY(window);
    const QAbstractItemModel *rows = window->rows();
    int motorColumn = -1;
    for (int c = 0; c < rows->columnCount(); ++c)
        if (rows->headerData(c, Qt::Horizontal).toString() == QLatin1String("Motor current"))
            motorColumn = c;
    QVERIFY(motorColumn >= 0);
    QCOMPARE(rows->index(0, motorColumn).data().toString(), QStringLiteral("11 A (Table 44)"));
    QCOMPARE(rows->index(1, motorColumn).data().toString(), QStringLiteral("65 A (Table 44)"));
    QCOMPARE(rows->index(1, motorColumn + 1).data().toString(), QString()); // no problem

    // A fuse for every motor: 300 % of 11 A is 33 A, so 30 A.
    std::size_t protection = 0;
    while (ConditionFields[protection].text != &ConditionTexts::protection)
        ++protection;
    auto *device = qobject_cast<QComboBox *>(window->defaultEditor(protection));
    QVERIFY(device);
    device->setCurrentIndex(device->findData(QStringLiteral("fuse")));
    const int breakerColumn = motorColumn - 5;
    QCOMPARE(rows->headerData(breakerColumn, Qt::Horizontal).toString(), QStringLiteral("Breaker"));
    QCOMPARE(rows->index(0, breakerColumn).data().toString(), QStringLiteral("30 A (chosen)"));

#ifdef Q_OS_WIN
    QSKIP("pdftotext reads the report's text on Linux");
#endif
    const QString report = reportText(window, QStringLiteral("motors.pdf"));
    for (const char *expected : {"Rule 28-106", "Tables 44 and 45", "Rule 28-200", "Table 29",
                                 "Rule 28-306", "11 A (Table 44)", "65 A (Table 44)"})
        QVERIFY2(report.contains(QLatin1String(expected)), expected);
}

// A raceway asked for in the values for empty cells adds the Raceway
// column beside Bonding, each circuit's trade size and fill; without one
// there is no such column. The report states Rule 12-910.
void TestScheduleWindow::racewaysShowBesideBonding()
{
    const QString path = writeFile(QStringLiteral("raceways.csv"), "Circuit,Load,Wire\n"
                                                                   "P-1,40,\n"
                                                                   "P-2,40,RW90\n");
    ScheduleWindow *window = open(path);
    QVERIFY(window);
    const QAbstractItemModel *rows = window->rows();
    const auto columnNamed = [rows](const QString &name) {
        for (int c = 0; c < rows->columnCount(); ++c)
            if (rows->headerData(c, Qt::Horizontal).toString() == name)
                return c;
        return -1;
    };
    QCOMPARE(columnNamed(QStringLiteral("Raceway")), -1);

    std::size_t raceway = 0;
    while (ConditionFields[raceway].text != &ConditionTexts::raceway)
        ++raceway;
    auto *type = qobject_cast<QComboBox *>(window->defaultEditor(raceway));
    QVERIFY(type);
    type->setCurrentIndex(type->findData(QStringLiteral("emt")));
    const int column = columnNamed(QStringLiteral("Raceway"));
    QVERIFY(column >= 0);
    QCOMPARE(column, columnNamed(QStringLiteral("Bonding")) + 1);
    // 40 A continuous: 6 AWG TW at 60 °C, 6 AWG RW90 at 90 °C held to its
    // 60 °C terminations; each with its 10 AWG bond in 21 EMT.
    QCOMPARE(rows->index(0, column).data().toString(), QStringLiteral("21 (3/4 in) emt, 33.05 %"));
    QCOMPARE(rows->index(1, column).data().toString(), QStringLiteral("21 (3/4 in) emt, 27.78 %"));
    // The insulation follows each row's wire type.
    std::size_t insulation = 0;
    while (ConditionFields[insulation].text != &ConditionTexts::insulation)
        ++insulation;
    auto *rating = qobject_cast<QComboBox *>(window->defaultEditor(insulation));
    QVERIFY(rating);
    QCOMPARE(rating->currentData().toString(), QString());
    QCOMPARE(rating->currentText(), QStringLiteral("By the wire type (60 °C)"));

#ifdef Q_OS_WIN
    QSKIP("pdftotext reads the report's text on Linux");
#endif
    const QString report = reportText(window, QStringLiteral("raceways.pdf"));
    for (const char *expected : {"Rule 12-910", "Tables 6, 8 and 9", "21 (3/4 in) emt, 33.05 %"})
        QVERIFY2(report.contains(QLatin1String(expected)), expected);
}

// A workbook of two sheets asks which to open; its rows are sized as a CSV
// file's; Save writes the edit and the answer back into the workbook, and
// Save As offers its format and CSV.
void TestScheduleWindow::workbooksOpenAndSaveBack()
{
    const QString book = m_folder.filePath(QStringLiteral("panel.xlsx"));
    QVERIFY(QFile::copy(QStringLiteral(TORVANE_WORKBOOKS "/panel.xlsx"), book));
    QFile original(book);
    QStringList offered;
    ScheduleWindow::setSheetChooser([&](QWidget *, const QStringList &sheets) {
        offered = sheets;
        return sheets.first();
    });
    ScheduleWindow *window = open(book);
    ScheduleWindow::setSheetChooser({});
    QVERIFY(window);
    QCOMPARE(offered, (QStringList{QStringLiteral("Panel A"), QStringLiteral("Notes")}));
    QCOMPARE(cell(window, 0, 0), QStringLiteral("P-1"));
    QCOMPARE(cell(window, 0, columnOf(window, QStringLiteral("Size"))), QStringLiteral("8 AWG"));
    QCOMPARE(window->rows()->headerData(0, Qt::Vertical).toString(), QStringLiteral("3"));

    // Edited and saved: back into the workbook, which reads again with the
    // edit and its answer.
    QVERIFY(window->rows()->setData(window->rows()->index(0, 1), QStringLiteral("40")));
    QVERIFY(window->isWindowModified());
    QVERIFY(window->save());
    QVERIFY(!window->isWindowModified());
    QVERIFY(original.open(QIODevice::ReadOnly));
    QString error;
    const auto reread = workbook::readWorkbookSchedule(original.readAll(), QString(), &error);
    original.close();
    QVERIFY2(reread, qPrintable(error));
    QVERIFY2(QString::fromStdString(reread->text).contains(QLatin1String("\nP-1,40,30,120,FALSE,")),
             reread->text.c_str());
    const QString size = cell(window, 0, columnOf(window, QStringLiteral("Size")));
    QVERIFY2(QString::fromStdString(reread->text).contains(QLatin1String("wing\",") + size + ','),
             qPrintable(size));

    // Save As offers the workbook's format first, then CSV.
    QString offeredFilter;
    const QString csv = m_folder.filePath(QStringLiteral("panel.csv"));
    ScheduleWindow::setFileChooser([&](QWidget *, ScheduleWindow::FileUse, const QString &,
                                       const QString &, const QString &filter) {
        offeredFilter = filter;
        return csv;
    });
    QVERIFY(window->saveAs());
    ScheduleWindow::setFileChooser({});
    QVERIFY2(offeredFilter.startsWith(QLatin1String("Excel workbooks (*.xlsx);;Cable schedules")),
             qPrintable(offeredFilter));
    QFile saved(csv);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QVERIFY(saved.readAll().startsWith("\xEF\xBB\xBF\"Panel A"));
    window->close();
}

// A heading that would stand alone at the foot of a page goes to the top of
// the next with its table; one with room for its table stays where it is.
void TestScheduleWindow::reportHeadingsStayWithTheirTables()
{
    const auto document = [](int fillerLines) {
        auto *text = new QTextDocument;
        QString html = QStringLiteral("<p>");
        for (int line = 0; line < fillerLines; ++line)
            html += QStringLiteral("filler<br>");
        html += QStringLiteral("</p><h3>Circuits</h3><p>3 circuits</p>"
                               "<table><thead><tr><th>Line</th></tr></thead>"
                               "<tr><td>first row</td></tr><tr><td>second row</td></tr></table>");
        text->setHtml(html);
        text->setPageSize(QSizeF(400, 600));
        return text;
    };
    const auto pageOf = [](QTextDocument *text, const QString &words) {
        const QTextBlock block = text->find(words).block();
        return static_cast<int>(text->documentLayout()->blockBoundingRect(block).bottom() /
                                text->pageSize().height());
    };
    int stranded = 0;
    for (int filler = 1; filler < 80; ++filler) {
        std::unique_ptr<QTextDocument> text(document(filler));
        stranded += pageOf(text.get(), QStringLiteral("Circuits")) !=
                    pageOf(text.get(), QStringLiteral("first row"));
        const int before = pageOf(text.get(), QStringLiteral("Circuits"));
        schedulereport::keepHeadingsWithWhatFollows(*text);
        QCOMPARE(pageOf(text.get(), QStringLiteral("Circuits")),
                 pageOf(text.get(), QStringLiteral("first row")));
        QVERIFY(pageOf(text.get(), QStringLiteral("Circuits")) - before <= 1);
    }
    QVERIFY(stranded > 0); // the case arose, and was mended
}

// The strip: its context menu (the right button, the Menu key, Shift+F10)
// has "Size a cable schedule…" with Ctrl+O, which asks for a file; a file
// dropped on it opens.
void TestScheduleWindow::stripMenuAndDropOpenSchedules()
{
    auto strip = openMainWindow();
    QAction *action = strip->OpenScheduleCmd;
    QCOMPARE(action->text(), QStringLiteral("Size a cable schedule…"));
    QCOMPARE(action->shortcut(), QKeySequence(QKeySequence::Open));

    // The right button on a list, the result box or a button; Shift+F10.
    const auto rightClick = [](QWidget *control) {
        return [control] {
            QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(10, 10),
                                    control->mapToGlobal(QPoint(10, 10)));
            QApplication::sendEvent(control, &click);
        };
    };
    for (const auto &openMenu : std::initializer_list<std::function<void()>>{
             rightClick(strip->ComWS), rightClick(strip->ComAM), rightClick(strip->CorectAmpacity),
             rightClick(strip->MaterCmnd),
             [&] { QTest::keyClick(strip.get(), Qt::Key_F10, Qt::ShiftModifier); }}) {
        QStringList shown;
        QTimer::singleShot(50, [&] {
            if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
                for (QAction *item : menu->actions())
                    shown << item->text();
                menu->close();
            }
        });
        openMenu();
        QTRY_COMPARE(shown, QStringList{QStringLiteral("Size a cable schedule…")});
    }

    // Ctrl+O: a file to open is asked for, and the schedule chosen opens.
    ScheduleWindow::FileUse asked = ScheduleWindow::FileUse::Save;
    ScheduleWindow::setFileChooser([&](QWidget *, ScheduleWindow::FileUse use, const QString &,
                                       const QString &, const QString &) {
        asked = use;
        return m_sample;
    });
    strip->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(strip.get()));
    QTest::keyClick(strip.get(), Qt::Key_O, Qt::ControlModifier);
    QTRY_VERIFY(ScheduleWindow::windowOf(m_sample));
    QVERIFY(asked == ScheduleWindow::FileUse::Open);
    ScheduleWindow::windowOf(m_sample)->close();
    QTRY_VERIFY(!ScheduleWindow::windowOf(m_sample));

    // A file dropped on the strip.
    QMimeData dragged;
    dragged.setUrls({QUrl::fromLocalFile(m_sample)});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(strip.get(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &dragged, Qt::LeftButton, {});
    QApplication::sendEvent(strip.get(), &drop);
    QVERIFY(ScheduleWindow::windowOf(m_sample));
    // The strip stays as it was, and usable.
    QVERIFY(strip->isVisible());
    QCOMPARE(strip->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 2"));
}

QTEST_MAIN(TestScheduleWindow)
#include "tst_schedulewindow.moc"
