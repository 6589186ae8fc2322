#include "ConditionsCache.h"

#include "Fields.h"

#include <algorithm>

namespace ampacity::sizing {
namespace {

// Each cell of the key comes after its length in one byte, so that no two
// rows make the same key whatever bytes a cell holds. A row with a longer
// condition cell (no condition reads so many bytes) is not kept.
constexpr std::size_t LongestKept = 254;

} // namespace

const std::variant<Conditions, Problem> *
ConditionsCache::find(const std::vector<std::string> &cells,
                      const std::array<int, InputColumnCount> &inputs, bool decimalComma,
                      bool lengthInFeet)
{
    // Conditions read from other columns are of no use.
    if (inputs != m_inputs || m_read.empty()) {
        m_read.clear();
        m_inputs = inputs;
        m_columns.clear();
        for (std::size_t field = 0; field < std::size(ConditionFields); ++field)
            if (inputs[field + 1] >= 0)
                m_columns.push_back(static_cast<std::size_t>(inputs[field + 1]));
    }
    // The condition cells one after the other, each after its length, then
    // the decimal mark and length unit, copied into room made once for the
    // longest key, as every row of a schedule asks.
    m_key.resize(m_columns.size() * (1 + LongestKept) + 1);
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
        out = std::copy(text.begin(), text.end(), out);
    }
    *out++ = static_cast<char>((decimalComma ? 1 : 0) | (lengthInFeet ? 2 : 0));
    m_keyLength = static_cast<std::size_t>(out - start);
    const auto found = m_read.find(std::string_view(start, m_keyLength));
    return found == m_read.end() ? nullptr : &found->second;
}

const std::variant<Conditions, Problem> &
ConditionsCache::keep(std::variant<Conditions, Problem> conditions)
{
    if (m_keyLength == 0) // a row with a condition cell too long to be kept
        return m_unkept.emplace(std::move(conditions));
    if (m_read.size() >= 4096)
        m_read.clear(); // a schedule of ever new conditions: no more memory than this
    return m_read.insert_or_assign(m_key.substr(0, m_keyLength), std::move(conditions))
        .first->second;
}

} // namespace ampacity::sizing
