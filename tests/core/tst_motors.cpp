// Motor branch circuits, Section 28: the full-load current from the
// nameplate or Tables 44 and 45 (Rule 28-106), conductors for 125 % of it,
// the branch-circuit device of Table 29 (Rule 28-200) and the overload
// relay (Rule 28-306). The tables are checked cell by cell against
// transcriptions typed apart from the program's; the cases are worked by
// hand from those transcriptions.

#include "AmpacityTables.h"
#include "Check.h"
#include "MotorTables.h"
#include "ReferenceRows.h"
#include "Schedule.h"

#include <string>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

// "1-1/2" as twelfths of a horsepower, read the way a schedule's cell is.
HorsepowerTwelfths twelfths(const std::string &horsepower)
{
    const auto load = readLoadText(horsepower + " hp", LoadUnit::Amperes);
    return std::get<LoadText>(load).horsepowerTwelfths;
}

// "4.4" in tenths; empty: nothing.
std::optional<int> tenths(const std::string &cell)
{
    if (cell.empty())
        return std::nullopt;
    const auto point = cell.find('.');
    if (point == std::string::npos)
        return std::stoi(cell) * 10;
    return std::stoi(cell.substr(0, point)) * 10 + std::stoi(cell.substr(point + 1));
}

std::string shown(std::optional<int> value)
{
    return value ? std::to_string(*value) : "(empty)";
}

void tablesMatchTheReferences()
{
    // Table 44's rows stop at their last value: the empty cells after it
    // are read as empty.
    auto table44 = referenceRows(TORVANE_TABLE_44);
    for (auto &row : table44)
        row.resize(13);
    check::equal(table44.size(), std::size_t{27}, "Table 44's rows");
    int cells = 0;
    for (const auto &row : table44) {
        for (int column = 0; column < 12; ++column) {
            const auto expected = tenths(row[static_cast<std::size_t>(column) + 1]);
            check::equal(shown(table44Tenths(twelfths(row[0]), static_cast<Table44Column>(column))),
                         shown(expected),
                         "Table 44, " + row[0] + " hp, column " + std::to_string(column + 1));
            cells += expected.has_value();
        }
    }
    check::equal(cells, 186, "Table 44's values");
    check::that(!table44Lists(twelfths("12")) && !table44Lists(twelfths("1/3")),
                "Table 44 lists neither 12 hp nor 1/3 hp");

    const auto table45 = referenceRows(TORVANE_TABLE_45);
    check::equal(table45.size(), std::size_t{12}, "Table 45's rows");
    for (const auto &row : table45) {
        check::equal(shown(table45Tenths(twelfths(row[0]), Table45Column::At115)),
                     shown(tenths(row[1])), "Table 45, " + row[0] + " hp at 115 V");
        check::equal(shown(table45Tenths(twelfths(row[0]), Table45Column::At230)),
                     shown(tenths(row[2])), "Table 45, " + row[0] + " hp at 230 V");
    }

    // Table 29: the three columns of its first six rows (the dc rows differ
    // only in the instantaneous-trip column, which is not offered).
    const auto table29 = referenceRows(TORVANE_TABLE_29);
    const Table29Row rows[] = {Table29Row::SinglePhase,
                               Table29Row::FullVoltageResistorOrReactor,
                               Table29Row::AutotransformerUpTo30A,
                               Table29Row::AutotransformerAbove30A,
                               Table29Row::WoundRotor,
                               Table29Row::DirectCurrent,
                               Table29Row::DirectCurrent};
    check::equal(table29.size(), std::size(rows), "Table 29's rows");
    for (std::size_t r = 0; r < table29.size(); ++r)
        for (int column = 0; column < 3; ++column)
            check::equal(table29Percent(rows[r], static_cast<Table29Column>(column)),
                         std::stoi(table29[r][3 + static_cast<std::size_t>(column)]),
                         "Table 29, " + table29[r][0] + " " + table29[r][2] + ", column " +
                             std::to_string(column + 1));
}

// One circuit sized as `torvane size` sizes it.
ScheduleRow sized(std::string_view load, const ConditionTexts &texts)
{
    return singleCircuit(load, texts).rows.front();
}

std::string amperes(Amperes value)
{
    return scaledText(value, 4);
}

