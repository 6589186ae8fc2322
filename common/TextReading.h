#pragma once

#include "TextBuffer.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// Reading what a user types: words without regard to case, and plain decimal
// numbers, exactly, as whole numbers of a fixed fraction (hundredths,
// ten-thousandths), never through binary floating point.
namespace ampacity {

inline bool isBlank(char c) // a blank, a tab or a line end
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

inline bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The text without blanks, tabs or line ends at either end.
inline std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

// The trimmed text is the word, whatever the case of its letters and their
// accents ("Câble" is "cable", "MATÉRIAU" is "materiau"); the word is given
// in lower case without accents.
bool sameWord(std::string_view text, std::string_view word);

// The text in lower case without the accents of the Latin letters French
// writes: "Température" is "temperature".
std::string folded(std::string_view text);

// A plain decimal number: digits with at most one point, at least one digit,
// an optional leading sign. No exponent, no grouping, no comma: "1,500" must
// not quietly become one and a half amperes. Where the text comes from a
// schedule whose numbers are written with a decimal comma (a semicolon or
// tab file, as French spreadsheets save them), one comma may stand for the
// point: "15,5".
struct Decimal
{
    bool negative = false;
    std::string_view whole;    // digits before the point
    std::string_view fraction; // digits after it
};
std::optional<Decimal> readDecimal(std::string_view text, bool decimalComma = false);

// All the digits are zeros (or there are none).
bool isZero(std::string_view digits);

// The whole digits as a number, or nothing when there are more than fit the
// tables many times over.
std::optional<std::int64_t> wholeValue(std::string_view digits);

// Which way a value with more decimals than kept goes: up where a larger
// value is the safe side (a load, a length), down where a smaller one is (a
// voltage, a limit).
enum class Rounding
{
    Up,
    Down
};

// The magnitude of a decimal in units of 10^-decimals (decimals 0 to 6),
// digits past those rounded as asked; nothing when the whole part is
// beyond a trillion.
std::optional<std::int64_t> scaledValue(const Decimal &number, int decimals, Rounding rounding);

// A whole number of 10^-decimals units as the shortest decimal text:
// 2521500 at 4 decimals is "252.15", 1000000 is "100".
std::string scaledText(std::int64_t value, int decimals, std::string_view decimalSeparator = ".");
// The same, added to the end of `text`.
void appendScaledText(std::string &text, std::int64_t value, int decimals,
                      std::string_view decimalSeparator = ".");
void appendScaledText(TextBuffer &text, std::int64_t value, int decimals,
                      std::string_view decimalSeparator = ".");
// A whole number, added to the end of `text`.
void appendWhole(TextBuffer &text, std::int64_t value);

} // namespace ampacity
