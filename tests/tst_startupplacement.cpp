#include "StartUpPlacement.h"

#include <QTest>

using namespace ampacity;

class TestStartUpPlacement : public QObject
{
    Q_OBJECT

private slots:
    void placement_data();
    void placement();
};

void TestStartUpPlacement::placement_data()
{
    QTest::addColumn<double>("outerWidth");
    QTest::addColumn<double>("outerHeight");
    QTest::addColumn<double>("screenWidth");
    QTest::addColumn<int>("left");
    QTest::addColumn<int>("top");

    // 905 / 2 = 452.5 goes to the even 452; 907 / 2 = 453.5 to the even 454.
    QTest::newRow("905 high") << 5775.0 << 905.0 << 19200.0 << 19200 - 5775 - 452 << 452;
    QTest::newRow("907 high") << 5775.0 << 907.0 << 19200.0 << 19200 - 5775 - 454 << 454;
    // The left edge rounds too: 20000.5 - 5775 - 452 = 13773.5 goes to 13774.
    QTest::newRow("half-twip screen") << 5775.0 << 905.0 << 20000.5 << 13774 << 452;
    QTest::newRow("narrow screen") << 5775.0 << 2000.0 << 5000.0 << 0 << 0;
    QTest::newRow("just too narrow") << 5775.0 << 2000.0 << 6774.0 << 0 << 0;
    QTest::newRow("just wide enough") << 5775.0 << 2000.0 << 6775.0 << 0 << 1000;
    // 3840 pixels are 57,600 twips, beyond a 16-bit step.
    QTest::newRow("4K screen") << 5775.0 << 1905.0 << 57600.0 << 57600 - 5775 - 952 << 952;
    QTest::newRow("four 8K screens") << 5775.0 << 1905.0 << 460800.0 << 460800 - 5775 - 952 << 952;
}

void TestStartUpPlacement::placement()
{
    QFETCH(double, outerWidth);
    QFETCH(double, outerHeight);
    QFETCH(double, screenWidth);
    QFETCH(int, left);
    QFETCH(int, top);
    QCOMPARE(startUpPlacement(outerWidth, outerHeight, screenWidth), (WindowPlacement{left, top}));
}

QTEST_APPLESS_MAIN(TestStartUpPlacement)
#include "tst_startupplacement.moc"
