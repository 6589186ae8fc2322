#pragma once

#include "CandidateConductor.h"
#include "Conditions.h"
#include "WireSize.h"

#include <cstddef>

// Canadian Electrical Code, Part I, 2024, Rule 4-006: the temperature
// rating of the terminations a conductor is connected to, which caps its
// ampacity at that column of its table.
namespace ampacity::sizing {

// The terminations' rating in °C for a conductor of a size, 0 for none
// considered. Unmarked equipment (auto): 60 °C
// for an overcurrent device of 100 A or less, 75 °C above; without a device
// known (none, or a motor's, sized for starting), the conductor's own size
// decides: 60 °C for No. 1 AWG and smaller.
int terminationRating(TerminationRule rule, Amperes device, ConductorSize size);

// Whether the candidate's sets, each capped at its terminations' column,
// carry the load.
inline bool withinTerminations(const CandidateConductor &candidate)
{
    return candidate.setUsable >= candidate.load;
}

} // namespace ampacity::sizing
