#include "cli/Commands.h"

#include "tuning/CircleOfFifths.h"

namespace cordavo {

namespace {

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

CliResult runFifths(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("fifths");
    Comma comma = Comma::Syntonic;
    if (options.contains(QStringLiteral("comma"))) {
        const QString name = options[QStringLiteral("comma")];
        if (name == QLatin1String("pythagorean"))
            comma = Comma::Pythagorean;
        else if (name != QLatin1String("syntonic"))
            return cliUsageError(command,
                                 QStringLiteral("--comma: \"%1\" is neither syntonic nor pythagorean").arg(name));
    }
    const auto decimals = decimalsOption(options);
    if (!decimals)
        return cliUsageError(command, QStringLiteral("--decimals: \"%1\" is not a whole number from 0 to 10")
                                          .arg(options[QStringLiteral("decimals")]));
    if (positionals.size() != 12)
        return cliUsageError(command,
                             QStringLiteral("twelve fifths are needed, C-G to F-C; %1 given").arg(positionals.size()));
    FifthChoices items{};
    for (int k = 0; k < 12; ++k) {
        const auto item = fifthItemNamed(positionals[k]);
        if (!item)
            return cliUsageError(command, fifthItemRefusal(QStringLiteral("fifth %1").arg(k + 1), positionals[k]));
        items[k] = *item;
    }
    return cliPrinted(calculateCircle(items, comma, *decimals, kFullStop));
}

} // namespace

const CliCommand kFifthsCommand{"fifths", kFifthsHelp, {"comma", "decimals"}, {}, runFifths};

} // namespace cordavo
