#pragma once

#include "AmpacityTables.h"
#include "ConditionCodes.h"
#include "FactorCycle.h"

// Calls visit(amperes, ampacity text, ambient step, count step) for every
// state the buttons can reach: each cell of each table with each pair of
// factors of its insulation rating and installation (7,748 states).
template <typename Visit> void forEachReachableState(Visit visit)
{
    using namespace ampacity;
    for (std::int16_t m : {material::Copper, material::Aluminum})
        for (std::int16_t i : {installation::RacewayOrCable, installation::FreeAir})
            for (std::int16_t t :
                 {insulation::Rated60C, insulation::Rated75C, insulation::Rated90C}) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (std::size_t row = 0; row < column->texts.size(); ++row)
                    for (const FactorStep &ambient : ambientCycle(t))
                        for (const FactorStep &count : conductorCountCycle(i))
                            visit(column->amperes[row], column->texts[row], ambient, count);
            }
}
