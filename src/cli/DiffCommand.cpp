#include "cli/Commands.h"

#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"

namespace cordavo {

namespace {

const char kDiffHelp[] = R"(Usage: cordavo-cli diff --old C0,...,C11 --new C0,...,C11

Prints the twelve values, C to B, one a line, that a setter's "Export" hands
the main window: each note's new position minus its old one, all shifted so
that A's value is 0.

  --old LIST      the twelve old positions in cents, separated by commas
  --new LIST      the twelve new positions in cents, separated by commas
)";

CliResult runDiff(const CliOptions &options, const QStringList & /*positionals*/)
{
    const QString command = QStringLiteral("diff");
    NoteCents lists[2]{};
    const char *names[2] = {"old", "new"};
    for (int i = 0; i < 2; ++i) {
        const QString name = QLatin1String(names[i]);
        if (!options.contains(name))
            return cliUsageError(command, QStringLiteral("--%1 C0,...,C11 is required").arg(name));
        const auto cents = centsList(options[name]);
        if (!cents)
            return cliUsageError(
                command,
                QStringLiteral("--%1: \"%2\" is not twelve numbers separated by commas").arg(name, options[name]));
        lists[i] = *cents;
    }
    QStringList lines;
    for (long double value : exportedCents(lists[0], lists[1]))
        lines << formatGeneral(value, kFullStop);
    return cliPrinted(lines);
}

} // namespace

const CliCommand kDiffCommand{"diff", kDiffHelp, {"old", "new"}, {}, runDiff, false};

} // namespace cordavo
