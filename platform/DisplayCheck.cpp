#include "DisplayCheck.h"

namespace ampacity {

std::string missingDisplayMessage(const DisplayEnvironment &environment)
{
    if (!environment.qtPlatform.empty() || !environment.x11Display.empty() ||
        !environment.waylandDisplay.empty())
        return {};
    return "torvane: no display to open the window on (DISPLAY is not set)";
}

} // namespace ampacity
