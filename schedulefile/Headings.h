#pragma once

#include "Conditions.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A schedule's heading row as the file gives it: which input each heading
// names (the load, or a condition by ConditionFields' names, in English or
// in French), and the unit it gives its column's cells.
namespace ampacity::sizing {

// The input columns: the load, then the conditions' fields in the order of
// ConditionFields.
inline constexpr std::size_t InputColumnCount = 1 + std::size(ConditionFields);

// The load column: its name, and the others a header may give it, as
// ConditionFields gives the conditions'.
inline constexpr std::string_view LoadColumn = "load";
inline constexpr std::array<std::string_view, 4> LoadOtherNames = {"charge", "courant", "current"};

// The length's input column: after the load, its place among the conditions.
std::size_t lengthColumn();

// A header's name as it is compared with the columns' names: in lower case,
// without accents, without a unit in brackets, and without blanks,
// underscores or other signs ("Charge (A)" is "charge", "power_factor" is
// "powerfactor", "Chute max (%)" is "chutemax").
std::string columnKey(std::string_view header);

// The input column a header names (0 the load, then ConditionFields' order),
// or nothing.
std::optional<std::size_t> inputColumnOf(std::string_view header);

// A heading as read: the input column it names, and the unit it gives, in
// brackets or after the name ("Length (ft)", "Longueur (pi)", "Load kVA",
// "Charge (kW)"), folded; empty without one.
struct Heading
{
    std::optional<std::size_t> column;
    std::string unit;
};
Heading readHeading(std::string_view header);

// The units a schedule's load and length columns give their cells in, from
// their headings; a cell may give its own ("15 kW", "150 ft").
struct ColumnUnits
{
    LoadUnit load = LoadUnit::Amperes;
    bool lengthInFeet = false;
};

} // namespace ampacity::sizing
