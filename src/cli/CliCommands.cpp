#include "cli/CliCommands.h"
#include "cli/GrandOrgueCommands.h"

#include "CordavoVersion.h"
#include "cli/GuideCommand.h"
#include "numbers/NumEditText.h"
#include "numbers/NumberFormat.h"
#include "sound/SoundRender.h"
#include "sound/WavFile.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/CircleOfFifths.h"
#include "tuning/GrandOrgueConfig.h"
#include "tuning/IntervalCents.h"
#include "tuning/LibrarySearch.h"
#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TuningExport.h"

#include <QDir>
#include <QFileInfo>
#include <QHash>

#include <algorithm>
#include <cmath>
#include <optional>

namespace cordavo {

namespace {

constexpr QChar kFullStop = QLatin1Char('.');

const char kMainHelp[] = R"(Usage: cordavo-cli COMMAND [OPTIONS] [ARGUMENTS]

Cordavo's calculations without its windows.

Commands:
  xml        the temperament document made from a supplier and a temperament file
  export     the temperament for other instruments: Scala, AnaMark, MIDI Tuning Standard,
             GrandOrgue's user temperaments
  library    the library's temperaments, or one temperament's twelve deviations;
             GrandOrgue's user temperaments
  fifths     the twelve positions of a circle of fifths
  intervals  the twelve positions of twelve intervals written as fractions
  diff       the twelve values that a setter's "Export" hands the main window
  render     the temperament heard: notes played together, written as a WAV file
  guide      the tuning guide for a real instrument: bearing, beats and checks

Numbers on the command line and in the output are written with the full stop;
data files may use the full stop or the comma.
Exit status: 0 done, 1 data refused, 2 wrong command line.
Run "cordavo-cli COMMAND --help" for the options of a command,
"cordavo-cli --version" for the version.
)";

const char kXmlHelp[] = R"(Usage: cordavo-cli xml --supplier FILE.For (--temperament FILE.Tmp | --library NAME)
                       [--old-a HZ] [--new-a HZ] [--out FILE]

Writes the document that "Generate xml" then "Save xml" make for these files
and pitches: UTF-8, each line ended by CR LF. The supplier file is applied
first, then the temperament file, as when a user loads both. The identifying
fields are checked as the main window checks them.

  --supplier FILE     the supplier file (.For)
  --temperament FILE  the temperament file (.Tmp)
  --library NAME      a temperament of the library instead of a file (see
                      "cordavo-cli library"): its deviations at two decimals,
                      its name as both name and short name, and how it is
                      built as the comment (the supplier file's comment when
                      that is not known); the supplier file gives the rest
  --old-a HZ          A of the old temperament, LOWEST_A to HIGHEST_A (default 440)
  --new-a HZ          A of the new temperament, LOWEST_A to HIGHEST_A (default 440)
  --out FILE          write the document to FILE, not to standard output
                      ("-" is standard output)

The two A's say how far the pitch moves, not where it lands: the document
gives note 69 (A) the pitch 440 + new A - old A, that is 440 Hz moved by the
difference of the two. So --old-a 415 --new-a 415 writes 440 Hz for note 69,
--old-a 440 --new-a 415 writes 415 Hz, and --old-a 415 --new-a 440 writes
465 Hz.

Every note must lie from -1200 to +1200 cents; a file with a note outside
is refused.
)";

const char kFifthsHelp[] = R"(Usage: cordavo-cli fifths [--comma syntonic|pythagorean] [--decimals N] F1 ... F12

Prints the positions in cents of C to B, one a line, as the fifths setter's
list shows them. F1 ... F12 are the fifths C-G, G-D, D-A, A-E, E-B, B-F#,
F#-C#, C#-G#, G#-Eb, Eb-Bb, Bb-F, F-C, each the part of the comma by which
it is narrowed (or widened, with +): one of
  0 -1/2 -1/3 -1/4 -1/5 -1/6 -2/5 -2/7 +1/5 +1/6

  --comma NAME    syntonic (default) or pythagorean
  --decimals N    the decimals of each position, 0 to 10 (default 2)

Example: cordavo-cli fifths --comma pythagorean -1/4 -1/4 -1/4 0 0 -1/4 0 0 0 0 0 0
)";

const char kIntervalsHelp[] = R"(Usage: cordavo-cli intervals [--decimals N] A/B x 12
       cordavo-cli intervals [--decimals N] --file FILE.Tfs

