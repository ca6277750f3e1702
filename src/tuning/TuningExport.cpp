#include "tuning/TuningExport.h"
#include "tuning/CountedText.h"

#include "numbers/NumberFormat.h"
#include "tuning/KeyboardMapping.h"
#include "tuning/LineFile.h"
#include "tuning/ScalaFile.h"
#include "tuning/TemperamentLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace cordavo {

namespace {

constexpr long double kA4Hz = 440;
constexpr int kFractionSteps = 16384; // of a semitone, in frequency data
constexpr int kOctaveSteps = 8192;    // of 100 cents, in the octave message
constexpr int kMostChangesPerMessage = 127;
const Separators kFullStop{QLatin1Char('.'), QLatin1Char(',')};

long double semitonesAboveKeyZero(long double hz)
{
    return kA4Key + 12 * std::log2(hz / kA4Hz);
}

// The start of a tuning message: system exclusive, non-real-time or
// real-time, the device, the tuning sub-ID and the message's own sub-ID.
QByteArray tuningMessageStart(bool realTime, int device, char subId)
{
    return QByteArray{"\xF0"} + (realTime ? '\x7F' : '\x7E') + static_cast<char>(device & 0x7F) + '\x08' + subId;
}

void appendFrequency(QByteArray &bytes, const MtsFrequency &frequency)
{
    for (std::uint8_t b : frequency)
        bytes += static_cast<char>(b);
}

QString fixed(long double value, QStringView pattern)
{
    return formatPattern(value, pattern, kFullStop);
}

// Whole numbers listed as ranges: "0, 1 and 5 to 9".
QString numberRanges(const QList<int> &numbers)
{
    QStringList parts;
    for (qsizetype i = 0; i < numbers.size();) {
        qsizetype j = i;
        while (j + 1 < numbers.size() && numbers[j + 1] == numbers[j] + 1)
            ++j;
        if (j - i >= 2)
            parts << QCoreApplication::translate("TuningExport", "%1 to %2").arg(numbers[i]).arg(numbers[j]);
        else
            for (qsizetype k = i; k <= j; ++k)
                parts << QString::number(numbers[k]);
        i = j + 1;
    }
    if (parts.size() < 2)
        return parts.join(QString());
    return QCoreApplication::translate("TuningExport", "%1 and %2")
        .arg(parts.mid(0, parts.size() - 1).join(QStringLiteral(", ")), parts.last());
}

QString signedCents(long double cents, const Separators &separators)
{
    return (cents > 0 ? QStringLiteral("+") : QString()) + formatPattern(cents, u"0.00", separators);
}

} // namespace

QString shortfallText(const TuningShortfall &shortfall, const Separators &separators)
{
    QStringList sentences;
    if (const auto keys = shortfall.unchangedKeys.size(); keys > 0) {
        const QString listed = numberRanges(shortfall.unchangedKeys);
        sentences << countedText("TuningExport",
                                 QT_TRANSLATE_N_NOOP("TuningExport", "%n note could not be represented and was left "
                                                                     "unchanged: key %1"),
                                 QT_TRANSLATE_N_NOOP("TuningExport", "%n notes could not be represented and were left "
                                                                     "unchanged: keys %1"),
                                 keys)
                         .arg(listed);
    }
    if (const auto held = shortfall.heldPitchClasses.size(); held > 0) {
        QStringList notes;
        for (const auto &[pitchClass, cents] : shortfall.heldPitchClasses)
            notes << QCoreApplication::translate("TuningExport", "%1 (%2 cents)")
                         .arg(noteDisplayName(pitchClass), signedCents(cents, separators));
        const QString listed = notes.join(QStringLiteral(", "));
        sentences << countedText("TuningExport",
                                 QT_TRANSLATE_N_NOOP("TuningExport",
                                                     "%n note lies more than 100 cents from equal temperament, beyond "
                                                     "what the octave message carries, and is held at its nearest "
                                                     "limit: %1"),
                                 QT_TRANSLATE_N_NOOP("TuningExport",
                                                     "%n notes lie more than 100 cents from equal temperament, beyond "
                                                     "what the octave message carries, and are held at its nearest "
                                                     "limit: %1"),
                                 held)
                         .arg(listed);
    }
    return sentences.join(QLatin1Char('\n'));
}

