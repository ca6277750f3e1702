// Any text as a note of "cordavo-cli render": a key it gives is a MIDI key
// written as the help describes (a name with its octave, C4, C#4 or Eb4, or
// a MIDI number), and each key's name reads back as the key.

#include "FuzzCheck.h"

#include <QRegularExpression>

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString text = QString::fromUtf8(bytesOf(data, size));
    static const QRegularExpression described(QStringLiteral("^(?:[A-Ga-g][#b]?(?:-1|[0-9])|[0-9]{1,3})$"));
    if (const std::optional<int> key = midiKeyNamed(text)) {
        check(*key >= 0 && *key <= 127, "a MIDI key");
        check(described.match(text).hasMatch(), "only what the help describes");
    }
    if (size > 0) {
        const int key = data[0] % 128;
        const QString named = noteName(key % 12) + QString::number(key / 12 - 1);
        check(midiKeyNamed(named) == key, "a key's name reads back as the key");
        check(midiKeyNamed(QString::number(key)) == key, "a key's number reads back as the key");
    }
    return 0;
}