Prints the positions in cents of C to B, one a line, as "Calculate" in the
intervals setter shows them: each note's interval above C is the fraction
A/B. The terms are held at two decimals; a zero term counts as 1 and a
negative one as its opposite.

  --decimals N    the decimals of each position, 0 to 10 (default 2)
  --file FILE     read the fractions from an interval file (.Tfs)

Example: cordavo-cli intervals 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 9/5 15/8
)";

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

  --format FORMAT     one of
                        scl         Scala scale; the keyboard mapping (.kbm)
                                    is written beside it with the same stem
                        tun         AnaMark tuning file
                        mts-bulk    MIDI Tuning Standard bulk dump (.syx)
                        mts-keys    MIDI Tuning Standard single-note changes
                                    for all 128 keys (.syx)
                        mts-octave  MIDI Tuning Standard scale/octave
                                    tuning, 2-byte form (.syx)
                        grandorgue  a user temperament in GrandOrgue's
                                    settings file (see below)
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
as FILE.bak. GrandOrgue must not be running: it would overwrite the change.
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

const char kLibraryHelp[] = R"(Usage: cordavo-cli library [NAME | --tsv]
       cordavo-cli library --grandorgue FILE [--title TEXT]

Without arguments, lists the library's temperaments by group: each group's
heading, ending in a colon, then its names indented, in the library's order;
the temperaments outside every group come first, unindented.

With NAME, prints that temperament's twelve deviations from equal
temperament, C to B, with A at 0: one line "NOTE<TAB>CENTS" each. NAME is
found as the library window's filter finds it, regardless of case, accents,
word order and the usual alternative spellings (Werkmeister, Valotti), by
the names organists use ("Neidhardt grosse Stadt", "ET", "just
intonation"): each word given is a whole word of the name or the beginning
of one, and numbers, Arabic or Roman, are whole numbers ("Werckmeister V"
finds Werckmeister 5, and "II" is never found in "III" or in a year). A name
all of whose words were given wins, then one whose words all match whole,
then one whose words begin as given. The entry that stands alone at the
best rank is taken; otherwise the candidates are listed best first and the
name is refused, as is one that matches none.

  --tsv    the whole library as a table in the columns of the built-in
           table: a header line, then name, group and the deviations of
           C to B, tab-separated: a row's as the table gives them, a
           constructed temperament's as its construction gives them,
           rounded as the windows round (to two decimals, or to the row's
           decimals where it has more)
  --grandorgue FILE
           the user temperaments of GrandOrgue's settings file FILE instead,
           listed by group and title; with --title TEXT, that temperament's
           twelve offsets as for NAME (A is not moved to 0)

Example: cordavo-cli library werkmeister iii
)";

const char kRenderHelp[] = R"(Usage: cordavo-cli render (--cents C0,...,C11 | --library NAME | --temperament FILE.Tmp)
                          [--old-a HZ] [--new-a HZ] [--voice VOICE] [--seconds S]
                          [--float] NOTE... --out FILE.wav

Writes the notes sounding together as a WAV file (48 kHz, mono, 16-bit PCM,
or 32-bit float with --float), at exactly the pitches the temperament
document gives them: equal temperament plus the twelve values, with the
document's A (440 + new A - old A). The same samples as "Save Sound..."
writes for the same choice.

  --cents LIST        the twelve values C to B, separated by commas
  --library NAME      an entry of the temperament library (see "library")
  --temperament FILE  a temperament file (.Tmp)
  --old-a, --new-a    the two A's, 400 to 500 (default 440)
  --voice VOICE       principal (default), flute, principal-octave or reed
  --seconds S         the length, more than 0 and at most 600 (default 4)
  --float             32-bit float samples instead of 16-bit PCM
  --out FILE          the WAV file to write ("-" is standard output)

A NOTE is a name with its octave (C4 is MIDI note 60, A4 note 69; sharps as
C#4, flats as Eb4) or a MIDI number from 0 to 127.

Example: cordavo-cli render --library "werckmeister iii" C4 E4 G4 --out c-major.wav
)";

const char kDiffHelp[] = R"(Usage: cordavo-cli diff --old C0,...,C11 --new C0,...,C11

Prints the twelve values, C to B, one a line, that a setter's "Export" hands
the main window: each note's new position minus its old one, all shifted so
that A's value is 0.

  --old LIST      the twelve old positions in cents, separated by commas
  --new LIST      the twelve new positions in cents, separated by commas
)";

struct Command {
    const char *name;
    const char *help;
    QStringList valueOptions; // each takes a value; "--help" is always known
    QStringList flags;        // each stands alone
    CliResult (*run)(const QHash<QString, QString> &options, const QStringList &positionals);
};