KeyPitches keyPitches(double oldA, double newA, const NoteCents &cents)
{
    const auto table = pitchTable(oldA, newA, cents);
    KeyPitches keys{};
    std::copy_n(table.begin(), kMidiKeyCount, keys.begin());
    return keys;
}

MtsFrequency mtsFrequency(long double hz)
{
    if (!(hz > 0) || !std::isfinite(hz))
        return kMtsNoChange;
    const long double steps = std::round(semitonesAboveKeyZero(hz) * kFractionSteps);
    // The last step below key 128 spells 7F 7F 7F, which means "no change".
    if (steps < 0 || steps >= static_cast<long double>(kMidiKeyCount) * kFractionSteps - 1)
        return kMtsNoChange;
    const auto whole = static_cast<long long>(steps);
    const int semitone = static_cast<int>(whole / kFractionSteps);
    const int fraction = static_cast<int>(whole % kFractionSteps);
    return {static_cast<std::uint8_t>(semitone), static_cast<std::uint8_t>(fraction >> 7),
            static_cast<std::uint8_t>(fraction & 0x7F)};
}

QByteArray mtsName(const QString &name)
{
    QByteArray bytes;
    for (QChar c : name.left(16))
        bytes += c.unicode() >= 0x20 && c.unicode() < 0x7F ? static_cast<char>(c.unicode()) : '?';
    return bytes.leftJustified(16, ' ');
}

SysexExport mtsBulkDump(const KeyPitches &pitches, const QString &name, int program, int device)
{
    SysexExport out;
    QByteArray &b = out.bytes;
    b = tuningMessageStart(false, device, '\x01');
    b += static_cast<char>(program & 0x7F);
    b += mtsName(name);
    for (int key = 0; key < kMidiKeyCount; ++key) {
        const MtsFrequency frequency = mtsFrequency(pitches[key]);
        if (frequency == kMtsNoChange)
            out.shortfall.unchangedKeys << key;
        appendFrequency(b, frequency);
    }
    char checksum = 0;
    for (qsizetype i = 1; i < b.size(); ++i)
        checksum ^= b[i];
    b += static_cast<char>(checksum & 0x7F);
    b += '\xF7';
    return out;
}

SysexExport mtsSingleNoteChanges(const KeyPitches &pitches, int program, int device)
{
    SysexExport out;
    for (int first = 0; first < kMidiKeyCount; first += kMostChangesPerMessage) {
        const int count = std::min(kMostChangesPerMessage, kMidiKeyCount - first);
        QByteArray &b = out.bytes;
        b += tuningMessageStart(true, device, '\x02');
        b += static_cast<char>(program & 0x7F);
        b += static_cast<char>(count);
        for (int key = first; key < first + count; ++key) {
            const MtsFrequency frequency = mtsFrequency(pitches[key]);
            if (frequency == kMtsNoChange)
                out.shortfall.unchangedKeys << key;
            b += static_cast<char>(key);
            appendFrequency(b, frequency);
        }
        b += '\xF7';
    }
    return out;
}

QByteArray mtsMasterTuning(long double cents, long double *written, int device)
{
    const long double semitones = std::isfinite(cents) ? std::clamp(std::round(cents / 100), -64.0L, 63.0L) : 0;
    const long double rest = std::isfinite(cents) ? cents - 100 * semitones : 0;
    const int fine = static_cast<int>(std::clamp(std::round(rest * kOctaveSteps / 100) + kOctaveSteps, 0.0L, 16383.0L));
    if (written)
        *written = 100 * semitones + (fine - kOctaveSteps) * 100.0L / kOctaveSteps;
    const char id = static_cast<char>(device & 0x7F);
    // Universal real-time, device control: sub-ID 04 04 coarse (its LSB
    // unused), 04 03 fine (LSB first).
    QByteArray b{"\xF0\x7F"};
    b += id;
    b += QByteArray("\x04\x04\x00", 3);
    b += static_cast<char>(0x40 + static_cast<int>(semitones));
    b += '\xF7';
    b += QByteArray{"\xF0\x7F"} + id + '\x04' + '\x03';
    b += static_cast<char>(fine & 0x7F);
    b += static_cast<char>(fine >> 7);
    b += '\xF7';
    return b;
}

