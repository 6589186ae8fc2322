#include "ContinuousLoad.h"

namespace ampacity::sizing {

int continuousPercent(int tableNumber, int devicePercent)
{
    const bool freeAir = tableNumber % 2 == 1;
    if (devicePercent == 100)
        return freeAir ? 85 : 100;
    return freeAir ? 70 : 80;
}

bool deviceCarries(Amperes rating, Amperes load, bool continuous, int devicePercent)
{
    return continuous ? rating * devicePercent >= load * 100 : rating >= load;
}

} // namespace ampacity::sizing
