#include "tuning/PitchTable.h"
#include "numbers/NumberFormat.h"

#include <gtest/gtest.h>

using namespace cordavo;

namespace {

QString hz(long double pitch)
{
    return formatGeneral(pitch, QLatin1Char('.'));
}

struct PitchCase {
    int note;
    const char *text;
};

} // namespace

TEST(PitchTable, EqualTemperamentAt440)
{
    const auto pitches = pitchTable(440, 440, NoteCents{});
    const PitchCase cases[] = {
        {0, "8.17579891564371"},
        {1, "8.66195721802725"},
        {11, "15.4338531642539"},
        {12, "16.3515978312874"},
        {21, "27.5"},
        {48, "130.812782650299"},
        {57, "220"},
        {60, "261.625565300599"},
        {69, "440"},
        {72, "523.251130601197"},
        {81, "880"},
        {96, "2093.00452240479"},
        {108, "4186.00904480958"},
        {120, "8372.01808961916"},
        {127, "12543.853951416"},
        {132, "16744.0361792383"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hz(pitches[c.note]), QString::fromLatin1(c.text)) << "note " << c.note;
}

TEST(PitchTable, ReferenceIs440PlusTheShiftOfA)
{
    struct Case {
        double oldA, newA;
        PitchCase notes[3];
    };
    const Case cases[] = {
        {415, 440, {{0, "8.64033294494165"}, {60, "276.490654238133"}, {69, "465"}}},
        {440, 415, {{0, "7.71126488634577"}, {60, "246.760476363065"}, {69, "415"}}},
        {415, 415, {{0, "8.17579891564371"}, {60, "261.625565300599"}, {69, "440"}}},
    };
    for (const auto &c : cases) {
        const auto pitches = pitchTable(c.oldA, c.newA, NoteCents{});
        for (const auto &n : c.notes)
            EXPECT_EQ(hz(pitches[n.note]), QString::fromLatin1(n.text))
                << c.oldA << "->" << c.newA << " note " << n.note;
    }
}

TEST(PitchTable, CentsActOnEveryNoteOfTheirClassNoteZeroIncluded)
{
    NoteCents cents{};
    cents[0] = 10;
    cents[4] = -13.69L;
    const auto pitches = pitchTable(440, 440, cents);
    const PitchCase cases[] = {
        {0, "8.22316083694465"},
        {12, "16.4463216738893"},
        {60, "263.141146782229"},
        {64, "327.031255073476"},
        {69, "440"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(hz(pitches[c.note]), QString::fromLatin1(c.text)) << "note " << c.note;
}

TEST(PitchTable, ClosedFormHoldsForEveryNote)
{
    NoteCents cents{};
    for (int i = 0; i < 12; ++i)
        cents[i] = -20 + 3.5L * i;
    const auto pitches = pitchTable(430, 442, cents);
    for (int n = 0; n <= kLastMidiNote; ++n) {
        const long double expected = 452 * std::exp2l((n - 69) / 12.0L) * std::exp2l(cents[n % 12] / 1200);
        EXPECT_NEAR(static_cast<double>(pitches[n] / expected), 1.0, 1e-15) << "note " << n;
    }
}

TEST(PitchTable, ElevenHundredCentsOnCSharpDoublesNoteZero)
{
    NoteCents cents{};
    cents[1] = 1100;
    const auto pitches = pitchTable(440, 440, cents);
    EXPECT_EQ(pitches[1], 2 * pitches[0]);
}

TEST(PitchWalk, CounterEndsOnOneAfterNote132)
{
    PitchWalk walk;
    walk.startPitch(440, 440, 0);
    EXPECT_EQ(walk.noteCounter(), 1);
    for (int n = 1; n <= kLastMidiNote; ++n)
        walk.nextPitch(0);
    EXPECT_EQ(walk.noteCounter(), 1);
}

TEST(Power, IntegralAndFractionalExponents)
{
    EXPECT_EQ(power(2, 0), 1);
    EXPECT_EQ(power(2, 10), 1024);
    EXPECT_EQ(power(2, -2), 0.25L);
    EXPECT_NEAR(static_cast<double>(power(2, 0.5L)), 1.4142135623730951, 1e-15);
}

TEST(MidiKeyNamed, NamesWithOctavesAndNumbers)
{
    const struct {
        const char *text;
        int key; // -1: refused
    } cases[] = {
        {"C4", 60}, {"A4", 69},   {"C#4", 61}, {"Eb4", 63}, {"c4", 60}, {"C-1", 0},  {"G9", 127}, {"G#9", -1},
        {"0", 0},   {"127", 127}, {"128", -1}, {"H4", -1},  {"C", -1},  {"C44", -1}, {"", -1},    {"60x", -1},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<int> key = midiKeyNamed(QString::fromLatin1(c.text));
        EXPECT_EQ(key.value_or(-1), c.key);
    }
    // Only what the help describes: no signed zero octave, no leading zeros,
    // no digits of other scripts (60 in Arabic-Indic digits, C in Arabic-Indic 4).
    for (const char *text : {"C-0", "0013", "060", "C-2", "Cb-1", "\xD9\xA6\xD9\xA0", "C\xD9\xA4"})
        EXPECT_FALSE(midiKeyNamed(QString::fromUtf8(text)).has_value()) << text;
}
