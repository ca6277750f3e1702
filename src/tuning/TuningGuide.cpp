#include "tuning/TuningGuide.h"

#include "numbers/NumberFormat.h"
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
    case 9:
        return GuideInterval::MajorSixth;
    default:
        break;
    }
    return GuideInterval::Octave;
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
        return m;
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
            // The fifth between the two classes, measured from middle C up.
            const int lower = to == (from + 7) % 12 ? from : to;
            const GuideIntervalMeasure fifth = pitches.measure(kMiddleC + lower, kMiddleC + lower + 7);
            if (std::fabs(fifth.fromPure) > kWolfFifthCents || distance[to] != kFar)
                continue;
            distance[to] = distance[from] + 1;
            queue.push_back(to);
        }
    }
    return distance;
}

std::vector<GuideIntervalMeasure> tuningSteps(const SoundingPitches &pitches, int lowest, int forkKey)
{
    const std::array<int, 12> distance = fifthsFromA(pitches);
    std::array<bool, kBearingKeys> keyTuned{};
    std::array<bool, 12> classTuned{};
    keyTuned[static_cast<size_t>(forkKey - lowest)] = true;
    classTuned[kAPitchClass] = true;

    std::vector<GuideIntervalMeasure> steps;
    for (;;) {
        // The best step by (kind, distance from A, fourth after fifth, key).
        using Rank = std::tuple<int, int, int, int>;
        std::optional<Rank> best;
        GuideIntervalMeasure chosen;
        for (int t = lowest; t < lowest + kBearingKeys; ++t) {
            if (!keyTuned[static_cast<size_t>(t - lowest)])
                continue;
            for (const int move : {-12, -7, -5, -4, 4, 5, 7, 12}) {
                const int u = t + move;
                if (u < lowest || u >= lowest + kBearingKeys || keyTuned[static_cast<size_t>(u - lowest)])
                    continue;
                const bool octave = std::abs(move) == 12;
                // A class already tuned is given its other key as an octave, nothing else.
                if (classTuned[static_cast<size_t>(pitchClassOf(u))] != octave)
                    continue;
                const GuideIntervalMeasure step = pitches.measure(t, u);
                int kind = 0;
                if (std::abs(move) == 4) {
                    if (step.sound != IntervalSound::Pure)
                        continue;
                    kind = 1;
                } else if (!octave) {
                    kind = std::fabs(step.fromPure) > kWolfFifthCents ? 3 : 2;
                }
                const Rank rank{kind, kind >= 2 ? distance[static_cast<size_t>(pitchClassOf(u))] : 0,
                                std::abs(move) == 5 ? 1 : 0, u};
                if (!best || rank < *best) {
                    best = rank;
                    chosen = step;
                }
            }
        }
        if (!best)
            break; // every key of the bearing is tuned
        keyTuned[static_cast<size_t>(chosen.toKey - lowest)] = true;
        classTuned[static_cast<size_t>(pitchClassOf(chosen.toKey))] = true;
        steps.push_back(chosen);
    }
    return steps;
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

int octaveOf(int midiKey)
{
    return (midiKey - pitchClassOf(midiKey)) / 12 - 1;
}

} // namespace

QString guideNoteName(int midiKey)
{
    return QLatin1String(kGuideNoteNames[pitchClassOf(midiKey)]) + QString::number(octaveOf(midiKey));
}

QString guideNoteDisplayName(int midiKey)
{
    return noteDisplayName(kGuideNoteNames[pitchClassOf(midiKey)]) + QString::number(octaveOf(midiKey));
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

QString bearingDisplayName(Bearing bearing)
{
    const int lowest = bearingLowestKey(bearing);
    return guideNoteDisplayName(lowest) + QChar(0x2013) + guideNoteDisplayName(lowest + 12);
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
                                const GuideSettings &settings)
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
    guide.steps = tuningSteps(pitches, lowest, guide.forkKey);

    // The thirds, then the sixths, that lie within the bearing.
    for (int key = lowest; key + 4 < lowest + kBearingKeys; ++key)
        guide.thirdsAndSixths.push_back(pitches.measure(key, key + 4));
    for (int key = lowest; key + 9 < lowest + kBearingKeys; ++key)
        guide.thirdsAndSixths.push_back(pitches.measure(key, key + 9));
    // Each fifth of the circle that no step tuned, as the bearing holds it:
    // the fifth when it fits, else the fourth below.
    for (int key = lowest; key < lowest + 12; ++key) {
        const int fifthClass = pitchClassOf(key + 7);
        const bool tuned = std::any_of(guide.steps.begin(), guide.steps.end(), [&](const GuideIntervalMeasure &s) {
            const int a = pitchClassOf(s.fromKey);
            const int b = pitchClassOf(s.toKey);
            return s.interval != GuideInterval::MajorThird && s.interval != GuideInterval::Octave &&
                   ((a == pitchClassOf(key) && b == fifthClass) || (b == pitchClassOf(key) && a == fifthClass));
        });
        if (tuned)
            continue;
        guide.otherFifths.push_back(key + 7 < lowest + kBearingKeys ? pitches.measure(key, key + 7)
                                                                    : pitches.measure(key - 5, key));
    }
    std::sort(guide.otherFifths.begin(), guide.otherFifths.end(),
              [](const GuideIntervalMeasure &a, const GuideIntervalMeasure &b) { return a.fromKey < b.fromKey; });

    for (int i = 0; i < 12; ++i) {
        guide.offsetsFromA[i] = RoundToDecimals(static_cast<double>(cents[i] - cents[kAPitchClass]), 1) + 0.0L;
        guide.offsetsFromC[i] = RoundToDecimals(static_cast<double>(cents[i] - cents[0]), 1) + 0.0L;
    }
    guide.tunerAForC = guide.forkA * std::exp2(-(cents[kAPitchClass] - cents[0]) / 1200);
    return guide;
}

