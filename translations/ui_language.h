#pragma once
// The language the window and tavrin-cli speak: the user's, as the system
// says it (LANGUAGE, LC_ALL, LC_MESSAGES, LANG, in Qt's order), when the
// program has a translation for it; English, the language the program is
// written in, otherwise. The translations lie beside the program in a build
// (translations/tavrin_de.qm) and in the shared data folder when installed.
// A missing, unreadable or broken translation leaves the program in English.

#include <QString>
#include <QStringList>
#include <string>
#include <string_view>

class QCoreApplication;
class QTranslator;

// The folder of the translations for a program in `programFolder`.
QString TranslationFolder(const QString& programFolder);

// The translation of the first of `languages` (as QLocale::uiLanguages gives
// them: "de-DE", "fr") that `folder` holds and that loads, owned by the
// caller; none for English, for a language the program has no translation
// for, and for a file that is missing, unreadable or broken.
QTranslator* LoadTranslation(const QString& folder, const QStringList& languages);

// Installs `translator` on `app` (which owns it from then on) in place of
// the one installed before, so that every tr() speaks it and the core's
// texts are translated by it; none puts the program back in English.
// Returns its language ("de"), empty for English.
QString InstallTranslation(QCoreApplication& app, QTranslator* translator);

// The translation of the user's languages for the running program, or none,
// installed on `app`.
QString InstallUserLanguage(QCoreApplication& app);

// The same for tavrin-cli, which has no application object for most
// commands: the translation serves CoreText and CoreTextBytes alone.
QString UseUserLanguage();

// A text the engine, the core or tavrin-cli made, in the language in use:
// translated whole, or as one of the core's templates with its values (see
// text_translation.h). CoreTextBytes gives the bytes (the translation in
// UTF-8; the text's own bytes when nothing is translated); CoreText reads
// them as UTF-8, or Latin-1 where they are not.
std::string CoreTextBytes(std::string_view english);
QString CoreText(std::string_view english);
