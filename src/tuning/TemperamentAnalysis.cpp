#include "tuning/TemperamentAnalysis.h"

#include <cmath>

namespace cordavo {

namespace {

IntervalQuality measure(const std::array<long double, kMidiNoteCount> &pitches, int lowerClass, int semitones,
                        long double pure, long double (*beats)(long double, long double))
{
    const long double lower = pitches[kMiddleC + lowerClass];
    const long double upper = pitches[kMiddleC + lowerClass + semitones];
    IntervalQuality q;
    q.lowerNote = lowerClass;
    q.upperNote = (lowerClass + semitones) % 12;
    q.cents = 1200 * std::log2(upper / lower);
    q.fromPure = q.cents - pure;
    q.beatsPerSecond = beats(lower, upper);
    return q;
}

IntervalGrade grade(long double fromPure, long double wolfLimit)
{
    const long double size = std::fabs(fromPure);
    if (size < kPureLimitCents)
        return IntervalGrade::Pure;
    return size > wolfLimit ? IntervalGrade::Wolf : IntervalGrade::Tempered;
}

} // namespace

IntervalGrade fifthGrade(long double fromPure)
{
    return grade(fromPure, kWolfFifthCents);
}

IntervalGrade thirdGrade(long double fromPure)
{
    return grade(fromPure, kWolfThirdCents);
}

long double fifthBeats(long double lower, long double upper)
{
    return std::fabs(3 * lower - 2 * upper);
}

long double thirdBeats(long double lower, long double upper)
{
    return std::fabs(5 * lower - 4 * upper);
}

TemperamentQuality analyseTemperament(double oldA, double newA, const NoteCents &cents)
{
    const auto pitches = pitchTable(oldA, newA, cents);
    TemperamentQuality quality;
    for (int k = 0; k < 12; ++k) {
        quality.fifths[k] = measure(pitches, (7 * k) % 12, 7, kPureFifthCents, fifthBeats);
        quality.thirds[k] = measure(pitches, k, 4, kPureThirdCents, thirdBeats);
    }
    return quality;
}

} // namespace cordavo
