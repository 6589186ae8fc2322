#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

// Allowable ampacities of insulated conductors, Canadian Electrical Code,
// Part I, 2024 edition, Tables 1 to 4 (amperes, conductors rated 60, 75 and
// 90 °C, ambient 30 °C), and the texts under which sizes and ampacities appear
// in the two drop-down lists of the main window.
//
// Row i of an ampacity column always belongs to row i of the wire-size list
// of the same material: the copper tables have 25 rows (14 AWG to 2000 MCM),
// the aluminum tables have no 14 AWG row and so 24 rows (12 AWG to 2000 MCM).
namespace ampacity {

inline constexpr int CopperRowCount = 25;
inline constexpr int AluminumRowCount = 24;

// The wire-size texts of the copper list, in row order. The aluminum list is
// the same without the first text. The leading blanks follow the nine-unit
// rule: leading blanks + 2 x characters of the size = 9.
inline constexpr std::array<std::string_view, CopperRowCount> WireSizeTexts = {
    "     14 AWG",  "     12 AWG",  "     10 AWG",  "       8 AWG", "       6 AWG",
    "       4 AWG", "       3 AWG", "       2 AWG", "       1 AWG", "   1/0 AWG",
    "   2/0 AWG",   "   3/0 AWG",   "   4/0 AWG",   "   250 MCM",   "   300 MCM",
    "   350 MCM",   "   400 MCM",   "   500 MCM",   "   600 MCM",   "   750 MCM",
    " 1000 MCM",    " 1250 MCM",    " 1500 MCM",    " 1750 MCM",    " 2000 MCM",
};

// The text that the material button takes out of the wire-size list for
// aluminum and puts back as row 0 for copper.
inline constexpr std::string_view FirstWireSizeText = WireSizeTexts[0];

// Rows of the wire-size list for a material code (0 copper, otherwise aluminum).
int wireSizeRowCount(std::int16_t materialCode);

// One column of one table, as the ampacity list shows it.
struct AmpacityColumn
{
    int tableNumber = 0;                   // 1 to 4, as numbered in the code
    std::string_view title;                // main window title, e.g. "2024 CEC Ampacity Table 2"
    std::span<const std::int16_t> amperes; // cell values in row order
    std::span<const std::string> texts;    // list texts in row order, e.g. "   215 A"
};

// Picks the table by material and installation and the column by insulation
// rating. Returns nothing for codes that select no table; the caller decides
// what to do then (the core never ends the process).
std::optional<AmpacityColumn> selectAmpacityColumn(std::int16_t materialCode,
                                                   std::int16_t installationCode,
                                                   std::int16_t insulationCode);

} // namespace ampacity
