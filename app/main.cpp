#include "AboutTexts.h"
#include "Ampacity.h"
#include "CommandLine.h"
#include "ConsoleStreams.h"
#include "DisplayCheck.h"
#include "QtBridge.h"
#include "Translations.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

[[maybe_unused]] std::string environmentValue(const char *name)
{
    const char *value = std::getenv(name);
    return value ? value : "";
}

void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationVersion(QStringLiteral("%1.%2.%3")
                                                .arg(about::VersionMajor)
                                                .arg(about::VersionMinor)
                                                .arg(about::VersionRevision));
}

} // namespace

int main(int argc, char *argv[])
{
    // With a command the program answers on the console and exits; it opens
    // no window and needs no display.
    if (commandline::asksForCommandLine(argc, argv)) {
        console::attachToParentConsole();
        QCoreApplication app(argc, argv);
        nameTheProgram();
        installTranslations(app);
        return commandline::run(QCoreApplication::arguments());
    }

#if defined(Q_OS_UNIX) && !defined(Q_OS_DARWIN)
    // Without a display Qt would abort with a message about reinstalling.
    // Windows and macOS always have their desktop.
    const std::string noDisplay = ampacity::missingDisplayMessage(
        {environmentValue("QT_QPA_PLATFORM"), environmentValue("DISPLAY"),
         environmentValue("WAYLAND_DISPLAY")});
    if (!noDisplay.empty()) {
        std::fprintf(stderr, "%s\n", noDisplay.c_str());
        return EXIT_FAILURE;
    }
#endif

    qtbridge::chooseFontEngine();
    QApplication app(argc, argv);
    nameTheProgram();
    installTranslations(app);

    Ampacity window;
    window.show();
    return QApplication::exec();
}
