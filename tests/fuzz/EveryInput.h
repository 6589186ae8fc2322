#pragma once

#include "Check.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

// Every input a fuzz target ever found to crash or to trip a sanitizer, and
// its seeds with them, run again through what the target does with one
// input (under the sanitizers in scripts/test's sanitizer build).
namespace fuzzing {

inline int runEveryInput(void (*exercise)(std::string_view), const char *found, const char *seeds)
{
    int inputs = 0;
    for (const char *folder : {found, seeds}) {
        for (const auto &entry : std::filesystem::directory_iterator(folder)) {
            if (!entry.is_regular_file() || entry.path().filename() == "README")
                continue;
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes((std::istreambuf_iterator<char>(file)),
                                    std::istreambuf_iterator<char>());
            exercise(bytes);
            check::that(true, entry.path().filename().string());
            ++inputs;
        }
    }
    check::that(inputs > 0, "inputs were found");
    return check::summary();
}

} // namespace fuzzing
