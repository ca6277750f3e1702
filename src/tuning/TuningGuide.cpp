#include "tuning/TuningGuide.h"

#include "numbers/NumberFormat.h"
#include "tuning/NoteSpelling.h"
#include "tuning/TemperamentAnalysis.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include <QCoreApplication>

namespace cordavo {

namespace {

constexpr int kBearingKeys = 13; // the lowest key to its octave
constexpr long double kAbsoluteZero = 273.15L;

struct Ratio {
    int p;
    int q;
};

Ratio ratioOf(GuideInterval interval)
{
    switch (interval) {
    case GuideInterval::Fifth:
        return {3, 2};
    case GuideInterval::Fourth:
        return {4, 3};
    case GuideInterval::MajorThird:
        return {5, 4};
    case GuideInterval::MajorSixth:
        return {5, 3};
    case GuideInterval::MinorThird:
        return {6, 5};
    case GuideInterval::MinorSixth:
        return {8, 5};
    case GuideInterval::Octave:
        break;
    }
    return {2, 1};
}

// The interval of a distance in semitones, among those a step may take.
GuideInterval intervalOfSemitones(int semitones)
{
    switch (semitones) {
    case 3:
        return GuideInterval::MinorThird;
    case 4:
        return GuideInterval::MajorThird;
    case 5:
        return GuideInterval::Fourth;
    case 7:
        return GuideInterval::Fifth;
    case 8:
        return GuideInterval::MinorSixth;
    case 9:
        return GuideInterval::MajorSixth;
    default:
        break;
    }
    return GuideInterval::Octave;
}

bool fifthOrFourth(GuideInterval interval)
{
    return interval == GuideInterval::Fifth || interval == GuideInterval::Fourth;
}

int pitchClassOf(int key)
{
    return ((key % 12) + 12) % 12;
}

// The sounding pitch of every key: the document's pitches, moved by the
// temperature and the stop.
class SoundingPitches
{
public:
    SoundingPitches(double oldA, double newA, const NoteCents &cents, long double factor)
        : m_pitches(pitchTable(oldA, newA, cents)), m_factor(factor)
    {
    }
    long double operator[](int key) const { return m_pitches[static_cast<size_t>(key)] * m_factor; }

    GuideIntervalMeasure measure(int fromKey, int toKey) const
    {
        const int lower = std::min(fromKey, toKey);
        const int upper = std::max(fromKey, toKey);
        GuideIntervalMeasure m;
        m.fromKey = fromKey;
        m.toKey = toKey;
        m.interval = intervalOfSemitones(upper - lower);
        const Ratio ratio = ratioOf(m.interval);
        const long double low = (*this)[lower];
        const long double high = (*this)[upper];
        m.cents = 1200 * std::log2(high / low);
        m.fromPure = m.cents - 1200 * std::log2(static_cast<long double>(ratio.p) / ratio.q);
        m.beatsPerSecond = beatsPerSecond(low, high, ratio.p, ratio.q);
        if (std::fabs(m.fromPure) < kPureLimitCents)
            m.sound = IntervalSound::Pure;
        else
            m.sound = ratio.q * high < ratio.p * low ? IntervalSound::Narrow : IntervalSound::Wide;
        if (fifthOrFourth(m.interval))
            m.wolf = std::fabs(m.fromPure) > kWolfFifthCents;
        else if (m.interval != GuideInterval::Octave)
            m.wolf = std::fabs(m.fromPure) > kWolfThirdCents;
        return m;
    }

