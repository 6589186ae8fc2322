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
const QString times = QStringLiteral("\u00D7");

QString boxText(const QString &value, const QString &ambient, const QString &count)
{
    return "=" + value + " A  (I " + times + " " + ambient + " " + times + " " + count + ")";
}

QColor textColour(const QWidget *widget)
{
    return widget->palette().color(QPalette::Text);
}

} // namespace

class TestMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void cleanup();

    void startUp();
    void layoutAndTabOrder();
    void twoLineCaptions();
    void roadOfOneSelection();
    void ampacityListLeadsUntilAButton();
    void ampacityListBeforeTheFirstTick();
    void materialKeepsTheConductor_data();
    void materialKeepsTheConductor();
    void installationResetsTheConductorCount();
    void insulationResetsTheAmbient();
    void correctionBoxFollowsTheFactorButtons();
    void everyButtonGivesTheLeadToTheWireSizeList();
    void typedTextIsOverwrittenAtTheNextTick();
    void decimalSeparatorOfTheLocale();
    void idleTicksPaintNothing();
    void exitEndsTheProgram();
    void codesWithoutATableEndTheProgram();
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
    QCOMPARE(w->ComWS->count(), 25);
    QCOMPARE(w->ComWS->currentIndex(), 0);
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComAM->count(), 25);
    QCOMPARE(w->ComAM->itemText(0), QStringLiteral("     15 A"));
    QCOMPARE(w->ComAM->itemText(24), QStringLiteral("   555 A"));
    QCOMPARE(w->ComAM->currentIndex(), -1);
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->Timer2->isActive());
    QCOMPARE(w->state().TempSel, std::int16_t(2));
    QCOMPARE(w->state().AmbFactor, 1.0f);
    QCOMPARE(w->state().NoOfWFactor, 1.0f);

    // Action: show it. Expected: the wire-size list has the focus, the first
    // tick selects the first ampacity.
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    QTRY_COMPARE(w->ComAM->currentIndex(), 0);
    QCOMPARE(w->state().AMIndex, std::int16_t(0));
    QCOMPARE(w->state().BaseAmp, 15.0f);
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("15", "1", "1"));

    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("CU"));
    QCOMPARE(w->CondCmnd->caption(), "Raceway or" + nbsp + "Cable");
    QCOMPARE(w->TempCmnd->caption(), "Insulation 60" + deg + "C");
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C ");
    QCOMPARE(w->NoOfWCmd->caption(), "Wires" + nbsp + "# 1-3");
    QCOMPARE(w->Frame1->title(), "For 30" + deg + "C Ambient Temp.");
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction factors"));
    QCOMPARE(w->AboutCmd->text(), QStringLiteral("A b o u t"));
    QVERIFY(w->CorectAmpacity->isHidden());
    QVERIFY(w->AboutCmd->isVisible());

    const QColor maroon(128, 0, 0);
    for (QComboBox *list : {w->ComWS, w->ComAM, w->CorectAmpacity}) {
        QCOMPARE(textColour(list), maroon);
        QCOMPARE(list->palette().color(QPalette::ButtonText), maroon);
        QCOMPARE(textColour(list->view()), maroon);
    }
}