SysexExport mtsOctaveTuning(const KeyPitches &pitches, long double referenceHz, int device)
{
    SysexExport out;
    const long double reference = 1200 * std::log2(referenceHz / kA4Hz);
    long double shift = 0;
    QByteArray &b = out.bytes;
    b = mtsMasterTuning(reference, &shift, device);
    b += tuningMessageStart(false, device, '\x09');
    // Every channel: 16 and 15, 14 to 8, 7 to 1.
    b += '\x03';
    b += '\x7F';
    b += '\x7F';
    for (int pitchClass = 0; pitchClass < 12; ++pitchClass) {
        const int key = kMiddleC + pitchClass;
        // The offset from equal temperament at the A the master tuning gives.
        const long double offset = 100 * (semitonesAboveKeyZero(pitches[key]) - key) - shift;
        // The limits themselves count as written, with room for the last
        // digits of the pitch table; past them the offset is held at its end.
        constexpr long double kSlack = 50.0L / kOctaveSteps;
        if (!(offset >= -100 - kSlack && offset <= 100 + kSlack))
            out.shortfall.heldPitchClasses.append({pitchClass, offset + shift - reference});
        const long double raw = std::round((offset + 100) * kOctaveSteps / 100);
        const int value = std::isfinite(raw) ? static_cast<int>(std::clamp(raw, 0.0L, 16383.0L)) : kOctaveSteps;
        b += static_cast<char>(value >> 7);
        b += static_cast<char>(value & 0x7F);
    }
    b += '\xF7';
    return out;
}

QStringList anaMarkTuningLines(const KeyPitches &pitches, const QString &name)
{
    QStringList lines{QStringLiteral("; AnaMark tuning file"), QStringLiteral("[Scale Begin]"),
                      QStringLiteral("Format= \"AnaMark-TUN\""), QStringLiteral("FormatVersion= 200"),
                      QStringLiteral("[Info]")};
    QString shown = plainTextLine(name);
    shown.replace(QLatin1Char('"'), QLatin1Char('\''));
    lines << QStringLiteral("Name= \"%1\"").arg(shown);
    QStringList exact{QStringLiteral("[Exact Tuning]"), QStringLiteral("BaseFreq= 8.1757989156437073336")};
    lines << QStringLiteral("[Tuning]");
    for (int key = 0; key < kMidiKeyCount; ++key) {
        const long double cents = 1200 * std::log2(pitches[key] / kMidiNoteZeroHz);
        lines << QStringLiteral("note %1=%2").arg(key).arg(std::llround(cents));
        exact << QStringLiteral("note %1= %2").arg(key).arg(fixed(cents, u"0.000000"));
    }
    lines << exact << QStringLiteral("[Scale End]");
    return lines;
}

QStringList scalaKeyboardMappingLines(const QString &fileName, long double referenceHz)
{
    QStringList lines{QStringLiteral("! ") + plainTextLine(fileName),
                      QStringLiteral("! Twelve keys to the octave, middle C on key 60, A on key 69."),
                      QStringLiteral("12"),
                      QStringLiteral("0"),
                      QStringLiteral("127"),
                      QStringLiteral("60"),
                      QStringLiteral("69"),
                      fixed(referenceHz, u"0.000000"),
                      QStringLiteral("12")};
    for (int degree = 0; degree < 12; ++degree)
        lines << QString::number(degree);
    return lines;
}