// A message with what it quotes cut to a readable length: a megabyte given
// as a name is not printed back whole. Each text in double quotes keeps its
// first kLongestQuote characters; a line still too long (a quote left open)
// keeps its first kLongestLine.
QString readable(const QString &message)
{
    constexpr qsizetype kLongestQuote = 160;
    constexpr qsizetype kLongestLine = 1000;
    const QLatin1String cut("...");
    QString out;
    qsizetype from = 0;
    while (from < message.size()) {
        const qsizetype open = message.indexOf(QLatin1Char('"'), from);
        const qsizetype close = open < 0 ? -1 : message.indexOf(QLatin1Char('"'), open + 1);
        if (close < 0) {
            out += QStringView(message).mid(from);
            break;
        }
        out += QStringView(message).mid(from, open + 1 - from);
        const QStringView quote = QStringView(message).mid(open + 1, close - open - 1);
        out += quote.size() > kLongestQuote ? quote.left(kLongestQuote).toString() + cut : quote.toString();
        out += QLatin1Char('"');
        from = close + 1;
    }
    QStringList lines = out.split(QLatin1Char('\n'));
    for (QString &line : lines) {
        if (line.size() > kLongestLine)
            line = line.left(kLongestLine) + cut;
    }
    return lines.join(QLatin1Char('\n'));
}

CliResult usageError(const QString &command, const QString &problem)
{
    const QString name = command.isEmpty() ? QStringLiteral("cordavo-cli") : QStringLiteral("cordavo-cli ") + command;
    return {kCliUsage, {}, readable(QStringLiteral("%1: %2\nRun \"%1 --help\" for its usage.\n").arg(name, problem))};
}

CliResult refused(const QStringList &messages)
{
    return {kCliRefused, {}, readable(messages.join(QLatin1Char('\n')) + QLatin1Char('\n'))};
}

CliResult printed(const QStringList &lines)
{
    return {kCliSuccess, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), {}};
}

std::optional<long double> fullStopNumber(const QString &text)
{
    return readRegional(text, kFullStop);
}

std::optional<int> decimalsOption(const QHash<QString, QString> &options)
{
    const auto it = options.find(QStringLiteral("decimals"));
    return it == options.end() ? std::optional<int>(2) : readDecimalsChoice(*it);
}

// The reference pitches of --old-a and --new-a, 440 Hz when not given.
struct Pitches {
    double values[2] = {440, 440};
};
const char *const kPitchOptions[2] = {"old-a", "new-a"};

// The pitches, or the usage error of one that is not a number.
std::optional<CliResult> readPitches(const QString &command, const QHash<QString, QString> &options, Pitches &pitches)
{
    for (int i = 0; i < 2; ++i) {
        const QString name = QLatin1String(kPitchOptions[i]);
        if (!options.contains(name))
            continue;
        const auto value = fullStopNumber(options[name]);
        if (!value)
            return usageError(command, QStringLiteral("--%1: \"%2\" is not a number").arg(name, options[name]));
        pitches.values[i] = static_cast<double>(*value);
    }
    return std::nullopt;
}

// The refusal of a pitch outside the reference range, if one is.
std::optional<CliResult> pitchRefusal(const Pitches &pitches)
{
    for (int i = 0; i < 2; ++i) {
        if (!isReferencePitch(pitches.values[i])) {
            return refused({QStringLiteral("--%1: %2 is not a pitch from %3 to %4 Hz")
                                .arg(QLatin1String(kPitchOptions[i]), formatGeneral(pitches.values[i], kFullStop),
                                     formatGeneral(kLowestReferencePitch, kFullStop),
                                     formatGeneral(kHighestReferencePitch, kFullStop))});
        }
    }
    return std::nullopt;
}

// The library entry a typed name stands for, or the refusal that lists the
// candidates.
struct EntryLookup {
    const LibraryEntry *entry = nullptr;
    CliResult refusal;
};

QStringList indented(const QStringList &names)
{
    QStringList lines;
    for (const QString &name : names)
        lines << QStringLiteral("  ") + name;
    return lines;
}

QStringList namesOf(const QList<const LibraryEntry *> &entries)
{
    QStringList names;
    for (const LibraryEntry *entry : entries)
        names << entry->name;
    return names;
}

