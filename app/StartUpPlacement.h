#pragma once

#include <cstdint>

// Where the main window opens: near the top right corner of the screen, its
// top edge half its outer height below the top of the screen and its right
// edge the same distance from the right edge. All sizes are in twips.
namespace ampacity {

struct WindowPlacement
{
    std::int32_t left = 0;
    std::int32_t top = 0;
    friend bool operator==(const WindowPlacement &, const WindowPlacement &) = default;
};

// The halves round to the even neighbour (452.5 -> 452, 453.5 -> 454). A
// screen too narrow for the window sends it to (0, 0). The arithmetic runs in
// 32 bits, so screens far wider than any made today are placed by the same
// rule (16 bits would overflow beyond about 2,200 pixels).
WindowPlacement startUpPlacement(double outerWidth, double outerHeight, double screenWidth);

} // namespace ampacity