// The worked cases: the current, what the conductors need, the device, the
// bonding conductor and the overload relay.
void motorsAreSizedBySection28()
{
    struct Case
    {
        const char *what;
        const char *load;
        ConditionTexts texts;
        const char *current;
        MotorCurrentFrom from;
        const char *size;
        int device;    // chosen, or given
        int maxDevice; // Table 29's largest
        const char *bonding;
        const char *overload;
        Governing governing;
    };
    // clang-format off
    const Case cases[] = {
        // 11 A; 13.75 A of conductor: 14 AWG (15 A). 250 % is 27.5 A: 25 A;
        // 300 % 33 A: 30 A; 175 % 19.25 A: 15 A. 115 % of 11 A: 12.65 A.
        // Bonding by 25 A is 12 AWG, held to the 14 AWG conductors.
        {"10 hp 575 V, breaker", "10hp", {.voltage = "600", .system = "3ph"},
         "11", MotorCurrentFrom::Table44, "14 AWG", 25, 25, "14 AWG", "12.65", Governing::Ampacity},
        {"10 hp 575 V, fuse", "10 hp", {.voltage = "575", .system = "3ph", .protection = "fuse"},
         "11", MotorCurrentFrom::Table44, "14 AWG", 30, 30, "14 AWG", "12.65", Governing::Ampacity},
        {"10 hp 575 V, time-delay fuse", "10hp",
         {.voltage = "600", .system = "3ph", .protection = "time-delay-fuse"},
         "11", MotorCurrentFrom::Table44, "14 AWG", 15, 15, "14 AWG", "12.65", Governing::Ampacity},
        // 65 A; 81.25 A: 3 AWG at 60 °C (85 A); 162.5 A: 150 A.
        {"50 hp 460 V", "50hp", {.voltage = "480", .system = "3ph"},
         "65", MotorCurrentFrom::Table44, "3 AWG", 150, 150, "6 AWG", "74.75", Governing::Motor},
        // 273 A; 341.25 A: 600 kcmil at 60 °C (350 A); 682.5 A: 600 A
        // breaker; 819 A: 800 A fuse.
        {"100 hp 208 V, breaker", "100hp", {.voltage = "208", .system = "3ph"},
         "273", MotorCurrentFrom::Table44, "600 MCM", 600, 600, "1 AWG", "313.95", Governing::Motor},
        {"100 hp 208 V, fuse", "100hp", {.voltage = "208", .system = "3ph", .protection = "fuse"},
         "273", MotorCurrentFrom::Table44, "600 MCM", 800, 800, "1/0 AWG", "313.95", Governing::Motor},
        // Table 45's 28 A at 230 V plus 10 %: 30.8 A; 38.5 A: 8 AWG at 60 °C.
        {"5 hp single-phase 208 V", "5hp", {.voltage = "208"},
         "30.8", MotorCurrentFrom::Table45, "8 AWG", 70, 70, "8 AWG", "35.42", Governing::Ampacity},
        // ...plus 15 % at 200 V: 32.2 A, 40.25 A of conductor: 6 AWG.
        {"5 hp single-phase 200 V", "5hp", {.voltage = "200"},
         "32.2", MotorCurrentFrom::Table45, "6 AWG", 80, 80, "8 AWG", "37.03", Governing::Motor},
        // Note 3: 51 A at unity power factor, times 1.25 at 80 %.
        {"60 hp 575 V synchronous at 0.8", "60hp",
         {.voltage = "600", .system = "3ph", .powerFactor = "0.8", .motorType = "synchronous"},
         "63.75", MotorCurrentFrom::Table44, "3 AWG", 150, 150, "6 AWG", "73.3125", Governing::Motor},
        {"60 hp 575 V synchronous at 0.9", "60hp",
         {.voltage = "600", .system = "3ph", .powerFactor = "0.9", .motorType = "synchronous"},
         "56.1", MotorCurrentFrom::Table44, "3 AWG", 125, 125, "6 AWG", "64.515", Governing::Motor},
        // A synchronous motor has no 208 V column: the 200 V one.
        {"25 hp 208 V synchronous", "25hp",
         {.voltage = "208", .system = "3ph", .motorType = "synchronous"},
         "62", MotorCurrentFrom::Table44, "3 AWG", 150, 150, "6 AWG", "71.3", Governing::Motor},
        // 1.7 A: every device may be 15 A, above 250 %.
        {"1 hp 575 V", "1hp", {.voltage = "600", .system = "3ph", .protection = "fuse"},
         "1.7", MotorCurrentFrom::Table44, "14 AWG", 15, 15, "14 AWG", "1.955", Governing::Ampacity},
        // Wound rotor, 150 % for every device: 144 A, so 125 A.
        {"75 hp 460 V wound rotor", "75hp",
         {.voltage = "460", .system = "3ph", .protection = "time-delay-fuse", .motorType = "wound-rotor"},
         "96", MotorCurrentFrom::Table44, "1/0 AWG", 125, 125, "6 AWG", "110.4", Governing::Motor},
        // Autotransformer starting: 27 A is not more than 30 A, 250 % fuse
        // (67.5 A: 60 A), 200 % breaker (54 A: 50 A); 41 A, 200 % (82 A: 80 A),
        // and 41 A alone needs 6 AWG (8 AWG carries 40 A).
        {"25 hp 575 V autotransformer, fuse", "25hp",
         {.voltage = "600", .system = "3ph", .protection = "fuse", .starting = "autotransformer"},
         "27", MotorCurrentFrom::Table44, "8 AWG", 60, 60, "10 AWG", "31.05", Governing::Motor},
        {"25 hp 575 V autotransformer, breaker", "25hp",
         {.voltage = "600", .system = "3ph", .starting = "autotransformer"},
         "27", MotorCurrentFrom::Table44, "8 AWG", 50, 50, "10 AWG", "31.05", Governing::Motor},
        {"40 hp 575 V star-delta, fuse", "40hp",
         {.voltage = "600", .system = "3ph", .protection = "fuse", .starting = "star-delta"},
         "41", MotorCurrentFrom::Table44, "6 AWG", 80, 80, "8 AWG", "47.15", Governing::Ampacity},
        // A motor's terminations go by the conductor's size, not by its
        // 150 A breaker: 3 AWG on 90 °C insulation is held to 85 A at 60 °C
        // (by the breaker, 75 °C, 4 AWG's 85 A would do).
        {"50 hp 460 V on 90 °C insulation", "50hp",
         {.insulation = "90", .voltage = "480", .system = "3ph"},
         "65", MotorCurrentFrom::Table44, "3 AWG", 150, 150, "6 AWG", "74.75", Governing::Motor},
        // Exactly 30 A is "not more than 30 A": a 250 % fuse, 75 A, so 70 A.
        {"30 A autotransformer, fuse", "30",
         {.voltage = "600", .system = "3ph", .motor = "yes", .protection = "fuse", .starting = "autotransformer"},
         "30", MotorCurrentFrom::Nameplate, "8 AWG", 70, 70, "8 AWG", "34.5", Governing::Motor},
        // 17 A, 21.25 A of conductor: 12 AWG at 75 °C (25 A). Rule 14-104(2)
        // does not hold it to 20 A: the 40 A breaker is Table 29's 42.5 A down.
        {"3 hp single-phase 240 V on 40 A", "3hp",
         {.insulation = "75", .terminations = "75", .breaker = "40", .voltage = "240"},
         "17", MotorCurrentFrom::Table45, "12 AWG", 40, 40, "12 AWG", "19.55", Governing::Motor},
        // The nameplate's current, used as it is; a service factor of 1.15
        // lets the overload go to 125 %.
        {"7.5 hp with its nameplate", "7.5hp",
         {.voltage = "600", .system = "3ph", .fla = "9.6", .serviceFactor = "1.15"},
         "9.6", MotorCurrentFrom::Nameplate, "14 AWG", 20, 20, "14 AWG", "12", Governing::Ampacity},
        // A dc motor by its nameplate current: Table 29's dc row, 150 %.
        {"dc motor in amperes", "40",
         {.voltage = "250", .system = "dc", .motor = "yes"},
         "40", MotorCurrentFrom::Nameplate, "6 AWG", 60, 60, "10 AWG", "46", Governing::Motor},
        // A fraction of a horsepower, single-phase at 120 V: 13.8 A.
        {"3/4 hp at 120 V", "3/4 hp", {.voltage = "120"},
         "13.8", MotorCurrentFrom::Table45, "12 AWG", 30, 30, "12 AWG", "15.87", Governing::Motor},
        {"1-1/2 hp at 115 V", "1-1/2hp", {.voltage = "115"},
         "20", MotorCurrentFrom::Table45, "10 AWG", 50, 50, "10 AWG", "23", Governing::Motor},
    };
    // clang-format on
    for (const Case &c : cases) {
        const ScheduleRow row = sized(c.load, c.texts);
        if (!check::that(row.sizing && !row.problem, std::string(c.what) + ": sized")) {
            if (row.problem)
                std::printf("  %s\n", describe(*row.problem).c_str());
            continue;
        }
        const Sizing &s = *row.sizing;
        check::that(s.motor, std::string(c.what) + ": a motor");
        check::equal(amperes(s.load), std::string(c.current), std::string(c.what) + ": current");
        check::that(s.motorCurrentFrom == c.from, std::string(c.what) + ": where from");
        check::equal(std::string(wireSizeName(s.conductor.size)), std::string(c.size),
                     std::string(c.what) + ": size");
        check::equal(s.breaker, Amperes{c.device} * OneAmpere, std::string(c.what) + ": device");
        check::equal(s.maxBreaker, c.maxDevice, std::string(c.what) + ": largest device");
        check::equal(std::string(wireSizeName(s.bonding.size)), std::string(c.bonding),
                     std::string(c.what) + ": bonding");
        check::equal(amperes(s.overloadMax), std::string(c.overload),
                     std::string(c.what) + ": overload");
        check::equal(std::string(governingName(s.governedBy)),
                     std::string(governingName(c.governing)), std::string(c.what) + ": governs");
        check::equal(s.continuousPercent, 0, std::string(c.what) + ": not a continuous load");
    }
}

