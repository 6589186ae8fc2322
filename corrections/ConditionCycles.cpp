#include "ConditionCycles.h"

namespace ampacity {

MaterialChange nextMaterial(std::string_view materialCaption, std::int16_t wireSizeRow)
{
    if (materialCaption == CopperCaption) {
        const auto row = static_cast<std::int16_t>(wireSizeRow > 0 ? wireSizeRow - 1 : wireSizeRow);
        return {AluminumCaption, 1, AluminumTextColour, true, row};
    }
    return {CopperCaption, 0, CopperTextColour, false, static_cast<std::int16_t>(wireSizeRow + 1)};
}

InstallationChange nextInstallation(std::string_view installationCaption)
{
    const std::int16_t next = installationCaption == RacewayOrCableCaption ? 1 : 0;
    return {next == 1 ? FreeAirCaption : RacewayOrCableCaption, next, conductorCountCycle(next)[0]};
}

InsulationChange nextInsulation(std::int16_t insulationCode)
{
    const auto next = static_cast<std::int16_t>(insulationCode == 2 ? 0 : insulationCode + 1);
    return {next, insulationCaption(next), ambientCycle(next)[0]};
}

std::string_view insulationCaption(std::int16_t insulationCode)
{
    switch (insulationCode) {
    case 0:
        return "Insulation 75\u00B0C";
    case 1:
        return "Insulation 90\u00B0C";
    default:
        return "Insulation 60\u00B0C";
    }
}

} // namespace ampacity
