#pragma once

#include "tuning/TemperamentLibrary.h"

#include <QList>
#include <QString>
#include <QStringView>

namespace cordavo {

// Finding a library entry by what someone types. Organists know these
// temperaments under several spellings (Vallotti or Valotti, Werckmeister or
// Werkmeister), with or without accents, in any word order, with Arabic or
// Roman numbers, and sometimes under another name (Tartini-Vallotti,
// Neidhardt's "große Stadt"). Each typed word is matched against the words
// of a name, never inside a word: "ii" is not found in "III", nor "2" in
// "1724". It lives here, not in the window, so that the window and the
// command line find and rank alike.

// Text as the matching sees it: case folded, accents dropped (by Unicode
// decomposition), apostrophes removed, any other character that is not a
// letter, a digit or "/" a blank, blanks collapsed.
QString foldForSearch(QStringView text);

// How well an entry's name (or one of its other names) answers what was
// typed, best first.
enum class NameMatch {
    // Every word of the name, leaving out a trailing attribution in
    // parentheses that dates it, such as "(Aaron 1523)" or "(1744)", was
    // typed, and nothing that is not in the name.
    Exact,
    // Every word typed is a whole word of the name.
    Whole,
    // Every word typed is a whole word of the name or the beginning of one.
    Prefix,
};

struct RankedEntry {
    const LibraryEntry *entry = nullptr;
    NameMatch match = NameMatch::Prefix;
    // Words of the name (without its attribution) that were not typed.
    int untypedWords = 0;
    // Found by another name of the entry rather than by its own (in any
    // language).
    bool byOtherName = false;
    // Found only by the name of its group ("wohltemperiert"), after every
    // entry found by a name of its own.
    bool byGroup = false;

    // Whether two entries stand at the same rank.
    bool sameRank(const RankedEntry &other) const
    {
        return byGroup == other.byGroup && match == other.match && untypedWords == other.untypedWords &&
               byOtherName == other.byOtherName;
    }
};

// The answer to a typed name.
struct LibrarySearchResult {
    // The entries that match, best first; ties in library order. Nothing
    // typed gives every entry in library order.
    QList<RankedEntry> ranked;
    // For a name the library knows of but does not hold (Werckmeister's
    // first two), what it offers instead and why; the entries offered are
    // then in ranked.
    QString remark;

    // The entry meant, when one stands alone at the best rank and nothing
    // needs saying about it; otherwise nothing.
    const LibraryEntry *meant() const;
    QList<const LibraryEntry *> entries() const;
};

LibrarySearchResult searchLibrary(const TemperamentLibrary &library, QStringView typed);

// Whether every word typed is a word of the entry's name, or of one of its
// other names, or the beginning of one, in any order. Nothing typed matches
// every entry.
bool libraryNameMatches(const LibraryEntry &entry, QStringView typed);

// The entries that match, best first (searchLibrary's ranking).
QList<const LibraryEntry *> findEntries(const TemperamentLibrary &library, QStringView typed);

// For a name that matches nothing: the few entries whose names come nearest
// to it, by the letters that agree in nearly right words (a word typed is
// near a word of a name when at most a third of its letters differ). Best
// first, ties in library order; none when no word typed is near any.
QList<const LibraryEntry *> nearestEntries(const TemperamentLibrary &library, QStringView typed, int count = 5);

} // namespace cordavo
