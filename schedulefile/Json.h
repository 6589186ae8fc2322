#pragma once

#include <string>
#include <string_view>

namespace ampacity::sizing {

// One JSON string, quotes included, the text's control characters escaped.
std::string jsonString(std::string_view text);

} // namespace ampacity::sizing
