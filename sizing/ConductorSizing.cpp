#include "ConductorSizing.h"

#include "AmpacityTables.h"
#include "CorrectedAmpacity.h"
#include "FactorCycle.h"

#include <array>
#include <cmath>
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

// Every factor of Tables 5A, 5B and 5C has two decimals: as a whole number
// of hundredths it multiplies exactly.
std::int64_t factorHundredths(float factor)
{
    return std::lround(static_cast<double>(factor) * 100.0);
}

// The corrected ampacity the window shows for every conductor of one set of
// conditions, worked out once through the window's own road (the list's
// text, read back, corrected and rounded) and kept for the text line.
struct ShownResults
{
    bool computed = false;
    std::array<float, CopperRowCount> corrected{};
};

constexpr std::size_t AmbientStepsAtMost = 11;
constexpr std::size_t CountStepsAtMost = 5;

const ShownResults &shownFor(const Conditions &c, const AmpacityColumn &column, float ambientFactor,
                             float countFactor)
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
    ShownResults &results = cache[index];
    if (!results.computed) {
        for (std::size_t row = 0; row < column.texts.size(); ++row)
            results.corrected[row] =
                correctAmpacity(column.texts[row], ambientFactor, countFactor).correctedAmp;
        results.computed = true;
    }
    return results;
}

// The largest size that Rule 4-006 puts on 60 °C terminations when nothing
// else is known: No. 1 AWG, row 8 of the copper list.
constexpr std::size_t LargestSixtyDegreeRow = 8;

// Rule 4-006: the termination temperature for a conductor of the list (its
// row in the copper list). Unmarked equipment: 60 °C for an overcurrent
// device of 100 A or less, 75 °C above; without a device, the conductor's own
// size decides, 60 °C for No. 1 AWG and smaller. 0: none considered.
int terminationRating(TerminationRule rule, Amperes breaker, std::size_t copperListRow)
{
    switch (rule) {
    case TerminationRule::At60C:
        return 60;
    case TerminationRule::At75C:
        return 75;
    case TerminationRule::At90C:
        return 90;
    case TerminationRule::None:
        return 0;
    case TerminationRule::Auto:
        break;
    }
    if (breaker > 0)
        return breaker <= 100 * OneAmpere ? 60 : 75;
    return copperListRow <= LargestSixtyDegreeRow ? 60 : 75;
}

// One conductor's allowable ampacity under the conditions.
struct Candidate
{
    Amperes corrected = 0;     // the insulation column's cell times the factors
    int terminationRating = 0; // °C, 0 for none
    std::int16_t cap = 0;      // the termination column's cell where it is lower
    Amperes usable = 0;
};

} // namespace

std::string_view governingName(Governing governing)
{
    switch (governing) {
    case Governing::Termination:
        return "termination";
    case Governing::VoltageDrop:
        return "voltage drop";
    case Governing::Ampacity:
        break;
    }
    return "ampacity";
}

