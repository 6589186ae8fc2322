#include "StartUpPlacement.h"

#include "Rounding.h"

#include <algorithm>
#include <limits>

namespace ampacity {

WindowPlacement startUpPlacement(double outerWidth, double outerHeight, double screenWidth)
{
    const double top = roundHalfEven(outerHeight / 2.0);
    const double left = roundHalfEven(screenWidth - outerWidth - top);
    if (!(left >= 0.0 && top >= 0.0))
        return {0, 0};
    constexpr double largest = std::numeric_limits<std::int32_t>::max();
    return {static_cast<std::int32_t>(std::min(left, largest)),
            static_cast<std::int32_t>(std::min(top, largest))};
}

} // namespace ampacity
