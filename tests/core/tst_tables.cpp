// The ampacity tables, their list texts and the choice of table and column.

#include "AmpacityTables.h"
#include "Check.h"
#include "ConditionCodes.h"

#include <numeric>
#include <string>

using namespace ampacity;

namespace {

// One column of Tables 1 to 4, Canadian Electrical Code 2024. The sum of
// each column is added up from the published table, so that a wrong cell
// anywhere in the program's copy changes it.
struct ColumnFacts
{
    std::int16_t material;
    std::int16_t installation;
    std::int16_t insulation;
    int table;
    int rows;
    int sum;
};

constexpr std::int16_t Cu = material::Copper, Al = material::Aluminum;
constexpr std::int16_t Raceway = installation::RacewayOrCable, FreeAir = installation::FreeAir;
constexpr std::int16_t At60 = insulation::Rated60C, At75 = insulation::Rated75C,
                       At90 = insulation::Rated90C;

constexpr ColumnFacts Columns[] = {
    {Cu, FreeAir, At60, 1, 25, 9975},  {Cu, FreeAir, At75, 1, 25, 11915},
    {Cu, FreeAir, At90, 1, 25, 13435}, {Cu, Raceway, At60, 2, 25, 5790},
    {Cu, Raceway, At75, 2, 25, 6915},  {Cu, Raceway, At90, 2, 25, 7810},
    {Al, FreeAir, At60, 3, 24, 7965},  {Al, FreeAir, At75, 3, 24, 9505},
    {Al, FreeAir, At90, 3, 24, 10715}, {Al, Raceway, At60, 4, 24, 4695},
    {Al, Raceway, At75, 4, 24, 5605},  {Al, Raceway, At90, 4, 24, 6320},
};

// Blanks before a number or size of n characters: blanks + 2 x n = 9, so
// that the numbers line up on the right in the list's proportional font.
std::string nineUnitBlanks(std::size_t characters)
{
    return std::string(9 - 2 * characters, ' ');
}

void everyColumnMatchesThePublishedTable()
{
    for (const ColumnFacts &facts : Columns) {
        const std::string name =
            "Table " + std::to_string(facts.table) + ", code " + std::to_string(facts.insulation);
        const auto column =
            selectAmpacityColumn(facts.material, facts.installation, facts.insulation);
        if (!check::that(column.has_value(), name + " is selected"))
            continue;
        check::equal(column->tableNumber, facts.table, name + ": table");
        check::equal(column->title, "2024 CEC Ampacity Table " + std::to_string(facts.table),
                     name + ": title");
        check::equal(int(column->texts.size()), facts.rows, name + ": rows");
        check::equal(wireSizeRowCount(facts.material), facts.rows, name + ": wire sizes");
        check::equal(std::accumulate(column->amperes.begin(), column->amperes.end(), 0), facts.sum,
                     name + ": sum of the column");

        for (std::size_t row = 0; row < column->texts.size(); ++row) {
            const std::string digits = std::to_string(column->amperes[row]);
            // Table 1 at 75 °C writes 14 AWG to 6 AWG with four blanks, not five.
            const bool fourBlankRun = facts.table == 1 && facts.insulation == At75 && row <= 4;
            const std::string blanks = fourBlankRun ? "    " : nineUnitBlanks(digits.size());
            check::equal(column->texts[row], blanks + digits + " A",
                         name + ": text of row " + std::to_string(row));
            if (row > 0)
                check::that(column->amperes[row - 1] < column->amperes[row],
                            name + ": rises at row " + std::to_string(row));
        }
    }

    // In every row 60 °C < 75 °C < 90 °C.
    for (std::int16_t m : {Cu, Al})
        for (std::int16_t i : {Raceway, FreeAir}) {
            const auto at60 = selectAmpacityColumn(m, i, At60)->amperes;
            const auto at75 = selectAmpacityColumn(m, i, At75)->amperes;
            const auto at90 = selectAmpacityColumn(m, i, At90)->amperes;
            for (std::size_t row = 0; row < at60.size(); ++row)
                check::that(at60[row] < at75[row] && at75[row] < at90[row],
                            "ratings rise across row " + std::to_string(row));
        }
}

void wireSizeTexts()
{
    const char *sizes[] = {"14",  "12",  "10",   "8",    "6",    "4",    "3",   "2",   "1",
                           "1/0", "2/0", "3/0",  "4/0",  "250",  "300",  "350", "400", "500",
                           "600", "750", "1000", "1250", "1500", "1750", "2000"};
    for (std::size_t row = 0; row < std::size(sizes); ++row) {
        const std::string size = sizes[row];
        const std::string unit = row <= 12 ? " AWG" : " MCM";
        check::equal(WireSizeTexts[row], nineUnitBlanks(size.size()) + size + unit,
                     "wire size row " + std::to_string(row));
    }
    check::equal(FirstWireSizeText, std::string_view("     14 AWG"), "the copper-only row");
}

void codesOutsideTheTablesSelectNothing()
{
    const std::int16_t outside[][3] = {{Cu, 2, At60},
                                       {2, Raceway, At60},
                                       {Cu, Raceway, 3},
                                       {-1, Raceway, At60},
                                       {Al, FreeAir, -1}};
    for (const auto &codes : outside)
        check::that(!selectAmpacityColumn(codes[0], codes[1], codes[2]),
                    "codes " + std::to_string(codes[0]) + ", " + std::to_string(codes[1]) + ", " +
                        std::to_string(codes[2]) + " select no table");
}

} // namespace

int main()
{
    everyColumnMatchesThePublishedTable();
    wireSizeTexts();
    codesOutsideTheTablesSelectNothing();
    return check::summary();
}