// The entry meant is taken when it stands alone at the best rank, as the
// library window would select it; otherwise the candidates are listed best
// first, in the window's order.
EntryLookup lookUpEntry(const QString &typed)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    if (!library.ok())
        return {nullptr, refused({library.error()})};
    for (const LibraryEntry &entry : library->entries) {
        if (entry.name.compare(typed, Qt::CaseInsensitive) == 0)
            return {&entry, {}};
    }
    const LibrarySearchResult found = searchLibrary(library.value(), typed);
    if (const LibraryEntry *meant = found.meant())
        return {meant, {}};
    if (!found.remark.isEmpty()) {
        return {
            nullptr,
            refused(QStringList{QStringLiteral("\"%1\": %2 Give the name of what you mean:").arg(typed, found.remark)} +
                    indented(namesOf(found.entries())))};
    }
    if (found.ranked.isEmpty()) {
        const QString unknown = QStringLiteral("The library has no temperament named \"%1\"").arg(typed);
        const QStringList nearest = namesOf(nearestEntries(library.value(), typed));
        if (nearest.isEmpty())
            return {nullptr, refused({unknown + QStringLiteral("; \"cordavo-cli library\" lists them all")})};
        return {nullptr, refused(QStringList{unknown + QStringLiteral("; the nearest are:")} + indented(nearest))};
    }
    return {nullptr, refused(QStringList{QStringLiteral("\"%1\" matches %2 temperaments of the library; give one "
                                                        "of them:")
                                             .arg(typed)
                                             .arg(found.ranked.size())} +
                             indented(namesOf(found.entries())))};
}

CliResult runXml(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("xml");
    if (!positionals.isEmpty())
        return usageError(command, QStringLiteral("unexpected argument \"%1\"").arg(positionals.first()));
    if (!options.contains(QStringLiteral("supplier")))
        return usageError(command, QStringLiteral("--supplier FILE is required"));
    const bool fromLibrary = options.contains(QStringLiteral("library"));
    if (fromLibrary == options.contains(QStringLiteral("temperament"))) {
        return usageError(command, fromLibrary ? QStringLiteral("give either --temperament or --library, not both")
                                               : QStringLiteral("--temperament FILE is required"));
    }
    Pitches pitches;
    if (auto error = readPitches(command, options, pitches))
        return *error;

    const LineFileContents supplierFile = readLineFile(options[QStringLiteral("supplier")], kSupplierLayout, kFullStop);
    if (!supplierFile.ok())
        return refused({supplierFile.error()});

    // The main window's data after loading both files, supplier first; a
    // library entry takes the temperament file's place.
    TemperamentData data;
    applySupplierRecord(data, supplierRecord(supplierFile.value()));
    if (fromLibrary) {
        const EntryLookup lookup = lookUpEntry(options[QStringLiteral("library")]);
        if (!lookup.entry)
            return lookup.refusal;
        data.name = lookup.entry->name;
        data.shortName = lookup.entry->name;
        if (lookup.entry->constructed())
            data.comment = lookup.entry->construction;
        data.cents = asNoteFields(lookup.entry->deviations);
    } else {
        const LineFileContents temperamentFile =
            readLineFile(options[QStringLiteral("temperament")], kTemperamentLayout, kFullStop);
        if (!temperamentFile.ok())
            return refused({temperamentFile.error()});
        applyTemperamentRecord(data, temperamentRecord(temperamentFile.value()));
        const Result<void> inRange =
            checkNoteRange(data.cents, QFileInfo(options[QStringLiteral("temperament")]).fileName(), kFullStop);
        if (!inRange.ok())
            return refused({inRange.error()});
    }

    const QStringList errors = identificationErrors(data) + noteCentsErrors(data.cents, kFullStop);
    if (!errors.isEmpty())
        return refused(errors);
    if (auto error = pitchRefusal(pitches))
        return *error;
    data.oldA = pitches.values[0];
    data.newA = pitches.values[1];

    const QByteArray bytes = xmlFileBytes(documentLines(temperamentXml(data)));
    if (options.contains(QStringLiteral("out")) && options[QStringLiteral("out")] != QLatin1String("-")) {
        const Result<void> saved = saveFileAtomically(options[QStringLiteral("out")], bytes);
        if (!saved.ok())
            return refused({saved.error()});
        return {};
    }
    return {kCliSuccess, bytes, {}};
}

