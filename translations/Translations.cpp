#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Installs the catalogue name_<language>.qm from the folder for the first of
// the desktop's UI languages it exists for; with none, nothing changes.
void installCatalogue(QCoreApplication &application, const QString &name, const QString &folder)
{
    auto *translator = new QTranslator(&application);
    if (translator->load(QLocale::system(), name, QStringLiteral("_"), folder))
        QCoreApplication::installTranslator(translator);
    else
        delete translator;
}

} // namespace

void installTranslations(QCoreApplication &application)
{
    installCatalogue(application, QStringLiteral("torvane"), QStringLiteral(":/i18n"));
    // Qt's catalogue is there where the desktop installed it (Debian's
    // qt6-translations-l10n); without it Qt's few texts stay English.
    installCatalogue(application, QStringLiteral("qtbase"),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath));
}
