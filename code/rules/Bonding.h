#pragma once

#include "BondingTable.h"
#include "Conditions.h"
#include "Problem.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// Canadian Electrical Code, Part I, 2024, Rule 10-616 and Table 16: the
// bonding conductor of a circuit.
namespace ampacity::sizing {

// The bonding conductor of the material for a circuit whose conductors run
// in `sets`: by the device's
// rating; by the set's ampacity where the conductors were made larger for
// the voltage drop (10-616(3)(b)) or no device is known; one in each
// raceway or cable of parallel sets, for its share (10-616(4)); never
// larger than the circuit conductor of the same metal (10-616(5)).
// Nothing above Table 16's last row.
struct BondingBasis
{
    Amperes device = 0;    // the rating protecting the circuit; 0: none
    Amperes setUsable = 0; // the ampacity of one set
    bool dropGoverns = false;
    int sets = 1;
};
Amperes bondingAmperes(const BondingBasis &basis);

struct ChosenConductor;

// The step that derives the chosen conductor's bonding conductor, of the
// metal asked for or the circuit's own; BondBeyondTable16 past the table.
std::optional<Problem> bondingOfSets(ChosenConductor &chosen);
std::optional<WireSize> circuitBonding(std::int16_t bondMaterial, WireSize conductor,
                                       const BondingBasis &basis);

} // namespace ampacity::sizing