    // The fifth upward from a pitch class, measured from middle C.
    GuideIntervalMeasure fifthOf(int pitchClass) const
    {
        return measure(kMiddleC + pitchClass, kMiddleC + pitchClass + 7);
    }

private:
    std::array<long double, kMidiNoteCount> m_pitches;
    long double m_factor;
};

// Steps along the circle of fifths from A to each pitch class, wolves
// left out; a class only a wolf reaches counts as far away.
std::array<int, 12> fifthsFromA(const SoundingPitches &pitches)
{
    constexpr int kFar = 100;
    std::array<int, 12> distance;
    distance.fill(kFar);
    distance[kAPitchClass] = 0;
    std::vector<int> queue = {kAPitchClass};
    for (size_t i = 0; i < queue.size(); ++i) {
        const int from = queue[i];
        for (const int to : {(from + 7) % 12, (from + 5) % 12}) {
            const int lower = to == (from + 7) % 12 ? from : to;
            if (pitches.fifthOf(lower).wolf || distance[to] != kFar)
                continue;
            distance[to] = distance[from] + 1;
            queue.push_back(to);
        }
    }
    return distance;
}

// A step a tuner takes without counting fast beats: a fifth or fourth
// beating up to about five times a second.
constexpr long double kEasyBeats = 5;
// A faster step gives way to another interval to the same note that beats
// at this part of its rate or less.
constexpr long double kSlowerPart = 3;

// The order pure intervals are taken in when several reach a note.
int pureOrder(GuideInterval interval)
{
    switch (interval) {
    case GuideInterval::Fifth:
        return 0;
    case GuideInterval::Fourth:
        return 1;
    case GuideInterval::MajorThird:
        return 2;
    case GuideInterval::MinorSixth:
        return 3;
    case GuideInterval::MinorThird:
        return 4;
    case GuideInterval::MajorSixth:
        return 5;
    case GuideInterval::Octave:
        break;
    }
    return 6;
}

// How a step is ranked against the steps to other notes: by kind (0 an
// octave, 1 pure, 2 an easy fifth or fourth, 3 another tempered interval,
// 4 a wolf), then within the kind, then by key.
using StepRank = std::tuple<int, int, long double, int>;

struct StepChoice {
    GuideIntervalMeasure step;
    StepRank rank;
};

class BearingTuner
{
public:
    BearingTuner(const SoundingPitches &pitches, int lowest, int forkKey)
        : m_pitches(pitches), m_lowest(lowest), m_distance(fifthsFromA(pitches))
    {
        tune(forkKey);
    }

    bool tuned(int key) const { return m_keyTuned[static_cast<size_t>(key - m_lowest)]; }
    bool inBearing(int key) const { return key >= m_lowest && key < m_lowest + kBearingKeys; }

    void take(const GuideIntervalMeasure &step)
    {
        tune(step.toKey);
        m_steps.push_back(step);
    }
    const std::vector<GuideIntervalMeasure> &steps() const { return m_steps; }

    // Every interval from a tuned key that may tune this untuned one.
    std::vector<GuideIntervalMeasure> reaching(int key) const
    {
        std::vector<GuideIntervalMeasure> found;
        const bool octaveOnly = m_classTuned[static_cast<size_t>(pitchClassOf(key))];
        for (const int move : {-12, -9, -8, -7, -5, -4, -3, 3, 4, 5, 7, 8, 9, 12}) {
            const int from = key + move;
            if (inBearing(from) && tuned(from) && (std::abs(move) == 12) == octaveOnly)
                found.push_back(m_pitches.measure(from, key));
        }
        return found;
    }

    // The step that tunes this key now, by the rules a tuner keeps.
    std::optional<StepChoice> bestStepTo(int key) const
    {
        const std::vector<GuideIntervalMeasure> found = reaching(key);
        if (found.empty())
            return std::nullopt;
        const int classDistance = m_distance[static_cast<size_t>(pitchClassOf(key))];
        if (found.front().interval == GuideInterval::Octave)
            return StepChoice{found.front(), {0, 0, 0, key}};
        auto fromDistance = [&](const GuideIntervalMeasure &m) {
            return m_distance[static_cast<size_t>(pitchClassOf(m.fromKey))];
        };
        auto best = [&](auto &&keep, auto &&order) -> std::optional<GuideIntervalMeasure> {
            std::optional<GuideIntervalMeasure> chosen;
            for (const GuideIntervalMeasure &m : found) {
                if (keep(m) && (!chosen || order(m) < order(*chosen)))
                    chosen = m;
            }
            return chosen;
        };
        auto slowest = [](const GuideIntervalMeasure &m) { return std::make_tuple(m.beatsPerSecond, m.fromKey); };

        if (const auto pure = best([](const GuideIntervalMeasure &m) { return m.sound == IntervalSound::Pure; },
                                   [&](const GuideIntervalMeasure &m) {
                                       return std::make_tuple(pureOrder(m.interval), fromDistance(m), m.fromKey);
                                   }))
            return StepChoice{*pure, {1, pureOrder(pure->interval), classDistance, key}};
        // Fifths and fourths first, along the circle from A, as tuners set them.
        if (const auto easy = best(
                [](const GuideIntervalMeasure &m) {
                    return fifthOrFourth(m.interval) && !m.wolf && m.beatsPerSecond <= kEasyBeats;
                },
                [&](const GuideIntervalMeasure &m) {
                    return std::make_tuple(fromDistance(m), m.interval == GuideInterval::Fourth, m.beatsPerSecond);
                }))
            return StepChoice{*easy, {2, classDistance, easy->interval == GuideInterval::Fourth ? 1 : 0, key}};
        // A fast fifth or fourth unless another interval beats much slower.
        const auto fifth =
            best([](const GuideIntervalMeasure &m) { return fifthOrFourth(m.interval) && !m.wolf; }, slowest);
        const auto other = best([](const GuideIntervalMeasure &m) { return !m.wolf; }, slowest);
        if (fifth || other) {
            const GuideIntervalMeasure &step =
                fifth && !(other->beatsPerSecond * kSlowerPart <= fifth->beatsPerSecond) ? *fifth : *other;
            return StepChoice{step, {3, 0, step.beatsPerSecond, key}};
        }
        // Nothing but wolves: the one that beats least.
        const auto wolf = best([](const GuideIntervalMeasure &) { return true; }, slowest);
        return StepChoice{*wolf, {4, 0, wolf->beatsPerSecond, key}};
    }

