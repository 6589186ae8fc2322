// A circuit designed whole: the continuous load (Rule 8-104), the breaker
// and the conductor it protects (Rule 14-104, Table 13), parallel sets
// (Rule 12-108) and the bonding conductor (Rule 10-616, Table 16). The
// Code's tables are checked cell by cell against transcriptions typed apart
// from the program's, and the cases are worked as a designer works them.

#include "AmpacityTables.h"
#include "BondingTable.h"
#include "Check.h"
#include "ConductorSizing.h"
#include "Protection.h"
#include "ReferenceRows.h"
#include "Table13.h"

#include <string>
#include <vector>

using namespace ampacity;
using namespace ampacity::sizing;

namespace {

// A size as the reference writes it ("250 kcmil") in the list's words.
std::string listWords(std::string size)
{
    if (const auto kcmil = size.find(" kcmil"); kcmil != std::string::npos)
        size.replace(kcmil, 6, " MCM");
    return size;
}

void tablesMatchTheReferences()
{
    // Table 13: both ends of every row, and beyond 800 A the ampacity itself.
    const auto table13Rows = referenceRows(TORVANE_TABLE_13);
    check::equal(table13Rows.size(), table13().size(), "Table 13's rows");
    for (const auto &row : table13Rows) {
        const int rating = std::stoi(row[2]);
        check::equal(table13Rating(std::stoi(row[0])), rating, "Table 13 from " + row[0]);
        check::equal(table13Rating(std::stoi(row[1])), rating, "Table 13 to " + row[1]);
    }
    check::equal(table13Rating(801), 801, "above 800 A, the ampacity");
    check::equal(table13Rating(1385), 1385, "far above 800 A, the ampacity");

    // Rule 14-104(2): the limits named, and none on any other size.
    const auto caps = referenceRows(TORVANE_SMALL_CAPS);
    int named = 0;
    for (const char *materialName : {"cu", "al"}) {
        const auto material = std::get<std::int16_t>(readMaterial(materialName));
        for (std::size_t row = 0; row < WireSizeTexts.size(); ++row) {
            std::optional<int> expected;
            for (const auto &cap : caps)
                if (cap[0] == materialName && cap[1] == trimmed(WireSizeTexts[row]))
                    expected = std::stoi(cap[2]), ++named;
            if (material == material::Aluminum && row == 0)
                continue; // no 14 AWG aluminum
            check::that(smallConductorLimit(WireSize{material, ListedSizes[row]}) == expected,
                        std::string(materialName) + " " + std::string(trimmed(WireSizeTexts[row])));
        }
    }
    check::equal(named, 5, "every small-conductor limit compared");

    // Table 16: both columns of wire, at each row's "not exceeding" and a
    // ten-thousandth of an ampere above it (the next row).
    const auto table16Rows = referenceRows(TORVANE_TABLE_16);
    check::equal(table16Rows.size(), std::size_t{19}, "Table 16's rows");
    for (std::size_t r = 0; r < table16Rows.size(); ++r) {
        const auto &row = table16Rows[r];
        const Amperes limit = std::stoll(row[0]) * OneAmpere;
        for (const int column : {1, 2}) {
            const std::int16_t material = column == 1 ? material::Copper : material::Aluminum;
            const auto bonding = bondingConductor(material, limit);
            check::equal(bonding ? std::string(wireSizeName(bonding->size)) : "(none)",
                         listWords(row[static_cast<std::size_t>(column)]),
                         "Table 16 at " + row[0] + " A, column " + std::to_string(column));
            const auto above = bondingConductor(material, limit + 1);
            const std::string next =
                r + 1 < table16Rows.size()
                    ? listWords(table16Rows[r + 1][static_cast<std::size_t>(column)])
                    : "(none)";
            check::equal(above ? std::string(wireSizeName(above->size)) : "(none)", next,
                         "Table 16 just above " + row[0] + " A");
        }
    }
    // Shared by parallel sets: each raceway's bonding conductor takes its share.
    const auto shared = bondingConductor(material::Copper, 600 * OneAmpere, 2);
    check::equal(shared ? std::string(wireSizeName(shared->size)) : "", std::string("4 AWG"),
                 "600 A in two raceways bonds as 300 A");
}

// One circuit sized as the command line sizes it, from the options' texts.
struct Design
{
    std::optional<Sizing> sizing;
    std::optional<Problem> problem;
};

Design designed(std::string_view load, const ConditionTexts &texts)
{
    Design design;
    const auto conditions = readConditions(texts);
    if (const auto *p = std::get_if<Problem>(&conditions)) {
        design.problem = *p;
        return design;
    }
    const auto answer =
        sizeFor(std::get<Amperes>(readLoad(load)), std::get<Conditions>(conditions));
    if (const auto *sizing = std::get_if<Sizing>(&answer))
        design.sizing = *sizing;
    else
        design.problem = std::get<Problem>(answer);
    return design;
}

// The Code's cases and a designer's: what governs, the breaker, the largest
// breaker the conductor may have, and the bonding conductor.
void circuitsAreDesignedWhole()
{
    struct Case
    {
        const char *what;
        std::string load;
        ConditionTexts texts;
        std::string size;
        Governing governing;
        Amperes breaker; // whole amperes; 0: none
        bool chosen;
        int maxBreaker;
        std::string bonding;
        Amperes usable = 0; // ten-thousandths, where the case names it
        int terminations = -1;
        int sets = 1;
    };
    // clang-format off
    const Case cases[] = {
        // 6 x 12 AWG RW90 at 40 °C, 90 °C terminations: 30 x 0.91 x 0.8 =
        // 21.84 A; Table 13 allows 25 A, Rule 14-104(2) 20 A on 12 AWG.
        {"12 AWG, six conductors", "20",
         {.insulation = "90", .ambient = "40", .conductors = "6", .terminations = "90", .breaker = "none", .continuous = "no"},
         "12 AWG", Governing::Ampacity, 0, false, 20, "12 AWG", 218400},
        // 4 x 1/0 RW75 at 40 °C: 150 x 0.88 x 0.8 = 105.6 A, 110 A at most.
        {"1/0 AWG, four conductors", "100",
         {.insulation = "75", .ambient = "40", .conductors = "4", .breaker = "none", .continuous = "no"},
         "1/0 AWG", Governing::Ampacity, 0, false, 110, "6 AWG", 1056000},
        // An electric-vehicle charger, 48 A continuous: 60 A of conductor and a
        // 60 A breaker; 60 °C terminations hold 6 AWG (65 A at 75 °C) to 55 A.
        {"48 A continuous, auto", "48", {.insulation = "75"},
         "4 AWG", Governing::ContinuousLoad, 60, true, 70, "10 AWG", 700000, 60},
        {"48 A continuous, 75 °C terminations", "48", {.insulation = "75", .terminations = "75"},
         "6 AWG", Governing::ContinuousLoad, 60, true, 70, "10 AWG", 650000, 75},
        // 100 A, 75 °C insulation and terminations.
        {"100 A not continuous", "100", {.insulation = "75", .terminations = "75", .continuous = "no"},
         "3 AWG", Governing::Ampacity, 100, true, 100, "8 AWG"},
        {"100 A continuous", "100", {.insulation = "75", .terminations = "75"},
         "1 AWG", Governing::ContinuousLoad, 125, true, 150, "6 AWG"},
        // In free air the share is 70 % (85 % on a 100 % device): Table 1.
        {"100 A continuous in free air", "100",
         {.installation = "free-air", .insulation = "75", .terminations = "75"},
         "3 AWG", Governing::ContinuousLoad, 125, true, 150, "6 AWG"},
        {"100 A continuous in free air, 100 % device", "100",
         {.installation = "free-air", .insulation = "75", .terminations = "75", .deviceRating = "100"},
         "4 AWG", Governing::Ampacity, 100, true, 125, "8 AWG"},
        // 85 A continuous in free air on a 100 % device needs 100 A: 6 AWG
        // (95 A) would carry 85 A whole, not at 85 %.
        {"85 A continuous in free air, 100 % device", "85",
         {.installation = "free-air", .insulation = "75", .terminations = "75", .deviceRating = "100"},
         "4 AWG", Governing::ContinuousLoad, 90, true, 125, "8 AWG"},
        // A 40 A breaker on 20 A: 12 AWG may have 20 A, 10 AWG 30 A: 8 AWG.
        {"20 A on a 40 A breaker", "20", {.breaker = "40"},
         "8 AWG", Governing::Protection, 40, false, 40, "10 AWG"},
        // A chosen 110 A breaker puts the terminations at 75 °C: 2 AWG, not 1 AWG.
        {"105 A not continuous", "105", {.insulation = "75", .continuous = "no"},
         "2 AWG", Governing::Ampacity, 110, true, 125, "6 AWG", 1150000, 75},
        // 16 A not continuous needs a 20 A breaker, which 14 AWG may not have.
        {"16 A, 14 AWG not protected", "16", {.insulation = "90", .terminations = "none", .continuous = "no"},
         "12 AWG", Governing::Protection, 20, true, 20, "14 AWG"},
        {"16 A, no breaker", "16", {.insulation = "90", .terminations = "none", .breaker = "none", .continuous = "no"},
         "14 AWG", Governing::Ampacity, 0, false, 15, "14 AWG"},
        // A 30 A breaker bonds with 12 AWG: 24 A continuous needs 30 A, 10 AWG.
        {"30 A breaker", "24", {}, "10 AWG", Governing::Ampacity, 30, true, 30, "12 AWG"},
        // The drop moves a 40 A circuit up to 4 AWG (70 A): bonded by 70 A,
        // 8 AWG, not by the breaker's 10 AWG (Rule 10-616(3)(b)).
        {"40 A breaker, drop to 4 AWG", "30", {.breaker = "40", .length = "40", .voltage = "120"},
         "4 AWG", Governing::VoltageDrop, 40, false, 70, "8 AWG"},
        // 600 A in two sets: 300 A each, two of 350 kcmil at 60 °C would be
        // 520 A; each raceway bonded as 300 A: 4 AWG.
        {"600 A in two sets", "480", {.insulation = "75", .breaker = "600", .sets = "2"},
         "350 MCM", Governing::ContinuousLoad, 600, false, 700, "4 AWG", 3100000, 75, 2},
        // The bonding conductor is never larger than the circuit's own:
        // 14 AWG at 90 °C carries 25 A, Table 16 would give 12 AWG.
        {"bonding held to the conductor", "20",
         {.insulation = "90", .terminations = "none", .breaker = "none", .continuous = "no"},
         "14 AWG", Governing::Ampacity, 0, false, 15, "14 AWG"},
        // ...of the same metal only: aluminum bonding for copper takes Table 16's.
        {"aluminum bonding", "20",
         {.insulation = "90", .terminations = "none", .breaker = "none", .continuous = "no", .bondMaterial = "al"},
         "14 AWG", Governing::Ampacity, 0, false, 15, "10 AWG"},
        // A circuit that is not continuous on a marked 100 % device is the same.
        {"French words", "48", {.insulation = "75", .continuous = "oui", .bondMaterial = "cuivre"},
         "4 AWG", Governing::ContinuousLoad, 60, true, 70, "10 AWG"},
    };
    // clang-format on
    for (const Case &c : cases) {
        const Design design = designed(c.load, c.texts);
        const std::string what = c.what;
        if (!check::that(design.sizing.has_value(),
                         what + " is sized" +
                             (design.problem ? ": " + describe(*design.problem) : "")))
            continue;
        const Sizing &s = *design.sizing;
        check::equal(wireSizeName(s.conductor.size), c.size, what + ": size");
        check::equal(governingName(s.governedBy), governingName(c.governing),
                     what + ": governed by");
        check::equal(s.breaker, c.breaker * OneAmpere, what + ": breaker");
        check::equal(s.breakerChosen, c.chosen, what + ": breaker chosen");
        check::equal(s.maxBreaker, c.maxBreaker, what + ": largest breaker");
        check::equal(wireSizeName(s.bonding.size), c.bonding, what + ": bonding");
        check::equal(s.sets, c.sets, what + ": sets");
        if (c.usable > 0)
            check::equal(s.usable, c.usable, what + ": usable ampacity");
        if (c.terminations >= 0)
            check::equal(s.terminationRating, c.terminations, what + ": terminations");
    }
}

// Rule 14-104 takes the ampacity in whole amperes, rounded down: the safe
// side at every edge of Table 13's rows.
void table13EdgesFallOnTheSafeSide()
{
    struct Edge
    {
        const char *what;
        ConditionTexts texts;
        std::string load;
        int maxBreaker;
    };
    // clang-format off
    const Edge edges[] = {
        // 14 AWG 60 °C, 15 A: 15 A; 14 AWG 75 °C, 20 A: 20 A but Rule 14-104(2) 15 A.
        {"15 A", {.insulation = "60"}, "1", 15},
        {"20 A on 14 AWG", {.insulation = "75", .terminations = "75"}, "1", 15},
        // 3 AWG at 75 °C: 100 A, 100 A; 2 AWG 115 A: 125 A.
        {"100 A", {.insulation = "75", .terminations = "75"}, "100", 100},
        {"115 A", {.insulation = "75", .terminations = "75"}, "100.01", 125},
        // 3 AWG RW90 at 35 °C: 115 x 0.96 = 110.4 A permits 110 A, not 125 A.
        {"110.4 A", {.insulation = "90", .ambient = "35", .terminations = "none"}, "110.4", 110},
        // 2/0 RW75 at 45 °C, 7 conductors: 175 x 0.82 x 0.7 = 100.45 A, 100 A.
        {"100.45 A", {.insulation = "75", .ambient = "45", .conductors = "7"}, "100.45", 100},
        // 1/0 RW75 at 55 °C: 150 x 0.67 = 100.5 A, 100 A; 101 A and 111 A edges.
        {"100.5 A", {.insulation = "75", .ambient = "55"}, "100.5", 100},
        // 1 AWG at 75 °C, 130 A: 150 A; 1/0 150 A: 150 A; 2/0 175 A: 175 A.
        {"130 A", {.insulation = "75", .terminations = "75"}, "116", 150},
        // 2000 MCM at 90 °C, 735 A: 800 A; two sets of it, 1470 A: no more.
        {"735 A", {.insulation = "90", .terminations = "90"}, "700", 800},
        {"1470 A in two sets", {.insulation = "90", .terminations = "90", .sets = "2"}, "1450", 1470},
    };
    // clang-format on
    for (const Edge &e : edges) {
        ConditionTexts texts = e.texts;
        texts.breaker = "none";
        texts.continuous = "no";
        const Design design = designed(e.load, texts);
        check::equal(design.sizing ? design.sizing->maxBreaker : -1, e.maxBreaker,
                     std::string(e.what) + ": largest breaker");
    }
    // The rating chosen: the smallest standard one that carries the load.
    const std::pair<std::string, int> chosen[] = {
        {"15", 15},      {"15.0001", 20}, {"100", 100},     {"100.01", 110},  {"110", 110},
        {"110.01", 125}, {"800", 800},    {"800.01", 1000}, {"3000.01", 4000}};
    for (const auto &[load, rating] : chosen) {
        const Design design = designed(
            load, {.insulation = "90", .terminations = "90", .continuous = "no", .sets = "auto"});
        check::equal(design.sizing ? design.sizing->breaker : 0, Amperes{rating} * OneAmpere,
                     "the breaker chosen for " + load + " A");
    }
}

// Rule 8-104 exactly: at 80 % the load passes, a hundredth above it does not.
void continuousLoadsAtTheirLimit()
{
    // 8 AWG at 60 °C, 40 A: 32 A is 80 % of it.
    const ConditionTexts noBreaker{.breaker = "none"};
    check::equal(wireSizeName(designed("32", noBreaker).sizing->conductor.size), "8 AWG",
                 "32 A on 40 A");
    check::equal(wireSizeName(designed("32.01", noBreaker).sizing->conductor.size), "6 AWG",
                 "32.01 A on 40 A");
    ConditionTexts full = noBreaker;
    full.deviceRating = "100";
    check::equal(wireSizeName(designed("40", full).sizing->conductor.size), "8 AWG",
                 "40 A at 100 %");
    // The breaker: a continuous 48 A is too much for 50 A at 80 % (40 A).
    const Design tooSmall = designed("48", {.breaker = "50"});
    check::that(tooSmall.problem && tooSmall.problem->kind == Problem::Kind::BreakerTooSmall,
                "48 A continuous on a 50 A breaker");
    if (tooSmall.problem)
        check::equal(describe(*tooSmall.problem),
                     std::string("a 50 A breaker is too small for a continuous load of \"48\" A: "
                                 "at 80 % it carries 40 A (Rule 8-104)"),
                     "its line");
    check::that(designed("50", {.breaker = "50", .continuous = "no"}).sizing.has_value(),
                "50 A not continuous on 50 A");
    check::that(designed("40", {.breaker = "50"}).sizing.has_value(), "40 A continuous on 50 A");
    const Design beyond = designed("4800.01", {});
    check::that(beyond.problem && beyond.problem->kind == Problem::Kind::NoBreakerRating,
                "no breaker past 6000 A at 80 %");
}

// Rule 12-108: 1/0 AWG and larger only, and the fewest sets within --largest.
void parallelSets()
{
    // 200 A in two sets: 1 AWG (110 A) would do, but is never paralleled.
    const Design two = designed("200", {.breaker = "none", .continuous = "no", .sets = "2"});
    check::equal(two.sizing ? std::string(wireSizeName(two.sizing->conductor.size)) : "",
                 std::string("1/0 AWG"), "1 AWG never paralleled");
    if (two.sizing)
        check::equal(two.sizing->perConductor, 100 * OneAmpere, "each carries half");
    // 500 kcmil at 75 °C carries 380 A: one set to 380 A, two above.
    const ConditionTexts autoSets{.insulation = "75",
                                  .terminations = "none",
                                  .breaker = "none",
                                  .continuous = "no",
                                  .sets = "auto"};
    const Design one = designed("380", autoSets);
    check::that(one.sizing && one.sizing->sets == 1 &&
                    wireSizeName(one.sizing->conductor.size) == "500 MCM",
                "one set of 500 kcmil at 380 A");
    const Design more = designed("380.0001", autoSets);
    check::that(more.sizing && more.sizing->sets == 2 &&
                    wireSizeName(more.sizing->conductor.size) == "3/0 AWG",
                "two sets of 3/0 AWG above 380 A");
    ConditionTexts larger = autoSets;
    larger.largest = "600";
    const Design one600 = designed("380.0001", larger);
    check::that(one600.sizing && one600.sizing->sets == 1, "one set with 600 kcmil allowed");
    // Even ten sets of 500 kcmil: no.
    const Design none = designed("3800.01", autoSets);
    check::that(none.problem && none.problem->kind == Problem::Kind::NoSetsCarry,
                "ten sets are the most");
    if (none.problem)
        check::equal(describe(*none.problem),
                     std::string("even 10 parallel sets of conductors up to 500 MCM do not meet "
                                 "every requirement for \"3800.01\" A"),
                     "its line");
    // One set that cannot: the line says how many sets would.
    const Design single = designed("800", {});
    check::that(single.problem && single.problem->suggestedSets == 4 &&
                    trimmed(single.problem->suggestedSize) == "350 MCM",
                "800 A continuous: 4 sets of 350 kcmil would");
    // The drop of each set is its share's: two sets at 300 A drop as one at 150 A.
    const ConditionTexts run{
        .breaker = "none", .length = "100", .voltage = "600", .continuous = "no"};
    ConditionTexts runInTwo = run;
    runInTwo.sets = "2";
    const Design inTwo = designed("300", runInTwo);
    const Design alone = designed("150", run);
    if (check::that(inTwo.sizing && inTwo.sizing->drop && alone.sizing && alone.sizing->drop,
                    "sized with a run"))
        check::that(wireSizeText(inTwo.sizing->conductor.size) ==
                            wireSizeText(alone.sizing->conductor.size) &&
                        inTwo.sizing->drop->volts == alone.sizing->drop->volts,
                    "two sets at 300 A drop as one at 150 A");
}

// Bad values are refused with their own words.
void badDesignValuesAreNamed()
{
    const std::pair<ConditionTexts, std::string> cases[] = {
        {{.continuous = "maybe"}, "continuous \"maybe\" is not yes or no"},
        {{.deviceRating = "90"}, "the device rating \"90\" is not 80 or 100 (%)"},
        {{.sets = "0"}, "the sets \"0\" is not a whole number from 1 to 10, or auto"},
        {{.sets = "11"}, "the sets \"11\" is not a whole number from 1 to 10, or auto"},
        {{.sets = "1.5"}, "the sets \"1.5\" is not a whole number from 1 to 10, or auto"},
        {{.largest = "700"}, "the largest size \"700\" is not in the list of conductors"},
        {{.bondMaterial = "fe"}, "the bonding material \"fe\" is not cu or al"},
        {{.breaker = "nothing"}, "the breaker \"nothing\" is not a positive number of amperes"},
    };
    for (const auto &[texts, line] : cases) {
        const Design design = designed("10", texts);
        check::equal(design.problem ? describe(*design.problem) : "", line, line);
    }
    for (const char *accepted : {"yes", "no", "Oui", "NON"})
        check::that(designed("10", {.continuous = accepted}).sizing.has_value(), accepted);
    for (const char *accepted : {"80", "100", "100 %", "80%"})
        check::that(designed("10", {.deviceRating = accepted}).sizing.has_value(), accepted);
    for (const char *accepted : {"none", "aucun", "NONE"})
        check::that(designed("10", {.breaker = accepted}).sizing->breaker == 0, accepted);
}

// Rule 4-006 under auto with no device: the conductor's size decides, 60 °C
// up to No. 1 AWG. 1/0 AWG aluminum (the aluminum list starts at 12 AWG, a
// row later than copper's) is above it: 75 °C. 110 A on 90 °C aluminum:
// 1 AWG is held to 100 A at 60 °C; 1/0 AWG carries 120 A at 75 °C.
void terminationsGoBySizeInEitherMetal()
{
    const Design aluminum = designed(
        "110", {.material = "al", .insulation = "90", .breaker = "none", .continuous = "no"});
    check::that(aluminum.sizing.has_value(), "110 A aluminum sized");
    if (aluminum.sizing) {
        check::equal(std::string(wireSizeName(aluminum.sizing->conductor.size)),
                     std::string("1/0 AWG"), "110 A aluminum, auto terminations");
        check::equal(aluminum.sizing->terminationRating, 75, "1/0 AWG aluminum at 75 °C");
    }
    const Design copper =
        designed("110", {.insulation = "90", .breaker = "none", .continuous = "no"});
    // Copper's No. 1 AWG stays at 60 °C, where it carries 110 A.
    check::equal(copper.sizing ? std::string(wireSizeName(copper.sizing->conductor.size)) : "",
                 std::string("1 AWG"), "110 A copper, auto terminations");
    check::equal(copper.sizing ? copper.sizing->terminationRating : 0, 60, "1 AWG copper at 60 °C");
}

// Where the voltage drop governs, size_for_ampacity names the size the
// ampacity alone gives, in the circuit's own metal: the same circuit
// without a run.
void sizeForAmpacityIsInTheCircuitsMetal()
{
    for (const char *metal : {"cu", "al"}) {
        for (const char *load : {"20", "45", "90", "180"}) {
            const ConditionTexts alone{.material = metal};
            ConditionTexts withRun = alone;
            withRun.length = "150";
            withRun.voltage = "240";
            const Design short_ = designed(load, alone);
            const Design long_ = designed(load, withRun);
            if (!check::that(short_.sizing && long_.sizing,
                             std::string(metal) + " " + load + " A sized"))
                continue;
            check::that(long_.sizing->governedBy == Governing::VoltageDrop,
                        std::string(metal) + " " + load + " A: the drop governs");
            check::equal(std::string(wireSizeName(long_.sizing->sizeForAmpacity->size)),
                         std::string(wireSizeName(short_.sizing->conductor.size)),
                         std::string(metal) + " " + load + " A: the size for ampacity");
        }
    }
}

// The ratings a breaker is chosen from above Table 13's 800 A: 1000, 1200,
// 1600, 2000, 2500, 3000, 4000, 5000 and 6000 A; a load a ten-thousandth of
// an ampere above one takes the next.
void breakersAbove800AreTheStandardFrames()
{
    const std::pair<const char *, Amperes> cases[] = {
        {"1000", 1000},      {"1000.0001", 1200}, {"1200", 1200},      {"1200.0001", 1600},
        {"1600.0001", 2000}, {"2000.0001", 2500}, {"2500.0001", 3000}, {"3000.0001", 4000},
        {"4000.0001", 5000}, {"5000.0001", 6000}};
    for (const auto &[load, rating] : cases) {
        const Design design = designed(
            load, {.insulation = "90", .continuous = "no", .sets = "auto", .largest = "2000"});
        check::equal(design.sizing ? design.sizing->breaker : 0, rating * OneAmpere,
                     std::string("the breaker chosen for ") + load + " A");
    }
    const Design beyond = designed("6000.0001", {.continuous = "no", .sets = "auto"});
    check::that(beyond.problem && beyond.problem->kind == Problem::Kind::NoBreakerRating,
                "no rating above 6000 A");
}

} // namespace

int main()
{
    tablesMatchTheReferences();
    terminationsGoBySizeInEitherMetal();
    sizeForAmpacityIsInTheCircuitsMetal();
    breakersAbove800AreTheStandardFrames();
    circuitsAreDesignedWhole();
    table13EdgesFallOnTheSafeSide();
    continuousLoadsAtTheirLimit();
    parallelSets();
    badDesignValuesAreNamed();
    return check::summary();
}