CliResult runFifths(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("fifths");
    Comma comma = Comma::Syntonic;
    if (options.contains(QStringLiteral("comma"))) {
        const QString name = options[QStringLiteral("comma")];
        if (name == QLatin1String("pythagorean"))
            comma = Comma::Pythagorean;
        else if (name != QLatin1String("syntonic"))
            return usageError(command, QStringLiteral("--comma: \"%1\" is neither syntonic nor pythagorean").arg(name));
    }
    const auto decimals = decimalsOption(options);
    if (!decimals)
        return usageError(command, QStringLiteral("--decimals: \"%1\" is not a whole number from 0 to 10")
                                       .arg(options[QStringLiteral("decimals")]));
    if (positionals.size() != 12)
        return usageError(command,
                          QStringLiteral("twelve fifths are needed, C-G to F-C; %1 given").arg(positionals.size()));
    FifthChoices items{};
    for (int k = 0; k < 12; ++k) {
        const auto item = fifthItemNamed(positionals[k]);
        if (!item)
            return usageError(command, fifthItemRefusal(QStringLiteral("fifth %1").arg(k + 1), positionals[k]));
        items[k] = *item;
    }
    return printed(calculateCircle(items, comma, *decimals, kFullStop));
}

std::optional<std::pair<long double, long double>> fraction(const QString &text)
{
    const QStringList terms = text.split(QLatin1Char('/'));
    if (terms.size() != 2)
        return std::nullopt;
    const auto first = fullStopNumber(terms[0]);
    const auto second = fullStopNumber(terms[1]);
    if (!first || !second)
        return std::nullopt;
    return std::pair{*first, *second};
}

CliResult runIntervals(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("intervals");
    const auto decimals = decimalsOption(options);
    if (!decimals)
        return usageError(command, QStringLiteral("--decimals: \"%1\" is not a whole number from 0 to 10")
                                       .arg(options[QStringLiteral("decimals")]));
    IntervalTerms terms;
    if (options.contains(QStringLiteral("file"))) {
        if (!positionals.isEmpty())
            return usageError(command, QStringLiteral("give either --file or twelve fractions, not both"));
        const LineFileContents file = readLineFile(options[QStringLiteral("file")], kIntervalLayout, kFullStop);
        if (!file.ok())
            return refused({file.error()});
        terms = intervalRecord(file.value()).terms;
    } else {
        if (positionals.size() != 12)
            return usageError(
                command, QStringLiteral("twelve fractions A/B are needed, C to B; %1 given").arg(positionals.size()));
        for (int i = 0; i < 12; ++i) {
            const auto f = fraction(positionals[i]);
            if (!f)
                return usageError(
                    command,
                    QStringLiteral("fraction %1: \"%2\" is not of the form A/B").arg(i + 1).arg(positionals[i]));
            terms.first[i] = f->first;
            terms.second[i] = f->second;
        }
    }
    // The terms as the setter's fields hold them, before and after cleaning.
    for (NoteTerms *column : {&terms.first, &terms.second}) {
        for (long double &term : *column)
            term = fieldValue(term, kTwoDecimalsPattern);
        cleanTerms(*column);
        for (long double &term : *column)
            term = fieldValue(term, kTwoDecimalsPattern);
    }
    QStringList lines;
    for (int i = 0; i < 12; ++i)
        lines << roundedCentsText(terms.first[i] / terms.second[i], *decimals, kFullStop);
    return printed(lines);
}

std::optional<NoteCents> centsList(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    if (parts.size() != 12)
        return std::nullopt;
    NoteCents cents{};
    for (int i = 0; i < 12; ++i) {
        const auto value = fullStopNumber(parts[i]);
        if (!value)
            return std::nullopt;
        cents[i] = *value;
    }
    return cents;
}

CliResult runDiff(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("diff");
    if (!positionals.isEmpty())
        return usageError(command, QStringLiteral("unexpected argument \"%1\"").arg(positionals.first()));
    NoteCents lists[2]{};
    const char *names[2] = {"old", "new"};
    for (int i = 0; i < 2; ++i) {
        const QString name = QLatin1String(names[i]);
        if (!options.contains(name))
            return usageError(command, QStringLiteral("--%1 C0,...,C11 is required").arg(name));
        const auto cents = centsList(options[name]);
        if (!cents)
            return usageError(
                command,
                QStringLiteral("--%1: \"%2\" is not twelve numbers separated by commas").arg(name, options[name]));
        lists[i] = *cents;
    }
    QStringList lines;
    for (long double value : exportedCents(lists[0], lists[1]))
        lines << formatGeneral(value, kFullStop);
    return printed(lines);
}

