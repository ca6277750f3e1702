#include "tuning/TuningGuide.h"
#include "LibraryLookup.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/TemperamentAnalysis.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

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

namespace {

// What every interval between two keys of a bearing is, worked out here
// from the pitch table: its ratio, distance from pure and beats.
struct Heard {
    GuideInterval interval;
    double fromPure;
    double beats;
    bool wolf;
};

Heard heard(const std::array<long double, kMidiNoteCount> &pitches, int a, int b)
{
    static const std::map<int, std::tuple<GuideInterval, int, int>> kRatios = {
        {3, {GuideInterval::MinorThird, 6, 5}}, {4, {GuideInterval::MajorThird, 5, 4}},
        {5, {GuideInterval::Fourth, 4, 3}},     {7, {GuideInterval::Fifth, 3, 2}},
        {8, {GuideInterval::MinorSixth, 8, 5}}, {9, {GuideInterval::MajorSixth, 5, 3}},
        {12, {GuideInterval::Octave, 2, 1}}};
    const int lower = std::min(a, b);
    const int upper = std::max(a, b);
    const auto [interval, p, q] = kRatios.at(upper - lower);
    const double low = double(pitches[size_t(lower)]);
    const double high = double(pitches[size_t(upper)]);
    const double fromPure = 1200 * std::log2(high * q / (low * p));
    const bool fifth = interval == GuideInterval::Fifth || interval == GuideInterval::Fourth;
    const double wolfCents = double(fifth ? kWolfFifthCents : kWolfThirdCents);
    return {interval, fromPure, std::fabs(q * high - p * low),
            interval != GuideInterval::Octave && std::fabs(fromPure) > wolfCents};
}

} // namespace

// Whatever the temperament and the bearing, every step tunes a new key of
// the bearing from one already tuned, by the interval a tuner would take at
// that moment: a pure one where one reaches the note; a fifth or fourth
// where one serves; never a step beating more than five times a second
// while another interval reaches the note at a third of that rate; a wolf
// only where nothing else reaches the note, and then named as the wolf.
TEST(TuningGuide, OrderReachesTheWholeBearingForEveryLibraryTemperament)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << qPrintable(library.error());
    for (const LibraryEntry &entry : library->entries) {
        for (const Bearing bearing : {Bearing::F3, Bearing::C4, Bearing::A3}) {
            GuideSettings settings;
            settings.bearing = bearing;
            const NoteCents cents = asNoteFields(entry.deviations);
            const TuningGuide guide = guideOf(cents, settings);
            const auto pitches = pitchTable(440, 440, cents);
            const int lowest = bearingLowestKey(bearing);
            QList<int> tuned = {guide.forkKey};
            for (const GuideIntervalMeasure &step : guide.steps) {
                const QString where = QStringLiteral("%1, %2, step to %3")
                                          .arg(entry.name, bearingName(bearing), guideNoteName(step.toKey));
                SCOPED_TRACE(qPrintable(where));
                ASSERT_TRUE(tuned.contains(step.fromKey));
                ASSERT_FALSE(tuned.contains(step.toKey));
                ASSERT_TRUE(step.toKey >= lowest && step.toKey <= lowest + 12);
                const Heard taken = heard(pitches, step.fromKey, step.toKey);
                EXPECT_EQ(step.interval, taken.interval);
                EXPECT_NEAR(double(step.beatsPerSecond), taken.beats, 1e-6);
                EXPECT_EQ(step.wolf, taken.wolf);
                const bool pure = std::fabs(taken.fromPure) < double(kPureLimitCents);
                EXPECT_EQ(step.sound == IntervalSound::Pure, pure);
                const bool classTuned =
                    std::any_of(tuned.begin(), tuned.end(), [&](int key) { return (key - step.toKey) % 12 == 0; });
                EXPECT_EQ(step.interval == GuideInterval::Octave, classTuned);
                if (classTuned) {
                    tuned << step.toKey;
                    continue;
                }
                // Every other interval from a tuned key to the same note.
                std::vector<Heard> others;
                for (const int from : tuned) {
                    const int span = std::abs(from - step.toKey);
                    if (span >= 3 && span <= 9 && span != 6)
                        others.push_back(heard(pitches, from, step.toKey));
                }
                for (const Heard &other : others) {
                    if (!pure) {
                        EXPECT_GE(std::fabs(other.fromPure), double(kPureLimitCents)) << "a pure interval passed over";
                    }
                    if (step.wolf) {
                        EXPECT_TRUE(other.wolf) << "a wolf where another interval reaches the note";
                    }
                    if (taken.beats > 5) {
                        EXPECT_GT(other.beats * 3, taken.beats) << "fast beats where slow ones are to be had";
                    }
                    const bool fifth =
                        taken.interval == GuideInterval::Fifth || taken.interval == GuideInterval::Fourth;
                    const bool otherFifth =
                        other.interval == GuideInterval::Fifth || other.interval == GuideInterval::Fourth;
                    if (!pure && !fifth && otherFifth && !other.wolf) {
                        EXPECT_TRUE(other.beats > 5 && other.beats >= 3 * taken.beats)
                            << "a tempered third or sixth where a fifth serves";
                    }
                }
                tuned << step.toKey;
            }
            EXPECT_EQ(tuned.size(), 13) << qPrintable(entry.name + QLatin1Char(' ') + bearingName(bearing));
        }
    }
}

