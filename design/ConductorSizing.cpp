#include "ConductorSizing.h"

#include "AllowableAmpacity.h"
#include "AmpacityTables.h"
#include "Bonding.h"
#include "ChosenConductor.h"
#include "ContinuousLoad.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"
#include "MotorCircuit.h"
#include "ParallelSets.h"
#include "Protection.h"
#include "Terminations.h"

#include <algorithm>
#include <array>
#include <span>
#include <tuple>
#include <vector>

namespace ampacity::sizing {
namespace {

// The short form of the correction caption's tables, for machine-read output.
std::string_view correctionTables(float ambientFactor, float countFactor,
                                  std::int16_t installationCode)
{
    const bool ambient = ambientFactor < 1.0f;
    const bool count = countFactor < 1.0f;
    const bool raceway = installationCode == installation::RacewayOrCable;
    if (ambient && count)
        return raceway ? "5A+5C" : "5A+5B";
    if (ambient)
        return "5A";
    if (count)
        return raceway ? "5C" : "5B";
    return "";
}

// The corrected ampacity the window shows for every conductor of one set of
// conditions, worked out through the window's own road (the list's text,
// read back, corrected and rounded) the first time an answer names the
// conductor, and kept for the text line; less than 0 until then.
struct ShownResults
{
    std::array<float, CopperRowCount> corrected = notWorkedOut();
    static constexpr std::array<float, CopperRowCount> notWorkedOut()
    {
        std::array<float, CopperRowCount> none{};
        none.fill(-1.0f);
        return none;
    }
};

constexpr std::size_t AmbientStepsAtMost = 11;
constexpr std::size_t CountStepsAtMost = 5;

float shownFor(const Conditions &c, const AmpacityColumn &column, std::size_t row,
               float ambientFactor, float countFactor)
{
    // 2 materials x 2 installations x 3 ratings x 11 ambient rows x 5 groups.
    constexpr std::size_t conditionCount = std::size_t{12} * AmbientStepsAtMost * CountStepsAtMost;
    static std::vector<ShownResults> cache(conditionCount);
    const std::size_t index =
        ((((static_cast<std::size_t>(c.materialCode) * 2 + c.installationCode) * 3 +
           c.insulationCode) *
              AmbientStepsAtMost +
          static_cast<std::size_t>(c.ambientStep)) *
         CountStepsAtMost) +
        static_cast<std::size_t>(c.countStep);
    float &shown = cache[index].corrected[row];
    if (shown < 0)
        shown = correctAmpacity(column.texts[row], ambientFactor, countFactor).correctedAmp;
    return shown;
}

// One conductor's allowable ampacity under the conditions.
struct ConductorRating
{
    Amperes corrected = 0;     // the insulation column's cell times the factors
    int terminationRating = 0; // °C, 0 for none
    std::int16_t cap = 0;      // the termination column's cell where it is lower
    Amperes usable = 0;
};

// A rule a conductor must meet, and what governs where it moved the
// conductor up.
struct Requirement
{
    Governing governs;
    CandidateRule met;
};

// The requirements a conductor meets, in the order the Code's rules apply
// them to it; the voltage drop comes last, checked on the rows that meet
// all of these. The last one whose first row moved the answer up governs.
constexpr Requirement CircuitRequirements[] = {
    {Governing::Ampacity, carriesTheLoad},               // Rule 4-004
    {Governing::Termination, withinTerminations},        // Rule 4-006
    {Governing::ContinuousLoad, carriesContinuousShare}, // Rule 8-104
    {Governing::Protection, protectedByDevice},          // Rule 14-104, Table 13
};
// A motor's branch circuit: its conductors carry 125 % of its full-load
// current (Rule 28-106), and neither Rule 8-104 nor Table 13 applies
// (14-104(1)(c)): its overload relay protects them.
constexpr Requirement MotorRequirements[] = {
    {Governing::Ampacity, carriesTheLoad},
    {Governing::Termination, withinTerminations},
    {Governing::Motor, carriesMotorShare},
};
constexpr std::size_t MostRequirements = std::size(CircuitRequirements);

// The rules that derive a result from the conductor chosen, in the order
// each needs the one before: the largest device allowed, the bonding
// conductor (which the device may size), each set's raceway (which holds the
// bonding conductor). A motor's branch circuit takes Table 29's device in
// Table 13's place, and sets its overload relay.
constexpr ResultRule CircuitResults[] = {
    largestDeviceOnSets, // Rule 14-104, Table 13
    bondingOfSets,       // Rule 10-616, Table 16
    racewayOfSets,       // Rule 12-910, Tables 6, 8 and 9
};
constexpr ResultRule MotorResults[] = {
    largestDeviceForMotor, // Rule 28-200, Table 29
    bondingOfSets, racewayOfSets,
    overloadRelay, // Rule 28-306
};
static_assert(std::size(MotorRequirements) <= MostRequirements);

// The conductor found for a number of sets, and the first rows that met the
// requirements taken one more at a time, to tell which moved the answer up.
struct Search
{
    std::optional<std::size_t> chosen;
    // The first row that meets each requirement of the list and every one
    // before it.
    std::array<std::optional<std::size_t>, MostRequirements> firstBy;
    // Where none is chosen: the last set usable, its continuous share, the
    // largest breaker met, and the least drop among those that pass the rest.
    Amperes lastSetUsable = 0;
    int mostBreaker = 0;
    std::optional<std::size_t> leastDropRow;
    std::optional<Drop> leastDrop;
};

// The oversized subtractions and products stay in 64 bits: a load is at
// most 2^40 A (readLoad), so load x 100 x 10^4 fits.
struct CircuitSearch
{
    const Conditions &c;
    Amperes load;
    Amperes breaker; // given or chosen; 0 for none
    bool motor;      // Section 28: 125 % of the load, Table 29 rather than Table 13
    std::span<const Requirement> requirements;
    const AmpacityColumn &column;
    std::int64_t factors;
    int insulationRating;
    int percent; // continuous share, 0 when not continuous
    const AmpacityColumn *const (&capColumns)[3];

