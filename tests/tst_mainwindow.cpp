#include "AboutAmp.h"
#include "AmpacityTables.h"
#include "CaptionButton.h"
#include "ConditionCycles.h"
#include "CorrectedAmpacity.h"
#include "WindowTestFixture.h"

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QLocale>
#include <QRandomGenerator>

using namespace windowtest;

namespace {

const QString deg = QStringLiteral("\u00B0");
const QString nbsp = QStringLiteral("\u00A0");

QString boxText(const QString &value, const QString &ambient, const QString &count)
{
    const QString times = QStringLiteral(" \u00D7 ");
    return "=" + value + " A  (I" + times + ambient + times + count + ")";
}

QString qt(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startUp();
    void layoutAndTabOrder();
    void roadOfOneSelection();
    void ampacityListLeadsUntilAButton();
    void ampacityListBeforeTheFirstTick();
    void materialKeepsTheConductor_data();
    void materialKeepsTheConductor();
    void installationAndInsulationResetTheirFactor();
    void correctionBoxFollowsTheFactorButtons();
    void everyButtonGivesTheLeadToTheWireSizeList();
    void typedTextIsOverwrittenAtTheNextTick();
    void decimalSeparatorOfTheLocale();
    void idleTicksPaintNothing();
    void exitAndCodesWithoutATableEndTheProgram();
    void keyboardWalk();
    void randomUserActions();

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
    QCOMPARE(rows(w->ComWS).first(), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->currentIndex(), 0);
    QCOMPARE(rows(w->ComAM).size(), 25);
    QCOMPARE(rows(w->ComAM).last(), QStringLiteral("   555 A"));
    QCOMPARE(w->ComAM->currentIndex(), -1);
    QVERIFY(w->Timer1->isActive() && !w->Timer2->isActive());

    // Action: show it. Expected: the wire-size list has the focus and the
    // first tick selects the first ampacity.
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    QTRY_COMPARE(w->ComAM->currentIndex(), 0);
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("15", "1", "1"));

    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("CU"));
    QCOMPARE(w->CondCmnd->caption(), "Raceway or" + nbsp + "Cable");
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C ");
    QCOMPARE(w->Frame1->title(), "For 30" + deg + "C Ambient Temp.");
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction factors"));
    QVERIFY(w->CorectAmpacity->isHidden());
    QVERIFY(w->AboutCmd->isVisible());
    // Two-line captions break at ordinary blanks only; the caption stays whole.
    QCOMPARE(w->CondCmnd->text(), "Raceway\nor" + nbsp + "Cable");
    QCOMPARE(w->NoOfWCmd->text(), "Wires" + nbsp + "#\n1-3");
    QCOMPARE(w->TempCmnd->text(), "Insulation\n60" + deg + "C");
    QCOMPARE(w->MaterCmnd->text(), QStringLiteral("CU"));
    for (QComboBox *list : {w->ComWS, w->ComAM, w->CorectAmpacity}) {
        QCOMPARE(list->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
        QCOMPARE(list->view()->palette().color(QPalette::Text), QColor(128, 0, 0));
    }
}

