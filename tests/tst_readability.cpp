#include "AboutAmp.h"
#include "AmpacityTables.h"
#include "CaptionButton.h"
#include "CorrectedAmpacity.h"
#include "Translations.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QStyleOptionButton>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

#include <algorithm>

using namespace windowtest;

// Every text of both windows whole and readable. CTest runs this under each
// desktop of the matrix in tests/CMakeLists.txt (font DPI, scale factor,
// fonts, a dark palette); each run goes through every caption, every list
// row and the widest results, and checks that each fits its control and
// keeps a readable contrast with what it is drawn on.
class TestReadability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void captionsFitOnTwoLines();
    void listRowsFit();
    void widestResultsShowTheirAmperes();
    void textsReadOnTheirBackground();
    void aboutTextsFit();

private:
    std::unique_ptr<Ampacity> w;
};

namespace {

// A dark desktop theme as Qt applications receive it.
QPalette darkPalette()
{
    QPalette dark;
    const QColor window(0x35, 0x35, 0x35), base(0x1e, 0x1e, 0x1e), text(0xee, 0xee, 0xee);
    dark.setColor(QPalette::Window, window);
    dark.setColor(QPalette::WindowText, text);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    dark.setColor(QPalette::Text, text);
    dark.setColor(QPalette::Button, window);
    dark.setColor(QPalette::ButtonText, text);
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    return dark;
}

void checkCaptionFits(CaptionButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const QFontMetrics metrics(button->font());
    const QStringList lines = button->text().split(QLatin1Char('\n'));
    const QString what = button->objectName() + ": " + button->text();
    QVERIFY2(lines.size() <= 2, qPrintable(what));
    QVERIFY2(lines.size() * metrics.height() <= contents.height(), qPrintable(what));
    for (const QString &line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= contents.width(), qPrintable(what));
}

void checkTitleFits(QGroupBox *frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, frame);
    QVERIFY2(label.left() >= 0 && label.right() < frame->width(), qPrintable(frame->title()));
}

void checkRowsFit(QComboBox *list)
{
    QStyleOptionComboBox option;
    option.initFrom(list);
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, list);
    const QFontMetrics metrics(list->font());
    for (const QString &row : rows(list))
        QVERIFY2(metrics.horizontalAdvance(row) <= field.width() - 2,
                 qPrintable(list->objectName() + ": '" + row + "'"));
}

void checkContrast(const QString &what, const QColor &text, const QColor &background, double least)
{
    const double ratio = qtbridge::contrastRatio(text, background);
    QVERIFY2(ratio >= least, qPrintable(QStringLiteral("%1: %2 on %3 is %4:1")
                                            .arg(what, text.name(), background.name())
                                            .arg(ratio, 0, 'f', 2)));
}

} // namespace

void TestReadability::initTestCase()
{
    if (qEnvironmentVariable("TORVANE_TEST_PALETTE") == QStringLiteral("dark"))
        QApplication::setPalette(darkPalette());
    installTranslations(*qApp);
    w = openMainWindow();
}

// Every caption a button or frame can show: each condition and factor
// button is clicked through its whole cycle, under both installations and
// all three insulation ratings.
void TestReadability::captionsFitOnTwoLines()
{
    for (CaptionButton *button : {w->MaterCmnd, w->ExitCmd, w->AboutCmd})
        checkCaptionFits(button);
    checkTitleFits(w->Frame1);
    checkTitleFits(w->Frame2);
    for (int installation = 0; installation < 2; ++installation) {
        for (int step = 0; step < 5; ++step) {
            checkCaptionFits(w->NoOfWCmd);
            click(w->NoOfWCmd);
            checkTitleFits(w->Frame2);
        }
        for (int rating = 0; rating < 3; ++rating) {
            for (int step = 0; step < 11; ++step) {
                checkCaptionFits(w->AmbCmnd);
                click(w->AmbCmnd);
                checkTitleFits(w->Frame2);
            }
            checkCaptionFits(w->TempCmnd);
            click(w->TempCmnd);
        }
        checkCaptionFits(w->CondCmnd);
        click(w->CondCmnd);
    }
    click(w->MaterCmnd);
    checkCaptionFits(w->MaterCmnd);
    click(w->MaterCmnd);
}

// Every row of both lists, for all twelve columns.
void TestReadability::listRowsFit()
{
    for (int material = 0; material < 2; ++material) {
        checkRowsFit(w->ComWS);
        for (int installation = 0; installation < 2; ++installation) {
            for (int rating = 0; rating < 3; ++rating) {
                checkRowsFit(w->ComAM);
                click(w->TempCmnd);
            }
            click(w->CondCmnd);
        }
        click(w->MaterCmnd);
    }
}

