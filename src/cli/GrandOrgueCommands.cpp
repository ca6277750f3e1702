#include "cli/GrandOrgueCommands.h"

#include "tuning/GrandOrgueConfig.h"
#include "tuning/LineFile.h"

#include <QDir>
#include <QFileInfo>

namespace cordavo {

namespace {

const QString kDefaultGroup = QStringLiteral("Cordavo");

QString configOption(const CliOptions &options)
{
    return options.value(QStringLiteral("config"), grandOrgueConfigPath());
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
    const QString title = options.value(QStringLiteral("title"), source.name).trimmed();
    if (title.isEmpty())
        return cliUsageError(command, QStringLiteral("--title TEXT is required: the temperament has no name"));
    const QString group = options.value(QStringLiteral("group"), kDefaultGroup).trimmed();
    for (const auto &[what, text] :
         {std::pair{QStringLiteral("group"), group}, std::pair{QStringLiteral("title"), title}}) {
        const QString problem = grandOrgueTextProblem(what, text);
        if (!problem.isEmpty())
            return cliRefused({problem});
    }
    const Result<NoteCents> offsets =
        grandOrgueOffsets(source.cents, source.oldA, source.newA, options.contains(QStringLiteral("fold-pitch")));
    if (!offsets.ok())
        return cliRefused({offsets.error()});

    const QString path = configOption(options);
    const QString shown = quoted(QDir::toNativeSeparators(path));
    const bool replace = options.contains(QStringLiteral("replace"));
    if (!replace && QFileInfo::exists(path)) {
        const Result<GrandOrgueConfig> config = readGrandOrgueConfig(path);
        if (!config.ok())
            return cliRefused({config.error()});
        if (config->indexOf(group, title) >= 0)
            return cliRefused({QStringLiteral("%1 already holds a temperament titled %2 in the group %3; give "
                                              "--replace to replace it")
                                   .arg(shown, quoted(title), quoted(group))});
    }
    const Result<GrandOrgueTemperament> written = exportToGrandOrgue(path, group, title, offsets.value(), replace);
    if (!written.ok())
        return cliRefused({written.error()});
    return cliPrinted({QStringLiteral("%1 in the group %2 written into %3 as %4")
                           .arg(quoted(title), quoted(group), shown, written->name)});
}

std::optional<CliResult> grandOrgueLibrary(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("library");
    const bool fromFile = options.contains(QStringLiteral("grandorgue"));
    if (!fromFile) {
        if (options.contains(QStringLiteral("title")))
            return cliUsageError(command, QStringLiteral("--title is for --grandorgue FILE"));
        return std::nullopt;
    }
    if (!positionals.isEmpty() || options.contains(QStringLiteral("tsv")))
        return cliUsageError(command, QStringLiteral("--grandorgue FILE takes neither a NAME nor --tsv"));
    const QString path = options[QStringLiteral("grandorgue")];
    const Result<GrandOrgueConfig> config = readGrandOrgueConfig(path);
    if (!config.ok())
        return cliRefused({config.error()});
    const QList<GrandOrgueTemperament> &temperaments = config->userTemperaments();

    if (options.contains(QStringLiteral("title"))) {
        const QString title = options[QStringLiteral("title")];
        QList<const GrandOrgueTemperament *> found;
        for (const GrandOrgueTemperament &temperament : temperaments) {
            if (temperament.title == title)
                found << &temperament;
        }
        const QString shown = quoted(QDir::toNativeSeparators(path));
        if (found.isEmpty())
            return cliRefused({QStringLiteral("%1 holds no user temperament titled %2; \"cordavo-cli library "
                                              "--grandorgue FILE\" lists them")
                                   .arg(shown, quoted(title))});
        if (found.size() > 1) {
            QStringList groups;
            for (const GrandOrgueTemperament *temperament : found)
                groups << quoted(temperament->group);
            return cliRefused({QStringLiteral("%1 holds %2 user temperaments titled %3, in the groups %4")
                                   .arg(shown)
                                   .arg(found.size())
                                   .arg(quoted(title), groups.join(QStringLiteral(", ")))});
        }
        QStringList lines;
        for (int i = 0; i < 12; ++i)
            lines << noteName(i) + QLatin1Char('\t') + cliCentsText(found.first()->offsets[i]);
        return cliPrinted(lines);
    }

    // As "library" lists its own: those outside every group first, then each
    // group under its heading, in the file's order.
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
            if (temperament.group == group)
                lines << (group.isEmpty() ? temperament.title : QStringLiteral("  ") + temperament.title);
        }
    }
    if (lines.isEmpty())
        return CliResult{kCliSuccess,
                         {},
                         QStringLiteral("%1 holds no user temperaments\n").arg(quoted(QDir::toNativeSeparators(path)))};
    return cliPrinted(lines);
}

} // namespace cordavo
