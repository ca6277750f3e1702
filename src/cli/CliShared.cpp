#include "cli/CliShared.h"

#include "numbers/NumEditText.h"
#include "numbers/NumberFormat.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/GrandOrgueConfig.h"
#include "tuning/LibrarySearch.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"
#include "tuning/TuningExport.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cmath>

namespace cordavo {

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

CliResult cliUsageError(const QString &command, const QString &problem)
{
    const QString name = command.isEmpty() ? QStringLiteral("cordavo-cli") : QStringLiteral("cordavo-cli ") + command;
    return {kCliUsage, {}, readable(QStringLiteral("%1: %2\nRun \"%1 --help\" for its usage.\n").arg(name, problem))};
}

CliResult cliRefused(const QStringList &messages)
{
    return {kCliRefused, {}, readable(messages.join(QLatin1Char('\n')) + QLatin1Char('\n'))};
}

CliResult cliPrinted(const QStringList &lines)
{
    return {kCliSuccess, (lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toUtf8(), {}};
}

std::optional<long double> fullStopNumber(const QString &text)
{
    return readRegional(text, kFullStop);
}

std::optional<int> decimalsOption(const CliOptions &options)
{
    const auto it = options.find(QStringLiteral("decimals"));
    return it == options.end() ? std::optional<int>(2) : readDecimalsChoice(*it);
}

namespace {

const char *const kPitchOptions[2] = {"old-a", "new-a"};
} // namespace

std::optional<CliResult> readCliPitches(const QString &command, const CliOptions &options, CliPitches &pitches)
{
    for (int i = 0; i < 2; ++i) {
        const QString name = QLatin1String(kPitchOptions[i]);
        if (!options.contains(name))
            continue;
        const auto value = fullStopNumber(options[name]);
        if (!value)
            return cliUsageError(command, QStringLiteral("--%1: \"%2\" is not a number").arg(name, options[name]));
        if (!isReferencePitch(static_cast<double>(*value))) {
            return cliUsageError(command, QStringLiteral("--%1: %2 is not a pitch from %3 to %4 Hz")
                                              .arg(name, formatGeneral(*value, kFullStop),
                                                   formatGeneral(kLowestReferencePitch, kFullStop),
                                                   formatGeneral(kHighestReferencePitch, kFullStop)));
        }
        pitches.values[i] = static_cast<double>(*value);
    }
    return std::nullopt;
}

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
        return {nullptr, cliRefused({library.error()})};
    for (const LibraryEntry &entry : library->entries) {
        if (entry.name.compare(typed, Qt::CaseInsensitive) == 0)
            return {&entry, {}};
    }
    const LibrarySearchResult found = searchLibrary(library.value(), typed);
    if (const LibraryEntry *meant = found.meant())
        return {meant, {}};
    if (!found.remark.isEmpty()) {
        return {nullptr,
                cliRefused(
                    QStringList{QStringLiteral("\"%1\": %2 Give the name of what you mean:").arg(typed, found.remark)} +
                    indented(namesOf(found.entries())))};
    }
    if (found.ranked.isEmpty()) {
        const QString unknown = QStringLiteral("The library has no temperament named \"%1\"").arg(typed);
        const QStringList nearest = namesOf(nearestEntries(library.value(), typed));
        if (nearest.isEmpty())
            return {nullptr, cliRefused({unknown + QStringLiteral("; \"cordavo-cli library\" lists them all")})};
        return {nullptr, cliRefused(QStringList{unknown + QStringLiteral("; the nearest are:")} + indented(nearest))};
    }
    return {nullptr, cliRefused(QStringList{QStringLiteral("\"%1\" matches %2 temperaments of the library; give one "
                                                           "of them:")
                                                .arg(typed)
                                                .arg(found.ranked.size())} +
                                indented(namesOf(found.entries())))};
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

// The temperament a command is to play or export, from exactly one of
// --cents, --library and --temperament, with --name and the two A's: the
// values checked as Generate xml checks them.
std::optional<CliResult> readCliSource(const QString &command, const CliOptions &options, TuningSource &source)
{
    const QStringList sources = {QStringLiteral("cents"), QStringLiteral("library"), QStringLiteral("temperament")};
    if (std::count_if(sources.begin(), sources.end(), [&](const QString &s) { return options.contains(s); }) != 1)
        return cliUsageError(command, QStringLiteral("give exactly one of --cents, --library and --temperament"));
    CliPitches pitches;
    if (auto error = readCliPitches(command, options, pitches))
        return *error;

    QString origin; // what the notes' messages name
    if (options.contains(QStringLiteral("cents"))) {
        const QString text = options[QStringLiteral("cents")];
        const auto cents = centsList(text);
        if (!cents)
            return cliUsageError(command,
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
            return cliRefused({file.error()});
        TemperamentData data;
        applyTemperamentRecord(data, temperamentRecord(file.value()));
        if (const Result<void> inRange = checkNoteRange(data.cents, QFileInfo(path).fileName(), kFullStop);
            !inRange.ok())
            return cliRefused({inRange.error()});
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
        // Notes typed on the command line are a wrong command line; notes
        // from the library or a file are refused data.
        if (options.contains(QStringLiteral("cents")))
            return cliUsageError(command, errors.join(QLatin1Char('\n')));
        return cliRefused(errors);
    }
    source.oldA = pitches.values[0];
    source.newA = pitches.values[1];
    return std::nullopt;
}

// A library value as printed: the constructions are worked out to ten
// decimals, so what lies beyond is the arithmetic's noise (Vallotti's C#
// would print as -1.4210854715202E-14 instead of 0).
QString cliCentsText(long double value)
{
    constexpr long double kScale = 1e10L;
    return formatGeneral(std::round(value * kScale) / kScale + 0.0L, kFullStop);
}

CliResult cliWritten(const QString &out, const QByteArray &bytes)
{
    if (out == QLatin1String("-"))
        return {kCliSuccess, bytes, {}};
    const Result<void> saved = saveFileAtomically(out, bytes);
    if (!saved.ok())
        return cliRefused({saved.error()});
    return {};
}

CliResult cliHelp(const QString &text)
{
    // The reference-pitch range is the core's; the help names it as it stands.
    QString shown = text;
    shown.replace(QLatin1String("LOWEST_A"), formatGeneral(kLowestReferencePitch, kFullStop))
        .replace(QLatin1String("HIGHEST_A"), formatGeneral(kHighestReferencePitch, kFullStop))
        .replace(QLatin1String("GRANDORGUE_CONFIG"), QDir::toNativeSeparators(grandOrgueConfigPath()));
    return {kCliSuccess, shown.toUtf8(), {}};
}

namespace {

// One option as written on the command line.
struct WrittenOption {
    QString name;        // without the dashes and the value
    bool help = false;   // "--help" or "-h"
    bool equals = false; // "--name=value"
    bool valued = false; // a value follows, in the argument or the next one
    QString taken;       // for a value missing, the option or "--" that stands in its place
};

// The arguments split into the options, each followed by its value when the
// value is the next argument, and the other arguments. Qt's parser reads
// every argument that begins with a dash as options; "-1/4" and "-5,0,..."
// are arguments here, so they are given to it after "--". An option's value
// never begins with "--" unless written "--name=value": what follows an
// option that way is the next option, or "--", and the value is missing.
struct SplitArguments {
    QStringList options;
    QList<WrittenOption> written;
    QStringList positionals;
};

SplitArguments splitArguments(const CliCommand &command, const QStringList &arguments)
{
    SplitArguments split;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (argument == QLatin1String("--")) {
            split.positionals << arguments.mid(i + 1);
            break;
        }
        if (argument == QLatin1String("-h") || argument == QLatin1String("--help")) {
            split.written.append({QStringLiteral("help"), true, false, false, {}});
            continue;
        }
        if (!argument.startsWith(QLatin1String("--"))) {
            split.positionals << argument;
            continue;
        }
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        WrittenOption option{argument.mid(2, equals < 0 ? -1 : equals - 2), false, equals >= 0, equals >= 0, {}};
        split.options << argument;
        if (!option.equals && command.valueOptions.contains(option.name) && i + 1 < arguments.size()) {
            if (arguments[i + 1].startsWith(QLatin1String("--"))) {
                option.taken = arguments[i + 1];
            } else {
                split.options << arguments[++i];
                option.valued = true;
            }
        }
        split.written << option;
    }
    return split;
}

// The first fault of the command line in the order it is written, as Qt's
// parser found them; or nothing, when the options read. Help asked for
// before any fault is answered.
std::optional<CliResult> firstFault(const CliCommand &command, const QCommandLineParser &parser,
                                    const QList<WrittenOption> &written)
{
    const QString commandName = QLatin1String(command.name);
    QStringList seen;
    for (const WrittenOption &option : written) {
        if (option.help)
            return cliHelp(command.helpText ? command.helpText() : QString::fromUtf8(command.help));
        const QString &name = option.name;
        if (parser.unknownOptionNames().contains(name))
            return cliUsageError(commandName, QStringLiteral("unknown option \"--%1\"").arg(name));
        if (seen.contains(name))
            return cliUsageError(commandName, QStringLiteral("--%1 is given twice").arg(name));
        seen << name;
        const bool flag = command.flags.contains(name);
        if (flag && option.equals)
            return cliUsageError(commandName, QStringLiteral("--%1 takes no value").arg(name));
        if (!flag && !option.valued) {
            QString problem = QStringLiteral("--%1 needs a value").arg(name);
            if (option.taken == QLatin1String("--"))
                problem += QStringLiteral("; \"--\" ends the options");
            else if (!option.taken.isEmpty())
                problem += QStringLiteral("; \"%1\" is an option").arg(option.taken);
            return cliUsageError(commandName, problem);
        }
    }
    return std::nullopt;
}

} // namespace

CliResult runCliCommand(const CliCommand &command, const QStringList &arguments)
{
    QCommandLineParser parser;
    for (const QString &name : command.valueOptions)
        parser.addOption(QCommandLineOption(name, QString(), QStringLiteral("VALUE")));
    for (const QString &name : command.flags)
        parser.addOption(QCommandLineOption(name));
    const SplitArguments split = splitArguments(command, arguments);
    QStringList parsed = QStringList{QStringLiteral("cordavo-cli")} + split.options;
    if (!split.positionals.isEmpty())
        parsed << QStringLiteral("--") << split.positionals;
    const bool read = parser.parse(parsed);
    if (auto fault = firstFault(command, parser, split.written))
        return *fault;
    if (!read) // a fault of Qt's parser that the command line's rules do not name
        return cliUsageError(QLatin1String(command.name), parser.errorText());
    const QStringList positionals = parser.positionalArguments();
    if (!command.takesArguments && !positionals.isEmpty())
        return cliUsageError(QLatin1String(command.name),
                             QStringLiteral("unexpected argument \"%1\"").arg(positionals.first()));
    CliOptions options;
    for (const QString &name : parser.optionNames())
        options.insert(name, parser.value(name));
    return command.run(options, positionals);
}

} // namespace cordavo