    // The best step to any untuned key, or none when the bearing is tuned.
    std::optional<StepChoice> nextStep() const
    {
        std::optional<StepChoice> next;
        for (int key = m_lowest; key < m_lowest + kBearingKeys; ++key) {
            if (tuned(key))
                continue;
            const auto choice = bestStepTo(key);
            if (choice && (!next || choice->rank < next->rank))
                next = choice;
        }
        return next;
    }

private:
    void tune(int key)
    {
        m_keyTuned[static_cast<size_t>(key - m_lowest)] = true;
        m_classTuned[static_cast<size_t>(pitchClassOf(key))] = true;
    }

    const SoundingPitches &m_pitches;
    int m_lowest;
    std::array<int, 12> m_distance;
    std::array<bool, kBearingKeys> m_keyTuned{};
    std::array<bool, 12> m_classTuned{};
    std::vector<GuideIntervalMeasure> m_steps;
};

// A meantone the textbook way: C–E pure and the four fifths between alike
// and narrow. Gives how far each fifth is from pure.
std::optional<long double> meantoneFifth(const SoundingPitches &pitches)
{
    constexpr long double kAlike = 0.1L; // cents; the library's rows are rounded to hundredths
    if (pitches.measure(kMiddleC, kMiddleC + 4).sound != IntervalSound::Pure)
        return std::nullopt;
    long double lowest = 0;
    long double highest = -1000;
    for (const int pitchClass : {0, 7, 2, 9}) {
        const long double fromPure = pitches.fifthOf(pitchClass).fromPure;
        lowest = std::min(lowest, fromPure);
        highest = std::max(highest, fromPure);
    }
    if (highest >= -kPureLimitCents || highest - lowest > kAlike)
        return std::nullopt;
    return (lowest + highest) / 2;
}

// The keys of that plan in a bearing: E from A by a fifth or fourth, C a
// pure third below E, then G from C and D from G; the fifth D–A closes it
// as a check. Empty when the bearing does not hold them.
std::vector<std::pair<int, int>> meantonePlan(const BearingTuner &tuner, int forkKey)
{
    auto byFifth = [&](int from) { return tuner.inBearing(from + 7) ? from + 7 : from - 5; };
    const int e = byFifth(forkKey);
    const int c = e - 4;
    const int g = byFifth(c);
    const int d = byFifth(g);
    for (const int key : {e, c, g, d}) {
        if (!tuner.inBearing(key))
            return {};
    }
    return {{forkKey, e}, {e, c}, {c, g}, {g, d}};
}

std::vector<GuideIntervalMeasure> tuningSteps(const SoundingPitches &pitches, int lowest, int forkKey, bool meantone)
{
    BearingTuner tuner(pitches, lowest, forkKey);
    std::vector<std::pair<int, int>> plan =
        meantone ? meantonePlan(tuner, forkKey) : std::vector<std::pair<int, int>>{};
    size_t planned = 0;
    while (const auto next = tuner.nextStep()) {
        // An octave first; then the plan's next step, as long as it keeps the
        // rules: no pure interval passed over, no fast beats where slow ones
        // are to be had.
        if (next->step.interval != GuideInterval::Octave && planned < plan.size()) {
            const auto [from, to] = plan[planned++];
            const auto best = tuner.bestStepTo(to);
            const GuideIntervalMeasure step = pitches.measure(from, to);
            if (tuner.tuned(from) && !tuner.tuned(to) && best && !step.wolf &&
                (step.sound == IntervalSound::Pure ||
                 (std::get<0>(best->rank) >= 2 && step.beatsPerSecond <= kEasyBeats))) {
                tuner.take(step);
                continue;
            }
            plan.clear();
        }
        tuner.take(next->step);
    }
    return tuner.steps();
}

QString twoDecimals(long double value, const Separators &separators)
{
    return formatPattern(value, u"0.00", separators);
}

// A signed figure: "+1.96", "-0.50", "0.00".
QString signedFigure(long double value, QStringView pattern, const Separators &separators)
{
    const QString text = formatPattern(value, pattern, separators);
    if (text.startsWith(QLatin1Char('-'))) {
        // A value that rounds to nothing carries no sign.
        return text.mid(1) == formatPattern(0, pattern, separators) ? text.mid(1) : text;
    }
    return text == formatPattern(0, pattern, separators) ? text : QStringLiteral("+") + text;
}

// Cents to the tenth, halves away from zero as the windows show them: worked
// in millionths first, so that 9.78 − 11.73 is the −1.95 it is meant to be.
long double tenthOfCent(long double cents)
{
    const long long millionths = std::llround(cents * 1000000);
    const long long tenths = (std::llabs(millionths) + 50000) / 100000;
    return (millionths < 0 ? -tenths : tenths) / 10.0L + 0.0L;
}

QString footName(int foot)
{
    return QString::number(foot) + QChar(0x2032);
}

} // namespace

namespace {

// The names of the keys' pitch classes, as tuners write them.
constexpr const char *kGuideNoteNames[12] = {kNoteNames[0], kNoteNames[1], kNoteNames[2], kEFlatName,
                                             kNoteNames[4], kNoteNames[5], kNoteNames[6], kNoteNames[7],
                                             kNoteNames[8], kNoteNames[9], kBFlatName,    kNoteNames[11]};

const char *intervalEnglish(GuideInterval interval)
{
    switch (interval) {
    case GuideInterval::Fifth:
        return QT_TRANSLATE_NOOP("TuningGuide", "fifth");
    case GuideInterval::Fourth:
        return QT_TRANSLATE_NOOP("TuningGuide", "fourth");
    case GuideInterval::MajorThird:
        return QT_TRANSLATE_NOOP("TuningGuide", "major third");
    case GuideInterval::MajorSixth:
        return QT_TRANSLATE_NOOP("TuningGuide", "major sixth");
    case GuideInterval::MinorThird:
        return QT_TRANSLATE_NOOP("TuningGuide", "minor third");
    case GuideInterval::MinorSixth:
        return QT_TRANSLATE_NOOP("TuningGuide", "minor sixth");
    case GuideInterval::Octave:
        break;
    }
    return QT_TRANSLATE_NOOP("TuningGuide", "octave");
}

const char *soundEnglish(IntervalSound sound)
{
    switch (sound) {
    case IntervalSound::Pure:
        return QT_TRANSLATE_NOOP("TuningGuide", "pure");
    case IntervalSound::Narrow:
        return QT_TRANSLATE_NOOP("TuningGuide", "narrow");
    case IntervalSound::Wide:
        break;
    }
    return QT_TRANSLATE_NOOP("TuningGuide", "wide");
}

const char *wolfEnglish(IntervalSound sound)
{
    return sound == IntervalSound::Narrow ? QT_TRANSLATE_NOOP("TuningGuide", "narrow wolf")
                                          : QT_TRANSLATE_NOOP("TuningGuide", "wide wolf");
}

int octaveOf(int midiKey)
{
    return (midiKey - pitchClassOf(midiKey)) / 12 - 1;
}

} // namespace

QString guideNoteName(int midiKey)
{
    return QLatin1String(kGuideNoteNames[pitchClassOf(midiKey)]) + QString::number(octaveOf(midiKey));
}

QString guideNoteDisplayName(int midiKey, OctaveNaming naming)
{
    return noteWithOctave(midiKey, naming);
}

QString guideIntervalName(GuideInterval interval)
{
    return QLatin1String(intervalEnglish(interval));
}

QString guideIntervalDisplayName(GuideInterval interval)
{
    return QCoreApplication::translate("TuningGuide", intervalEnglish(interval));
}

QString intervalSoundName(IntervalSound sound)
{
    return QLatin1String(soundEnglish(sound));
}

QString intervalSoundDisplayName(IntervalSound sound)
{
    return QCoreApplication::translate("TuningGuide", soundEnglish(sound));
}

QString wolfSoundName(IntervalSound sound)
{
    return QLatin1String(wolfEnglish(sound));
}

QString wolfSoundDisplayName(IntervalSound sound)
{
    return QCoreApplication::translate("TuningGuide", wolfEnglish(sound));
}

int bearingLowestKey(Bearing bearing)
{
    switch (bearing) {
    case Bearing::F3:
        return 53;
    case Bearing::C4:
        return 60;
    case Bearing::A3:
        break;
    }
    return 57;
}

QString bearingName(Bearing bearing)
{
    const int lowest = bearingLowestKey(bearing);
    return guideNoteName(lowest) + QChar(0x2013) + guideNoteName(lowest + 12);
}

QString bearingDisplayName(Bearing bearing, OctaveNaming naming)
{
    const int lowest = bearingLowestKey(bearing);
    return guideNoteDisplayName(lowest, naming) + QChar(0x2013) + guideNoteDisplayName(lowest + 12, naming);
}

long double beatsPerSecond(long double lower, long double upper, int p, int q)
{
    return std::fabs(q * upper - p * lower);
}

long double pitchAtTemperature(long double hz, long double referenceCelsius, long double nowCelsius)
{
    return hz * std::sqrt((kAbsoluteZero + nowCelsius) / (kAbsoluteZero + referenceCelsius));
}

QString guideSettingsError(const GuideSettings &settings)
{
    if (settings.foot != 8 && settings.foot != 4 && settings.foot != 2)
        return QCoreApplication::translate("TuningGuide", "The stop must be 8, 4 or 2 feet, not %1").arg(settings.foot);
    if (settings.metronome && (*settings.metronome < kLowestMetronome || *settings.metronome > kHighestMetronome))
        return QCoreApplication::translate("TuningGuide", "The metronome mark must lie from %1 to %2, not %3")
            .arg(kLowestMetronome)
            .arg(kHighestMetronome)
            .arg(*settings.metronome);
    if (settings.referenceCelsius.has_value() != settings.nowCelsius.has_value())
        return QCoreApplication::translate("TuningGuide", "Give both temperatures, the reference and now, or neither");
    for (const std::optional<double> &celsius : {settings.referenceCelsius, settings.nowCelsius}) {
        if (celsius && !(*celsius >= kLowestCelsius && *celsius <= kHighestCelsius))
            return QCoreApplication::translate("TuningGuide", "A temperature must lie from %1 to %2 °C, not %3")
                .arg(formatGeneral(kLowestCelsius, QLatin1Char('.')), formatGeneral(kHighestCelsius, QLatin1Char('.')),
                     formatGeneral(*celsius, QLatin1Char('.')));
    }
    return {};
}

Result<TuningGuide> tuningGuide(const QString &name, double oldA, double newA, const NoteCents &cents,
                                const GuideSettings &settings, const std::optional<NoteCents> &exact)
{
    const QString error = guideSettingsError(settings);
    if (!error.isEmpty())
        return failure(error);
    TuningGuide guide;
    guide.name = name;
    guide.settings = settings;
    guide.documentA = pitchTable(oldA, newA, cents)[kA4Key];
    long double factor = 1;
    if (settings.referenceCelsius && settings.nowCelsius)
        factor = pitchAtTemperature(1, *settings.referenceCelsius, *settings.nowCelsius);
    guide.forkA = guide.documentA * factor;
    factor *= 8.0L / settings.foot;
    const SoundingPitches pitches(oldA, newA, cents, factor);

    const int lowest = bearingLowestKey(settings.bearing);
    guide.forkKey = lowest + (kAPitchClass - pitchClassOf(lowest) + 12) % 12;
    guide.forkKeyPitch = pitches[guide.forkKey];
    guide.meantoneFifth = meantoneFifth(pitches);
    // The order is worked out at the written pitch, so that it stays the same
    // on every stop and in any weather; the figures are those that sound.
    const SoundingPitches written(oldA, newA, cents, 1);
    for (const GuideIntervalMeasure &step :
         tuningSteps(written, lowest, guide.forkKey, guide.meantoneFifth.has_value()))
        guide.steps.push_back(pitches.measure(step.fromKey, step.toKey));
    if (guide.meantoneFifth) {
        // Only when the plan was followed: the pure third among the steps.
        const bool followed = std::any_of(guide.steps.begin(), guide.steps.end(), [](const GuideIntervalMeasure &s) {
            return s.interval == GuideInterval::MajorThird && pitchClassOf(s.toKey) == 0 &&
                   pitchClassOf(s.fromKey) == 4;
        });
        if (!followed)
            guide.meantoneFifth.reset();
    }

    auto isStep = [&](int a, int b) {
        return std::any_of(guide.steps.begin(), guide.steps.end(), [&](const GuideIntervalMeasure &s) {
            return (s.fromKey == a && s.toKey == b) || (s.fromKey == b && s.toKey == a);
        });
    };
    // The thirds, then the sixths, that lie within the bearing.
    for (const int span : {4, 9}) {
        for (int key = lowest; key + span < lowest + kBearingKeys; ++key) {
            if (!isStep(key, key + span))
                guide.thirdsAndSixths.push_back(pitches.measure(key, key + span));
        }
    }
    // Each fifth of the circle that no step tuned, as the bearing holds it:
    // the fifth when it fits, else the fourth below.
    for (int key = lowest; key < lowest + 12; ++key) {
        const int fifthClass = pitchClassOf(key + 7);
        const bool tuned = std::any_of(guide.steps.begin(), guide.steps.end(), [&](const GuideIntervalMeasure &s) {
            const int a = pitchClassOf(s.fromKey);
            const int b = pitchClassOf(s.toKey);
            return fifthOrFourth(s.interval) &&
                   ((a == pitchClassOf(key) && b == fifthClass) || (b == pitchClassOf(key) && a == fifthClass));
        });
        if (tuned)
            continue;
        guide.otherFifths.push_back(key + 7 < lowest + kBearingKeys ? pitches.measure(key, key + 7)
                                                                    : pitches.measure(key - 5, key));
    }
    std::sort(guide.otherFifths.begin(), guide.otherFifths.end(),
              [](const GuideIntervalMeasure &a, const GuideIntervalMeasure &b) { return a.fromKey < b.fromKey; });

    // Circulating: no wolf among the fifths and thirds, and not every fifth alike.
    long double smallest = 0;
    long double largest = -1000;
    bool wolf = false;
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        const GuideIntervalMeasure fifth = pitches.fifthOf(pitchClass);
        wolf = wolf || fifth.wolf || pitches.measure(kMiddleC + pitchClass, kMiddleC + pitchClass + 4).wolf;
        smallest = std::min(smallest, fifth.fromPure);
        largest = std::max(largest, fifth.fromPure);
    }
    guide.wellTempered = !wolf && largest - smallest > 0.1L;

