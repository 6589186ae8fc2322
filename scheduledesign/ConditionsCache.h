#pragma once

#include "Conditions.h"
#include "Headings.h"
#include "Problem.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <string_view>
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
    struct Read
    {
        std::string key;
        std::variant<Conditions, Problem> conditions;
    };
    // The most sets of conditions kept: a schedule of ever new conditions
    // takes no more memory than this.
    static constexpr std::size_t MostKept = 4096;
    // Where each key's conditions are in m_read (their index plus one; 0: an
    // empty slot), by the key's hash, in an open table of twice as many
    // slots as sets kept: a look-up is a hash of the key's words, a mask and
    // one comparison of the key, every row of a schedule.
    static constexpr std::size_t SlotCount = 2 * MostKept;
    std::vector<std::uint32_t> m_slots;
    std::deque<Read> m_read; // its conditions stay where they are as more come
    std::size_t m_slot = 0;  // the empty slot the key looked for last found
    void forget();           // every set kept, and its slot
    // The columns of the conditions read so far, and those of them the file
    // has, whose cells make the key.
    std::array<int, InputColumnCount> m_inputs{};
    std::vector<std::size_t> m_columns;
    std::string m_key;           // room for the key of the row looked for last
    std::size_t m_keyLength = 0; // ...and its length; 0: a row not kept
    std::optional<std::variant<Conditions, Problem>> m_unkept;
};

} // namespace ampacity::sizing
