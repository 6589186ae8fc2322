// Every input the schedule fuzz target ever found, and its seeds, run again.

#include "EveryInput.h"
#include "Exercise.h"

int main()
{
    return fuzzing::runEveryInput(fuzzing::exercise, TORVANE_FUZZ_FOUND, TORVANE_FUZZ_SEEDS);
}