    const NoteCents &offsets = exact ? *exact : cents;
    for (int i = 0; i < 12; ++i) {
        guide.offsetsFromA[i] = tenthOfCent(offsets[i] - offsets[kAPitchClass]);
        guide.offsetsFromC[i] = tenthOfCent(offsets[i] - offsets[0]);
    }
    guide.tunerAForC = guide.forkA * std::exp2(-(cents[kAPitchClass] - cents[0]) / 1200);
    return guide;
}

std::vector<GuideRow> guideRows(const TuningGuide &guide)
{
    // After which step a check can be heard: when the later of its keys is tuned.
    auto tunedAt = [&](int key) {
        for (size_t i = 0; i < guide.steps.size(); ++i) {
            if (guide.steps[i].toKey == key)
                return static_cast<int>(i) + 1;
        }
        return 0; // the fork
    };
    std::vector<GuideRow> rows;
    for (size_t i = 0; i <= guide.steps.size(); ++i) {
        const int number = static_cast<int>(i);
        if (number > 0)
            rows.push_back({false, number, &guide.steps[i - 1]});
        for (const auto *checks : {&guide.thirdsAndSixths, &guide.otherFifths}) {
            for (const GuideIntervalMeasure &check : *checks) {
                if (std::max(tunedAt(check.fromKey), tunedAt(check.toKey)) == number)
                    rows.push_back({true, number, &check});
            }
        }
    }
    return rows;
}

