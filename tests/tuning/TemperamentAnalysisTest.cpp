#include "tuning/TemperamentAnalysis.h"
#include "numbers/NumberFormat.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TemperamentXmlReader.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

// Positions above C of Werckmeister III: four fifths narrowed by a quarter
// of the Pythagorean comma (C-G, G-D, D-A, B-F#), the other eight pure.
NoteCents werckmeisterIII()
{
    const long double positions[12] = {0,        90.225L,  192.180L, 294.135L, 390.225L, 498.045L,
                                       588.270L, 696.090L, 792.180L, 888.270L, 996.090L, 1092.180L};
    NoteCents deviations{};
    for (int i = 0; i < 12; ++i)
        deviations[i] = positions[i] - 100 * i;
    return deviations;
}

// A chain of pure fifths from E-flat to G-sharp.
NoteCents pythagorean()
{
    NoteCents deviations{};
    for (int k = -3; k <= 8; ++k) {
        const int note = ((7 * k) % 12 + 12) % 12;
        long double position = std::fmod(k * kPureFifthCents, 1200.0L);
        if (position < 0)
            position += 1200;
        deviations[note] = position - 100 * note;
    }
    return deviations;
}

QString documentText(const TemperamentData &data)
{
    return temperamentXml(data).join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

} // namespace

TEST(AnalyseTemperament, EqualTemperamentBeatsAsTunersKnow)
{
    const TemperamentQuality q = analyseTemperament(440, 440, NoteCents{});
    EXPECT_EQ(q.fifths[0].lowerNote, 0);
    EXPECT_EQ(q.fifths[0].upperNote, 7);
    EXPECT_EQ(q.fifths[11].lowerNote, 5); // F-C closes the circle
    EXPECT_EQ(q.fifths[11].upperNote, 0);
    EXPECT_NEAR(double(q.fifths[0].beatsPerSecond), 0.886, 0.001);
    EXPECT_NEAR(double(q.thirds[0].beatsPerSecond), 10.38, 0.01);
    EXPECT_EQ(q.thirds[11].upperNote, 3); // B-D#
    for (int k = 0; k < 12; ++k) {
        EXPECT_NEAR(double(q.fifths[k].cents), 700, 1e-9);
        EXPECT_NEAR(double(q.fifths[k].fromPure), -1.955, 0.001);
        EXPECT_NEAR(double(q.thirds[k].fromPure), 13.686, 0.001);
    }
    // Beats grow with pitch: A-E beats faster than C-G.
    EXPECT_GT(q.fifths[3].beatsPerSecond, q.fifths[0].beatsPerSecond);
}

TEST(AnalyseTemperament, PureFifthsDoNotBeatAndTheWolfHowls)
{
    const TemperamentQuality q = analyseTemperament(440, 440, pythagorean());
    int pure = 0;
    for (const IntervalQuality &fifth : q.fifths) {
        if (std::fabs(fifth.fromPure) < 1e-9) {
            ++pure;
            EXPECT_LT(double(fifth.beatsPerSecond), 1e-9);
        } else {
            EXPECT_NEAR(double(fifth.fromPure), -23.46, 0.01); // G#-D#, the wolf
        }
    }
    EXPECT_EQ(pure, 11);
}

TEST(AnalyseTemperament, WerckmeisterIIIHasFourTemperedFifths)
{
    const TemperamentQuality q = analyseTemperament(440, 415, werckmeisterIII());
    QStringList tempered;
    for (const IntervalQuality &fifth : q.fifths) {
        if (std::fabs(fifth.fromPure) < 0.01L)
            continue;
        EXPECT_NEAR(double(fifth.fromPure), -5.865, 0.01);
        tempered << noteName(fifth.lowerNote) + QLatin1Char('-') + noteName(fifth.upperNote);
    }
    EXPECT_EQ(tempered, (QStringList{"C-G", "G-D", "D-A", "B-F#"}));
    EXPECT_NEAR(double(q.thirds[0].fromPure), 3.91, 0.01); // C-E, the best third
}

TEST(AnalyseTemperament, ThirdsAndFifthsHaveTheirOwnWolfLimits)
{
    struct Case {
        const char *name;
        long double fromPure;
        IntervalGrade fifth;
        IntervalGrade third;
    };
    const Case cases[] = {
        {"pure", 0.01L, IntervalGrade::Pure, IntervalGrade::Pure},
        {"pure, below", -0.01L, IntervalGrade::Pure, IntervalGrade::Pure},
        {"equal-tempered fifth", -1.955L, IntervalGrade::Tempered, IntervalGrade::Tempered},
        {"equal-tempered third", 13.686L, IntervalGrade::Tempered, IntervalGrade::Tempered},
        {"just under the fifth's limit", 14.9L, IntervalGrade::Tempered, IntervalGrade::Tempered},
        {"just over the fifth's limit", 15.1L, IntervalGrade::Wolf, IntervalGrade::Tempered},
        {"Pythagorean third", 21.506L, IntervalGrade::Wolf, IntervalGrade::Tempered},
        {"Pythagorean wolf fifth", -23.46L, IntervalGrade::Wolf, IntervalGrade::Tempered},
        {"just over the third's limit", 30.1L, IntervalGrade::Wolf, IntervalGrade::Wolf},
        {"meantone diminished fourth", 41.06L, IntervalGrade::Wolf, IntervalGrade::Wolf},
        {"third far below pure", -30.1L, IntervalGrade::Wolf, IntervalGrade::Wolf},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fifthGrade(c.fromPure), c.fifth);
        EXPECT_EQ(thirdGrade(c.fromPure), c.third);
    }
}