    ConductorRating rating(std::size_t row) const
    {
        ConductorRating result;
        result.corrected = column.amperes[row] * factors;
        result.usable = result.corrected;
        // A motor's terminations are read by the conductor's size, as with
        // no device known: its device is sized for the starting current.
        result.terminationRating = terminationRating(
            c.terminations, breaker > 0 && !motor ? breaker : Amperes{0}, sizeAt(row).size);
        // The termination column caps the conductor only where it is the cooler.
        if (result.terminationRating > 0 && result.terminationRating < insulationRating) {
            const auto &capColumn = capColumns[(result.terminationRating - 60) / 15];
            result.cap = capColumn->amperes[row];
            result.usable = std::min(result.usable, Amperes{result.cap} * OneAmpere);
        }
        return result;
    }

    // Rule 14-104 and Table 13: the largest device on `sets` of the
    // conductor, by the set's ampacity in whole amperes rounded down (the
    // safe side: 110.4 A permits 110 A, not 125 A), within the small
    // conductors' limits of Rule 14-104(2).
    int maxBreaker(std::size_t row, Amperes setUsable, int sets) const
    {
        return largestDevice(sizeAt(row), setUsable, sets);
    }

    Amperes perConductor(int sets) const { return sizing::perConductor(load, sets); }

    std::optional<Drop> dropOf(std::size_t row, int sets) const
    {
        return voltageDrop(sizeAt(row), c.installationCode, c.cable, perConductor(sets), c.run);
    }

    // Whether a row may be one of `sets`, up to the largest allowed; and
    // whether it is past the largest, where the search stops.
    bool eligible(std::size_t row, int sets) const
    {
        return sets == 1 || mayRunInParallel(sizeAt(row));
    }
    bool beyond(std::size_t row, std::optional<ConductorSize> largest) const
    {
        return largest && sizeAt(row).size > *largest;
    }
    // The conductor of a row of the material's list.
    WireSize sizeAt(std::size_t row) const { return WireSize::atRow(c.materialCode, row); }

    // The list's order is the rule, not a search for the first large enough.
    Search run(int sets, std::optional<ConductorSize> largest) const
    {
        Search found;
        const std::size_t rows = column.amperes.size();
        // The largest breaker matters only where one is to be protected.
        const bool checksBreaker = !motor && breaker > 0;
        // A conductor whose corrected cell does not carry the load meets no
        // requirement: nothing is worked out for it. Every column ascends
        // with the size, so the first that carries it is found by halving.
        const auto carrying = std::partition_point(
            column.amperes.begin(), column.amperes.end(),
            [&](std::int16_t cell) { return Amperes{cell} * factors * sets < load; });
        for (auto row = static_cast<std::size_t>(carrying - column.amperes.begin());
             row < rows && !found.chosen; ++row) {
            if (!eligible(row, sets))
                continue;
            if (beyond(row, largest))
                break;
            const ConductorRating here = rating(row);
            CandidateConductor candidate;
            candidate.load = load;
            candidate.setCorrected = here.corrected * sets;
            candidate.setUsable = here.usable * sets;
            candidate.continuousPercent = percent;
            if (checksBreaker) {
                candidate.device = breaker;
                candidate.largestDevice = maxBreaker(row, candidate.setUsable, sets);
            }
            bool all = true;
            for (std::size_t k = 0; k < requirements.size() && all; ++k) {
                all = requirements[k].met(candidate);
                if (all && !found.firstBy[k])
                    found.firstBy[k] = row;
            }
            if (!all)
                continue;
            if (c.run.length <= 0) {
                found.chosen = row;
                break;
            }
            const auto drop = dropOf(row, sets);
            if (!drop)
                continue; // Table D3 gives no K: the drop cannot be checked
            if (drop->withinLimit)
                found.chosen = row;
            else if (!found.leastDrop || drop->percent < found.leastDrop->percent)
                found.leastDrop = drop, found.leastDropRow = row;
        }
        if (found.chosen)
            return found;
        // None: what the last conductor carries and the largest breaker any
        // may have, for the problem's words.
        for (std::size_t row = 0; row < rows; ++row) {
            if (!eligible(row, sets))
                continue;
            if (beyond(row, largest))
                break;
            found.lastSetUsable = rating(row).usable * sets;
            if (checksBreaker)
                found.mostBreaker =
                    std::max(found.mostBreaker, maxBreaker(row, found.lastSetUsable, sets));
        }
        return found;
    }