namespace {

// The two keys of a step or check written as their interval, from-key first.
std::pair<SpelledNote, SpelledNote> measureSpelling(const GuideIntervalMeasure &m)
{
    const int lower = std::min(m.fromKey, m.toKey);
    const auto [low, high] = intervalSpelling(lower % 12, std::abs(m.toKey - m.fromKey), m.wolf);
    return m.fromKey <= m.toKey ? std::pair{low, high} : std::pair{high, low};
}

} // namespace

std::pair<QString, QString> measureNoteNames(const GuideIntervalMeasure &m, OctaveNaming naming)
{
    const auto [from, to] = measureSpelling(m);
    return {noteWithOctave(m.fromKey, from, naming), noteWithOctave(m.toKey, to, naming)};
}

GuideDocument guideDocument(const TuningGuide &guide, const QDate &date, const Separators &separators,
                            OctaveNaming naming)
{
    const GuideSettings &settings = guide.settings;
    GuideDocument document;
    document.title = guide.name.isEmpty()
                         ? QCoreApplication::translate("TuningGuide", "Tuning guide")
                         : QCoreApplication::translate("TuningGuide", "Tuning guide: %1").arg(guide.name);
    document.subtitle << QCoreApplication::translate("TuningGuide", "A = %1 Hz · bearing %2 · %3 stop · %4")
                             .arg(twoDecimals(guide.documentA, separators),
                                  bearingDisplayName(settings.bearing, naming), footName(settings.foot),
                                  date.toString(QCoreApplication::translate(
                                      "TuningGuide", "yyyy-MM-dd", "The date as the language writes it in figures")));
    if (settings.referenceCelsius && settings.nowCelsius) {
        document.subtitle << QCoreApplication::translate(
                                 "TuningGuide", "At %1 °C, for an organ at A = %2 Hz at %3 °C: tune A to %4 Hz")
                                 .arg(formatPattern(*settings.nowCelsius, u"0.0", separators),
                                      twoDecimals(guide.documentA, separators),
                                      formatPattern(*settings.referenceCelsius, u"0.0", separators),
                                      twoDecimals(guide.forkA, separators));
    }

    const QString countColumn =
        settings.metronome ? QCoreApplication::translate("TuningGuide", "Per beat at MM %1").arg(*settings.metronome)
                           : QCoreApplication::translate("TuningGuide", "In 5 s");
    const long double countFactor = settings.metronome ? 60.0L / *settings.metronome : 5.0L;
    auto figures = [&](const GuideIntervalMeasure &m) {
        return QStringList{m.wolf ? wolfSoundDisplayName(m.sound) : intervalSoundDisplayName(m.sound),
                           signedFigure(m.fromPure, u"0.00", separators), twoDecimals(m.beatsPerSecond, separators),
                           formatPattern(m.beatsPerSecond * countFactor, u"0.0", separators)};
    };
    const std::vector<GuideRow> rows = guideRows(guide);

    GuideTable order;
    order.heading = QCoreApplication::translate("TuningGuide", "Tuning order in the bearing %1")
                        .arg(bearingDisplayName(settings.bearing, naming));
    const bool tooFast = std::any_of(rows.begin(), rows.end(), [](const GuideRow &row) {
        return !row.measure->wolf && row.measure->beatsPerSecond > kCountableBeats;
    });
    if (tooFast && settings.foot < 8)
        order.lead << QCoreApplication::translate("TuningGuide",
                                                  "Beats faster than %1 a second are too fast to count on this "
                                                  "stop: tune the bearing on a %2 stop.")
                          .arg(formatGeneral(kCountableBeats, separators.decimal), footName(settings.foot * 2));
    order.lead << QCoreApplication::translate("TuningGuide",
                                              "Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).")
                      .arg(guideNoteDisplayName(guide.forkKey, naming), twoDecimals(guide.forkA, separators),
                           twoDecimals(guide.forkKeyPitch, separators));
    if (guide.meantoneFifth) {
        QStringList fifths;
        for (const int pitchClass : {0, 7, 2, 9, 4})
            fifths << spelledDisplayName(usualSpelling(pitchClass));
        order.lead << QCoreApplication::translate("TuningGuide",
                                                  "The pure major third %1–%2 first, then the fifths %3 between its "
                                                  "notes split evenly, each %4 cents narrow, at the beats given.")
                          .arg(guideNoteDisplayName(kMiddleC, naming), guideNoteDisplayName(kMiddleC + 4, naming),
                               fifths.join(QChar(0x2013)), formatPattern(-*guide.meantoneFifth, u"0.00", separators));
    }
    order.lead << QCoreApplication::translate("TuningGuide",
                                              "Each check follows the step that tunes the last of its notes.");
    if (guide.wellTempered)
        order.lead << QCoreApplication::translate("TuningGuide",
                                                  "A well temperament: the beats of the major thirds rise and fall "
                                                  "smoothly from note to note.");
    order.columns = QStringList{QCoreApplication::translate("TuningGuide", "Step"),
                                QCoreApplication::translate("TuningGuide", "From"),
                                QCoreApplication::translate("TuningGuide", "Tune"),
                                QCoreApplication::translate("TuningGuide", "Interval")} +
                    QStringList{QCoreApplication::translate("TuningGuide", "Sound"),
                                QCoreApplication::translate("TuningGuide", "From pure (cents)"),
                                QCoreApplication::translate("TuningGuide", "Beats/s"), countColumn};
    order.numeric = {true, false, false, false, false, true, true, true};
    for (const GuideRow &row : rows) {
        const GuideIntervalMeasure &m = *row.measure;
        const QString first =
            row.check ? QCoreApplication::translate("TuningGuide", "check") : QString::number(row.number);
        const auto [from, to] = measureNoteNames(m, naming);
        order.rows << QStringList{first, from, to, guideIntervalDisplayName(m.interval)} + figures(m);
        order.checkRows << row.check;
    }
    document.tables << order;

    GuideTable outward;
    outward.heading = QCoreApplication::translate("TuningGuide", "Then outward");
    outward.lead << QCoreApplication::translate(
        "TuningGuide", "Tune the rest of the compass from the bearing in pure octaves, upward and "
                       "downward.");
    document.tables << outward;

    GuideTable tuner;
    tuner.heading = QCoreApplication::translate("TuningGuide", "For electronic tuners");
    tuner.lead << QCoreApplication::translate("TuningGuide", "Offsets from equal temperament in cents.");
    tuner.columns << QString();
    tuner.numeric << false;
    for (int i = 0; i < 12; ++i) {
        tuner.columns << spelledDisplayName(usualSpelling(i));
        tuner.numeric << true;
    }
    QStringList fromA = {
        QCoreApplication::translate("TuningGuide", "A = 0 (A = %1 Hz)").arg(twoDecimals(guide.forkA, separators))};
    QStringList fromC = {
        QCoreApplication::translate("TuningGuide", "C = 0 (A = %1 Hz)").arg(twoDecimals(guide.tunerAForC, separators))};
    for (int i = 0; i < 12; ++i) {
        fromA << signedFigure(guide.offsetsFromA[i], u"0.0", separators);
        fromC << signedFigure(guide.offsetsFromC[i], u"0.0", separators);
    }
    tuner.rows << fromA << fromC;
    document.tables << tuner;
    return document;
}

