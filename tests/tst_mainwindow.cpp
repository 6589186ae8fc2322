#include "AboutAmp.h"
#include "CaptionButton.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>

using namespace windowtest;

namespace {

const QString deg = QStringLiteral("\u00B0");
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
    void tabOrder();
    void theListWithTheFocusLeads();
    void ampacityListBeforeTheFirstTick();
    void materialKeepsTheConductor_data();
    void materialKeepsTheConductor();
    void installationAndInsulationResetTheirFactor();
    void correctionBoxFollowsTheFactorButtons();
    void everyButtonGivesTheLeadToTheWireSizeList();
    void typedTextIsOverwrittenAtTheNextTick();
    void keyboardWalkInACommaLocale();
    void exitAndCodesWithoutATableEndTheProgram();

private:
    std::unique_ptr<Ampacity> w;
};

void TestMainWindow::cleanup()
{
    w.reset();
    QLocale::setDefault(QLocale::c());
}

void TestMainWindow::startUp()
{
    // Action: create the window; no tick has run yet.
    w = std::make_unique<Ampacity>();
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 2"));
    QCOMPARE(w->ComWS->count(), 25);
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComAM->count(), 25);
    QCOMPARE(w->ComAM->currentIndex(), -1);
    QVERIFY(w->Timer1->isActive() && !w->Timer2->isActive());

    // Action: show it. Expected: the wire-size list has the focus and the
    // first tick selects the first ampacity.
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("     15 A"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("15", "1", "1"));
    QVERIFY(w->CorectAmpacity->isHidden());
    QVERIFY(w->AboutCmd->isVisible());

    // Each caption as the user reads it: two-line captions break at ordinary
    // blanks only, and the condition text itself stays whole.
    const std::pair<CaptionButton *, QString> shown[] = {
        {w->MaterCmnd, "CU"},
        {w->CondCmnd, "Raceway\nor" + nbsp + "Cable"},
        {w->TempCmnd, "Insulation\n60" + deg + "C"},
        {w->AmbCmnd, "Ambient\n30" + deg + "C"},
        {w->NoOfWCmd, "Wires" + nbsp + "#\n1-3"},
        {w->ExitCmd, "Exit"},
        {w->AboutCmd, "A b o u t"},
    };
    for (const auto &[button, text] : shown)
        QCOMPARE(button->text(), text);
    QCOMPARE(w->CondCmnd->caption(), "Raceway or" + nbsp + "Cable");
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C "); // the blank the 30 °C step lacks
    QCOMPARE(w->Frame1->title(), "For 30" + deg + "C Ambient Temp.");
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction factors"));
    for (QComboBox *list : {w->ComWS, w->ComAM, static_cast<QComboBox *>(w->CorectAmpacity)}) {
        QCOMPARE(list->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
        QCOMPARE(list->view()->palette().color(QPalette::Text), QColor(128, 0, 0));
    }

    // The window cannot be resized, and the result box, when shown, covers
    // the About button.
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(w->CorectAmpacity->geometry().contains(
        w->AboutCmd->mapTo(w.get(), w->AboutCmd->rect().center())));
    QVERIFY(w->children().indexOf(w->CorectAmpacity) > w->children().indexOf(w->Frame2));
    QCOMPARE(w->CorectAmpacity->lineEdit()->cursor().shape(), Qt::ForbiddenCursor);
}

void TestMainWindow::tabOrder()
{
    w = openMainWindow();
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
    w = openMainWindow();
    // Action: pick "   4/0 AWG". Expected: its ampacity follows within a tick.
    pickRow(w->ComWS, 12);
    QTRY_COMPARE(w->ComAM->currentText(), QStringLiteral("   195 A"));

    // Action: pick an ampacity. Expected: the wire-size list follows.
    pickRow(w->ComAM, 3);
    QVERIFY(w->Timer2->isActive() && !w->Timer1->isActive());
    QTRY_COMPARE(w->ComWS->currentText(), QStringLiteral("       8 AWG"));

    // Action: the focus moves to a button. Expected: the ampacity list still leads.
    w->ExitCmd->setFocus(Qt::TabFocusReason);
    w->ComAM->setCurrentIndex(5);
    QTRY_COMPARE(w->ComWS->currentIndex(), 5);
    QVERIFY(w->Timer2->isActive());
}

// Before any tick selected an ampacity there is nothing to copy: the
// wire-size list keeps its row and the result reads 0.
void TestMainWindow::ampacityListBeforeTheFirstTick()
{
    w = std::make_unique<Ampacity>();
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->ComAM->setFocus(Qt::MouseFocusReason);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("0", "1", "1"));
    QCOMPARE(w->ComAM->currentIndex(), -1);
    QCOMPARE(w->ComWS->currentIndex(), 0);
}

void TestMainWindow::materialKeepsTheConductor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("aluminum");
    QTest::addColumn<QString>("aluminumAmpacity");
    QTest::addColumn<QString>("copper");
    QTest::newRow("10 AWG both ways") << 2 << "     10 AWG"
                                      << "     25 A"
                                      << "     10 AWG";
    QTest::newRow("14 AWG becomes 12 AWG") << 0 << "     12 AWG"
                                           << "     15 A"
                                           << "     12 AWG";
    QTest::newRow("2000 MCM both ways") << 24 << " 2000 MCM"
                                        << "   470 A"
                                        << " 2000 MCM";
}

