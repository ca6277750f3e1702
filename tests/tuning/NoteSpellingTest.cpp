#include "tuning/NoteSpelling.h"

#include <gtest/gtest.h>

using namespace cordavo;

// Every window writes an interval the same way: as the interval it is, and a
// wolf with the keys' usual names.
TEST(NoteSpelling, IntervalsAreWrittenAsTheIntervalTheyAre)
{
    const struct {
        int lower;
        int semitones;
        bool wolf;
        const char *written;
    } cases[] = {
        {3, 7, false, "Eb-Bb"}, {8, 7, false, "G#-D#"}, {8, 7, true, "G#-Eb"}, {10, 7, false, "Bb-F"},
        {6, 7, false, "F#-C#"}, {1, 4, false, "Db-F"},  {1, 4, true, "C#-F"},  {8, 4, false, "Ab-C"},
        {6, 4, false, "F#-A#"}, {11, 4, false, "B-D#"}, {11, 4, true, "B-Eb"}, {3, 4, false, "Eb-G"},
        {5, 3, false, "F-Ab"},  {8, 9, false, "Ab-F"},  {3, 8, false, "D#-B"}, {1, 12, false, "C#-C#"},
    };
    for (const auto &c : cases) {
        const auto [lower, upper] = intervalSpelling(c.lower, c.semitones, c.wolf);
        EXPECT_EQ(spelledName(lower) + QLatin1Char('-') + spelledName(upper), QLatin1String(c.written))
            << c.lower << " + " << c.semitones;
        EXPECT_EQ(upper.pitchClass(), (c.lower + c.semitones) % 12);
    }
    // Keys by their signature: Db and Ab major, C# and G# minor.
    EXPECT_EQ(spelledName(majorKeySpelling(1)) + spelledName(majorKeySpelling(8)), QLatin1String("DbAb"));
    EXPECT_EQ(spelledName(minorKeySpelling(1)) + spelledName(minorKeySpelling(8)), QLatin1String("C#G#"));
}

// The octave arithmetic of each convention, with the untranslated names;
// the translated ones are checked with the translations.
TEST(NoteSpelling, OctavesCountAsEachConventionCountsThem)
{
    const struct {
        int key;
        SpelledNote note;
        OctaveNaming naming;
        const char *name;
    } cases[] = {
        {60, {0, 0}, OctaveNaming::Scientific, "C4"}, {60, {6, 1}, OctaveNaming::Scientific, "B#3"},
        {59, {0, -1}, OctaveNaming::Solfege, "Cb3"},  {0, {0, 0}, OctaveNaming::Solfege, "C-2"},
        {48, {0, 0}, OctaveNaming::Helmholtz, "c"},   {47, {6, 0}, OctaveNaming::Helmholtz, "B"},
        {24, {0, 0}, OctaveNaming::Helmholtz, "C͵"},  {84, {0, 0}, OctaveNaming::Helmholtz, "c‴"},
        {96, {0, 0}, OctaveNaming::Helmholtz, "c⁴"},  {132, {0, 0}, OctaveNaming::Helmholtz, "c⁷"},
        {72, {6, 1}, OctaveNaming::Helmholtz, "b#′"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(noteWithOctave(c.key, c.note, c.naming), QString::fromUtf8(c.name)) << c.key;
}
