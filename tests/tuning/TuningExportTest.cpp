#include "tuning/TuningExport.h"
#include "tuning/KeyboardMapping.h"
#include "tuning/LineFile.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentLibrary.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

QByteArray bytesOf(const MtsFrequency &f)
{
    return QByteArray{reinterpret_cast<const char *>(f.data()), 3};
}

// The pitch that a receiving instrument makes of frequency data.
long double pitchOf(const QByteArray &data)
{
    const auto b = [&](int i) { return static_cast<unsigned char>(data[i]); };
    const long double semitones = b(0) + ((b(1) << 7) | b(2)) / 16384.0L;
    return 440 * std::pow(2.0L, (semitones - 69) / 12);
}

long double centsBetween(long double a, long double b)
{
    return 1200 * std::log2(a / b);
}

NoteCents randomTemperament(QRandomGenerator &random)
{
    NoteCents cents{};
    for (long double &c : cents)
        c = random.bounded(-3000, 3000) / 100.0L;
    return cents;
}

} // namespace

TEST(MtsFrequency, KnownKeysFractionsAndTheRangeLimits)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const struct {
        const char *name;
        long double hz;
        const char *bytes;
    } cases[] = {
        {"A4", equal[69], "45 00 00"},
        {"middle C", equal[60], "3C 00 00"},
        {"A4 fifty cents sharp", 440 * std::pow(2.0L, 50 / 1200.0L), "45 40 00"},
        {"key 0", equal[0], "00 00 00"},
        {"below key 0", equal[0] * 0.99L, "7F 7F 7F"},
        {"last step below key 128", equal[127] * std::pow(2.0L, 16383 / 16384.0L / 12), "7F 7F 7F"},
        {"one step lower", equal[127] * std::pow(2.0L, 16382 / 16384.0L / 12), "7F 7F 7E"},
        {"not a pitch", 0, "7F 7F 7F"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(bytesOf(mtsFrequency(c.hz)).toHex(' '), hex(c.bytes).toHex(' '));
    }
}

TEST(MtsMessages, LayoutChecksumAndCounts)
{
    const KeyPitches equal = keyPitches(440, 440, {});
    const SysexExport bulk = mtsBulkDump(equal, QStringLiteral("Equal"));
    ASSERT_EQ(bulk.bytes.size(), 408);
    EXPECT_EQ(bulk.bytes.left(22), hex("F0 7E 7F 08 01 00") + "Equal           ");
    EXPECT_EQ(bulk.bytes.right(2), hex("64 F7"));
    EXPECT_TRUE(bulk.shortfall.isEmpty());

    const SysexExport keys = mtsSingleNoteChanges(equal, 3);
    ASSERT_EQ(keys.bytes.size(), (7 + 127 * 4 + 1) + (7 + 4 + 1));
    EXPECT_EQ(keys.bytes.left(7), hex("F0 7F 7F 08 02 03 7F"));
    EXPECT_EQ(keys.bytes.mid(7, 4), hex("00 00 00 00"));
    EXPECT_EQ(keys.bytes.right(12), hex("F0 7F 7F 08 02 03 01 7F 7F 00 00 F7"));

    // A temperament whose C lies an octave down takes key 0 below the range.
    NoteCents low{};
    low[0] = -1200;
    EXPECT_EQ(mtsBulkDump(keyPitches(440, 440, low), {}).shortfall.unchangedKeys, QList<int>{0});
    EXPECT_EQ(mtsSingleNoteChanges(keyPitches(440, 440, low)).shortfall.unchangedKeys, QList<int>{0});
}

// The octave message carries the temperament alone; the reference pitch
// goes ahead of it in the master coarse and fine tuning messages.
TEST(MtsMessages, OctaveTuningCarriesTheReferencePitchInMasterTuning)
{
    // C at -100 cents, C# at 0, D at +100: the octave message's limits and centre.
    NoteCents cents{};
    cents[0] = -100;
    cents[2] = 100;
    const struct {
        double newA;
        const char *master; // coarse, then fine (LSB first)
    } cases[] = {
        {440, "F0 7F 7F 04 04 00 40 F7 F0 7F 7F 04 03 00 40 F7"},
        // -101.27 cents: a semitone down, then -1.27 cents = 8192 - 104 steps.
        {415, "F0 7F 7F 04 04 00 3F F7 F0 7F 7F 04 03 18 3F F7"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.newA);
        const SysexExport octave = mtsOctaveTuning(keyPitches(440, c.newA, cents), c.newA);
        ASSERT_EQ(octave.bytes.size(), 16 + 33);
        EXPECT_EQ(octave.bytes.left(16).toHex(' '), hex(c.master).toHex(' '));
        EXPECT_EQ(octave.bytes.mid(16, 14).toHex(' '), hex("F0 7E 7F 08 09 03 7F 7F 00 00 40 00 7F 7F").toHex(' '));
        EXPECT_TRUE(octave.shortfall.isEmpty());
    }
    cents[2] = 100.5L;
    cents[4] = -130;
    const SysexExport held = mtsOctaveTuning(keyPitches(440, 415, cents), 415);
    ASSERT_EQ(held.shortfall.heldPitchClasses.size(), 2);
    EXPECT_EQ(shortfallText(held.shortfall, {QLatin1Char(','), QLatin1Char('.')}),
              QStringLiteral("2 notes lie more than 100 cents from equal temperament, beyond what the octave message "
                             "carries, and are held at its nearest limit: D (+100,50 cents), E (-130,00 cents)"));
    EXPECT_EQ(held.bytes.mid(16 + 8 + 2 * 2, 2), hex("7F 7F")); // D
    EXPECT_EQ(held.bytes.mid(16 + 8 + 2 * 4, 2), hex("00 00")); // E
}

