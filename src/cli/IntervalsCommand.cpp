#include "cli/Commands.h"

#include "numbers/NumEditText.h"
#include "numbers/NumberFormat.h"
#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"

namespace cordavo {

namespace {

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

CliResult runIntervals(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("intervals");
    const auto decimals = decimalsOption(options);
    if (!decimals)
        return cliUsageError(command, QStringLiteral("--decimals: \"%1\" is not a whole number from 0 to 10")
                                          .arg(options[QStringLiteral("decimals")]));
    IntervalTerms terms;
    if (options.contains(QStringLiteral("file"))) {
        if (!positionals.isEmpty())
            return cliUsageError(command, QStringLiteral("give either --file or twelve fractions, not both"));
        const LineFileContents file = readLineFile(options[QStringLiteral("file")], kIntervalLayout, kFullStop);
        if (!file.ok())
            return cliRefused({file.error()});
        terms = intervalRecord(file.value()).terms;
    } else {
        if (positionals.size() != 12)
            return cliUsageError(
                command, QStringLiteral("twelve fractions A/B are needed, C to B; %1 given").arg(positionals.size()));
        for (int i = 0; i < 12; ++i) {
            const auto f = fraction(positionals[i]);
            if (!f)
                return cliUsageError(
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
    return cliPrinted(lines);
}

} // namespace

const CliCommand kIntervalsCommand{"intervals", kIntervalsHelp, {"decimals", "file"}, {}, runIntervals};

} // namespace cordavo
