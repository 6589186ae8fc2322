#include "WindowMain.h"

#include "Ampacity.h"
#include "Desktop.h"
#include "ProgramIdentity.h"
#include "ScheduleWindow.h"
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

    // torvane FILE (Open with, a double-click) opens the schedule alone.
    const QStringList arguments = QApplication::arguments();
    for (const QString &argument : arguments.mid(1)) {
        if (argument.startsWith(QLatin1Char('-')))
            continue;
        return ScheduleWindow::openSchedule(argument) ? QApplication::exec() : EXIT_FAILURE;
    }

    Ampacity window;
    window.show();
    return QApplication::exec();
}