void TestMainWindow::materialKeepsTheConductor()
{
    QFETCH(int, row);
    QFETCH(QString, aluminum);
    QFETCH(QString, aluminumAmpacity);
    QFETCH(QString, copper);
    w = openMainWindow();
    pickRow(w->ComWS, row);
    QTRY_COMPARE(w->ComAM->currentIndex(), row);

    click(w->MaterCmnd);
    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("AL"));
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 4"));
    QCOMPARE(w->ComWS->count(), 24);
    QCOMPARE(w->ComAM->count(), 24);
    QCOMPARE(w->ComWS->currentText(), aluminum);
    QTRY_COMPARE(w->ComAM->currentText(), aluminumAmpacity);
    for (QComboBox *list : {w->ComWS, w->ComAM, static_cast<QComboBox *>(w->CorectAmpacity)})
        QCOMPARE(list->view()->palette().color(QPalette::Text), QColor(0, 0, 192));

    click(w->MaterCmnd);
    QCOMPARE(w->ComWS->count(), 25);
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->currentText(), copper);
    QCOMPARE(w->ComAM->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    QTRY_COMPARE(w->ComAM->currentIndex(), w->ComWS->currentIndex());
}

void TestMainWindow::installationAndInsulationResetTheirFactor()
{
    w = openMainWindow();
    click(w->AmbCmnd); // 35 °C, 0.91
    click(w->NoOfWCmd);
    click(w->NoOfWCmd); // 7-24, 0.7
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5C applied"));

    // Action: to free air. Expected: Table 1, "1 Wire" at factor 1, ambient kept.
    click(w->CondCmnd);
    QCOMPARE(w->CondCmnd->caption(), QStringLiteral("Free Air"));
    QCOMPARE(w->NoOfWCmd->caption(), QStringLiteral("1 Wire"));
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("22.75", "0.91", "1"));
    click(w->NoOfWCmd);
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5B applied"));

    // Action: insulation to 75 °C. Expected: ambient back to 30 °C, count kept,
    // and the next ambient step comes from the 75 °C column.
    click(w->TempCmnd);
    QCOMPARE(w->TempCmnd->caption(), "Insulation 75" + deg + "C");
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C");
    QCOMPARE(w->ComAM->itemText(24), QStringLiteral(" 1385 A"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5B applied"));
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("27", "1", "0.9"));
    click(w->AmbCmnd);
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("25.38", "0.94", "0.9"));
}

void TestMainWindow::correctionBoxFollowsTheFactorButtons()
{
    w = openMainWindow();
    // Six ambient clicks under 60 °C: shown from the first, hidden on the sixth.
    for (int i = 1; i <= 6; ++i) {
        click(w->AmbCmnd);
        QCOMPARE(w->CorectAmpacity->isVisible(), i < 6);
    }
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction Factors"));

    // With a count factor in force, the ambient back at 30 °C keeps the box.
    click(w->NoOfWCmd);
    for (int i = 0; i < 6; ++i)
        click(w->AmbCmnd);
    QVERIFY(w->CorectAmpacity->isVisible());

    // The installation button resets the count factor but leaves the box,
    // which goes on showing the value with factors 1 and 1.
    click(w->CondCmnd);
    QVERIFY(w->CorectAmpacity->isVisible());
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("25", "1", "1"));
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

void TestMainWindow::typedTextIsOverwrittenAtTheNextTick()
{
    w = openMainWindow();
    click(w->AmbCmnd);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("13.65", "0.91", "1"));
    w->CorectAmpacity->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(w->CorectAmpacity->lineEdit(), QStringLiteral("999"));
    QTest::keyClick(w->CorectAmpacity->lineEdit(), Qt::Key_Return);
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("13.65", "0.91", "1"));
    QCOMPARE(w->CorectAmpacity->count(), 0); // Return added no row
}

// Everything from the keyboard alone, with the numbers in the user's locale:
// look up 250 MCM, step the ambient temperature to 40 °C, read the result.
void TestMainWindow::keyboardWalkInACommaLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
    w = openMainWindow();
    auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
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
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    tabTo(w->AmbCmnd);
    press(Qt::Key_Return);
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 40" + deg + "C");
    QTRY_COMPARE(w->CorectAmpacity->currentText(), boxText("176,3", "0,82", "1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    tabTo(w->CorectAmpacity); // shown, it takes its place in the tab order
}

void TestMainWindow::exitAndCodesWithoutATableEndTheProgram()
{
    w = openMainWindow();
    click(w->AboutCmd);
    QVERIFY(w->aboutWindow()->isVisible());
    click(w->ExitCmd);
    QVERIFY(!w->isVisible());
    QTRY_VERIFY(!w->aboutWindow());
    QVERIFY(!w->Timer1->isActive() && !w->Timer2->isActive());

    // Codes the buttons cannot produce: the list is emptied and the program ends.
    w = openMainWindow();
    w->state().CondSel = 2;
    w->TiCom1_Click();
    QCOMPARE(w->ComAM->count(), 0);
    QVERIFY(!w->isVisible());
    QVERIFY(!w->Timer1->isActive());
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