// A motor given in amperes is the same motor given in horsepower; a load
// that is not a motor beside it keeps its continuous-load answer.
void motorsInAmperesAnswerAsInHorsepower()
{
    const ConditionTexts texts{.voltage = "600", .system = "3ph"};
    ConditionTexts motor = texts;
    motor.motor = "yes";
    const std::string inHorsepower = scheduleCsv(singleCircuit("10hp", texts));
    const std::string inAmperes = scheduleCsv(singleCircuit("11", motor));
    // The answer's cells, after the echoed load and conditions, but for
    // where the current came from.
    const auto answerOf = [](const std::string &csv, std::string_view from) {
        std::string row = csv.substr(csv.find('\n') + 1);
        row = row.substr(row.find(",14 AWG,"));
        const auto at = row.find(from);
        return at == std::string::npos ? row : row.replace(at, from.size(), "FROM");
    };
    check::equal(answerOf(inAmperes, ",nameplate,"), answerOf(inHorsepower, ",Table 44,"),
                 "11 A --motor yes is 10 hp");

    // The same 11 A as an ordinary continuous load: 13.75 A of conductor and
    // a 15 A breaker, as before motors were known.
    const ScheduleRow ordinary = sized("11", texts);
    check::that(ordinary.sizing && !ordinary.sizing->motor, "11 A is not a motor by itself");
    check::equal(ordinary.sizing->breaker, 15 * OneAmpere, "its breaker is Table 13's");
    check::equal(ordinary.sizing->continuousPercent, 80, "it is a continuous load");
    check::equal(std::string(governingName(ordinary.sizing->governedBy)), std::string("ampacity"),
                 "what governs it");
}

