#pragma once

#include "ConditionCodes.h"

#include <cstdint>

// Everything the calculator knows between two events of the main window. The
// window's handlers read and write these fields directly; nothing else holds
// calculator state. Codes and list rows are 16-bit signed integers, factors,
// ampacities and the start-up position single-precision floats.
struct AmpacityState
{
    std::int16_t TempSel = 0;  // insulation rating: 0 = 75 °C, 1 = 90 °C, 2 = 60 °C
    std::int16_t MaterSel = 0; // 0 = copper, 1 = aluminum
    std::int16_t CondSel = 0;  // 0 = raceway or cable, 1 = free air
    std::int16_t WSIndex = 0;  // selected row of the wire-size list, -1 for none
    std::int16_t AMIndex = 0;  // selected row of the ampacity list, -1 for none
    float NoOfWFactor = 0.0f;  // conductor count (Table 5C or 5B); 1 = no correction
    float AmbFactor = 0.0f;    // ambient temperature (Table 5A); 1 = no correction
    float CorrectedAmp = 0.0f; // amperes, as last shown
    float BaseAmp = 0.0f;      // amperes read back from the selected ampacity text
    float WinLeft = 0.0f;      // twips, worked out at start-up
    float WinTop = 0.0f;       // twips, worked out at start-up
};

// The values every run starts from: copper, raceway or cable, 60 °C, ambient
// 30 °C, one to three conductors, the first wire size. The selected ampacity
// row and both ampacities are left for the first tick to set.
inline void setStartUpValues(AmpacityState &state)
{
    state.WSIndex = 0;
    state.TempSel = ampacity::insulation::Rated60C;
    state.AmbFactor = 1.0f;
    state.MaterSel = ampacity::material::Copper;
    state.CondSel = ampacity::installation::RacewayOrCable;
    state.NoOfWFactor = 1.0f;
}