// The temperament a command is to play or export, from exactly one of
// --cents, --library and --temperament, with --name and the two A's: the
// values checked as Generate xml checks them.
std::optional<CliResult> readSource(const QString &command, const QHash<QString, QString> &options,
                                    TuningSource &source)
{
    const QStringList sources = {QStringLiteral("cents"), QStringLiteral("library"), QStringLiteral("temperament")};
    if (std::count_if(sources.begin(), sources.end(), [&](const QString &s) { return options.contains(s); }) != 1)
        return usageError(command, QStringLiteral("give exactly one of --cents, --library and --temperament"));
    Pitches pitches;
    if (auto error = readPitches(command, options, pitches))
        return *error;

    QString origin; // what the notes' messages name
    if (options.contains(QStringLiteral("cents"))) {
        const QString text = options[QStringLiteral("cents")];
        const auto cents = centsList(text);
        if (!cents)
            return usageError(command,
                              QStringLiteral("--cents: \"%1\" is not twelve numbers separated by commas").arg(text));
        source.cents = asNoteFields(*cents);
        origin = QStringLiteral("--cents");
    } else if (options.contains(QStringLiteral("library"))) {
        const EntryLookup lookup = lookUpEntry(options[QStringLiteral("library")]);
        if (!lookup.entry)
            return lookup.refusal;
        source.cents = asNoteFields(lookup.entry->deviations);
        source.name = lookup.entry->name;
        origin = lookup.entry->name;
    } else {
        const QString path = options[QStringLiteral("temperament")];
        const LineFileContents file = readLineFile(path, kTemperamentLayout, kFullStop);
        if (!file.ok())
            return refused({file.error()});
        TemperamentData data;
        applyTemperamentRecord(data, temperamentRecord(file.value()));
        if (const Result<void> inRange = checkNoteRange(data.cents, QFileInfo(path).fileName(), kFullStop);
            !inRange.ok())
            return refused({inRange.error()});
        source.cents = data.cents;
        source.name = data.name;
        origin = quoted(QFileInfo(path).fileName());
    }
    if (options.contains(QStringLiteral("name")))
        source.name = options[QStringLiteral("name")];

    QStringList errors = noteCentsErrors(source.cents, kFullStop);
    if (!errors.isEmpty()) {
        for (QString &error : errors)
            error.prepend(origin + QStringLiteral(": "));
        return refused(errors);
    }
    if (auto error = pitchRefusal(pitches))
        return *error;
    source.oldA = pitches.values[0];
    source.newA = pitches.values[1];
    return std::nullopt;
}

CliResult runExport(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("export");
    if (!positionals.isEmpty())
        return usageError(command, QStringLiteral("unexpected argument \"%1\"").arg(positionals.first()));
    if (!options.contains(QStringLiteral("format")))
        return usageError(command, QStringLiteral("--format FORMAT is required"));
    if (auto grandOrgue = grandOrgueExport(options, positionals))
        return *grandOrgue;
    const QString formatText = options[QStringLiteral("format")];
    const std::optional<TuningFormat> format = tuningFormatNamed(formatText);
    if (!format) {
        return usageError(
            command,
            QStringLiteral("--format: \"%1\" is not one of scl, tun, mts-bulk, mts-keys, mts-octave, grandorgue")
                .arg(formatText));
    }
    if (!options.contains(QStringLiteral("out")))
        return usageError(command, QStringLiteral("--out FILE is required"));
    const QString out = options[QStringLiteral("out")];
    const bool toStandardOutput = out == QLatin1String("-");
    if (toStandardOutput && *format == TuningFormat::Scala)
        return usageError(command, QStringLiteral("--out -: scl writes two files, the scale and its keyboard mapping; "
                                                  "give a file name"));
    TuningSource source;
    if (auto refusal = readSource(command, options, source))
        return *refusal;

    const TuningExport exported = tuningExport(*format, source, out);
    CliResult result;
    if (toStandardOutput) {
        result.output = exported.files.first().bytes;
    } else {
        const Result<void> saved = saveTuningExport(exported);
        if (!saved.ok())
            return refused({saved.error()});
    }
    if (!exported.shortfall.isEmpty())
        result.errors = shortfallText(exported.shortfall, {kFullStop, QLatin1Char(',')}) + QLatin1Char('\n');
    return result;
}

// A library value as printed: the constructions are worked out to ten
// decimals, so what lies beyond is the arithmetic's noise (Vallotti's C#
// would print as -1.4210854715202E-14 instead of 0).
QString centsText(long double value)
{
    constexpr long double kScale = 1e10L;
    return formatGeneral(std::round(value * kScale) / kScale + 0.0L, kFullStop);
}

