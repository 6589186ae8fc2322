#include "Terminations.h"

namespace ampacity::sizing {
namespace {

// The largest size that Rule 4-006 puts on 60 °C terminations when nothing
// else is known: No. 1 AWG.
constexpr ConductorSize LargestAtSixtyDegrees = ConductorSize::Awg1;

} // namespace

int terminationRating(TerminationRule rule, Amperes device, ConductorSize size)
{
    switch (rule) {
    case TerminationRule::At60C:
        return 60;
    case TerminationRule::At75C:
        return 75;
    case TerminationRule::At90C:
        return 90;
    case TerminationRule::None:
        return 0;
    case TerminationRule::Auto:
        break;
    }
    if (device > 0)
        return device <= 100 * OneAmpere ? 60 : 75;
    return size <= LargestAtSixtyDegrees ? 60 : 75;
}

} // namespace ampacity::sizing
