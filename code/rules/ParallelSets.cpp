#include "ParallelSets.h"

namespace ampacity::sizing {
namespace {

// No conductor smaller than 1/0 AWG is run in parallel.
constexpr ConductorSize SmallestInParallel = ConductorSize::Awg1_0;

} // namespace

bool mayRunInParallel(WireSize conductor)
{
    return conductor.size >= SmallestInParallel;
}

} // namespace ampacity::sizing
