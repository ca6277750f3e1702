#pragma once

#include "tuning/TemperamentLibrary.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace cordavo {

// Finding a library entry by what someone types. Organists know these
// temperaments under several spellings (Vallotti or Valotti, Werckmeister or
// Werkmeister), with or without accents, in any word order, and sometimes
// under another name (Tartini-Vallotti); a plain substring match on the one
// spelling of the table found none of these. It lives here, not in the
// window, so that the command line can look entries up the same way.

// Text as the matching sees it: case folded, accents dropped (by Unicode
// decomposition), apostrophes removed, any other character that is not a
// letter, a digit or "/" a blank, blanks collapsed.
QString foldForSearch(QStringView text);

// Whether every word typed is found in the entry's name, in one of its
// aliases or in one of their usual alternative spellings, in any order.
// Nothing typed matches every entry.
bool libraryNameMatches(const LibraryEntry &entry, QStringView typed);

// The entries that match, in library order.
QList<const LibraryEntry *> findEntries(const TemperamentLibrary &library, QStringView typed);

} // namespace cordavo
