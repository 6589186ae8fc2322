#pragma once

#include "Conditions.h"
#include "Headings.h"
#include "Problem.h"

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

namespace ampacity::sizing {

// The conditions of the rows read so far, by their cells: the rows of a
// schedule share a few sets of conditions, read once each.
class ConditionsCache
{
public:
    // The conditions read before from the same condition cells (the columns
    // at `inputs`, read with the same decimal mark and length unit), or
    // nothing; keep() then keeps the conditions read from them.
    const std::variant<Conditions, Problem> *find(const std::vector<std::string> &cells,
                                                  const std::array<int, InputColumnCount> &inputs,
                                                  bool decimalComma, bool lengthInFeet);
    const std::variant<Conditions, Problem> &keep(std::variant<Conditions, Problem> conditions);

private:
    // Looked up by the key's bytes, without a string made of them.
    struct KeyHash
    {
        using is_transparent = void;
        std::size_t operator()(std::string_view key) const
        {
            return std::hash<std::string_view>{}(key);
        }
    };
    std::unordered_map<std::string, std::variant<Conditions, Problem>, KeyHash, std::equal_to<>>
        m_read;
    // The columns of the conditions read so far, and those of them the file
    // has, whose cells make the key.
    std::array<int, InputColumnCount> m_inputs{};
    std::vector<std::size_t> m_columns;
    std::string m_key;           // room for the key of the row looked for last
    std::size_t m_keyLength = 0; // ...and its length; 0: a row not kept
    std::optional<std::variant<Conditions, Problem>> m_unkept;
};

} // namespace ampacity::sizing
