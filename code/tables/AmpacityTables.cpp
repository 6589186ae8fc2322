#include "AmpacityTables.h"

#include "ConditionCodes.h"
#include "Texts.h"

#include <array>
#include <charconv>
#include <vector>

namespace ampacity {
namespace {

// One row of a table: the ampacity for conductors rated 60, 75 and 90 °C.
struct TableRow
{
    std::int16_t at60C;
    std::int16_t at75C;
    std::int16_t at90C;
};

// Table 1: copper conductors, single conductors in free air. 14 AWG to 2000 MCM.
constexpr TableRow Table1[CopperRowCount] = {
    {25, 30, 35},     {30, 35, 40},      {40, 50, 55},      {60, 70, 80},       {80, 95, 105},
    {105, 125, 140},  {120, 145, 165},   {140, 170, 190},   {165, 195, 220},    {195, 230, 260},
    {220, 265, 300},  {260, 310, 350},   {300, 360, 405},   {340, 405, 455},    {370, 445, 500},
    {425, 505, 570},  {455, 545, 615},   {520, 620, 700},   {580, 690, 780},    {655, 785, 885},
    {785, 935, 1055}, {890, 1065, 1200}, {985, 1175, 1325}, {1070, 1280, 1445}, {1160, 1385, 1560},
};

// Table 2: copper conductors, not more than three in raceway or cable. 14 AWG to 2000 MCM.
constexpr TableRow Table2[CopperRowCount] = {
    {15, 20, 25},    {20, 25, 30},    {30, 35, 40},    {40, 50, 55},    {55, 65, 75},
    {70, 85, 95},    {85, 100, 115},  {95, 115, 130},  {110, 130, 145}, {125, 150, 170},
    {145, 175, 195}, {165, 200, 225}, {195, 230, 260}, {215, 255, 290}, {240, 285, 320},
    {260, 310, 350}, {280, 335, 380}, {320, 380, 430}, {350, 420, 475}, {400, 475, 535},
    {455, 545, 615}, {495, 590, 665}, {525, 625, 705}, {545, 650, 735}, {555, 665, 750},
};

// Table 3: aluminum conductors, single conductors in free air. 12 AWG to 2000 MCM.
constexpr TableRow Table3[AluminumRowCount] = {
    {25, 30, 35},    {35, 40, 45},     {45, 55, 60},      {65, 75, 85},      {85, 100, 115},
    {95, 115, 130},  {115, 135, 150},  {130, 155, 175},   {150, 180, 205},   {175, 210, 235},
    {200, 240, 270}, {235, 280, 315},  {265, 315, 355},   {295, 350, 395},   {330, 395, 445},
    {355, 425, 480}, {405, 485, 545},  {455, 545, 615},   {520, 620, 700},   {630, 750, 845},
    {715, 855, 965}, {795, 950, 1070}, {880, 1050, 1185}, {965, 1150, 1295},
};

// Table 4: aluminum conductors, not more than three in raceway or cable. 12 AWG to 2000 MCM.
constexpr TableRow Table4[AluminumRowCount] = {
    {15, 20, 25},    {25, 30, 35},    {35, 40, 45},    {40, 50, 55},    {55, 65, 75},
    {65, 75, 85},    {75, 90, 100},   {85, 100, 115},  {100, 120, 135}, {115, 135, 150},
    {130, 155, 175}, {150, 180, 205}, {170, 205, 230}, {195, 230, 260}, {210, 250, 280},
    {225, 270, 305}, {260, 310, 350}, {285, 340, 385}, {320, 385, 435}, {375, 445, 500},
    {405, 485, 545}, {435, 520, 585}, {455, 545, 615}, {470, 560, 630},
};

constexpr std::string_view Titles[] = {
    TORVANE_TEXT("Captions", "2024 CEC Ampacity Table 1"),
    TORVANE_TEXT("Captions", "2024 CEC Ampacity Table 2"),
    TORVANE_TEXT("Captions", "2024 CEC Ampacity Table 3"),
    TORVANE_TEXT("Captions", "2024 CEC Ampacity Table 4"),
};

// The list text of a cell: leading blanks, the digits, " A". The blanks follow
// the nine-unit rule (blanks + 2 x digits = 9), so the numbers line up on the
// right in the list's proportional font.
std::string ampacityText(std::int16_t amperes, int leadingBlanks)
{
    char digits[8];
    const auto end = std::to_chars(digits, digits + sizeof digits, amperes).ptr;
    std::string text(static_cast<std::size_t>(leadingBlanks), ' ');
    text.append(digits, end);
    text.append(" A");
    return text;
}

int nineUnitBlanks(std::int16_t amperes)
{
    const int digitCount = amperes >= 1000 ? 4 : amperes >= 100 ? 3 : amperes >= 10 ? 2 : 1;
    return 9 - 2 * digitCount;
}

std::int16_t cell(const TableRow &row, std::int16_t insulationCode)
{
    switch (insulationCode) {
    case insulation::Rated75C:
        return row.at75C;
    case insulation::Rated90C:
        return row.at90C;
    default:
        return row.at60C;
    }
}

struct StoredColumn
{
    std::vector<std::int16_t> amperes;
    std::vector<std::string> texts;
};

StoredColumn buildColumn(int tableNumber, std::span<const TableRow> rows,
                         std::int16_t insulationCode)
{
    StoredColumn column;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        const std::int16_t amperes = cell(rows[row], insulationCode);
        int blanks = nineUnitBlanks(amperes);
        // The 75 °C column of Table 1 shows its two-digit cells from 14 AWG
        // to 6 AWG with four leading blanks instead of five.
        if (tableNumber == 1 && insulationCode == insulation::Rated75C && row <= 4)
            blanks = 4;
        column.amperes.push_back(amperes);
        column.texts.push_back(ampacityText(amperes, blanks));
    }
    return column;
}

std::span<const TableRow> tableRows(int tableNumber)
{
    switch (tableNumber) {
    case 1:
        return Table1;
    case 2:
        return Table2;
    case 3:
        return Table3;
    default:
        return Table4;
    }
}

// Table number for material and installation; 0 when the codes select none.
int tableNumberFor(std::int16_t materialCode, std::int16_t installationCode)
{
    const bool copper = materialCode == material::Copper;
    if (!copper && materialCode != material::Aluminum)
        return 0;
    if (installationCode == installation::RacewayOrCable)
        return copper ? 2 : 4;
    if (installationCode == installation::FreeAir)
        return copper ? 1 : 3;
    return 0;
}

// All twelve columns with their texts, built once on first use.
const StoredColumn &storedColumn(int tableNumber, std::int16_t insulationCode)
{
    static const auto columns = [] {
        std::array<std::array<StoredColumn, 3>, 4> built;
        for (int table = 1; table <= 4; ++table)
            for (std::int16_t code :
                 {insulation::Rated75C, insulation::Rated90C, insulation::Rated60C})
                built[table - 1][code] = buildColumn(table, tableRows(table), code);
        return built;
    }();
    return columns[tableNumber - 1][insulationCode];
}

} // namespace

