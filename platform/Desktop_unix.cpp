#include "Desktop.h"

#include "DisplayCheck.h"

#include <cstdlib>

// Linux and other Unix desktops: X11 or Wayland, which may be missing.
namespace platform {
namespace {

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

std::string missingDisplay()
{
    return ampacity::missingDisplayMessage({environmentValue("QT_QPA_PLATFORM"),
                                            environmentValue("DISPLAY"),
                                            environmentValue("WAYLAND_DISPLAY")});
}

void chooseFontEngine() {}

void drawWithoutWindows()
{
    if (environmentValue("QT_QPA_PLATFORM").empty())
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
}

} // namespace platform
