#pragma once

#include "numbers/Separators.h"
#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace cordavo {

// The tuning guide: how a tuner sets a temperament by ear on a real
// instrument. One octave, the bearing, is tuned from A by fifths, fourths and
// pure thirds, counting beats; the thirds and sixths of the bearing check
// the work; the rest of the compass follows in pure octaves.

// The octave the temperament is set in, named by its lowest key.
enum class Bearing { F3, C4, A3 };

// The intervals a guide names, with the ratio each one is pure at.
enum class GuideInterval { Fifth, Fourth, MajorThird, MajorSixth, MinorThird, Octave };

// How an interval stands beside its pure size.
enum class IntervalSound { Pure, Narrow, Wide };

// The keys' written names: C4 is middle C (MIDI 60), sharps as "#" except
// E flat and B flat, written "Eb" and "Bb", as tuners name them.
QString guideNoteName(int midiKey);
// "fifth", "fourth", "major third", ...
QString guideIntervalName(GuideInterval interval);
// "pure", "narrow", "wide"
QString intervalSoundName(IntervalSound sound);
// "F3–F4", "C4–C5", "A3–A4"
QString bearingName(Bearing bearing);
// The same names as the windows and the guide's sheet show them, in the
// language of the installed translation ("Fa3", "quinta"); the names above
// stay English for the guide's data file.
QString guideNoteDisplayName(int midiKey);
QString guideIntervalDisplayName(GuideInterval interval);
QString intervalSoundDisplayName(IntervalSound sound);
QString bearingDisplayName(Bearing bearing);
int bearingLowestKey(Bearing bearing);

// Beats per second of two pitches near the ratio p/q (upper over lower):
// the upper note's q-th partial against the lower's p-th, |q·upper − p·lower|.
long double beatsPerSecond(long double lower, long double upper, int p, int q);

// A flue pipe's pitch follows the speed of sound: the pitch f, right at the
// reference temperature, at the temperature now (both in degrees Celsius).
long double pitchAtTemperature(long double hz, long double referenceCelsius, long double nowCelsius);

// What the user chooses for a guide.
struct GuideSettings {
    Bearing bearing = Bearing::F3;
    // The stop's length in feet: 8 sounds as written, 4 an octave higher, 2 two.
    int foot = 8;
    // The metronome mark beats are counted at; none counts beats in 5 seconds.
    std::optional<int> metronome;
    // The temperature the organ stands at the document's pitch, and the
    // temperature now, in degrees Celsius; none tunes at the document's pitch.
    std::optional<double> referenceCelsius;
    std::optional<double> nowCelsius;
};

inline constexpr int kLowestMetronome = 20;
inline constexpr int kHighestMetronome = 300;
inline constexpr double kLowestCelsius = -40;
inline constexpr double kHighestCelsius = 60;

// Why settings cannot make a guide; empty when they can.
QString guideSettingsError(const GuideSettings &settings);

// Two keys sounding together, from the pitches of the stop.
struct GuideIntervalMeasure {
    int fromKey = 0; // the key already tuned (the lower key for a check)
    int toKey = 0;   // the key tuned by this step (the upper key for a check)
    GuideInterval interval = GuideInterval::Fifth;
    long double cents = 0;    // the size, upper over lower
    long double fromPure = 0; // negative when narrow
    long double beatsPerSecond = 0;
    IntervalSound sound = IntervalSound::Pure;
};

struct TuningGuide {
    QString name;
    GuideSettings settings;
    // A4 of the document, and A4 to tune to now (the same without temperatures).
    long double documentA = 440;
    long double forkA = 440;
    int forkKey = kA4Key;         // the bearing's A, tuned from the fork
    long double forkKeyPitch = 0; // its sounding pitch
    std::vector<GuideIntervalMeasure> steps;
    std::vector<GuideIntervalMeasure> thirdsAndSixths; // thirds, then sixths, chromatic
    std::vector<GuideIntervalMeasure> otherFifths;     // the fifths no step tuned
    // The notes' offsets from equal temperament for electronic tuners, to
    // the tenth of a cent: with A at 0 (the tuner set to forkA), and with C at
    // 0 (the tuner set to tunerAForC).
    NoteCents offsetsFromA{};
    NoteCents offsetsFromC{};
    long double tunerAForC = 440;
};

// The guide for a temperament as the document holds it (the note fields'
// cents and the two reference A's), or why the settings cannot make one.
// The tuning order follows from the temperament: a pure third is tuned as
// soon as it can be, then fifths and fourths along the circle of fifths
// outward from A, wolves only when nothing else reaches a note; the other
// key of A's octave (or of any note) is tuned as an octave at once.
Result<TuningGuide> tuningGuide(const QString &name, double oldA, double newA, const NoteCents &cents,
                                const GuideSettings &settings);

// The guide as a document of headed tables, the same for the printed sheet
// and the plain text.
struct GuideTable {
    QString heading;
    QStringList lead;    // lines of text before the table
    QStringList columns; // empty for no table
    QList<QStringList> rows;
    // Which columns hold numbers (aligned right).
    QList<bool> numeric;
};

struct GuideDocument {
    QString title;
    QStringList subtitle; // the pitch, the bearing and stop, the date
    QList<GuideTable> tables;
};

GuideDocument guideDocument(const TuningGuide &guide, const QDate &date, const Separators &separators);

// The document as plain text, one line each, columns aligned.
QStringList guideTextLines(const GuideDocument &document);

// One tab-separated row per fork, step and check, after a header line.
QStringList guideTsvLines(const TuningGuide &guide);

} // namespace cordavo