    // Why a search chose nothing, as the problem the user reads.
    Problem whyNone(const Search &search, int sets) const
    {
        Problem problem;
        problem.value = scaledText(load, 4);
        problem.sets = sets;
        // The first requirement no conductor met, with all before it.
        std::size_t unmet = 0;
        while (unmet < requirements.size() && search.firstBy[unmet])
            ++unmet;
        if (unmet < requirements.size() && requirements[unmet].governs != Governing::Protection) {
            problem.kind = Problem::Kind::NoConductorCarries;
            problem.limit = search.lastSetUsable;
            problem.motor = motor;
            if (percent > 0)
                problem.third = search.lastSetUsable * percent / 100;
        } else if (unmet < requirements.size()) {
            problem.kind = Problem::Kind::NotProtected;
            problem.limit = breaker;
            problem.third = search.mostBreaker;
        } else if (search.leastDrop) {
            problem.kind = Problem::Kind::DropAboveLimit;
            problem.limit = search.leastDrop->percent;
            problem.other = c.run.maxDrop;
            problem.sizeText = wireSizeText(sizeAt(*search.leastDropRow).size);
        } else {
            problem.kind = Problem::Kind::DropNotListed;
        }
        return problem;
    }
};

} // namespace

std::string_view governingName(Governing governing)
{
    switch (governing) {
    case Governing::Termination:
        return "termination";
    case Governing::ContinuousLoad:
        return "continuous load";
    case Governing::Protection:
        return "protection";
    case Governing::VoltageDrop:
        return "voltage drop";
    case Governing::Motor:
        return "motor";
    case Governing::Ampacity:
        break;
    }
    return "ampacity";
}

std::variant<Sizing, Problem> sizeFor(Amperes load, const Conditions &conditions)
{
    Sizing sizing;
    if (auto problem = sizeInto(sizing, load, conditions))
        return std::move(*problem);
    return sizing;
}

std::optional<Problem> sizeInto(Sizing &sizing, Amperes load, const Conditions &c)
{
    const auto column = selectAmpacityColumn(c.materialCode, c.installationCode, c.insulationCode);
    const auto ambient = ambientCycle(c.insulationCode);
    const auto counts = conductorCountCycle(c.installationCode);
    if (!column || c.ambientStep < 0 || c.ambientStep >= static_cast<int>(ambient.size()) ||
        c.countStep < 0 || c.countStep >= static_cast<int>(counts.size()) || c.sets < 0 ||
        c.sets > MostSets) {
        Problem none;
        none.kind = Problem::Kind::NoConductorCarries;
        return none;
    }

    const auto breaker = circuitBreaker(c, load);
    if (const auto *problem = std::get_if<Problem>(&breaker))
        return *problem;

    const float ambientFactor = ambient[static_cast<std::size_t>(c.ambientStep)].factor;
    const float countFactor = counts[static_cast<std::size_t>(c.countStep)].factor;
    // The columns the terminations may cap at, looked up once: only those
    // cooler than the insulation ever cap.
    const int insulationRating = insulation::ratingOf(c.insulationCode);
    const auto capColumn = [&](std::int16_t code) {
        return insulation::ratingOf(code) < insulationRating
                   ? selectAmpacityColumn(c.materialCode, c.installationCode, code)
                   : nullptr;
    };
    const AmpacityColumn *const capColumns[] = {capColumn(insulation::Rated60C),
                                                capColumn(insulation::Rated75C),
                                                capColumn(insulation::Rated90C)};
    const CircuitSearch circuit{
        c,
        load,
        std::get<Amperes>(breaker),
        c.motor.isMotor,
        c.motor.isMotor ? std::span<const Requirement>(MotorRequirements) : CircuitRequirements,
        *column,
        factorHundredths(ambientFactor) * factorHundredths(countFactor),
        insulationRating,
        c.continuous && !c.motor.isMotor ? continuousPercent(column->tableNumber, c.devicePercent)
                                         : 0,
        capColumns};

    // The fewest sets, up to the largest size allowed, that meet every
    // requirement; from 1 for --sets auto, from 2 for a suggestion.
    const auto fewestSets = [&](int from) -> std::pair<int, Search> {
        // Fewer sets than the largest conductor's corrected cell needs to
        // carry the load meet nothing: start from there.
        std::size_t largest = column->amperes.size() - 1;
        while (largest > 0 && circuit.beyond(largest, c.largest))
            --largest;
        const Amperes most = Amperes{column->amperes[largest]} * circuit.factors;
        if (most > 0)
            from =
                static_cast<int>(std::clamp<Amperes>((load + most - 1) / most, from, MostSets + 1));
        for (int sets = from; sets <= MostSets; ++sets) {
            Search search = circuit.run(sets, c.largest);
            if (search.chosen)
                return {sets, search};
        }
        return {0, Search{}};
    };
    int sets = c.sets;
    Search search;
    if (sets == 0) {
        std::tie(sets, search) = fewestSets(1);
        if (sets == 0) {
            Problem none = makeProblem(Problem::Kind::NoSetsCarry, scaledText(load, 4));
            none.sets = MostSets;
            none.sizeText = wireSizeText(c.largest);
            return none;
        }
    } else {
        search = circuit.run(sets, std::nullopt);
        if (!search.chosen) {
            Problem none = circuit.whyNone(search, sets);
            if (sets == 1) {
                const auto [suggested, parallel] = fewestSets(2);
                if (suggested > 0) {
                    none.suggestedSets = suggested;
                    none.suggestedSize = wireSizeText(circuit.sizeAt(*parallel.chosen).size);
                }
            }
            return none;
        }
    }

    const std::size_t row = *search.chosen;
    const ConductorRating here = circuit.rating(row);
    sizing = Sizing{};
    sizing.conductor = WireSize::atRow(c.materialCode, row);
    sizing.tableNumber = column->tableNumber;
    sizing.tableTitle = column->title;
    sizing.tableAmpacity = column->amperes[row];
    sizing.ambientFactor = ambientFactor;
    sizing.countFactor = countFactor;
    sizing.correctedAmp = shownFor(c, *column, row, ambientFactor, countFactor);
    sizing.correctionCaption =
        correctionFrameCaption(ambientFactor, countFactor, c.installationCode).value_or("");
    sizing.correctionTables = correctionTables(ambientFactor, countFactor, c.installationCode);
    sizing.corrected = here.corrected;
    sizing.terminationRating = here.terminationRating;
    sizing.terminationAmpacity = here.cap;
    sizing.usable = here.usable;
    sizing.load = load;
    sizing.sets = sets;
    sizing.perConductor = circuit.perConductor(sets);
    sizing.continuousPercent = circuit.percent;
    sizing.breaker = circuit.breaker;
    sizing.breakerChosen = circuit.breaker > 0 && c.breaker == 0;

    // The last requirement that moved the conductor up names what governs.
    // Read from the list: the voltage drop, checked last, where the row is
    // past every requirement's first; else the last requirement whose first
    // row is past the one before it.
    const auto &by = search.firstBy;
    const std::size_t last = circuit.requirements.size() - 1;
    const std::size_t allMet = *by[last];
    if (row > allMet) {
        sizing.governedBy = Governing::VoltageDrop;
        sizing.sizeForAmpacity = WireSize::atRow(c.materialCode, allMet);
    } else {
        for (std::size_t k = last; k > 0; --k) {
            if (*by[k] > *by[k - 1]) {
                sizing.governedBy = circuit.requirements[k].governs;
                break;
            }
        }
    }
    if (c.run.length > 0)
        sizing.drop = circuit.dropOf(row, sets);
    sizing.run = c.run;

    ChosenConductor chosen;
    chosen.conditions = &c;
    chosen.load = load;
    chosen.size = sizing.conductor;
    chosen.sets = sets;
    chosen.usable = here.usable;
    chosen.device = circuit.breaker;
    chosen.dropGoverns = sizing.governedBy == Governing::VoltageDrop;
    for (const ResultRule derive : circuit.motor ? std::span<const ResultRule>(MotorResults)
                                                 : std::span<const ResultRule>(CircuitResults))
        if (auto problem = derive(chosen))
            return std::move(*problem);
    sizing.maxBreaker = chosen.largestDevice;
    sizing.bonding = *chosen.bonding; // bondingOfSets gives one or a problem
    sizing.raceway = chosen.raceway;
    if (circuit.motor) {
        sizing.motor = true;
        sizing.motorDevice = c.motor.device;
        sizing.overloadMax = chosen.overloadMax;
    }
    return std::nullopt;
}

} // namespace ampacity::sizing
