#include "AboutAmp.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QTimer>

using namespace windowtest;

namespace {

const QString nbsp = QStringLiteral("\u00A0");

QString boxText(const QString &value, const QString &ambient, const QString &count)
{
    const QString times = QStringLiteral(" \u00D7 ");
    return "=" + value + " A  (I" + times + ambient + times + count + ")";
}

} // namespace

// The main window driven as a user drives it: clicks, keys, focus and the
// real 50 ms ticks.
class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startUp();
    void theListWithTheFocusLeads();
    void materialKeepsTheConductor();
    void factorsResetAndTheResultBoxFollows();
    void everyButtonGivesTheLeadToTheWireSizeList();
    void keyboardWalk();
    void exitAndCodesWithoutATableEndTheProgram();

private:
    std::unique_ptr<Ampacity> w;
};

void TestMainWindow::cleanup()
{
    w.reset();
}

void TestMainWindow::startUp()
{
    // Action: create the window; no tick has run yet.
    w = std::make_unique<Ampacity>();
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 2"));
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("     14 AWG"));

    // Action: show it. Expected: the wire-size list has the focus and the
    // first tick selects the first ampacity.
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("     15 A"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("15", "1", "1"));
    QVERIFY(w->CorectAmpacity->isHidden() && w->AboutCmd->isVisible());

    // Each caption as the user reads it: two-line captions break at ordinary
    // blanks only; the condition text itself stays whole.
    const std::pair<CaptionButton *, QString> shown[] = {
        {w->MaterCmnd, "CU"},
        {w->CondCmnd, "Raceway\nor" + nbsp + "Cable"},
        {w->TempCmnd, "Insulation\n60°C"},
        {w->AmbCmnd, "Ambient\n30°C"},
        {w->NoOfWCmd, "Wires" + nbsp + "#\n1-3"},
        {w->ExitCmd, "Exit"},
        {w->AboutCmd, "A b o u t"},
    };
    for (const auto &[button, text] : shown)
        QCOMPARE(button->text(), text);
    QCOMPARE(w->AmbCmnd->caption(), QStringLiteral("Ambient 30°C ")); // the blank 30 °C lacks later
    QCOMPARE(w->Frame1->title(), QStringLiteral("For 30°C Ambient Temp."));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction factors"));
    QVERIFY(drawsIn(w->ComWS, QColor(128, 0, 0)) && drawsIn(w->ComAM, QColor(128, 0, 0)));
    QCOMPARE(w->CorectAmpacity->textColour(), QColor(128, 0, 0)); // hidden: not drawn
    QVERIFY(w->minimumSize() == w->maximumSize() &&
            !(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The result box, when shown, covers the About button.
    QVERIFY(w->CorectAmpacity->geometry().contains(
        w->AboutCmd->mapTo(w.get(), w->AboutCmd->rect().center())));

    // Action: Tab through the window. Expected: the layout's order, without
    // the hidden result box.
    for (QWidget *next : {(QWidget *)w->ComAM, (QWidget *)w->MaterCmnd, (QWidget *)w->CondCmnd,
                          (QWidget *)w->TempCmnd, (QWidget *)w->AmbCmnd, (QWidget *)w->NoOfWCmd,
                          (QWidget *)w->ExitCmd, (QWidget *)w->AboutCmd, (QWidget *)w->ComWS}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::theListWithTheFocusLeads()
{
    // Before the first tick there is no ampacity to copy: the wire-size
    // list keeps its row and the result reads 0.
    w = std::make_unique<Ampacity>();
    // On a slow desktop (Wine) the first tick can come before the window is
    // active; held back, it comes only after the ampacity list leads.
    w->Timer1->stop();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->ComAM->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("0", "1", "1"));
    QCOMPARE(w->ComWS->currentIndex(), 0);

    // Action: pick "   4/0 AWG". Expected: its ampacity follows within a tick.
    pickRow(w->ComWS, 12);
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("   195 A"));
    // Action: pick an ampacity. Expected: the wire-size list follows, and
    // goes on following while the focus is on a button.
    pickRow(w->ComAM, 3);
    QTRY_COMPARE(w->ComWS->currentText(), QStringLiteral("       8 AWG"));
    w->ExitCmd->setFocus(Qt::TabFocusReason);
    w->ComAM->setCurrentIndex(5);
    QTRY_COMPARE(w->ComWS->currentIndex(), 5);
}

// 14 AWG, the one size aluminum lacks: 12 AWG on the way there, 12 AWG
// again on the way back.
void TestMainWindow::materialKeepsTheConductor()
{
    w = openMainWindow();
    click(w->MaterCmnd);
    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("AL"));
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 4"));
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("     12 AWG"));
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("     15 A"));
    // All three lists in dark blue, the popup's rows too.
    const QColor blue(0, 0, 192);
    QVERIFY(drawsIn(w->ComWS, blue) && drawsIn(w->ComAM, blue) && !drawsIn(w->ComAM, Qt::darkRed));
    QCOMPARE(w->ComAM->itemData(5, Qt::ForegroundRole).value<QColor>(), blue);
    QCOMPARE(w->CorectAmpacity->textColour(), blue);

    click(w->MaterCmnd);
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("     12 AWG"));
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("     20 A"));
    QVERIFY(drawsIn(w->ComAM, QColor(128, 0, 0)) && !drawsIn(w->ComAM, QColor(0, 0, 192)));
}

