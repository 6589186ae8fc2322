// The ampacity tables, their list texts and the choice of table and column.

#include "AmpacityTables.h"
#include "Check.h"
#include "ConditionCodes.h"
#include "RacewayTables.h"
#include "TextReading.h"

#include <numeric>
#include <string>
#include <tuple>

using namespace ampacity;

namespace {

constexpr std::int16_t Cu = material::Copper, Al = material::Aluminum;
constexpr std::int16_t Raceway = installation::RacewayOrCable, FreeAir = installation::FreeAir;
constexpr std::int16_t At60 = insulation::Rated60C, At75 = insulation::Rated75C,
                       At90 = insulation::Rated90C;

// Blanks before a number or size of n characters: blanks + 2 x n = 9, so
// that the numbers line up on the right in the list's proportional font.
std::string nineUnitBlanks(std::size_t characters)
{
    return std::string(9 - 2 * characters, ' ');
}

// One size, one identity, whichever table names it: each size's list text
// says the same size as Table 6's, the rows of each metal's list are the
// sizes their tables give, and a size a list leaves out has no row.
void everyTableNamesASizeAlike()
{
    const auto number = [](std::string_view text) {
        text = trimmed(text);
        return std::string(text.substr(0, text.find(' ')));
    };
    for (std::size_t s = 0; s < ConductorSizeCount; ++s) {
        const auto size = static_cast<ConductorSize>(s);
        const std::string_view listed = wireSizeText(size);
        const std::string table6 = std::string(table6Sizes()[s]);
        const bool leftOut = size == ConductorSize::Kcmil450 || size == ConductorSize::Kcmil900;
        check::that(leftOut ? listed.empty() : number(listed) == number(table6),
                    "the list and Table 6 say the same size: " + table6);
        check::that(
            WireSize{Cu, size}.copperRow().has_value() ==
                !(leftOut || size == ConductorSize::Kcmil700 || size == ConductorSize::Kcmil800),
            "in the list or left out: " + table6);
    }
    // Each metal's list runs to 2000 kcmil, copper's from 14 AWG, aluminum's
    // from 12 AWG, a row per size.
    for (const std::int16_t metal : {Cu, Al}) {
        const auto rows = static_cast<std::size_t>(wireSizeRowCount(metal));
        check::that(WireSize::atRow(metal, rows - 1).size == ConductorSize::Kcmil2000,
                    "each list ends at 2000 kcmil");
        for (std::size_t row = 0; row < rows; ++row)
            check::that(WireSize::atRow(metal, row).row() == row, "a row's size has that row");
    }
    check::that(WireSize::atRow(Cu, 0).size == ConductorSize::Awg14, "copper from 14 AWG");
    check::that(!WireSize{Al, ConductorSize::Awg14}.row(), "no 14 AWG aluminum");
    check::that(WireSize{Al, ConductorSize::Awg12}.row() == std::size_t{0}, "aluminum from 12 AWG");
}

} // namespace

int main()
{
    // Each column of Tables 1 to 4, Canadian Electrical Code 2024: table,
    // rows, and the sum of the column added up from the published table, so
    // that a wrong cell anywhere in the program's copy changes it.
    const std::tuple<std::int16_t, std::int16_t, std::int16_t, int, int, int> columns[] = {
        {Cu, FreeAir, At60, 1, 25, 9975},  {Cu, FreeAir, At75, 1, 25, 11915},
        {Cu, FreeAir, At90, 1, 25, 13435}, {Cu, Raceway, At60, 2, 25, 5790},
        {Cu, Raceway, At75, 2, 25, 6915},  {Cu, Raceway, At90, 2, 25, 7810},
        {Al, FreeAir, At60, 3, 24, 7965},  {Al, FreeAir, At75, 3, 24, 9505},
        {Al, FreeAir, At90, 3, 24, 10715}, {Al, Raceway, At60, 4, 24, 4695},
        {Al, Raceway, At75, 4, 24, 5605},  {Al, Raceway, At90, 4, 24, 6320},
    };
    for (const auto &[m, i, t, table, rows, sum] : columns) {
        const std::string name = "Table " + std::to_string(table) + ", code " + std::to_string(t);
        const auto column = selectAmpacityColumn(m, i, t);
        if (!check::that(column != nullptr, name + " is selected"))
            continue;
        check::equal(column->title, "2024 CEC Ampacity Table " + std::to_string(table), name);
        check::that(int(column->texts.size()) == rows && wireSizeRowCount(m) == rows, name);
        check::equal(std::accumulate(column->amperes.begin(), column->amperes.end(), 0), sum,
                     name + ": sum of the column");
        for (std::size_t row = 0; row < column->texts.size(); ++row) {
            const std::string digits = std::to_string(column->amperes[row]);
            // Table 1 at 75 °C writes 14 AWG to 6 AWG with four blanks, not five.
            const bool fourBlankRun = table == 1 && t == At75 && row <= 4;
            check::equal(column->texts[row],
                         (fourBlankRun ? "    " : nineUnitBlanks(digits.size())) + digits + " A",
                         name + ", row " + std::to_string(row));
            check::that(row == 0 || column->amperes[row - 1] < column->amperes[row],
                        name + ": rises at row " + std::to_string(row));
            // In every row 60 °C < 75 °C < 90 °C.
            if (t == At75)
                check::that(selectAmpacityColumn(m, i, At60)->amperes[row] < column->amperes[row] &&
                                column->amperes[row] <
                                    selectAmpacityColumn(m, i, At90)->amperes[row],
                            name + ": ratings rise across row " + std::to_string(row));
        }
    }

    const char *sizes[] = {"14",  "12",  "10",   "8",    "6",    "4",    "3",   "2",   "1",
                           "1/0", "2/0", "3/0",  "4/0",  "250",  "300",  "350", "400", "500",
                           "600", "750", "1000", "1250", "1500", "1750", "2000"};
    for (std::size_t row = 0; row < std::size(sizes); ++row) {
        const std::string size = sizes[row];
        check::equal(WireSizeTexts[row],
                     nineUnitBlanks(size.size()) + size + (row <= 12 ? " AWG" : " MCM"), size);
    }
    check::equal(FirstWireSizeText, std::string_view("     14 AWG"), "the copper-only row");

    const std::int16_t outside[][3] = {{Cu, 2, At60},
                                       {2, Raceway, At60},
                                       {Cu, Raceway, 3},
                                       {-1, Raceway, At60},
                                       {Al, FreeAir, -1}};
    for (const auto &codes : outside)
        check::that(!selectAmpacityColumn(codes[0], codes[1], codes[2]),
                    "codes outside the tables");
    everyTableNamesASizeAlike();
    return check::summary();
}
