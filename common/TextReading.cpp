#include "TextReading.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <utility>

namespace ampacity {

namespace {

// U+00C0 to U+00FF without their accents, in lower case; 0 for the signs
// among them (multiplication, division), which stay as they are.
constexpr char Latin1Folded[] = "aaaaaaaceeeeiiiidnooooo\0ouuuuyps"
                                "aaaaaaaceeeeiiiidnooooo\0ouuuuypy";
static_assert(sizeof Latin1Folded == 64 + 1);

// The next character of the text, folded, and how many bytes it took: an
// ASCII letter in lower case, a Latin letter of UTF-8 without its accent,
// any other byte as it is.
std::pair<char, std::size_t> foldedAt(std::string_view text, std::size_t pos)
{
    const char c = text[pos];
    if (c >= 'A' && c <= 'Z')
        return {static_cast<char>(c - 'A' + 'a'), 1};
    if (pos + 1 < text.size()) {
        const auto lead = static_cast<unsigned char>(c);
        const auto next = static_cast<unsigned char>(text[pos + 1]);
        if (lead == 0xC3 && next >= 0x80 && next <= 0xBF) {
            const char base = Latin1Folded[next - 0x80];
            if (base != 0)
                return {base, 2};
        }
        if (lead == 0xC5 && (next == 0x92 || next == 0x93)) // Œ, œ
            return {'o', 2};
    }
    return {c, 1};
}

} // namespace

bool sameWord(std::string_view text, std::string_view word)
{
    text = trimmed(text);
    std::size_t pos = 0;
    for (const char expected : word) {
        if (pos >= text.size())
            return false;
        const auto [c, length] = foldedAt(text, pos);
        if (c != expected)
            return false;
        pos += length;
    }
    return pos == text.size();
}

std::string folded(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (std::size_t pos = 0; pos < text.size();) {
        const auto [c, length] = foldedAt(text, pos);
        result += c;
        pos += length;
    }
    return result;
}

std::optional<Decimal> readDecimal(std::string_view text, bool decimalComma)
{
    text = trimmed(text);
    Decimal number;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        number.negative = text[0] == '-';
        text.remove_prefix(1);
    }
    // Digits, and one point (or, where the schedule writes a decimal comma,
    // one comma) among them: a second mark, or any other character, and the
    // text is not a number. One pass over it.
    std::size_t point = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (isDigit(c))
            continue;
        if (point != std::string_view::npos || !(c == '.' || (decimalComma && c == ',')))
            return std::nullopt;
        point = pos;
    }
    number.whole = text.substr(0, point);
    if (point != std::string_view::npos)
        number.fraction = text.substr(point + 1);
    if (number.whole.empty() && number.fraction.empty())
        return std::nullopt;
    return number;
}

bool isZero(std::string_view digits)
{
    return std::all_of(digits.begin(), digits.end(), [](char c) { return c == '0'; });
}

std::optional<std::int64_t> wholeValue(std::string_view digits)
{
    std::size_t significant = 0;
    while (significant < digits.size() && digits[significant] == '0')
        ++significant;
    digits.remove_prefix(significant);
    if (digits.size() > 12)
        return std::nullopt;
    std::int64_t value = 0;
    for (char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

std::optional<std::int64_t> scaledValue(const Decimal &number, int decimals, Rounding rounding)
{
    const auto whole = wholeValue(number.whole);
    if (!whole || decimals < 0 || decimals > 6)
        return std::nullopt;
    std::int64_t value = *whole;
    const auto kept = static_cast<std::size_t>(decimals);
    const std::size_t given = std::min(kept, number.fraction.size());
    for (std::size_t digit = 0; digit < given; ++digit)
        value = value * 10 + (number.fraction[digit] - '0');
    for (std::size_t digit = given; digit < kept; ++digit)
        value *= 10;
    // Any digit past the kept ones makes the value a little more than the
    // units before it.
    if (rounding == Rounding::Up && number.fraction.size() > kept &&
        !isZero(number.fraction.substr(kept)))
        ++value;
    return value;
}

namespace {

// 10^0 to 10^18, the units a scaled number may count in.
constexpr auto PowersOfTen = [] {
    std::array<std::uint64_t, 19> powers{};
    std::uint64_t power = 1;
    for (std::uint64_t &each : powers) {
        each = power;
        power *= 10;
    }
    return powers;
}();

// Writes the scaled text at `out`, which has room for ScaledTextRoom bytes,
// and gives its end: the whole part, then the fraction without its trailing
// zeros.
char *writeScaledText(char *out, std::int64_t value, int decimals,
                      std::string_view decimalSeparator)
{
    const auto kept =
        static_cast<std::size_t>(std::clamp(decimals, 0, static_cast<int>(PowersOfTen.size()) - 1));
    const std::uint64_t unit = PowersOfTen[kept];
    const std::uint64_t magnitude =
        value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    // Amperes (four decimals) and factors (two), nearly every number a
    // schedule writes, divided by a constant: a multiplication, where a
    // division by a variable takes tens of cycles.
    const std::uint64_t whole = kept == 4   ? magnitude / 10000
                                : kept == 2 ? magnitude / 100
                                            : magnitude / unit;
    std::uint64_t fraction = magnitude - whole * unit;
    if (value < 0)
        *out++ = '-';
    out = std::to_chars(out, out + 20, whole).ptr;
    if (fraction == 0)
        return out;
    std::size_t digits = kept;
    for (; fraction % 10 == 0; fraction /= 10)
        --digits;
    if (decimalSeparator.size() == 1) {
        *out++ = decimalSeparator.front();
    } else {
        if (decimalSeparator.size() > 24)
            decimalSeparator = "."; // no locale's mark is so long
        out = std::copy(decimalSeparator.begin(), decimalSeparator.end(), out);
    }
    // Its digits from the last, the zeros it lacks in front (0.0005).
    for (std::size_t d = digits; d-- > 0; fraction /= 10)
        out[d] = static_cast<char>('0' + fraction % 10);
    return out + digits;
}

// A sign, 20 digits, a separator of up to 24 bytes, 18 decimals.
constexpr std::size_t ScaledTextRoom = 64;

} // namespace

void appendScaledText(std::string &text, std::int64_t value, int decimals,
                      std::string_view decimalSeparator)
{
    TextBuffer buffer(text);
    appendScaledText(buffer, value, decimals, decimalSeparator);
}

void appendScaledText(TextBuffer &text, std::int64_t value, int decimals,
                      std::string_view decimalSeparator)
{
    text.commit(writeScaledText(text.room(ScaledTextRoom), value, decimals, decimalSeparator));
}

void appendWhole(TextBuffer &text, std::int64_t value)
{
    // A sign and 19 digits; one digit, as a table's number or a count of
    // sets, at once.
    char *at = text.room(20);
    if (value >= 0 && value <= 9) {
        *at = static_cast<char>('0' + value);
        text.commit(at + 1);
        return;
    }
    text.commit(std::to_chars(at, at + 20, value).ptr);
}

std::string scaledText(std::int64_t value, int decimals, std::string_view decimalSeparator)
{
    std::string text;
    appendScaledText(text, value, decimals, decimalSeparator);
    return text;
}

} // namespace ampacity
