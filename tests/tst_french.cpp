#include "AboutAmp.h"
#include "ScheduleSortProxy.h"
#include "ScheduleWindow.h"
#include "Translations.h"
#include "WindowTestFixture.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>

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
    void wireSizesAndExitInFrench();
    void scheduleWindowAndReportInFrench();
    void everyTranslationKeepsFrenchTypography();
};

void TestFrench::initTestCase()
{
#ifdef Q_OS_WIN
    // Under Wine the user's number format is kept in the prefix's registry,
    // which a Wine process of another locale (a test before this one, or a
    // process it leaves running) may write back while this test runs: the
    // decimal mark was then now a comma, now a point. Here it comes from
    // the French-Canadian locale itself, as a French-Canadian Windows gives
    // it; on Linux, from the desktop's locale as CTest sets it.
    QLocale::setDefault(QLocale(QLocale::French, QLocale::Canada));
#endif
    installTranslations(*qApp);
}

void TestFrench::cyclesStepInFrench_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("captions"); // after each press, as the user reads them
    QTest::addColumn<QStringList>("titles");   // the window's, where the press changes it
    QTest::addColumn<QString>("frame");        // the correction frame's, after the first press

    const QString table = QStringLiteral("CCÉ 2024, courant admissible, tableau %1");
    const QString cond = QStringLiteral("Cond. ");
    const QString none = QStringLiteral("Facteurs de correction");
    QTest::newRow("material") << "MaterCmnd" << QStringList{"AL", "CU"}
                              << QStringList{table.arg(4), table.arg(2)} << none;
    QTest::newRow("installation") << "CondCmnd"
                                  << QStringList{"Air libre", "Canalisation ou" + nbsp + "câble"}
                                  << QStringList{table.arg(1), table.arg(2)} << none;
    QTest::newRow("insulation") << "TempCmnd"
                                << QStringList{"Isolant 75" + nbsp + "°C",
                                               "Isolant 90" + nbsp + "°C",
                                               "Isolant 60" + nbsp + "°C"}
                                << QStringList{} << none;
    QTest::newRow("ambient") << "AmbCmnd" << QStringList{"Ambiante 35" + nbsp + "°C",
                                                         "Ambiante 40" + nbsp + "°C",
                                                         "Ambiante 45" + nbsp + "°C",
                                                         "Ambiante 50" + nbsp + "°C",
                                                         "Ambiante 55" + nbsp + "°C",
                                                         "Ambiante 30" + nbsp + "°C"}
                             << QStringList{} << "Tableau 5A appliqué";
    QTest::newRow("conductor count")
        << "NoOfWCmd"
        << QStringList{cond + "4-6", cond + "7-24", cond + "25-42",
                       cond + "43" + nbsp + "et" + nbsp + "+", cond + "1-3"}
        << QStringList{} << "Tableau 5C appliqué";
    // In free air, after the installation button has put the count back.
    QTest::newRow("conductor count, free air")
        << "CondCmnd+NoOfWCmd" << QStringList{"2 cond.", "3 cond.", "4 cond.", "1 cond."}
        << QStringList{} << "Tableau 5B appliqué";
}