// What the tables cannot answer asks for the nameplate current; a device
// given above Table 29's largest is a problem with the conductor still named.
void motorProblemsAreNamed()
{
    struct Case
    {
        const char *what;
        const char *load;
        ConditionTexts texts;
        Problem::Kind kind;
        bool inputProblem;
        const char *words; // part of the sentence
    };
    // clang-format off
    const Case cases[] = {
        {"12 hp", "12hp", {.voltage = "600", .system = "3ph"},
         Problem::Kind::HorsepowerNotListed, true, "Table 44 has no row for the motor \"12hp\""},
        {"1/3 hp three-phase", "1/3hp", {.voltage = "600", .system = "3ph"},
         Problem::Kind::HorsepowerNotListed, true, "Table 44"},
        {"0.3 hp single-phase", "0.3hp", {.voltage = "120"},
         Problem::Kind::HorsepowerNotListed, true, "Table 45"},
        {"347 V", "10hp", {.voltage = "347", .system = "3ph"},
         Problem::Kind::MotorVoltageNotListed, true, "at 347 V"},
        {"a synchronous motor at 115 V", "30hp",
         {.voltage = "115", .system = "3ph", .motorType = "synchronous"},
         Problem::Kind::MotorVoltageNotListed, true, "Table 44"},
        {"single-phase 15 hp", "15hp", {.voltage = "240"},
         Problem::Kind::SinglePhaseAboveTable, true, "stops at 10 hp"},
        {"250 hp at 208 V", "250hp", {.voltage = "208", .system = "3ph"},
         Problem::Kind::MotorCellEmpty, true, "gives no current"},
        {"a synchronous motor above 125 hp at 230 V", "150hp",
         {.voltage = "240", .system = "3ph", .motorType = "synchronous"},
         Problem::Kind::MotorCellEmpty, true, "Table 44"},
        {"a dc motor in horsepower", "10hp", {.voltage = "250", .system = "dc"},
         Problem::Kind::DcMotorInHorsepower, true, "dc motor"},
        {"horsepower without a voltage", "10hp", {.system = "3ph"},
         Problem::Kind::HorsepowerWithoutVoltage, true, "needs a voltage"},
        {"the current twice", "11", {.motor = "yes", .fla = "11"},
         Problem::Kind::NameplateWithAmperes, true, "give it once"},
        {"a breaker above Table 29's", "10hp", {.breaker = "40", .voltage = "600", .system = "3ph"},
         Problem::Kind::MotorDeviceAboveTable29, false,
         "a 40 A breaker is above the 25 A that Table 29 permits for a motor of 11 A"},
        {"a fuse above Table 29's", "10hp",
         {.breaker = "35", .voltage = "600", .system = "3ph", .protection = "fuse"},
         Problem::Kind::MotorDeviceAboveTable29, false, "a 35 A fuse is above the 30 A"},
        {"a breaker below the current", "50hp",
         {.breaker = "60", .voltage = "480", .system = "3ph"},
         Problem::Kind::MotorDeviceBelowCurrent, false, "below the motor's full-load current of 65 A"},
    };
    // clang-format on
    for (const Case &c : cases) {
        const ScheduleRow row = sized(c.load, c.texts);
        if (!check::that(row.problem.has_value(), std::string(c.what) + ": a problem"))
            continue;
        check::that(row.problem->kind == c.kind, std::string(c.what) + ": its kind");
        check::equal(isMotorInputProblem(*row.problem), c.inputProblem,
                     std::string(c.what) + ": bad input or a design problem");
        const std::string words = describe(*row.problem);
        check::that(words.find(c.words) != std::string::npos,
                    std::string(c.what) + ": \"" + words + "\"");
        // A wrong device still names the conductor.
        check::equal(row.sizing.has_value(), !c.inputProblem,
                     std::string(c.what) + ": the conductor named");
    }
    // The device problem's row counts as a problem.
    const Schedule schedule =
        sizeSchedule("load,breaker,voltage,system\n10hp,40,600,3ph\n10hp,,600,3ph\n");
    const ScheduleSummary summary = summarize(schedule);
    check::equal(summary.problems, 1, "the device problem counted");
    check::equal(summary.motors, 2, "both rows are motors");
}

