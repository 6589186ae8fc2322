#pragma once

#include "Amperes.h"
#include "ConditionCodes.h"
#include "Problem.h"
#include "RacewayChoice.h"
#include "TextReading.h"
#include "Texts.h"
#include "WireSize.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <variant>

// One circuit's conditions: the window's (material, installation,
// insulation, ambient, conductors) and a designer's (terminations, breaker,
// run, continuous load, parallel sets, bonding), and their readers from the
// user's texts.
namespace ampacity::sizing {

// The breaker of a circuit whose protection another Rule decides (motors,
// heating: Rule 14-104(1)(c)): none is chosen and none is checked.
inline constexpr Amperes NoBreaker = -1;

// Rule 4-006: the temperature rating of the terminations a conductor is
// connected to. Auto is the rule's default for equipment not marked otherwise.
enum class TerminationRule
{
    Auto,
    At60C,
    At75C,
    At90C,
    None, // the ampacity table alone, as the window shows it
};

// The kind of circuit, for the factor f of the voltage drop.
enum class SupplySystem
{
    SinglePhase,   // f = 2
    ThreePhase,    // f = the square root of 3, line to line
    DirectCurrent, // f = 2
};

// The power factors Table D3 has columns for.
enum class PowerFactor
{
    Unity,
    Lagging90,
    Lagging80,
};

// Section 28: the device protecting a motor's branch circuit (Table 29's
// columns), how the motor is started and its kind.
enum class MotorDevice
{
    Breaker,       // inverse time
    Fuse,          // non-time-delay
    TimeDelayFuse, // time-delay, and the "D" fuses of Rule 14-200
};
enum class MotorStarting
{
    FullVoltage,
    Resistor,
    Reactor,
    Autotransformer,
    StarDelta,
};
enum class MotorType
{
    Induction, // squirrel-cage
    Synchronous,
    WoundRotor,
};

// What a designer says of a motor (Section 28). A load in horsepower is a
// motor whatever `isMotor` says.
struct Motor
{
    bool isMotor = false;  // a load in amperes is the motor's full-load current
    Amperes nameplate = 0; // the nameplate full-load current; 0: from Table 44 or 45
    MotorDevice device = MotorDevice::Breaker;
    MotorStarting starting = MotorStarting::FullVoltage;
    MotorType type = MotorType::Induction;
    int serviceFactor = 100; // hundredths
};

// Rule 8-102: what the voltage drop of a circuit is checked with.
struct Run
{
    std::int64_t length = 0;   // one way, ten-thousandths of a metre; 0: no check
    bool lengthInFeet = false; // given in feet (shown so)
    std::int64_t feet = 0;     // then as given, ten-thousandths of a foot
    std::int64_t voltage = 0;  // nominal, hundredths of a volt; line to line in three phase
    SupplySystem system = SupplySystem::SinglePhase;
    PowerFactor powerFactor = PowerFactor::Unity;
    std::int64_t maxDrop = 300; // hundredths of a per cent: 3 % in a feeder or branch circuit
};

// Rule 12-910: the raceway a circuit's conductors are run in (each parallel
// set in one of its own) and what it holds.
struct RacewayRun
{
    int raceway = -1; // table9(); -1: no raceway asked for
    Wire wire;        // the type the conductors are counted as, given or by the insulation
    bool wireGiven = false;
    int wireVoltage = 0;       // the class asked for: 600, 1000, 2000; 0 the type's lowest
    bool jacketed = false;     // ...jacketed or not
    bool neutral = false;      // a neutral of the circuit's size and type
    bool bondInRaceway = true; // the bonding conductor, insulated, of the same type
};

// The conditions of one circuit, as the window's buttons would set them,
// and what a designer adds: the terminations and the run.
struct Conditions
{
    std::int16_t materialCode = material::Copper;
    std::int16_t installationCode = installation::RacewayOrCable;
    std::int16_t insulationCode = insulation::Rated60C;
    int ambientStep = 0; // row of the rating's Table 5A column: 0 is 30 °C
    int countStep = 0;   // group of Table 5C (raceway) or 5B (free air): 0 is the first
    bool cable = false;  // a cable rather than a raceway: Table D3's cable columns
    TerminationRule terminations = TerminationRule::Auto;
    Amperes breaker = 0; // the overcurrent device's rating; 0: chosen; NoBreaker: none
    Run run;
    // Rule 8-104: a load is continuous unless shown otherwise; the device's
    // marking, 80 % unless it is marked for 100 %.
    bool continuous = true;
    int devicePercent = 80;
    int sets = 1; // parallel sets, Rule 12-108; 0: the fewest that do
    ConductorSize largest = ConductorSize::Kcmil500; // --sets auto: the largest conductor
    std::int16_t bondMaterial = -1; // the bonding conductor's material; -1: the circuit's
    Motor motor;
    RacewayRun raceway;
};

// Each reader takes the user's text (case and surrounding blanks do not
// matter) and gives the value or the problem.
std::variant<Amperes, Problem> readLoad(std::string_view text, bool decimalComma = false);

// The units a load is given in: amperes, or a power that becomes amperes
// from the circuit's voltage and system.
enum class LoadUnit
{
    Amperes,
    VoltAmperes,
    KiloVoltAmperes,
    Watts,
    KiloWatts,
    Horsepower, // a motor's rating: its current comes from Table 44 or 45
};
// "A", "amps", "ampères"; "VA", "kVA"; "W", "watts", "kW"; "hp", "ch";
// nothing for another word.
std::optional<LoadUnit> loadUnitNamed(std::string_view word);
// "m", "metres", "ft", "feet", "pi", "pieds": whether in feet; nothing for
// another word.
std::optional<bool> lengthUnitInFeet(std::string_view word);

// A load as written, with its own unit after the number ("15 kW") or the
// column's: its value in ten-thousandths of the unit, rounded up.
struct LoadText
{
    std::int64_t value = 0;
    LoadUnit unit = LoadUnit::Amperes;
    // In horsepower, the rating in twelfths ("1-1/2", "3/4", "7.5"); -1 where
    // it is not a whole number of twelfths, and so no row of the tables.
    std::int64_t horsepowerTwelfths = -1;
};
std::variant<LoadText, Problem> readLoadText(std::string_view text, LoadUnit columnUnit,
                                             bool decimalComma = false);

// The amperes a load in a power unit draws: P / V single-phase and DC,
// P / (√3 × V) three-phase, V line to line; watts also over the power
// factor (DC takes 1). Rounded up to a ten-thousandth of an ampere, exactly.
// The run needs its voltage.
Amperes amperesOf(const LoadText &load, const Run &run);
std::variant<std::int16_t, Problem> readMaterial(std::string_view text); // cu, al
std::variant<std::int16_t, Problem>
readInstallation(std::string_view text); // raceway, cable, free-air
std::variant<std::int16_t, Problem> readInsulation(std::string_view text); // 60, 75, 90
// Table 5A has rows every 5 °C from 30 °C: a temperature between two rows
// takes the hotter one (the safe side), one at or below 30 °C the 30 °C row,
// where the table ampacities hold as they are.
std::variant<int, Problem> readAmbient(std::string_view text, std::int16_t insulationCode,
                                       bool decimalComma = false);
// Current-carrying conductors run together: the group of Table 5C in a
// raceway or cable (1-3, 4-6, 7-24, 25-42, 43 and over), 1 to 4 of Table 5B
// in free air.
std::variant<int, Problem> readConductors(std::string_view text, std::int16_t installationCode);
std::variant<TerminationRule, Problem>
readTerminations(std::string_view text); // auto, 60, 75, 90, none
// A breaker, a length, a voltage or a limit: empty gives 0, "not given".
// A breaker may be "none" (or "aucun"): NoBreaker.
std::variant<Amperes, Problem> readBreaker(std::string_view text, bool decimalComma = false);
// yes or no, oui or non; a spreadsheet's TRUE or FALSE (VRAI, FAUX).
std::variant<bool, Problem> readContinuous(std::string_view text);
// 80 or 100, with or without a per cent sign.
std::variant<int, Problem> readDeviceRating(std::string_view text);
// 1 to 10, or auto: 0.
std::variant<int, Problem> readSets(std::string_view text);
// A size of the copper list, as readWireSize reads it.
std::variant<ConductorSize, Problem> readLargest(std::string_view text);
// cu or al, or empty for the circuit's own: -1.
std::variant<std::int16_t, Problem> readBondMaterial(std::string_view text);
// Section 28: yes or no (oui, non); a nameplate current in amperes, or
// empty for none; breaker, fuse or time-delay-fuse; full-voltage, resistor,
// reactor, autotransformer or star-delta; induction, synchronous or
// wound-rotor; a service factor of 1 or more. French words too.
std::variant<bool, Problem> readMotor(std::string_view text);
std::variant<Amperes, Problem> readNameplate(std::string_view text, bool decimalComma = false);
std::variant<MotorDevice, Problem> readMotorDevice(std::string_view text);
std::variant<MotorStarting, Problem> readStarting(std::string_view text);
std::variant<MotorType, Problem> readMotorType(std::string_view text);
std::variant<int, Problem> readServiceFactor(std::string_view text, bool decimalComma = false);
// yes or no (oui, non) for the condition named `name` (as its schedule
// column): its problem names it.
std::variant<bool, Problem> readYesNo(std::string_view text, std::string_view name);
// Metres, or feet with "ft" after the number ("150ft", "150 ft"); 1 ft is
// 0.3048 m exactly. Rounded up to the ten-thousandth of a metre.
std::variant<Run, Problem> readLength(std::string_view text, Run run, bool decimalComma = false);
// hundredths, rounded down
std::variant<std::int64_t, Problem> readVoltage(std::string_view text, bool decimalComma = false);
std::variant<SupplySystem, Problem> readSystem(std::string_view text); // 1ph, 3ph, dc
// 1, 0.9, 0.8
std::variant<PowerFactor, Problem> readPowerFactor(std::string_view text,
                                                   bool decimalComma = false);
// hundredths, rounded down
std::variant<std::int64_t, Problem> readMaxDrop(std::string_view text, bool decimalComma = false);
// A size as the list writes it or in short: "3", "#3", "3 AWG", "1/0",
// "250", "250 kcmil", "250 MCM": a size of the material's list.
std::variant<WireSize, Problem> readWireSize(std::string_view text, std::int16_t materialCode);

// The user's texts for one circuit's conditions; empty ones take the defaults.
struct ConditionTexts
{
    std::string_view material{};
    std::string_view installation{};
    std::string_view insulation{};
    std::string_view ambient{};
    std::string_view conductors{};
    std::string_view terminations{};
    std::string_view breaker{};
    std::string_view length{};
    std::string_view voltage{};
    std::string_view system{};
    std::string_view powerFactor{};
    std::string_view maxDrop{};
    std::string_view continuous{};
    std::string_view deviceRating{};
    std::string_view sets{};
    std::string_view largest{};
    std::string_view bondMaterial{};
    std::string_view motor{};
    std::string_view fla{};
    std::string_view protection{};
    std::string_view starting{};
    std::string_view motorType{};
    std::string_view serviceFactor{};
    std::string_view raceway{};
    std::string_view wire{};
    std::string_view wireVoltage{};
    std::string_view jacketed{};
    std::string_view solid{};
    std::string_view neutral{};
    std::string_view bondInRaceway{};
    bool decimalComma = false; // numbers may be written "15,5" (a semicolon or tab schedule)
};
// A value a condition takes from a list, for the schedule window: the
// command line's word and its name, marked for translation in the context
// "Schedule".
struct ConditionChoice
{
    const char *value;
    const char *name;
};

namespace choices {
inline constexpr ConditionChoice Materials[] = {{"cu", TORVANE_TEXT("Schedule", "Copper")},
                                                {"al", TORVANE_TEXT("Schedule", "Aluminum")}};
inline constexpr ConditionChoice Installations[] = {
    {"raceway", TORVANE_TEXT("Schedule", "Raceway")},
    {"cable", TORVANE_TEXT("Schedule", "Cable")},
    {"free-air", TORVANE_TEXT("Schedule", "Free air")}};
inline constexpr ConditionChoice Insulations[] = {
    {"", TORVANE_TEXT("Schedule", "By the wire type (60 °C)")},
    {"60", TORVANE_TEXT("Schedule", "60 °C")},
    {"75", TORVANE_TEXT("Schedule", "75 °C")},
    {"90", TORVANE_TEXT("Schedule", "90 °C")}};
inline constexpr ConditionChoice Terminations[] = {
    {"auto", TORVANE_TEXT("Schedule", "Auto (Rule 4-006)")},
    {"60", TORVANE_TEXT("Schedule", "60 °C")},
    {"75", TORVANE_TEXT("Schedule", "75 °C")},
    {"90", TORVANE_TEXT("Schedule", "90 °C")},
    {"none", TORVANE_TEXT("Schedule", "None (table alone)")}};
inline constexpr ConditionChoice Systems[] = {{"1ph", TORVANE_TEXT("Schedule", "Single-phase")},
                                              {"3ph", TORVANE_TEXT("Schedule", "Three-phase")},
                                              {"dc", TORVANE_TEXT("Schedule", "DC")}};
inline constexpr ConditionChoice PowerFactors[] = {{"1", TORVANE_TEXT("Schedule", "1")},
                                                   {"0.9", TORVANE_TEXT("Schedule", "0.9")},
                                                   {"0.8", TORVANE_TEXT("Schedule", "0.8")}};
inline constexpr ConditionChoice YesNo[] = {{"yes", TORVANE_TEXT("Schedule", "Yes")},
                                            {"no", TORVANE_TEXT("Schedule", "No")}};
inline constexpr ConditionChoice DeviceRatings[] = {{"80", TORVANE_TEXT("Schedule", "80 %")},
                                                    {"100", TORVANE_TEXT("Schedule", "100 %")}};
inline constexpr ConditionChoice SetCounts[] = {
    {"1", TORVANE_TEXT("Schedule", "1")},
    {"2", TORVANE_TEXT("Schedule", "2")},
    {"3", TORVANE_TEXT("Schedule", "3")},
    {"4", TORVANE_TEXT("Schedule", "4")},
    {"5", TORVANE_TEXT("Schedule", "5")},
    {"6", TORVANE_TEXT("Schedule", "6")},
    {"7", TORVANE_TEXT("Schedule", "7")},
    {"8", TORVANE_TEXT("Schedule", "8")},
    {"9", TORVANE_TEXT("Schedule", "9")},
    {"10", TORVANE_TEXT("Schedule", "10")},
    {"auto", TORVANE_TEXT("Schedule", "Auto (fewest)")}};
inline constexpr ConditionChoice BondMaterials[] = {
    {"", TORVANE_TEXT("Schedule", "As the conductors")},
    {"cu", TORVANE_TEXT("Schedule", "Copper")},
    {"al", TORVANE_TEXT("Schedule", "Aluminum")}};
inline constexpr ConditionChoice MotorDevices[] = {
    {"breaker", TORVANE_TEXT("Schedule", "Breaker (inverse time)")},
    {"fuse", TORVANE_TEXT("Schedule", "Fuse")},
    {"time-delay-fuse", TORVANE_TEXT("Schedule", "Time-delay fuse")}};
inline constexpr ConditionChoice Startings[] = {
    {"full-voltage", TORVANE_TEXT("Schedule", "Full voltage")},
    {"resistor", TORVANE_TEXT("Schedule", "Resistor")},
    {"reactor", TORVANE_TEXT("Schedule", "Reactor")},
    {"autotransformer", TORVANE_TEXT("Schedule", "Autotransformer")},
    {"star-delta", TORVANE_TEXT("Schedule", "Star-delta")}};
inline constexpr ConditionChoice MotorTypes[] = {
    {"induction", TORVANE_TEXT("Schedule", "Induction")},
    {"synchronous", TORVANE_TEXT("Schedule", "Synchronous")},
    {"wound-rotor", TORVANE_TEXT("Schedule", "Wound rotor")}};
// Table 9's raceways, by their short names (the names are the Code's, in
// the context "Raceways").
inline constexpr auto Raceways = [] {
    std::array<ConditionChoice, 1 + std::size(RacewayNames)> list{};
    list[0] = {"", TORVANE_TEXT("Schedule", "None")};
    for (std::size_t r = 0; r < std::size(RacewayNames); ++r)
        list[r + 1] = {RacewayNames[r].id, RacewayNames[r].name};
    return list;
}();
// Table 19's names, which need no translation.
inline constexpr ConditionChoice WireTypes[] = {{"", TORVANE_TEXT("Schedule", "By the insulation")},
                                                {"rw90", "RW90"},
                                                {"rw75", "RW75"},
                                                {"r90", "R90"},
                                                {"rpv90", "RPV90"},
                                                {"rwu90", "RWU90"},
                                                {"rpvu90", "RPVU90"},
                                                {"twu", "TWU"},
                                                {"twu75", "TWU75"},
                                                {"tw", "TW"},
                                                {"tw75", "TW75"},
                                                {"twn75", "TWN75"},
                                                {"t90", "T90"}};
inline constexpr ConditionChoice WireVoltages[] = {
    {"", TORVANE_TEXT("Schedule", "The type's lowest")},
    {"600", TORVANE_TEXT("Schedule", "600 V")},
    {"1000", TORVANE_TEXT("Schedule", "1000 V")},
    {"2000", TORVANE_TEXT("Schedule", "2000 V")}};
inline constexpr ConditionChoice NoYes[] = {{"no", TORVANE_TEXT("Schedule", "No")},
                                            {"yes", TORVANE_TEXT("Schedule", "Yes")}};
} // namespace choices

// Each of a circuit's conditions, described once, one row each: its field
// of ConditionTexts; its name as a schedule's column and, with a hyphen for
// the underscore, as an option; the other names a schedule's header may give
// it, English and French, as compared (lower case, no accents, no unit in
// brackets, no blanks or signs: "Chute max (%)" is "chutemax"); whether it is
// a number a semicolon or tab schedule may write with a decimal comma; its
// label in the schedule window and the report (context "Schedule"); its
// start-up value; the option's value in --help and its description (context
// "CommandLine"); and the values the window offers for it, none for a
// number; and its reader. A new condition is one more row.
// A circuit's conditions as they are read, one row after another: each
// row's reader takes its text (the default's where it is empty) into
// `conditions`, or gives the problem with it.
struct ConditionReading
{
    const ConditionTexts &texts;
    const ConditionTexts &defaults;
    Conditions conditions{};
    WireTypeGiven wireType{}; // read with the insulation, which it may rate
    bool solid = false;       // the wire's class, with the raceway's
    // A field's text, or the default's where it is empty, or the start-up
    // value where that is empty too.
    std::string_view text(std::string_view ConditionTexts::*field) const;
};
using ConditionReader = std::optional<Problem> (*)(std::string_view text,
                                                   ConditionReading &reading);

// Each condition's reader, named for its field, in its row below.
namespace readers {
std::optional<Problem> material(std::string_view text, ConditionReading &reading);
std::optional<Problem> installation(std::string_view text, ConditionReading &reading);
std::optional<Problem> insulation(std::string_view text, ConditionReading &reading);
std::optional<Problem> ambient(std::string_view text, ConditionReading &reading);
std::optional<Problem> conductors(std::string_view text, ConditionReading &reading);
std::optional<Problem> terminations(std::string_view text, ConditionReading &reading);
std::optional<Problem> breaker(std::string_view text, ConditionReading &reading);
std::optional<Problem> length(std::string_view text, ConditionReading &reading);
std::optional<Problem> voltage(std::string_view text, ConditionReading &reading);
std::optional<Problem> system(std::string_view text, ConditionReading &reading);
std::optional<Problem> powerFactor(std::string_view text, ConditionReading &reading);
std::optional<Problem> maxDrop(std::string_view text, ConditionReading &reading);
std::optional<Problem> continuous(std::string_view text, ConditionReading &reading);
std::optional<Problem> deviceRating(std::string_view text, ConditionReading &reading);
std::optional<Problem> sets(std::string_view text, ConditionReading &reading);
std::optional<Problem> largest(std::string_view text, ConditionReading &reading);
std::optional<Problem> bondMaterial(std::string_view text, ConditionReading &reading);
std::optional<Problem> motor(std::string_view text, ConditionReading &reading);
std::optional<Problem> fla(std::string_view text, ConditionReading &reading);
std::optional<Problem> protection(std::string_view text, ConditionReading &reading);
std::optional<Problem> starting(std::string_view text, ConditionReading &reading);
std::optional<Problem> motorType(std::string_view text, ConditionReading &reading);
std::optional<Problem> serviceFactor(std::string_view text, ConditionReading &reading);
std::optional<Problem> raceway(std::string_view text, ConditionReading &reading);
std::optional<Problem> wire(std::string_view text, ConditionReading &reading);
std::optional<Problem> wireVoltage(std::string_view text, ConditionReading &reading);
std::optional<Problem> jacketed(std::string_view text, ConditionReading &reading);
std::optional<Problem> solid(std::string_view text, ConditionReading &reading);
std::optional<Problem> neutral(std::string_view text, ConditionReading &reading);
std::optional<Problem> bondInRaceway(std::string_view text, ConditionReading &reading);
} // namespace readers

struct ConditionField
{
    std::string_view ConditionTexts::*text;
    std::string_view name;
    std::array<std::string_view, 4> otherNames;
    bool number;
    const char *label;
    std::string_view startUp;
    const char *valueName;
    const char *description;
    std::span<const ConditionChoice> choices;
    ConditionReader read;
};
inline constexpr ConditionField ConditionFields[] = {
    {&ConditionTexts::material,
     "material",
     {"materiau", "matiere"},
     false,
     TORVANE_TEXT("Schedule", "Material"),
     "cu",
     "cu|al",
     TORVANE_TEXT("CommandLine", "Conductor material: cu or al (cu)."),
     choices::Materials,
     readers::material},
    {&ConditionTexts::installation,
     "installation",
     {"pose", "modedepose"},
     false,
     TORVANE_TEXT("Schedule", "Installation"),
     "raceway",
     "raceway|cable|free-air",
     TORVANE_TEXT("CommandLine",
                  "raceway (in a raceway, Tables 2 and 4), cable (as raceway; Table D3's cable "
                  "column) or free-air (Tables 1 and 3) (raceway)."),
     choices::Installations,
     readers::installation},
    {&ConditionTexts::insulation,
     "insulation",
     {"isolant", "isolation"},
     false,
     TORVANE_TEXT("Schedule", "Insulation"),
     "",
     "60|75|90",
     TORVANE_TEXT("CommandLine",
                  "Insulation temperature rating, °C: 60, 75 or 90 (60, or the rating of "
                  "--wire)."),
     choices::Insulations,
     readers::insulation},
    {&ConditionTexts::ambient,
     "ambient",
     {"ambiante", "temperatureambiante", "ambienttemperature", "temperature"},
     true,
     TORVANE_TEXT("Schedule", "Ambient (°C)"),
     "30",
     "C",
     TORVANE_TEXT("CommandLine",
                  "Ambient temperature, °C (30). Between two rows of Table 5A the hotter row "
                  "applies; at or below 30 °C, none."),
     {},
     readers::ambient},
    {&ConditionTexts::conductors,
     "conductors",
     {"conducteurs", "nombredeconducteurs"},
     false,
     TORVANE_TEXT("Schedule", "Conductors"),
     "1",
     "N",
     TORVANE_TEXT("CommandLine",
                  "Current-carrying conductors run together (1): the groups of Table 5C in a "
                  "raceway or cable, 1 to 4 of Table 5B in free air."),
     {},
     readers::conductors},
    {&ConditionTexts::terminations,
     "terminations",
     {"terminaisons", "bornes"},
     false,
     TORVANE_TEXT("Schedule", "Terminations"),
     "auto",
     "auto|60|75|90|none",
     TORVANE_TEXT("CommandLine",
                  "Temperature rating of the terminations, Rule 4-006: auto (60 °C up to a "
                  "100 A breaker, given or chosen, or with --breaker none up to No. 1 AWG; "
                  "75 °C above), 60, 75, 90 or none (the table alone) (auto)."),
     choices::Terminations,
     readers::terminations},
    {&ConditionTexts::breaker,
     "breaker",
     {"disjoncteur"},
     true,
     TORVANE_TEXT("Schedule", "Breaker (A)"),
     "",
     "A|none",
     TORVANE_TEXT("CommandLine",
                  "Rating of the breaker or fuse protecting the circuit, amperes, checked "
                  "against the load (Rule 8-104) and the conductor (Rule 14-104, Table 13); "
                  "without it the smallest standard rating that carries the load is chosen; "
                  "none for a circuit whose protection another Rule decides (motors, "
                  "heating). It decides auto terminations."),
     {},
     readers::breaker},
    {&ConditionTexts::length,
     "length",
     {"longueur"},
     true,
     TORVANE_TEXT("Schedule", "Length (m)"),
     "",
     "L",
     TORVANE_TEXT("CommandLine",
                  "One-way length of the run, metres (or feet: 150ft), to check the voltage "
                  "drop (Rule 8-102, Table D3)."),
     {},
     readers::length},
    {&ConditionTexts::voltage,
     "voltage",
     {"tension"},
     true,
     TORVANE_TEXT("Schedule", "Voltage (V)"),
     "",
     "V",
     TORVANE_TEXT("CommandLine",
                  "Nominal voltage, line to line in three-phase; needed with --length."),
     {},
     readers::voltage},
    {&ConditionTexts::system,
     "system",
     {"systeme"},
     false,
     TORVANE_TEXT("Schedule", "System"),
     "1ph",
     "1ph|3ph|dc",
     TORVANE_TEXT("CommandLine", "1ph, 3ph or dc (1ph)."),
     choices::Systems,
     readers::system},
    {&ConditionTexts::powerFactor,
     "power_factor",
     {"facteurdepuissance", "pf", "fp"},
     true,
     TORVANE_TEXT("Schedule", "Power factor"),
     "1",
     "1|0.9|0.8",
     TORVANE_TEXT("CommandLine", "1, 0.9 or 0.8, the columns of Table D3 (1)."),
     choices::PowerFactors,
     readers::powerFactor},
    {&ConditionTexts::maxDrop,
     "max_drop",
     {"chutemax", "chutemaximale", "chutedetensionmax"},
     true,
     TORVANE_TEXT("Schedule", "Maximum drop (%)"),
     "3",
     "PCT",
     TORVANE_TEXT("CommandLine",
                  "Voltage drop allowed, per cent (3; 5 from the supply to the point of use)."),
     {},
     readers::maxDrop},
    {&ConditionTexts::continuous,
     "continuous",
     {"continu", "chargecontinue"},
     false,
     TORVANE_TEXT("Schedule", "Continuous load"),
     "yes",
     "yes|no",
     TORVANE_TEXT("CommandLine",
                  "Whether the load is continuous, Rule 8-104: yes (a load is, unless shown "
                  "not to run more than 1 h in any 2 h) or no (yes)."),
     choices::YesNo,
     readers::continuous},
    {&ConditionTexts::deviceRating,
     "device_rating",
     {"calibredudispositif", "dispositif"},
     false,
     TORVANE_TEXT("Schedule", "Device rating"),
     "80",
     "80|100",
     TORVANE_TEXT("CommandLine",
                  "The breaker's marking for continuous loads, per cent: 80, or 100 for a "
                  "device marked so (80)."),
     choices::DeviceRatings,
     readers::deviceRating},
    {&ConditionTexts::sets,
     "sets",
     {"ensembles", "parallelsets", "ensemblesenparallele"},
     false,
     TORVANE_TEXT("Schedule", "Parallel sets"),
     "1",
     "N|auto",
     TORVANE_TEXT("CommandLine",
                  "Conductors in parallel, Rule 12-108: the number of sets, 1 to 10, each in "
                  "its own raceway or cable, 1/0 AWG and larger; auto for the fewest sets of "
                  "a conductor up to --largest (1)."),
     choices::SetCounts,
     readers::sets},
    {&ConditionTexts::largest,
     "largest",
     {"calibremax", "calibremaximal"},
     false,
     TORVANE_TEXT("Schedule", "Largest for sets"),
     "500",
     "SIZE",
     TORVANE_TEXT("CommandLine", "The largest conductor --sets auto may use (500 kcmil)."),
     {},
     readers::largest},
    {&ConditionTexts::bondMaterial,
     "bond_material",
     {"materiaudeliaison", "bondingmaterial"},
     false,
     TORVANE_TEXT("Schedule", "Bond material"),
     "",
     "cu|al",
     TORVANE_TEXT("CommandLine",
                  "The bonding conductor's material, Rule 10-616 and Table 16: cu or al (the "
                  "circuit conductors')."),
     choices::BondMaterials,
     readers::bondMaterial},
    {&ConditionTexts::motor,
     "motor",
     {"moteur"},
     false,
     TORVANE_TEXT("Schedule", "Motor"),
     "no",
     "yes|no",
     TORVANE_TEXT("CommandLine",
                  "Whether a load in amperes is a motor's full-load current, sized by "
                  "Section 28 rather than as a continuous load (no). A load in horsepower "
                  "(10hp, 1-1/2hp, 3/4hp) is a motor."),
     choices::YesNo,
     readers::motor},
    {&ConditionTexts::fla,
     "fla",
     {"courantdeplaque", "nameplatecurrent", "fullloadcurrent"},
     true,
     TORVANE_TEXT("Schedule", "Nameplate current (A)"),
     "",
     "A",
     TORVANE_TEXT("CommandLine",
                  "A motor's nameplate full-load current, amperes, for a load in "
                  "horsepower; without it the current comes from Table 44 (three-phase) or "
                  "Table 45 (single-phase) at --voltage (Rule 28-106)."),
     {},
     readers::fla},
    {&ConditionTexts::protection,
     "protection",
     {"dispositifdeprotection"},
     false,
     TORVANE_TEXT("Schedule", "Motor protection"),
     "breaker",
     "breaker|fuse|time-delay-fuse",
     TORVANE_TEXT("CommandLine",
                  "The device protecting a motor's branch circuit, Rule 28-200 and Table 29: "
                  "breaker (inverse time), fuse or time-delay-fuse (breaker)."),
     choices::MotorDevices,
     readers::protection},
    {&ConditionTexts::starting,
     "starting",
     {"demarrage"},
     false,
     TORVANE_TEXT("Schedule", "Starting"),
     "full-voltage",
     "full-voltage|resistor|reactor|autotransformer|star-delta",
     TORVANE_TEXT("CommandLine", "How a motor is started, for Table 29 (full-voltage)."),
     choices::Startings,
     readers::starting},
    {&ConditionTexts::motorType,
     "motor_type",
     {"typedemoteur"},
     false,
     TORVANE_TEXT("Schedule", "Motor type"),
     "induction",
     "induction|synchronous|wound-rotor",
     TORVANE_TEXT("CommandLine",
                  "The kind of motor, for Tables 44 and 29; a synchronous motor's current "
                  "is Table 44's unity power factor current times 1.1 at --power-factor 0.9 "
                  "and 1.25 at 0.8 (induction)."),
     choices::MotorTypes,
     readers::motorType},
    {&ConditionTexts::serviceFactor,
     "service_factor",
     {"facteurdeservice"},
     true,
     TORVANE_TEXT("Schedule", "Service factor"),
     "1",
     "SF",
     TORVANE_TEXT("CommandLine",
                  "A motor's service factor: the overload relay is set at most 125 % of the "
                  "full-load current at 1.15 or more, 115 % below (Rule 28-306) (1)."),
     {},
     readers::serviceFactor},
    {&ConditionTexts::raceway,
     "raceway",
     {"canalisation", "typedecanalisation", "conduit"},
     false,
     TORVANE_TEXT("Schedule", "Raceway type"),
     "",
     "TYPE",
     TORVANE_TEXT("CommandLine",
                  "The raceway each set of conductors runs in, Rule 12-910 and Tables 6, 8 and "
                  "9: its smallest trade size is given. emt, rmc, rigid-pvc, fmc, lfmc, lfnc, "
                  "ent, rtrc-ips, rtrc-id, hdpe-sch40... (none)."),
     choices::Raceways,
     readers::raceway},
    {&ConditionTexts::wire,
     "wire",
     {"typedefil", "isolantdufil", "wiretype"},
     false,
     TORVANE_TEXT("Schedule", "Wire type"),
     "",
     "TYPE",
     TORVANE_TEXT("CommandLine",
                  "The wire type on the insulation, for the raceway's fill (Table 6): RW90, "
                  "RW75, R90, RPV90, RWU90, RPVU90, TWU, TWU75, TW, TW75, TWN75 or T90; it "
                  "sets the insulation's rating unless --insulation is given (TW at 60 °C, "
                  "RW75 at 75 °C, RW90 at 90 °C)."),
     choices::WireTypes,
     readers::wire},
    {&ConditionTexts::wireVoltage,
     "wire_voltage",
     {"tensiondufil", "classedetension"},
     false,
     TORVANE_TEXT("Schedule", "Wire voltage"),
     "",
     "600|1000|2000",
     TORVANE_TEXT("CommandLine",
                  "The wire's voltage class in Table 6 (the lowest the type comes in)."),
     choices::WireVoltages,
     readers::wireVoltage},
    {&ConditionTexts::jacketed,
     "jacketed",
     {"sousgaine", "gaine"},
     false,
     TORVANE_TEXT("Schedule", "Jacketed"),
     "no",
     "yes|no",
     TORVANE_TEXT("CommandLine", "Whether the wire is jacketed, for Table 6 (no)."),
     choices::NoYes,
     readers::jacketed},
    {&ConditionTexts::solid,
     "solid",
     {"massif", "conducteurmassif"},
     false,
     TORVANE_TEXT("Schedule", "Solid"),
     "no",
     "",
     TORVANE_TEXT("CommandLine",
                  "Solid conductors, 14 to 10 AWG, Table 6's solid rows (stranded)."),
     choices::NoYes,
     readers::solid},
    {&ConditionTexts::neutral,
     "neutral",
     {"neutre"},
     false,
     TORVANE_TEXT("Schedule", "Neutral in raceway"),
     "no",
     "yes|no",
     TORVANE_TEXT("CommandLine",
                  "Whether the raceway holds a neutral of the circuit's size and type (no)."),
     choices::NoYes,
     readers::neutral},
    {&ConditionTexts::bondInRaceway,
     "bond_in_raceway",
     {"liaisondanslacanalisation", "bondinraceway"},
     false,
     TORVANE_TEXT("Schedule", "Bond in raceway"),
     "yes",
     "yes|no",
     TORVANE_TEXT("CommandLine",
                  "Whether the raceway holds the bonding conductor, insulated, of the same "
                  "type: no for a raceway that is itself the bonding path (yes)."),
     choices::YesNo,
     readers::bondInRaceway},
};

// The start-up values of every condition, from the rows above: the window's
// (copper, raceway or cable, 60 °C, 30 °C, 1-3), the rule's default
// terminations, a breaker chosen and no run; single phase, power factor 1,
// 3 %; a continuous load on an 80 % device, one set (500 kcmil at most when
// the sets are chosen), bonded in the circuit's material; not a motor
// (unless in horsepower), its current from the tables, on an inverse-time
// breaker, started at full voltage, induction, service factor 1.
inline constexpr ConditionTexts DefaultConditionTexts = [] {
    ConditionTexts texts;
    for (const ConditionField &field : ConditionFields)
        texts.*field.text = field.startUp;
    return texts;
}();

inline std::string_view ConditionReading::text(std::string_view ConditionTexts::*field) const
{
    if (!trimmed(texts.*field).empty())
        return texts.*field;
    return trimmed(defaults.*field).empty() ? DefaultConditionTexts.*field : defaults.*field;
}

// Reads each text by its row's reader, in the rows' order, taking the
// default's where the text is empty (and the start-up value where that is
// empty too); the first problem met is the answer then.
std::variant<Conditions, Problem>
readConditions(const ConditionTexts &texts, const ConditionTexts &defaults = DefaultConditionTexts);

} // namespace ampacity::sizing
