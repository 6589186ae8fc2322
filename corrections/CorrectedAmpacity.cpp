#include "CorrectedAmpacity.h"

#include "ConditionCodes.h"
#include "Rounding.h"
#include "TextReading.h"
#include "Texts.h"

#include <charconv>
#include <cmath>

namespace ampacity {
namespace {

// Rounds C to the shown precision: two decimals below 100 A, one from 100 A
// on. The scaled value is stored in single precision before the whole-number
// step, so a value like 23.205 (held as 23.2050018...) shows as 23.21.
float roundForDisplay(float corrected)
{
    const double scale = corrected < 100.0f ? 100.0 : 10.0;
    const float scaled = toSingle(static_cast<double>(corrected) * scale);
    return toSingle(roundToInt16(scaled) / scale);
}

} // namespace

double leadingNumber(std::string_view text)
{
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;

    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }

    // Collect the digits of the number, leaving out the blanks between them,
    // and let from_chars (locale-free) do the conversion.
    std::string digits;
    bool seenPoint = false;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c)) {
            digits.push_back(c);
        } else if (c == '.' && !seenPoint) {
            seenPoint = true;
            digits.push_back(c);
        } else if (!isBlank(c)) {
            break;
        }
    }

    double value = 0.0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (result.ec != std::errc())
        return 0.0;
    return negative ? -value : value;
}

Correction correctAmpacity(std::string_view ampacityText, float ambientFactor, float countFactor)
{
    Correction correction;
    correction.baseAmp = toSingle(leadingNumber(ampacityText));
    const double tableAmpacity = roundToInt16(correction.baseAmp); // I
    const float corrected = toSingle(tableAmpacity * static_cast<double>(ambientFactor) *
                                     static_cast<double>(countFactor));
    correction.correctedAmp = roundForDisplay(corrected);
    return correction;
}

std::string numberText(float value, std::string_view decimalSeparator)
{
    // Every number the box shows is a whole number of hundredths below
    // 100000 (7 significant digits at most): written from that whole number
    // directly, it reads exactly as %.7g writes it. This runs twenty times a
    // second, and the general conversion's large tables would be fetched
    // into a cold cache at every tick.
    const double hundredths = std::round(double(value) * 100.0);
    if (std::abs(double(value) * 100.0 - hundredths) < 1e-3 && std::abs(hundredths) < 1e7) {
        const auto whole = static_cast<long>(hundredths);
        const long magnitude = whole < 0 ? -whole : whole;
        std::string text = whole < 0 ? "-" : "";
        text += std::to_string(magnitude / 100);
        if (const long cents = magnitude % 100; cents != 0) {
            text += decimalSeparator;
            text += char('0' + cents / 10);
            if (cents % 10 != 0)
                text += char('0' + cents % 10);
        }
        return text;
    }
    // %.7g without the C locale: at most 7 significant digits, trailing zeros
    // and a trailing point dropped. Ampacities and factors never need an exponent.
    char buffer[32];
    const auto end =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 7).ptr;
    std::string text(buffer, end);
    if (const auto point = text.find('.'); point != std::string::npos)
        text.replace(point, 1, decimalSeparator);
    return text;
}

std::string correctedAmpacityText(float correctedAmp, float ambientFactor, float countFactor,
                                  std::string_view decimalSeparator)
{
    std::string text;
    text.reserve(40); // one allocation for the longest text
    text += "=";
    text += numberText(correctedAmp, decimalSeparator);
    text += " A  (I \u00D7 ";
    text += numberText(ambientFactor, decimalSeparator);
    text += " \u00D7 ";
    text += numberText(countFactor, decimalSeparator);
    text += ")";
    return text;
}

bool correctionApplies(float ambientFactor, float countFactor)
{
    return toSingle(static_cast<double>(ambientFactor) * static_cast<double>(countFactor)) != 1.0f;
}

std::optional<std::string_view> correctionFrameCaption(float ambientFactor, float countFactor,
                                                       std::int16_t installationCode)
{
    const bool ambient = ambientFactor < 1.0f;
    const bool count = countFactor < 1.0f;
    if (!correctionApplies(ambientFactor, countFactor))
        return TORVANE_TEXT("Captions", "Correction Factors");
    if (ambient && count && installationCode == installation::RacewayOrCable)
        return TORVANE_TEXT("Captions", "Tables 5A and 5C applied");
    if (ambient && count && installationCode == installation::FreeAir)
        return TORVANE_TEXT("Captions", "Tables 5A and 5B applied");
    if (ambient)
        return TORVANE_TEXT("Captions", "Table 5A applied");
    if (count && installationCode == installation::RacewayOrCable)
        return TORVANE_TEXT("Captions", "Table 5C applied");
    if (count && installationCode == installation::FreeAir)
        return TORVANE_TEXT("Captions", "Table 5B applied");
    return std::nullopt;
}

} // namespace ampacity
