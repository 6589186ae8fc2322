#include "ParallelSets.h"

#include "AmpacityTables.h"

namespace ampacity::sizing {
namespace {

// No conductor smaller than 1/0 AWG is run in parallel: row 9 of the
// copper list.
constexpr std::size_t SmallestParallelRow = 9;

} // namespace

bool mayRunInParallel(std::int16_t materialCode, int wireSizeRow)
{
    return copperListRow(materialCode, static_cast<std::size_t>(wireSizeRow)) >=
           SmallestParallelRow;
}

} // namespace ampacity::sizing
