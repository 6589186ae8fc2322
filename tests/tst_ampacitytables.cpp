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
    void everyCellReadsBackAndRises();
    void rejectsCodesOutsideTheTables();
    void wireSizeTexts();
};

void TestAmpacityTables::selectsTableAndColumn_data()
{
    QTest::addColumn<int>("material");
    QTest::addColumn<int>("installation");
    QTest::addColumn<int>("insulation");
    QTest::addColumn<int>("table");
    QTest::addColumn<QByteArray>("first");
    QTest::addColumn<QByteArray>("last");

    auto row = [](const char *name, int m, int i, int t, int table, const char *first,
                  const char *last) {
        QTest::newRow(name) << m << i << t << table << QByteArray(first) << QByteArray(last);
    };
    row("copper raceway 75", 0, 0, 0, 2, "     20 A", "   665 A");
    row("copper raceway 90", 0, 0, 1, 2, "     25 A", "   750 A");
    row("copper raceway 60", 0, 0, 2, 2, "     15 A", "   555 A");
    row("copper free air 75", 0, 1, 0, 1, "    30 A", " 1385 A");
    row("copper free air 90", 0, 1, 1, 1, "     35 A", " 1560 A");
    row("copper free air 60", 0, 1, 2, 1, "     25 A", " 1160 A");
    row("aluminum raceway 75", 1, 0, 0, 4, "     20 A", "   560 A");
    row("aluminum raceway 90", 1, 0, 1, 4, "     25 A", "   630 A");
    row("aluminum raceway 60", 1, 0, 2, 4, "     15 A", "   470 A");
    row("aluminum free air 75", 1, 1, 0, 3, "     30 A", " 1150 A");
    row("aluminum free air 90", 1, 1, 1, 3, "     35 A", " 1295 A");
    row("aluminum free air 60", 1, 1, 2, 3, "     25 A", "   965 A");
}

void TestAmpacityTables::selectsTableAndColumn()
{
    QFETCH(int, material);
    QFETCH(int, installation);
    QFETCH(int, insulation);
    QFETCH(int, table);
    QFETCH(QByteArray, first);
    QFETCH(QByteArray, last);

    const auto column = selectAmpacityColumn(std::int16_t(material), std::int16_t(installation),
                                             std::int16_t(insulation));
    QVERIFY(column.has_value());
    QCOMPARE(column->tableNumber, table);
    QCOMPARE(bytes(column->title), "2024 CEC Ampacity Table " + QByteArray::number(table));
    QCOMPARE(int(column->texts.size()), material == 0 ? 25 : 24);
    QCOMPARE(int(column->texts.size()), wireSizeRowCount(std::int16_t(material)));
    QCOMPARE(bytes(column->texts.front()), first);
    QCOMPARE(bytes(column->texts.back()), last);
}

void TestAmpacityTables::fourBlankRunOfTable1At75C()
{
    const auto column = selectAmpacityColumn(0, 1, 0);
    const QByteArray expected[] = {"    30 A", "    35 A", "    50 A",
                                   "    70 A", "    95 A", "   125 A"};
    for (int row = 0; row < 6; ++row)
        QCOMPARE(bytes(column->texts[row]), expected[row]);
    QCOMPARE(bytes(column->texts[20]), QByteArray("   935 A"));
    // The other columns of Table 1 keep the nine-unit rule at the same rows.
    QCOMPARE(bytes(selectAmpacityColumn(0, 1, 2)->texts[4]), QByteArray("     80 A"));
    QCOMPARE(bytes(selectAmpacityColumn(0, 1, 1)->texts[20]), QByteArray(" 1055 A"));
}

// Every text is its cell value behind blanks (blanks + 2 x digits = 9, but for
// the four-blank run), then " A". A mistyped cell shows as a column that does
// not rise with the size, or a row that does not rise from 60 to 75 to 90 °C.
void TestAmpacityTables::everyCellReadsBackAndRises()
{
    for (std::int16_t m = 0; m < 2; ++m) {
        for (std::int16_t i = 0; i < 2; ++i) {
            std::span<const std::int16_t> byRating[3]; // 60, 75, 90 °C
            for (std::int16_t t : {2, 0, 1}) {
                const auto column = selectAmpacityColumn(m, i, t);
                byRating[t == 2 ? 0 : t + 1] = column->amperes;
                for (std::size_t row = 0; row < column->texts.size(); ++row) {
                    const std::string &text = column->texts[row];
                    const std::string digits = std::to_string(column->amperes[row]);
                    const auto blanks = text.find_first_not_of(' ');
                    QCOMPARE(text.substr(blanks), digits + " A");
                    const bool fourBlankRun = column->tableNumber == 1 && t == 0 && row <= 4;
                    QCOMPARE(int(blanks), fourBlankRun ? 4 : int(9 - 2 * digits.size()));
                }
            }
            for (std::size_t row = 0; row < byRating[0].size(); ++row) {
                QVERIFY(byRating[0][row] < byRating[1][row] && byRating[1][row] < byRating[2][row]);
                for (const auto &column : byRating)
                    QVERIFY(row == 0 || column[row - 1] < column[row]);
            }
        }
    }
}

void TestAmpacityTables::rejectsCodesOutsideTheTables()
{
    QVERIFY(!selectAmpacityColumn(0, 2, 0)); // installation 2
    QVERIFY(!selectAmpacityColumn(2, 0, 0)); // material 2
    QVERIFY(!selectAmpacityColumn(0, 0, 3)); // insulation 3
    QVERIFY(!selectAmpacityColumn(-1, 0, 2));
    QVERIFY(!selectAmpacityColumn(1, 1, -1));
}

void TestAmpacityTables::wireSizeTexts()
{
    QCOMPARE(bytes(FirstWireSizeText), QByteArray("     14 AWG"));
    QCOMPARE(bytes(WireSizeTexts[3]), QByteArray("       8 AWG"));
    QCOMPARE(bytes(WireSizeTexts[9]), QByteArray("   1/0 AWG"));
    QCOMPARE(bytes(WireSizeTexts[19]), QByteArray("   750 MCM")); // 1000 MCM follows directly
    QCOMPARE(bytes(WireSizeTexts[20]), QByteArray(" 1000 MCM"));
    QCOMPARE(bytes(WireSizeTexts[24]), QByteArray(" 2000 MCM"));
    for (std::string_view text : WireSizeTexts) {
        const auto blanks = text.find_first_not_of(' ');
        QCOMPARE(int(blanks + 2 * (text.size() - blanks - 4)), 9);
        QVERIFY(text.ends_with(" AWG") || text.ends_with(" MCM"));
    }
}

QTEST_APPLESS_MAIN(TestAmpacityTables)
#include "tst_ampacitytables.moc"
