// Canadian Electrical Code, Part I, 2024, Table 29: the largest rating or
// setting of the overcurrent device protecting a motor branch circuit, per
// cent of the motor's full-load current (Rule 28-200). Checked against two
// transcriptions that agree (tests/core/data/table-29-2024.tsv). The
// instantaneous-trip breaker is Rule 28-210's, not this table's, and is not
// offered.

#include "MotorTables.h"

#include <array>

namespace ampacity {
namespace {

// Rows in the order of Table29Row; columns: fuse, time-delay fuse,
// inverse-time breaker.
constexpr std::array<std::array<int, 3>, 6> Table29 = {{
    {300, 175, 250}, // ac single-phase, all types
    {300, 175, 250}, // squirrel-cage and synchronous: full-voltage, resistor or reactor starting
    {250, 175, 200}, // ...autotransformer or star-delta, not more than 30 A
    {200, 175, 200}, // ...autotransformer or star-delta, more than 30 A
    {150, 150, 150}, // wound-rotor
    {150, 150, 150}, // dc
}};

} // namespace

int table29Percent(Table29Row row, Table29Column column)
{
    return Table29[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

} // namespace ampacity
