// Every input the workbook fuzz target ever found, and its seeds, run again.

#include "EveryInput.h"
#include "ExerciseWorkbook.h"

int main()
{
    return fuzzing::runEveryInput(fuzzing::exerciseWorkbook, TORVANE_FUZZ_FOUND,
                                  TORVANE_FUZZ_SEEDS);
}
