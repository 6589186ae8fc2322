// Canadian Electrical Code, Part I, 2024, Table 19: the temperature rating
// of each wire type Tables 6A to 6K list (the conditions of use are not
// kept: a designer chooses the type). TWU is a 60 °C cable, TWU75 a 75 °C
// one.

#include "RacewayTables.h"

namespace ampacity {
namespace {

constexpr WireType WireTypes[] = {
    {"R90", 90},   {"RW75", 75},   {"RW90", 90}, {"RPV90", 90}, {"TWU", 60},   {"TWU75", 75},
    {"RWU90", 90}, {"RPVU90", 90}, {"TW", 60},   {"TW75", 75},  {"TWN75", 75}, {"T90", 90},
};

} // namespace

std::span<const WireType> table19WireTypes()
{
    return WireTypes;
}

} // namespace ampacity
