#include "tuning/TuningGuide.h"
#include "LibraryLookup.h"
#include "tuning/BuiltInLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

// 1/4-comma meantone worked out exactly: fifths of a quarter of 5 (four of
// them make a pure third and two octaves), from E-flat to G-sharp around A.
NoteCents quarterCommaMeantone()
{
    NoteCents deviations{};
    const long double fifth = 1200 * std::log2(5.0L) / 4;
    for (int k = -6; k <= 5; ++k)
        deviations[((9 + 7 * k) % 12 + 12) % 12] = k * (fifth - 700);
    return deviations;
}

TuningGuide guideOf(const NoteCents &cents, GuideSettings settings = {}, double a = 440)
{
    const Result<TuningGuide> guide = tuningGuide(QStringLiteral("test"), 440, a, cents, settings);
    EXPECT_TRUE(guide.ok()) << qPrintable(guide.error());
    return guide.ok() ? guide.value() : TuningGuide{};
}

// The library's row, A at 0.
const NoteCents kWerckmeisterIII = {11.73L, 1.95L, 3.91L, 5.87L, 1.96L, 9.78L, 0, 7.82L, 3.91L, 0, 7.82L, 3.91L};

// The interval between two keys, wherever the guide lists it.
std::optional<GuideIntervalMeasure> findInterval(const TuningGuide &guide, const char *lower, const char *upper)
{
    for (const auto *list : {&guide.steps, &guide.thirdsAndSixths, &guide.otherFifths}) {
        for (const GuideIntervalMeasure &m : *list) {
            const QString a = guideNoteName(m.fromKey);
            const QString b = guideNoteName(m.toKey);
            if ((a == QLatin1String(lower) && b == QLatin1String(upper)) ||
                (b == QLatin1String(lower) && a == QLatin1String(upper)))
                return m;
        }
    }
    return std::nullopt;
}

} // namespace

// Beat rates against figures worked out by hand from the pitches:
// F3 = 440·2^(-16/12), C4 = 440·2^(-9/12) and so on; for the meantone,
// E4 = 220·5^(1/4), C4 = E4·4/5, G4 = C4·5^(1/4).
TEST(TuningGuide, BeatRatesOfWorkedExamples)
{
    struct Case {
        const char *name;
        NoteCents cents;
        Bearing bearing;
        const char *lower;
        const char *upper;
        double beats;
        IntervalSound sound;
    };
    const Case cases[] = {
        {"equal third", NoteCents{}, Bearing::F3, "F3", "A3", 6.929, IntervalSound::Wide},
        {"equal fifth", NoteCents{}, Bearing::C4, "C4", "G4", 0.886, IntervalSound::Narrow},
        {"equal fourth", NoteCents{}, Bearing::F3, "A3", "D4", 0.994, IntervalSound::Wide},
        {"meantone third", quarterCommaMeantone(), Bearing::F3, "F3", "A3", 0, IntervalSound::Pure},
        {"meantone third C-E", quarterCommaMeantone(), Bearing::C4, "C4", "E4", 0, IntervalSound::Pure},
        {"meantone fifth", quarterCommaMeantone(), Bearing::C4, "C4", "G4", 2.448, IntervalSound::Narrow},
        {"meantone fourth", quarterCommaMeantone(), Bearing::F3, "A3", "D4", 2.737, IntervalSound::Wide},
    };
    for (const Case &c : cases) {
        GuideSettings settings;
        settings.bearing = c.bearing;
        const auto m = findInterval(guideOf(c.cents, settings), c.lower, c.upper);
        ASSERT_TRUE(m.has_value()) << c.name;
        EXPECT_NEAR(double(m->beatsPerSecond), c.beats, 0.0005) << c.name;
        EXPECT_EQ(m->sound, c.sound) << c.name;
    }
}

// Whatever the temperament and the bearing, every step starts from a key
// already tuned, tunes a new key of the bearing by an interval a tuner can
// hear, and at the end all thirteen keys are tuned.
TEST(TuningGuide, OrderReachesTheWholeBearingForEveryLibraryTemperament)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << qPrintable(library.error());
    for (const LibraryEntry &entry : library->entries) {
        for (const Bearing bearing : {Bearing::F3, Bearing::C4, Bearing::A3}) {
            GuideSettings settings;
            settings.bearing = bearing;
            const TuningGuide guide = guideOf(asNoteFields(entry.deviations), settings);
            const QString where = entry.name + QLatin1Char(' ') + bearingName(bearing);
            const int lowest = bearingLowestKey(bearing);
            QList<int> tuned = {guide.forkKey};
            for (const GuideIntervalMeasure &step : guide.steps) {
                EXPECT_TRUE(tuned.contains(step.fromKey)) << qPrintable(where);
                EXPECT_FALSE(tuned.contains(step.toKey)) << qPrintable(where);
                EXPECT_TRUE(step.toKey >= lowest && step.toKey <= lowest + 12) << qPrintable(where);
                const bool third = step.interval == GuideInterval::MajorThird;
                EXPECT_TRUE(step.interval == GuideInterval::Fifth || step.interval == GuideInterval::Fourth ||
                            step.interval == GuideInterval::Octave || (third && step.sound == IntervalSound::Pure))
                    << qPrintable(where);
                tuned << step.toKey;
            }
            EXPECT_EQ(tuned.size(), 13) << qPrintable(where);
        }
    }
}