std::variant<Sizing, Problem> sizeFor(Amperes load, const Conditions &c)
{
    const auto column = selectAmpacityColumn(c.materialCode, c.installationCode, c.insulationCode);
    const auto ambient = ambientCycle(c.insulationCode);
    const auto counts = conductorCountCycle(c.installationCode);
    if (!column || c.ambientStep < 0 || c.ambientStep >= static_cast<int>(ambient.size()) ||
        c.countStep < 0 || c.countStep >= static_cast<int>(counts.size())) {
        Problem none;
        none.kind = Problem::Kind::NoConductorCarries;
        return none;
    }

    const float ambientFactor = ambient[static_cast<std::size_t>(c.ambientStep)].factor;
    const float countFactor = counts[static_cast<std::size_t>(c.countStep)].factor;
    const std::int64_t factors = factorHundredths(ambientFactor) * factorHundredths(countFactor);
    const std::size_t firstRow = c.materialCode == material::Copper ? 0 : 1;
    const int insulationRating = insulation::ratingOf(c.insulationCode);

    // The columns the terminations may cap at, looked up once.
    const std::optional<AmpacityColumn> capColumns[] = {
        selectAmpacityColumn(c.materialCode, c.installationCode, insulation::Rated60C),
        selectAmpacityColumn(c.materialCode, c.installationCode, insulation::Rated75C),
        selectAmpacityColumn(c.materialCode, c.installationCode, insulation::Rated90C)};
    const auto candidate = [&](std::size_t row) {
        Candidate result;
        result.corrected = column->amperes[row] * factors;
        result.usable = result.corrected;
        result.terminationRating = terminationRating(c.terminations, c.breaker, row + firstRow);
        // The termination column caps the conductor only where it is the cooler.
        if (result.terminationRating > 0 && result.terminationRating < insulationRating) {
            const auto &capColumn = capColumns[(result.terminationRating - 60) / 15];
            result.cap = capColumn->amperes[row];
            result.usable = std::min(result.usable, Amperes{result.cap} * OneAmpere);
        }
        return result;
    };
    const auto dropOf = [&](std::size_t row) {
        return voltageDrop(c.materialCode, c.installationCode, c.cable, static_cast<int>(row), load,
                           c.run);
    };

    // Not a search for the first large enough: the list's order is the rule.
    const std::size_t rows = column->amperes.size();
    std::optional<std::size_t> byAmpacity, byTerminations, chosen;
    std::optional<std::size_t> leastDropRow;
    std::optional<Drop> leastDrop;
    for (std::size_t row = 0; row < rows && !chosen; ++row) {
        const Candidate here = candidate(row);
        if (!byAmpacity && here.corrected >= load)
            byAmpacity = row;
        if (here.usable < load)
            continue;
        if (!byTerminations)
            byTerminations = row;
        if (c.run.length <= 0) {
            chosen = row;
            break;
        }
        const auto drop = dropOf(row);
        if (!drop)
            continue; // Table D3 gives no K: the drop cannot be checked
        if (drop->withinLimit)
            chosen = row;
        else if (!leastDrop || drop->percent < leastDrop->percent)
            leastDrop = drop, leastDropRow = row;
    }

    if (!byTerminations) {
        Problem none;
        none.kind = Problem::Kind::NoConductorCarries;
        none.value = scaledText(load, 4);
        none.limit = candidate(rows - 1).usable;
        return none;
    }
    if (!chosen) {
        Problem tooFar;
        tooFar.value = scaledText(load, 4);
        if (leastDrop) {
            tooFar.kind = Problem::Kind::DropAboveLimit;
            tooFar.limit = leastDrop->percent;
            tooFar.other = c.run.maxDrop;
            tooFar.sizeText = WireSizeTexts[*leastDropRow + firstRow];
        } else {
            tooFar.kind = Problem::Kind::DropNotListed;
        }
        return tooFar;
    }

    const std::size_t row = *chosen;
    const Candidate here = candidate(row);
    Sizing sizing;
    sizing.wireSizeRow = static_cast<int>(row);
    sizing.sizeText = WireSizeTexts[row + firstRow];
    sizing.tableNumber = column->tableNumber;
    sizing.tableTitle = column->title;
    sizing.tableAmpacity = column->amperes[row];
    sizing.ambientFactor = ambientFactor;
    sizing.countFactor = countFactor;
    sizing.correctedAmp = shownFor(c, *column, ambientFactor, countFactor).corrected[row];
    sizing.correctionCaption =
        correctionFrameCaption(ambientFactor, countFactor, c.installationCode).value_or("");
    sizing.correctionTables = correctionTables(ambientFactor, countFactor, c.installationCode);
    sizing.corrected = here.corrected;
    sizing.terminationRating = here.terminationRating;
    sizing.terminationAmpacity = here.cap;
    sizing.usable = here.usable;
    if (row > *byTerminations) {
        sizing.governedBy = Governing::VoltageDrop;
        sizing.ampacityRow = static_cast<int>(*byTerminations);
        sizing.ampacitySizeText = WireSizeTexts[*byTerminations + firstRow];
    } else if (!byAmpacity || *byTerminations > *byAmpacity) {
        sizing.governedBy = Governing::Termination;
    }
    if (c.run.length > 0)
        sizing.drop = dropOf(row);
    sizing.run = c.run;
    return sizing;
}

} // namespace ampacity::sizing