void TestMainWindow::layoutAndTabOrder()
{
    w = openMainWindow();
    QCOMPARE(w->size(), QSize(377, 97));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QVERIFY(!(w->windowFlags() & Qt::WindowMaximizeButtonHint));
    QCOMPARE(w->palette().color(QPalette::Window), QColor(224, 224, 224));

    QCOMPARE(w->ExitCmd->geometry(), QRect(331, 26, 34, 34));
    QCOMPARE(w->ComWS->geometry(), QRect(14, 65, 91, 22));
    QCOMPARE(w->CorectAmpacity->geometry(), QRect(214, 65, 152, 22));
    // The About button, inside the correction frame, lies under the result box.
    const QRect about(w->AboutCmd->mapTo(w.get(), QPoint(0, 0)), w->AboutCmd->size());
    QVERIFY(w->CorectAmpacity->geometry().intersects(about));
    QCOMPARE(w->MaterCmnd->font().bold(), true);
    QCOMPARE(w->MaterCmnd->font().pointSizeF(), 9.0);
    QCOMPARE(w->AboutCmd->font().pointSizeF(), 7.5);

    // The result box is stacked over the About button's frame.
    const QObjectList &children = w->children();
    QVERIFY(children.indexOf(w->CorectAmpacity) > children.indexOf(w->Frame2));
    QCOMPARE(w->CorectAmpacity->cursor().shape(), Qt::ForbiddenCursor);
    QCOMPARE(w->CorectAmpacity->lineEdit()->cursor().shape(), Qt::ForbiddenCursor);

    // Action: Tab through the window. Expected: the order of the layout; the
    // hidden result box is skipped.
    const QList<QWidget *> order = {w->ComAM,    w->MaterCmnd, w->CondCmnd, w->TempCmnd, w->AmbCmnd,
                                    w->NoOfWCmd, w->ExitCmd,   w->AboutCmd, w->ComWS};
    for (QWidget *next : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
}

void TestMainWindow::twoLineCaptions()
{
    w = openMainWindow();
    QCOMPARE(w->CondCmnd->text(), "Raceway\nor" + nbsp + "Cable");
    QCOMPARE(w->NoOfWCmd->text(), "Wires" + nbsp + "#\n1-3");
    QCOMPARE(w->TempCmnd->text(), "Insulation\n60" + deg + "C");
    QCOMPARE(w->AmbCmnd->text(), "Ambient\n30" + deg + "C ");
    QCOMPARE(w->MaterCmnd->text(), QStringLiteral("CU"));
    QCOMPARE(w->ExitCmd->text(), QStringLiteral("Exit"));

    // Action: step the conductor count to its longest caption.
    for (int i = 0; i < 4; ++i)
        click(w->NoOfWCmd);
    QCOMPARE(w->NoOfWCmd->caption(), "Wires" + nbsp + "# over 43");
    QCOMPARE(w->NoOfWCmd->text(), "Wires" + nbsp + "#\nover 43");

    click(w->CondCmnd);
    QCOMPARE(w->CondCmnd->text(), QStringLiteral("Free Air"));
    QCOMPARE(w->NoOfWCmd->text(), QStringLiteral("1 Wire"));
    QCOMPARE(w->NoOfWCmd->accessibleName(), QStringLiteral("1 Wire"));
}

void TestMainWindow::roadOfOneSelection()
{
    w = openMainWindow();
    // Action: ambient stepped to 40 °C under 60 °C insulation, then 250 MCM picked.
    click(w->AmbCmnd);
    click(w->AmbCmnd);
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 40" + deg + "C");
    pickRow(w->ComWS, 13);
    waitForTick();

    QCOMPARE(w->ComWS->currentText(), QStringLiteral("   250 MCM"));
    QCOMPARE(w->ComAM->currentText(), QStringLiteral("   215 A"));
    QVERIFY(w->CorectAmpacity->isVisible());
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));
    QCOMPARE(w->state().CorrectedAmp, 176.3f);
    QCOMPARE(w->state().WSIndex, w->state().AMIndex);
}

void TestMainWindow::ampacityListLeadsUntilAButton()
{
    w = openMainWindow();
    // Action: pick an ampacity. Expected: the wire-size list follows.
    pickRow(w->ComAM, 12);
    QVERIFY(w->Timer2->isActive());
    QVERIFY(!w->Timer1->isActive());
    waitForTick();
    QCOMPARE(w->ComWS->currentIndex(), 12);
    QCOMPARE(w->ComWS->currentText(), QStringLiteral("   4/0 AWG"));

    // Action: the focus moves to a button without clicking it. Expected: the
    // ampacity list still leads and the wire-size list keeps the row.
    w->ExitCmd->setFocus(Qt::TabFocusReason);
    waitForTick();
    QVERIFY(w->Timer2->isActive());
    QCOMPARE(w->ComWS->currentIndex(), 12);

    // Action: pick a wire size. Expected: the ampacity list follows.
    pickRow(w->ComWS, 3);
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), 3);
    QVERIFY(w->Timer1->isActive() && !w->Timer2->isActive());
}