QStringList guideTextLines(const GuideDocument &document)
{
    QStringList lines = {document.title, QString(document.title.size(), QLatin1Char('='))};
    lines << document.subtitle;
    for (const GuideTable &table : document.tables) {
        lines << QString() << table.heading << QString(table.heading.size(), QLatin1Char('-')) << table.lead;
        if (table.columns.isEmpty())
            continue;
        QList<qsizetype> widths;
        for (const QString &column : table.columns)
            widths << column.size();
        for (const QStringList &row : table.rows) {
            for (qsizetype c = 0; c < row.size() && c < widths.size(); ++c)
                widths[c] = std::max(widths[c], row[c].size());
        }
        auto line = [&](const QStringList &cells) {
            QStringList padded;
            for (qsizetype c = 0; c < cells.size(); ++c) {
                const bool right = c < table.numeric.size() && table.numeric[c];
                padded << (right ? cells[c].rightJustified(widths[c]) : cells[c].leftJustified(widths[c]));
            }
            QString text = padded.join(QStringLiteral("  "));
            while (text.endsWith(QLatin1Char(' ')))
                text.chop(1);
            return text;
        };
        lines << line(table.columns);
        for (const QStringList &row : table.rows)
            lines << line(row);
    }
    return lines;
}

QStringList guideTsvLines(const TuningGuide &guide)
{
    const Separators fullStop;
    auto three = [&](long double value) { return formatPattern(value, u"0.000", fullStop); };
    QStringList lines = {QStringLiteral("kind\tfrom\tto\tinterval\tcents\tfrom_pure\tbeats\tquality")};
    lines << QStringList{QStringLiteral("fork"),
                         QString(),
                         guideNoteName(guide.forkKey),
                         QString(),
                         twoDecimals(guide.forkA, fullStop),
                         QString(),
                         QString(),
                         QString()}
                 .join(QLatin1Char('\t'));
    auto row = [&](const char *kind, const GuideIntervalMeasure &m) {
        const auto [from, to] = measureSpelling(m);
        return QStringList{QLatin1String(kind),
                           scientificName(m.fromKey, from),
                           scientificName(m.toKey, to),
                           guideIntervalName(m.interval),
                           three(m.cents),
                           three(m.fromPure),
                           three(m.beatsPerSecond),
                           m.wolf ? wolfSoundName(m.sound) : intervalSoundName(m.sound)}
            .join(QLatin1Char('\t'));
    };
    for (const GuideRow &r : guideRows(guide))
        lines << row(r.check ? "check" : "step", *r.measure);
    return lines;
}

} // namespace cordavo