// Each bad value of the motor's inputs is refused by its reader.
void badMotorValuesAreRefused()
{
    const std::pair<ConditionTexts, Problem::Kind> cases[] = {
        {{.motor = "maybe"}, Problem::Kind::MotorNotYesNo},
        {{.fla = "0"}, Problem::Kind::NameplateNotPositive},
        {{.fla = "-3"}, Problem::Kind::NameplateNotPositive},
        {{.fla = "abc"}, Problem::Kind::NameplateNotPositive},
        {{.protection = "circuit-breaker"}, Problem::Kind::UnknownMotorDevice},
        {{.starting = "soft-start"}, Problem::Kind::UnknownStarting},
        {{.motorType = "universal"}, Problem::Kind::UnknownMotorType},
        {{.serviceFactor = "0.9"}, Problem::Kind::ServiceFactorBelowOne},
        {{.serviceFactor = "x"}, Problem::Kind::ServiceFactorBelowOne},
    };
    for (const auto &[texts, kind] : cases) {
        const auto read = readConditions(texts);
        check::that(std::holds_alternative<Problem>(read) && std::get<Problem>(read).kind == kind,
                    "refused: " + describe(std::holds_alternative<Problem>(read)
                                               ? std::get<Problem>(read)
                                               : makeProblem(Problem::Kind::LoadNotPositive)));
    }
    // French words and other spellings read as the English ones.
    const auto french = readConditions({.motor = "oui",
                                        .fla = "12,5",
                                        .protection = "fusible temporisé",
                                        .starting = "Étoile-Triangle",
                                        .motorType = "rotor bobiné",
                                        .serviceFactor = "1,15",
                                        .decimalComma = true});
    check::that(std::holds_alternative<Conditions>(french), "the French words read");
    if (const auto *c = std::get_if<Conditions>(&french)) {
        check::that(c->motor.isMotor && c->motor.nameplate == 125000 &&
                        c->motor.device == MotorDevice::TimeDelayFuse &&
                        c->motor.starting == MotorStarting::StarDelta &&
                        c->motor.type == MotorType::WoundRotor && c->motor.serviceFactor == 115,
                    "each French value as the English one");
    }
    // Horsepower that does not read is a bad load.
    for (const char *load : {"x/4hp", "1-/2hp", "3/0hp", "hp", "-5hp", "1,5hp"}) {
        const auto read = readLoadText(load, LoadUnit::Amperes);
        check::that(std::holds_alternative<Problem>(read), std::string("refused: ") + load);
    }
    check::equal(std::get<LoadText>(readLoadText("1 1/2 ch", LoadUnit::Amperes)).horsepowerTwelfths,
                 HorsepowerTwelfths{18}, "1 1/2 ch");
}

