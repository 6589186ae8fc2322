#pragma once

#include <string>

// Qt aborts when it finds no display to open a window on. The program checks
// first and says in one line what is missing.
namespace ampacity {

// The environment as far as the choice of display goes; an unset variable is
// an empty text.
struct DisplayEnvironment
{
    std::string qtPlatform;     // QT_QPA_PLATFORM: names the platform outright
    std::string x11Display;     // DISPLAY
    std::string waylandDisplay; // WAYLAND_DISPLAY
};

// Empty when a window can be opened; otherwise the line to print, e.g.
// "torvane: no display to open the window on (DISPLAY is not set)".
std::string missingDisplayMessage(const DisplayEnvironment &environment);

} // namespace ampacity
