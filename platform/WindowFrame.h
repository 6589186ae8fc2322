#pragma once

class QWidget;

// The calculator's windows have fixed frames: they can be neither resized
// nor maximized. Linux window managers read that from the fixed size's
// hints; Windows (and Wine) need the frame asked for outright.
namespace platform {

void makeFrameFixed(QWidget &window);

} // namespace platform