// Focus in the ampacity list before any tick selected a row: nothing to copy,
// the wire-size list stays, and the result reads 0 until an ampacity is chosen.
void TestMainWindow::ampacityListBeforeTheFirstTick()
{
    w = std::make_unique<Ampacity>();
    w->show();
    w->activateWindow();
    w->ComAM->setFocus(Qt::MouseFocusReason);
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    w->ComAM->setFocus(Qt::MouseFocusReason);
    waitForTick();
    QVERIFY(w->Timer2->isActive());
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

    // Action: to aluminum.
    click(w->MaterCmnd);
    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("AL"));
    QCOMPARE(w->ComWS->count(), 24);
    QCOMPARE(w->ComAM->count(), 24);
    QCOMPARE(w->ComWS->currentIndex(), aluminumRow);
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 4"));
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     12 AWG"));
    const QColor darkBlue(0, 0, 192);
    for (QComboBox *list : {w->ComWS, w->ComAM, w->CorectAmpacity}) {
        QCOMPARE(textColour(list), darkBlue);
        QCOMPARE(textColour(list->view()), darkBlue);
    }
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), aluminumRow);
    QCOMPARE(
        w->ComAM->currentText(),
        QString::fromUtf8(ampacity::selectAmpacityColumn(1, 0, 2)->texts[aluminumRow].c_str()));

    // Action: back to copper.
    click(w->MaterCmnd);
    QCOMPARE(w->MaterCmnd->caption(), QStringLiteral("CU"));
    QCOMPARE(w->ComWS->count(), 25);
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->currentIndex(), copperRowAfter);
    QCOMPARE(textColour(w->ComAM), QColor(128, 0, 0));
    waitForTick();
    QCOMPARE(w->ComAM->currentIndex(), copperRowAfter);
    QCOMPARE(w->ComAM->count(), 25);
}

void TestMainWindow::installationResetsTheConductorCount()
{
    w = openMainWindow();
    click(w->AmbCmnd); // 35 °C, 0.91
    click(w->NoOfWCmd);
    click(w->NoOfWCmd); // 7-24, 0.7
    QCOMPARE(w->NoOfWCmd->caption(), "Wires" + nbsp + "# 7-24");
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5C applied"));

    // Action: to free air. Expected: Table 1, "1 Wire", factor 1, ambient kept.
    click(w->CondCmnd);
    QCOMPARE(w->CondCmnd->caption(), QStringLiteral("Free Air"));
    QCOMPARE(w->NoOfWCmd->caption(), QStringLiteral("1 Wire"));
    QCOMPARE(w->state().NoOfWFactor, 1.0f);
    QCOMPARE(w->state().AmbFactor, 0.91f);
    QCOMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 1"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5A applied"));

    click(w->NoOfWCmd);
    QCOMPARE(w->NoOfWCmd->caption(), QStringLiteral("2 Wires"));
    QCOMPARE(w->state().NoOfWFactor, 0.9f);
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tables 5A and 5B applied"));

    // Action: back to raceway or cable.
    click(w->CondCmnd);
    QCOMPARE(w->CondCmnd->caption(), "Raceway or" + nbsp + "Cable");
    QCOMPARE(w->NoOfWCmd->caption(), "Wires" + nbsp + "# 1-3");
    QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 2"));
}