// A value of the table as --tsv prints it: a row's as the table gives it; a
// constructed temperament's as the construction gives it, rounded half away
// from zero as the windows round, to two decimals or to the row's, if more.
QString tableText(const LibraryEntry &entry, int note)
{
    if (!entry.constructed())
        return centsText(entry.tableRow[note]);
    const long double scale = std::pow(10.0L, std::max(2, entry.rowDecimals));
    return centsText(std::round(entry.deviations[note] * scale) / scale);
}

CliResult runLibrary(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("library");
    if (auto grandOrgue = grandOrgueLibrary(options, positionals))
        return *grandOrgue;
    const bool tsv = options.contains(QStringLiteral("tsv"));
    if (tsv && !positionals.isEmpty())
        return usageError(command, QStringLiteral("give either --tsv or a NAME, not both"));
    if (!positionals.isEmpty()) {
        // The words of a name given unquoted are one name.
        const EntryLookup lookup = lookUpEntry(positionals.join(QLatin1Char(' ')));
        if (!lookup.entry)
            return lookup.refusal;
        QStringList lines;
        for (int i = 0; i < 12; ++i)
            lines << noteName(i) + QLatin1Char('\t') + centsText(lookup.entry->deviations[i]);
        return printed(lines);
    }
    const Result<TemperamentLibrary> &library = builtInLibrary();
    if (!library.ok())
        return refused({library.error()});
    QStringList lines;
    if (tsv) {
        QStringList header = {QStringLiteral("name"), QStringLiteral("group")};
        for (int i = 0; i < 12; ++i)
            header << noteName(i);
        lines << header.join(QLatin1Char('\t'));
        for (const LibraryEntry &entry : library->entries) {
            QStringList columns = {entry.name, entry.group};
            for (int i = 0; i < 12; ++i)
                columns << tableText(entry, i);
            lines << columns.join(QLatin1Char('\t'));
        }
        return printed(lines);
    }
    QStringList groups;
    for (const LibraryEntry &entry : library->entries) {
        if (!groups.contains(entry.group))
            groups << entry.group;
    }
    // The entries outside every group first, then each group under its heading.
    groups.removeAll(QString());
    groups.prepend(QString());
    for (const QString &group : groups) {
        if (!group.isEmpty())
            lines << group + QLatin1Char(':');
        for (const LibraryEntry &entry : library->entries) {
            if (entry.group == group)
                lines << (group.isEmpty() ? entry.name : QStringLiteral("  ") + entry.name);
        }
    }
    return printed(lines);
}

CliResult runRender(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("render");
    if (positionals.isEmpty())
        return usageError(command, QStringLiteral("give at least one NOTE, such as C4 or 60"));
    std::vector<int> keys;
    for (const QString &text : positionals) {
        const std::optional<int> key = midiKeyNamed(text);
        if (!key)
            return usageError(command, QStringLiteral("\"%1\" is not a note: write C4, C#4, Eb4 or a MIDI number "
                                                      "from 0 to 127")
                                           .arg(text));
        keys.push_back(*key);
    }
    Voice voice = Voice::Principal;
    if (options.contains(QStringLiteral("voice"))) {
        const QString name = options[QStringLiteral("voice")];
        const std::optional<Voice> named = voiceNamed(name);
        if (!named)
            return usageError(command, QStringLiteral("--voice: \"%1\" is not one of %2").arg(name, voiceNames()));
        voice = *named;
    }
    long double seconds = 4;
    if (options.contains(QStringLiteral("seconds"))) {
        const QString text = options[QStringLiteral("seconds")];
        const auto value = fullStopNumber(text);
        if (!value || !(*value > 0 && *value <= 600))
            return usageError(command,
                              QStringLiteral("--seconds: \"%1\" is not a length from more than 0 to 600").arg(text));
        seconds = *value;
    }
    if (!options.contains(QStringLiteral("out")))
        return usageError(command, QStringLiteral("--out FILE.wav is required"));
    TuningSource source;
    if (auto refusal = readSource(command, options, source))
        return *refusal;

    const WavSamples format = options.contains(QStringLiteral("float")) ? WavSamples::Float32 : WavSamples::Pcm16;
    const QByteArray bytes = soundWav({QString(), {keys}}, keyPitches(source.oldA, source.newA, source.cents), voice,
                                      static_cast<double>(seconds), format);
    if (options[QStringLiteral("out")] == QLatin1String("-")) {
        CliResult result;
        result.output = bytes;
        return result;
    }
    const Result<void> saved = saveFileAtomically(options[QStringLiteral("out")], bytes);
    if (!saved.ok())
        return refused({saved.error()});
    return {};
}

