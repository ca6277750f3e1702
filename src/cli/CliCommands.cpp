#include "cli/CliCommands.h"

#include "numbers/NumEditText.h"
#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"

#include <QHash>

#include <optional>

namespace cordavo {

namespace {

constexpr QChar kFullStop = QLatin1Char('.');

const char kMainHelp[] = R"(Usage: cordavo-cli COMMAND [OPTIONS] [ARGUMENTS]

Cordavo's calculations without its windows.

Commands:
  xml        the temperament document made from a supplier and a temperament file
  fifths     the twelve positions of a circle of fifths
  intervals  the twelve positions of twelve intervals written as fractions
  diff       the twelve values that a setter's "Export" hands the main window

Numbers on the command line and in the output are written with the full stop;
data files may use the full stop or the comma.
Exit status: 0 done, 1 data refused, 2 wrong command line.
Run "cordavo-cli COMMAND --help" for the options of a command.
)";

const char kXmlHelp[] = R"(Usage: cordavo-cli xml --supplier FILE.For --temperament FILE.Tmp
                       [--old-a HZ] [--new-a HZ] [--out FILE]

Writes the document that "Generate xml" then "Save xml" make for these files
and pitches: UTF-8, each line ended by CR LF. The supplier file is applied
first, then the temperament file, as when a user loads both. The identifying
fields are checked as the main window checks them.

  --supplier FILE     the supplier file (.For)
  --temperament FILE  the temperament file (.Tmp)
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
    CliResult (*run)(const QHash<QString, QString> &options, const QStringList &positionals);
};

CliResult usageError(const QString &command, const QString &problem)
{
    const QString name = command.isEmpty() ? QStringLiteral("cordavo-cli") : QStringLiteral("cordavo-cli ") + command;
    return {kCliUsage, {}, QStringLiteral("%1: %2\nRun \"%1 --help\" for its usage.\n").arg(name, problem)};
}

CliResult refused(const QStringList &messages)
{
    return {kCliRefused, {}, messages.join(QLatin1Char('\n')) + QLatin1Char('\n')};
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

CliResult runXml(const QHash<QString, QString> &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("xml");
    if (!positionals.isEmpty())
        return usageError(command, QStringLiteral("unexpected argument \"%1\"").arg(positionals.first()));
    for (const char *required : {"supplier", "temperament"}) {
        if (!options.contains(QLatin1String(required)))
            return usageError(command, QStringLiteral("--%1 FILE is required").arg(QLatin1String(required)));
    }
    double pitches[2] = {440, 440};
    const char *pitchOptions[2] = {"old-a", "new-a"};
    for (int i = 0; i < 2; ++i) {
        const QString name = QLatin1String(pitchOptions[i]);
        if (!options.contains(name))
            continue;
        const auto value = fullStopNumber(options[name]);
        if (!value)
            return usageError(command, QStringLiteral("--%1: \"%2\" is not a number").arg(name, options[name]));
        pitches[i] = static_cast<double>(*value);
    }

    const LineFileContents supplierFile = readLineFile(options[QStringLiteral("supplier")], kSupplierLayout, kFullStop);
    if (!supplierFile.ok())
        return refused({supplierFile.error()});
    const LineFileContents temperamentFile =
        readLineFile(options[QStringLiteral("temperament")], kTemperamentLayout, kFullStop);
    if (!temperamentFile.ok())
        return refused({temperamentFile.error()});

    // The main window's data after loading both files, supplier first.
    TemperamentData data;
    applySupplierRecord(data, supplierRecord(supplierFile.value()));
    applyTemperamentRecord(data, temperamentRecord(temperamentFile.value()));

    const QStringList errors = identificationErrors(data) + noteCentsErrors(data.cents, kFullStop);
    if (!errors.isEmpty())
        return refused(errors);
    for (int i = 0; i < 2; ++i) {
        if (!isReferencePitch(pitches[i])) {
            return refused({QStringLiteral("--%1: %2 is not a pitch from %3 to %4 Hz")
                                .arg(QLatin1String(pitchOptions[i]), formatGeneral(pitches[i], kFullStop),
                                     formatGeneral(kLowestReferencePitch, kFullStop),
                                     formatGeneral(kHighestReferencePitch, kFullStop))});
        }
    }
    data.oldA = pitches[0];
    data.newA = pitches[1];

    const QByteArray bytes = xmlFileBytes(documentLines(temperamentXml(data)));
    if (options.contains(QStringLiteral("out")) && options[QStringLiteral("out")] != QLatin1String("-")) {
        const Result<void> saved = saveFileAtomically(options[QStringLiteral("out")], bytes);
        if (!saved.ok())
            return refused({saved.error()});
        return {};
    }
    return {kCliSuccess, bytes, {}};
}

// The fifth box item written without blanks, such as "-1/4" or "0".
std::optional<int> fifthItemNamed(const QString &text)
{
    const int item = fifthItemOfText(text);
    if (QString(fifthItemTexts().at(item)).remove(QLatin1Char(' ')) != text)
        return std::nullopt;
    return item;
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
        if (!item) {
            return usageError(command, QStringLiteral("fifth %1: \"%2\" is not one of 0 -1/2 -1/3 -1/4 -1/5 -1/6 "
                                                      "-2/5 -2/7 +1/5 +1/6")
                                           .arg(k + 1)
                                           .arg(positionals[k]));
        }
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

const Command kCommands[] = {
    {"xml", kXmlHelp, {"supplier", "temperament", "old-a", "new-a", "out"}, runXml},
    {"fifths", kFifthsHelp, {"comma", "decimals"}, runFifths},
    {"intervals", kIntervalsHelp, {"decimals", "file"}, runIntervals},
    {"diff", kDiffHelp, {"old", "new"}, runDiff},
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
        .replace(QLatin1String("HIGHEST_A"), formatGeneral(kHighestReferencePitch, kFullStop));
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
        if (!command.valueOptions.contains(option))
            return usageError(name, QStringLiteral("unknown option \"--%1\"").arg(option));
        if (options.contains(option))
            return usageError(name, QStringLiteral("--%1 is given twice").arg(option));
        if (equals >= 0) {
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
    for (const Command &command : kCommands) {
        if (first == QLatin1String(command.name))
            return runCommand(command, arguments.mid(1));
    }
    return usageError(QString(), QStringLiteral("unknown command \"%1\"").arg(first));
}

} // namespace cordavo
