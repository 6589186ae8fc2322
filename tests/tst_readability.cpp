#include "AboutAmp.h"
#include "ScheduleSortProxy.h"
#include "ScheduleWindow.h"
#include "CorrectedAmpacity.h"
#include "ReachableStates.h"
#include "Translations.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QHeaderView>
#include <QStatusBar>
#include <QTableView>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include <algorithm>

using namespace windowtest;

// Every text of both windows whole and readable, under each desktop of the
// matrix in tests/CMakeLists.txt: each caption, list row and the widest
// results fit their control and keep a readable (WCAG) contrast.
class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsFitOnTwoLines();
    void listRowsFitAndRead();
    void widestResultsShowTheirAmperes();
    void aboutTextsFitAndRead();
    void scheduleWindowFitsAndReads();

private:
    std::unique_ptr<Ampacity> w;
};

namespace {

void checkContrast(const QString &what, const QColor &text, const QColor &background,
                   double least = colours::ReadableTextContrast)
{
    const double ratio = qtbridge::contrastRatio(text, background);
    QVERIFY2(ratio >= least, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                            .arg(what, text.name(), background.name())
                                            .arg(ratio, 0, 'f', 2)));
}

void checkCaption(CaptionButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    const QStringList lines = button->text().split(QLatin1Char('\n'));
    const QString what = button->objectName() + ": " + button->text();
    QVERIFY2(lines.size() <= 2 && lines.size() * metrics.height() <= contents.height(),
             qPrintable(what));
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= contents.width(), qPrintable(what));
    const QPalette colours = button->palette();
    checkContrast(what, colours.color(QPalette::ButtonText), colours.color(QPalette::Button),
                  colours::ReadableCaptionContrast);
}

// A frame's caption lies inside the frame and reads on the window's grey.
void checkTitle(QGroupBox *frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    QVERIFY2(label.left() >= 0 && label.right() < frame->width(), qPrintable(frame->title()));
    const QColor text(frame->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option));
    checkContrast(frame->title(), text, frame->window()->palette().color(QPalette::Window),
                  colours::ReadableCaptionContrast);
}

// A dark desktop theme as Qt applications receive it.
QPalette darkPalette()
{
    const QColor text(0xee, 0xee, 0xee), face(0x35, 0x35, 0x35), base(0x1e, 0x1e, 0x1e);
    // Window text, button, light, dark, mid, text, bright text, base, window.
    return {text, face, face.lighter(), face.darker(), face, text, Qt::white, base, face};
}

} // namespace

void TestReadability::initTestCase()
{
    if (qEnvironmentVariable("TORVANE_TEST_PALETTE") == QStringLiteral("dark"))
        QApplication::setPalette(darkPalette());
    installTranslations(*qApp);
    w = openMainWindow();
}

// Every caption a button or frame can show, through each cycle under both
// installations and all three insulation ratings.
void TestReadability::captionsFitOnTwoLines()
{
    for (CaptionButton *button : {w->MaterCmnd, w->ExitCmd, w->AboutCmd})
        checkCaption(button);
    checkTitle(w->Frame1);
    for (int installation = 0; installation < 2; ++installation) {
        for (int step = 0; step < 5; ++step) {
            checkCaption(w->NoOfWCmd);
            click(w->NoOfWCmd);
            checkTitle(w->Frame2);
        }
        for (int rating = 0; rating < 3; ++rating) {
            for (int step = 0; step < 11; ++step) {
                checkCaption(w->AmbCmnd);
                click(w->AmbCmnd);
                checkTitle(w->Frame2);
            }
            checkCaption(w->TempCmnd);
            click(w->TempCmnd);
        }
        checkCaption(w->CondCmnd);
        click(w->CondCmnd);
    }
    click(w->MaterCmnd);
    checkCaption(w->MaterCmnd);
    click(w->MaterCmnd);
}

// Every row of both lists for all twelve columns, in both material colours.
void TestReadability::listRowsFitAndRead()
{
    for (int material = 0; material < 2; ++material) {
        for (int column = 0; column < 6; ++column) {
            for (QComboBox *list : {w->ComWS, w->ComAM}) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                const QRect field = list->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
                const int room = field.width() - 2; // the label's own margins
                for (int row = 0; row < list->count(); ++row)
                    QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(row)) <= room,
                             qPrintable(list->objectName() + ": '" + list->itemText(row) + "'"));
            }
            click(w->TempCmnd);
            if (column % 3 == 2)
                click(w->CondCmnd);
        }
        // The closed lists' faces, the popups' rows and the result box's field.
        for (ListBox *list : {w->ComWS, w->ComAM}) {
            checkContrast(list->objectName(), list->textColour(),
                          list->palette().color(QPalette::Button));
            checkContrast(list->objectName() + " popup", list->textColour(),
                          list->view()->palette().color(QPalette::Base));
        }
        checkContrast(w->CorectAmpacity->objectName(), w->CorectAmpacity->textColour(),
                      w->CorectAmpacity->lineEdit()->palette().color(QPalette::Base));
        click(w->MaterCmnd);
    }
}

