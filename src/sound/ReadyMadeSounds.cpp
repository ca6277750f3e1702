#include "sound/ReadyMadeSounds.h"

#include "tuning/NoteSpelling.h"
#include "tuning/PitchTable.h"

#include <QCoreApplication>

namespace cordavo {

namespace {

// A chord on each of the twelve roots: its name (%1 the root, %2 the top
// note), its notes in semitones above the root, and how its notes are
// written: a triad by its key, an interval as that interval.
enum class Written { MajorKey, MinorKey, Interval };
struct ChordOnEveryRoot {
    const char *name;
    std::vector<int> semitones;
    Written written;
};

const ChordOnEveryRoot kChords[] = {
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "%1 major triad"), {0, 4, 7}, Written::MajorKey},
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "%1 minor triad"), {0, 3, 7}, Written::MinorKey},
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "Fifth %1–%2"), {0, 7}, Written::Interval},
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "Major third %1–%2"), {0, 4}, Written::Interval},
};

std::pair<SpelledNote, SpelledNote> writtenNotes(const ChordOnEveryRoot &chord, int root)
{
    switch (chord.written) {
    case Written::MajorKey:
        return {majorKeySpelling(root), {}};
    case Written::MinorKey:
        return {minorKeySpelling(root), {}};
    case Written::Interval:
        break;
    }
    return intervalSpelling(root, chord.semitones.back());
}

// Chords one after another in the chosen key: its name (%1 the tonic), each
// step's notes in semitones above the tonic, and how long a step sounds.
struct SteppedInKey {
    const char *name;
    std::vector<std::vector<int>> steps;
    double stepSeconds;
};

const SteppedInKey kStepped[] = {
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "Scale of %1 major"), {{0}, {2}, {4}, {5}, {7}, {9}, {11}, {12}}, 0.5},
    {QT_TRANSLATE_NOOP("ReadyMadeSounds", "Cadence I–IV–V–I in %1 major"),
     {{0, 4, 7}, {0, 5, 9}, {-1, 2, 7}, {0, 4, 7}},
     1.0},
};

std::vector<int> above(int base, const std::vector<int> &semitones)
{
    std::vector<int> keys;
    for (int semitone : semitones)
        keys.push_back(base + semitone);
    return keys;
}

} // namespace

std::vector<ListenSound> readyMadeSounds(int tonic)
{
    std::vector<ListenSound> sounds;
    for (const ChordOnEveryRoot &chord : kChords) {
        for (int root = 0; root < 12; ++root) {
            // In the user's language, as the Listen window lists them.
            const auto [lower, upper] = writtenNotes(chord, root);
            const QString name = QCoreApplication::translate("ReadyMadeSounds", chord.name)
                                     .replace(QStringLiteral("%1"), spelledDisplayName(lower))
                                     .replace(QStringLiteral("%2"), spelledDisplayName(upper));
            sounds.push_back({name, {above(kMiddleC + root, chord.semitones)}});
        }
    }
    // The key's tonic lies within a tritone of middle C.
    const int tonicKey = kMiddleC + tonic - (tonic >= 6 ? 12 : 0);
    for (const SteppedInKey &stepped : kStepped) {
        ListenSound sound{QCoreApplication::translate("ReadyMadeSounds", stepped.name)
                              .arg(spelledDisplayName(majorKeySpelling(tonic))),
                          {},
                          stepped.stepSeconds};
        for (const std::vector<int> &step : stepped.steps)
            sound.steps.push_back(above(tonicKey, step));
        sounds.push_back(sound);
    }
    return sounds;
}

} // namespace cordavo
