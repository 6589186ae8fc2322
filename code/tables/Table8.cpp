// Canadian Electrical Code, Part I, 2024, Table 8: the largest per cent of
// a raceway's internal area its conductors may fill (Rules 12-902, 12-910),
// the row for conductors and cables that are not lead-sheathed. Checked
// against tests/core/data/table-8-2024.tsv.

#include "RacewayTables.h"

namespace ampacity {

int table8Percent(int conductors)
{
    if (conductors <= 1)
        return 53;
    if (conductors == 2)
        return 31;
    return 40; // 3, 4 and over 4
}

} // namespace ampacity