// A schedule with a load in horsepower, English and French headings, written
// back with the motor's columns, and the same when sized again.
void motorSchedulesRoundTrip()
{
    const std::string english = "Circuit,Load (hp),Voltage,System,Protection,Starting\n"
                                "M-1,10,600,3ph,,\n"
                                "M-2,25,575,3ph,fuse,autotransformer\n"
                                "L-1,16 A,120,1ph,,\n";
    const Schedule schedule = sizeSchedule(english);
    check::that(!schedule.error, "the motor schedule reads");
    const std::string written = scheduleCsv(schedule);
    const std::string header = written.substr(0, written.find('\n'));
    check::that(header.find(",load_amperes,size,") != std::string::npos &&
                    header.ends_with(",motor_current,motor_current_from,overload_max,raceway_size,"
                                     "raceway_fill,raceway_wire,problem"),
                "the amperes and the motor's columns: " + header);
    check::that(written.find("\nM-1,10,600,3ph,,,11,14 AWG,") != std::string::npos &&
                    written.find(",25,yes,25,1,14 AWG,cu,11,Table 44,12.65,,,,\n") !=
                        std::string::npos,
                "M-1: 11 A, a 25 A breaker chosen, 12.65 A of overload");
    check::that(written.find(",60,yes,60,1,10 AWG,cu,27,Table 44,31.05,,,,\n") != std::string::npos,
                "M-2: a 60 A fuse");
    // An ampere cell under a horsepower heading is an ordinary load.
    check::that(written.find("\nL-1,16 A,120,1ph,,,,12 AWG,") != std::string::npos &&
                    written.find(",20,1,14 AWG,cu,,,,,,,\n") != std::string::npos,
                "L-1: an ordinary load, the motor's columns empty");
    check::equal(scheduleCsv(sizeSchedule(written)), written, "sized again, the same");

    const std::string french = "Circuit;Charge (ch);Tension;Syst\xC3\xA8me;Protection;"
                               "D\xC3\xA9marrage;Type de moteur;Courant de plaque\n"
                               "M-1;7,5;600;triphas\xC3\xA9;fusible temporis\xC3\xA9;"
                               "\xC3\xA9toile-triangle;rotor bobin\xC3\xA9;\n"
                               "M-2;7,5;600;triphas\xC3\xA9;;;;9,5\n";
    const Schedule francais = sizeSchedule(french);
    check::that(!francais.error, "the French motor schedule reads");
    const std::string ecrit = scheduleCsv(francais);
    // Wound rotor: 150 % of 9 A is 13.5 A, a 15 A time-delay fuse.
    check::that(ecrit.find(";9;14 AWG;") != std::string::npos &&
                    ecrit.find(";15;yes;15;1;14 AWG;cu;9;Table 44;10,35;;;;\n") !=
                        std::string::npos,
                "M-1 in French: " + ecrit);
    check::that(ecrit.find(";9,5;14 AWG;") != std::string::npos &&
                    ecrit.find(";cu;9,5;nameplate;10,925;;;;\n") != std::string::npos,
                "M-2 by its nameplate, decimals with a comma");
}

} // namespace

int main()
{
    tablesMatchTheReferences();
    motorsAreSizedBySection28();
    motorsInAmperesAnswerAsInHorsepower();
    motorProblemsAreNamed();
    badMotorValuesAreRefused();
    motorSchedulesRoundTrip();
    return check::summary();
}
