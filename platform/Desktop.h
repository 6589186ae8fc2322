#pragma once

#include <string>

// What the windows need of the platform before the application object
// exists.
namespace platform {

// Empty when a window can be opened; otherwise the line to print. A Linux or
// other Unix desktop may have no display, and Qt would abort with a message
// about reinstalling; Windows always has its desktop.
std::string missingDisplay();

// Chooses how glyphs are drawn. On Windows the program draws its text with
// Qt's own FreeType, as on Linux: the Windows font engines take a glyph's box
// from the system's metrics and its pixels from the system's rasterizer, and
// where the two disagree a letter is lost. Under Wine, Liberation Sans
// (Arial's stand-in) at 8.25 pt is measured 2 pixels wide for a capital I
// whose stem is drawn outside them, so every I vanished. FreeType gives box
// and pixels from one source, and the same glyphs the layout was measured
// with on Linux. A platform the user names (QT_QPA_PLATFORM, -platform) is
// left as it is. Nothing to do elsewhere.
void chooseFontEngine();

// For drawing without a window (the report of the command line): a platform
// that needs no display where one may be missing (Qt's offscreen one on
// Linux), the desktop's own with its font engine on Windows. A platform the
// user names is left as it is.
void drawWithoutWindows();

} // namespace platform
