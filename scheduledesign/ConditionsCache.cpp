#include "ConditionsCache.h"

#include "Fields.h"
#include "TextBuffer.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace ampacity::sizing {
namespace {

// Each cell of the key comes after its length in one byte, so that no two
// rows make the same key whatever bytes a cell holds. A row with a longer
// condition cell (no condition reads so many bytes) is not kept.
constexpr std::size_t LongestKept = 254;

// The key's hash, eight bytes at a time: the key is followed by at least
// seven bytes of room, so that its last bytes are read as a whole word and
// the bytes past the key masked off.
std::uint64_t hashOf(std::string_view key)
{
    constexpr std::uint64_t odd = 0x9e3779b97f4a7c15ULL;
    std::uint64_t hash = key.size() * odd;
    const auto mix = [&](std::uint64_t word) {
        hash = (hash ^ word) * odd;
        hash ^= hash >> 29;
    };
    std::size_t at = 0;
    for (; at + 8 <= key.size(); at += 8) {
        std::uint64_t word;
        std::memcpy(&word, key.data() + at, sizeof word);
        mix(word);
    }
    std::uint64_t last = 0;
    if (const std::size_t left = key.size() - at; left > 0) {
        std::memcpy(&last, key.data() + at, sizeof last);
        const std::uint64_t all = ~std::uint64_t{0};
        last &= std::endian::native == std::endian::little ? all >> (64 - 8 * left)
                                                           : all << (64 - 8 * left);
    }
    mix(last);
    return hash ^ (hash >> 32);
}

} // namespace

const std::variant<Conditions, Problem> *
ConditionsCache::find(const std::vector<std::string> &cells,
                      const std::array<int, InputColumnCount> &inputs, bool decimalComma,
                      bool lengthInFeet)
{
    // Conditions read from other columns are of no use.
    if (inputs != m_inputs || m_slots.empty()) {
        forget();
        m_inputs = inputs;
        m_columns.clear();
        for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
            if (inputs[field + 1] >= 0)
                m_columns.push_back(static_cast<std::size_t>(inputs[field + 1]));
    }
    // The condition cells one after the other, each after its length, then
    // the decimal mark and length unit, copied into room made once for the
    // longest key, as every row of a schedule asks.
    m_key.resize(m_columns.size() * (1 + LongestKept) + 1 + 7); // and room for hashOf's last word
    char *const start = m_key.data();
    char *out = start;
    m_keyLength = 0;
    const std::string *const row = cells.data();
    const std::size_t rowCells = cells.size();
    for (const std::size_t column : m_columns) {
        const std::string_view text =
            column < rowCells ? std::string_view(row[column]) : std::string_view();
        if (text.size() > LongestKept)
            return nullptr;
        *out++ = static_cast<char>(text.size());
        copyBytes(out, text.data(), text.size());
        out += text.size();
    }
    *out++ = static_cast<char>((decimalComma ? 1 : 0) | (lengthInFeet ? 2 : 0));
    m_keyLength = static_cast<std::size_t>(out - start);
    const std::string_view key(start, m_keyLength);
    for (std::size_t slot = hashOf(key) & (SlotCount - 1);; slot = (slot + 1) & (SlotCount - 1)) {
        const std::uint32_t index = m_slots[slot];
        if (index == 0) {
            m_slot = slot;
            return nullptr;
        }
        Read &read = m_read[index - 1];
        if (read.key == key)
            return &read.conditions;
    }
}

void ConditionsCache::forget()
{
    m_read.clear();
    m_slots.assign(SlotCount, 0);
}

const std::variant<Conditions, Problem> &
ConditionsCache::keep(std::variant<Conditions, Problem> conditions)
{
    if (m_keyLength == 0) // a row with a condition cell too long to be kept
        return m_unkept.emplace(std::move(conditions));
    const std::string_view key(m_key.data(), m_keyLength);
    if (m_read.size() >= MostKept) {
        // Begun again, the key's slot the first its hash names.
        forget();
        m_slot = hashOf(key) & (SlotCount - 1);
    }
    m_read.push_back({std::string(key), std::move(conditions)});
    m_slots[m_slot] = static_cast<std::uint32_t>(m_read.size());
    return m_read.back().conditions;
}

} // namespace ampacity::sizing
