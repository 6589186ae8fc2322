#pragma once

class QCoreApplication;

// Installs the program's texts, and Qt's own (a line edit's context menu),
// in the desktop's language: the first of the user's UI languages (LANGUAGE,
// LC_MESSAGES, LANG) for which a translation is built in, French today.
// English needs nothing: it is the language of the sources.
void installTranslations(QCoreApplication &application);
