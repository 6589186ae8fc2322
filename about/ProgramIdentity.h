#pragma once

#include "AboutTexts.h"

#include <QCoreApplication>

// The program's name and version, as --version and the About window give
// them, set on the application object the command line or the window runs in.
namespace about {

inline void nameTheProgram()
{
    QCoreApplication::setApplicationName(QStringLiteral("Torvane"));
    QCoreApplication::setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
}

} // namespace about
