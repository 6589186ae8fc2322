#include "Protection.h"

#include "ChosenConductor.h"
#include "ConditionCodes.h"
#include "ContinuousLoad.h"
#include "MotorCircuit.h"
#include "Table13.h"
#include "TextReading.h"

#include <algorithm>

namespace ampacity::sizing {
namespace {

} // namespace

std::optional<int> smallConductorLimit(WireSize conductor)
{
    const bool copper = conductor.material == material::Copper;
    switch (conductor.size) {
    case ConductorSize::Awg14:
        return copper ? std::optional<int>(15) : std::nullopt;
    case ConductorSize::Awg12:
        return copper ? 20 : 15;
    case ConductorSize::Awg10:
        return copper ? 30 : 25;
    default:
        return std::nullopt;
    }
}

int largestDevice(WireSize conductor, Amperes setUsable, int sets)
{
    int most = table13Rating(setUsable / OneAmpere);
    if (sets == 1)
        if (const auto small = smallConductorLimit(conductor))
            most = std::min(most, *small);
    return most;
}

std::variant<Amperes, Problem> circuitBreaker(const Conditions &c, Amperes load)
{
    if (c.breaker == NoBreaker)
        return Amperes{0};
    // Rule 28-200: a motor's device, given, is checked once the conductor is
    // known; chosen, it is Table 29's largest, which lets the motor start.
    if (c.motor.isMotor)
        return c.breaker > 0 ? c.breaker : Amperes{largestMotorDevice(load, c)} * OneAmpere;
    if (c.breaker > 0) {
        if (deviceCarries(c.breaker, load, c.continuous, c.devicePercent))
            return c.breaker;
        Problem tooSmall =
            makeProblem(Problem::Kind::BreakerTooSmall, scaledText(load, 4), c.breaker);
        tooSmall.third = c.continuous ? c.devicePercent : 0;
        return tooSmall;
    }
    // The smallest that carries it: the whole amperes it must be rated at
    // least, rounded up (a continuous load by its share, Rule 8-104), then
    // one look-up.
    if (!c.continuous || c.devicePercent > 0) {
        const Amperes needed =
            c.continuous ? (load * 100 + c.devicePercent - 1) / c.devicePercent : load;
        if (const auto smallest = smallestRatingOfAtLeast((needed + OneAmpere - 1) / OneAmpere))
            return Amperes{*smallest} * OneAmpere;
    }
    return makeProblem(Problem::Kind::NoBreakerRating, scaledText(load, 4));
}

std::optional<Problem> largestDeviceOnSets(ChosenConductor &chosen)
{
    chosen.largestDevice = largestDevice(chosen.size, chosen.usable * chosen.sets, chosen.sets);
    return std::nullopt;
}

} // namespace ampacity::sizing
