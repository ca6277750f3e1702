#pragma once

#include "tuning/PitchTable.h"

#include <QString>

#include <array>

namespace cordavo {

// One fifth or major third of a temperament, taken in the octave from
// middle C (MIDI 60) upward.
struct IntervalQuality {
    int lowerNote = 0;        // pitch class of the lower note, 0 = C
    int upperNote = 0;        // pitch class of the upper note
    long double cents = 0;    // size of the interval
    long double fromPure = 0; // cents above (+) or below (-) the pure interval
    long double beatsPerSecond = 0;
};

// The twelve fifths in circle order C-G, G-D, ... F-C and the twelve major
// thirds C-E, C#-F, ... B-D#, from the pitches the document holds.
struct TemperamentQuality {
    std::array<IntervalQuality, 12> fifths{};
    std::array<IntervalQuality, 12> thirds{};
};

inline constexpr long double kPureFifthCents = 701.955000865387263L;
inline constexpr long double kPureThirdCents = 386.313713864835199L;

// How an interval sounds beside its pure size: pure, tempered as a
// temperament means it to be, or a wolf that no piece can use.
enum class IntervalGrade { Pure, Tempered, Wolf };

// Closer to pure than this an interval is pure to the ear.
inline constexpr long double kPureLimitCents = 0.05L;
// A fifth further than this from pure is a wolf: the Pythagorean wolf is
// 23.5 cents narrow and the meantone wolf 35.7 wide, while the fifths of the
// usual temperaments are tempered by 7 cents or less.
inline constexpr long double kWolfFifthCents = 15;
// A major third further than this from pure is a wolf. The Pythagorean third
// (21.5 cents wide) is rough but played in every well-tempered key; the
// diminished fourth that stands for a third across a meantone wolf is not
// playable (41 cents wide in quarter-comma, 32.5 in fifth-comma). 30 lies
// between them.
inline constexpr long double kWolfThirdCents = 30;

IntervalGrade fifthGrade(long double fromPure);
IntervalGrade thirdGrade(long double fromPure);

// Beats of a fifth (its 3rd partial against the upper note's 2nd) and of a
// major third (5th partial against 4th).
long double fifthBeats(long double lower, long double upper);
long double thirdBeats(long double lower, long double upper);

TemperamentQuality analyseTemperament(double oldA, double newA, const NoteCents &cents);

} // namespace cordavo
