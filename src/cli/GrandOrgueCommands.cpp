#include "cli/GrandOrgueCommands.h"

#include "numbers/NumberFormat.h"
#include "tuning/GrandOrgueConfig.h"
#include "tuning/LineFile.h"

#include <QDir>

#include <cmath>

namespace cordavo {

namespace {

const QString kDefaultGroup = QStringLiteral("Cordavo");

// An offset as GrandOrgue keeps it: to three decimals, without the noise of
// its single-precision numbers (20.530001 is 20.53).
QString offsetText(long double value)
{
    const long double scale = std::pow(10.0L, kGrandOrgueDecimals);
    return formatGeneral(std::round(value * scale) / scale + 0.0L, kFullStop);
}

} // namespace

std::optional<CliResult> grandOrgueExport(const CliOptions &options)
{
    const QString command = QStringLiteral("export");
    const bool forGrandOrgue = options.value(QStringLiteral("format")) == QLatin1String("grandorgue");
    if (!forGrandOrgue) {
        for (const char *option : {"config", "group", "title", "fold-pitch", "replace"}) {
            if (options.contains(QLatin1String(option)))
                return cliUsageError(command, QStringLiteral("--%1 is for --format grandorgue").arg(option));
        }
        return std::nullopt;
    }
    if (options.contains(QStringLiteral("out")))
        return cliUsageError(command, QStringLiteral("--out: grandorgue writes into GrandOrgue's settings file; give "
                                                     "it with --config FILE"));
    TuningSource source;
    if (auto refusal = readCliSource(command, options, source))
        return *refusal;
    if (!options.contains(QStringLiteral("title")) && source.name.trimmed().isEmpty())
        return cliUsageError(command, QStringLiteral("--title TEXT is required: the temperament has no name"));

    const GrandOrgueExportResult result = exportToGrandOrgue(
        {options.value(QStringLiteral("config"), grandOrgueConfigPath()), source,
         options.value(QStringLiteral("group"), kDefaultGroup), options.value(QStringLiteral("title"), source.name),
         options.contains(QStringLiteral("fold-pitch")), options.contains(QStringLiteral("replace"))});
    const GrandOrgueTemperament &temperament = result.temperament;
    switch (result.status) {
    case GrandOrgueExportStatus::Written:
        return cliPrinted({QStringLiteral("%1 in the group %2 written into %3 as %4")
                               .arg(quoted(temperament.title), quoted(temperament.group), quoted(result.shownPath),
                                    temperament.name)});
    case GrandOrgueExportStatus::TitleTaken:
        return cliRefused({result.message + QStringLiteral("; give --replace to replace it")});
    case GrandOrgueExportStatus::Refused:
    case GrandOrgueExportStatus::Failed:
        break;
    }
    return cliRefused({result.message});
}

std::optional<CliResult> grandOrgueLibrary(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("library");
    const bool fromFile = options.contains(QStringLiteral("grandorgue"));
    if (!fromFile) {
        for (const char *option : {"title", "group"}) {
            if (options.contains(QLatin1String(option)))
                return cliUsageError(command, QStringLiteral("--%1 is for --grandorgue FILE").arg(option));
        }
        return std::nullopt;
    }
    if (options.contains(QStringLiteral("group")) && !options.contains(QStringLiteral("title")))
        return cliUsageError(command, QStringLiteral("--group is for --title TEXT"));
    if (!positionals.isEmpty() || options.contains(QStringLiteral("tsv")))
        return cliUsageError(command, QStringLiteral("--grandorgue FILE takes neither a NAME nor --tsv"));
    const QString path = options[QStringLiteral("grandorgue")];
    const Result<GrandOrgueConfig> config = readGrandOrgueConfig(path);
    if (!config.ok())
        return cliRefused({config.error()});
    const QList<GrandOrgueTemperament> &temperaments = config->userTemperaments();

    if (options.contains(QStringLiteral("title"))) {
        const QString title = options[QStringLiteral("title")];
        const bool inGroup = options.contains(QStringLiteral("group"));
        const QString group = options.value(QStringLiteral("group"));
        QList<const GrandOrgueTemperament *> found;
        for (const GrandOrgueTemperament &temperament : temperaments) {
            if (temperament.title == title && (!inGroup || temperament.group == group))
                found << &temperament;
        }
        const QString shown = quoted(QDir::toNativeSeparators(path));
        if (found.isEmpty())
            return cliRefused({QStringLiteral("%1 holds no user temperament titled %2%3; \"cordavo-cli library "
                                              "--grandorgue FILE\" lists them")
                                   .arg(shown, quoted(title),
                                        inGroup ? QStringLiteral(" in the group ") + quoted(group) : QString())});
        if (found.size() > 1) {
            QStringList groups;
            for (const GrandOrgueTemperament *temperament : found)
                groups << quoted(temperament->group);
            return cliRefused({QStringLiteral("%1 holds %2 user temperaments titled %3, in the groups %4; give "
                                              "--group GROUP to choose one")
                                   .arg(shown)
                                   .arg(found.size())
                                   .arg(quoted(title), groups.join(QStringLiteral(", ")))});
        }
        QStringList lines;
        for (int i = 0; i < 12; ++i)
            lines << noteName(i) + QLatin1Char('\t') + offsetText(found.first()->offsets[i]);
        return cliPrinted(lines);
    }

    // As "library" lists its own: those outside every group first, then each
    // group under its heading, in the file's order; each title with its Name.
    QStringList groups{QString()};
    for (const GrandOrgueTemperament &temperament : temperaments) {
        if (!groups.contains(temperament.group))
            groups << temperament.group;
    }
    QStringList lines;
    for (const QString &group : groups) {
        if (!group.isEmpty())
            lines << group + QLatin1Char(':');
        for (const GrandOrgueTemperament &temperament : temperaments) {
            // GrandOrgue's Master Controls panel shows the Name.
            if (temperament.group == group)
                lines << (group.isEmpty() ? QString() : QStringLiteral("  ")) + temperament.title + QLatin1Char('\t') +
                             temperament.name;
        }
    }
    if (lines.isEmpty())
        return CliResult{kCliSuccess,
                         {},
                         QStringLiteral("%1 holds no user temperaments\n").arg(quoted(QDir::toNativeSeparators(path)))};
    return cliPrinted(lines);
}

} // namespace cordavo
