#pragma once

#include "WorkbookProblem.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A sheet's cells read from its XML's bytes, as the spreadsheet shows them,
// into the schedule's text: rows as CSV lines, every row as wide as the
// widest. One pass over the part, nothing built but the cells' texts.
namespace workbook {

// One sheet as the schedule's text, and the lines of rows holding a
// formula whose value the file does not keep (a workbook written by a
// program that does not calculate), each the row's problem.
struct SheetText
{
    std::string csv;
    std::vector<int> linesWithoutValues; // 1 the first line
    std::vector<int> rowLines;           // the line each row starts on, in order
};

// A text cell as a schedule reads it: a number written with a decimal
// comma ("15,5") is the number (15.5), since a workbook has no separator to
// confuse it with.
std::string cellText(std::string utf8);

// .xlsx: the shared strings' plain texts (xl/sharedStrings.xml).
std::optional<std::vector<std::string>> readSharedStrings(std::string_view xml,
                                                          WorkbookProblem *problem);
// .xlsx: a worksheet part.
std::optional<SheetText> readXlsxSheet(std::string_view xml, const std::vector<std::string> &shared,
                                       WorkbookProblem *problem);
// .xlsx: each element named `element` (in its order) and its attributes
// `names`, decoded: the sheets of xl/workbook.xml, the relationships of
// its .rels part.
std::optional<std::vector<std::vector<std::string>>>
readElements(std::string_view xml, std::string_view element,
             std::initializer_list<std::string_view> names, WorkbookProblem *problem);

// .ods: content.xml's sheets' names, and one sheet (0 the first).
std::optional<std::vector<std::string>> readOdsSheetNames(std::string_view content,
                                                          WorkbookProblem *problem);
std::optional<SheetText> readOdsSheet(std::string_view content, int sheet,
                                      WorkbookProblem *problem);

} // namespace workbook
