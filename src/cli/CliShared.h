#pragma once

#include "cli/CliCommands.h"
#include "tuning/PitchTable.h"

#include <QChar>
#include <QHash>
#include <QString>
#include <QStringList>

#include <optional>

namespace cordavo {

// What every command of cordavo-cli shares: its answers, the reading of its
// options and of the temperament it works on.

struct LibraryEntry;
struct TuningSource;

// Numbers on the command line and in the output are written with the full stop.
inline constexpr QChar kFullStop = QLatin1Char('.');

// A command's options by name (without the dashes; a flag's value is empty)
// and its other arguments, in their order.
using CliOptions = QHash<QString, QString>;

// One command: its name, its help, the options it knows and what runs it.
struct CliCommand {
    const char *name;
    const char *help;
    QStringList valueOptions; // each takes a value; "--help" and "-h" are always known
    QStringList flags;        // each stands alone
    CliResult (*run)(const CliOptions &options, const QStringList &positionals);
    bool takesArguments = true;      // otherwise the first argument is refused as unexpected
    QString (*helpText)() = nullptr; // the help, when it is more than the text of 'help'
};

// Reads the command's arguments and runs it, or answers its help or the
// usage error of a malformed command line. Options are "--name value" or
// "--name=value"; everything else, "-1/4" included, is an argument, and so is
// all after "--".
CliResult runCliCommand(const CliCommand &command, const QStringList &arguments);

// A message with what it quotes cut to a readable length: a megabyte given
// as a name is not printed back whole.
QString readable(const QString &message);
// A wrong command line: the problem and where to find the usage; an empty
// command is the program's own.
CliResult cliUsageError(const QString &command, const QString &problem);
// Data refused, one message a line.
CliResult cliRefused(const QStringList &messages);
// Lines for standard output, each ended by a line break.
CliResult cliPrinted(const QStringList &lines);
// The bytes written to the file 'out', or to standard output for "-"; or
// the refusal of a file that cannot be written.
CliResult cliWritten(const QString &out, const QByteArray &bytes);
// A help text as printed, with the reference-pitch range and GrandOrgue's
// settings file of this machine in place of LOWEST_A, HIGHEST_A and
// GRANDORGUE_CONFIG.
CliResult cliHelp(const QString &text);

// A number written with the full stop.
std::optional<long double> fullStopNumber(const QString &text);
// --decimals, 2 when not given; nothing when it is not one from 0 to 10.
std::optional<int> decimalsOption(const CliOptions &options);
// Twelve numbers separated by commas.
std::optional<NoteCents> centsList(const QString &text);
// A number of cents as "library NAME" prints it.
QString cliCentsText(long double value);

// The reference pitches of --old-a and --new-a, 440 Hz when not given.
struct CliPitches {
    double values[2] = {440, 440};
};
// The pitches, or the usage error of one that is not a number or lies
// outside the reference range.
std::optional<CliResult> readCliPitches(const QString &command, const CliOptions &options, CliPitches &pitches);

// The library entry a typed name stands for, or the refusal that lists the
// candidates.
struct EntryLookup {
    const LibraryEntry *entry = nullptr;
    CliResult refusal;
};
EntryLookup lookUpEntry(const QString &typed);

// The temperament from exactly one of --cents, --library and --temperament,
// with --name and the two A's, checked as Generate xml checks them; or the
// result that refuses them.
std::optional<CliResult> readCliSource(const QString &command, const CliOptions &options, TuningSource &source);

} // namespace cordavo
