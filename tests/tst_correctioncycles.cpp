#include "ConditionCycles.h"
#include "CoreTestHelpers.h"
#include "FactorCycle.h"

#include <QList>
#include <QTest>

using namespace ampacity;

namespace {

// Steps through a cycle from "no correction" the way the button does, one
// click at a time, until it is back at factor 1.
QList<FactorStep> clicksUntilWrap(std::span<const FactorStep> cycle)
{
    QList<FactorStep> seen;
    float factor = 1.0f;
    do {
        const FactorStep step = nextFactorStep(cycle, factor);
        seen.append(step);
        factor = step.factor;
    } while (factor != 1.0f && seen.size() < 20);
    return seen;
}

} // namespace

class TestCorrectionCycles : public QObject
{
    Q_OBJECT

private slots:
    void ambientCycleByInsulation_data();
    void ambientCycleByInsulation();
    void conductorCountCycleByInstallation_data();
    void conductorCountCycleByInstallation();
    void factorsAreTheNearestSinglePrecisionValues();
    void unknownFactorStartsTheCycleAgain();
    void materialKeepsTheConductor_data();
    void materialKeepsTheConductor();
    void installationResetsTheConductorCount();
    void insulationStepsAndResetsTheAmbient();
    void textColours();
};

void TestCorrectionCycles::ambientCycleByInsulation_data()
{
    QTest::addColumn<std::int16_t>("insulation");
    QTest::addColumn<QByteArrayList>("captions");
    QTest::addColumn<QList<float>>("factors");

    const QByteArray deg = "\xC2\xB0";
    auto captions = [&](std::initializer_list<int> temperatures) {
        QByteArrayList list;
        for (int t : temperatures)
            list << "Ambient " + QByteArray::number(t) + deg + "C";
        return list;
    };
    QTest::newRow("60 C insulation: 6 steps")
        << std::int16_t(2) << captions({35, 40, 45, 50, 55, 30})
        << QList<float>{0.91f, 0.82f, 0.71f, 0.58f, 0.41f, 1.0f};
    QTest::newRow("75 C insulation: 9 steps")
        << std::int16_t(0) << captions({35, 40, 45, 50, 55, 60, 65, 70, 30})
        << QList<float>{0.94f, 0.88f, 0.82f, 0.75f, 0.67f, 0.58f, 0.47f, 0.33f, 1.0f};
    QTest::newRow("90 C insulation: 11 steps")
        << std::int16_t(1) << captions({35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 30})
        << QList<float>{0.96f, 0.91f, 0.87f, 0.82f, 0.76f, 0.71f, 0.65f, 0.58f, 0.5f, 0.41f, 1.0f};
}

void TestCorrectionCycles::ambientCycleByInsulation()
{
    QFETCH(std::int16_t, insulation);
    QFETCH(QByteArrayList, captions);
    QFETCH(QList<float>, factors);

    const auto steps = clicksUntilWrap(ambientCycle(insulation));
    QCOMPARE(steps.size(), captions.size());
    for (int i = 0; i < steps.size(); ++i) {
        QCOMPARE(bytes(steps[i].caption), captions[i]);
        QCOMPARE(int(steps[i].caption.size()), 13); // 12 characters, the degree sign in two bytes
        QCOMPARE(steps[i].factor, factors[i]);
    }
}

void TestCorrectionCycles::conductorCountCycleByInstallation_data()
{
    QTest::addColumn<std::int16_t>("installation");
    QTest::addColumn<QByteArrayList>("captions");
    QTest::addColumn<QList<float>>("factors");

    const QByteArray wires = "Wires\xC2\xA0# ";
    QTest::newRow("raceway or cable, Table 5C")
        << std::int16_t(0)
        << QByteArrayList{wires + "4-6", wires + "7-24", wires + "25-42", wires + "over 43",
                          wires + "1-3"}
        << QList<float>{0.8f, 0.7f, 0.6f, 0.5f, 1.0f};
    QTest::newRow("free air, Table 5B")
        << std::int16_t(1) << QByteArrayList{"2 Wires", "3 Wires ", "4 Wires", "1 Wire"}
        << QList<float>{0.9f, 0.85f, 0.8f, 1.0f};
}

