// What can be wrong with a circuit, as sentences the windows and the command
// line show in the user's language.

#include "Problem.h"

#include "TextReading.h"
#include "Texts.h"

namespace ampacity::sizing {

ProblemText problemText(const Problem &p, std::string_view decimalSeparator)
{
    using Kind = Problem::Kind;
    const auto number = [&](std::int64_t value, int decimals) {
        return scaledText(value, decimals, decimalSeparator);
    };
    switch (p.kind) {
    case Kind::LoadNotPositive:
        if (trimmed(p.value).empty())
            return {TORVANE_TEXT("Sizing", "the load is missing"), {}};
        // A thousands space, as French spreadsheets write "1 500,5" (a
        // space, a no-break space or a narrow one between digits).
        for (std::string_view space : {" ", "\u00A0", "\u202F"})
            if (const auto at = p.value.find(space);
                at != std::string::npos && at > 0 && isDigit(p.value[at - 1]) &&
                at + space.size() < p.value.size() && isDigit(p.value[at + space.size()]))
                return {TORVANE_TEXT("Sizing", "the load \"%1\" is not a positive number of "
                                               "amperes (write it without the thousands space)"),
                        {p.value}};
        if (const std::string unit = folded(p.value); unit.ends_with("hp") || unit.ends_with("ch"))
            return {TORVANE_TEXT("Sizing", "the motor \"%1\" is not a number of horsepower, as in "
                                           "10hp, 7.5hp, 3/4hp or 1-1/2hp"),
                    {p.value}};
        if (p.value.find(',') != std::string::npos)
            return {TORVANE_TEXT("Sizing", "the load \"%1\" is not a positive number of amperes "
                                           "(write decimals after a point)"),
                    {p.value}};
        return {TORVANE_TEXT("Sizing", "the load \"%1\" is not a positive number of amperes"),
                {p.value}};
    case Kind::UnknownMaterial:
        return {TORVANE_TEXT("Sizing", "the material \"%1\" is not cu or al"), {p.value}};
    case Kind::UnknownInstallation:
        return {TORVANE_TEXT("Sizing", "the installation \"%1\" is not raceway, cable or free-air"),
                {p.value}};
    case Kind::UnknownInsulation:
        return {TORVANE_TEXT("Sizing", "the insulation \"%1\" is not 60, 75 or 90 (°C)"),
                {p.value}};
    case Kind::AmbientNotNumber:
        return {TORVANE_TEXT("Sizing", "the ambient \"%1\" is not a temperature in °C"), {p.value}};
    case Kind::AmbientAboveTable:
        return {TORVANE_TEXT("Sizing", "the ambient \"%1\" °C is above %2 °C, the highest "
                                       "Table 5A allows for %3 °C insulation"),
                {p.value, std::to_string(p.limit), std::to_string(p.other)}};
    case Kind::ConductorsNotCount:
        return {
            TORVANE_TEXT("Sizing",
                         "the conductors \"%1\" is not a whole number of conductors, 1 or more"),
            {p.value}};
    case Kind::FreeAirAboveFour:
        return {TORVANE_TEXT("Sizing", "the conductors \"%1\" is more than free air allows: "
                                       "Table 5B stops at %2"),
                {p.value, std::to_string(p.limit)}};
    case Kind::UnknownTerminations:
        return {
            TORVANE_TEXT("Sizing", "the terminations \"%1\" are not auto, 60, 75, 90 or none (°C)"),
            {p.value}};
    case Kind::BreakerNotPositive:
        return {TORVANE_TEXT("Sizing", "the breaker \"%1\" is not a positive number of amperes"),
                {p.value}};
    case Kind::LengthNotPositive:
        return {TORVANE_TEXT("Sizing", "the length \"%1\" is not a positive number of metres "
                                       "(or of feet, as in 150 ft)"),
                {p.value}};
    case Kind::VoltageNotPositive:
        return {TORVANE_TEXT("Sizing", "the voltage \"%1\" is not a positive number of volts"),
                {p.value}};
    case Kind::UnknownSystem:
        return {TORVANE_TEXT("Sizing", "the system \"%1\" is not 1ph, 3ph or dc"), {p.value}};
    case Kind::UnknownPowerFactor:
        return {TORVANE_TEXT("Sizing", "the power factor \"%1\" is not 1, 0.9 or 0.8, the "
                                       "columns of Table D3"),
                {p.value}};
    case Kind::MaxDropNotPercent:
        return {TORVANE_TEXT("Sizing", "the maximum drop \"%1\" is not a percentage above 0 "
                                       "and at most 100"),
                {p.value}};
    case Kind::LengthWithoutVoltage:
        return {TORVANE_TEXT("Sizing", "the length \"%1\" needs a voltage to work out the "
                                       "voltage drop from"),
                {p.value}};
    case Kind::CurrentNotPositive:
        return {TORVANE_TEXT("Sizing", "the current \"%1\" is not a positive number of amperes"),
                {p.value}};
    case Kind::UnknownSize:
        return {TORVANE_TEXT("Sizing", "the size \"%1\" is not in the list of this material's "
                                       "conductors"),
                {p.value}};
    case Kind::SizeNotInTableD3:
        return {TORVANE_TEXT("Sizing", "Table D3 gives no K for %1: its voltage drop cannot "
                                       "be worked out"),
                {std::string(p.sizeText)},
                0};
    case Kind::NoConductorCarries:
        if (p.motor && p.sets > 1)
            return {TORVANE_TEXT("Sizing", "no conductor carries 125 % of the motor's %1 A in %3 "
                                           "sets under these conditions: %3 sets of 2000 MCM "
                                           "carry %2 A (Rule 28-106)"),
                    {p.value, number(p.limit, 4), std::to_string(p.sets)}};
        if (p.motor)
            return {TORVANE_TEXT("Sizing", "no conductor carries 125 % of the motor's %1 A under "
                                           "these conditions: 2000 MCM carries %2 A "
                                           "(Rule 28-106)"),
                    {p.value, number(p.limit, 4)}};
        if (p.sets > 1 && p.third > 0)
            return {TORVANE_TEXT("Sizing", "no conductor carries \"%1\" A in %3 sets under these "
                                           "conditions: %3 sets of 2000 MCM carry %2 A, a "
                                           "continuous load of %4 A (Rule 8-104)"),
                    {p.value, number(p.limit, 4), std::to_string(p.sets), number(p.third, 4)}};
        if (p.sets > 1)
            return {TORVANE_TEXT("Sizing", "no conductor carries \"%1\" A in %3 sets under these "
                                           "conditions: %3 sets of 2000 MCM carry %2 A"),
                    {p.value, number(p.limit, 4), std::to_string(p.sets)}};
        if (p.third > 0)
            return {TORVANE_TEXT("Sizing", "no conductor carries \"%1\" A under these conditions: "
                                           "2000 MCM carries %2 A, a continuous load of %3 A "
                                           "(Rule 8-104)"),
                    {p.value, number(p.limit, 4), number(p.third, 4)}};
        return {TORVANE_TEXT("Sizing", "no conductor carries \"%1\" A under these conditions: "
                                       "2000 MCM carries %2 A"),
                {p.value, number(p.limit, 4)}};
    case Kind::DropAboveLimit:
        return {TORVANE_TEXT("Sizing", "no conductor of Table D3 keeps the voltage drop within "
                                       "%1 %: the least is %2 % with %3; consider conductors "
                                       "in parallel"),
                {number(p.other, 2), number(p.limit, 2), std::string(p.sizeText)},
                2};
    case Kind::DropNotListed:
        return {TORVANE_TEXT("Sizing", "only conductors above 1000 kcmil carry \"%1\" A, and "
                                       "Table D3 gives no K for them: consider conductors "
                                       "in parallel"),
                {p.value}};
    case Kind::UnclosedQuote:
        return {TORVANE_TEXT("Sizing", "a quoted field opened on line %1 is never closed"),
                {std::to_string(p.limit)}};
    case Kind::TextAfterQuote:
        return {TORVANE_TEXT("Sizing", "text follows a closing quote"), {}};
    case Kind::CellCount:
        return {TORVANE_TEXT("Sizing", "the row has %1 cells and the header %2"),
                {std::to_string(p.limit), std::to_string(p.other)}};
    case Kind::EmptySchedule:
        return {TORVANE_TEXT("Sizing", "the schedule is empty: its first row must name the "
                                       "columns, load among them"),
                {}};
    case Kind::NoLoadColumn:
        return {TORVANE_TEXT("Sizing", "the header row names no load column"), {}};
    case Kind::DuplicateColumn:
        return {TORVANE_TEXT("Sizing", "the header names the column %1 twice"), {p.value}};
    case Kind::ContinuousNotYesNo:
        return {TORVANE_TEXT("Sizing", "continuous \"%1\" is not yes or no"), {p.value}};
    case Kind::DeviceRatingNotKnown:
        return {TORVANE_TEXT("Sizing", "the device rating \"%1\" is not 80 or 100 (%)"), {p.value}};
    case Kind::SetsNotCount:
        return {
            TORVANE_TEXT("Sizing", "the sets \"%1\" is not a whole number from 1 to 10, or auto"),
            {p.value}};
    case Kind::UnknownLargest:
        return {TORVANE_TEXT("Sizing", "the largest size \"%1\" is not in the list of conductors"),
                {p.value}};
    case Kind::UnknownBondMaterial:
        return {TORVANE_TEXT("Sizing", "the bonding material \"%1\" is not cu or al"), {p.value}};
    case Kind::BreakerTooSmall:
        if (p.third > 0)
            return {TORVANE_TEXT("Sizing", "a %2 A breaker is too small for a continuous load of "
                                           "\"%1\" A: at %3 % it carries %4 A (Rule 8-104)"),
                    {p.value, number(p.limit, 4), std::to_string(p.third),
                     number(p.limit * p.third / 100, 4)}};
        return {TORVANE_TEXT("Sizing", "a %2 A breaker is too small for a load of \"%1\" A"),
                {p.value, number(p.limit, 4)}};
    case Kind::NoBreakerRating:
        return {TORVANE_TEXT("Sizing", "no breaker rating up to 6000 A carries \"%1\" A"),
                {p.value}};
    case Kind::NotProtected:
        return {TORVANE_TEXT("Sizing", "no conductor carrying \"%1\" A may be protected by a "
                                       "%2 A breaker (Rule 14-104, Table 13): the largest "
                                       "allows %3 A"),
                {p.value, number(p.limit, 4), std::to_string(p.third)}};
    case Kind::NoSetsCarry:
        return {TORVANE_TEXT("Sizing", "even 10 parallel sets of conductors up to %2 do not "
                                       "meet every requirement for \"%1\" A"),
                {p.value, std::string(p.sizeText)},
                1};
    case Kind::UnknownUnit:
        if (p.other == 0)
            return {TORVANE_TEXT("Sizing", "the column \"%1\" gives its load in a unit not "
                                           "known: A, kVA, kW, VA, W or hp"),
                    {p.value}};
        return {TORVANE_TEXT("Sizing", "the column \"%1\" gives its length in a unit not known: "
                                       "m or ft (pi)"),
                {p.value}};
    case Kind::PowerWithoutVoltage:
        return {TORVANE_TEXT("Sizing", "the load \"%1\" is a power: it needs a voltage to work "
                                       "out its amperes"),
                {p.value}};
    case Kind::MotorNotYesNo:
        return {TORVANE_TEXT("Sizing", "motor \"%1\" is not yes or no"), {p.value}};
    case Kind::NameplateNotPositive:
        return {TORVANE_TEXT("Sizing", "the nameplate current \"%1\" is not a positive number of "
                                       "amperes"),
                {p.value}};
    case Kind::UnknownMotorDevice:
        return {TORVANE_TEXT("Sizing", "the protection \"%1\" is not breaker, fuse or "
                                       "time-delay-fuse"),
                {p.value}};
    case Kind::UnknownStarting:
        return {TORVANE_TEXT("Sizing", "the starting \"%1\" is not full-voltage, resistor, "
                                       "reactor, autotransformer or star-delta"),
                {p.value}};
    case Kind::UnknownMotorType:
        return {TORVANE_TEXT("Sizing", "the motor type \"%1\" is not induction, synchronous or "
                                       "wound-rotor"),
                {p.value}};
    case Kind::ServiceFactorBelowOne:
        return {TORVANE_TEXT("Sizing", "the service factor \"%1\" is not a number of 1 or more"),
                {p.value}};
    case Kind::NameplateWithAmperes:
        return {TORVANE_TEXT("Sizing", "the load \"%1\" is the motor's current in amperes and a "
                                       "nameplate current is given too: give it once"),
                {p.value}};
    case Kind::HorsepowerWithoutVoltage:
        return {TORVANE_TEXT("Sizing", "the motor \"%1\" needs a voltage to find its full-load "
                                       "current in Table 44 or 45"),
                {p.value}};
    case Kind::HorsepowerNotListed:
        return {TORVANE_TEXT("Sizing", "Table %2 has no row for the motor \"%1\": give its "
                                       "nameplate current (fla)"),
                {p.value, std::to_string(p.other)}};
    case Kind::MotorVoltageNotListed:
        return {TORVANE_TEXT("Sizing", "Table %2 has no column for the motor \"%1\" at %3 V: "
                                       "give its nameplate current (fla)"),
                {p.value, std::to_string(p.other), number(p.limit, 2)}};
    case Kind::SinglePhaseAboveTable:
        return {TORVANE_TEXT("Sizing", "Table 45 stops at 10 hp for single-phase motors: give "
                                       "the nameplate current of the motor \"%1\" (fla)"),
                {p.value}};
    case Kind::MotorCellEmpty:
        return {TORVANE_TEXT("Sizing", "Table %2 gives no current for the motor \"%1\" at %3 V: "
                                       "give its nameplate current (fla)"),
                {p.value, std::to_string(p.other), number(p.limit, 2)}};
    case Kind::DcMotorInHorsepower:
        return {TORVANE_TEXT("Sizing", "Tables 44 and 45 are for ac motors: give the nameplate "
                                       "current of the dc motor \"%1\" (fla)"),
                {p.value}};
    case Kind::MotorDeviceAboveTable29:
        if (p.device == 1)
            return {TORVANE_TEXT("Sizing", "a %2 A fuse is above the %3 A that Table 29 permits "
                                           "for a motor of %1 A (Rule 28-200)"),
                    {p.value, number(p.limit, 4), std::to_string(p.third)}};
        if (p.device == 2)
            return {TORVANE_TEXT("Sizing", "a %2 A time-delay fuse is above the %3 A that "
                                           "Table 29 permits for a motor of %1 A (Rule 28-200)"),
                    {p.value, number(p.limit, 4), std::to_string(p.third)}};
        return {TORVANE_TEXT("Sizing", "a %2 A breaker is above the %3 A that Table 29 permits "
                                       "for a motor of %1 A (Rule 28-200)"),
                {p.value, number(p.limit, 4), std::to_string(p.third)}};
    case Kind::MotorDeviceBelowCurrent:
        if (p.device == 1)
            return {TORVANE_TEXT("Sizing", "a %2 A fuse is below the motor's full-load current "
                                           "of %1 A"),
                    {p.value, number(p.limit, 4)}};
        if (p.device == 2)
            return {TORVANE_TEXT("Sizing", "a %2 A time-delay fuse is below the motor's "
                                           "full-load current of %1 A"),
                    {p.value, number(p.limit, 4)}};
        return {TORVANE_TEXT("Sizing", "a %2 A breaker is below the motor's full-load current "
                                       "of %1 A"),
                {p.value, number(p.limit, 4)}};
    case Kind::NotYesNo:
        return {TORVANE_TEXT("Sizing", "%2 \"%1\" is not yes or no"),
                {p.value, std::string(p.sizeText)}};
    case Kind::UnknownRaceway:
        return {TORVANE_TEXT("Sizing", "the raceway \"%1\" is not one of %2"),
                {p.value, p.listText}};
    case Kind::TradeSizeNotListed:
        return {TORVANE_TEXT("Sizing", "%2 does not come in trade size \"%1\": its sizes are %3"),
                {p.value, std::string(p.sizeText), p.listText}};
    case Kind::UnknownWireType:
        return {TORVANE_TEXT("Sizing", "the wire type \"%1\" is not one of %2"),
                {p.value, p.listText}};
    case Kind::WireVoltageNotKnown:
        return {TORVANE_TEXT("Sizing", "the wire voltage \"%1\" is not 600, 1000 or 2000 (V)"),
                {p.value}};
    case Kind::WireClassNotListed:
        return {TORVANE_TEXT("Sizing", "Table 6 does not list %1 in the class asked for: it "
                                       "lists it in %2"),
                {p.value, p.listText}};
    case Kind::InsulationAboveWire:
        return {TORVANE_TEXT("Sizing", "the insulation %1 °C is above the rating of %2 wire, "
                                       "%3 °C (Table 19)"),
                {std::to_string(p.other), p.value, std::to_string(p.limit)}};
    case Kind::SolidAboveTenAwg:
        return {TORVANE_TEXT("Sizing", "Table 6 lists solid conductors from 14 to 10 AWG: %1 is "
                                       "not one"),
                {p.value}};
    case Kind::ConductorNotInTable6:
        if (p.other == 1)
            return {TORVANE_TEXT("Sizing", "Table %2 lists no solid %1 conductor of %3"),
                    {p.value, std::string(p.sizeText), p.listText}};
        return {TORVANE_TEXT("Sizing", "Table %2 lists %1 up to %3"),
                {p.value, std::string(p.sizeText), p.listText}};
    case Kind::NoRacewayHolds:
        return {TORVANE_TEXT("Sizing", "no trade size of %1 holds these %2 conductors of %3 mm² "
                                       "in all: %4 would be %5 % full where Table 8 allows %6 % "
                                       "(Rule 12-910)"),
                {p.value, std::to_string(p.third), number(p.limit, 2), p.listText,
                 number(p.other, 2), std::to_string(p.device)}};
    case Kind::GroupNotRead:
        return {TORVANE_TEXT("Sizing", "the conductors \"%1\" are not written COUNTxSIZE or "
                                       "COUNTxSIZE:WIRE, as in 3x6, 4x1/0 or 1x10:TWN75"),
                {p.value}};
    case Kind::CountNotWhole:
        return {TORVANE_TEXT("Sizing", "the count \"%1\" is not a whole number of conductors "
                                       "from 1 to 200"),
                {p.value}};
    case Kind::NotTable6Size:
        return {TORVANE_TEXT("Sizing", "the size \"%1\" is not one of Table 6, 14 AWG to "
                                       "2000 kcmil"),
                {p.value}};
    case Kind::FormulaWithoutValue:
        return {TORVANE_TEXT("Sizing", "a formula in this row has no value saved with it: open "
                                       "the workbook in a spreadsheet and save it again"),
                {}};
    case Kind::BondBeyondTable16:
        return {TORVANE_TEXT("Sizing", "Table 16 names no bonding conductor above 6000 A: "
                                       "this circuit needs one for %1 A"),
                {number(p.limit, 4)}};
    }
    return {p.value, {}};
}

bool isMotorInputProblem(const Problem &problem)
{
    using Kind = Problem::Kind;
    switch (problem.kind) {
    case Kind::NameplateWithAmperes:
    case Kind::HorsepowerWithoutVoltage:
    case Kind::HorsepowerNotListed:
    case Kind::MotorVoltageNotListed:
    case Kind::SinglePhaseAboveTable:
    case Kind::MotorCellEmpty:
    case Kind::DcMotorInHorsepower:
        return true;
    default:
        return false;
    }
}

std::string fillIn(std::string_view format, const std::vector<std::string> &arguments)
{
    std::string text;
    text.reserve(format.size() + 32);
    std::size_t copied = 0; // the format is in the text up to here
    for (std::size_t pos = format.find('%'); pos != std::string_view::npos;
         pos = format.find('%', pos + 1)) {
        if (pos + 1 >= format.size() || format[pos + 1] < '1' || format[pos + 1] > '9')
            continue;
        const auto index = static_cast<std::size_t>(format[pos + 1] - '1');
        if (index >= arguments.size())
            continue;
        text.append(format.substr(copied, pos - copied));
        text += arguments[index];
        copied = pos + 2;
        ++pos; // past the digit
    }
    text.append(format.substr(copied));
    return text;
}

std::vector<ProblemText> problemSentences(const Problem &problem, std::string_view decimalSeparator)
{
    std::vector<ProblemText> sentences{problemText(problem, decimalSeparator)};
    if (problem.suggestedSets > 0)
        sentences.push_back(
            {TORVANE_TEXT("Sizing", "; %1 parallel sets of %2 would (Rule 12-108)"),
             {std::to_string(problem.suggestedSets), std::string(problem.suggestedSize)},
             1});
    return sentences;
}

std::string describe(const Problem &problem, std::string_view decimalSeparator)
{
    std::string line;
    for (ProblemText &text : problemSentences(problem, decimalSeparator)) {
        if (text.wireSizeArgument >= 0) {
            auto &size = text.arguments[static_cast<std::size_t>(text.wireSizeArgument)];
            size = std::string(trimmed(size));
        }
        line += fillIn(text.format, text.arguments);
    }
    return line;
}

} // namespace ampacity::sizing
