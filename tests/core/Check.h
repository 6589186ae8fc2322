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

inline int counts[2] = {0, 0}; // failed, passed

inline bool that(bool condition, const std::string &what,
                 std::source_location where = std::source_location::current())
{
    ++counts[condition];
    if (!condition)
        std::printf("FAIL %s:%u: %s\n", where.file_name(), unsigned(where.line()), what.c_str());
    return condition;
}

template <typename Actual, typename Expected>
bool equal(const Actual &actual, const Expected &expected, const std::string &what,
           std::source_location where = std::source_location::current())
{
    std::ostringstream message;
    message << what << ": got [" << std::setprecision(9) << actual << "], expected [" << expected
            << "]";
    return that(actual == expected, message.str(), where);
}

inline int summary()
{
    std::printf("%d passed, %d failed\n", counts[1], counts[0]);
    return counts[0] == 0 ? 0 : 1;
}

} // namespace check
