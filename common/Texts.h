#pragma once

// Marks a text of the program's own that the windows show in the user's
// language. The core keeps, compares and returns the English text; the
// window layer looks its translation up by it, in the context given here.
// Qt's lupdate collects these texts as it collects QT_TRANSLATE_NOOP.
//
// lupdate reads \u escapes greedily: a hex letter right after one must stand
// in a literal of its own, "Raceway or\u00A0" "Cable". The degree sign is
// written as itself.
#define TORVANE_TEXT(context, text) text
