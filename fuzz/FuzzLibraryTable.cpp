// Any text as the temperament table: a refusal names the line of the table;
// a table that reads gives named entries, each with A at 0 and every note
// finite and within an octave.

#include "FuzzCheck.h"
#include "tuning/TemperamentLibrary.h"

#include <QSet>

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Result<TemperamentLibrary> read = parseTemperamentLibrary(QString::fromUtf8(bytesOf(data, size)));
    if (!read.ok()) {
        check(read.error().startsWith(QLatin1String("Line ")) &&
                  read.error().contains(QLatin1String(" of the temperament table: ")),
              "a refusal names the line of the table");
        return 0;
    }
    QSet<QString> names;
    for (const LibraryEntry &entry : read->entries) {
        check(!entry.name.isEmpty() && !names.contains(entry.name), "each entry has a name of its own");
        names.insert(entry.name);
        check(std::fabs(entry.deviations[9]) < 1e-9L, "A is at 0");
        checkNotesInRange(entry.deviations, "every note within an octave");
        if (entry.inTable())
            checkNotesInRange(entry.tableRow, "every value of the table within an octave");
    }
    return 0;
}