namespace {

// A size as the list writes it (see wireSizeText).
constexpr std::string_view listText(ConductorSize size)
{
    if (const auto row = WireSize{material::Copper, size}.copperRow())
        return WireSizeTexts[*row];
    switch (size) {
    case ConductorSize::Kcmil700:
        return TORVANE_TEXT("Wire sizes", "   700 MCM");
    case ConductorSize::Kcmil800:
        return TORVANE_TEXT("Wire sizes", "   800 MCM");
    default:
        return {};
    }
}

// Each size's text without the list's padding, made once when the program
// is built: a schedule names two sizes a row.
constexpr auto WireSizeNames = [] {
    std::array<std::string_view, ConductorSizeCount> names{};
    for (std::size_t s = 0; s < names.size(); ++s) {
        std::string_view text = listText(static_cast<ConductorSize>(s));
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
        names[s] = text;
    }
    return names;
}();

} // namespace

std::string_view wireSizeText(ConductorSize size)
{
    return listText(size);
}

std::string_view wireSizeName(ConductorSize size)
{
    const auto index = static_cast<std::size_t>(size);
    return index < WireSizeNames.size() ? WireSizeNames[index] : std::string_view{};
}

int wireSizeRowCount(std::int16_t materialCode)
{
    return materialCode == material::Copper ? CopperRowCount : AluminumRowCount;
}

const AmpacityColumn *selectAmpacityColumn(std::int16_t materialCode, std::int16_t installationCode,
                                           std::int16_t insulationCode)
{
    // The twelve columns, each chosen once: a schedule asks for two or three
    // a row.
    static const auto chosen = [] {
        std::array<AmpacityColumn, 12> all;
        for (const std::int16_t metal : {material::Copper, material::Aluminum})
            for (const std::int16_t installed :
                 {installation::RacewayOrCable, installation::FreeAir})
                for (const std::int16_t rated :
                     {insulation::Rated75C, insulation::Rated90C, insulation::Rated60C}) {
                    const int tableNumber = tableNumberFor(metal, installed);
                    const StoredColumn &column = storedColumn(tableNumber, rated);
                    all[static_cast<std::size_t>((metal * 2 + installed) * 3 + rated)] =
                        AmpacityColumn{tableNumber, Titles[tableNumber - 1], column.amperes,
                                       column.texts};
                }
        return all;
    }();
    const bool rated = insulationCode == insulation::Rated60C ||
                       insulationCode == insulation::Rated75C ||
                       insulationCode == insulation::Rated90C;
    if (tableNumberFor(materialCode, installationCode) == 0 || !rated)
        return nullptr;
    return &chosen[static_cast<std::size_t>((materialCode * 2 + installationCode) * 3 +
                                            insulationCode)];
}

} // namespace ampacity