const Command kCommands[] = {
    {"xml", kXmlHelp, {"supplier", "temperament", "library", "old-a", "new-a", "out"}, {}, runXml},
    {"export",
     kExportHelp,
     {"format", "cents", "library", "temperament", "old-a", "new-a", "name", "out", "config", "group", "title"},
     {"fold-pitch", "replace"},
     runExport},
    {"library", kLibraryHelp, {"grandorgue", "title"}, {"tsv"}, runLibrary},
    {"fifths", kFifthsHelp, {"comma", "decimals"}, {}, runFifths},
    {"intervals", kIntervalsHelp, {"decimals", "file"}, {}, runIntervals},
    {"diff", kDiffHelp, {"old", "new"}, {}, runDiff},
    {"render",
     kRenderHelp,
     {"cents", "library", "temperament", "old-a", "new-a", "voice", "seconds", "out"},
     {"float"},
     runRender},
    {"guide",
     kGuideHelp,
     {"cents", "library", "temperament", "old-a", "new-a", "bearing", "foot", "metronome", "temperature-reference",
      "temperature-now", "out"},
     {"tsv"},
     runGuide},
};

bool isHelp(const QString &argument)
{
    return argument == QLatin1String("--help") || argument == QLatin1String("-h");
}

CliResult help(const char *text)
{
    // The reference-pitch range is the core's; the help names it as it stands.
    QString shown = QString::fromUtf8(text);
    shown.replace(QLatin1String("LOWEST_A"), formatGeneral(kLowestReferencePitch, kFullStop))
        .replace(QLatin1String("HIGHEST_A"), formatGeneral(kHighestReferencePitch, kFullStop))
        .replace(QLatin1String("GRANDORGUE_CONFIG"), QDir::toNativeSeparators(grandOrgueConfigPath()));
    return {kCliSuccess, shown.toUtf8(), {}};
}

// Options are "--name value" or "--name=value"; everything else, "-1/4"
// included, is an argument, and so is all after "--".
CliResult runCommand(const Command &command, const QStringList &arguments)
{
    const QString name = QLatin1String(command.name);
    QHash<QString, QString> options;
    QStringList positionals;
    bool optionsEnded = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (optionsEnded || !argument.startsWith(QLatin1String("--")) || argument.size() == 2) {
            if (!optionsEnded && argument == QLatin1String("--"))
                optionsEnded = true;
            else if (!optionsEnded && argument == QLatin1String("-h"))
                return help(command.help);
            else
                positionals << argument;
            continue;
        }
        if (argument == QLatin1String("--help"))
            return help(command.help);
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString option = argument.mid(2, equals < 0 ? -1 : equals - 2);
        const bool flag = command.flags.contains(option);
        if (!flag && !command.valueOptions.contains(option))
            return usageError(name, QStringLiteral("unknown option \"--%1\"").arg(option));
        if (options.contains(option))
            return usageError(name, QStringLiteral("--%1 is given twice").arg(option));
        if (flag) {
            if (equals >= 0)
                return usageError(name, QStringLiteral("--%1 takes no value").arg(option));
            options.insert(option, QString());
        } else if (equals >= 0) {
            options.insert(option, argument.mid(equals + 1));
        } else {
            if (i + 1 >= arguments.size())
                return usageError(name, QStringLiteral("--%1 needs a value").arg(option));
            options.insert(option, arguments[++i]);
        }
    }
    return command.run(options, positionals);
}

} // namespace

CliResult runCli(const QStringList &arguments)
{
    if (arguments.isEmpty())
        return {kCliUsage, {}, QString::fromLatin1(kMainHelp)};
    const QString &first = arguments.first();
    if (isHelp(first) || first == QLatin1String("help"))
        return help(kMainHelp);
    if (first == QLatin1String("--version"))
        return {kCliSuccess, QByteArray("cordavo-cli ") + kVersion + '\n', {}};
    for (const Command &command : kCommands) {
        if (first == QLatin1String(command.name))
            return runCommand(command, arguments.mid(1));
    }
    return usageError(QString(), QStringLiteral("unknown command \"%1\"").arg(first));
}

// For the commands in files of their own.
CliResult cliUsageError(const QString &command, const QString &problem)
{
    return usageError(command, problem);
}

CliResult cliRefused(const QStringList &messages)
{
    return refused(messages);
}

CliResult cliPrinted(const QStringList &lines)
{
    return printed(lines);
}

std::optional<CliResult> readCliSource(const QString &command, const QHash<QString, QString> &options,
                                       TuningSource &source)
{
    return readSource(command, options, source);
}

QString cliCentsText(long double value)
{
    return centsText(value);
}

} // namespace cordavo
