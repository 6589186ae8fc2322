#include "Desktop.h"

#include <QtGlobal>

// Windows: the desktop is always there; the text is drawn with FreeType.
namespace platform {

std::string missingDisplay()
{
    return {};
}

void chooseFontEngine()
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "windows:fontengine=freetype");
}

} // namespace platform
