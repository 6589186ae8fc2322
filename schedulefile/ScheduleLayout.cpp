#include "ScheduleLayout.h"

#include "Csv.h"
#include "TextEncoding.h"
#include "TextReading.h"

#include <algorithm>

namespace ampacity::sizing {

std::vector<std::string> answerColumnNames(const std::vector<std::string> &carried,
                                           std::span<const std::string_view> names)
{
    std::vector<std::string> written;
    for (const std::string_view name : names) {
        const bool taken = std::any_of(carried.begin(), carried.end(), [&](const std::string &c) {
            return folded(trimmed(c)) == name;
        });
        written.push_back(taken ? std::string(DistinctAnswerPrefix) + std::string(name)
                                : std::string(name));
    }
    return written;
}

std::string scheduleHeaderCsv(const ScheduleLayout &layout)
{
    std::string csv = layout.byteOrderMark ? std::string(Utf8ByteOrderMark) : std::string();
    csv += layout.titleText;
    bool first = true;
    for (const auto *names : {&layout.columns, &layout.answerColumns}) {
        for (std::size_t c = 0; c < names->size(); ++c) {
            if (names == &layout.answerColumns && !layout.writes(c))
                continue;
            if (!first)
                csv += layout.separator;
            const bool quoted = names == &layout.columns && c < layout.columnsQuoted.size() &&
                                layout.columnsQuoted[c];
            appendCsvField(csv, (*names)[c], layout.separator, quoted);
            first = false;
        }
    }
    csv += layout.lineEnd;
    return csv;
}

void appendCarriedCsv(std::string &csv, const ScheduleLayout &layout, const ScheduleFileRow &row)
{
    if (row.inFileText) {
        csv += row.fileText;
        return;
    }
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        if (c > 0)
            csv += layout.separator;
        if (c < row.cells.size())
            appendCsvField(csv, row.cells[c], layout.separator,
                           c < row.quoted.size() && row.quoted[c]);
    }
}

} // namespace ampacity::sizing
