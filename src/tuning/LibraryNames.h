#pragma once

#include "tuning/TemperamentLibrary.h"

#include <QString>
#include <QStringList>

namespace cordavo {

// The library's names in the languages the windows speak. A generic name
// (equal temperament, 1/4-comma meantone, Pythagorean, just intonation, the
// groups) has its own name in each language, as that language's reference
// works give it, and the words its organists type for it ("mesotonico",
// "gleichschwebend", "middentoon", "tempérament égal"); a proper name
// (Werckmeister III, Vallotti) is the same everywhere. The search finds an
// entry by any of them, whatever language the windows speak.

// The language codes the library names besides English ("it", ...).
QStringList libraryLanguages();

// The language the windows speak, as the installed translation says ("en"
// without one, as on the command line).
QString libraryDisplayLanguage();

// Adds to the entries their names and the words they are known by in the
// other languages.
void addLocalNames(QList<LibraryEntry> &entries);

// An entry's name in a language: its own name there, else the English.
QString libraryName(const LibraryEntry &entry, const QString &language);
// The name as the windows show it: in their language, with the English
// beside it where the two differ ("Temperamento equabile — Equal
// temperament").
QString libraryShownName(const LibraryEntry &entry, const QString &language);
// The words an entry is known by in a language (not its name).
QStringList libraryLocalAliases(const LibraryEntry &entry, const QString &language);

// A group of the library in a language; the English group for "en" or a
// group without a name there.
QString libraryGroupName(const QString &group, const QString &language);
// Every name of a group and every word it is known by, in all languages.
QStringList libraryGroupSearchNames(const QString &group);

} // namespace cordavo
