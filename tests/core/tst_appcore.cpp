// What start-up works out before the window shows: the placement near the
// top right corner, the state, the display check; and the contrast measure
// the windows keep their colours readable by.

#include "AmpacityState.h"
#include "Check.h"
#include "Colours.h"
#include "DisplayCheck.h"
#include "StartUpPlacement.h"

#include <cmath>
#include <string>
#include <tuple>

using namespace ampacity;

int main()
{
    // Outer width, outer height and screen width in twips; left and top.
    const std::tuple<const char *, double, double, double, int, int> placements[] = {
        // 905 / 2 = 452.5 goes to the even 452; 907 / 2 = 453.5 to the even 454.
        {"905 high", 5775, 905, 19200, 19200 - 5775 - 452, 452},
        {"907 high", 5775, 907, 19200, 19200 - 5775 - 454, 454},
        // The left edge rounds too: 20000.5 - 5775 - 452 = 13773.5 goes to 13774.
        {"half-twip screen", 5775, 905, 20000.5, 13774, 452},
        {"just too narrow", 5775, 2000, 6774, 0, 0},
        {"just wide enough", 5775, 2000, 6775, 0, 1000},
        // 3840 pixels are 57,600 twips, beyond a 16-bit step.
        {"4K screen", 5775, 1905, 57600, 57600 - 5775 - 952, 952},
        {"four 8K screens", 5775, 1905, 460800, 460800 - 5775 - 952, 952},
    };
    for (const auto &[name, width, height, screen, left, top] : placements) {
        const WindowPlacement p = startUpPlacement(width, height, screen);
        check::that(p.left == left && p.top == top, std::string("placement, ") + name);
    }

    AmpacityState state;
    setStartUpValues(state);
    check::that(state.MaterSel == material::Copper &&
                    state.CondSel == installation::RacewayOrCable &&
                    state.TempSel == insulation::Rated60C && state.WSIndex == 0 &&
                    state.AmbFactor == 1.0f && state.NoOfWFactor == 1.0f,
                "start-up: copper, raceway or cable, 60 °C, no correction, first wire size");

    // QT_QPA_PLATFORM, DISPLAY and WAYLAND_DISPLAY: any one is enough.
    const std::string none = "torvane: no display to open the window on (DISPLAY is not set)";
    check::equal(missingDisplayMessage({"", "", ""}), none, "no display");
    check::equal(missingDisplayMessage({"", ":0", ""}), std::string(), "X11");
    check::equal(missingDisplayMessage({"", "", "wayland-0"}), std::string(), "Wayland");
    check::equal(missingDisplayMessage({"offscreen", "", ""}), std::string(), "platform");

    using colours::contrastRatio;
    const colours::Rgb white{255, 255, 255};
    check::that(std::abs(contrastRatio({0, 0, 0}, white) - 21.0) < 1e-9, "black on white: 21");
    check::that(std::abs(contrastRatio(white, white) - 1.0) < 1e-9, "white on white: 1");
    // WCAG's own example: #777777 on white is just under 4.5:1.
    check::that(std::abs(contrastRatio({0x77, 0x77, 0x77}, white) - 4.48) < 0.01, "#777");
    check::that(colours::rgbOf(colours::CopperTextColour) == colours::Rgb{128, 0, 0} &&
                    colours::rgbOf(colours::AluminumTextColour) == colours::Rgb{0, 0, 192},
                "maroon and dark blue from the layout's byte order");
    return check::summary();
}
