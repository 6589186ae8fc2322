#include "Bonding.h"

#include "ChosenConductor.h"
#include "TextReading.h"

namespace ampacity::sizing {

Amperes bondingAmperes(const BondingBasis &basis)
{
    const bool byAmpacity = basis.dropGoverns || basis.device <= 0;
    return byAmpacity ? basis.setUsable * basis.sets : basis.device;
}

std::optional<WireSize> circuitBonding(std::int16_t bondMaterial, WireSize conductor,
                                       const BondingBasis &basis)
{
    auto bonding = bondingConductor(bondMaterial, bondingAmperes(basis), basis.sets);
    if (bonding && bonding->material == conductor.material && bonding->size > conductor.size)
        bonding = conductor;
    return bonding;
}

std::optional<Problem> bondingOfSets(ChosenConductor &chosen)
{
    const Conditions &c = *chosen.conditions;
    const std::int16_t material = c.bondMaterial < 0 ? c.materialCode : c.bondMaterial;
    const BondingBasis basis{chosen.device, chosen.usable, chosen.dropGoverns, chosen.sets};
    const auto bonding = circuitBonding(material, chosen.size, basis);
    if (!bonding)
        return makeProblem(Problem::Kind::BondBeyondTable16, scaledText(chosen.load, 4),
                           bondingAmperes(basis));
    chosen.bonding = *bonding;
    return std::nullopt;
}

} // namespace ampacity::sizing
