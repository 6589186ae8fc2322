#pragma once

#include "CandidateConductor.h"
#include "Conditions.h"

// Canadian Electrical Code, Part I, 2024, Rule 8-104: a continuous load may
// be only a share of its conductors' ampacity and of its device's rating.
namespace ampacity::sizing {

// The share of its ampacity a conductor may carry of a continuous load, in
// per cent: 80 % (100 % with a device marked for it) where the ampacity
// comes from Table 2 or 4, 70 % (85 %) from Table 1 or 3, single conductors
// in free air.
int continuousPercent(int tableNumber, int devicePercent);

// Whether a device of `rating` carries the load: all of it, or a
// continuous load at the device's per cent of its rating.
bool deviceCarries(Amperes rating, Amperes load, bool continuous, int devicePercent);

// Whether the candidate carries a continuous load within its share of its
// usable ampacity (any load, where it is not continuous).
inline bool carriesContinuousShare(const CandidateConductor &candidate)
{
    return candidate.continuousPercent == 0 ||
           candidate.setUsable * candidate.continuousPercent >= candidate.load * 100;
}

} // namespace ampacity::sizing
