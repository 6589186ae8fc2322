// The condition buttons' cycles, the correction factors of Tables 5A, 5B and
// 5C, the corrected ampacity with its rounding and text, and the caption that
// names the tables applied.

#include "AmpacityTables.h"
#include "Check.h"
#include "ConditionCycles.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"

#include <charconv>
#include <clocale>
#include <cmath>
#include <string>
#include <tuple>
#include <vector>

using namespace ampacity;

namespace {

const std::string Deg = "\u00B0";
const std::string Wires = "Wires\u00A0# ";
const std::string Times = " \u00D7 ";

std::string ambient(int celsius)
{
    return "Ambient " + std::to_string(celsius) + Deg + "C";
}

// Clicking through each cycle from "no correction" until it is back at 1:
// the captions and factors of the published tables, in order.
void cyclesStepAndWrap()
{
    struct Cycle
    {
        const char *name;
        std::span<const FactorStep> steps;
        std::vector<std::string> captions;
        std::vector<float> factors;
    };
    const Cycle cycles[] = {
        {"Table 5A, 60 C",
         ambientCycle(insulation::Rated60C),
         {ambient(35), ambient(40), ambient(45), ambient(50), ambient(55), ambient(30)},
         {0.91f, 0.82f, 0.71f, 0.58f, 0.41f, 1.0f}},
        {"Table 5A, 75 C",
         ambientCycle(insulation::Rated75C),
         {ambient(35), ambient(40), ambient(45), ambient(50), ambient(55), ambient(60), ambient(65),
          ambient(70), ambient(30)},
         {0.94f, 0.88f, 0.82f, 0.75f, 0.67f, 0.58f, 0.47f, 0.33f, 1.0f}},
        {"Table 5A, 90 C",
         ambientCycle(insulation::Rated90C),
         {ambient(35), ambient(40), ambient(45), ambient(50), ambient(55), ambient(60), ambient(65),
          ambient(70), ambient(75), ambient(80), ambient(30)},
         {0.96f, 0.91f, 0.87f, 0.82f, 0.76f, 0.71f, 0.65f, 0.58f, 0.5f, 0.41f, 1.0f}},
        {"Table 5C, raceway or cable",
         conductorCountCycle(installation::RacewayOrCable),
         {Wires + "4-6", Wires + "7-24", Wires + "25-42", Wires + "over 43", Wires + "1-3"},
         {0.8f, 0.7f, 0.6f, 0.5f, 1.0f}},
        {"Table 5B, free air",
         conductorCountCycle(installation::FreeAir),
         {"2 Wires", "3 Wires ", "4 Wires", "1 Wire"},
         {0.9f, 0.85f, 0.8f, 1.0f}},
    };
    for (const Cycle &cycle : cycles) {
        check::equal(cycle.steps.size(), cycle.captions.size(), std::string(cycle.name) + " steps");
        float factor = 1.0f;
        for (std::size_t click = 0; click < cycle.captions.size(); ++click) {
            const FactorStep step = nextFactorStep(cycle.steps, factor);
            const std::string at = std::string(cycle.name) + ", click " + std::to_string(click + 1);
            check::equal(step.caption, cycle.captions[click], at);
            check::equal(step.factor, cycle.factors[click], at);
            factor = step.factor;
        }
    }

    // A factor the column does not hold leads back to the first step; a value
    // found in several columns steps within the column in force.
    check::equal(nextFactorStep(ambientCycle(insulation::Rated90C), 0.33f).factor, 1.0f,
                 "stray ambient factor");
    check::equal(nextFactorStep(ambientCycle(insulation::Rated60C), 0.82f).factor, 0.71f,
                 "0.82 under 60 C");
    check::equal(nextFactorStep(ambientCycle(insulation::Rated75C), 0.82f).factor, 0.75f,
                 "0.82 under 75 C");
    check::equal(InitialAmbientCaption, ambient(30) + " ", "the ambient caption at start-up");
}

// The material button keeps the conductor: the row moves with the 14 AWG row.
void materialKeepsTheConductor()
{
    struct Click
    {
        const char *caption;
        std::int16_t row;
        const char *nextCaption;
        std::int16_t nextRow;
        std::uint32_t colour;
    };
    const Click clicks[] = {
        {"CU", 2, "AL", 1, colours::AluminumTextColour}, // 10 AWG
        {"AL", 1, "CU", 2, colours::CopperTextColour},   // and back
        {"CU", 0, "AL", 0, colours::AluminumTextColour}, // 14 AWG becomes 12 AWG
        {"AL", 0, "CU", 1, colours::CopperTextColour},   // 12 AWG stays 12 AWG
        {"AL", 23, "CU", 24, colours::CopperTextColour}, // 2000 MCM
        {"CU", 24, "AL", 23, colours::AluminumTextColour},
    };
    for (const Click &click : clicks) {
        const MaterialChange change = nextMaterial(click.caption, click.row);
        const std::string at = std::string(click.caption) + " row " + std::to_string(click.row);
        check::equal(change.caption, std::string_view(click.nextCaption), at);
        check::equal(change.wireSizeRow, click.nextRow, at + ": row");
        check::equal(change.textColour, click.colour, at + ": colour");
        check::equal(change.removesFirstWireSize, click.nextCaption == std::string_view("AL"),
                     at + ": 14 AWG row");
        check::equal(change.materialCode,
                     click.nextCaption == std::string_view("AL") ? material::Aluminum
                                                                 : material::Copper,
                     at + ": code");
    }
}

void installationAndInsulationResetTheirFactor()
{
    const InstallationChange toFreeAir = nextInstallation(RacewayOrCableCaption);
    check::equal(toFreeAir.caption, std::string_view("Free Air"), "to free air");
    check::equal(toFreeAir.installationCode, installation::FreeAir, "free air code");
    check::equal(toFreeAir.conductorCount.caption, std::string_view("1 Wire"), "1 Wire");
    const InstallationChange back = nextInstallation(toFreeAir.caption);
    check::equal(back.caption, std::string_view("Raceway or\u00A0Cable"), "back to raceway");
    check::equal(back.conductorCount.caption, Wires + "1-3", "Wires # 1-3");
    check::equal(back.conductorCount.factor, 1.0f, "count factor reset");
    // Only the caption with the no-break space is raceway or cable.
    check::equal(nextInstallation("Raceway or Cable").installationCode,
                 installation::RacewayOrCable, "an ordinary blank is not the caption");

    std::int16_t code = insulation::Rated60C;
    for (const char *rating : {"75", "90", "60", "75"}) {
        const InsulationChange change = nextInsulation(code);
        check::equal(change.caption, "Insulation " + std::string(rating) + Deg + "C", rating);
        check::equal(change.ambient.caption, ambient(30), "ambient reset");
        check::equal(change.ambient.factor, 1.0f, "ambient factor reset");
        code = change.insulationCode;
    }
}

// Worked examples, each with the text the box shows. They run with the C
// library in a comma locale, as a Qt program on a French-Canadian desktop
// does: the answers must not change.
void workedExamples()
{
    struct Example
    {
        const char *ampacityText;
        float ambient;
        float count;
        const char *separator;
        std::string shown;
    };
    const Example examples[] = {
        {"     20 A", 1.0f, 1.0f, ".", "=20 A  (I" + Times + "1" + Times + "1)"},
        // 13.125 scaled is 1312.5, which goes to the even 1312.
        {"     35 A", 0.75f, 0.5f, ".", "=13.12 A  (I" + Times + "0.75" + Times + "0.5)"},
        // 191.25 is over 100: one decimal, 1912.5 goes to the even 1912.
        {"   255 A", 0.75f, 1.0f, ".", "=191.2 A  (I" + Times + "0.75" + Times + "1)"},
        // 100.05 takes the one-decimal path: 1000.5 goes to the even 1000.
        {"   115 A", 0.87f, 1.0f, ".", "=100 A  (I" + Times + "0.87" + Times + "1)"},
        {"     20 A", 0.91f, 0.8f, ".", "=14.56 A  (I" + Times + "0.91" + Times + "0.8)"},
        {"     25 A", 0.82f, 0.8f, ".", "=16.4 A  (I" + Times + "0.82" + Times + "0.8)"},
        // With single-precision factors the product lies just above 23.205.
        {"     30 A", 0.91f, 0.85f, ",", "=23,21 A  (I" + Times + "0,91" + Times + "0,85)"},
        {"   215 A", 0.82f, 1.0f, ".", "=176.3 A  (I" + Times + "0.82" + Times + "1)"},
        {"   665 A", 0.94f, 0.8f, ",", "=500,1 A  (I" + Times + "0,94" + Times + "0,8)"},
        {" 1560 A", 0.41f, 0.5f, ".", "=319.8 A  (I" + Times + "0.41" + Times + "0.5)"},
        {"", 0.82f, 1.0f, ".", "=0 A  (I" + Times + "0.82" + Times + "1)"}, // no row selected
    };
    for (const Example &example : examples) {
        const Correction c = correctAmpacity(example.ampacityText, example.ambient, example.count);
        check::equal(correctedAmpacityText(c.correctedAmp, example.ambient, example.count,
                                           example.separator),
                     example.shown, std::string("worked example '") + example.ampacityText + "'");
    }

    const std::pair<const char *, double> numbers[] = {
        {"     20 A", 20}, {" 1385 A", 1385}, {"", 0},         {"A 20", 0},  {" 1 2 5 A", 125},
        {"12.5A", 12.5},   {"1.2.3", 1.2},    {" -40 A", -40}, {"12,5", 12}, {" . A", 0},
    };
    for (const auto &[text, number] : numbers)
        check::equal(leadingNumber(text), number, std::string("leading number of '") + text + "'");

    const std::tuple<float, const char *, const char *> texts[] = {
        {1.0f, ".", "1"},     {0.0f, ".", "0"},       {0.85f, ".", "0.85"},
        {100.0f, ".", "100"}, {1560.0f, ",", "1560"}, {1234.567f, ".", "1234.567"},
        {0.82f, ",", "0,82"},
    };
    for (const auto &[value, separator, text] : texts)
        check::equal(numberText(value, separator), std::string(text), text);
}

void frameCaptions()
{
    struct Rule
    {
        float ambient;
        float count;
        std::int16_t installation;
        const char *caption;
    };
    const Rule rules[] = {
        {1.0f, 1.0f, installation::FreeAir, "Correction Factors"},
        {0.75f, 0.5f, installation::RacewayOrCable, "Tables 5A and 5C applied"},
        {0.82f, 0.85f, installation::FreeAir, "Tables 5A and 5B applied"},
        {0.41f, 1.0f, installation::FreeAir, "Table 5A applied"},
        {1.0f, 0.8f, installation::RacewayOrCable, "Table 5C applied"},
        {1.0f, 0.85f, installation::FreeAir, "Table 5B applied"},
    };
    for (const Rule &rule : rules) {
        check::equal(correctionFrameCaption(rule.ambient, rule.count, rule.installation).value(),
                     std::string_view(rule.caption), rule.caption);
        check::equal(correctionApplies(rule.ambient, rule.count),
                     std::string_view(rule.caption) != "Correction Factors", rule.caption);
    }
}

// Every cell of every table with every pair of factors the buttons can
// reach: the value shown keeps two decimals below 100 A and one from 100 A,
// lies within half a last digit of I x A x N, and its text reads back as it.
void everyReachableStateRoundsToTheShownPrecision()
{
    int wrong = 0;
    for (std::int16_t m : {material::Copper, material::Aluminum})
        for (std::int16_t i : {installation::RacewayOrCable, installation::FreeAir})
            for (std::int16_t t :
                 {insulation::Rated60C, insulation::Rated75C, insulation::Rated90C}) {
                const auto column = selectAmpacityColumn(m, i, t);
                for (const FactorStep &a : ambientCycle(t))
                    for (const FactorStep &n : conductorCountCycle(i))
                        for (std::size_t row = 0; row < column->texts.size(); ++row) {
                            const Correction c =
                                correctAmpacity(column->texts[row], a.factor, n.factor);
                            const double exact = double(column->amperes[row]) * a.factor * n.factor;
                            const double step = exact < 100.0 ? 0.01 : 0.1;
                            const double scaled = double(c.correctedAmp) / step;
                            const std::string text = numberText(c.correctedAmp);
                            float back = 0;
                            std::from_chars(text.data(), text.data() + text.size(), back);
                            wrong += c.baseAmp != float(column->amperes[row]) ||
                                     std::abs(c.correctedAmp - exact) > step / 2 + 1e-4 ||
                                     std::abs(scaled - std::round(scaled)) > 1e-3 ||
                                     back != c.correctedAmp;
                        }
            }
    check::equal(wrong, 0, "reachable states shown at the wrong precision");
}

} // namespace

int main()
{
    // A Qt program calls setlocale(LC_ALL, ""); on a French-Canadian desktop
    // the C library then reads and writes numbers with a comma.
    if (!check::that(std::setlocale(LC_ALL, "fr_CA.UTF-8") != nullptr,
                     "locale fr_CA.UTF-8 is installed (scripts/test generates it)"))
        return check::summary();

    cyclesStepAndWrap();
    materialKeepsTheConductor();
    installationAndInsulationResetTheirFactor();
    workedExamples();
    frameCaptions();
    everyReachableStateRoundsToTheShownPrecision();
    return check::summary();
}
