#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace cordavo {

// A twelve-note Scala scale (.scl) as a side of the cents setter: the
// description and the positions above C, C being the implicit 1/1.
struct ScalaScale {
    QString description;
    NoteCents positions{};
};

// A scale read and checked whole, or one message naming the file, the line
// and the problem.
using ScalaContents = Result<ScalaScale>;

// True for a name ending in ".scl", in any case.
bool isScalaFileName(const QString &path);

// Reads a Scala file's bytes (UTF-8, otherwise Windows-1252). Only scales of
// twelve notes whose last pitch is the octave load. fileName only serves the
// messages.
ScalaContents parseScalaFile(const QByteArray &bytes, const QString &fileName);

// Reads a small file from disk and checks it (see parseScalaFile).
ScalaContents readScalaFile(const QString &path);

// The lines of a Scala file: a comment with the file's name, the
// description, 12, the positions of C# to B above C's (C is the scale's
// 1/1) in cents with five decimals and a full stop, and 2/1.
// A name as other programs' plain-text files hold it: on one line (line
// breaks, tabs and other control characters become a blank, runs of blanks
// one blank) and in printable ASCII: letters with accents lose them
// ("\u00E0" becomes "a"), a few letters and signs are spelled out
// ("\u00DF" "ss", "\u00E6" "ae", typographic quotes and dashes their plain
// forms), and every other character becomes "?".
QString plainTextLine(const QString &text);

QStringList scalaFileLines(const QString &fileName, const ScalaScale &scale);

} // namespace cordavo
