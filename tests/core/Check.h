#pragma once

#include <cstdio>
#include <iomanip>
#include <source_location>
#include <sstream>
#include <string>

// Checks for the core's tests, which build and run without Qt. A failed
// check prints where and what; main ends with check::summary(), which prints
// "N passed, M failed" and gives the exit status.
namespace check {

struct Tally
{
    int passed = 0;
    int failed = 0;
};

inline Tally &tally()
{
    static Tally counts;
    return counts;
}

inline bool that(bool condition, const std::string &what,
                 std::source_location where = std::source_location::current())
{
    if (condition) {
        ++tally().passed;
        return true;
    }
    ++tally().failed;
    std::printf("FAIL %s:%u: %s\n", where.file_name(), unsigned(where.line()), what.c_str());
    return false;
}

template <typename Actual, typename Expected>
bool equal(const Actual &actual, const Expected &expected, const std::string &what,
           std::source_location where = std::source_location::current())
{
    const bool same = actual == expected;
    std::ostringstream message;
    if (!same)
        message << what << ": got [" << std::setprecision(9) << actual << "], expected ["
                << expected << "]";
    return that(same, same ? what : message.str(), where);
}

inline int summary()
{
    std::printf("%d passed, %d failed\n", tally().passed, tally().failed);
    return tally().failed == 0 ? 0 : 1;
}

} // namespace check
