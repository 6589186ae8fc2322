#pragma once

#include "CandidateConductor.h"
#include "Conditions.h"
#include "MotorTables.h"
#include "Problem.h"

#include <optional>
#include <string_view>
#include <variant>

// Canadian Electrical Code, Part I, 2024, Section 28: a motor's branch
// circuit. Its full-load current comes from the nameplate or from Table 44
// or 45 (Rule 28-106); its conductors carry 125 % of it (Rule 28-106(1));
// the device protecting the branch circuit is at most Table 29's per cent of
// it (Rule 28-200); the overload relay is set at most 125 % or 115 % of it
// (Rule 28-306). Rule 8-104 and Table 13 do not apply to it (Rule
// 14-104(1)(c) sends motor branch circuits to this Section).
namespace ampacity::sizing {

// Where a motor's full-load current was taken from.
enum class MotorCurrentFrom
{
    Table44,
    Table45,
    Nameplate,
};
// "Table 44", "Table 45", "nameplate": the answer's words, in English.
std::string_view motorCurrentFromName(MotorCurrentFrom from);

struct MotorCurrent
{
    Amperes amperes = 0;
    MotorCurrentFrom from = MotorCurrentFrom::Nameplate;
};

// Rule 28-106: the full-load current of a motor given as `load` (in
// horsepower, or in amperes with the conditions' motor set), from the
// nameplate current given, else from Table 44 (three-phase) or Table 45
// (single-phase) at the voltage's column, the tables' Note 4 pairing motor
// and system voltages: 115 or 120 V, 200, 208, 230 or 240, 460 or 480,
// 575 or 600, 2300. `text` is the load as the user wrote it, for the
// problem. Every problem here asks for the nameplate current.
std::variant<MotorCurrent, Problem>
motorFullLoadCurrent(const LoadText &load, const Conditions &conditions, std::string_view text);

// Rule 28-106(1): a motor's conductors carry 125 % of its full-load current.
inline constexpr int MotorConductorPercent = 125;

// Whether the candidate carries 125 % of the motor's full-load current;
// its overload relay protects it, not its branch-circuit device.
inline bool carriesMotorShare(const CandidateConductor &candidate)
{
    return candidate.setUsable * 100 >= candidate.load * MotorConductorPercent;
}

// Rule 28-200 and Table 29: the largest rating of the device protecting the
// branch circuit, whole amperes: the full-load current times the table's
// per cent for the motor's kind, starting and device, taken down to a
// standard rating (no clause permits the next higher one), and never less
// than 15 A, which is always permitted.
int largestMotorDevice(Amperes fullLoad, const Conditions &conditions);

// Rule 28-200: the problem with a device given for a motor: above Table
// 29's largest (whole amperes), or below the full-load current; nothing
// for one that may protect the branch circuit, or none given.
std::optional<Problem> motorDeviceProblem(Amperes fullLoad, Amperes device, int largest,
                                          MotorDevice kind);

// Rule 28-306: the largest setting of the overload relay, 125 % of the
// full-load current for a service factor of 1.15 or more, 115 % otherwise;
// rounded down to a ten-thousandth.
Amperes largestOverload(Amperes fullLoad, int serviceFactorHundredths);

struct ChosenConductor;

// The steps a motor's branch circuit derives from its conductor: Table 29's
// largest device (Rule 28-200), in place of Table 13's; the overload relay's
// largest setting (Rule 28-306).
std::optional<Problem> largestDeviceForMotor(ChosenConductor &chosen);
std::optional<Problem> overloadRelay(ChosenConductor &chosen);

} // namespace ampacity::sizing
