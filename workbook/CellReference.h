#pragma once

#include <charconv>
#include <cstddef>
#include <string>
#include <string_view>

// A cell's reference in Excel's form, "BC12": its column's letters and its
// row's number, both counted here from 0.
namespace workbook {

// "A" for 0, "Z" for 25, "AA" for 26.
inline std::string columnName(std::size_t column)
{
    std::string name;
    for (std::size_t c = column + 1; c > 0; c = (c - 1) / 26)
        name.insert(name.begin(), static_cast<char>('A' + (c - 1) % 26));
    return name;
}

// "BC12" as its column (54) and its row (11).
inline std::size_t columnOf(std::string_view reference)
{
    std::size_t column = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z')
            break;
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
    }
    return column == 0 ? 0 : column - 1;
}
inline std::size_t rowOf(std::string_view reference)
{
    const std::size_t digits = reference.find_first_of("0123456789");
    std::size_t row = 0;
    if (digits != std::string_view::npos)
        std::from_chars(reference.data() + digits, reference.data() + reference.size(), row);
    return row == 0 ? 0 : row - 1;
}

} // namespace workbook