TEST(ReadTemperamentXml, GivesBackWhatWasGenerated)
{
    struct Case {
        double oldA, newA;
        NoteCents cents;
    };
    NoteCents mixed{};
    mixed[0] = 10;
    mixed[4] = -13.69L;
    mixed[9] = 3.5L;
    const Case cases[] = {
        {440, 440, NoteCents{}},
        {440, 415, werckmeisterIII()},
        {415, 440, pythagorean()},
        {430, 442, mixed},
    };
    for (const auto &c : cases) {
        TemperamentData data;
        data.oldA = c.oldA;
        data.newA = c.newA;
        data.cents = c.cents;
        data.name = QStringLiteral("Bach & <Sons>");
        data.shortName = QStringLiteral("B&S");
        data.supplierName = QStringLiteral("Acme");
        data.supplierId = 7;
        data.temperamentId = 1234;
        data.comment = QString::fromUtf16(u"Societ\u00E0");
        const ReadTemperament read = readTemperamentXml(documentText(data), QStringLiteral("T.xml"));
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        const long double a = referencePitch(c.oldA, c.newA) * std::exp2(c.cents[9] / 1200);
        EXPECT_NEAR(read.value().newA, double(a), 1e-9);
        for (int i = 0; i < 12; ++i)
            EXPECT_NEAR(double(read.value().cents[i]), double(c.cents[i] - c.cents[9]), 1e-9) << i;
        EXPECT_EQ(read.value().name, data.name);
        EXPECT_EQ(read.value().shortName, data.shortName);
        EXPECT_EQ(read.value().comment, data.comment);
        EXPECT_EQ(read.value().supplierId, 7);
        EXPECT_EQ(read.value().temperamentId, 1234);
        // Generating from what was read gives the same pitches.
        TemperamentData again = data;
        again.oldA = 440;
        again.newA = read.value().newA;
        again.cents = read.value().cents;
        const auto before = pitchTable(data.oldA, data.newA, data.cents);
        const auto after = pitchTable(again.oldA, again.newA, again.cents);
        for (int n = 0; n <= kLastMidiNote; ++n)
            EXPECT_NEAR(double(after[n] / before[n]), 1.0, 1e-12) << n;
    }
}

TEST(ReadTemperamentXml, GivesBackEveryDocumentTheWriterMakes)
{
    // A's at the ends of their range, A with a deviation of its own, notes at
    // the ends of theirs: the reader finds A's and deviations in range.
    struct Case {
        double oldA, newA;
        NoteCents cents;
        double readOldA, readNewA; // 0: any
    };
    NoteCents aHigh{};
    aHigh[9] = 50;
    NoteCents edges{};
    edges[0] = -1200;
    edges[11] = 1200;
    edges[9] = 33.33L;
    NoteCents allUp{};
    allUp.fill(1200);
    NoteCents allDown{};
    allDown.fill(-1200);
    NoteCents aDown = asNoteFields(werckmeisterIII());
    aDown[9] = -1200;
    const Case cases[] = {
        {500, 400, NoteCents{}, 500, 400}, {400, 500, NoteCents{}, 400, 500}, {400, 500, aHigh, 0, 0},
        {500, 400, aDown, 0, 0},           {440, 440, edges, 0, 0},           {400, 500, allUp, 400, 500},
        {500, 400, allDown, 500, 400},     {455.5, 410.25, aHigh, 0, 0},      {470, 410, NoteCents{}, 460, 400},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.oldA << " " << c.newA << " A " << double(c.cents[9]));
        TemperamentData data;
        data.oldA = c.oldA;
        data.newA = c.newA;
        data.cents = c.cents;
        const ReadTemperament read = readTemperamentXml(documentText(data), QStringLiteral("T.xml"));
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        EXPECT_TRUE(isReferencePitch(read->oldA) && isReferencePitch(read->newA)) << read->oldA << " " << read->newA;
        if (c.readOldA != 0) {
            EXPECT_EQ(read->oldA, c.readOldA);
            EXPECT_EQ(read->newA, c.readNewA);
        }
        EXPECT_TRUE(noteCentsErrors(read->cents, QLatin1Char('.')).isEmpty());
        // As the fields hold them, at two decimals: still the same pitches.
        const auto before = pitchTable(data.oldA, data.newA, data.cents);
        const auto after = pitchTable(read->oldA, read->newA, asNoteFields(read->cents));
        for (int n = 0; n <= kLastMidiNote; ++n)
            EXPECT_NEAR(double(after[n] / before[n]), 1.0, 1e-12) << n;
    }
}

