// Any text as a search of the library, as its window and the command line
// search it: what is found matches, in library order, and an entry's own
// name, typed in any case, finds it. libFuzzer's -timeout bounds each run.

#include "FuzzCheck.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LibrarySearch.h"

using namespace cordavo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    check(library.ok(), "the built-in table reads");
    const QList<LibraryEntry> &entries = library->entries;

    const QString typed = QString::fromUtf8(bytesOf(data, size));
    const QList<const LibraryEntry *> found = findEntries(library.value(), typed);
    qsizetype last = -1;
    for (const LibraryEntry *entry : found) {
        const qsizetype at = entry - entries.constData();
        check(at > last && at < entries.size(), "what is found comes from the library, in its order");
        last = at;
        check(libraryNameMatches(*entry, typed), "what is found matches");
    }
    if (size > 0) {
        const LibraryEntry &entry = entries[data[0] % entries.size()];
        const QString name = data[0] & 1 ? entry.name.toUpper() : entry.name.toLower();
        check(findEntries(library.value(), name).contains(&entry), "an entry's own name finds it");
    }
    return 0;
}
