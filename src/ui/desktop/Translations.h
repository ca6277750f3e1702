#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QTranslator;

namespace cordavo {

// A language the windows speak: its code and its name as its speakers
// write it, which is how the language menu lists it in every language.
struct WindowLanguage {
    const char *code;
    const char *name;
};

// English, the language of the source texts, then the translations the
// program carries. The language menu's mnemonic is a name's first letter.
inline constexpr WindowLanguage kWindowLanguages[] = {
    {"en", "English"}, {"it", "Italiano"}, {"de", "Deutsch"}, {"nl", "Nederlands"}, {"fr", "Fran\u00e7ais"}};

// The language the windows speak: `chosen` (a code of kWindowLanguages, as
// the language menu remembers it) when it is one, else the first of the
// system's languages (QLocale::uiLanguages: "it-IT", "de") that the program
// speaks, else English.
QString windowLanguage(const QString &chosen, const QStringList &systemLanguages);

// Installs into the application the program's translation for a language
// code and, where the system has it, Qt's own for its dialogs and buttons.
// Gives the translators installed (none for English); they belong to the
// application until removeTranslations takes them out again.
QList<QTranslator *> installTranslations(const QString &code);
void removeTranslations(QList<QTranslator *> &translators);

} // namespace cordavo