void TestFrench::cyclesStepInFrench()
{
    QFETCH(QString, button);
    QFETCH(QStringList, captions);
    QFETCH(QStringList, titles);
    QFETCH(QString, frame);
    auto w = openMainWindow();
    const QStringList buttons = button.split(QLatin1Char('+'));
    for (const QString &first : buttons.first(buttons.size() - 1))
        click(w->findChild<CaptionButton *>(first));
    auto *pressed = w->findChild<CaptionButton *>(buttons.last());
    QVERIFY(pressed);
    for (qsizetype press = 0; press < captions.size(); ++press) {
        click(pressed);
        // The wrapped caption read back as one line: it breaks at ordinary
        // blanks only, and shows no trailing blank.
        QCOMPARE(pressed->text().replace(QLatin1Char('\n'), QLatin1Char(' ')), captions[press]);
        if (press < titles.size())
            QCOMPARE(w->windowTitle(), titles[press]);
        if (press == 0)
            QCOMPARE(w->Frame2->title(), frame);
        // The French conductor counts are short enough for the button's own size.
        if (pressed == w->NoOfWCmd)
            QCOMPARE(pressed->font().pointSizeF(), w->font().pointSizeF());
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

// A French designer's schedule: the window's headers, values, counts and
// problems in French, numbers with a decimal comma; the report likewise.
void TestFrench::scheduleWindowAndReportInFrench()
{
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("tableau.csv")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("Circuit;Charge (A);Temp\xC3\xA9rature;Longueur;Tension\r\n"
               "P-1;15,5;40;;\r\n"
               "P-2;30;;60;240\r\n"
               "P-3;abc;;;\r\n"
               "P-4;350;;;\r\n");
    file.close();
    ScheduleWindow *window = ScheduleWindow::openSchedule(file.fileName());
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("tableau.csv[*] — Torvane"));
    const QAbstractItemModel *rows = window->rows();
    QStringList headers;
    for (int c = 5; c < rows->columnCount(); ++c)
        headers << rows->headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers, (QStringList{"Calibre", "Ensembles", "Disjoncteur", "Continuité des masses",
                                   "Déterminé par", "Courant utilisable",
                                   "Chute de tension" + nbsp + "%", "Problème"}));
    // 15,5 A continuous needs 19,375 A at 40 °C: 12 AWG carries 20 x 0,82 =
    // 16,4 A, 10 AWG 24,6 A, on a 20 A breaker chosen for it.
    QCOMPARE(rows->index(0, 5).data().toString(), QStringLiteral("10 AWG"));
    QCOMPARE(rows->index(0, 6).data().toString(), QStringLiteral("1"));
    QCOMPARE(rows->index(0, 7).data().toString(), "20" + nbsp + "A (choisi)");
    QCOMPARE(rows->index(0, 8).data().toString(), QStringLiteral("14 AWG Cu"));
    QCOMPARE(rows->index(0, 9).data().toString(), QStringLiteral("Charge continue"));
    QCOMPARE(rows->index(0, 10).data().toString(), "24,6" + nbsp + "A");
    QCOMPARE(rows->index(1, 9).data().toString(), QStringLiteral("Chute de tension"));
    QCOMPARE(rows->index(1, 11).data().toString(), QStringLiteral("2,39"));
    QVERIFY(rows->index(2, 12).data().toString().contains("«" + nbsp + "abc"));
    QCOMPARE(rows->index(3, 5).data().toString(), QStringLiteral("1000 kcmil"));
    QCOMPARE(window->summary()->text(), "4 circuits" + nbsp + ": 3 calibrés, 1 en défaut" + nbsp +
                                            "; 1 déterminés par la chute de tension" + nbsp +
                                            "; 2 déterminés par la charge continue");
    auto *continuous = qobject_cast<QComboBox *>(window->defaultEditor(12));
    QVERIFY(continuous);
    QCOMPARE(continuous->currentText(), QStringLiteral("Oui"));
    auto *material = qobject_cast<QComboBox *>(window->defaultEditor(0));
    QVERIFY(material);
    QCOMPARE(material->currentText(), QStringLiteral("Cuivre"));

    ScheduleWindow::setFileChooser([&](QWidget *, ScheduleWindow::FileUse, const QString &,
                                       const QString &suggested,
                                       const QString &) { return suggested; });
    QVERIFY(window->exportReport());
    ScheduleWindow::setFileChooser({});
    window->close();
#ifndef Q_OS_WIN // pdftotext reads the report's text on Linux
    QProcess text;
    text.start(QStringLiteral("pdftotext"),
               {QStringLiteral("-layout"), folder.filePath(QStringLiteral("tableau.pdf")),
                QStringLiteral("-")});
    QVERIFY(text.waitForFinished(20000));
    // pdftotext may give a no-break space as a plain one.
    const QString report =
        QString::fromUtf8(text.readAllStandardOutput()).replace(nbsp, QStringLiteral(" "));
    for (QString expected :
         {"Tableau de câblage" + nbsp + ": tableau.csv", QStringLiteral("CSA C22.1:24"),
          QStringLiteral("article 8-102"), QStringLiteral("article 8-104"),
          QStringLiteral("article 14-104"), QStringLiteral("Page 1 de 2"),
          QStringLiteral("1000 kcmil"), "24,6" + nbsp + "A"})
        QVERIFY2(report.contains(expected.replace(nbsp, QStringLiteral(" "))),
                 qPrintable(expected));
#endif
}

// French and Québec usage write kcmil where English writes MCM; the spoken
// name of the narrow Exit button is the full word.
void TestFrench::wireSizesAndExitInFrench()
{
    auto w = openMainWindow();
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     14 AWG"));
    QCOMPARE(w->ComWS->itemText(12), QStringLiteral("   4/0 AWG"));
    QCOMPARE(w->ComWS->itemText(13), QStringLiteral("   250 kcmil"));
    QCOMPARE(w->ComWS->itemText(24), QStringLiteral(" 2000 kcmil"));
    // Aluminum and back: the 14 AWG row comes back in French too.
    click(w->MaterCmnd);
    QCOMPARE(w->ComWS->itemText(12), QStringLiteral("   250 kcmil"));
    click(w->MaterCmnd);
    QCOMPARE(w->ComWS->count(), 25);
    QCOMPARE(w->ComWS->itemText(0), QStringLiteral("     14 AWG"));
    for (int row = 0; row < w->ComWS->count(); ++row)
        QVERIFY2(!w->ComWS->itemText(row).contains(QStringLiteral("MCM")),
                 qPrintable(w->ComWS->itemText(row)));

    QCOMPARE(w->ExitCmd->text(), QStringLiteral("Fin"));
    QCOMPARE(w->ExitCmd->accessibleName(), QStringLiteral("Quitter"));
    QCOMPARE(w->ExitCmd->toolTip(), QStringLiteral("Quitter"));
}

// Every French text, the ones no window shows at a given moment too: no
// "#" (in the trade "#1" names a wire size), a no-break space before every
// "°C", and kcmil, never MCM.
void TestFrench::everyTranslationKeepsFrenchTypography()
{
    QFile file(QStringLiteral(TORVANE_FRENCH_TS));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QXmlStreamReader ts(&file);
    const QRegularExpression degreesWithoutNbsp(QStringLiteral("(^|[^\\x{00A0}])°C"));
    int translations = 0;
    while (!ts.atEnd()) {
        if (ts.readNext() != QXmlStreamReader::StartElement ||
            ts.name() != QLatin1String("translation"))
            continue;
        const QString text = ts.readElementText();
        ++translations;
        QVERIFY2(!text.contains(QLatin1Char('#')), qPrintable(text));
        QVERIFY2(!text.contains(degreesWithoutNbsp), qPrintable(text));
        QVERIFY2(!text.contains(QStringLiteral("MCM")), qPrintable(text));
    }
    QVERIFY(!ts.hasError());
    QVERIFY(translations > 80);
}

QTEST_MAIN(TestFrench)
#include "tst_french.moc"
