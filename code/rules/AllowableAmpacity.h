#pragma once

#include "CandidateConductor.h"

// Canadian Electrical Code, Part I, 2024, Rule 4-004: a conductor's
// allowable ampacity is its table's cell (Tables 1 to 4) times the
// correction factors of Tables 5A, 5B and 5C for its ambient and its group.
namespace ampacity::sizing {

// Whether the candidate's sets carry the load by their corrected cells.
inline bool carriesTheLoad(const CandidateConductor &candidate)
{
    return candidate.setCorrected >= candidate.load;
}

} // namespace ampacity::sizing
