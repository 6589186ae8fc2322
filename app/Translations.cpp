#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

void installTranslations(QCoreApplication &application)
{
    const QLocale desktop = QLocale::system();
    auto *own = new QTranslator(&application);
    if (own->load(desktop, QStringLiteral("torvane"), QStringLiteral("_"),
                  QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(own);
    else
        delete own;

    // Qt's catalogue is there where the desktop installed it (Debian's
    // qt6-translations-l10n); without it Qt's few texts stay English.
    auto *qt = new QTranslator(&application);
    if (qt->load(desktop, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
}
