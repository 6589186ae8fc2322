#include "AmpacityTables.h"
#include "CoreTestHelpers.h"
#include "CorrectedAmpacity.h"

#include <QTest>

#include <clocale>
#include <cstdio>

using namespace ampacity;

// A Qt application calls setlocale(LC_ALL, ""), after which the C library
// reads and writes numbers with a comma in French-Canadian locales. The core
// must not notice: its numbers follow the user's separator only where the
// window passes it in.
class TestCoreLocale : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void answersDoNotFollowTheCLocale();
};

void TestCoreLocale::initTestCase()
{
    // The set-up scripts generate this locale; without it the test proves nothing.
    QVERIFY2(std::setlocale(LC_ALL, "fr_CA.UTF-8") != nullptr,
             "locale fr_CA.UTF-8 is missing: run scripts/test, which generates it");
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%.1f", 1.5);
    QCOMPARE(QByteArray(buffer), QByteArray("1,5"));
}

void TestCoreLocale::cleanupTestCase()
{
    std::setlocale(LC_ALL, "C");
}

void TestCoreLocale::answersDoNotFollowTheCLocale()
{
    QCOMPARE(ampacity::leadingNumber("12.5 A"), 12.5);
    QCOMPARE(ampacity::leadingNumber("   215 A"), 215.0);
    QCOMPARE(bytes(numberText(0.82f)), QByteArray("0.82"));
    QCOMPARE(bytes(numberText(1560.0f)), QByteArray("1560"));

    const auto column = selectAmpacityColumn(0, 0, 2);
    QCOMPARE(bytes(column->texts[13]), QByteArray("   215 A"));
    const Correction c = correctAmpacity(column->texts[13], 0.82f, 1.0f);
    QCOMPARE(c.correctedAmp, 176.3f);
    QCOMPARE(bytes(correctedAmpacityText(c.correctedAmp, 0.82f, 1.0f)),
             QByteArray("=176.3 A  (I \xC3\x97 0.82 \xC3\x97 1)"));
    const Correction d = correctAmpacity("     30 A", 0.91f, 0.85f);
    QCOMPARE(bytes(numberText(d.correctedAmp, ",")), QByteArray("23,21"));
}

QTEST_APPLESS_MAIN(TestCoreLocale)
#include "tst_corelocale.moc"