TEST(MtsName, PrintableAsciiOnlySixteenBytes)
{
    EXPECT_EQ(mtsName(QStringLiteral("Werckmeister III")), QByteArray("Werckmeister III"));
    EXPECT_EQ(mtsName(QStringLiteral("Mean\u00A0tone \u00C4")), QByteArray("Mean?tone ?     "));
    EXPECT_EQ(mtsName(QStringLiteral("A name longer than sixteen")), QByteArray("A name longer th"));
}

// Every export read back gives the document's pitches within the format's
// resolution.
TEST(TuningExports, RandomTemperamentsRoundTrip)
{
    QRandomGenerator random(1234);
    for (int round = 0; round < 20; ++round) {
        SCOPED_TRACE(round);
        const NoteCents cents = randomTemperament(random);
        const double oldA = 400 + random.bounded(100), newA = 400 + random.bounded(100);
        const KeyPitches pitches = keyPitches(oldA, newA, cents);

        const QByteArray bulk = mtsBulkDump(pitches, {}).bytes;
        for (int key = 0; key < kMidiKeyCount; ++key) {
            const QByteArray data = bulk.mid(22 + 3 * key, 3);
            if (data != hex("7F 7F 7F")) {
                EXPECT_LE(std::fabs(centsBetween(pitchOf(data), pitches[key])), 0.0031L) << key;
            }
        }

        const QStringList tun = anaMarkTuningLines(pitches, QStringLiteral("Random"));
        const qsizetype exact = tun.indexOf(QStringLiteral("[Exact Tuning]"));
        ASSERT_GT(exact, 0);
        for (int key = 0; key < kMidiKeyCount; ++key) {
            const QString line = tun[exact + 2 + key];
            ASSERT_TRUE(line.startsWith(QStringLiteral("note %1= ").arg(key))) << line.toStdString();
            const Result<long double> value =
                readNumberLine(line.mid(line.indexOf(QLatin1Char('=')) + 1), QLatin1Char('.'));
            ASSERT_EQ(value.error(), QString());
            EXPECT_NEAR(double(value.value()), double(1200 * std::log2(pitches[key] / kMidiNoteZeroHz)), 5e-7);
        }

        // The scale and its mapping: key = reference x 2^((position(key) - position(69)) / 1200).
        const ScalaContents scale =
            parseScalaFile(encodeLineFile(scalaFileLines(QStringLiteral("r.scl"),
                                                         {QStringLiteral("r"), positionsFromDeviations(cents)})),
                           QStringLiteral("r.scl"));
        ASSERT_TRUE(scale.ok());
        const QStringList kbm = scalaKeyboardMappingLines(QStringLiteral("r.kbm"), pitches[69]);
        const Result<long double> read = readNumberLine(kbm[7], QLatin1Char('.'));
        ASSERT_EQ(read.error(), QString());
        const long double reference = read.value();
        auto position = [&](int key) {
            return 1200 * ((key - 60) / 12 - ((key - 60) % 12 < 0)) +
                   scale.value().positions[((key - 60) % 12 + 12) % 12];
        };
        for (int key = 0; key < kMidiKeyCount; ++key) {
            const long double hz = reference * std::pow(2.0L, (position(key) - position(69)) / 1200);
            EXPECT_LE(std::fabs(centsBetween(hz, pitches[key])), 1e-5L) << key;
        }
    }
}