// Of all the results the buttons can reach, the widest in this font: where
// the whole text does not fit, the box still shows the amperes.
void TestReadability::widestResultsShowTheirAmperes()
{
    const std::string separator = qtbridge::toUtf8(QLocale().decimalPoint());
    QStringList results;
    forEachReachableState([&](std::int16_t, const std::string &text, const ampacity::FactorStep &a,
                              const ampacity::FactorStep &n) {
        const ampacity::Correction c = ampacity::correctAmpacity(text, a.factor, n.factor);
        results << qtbridge::toQString(
            ampacity::correctedAmpacityText(c.correctedAmp, a.factor, n.factor, separator));
    });
    QLineEdit *line = w->CorectAmpacity->lineEdit();
    const QFontMetrics metrics(line->font());
    std::sort(results.begin(), results.end(), [&](const QString &a, const QString &b) {
        return metrics.horizontalAdvance(a) > metrics.horizontalAdvance(b);
    });
    const int room = line->contentsRect().width() - 4; // the line edit's own margins
    for (const QString &result : results.mid(0, 5)) {
        w->CorectAmpacity->showResult(qtbridge::toUtf8(result));
        const QString amperes = result.left(result.indexOf(QStringLiteral(" A")) + 2);
        QVERIFY2(metrics.horizontalAdvance(amperes) <= room, qPrintable(result));
        // The line edit scrolls to keep its cursor in view: at 0, it shows the start.
        QCOMPARE(line->cursorPosition(), 0);
    }
}

void TestReadability::aboutTextsFitAndRead()
{
    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    QVERIFY(about);
    // The notices grow downward but end above the links below them.
    QVERIFY(about->Label1->geometry().bottom() < about->LabelBrevik->geometry().top());
    QVERIFY(about->Label3->geometry().bottom() < about->LabelMail->geometry().top());
    // The one-line labels hold their text on one line.
    for (QLabel *label : {about->LabelBrevik, about->LabelMail, about->Label2, about->Label4})
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName() + ": " + label->text()));
    const QColor grey = about->palette().color(QPalette::Window);
    for (QLabel *label : about->findChildren<QLabel *>())
        checkContrast(label->objectName(), label->palette().color(QPalette::WindowText), grey);
}

// The schedule window: its labels, values, column headers and cells whole,
// the problem's icon beside its words, and every text readable on its
// background, light or dark.
void TestReadability::scheduleWindowFitsAndReads()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("panel.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Circuit,Load (A),Material,Insulation,Ambient,Conductors,Length,Voltage,System\n"
               "P1-1,16,,,,,12,120,1ph\n"
               "P1-3,abc,,,,,,,\n"
               "P1-5,95,al,90,45,7,60,208,3ph\n"
               "P1-7,600,,60,60,,,,\n"
               "P1-9,1500,,90,,,,,\n");
    file.close();
    ScheduleWindow *window = ScheduleWindow::openSchedule(file.fileName());
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window));

    const QColor windowColour = window->palette().color(QPalette::Window);
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        const QString what = QStringLiteral("label: ") + label->text();
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <=
                     label->contentsRect().width(),
                 qPrintable(what));
        checkContrast(what, label->palette().color(QPalette::WindowText), windowColour);
    }
    for (QComboBox *combo : window->findChildren<QComboBox *>()) {
        QStyleOptionComboBox option;
        option.initFrom(combo);
        const QRect text = combo->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                          QStyle::SC_ComboBoxEditField, combo);
        for (int item = 0; item < combo->count(); ++item)
            QVERIFY2(combo->fontMetrics().horizontalAdvance(combo->itemText(item)) <= text.width(),
                     qPrintable(combo->itemText(item)));
    }
    for (QLineEdit *edit : window->findChildren<QLineEdit *>())
        QVERIFY2(edit->fontMetrics().horizontalAdvance(edit->placeholderText()) <
                     edit->contentsRect().width(),
                 qPrintable(edit->placeholderText()));

    // Each column as wide as its header and its cells, the last one
    // stretching to the window's edge.
    QTableView *table = window->table();
    const QHeaderView *header = table->horizontalHeader();
    const QAbstractItemModel *rows = window->rows();
    const int icon = table->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, table);
    for (int column = 0; column + 1 < rows->columnCount(); ++column) {
        const QString name = rows->headerData(column, Qt::Horizontal).toString();
        QVERIFY2(header->fontMetrics().horizontalAdvance(name) < header->sectionSize(column),
                 qPrintable(name));
        for (int row = 0; row < rows->rowCount(); ++row) {
            const QModelIndex index = rows->index(row, column);
            const int decoration = index.data(Qt::DecorationRole).isNull() ? 0 : icon;
            QVERIFY2(table->fontMetrics().horizontalAdvance(index.data().toString()) + decoration <
                         table->columnWidth(column),
                     qPrintable(index.data().toString()));
        }
    }
    const QPalette colours = table->palette();
    checkContrast(QStringLiteral("cells"), colours.color(QPalette::Text),
                  colours.color(QPalette::Base));
    checkContrast(QStringLiteral("alternate rows"), colours.color(QPalette::Text),
                  colours.color(QPalette::AlternateBase));
    checkContrast(QStringLiteral("headers"), header->palette().color(QPalette::ButtonText),
                  header->palette().color(QPalette::Button));
    window->close();
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