void TestMainWindow::layoutAndTabOrder()
{
    w = openMainWindow();
    QCOMPARE(w->size(), QSize(377, 97));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->ExitCmd->geometry(), QRect(331, 26, 34, 34));
    QCOMPARE(w->CorectAmpacity->geometry(), QRect(214, 65, 152, 22));
    // The result box lies over the About button and is stacked above it.
    QVERIFY(w->CorectAmpacity->geometry().contains(
        w->AboutCmd->mapTo(w.get(), w->AboutCmd->rect().center())));
    QVERIFY(w->children().indexOf(w->CorectAmpacity) > w->children().indexOf(w->Frame2));
    QCOMPARE(w->CorectAmpacity->lineEdit()->cursor().shape(), Qt::ForbiddenCursor);

    // Action: Tab through the window. Expected: the layout's order, without
    // the hidden result box.
    for (QWidget *next : {(QWidget *)w->ComAM, (QWidget *)w->MaterCmnd, (QWidget *)w->CondCmnd,
                          (QWidget *)w->TempCmnd, (QWidget *)w->AmbCmnd, (QWidget *)w->NoOfWCmd,
                          (QWidget *)w->ExitCmd, (QWidget *)w->AboutCmd, (QWidget *)w->ComWS}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::roadOfOneSelection()
{
    w = openMainWindow();
    // Action: ambient stepped to 40 °C under 60 °C insulation, then 250 MCM picked.
    click(w->AmbCmnd);
    click(w->AmbCmnd);
    pickRow(w->ComWS, 13);
    waitForTick();
    QCOMPARE(w->ComAM->currentText(), QStringLiteral("   215 A"));
    QVERIFY(w->CorectAmpacity->isVisible());
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    QCOMPARE(w->state().CorrectedAmp, 176.3f);
}

void TestMainWindow::ampacityListLeadsUntilAButton()
{
    w = openMainWindow();
    // Action: pick an ampacity. Expected: the wire-size list follows.
    pickRow(w->ComAM, 12);
    QVERIFY(w->Timer2->isActive() && !w->Timer1->isActive());
    waitForTick();
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("   4/0 AWG"));

    // Action: the focus moves to a button. Expected: the ampacity list still leads.
    w->ExitCmd->setFocus(Qt::TabFocusReason);
    waitForTick();
    QVERIFY(w->Timer2->isActive());
    QCOMPARE(w->ComWS->currentIndex(), 12);

    // Action: pick a wire size. Expected: the ampacity list follows.
    pickRow(w->ComWS, 3);
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), 3);
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
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), -1);
    QCOMPARE(w->ComWS->currentIndex(), 0);
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("0", "1", "1"));
}

void TestMainWindow::materialKeepsTheConductor_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("aluminumRow");
    QTest::addColumn<int>("copperRowAfter");
    QTest::newRow("10 AWG both ways") << 2 << 1 << 2;
    QTest::newRow("14 AWG becomes 12 AWG") << 0 << 0 << 1;
    QTest::newRow("2000 MCM both ways") << 24 << 23 << 24;
}

void TestMainWindow::materialKeepsTheConductor()
{
    QFETCH(int, row);
    QFETCH(int, aluminumRow);
    QFETCH(int, copperRowAfter);
    w = openMainWindow();
    pickRow(w->ComWS, row);
    waitForTick();

    click(w->MaterCmnd);
    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("AL"));
    QCOMPARE(rows(w->ComWS).first(), QStringLiteral("     12 AWG"));
    QCOMPARE(w->ComAM->count(), 24);
    QCOMPARE(w->ComWS->currentIndex(), aluminumRow);
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 4"));
    for (QComboBox *list : {w->ComWS, w->ComAM, w->CorectAmpacity})
        QCOMPARE(list->view()->palette().color(QPalette::Text), QColor(0, 0, 192));
    waitForTick();
    QCOMPARE(w->ComAM->currentText(),
             qt(ampacity::selectAmpacityColumn(1, 0, 2)->texts[aluminumRow]));

    click(w->MaterCmnd);
    QCOMPARE(rows(w->ComWS).first(), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->currentIndex(), copperRowAfter);
    QCOMPARE(w->ComAM->palette().color(QPalette::ButtonText), QColor(128, 0, 0));
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), copperRowAfter);
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
    QCOMPARE(w->state().NoOfWFactor, 1.0f);
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    click(w->NoOfWCmd);
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5B applied"));

    // Action: insulation to 75 °C. Expected: ambient back to 30 °C, count kept,
    // and the next ambient step comes from the 75 °C column.
    click(w->TempCmnd);
    QCOMPARE(w->TempCmnd->caption(), "Insulation 75" + deg + "C");
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C");
    QCOMPARE(w->state().AmbFactor, 1.0f);
    QCOMPARE(w->state().NoOfWFactor, 0.9f);
    QCOMPARE(rows(w->ComAM).last(), QStringLiteral(" 1385 A"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5B applied"));
    click(w->AmbCmnd);
    QCOMPARE(w->state().AmbFactor, 0.94f);
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
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("25", "1", "1"));
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
}

void TestMainWindow::typedTextIsOverwrittenAtTheNextTick()
{
    w = openMainWindow();
    click(w->AmbCmnd);
    waitForTick();
    const QString shown = w->CorectAmpacity->currentText();
    w->CorectAmpacity->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(w->CorectAmpacity->lineEdit(), QStringLiteral("999"));
    QTest::keyClick(w->CorectAmpacity->lineEdit(), Qt::Key_Return);
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), shown);
    QCOMPARE(w->CorectAmpacity->count(), 0); // Return added no row
}

