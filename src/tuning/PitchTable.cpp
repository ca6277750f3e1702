#include "tuning/PitchTable.h"

#include "numbers/NumEditText.h"

#include <cmath>

namespace cordavo {

QString noteName(int pitchClass)
{
    return QString::fromLatin1(kNoteNames[((pitchClass % 12) + 12) % 12]);
}

QString noteDisplayName(const char *name)
{
    return QCoreApplication::translate("NoteNames", name);
}

QString noteDisplayName(int pitchClass)
{
    return noteDisplayName(kNoteNames[((pitchClass % 12) + 12) % 12]);
}

std::optional<int> midiKeyNamed(QStringView text)
{
    // Only the digits 0 to 9: other scripts' digits are no part of a name.
    auto digit = [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9') ? c.unicode() - '0' : -1; };
    if (text.isEmpty())
        return std::nullopt;
    int key = 0;
    if (digit(text[0]) >= 0) {
        // A plain number, without leading zeros: 0 to 127.
        if (text.size() > 3 || (text.size() > 1 && text[0] == QLatin1Char('0')))
            return std::nullopt;
        for (const QChar c : text) {
            if (digit(c) < 0)
                return std::nullopt;
            key = 10 * key + digit(c);
        }
    } else {
        // A letter, a sharp or a flat, then the octave: 0 to 9, or -1.
        static const int kLetterClasses[7] = {9, 11, 0, 2, 4, 5, 7}; // A to G
        const QChar letter = text[0].toUpper();
        if (letter < QLatin1Char('A') || letter > QLatin1Char('G'))
            return std::nullopt;
        int pitchClass = kLetterClasses[letter.unicode() - 'A'];
        qsizetype i = 1;
        if (i < text.size() && text[i] == QLatin1Char('#'))
            ++pitchClass, ++i;
        else if (i < text.size() && text[i] == QLatin1Char('b'))
            --pitchClass, ++i;
        const QStringView octave = text.mid(i);
        int octaveNumber = 0;
        if (octave == QLatin1String("-1"))
            octaveNumber = -1;
        else if (octave.size() == 1 && digit(octave[0]) >= 0)
            octaveNumber = digit(octave[0]);
        else
            return std::nullopt;
        key = 12 * (octaveNumber + 1) + pitchClass;
    }
    if (key < 0 || key > 127)
        return std::nullopt;
    return key;
}

long double power(long double base, long double exponent)
{
    if (exponent == 0)
        return 1;
    if (exponent == std::trunc(exponent) && std::fabs(exponent) <= 1.0e9L) {
        long long n = static_cast<long long>(std::fabs(exponent));
        long double result = 1;
        long double factor = base;
        while (n > 0) {
            if (n & 1)
                result *= factor;
            factor *= factor;
            n >>= 1;
        }
        return exponent < 0 ? 1 / result : result;
    }
    return std::exp(exponent * std::log(base));
}

long double referencePitch(double oldA, double newA)
{
    const long double shift = static_cast<long double>(newA) - static_cast<long double>(oldA);
    return 440 + shift;
}

void PitchWalk::startPitch(double oldA, double newA, long double centsOfC)
{
    m_equalPitch = power(2, -5.75L) * referencePitch(oldA, newA);
    // MIDI note 0 is a C and takes the C offset like every other C.
    m_notePitch = power(2, centsOfC / 1200) * m_equalPitch;
    m_noteCounter = 1;
}

void PitchWalk::nextPitch(long double cents)
{
    ++m_noteCounter;
    m_notePitch = power(2, (cents + 100) / 1200) * m_equalPitch;
    m_equalPitch = power(2, 1.0L / 12) * m_equalPitch;
    if (m_noteCounter == 12)
        m_noteCounter = 0;
}

NoteCents exportedCents(const NoteCents &oldPositions, const NoteCents &newPositions)
{
    NoteCents d{};
    for (int i = 0; i < 12; ++i)
        d[i] = newPositions[i] - oldPositions[i];
    const long double a = d[kAPitchClass];
    for (long double &value : d)
        value -= a;
    return d;
}

NoteCents asNoteFields(const NoteCents &cents)
{
    NoteCents held{};
    for (int i = 0; i < 12; ++i)
        held[i] = fieldValue(cents[i], kTwoDecimalsPattern);
    return held;
}

std::array<long double, kMidiNoteCount> pitchTable(double oldA, double newA, const NoteCents &cents)
{
    std::array<long double, kMidiNoteCount> pitches{};
    PitchWalk walk;
    walk.startPitch(oldA, newA, cents[0]);
    pitches[0] = walk.notePitch();
    for (int note = 1; note < kMidiNoteCount; ++note) {
        walk.nextPitch(cents[note % 12]);
        pitches[note] = walk.notePitch();
    }
    return pitches;
}

} // namespace cordavo