const TuningFormatRecord &tuningFormatRecord(TuningFormat format)
{
    const auto *record = std::find_if(std::begin(kTuningFormatRecords), std::end(kTuningFormatRecords),
                                      [format](const TuningFormatRecord &r) { return r.format == format; });
    return record != std::end(kTuningFormatRecords) ? *record : kTuningFormatRecords[0];
}

QString tuningFormatName(TuningFormat format)
{
    return QLatin1String(tuningFormatRecord(format).commandName);
}

std::optional<TuningFormat> tuningFormatNamed(QStringView name)
{
    for (const TuningFormatRecord &record : kTuningFormatRecords) {
        if (QLatin1String(record.commandName) == name)
            return record.format;
    }
    return std::nullopt;
}

QString tuningFormatExtension(TuningFormat format)
{
    return QLatin1String(tuningFormatRecord(format).extension);
}

QString tuningFormatFilter(TuningFormat format)
{
    const TuningFormatRecord &record = tuningFormatRecord(format);
    return QStringLiteral("%1 (*%2)")
        .arg(QCoreApplication::translate("TuningExport", record.fileType), QLatin1String(record.extension));
}

QString tuningFileNameForType(const QString &name, TuningFormat format)
{
    if (name.isEmpty())
        return name;
    // The stem is the name without its last extension; a dot that starts
    // the name or lies in a folder's name starts none.
    const qsizetype start = std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\'))) + 1;
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const QString stem = dot > start ? name.left(dot) : name;
    return stem + tuningFormatExtension(format);
}

namespace {

TuningExport sysexFile(const QString &path, const SysexExport &sysex)
{
    return {{TuningFile{path, sysex.bytes}}, sysex.shortfall};
}

} // namespace

TuningExport scalaExport(const TuningSource &source, const KeyPitches &pitches, const QString &path)
{
    const QString mapping = keyboardMappingPathFor(path);
    const ScalaScale scale{source.name, positionsFromDeviations(source.cents)};
    return {{TuningFile{path, encodeLineFile(scalaFileLines(QFileInfo(path).fileName(), scale))},
             TuningFile{mapping,
                        encodeLineFile(scalaKeyboardMappingLines(QFileInfo(mapping).fileName(), pitches[kA4Key]))}},
            {}};
}

TuningExport anaMarkExport(const TuningSource &source, const KeyPitches &pitches, const QString &path)
{
    return {{TuningFile{path, encodeLineFile(anaMarkTuningLines(pitches, source.name))}}, {}};
}

TuningExport mtsBulkExport(const TuningSource &source, const KeyPitches &pitches, const QString &path)
{
    return sysexFile(path, mtsBulkDump(pitches, source.name));
}

TuningExport mtsKeysExport(const TuningSource &, const KeyPitches &pitches, const QString &path)
{
    return sysexFile(path, mtsSingleNoteChanges(pitches));
}

TuningExport mtsOctaveExport(const TuningSource &source, const KeyPitches &pitches, const QString &path)
{
    return sysexFile(path, mtsOctaveTuning(pitches, referencePitch(source.oldA, source.newA)));
}

TuningExport tuningExport(TuningFormat format, const TuningSource &source, const QString &path)
{
    return tuningFormatRecord(format).write(source, keyPitches(source.oldA, source.newA, source.cents), path);
}

Result<void> saveTuningExport(const TuningExport &exported)
{
    QList<std::pair<QString, QByteArray>> files;
    QStringList targets;
    for (const TuningFile &file : exported.files) {
        // Compared regardless of case, as the file systems of Windows and
        // macOS compare names: "W.KBM" would replace its own scale there.
        const QString target = QFileInfo(file.path).absoluteFilePath().toCaseFolded();
        if (targets.contains(target)) {
            return failure(QCoreApplication::translate(
                               "TuningExport", "Cannot save %1: the scale and its keyboard mapping would be the same "
                                               "file; give the scale a name ending in .scl")
                               .arg(quoted(QDir::toNativeSeparators(file.path))));
        }
        targets << target;
        files.append({file.path, file.bytes});
    }
    return saveFilesAtomically(files);
}

} // namespace cordavo
