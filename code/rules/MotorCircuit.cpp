#include "MotorCircuit.h"

#include "ChosenConductor.h"
#include "Table13.h"

namespace ampacity::sizing {
namespace {

// A table's tenths of an ampere in ten-thousandths, times a per cent.
Amperes fromTenths(int tenths, int percent = 100)
{
    return Amperes{tenths} * 1000 * percent / 100;
}

// The rated motor voltage a nominal system voltage stands for (Note 4 of
// Tables 44 and 45), whole volts; 0 for none.
int motorVoltage(std::int64_t hundredths)
{
    if (hundredths % 100 != 0)
        return 0;
    switch (hundredths / 100) {
    case 115:
    case 120:
        return 115;
    case 200:
        return 200;
    case 208:
        return 208;
    case 230:
    case 240:
        return 230;
    case 460:
    case 480:
        return 460;
    case 575:
    case 600:
        return 575;
    case 2300:
        return 2300;
    default:
        return 0;
    }
}

std::optional<Table44Column> table44Column(int volts, MotorType type)
{
    if (type == MotorType::Synchronous) {
        switch (volts) {
        case 200:
        case 208: // no 208 V column for synchronous motors: the 200 V one
            return Table44Column::Synchronous200;
        case 230:
            return Table44Column::Synchronous230;
        case 460:
            return Table44Column::Synchronous460;
        case 575:
            return Table44Column::Synchronous575;
        case 2300:
            return Table44Column::Synchronous2300;
        default:
            return std::nullopt;
        }
    }
    switch (volts) {
    case 115:
        return Table44Column::Induction115;
    case 200:
        return Table44Column::Induction200;
    case 208:
        return Table44Column::Induction208;
    case 230:
        return Table44Column::Induction230;
    case 460:
        return Table44Column::Induction460;
    case 575:
        return Table44Column::Induction575;
    case 2300:
        return Table44Column::Induction2300;
    default:
        return std::nullopt;
    }
}

Problem motorProblem(Problem::Kind kind, std::string_view text, int table = 0,
                     std::int64_t voltage = 0)
{
    return makeProblem(kind, text, voltage, table);
}

std::variant<MotorCurrent, Problem> threePhaseCurrent(HorsepowerTwelfths horsepower,
                                                      const Conditions &c, int volts,
                                                      std::string_view text)
{
    const std::int64_t voltage = c.run.voltage;
    if (horsepower < 0 || !table44Lists(horsepower))
        return motorProblem(Problem::Kind::HorsepowerNotListed, text, 44);
    const auto column = table44Column(volts, c.motor.type);
    if (!column)
        return motorProblem(Problem::Kind::MotorVoltageNotListed, text, 44, voltage);
    const auto tenths = table44Tenths(horsepower, *column);
    if (!tenths)
        return motorProblem(Problem::Kind::MotorCellEmpty, text, 44, voltage);
    // Note 3: a synchronous motor at 90 % or 80 % power factor draws 1.1 or
    // 1.25 times its unity power factor current.
    int percent = 100;
    if (c.motor.type == MotorType::Synchronous)
        percent = c.run.powerFactor == PowerFactor::Lagging90   ? 110
                  : c.run.powerFactor == PowerFactor::Lagging80 ? 125
                                                                : 100;
    return MotorCurrent{fromTenths(*tenths, percent), MotorCurrentFrom::Table44};
}

std::variant<MotorCurrent, Problem> singlePhaseCurrent(HorsepowerTwelfths horsepower,
                                                       const Conditions &c, int volts,
                                                       std::string_view text)
{
    if (horsepower > table45Largest())
        return motorProblem(Problem::Kind::SinglePhaseAboveTable, text, 45);
    const auto at115 = table45Tenths(horsepower, Table45Column::At115);
    if (horsepower < 0 || !at115)
        return motorProblem(Problem::Kind::HorsepowerNotListed, text, 45);
    // Note 1: a 208 V or 200 V motor draws the 230 V current plus 10 % or 15 %.
    const int at230 = *table45Tenths(horsepower, Table45Column::At230);
    switch (volts) {
    case 115:
        return MotorCurrent{fromTenths(*at115), MotorCurrentFrom::Table45};
    case 230:
        return MotorCurrent{fromTenths(at230), MotorCurrentFrom::Table45};
    case 208:
        return MotorCurrent{fromTenths(at230, 110), MotorCurrentFrom::Table45};
    case 200:
        return MotorCurrent{fromTenths(at230, 115), MotorCurrentFrom::Table45};
    default:
        return motorProblem(Problem::Kind::MotorVoltageNotListed, text, 45, c.run.voltage);
    }
}

// Table 29's row for the motor.
Table29Row table29Row(Amperes fullLoad, const Conditions &c)
{
    if (c.run.system == SupplySystem::DirectCurrent)
        return Table29Row::DirectCurrent;
    if (c.run.system == SupplySystem::SinglePhase)
        return Table29Row::SinglePhase;
    if (c.motor.type == MotorType::WoundRotor)
        return Table29Row::WoundRotor;
    const bool reduced = c.motor.starting == MotorStarting::Autotransformer ||
                         c.motor.starting == MotorStarting::StarDelta;
    if (!reduced)
        return Table29Row::FullVoltageResistorOrReactor;
    // "Not more than 30 A" of full-load current, the safe side of the tie
    // taking the row with the higher fuse allowance as the table prints it.
    return fullLoad <= 30 * OneAmpere ? Table29Row::AutotransformerUpTo30A
                                      : Table29Row::AutotransformerAbove30A;
}

Table29Column table29Column(MotorDevice device)
{
    switch (device) {
    case MotorDevice::Fuse:
        return Table29Column::Fuse;
    case MotorDevice::TimeDelayFuse:
        return Table29Column::TimeDelayFuse;
    case MotorDevice::Breaker:
        break;
    }
    return Table29Column::InverseTimeBreaker;
}

} // namespace

std::string_view motorCurrentFromName(MotorCurrentFrom from)
{
    switch (from) {
    case MotorCurrentFrom::Table44:
        return "Table 44";
    case MotorCurrentFrom::Table45:
        return "Table 45";
    case MotorCurrentFrom::Nameplate:
        break;
    }
    return "nameplate";
}

std::variant<MotorCurrent, Problem> motorFullLoadCurrent(const LoadText &load, const Conditions &c,
                                                         std::string_view text)
{
    const bool horsepower = load.unit == LoadUnit::Horsepower;
    if (!horsepower) {
        // In amperes, the load is the nameplate's current: given once.
        if (c.motor.nameplate > 0)
            return motorProblem(Problem::Kind::NameplateWithAmperes, text);
        return MotorCurrent{load.value, MotorCurrentFrom::Nameplate};
    }
    if (c.motor.nameplate > 0)
        return MotorCurrent{c.motor.nameplate, MotorCurrentFrom::Nameplate};
    if (c.run.system == SupplySystem::DirectCurrent)
        return motorProblem(Problem::Kind::DcMotorInHorsepower, text);
    if (c.run.voltage <= 0)
        return motorProblem(Problem::Kind::HorsepowerWithoutVoltage, text);
    const int volts = motorVoltage(c.run.voltage);
    if (c.run.system == SupplySystem::SinglePhase)
        return singlePhaseCurrent(load.horsepowerTwelfths, c, volts, text);
    return threePhaseCurrent(load.horsepowerTwelfths, c, volts, text);
}

int largestMotorDevice(Amperes fullLoad, const Conditions &c)
{
    constexpr int alwaysPermitted = 15;
    const int percent = table29Percent(table29Row(fullLoad, c), table29Column(c.motor.device));
    const Amperes most = fullLoad * percent / 100;
    int largest = alwaysPermitted;
    for (const int rating : standardRatings())
        if (Amperes{rating} * OneAmpere <= most)
            largest = std::max(largest, rating);
    return largest;
}

std::optional<Problem> motorDeviceProblem(Amperes fullLoad, Amperes device, int largest,
                                          MotorDevice kind)
{
    if (device <= 0)
        return std::nullopt;
    const bool above = device > Amperes{largest} * OneAmpere;
    if (!above && device >= fullLoad)
        return std::nullopt;
    Problem problem = makeProblem(above ? Problem::Kind::MotorDeviceAboveTable29
                                        : Problem::Kind::MotorDeviceBelowCurrent,
                                  scaledText(fullLoad, 4), device);
    problem.third = largest;
    problem.device = static_cast<int>(kind);
    return problem;
}

Amperes largestOverload(Amperes fullLoad, int serviceFactorHundredths)
{
    const int percent = serviceFactorHundredths >= 115 ? 125 : 115;
    return fullLoad * percent / 100;
}

std::optional<Problem> largestDeviceForMotor(ChosenConductor &chosen)
{
    chosen.largestDevice = largestMotorDevice(chosen.load, *chosen.conditions);
    return std::nullopt;
}

std::optional<Problem> overloadRelay(ChosenConductor &chosen)
{
    chosen.overloadMax = largestOverload(chosen.load, chosen.conditions->motor.serviceFactor);
    return std::nullopt;
}

} // namespace ampacity::sizing
