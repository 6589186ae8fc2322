#pragma once

#include "ConductorSizing.h"
#include "ScheduleLayout.h"
#include "TextBuffer.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The columns a schedule's answer adds, one row each: the registry that the
// schedule files, the command line, the window and the report take their
// answer columns from.
namespace ampacity::sizing {

// One column the answer adds: its name in CSV and JSON (scripts read these
// names: they never change), how JSON writes it, its cell, and its heading
// where the schedule window and the report show it.
struct AnswerColumn
{
    std::string_view name;
    bool numeric = false;      // a JSON number, not a string
    bool nullWhenEmpty = true; // empty for want of an answer (null), not as an answer ("")
    // Writes the cell of a sized row at the end of `out`: English words,
    // exact ampacities, numbers with the decimal separator given. Null for
    // the problem column.
    void (*write)(TextBuffer &out, const Sizing &sizing,
                  std::string_view decimalSeparator) = nullptr;
    // The window's heading (context "Schedule") and its place among the
    // window's answer columns; -1 where the window shows it in another's cell
    // or not at all.
    const char *heading = nullptr;
    int windowPlace = -1;
};

// The columns the answer adds, in their order, the problem last.
// load_amperes, the first, is written only where the load column gives a
// power.
inline constexpr std::size_t LoadAmperesColumn = 0;
std::span<const AnswerColumn> answerColumns();

// The answer's columns as the schedule's file knows them: their names, the
// one written only for a load given as a power, and the columns earlier
// versions of the program added, which a schedule sized again replaces.
AnswerHeadings answerHeadings();

// A problem in words, numbers with the decimal separator given.
using ProblemWords = std::string (*)(const Problem &problem, std::string_view decimalSeparator);

// The added cells of one answer, in the order of answerColumns() (English
// names, exact ampacities, the decimal separator given); all empty but the
// problem for a row that has one.
std::vector<std::string> answerCells(const std::optional<Sizing> &sizing,
                                     const std::optional<Problem> &problem,
                                     std::string_view decimalSeparator = ".",
                                     ProblemWords problemWords = describe);

// Writes a sized row's answer cells (each after the separator, but for the
// first where nothing comes before it) straight into `out`, the problem's
// sentence quoted where it must be.
void appendAnswerCsv(std::string &out, const ScheduleLayout &layout,
                     const std::optional<Sizing> &sizing, const std::optional<Problem> &problem,
                     ProblemWords problemWords);

} // namespace ampacity::sizing