void TestMainWindow::factorsResetAndTheResultBoxFollows()
{
    w = openMainWindow();
    // Six ambient clicks under 60 °C: the box shows from the first, hides on the sixth.
    for (int i = 1; i <= 6; ++i) {
        click(w->AmbCmnd);
        QCOMPARE(w->CorectAmpacity->isVisible(), i < 6);
    }
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction Factors"));
    click(w->AmbCmnd); // 35 °C, 0.91
    click(w->NoOfWCmd);
    click(w->NoOfWCmd); // 7-24, 0.7
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5C applied"));

    // Action: to free air. Expected: Table 1, "1 Wire" at factor 1, ambient kept.
    click(w->CondCmnd);
    QCOMPARE(w->NoOfWCmd->caption(), QStringLiteral("1 Wire"));
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("22.75", "0.91", "1"));
    click(w->NoOfWCmd);
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5B applied"));

    // Action: insulation to 75 °C. Expected: ambient back to 30 °C, count
    // kept, the box still shown, and the next ambient step from the 75 °C column.
    click(w->TempCmnd);
    QCOMPARE(w->AmbCmnd->caption(), QStringLiteral("Ambient 30°C"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5B applied"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("27", "1", "0.9"));
    click(w->AmbCmnd);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("25.38", "0.94", "0.9"));

    // The installation button resets the count but leaves the box shown,
    // now with factors 1 and 1 once the ambient is back at 30 °C.
    for (int i = 0; i < 8; ++i)
        click(w->AmbCmnd);
    click(w->CondCmnd);
    QVERIFY(w->CorectAmpacity->isVisible());
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("20", "1", "1"));
}

void TestMainWindow::everyButtonGivesTheLeadToTheWireSizeList()
{
    w = openMainWindow();
    for (CaptionButton *button :
         {w->MaterCmnd, w->CondCmnd, w->TempCmnd, w->AmbCmnd, w->NoOfWCmd}) {
        pickRow(w->ComAM, 5);
        QVERIFY(w->Timer2->isActive());
        click(button);
        QCOMPARE(QApplication::focusWidget(), w->ComWS);
        QVERIFY(w->Timer1->isActive() && !w->Timer2->isActive());
    }
    // A screen reader presses a button without moving the focus, and the
    // About window may be the active one: the wire-size list leads all the same.
    pickRow(w->ComAM, 5);
    click(w->AboutCmd);
    QVERIFY(QTest::qWaitForWindowActive(w->aboutWindow()));
    w->AmbCmnd->click();
    QVERIFY(w->Timer1->isActive() && !w->Timer2->isActive());
}

// Everything from the keyboard alone: look up 250 MCM, step the ambient
// temperature to 40 °C, read the result.
void TestMainWindow::keyboardWalk()
{
    w = openMainWindow();
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        // A desktop may hand the focus back a moment after the window is
        // active again (Wine does, after a popup).
        QTRY_VERIFY(QApplication::focusWidget());
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    auto tabTo = [&](QWidget *target) {
        for (int i = 0; i < 12 && QApplication::focusWidget() != target; ++i)
            press(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), target);
    };

    // Action: Alt+Down opens the wire-size list, 13 rows down, Enter picks.
    press(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(w->ComWS->view()->isVisible());
    for (int i = 0; i < 13; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    QTRY_VERIFY(!w->ComWS->view()->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("   215 A"));

    // Action: Tab to the ambient button, Space; again, Enter.
    tabTo(w->AmbCmnd);
    press(Qt::Key_Space);
    QTRY_COMPARE(w->AmbCmnd->caption(), QStringLiteral("Ambient 35°C"));
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    tabTo(w->AmbCmnd);
    press(Qt::Key_Return);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));

    // Action: Tab into the result box, shown now, type over it and press
    // Return. Expected: the next tick writes the result back; no row added.
    tabTo(w->CorectAmpacity);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("999"));
    press(Qt::Key_Return);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));
    QCOMPARE(w->CorectAmpacity->count(), 0);
}

void TestMainWindow::exitAndCodesWithoutATableEndTheProgram()
{
    w = openMainWindow();
    click(w->ExitCmd);
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Timer1->isActive() && !w->Timer2->isActive());

    // Codes the buttons cannot produce: the list is emptied and the program ends.
    w = openMainWindow();
    w->state().CondSel = 2;
    w->TiCom1_Click();
    QCOMPARE(w->ComAM->count(), 0);
    QVERIFY(!w->isVisible());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
