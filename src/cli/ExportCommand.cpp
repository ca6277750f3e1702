#include "cli/Commands.h"

#include "cli/GrandOrgueCommands.h"
#include "numbers/NumberFormat.h"
#include "tuning/LineFile.h"
#include "tuning/TuningExport.h"

namespace cordavo {

namespace {

// FORMATS stands for the list of formats.
const char kExportHelp[] = R"(Usage: cordavo-cli export --format FORMAT
                          (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                          [--old-a HZ] [--new-a HZ] [--name TEXT] --out FILE
       cordavo-cli export --format grandorgue [--config FILE] [--group TEXT]
                          [--title TEXT] [--fold-pitch] [--replace]
                          (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                          [--old-a HZ] [--new-a HZ]

Writes the temperament in a format other instruments read, the same bytes
as "Export Tuning..." in the main window, from the same pitches as the
temperament document.

FORMATS
  --cents LIST        the twelve notes C to B in cents from equal
                      temperament, separated by commas
  --library NAME      a temperament of the library (see "cordavo-cli library")
  --temperament FILE  a temperament file (.Tmp)
  --old-a HZ          A of the old temperament, LOWEST_A to HIGHEST_A (default 440)
  --new-a HZ          A of the new temperament, LOWEST_A to HIGHEST_A (default 440)
  --name TEXT         the name the export carries (default: the library
                      entry's or the temperament file's name; none for --cents)
  --out FILE          the file to write; "-" is standard output, except for
                      scl, which writes two files

Exactly one of --cents, --library and --temperament gives the notes, each
taken at two decimals as the main window's fields hold it, and each from
-1200 to +1200 cents. The A's act as for "cordavo-cli xml".

mts-keys changes tuning program 0, which a channel plays only once it has
selected it: send each channel, before its notes, the registered parameter
0x0003 (tuning program change) with the value 0, as three controller
messages (n the channel, 0 to F):
  Bn 65 00    controller 101, registered parameter MSB 0
  Bn 64 03    controller 100, registered parameter LSB 3
  Bn 06 00    controller 6, data entry: tuning program 0
FluidSynth, for one, plays the changes only after these.

mts-octave carries the reference pitch (A) in the universal real-time
master coarse and fine tuning messages, ahead of the octave message, which
then holds the temperament alone; an instrument that ignores master tuning
(FluidSynth does) plays the temperament at A = 440 Hz.

Notes whose pitch a MIDI Tuning Standard message cannot carry (keys below
key 0 or from key 128 up; for mts-octave, a note more than 100 cents from
equal temperament at its A) are named on standard error, and the export
still succeeds. Names go into .scl and .tun files on one line in plain
ASCII: line breaks become blanks, accents are dropped, other characters
become "?".

GrandOrgue: the temperament is added to the user temperaments of its
settings file, or replaces the one of the same title in the same group with
--replace; everything else in the file is kept, the old file stays beside it
as FILE.bak. A FILE that is a link to the settings file changes the file it
points to, and FILE.bak goes beside that. GrandOrgue must not be running: it
would overwrite the change (a running GrandOrgue is found on Linux and
Windows, and the export is then refused).
  --config FILE   the settings file (default: GRANDORGUE_CONFIG); a file
                  that does not exist is made
  --group TEXT    the submenu it appears in (default: Cordavo)
  --title TEXT    the menu text (default: the name of the temperament)
  --fold-pitch    play at the document's A: 1200 * log2(A / 440) cents are
                  added to every offset (A = 415 Hz gives -101.27); without
                  it the offsets are the deviations with A at 0, and
                  GrandOrgue plays at A = 440 Hz
  --replace       replace a temperament of the same group and title
Every offset must lie from -1200 to +1200 cents.

Example: cordavo-cli export --format scl --library "Werckmeister III" --out w3.scl
         cordavo-cli export --format grandorgue --library "Werckmeister III"
)";

// The --format value for GrandOrgue's settings file, which follows the core's
// formats.
const QString kGrandOrgueFormat = QStringLiteral("grandorgue");

// What each --format value writes, as the help describes it, by its name; a
// line a string.
const QHash<QString, QStringList> &formatDescriptions()
{
    static const QHash<QString, QStringList> descriptions{
        {QStringLiteral("scl"),
         {QStringLiteral("Scala scale; the keyboard mapping (.kbm)"),
          QStringLiteral("is written beside it with the same stem")}},
        {QStringLiteral("tun"), {QStringLiteral("AnaMark tuning file")}},
        {QStringLiteral("mts-bulk"), {QStringLiteral("MIDI Tuning Standard bulk dump (.syx)")}},
        {QStringLiteral("mts-keys"),
         {QStringLiteral("MIDI Tuning Standard single-note changes"), QStringLiteral("for all 128 keys (.syx)")}},
        {QStringLiteral("mts-octave"),
         {QStringLiteral("MIDI Tuning Standard scale/octave"), QStringLiteral("tuning, 2-byte form (.syx)")}},
        {kGrandOrgueFormat,
         {QStringLiteral("a user temperament in GrandOrgue's"), QStringLiteral("settings file (see below)")}},
    };
    return descriptions;
}

// The --format values: the core's formats, in its order, then GrandOrgue's.
QStringList formatNames()
{
    QStringList names;
    for (const auto &format : kTuningFormats)
        names << tuningFormatName(format);
    return names << kGrandOrgueFormat;
}

// The help, its list of formats made from the --format values.
QString exportHelp()
{
    QString list = QStringLiteral("  --format FORMAT     one of\n");
    for (const QString &name : formatNames()) {
        const QStringList lines = formatDescriptions().value(name);
        list += QString(24, QLatin1Char(' ')) + (lines.isEmpty() ? name : name.leftJustified(12) + lines.first());
        for (const QString &line : lines.mid(1))
            list += QLatin1Char('\n') + QString(36, QLatin1Char(' ')) + line;
        list += QLatin1Char('\n');
    }
    return QString::fromUtf8(kExportHelp).replace(QLatin1String("FORMATS\n"), list);
}

CliResult runExport(const CliOptions &options, const QStringList & /*positionals*/)
{
    const QString command = QStringLiteral("export");
    if (!options.contains(QStringLiteral("format")))
        return cliUsageError(command, QStringLiteral("--format FORMAT is required"));
    if (auto grandOrgue = grandOrgueExport(options))
        return *grandOrgue;
    const QString formatText = options[QStringLiteral("format")];
    const std::optional<TuningFormat> format = tuningFormatNamed(formatText);
    if (!format) {
        return cliUsageError(command, QStringLiteral("--format: \"%1\" is not one of %2")
                                          .arg(formatText, formatNames().join(QStringLiteral(", "))));
    }
    if (!options.contains(QStringLiteral("out")))
        return cliUsageError(command, QStringLiteral("--out FILE is required"));
    const QString out = options[QStringLiteral("out")];
    const bool toStandardOutput = out == QLatin1String("-");
    if (toStandardOutput && *format == TuningFormat::Scala)
        return cliUsageError(command,
                             QStringLiteral("--out -: scl writes two files, the scale and its keyboard mapping; "
                                            "give a file name"));
    TuningSource source;
    if (auto refusal = readCliSource(command, options, source))
        return *refusal;

    const TuningExport exported = tuningExport(*format, source, out);
    CliResult result;
    if (toStandardOutput) {
        result.output = exported.files.first().bytes;
    } else {
        const Result<void> saved = saveTuningExport(exported);
        if (!saved.ok())
            return cliRefused({saved.error()});
    }
    if (!exported.shortfall.isEmpty())
        result.errors = shortfallText(exported.shortfall, {kFullStop, QLatin1Char(',')}) + QLatin1Char('\n');
    return result;
}

} // namespace

const CliCommand kExportCommand{
    "export",
    kExportHelp,
    {"format", "cents", "library", "temperament", "old-a", "new-a", "name", "out", "config", "group", "title"},
    {"fold-pitch", "replace"},
    runExport,
    false,
    exportHelp};

} // namespace cordavo
