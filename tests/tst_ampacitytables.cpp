#include "AmpacityTables.h"
#include "CoreTestHelpers.h"

#include <QTest>

#include <string>

using namespace ampacity;

class TestAmpacityTables : public QObject
{
    Q_OBJECT

private slots:
    void selectsTableAndColumn_data();
    void selectsTableAndColumn();
    void fourBlankRunOfTable1At75C();
    void textsFollowTheNineUnitRule();
    void valuesRiseDownEachColumnAndAcrossEachRow();
    void knownCells_data();
    void knownCells();
    void rejectsCodesOutsideTheTables_data();
    void rejectsCodesOutsideTheTables();
    void wireSizeTexts();
};

void TestAmpacityTables::selectsTableAndColumn_data()
{
    QTest::addColumn<std::int16_t>("material");
    QTest::addColumn<std::int16_t>("installation");
    QTest::addColumn<std::int16_t>("insulation");
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");

    auto row = [](const char *name, int m, int i, int t, int table, int rows, const char *first,
                  const char *last) {
        QTest::newRow(name) << std::int16_t(m) << std::int16_t(i) << std::int16_t(t) << table
                            << rows << QByteArray(first) << QByteArray(last);
    };
    row("copper raceway 75", 0, 0, 0, 2, 25, "     20 A", "   665 A");
    row("copper raceway 90", 0, 0, 1, 2, 25, "     25 A", "   750 A");
    row("copper raceway 60", 0, 0, 2, 2, 25, "     15 A", "   555 A");
    row("copper free air 75", 0, 1, 0, 1, 25, "    30 A", " 1385 A");
    row("copper free air 90", 0, 1, 1, 1, 25, "     35 A", " 1560 A");
    row("copper free air 60", 0, 1, 2, 1, 25, "     25 A", " 1160 A");
    row("aluminum raceway 75", 1, 0, 0, 4, 24, "     20 A", "   560 A");
    row("aluminum raceway 90", 1, 0, 1, 4, 24, "     25 A", "   630 A");
    row("aluminum raceway 60", 1, 0, 2, 4, 24, "     15 A", "   470 A");
    row("aluminum free air 75", 1, 1, 0, 3, 24, "     30 A", " 1150 A");
    row("aluminum free air 90", 1, 1, 1, 3, 24, "     35 A", " 1295 A");
    row("aluminum free air 60", 1, 1, 2, 3, 24, "     25 A", "   965 A");
}

void TestAmpacityTables::selectsTableAndColumn()
{
    QFETCH(std::int16_t, material);
    QFETCH(std::int16_t, installation);
    QFETCH(std::int16_t, insulation);
    QFETCH(int, table);
    QFETCH(int, rows);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);

    const auto column = selectAmpacityColumn(material, installation, insulation);
    QVERIFY(column.has_value());
    QCOMPARE(column->tableNumber, table);
    QCOMPARE(bytes(column->title), "2024 CEC Ampacity Table " + QByteArray::number(table));
    QCOMPARE(int(column->texts.size()), rows);
    QCOMPARE(int(column->amperes.size()), rows);
    QCOMPARE(rows, wireSizeRowCount(material));
    QCOMPARE(bytes(column->texts.front()), first);
    QCOMPARE(bytes(column->texts.back()), last);

    // Asking again gives the same column, not a second copy appended to it.
    const auto again = selectAmpacityColumn(material, installation, insulation);
    QCOMPARE(int(again->texts.size()), rows);
}

void TestAmpacityTables::fourBlankRunOfTable1At75C()
{
    const auto column = selectAmpacityColumn(0, 1, 0);
    const QByteArray expected[] = {"    30 A", "    35 A", "    50 A",
                                   "    70 A", "    95 A", "   125 A"};
    for (int row = 0; row < 6; ++row)
        QCOMPARE(bytes(column->texts[row]), expected[row]);

    // The other two columns of Table 1 follow the nine-unit rule at the same rows.
    QCOMPARE(bytes(selectAmpacityColumn(0, 1, 2)->texts[0]), QByteArray("     25 A"));
    QCOMPARE(bytes(selectAmpacityColumn(0, 1, 1)->texts[4]), QByteArray("   105 A"));
    QCOMPARE(bytes(selectAmpacityColumn(0, 1, 2)->texts[4]), QByteArray("     80 A"));
}

// Every text is its cell value behind blanks, then " A". Blanks + 2 x digits
// is 9, except for the four-blank run of Table 1 at 75 °C.
void TestAmpacityTables::textsFollowTheNineUnitRule()
{
    for (std::int16_t m = 0; m < 2; ++m) {
        for (std::int16_t i = 0; i < 2; ++i) {
            for (std::int16_t t = 0; t < 3; ++t) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (std::size_t row = 0; row < column->texts.size(); ++row) {
                    const std::string &text = column->texts[row];
                    const std::string digits = std::to_string(column->amperes[row]);
                    const auto blanks = text.find_first_not_of(' ');
                    QCOMPARE(text.substr(blanks), digits + " A");
                    const bool fourBlankRun = column->tableNumber == 1 && t == 0 && row <= 4;
                    QCOMPARE(int(blanks), fourBlankRun ? 4 : int(9 - 2 * digits.size()));
                }
            }
        }
    }
}

