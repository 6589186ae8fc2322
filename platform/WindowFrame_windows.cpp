#include "WindowFrame.h"

#include <QWidget>

// Windows: a fixed size alone still gives a sizable border with a maximize
// button; Qt's fixed-size dialog frame has neither.
namespace platform {

void makeFrameFixed(QWidget &window)
{
    window.setWindowFlag(Qt::MSWindowsFixedSizeDialogHint, true);
    window.setWindowFlag(Qt::WindowMaximizeButtonHint, false);
}

} // namespace platform