void TestCorrectionCycles::conductorCountCycleByInstallation()
{
    QFETCH(std::int16_t, installation);
    QFETCH(QByteArrayList, captions);
    QFETCH(QList<float>, factors);

    const auto steps = clicksUntilWrap(conductorCountCycle(installation));
    QCOMPARE(steps.size(), captions.size());
    for (int i = 0; i < steps.size(); ++i) {
        QCOMPARE(bytes(steps[i].caption), captions[i]);
        QCOMPARE(steps[i].factor, factors[i]);
    }
}

// Each factor is the float nearest to the decimal of the code table, so the
// arithmetic downstream sees 0.91f, not 0.91.
void TestCorrectionCycles::factorsAreTheNearestSinglePrecisionValues()
{
    for (std::int16_t code = 0; code < 3; ++code) {
        for (const FactorStep &step : ambientCycle(code)) {
            const double hundredths = std::round(double(step.factor) * 100.0);
            QCOMPARE(step.factor, float(hundredths / 100.0));
        }
    }
    QCOMPARE(ambientCycle(1)[9].factor, 0.5f); // 75 °C under 90 °C insulation is exactly 0.5
    QCOMPARE(double(conductorCountCycle(1)[2].factor), double(0.85f));
}

// 0.82 belongs to 60 °C at 40 °C and to 75 °C at 45 °C. After a change of
// rating the factor is reset to 1, but a stray factor must still lead back
// to the start of the cycle, not into the middle of it.
void TestCorrectionCycles::unknownFactorStartsTheCycleAgain()
{
    QCOMPARE(nextFactorStep(ambientCycle(1), 0.33f).factor, 1.0f);
    QCOMPARE(bytes(nextFactorStep(ambientCycle(1), 0.33f).caption), QByteArray("Ambient 30\xC2\xB0"
                                                                               "C"));
    QCOMPARE(nextFactorStep(conductorCountCycle(1), 0.5f).factor, 1.0f);
    // The same value in another column steps within the column in force.
    QCOMPARE(nextFactorStep(ambientCycle(0), 0.82f).factor, 0.75f);
    QCOMPARE(nextFactorStep(ambientCycle(2), 0.82f).factor, 0.71f);
    QCOMPARE(nextFactorStep(ambientCycle(1), 0.82f).factor, 0.76f);
    // 0.8 is the last step of Table 5B and the second of Table 5C.
    QCOMPARE(nextFactorStep(conductorCountCycle(1), 0.8f).factor, 1.0f);
    QCOMPARE(nextFactorStep(conductorCountCycle(0), 0.8f).factor, 0.7f);
    QCOMPARE(bytes(InitialAmbientCaption), QByteArray("Ambient 30\xC2\xB0"
                                                      "C "));
}

void TestCorrectionCycles::materialKeepsTheConductor_data()
{
    QTest::addColumn<QByteArray>("caption");
    QTest::addColumn<std::int16_t>("row");
    QTest::addColumn<QByteArray>("nextCaption");
    QTest::addColumn<std::int16_t>("nextRow");
    QTest::addColumn<bool>("removesFirst");
    QTest::addColumn<std::int16_t>("materialCode");

    QTest::newRow("10 AWG to aluminum") << QByteArray("CU") << std::int16_t(2) << QByteArray("AL")
                                        << std::int16_t(1) << true << std::int16_t(1);
    QTest::newRow("10 AWG back to copper")
        << QByteArray("AL") << std::int16_t(1) << QByteArray("CU") << std::int16_t(2) << false
        << std::int16_t(0);
    QTest::newRow("14 AWG becomes 12 AWG")
        << QByteArray("CU") << std::int16_t(0) << QByteArray("AL") << std::int16_t(0) << true
        << std::int16_t(1);
    QTest::newRow("12 AWG back to copper is row 1")
        << QByteArray("AL") << std::int16_t(0) << QByteArray("CU") << std::int16_t(1) << false
        << std::int16_t(0);
    QTest::newRow("2000 MCM back to copper")
        << QByteArray("AL") << std::int16_t(23) << QByteArray("CU") << std::int16_t(24) << false
        << std::int16_t(0);
    QTest::newRow("2000 MCM to aluminum")
        << QByteArray("CU") << std::int16_t(24) << QByteArray("AL") << std::int16_t(23) << true
        << std::int16_t(1);
    QTest::newRow("only CU counts as copper")
        << QByteArray("cu") << std::int16_t(3) << QByteArray("CU") << std::int16_t(4) << false
        << std::int16_t(0);
}

