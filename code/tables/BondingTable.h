#pragma once

#include "WireSize.h"

#include <cstdint>
#include <optional>

// Canadian Electrical Code, Part I, 2024, Table 16: the least size of a
// field-installed bonding conductor (Rule 10-616), by the rating of the
// overcurrent device ahead of the circuit or, where the circuit conductors
// were made larger for voltage drop, by their ampacity.
namespace ampacity {

// The bonding conductor of the material (0 copper, otherwise aluminum) for a
// device or ampacity of `amperes` in ten-thousandths of an ampere, shared by
// `sharedBy` raceways or cables (each of parallel sets has its own): the row
// whose "not exceeding" is at least amperes / sharedBy. Nothing above the
// table's last row, 6000 A.
std::optional<WireSize> bondingConductor(std::int16_t materialCode, std::int64_t amperes,
                                         int sharedBy = 1);

} // namespace ampacity
