#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace cordavo {

// One historical temperament: twelve deviations in cents from equal
// temperament, C to B, with A at 0.
struct LibraryEntry {
    QString name;
    QString group; // empty for the entries outside every group
    // Other names the entry is known by ("Tartini-Vallotti"), found by the
    // filter and shown beside the construction.
    QStringList aliases;
    // The name in another language, by its code ("it"), for a name that is
    // not the same everywhere, and the words that language also knows the
    // entry by; the search finds the entry by all of them.
    QMap<QString, QString> localNames;
    QMap<QString, QStringList> localAliases;
    NoteCents deviations{};
    // How the temperament is built ("" when only its table row is known).
    // A constructed entry's deviations are the construction's.
    QString construction;
    // What else a user should know of the entry: where its row comes from
    // or how far it may be trusted ("" when nothing).
    QString remark;
    // The row of the compiled table, and the decimals it gives at most;
    // -1 for an entry known only by its construction.
    NoteCents tableRow{};
    int rowDecimals = -1;

    bool constructed() const { return !construction.isEmpty(); }
    bool inTable() const { return rowDecimals >= 0; }
};

// The library as read from its table: every row in table order, then the
// constructed temperaments the table lacks.
struct TemperamentLibrary {
    QList<LibraryEntry> entries;
};

// Reads the tab-separated table: "#" comment lines, a header line starting
// with "name", then name, group and twelve numbers (full stop, an optional
// sign) per row. The constructions known for a name replace its values,
// and the aliases known for a name are added to it.
// Gives the library, or the first fault found in the table.
Result<TemperamentLibrary> parseTemperamentLibrary(QStringView table);

// A remark of the library as the windows show it, in the language of the
// installed translation; the entries keep the English.
// Without a translation (the command line) it is the text itself.
QString libraryDisplayText(const QString &english);
// How an entry is built as the windows show it: its construction in the
// language of the installed translation, note names included; the entry's
// construction stays English for the command line and the files.
QString libraryConstructionDisplayText(const LibraryEntry &entry);

// A side of the cents setter from deviations: 100·i + d(i) − d(C).
NoteCents positionsFromDeviations(const NoteCents &deviations);
// The other way: p(i) − 100·i − (p(A) − 900), so that A is 0.
NoteCents deviationsFromPositions(const NoteCents &positions);

} // namespace cordavo