void TestMainWindow::insulationResetsTheAmbient()
{
    w = openMainWindow();
    click(w->NoOfWCmd); // 4-6, 0.8
    click(w->AmbCmnd);
    click(w->AmbCmnd);
    click(w->AmbCmnd); // 45 °C, 0.71
    QCOMPARE(w->state().AmbFactor, 0.71f);

    const QString captions[] = {"Insulation 75" + deg + "C", "Insulation 90" + deg + "C",
                                "Insulation 60" + deg + "C"};
    const QString lastRows[] = {"   665 A", "   750 A", "   555 A"};
    for (int i = 0; i < 3; ++i) {
        click(w->TempCmnd);
        QCOMPARE(w->TempCmnd->caption(), captions[i]);
        QCOMPARE(w->AmbCmnd->caption(), "Ambient 30" + deg + "C");
        QCOMPARE(w->state().AmbFactor, 1.0f);
        QCOMPARE(w->state().NoOfWFactor, 0.8f);
        QCOMPARE(w->ComAM->itemText(24), lastRows[i]);
        QCOMPARE(w->windowTitle(), QStringLiteral("2024 CEC Ampacity Table 2"));
        QCOMPARE(w->Frame2->title(), QStringLiteral("Table 5C applied"));
        if (i == 0) {
            // The next ambient step comes from the new column: 0.94 at 75 °C.
            click(w->AmbCmnd);
            QCOMPARE(w->state().AmbFactor, 0.94f);
            click(w->TempCmnd);
            QCOMPARE(w->state().AmbFactor, 1.0f);
            ++i;
            QCOMPARE(w->TempCmnd->caption(), captions[i]);
        }
    }
}

void TestMainWindow::correctionBoxFollowsTheFactorButtons()
{
    w = openMainWindow();
    // Six ambient clicks under 60 °C: shown from the first, hidden on the sixth.
    for (int i = 1; i <= 6; ++i) {
        click(w->AmbCmnd);
        QCOMPARE(w->CorectAmpacity->isVisible(), i < 6);
        QCOMPARE(w->AboutCmd->isVisibleTo(w.get()), true); // never hidden itself
    }
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction Factors"));

    // With a count factor in force, ambient back at 30 °C keeps the box.
    click(w->NoOfWCmd);
    QVERIFY(w->CorectAmpacity->isVisible());
    for (int i = 0; i < 6; ++i)
        click(w->AmbCmnd);
    QVERIFY(w->CorectAmpacity->isVisible());

    // The installation button resets the count factor but leaves the box as
    // it is; it goes on showing the value with factors 1 and 1.
    click(w->CondCmnd);
    QVERIFY(w->CorectAmpacity->isVisible());
    QCOMPARE(w->Frame2->title(), QStringLiteral("Correction Factors"));
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
        QVERIFY(w->Timer1->isActive());
        QVERIFY(!w->Timer2->isActive());
    }
}

void TestMainWindow::typedTextIsOverwrittenAtTheNextTick()
{
    w = openMainWindow();
    click(w->AmbCmnd);
    waitForTick();
    const QString shown = w->CorectAmpacity->currentText();

    // Action: type into the result box and press Return.
    w->CorectAmpacity->setFocus(Qt::MouseFocusReason);
    QTest::keyClicks(w->CorectAmpacity->lineEdit(), QStringLiteral("999"));
    QTest::keyClick(w->CorectAmpacity->lineEdit(), Qt::Key_Return);
    waitForTick();
    QCOMPARE(w->CorectAmpacity->currentText(), shown);
    QCOMPARE(w->CorectAmpacity->count(), 0);
}

