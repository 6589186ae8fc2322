#include "Ampacity.h"
#include "DisplayCheck.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a message about reinstalling.
    const std::string noDisplay = ampacity::missingDisplayMessage(
        {environmentValue("QT_QPA_PLATFORM"), environmentValue("DISPLAY"),
         environmentValue("WAYLAND_DISPLAY")});
    if (!noDisplay.empty()) {
        std::fprintf(stderr, "%s\n", noDisplay.c_str());
        return EXIT_FAILURE;
    }

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Torvane"));
    installTranslations(app);

    Ampacity window;
    window.show();
    return QApplication::exec();
}
