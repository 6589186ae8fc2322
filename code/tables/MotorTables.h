#pragma once

#include <cstdint>
#include <optional>
#include <span>

// Canadian Electrical Code, Part I, 2024: the full-load currents of motors
// by their horsepower (Tables 44 and 45, Rule 28-106) and the largest
// device protecting a motor branch circuit (Table 29, Rule 28-200).
namespace ampacity {

// A motor's rating in twelfths of a horsepower, so that every size the
// tables list (1/6, 1/4, 1/3, 1/2, 3/4, 1-1/2, 7-1/2...) is a whole number.
using HorsepowerTwelfths = std::int64_t;
inline constexpr HorsepowerTwelfths OneHorsepower = 12;

// Table 44's columns: induction motors (squirrel-cage and wound-rotor) and
// synchronous motors at unity power factor, by rated motor voltage.
enum class Table44Column
{
    Induction115,
    Induction200,
    Induction208,
    Induction230,
    Induction460,
    Induction575,
    Induction2300,
    Synchronous200,
    Synchronous230,
    Synchronous460,
    Synchronous575,
    Synchronous2300,
};

// Table 44, three-phase ac motors: the full-load current in tenths of an
// ampere, or nothing where the table lists no such horsepower or leaves the
// cell empty (250 hp at 208 V).
std::optional<int> table44Tenths(HorsepowerTwelfths horsepower, Table44Column column);
// Whether Table 44 has a row for the horsepower.
bool table44Lists(HorsepowerTwelfths horsepower);

// Table 45, single-phase ac motors, at 115 V or 230 V: the full-load
// current in tenths of an ampere, or nothing for a horsepower not listed
// (above 10 hp).
enum class Table45Column
{
    At115,
    At230,
};
std::optional<int> table45Tenths(HorsepowerTwelfths horsepower, Table45Column column);
// The horsepower of Table 45's last row (10 hp).
HorsepowerTwelfths table45Largest();

// Table 29's rows: the kind of motor and how it is started.
enum class Table29Row
{
    SinglePhase,                  // ac single-phase, all types
    FullVoltageResistorOrReactor, // squirrel-cage or synchronous
    AutotransformerUpTo30A,       // ...autotransformer or star-delta, full-load current <= 30 A
    AutotransformerAbove30A,      // ...more than 30 A
    WoundRotor,                   // ac wound-rotor
    DirectCurrent,                // dc
};
// Table 29's columns: the device protecting the branch circuit.
enum class Table29Column
{
    Fuse,          // non-time-delay fuse
    TimeDelayFuse, // time-delay fuse (and the "D" fuses of Rule 14-200)
    InverseTimeBreaker,
};
// The largest rating or setting, per cent of the motor's full-load current.
int table29Percent(Table29Row row, Table29Column column);

} // namespace ampacity
