#pragma once

#include "Conditions.h"
#include "Problem.h"
#include "RacewayFill.h"
#include "WireSize.h"

#include <cstddef>
#include <cstdint>
#include <optional>

// The conductor a circuit's requirements chose, and what the rules that
// derive a result from it work out. Each such rule is a step of one shape,
// `std::optional<Problem> (ChosenConductor &)`: it reads the conductor and
// what the steps before it found, adds its own result, or says why there is
// none. The design runs them from a list in the Code's order (design/): the
// largest device before the bonding conductor it may size, the bonding
// conductor before the raceway that holds it.
namespace ampacity::sizing {

struct ChosenConductor
{
    // The conductor as the requirements chose it.
    const Conditions *conditions = nullptr;
    Amperes load = 0;         // the circuit's load; a motor's full-load current
    WireSize size;            // its metal and size
    int sets = 1;             // conductors in parallel, each of this size
    Amperes usable = 0;       // what one carries within its terminations (Rule 4-006)
    Amperes device = 0;       // the device protecting the circuit; 0: none
    bool dropGoverns = false; // made larger for the voltage drop

    // What the steps derive, in the list's order.
    int largestDevice = 0;           // the largest device allowed, whole amperes
    std::optional<WireSize> bonding; // the bonding conductor (Rule 10-616)
    CircuitRaceway raceway;          // each set's raceway (Rule 12-910)
    Amperes overloadMax = 0;         // a motor's overload relay (Rule 28-306)
};

using ResultRule = std::optional<Problem> (*)(ChosenConductor &);

} // namespace ampacity::sizing
