#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

// Canadian Electrical Code, Part I, 2024, Table 16: the least size of a
// field-installed bonding conductor (Rule 10-616), by the rating of the
// overcurrent device ahead of the circuit or, where the circuit conductors
// were made larger for voltage drop, by their ampacity.
namespace ampacity {

// A bonding conductor's size: its text in the wire-size list's style (the
// list's own text where the list has the size, "   700 MCM" and
// "   800 MCM" besides), and its place among all sizes, smallest first, so
// that it compares with a circuit conductor.
struct BondingSize
{
    std::string_view text;
    int order = 0;
};

// The bonding conductor of the material (0 copper, otherwise aluminum) for a
// device or ampacity of `amperes` in ten-thousandths of an ampere, shared by
// `sharedBy` raceways or cables (each of parallel sets has its own): the row
// whose "not exceeding" is at least amperes / sharedBy. Nothing above the
// table's last row, 6000 A.
std::optional<BondingSize> bondingConductor(std::int16_t materialCode, std::int64_t amperes,
                                            int sharedBy = 1);

// A conductor of the wire-size list (its row in the copper list) as a
// bonding size, to compare with one.
BondingSize listedSize(std::size_t copperListRow);

} // namespace ampacity
