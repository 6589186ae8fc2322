// The workbook fuzz target: libFuzzer with AddressSanitizer and
// UndefinedBehaviorSanitizer, built and run by scripts/fuzz.

#include "ExerciseWorkbook.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzzing::exerciseWorkbook(std::string_view(reinterpret_cast<const char *>(data), size));
    return 0;
}
