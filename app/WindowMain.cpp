#include "WindowMain.h"

#include "Ampacity.h"
#include "Desktop.h"
#include "ProgramIdentity.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

int runWindow(int argc, char *argv[])
{
    // Without a display Qt would abort with a message about reinstalling.
    const std::string noDisplay = platform::missingDisplay();
    if (!noDisplay.empty()) {
        std::fprintf(stderr, "%s\n", noDisplay.c_str());
        return EXIT_FAILURE;
    }

    platform::chooseFontEngine();
    QApplication app(argc, argv);
    about::nameTheProgram();
    installTranslations(app);

    Ampacity window;
    window.show();
    return QApplication::exec();
}
