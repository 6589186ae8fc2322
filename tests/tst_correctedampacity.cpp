#include "AmpacityTables.h"
#include "ConditionCycles.h"
#include "CoreTestHelpers.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"

#include <QTest>

#include <charconv>
#include <cmath>

using namespace ampacity;

namespace {

const QByteArray times = "\xC3\x97"; // U+00D7 MULTIPLICATION SIGN

QByteArray boxText(const QByteArray &value, const QByteArray &ambient, const QByteArray &count)
{
    return "=" + value + " A  (I " + times + " " + ambient + " " + times + " " + count + ")";
}

} // namespace

class TestCorrectedAmpacity : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void roadOfOneSelection();
    void leadingNumber_data();
    void leadingNumber();
    void numberText_data();
    void numberText();
    void frameCaption_data();
    void frameCaption();
    void everyReachableStateRoundsToTheShownPrecision();
};

void TestCorrectedAmpacity::workedExamples_data()
{
    QTest::addColumn<QByteArray>("ampacityText");
    QTest::addColumn<float>("ambient");
    QTest::addColumn<float>("count");
    QTest::addColumn<float>("base");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("20 A, no correction")
        << QByteArray("     20 A") << 1.0f << 1.0f << 20.0f << boxText("20", "1", "1");
    // 13.125 scaled is 1312.5, which goes to the even 1312.
    QTest::newRow("13.125 shows 13.12")
        << QByteArray("     35 A") << 0.75f << 0.5f << 35.0f << boxText("13.12", "0.75", "0.5");
    // 191.25 is over 100: one decimal, 1912.5 goes to the even 1912.
    QTest::newRow("191.25 shows 191.2")
        << QByteArray("   255 A") << 0.75f << 1.0f << 255.0f << boxText("191.2", "0.75", "1");
    // 100.05 takes the one-decimal path: 1000.5 goes to the even 1000.
    QTest::newRow("100.05 shows 100")
        << QByteArray("   115 A") << 0.87f << 1.0f << 115.0f << boxText("100", "0.87", "1");
    QTest::newRow("14.56") << QByteArray("     20 A") << 0.91f << 0.8f << 20.0f
                           << boxText("14.56", "0.91", "0.8");
    QTest::newRow("16.40 drops its zero")
        << QByteArray("     25 A") << 0.82f << 0.8f << 25.0f << boxText("16.4", "0.82", "0.8");
    // With single-precision factors the product is just above 23.205.
    QTest::newRow("23.21 from single factors")
        << QByteArray("     30 A") << 0.91f << 0.85f << 30.0f << boxText("23.21", "0.91", "0.85");
    QTest::newRow("largest cell") << QByteArray(" 1560 A") << 0.41f << 0.5f << 1560.0f
                                  << boxText("319.8", "0.41", "0.5");
    QTest::newRow("four-blank text")
        << QByteArray("    95 A") << 0.94f << 1.0f << 95.0f << boxText("89.3", "0.94", "1");
    QTest::newRow("no row selected")
        << QByteArray() << 0.82f << 1.0f << 0.0f << boxText("0", "0.82", "1");
}

void TestCorrectedAmpacity::workedExamples()
{
    QFETCH(QByteArray, ampacityText);
    QFETCH(float, ambient);
    QFETCH(float, count);
    QFETCH(float, base);
    QFETCH(QByteArray, shown);

    const Correction c = correctAmpacity(ampacityText.toStdString(), ambient, count);
    QCOMPARE(c.baseAmp, base);
    QCOMPARE(bytes(correctedAmpacityText(c.correctedAmp, ambient, count)), shown);
}

// Copper, raceway or cable, 60 °C, ambient stepped to 40 °C, 250 MCM picked.
void TestCorrectedAmpacity::roadOfOneSelection()
{
    const auto column = selectAmpacityColumn(0, 0, 2);
    const std::string &text = column->texts[13];
    QCOMPARE(bytes(text), QByteArray("   215 A"));

    const FactorStep ambient =
        nextFactorStep(ambientCycle(2), nextFactorStep(ambientCycle(2), 1.0f).factor);
    QCOMPARE(ambient.factor, 0.82f);

    const Correction c = correctAmpacity(text, ambient.factor, 1.0f);
    QCOMPARE(bytes(correctedAmpacityText(c.correctedAmp, ambient.factor, 1.0f)),
             boxText("176.3", "0.82", "1"));
    QCOMPARE(bytes(correctedAmpacityText(c.correctedAmp, ambient.factor, 1.0f, ",")),
             boxText("176,3", "0,82", "1"));
    QCOMPARE(bytes(*correctionFrameCaption(ambient.factor, 1.0f, 0)),
             QByteArray("Table 5A applied"));
}

void TestCorrectedAmpacity::leadingNumber_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("number");

    QTest::newRow("two digits") << QByteArray("     20 A") << 20.0;
    QTest::newRow("four digits") << QByteArray(" 1385 A") << 1385.0;
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("blanks only") << QByteArray("    ") << 0.0;
    QTest::newRow("no number") << QByteArray("A 20") << 0.0;
    QTest::newRow("blanks between digits") << QByteArray(" 1 2 5 A") << 125.0;
    QTest::newRow("decimal point") << QByteArray("12.5A") << 12.5;
    QTest::newRow("second point ends it") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("sign") << QByteArray(" -40 A") << -40.0;
    QTest::newRow("comma ends it") << QByteArray("12,5") << 12.0;
    QTest::newRow("lone point") << QByteArray(" . A") << 0.0;
}

