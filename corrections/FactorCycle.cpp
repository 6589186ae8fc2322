#include "FactorCycle.h"

#include "ConditionCodes.h"
#include "Texts.h"

namespace ampacity {
namespace {

// Canadian Electrical Code, Part I, 2024, Table 5A: correction factors for
// ambient temperatures above 30 °C, one column per insulation rating. A column
// ends where the conductor's rating leaves no ampacity to correct.
constexpr FactorStep Ambient60C[] = {
    {TORVANE_TEXT("Captions", "Ambient 30°C"), 1.0f},
    {TORVANE_TEXT("Captions", "Ambient 35°C"), 0.91f},
    {TORVANE_TEXT("Captions", "Ambient 40°C"), 0.82f},
    {TORVANE_TEXT("Captions", "Ambient 45°C"), 0.71f},
    {TORVANE_TEXT("Captions", "Ambient 50°C"), 0.58f},
    {TORVANE_TEXT("Captions", "Ambient 55°C"), 0.41f},
};
constexpr FactorStep Ambient75C[] = {
    {TORVANE_TEXT("Captions", "Ambient 30°C"), 1.0f},
    {TORVANE_TEXT("Captions", "Ambient 35°C"), 0.94f},
    {TORVANE_TEXT("Captions", "Ambient 40°C"), 0.88f},
    {TORVANE_TEXT("Captions", "Ambient 45°C"), 0.82f},
    {TORVANE_TEXT("Captions", "Ambient 50°C"), 0.75f},
    {TORVANE_TEXT("Captions", "Ambient 55°C"), 0.67f},
    {TORVANE_TEXT("Captions", "Ambient 60°C"), 0.58f},
    {TORVANE_TEXT("Captions", "Ambient 65°C"), 0.47f},
    {TORVANE_TEXT("Captions", "Ambient 70°C"), 0.33f},
};
constexpr FactorStep Ambient90C[] = {
    {TORVANE_TEXT("Captions", "Ambient 30°C"), 1.0f},
    {TORVANE_TEXT("Captions", "Ambient 35°C"), 0.96f},
    {TORVANE_TEXT("Captions", "Ambient 40°C"), 0.91f},
    {TORVANE_TEXT("Captions", "Ambient 45°C"), 0.87f},
    {TORVANE_TEXT("Captions", "Ambient 50°C"), 0.82f},
    {TORVANE_TEXT("Captions", "Ambient 55°C"), 0.76f},
    {TORVANE_TEXT("Captions", "Ambient 60°C"), 0.71f},
    {TORVANE_TEXT("Captions", "Ambient 65°C"), 0.65f},
    {TORVANE_TEXT("Captions", "Ambient 70°C"), 0.58f},
    {TORVANE_TEXT("Captions", "Ambient 75°C"), 0.50f},
    {TORVANE_TEXT("Captions", "Ambient 80°C"), 0.41f},
};

// Table 5C: more than three current-carrying conductors in a raceway or cable.
// The blank after "Wires" is a no-break space so that the narrow button
// breaks its caption only after "#".
constexpr FactorStep RacewayCounts[] = {
    {TORVANE_TEXT("Captions", "Wires\u00A0# 1-3"), 1.0f},
    {TORVANE_TEXT("Captions", "Wires\u00A0# 4-6"), 0.8f},
    {TORVANE_TEXT("Captions", "Wires\u00A0# 7-24"), 0.7f},
    {TORVANE_TEXT("Captions", "Wires\u00A0# 25-42"), 0.6f},
    {TORVANE_TEXT("Captions", "Wires\u00A0# over 43"), 0.5f},
};

// Table 5B: two to four single conductors in free air, spaced less than the
// cable diameter apart. "3 Wires " ends in a blank the other captions do not
// have; the wrapped caption ignores it.
constexpr FactorStep FreeAirCounts[] = {
    {TORVANE_TEXT("Captions", "1 Wire"), 1.0f},
    {TORVANE_TEXT("Captions", "2 Wires"), 0.9f},
    {TORVANE_TEXT("Captions", "3 Wires "), 0.85f},
    {TORVANE_TEXT("Captions", "4 Wires"), 0.8f},
};

} // namespace

FactorStep nextFactorStep(std::span<const FactorStep> cycle, float factorInForce)
{
    if (factorInForce == 1.0f)
        return cycle[1];
    for (std::size_t step = 1; step < cycle.size(); ++step) {
        if (cycle[step].factor == factorInForce)
            return cycle[(step + 1) % cycle.size()];
    }
    return cycle[0];
}

std::span<const FactorStep> ambientCycle(std::int16_t insulationCode)
{
    if (insulationCode == insulation::Rated60C)
        return Ambient60C;
    if (insulationCode == insulation::Rated75C)
        return Ambient75C;
    return Ambient90C;
}

std::span<const FactorStep> conductorCountCycle(std::int16_t installationCode)
{
    if (installationCode == installation::RacewayOrCable)
        return RacewayCounts;
    return FreeAirCounts;
}

} // namespace ampacity
