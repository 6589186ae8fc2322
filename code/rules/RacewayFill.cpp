// Rule 12-910: conduit and tubing fill, from Tables 6, 8 and 9.

#include "RacewayFill.h"

#include "ChosenConductor.h"
#include "ConditionCodes.h"

#include <cmath>
#include <numbers>

namespace ampacity::sizing {
namespace {

// The area in the wire's table (index into table6()) for a size; 0: none.
AreaHundredths areaIn(std::int8_t table, bool solid, std::size_t size)
{
    if (table < 0)
        return 0;
    const ConductorDimensionTable &t = table6()[static_cast<std::size_t>(table)];
    if (solid)
        return size < t.solid.size() ? t.solid[size] : 0;
    return size < t.stranded.size() ? t.stranded[size] : 0;
}

} // namespace

AreaHundredths conductorArea(const Wire &wire, std::size_t table6Size)
{
    // Where two tables list the wire in its class, the larger area: the safe side.
    AreaHundredths area = 0;
    for (const std::int8_t table : wire.tables)
        area = std::max(area, areaIn(table, wire.solid, table6Size));
    return area;
}

std::string_view conductorTable(const Wire &wire, std::size_t table6Size)
{
    std::int8_t chosen = wire.tables[0];
    for (const std::int8_t table : wire.tables)
        if (areaIn(table, wire.solid, table6Size) > areaIn(chosen, wire.solid, table6Size))
            chosen = table;
    return chosen < 0 ? std::string_view{} : table6()[static_cast<std::size_t>(chosen)].name;
}

std::string_view largestListed(const Wire &wire)
{
    for (std::size_t size = Table6SizeCount; size-- > 0;)
        if (conductorArea(wire, size) > 0)
            return table6Sizes()[size];
    return {};
}

bool suspectArea(const Wire &wire, std::size_t table6Size)
{
    const std::string_view name = conductorTable(wire, table6Size);
    const auto tables = table6();
    for (std::size_t t = 0; t < tables.size(); ++t)
        if (tables[t].name == name)
            return table6Suspect(t, table6Size, wire.solid);
    return false;
}

double racewayArea(const TradeSize &size)
{
    const double diameter = static_cast<double>(size.diameterHundredths) / 100.0;
    return std::numbers::pi / 4.0 * diameter * diameter;
}

Fill fillOf(AreaHundredths conductors, int count, const TradeSize &size)
{
    Fill fill;
    fill.racewayArea = racewayArea(size);
    fill.allowedPercent = table8Percent(count);
    fill.allowedArea = fill.racewayArea * fill.allowedPercent / 100.0;
    const double area = static_cast<double>(conductors) / 100.0;
    fill.percent = area / fill.racewayArea * 100.0;
    fill.fits = withinTable8(area, count, fill.racewayArea);
    return fill;
}

bool withinTable8(double conductorsMm2, int count, double racewayMm2)
{
    // area <= A x p / 100, compared as area x 100 <= A x p: one rounding
    // fewer, so that a fill exactly at the limit passes.
    return conductorsMm2 * 100.0 <= racewayMm2 * table8Percent(count);
}

std::optional<std::size_t> smallestTradeSize(const RacewayKind &raceway, AreaHundredths conductors,
                                             int count)
{
    for (std::size_t s = 0; s < raceway.sizes.size(); ++s)
        if (fillOf(conductors, count, raceway.sizes[s]).fits)
            return s;
    return std::nullopt;
}

int mostConductors(const TradeSize &size, AreaHundredths each)
{
    if (each <= 0)
        return 0;
    // No more than the largest per cent, 53, allows; then down to the
    // first number its own row of Table 8 lets in.
    const double area = racewayArea(size);
    int count = static_cast<int>(area * 53.0 / (static_cast<double>(each) / 100.0)) + 1;
    for (; count > 0; --count)
        if (fillOf(each * count, count, size).fits)
            return count;
    return 0;
}

CircuitRaceway circuitRaceway(const Conditions &c, ConductorSize conductor,
                              std::optional<ConductorSize> bond)
{
    CircuitRaceway raceway;
    raceway.raceway = c.raceway.raceway;
    if (raceway.raceway < 0)
        return raceway;
    raceway.wire = c.raceway.wire;
    // Table 6 lists every size, in their order.
    const auto size = static_cast<std::size_t>(conductor);
    raceway.conductorSize = static_cast<std::int8_t>(conductor);
    if (!c.raceway.bondInRaceway)
        bond.reset();
    raceway.bondSize = bond ? static_cast<std::int8_t>(*bond) : std::int8_t{-1};
    const AreaHundredths each = conductorArea(raceway.wire, size);
    const AreaHundredths bondArea =
        bond ? conductorArea(raceway.wire, static_cast<std::size_t>(*bond)) : 0;
    raceway.listed = each > 0 && (!c.raceway.bondInRaceway || bondArea > 0);
    if (!raceway.listed)
        return raceway;
    const int ungrounded = c.run.system == SupplySystem::ThreePhase ? 3 : 2;
    const int current = ungrounded + (c.raceway.neutral ? 1 : 0);
    raceway.conductors = current + (c.raceway.bondInRaceway ? 1 : 0);
    raceway.area = each * current + bondArea;
    const RacewayKind &kind = table9()[static_cast<std::size_t>(raceway.raceway)];
    if (const auto trade = smallestTradeSize(kind, raceway.area, raceway.conductors))
        raceway.tradeSize = static_cast<int>(*trade);
    return raceway;
}

const TradeSize &tradeSizeOf(const CircuitRaceway &raceway)
{
    return table9()[static_cast<std::size_t>(raceway.raceway)]
        .sizes[static_cast<std::size_t>(raceway.tradeSize)];
}

std::int64_t racewayFillHundredths(const CircuitRaceway &raceway)
{
    return hundredths(fillOf(raceway.area, raceway.conductors, tradeSizeOf(raceway)).percent);
}

std::int64_t hundredths(double value)
{
    return std::llround(value * 100.0);
}

Problem notListed(const Wire &wire, int size)
{
    Problem problem = makeProblem(Problem::Kind::ConductorNotInTable6,
                                  table19WireTypes()[static_cast<std::size_t>(wire.type)].name);
    problem.sizeText = conductorTable(wire, 0);
    if (wire.solid) {
        problem.other = 1;
        problem.listText = size >= 0 ? table6Sizes()[static_cast<std::size_t>(size)] : "";
    } else {
        problem.listText = largestListed(wire);
    }
    return problem;
}

std::optional<Problem> racewayProblem(const CircuitRaceway &raceway)
{
    if (raceway.raceway < 0 || (raceway.listed && raceway.tradeSize >= 0))
        return std::nullopt;
    if (!raceway.listed) {
        // The size the table stops short of: the conductor's, or the bond's.
        const bool conductorListed =
            raceway.conductorSize >= 0 &&
            conductorArea(raceway.wire, static_cast<std::size_t>(raceway.conductorSize)) > 0;
        return notListed(raceway.wire, conductorListed ? raceway.bondSize : raceway.conductorSize);
    }
    const RacewayKind &kind = table9()[static_cast<std::size_t>(raceway.raceway)];
    const TradeSize &largest = kind.sizes.back();
    const Fill fill = fillOf(raceway.area, raceway.conductors, largest);
    Problem problem =
        makeProblem(Problem::Kind::NoRacewayHolds, kind.id, raceway.area, hundredths(fill.percent));
    problem.third = raceway.conductors;
    problem.device = fill.allowedPercent;
    problem.listText = std::to_string(largest.designator);
    return problem;
}

std::optional<Problem> racewayOfSets(ChosenConductor &chosen)
{
    const auto bond = chosen.bonding ? std::optional(chosen.bonding->size) : std::nullopt;
    chosen.raceway = circuitRaceway(*chosen.conditions, chosen.size.size, bond);
    return std::nullopt;
}

} // namespace ampacity::sizing