void TestMainWindow::decimalSeparatorOfTheLocale()
{
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
    w = openMainWindow();
    for (int i = 0; i < 4; ++i)
        click(w->TempCmnd); // to 75 °C, 90 °C, 60 °C, 75 °C
    pickRow(w->ComWS, 24);  // 2000 MCM: 665 A
    click(w->NoOfWCmd);     // 0.8
    waitForTick();
    // 665 x 0.8 = 532: no separator, no digit grouping.
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
    QTest::qWait(300); // let the first ticks and repaints settle

    struct PaintCounter : QObject
    {
        int paints = 0;
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
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

void TestMainWindow::exitEndsTheProgram()
{
    w = openMainWindow();
    click(w->AboutCmd);
    QVERIFY(w->aboutWindow() && w->aboutWindow()->isVisible());
    click(w->ExitCmd);
    QVERIFY(!w->isVisible());
    QVERIFY(!w->aboutWindow() || !w->aboutWindow()->isVisible());
    QVERIFY(!w->Timer1->isActive());
    QVERIFY(!w->Timer2->isActive());
}

void TestMainWindow::codesWithoutATableEndTheProgram()
{
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

    // Action: open the wire-size list with Alt+Down, go down 13 rows, pick with Enter.
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    press(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(w->ComWS->view()->isVisible());
    for (int i = 0; i < 13; ++i)
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    QTRY_VERIFY(!w->ComWS->view()->isVisible());
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
    waitForTick();
    QCOMPARE(w->ComAM->currentText(), QStringLiteral("   215 A"));

    // Action: Tab to the ambient button, press Space; again, press Enter.
    tabTo(w->AmbCmnd);
    press(Qt::Key_Space);
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 35" + deg + "C");
    QCOMPARE(QApplication::focusWidget(), w->ComWS);
    tabTo(w->AmbCmnd);
    press(Qt::Key_Return);
    QTRY_COMPARE(w->AmbCmnd->caption(), "Ambient 40" + deg + "C");
    waitForTick();

    // Expected: the result, and the box now takes its place in the tab order.
    QCOMPARE(w->CorectAmpacity->currentText(), boxText("176.3", "0.82", "1"));
    tabTo(w->CorectAmpacity);
}

// A few thousand user actions in random order with ticks between them. After
// each tick both lists agree, and every caption and the result match the state.
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
            if (w->CorectAmpacity->isVisible())
                w->CorectAmpacity->setEditText(QStringLiteral("typed"));
            break;
        }
        // One tick of whichever timer leads.
        if (w->Timer1->isActive())
            w->Timer1_Timer();
        else
            w->Timer2_Timer();

        const AmpacityState &s = w->state();
        QCOMPARE(w->ComWS->count(), w->ComAM->count());
        QCOMPARE(w->ComWS->count(), s.MaterSel == 0 ? 25 : 24);
        QCOMPARE(s.WSIndex, s.AMIndex);
        QCOMPARE(w->ComWS->currentIndex(), int(s.WSIndex));
        QCOMPARE(w->ComAM->currentIndex(), int(s.AMIndex));
        QVERIFY(w->Timer1->isActive() != w->Timer2->isActive());
        QCOMPARE(w->MaterCmnd->caption(),
                 s.MaterSel == 0 ? QStringLiteral("CU") : QStringLiteral("AL"));
        QCOMPARE(w->TempCmnd->caption(),
                 QString::fromUtf8(ampacity::insulationCaption(s.TempSel).data()));
        QCOMPARE(w->CondCmnd->caption(),
                 s.CondSel == 0 ? "Raceway or" + nbsp + "Cable" : QStringLiteral("Free Air"));

        const auto column = ampacity::selectAmpacityColumn(s.MaterSel, s.CondSel, s.TempSel);
        QCOMPARE(w->ComAM->itemText(0), QString::fromStdString(column->texts[0]));
        const ampacity::Correction c =
            ampacity::correctAmpacity(column->texts[s.AMIndex], s.AmbFactor, s.NoOfWFactor);
        QCOMPARE(s.CorrectedAmp, c.correctedAmp);
        QCOMPARE(w->CorectAmpacity->currentText(),
                 QString::fromStdString(
                     ampacity::correctedAmpacityText(c.correctedAmp, s.AmbFactor, s.NoOfWFactor)));
        QCOMPARE(w->CorectAmpacity->isVisible() || w->CorectAmpacity->isHidden(), true);
        if (w->Frame2->title() != QStringLiteral("Correction factors"))
            QCOMPARE(w->Frame2->title(),
                     QString::fromUtf8(
                         ampacity::correctionFrameCaption(s.AmbFactor, s.NoOfWFactor, s.CondSel)
                             ->data()));
    }
}

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