// The textbook plan of a meantone in every bearing: E from A, the pure third
// C–E, then G and D between, the fifth D–A closing as a check; every other
// note by a pure third or sixth. The wolf G#–Eb is never a step.
TEST(TuningGuide, MeantoneStartsWithPureThirdsAndAvoidsTheWolf)
{
    for (const Bearing bearing : {Bearing::F3, Bearing::C4, Bearing::A3}) {
        SCOPED_TRACE(qPrintable(bearingName(bearing)));
        GuideSettings settings;
        settings.bearing = bearing;
        const TuningGuide guide = guideOf(quarterCommaMeantone(), settings);
        ASSERT_TRUE(guide.meantoneFifth.has_value());
        EXPECT_NEAR(double(*guide.meantoneFifth), -5.377, 0.001);
        QStringList plan;
        int tempered = 0;
        for (const GuideIntervalMeasure &step : guide.steps) {
            if (step.interval != GuideInterval::Octave && plan.size() < 4)
                plan << guideNoteName(step.fromKey).chopped(1) + QLatin1Char('-') +
                            guideNoteName(step.toKey).chopped(1);
            tempered += step.sound == IntervalSound::Pure ? 0 : 1;
            EXPECT_FALSE(step.wolf);
        }
        EXPECT_EQ(plan.join(QLatin1Char(' ')), QStringLiteral("A-E E-C C-G G-D"));
        EXPECT_EQ(guide.steps[size_t(guide.steps[0].interval == GuideInterval::Octave ? 2 : 1)].sound,
                  IntervalSound::Pure);
        EXPECT_EQ(tempered, 3);
        const bool closed = std::any_of(guide.otherFifths.begin(), guide.otherFifths.end(), [](const auto &m) {
            return (m.fromKey - m.toKey) % 12 != 0 &&
                   (guideNoteName(m.fromKey).startsWith(QLatin1Char('D')) ||
                    guideNoteName(m.toKey).startsWith(QLatin1Char('D'))) &&
                   (guideNoteName(m.fromKey).startsWith(QLatin1Char('A')) ||
                    guideNoteName(m.toKey).startsWith(QLatin1Char('A')));
        });
        EXPECT_TRUE(closed) << "the fifth D-A is checked";
        const auto wolf = findInterval(guide, "G#3", "Eb4");
        if (bearing == Bearing::F3) {
            ASSERT_TRUE(wolf.has_value());
            EXPECT_GT(double(wolf->fromPure), 35);
            EXPECT_TRUE(wolf->wolf);
        }
    }
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

// The card rounds halves away from zero, from the construction's exact
// values where they are known: Werckmeister III's F lies 1.955 cents below
// C (1.95 in the note fields' hundredths), so F is -2.0 with C at 0.
TEST(TuningGuide, TunerOffsetsRoundHalvesAwayFromZero)
{
    const LibraryEntry *entry = entryNamed(builtInLibrary().value(), QStringLiteral("Werckmeister III"));
    ASSERT_NE(entry, nullptr);
    const NoteCents fields = asNoteFields(entry->deviations);
    for (const bool exact : {false, true}) {
        const Result<TuningGuide> guide =
            tuningGuide({}, 440, 440, fields, {}, exact ? std::optional(entry->deviations) : std::nullopt);
        ASSERT_TRUE(guide.ok());
        EXPECT_DOUBLE_EQ(double(guide->offsetsFromC[5]), -2.0) << exact;
        EXPECT_DOUBLE_EQ(double(guide->offsetsFromA[4]), 2.0) << exact; // E: 1.955
        EXPECT_FALSE(std::signbit(double(guide->offsetsFromA[9]))) << exact;
    }
    NoteCents halves{};
    halves[0] = -0.05L; // C = -0.05 from A: -0.1; A from C: +0.1
    halves[2] = 0.04L;
    const TuningGuide guide = guideOf(halves);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromA[0]), -0.1);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromC[9]), 0.1);
    EXPECT_DOUBLE_EQ(double(guide.offsetsFromA[2]), 0.0);
    EXPECT_FALSE(std::signbit(double(guide.offsetsFromC[0])));
}

