#include "ConditionCycles.h"

namespace ampacity {

MaterialChange nextMaterial(std::string_view materialCaption, std::int16_t wireSizeRow)
{
    if (materialCaption == CopperCaption) {
        const auto row = static_cast<std::int16_t>(wireSizeRow > 0 ? wireSizeRow - 1 : wireSizeRow);
        return {AluminumCaption, material::Aluminum, colours::AluminumTextColour, true, row};
    }
    return {CopperCaption, material::Copper, colours::CopperTextColour, false,
            static_cast<std::int16_t>(wireSizeRow + 1)};
}

InstallationChange nextInstallation(std::string_view installationCaption)
{
    const std::int16_t next = installationCaption == RacewayOrCableCaption
                                  ? installation::FreeAir
                                  : installation::RacewayOrCable;
    const std::string_view caption =
        next == installation::FreeAir ? FreeAirCaption : RacewayOrCableCaption;
    return {caption, next, conductorCountCycle(next)[0]};
}

InsulationChange nextInsulation(std::int16_t insulationCode)
{
    std::int16_t next = insulation::Rated75C;
    if (insulationCode == insulation::Rated75C)
        next = insulation::Rated90C;
    else if (insulationCode == insulation::Rated90C)
        next = insulation::Rated60C;
    return {next, insulationCaption(next), ambientCycle(next)[0]};
}

std::string_view insulationCaption(std::int16_t insulationCode)
{
    switch (insulationCode) {
    case insulation::Rated75C:
        return TORVANE_TEXT("Captions", "Insulation 75°C");
    case insulation::Rated90C:
        return TORVANE_TEXT("Captions", "Insulation 90°C");
    default:
        return TORVANE_TEXT("Captions", "Insulation 60°C");
    }
}

} // namespace ampacity
