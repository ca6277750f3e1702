#include "tuning/NoteSpelling.h"

#include <QCoreApplication>

#include <cstdlib>

namespace cordavo {

namespace {

constexpr int kLetterPitchClasses[7] = {0, 2, 4, 5, 7, 9, 11};

// Every letter with a flat, without, and with a sharp. Its own context: the
// pitch-class labels elsewhere call the key between A and B "B" in German,
// while a written A sharp is "Ais".
constexpr const char *kSpelledNames[7][3] = {
    {QT_TRANSLATE_NOOP("SpelledNotes", "Cb"), QT_TRANSLATE_NOOP("SpelledNotes", "C"),
     QT_TRANSLATE_NOOP("SpelledNotes", "C#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Db"), QT_TRANSLATE_NOOP("SpelledNotes", "D"),
     QT_TRANSLATE_NOOP("SpelledNotes", "D#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Eb"), QT_TRANSLATE_NOOP("SpelledNotes", "E"),
     QT_TRANSLATE_NOOP("SpelledNotes", "E#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Fb"), QT_TRANSLATE_NOOP("SpelledNotes", "F"),
     QT_TRANSLATE_NOOP("SpelledNotes", "F#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Gb"), QT_TRANSLATE_NOOP("SpelledNotes", "G"),
     QT_TRANSLATE_NOOP("SpelledNotes", "G#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Ab"), QT_TRANSLATE_NOOP("SpelledNotes", "A"),
     QT_TRANSLATE_NOOP("SpelledNotes", "A#")},
    {QT_TRANSLATE_NOOP("SpelledNotes", "Bb"), QT_TRANSLATE_NOOP("SpelledNotes", "B"),
     QT_TRANSLATE_NOOP("SpelledNotes", "B#")},
};

int wrap(int value, int modulus)
{
    return ((value % modulus) + modulus) % modulus;
}

// The black keys' other names, flat for a usual sharp and sharp for a usual flat.
SpelledNote otherSpelling(SpelledNote usual)
{
    return usual.accidental > 0 ? SpelledNote{usual.letter + 1, -1} : SpelledNote{usual.letter - 1, +1};
}

// The letters an interval of so many semitones spans, seconds to sevenths;
// the tritone as an augmented fourth.
int letterSteps(int semitones)
{
    static constexpr int kSteps[12] = {0, 1, 1, 2, 2, 3, 3, 4, 5, 5, 6, 6};
    return kSteps[wrap(semitones, 12)];
}

// The note 'steps' letters and 'semitones' above 'lower', or none when it
// needs more than one accidental.
bool above(SpelledNote lower, int steps, int semitones, SpelledNote &upper)
{
    const int letter = (lower.letter + steps) % 7;
    const int accidental = wrap(lower.pitchClass() + semitones - kLetterPitchClasses[letter] + 6, 12) - 6;
    if (std::abs(accidental) > 1)
        return false;
    upper = {letter, accidental};
    return true;
}

const char *superscriptDigit(int digit)
{
    static constexpr const char *kDigits[10] = {"⁰", "¹", "²", "³", "⁴", "⁵", "⁶", "⁷", "⁸", "⁹"};
    return kDigits[digit];
}

} // namespace

int SpelledNote::pitchClass() const
{
    return wrap(kLetterPitchClasses[wrap(letter, 7)] + accidental, 12);
}

SpelledNote usualSpelling(int pitchClass)
{
    static constexpr SpelledNote kUsual[12] = {{0, 0}, {0, 1}, {1, 0}, {2, -1}, {2, 0},  {3, 0},
                                               {3, 1}, {4, 0}, {4, 1}, {5, 0},  {6, -1}, {6, 0}};
    return kUsual[wrap(pitchClass, 12)];
}

std::pair<SpelledNote, SpelledNote> intervalSpelling(int lowerPitchClass, int semitones, bool wolf)
{
    const SpelledNote usual = usualSpelling(lowerPitchClass);
    if (wolf)
        return {usual, usualSpelling(lowerPitchClass + semitones)};
    const int steps = letterSteps(semitones);
    std::pair<SpelledNote, SpelledNote> best{usual, usualSpelling(lowerPitchClass + semitones)};
    int fewest = 99;
    SpelledNote candidates[2] = {usual, usual};
    if (usual.accidental != 0)
        candidates[1] = otherSpelling(usual);
    for (const SpelledNote lower : candidates) {
        SpelledNote upper;
        if (!above(lower, steps, semitones, upper))
            continue;
        const int accidentals = std::abs(lower.accidental) + std::abs(upper.accidental);
        if (accidentals < fewest) {
            fewest = accidentals;
            best = {lower, upper};
        }
    }
    return best;
}

SpelledNote majorKeySpelling(int pitchClass)
{
    const int pc = wrap(pitchClass, 12);
    return pc == 1 || pc == 8 ? otherSpelling(usualSpelling(pc)) : usualSpelling(pc);
}

SpelledNote minorKeySpelling(int pitchClass)
{
    return usualSpelling(pitchClass);
}

QString spelledName(SpelledNote note)
{
    return QLatin1String(kSpelledNames[wrap(note.letter, 7)][note.accidental + 1]);
}

QString spelledDisplayName(SpelledNote note)
{
    return QCoreApplication::translate("SpelledNotes", kSpelledNames[wrap(note.letter, 7)][note.accidental + 1]);
}

OctaveNaming octaveNamingInUse()
{
    //: How notes are named with their octave in this language. Keep exactly one of these words: scientific (C4 is
    //: middle C), solfege (Do3 is middle C), helmholtz (c′ is middle C).
    const QString word = QCoreApplication::translate("SpelledNotes", "scientific");
    if (word == QLatin1String("solfege"))
        return OctaveNaming::Solfege;
    if (word == QLatin1String("helmholtz"))
        return OctaveNaming::Helmholtz;
    return OctaveNaming::Scientific;
}

namespace {

// The scientific octave of the letter's natural note: B#3 sounds as C4, Cb4 as B3.
int scientificOctave(int midiKey, SpelledNote note)
{
    const int natural = midiKey - note.accidental;
    return (natural - wrap(natural, 12)) / 12 - 1;
}

} // namespace

QString scientificName(int midiKey, SpelledNote note)
{
    return spelledName(note) + QString::number(scientificOctave(midiKey, note));
}

QString noteWithOctave(int midiKey, SpelledNote note, OctaveNaming naming)
{
    const int octave = scientificOctave(midiKey, note);
    const QString name = spelledDisplayName(note);
    switch (naming) {
    case OctaveNaming::Scientific:
        break;
    case OctaveNaming::Solfege:
        return name + QString::number(octave - 1);
    case OctaveNaming::Helmholtz: {
        if (octave <= 2)
            return name + QString(2 - octave, QChar(0x0375));
        const int primes = octave - 3;
        const QString small = name.toLower();
        if (primes == 0)
            return small;
        if (primes <= 3)
            return small + QChar(0x2032 + primes - 1);
        QString raised;
        for (const QChar digit : QString::number(primes))
            raised += QString::fromUtf8(superscriptDigit(digit.unicode() - '0'));
        return small + raised;
    }
    }
    return name + QString::number(octave);
}

QString noteWithOctave(int midiKey, OctaveNaming naming)
{
    return noteWithOctave(midiKey, usualSpelling(midiKey % 12), naming);
}

} // namespace cordavo
