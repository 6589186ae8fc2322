#pragma once

#include "Texts.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The corrected ampacity: the table ampacity I of the selected conductor times
// the ambient factor (Table 5A) and the conductor-count factor (Table 5B or 5C),
// and the caption that names the correction tables in force.
namespace ampacity {

// The leading number of a text, the way the ampacity list's texts are read
// back: leading blanks skipped, an optional sign, digits with
// an optional decimal point, blanks between digits skipped, up to the first
// other character. A text without a leading number gives 0. The decimal point
// is always '.', whatever the user's locale: the list texts hold whole numbers.
double leadingNumber(std::string_view text);

struct Correction
{
    float baseAmp = 0.0f;      // the number read from the ampacity text
    float correctedAmp = 0.0f; // rounded: two decimals below 100 A, one from 100 A
};

// Works out the corrected ampacity for the selected ampacity text (empty when
// the list has no selected row) and the two factors in force.
Correction correctAmpacity(std::string_view ampacityText, float ambientFactor, float countFactor);

// A single-precision value in its shortest form, at most 7 significant digits:
// "1", "0.8", "13.12", "100". The decimal separator is the caller's (the
// user's locale); digits are never grouped.
std::string numberText(float value, std::string_view decimalSeparator = ".");

// The text of the corrected-ampacity box, e.g. "=176.3 A  (I × 0.82 × 1)".
std::string correctedAmpacityText(float correctedAmp, float ambientFactor, float countFactor,
                                  std::string_view decimalSeparator = ".");

// True while a correction is in force: the product of the two factors, stored
// in single precision, is not 1. Every table factor is below 1, so this holds
// exactly when at least one factor is not 1.
bool correctionApplies(float ambientFactor, float countFactor);

// The caption of the correction frame for the factors in force and the
// installation (raceway or cable: Table 5C; free air: Table 5B). Nothing
// for a combination no rule covers, which the buttons cannot produce.
std::optional<std::string_view> correctionFrameCaption(float ambientFactor, float countFactor,
                                                       std::int16_t installationCode);

// The frame's caption when the window opens, before the first correction
// caption is set. Note the small "f"; the caption for no correction has a capital.
inline constexpr std::string_view InitialCorrectionFrameCaption =
    TORVANE_TEXT("Captions", "Correction factors");

// The text the corrected-ampacity box holds before the first calculation.
inline constexpr std::string_view InitialCorrectedAmpacityText = "=15A (I \u00D7 1 \u00D7 1)";

} // namespace ampacity
