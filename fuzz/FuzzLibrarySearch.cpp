// Any text as a search of the library, as its window and the command line
// search it: what is found comes from the library, each entry once, best
// rank first, and matches what was typed (unless a remark says what is
// offered instead); an entry's own name, typed in any case, finds it.
// libFuzzer's -timeout bounds each run.

#include "FuzzCheck.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LibrarySearch.h"

#include <tuple>

using namespace cordavo;

namespace {

// Smaller is better, as the search ranks: entries found only by their
// group's name after all others.
auto rankOf(const RankedEntry &r)
{
    return std::make_tuple(r.byGroup, static_cast<int>(r.match), r.untypedWords, r.byOtherName);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    check(library.ok(), "the built-in table reads");
    const QList<LibraryEntry> &entries = library->entries;

    const QString typed = QString::fromUtf8(bytesOf(data, size));
    const LibrarySearchResult result = searchLibrary(library.value(), typed);
    QList<const LibraryEntry *> seen;
    for (qsizetype i = 0; i < result.ranked.size(); ++i) {
        const RankedEntry &r = result.ranked[i];
        const qsizetype at = r.entry - entries.constData();
        check(at >= 0 && at < entries.size(), "what is found comes from the library");
        check(!seen.contains(r.entry), "each entry is found once");
        seen << r.entry;
        if (i > 0)
            check(!(rankOf(r) < rankOf(result.ranked[i - 1])), "the best rank comes first");
        if (result.remark.isEmpty())
            check(libraryNameMatches(*r.entry, typed), "what is found matches");
    }
    if (size > 0) {
        const LibraryEntry &entry = entries[data[0] % entries.size()];
        const QString name = data[0] & 1 ? entry.name.toUpper() : entry.name.toLower();
        check(findEntries(library.value(), name).contains(&entry), "an entry's own name finds it");
    }
    return 0;
}
