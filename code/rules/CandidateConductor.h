#pragma once

#include "Conditions.h"

// One conductor tried for a circuit, in the sets asked for, as the rules
// that constrain a candidate read it. Each such rule is a step of one
// shape, `bool (const CandidateConductor &)`: whether the candidate meets
// it. The design runs them from a list in the Code's order (design/), and
// the last one that moved the answer up governs.
namespace ampacity::sizing {

struct CandidateConductor
{
    Amperes load = 0;          // the circuit's load; a motor's full-load current
    Amperes setCorrected = 0;  // what the sets carry by their table's cell, corrected
    Amperes setUsable = 0;     // ...each within its terminations' column (Rule 4-006)
    int continuousPercent = 0; // Rule 8-104's share of a continuous load; 0: not one
    Amperes device = 0;        // the device to protect it; 0: none to check
    int largestDevice = 0;     // the largest Rule 14-104 allows on the sets, whole amperes
};

using CandidateRule = bool (*)(const CandidateConductor &);

} // namespace ampacity::sizing
