#pragma once

#include "WireSize.h"

#include <cstdint>
#include <optional>

// Canadian Electrical Code, Part I, 2024, Appendix D, Table D3: the K values
// (ohms per kilometre) for working out the voltage drop of a circuit,
// conductors at 75 °C, two to four insulated conductors in a cable or a
// raceway. V drop = K x f x I x L / 1000, with L the one-way length in metres
// and f = 2 for direct current and single phase, the square root of 3 for a
// balanced three-phase circuit.
//
// The table lists 14 AWG (copper) or 12 AWG (aluminum) to 1000 kcmil: every
// row of the wire-size list up to 1000 kcmil, none of the four above it.
namespace ampacity {

// The columns of Table D3.
enum class DropColumn
{
    DirectCurrent, // dc resistance
    AcUnity,       // alternating current, power factor 1 (cable or raceway alike)
    CableAt90,     // cable, power factor 0.9
    CableAt80,     // cable, power factor 0.8
    RacewayAt90,   // raceway, power factor 0.9
    RacewayAt80,   // raceway, power factor 0.8
};

// K in ten-thousandths of an ohm per kilometre (0.0417 ohm/km is 417), exact
// as printed, for a conductor (0 copper, otherwise aluminum). Nothing for a
// size the table does not list.
std::optional<std::int32_t> dropK(WireSize conductor, DropColumn column);

} // namespace ampacity
