#include "AmpacityTables.h"
#include "CoreTestHelpers.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"

#include <QTest>

#include <charconv>
#include <cmath>

using namespace ampacity;

namespace {

QByteArray boxText(const QByteArray &value, const QByteArray &ambient, const QByteArray &count)
{
    const QByteArray times = "\xC3\x97"; // U+00D7 MULTIPLICATION SIGN
    return "=" + value + " A  (I " + times + " " + ambient + " " + times + " " + count + ")";
}

} // namespace

class TestCorrectedAmpacity : public QObject
{
    Q_OBJECT

private slots:
    void workedExamples_data();
    void workedExamples();
    void leadingNumber();
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
    QTest::addColumn<QByteArray>("shown");

    auto row = [](const char *name, const char *text, float ambient, float count, const char *value,
                  const char *a, const char *n) {
        QTest::newRow(name) << QByteArray(text) << ambient << count << boxText(value, a, n);
    };
    row("no correction", "     20 A", 1.0f, 1.0f, "20", "1", "1");
    // 13.125 scaled is 1312.5, which goes to the even 1312.
    row("13.125 shows 13.12", "     35 A", 0.75f, 0.5f, "13.12", "0.75", "0.5");
    // 191.25 is over 100: one decimal, 1912.5 goes to the even 1912.
    row("191.25 shows 191.2", "   255 A", 0.75f, 1.0f, "191.2", "0.75", "1");
    // 100.05 takes the one-decimal path: 1000.5 goes to the even 1000.
    row("100.05 shows 100", "   115 A", 0.87f, 1.0f, "100", "0.87", "1");
    row("14.56", "     20 A", 0.91f, 0.8f, "14.56", "0.91", "0.8");
    row("16.40 drops its zero", "     25 A", 0.82f, 0.8f, "16.4", "0.82", "0.8");
    // With single-precision factors the product is just above 23.205.
    row("23.21 from single factors", "     30 A", 0.91f, 0.85f, "23.21", "0.91", "0.85");
    row("road of one selection", "   215 A", 0.82f, 1.0f, "176.3", "0.82", "1");
    row("largest cell", " 1560 A", 0.41f, 0.5f, "319.8", "0.41", "0.5");
    row("no row selected", "", 0.82f, 1.0f, "0", "0.82", "1");
}

void TestCorrectedAmpacity::workedExamples()
{
    QFETCH(QByteArray, ampacityText);
    QFETCH(float, ambient);
    QFETCH(float, count);
    QFETCH(QByteArray, shown);

    const Correction c = correctAmpacity(ampacityText.toStdString(), ambient, count);
    QCOMPARE(bytes(correctedAmpacityText(c.correctedAmp, ambient, count)), shown);
}

void TestCorrectedAmpacity::leadingNumber()
{
    const std::pair<const char *, double> cases[] = {
        {"     20 A", 20}, {" 1385 A", 1385}, {"", 0},         {"A 20", 0},  {" 1 2 5 A", 125},
        {"12.5A", 12.5},   {"1.2.3", 1.2},    {" -40 A", -40}, {"12,5", 12}, {" . A", 0},
    };
    for (const auto &[text, number] : cases)
        QCOMPARE(ampacity::leadingNumber(text), number);
}

void TestCorrectedAmpacity::numberText()
{
    const std::tuple<float, const char *, const char *> cases[] = {
        {1.0f, ".", "1"},
        {0.0f, ".", "0"},
        {0.85f, ".", "0.85"},
        {13.12f, ".", "13.12"},
        {100.0f, ".", "100"},
        {1560.0f, ",", "1560"},
        {1234.567f, ".", "1234.567"},
        {0.82f, ",", "0,82"},
        {2.5f, "\xC2\xB7",
         "2\xC2\xB7"
         "5"},
    };
    for (const auto &[value, separator, text] : cases)
        QCOMPARE(bytes(ampacity::numberText(value, separator)), QByteArray(text));
}

void TestCorrectedAmpacity::frameCaption_data()
{
    QTest::addColumn<float>("ambient");
    QTest::addColumn<float>("count");
    QTest::addColumn<int>("installation");
    QTest::addColumn<QByteArray>("caption");

    QTest::newRow("none") << 1.0f << 1.0f << 1 << QByteArray("Correction Factors");
    QTest::newRow("both, raceway") << 0.75f << 0.5f << 0 << QByteArray("Tables 5A and 5C applied");
    QTest::newRow("both, free air")
        << 0.82f << 0.85f << 1 << QByteArray("Tables 5A and 5B applied");
    QTest::newRow("ambient") << 0.41f << 1.0f << 1 << QByteArray("Table 5A applied");
    QTest::newRow("count, raceway") << 1.0f << 0.8f << 0 << QByteArray("Table 5C applied");
    QTest::newRow("count, free air") << 1.0f << 0.85f << 1 << QByteArray("Table 5B applied");
}

void TestCorrectedAmpacity::frameCaption()
{
    QFETCH(float, ambient);
    QFETCH(float, count);
    QFETCH(int, installation);
    QFETCH(QByteArray, caption);

    QCOMPARE(bytes(correctionFrameCaption(ambient, count, std::int16_t(installation)).value()),
             caption);
    QCOMPARE(correctionApplies(ambient, count), caption != "Correction Factors");
}

// Every cell of every table with every pair of factors the buttons can reach:
// the value shown keeps two decimals below 100 A and one from 100 A, lies
// within half a last digit of I x A x N, and its text reads back as the value.
void TestCorrectedAmpacity::everyReachableStateRoundsToTheShownPrecision()
{
    int states = 0;
    for (std::int16_t m = 0; m < 2; ++m)
        for (std::int16_t i = 0; i < 2; ++i)
            for (std::int16_t t = 0; t < 3; ++t) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (const FactorStep &ambient : ambientCycle(t))
                    for (const FactorStep &count : conductorCountCycle(i))
                        for (std::size_t row = 0; row < column->texts.size(); ++row) {
                            const Correction c =
                                correctAmpacity(column->texts[row], ambient.factor, count.factor);
                            QCOMPARE(c.baseAmp, float(column->amperes[row]));
                            const double exact = double(column->amperes[row]) *
                                                 double(ambient.factor) * double(count.factor);
                            const double step = exact < 100.0 ? 0.01 : 0.1;
                            QVERIFY(std::abs(c.correctedAmp - exact) <= step / 2 + 1e-4);
                            const double scaled = double(c.correctedAmp) / step;
                            QVERIFY(std::abs(scaled - std::round(scaled)) < 1e-3);
                            const std::string text = ampacity::numberText(c.correctedAmp);
                            float back = 0;
                            std::from_chars(text.data(), text.data() + text.size(), back);
                            QCOMPARE(back, c.correctedAmp);
                            ++states;
                        }
            }
    QVERIFY(states > 5000);
}

QTEST_APPLESS_MAIN(TestCorrectedAmpacity)
#include "tst_correctedampacity.moc"
