#pragma once

#include "Conditions.h"
#include "WireSize.h"

#include <cstdint>

// Canadian Electrical Code, Part I, 2024, Rule 12-108: conductors in
// parallel, 1/0 AWG and larger, each set in its own raceway or cable,
// every conductor carrying its share of the load.
namespace ampacity::sizing {

// Ten sets is already a switchboard's bus: the most the program looks for.
inline constexpr int MostSets = 10;

// Whether a conductor may be one of parallel sets: 1/0 AWG and larger.
bool mayRunInParallel(WireSize conductor);

// The load each conductor of `sets` carries, rounded up to a
// ten-thousandth of an ampere: the safe side.
inline Amperes perConductor(Amperes load, int sets)
{
    return (load + sets - 1) / sets;
}

} // namespace ampacity::sizing
