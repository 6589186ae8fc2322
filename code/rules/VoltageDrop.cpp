// Rule 8-102: the voltage drop of a conductor over a run, with the K values
// of Table D3. Worked out in whole numbers, so that a drop exactly at the
// limit passes and a longest run is never a hair too long.

#include "VoltageDrop.h"

#include "VoltageDropTable.h"

#include <cmath>
#include <limits>

namespace ampacity::sizing {
namespace {

__extension__ using Wide = __int128;

// K in ten-thousandths of an ohm per km, I in ten-thousandths of an ampere,
// L in ten-thousandths of a metre: V drop = f K I L / 10^15 volts, and the
// drop in hundredths of a per cent of V (hundredths of a volt) is
// f K I L / (10^9 V).
constexpr Wide VoltsHundredthsDivisor = 10'000'000'000'000; // 10^13
constexpr Wide PercentHundredthsScale = 1'000'000'000;      // 10^9

bool threePhase(const Run &run)
{
    return run.system == SupplySystem::ThreePhase;
}

// f x value <= bound, exactly: f is 2, or the square root of 3, compared
// through squares while they fit in 128 bits (every real circuit).
bool withinBound(Wide value, bool sqrt3, Wide bound)
{
    if (!sqrt3)
        return 2 * value <= bound;
    constexpr Wide fitsSquared = Wide{1} << 62;
    if (value < fitsSquared && bound < fitsSquared)
        return 3 * value * value <= bound * bound;
    return std::sqrt(3.0L) * static_cast<long double>(value) <= static_cast<long double>(bound);
}

// f x value / divisor, rounded half up (a drop is never shown less than it is
// at a tie), saturating far beyond any real circuit.
std::int64_t roundedRatio(Wide value, bool sqrt3, Wide divisor)
{
    constexpr auto most = std::numeric_limits<std::int64_t>::max();
    if (!sqrt3) {
        const Wide quotient = (4 * value + divisor) / (2 * divisor);
        return quotient > most ? most : static_cast<std::int64_t>(quotient);
    }
    const long double quotient = std::floor(std::sqrt(3.0L) * static_cast<long double>(value) /
                                                static_cast<long double>(divisor) +
                                            0.5L);
    return quotient > static_cast<long double>(most) ? most : static_cast<std::int64_t>(quotient);
}

// Table D3's column for the circuit: dc; power factor 1; below it, the cable
// column for a cable and the raceway column for a raceway and for free air,
// which the table does not have (the raceway K is the larger, so the drop is
// not understated).
DropColumn dropColumn(std::int16_t installationCode, bool cable, const Run &run)
{
    if (run.system == SupplySystem::DirectCurrent)
        return DropColumn::DirectCurrent;
    const bool inCable = cable && installationCode == installation::RacewayOrCable;
    switch (run.powerFactor) {
    case PowerFactor::Lagging90:
        return inCable ? DropColumn::CableAt90 : DropColumn::RacewayAt90;
    case PowerFactor::Lagging80:
        return inCable ? DropColumn::CableAt80 : DropColumn::RacewayAt80;
    case PowerFactor::Unity:
        break;
    }
    return DropColumn::AcUnity;
}

// The largest whole t with f x step x t <= bound.
std::int64_t largestWithin(Wide step, bool sqrt3, Wide bound)
{
    if (step <= 0)
        return 0;
    const long double factor = sqrt3 ? std::sqrt(3.0L) : 2.0L;
    auto t = static_cast<std::int64_t>(
        std::floor(static_cast<long double>(bound) / (factor * static_cast<long double>(step))));
    while (t > 0 && !withinBound(step * t, sqrt3, bound))
        --t;
    while (withinBound(step * (t + 1), sqrt3, bound))
        ++t;
    return t;
}

// K for the conductor and the run, with what the run's arithmetic starts
// from: the factor f and the bound that f K I L must stay within for the
// drop to be within the limit. Nothing where Table D3 has no K.
struct DropTerms
{
    std::int32_t k = 0;
    bool sqrt3 = false;
    Wide bound = 0;
};

std::optional<DropTerms> dropTerms(WireSize conductor, std::int16_t installationCode, bool cable,
                                   const Run &run)
{
    const auto k = dropK(conductor, dropColumn(installationCode, cable, run));
    if (!k || run.voltage <= 0)
        return std::nullopt;
    return DropTerms{*k, threePhase(run), PercentHundredthsScale * run.voltage * run.maxDrop};
}

} // namespace

std::optional<Drop> voltageDrop(WireSize conductor, std::int16_t installationCode, bool cable,
                                Amperes current, const Run &run)
{
    const auto terms = dropTerms(conductor, installationCode, cable, run);
    if (!terms)
        return std::nullopt;
    const bool sqrt3 = terms->sqrt3;
    const Wide kil = Wide{terms->k} * current * run.length;
    Drop drop;
    drop.k = terms->k;
    drop.volts = roundedRatio(kil, sqrt3, VoltsHundredthsDivisor);
    drop.percent = roundedRatio(kil, sqrt3, PercentHundredthsScale * run.voltage);
    drop.withinLimit = withinBound(kil, sqrt3, terms->bound);
    return drop;
}

std::optional<LongestRun> longestRun(WireSize conductor, std::int16_t installationCode, bool cable,
                                     Amperes current, const Run &run)
{
    const auto terms = dropTerms(conductor, installationCode, cable, run);
    if (!terms)
        return std::nullopt;
    const bool sqrt3 = terms->sqrt3;
    const Wide bound = terms->bound;
    const Wide ki = Wide{terms->k} * current;
    // A tenth of a metre is 1000 ten-thousandths; a tenth of a foot 304.8,
    // counted in hundred-thousandths of a metre as 3048 against ten times the bound.
    return LongestRun{terms->k, largestWithin(ki * 1000, sqrt3, bound),
                      largestWithin(ki * 3048, sqrt3, bound * 10)};
}

} // namespace ampacity::sizing