// A Scala export is a pair: when the mapping cannot be written, the scale
// is not written either, and an old scale stays as it was.
TEST(TuningExports, APairIsSavedWholeOrNotAtAll)
{
    QTemporaryDir dir;
    const QString scale = dir.filePath(QStringLiteral("W.scl"));
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("W.kbm")));
    const TuningExport exported = tuningExport(TuningFormat::Scala, {440, 440, {}, QStringLiteral("W")}, scale);
    ASSERT_EQ(exported.files.size(), 2);
    EXPECT_EQ(exported.files[1].path, dir.filePath(QStringLiteral("W.kbm")));
    const Result<void> saved = saveTuningExport(exported);
    EXPECT_FALSE(saved.ok());
    EXPECT_TRUE(saved.error().contains(QStringLiteral("W.kbm\": it is a folder"))) << qPrintable(saved.error());
    EXPECT_FALSE(QFileInfo::exists(scale));
}

// The values other programs read first: the .tun's whole cents above its
// base frequency, and the .kbm's middle note and reference key.
TEST(TuningExports, WholeCentsBaseFrequencyMiddleNoteAndReferenceKey)
{
    const struct {
        double newA;
        const char *note0, *note69, *note127, *referenceHz;
    } cases[] = {
        {440, "note 0=0", "note 69=6900", "note 127=12700", "440.000000"},
        {415, "note 0=-101", "note 69=6799", "note 127=12599", "415.000000"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.newA);
        const KeyPitches pitches = keyPitches(440, c.newA, {});
        const QStringList tun = anaMarkTuningLines(pitches, QStringLiteral("Equal"));
        const qsizetype whole = tun.indexOf(QStringLiteral("[Tuning]"));
        ASSERT_GT(whole, 0);
        EXPECT_EQ(tun[whole + 1], QLatin1String(c.note0));
        EXPECT_EQ(tun[whole + 70], QLatin1String(c.note69));
        EXPECT_EQ(tun[whole + 128], QLatin1String(c.note127));
        // The base is key 0 of equal temperament at A = 440 Hz.
        const qsizetype base = tun.indexOf(QStringLiteral("BaseFreq= 8.1757989156437073336"));
        ASSERT_GT(base, 0);
        EXPECT_EQ(tun[base - 1], QStringLiteral("[Exact Tuning]"));
        EXPECT_NEAR(double(kMidiNoteZeroHz), 440 * std::pow(2.0, -69 / 12.0), 1e-12);

        const QStringList kbm = scalaKeyboardMappingLines(QStringLiteral("e.kbm"), pitches[69]);
        ASSERT_GE(kbm.size(), 9);
        EXPECT_EQ(kbm.mid(2, 7), (QStringList{"12", "0", "127", "60", "69", QLatin1String(c.referenceHz), "12"}));
    }
}

// A line break in the chosen name stays inside the comment that names the
// file, so that the pair reads back.
TEST(TuningExports, ANameWithLineBreaksStillReadsBack)
{
    QTemporaryDir dir;
    for (const char *name : {"two\nlines.scl", "cr\rlf\r\n.scl", "sep\u2028arated.scl"}) {
        SCOPED_TRACE(name);
        const QString scale = dir.filePath(QString::fromUtf8(name));
        const TuningExport exported = tuningExport(TuningFormat::Scala, {440, 440, {}, QStringLiteral("W")}, scale);
        ASSERT_TRUE(saveTuningExport(exported).ok());
        const ScalaContents read = readScalaFile(scale);
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        EXPECT_EQ(read->description, QStringLiteral("W"));
        const Result<KeyboardMapping> mapping = readKeyboardMapping(keyboardMappingPathFor(scale));
        EXPECT_TRUE(mapping.ok()) << qPrintable(mapping.error());
    }
}

// A name that starts with a dot is kept whole: the scale's keyboard mapping
// beside it and the name box on a change of type add to it, never replace it.
TEST(TuningExportNames, ADotThatStartsTheNameStartsNoExtension)
{
    const struct {
        const char *scale;
        const char *mapping;
        const char *asTun; // the name box after choosing AnaMark
    } cases[] = {
        {"w.scl", "w.kbm", "w.tun"},
        {".hidden", ".hidden.kbm", ".hidden.tun"},
        {".hidden.scl", ".hidden.kbm", ".hidden.tun"},
        {"d.v2/.hidden", "d.v2/.hidden.kbm", "d.v2/.hidden.tun"},
        {"d.v2/a.b.scl", "d.v2/a.b.kbm", "d.v2/a.b.tun"},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(QDir::cleanPath(keyboardMappingPathFor(QLatin1String(c.scale))), QLatin1String(c.mapping)) << c.scale;
        EXPECT_EQ(tuningFileNameForType(QLatin1String(c.scale), TuningFormat::AnaMark), QLatin1String(c.asTun))
            << c.scale;
    }
}
