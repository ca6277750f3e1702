#pragma once

#include "numbers/Separators.h"
#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <optional>
#include <utility>
#include <vector>

namespace cordavo {

// The tuning guide: how a tuner sets a temperament by ear on a real
// instrument. One octave, the bearing, is tuned from A by fifths and fourths,
// pure thirds and sixths, counting beats; the thirds, sixths and fifths of
// the bearing check the work as soon as their notes are tuned; the rest of
// the compass follows in pure octaves.

// The octave the temperament is set in, named by its lowest key.
enum class Bearing { F3, C4, A3 };

// The intervals a guide names, with the ratio each one is pure at.
enum class GuideInterval { Fifth, Fourth, MajorThird, MajorSixth, MinorThird, Octave, MinorSixth };

// How an interval stands beside its pure size.
enum class IntervalSound { Pure, Narrow, Wide };

// The keys' written names: C4 is middle C (MIDI 60), sharps as "#" except
// E flat and B flat, written "Eb" and "Bb", as tuners name them.
QString guideNoteName(int midiKey);
// "fifth", "fourth", "major third", ...
QString guideIntervalName(GuideInterval interval);
// "pure", "narrow", "wide"
QString intervalSoundName(IntervalSound sound);
// "narrow wolf", "wide wolf"
QString wolfSoundName(IntervalSound sound);
// "F3–F4", "C4–C5", "A3–A4"
QString bearingName(Bearing bearing);
// The same names as the windows and the guide's sheet show them, in the
// language of the installed translation ("Fa2", "quinta"), the octaves in
// its convention unless one is given; the names above stay English and
// scientific for the guide's data file.
QString guideNoteDisplayName(int midiKey, OctaveNaming naming = octaveNamingInUse());
QString guideIntervalDisplayName(GuideInterval interval);
QString intervalSoundDisplayName(IntervalSound sound);
QString wolfSoundDisplayName(IntervalSound sound);
QString bearingDisplayName(Bearing bearing, OctaveNaming naming = octaveNamingInUse());
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
    // So far from pure that no piece can use it: a fifth or fourth beyond
    // kWolfFifthCents, a third or sixth beyond kWolfThirdCents.
    bool wolf = false;
};

// A step, or a check that the step before it has made possible.
struct GuideRow {
    bool check = false;
    int number = 0; // the step's number from 1; for a check, the step's it follows
    const GuideIntervalMeasure *measure = nullptr;
};

// Beats faster than this cannot be counted by ear.
inline constexpr long double kCountableBeats = 10;

struct TuningGuide {
    QString name;
    GuideSettings settings;
    // A4 of the document, and A4 to tune to now (the same without temperatures).
    long double documentA = 440;
    long double forkA = 440;
    int forkKey = kA4Key;         // the bearing's A, tuned from the fork
    long double forkKeyPitch = 0; // its sounding pitch
    std::vector<GuideIntervalMeasure> steps;
    // The checks, none the same keys as a step.
    std::vector<GuideIntervalMeasure> thirdsAndSixths; // thirds, then sixths, chromatic
    std::vector<GuideIntervalMeasure> otherFifths;     // the fifths no step tuned
    // Every fifth playable, every major third usable, the fifths not all
    // alike: a circulating temperament, whose thirds rise and fall smoothly.
    bool wellTempered = false;
    // A meantone (or a temperament built on one of its thirds, as Kirnberger
    // III) set the textbook way: the pure third C4–E4 first, then the fifths
    // C–G–D–A–E between, each tempered by this much (negative).
    std::optional<long double> meantoneFifth;
    // The notes' offsets from equal temperament for electronic tuners, to
    // the tenth of a cent: with A at 0 (the tuner set to forkA), and with C at
    // 0 (the tuner set to tunerAForC).
    NoteCents offsetsFromA{};
    NoteCents offsetsFromC{};
    long double tunerAForC = 440;
};

// The guide for a temperament as the document holds it (the note fields'
// cents and the two reference A's), or why the settings cannot make one.
// The tuning order follows from the temperament: a meantone's pure third
// C–E and the fifths between come first; then every note a pure interval
// reaches is tuned by it, the others by fifths and fourths along the circle
// outward from A, by a slower third or sixth where a fifth would beat
// faster than five times a second and three times as fast, and by a wolf
// only where nothing else reaches the note; the other key of an octave is
// tuned as an octave at once. The tuner's offsets are rounded from 'exact'
// when given (a library entry's construction), else from 'cents'.
Result<TuningGuide> tuningGuide(const QString &name, double oldA, double newA, const NoteCents &cents,
                                const GuideSettings &settings, const std::optional<NoteCents> &exact = std::nullopt);

// The steps in order, each followed by the checks it makes possible: the
// thirds and sixths chromatically, then the fifths.
std::vector<GuideRow> guideRows(const TuningGuide &guide);

// The guide as a document of headed tables, the same for the printed sheet
// and the plain text.
struct GuideTable {
    QString heading;
    QStringList lead;    // lines of text before the table
    QStringList columns; // empty for no table
    QList<QStringList> rows;
    // Which columns hold numbers (aligned right).
    QList<bool> numeric;
    // Which rows check the work rather than tune a note (none when empty).
    QList<bool> checkRows;
};

struct GuideDocument {
    QString title;
    QStringList subtitle; // the pitch, the bearing and stop, the date
    QList<GuideTable> tables;
};

// The two keys of a step or check as the guide's sheet shows them, from-key
// first: written as their interval (Eb4–Bb4, a wolf G#3–Eb4), with the
// octaves in 'naming'.
std::pair<QString, QString> measureNoteNames(const GuideIntervalMeasure &m, OctaveNaming naming);

// Notes carry their octaves in 'naming' (the translation's unless given) and
// are written as the interval of their row needs them.
GuideDocument guideDocument(const TuningGuide &guide, const QDate &date, const Separators &separators,
                            OctaveNaming naming = octaveNamingInUse());

// The document as plain text, one line each, columns aligned.
QStringList guideTextLines(const GuideDocument &document);

// One tab-separated row per fork, step and check, after a header line, the
// checks after the step that makes them possible.
QStringList guideTsvLines(const TuningGuide &guide);

} // namespace cordavo