// Tuners set the pure thirds of a meantone first, and never tune by its wolf.
TEST(TuningGuide, MeantoneStartsWithPureThirdsAndAvoidsTheWolf)
{
    const TuningGuide guide = guideOf(quarterCommaMeantone());
    ASSERT_GE(guide.steps.size(), 2u);
    EXPECT_EQ(guide.steps[0].interval, GuideInterval::MajorThird);
    for (const GuideIntervalMeasure &step : guide.steps)
        EXPECT_LT(std::fabs(double(step.fromPure)), 15) << qPrintable(guideNoteName(step.toKey));
    const auto wolf = findInterval(guide, "G#3", "Eb4");
    ASSERT_TRUE(wolf.has_value());
    EXPECT_GT(double(wolf->fromPure), 35);
}

// A 4′ stop sounds an octave higher, a 2′ stop two: every beat rate doubles
// for each octave; the fork's A stays where the document puts it.
TEST(TuningGuide, ShorterStopsMultiplyTheBeats)
{
    const TuningGuide eightFoot = guideOf(kWerckmeisterIII);
    for (const int foot : {4, 2}) {
        GuideSettings settings;
        settings.foot = foot;
        const TuningGuide shorter = guideOf(kWerckmeisterIII, settings);
        EXPECT_DOUBLE_EQ(double(shorter.forkA), 440);
        EXPECT_NEAR(double(shorter.forkKeyPitch), 220.0 * 8 / foot, 1e-9);
        ASSERT_EQ(shorter.steps.size(), eightFoot.steps.size());
        for (size_t i = 0; i < shorter.steps.size(); ++i) {
            EXPECT_EQ(shorter.steps[i].toKey, eightFoot.steps[i].toKey);
            EXPECT_NEAR(double(shorter.steps[i].beatsPerSecond), double(eightFoot.steps[i].beatsPerSecond) * 8 / foot,
                        1e-9);
        }
    }
}

// f·√((273.15 + now) / (273.15 + reference)): 440 Hz right at 18 °C is
// 442.26 Hz at 21 °C; the beats follow the pitch.
TEST(TuningGuide, TemperatureMovesThePitchAndTheBeats)
{
    EXPECT_NEAR(double(pitchAtTemperature(440, 18, 21)), 442.261, 0.0005);
    EXPECT_NEAR(double(pitchAtTemperature(415, 20, 20)), 415, 1e-12);
    GuideSettings settings;
    settings.referenceCelsius = 18;
    settings.nowCelsius = 21;
    const TuningGuide warm = guideOf(NoteCents{}, settings);
    EXPECT_NEAR(double(warm.documentA), 440, 1e-9);
    EXPECT_NEAR(double(warm.forkA), 442.261, 0.0005);
    const auto third = findInterval(warm, "F3", "A3");
    ASSERT_TRUE(third.has_value());
    EXPECT_NEAR(double(third->beatsPerSecond), 6.929 * 442.261 / 440, 0.001);
}

// Werckmeister III for a tuner that takes tenths of a cent, from A and from C,
// at 415 Hz: with C at 0 the tuner reads A 11.7 cents low, so it is set to an
// A that much higher.
TEST(TuningGuide, TunerOffsetsFromAAndFromC)
{
    const TuningGuide guide = guideOf(kWerckmeisterIII, {}, 415);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromA[0]), 11.7);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromA[1]), 2.0); // 1.95 rounds up
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromA[6]), 0);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromC[0]), 0);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromC[1]), -9.8);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromC[9]), -11.7);
    EXPECT_NEAR(double(guide.forkA), 415, 1e-9);
    EXPECT_NEAR(double(guide.tunerAForC), 415 * std::exp2(11.73 / 1200), 1e-9);
}

// The rows a spreadsheet reads: the fork, every step, every check.
TEST(TuningGuide, TsvHasAHeaderTheForkAndARowPerStepAndCheck)
{
    const TuningGuide guide = guideOf(NoteCents{});
    const QStringList lines = guideTsvLines(guide);
    ASSERT_EQ(lines.size(),
              qsizetype(2 + guide.steps.size() + guide.thirdsAndSixths.size() + guide.otherFifths.size()));
    EXPECT_EQ(lines[0].toStdString(), "kind\tfrom\tto\tinterval\tcents\tfrom_pure\tbeats\tquality");
    EXPECT_EQ(lines[1].toStdString(), "fork\t\tA3\t\t440.00\t\t\t");
    EXPECT_TRUE(lines.contains(QStringLiteral("check\tF3\tA3\tmajor third\t400.000\t13.686\t6.929\twide")));
    for (const QString &line : lines)
        EXPECT_EQ(line.count(QLatin1Char('\t')), 7) << qPrintable(line);
}
