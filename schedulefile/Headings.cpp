#include "Headings.h"

#include "TextReading.h"

#include <algorithm>

namespace ampacity::sizing {

std::size_t lengthColumn()
{
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (ConditionFields[field].text == &ConditionTexts::length)
            return field + 1;
    return 0;
}

std::string columnKey(std::string_view header)
{
    std::string key;
    int brackets = 0;
    for (const char c : folded(header)) {
        if (c == '(' || c == '[')
            ++brackets;
        else if ((c == ')' || c == ']') && brackets > 0)
            --brackets;
        else if (brackets == 0 && ((c >= 'a' && c <= 'z') || isDigit(c)))
            key += c;
    }
    return key;
}

Heading readHeading(std::string_view header)
{
    Heading heading;
    heading.column = inputColumnOf(header);
    // A unit in brackets: "Length (ft)", "Charge (kW)".
    const std::string text = folded(header);
    if (const auto open = text.find_first_of("(["); open != std::string::npos) {
        const auto close = text.find_first_of(")]", open);
        const std::string_view inside = std::string_view(text).substr(
            open + 1, close == std::string::npos ? std::string::npos : close - open - 1);
        heading.unit = columnKey(inside);
        if (heading.unit.empty() && text.find('%', open) != std::string::npos)
            heading.unit.assign(1, '%');
        return heading;
    }
    if (heading.column)
        return heading;
    // A unit after the name: "Load kVA", "Longueur pi".
    const std::string key = columnKey(header);
    const auto unitAfter = [&](std::string_view name, std::size_t column) {
        const std::string nameKey = columnKey(name);
        if (key.size() <= nameKey.size() || !key.starts_with(nameKey))
            return false;
        const std::string unit = key.substr(nameKey.size());
        const bool known =
            column == 0 ? loadUnitNamed(unit).has_value() : lengthUnitInFeet(unit).has_value();
        if (known) {
            heading.column = column;
            heading.unit = unit;
        }
        return known;
    };
    if (unitAfter(LoadColumn, 0))
        return heading;
    for (std::string_view other : LoadOtherNames)
        if (!other.empty() && unitAfter(other, 0))
            return heading;
    const ConditionField &length = ConditionFields[lengthColumn() - 1];
    if (unitAfter(length.name, lengthColumn()))
        return heading;
    for (std::string_view other : length.otherNames)
        if (!other.empty() && unitAfter(other, lengthColumn()))
            return heading;
    return heading;
}

std::optional<std::size_t> inputColumnOf(std::string_view header)
{
    const std::string key = columnKey(header);
    const auto named = [&](std::string_view name, const std::array<std::string_view, 4> &others) {
        return key == columnKey(name) ||
               std::any_of(others.begin(), others.end(),
                           [&](std::string_view other) { return !other.empty() && key == other; });
    };
    if (named(LoadColumn, LoadOtherNames))
        return 0;
    for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
        if (named(ConditionFields[field].name, ConditionFields[field].otherNames))
            return field + 1;
    return std::nullopt;
}

} // namespace ampacity::sizing
