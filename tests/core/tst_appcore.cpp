// What start-up works out before the window shows: the placement near the
// top right corner, the state, the display check; and the contrast measure
// the windows keep their colours readable by.

#include "AmpacityState.h"
#include "Check.h"
#include "Colours.h"
#include "DisplayCheck.h"
#include "StartUpPlacement.h"

#include <cmath>
#include <ostream>
#include <string>

using namespace ampacity;

namespace colours {
// For a failed check's message.
std::ostream &operator<<(std::ostream &out, const Rgb &rgb)
{
    return out << rgb.red << ',' << rgb.green << ',' << rgb.blue;
}
} // namespace colours

namespace {

void placement()
{
    struct Case
    {
        const char *name;
        double outerWidth, outerHeight, screenWidth;
        WindowPlacement expected;
    };
    const Case cases[] = {
        // 905 / 2 = 452.5 goes to the even 452; 907 / 2 = 453.5 to the even 454.
        {"905 high", 5775, 905, 19200, {19200 - 5775 - 452, 452}},
        {"907 high", 5775, 907, 19200, {19200 - 5775 - 454, 454}},
        // The left edge rounds too: 20000.5 - 5775 - 452 = 13773.5 goes to 13774.
        {"half-twip screen", 5775, 905, 20000.5, {13774, 452}},
        {"narrow screen", 5775, 2000, 5000, {0, 0}},
        {"just too narrow", 5775, 2000, 6774, {0, 0}},
        {"just wide enough", 5775, 2000, 6775, {0, 1000}},
        // 3840 pixels are 57,600 twips, beyond a 16-bit step.
        {"4K screen", 5775, 1905, 57600, {57600 - 5775 - 952, 952}},
        {"four 8K screens", 5775, 1905, 460800, {460800 - 5775 - 952, 952}},
    };
    for (const Case &c : cases) {
        const WindowPlacement p = startUpPlacement(c.outerWidth, c.outerHeight, c.screenWidth);
        check::equal(p.left, c.expected.left, std::string(c.name) + ": left");
        check::equal(p.top, c.expected.top, std::string(c.name) + ": top");
    }
}

void startUpState()
{
    AmpacityState state;
    setStartUpValues(state);
    check::equal(state.MaterSel, material::Copper, "copper");
    check::equal(state.CondSel, installation::RacewayOrCable, "raceway or cable");
    check::equal(state.TempSel, insulation::Rated60C, "60 C");
    check::that(state.AmbFactor == 1.0f && state.NoOfWFactor == 1.0f, "no correction");
    check::equal(state.WSIndex, std::int16_t(0), "first wire size");
}

void displayCheck()
{
    const std::string missing = "torvane: no display to open the window on (DISPLAY is not set)";
    const std::pair<DisplayEnvironment, std::string> cases[] = {
        {{"", "", ""}, missing},
        {{"", ":0", ""}, ""},
        {{"", "", "wayland-0"}, ""},
        {{"offscreen", "", ""}, ""},
    };
    for (const auto &[environment, message] : cases)
        check::equal(missingDisplayMessage(environment), message,
                     "display '" + environment.x11Display + "' '" + environment.waylandDisplay +
                         "' platform '" + environment.qtPlatform + "'");
}

void contrast()
{
    using colours::contrastRatio;
    using colours::rgbOf;
    const colours::Rgb white{255, 255, 255};
    const colours::Rgb black{0, 0, 0};
    check::that(std::abs(contrastRatio(black, white) - 21.0) < 1e-9, "black on white is 21:1");
    check::that(std::abs(contrastRatio(white, white) - 1.0) < 1e-9, "a colour on itself is 1:1");
    // WCAG's own example: #777777 on white is just under 4.5:1.
    check::that(std::abs(contrastRatio({0x77, 0x77, 0x77}, white) - 4.48) < 0.01, "#777 on white");
    check::equal(rgbOf(colours::CopperTextColour), colours::Rgb{128, 0, 0}, "maroon");
    check::equal(rgbOf(colours::AluminumTextColour), colours::Rgb{0, 0, 192}, "dark blue");
}

} // namespace

int main()
{
    placement();
    startUpState();
    displayCheck();
    contrast();
    return check::summary();
}