// Each check comes right after the step that tunes the later of its two
// keys, and both keys lie within the bearing: equal temperament's F3-A3
// follows step 7, which tunes F3.
TEST(TuningGuide, ChecksFollowTheStepThatMakesThemPossible)
{
    const TuningGuide equalGuide = guideOf(NoteCents{});
    const std::vector<GuideRow> equal = guideRows(equalGuide);
    const auto third = std::find_if(equal.begin(), equal.end(), [](const GuideRow &row) {
        return row.check && guideNoteName(row.measure->fromKey) == QLatin1String("F3") &&
               guideNoteName(row.measure->toKey) == QLatin1String("A3");
    });
    ASSERT_NE(third, equal.end());
    EXPECT_EQ(third->number, 7);

    for (const LibraryEntry &entry : builtInLibrary()->entries) {
        for (const Bearing bearing : {Bearing::F3, Bearing::C4, Bearing::A3}) {
            GuideSettings settings;
            settings.bearing = bearing;
            const TuningGuide guide = guideOf(asNoteFields(entry.deviations), settings);
            SCOPED_TRACE(qPrintable(entry.name + QLatin1Char(' ') + bearingName(bearing)));
            const int lowest = bearingLowestKey(bearing);
            QList<int> tuned = {guide.forkKey};
            int lastStep = 0;
            size_t checks = 0;
            for (const GuideRow &row : guideRows(guide)) {
                const GuideIntervalMeasure &m = *row.measure;
                if (!row.check) {
                    EXPECT_EQ(row.number, ++lastStep);
                    tuned << m.toKey;
                    continue;
                }
                ++checks;
                EXPECT_EQ(row.number, lastStep);
                for (const int key : {m.fromKey, m.toKey}) {
                    EXPECT_TRUE(key >= lowest && key <= lowest + 12) << qPrintable(guideNoteName(key));
                    EXPECT_TRUE(tuned.contains(key)) << qPrintable(guideNoteName(key));
                }
                EXPECT_TRUE(m.fromKey == tuned.last() || m.toKey == tuned.last())
                    << "a check listed later than its step";
            }
            EXPECT_EQ(checks, guide.thirdsAndSixths.size() + guide.otherFifths.size());
        }
    }
}

// The sheet's remarks follow the temperament and the stop; no figure on any
// sheet reads as a negative zero.
TEST(TuningGuide, SheetSaysWhatAppliesToThisTemperament)
{
    const struct {
        const char *name;
        int foot;
        bool well;
        bool meantone;
        bool tooFast;
    } cases[] = {
        {"Werckmeister III", 8, true, false, false},   {"Kirnberger III", 8, true, true, false},
        {"Equal temperament", 8, false, false, false}, {"Equal temperament", 2, false, false, true},
        {"Equal temperament", 4, false, false, true},  {"1/4 comma meantone (Aaron 1523)", 8, false, true, false},
        {"Pure Minor", 8, false, false, false},        {"Pythagorean", 8, false, false, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name + std::string(" ") + std::to_string(c.foot));
        const LibraryEntry *entry = entryNamed(builtInLibrary().value(), QLatin1String(c.name));
        ASSERT_NE(entry, nullptr);
        GuideSettings settings;
        settings.foot = c.foot;
        const TuningGuide guide = guideOf(asNoteFields(entry->deviations), settings);
        const QString text = guideTextLines(guideDocument(guide, QDate(2026, 1, 1), Separators{})).join('\n');
        EXPECT_EQ(guide.wellTempered, c.well);
        EXPECT_EQ(text.contains(QLatin1String("A well temperament")), c.well);
        EXPECT_EQ(text.contains(QStringLiteral("The pure major third C4–E4 first")), c.meantone);
        EXPECT_EQ(text.contains(
                      QStringLiteral("too fast to count on this stop: tune the bearing on a %1′ stop").arg(c.foot * 2)),
                  c.tooFast);
    }

    const QRegularExpression negativeZero(QStringLiteral("-0[.,]0*(?![0-9])"));
    for (const LibraryEntry &entry : builtInLibrary()->entries) {
        for (const Separators &separators : {Separators{}, Separators{QLatin1Char(','), QLatin1Char('.')}}) {
            // Temperatures just below zero too, which round to nothing.
            GuideSettings settings;
            settings.referenceCelsius = -0.04;
            settings.nowCelsius = -0.01;
            const TuningGuide guide = guideOf(asNoteFields(entry.deviations), settings, 415);
            const QStringList lines = guideTextLines(guideDocument(guide, QDate(2026, 1, 1), separators));
            for (const QString &line : lines)
                EXPECT_FALSE(line.contains(negativeZero)) << qPrintable(entry.name) << ": " << qPrintable(line);
        }
    }
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
    // The check follows step 7, the fifth C4-F3.
    const qsizetype check = lines.indexOf(QStringLiteral("check\tF3\tA3\tmajor third\t400.000\t13.686\t6.929\twide"));
    EXPECT_TRUE(lines[check - 1].startsWith(QLatin1String("step\tC4\tF3\tfifth\t"))) << qPrintable(lines[check - 1]);

    // A meantone's wolf, heard as a check, is named as the wolf.
    const QStringList meantone = guideTsvLines(guideOf(quarterCommaMeantone()));
    EXPECT_EQ(meantone.filter(QRegularExpression(QStringLiteral("^check\tG#3\tEb4\tfifth\t.*\twide wolf$"))).size(), 1)
        << qPrintable(meantone.join('\n'));
}
