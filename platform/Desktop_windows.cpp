#include "Desktop.h"

#include <QByteArray>
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
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("windows:fontengine=freetype"));
}

void drawWithoutWindows()
{
    chooseFontEngine();
}

} // namespace platform
