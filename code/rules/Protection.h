#pragma once

#include "CandidateConductor.h"
#include "Conditions.h"
#include "Problem.h"
#include "WireSize.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <variant>

// Canadian Electrical Code, Part I, 2024, Rule 14-104: what may protect a
// conductor. Table 13 gives the largest device for its ampacity; Rule
// 14-104(2) holds the smallest conductors below that whatever their
// ampacity. A motor's branch circuit is sent to Section 28 (14-104(1)(c)).
namespace ampacity::sizing {

// Rule 14-104(2): the largest device on a small conductor (14 to 10 AWG
// copper, 12 and 10 AWG aluminum); nothing for the others.
std::optional<int> smallConductorLimit(WireSize conductor);

// The largest device on `sets` of a conductor whose
// set carries `setUsable`: Table 13's rating for it in whole amperes
// rounded down (the safe side: 110.4 A permits 110 A, not 125 A), within
// the small conductors' limits for one set.
int largestDevice(WireSize conductor, Amperes setUsable, int sets);

// The circuit's breaker: none (NoBreaker), the one given where it carries
// the load (Rule 8-104's share of a continuous load), or the smallest
// standard rating that does. A motor's: the one given, checked once its
// conductor is known, or Table 29's largest. BreakerTooSmall or
// NoBreakerRating otherwise.
std::variant<Amperes, Problem> circuitBreaker(const Conditions &conditions, Amperes load);

struct ChosenConductor;

// The step that derives the largest device Table 13 allows on the chosen
// conductor's sets (within 14-104(2)), for the answer and the bonding
// conductor.
std::optional<Problem> largestDeviceOnSets(ChosenConductor &chosen);

// Whether the candidate may be protected by the circuit's device: Table 13
// (within 14-104(2)) allows it on the sets; any candidate, with none.
inline bool protectedByDevice(const CandidateConductor &candidate)
{
    return candidate.device == 0 ||
           Amperes{candidate.largestDevice} * OneAmpere >= candidate.device;
}

} // namespace ampacity::sizing