void TestMainWindow::decimalSeparatorOfTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
    w = openMainWindow();
    click(w->TempCmnd);    // 75 °C
    pickRow(w->ComWS, 24); // 2000 MCM: 665 A
    click(w->NoOfWCmd);    // 0.8: 532, neither separator nor digit grouping
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("532", "1", "0,8"));
    click(w->AmbCmnd); // 0.94
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("500,1", "0,94", "0,8"));
}

// Twenty ticks a second must cost nothing a user can see: with nothing
// changed, no control is repainted.
void TestMainWindow::idleTicksPaintNothing()
{
    w = openMainWindow();
    click(w->AmbCmnd);
    QTest::qWait(300); // the first ticks and repaints settle

    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    w->installEventFilter(&counter);
    for (QWidget *child : w->findChildren<QWidget *>())
        child->installEventFilter(&counter);
    int ticks = 0;
    connect(w->Timer1, &QTimer::timeout, &counter, [&ticks] { ++ticks; });
    QTest::qWait(1000);
    QVERIFY(ticks >= 10);
    QCOMPARE(counter.paints, 0);
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

// Everything from the keyboard alone: look up 250 MCM, step the ambient
// temperature to 40 °C, read the corrected ampacity.
void TestMainWindow::keyboardWalk()
{
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

    // Action: Tab to the ambient button, Space; again, Enter.
    tabTo(w->AmbCmnd);
    press(Qt::Key_Space);
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    tabTo(w->AmbCmnd);
    press(Qt::Key_Return);
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 40" + deg + "C");
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));
    tabTo(w->CorectAmpacity); // shown, it takes its place in the tab order
}

// A few thousand user actions in random order, a tick after each: both lists
// agree, and the captions and the result match the state.
void TestMainWindow::randomUserActions()
{
    w = openMainWindow();
    QRandomGenerator random(20261207);
    const QList<CaptionButton *> buttons = {w->MaterCmnd, w->CondCmnd, w->TempCmnd, w->AmbCmnd,
                                            w->NoOfWCmd};
    for (int action = 0; action < 3000; ++action) {
        switch (random.bounded(6)) {
        case 0:
        case 1:
            click(buttons[random.bounded(int(buttons.size()))]);
            break;
        case 2:
            w->ComWS->setCurrentIndex(random.bounded(w->ComWS->count()));
            break;
        case 3:
            w->ComAM->setFocus(Qt::MouseFocusReason);
            w->ComAM->setCurrentIndex(random.bounded(w->ComAM->count()));
            break;
        case 4:
            w->ComWS->setFocus(Qt::TabFocusReason);
            break;
        default:
            w->CorectAmpacity->setEditText(QStringLiteral("typed"));
            break;
        }
        if (w->Timer1->isActive()) // one tick of the list that leads
            w->Timer1_Timer();
        else
            w->Timer2_Timer();

        const AmpacityState &s = w->state();
        QCOMPARE(w->ComWS->count(), s.MaterSel == 0 ? 25 : 24);
        QCOMPARE(w->ComAM->count(), w->ComWS->count());
        QCOMPARE(s.WSIndex, s.AMIndex);
        QCOMPARE(w->ComAM->currentIndex(), int(s.AMIndex));
        QVERIFY(w->Timer1->isActive() != w->Timer2->isActive());
        QCOMPARE(w->MaterCmnd->caption(),
                 s.MaterSel == 0 ? QStringLiteral("CU") : QStringLiteral("AL"));
        QCOMPARE(w->TempCmnd->caption(), qt(ampacity::insulationCaption(s.TempSel)));
        QCOMPARE(w->CondCmnd->caption() == QStringLiteral("Free Air"), s.CondSel == 1);

        const auto column = ampacity::selectAmpacityColumn(s.MaterSel, s.CondSel, s.TempSel);
        QCOMPARE(w->ComAM->itemText(0), qt(column->texts[0]));
        const auto c =
            ampacity::correctAmpacity(column->texts[s.AMIndex], s.AmbFactor, s.NoOfWFactor);
        QCOMPARE(w->CorectAmpacity->currentText(),
                 qt(ampacity::correctedAmpacityText(c.correctedAmp, s.AmbFactor, s.NoOfWFactor)));
        if (w->Frame2->title() != QStringLiteral("Correction factors"))
            QCOMPARE(w->Frame2->title(),
                     qt(*ampacity::correctionFrameCaption(s.AmbFactor, s.NoOfWFactor, s.CondSel)));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
