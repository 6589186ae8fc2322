#pragma once

#include "Colours.h"
#include "ConditionCodes.h"
#include "FactorCycle.h"
#include "Texts.h"

#include <cstdint>
#include <string_view>

// The material, installation and insulation buttons show the condition in
// force as their caption and step it on by one at each click. These functions
// give the next condition; the window applies it to its controls.
namespace ampacity {

inline constexpr std::string_view CopperCaption = TORVANE_TEXT("Captions", "CU");
inline constexpr std::string_view AluminumCaption = TORVANE_TEXT("Captions", "AL");
// The blank after "or" is a no-break space: the button shows "Raceway" over
// "or Cable". The installation button compares its caption with this text.
inline constexpr std::string_view RacewayOrCableCaption =
    TORVANE_TEXT("Captions", "Raceway or\u00A0"
                             "Cable");
inline constexpr std::string_view FreeAirCaption = TORVANE_TEXT("Captions", "Free Air");

struct MaterialChange
{
    std::string_view caption;
    std::int16_t materialCode = material::Copper;
    std::uint32_t textColour = colours::CopperTextColour;
    bool removesFirstWireSize = false; // true: take 14 AWG out; false: put it back as row 0
    std::int16_t wireSizeRow = 0;      // the same conductor's row in the new list
};

// From the material button's caption: "CU" goes to aluminum, anything else to
// copper. The selected wire-size row moves with the 14 AWG row so that the same
// conductor stays selected; 14 AWG itself becomes 12 AWG (row 0).
MaterialChange nextMaterial(std::string_view materialCaption, std::int16_t wireSizeRow);

struct InstallationChange
{
    std::string_view caption;
    std::int16_t installationCode = installation::RacewayOrCable;
    FactorStep conductorCount; // first group of the new table: factor 1
};

// From the installation button's caption: "Raceway or Cable" goes to free air,
// anything else to raceway or cable. The conductor count starts again at the
// first group of the new installation's table.
InstallationChange nextInstallation(std::string_view installationCaption);

struct InsulationChange
{
    std::int16_t insulationCode = insulation::Rated60C;
    std::string_view caption;
    FactorStep ambient; // 30 °C: factor 1
};

// The insulation rating steps 60 -> 75 -> 90 -> 60 °C.
// The ambient temperature goes back to 30 °C with every change of rating.
InsulationChange nextInsulation(std::int16_t insulationCode);

// The insulation button's caption for a code: "Insulation 60°C" and so on.
std::string_view insulationCaption(std::int16_t insulationCode);

} // namespace ampacity
