#include "cli/Commands.h"

#include "cli/GrandOrgueCommands.h"
#include "numbers/NumberFormat.h"
#include "tuning/BuiltInLibrary.h"

namespace cordavo {

namespace {

const char kLibraryHelp[] = R"(Usage: cordavo-cli library [NAME | --tsv]
       cordavo-cli library --grandorgue FILE [--title TEXT [--group TEXT]]

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
then one whose words begin as given. A year in parentheses need not be
given ("1/4 comma meantone" is the one of Aaron 1523), but a name in
parentheses belongs to the name: "Bach" lists every temperament that carries
Bach's name, Bach (Bradley Lehman) among them. The entry that stands alone
at the best rank is taken; otherwise the candidates are listed best first
and the name is refused, as is one that matches none.

  --tsv    the whole library as a table in the columns of the built-in
           table: a header line, then name, group and the deviations of
           C to B, tab-separated: a row's as the table gives them, a
           constructed temperament's as its construction gives them,
           rounded as the windows round (to two decimals, or to the row's
           decimals where it has more)
  --grandorgue FILE
           the user temperaments of GrandOrgue's settings file FILE instead,
           listed by group and title, each title followed by a tab and the
           name GrandOrgue's Master Controls panel shows; with --title TEXT,
           that temperament's twelve offsets as for NAME (A is not moved to
           0), to the three decimals GrandOrgue keeps; --group TEXT chooses
           among temperaments of that title in several groups

Example: cordavo-cli library werkmeister iii
)";

// A value of the table as --tsv prints it: a row's as the table gives it; a
// constructed temperament's as the construction gives it, rounded half away
// from zero as the windows round, to two decimals or to the row's, if more.
QString tableText(const LibraryEntry &entry, int note)
{
    if (!entry.constructed())
        return cliCentsText(entry.tableRow[note]);
    const long double scale = std::pow(10.0L, std::max(2, entry.rowDecimals));
    return cliCentsText(std::round(entry.deviations[note] * scale) / scale);
}

CliResult runLibrary(const CliOptions &options, const QStringList &positionals)
{
    const QString command = QStringLiteral("library");
    if (auto grandOrgue = grandOrgueLibrary(options, positionals))
        return *grandOrgue;
    const bool tsv = options.contains(QStringLiteral("tsv"));
    if (tsv && !positionals.isEmpty())
        return cliUsageError(command, QStringLiteral("give either --tsv or a NAME, not both"));
    if (!positionals.isEmpty()) {
        // The words of a name given unquoted are one name.
        const EntryLookup lookup = lookUpEntry(positionals.join(QLatin1Char(' ')));
        if (!lookup.entry)
            return lookup.refusal;
        QStringList lines;
        for (int i = 0; i < 12; ++i)
            lines << noteName(i) + QLatin1Char('\t') + cliCentsText(lookup.entry->deviations[i]);
        return cliPrinted(lines);
    }
    const Result<TemperamentLibrary> &library = builtInLibrary();
    if (!library.ok())
        return cliRefused({library.error()});
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
        return cliPrinted(lines);
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
    return cliPrinted(lines);
}

} // namespace

const CliCommand kLibraryCommand{"library", kLibraryHelp, {"grandorgue", "title", "group"}, {"tsv"}, runLibrary};

} // namespace cordavo
