#pragma once

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <string>
#include <optional>
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

// A sheet's size in both spreadsheets: columns A to XFD, rows 1 to 1,048,576.
constexpr std::size_t MostColumns = 16384;
constexpr std::size_t MostRows = 1048576;

// "BC12" as its column (54) and its row (11); a column past XFD counts as
// XFD.
inline std::size_t columnOf(std::string_view reference)
{
    std::size_t column = 0;
    for (const char c : reference) {
        if (c < 'A' || c > 'Z')
            break;
        column = std::min(column * 26 + static_cast<std::size_t>(c - 'A' + 1), MostColumns);
    }
    return column == 0 ? 0 : column - 1;
}

// A row element's number ("12": 11), or a cell reference's column ("BC12":
// 54), where the text is one a spreadsheet writes; nullopt otherwise (empty,
// "2x", "A0", beyond the sheet). The reader refuses what these refuse and
// the writer counts rows and columns by them, so that both agree.
inline std::optional<std::size_t> rowNumber(std::string_view text)
{
    std::size_t row = 0;
    const auto read = std::from_chars(text.data(), text.data() + text.size(), row);
    if (text.empty() || read.ec != std::errc{} || read.ptr != text.data() + text.size() ||
        row == 0 || row > MostRows)
        return std::nullopt;
    return row - 1;
}
inline std::optional<std::size_t> referenceColumn(std::string_view reference)
{
    const std::size_t letters = reference.find_first_not_of("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
    if (letters == 0 || letters > 3 || letters == std::string_view::npos ||
        !rowNumber(reference.substr(letters)))
        return std::nullopt;
    std::size_t column = 0;
    for (const char c : reference.substr(0, letters))
        column = column * 26 + static_cast<std::size_t>(c - 'A' + 1);
    return column <= MostColumns ? std::optional(column - 1) : std::nullopt;
}

// An .ods element's repeat count (number-rows-repeated and the like): 1
// without one, or where it does not read. The reader and the writer both
// count repeats by it.
inline std::size_t repeatCount(std::optional<std::string_view> text)
{
    std::size_t count = 1;
    if (text)
        std::from_chars(text->data(), text->data() + text->size(), count);
    return std::max<std::size_t>(count, 1);
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
