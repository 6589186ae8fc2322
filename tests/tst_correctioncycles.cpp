#include "ConditionCycles.h"
#include "CoreTestHelpers.h"
#include "FactorCycle.h"

#include <QList>
#include <QTest>

using namespace ampacity;

namespace {

const QByteArray deg = "\xC2\xB0";
const QByteArray wires = "Wires\xC2\xA0# ";

QByteArrayList ambientCaptions(std::initializer_list<int> temperatures)
{
    QByteArrayList captions;
    for (int t : temperatures)
        captions << "Ambient " + QByteArray::number(t) + deg + "C";
    return captions;
}

} // namespace

class TestCorrectionCycles : public QObject
{
    Q_OBJECT

private slots:
    void cyclesStepAndWrap_data();
    void cyclesStepAndWrap();
    void strayFactorStartsTheCycleAgain();
    void installationAndInsulationResetTheirFactor();
};

void TestCorrectionCycles::cyclesStepAndWrap_data()
{
    QTest::addColumn<bool>("ambient");
    QTest::addColumn<int>("code");
    QTest::addColumn<QByteArrayList>("captions");
    QTest::addColumn<QList<float>>("factors");

    QTest::newRow("Table 5A, 60 C: 6 steps")
        << true << 2 << ambientCaptions({35, 40, 45, 50, 55, 30})
        << QList<float>{0.91f, 0.82f, 0.71f, 0.58f, 0.41f, 1.0f};
    QTest::newRow("Table 5A, 75 C: 9 steps")
        << true << 0 << ambientCaptions({35, 40, 45, 50, 55, 60, 65, 70, 30})
        << QList<float>{0.94f, 0.88f, 0.82f, 0.75f, 0.67f, 0.58f, 0.47f, 0.33f, 1.0f};
    QTest::newRow("Table 5A, 90 C: 11 steps")
        << true << 1 << ambientCaptions({35, 40, 45, 50, 55, 60, 65, 70, 75, 80, 30})
        << QList<float>{0.96f, 0.91f, 0.87f, 0.82f, 0.76f, 0.71f, 0.65f, 0.58f, 0.5f, 0.41f, 1.0f};
    QTest::newRow("Table 5C, raceway or cable: 5 steps")
        << false << 0
        << QByteArrayList{wires + "4-6", wires + "7-24", wires + "25-42", wires + "over 43",
                          wires + "1-3"}
        << QList<float>{0.8f, 0.7f, 0.6f, 0.5f, 1.0f};
    QTest::newRow("Table 5B, free air: 4 steps")
        << false << 1 << QByteArrayList{"2 Wires", "3 Wires ", "4 Wires", "1 Wire"}
        << QList<float>{0.9f, 0.85f, 0.8f, 1.0f};
}

// Clicks through a cycle from "no correction" as the button does, until it is
// back at factor 1. Each factor is the float nearest to the table's decimal.
void TestCorrectionCycles::cyclesStepAndWrap()
{
    QFETCH(bool, ambient);
    QFETCH(int, code);
    QFETCH(QByteArrayList, captions);
    QFETCH(QList<float>, factors);

    const auto cycle =
        ambient ? ambientCycle(std::int16_t(code)) : conductorCountCycle(std::int16_t(code));
    QCOMPARE(int(cycle.size()), captions.size());
    float factor = 1.0f;
    for (int click = 0; click < captions.size(); ++click) {
        const FactorStep step = nextFactorStep(cycle, factor);
        QCOMPARE(bytes(step.caption), captions[click]);
        QCOMPARE(step.factor, factors[click]);
        factor = step.factor;
    }
}

void TestCorrectionCycles::strayFactorStartsTheCycleAgain()
{
    // A factor the column does not hold leads back to 30 °C, not into the cycle.
    QCOMPARE(bytes(nextFactorStep(ambientCycle(1), 0.33f).caption), "Ambient 30" + deg + "C");
    QCOMPARE(nextFactorStep(conductorCountCycle(1), 0.5f).factor, 1.0f);
    // A value found in several columns steps within the column in force.
    QCOMPARE(nextFactorStep(ambientCycle(2), 0.82f).factor, 0.71f);
    QCOMPARE(nextFactorStep(ambientCycle(0), 0.82f).factor, 0.75f);
    QCOMPARE(nextFactorStep(conductorCountCycle(0), 0.8f).factor, 0.7f);
    QCOMPARE(bytes(InitialAmbientCaption), "Ambient 30" + deg + "C ");
}

void TestCorrectionCycles::installationAndInsulationResetTheirFactor()
{
    const QByteArray raceway = "Raceway or\xC2\xA0"
                               "Cable";
    const InstallationChange toFreeAir = nextInstallation(RacewayOrCableCaption);
    QCOMPARE(bytes(toFreeAir.caption), QByteArray("Free Air"));
    QCOMPARE(int(toFreeAir.installationCode), 1);
    QCOMPARE(bytes(toFreeAir.conductorCount.caption), QByteArray("1 Wire"));
    const InstallationChange back = nextInstallation(toFreeAir.caption);
    QCOMPARE(bytes(back.caption), raceway);
    QCOMPARE(bytes(back.conductorCount.caption), wires + "1-3");
    QCOMPARE(back.conductorCount.factor, 1.0f);
    // Only the caption with the no-break space is raceway or cable.
    QCOMPARE(int(nextInstallation("Raceway or Cable").installationCode), 0);

    std::int16_t code = 2; // 60 °C
    for (const char *rating : {"75", "90", "60", "75"}) {
        const InsulationChange change = nextInsulation(code);
        QCOMPARE(bytes(change.caption), "Insulation " + QByteArray(rating) + deg + "C");
        QCOMPARE(bytes(change.ambient.caption), "Ambient 30" + deg + "C");
        QCOMPARE(change.ambient.factor, 1.0f);
        code = change.insulationCode;
    }
}

QTEST_APPLESS_MAIN(TestCorrectionCycles)
#include "tst_correctioncycles.moc"