void TestCorrectedAmpacity::leadingNumber()
{
    QFETCH(QByteArray, text);
    QFETCH(double, number);
    QCOMPARE(ampacity::leadingNumber(text.toStdString()), number);
}

void TestCorrectedAmpacity::numberText_data()
{
    QTest::addColumn<float>("value");
    QTest::addColumn<QByteArray>("separator");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("one") << 1.0f << QByteArray(".") << QByteArray("1");
    QTest::newRow("zero") << 0.0f << QByteArray(".") << QByteArray("0");
    QTest::newRow("0.8") << 0.8f << QByteArray(".") << QByteArray("0.8");
    QTest::newRow("0.85") << 0.85f << QByteArray(".") << QByteArray("0.85");
    QTest::newRow("13.12") << 13.12f << QByteArray(".") << QByteArray("13.12");
    QTest::newRow("191.2") << 191.2f << QByteArray(".") << QByteArray("191.2");
    QTest::newRow("100") << 100.0f << QByteArray(".") << QByteArray("100");
    QTest::newRow("1560, never grouped") << 1560.0f << QByteArray(",") << QByteArray("1560");
    QTest::newRow("seven digits") << 1234.567f << QByteArray(".") << QByteArray("1234.567");
    QTest::newRow("comma") << 0.82f << QByteArray(",") << QByteArray("0,82");
    QTest::newRow("two-byte separator") << 2.5f << QByteArray("\xC2\xB7")
                                        << QByteArray("2\xC2\xB7"
                                                      "5");
}

void TestCorrectedAmpacity::numberText()
{
    QFETCH(float, value);
    QFETCH(QByteArray, separator);
    QFETCH(QByteArray, text);
    QCOMPARE(bytes(ampacity::numberText(value, separator.toStdString())), text);
}

void TestCorrectedAmpacity::frameCaption_data()
{
    QTest::addColumn<float>("ambient");
    QTest::addColumn<float>("count");
    QTest::addColumn<std::int16_t>("installation");
    QTest::addColumn<QByteArray>("caption");

    QTest::newRow("none, raceway")
        << 1.0f << 1.0f << std::int16_t(0) << QByteArray("Correction Factors");
    QTest::newRow("none, free air")
        << 1.0f << 1.0f << std::int16_t(1) << QByteArray("Correction Factors");
    QTest::newRow("both, raceway")
        << 0.75f << 0.5f << std::int16_t(0) << QByteArray("Tables 5A and 5C applied");
    QTest::newRow("both, free air")
        << 0.82f << 0.85f << std::int16_t(1) << QByteArray("Tables 5A and 5B applied");
    QTest::newRow("ambient, raceway")
        << 0.82f << 1.0f << std::int16_t(0) << QByteArray("Table 5A applied");
    QTest::newRow("ambient, free air")
        << 0.41f << 1.0f << std::int16_t(1) << QByteArray("Table 5A applied");
    QTest::newRow("count, raceway")
        << 1.0f << 0.8f << std::int16_t(0) << QByteArray("Table 5C applied");
    QTest::newRow("count, free air")
        << 1.0f << 0.85f << std::int16_t(1) << QByteArray("Table 5B applied");
}

void TestCorrectedAmpacity::frameCaption()
{
    QFETCH(float, ambient);
    QFETCH(float, count);
    QFETCH(std::int16_t, installation);
    QFETCH(QByteArray, caption);

    const auto text = correctionFrameCaption(ambient, count, installation);
    QVERIFY(text.has_value());
    QCOMPARE(bytes(*text), caption);
    QCOMPARE(correctionApplies(ambient, count), caption != "Correction Factors");
}

// Every cell of every table with every pair of factors the buttons can reach:
// the value shown keeps two decimals below 100 A and one from 100 A, lies
// within half a last digit of I x A x N, and reads back as the value stored.
void TestCorrectedAmpacity::everyReachableStateRoundsToTheShownPrecision()
{
    int states = 0;
    for (std::int16_t m = 0; m < 2; ++m) {
        for (std::int16_t i = 0; i < 2; ++i) {
            for (std::int16_t t = 0; t < 3; ++t) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (const FactorStep &ambient : ambientCycle(t)) {
                    for (const FactorStep &count : conductorCountCycle(i)) {
                        for (std::size_t row = 0; row < column->texts.size(); ++row) {
                            const Correction c =
                                correctAmpacity(column->texts[row], ambient.factor, count.factor);
                            QCOMPARE(c.baseAmp, float(column->amperes[row]));
                            const double exact = double(column->amperes[row]) *
                                                 double(ambient.factor) * double(count.factor);
                            const double step = exact < 100.0 ? 0.01 : 0.1;
                            QVERIFY2(std::abs(c.correctedAmp - exact) <= step / 2 + 1e-4,
                                     qPrintable(QString::number(exact)));
                            const double scaled = double(c.correctedAmp) / step;
                            QVERIFY(std::abs(scaled - std::round(scaled)) < 1e-3);

                            const std::string text = ampacity::numberText(c.correctedAmp);
                            float back = 0;
                            std::from_chars(text.data(), text.data() + text.size(), back);
                            QCOMPARE(back, c.correctedAmp);
                            ++states;
                        }
                    }
                }
            }
        }
    }
    QVERIFY(states > 5000);
}

QTEST_APPLESS_MAIN(TestCorrectedAmpacity)
#include "tst_correctedampacity.moc"
