#include "Bonding.h"

#include "ChosenConductor.h"
#include "TextReading.h"

namespace ampacity::sizing {

Amperes bondingAmperes(const BondingBasis &basis)
{
    const bool byAmpacity = basis.dropGoverns || basis.device <= 0;
    return byAmpacity ? basis.setUsable * basis.sets : basis.device;
}

std::optional<BondingSize> circuitBonding(std::int16_t bondMaterial, std::int16_t circuitMaterial,
                                          std::size_t copperListRow, const BondingBasis &basis)
{
    auto bonding = bondingConductor(bondMaterial, bondingAmperes(basis), basis.sets);
    if (!bonding)
        return std::nullopt;
    const BondingSize conductor = listedSize(copperListRow);
    if (bondMaterial == circuitMaterial && bonding->order > conductor.order)
        bonding = conductor;
    return bonding;
}

std::optional<Problem> bondingOfSets(ChosenConductor &chosen)
{
    const Conditions &c = *chosen.conditions;
    chosen.bondingMaterial = c.bondMaterial < 0 ? c.materialCode : c.bondMaterial;
    const BondingBasis basis{chosen.device, chosen.usable, chosen.dropGoverns, chosen.sets};
    const auto bonding =
        circuitBonding(chosen.bondingMaterial, c.materialCode, chosen.copperListRow, basis);
    if (!bonding)
        return makeProblem(Problem::Kind::BondBeyondTable16, scaledText(chosen.load, 4),
                           bondingAmperes(basis));
    chosen.bondingText = bonding->text;
    return std::nullopt;
}

} // namespace ampacity::sizing