TEST(ReadTemperamentXml, ToleratesOrderWhitespaceCommasAndOldNoteZero)
{
    TemperamentData data;
    data.cents[0] = 10;
    QStringList lines = temperamentXml(data);
    // Older versions: commas in numbers, and note 0 without its C offset.
    for (QString &line : lines) {
        if (line.contains(QLatin1String("PitchHz")))
            line.replace(QLatin1Char('.'), QLatin1Char(','));
    }
    lines[17] = QStringLiteral("    <PitchHz>8,17579891564371</PitchHz>");
    // Notes in reverse order, pitch before number, all on one line.
    QString notes;
    for (int n = kLastMidiNote; n >= 0; --n) {
        notes += QStringLiteral("<note> <PitchHz>%1</PitchHz>\n\t<MIDINoteNumberOnEightFootStop> %2 "
                                "</MIDINoteNumberOnEightFootStop></note>")
                     .arg(lines[15 + n * 4 + 2].section(QLatin1Char('>'), 1).section(QLatin1Char('<'), 0, 0))
                     .arg(n);
    }
    const QString text = lines.mid(0, 15).join(QLatin1Char(' ')) + notes + QStringLiteral("</ObjectList></Hauptwerk>");
    const ReadTemperament read = readTemperamentXml(text, QStringLiteral("Old.xml"));
    ASSERT_TRUE(read.ok()) << qPrintable(read.error());
    EXPECT_NEAR(double(read.value().cents[0]), 10, 1e-9);
    EXPECT_NEAR(read.value().newA, 440, 1e-9);
}

TEST(ReadTemperamentXml, RefusesWhatIsNotATemperamentOfTwelveNotes)
{
    const QString good = documentText(TemperamentData{});
    const QString stretched = QString(good).replace(QStringLiteral("<PitchHz>8372.01808961916</PitchHz>"),
                                                    QStringLiteral("<PitchHz>8380</PitchHz>"));
    const QString missing = QString(good).replace(QStringLiteral("<MIDINoteNumberOnEightFootStop>100<"),
                                                  QStringLiteral("<MIDINoteNumberOnEightFootStop>99<"));
    // Every note two octaves up: no A's and deviations give that.
    QString twoOctavesUp = good;
    for (int n = kLastMidiNote; n >= 0; --n) {
        const long double hz = pitchTable(440, 440, NoteCents{})[n];
        twoOctavesUp.replace(QStringLiteral("<PitchHz>%1<").arg(formatGeneral(hz, QLatin1Char('.'))),
                             QStringLiteral("<PitchHz>%1<").arg(formatGeneral(4 * hz, QLatin1Char('.'))));
    }
    struct Case {
        const char *name;
        QString text;
        const char *problem;
    };
    const Case cases[] = {
        {"empty", QString(), "Premature end of document"},
        {"blank", QStringLiteral("  \n"), "Premature end of document"},
        {"truncated", good.left(good.size() / 2), "Premature end of document"},
        {"not well-formed", QString(good).replace(QStringLiteral("</Name>"), QString()), "line 8"},
        {"another format", QStringLiteral("<Hauptwerk FileFormat=\"Organ\"/>"),
         "it is not a Hauptwerk temperament file"},
        {"another root", QStringLiteral("<html><body/></html>"), "it is not a Hauptwerk temperament file"},
        {"stretched octave", stretched, "note 120 is"},
        {"a note twice", missing, "note 99 is there twice"},
        {"pitch not a number",
         QString(good).replace(QStringLiteral("<PitchHz>440</PitchHz>"), QStringLiteral("<PitchHz>abc</PitchHz>")),
         "PitchHz \"abc\" is not a number"},
        {"two octaves up", twoOctavesUp,
         "no two pitches of A from 400 to 500 Hz with notes from -1200 to +1200 cents give its pitches: its notes "
         "lie from 2400.00 to 2400.00 cents"},
    };
    for (const auto &c : cases) {
        const ReadTemperament read = readTemperamentXml(c.text, QStringLiteral("F.xml"));
        EXPECT_FALSE(read.ok()) << c.name;
        EXPECT_TRUE(read.error().startsWith(QStringLiteral("\"F.xml\" cannot be opened as a temperament: ")))
            << qPrintable(read.error());
        EXPECT_TRUE(read.error().contains(QLatin1String(c.problem))) << c.name << ": " << qPrintable(read.error());
    }
}
