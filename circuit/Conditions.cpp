// Reading one circuit's conditions from the user's texts.

#include "Conditions.h"

#include "AmpacityTables.h"
#include "FactorCycle.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <utility>

namespace ampacity::sizing {
namespace {

// Table 5C's groups of current-carrying conductors in a raceway or cable: the
// first count of each group, in the order of the conductor-count button.
constexpr std::array<int, 5> RacewayGroupStarts = {1, 4, 7, 25, 43};
// Table 5B in free air: one group per conductor, 1 to 4.
constexpr int FreeAirMostConductors = 4;

// A positive decimal at the given scale, or the problem of the given kind.
std::variant<std::int64_t, Problem> readPositive(std::string_view text, int decimals,
                                                 Rounding rounding, Problem::Kind kind,
                                                 bool decimalComma)
{
    const std::string_view word = trimmed(text);
    const auto number = readDecimal(word, decimalComma);
    if (!number || number->negative)
        return makeProblem(kind, word);
    const auto value = scaledValue(*number, decimals, rounding);
    if (!value || *value <= 0)
        return makeProblem(kind, word);
    return *value;
}

// "75", "75C", "75°C" and "75 °C" all name 75.
std::string_view withoutDegrees(std::string_view word)
{
    if (word.size() > 1 && (word.back() == 'C' || word.back() == 'c')) {
        word.remove_suffix(1);
        if (word.size() >= 2 && word.substr(word.size() - 2) == "\u00B0")
            word.remove_suffix(2);
        word = trimmed(word);
    }
    return word;
}

// A motor's horsepower as nameplates and schedules write it: "10", "7.5",
// "3/4", "1-1/2" (or "1 1/2"). Its value in ten-thousandths of a horsepower,
// rounded up, and in twelfths where it is a whole number of them.
std::optional<LoadText> readHorsepower(std::string_view text, bool decimalComma)
{
    LoadText load;
    load.unit = LoadUnit::Horsepower;
    const std::string_view word = trimmed(text);
    const auto slash = word.find('/');
    if (slash == std::string_view::npos) {
        const auto value = readLoad(word, decimalComma);
        if (!std::holds_alternative<Amperes>(value))
            return std::nullopt;
        load.value = std::get<Amperes>(value);
        // 1/12 hp is 833.33 ten-thousandths: only whole multiples of
        // 1/4 hp (2500) and the like come out exact, as every table row is.
        if ((load.value * 12) % 10000 == 0)
            load.horsepowerTwelfths = load.value * 12 / 10000;
        return load;
    }
    // A whole number, then a fraction after a hyphen or a blank.
    std::string_view whole;
    std::string_view fraction = word;
    if (const auto split = word.substr(0, slash).find_last_of("- ");
        split != std::string_view::npos) {
        whole = trimmed(word.substr(0, split));
        fraction = word.substr(split + 1);
    }
    const auto count = [](std::string_view digits) -> std::optional<std::int64_t> {
        digits = trimmed(digits);
        if (digits.empty() || digits.size() > 6 ||
            !std::all_of(digits.begin(), digits.end(), isDigit))
            return std::nullopt;
        return wholeValue(digits);
    };
    const auto fractionSlash = fraction.find('/');
    const auto units = whole.empty() ? std::optional<std::int64_t>(0) : count(whole);
    const auto numerator = count(fraction.substr(0, fractionSlash));
    const auto denominator = count(fraction.substr(fractionSlash + 1));
    if (!units || !numerator || !denominator || *denominator == 0 || *numerator == 0)
        return std::nullopt;
    const std::int64_t over = *units * *denominator + *numerator; // in 1/denominator hp
    load.value = (over * 10000 + *denominator - 1) / *denominator;
    if ((over * 12) % *denominator == 0)
        load.horsepowerTwelfths = over * 12 / *denominator;
    return load;
}

// A word of a short list, in English or French; the value of the first
// list that names it.
template <typename Value>
std::optional<Value> named(std::string_view text,
                           std::initializer_list<std::pair<std::string_view, Value>> names)
{
    for (const auto &[name, value] : names)
        if (sameWord(text, name))
            return value;
    return std::nullopt;
}

} // namespace

std::variant<Amperes, Problem> readLoad(std::string_view text, bool decimalComma)
{
    const auto number = readDecimal(text, decimalComma);
    if (!number || number->negative)
        return makeProblem(Problem::Kind::LoadNotPositive, trimmed(text));
    // Whole amperes far beyond the largest conductor stay far beyond it.
    constexpr std::int64_t beyondEveryTable = std::int64_t{1} << 40;
    const auto whole = wholeValue(number->whole);
    if (!whole || *whole > beyondEveryTable)
        return beyondEveryTable * OneAmpere;
    // Rounded up, only zeros make no ten-thousandth.
    const auto value = scaledValue(*number, 4, Rounding::Up);
    if (!value || *value == 0)
        return makeProblem(Problem::Kind::LoadNotPositive, trimmed(text));
    return *value;
}

std::optional<LoadUnit> loadUnitNamed(std::string_view word)
{
    const std::string unit = folded(trimmed(word));
    for (std::string_view amperes : {"a", "amp", "amps", "ampere", "amperes"})
        if (unit == amperes)
            return LoadUnit::Amperes;
    if (unit == "va")
        return LoadUnit::VoltAmperes;
    if (unit == "kva")
        return LoadUnit::KiloVoltAmperes;
    if (unit == "w" || unit == "watt" || unit == "watts")
        return LoadUnit::Watts;
    if (unit == "kw")
        return LoadUnit::KiloWatts;
    // Horsepower, "ch" (cheval-vapeur) in French.
    if (unit == "hp" || unit == "ch")
        return LoadUnit::Horsepower;
    return std::nullopt;
}

std::optional<bool> lengthUnitInFeet(std::string_view word)
{
    const std::string unit = folded(trimmed(word));
    for (std::string_view metres : {"m", "metre", "metres", "meter", "meters"})
        if (unit == metres)
            return false;
    for (std::string_view feet : {"ft", "foot", "feet", "pi", "pied", "pieds", "'"})
        if (unit == feet)
            return true;
    return std::nullopt;
}

std::variant<LoadText, Problem> readLoadText(std::string_view text, LoadUnit columnUnit,
                                             bool decimalComma)
{
    // A unit of its own after the number: its letters at the end.
    std::string_view number = trimmed(text);
    LoadText load;
    load.unit = columnUnit;
    std::size_t letters = number.size();
    while (letters > 0 && ((number[letters - 1] >= 'a' && number[letters - 1] <= 'z') ||
                           (number[letters - 1] >= 'A' && number[letters - 1] <= 'Z')))
        --letters;
    if (letters > 0 && letters < number.size()) {
        const auto unit = loadUnitNamed(number.substr(letters));
        if (!unit)
            return makeProblem(Problem::Kind::LoadNotPositive, trimmed(text));
        load.unit = *unit;
        number = trimmed(number.substr(0, letters));
    }
    if (load.unit == LoadUnit::Horsepower) {
        const auto horsepower = readHorsepower(number, decimalComma);
        if (!horsepower)
            return makeProblem(Problem::Kind::LoadNotPositive, trimmed(text));
        return *horsepower;
    }
    const auto value = readLoad(number, decimalComma);
    if (std::holds_alternative<Problem>(value))
        return makeProblem(Problem::Kind::LoadNotPositive, trimmed(text));
    load.value = std::get<Amperes>(value);
    return load;
}

Amperes amperesOf(const LoadText &load, const Run &run)
{
    __extension__ using Wide = __int128;
    if (load.unit == LoadUnit::Amperes)
        return load.value;
    // In watts or volt-amperes, ten-thousandths.
    const bool kilo = load.unit == LoadUnit::KiloWatts || load.unit == LoadUnit::KiloVoltAmperes;
    const Wide power = Wide{load.value} * (kilo ? 1000 : 1);
    const bool real = load.unit == LoadUnit::Watts || load.unit == LoadUnit::KiloWatts;
    const int powerFactor = !real || run.system == SupplySystem::DirectCurrent ? 100
                            : run.powerFactor == PowerFactor::Lagging90        ? 90
                            : run.powerFactor == PowerFactor::Lagging80        ? 80
                                                                               : 100;
    // I x 10^4 = P x 10^4 / (V x pf), V and pf in hundredths: N / D.
    const Wide numerator = power * 10000;
    const Wide denominator = Wide{run.voltage} * powerFactor;
    if (denominator <= 0)
        return 0;
    constexpr Wide most = Wide{1} << 62;
    if (run.system != SupplySystem::ThreePhase) {
        const Wide amperes = (numerator + denominator - 1) / denominator;
        return static_cast<Amperes>(amperes > most ? most : amperes);
    }
    // Three phase: the least n with n x √3 x D >= N, that is 3 n² D² >= N²,
    // found from the nearest guess in whole numbers.
    auto n = static_cast<Wide>(static_cast<long double>(numerator) /
                               (std::sqrt(3.0L) * static_cast<long double>(denominator)));
    if (n > most)
        return static_cast<Amperes>(most);
    if (numerator > (Wide{1} << 60))
        return static_cast<Amperes>(n + 1); // beyond every table: squares would not fit
    const auto enough = [&](Wide candidate) {
        const Wide left = candidate * denominator;
        return 3 * left * left >= numerator * numerator;
    };
    while (n > 0 && enough(n - 1))
        --n;
    while (!enough(n))
        ++n;
    return static_cast<Amperes>(n);
}

std::variant<std::int16_t, Problem> readMaterial(std::string_view text)
{
    const std::string_view word = trimmed(text);
    if (sameWord(word, "cu") || sameWord(word, "copper") || sameWord(word, "cuivre"))
        return material::Copper;
    if (sameWord(word, "al") || sameWord(word, "aluminum") || sameWord(word, "aluminium"))
        return material::Aluminum;
    return makeProblem(Problem::Kind::UnknownMaterial, word);
}

std::variant<std::int16_t, Problem> readInstallation(std::string_view text)
{
    const std::string_view word = trimmed(text);
    // English and French: "câble", "canalisation", "air libre".
    for (std::string_view name : {"raceway", "cable", "raceway-or-cable", "canalisation"})
        if (sameWord(word, name))
            return installation::RacewayOrCable;
    for (std::string_view name : {"free-air", "free air", "freeair", "air libre", "air-libre"})
        if (sameWord(word, name))
            return installation::FreeAir;
    return makeProblem(Problem::Kind::UnknownInstallation, word);
}

std::variant<std::int16_t, Problem> readInsulation(std::string_view text)
{
    const std::string_view word = withoutDegrees(trimmed(text));
    if (word == "60")
        return insulation::Rated60C;
    if (word == "75")
        return insulation::Rated75C;
    if (word == "90")
        return insulation::Rated90C;
    return makeProblem(Problem::Kind::UnknownInsulation, trimmed(text));
}

std::variant<int, Problem> readAmbient(std::string_view text, std::int16_t insulationCode,
                                       bool decimalComma)
{
    const std::string_view word = trimmed(text);
    const auto number = readDecimal(word, decimalComma);
    const std::span<const FactorStep> column = ambientCycle(insulationCode);
    const int highest = 30 + 5 * (static_cast<int>(column.size()) - 1);
    if (!number)
        return makeProblem(Problem::Kind::AmbientNotNumber, word);
    if (number->negative)
        return 0;
    const auto whole = wholeValue(number->whole);
    if (!whole || *whole > highest || (*whole == highest && !isZero(number->fraction)))
        return makeProblem(Problem::Kind::AmbientAboveTable, word, highest,
                           insulation::ratingOf(insulationCode));
    if (*whole <= 30 && (*whole < 30 || isZero(number->fraction)))
        return 0;
    // The hotter row: 30.5 to 35 °C take the 35 °C row, and so on.
    const bool exactRow = *whole % 5 == 0 && isZero(number->fraction);
    return static_cast<int>((*whole - 30) / 5) + (exactRow ? 0 : 1);
}

std::variant<int, Problem> readConductors(std::string_view text, std::int16_t installationCode)
{
    const std::string_view word = trimmed(text);
    const auto number = readDecimal(word);
    if (!number || number->negative || !number->fraction.empty() || number->whole.empty())
        return makeProblem(Problem::Kind::ConductorsNotCount, word);
    const auto count = wholeValue(number->whole);
    if (count && *count == 0)
        return makeProblem(Problem::Kind::ConductorsNotCount, word);
    if (installationCode == installation::FreeAir) {
        if (!count || *count > FreeAirMostConductors)
            return makeProblem(Problem::Kind::FreeAirAboveFour, word, FreeAirMostConductors);
        return static_cast<int>(*count) - 1;
    }
    int group = 0;
    for (std::size_t g = 0; g < RacewayGroupStarts.size(); ++g)
        if (!count || *count >= RacewayGroupStarts[g])
            group = static_cast<int>(g);
    return group;
}

std::variant<TerminationRule, Problem> readTerminations(std::string_view text)
{
    if (sameWord(text, "auto"))
        return TerminationRule::Auto;
    if (sameWord(text, "none"))
        return TerminationRule::None;
    // A rating, written as an insulation's is.
    const auto rating = readInsulation(text);
    if (const auto *code = std::get_if<std::int16_t>(&rating))
        return *code == insulation::Rated75C   ? TerminationRule::At75C
               : *code == insulation::Rated90C ? TerminationRule::At90C
                                               : TerminationRule::At60C;
    return makeProblem(Problem::Kind::UnknownTerminations, trimmed(text));
}

std::variant<Amperes, Problem> readBreaker(std::string_view text, bool decimalComma)
{
    if (trimmed(text).empty())
        return Amperes{0};
    if (sameWord(text, "none") || sameWord(text, "aucun"))
        return NoBreaker;
    return readPositive(text, 4, Rounding::Down, Problem::Kind::BreakerNotPositive, decimalComma);
}

std::variant<bool, Problem> readContinuous(std::string_view text)
{
    const std::string_view word = trimmed(text);
    // The start-up values, as every row of a schedule without the column has them.
    if (word == "no")
        return false;
    if (word == "yes")
        return true;
    // A spreadsheet's booleans too: TRUE and FALSE, VRAI and FAUX.
    for (std::string_view yes : {"yes", "oui", "true", "vrai"})
        if (sameWord(word, yes))
            return true;
    for (std::string_view no : {"no", "non", "false", "faux"})
        if (sameWord(word, no))
            return false;
    return makeProblem(Problem::Kind::ContinuousNotYesNo, word);
}

std::variant<bool, Problem> readYesNo(std::string_view text, std::string_view name)
{
    const auto yes = readContinuous(text);
    if (const auto *answer = std::get_if<bool>(&yes))
        return *answer;
    Problem problem = makeProblem(Problem::Kind::NotYesNo, trimmed(text));
    problem.sizeText = name;
    return problem;
}

std::variant<int, Problem> readDeviceRating(std::string_view text)
{
    std::string_view word = trimmed(text);
    if (word.size() > 1 && word.back() == '%')
        word = trimmed(word.substr(0, word.size() - 1));
    if (word == "80")
        return 80;
    if (word == "100")
        return 100;
    return makeProblem(Problem::Kind::DeviceRatingNotKnown, trimmed(text));
}

std::variant<int, Problem> readSets(std::string_view text)
{
    const std::string_view word = trimmed(text);
    if (sameWord(word, "auto"))
        return 0;
    // Rule 12-108 in practice: ten sets is already a switchboard's bus.
    constexpr int mostSets = 10;
    const auto number = readDecimal(word);
    const auto count = number && !number->negative && number->fraction.empty()
                           ? wholeValue(number->whole)
                           : std::nullopt;
    if (!count || *count < 1 || *count > mostSets)
        return makeProblem(Problem::Kind::SetsNotCount, word);
    return static_cast<int>(*count);
}

std::variant<ConductorSize, Problem> readLargest(std::string_view text)
{
    const auto size = readWireSize(text, material::Copper);
    if (const auto *copper = std::get_if<WireSize>(&size))
        return copper->size;
    return makeProblem(Problem::Kind::UnknownLargest, trimmed(text));
}

std::variant<std::int16_t, Problem> readBondMaterial(std::string_view text)
{
    if (trimmed(text).empty())
        return std::int16_t{-1};
    const auto code = readMaterial(text);
    if (const auto *material = std::get_if<std::int16_t>(&code))
        return *material;
    return makeProblem(Problem::Kind::UnknownBondMaterial, trimmed(text));
}

std::variant<bool, Problem> readMotor(std::string_view text)
{
    const auto yes = readContinuous(text);
    if (const auto *answer = std::get_if<bool>(&yes))
        return *answer;
    return makeProblem(Problem::Kind::MotorNotYesNo, trimmed(text));
}

std::variant<Amperes, Problem> readNameplate(std::string_view text, bool decimalComma)
{
    std::string_view word = trimmed(text);
    if (word.empty())
        return Amperes{0};
    if (word.size() > 1 && (word.back() == 'A' || word.back() == 'a'))
        word = trimmed(word.substr(0, word.size() - 1));
    // Rounded up: the conductors and the overload are worked out from it.
    auto value =
        readPositive(word, 4, Rounding::Up, Problem::Kind::NameplateNotPositive, decimalComma);
    if (std::holds_alternative<Problem>(value))
        return makeProblem(Problem::Kind::NameplateNotPositive, trimmed(text));
    return value;
}

std::variant<MotorDevice, Problem> readMotorDevice(std::string_view text)
{
    if (const auto device =
            named<MotorDevice>(text, {{"breaker", MotorDevice::Breaker},
                                      {"inverse-time", MotorDevice::Breaker},
                                      {"disjoncteur", MotorDevice::Breaker},
                                      {"fuse", MotorDevice::Fuse},
                                      {"fusible", MotorDevice::Fuse},
                                      {"time-delay-fuse", MotorDevice::TimeDelayFuse},
                                      {"time-delay fuse", MotorDevice::TimeDelayFuse},
                                      {"time delay fuse", MotorDevice::TimeDelayFuse},
                                      {"fusible temporise", MotorDevice::TimeDelayFuse},
                                      {"fusible-temporise", MotorDevice::TimeDelayFuse}}))
        return *device;
    return makeProblem(Problem::Kind::UnknownMotorDevice, trimmed(text));
}

std::variant<MotorStarting, Problem> readStarting(std::string_view text)
{
    if (const auto starting =
            named<MotorStarting>(text, {{"full-voltage", MotorStarting::FullVoltage},
                                        {"full voltage", MotorStarting::FullVoltage},
                                        {"across-the-line", MotorStarting::FullVoltage},
                                        {"pleine tension", MotorStarting::FullVoltage},
                                        {"pleine-tension", MotorStarting::FullVoltage},
                                        {"resistor", MotorStarting::Resistor},
                                        {"resistance", MotorStarting::Resistor},
                                        {"reactor", MotorStarting::Reactor},
                                        {"reactance", MotorStarting::Reactor},
                                        {"autotransformer", MotorStarting::Autotransformer},
                                        {"auto-transformer", MotorStarting::Autotransformer},
                                        {"autotransformateur", MotorStarting::Autotransformer},
                                        {"star-delta", MotorStarting::StarDelta},
                                        {"star delta", MotorStarting::StarDelta},
                                        {"wye-delta", MotorStarting::StarDelta},
                                        {"etoile-triangle", MotorStarting::StarDelta},
                                        {"etoile triangle", MotorStarting::StarDelta}}))
        return *starting;
    return makeProblem(Problem::Kind::UnknownStarting, trimmed(text));
}

std::variant<MotorType, Problem> readMotorType(std::string_view text)
{
    if (const auto type = named<MotorType>(text, {{"induction", MotorType::Induction},
                                                  {"squirrel-cage", MotorType::Induction},
                                                  {"cage", MotorType::Induction},
                                                  {"synchronous", MotorType::Synchronous},
                                                  {"synchrone", MotorType::Synchronous},
                                                  {"wound-rotor", MotorType::WoundRotor},
                                                  {"wound rotor", MotorType::WoundRotor},
                                                  {"rotor bobine", MotorType::WoundRotor},
                                                  {"rotor-bobine", MotorType::WoundRotor}}))
        return *type;
    return makeProblem(Problem::Kind::UnknownMotorType, trimmed(text));
}

std::variant<int, Problem> readServiceFactor(std::string_view text, bool decimalComma)
{
    const std::string_view word = trimmed(text);
    const auto number = readDecimal(word, decimalComma);
    // Hundredths, rounded down: 1.149 is not 1.15.
    const auto hundredths =
        number && !number->negative ? scaledValue(*number, 2, Rounding::Down) : std::nullopt;
    if (!hundredths || *hundredths < 100)
        return makeProblem(Problem::Kind::ServiceFactorBelowOne, word);
    return static_cast<int>(std::min<std::int64_t>(*hundredths, 1000));
}

std::variant<Run, Problem> readLength(std::string_view text, Run run, bool decimalComma)
{
    std::string_view word = trimmed(text);
    run.length = 0;
    run.feet = 0;
    run.lengthInFeet = false;
    if (word.empty())
        return run;
    const std::string lower = folded(word);
    for (std::string_view unit : {"feet", "foot", "ft", "'"}) {
        if (lower.size() > unit.size() && lower.ends_with(unit)) {
            run.lengthInFeet = true;
            word = trimmed(word.substr(0, word.size() - unit.size()));
            break;
        }
    }
    if (!run.lengthInFeet && lower.size() > 1 && lower.back() == 'm')
        word = trimmed(word.substr(0, word.size() - 1));
    const auto value =
        readPositive(word, 4, Rounding::Up, Problem::Kind::LengthNotPositive, decimalComma);
    if (const auto *p = std::get_if<Problem>(&value))
        return makeProblem(p->kind, trimmed(text));
    const std::int64_t length = std::get<std::int64_t>(value);
    // Ten-thousandths of a foot to ten-thousandths of a metre: x 0.3048,
    // rounded up, so that a run is never taken shorter than it is.
    run.length = run.lengthInFeet ? (length * 3048 + 9999) / 10000 : length;
    run.feet = run.lengthInFeet ? length : 0;
    return run;
}

std::variant<std::int64_t, Problem> readVoltage(std::string_view text, bool decimalComma)
{
    std::string_view word = trimmed(text);
    if (word.size() > 1 && (word.back() == 'V' || word.back() == 'v'))
        word = trimmed(word.substr(0, word.size() - 1));
    auto value =
        readPositive(word, 2, Rounding::Down, Problem::Kind::VoltageNotPositive, decimalComma);
    if (std::holds_alternative<Problem>(value))
        return makeProblem(Problem::Kind::VoltageNotPositive, trimmed(text));
    return value;
}

std::variant<SupplySystem, Problem> readSystem(std::string_view text)
{
    const std::string_view word = trimmed(text);
    // English and French: "monophasé", "triphasé", "cc" (courant continu).
    for (std::string_view name : {"1ph", "1-phase", "single-phase", "1", "monophase"})
        if (sameWord(word, name))
            return SupplySystem::SinglePhase;
    for (std::string_view name : {"3ph", "3-phase", "three-phase", "3", "triphase"})
        if (sameWord(word, name))
            return SupplySystem::ThreePhase;
    for (std::string_view name : {"dc", "cc", "courant continu"})
        if (sameWord(word, name))
            return SupplySystem::DirectCurrent;
    return makeProblem(Problem::Kind::UnknownSystem, word);
}

std::variant<PowerFactor, Problem> readPowerFactor(std::string_view text, bool decimalComma)
{
    const std::string_view word = trimmed(text);
    const auto number = readDecimal(word, decimalComma);
    // Exactly 1, 0.9 or 0.8: a factor between two columns is not rounded to one.
    std::optional<std::int64_t> hundredths;
    if (number && !number->negative &&
        scaledValue(*number, 2, Rounding::Up) == scaledValue(*number, 2, Rounding::Down))
        hundredths = scaledValue(*number, 2, Rounding::Down);
    if (hundredths == 100)
        return PowerFactor::Unity;
    if (hundredths == 90)
        return PowerFactor::Lagging90;
    if (hundredths == 80)
        return PowerFactor::Lagging80;
    return makeProblem(Problem::Kind::UnknownPowerFactor, word);
}

std::variant<std::int64_t, Problem> readMaxDrop(std::string_view text, bool decimalComma)
{
    std::string_view word = trimmed(text);
    if (word.size() > 1 && word.back() == '%')
        word = trimmed(word.substr(0, word.size() - 1));
    const auto value =
        readPositive(word, 2, Rounding::Down, Problem::Kind::MaxDropNotPercent, decimalComma);
    if (const auto *hundredths = std::get_if<std::int64_t>(&value);
        hundredths && *hundredths <= 10000)
        return *hundredths;
    return makeProblem(Problem::Kind::MaxDropNotPercent, trimmed(text));
}

std::variant<WireSize, Problem> readWireSize(std::string_view text, std::int16_t materialCode)
{
    std::string lower = folded(trimmed(text));
    if (!lower.empty() && lower.front() == '#')
        lower.erase(0, 1);
    bool kcmil = false;
    for (std::string_view unit : {"awg", "kcmil", "mcm"}) {
        if (lower.size() > unit.size() && lower.ends_with(unit)) {
            kcmil = unit != "awg";
            lower = std::string(trimmed(lower.substr(0, lower.size() - unit.size())));
            break;
        }
    }
    // The list's own texts without their unit ("14", "1/0", "250"), made
    // once: a schedule reads its largest size for the sets on every row.
    struct Listed
    {
        std::string_view number;
        bool kcmil;
    };
    static const auto listed = [] {
        std::array<Listed, WireSizeTexts.size()> list{};
        for (std::size_t row = 0; row < WireSizeTexts.size(); ++row) {
            const std::string_view text = trimmed(WireSizeTexts[row]);
            list[row] = {text.substr(0, text.find(' ')), text.ends_with("MCM")};
        }
        return list;
    }();
    const std::size_t firstRow = WireSize::firstRowOf(materialCode);
    for (std::size_t row = firstRow; row < listed.size(); ++row)
        if (listed[row].number == lower && (!kcmil || listed[row].kcmil))
            return WireSize{materialCode, ListedSizes[row]};
    return makeProblem(Problem::Kind::UnknownSize, trimmed(text));
}

namespace readers {
namespace {

// A reading into its field, or its problem.
template <typename Value, typename Field>
std::optional<Problem> take(std::variant<Value, Problem> reading, Field &into)
{
    if (auto *problem = std::get_if<Problem>(&reading))
        return std::move(*problem);
    into = std::get<Value>(std::move(reading));
    return std::nullopt;
}

} // namespace

std::optional<Problem> material(std::string_view text, ConditionReading &reading)
{
    return take(readMaterial(text), reading.conditions.materialCode);
}
std::optional<Problem> installation(std::string_view text, ConditionReading &reading)
{
    reading.conditions.cable = sameWord(text, "cable");
    return take(readInstallation(text), reading.conditions.installationCode);
}
// A wire type given sets the insulation's rating, unless one is given: a
// lower one is the wire sized on a cooler column, a higher one wrong. The
// wire type is read here for that, ahead of its own row.
std::optional<Problem> insulation(std::string_view text, ConditionReading &reading)
{
    Conditions &c = reading.conditions;
    if (auto problem = take(readWireType(reading.text(&ConditionTexts::wire)), reading.wireType))
        return problem;
    const WireTypeGiven &wireType = reading.wireType;
    const int typeRating =
        wireType.type >= 0 ? table19WireTypes()[static_cast<std::size_t>(wireType.type)].rating : 0;
    const bool given = !trimmed(text).empty();
    if (auto problem =
            take(given ? readInsulation(text)
                       : readInsulation(typeRating > 0 ? std::to_string(typeRating) : "60"),
                 c.insulationCode))
        return problem;
    if (typeRating > 0 && insulation::ratingOf(c.insulationCode) > typeRating)
        return makeProblem(Problem::Kind::InsulationAboveWire,
                           table19WireTypes()[static_cast<std::size_t>(wireType.type)].name,
                           typeRating, insulation::ratingOf(c.insulationCode));
    return std::nullopt;
}
std::optional<Problem> ambient(std::string_view text, ConditionReading &reading)
{
    return take(readAmbient(text, reading.conditions.insulationCode, reading.texts.decimalComma),
                reading.conditions.ambientStep);
}
std::optional<Problem> conductors(std::string_view text, ConditionReading &reading)
{
    return take(readConductors(text, reading.conditions.installationCode),
                reading.conditions.countStep);
}
std::optional<Problem> terminations(std::string_view text, ConditionReading &reading)
{
    return take(readTerminations(text), reading.conditions.terminations);
}
std::optional<Problem> breaker(std::string_view text, ConditionReading &reading)
{
    return take(readBreaker(text, reading.texts.decimalComma), reading.conditions.breaker);
}
std::optional<Problem> length(std::string_view text, ConditionReading &reading)
{
    return take(readLength(text, reading.conditions.run, reading.texts.decimalComma),
                reading.conditions.run);
}
std::optional<Problem> voltage(std::string_view text, ConditionReading &reading)
{
    if (trimmed(text).empty())
        return std::nullopt;
    return take(readVoltage(text, reading.texts.decimalComma), reading.conditions.run.voltage);
}
std::optional<Problem> system(std::string_view text, ConditionReading &reading)
{
    return take(readSystem(text), reading.conditions.run.system);
}
std::optional<Problem> powerFactor(std::string_view text, ConditionReading &reading)
{
    return take(readPowerFactor(text, reading.texts.decimalComma),
                reading.conditions.run.powerFactor);
}
std::optional<Problem> maxDrop(std::string_view text, ConditionReading &reading)
{
    return take(readMaxDrop(text, reading.texts.decimalComma), reading.conditions.run.maxDrop);
}
std::optional<Problem> continuous(std::string_view text, ConditionReading &reading)
{
    return take(readContinuous(text), reading.conditions.continuous);
}
std::optional<Problem> deviceRating(std::string_view text, ConditionReading &reading)
{
    return take(readDeviceRating(text), reading.conditions.devicePercent);
}
std::optional<Problem> sets(std::string_view text, ConditionReading &reading)
{
    return take(readSets(text), reading.conditions.sets);
}
std::optional<Problem> largest(std::string_view text, ConditionReading &reading)
{
    return take(readLargest(text), reading.conditions.largest);
}
std::optional<Problem> bondMaterial(std::string_view text, ConditionReading &reading)
{
    return take(readBondMaterial(text), reading.conditions.bondMaterial);
}
std::optional<Problem> motor(std::string_view text, ConditionReading &reading)
{
    return take(readMotor(text), reading.conditions.motor.isMotor);
}
std::optional<Problem> fla(std::string_view text, ConditionReading &reading)
{
    return take(readNameplate(text, reading.texts.decimalComma),
                reading.conditions.motor.nameplate);
}
std::optional<Problem> protection(std::string_view text, ConditionReading &reading)
{
    return take(readMotorDevice(text), reading.conditions.motor.device);
}
std::optional<Problem> starting(std::string_view text, ConditionReading &reading)
{
    return take(readStarting(text), reading.conditions.motor.starting);
}
std::optional<Problem> motorType(std::string_view text, ConditionReading &reading)
{
    return take(readMotorType(text), reading.conditions.motor.type);
}
std::optional<Problem> serviceFactor(std::string_view text, ConditionReading &reading)
{
    return take(readServiceFactor(text, reading.texts.decimalComma),
                reading.conditions.motor.serviceFactor);
}
std::optional<Problem> raceway(std::string_view text, ConditionReading &reading)
{
    return take(readRaceway(text), reading.conditions.raceway.raceway);
}
std::optional<Problem> wire(std::string_view, ConditionReading &)
{
    return std::nullopt; // read with the insulation
}
std::optional<Problem> wireVoltage(std::string_view text, ConditionReading &reading)
{
    return take(readWireVoltage(text), reading.conditions.raceway.wireVoltage);
}
std::optional<Problem> jacketed(std::string_view text, ConditionReading &reading)
{
    return take(readYesNo(text, "jacketed"), reading.conditions.raceway.jacketed);
}
std::optional<Problem> solid(std::string_view text, ConditionReading &reading)
{
    return take(readYesNo(text, "solid"), reading.solid);
}
std::optional<Problem> neutral(std::string_view text, ConditionReading &reading)
{
    return take(readYesNo(text, "neutral"), reading.conditions.raceway.neutral);
}
std::optional<Problem> bondInRaceway(std::string_view text, ConditionReading &reading)
{
    return take(readYesNo(text, "bond_in_raceway"), reading.conditions.raceway.bondInRaceway);
}

} // namespace readers

std::variant<Conditions, Problem> readConditions(const ConditionTexts &texts,
                                                 const ConditionTexts &defaults)
{
    ConditionReading reading{texts, defaults};
    for (const ConditionField &field : ConditionFields)
        if (auto problem = field.read(reading.text(field.text), reading))
            return *std::move(problem);
    // Then what the rows read together. Rule 12-910: the raceway, and the
    // wire its conductors are counted as: the type given, or the
    // insulation's (TW, RW75, RW90).
    Conditions &c = reading.conditions;
    WireTypeGiven &wireType = reading.wireType;
    c.raceway.wireGiven = wireType.type >= 0;
    if (c.raceway.wireGiven || c.raceway.raceway >= 0) {
        if (!c.raceway.wireGiven)
            wireType.type = wireTypeFor(insulation::ratingOf(c.insulationCode));
        if (auto problem = readers::take(
                wireIn(wireType, c.raceway.wireVoltage, c.raceway.jacketed, reading.solid),
                c.raceway.wire))
            return *std::move(problem);
    }
    if (c.run.length > 0 && c.run.voltage == 0)
        return makeProblem(Problem::Kind::LengthWithoutVoltage,
                           reading.text(&ConditionTexts::length));
    return c;
}

} // namespace ampacity::sizing
