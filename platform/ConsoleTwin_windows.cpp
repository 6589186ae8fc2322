#include "ConsoleTwin.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

#include <cstdio>

namespace platform {

int startWindowedProgram(int argc, char *argv[])
{
    const QCoreApplication app(argc, argv);
    const QFileInfo twin(QCoreApplication::applicationFilePath());
    const QString windowed = twin.dir().filePath(twin.completeBaseName() + QStringLiteral(".exe"));
    if (QProcess::startDetached(windowed, QCoreApplication::arguments().mid(1)))
        return 0;
    std::fprintf(stderr, "torvane: %s cannot be started\n",
                 QDir::toNativeSeparators(windowed).toLocal8Bit().constData());
    return 1;
}

} // namespace platform
