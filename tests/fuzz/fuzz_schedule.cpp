// The fuzz target: libFuzzer with AddressSanitizer and
// UndefinedBehaviorSanitizer, built and run by scripts/fuzz.

#include "Exercise.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::exercise(std::string_view(reinterpret_cast<const char *>(data), size));
    return 0;
}