GuideDocument guideDocument(const TuningGuide &guide, const QDate &date, const Separators &separators)
{
    const GuideSettings &settings = guide.settings;
    GuideDocument document;
    document.title = guide.name.isEmpty()
                         ? QCoreApplication::translate("TuningGuide", "Tuning guide")
                         : QCoreApplication::translate("TuningGuide", "Tuning guide: %1").arg(guide.name);
    document.subtitle << QCoreApplication::translate("TuningGuide", "A = %1 Hz · bearing %2 · %3 stop · %4")
                             .arg(twoDecimals(guide.documentA, separators), bearingDisplayName(settings.bearing),
                                  footName(settings.foot), date.toString(Qt::ISODate));
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
        return QStringList{intervalSoundDisplayName(m.sound), signedFigure(m.fromPure, u"0.00", separators),
                           twoDecimals(m.beatsPerSecond, separators),
                           formatPattern(m.beatsPerSecond * countFactor, u"0.0", separators)};
    };
    const QStringList measureColumns = {QCoreApplication::translate("TuningGuide", "Sound"),
                                        QCoreApplication::translate("TuningGuide", "From pure (cents)"),
                                        QCoreApplication::translate("TuningGuide", "Beats/s"), countColumn};

    GuideTable order;
    order.heading = QCoreApplication::translate("TuningGuide", "Tuning order in the bearing %1")
                        .arg(bearingDisplayName(settings.bearing));
    order.lead << QCoreApplication::translate("TuningGuide",
                                              "Tune %1 to the fork or tuner: A = %2 Hz (%1 sounds at %3 Hz).")
                      .arg(guideNoteDisplayName(guide.forkKey), twoDecimals(guide.forkA, separators),
                           twoDecimals(guide.forkKeyPitch, separators));
    order.columns = QStringList{QCoreApplication::translate("TuningGuide", "Step"),
                                QCoreApplication::translate("TuningGuide", "From"),
                                QCoreApplication::translate("TuningGuide", "Tune"),
                                QCoreApplication::translate("TuningGuide", "Interval")} +
                    measureColumns;
    order.numeric = {true, false, false, false, false, true, true, true};
    for (size_t i = 0; i < guide.steps.size(); ++i) {
        const GuideIntervalMeasure &step = guide.steps[i];
        order.rows << QStringList{QString::number(i + 1), guideNoteDisplayName(step.fromKey),
                                  guideNoteDisplayName(step.toKey), guideIntervalDisplayName(step.interval)} +
                          figures(step);
    }
    document.tables << order;

    auto checkTable = [&](const QString &heading, const QString &lead,
                          const std::vector<GuideIntervalMeasure> &measures) {
        GuideTable table;
        table.heading = heading;
        table.lead << lead;
        table.columns = QStringList{QCoreApplication::translate("TuningGuide", "Notes"),
                                    QCoreApplication::translate("TuningGuide", "Interval")} +
                        measureColumns;
        table.numeric = {false, false, false, true, true, true};
        for (const GuideIntervalMeasure &m : measures)
            table.rows << QStringList{guideNoteDisplayName(m.fromKey) + QChar(0x2013) + guideNoteDisplayName(m.toKey),
                                      guideIntervalDisplayName(m.interval)} +
                              figures(m);
        return table;
    };
    document.tables << checkTable(
        QCoreApplication::translate("TuningGuide", "Checks: the major thirds and sixths"),
        QCoreApplication::translate("TuningGuide", "In a well temperament their beats rise and fall smoothly from "
                                                   "note to note."),
        guide.thirdsAndSixths);
    if (!guide.otherFifths.empty())
        document.tables << checkTable(
            QCoreApplication::translate("TuningGuide", "Checks: the fifths not tuned as steps"),
            QCoreApplication::translate("TuningGuide", "Listen to them once the bearing is set."), guide.otherFifths);

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
        tuner.columns << guideNoteDisplayName(kMiddleC + i).chopped(1);
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
        return QStringList{
            QLatin1String(kind), guideNoteName(m.fromKey), guideNoteName(m.toKey),  guideIntervalName(m.interval),
            three(m.cents),      three(m.fromPure),        three(m.beatsPerSecond), intervalSoundName(m.sound)}
            .join(QLatin1Char('\t'));
    };
    for (const GuideIntervalMeasure &step : guide.steps)
        lines << row("step", step);
    for (const GuideIntervalMeasure &check : guide.thirdsAndSixths)
        lines << row("check", check);
    for (const GuideIntervalMeasure &check : guide.otherFifths)
        lines << row("check", check);
    return lines;
}

} // namespace cordavo
