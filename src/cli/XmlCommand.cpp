#include "cli/Commands.h"

#include "numbers/NumberFormat.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LineFile.h"
#include "tuning/TemperamentFiles.h"
#include "tuning/TemperamentXml.h"

#include <QFileInfo>

namespace cordavo {

namespace {

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

CliResult runXml(const CliOptions &options, const QStringList & /*positionals*/)
{
    const QString command = QStringLiteral("xml");
    if (!options.contains(QStringLiteral("supplier")))
        return cliUsageError(command, QStringLiteral("--supplier FILE is required"));
    const bool fromLibrary = options.contains(QStringLiteral("library"));
    if (fromLibrary == options.contains(QStringLiteral("temperament"))) {
        return cliUsageError(command, fromLibrary ? QStringLiteral("give either --temperament or --library, not both")
                                                  : QStringLiteral("--temperament FILE is required"));
    }
    CliPitches pitches;
    if (auto error = readCliPitches(command, options, pitches))
        return *error;

    const LineFileContents supplierFile = readLineFile(options[QStringLiteral("supplier")], kSupplierLayout, kFullStop);
    if (!supplierFile.ok())
        return cliRefused({supplierFile.error()});

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
            return cliRefused({temperamentFile.error()});
        applyTemperamentRecord(data, temperamentRecord(temperamentFile.value()));
        const Result<void> inRange =
            checkNoteRange(data.cents, QFileInfo(options[QStringLiteral("temperament")]).fileName(), kFullStop);
        if (!inRange.ok())
            return cliRefused({inRange.error()});
    }

    const QStringList errors = identificationErrors(data) + noteCentsErrors(data.cents, kFullStop);
    if (!errors.isEmpty())
        return cliRefused(errors);
    data.oldA = pitches.values[0];
    data.newA = pitches.values[1];

    const QByteArray bytes = xmlFileBytes(documentLines(temperamentXml(data)));
    return cliWritten(options.value(QStringLiteral("out"), QStringLiteral("-")), bytes);
}

} // namespace

const CliCommand kXmlCommand{"xml", kXmlHelp, {"supplier", "temperament", "library", "old-a", "new-a", "out"},
                             {},    runXml,   false};

} // namespace cordavo
