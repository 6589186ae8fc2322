#include "AboutAmp.h"
#include "Translations.h"
#include "WindowTestFixture.h"

#include <QGroupBox>
#include <QLabel>

using namespace windowtest;

namespace {
const QString nbsp = QStringLiteral("\u00A0");
} // namespace

// The calculator on a French-Canadian desktop (CTest sets LANGUAGE=fr and
// LC_ALL=fr_CA.UTF-8): each button steps through its cycle exactly as in
// English, in the French of the Code canadien de l'électricité.
class TestFrench : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cyclesStepInFrench_data();
    void cyclesStepInFrench();
    void resultAndAboutInFrench();
};

void TestFrench::initTestCase()
{
    installTranslations(*qApp);
}

void TestFrench::cyclesStepInFrench_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("captions"); // after each press, as the user reads them
    QTest::addColumn<QStringList>("titles");   // the window's, where the press changes it
    QTest::addColumn<QString>("frame");        // the correction frame's, after the first press

    const QString table = QStringLiteral("CCÉ 2024, courant admissible, tableau %1");
    const QString fils = "Fils" + nbsp + "# ";
    const QString none = QStringLiteral("Facteurs de correction");
    QTest::newRow("material") << "MaterCmnd" << QStringList{"AL", "CU"}
                              << QStringList{table.arg(4), table.arg(2)} << none;
    QTest::newRow("installation") << "CondCmnd"
                                  << QStringList{"Air libre", "Canalisation ou" + nbsp + "câble"}
                                  << QStringList{table.arg(1), table.arg(2)} << none;
    QTest::newRow("insulation") << "TempCmnd"
                                << QStringList{"Isolant 75°C", "Isolant 90°C", "Isolant 60°C"}
                                << QStringList{} << none;
    QTest::newRow("ambient") << "AmbCmnd"
                             << QStringList{"Ambiante 35°C", "Ambiante 40°C", "Ambiante 45°C",
                                            "Ambiante 50°C", "Ambiante 55°C", "Ambiante 30°C"}
                             << QStringList{} << "Tableau 5A appliqué";
    QTest::newRow("conductor count")
        << "NoOfWCmd"
        << QStringList{fils + "4-6", fils + "7-24", fils + "25-42",
                       fils + "43" + nbsp + "et" + nbsp + "+", fils + "1-3"}
        << QStringList{} << "Tableau 5C appliqué";
}

void TestFrench::cyclesStepInFrench()
{
    QFETCH(QString, button);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, titles);
    QFETCH(QString, frame);
    auto w = openMainWindow();
    auto *pressed = w->findChild<CaptionButton *>(button);
    QVERIFY(pressed);
    for (qsizetype press = 0; press < captions.size(); ++press) {
        click(pressed);
        // The wrapped caption read back as one line: it breaks at ordinary blanks only.
        QCOMPARE(pressed->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), captions[press]);
        if (press < titles.size())
            QCOMPARE(w->windowTitle(), titles[press]);
        if (press == 0)
            QCOMPARE(w->Frame2->title(), frame);
    }
}

// 250 MCM copper at 60 °C with the ambient at 40 °C, with the decimal comma
// of the French-Canadian locale, and the About window.
void TestFrench::resultAndAboutInFrench()
{
    auto w = openMainWindow();
    QCOMPARE(w->Frame1->title(), "Température ambiante de 30" + nbsp + "°C");
    // The tooltip is what a screen reader reads as the description.
    QCOMPARE(w->ComWS->toolTip(), w->ComWS->accessibleDescription());
    w->ComWS->setCurrentIndex(13);
    click(w->AmbCmnd);
    click(w->AmbCmnd);
    QTRY_COMPARE(w->CorectAmpacity->currentText(),
                 QStringLiteral("=176,3 A  (I \u00D7 0,82 \u00D7 1)"));
    QCOMPARE(w->Frame2->title(), QStringLiteral("Tableau 5A appliqué"));

    click(w->AboutCmd);
    AboutAmp *about = w->aboutWindow();
    QVERIFY(about);
    QCOMPARE(about->windowTitle(), QStringLiteral("À propos de Torvane"));
    QCOMPARE(about->Label2->text(), "Version" + nbsp + ": 25.1.7");
    QVERIFY(about->Label1->text().startsWith(QStringLiteral("Ce logiciel est conforme")));
}

QTEST_MAIN(TestFrench)
#include "tst_french.moc"
