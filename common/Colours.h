#pragma once

#include <cmath>
#include <cstdint>

// Colour values as the window layout gives them: one 32-bit value whose bytes
// are, from high to low, zero, blue, green, red. Shared by both windows.
namespace colours {

struct Rgb
{
    int red = 0;
    int green = 0;
    int blue = 0;
    friend bool operator==(const Rgb &, const Rgb &) = default;
};

constexpr Rgb rgbOf(std::uint32_t colourValue)
{
    return Rgb{static_cast<int>(colourValue & 0xFF), static_cast<int>((colourValue >> 8) & 0xFF),
               static_cast<int>((colourValue >> 16) & 0xFF)};
}

inline constexpr std::uint32_t LightGreyBackground = 0x00E0E0E0;
inline constexpr std::uint32_t CopperTextColour = 0x00000080;   // maroon
inline constexpr std::uint32_t AluminumTextColour = 0x00C00000; // dark blue

// Relative luminance and contrast ratio as the Web Content Accessibility
// Guidelines (WCAG 2) define them: 1 for the same colour, 21 for black on white.
inline double relativeLuminance(Rgb colour)
{
    auto linear = [](int channel) {
        const double c = channel / 255.0;
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.red) + 0.7152 * linear(colour.green) +
           0.0722 * linear(colour.blue);
}

inline double contrastRatio(Rgb a, Rgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::fmax(la, lb) + 0.05) / (std::fmin(la, lb) + 0.05);
}

// WCAG's least contrast for body text; large and bold text such as button
// captions may go down to 3:1.
inline constexpr double ReadableTextContrast = 4.5;
inline constexpr double ReadableCaptionContrast = 3.0;

} // namespace colours
