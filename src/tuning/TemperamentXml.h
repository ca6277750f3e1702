#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace cordavo {

// Everything the temperament document is made of, as plain values.
struct TemperamentData {
    double oldA = 440;
    double newA = 440;
    NoteCents cents{};
    long double temperamentId = 0;
    QString name;
    QString shortName;
    long double supplierId = 0;
    QString supplierName;
    QString comment;
};

// The most characters a user can type into the short name field; a longer
// name loaded from a file is kept whole.
inline constexpr int kShortNameLength = 5;

// The checks of the identifying fields before a document or a data file is
// made: one message for each failing check, in the order the user sees them.
QStringList identificationErrors(const TemperamentData &data);

// A note may lie at most an octave from equal temperament either way; no
// organ plays a pitch further off, and the document's pitches stay plain
// decimal numbers.
inline constexpr long double kLargestNoteCents = 1200;

// One message for each note whose value lies outside -1200 ... +1200 cents,
// naming the note, its value and the limits.
QStringList noteCentsErrors(const NoteCents &cents, QChar decimalSeparator);

// The check every loader makes before a field changes: the refusal of a
// file that would put a note (its deviation from equal temperament) beyond
// -1200 ... +1200 cents, naming the file, each such note and its value.
Result<void> checkNoteRange(const NoteCents &deviations, const QString &fileName, QChar decimalSeparator);
// The same for a setter side's positions above C, each measured from its
// equal-tempered position (100 cents a semitone).
Result<void> checkPositionRange(const NoteCents &positions, const QString &fileName, QChar decimalSeparator);

inline constexpr int kTemperamentXmlLineCount = 15 + kMidiNoteCount * 4 + 2;

// Free text made safe as XML element content: &, < and > escaped, characters
// that XML 1.0 does not allow (control characters other than tab, lone
// surrogates, U+FFFE and U+FFFF) left out.
QString xmlElementText(const QString &text);

// The temperament document, one entry per line, without line ends. Its
// numbers are written with a full stop whatever the regional setting, as
// every XML reader expects.
QStringList temperamentXml(const TemperamentData &data);

// The lines as the document viewer holds them, which "Save xml" writes: a
// paragraph separator (U+2029) and the marks U+FDD0 and U+FDD1, which the
// viewer's text document takes for the edges of a frame, start new lines as
// line ends do; no-break spaces and line separators (U+2028) stay as they
// are. The viewer is filled with these lines, so saving it gives the bytes
// that the command line writes.
QStringList documentLines(const QStringList &lines);

// A saved document: each line in UTF-8, ended by CR LF.
QByteArray xmlFileBytes(const QStringList &lines);

// The three file types of a saved document, in the order the save dialog
// offers them, and the extension each writes into the name box.
QString xmlFileTypeExtension(int type);

// The name box after the user picks file type 'type' (0, 1 or 2): the name's
// stem before its first full stop (not one that starts the name, as in
// ".hidden"), then the type's extension.
QString xmlFileNameForType(const QString &name, int type);

} // namespace cordavo
