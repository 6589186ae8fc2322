#include "Bonding.h"

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

} // namespace ampacity::sizing
