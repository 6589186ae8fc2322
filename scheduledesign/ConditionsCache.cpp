#include "ConditionsCache.h"

#include "Fields.h"

#include <cstring>

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
    // the decimal mark and length unit: sized once and copied in, as every
    // row of a schedule asks.
    std::size_t size = 1;
    for (const std::size_t column : m_columns) {
        const std::size_t length = column < cells.size() ? cells[column].size() : 0;
        if (length > LongestKept) {
            m_key.clear();
            return nullptr;
        }
        size += 1 + length;
    }
    m_key.resize(size);
    char *out = m_key.data();
    for (const std::size_t column : m_columns) {
        const std::string_view text =
            column < cells.size() ? std::string_view(cells[column]) : std::string_view();
        *out++ = static_cast<char>(text.size());
        std::memcpy(out, text.data(), text.size());
        out += text.size();
    }
    *out = static_cast<char>((decimalComma ? 1 : 0) | (lengthInFeet ? 2 : 0));
    const auto found = m_read.find(m_key);
    return found == m_read.end() ? nullptr : &found->second;
}

const std::variant<Conditions, Problem> &
ConditionsCache::keep(std::variant<Conditions, Problem> conditions)
{
    if (m_key.empty()) // a row with a condition cell too long to be kept
        return m_unkept.emplace(std::move(conditions));
    if (m_read.size() >= 4096)
        m_read.clear(); // a schedule of ever new conditions: no more memory than this
    return m_read.insert_or_assign(m_key, std::move(conditions)).first->second;
}

} // namespace ampacity::sizing
