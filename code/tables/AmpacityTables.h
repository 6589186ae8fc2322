#pragma once

#include "Texts.h"
#include "WireSize.h"

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

// The edition of the Canadian Electrical Code, Part I, the tables are from.
inline constexpr std::string_view CodeEdition = "CSA C22.1:24";

inline constexpr int CopperRowCount = 25;
inline constexpr int AluminumRowCount = 24;

// The wire-size texts of the copper list, in row order. The aluminum list is
// the same without the first text. The leading blanks follow the nine-unit
// rule: leading blanks + 2 x characters of the size = 9. The windows show them
// in the user's language (French writes kcmil for MCM), so each is marked as
// a translatable text of the context "Wire sizes".
inline constexpr std::array<std::string_view, CopperRowCount> WireSizeTexts = {
    TORVANE_TEXT("Wire sizes", "     14 AWG"),  TORVANE_TEXT("Wire sizes", "     12 AWG"),
    TORVANE_TEXT("Wire sizes", "     10 AWG"),  TORVANE_TEXT("Wire sizes", "       8 AWG"),
    TORVANE_TEXT("Wire sizes", "       6 AWG"), TORVANE_TEXT("Wire sizes", "       4 AWG"),
    TORVANE_TEXT("Wire sizes", "       3 AWG"), TORVANE_TEXT("Wire sizes", "       2 AWG"),
    TORVANE_TEXT("Wire sizes", "       1 AWG"), TORVANE_TEXT("Wire sizes", "   1/0 AWG"),
    TORVANE_TEXT("Wire sizes", "   2/0 AWG"),   TORVANE_TEXT("Wire sizes", "   3/0 AWG"),
    TORVANE_TEXT("Wire sizes", "   4/0 AWG"),   TORVANE_TEXT("Wire sizes", "   250 MCM"),
    TORVANE_TEXT("Wire sizes", "   300 MCM"),   TORVANE_TEXT("Wire sizes", "   350 MCM"),
    TORVANE_TEXT("Wire sizes", "   400 MCM"),   TORVANE_TEXT("Wire sizes", "   500 MCM"),
    TORVANE_TEXT("Wire sizes", "   600 MCM"),   TORVANE_TEXT("Wire sizes", "   750 MCM"),
    TORVANE_TEXT("Wire sizes", " 1000 MCM"),    TORVANE_TEXT("Wire sizes", " 1250 MCM"),
    TORVANE_TEXT("Wire sizes", " 1500 MCM"),    TORVANE_TEXT("Wire sizes", " 1750 MCM"),
    TORVANE_TEXT("Wire sizes", " 2000 MCM"),
};

// The text that the material button takes out of the wire-size list for
// aluminum and puts back as row 0 for copper.
inline constexpr std::string_view FirstWireSizeText = WireSizeTexts[0];

// A size as the wire-size list writes it ("     14 AWG", "   250 MCM"); 700
// and 800 kcmil, which Table 16 names and the list leaves out, in the
// list's style; empty for 450 and 900 kcmil, which no answer names.
std::string_view wireSizeText(ConductorSize size);
// The same without the list's padding, as answers write it: "14 AWG".
std::string_view wireSizeName(ConductorSize size);

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
// rating: one of twelve columns made once, for as long as the program runs.
// Null for codes that select no table; the caller decides what to do then
// (the core never ends the process).
const AmpacityColumn *selectAmpacityColumn(std::int16_t materialCode, std::int16_t installationCode,
                                           std::int16_t insulationCode);

} // namespace ampacity