// Of all the results the buttons can reach, the widest in this font: where
// the whole text does not fit, the box still shows the amperes.
void TestReadability::widestResultsShowTheirAmperes()
{
    using namespace ampacity;
    const std::string separator = qtbridge::toUtf8(QLocale().decimalPoint());
    QStringList results;
    for (std::int16_t m : {material::Copper, material::Aluminum})
        for (std::int16_t i : {installation::RacewayOrCable, installation::FreeAir})
            for (std::int16_t t :
                 {insulation::Rated60C, insulation::Rated75C, insulation::Rated90C}) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (const std::string &text : column->texts)
                    for (const FactorStep &a : ambientCycle(t))
                        for (const FactorStep &n : conductorCountCycle(i)) {
                            const Correction c = correctAmpacity(text, a.factor, n.factor);
                            results << qtbridge::toQString(correctedAmpacityText(
                                c.correctedAmp, a.factor, n.factor, separator));
                        }
            }

    QLineEdit *line = w->CorectAmpacity->lineEdit();
    const QFontMetrics metrics(line->font());
    std::sort(results.begin(), results.end(), [&](const QString &a, const QString &b) {
        return metrics.horizontalAdvance(a) > metrics.horizontalAdvance(b);
    });
    const int room = line->contentsRect().width() - 4; // the line edit's own margins
    for (const QString &result : results.mid(0, 5)) {
        w->CorectAmpacity->showResult(result);
        const QString amperes = result.left(result.indexOf(QStringLiteral(" A")) + 2);
        QVERIFY2(metrics.horizontalAdvance(amperes) <= room, qPrintable(result));
        // The line edit scrolls to keep its cursor in view: at 0, it shows the start.
        QCOMPARE(line->cursorPosition(), 0);
    }
}

void TestReadability::textsReadOnTheirBackground()
{
    using colours::ReadableCaptionContrast;
    using colours::ReadableTextContrast;
    for (CaptionButton *button : w->findChildren<CaptionButton *>())
        checkContrast(button->objectName(), button->palette().color(QPalette::ButtonText),
                      button->palette().color(QPalette::Button), ReadableCaptionContrast);
    for (QGroupBox *frame : {w->Frame1, w->Frame2}) {
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        const QColor title(
            frame->style()->styleHint(QStyle::SH_GroupBox_TextLabelColor, &option, frame));
        checkContrast(frame->objectName(), title, w->palette().color(QPalette::Window),
                      ReadableCaptionContrast);
    }
    for (int material = 0; material < 2; ++material) {
        for (QComboBox *list : {w->ComWS, w->ComAM, static_cast<QComboBox *>(w->CorectAmpacity)}) {
            const QPalette face = list->palette();
            const QPalette popup = list->view()->palette();
            checkContrast(list->objectName(), face.color(QPalette::ButtonText),
                          face.color(QPalette::Button), ReadableTextContrast);
            checkContrast(list->objectName() + " text", face.color(QPalette::Text),
                          face.color(QPalette::Base), ReadableTextContrast);
            checkContrast(list->objectName() + " popup", popup.color(QPalette::Text),
                          popup.color(QPalette::Base), ReadableTextContrast);
        }
        click(w->MaterCmnd);
    }

    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    QVERIFY(about);
    const QColor grey = about->palette().color(QPalette::Window);
    for (QLabel *label : about->findChildren<QLabel *>())
        checkContrast(label->objectName(), label->palette().color(QPalette::WindowText), grey,
                      ReadableTextContrast);
    checkContrast(QStringLiteral("OK"), about->Command3->palette().color(QPalette::ButtonText),
                  about->Command3->palette().color(QPalette::Button), ReadableCaptionContrast);
    about->close();
}

void TestReadability::aboutTextsFit()
{
    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    QVERIFY(about);
    // The notices grow downward but end above the links below them.
    QVERIFY(about->Label1->geometry().bottom() < about->LabelBrevik->geometry().top());
    QVERIFY(about->Label3->geometry().bottom() < about->LabelMail->geometry().top());
    QVERIFY(about->Label3->geometry().bottom() < about->Command3->geometry().top());
    // The one-line labels hold their text on one line.
    for (QLabel *label : {about->LabelBrevik, about->LabelMail, about->Label2, about->Label4})
        QVERIFY2(label->fontMetrics().horizontalAdvance(label->text()) <= label->width(),
                 qPrintable(label->objectName() + ": " + label->text()));
    about->close();
}

QTEST_MAIN(TestReadability)
#include "tst_readability.moc"
