#pragma once

#include "numbers/Separators.h"
#include "tuning/PitchTable.h"
#include "tuning/Result.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <utility>

namespace cordavo {

// Other instruments' tuning formats, made from the same pitches as the
// temperament document, so that every instrument plays what the organ plays.

inline constexpr int kMidiKeyCount = 128;
using KeyPitches = std::array<long double, kMidiKeyCount>;

// The pitches of MIDI keys 0 to 127 as the temperament document gives them.
KeyPitches keyPitches(double oldA, double newA, const NoteCents &cents);

// The frequency of MIDI key 0 in equal temperament at A = 440 Hz, the base of
// the AnaMark tuning file and of the tuning standard's semitones.
inline constexpr long double kMidiNoteZeroHz = 8.1757989156437073336L;

// MIDI Tuning Standard frequency data: the equal-tempered semitone at or
// just below the pitch (A4 = key 69 = 440 Hz), then a 14-bit fraction of a
// semitone above it, high seven bits first. A pitch below key 0 or from just
// under key 128 up cannot be written and gets the "no change" value 7F 7F 7F.
using MtsFrequency = std::array<std::uint8_t, 3>;
inline constexpr MtsFrequency kMtsNoChange{0x7F, 0x7F, 0x7F};
MtsFrequency mtsFrequency(long double hz);

// What an export could not carry: keys whose pitch lies beyond the MIDI
// range and are left unchanged, and pitch classes that lie too far from
// equal temperament for the octave message, held at its nearest limit (with
// the offset in cents that they should have had).
struct TuningShortfall {
    QList<int> unchangedKeys;
    QList<std::pair<int, long double>> heldPitchClasses;
    bool isEmpty() const { return unchangedKeys.isEmpty() && heldPitchClasses.isEmpty(); }
};

// The shortfall in one sentence that names the keys or notes, e.g.
// "2 notes could not be represented and were left unchanged: keys 0 and 1";
// empty when there is none. Cents are written with 'separators'.
QString shortfallText(const TuningShortfall &shortfall, const Separators &separators);

// A system-exclusive export and what it could not carry.
struct SysexExport {
    QByteArray bytes;
    TuningShortfall shortfall;
};

// The 16 name bytes of a bulk dump: printable ASCII kept, every other
// character replaced by '?', cut or padded with blanks to 16.
QByteArray mtsName(const QString &name);

// Bulk tuning dump (non-real-time): all 128 keys, the name, the checksum.
// 408 bytes.
SysexExport mtsBulkDump(const KeyPitches &pitches, const QString &name, int program = 0, int device = 0x7F);

// Single-note tuning changes (real-time) for every one of the 128 keys, in
// messages of at most 127 changes, for tuning program 'program'.
SysexExport mtsSingleNoteChanges(const KeyPitches &pitches, int program = 0, int device = 0x7F);

// The universal real-time master tuning messages that move the whole
// instrument by 'cents': Master Coarse Tuning in whole semitones (-64 to +63),
// then Master Fine Tuning for the rest (-100 to just under +100 cents, in
// steps of 100/8192 cent). 'written' receives the shift they carry.
QByteArray mtsMasterTuning(long double cents, long double *written = nullptr, int device = 0x7F);

// Scale/octave tuning in its 2-byte form (non-real-time) for all sixteen
// channels, preceded by the master tuning messages that carry the reference
// pitch (A = 'referenceHz' in equal temperament): the octave message then
// holds the temperament alone, each pitch class's offset from equal
// temperament at that A, C first, from -100 to just under +100 cents in steps
// of 100/8192 cent. An offset outside that range is held at its limit and
// named in the shortfall.
SysexExport mtsOctaveTuning(const KeyPitches &pitches, long double referenceHz = 440, int device = 0x7F);

// AnaMark tuning file (.tun): the 128 keys' pitches as cents above key 0 of
// equal temperament, whole cents in [Tuning] and six decimals in
// [Exact Tuning], each line ended by CR LF. The name is written as
// plainTextLine makes it.
QStringList anaMarkTuningLines(const KeyPitches &pitches, const QString &name);

// Scala keyboard mapping (.kbm) for a twelve-note scale on C (the scale's
// positions are positionsFromDeviations of the note values): middle C on key 60
// plays the scale's 1/1, key 69 sounds at 'referenceHz', twelve keys to the
// octave, every key from 0 to 127 mapped.
QStringList scalaKeyboardMappingLines(const QString &fileName, long double referenceHz);

// The formats a temperament can be exported to.
enum class TuningFormat { Scala, AnaMark, MtsBulk, MtsKeys, MtsOctave };

// What an export is made of: the temperament, its two reference pitches and
// the name it carries (a Scala description, a .tun name, a bulk dump name).
struct TuningSource {
    double oldA = 440;
    double newA = 440;
    NoteCents cents{};
    QString name;
};

// One file of an export, with the bytes it is to hold.
struct TuningFile {
    QString path;
    QByteArray bytes;
};

// The files of an export to 'path' (the .kbm beside a .scl, with the same
// stem) and what no message of the format could carry.
struct TuningExport {
    QList<TuningFile> files;
    TuningShortfall shortfall;
};

// The writers of the formats: the files of an export to 'path' made from
// 'source', whose keys sound at 'pitches'.
using TuningWriter = TuningExport (*)(const TuningSource &source, const KeyPitches &pitches, const QString &path);
TuningExport scalaExport(const TuningSource &source, const KeyPitches &pitches, const QString &path);
TuningExport anaMarkExport(const TuningSource &source, const KeyPitches &pitches, const QString &path);
TuningExport mtsBulkExport(const TuningSource &source, const KeyPitches &pitches, const QString &path);
TuningExport mtsKeysExport(const TuningSource &source, const KeyPitches &pitches, const QString &path);
TuningExport mtsOctaveExport(const TuningSource &source, const KeyPitches &pitches, const QString &path);

// Everything the window, the command line and the export know of a format.
// Adding a format is adding its record here and its writer.
struct TuningFormatRecord {
    TuningFormat format;
    const char *fileType;    // as the export dialog lists it, before its pattern
    const char *commandName; // the command line's --format value
    const char *extension;   // of its (first) file
    bool writesPair;         // a scale and, beside it, its keyboard mapping
    TuningWriter write;
};

// In the order the export dialog offers them.
inline constexpr TuningFormatRecord kTuningFormatRecords[] = {
    {TuningFormat::Scala, QT_TRANSLATE_NOOP("TuningExport", "Scala scale and keyboard mapping"), "scl", ".scl", true,
     scalaExport},
    {TuningFormat::AnaMark, QT_TRANSLATE_NOOP("TuningExport", "AnaMark tuning"), "tun", ".tun", false, anaMarkExport},
    {TuningFormat::MtsBulk, QT_TRANSLATE_NOOP("TuningExport", "MIDI tuning, bulk dump"), "mts-bulk", ".syx", false,
     mtsBulkExport},
    {TuningFormat::MtsKeys, QT_TRANSLATE_NOOP("TuningExport", "MIDI tuning, single-note changes"), "mts-keys", ".syx",
     false, mtsKeysExport},
    {TuningFormat::MtsOctave, QT_TRANSLATE_NOOP("TuningExport", "MIDI tuning, scale/octave"), "mts-octave", ".syx",
     false, mtsOctaveExport},
};

inline constexpr auto kTuningFormats = [] {
    std::array<TuningFormat, std::size(kTuningFormatRecords)> formats{};
    for (std::size_t i = 0; i < formats.size(); ++i)
        formats[i] = kTuningFormatRecords[i].format;
    return formats;
}();

// The record of a format.
const TuningFormatRecord &tuningFormatRecord(TuningFormat format);

// The command line's name of a format: scl, tun, mts-bulk, mts-keys,
// mts-octave; and back.
QString tuningFormatName(TuningFormat format);
std::optional<TuningFormat> tuningFormatNamed(QStringView name);
// The extension a format's (first) file takes: .scl, .tun or .syx.
QString tuningFormatExtension(TuningFormat format);
// The file type as the export dialog lists it, e.g. "Scala scale and keyboard
// mapping (*.scl)", in the language of the installed translation.
QString tuningFormatFilter(TuningFormat format);

// The name an export dialog's name box takes when the file type changes:
// its stem (the name without its last extension) and the type's extension;
// an empty name stays empty.
QString tuningFileNameForType(const QString &name, TuningFormat format);

// The files of an export of 'source' to 'path' in 'format'.
TuningExport tuningExport(TuningFormat format, const TuningSource &source, const QString &path);

// Saves the files of the export together and atomically: when one cannot be
// written, none replaces its old file; the message names the file and the
// cause. Files of an export that would land on one path (a scale named
// *.kbm and its mapping) are refused before anything is written.
Result<void> saveTuningExport(const TuningExport &exported);

} // namespace cordavo
