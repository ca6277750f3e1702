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

// The octave follows the written letter (B#3 is the key of C4), and
// Helmholtz writes the octaves far from middle C with strokes and figures.
TEST(NoteSpelling, OctavesCountAsEachConventionCountsThem)
{
    EXPECT_EQ(noteWithOctave(60, {6, 1}, OctaveNaming::Scientific), QLatin1String("B#3"));
    EXPECT_EQ(noteWithOctave(59, {0, -1}, OctaveNaming::Solfege), QLatin1String("Cb3"));
    const char *helmholtz[] = {"C͵", "C", "c", "c‴", "c⁴", "c⁷"}; // C1, C2, C3, C6, C7, C10
    const int keys[] = {24, 36, 48, 84, 96, 132};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(noteWithOctave(keys[i], OctaveNaming::Helmholtz), QString::fromUtf8(helmholtz[i])) << keys[i];
}
