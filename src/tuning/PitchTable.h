#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace cordavo {

// Twelve values in note order C, C#, D, ... B.
using NoteCents = std::array<long double, 12>;

inline constexpr int kFirstMidiNote = 0;
inline constexpr int kLastMidiNote = 132;
inline constexpr int kMidiNoteCount = kLastMidiNote - kFirstMidiNote + 1;
// MIDI key numbers: middle C (C4) and the A above it, the reference A.
inline constexpr int kMiddleC = 60;
inline constexpr int kA4Key = 69;
// The pitch class of A, the note a temperament's reference pitch is given for.
inline constexpr int kAPitchClass = kA4Key % 12;

// The names of the twelve notes, C to B, as files and the command line write
// them. The windows show them in the user's language (noteDisplayName).
inline constexpr const char *kNoteNames[12] = {
    QT_TRANSLATE_NOOP("NoteNames", "C"),  QT_TRANSLATE_NOOP("NoteNames", "C#"), QT_TRANSLATE_NOOP("NoteNames", "D"),
    QT_TRANSLATE_NOOP("NoteNames", "D#"), QT_TRANSLATE_NOOP("NoteNames", "E"),  QT_TRANSLATE_NOOP("NoteNames", "F"),
    QT_TRANSLATE_NOOP("NoteNames", "F#"), QT_TRANSLATE_NOOP("NoteNames", "G"),  QT_TRANSLATE_NOOP("NoteNames", "G#"),
    QT_TRANSLATE_NOOP("NoteNames", "A"),  QT_TRANSLATE_NOOP("NoteNames", "A#"), QT_TRANSLATE_NOOP("NoteNames", "B")};
// The two flats tuners name instead of a sharp.
inline constexpr const char *kEFlatName = QT_TRANSLATE_NOOP("NoteNames", "Eb");
inline constexpr const char *kBFlatName = QT_TRANSLATE_NOOP("NoteNames", "Bb");

// The name of a pitch class, 0 for C to 11 for B; other numbers count
// modulo 12.
QString noteName(int pitchClass);

// A note name of kNoteNames (or a flat above) as the windows and printed
// sheets show it, in the language of the installed translation: "Do#" in
// Italian, "H" for B in German. Without a translation (the command line) it
// is the name itself. Never for files.
QString noteDisplayName(const char *name);
// The same for a pitch class, modulo 12.
QString noteDisplayName(int pitchClass);

// A MIDI key from its name with the octave (C4 is key 60, A4 key 69; sharps
// as C#4, flats as Eb4, octaves -1 to 9) or from its number (no leading
// zeros); nothing for a text that is neither or a key outside 0 to 127.
// Digits are 0 to 9 only.
std::optional<int> midiKeyNamed(QStringView text);

// The pitches a reference A may have, in hertz: the reference boxes offer
// every whole number between them, and a document whose A lies outside is
// not read back.
inline constexpr double kLowestReferencePitch = 400;
inline constexpr double kHighestReferencePitch = 500;

inline bool isReferencePitch(long double hz)
{
    return hz >= kLowestReferencePitch && hz <= kHighestReferencePitch;
}

// b raised to e in extended precision: 1 for e = 0, for a whole e of at most
// 10^9 by squaring (b, b², b⁴, ... multiplied in as the bits of e say),
// exp(e * ln b) otherwise.
long double power(long double base, long double exponent);

// The reference A of the document: 440 + (newA - oldA).
long double referencePitch(double oldA, double newA);

// Walks up the MIDI notes from note 0, one semitone at a time, multiplying
// the equal-tempered pitch up and applying each note's cents.
class PitchWalk
{
public:
    // Note 0: the equal-tempered pitch of MIDI 0 with its C offset.
    void startPitch(double oldA, double newA, long double centsOfC);
    // The next note, with the cents of its pitch class.
    void nextPitch(long double cents);

    long double equalPitch() const { return m_equalPitch; }
    long double notePitch() const { return m_notePitch; }
    // 1 for C, 2 for C#, ... 12 for B; back to 0 after a B.
    int noteCounter() const { return m_noteCounter; }

private:
    long double m_equalPitch = 0;
    long double m_notePitch = 0;
    int m_noteCounter = 0;
};

// What a setter hands the main window: new minus old for each note, shifted
// so that A's difference is 0.
NoteCents exportedCents(const NoteCents &oldPositions, const NoteCents &newPositions);
// The values as the main window's note fields would hold them: at two
// decimals.
NoteCents asNoteFields(const NoteCents &cents);

// PitchHz of every MIDI note 0 to 132, reached by the walk above.
std::array<long double, kMidiNoteCount> pitchTable(double oldA, double newA, const NoteCents &cents);

} // namespace cordavo