// Catches a mistyped cell: in the code tables every column rises with the
// conductor size, and every row rises from 60 to 75 to 90 °C.
void TestAmpacityTables::valuesRiseDownEachColumnAndAcrossEachRow()
{
    for (std::int16_t m = 0; m < 2; ++m) {
        for (std::int16_t i = 0; i < 2; ++i) {
            const auto at60 = selectAmpacityColumn(m, i, 2)->amperes;
            const auto at75 = selectAmpacityColumn(m, i, 0)->amperes;
            const auto at90 = selectAmpacityColumn(m, i, 1)->amperes;
            for (std::size_t row = 0; row < at60.size(); ++row) {
                QVERIFY(at60[row] < at75[row]);
                QVERIFY(at75[row] < at90[row]);
                QVERIFY(at60[row] >= 15 && at90[row] <= 1560);
                if (row > 0) {
                    QVERIFY(at60[row - 1] < at60[row]);
                    QVERIFY(at75[row - 1] < at75[row]);
                    QVERIFY(at90[row - 1] < at90[row]);
                }
            }
        }
    }
}

void TestAmpacityTables::knownCells_data()
{
    QTest::addColumn<std::int16_t>("material");
    QTest::addColumn<std::int16_t>("installation");
    QTest::addColumn<std::int16_t>("insulation");
    QTest::addColumn<int>("row");
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("Table 1, 1000 MCM, 90 C")
        << std::int16_t(0) << std::int16_t(1) << std::int16_t(1) << 20 << QByteArray(" 1055 A");
    QTest::newRow("Table 2, 250 MCM, 60 C")
        << std::int16_t(0) << std::int16_t(0) << std::int16_t(2) << 13 << QByteArray("   215 A");
    QTest::newRow("Table 2, 4/0 AWG, 75 C")
        << std::int16_t(0) << std::int16_t(0) << std::int16_t(0) << 12 << QByteArray("   230 A");
    QTest::newRow("Table 3, 750 MCM, 75 C")
        << std::int16_t(1) << std::int16_t(1) << std::int16_t(0) << 18 << QByteArray("   620 A");
    QTest::newRow("Table 3, 1000 MCM, 60 C")
        << std::int16_t(1) << std::int16_t(1) << std::int16_t(2) << 19 << QByteArray("   630 A");
    QTest::newRow("Table 4, 12 AWG, 75 C")
        << std::int16_t(1) << std::int16_t(0) << std::int16_t(0) << 0 << QByteArray("     20 A");
    QTest::newRow("Table 4, 2/0 AWG, 90 C")
        << std::int16_t(1) << std::int16_t(0) << std::int16_t(1) << 9 << QByteArray("   150 A");
}

void TestAmpacityTables::knownCells()
{
    QFETCH(std::int16_t, material);
    QFETCH(std::int16_t, installation);
    QFETCH(std::int16_t, insulation);
    QFETCH(int, row);
    QFETCH(QByteArray, text);
    QCOMPARE(bytes(selectAmpacityColumn(material, installation, insulation)->texts[row]), text);
}

void TestAmpacityTables::rejectsCodesOutsideTheTables_data()
{
    QTest::addColumn<std::int16_t>("material");
    QTest::addColumn<std::int16_t>("installation");
    QTest::addColumn<std::int16_t>("insulation");
    QTest::newRow("installation 2") << std::int16_t(0) << std::int16_t(2) << std::int16_t(0);
    QTest::newRow("material 2") << std::int16_t(2) << std::int16_t(0) << std::int16_t(0);
    QTest::newRow("insulation 3") << std::int16_t(0) << std::int16_t(0) << std::int16_t(3);
    QTest::newRow("negative material") << std::int16_t(-1) << std::int16_t(0) << std::int16_t(2);
    QTest::newRow("negative insulation") << std::int16_t(1) << std::int16_t(1) << std::int16_t(-1);
}

void TestAmpacityTables::rejectsCodesOutsideTheTables()
{
    QFETCH(std::int16_t, material);
    QFETCH(std::int16_t, installation);
    QFETCH(std::int16_t, insulation);
    QVERIFY(!selectAmpacityColumn(material, installation, insulation).has_value());
}

void TestAmpacityTables::wireSizeTexts()
{
    QCOMPARE(bytes(FirstWireSizeText), QByteArray("     14 AWG"));
    QCOMPARE(bytes(WireSizeTexts[1]), QByteArray("     12 AWG"));
    QCOMPARE(bytes(WireSizeTexts[3]), QByteArray("       8 AWG"));
    QCOMPARE(bytes(WireSizeTexts[9]), QByteArray("   1/0 AWG"));
    QCOMPARE(bytes(WireSizeTexts[13]), QByteArray("   250 MCM"));
    // 750 MCM is followed directly by 1000 MCM.
    QCOMPARE(bytes(WireSizeTexts[19]), QByteArray("   750 MCM"));
    QCOMPARE(bytes(WireSizeTexts[20]), QByteArray(" 1000 MCM"));
    QCOMPARE(bytes(WireSizeTexts[24]), QByteArray(" 2000 MCM"));

    for (std::string_view text : WireSizeTexts) {
        const auto blanks = text.find_first_not_of(' ');
        const auto size = text.substr(blanks, text.size() - blanks - 4);
        QCOMPARE(int(blanks + 2 * size.size()), 9);
        QVERIFY(text.ends_with(" AWG") || text.ends_with(" MCM"));
        QVERIFY(text.size() >= 9 && text.size() <= 12);
    }
    QCOMPARE(int(WireSizeTexts[3].size()), 12);
    QCOMPARE(wireSizeRowCount(0), 25);
    QCOMPARE(wireSizeRowCount(1), 24);
}

QTEST_APPLESS_MAIN(TestAmpacityTables)
#include "tst_ampacitytables.moc"
