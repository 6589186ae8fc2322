// Every input the fuzz target ever found to crash or to trip a sanitizer,
// run again as an ordinary test (under the sanitizers in scripts/test's
// sanitizer build), and the seeds with them.

#include "Check.h"
#include "Exercise.h"

#include <filesystem>
#include <fstream>
#include <iterator>

int main()
{
    int inputs = 0;
    for (const char *folder : {TORVANE_FUZZ_FOUND, TORVANE_FUZZ_SEEDS}) {
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == "README")
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
            fuzzing::exercise(bytes);
            check::that(true, entry.path().filename().string());
            ++inputs;
        }
    }
    check::that(inputs > 0, "inputs were found");
    return check::summary();
}
