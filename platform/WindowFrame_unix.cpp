#include "WindowFrame.h"

// Linux and other Unix desktops: the window manager takes a fixed frame from
// the equal minimum and maximum sizes the window sets.
namespace platform {

void makeFrameFixed(QWidget & /*window*/) {}

} // namespace platform