void TestCorrectionCycles::materialKeepsTheConductor()
{
    QFETCH(QByteArray, caption);
    QFETCH(std::int16_t, row);
    QFETCH(QByteArray, nextCaption);
    QFETCH(std::int16_t, nextRow);
    QFETCH(bool, removesFirst);
    QFETCH(std::int16_t, materialCode);

    const MaterialChange change =
        nextMaterial(std::string_view(caption.data(), caption.size()), row);
    QCOMPARE(bytes(change.caption), nextCaption);
    QCOMPARE(change.wireSizeRow, nextRow);
    QCOMPARE(change.removesFirstWireSize, removesFirst);
    QCOMPARE(change.materialCode, materialCode);
    QCOMPARE(change.textColour, materialCode == 1 ? AluminumTextColour : CopperTextColour);
}

void TestCorrectionCycles::installationResetsTheConductorCount()
{
    const QByteArray raceway = "Raceway or\xC2\xA0"
                               "Cable";
    QCOMPARE(bytes(RacewayOrCableCaption), raceway);

    const InstallationChange toFreeAir = nextInstallation(RacewayOrCableCaption);
    QCOMPARE(bytes(toFreeAir.caption), QByteArray("Free Air"));
    QCOMPARE(toFreeAir.installationCode, std::int16_t(1));
    QCOMPARE(bytes(toFreeAir.conductorCount.caption), QByteArray("1 Wire"));
    QCOMPARE(toFreeAir.conductorCount.factor, 1.0f);

    const InstallationChange back = nextInstallation(toFreeAir.caption);
    QCOMPARE(bytes(back.caption), raceway);
    QCOMPARE(back.installationCode, std::int16_t(0));
    QCOMPARE(bytes(back.conductorCount.caption), QByteArray("Wires\xC2\xA0# 1-3"));
    QCOMPARE(back.conductorCount.factor, 1.0f);

    // The comparison is byte for byte: an ordinary blank is not the caption.
    QCOMPARE(nextInstallation("Raceway or Cable").installationCode, std::int16_t(0));
}

void TestCorrectionCycles::insulationStepsAndResetsTheAmbient()
{
    const QByteArray deg = "\xC2\xB0";
    std::int16_t code = 2; // start-up: 60 °C
    const std::int16_t codes[] = {0, 1, 2, 0};
    const QByteArray captions[] = {"Insulation 75" + deg + "C", "Insulation 90" + deg + "C",
                                   "Insulation 60" + deg + "C", "Insulation 75" + deg + "C"};
    for (int click = 0; click < 4; ++click) {
        const InsulationChange change = nextInsulation(code);
        QCOMPARE(change.insulationCode, codes[click]);
        QCOMPARE(bytes(change.caption), captions[click]);
        QCOMPARE(bytes(change.ambient.caption), "Ambient 30" + deg + "C");
        QCOMPARE(change.ambient.factor, 1.0f);
        code = change.insulationCode;
    }
    QCOMPARE(bytes(insulationCaption(2)), "Insulation 60" + deg + "C");
}

void TestCorrectionCycles::textColours()
{
    QCOMPARE(rgbOf(CopperTextColour), (Rgb{128, 0, 0}));
    QCOMPARE(rgbOf(AluminumTextColour), (Rgb{0, 0, 192}));
    QCOMPARE(rgbOf(LightGreyBackground), (Rgb{224, 224, 224}));
}

QTEST_APPLESS_MAIN(TestCorrectionCycles)
#include "tst_correctioncycles.moc"
