#pragma once

#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

namespace cordavo {

// A Scala keyboard mapping (.kbm): which key plays which degree of a scale,
// and the frequency of one key. The note fields tune twelve keys to the
// octave from C, so only mappings of that shape load: a pattern of twelve
// keys playing the degrees 0 to 11 in order (or the linear mapping, size 0),
// the octave at degree 12, and the scale's 1/1 on a C.
struct KeyboardMapping {
    int mapSize = 12;
    int firstKey = 0;
    int lastKey = 127;
    int middleKey = kMiddleC;
    int referenceKey = kA4Key;
    long double referenceHz = 440;
    int octaveDegree = 12;
    QList<int> map; // the degree each key of the pattern plays
};

// The mapping that goes with a scale: the same folder and stem, ".kbm".
QString keyboardMappingPathFor(const QString &scalePath);

// Reads a mapping's bytes (UTF-8, otherwise Windows-1252) and checks it
// whole: the mapping, or one message naming the file, the line and the
// problem. fileName only serves the messages.
Result<KeyboardMapping> parseKeyboardMapping(const QByteArray &bytes, const QString &fileName);

// Reads a small file from disk and checks it (see parseKeyboardMapping).
Result<KeyboardMapping> readKeyboardMapping(const QString &path);

// The note fields' values for a twelve-note Scala scale (its positions above
// C): the deviations from equal temperament with A at 0, or, with a mapping,
// shifted all alike so that the mapping's reference key sounds at its
// frequency under the reference pitches oldA and newA.
NoteCents deviationsFromScala(const NoteCents &positions, const std::optional<KeyboardMapping> &mapping, double oldA,
                              double newA);

} // namespace cordavo
