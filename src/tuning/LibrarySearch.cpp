#include "tuning/LibrarySearch.h"

#include "tuning/LibraryNames.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <tuple>

namespace cordavo {

namespace {

// Spellings of the same word in common use, folded; a word spelled one way
// is also found by the others.
const QList<QStringList> &alternativeSpellings()
{
    static const QList<QStringList> spellings = {
        {QStringLiteral("vallotti"), QStringLiteral("valotti")},
        {QStringLiteral("werckmeister"), QStringLiteral("werkmeister")},
        {QStringLiteral("neidhardt"), QStringLiteral("neidhart")},
        {QStringLiteral("kirnberger"), QStringLiteral("kirnberg")},
        {QStringLiteral("aaron"), QStringLiteral("aron")},
        // German typed without umlauts.
        {QStringLiteral("mitteltonig"), QStringLiteral("mitteltoenig")},
        {QStringLiteral("mitteltonige"), QStringLiteral("mitteltoenige")},
        {QStringLiteral("pythagoraisch"), QStringLiteral("pythagoraeisch")},
    };
    return spellings;
}

// The value of a word that is a number, Arabic ("12", "1724") or Roman in
// the letters I, V and X ("iii", "xii"); -1 for any other word.
int numberValue(const QString &word)
{
    if (word.isEmpty())
        return -1;
    bool digits = true;
    for (const QChar ch : word)
        digits = digits && ch >= u'0' && ch <= u'9';
    if (digits) {
        bool ok = false;
        const int value = word.size() <= 9 ? word.toInt(&ok) : -1;
        return ok ? value : -1;
    }
    // Looked up, not spelled out for each word: a long text has many words.
    static const QHash<QString, int> roman = [] {
        static const char *const kOnes[] = {"", "i", "ii", "iii", "iv", "v", "vi", "vii", "viii", "ix"};
        static const char *const kTens[] = {"", "x", "xx", "xxx"};
        QHash<QString, int> values;
        for (int tens = 0; tens < 4; ++tens) {
            for (int ones = 0; ones < 10; ++ones) {
                if (tens + ones > 0)
                    values.insert(QLatin1String(kTens[tens]) + QLatin1String(kOnes[ones]), 10 * tens + ones);
            }
        }
        return values;
    }();
    return roman.value(word, -1);
}

struct Word {
    QString folded;
    QStringList spellings;
    int number = -1;
    bool arabic = false; // a number written in digits
};

Word wordOf(const QString &folded)
{
    Word word{folded, {folded}, numberValue(folded), false};
    word.arabic = word.number >= 0 && folded.front().isDigit();
    for (const QStringList &spellings : alternativeSpellings()) {
        if (spellings.contains(folded))
            word.spellings = spellings;
    }
    return word;
}

QList<Word> wordsOf(QStringView text)
{
    QList<Word> words;
    for (const QString &folded : foldForSearch(text).split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words << wordOf(folded);
    return words;
}

// The words typed less repeats, which change no rank: a long text of a few
// words over and over is matched once for each.
QList<Word> distinctWords(const QList<Word> &words)
{
    QList<Word> distinct;
    QSet<QString> seen;
    for (const Word &word : words) {
        if (!seen.contains(word.folded)) {
            seen.insert(word.folded);
            distinct << word;
        }
    }
    return distinct;
}

// A name less its trailing attribution, the date in parentheses that may
// come with a name: "1/4 comma meantone (Aaron 1523)" without "(Aaron
// 1523)". A name alone in parentheses stays: "Bach (Bradley Lehman)" is
// Lehman's reading of Bach, one of several temperaments that carry Bach's
// name, not the temperament called "Bach". What tells one of two apart, as
// in "1/6-comma (bemols)" or "(A)", stays too.
QString withoutAttribution(const QString &name)
{
    static const QRegularExpression attribution(QStringLiteral("\\s*\\(([^()]*\\d[^()]*)\\)[\\s.]*$"));
    const QRegularExpressionMatch found = attribution.match(name);
    if (!found.hasMatch() || found.capturedStart() == 0)
        return name;
    return name.left(found.capturedStart());
}

enum class WordMatch { None, Prefix, Whole };

// A typed word against a word of a name: numbers only as whole numbers, and
// a word of digits only as one.
WordMatch matchWord(const Word &typed, const Word &name)
{
    if (name.number >= 0 || typed.arabic)
        return typed.number >= 0 && typed.number == name.number ? WordMatch::Whole : WordMatch::None;
    WordMatch best = WordMatch::None;
    for (const QString &spelling : name.spellings) {
        for (const QString &typedSpelling : typed.spellings) {
            if (spelling == typedSpelling)
                return WordMatch::Whole;
            if (spelling.startsWith(typedSpelling))
                best = WordMatch::Prefix;
        }
    }
    return best;
}

// How one name answers the typed words; nothing when a word is not found.
std::optional<RankedEntry> rankName(const QList<Word> &typed, const QString &name)
{
    const QList<Word> all = wordsOf(name);
    const QList<Word> core = wordsOf(withoutAttribution(name));
    RankedEntry ranked;
    ranked.match = NameMatch::Whole;
    for (const Word &word : typed) {
        WordMatch best = WordMatch::None;
        for (const Word &nameWord : all)
            best = std::max(best, matchWord(word, nameWord));
        if (best == WordMatch::None)
            return std::nullopt;
        if (best == WordMatch::Prefix)
            ranked.match = NameMatch::Prefix;
    }
    for (const Word &nameWord : core) {
        const bool typedWhole = std::any_of(typed.cbegin(), typed.cend(), [&nameWord](const Word &word) {
            return matchWord(word, nameWord) == WordMatch::Whole;
        });
        if (!typedWhole)
            ++ranked.untypedWords;
    }
    if (ranked.match == NameMatch::Whole && ranked.untypedWords == 0)
        ranked.match = NameMatch::Exact;
    return ranked;
}

auto rankKey(const RankedEntry &ranked)
{
    return std::make_tuple(ranked.byGroup, static_cast<int>(ranked.match), ranked.untypedWords, ranked.byOtherName);
}

std::optional<RankedEntry> rankEntry(const LibraryEntry &entry, const QList<Word> &typed)
{
    std::optional<RankedEntry> best = rankName(typed, entry.name);
    const auto consider = [&best, &typed](const QString &name, bool otherName, bool group) {
        std::optional<RankedEntry> ranked = rankName(typed, name);
        if (!ranked)
            return;
        ranked->byOtherName = otherName;
        ranked->byGroup = group;
        if (!best || rankKey(*ranked) < rankKey(*best))
            best = ranked;
    };
    // Its name in the other languages is its own name there.
    for (const QString &name : entry.localNames)
        consider(name, false, false);
    for (const QString &alias : entry.aliases)
        consider(alias, true, false);
    for (const QStringList &aliases : entry.localAliases) {
        for (const QString &alias : aliases)
            consider(alias, true, false);
    }
    if (!best) {
        for (const QString &group : libraryGroupSearchNames(entry.group))
            consider(group, true, true);
    }
    if (best)
        best->entry = &entry;
    return best;
}

// Names organists use for temperaments the library does not hold, with
// what it offers instead.
struct KnownAbsence {
    const char *typed;
    const char *remark;
    QStringList offered;
};

const QList<KnownAbsence> &knownAbsences()
{
    static const QList<KnownAbsence> absences = {
        {"Werckmeister I",
         QT_TRANSLATE_NOOP("Library",
                           "Werckmeister's first temperament is his just monochord, which the library does not hold; "
                           "the nearest is Pure Major. The library's Werckmeister III, 4, 5 and 6 are his "
                           "temperaments of 1691."),
         {QStringLiteral("Pure Major")}},
        {"Werckmeister II",
         QT_TRANSLATE_NOOP("Library",
                           "Werckmeister's second temperament is his meantone monochord, 1/4 syntonic comma "
                           "meantone. The library's Werckmeister III, 4, 5 and 6 are his temperaments of 1691."),
         {QStringLiteral("1/4 comma meantone (Aaron 1523)")}},
    };
    return absences;
}

// Whether the typed words are just these words, each typed whole.
bool typedExactly(const QList<Word> &typed, const QList<Word> &words)
{
    if (typed.size() != words.size())
        return false;
    for (const Word &word : words) {
        if (std::none_of(typed.cbegin(), typed.cend(),
                         [&word](const Word &t) { return matchWord(t, word) == WordMatch::Whole; }))
            return false;
    }
    return true;
}

int editDistance(QStringView a, QStringView b)
{
    QList<int> row(b.size() + 1);
    for (qsizetype j = 0; j <= b.size(); ++j)
        row[j] = static_cast<int>(j);
    for (qsizetype i = 1; i <= a.size(); ++i) {
        int diagonal = row[0];
        row[0] = static_cast<int>(i);
        for (qsizetype j = 1; j <= b.size(); ++j) {
            const int above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

QString foldForSearch(QStringView text)
{
    const QString decomposed = text.toString().normalized(QString::NormalizationForm_KD);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar ch : decomposed) {
        switch (ch.category()) {
        case QChar::Mark_NonSpacing:
        case QChar::Mark_SpacingCombining:
        case QChar::Mark_Enclosing:
            continue;
        default:
            break;
        }
        if (ch == QLatin1Char('\'') || ch == QChar(0x2019))
            continue;
        if (ch == QChar(0x00DF)) // sharp s, which has no single-letter folding
            out += QStringLiteral("ss");
        else if (ch.isLetterOrNumber() || ch == QLatin1Char('/'))
            out += ch;
        else
            out += QLatin1Char(' ');
    }
    return out.toCaseFolded().simplified();
}

const LibraryEntry *LibrarySearchResult::meant() const
{
    if (!remark.isEmpty() || ranked.isEmpty())
        return nullptr;
    if (ranked.size() > 1 && ranked[0].sameRank(ranked[1]))
        return nullptr;
    return ranked.first().entry;
}

QList<const LibraryEntry *> LibrarySearchResult::entries() const
{
    QList<const LibraryEntry *> out;
    for (const RankedEntry &r : ranked)
        out << r.entry;
    return out;
}

LibrarySearchResult searchLibrary(const TemperamentLibrary &library, QStringView typed)
{
    LibrarySearchResult result;
    const QList<Word> words = wordsOf(typed);
    if (words.isEmpty()) {
        for (const LibraryEntry &entry : library.entries)
            result.ranked << RankedEntry{&entry, NameMatch::Prefix, 0, false, false};
        return result;
    }
    for (const KnownAbsence &absence : knownAbsences()) {
        if (!typedExactly(words, wordsOf(QString::fromUtf8(absence.typed))))
            continue;
        // In the user's language in the windows; the command line has no
        // translation and prints the English.
        result.remark = QCoreApplication::translate("Library", absence.remark);
        for (const QString &name : absence.offered) {
            for (const LibraryEntry &entry : library.entries) {
                if (entry.name == name)
                    result.ranked << RankedEntry{&entry, NameMatch::Whole, 0, true, false};
            }
        }
        return result;
    }
    const QList<Word> distinct = distinctWords(words);
    for (const LibraryEntry &entry : library.entries) {
        if (const std::optional<RankedEntry> ranked = rankEntry(entry, distinct))
            result.ranked << *ranked;
    }
    std::stable_sort(result.ranked.begin(), result.ranked.end(),
                     [](const RankedEntry &a, const RankedEntry &b) { return rankKey(a) < rankKey(b); });
    return result;
}

bool libraryNameMatches(const LibraryEntry &entry, QStringView typed)
{
    const QList<Word> words = wordsOf(typed);
    return words.isEmpty() || rankEntry(entry, distinctWords(words)).has_value();
}

QList<const LibraryEntry *> findEntries(const TemperamentLibrary &library, QStringView typed)
{
    return searchLibrary(library, typed).entries();
}

QList<const LibraryEntry *> nearestEntries(const TemperamentLibrary &library, QStringView typed, int count)
{
    const QStringList typedWords = foldForSearch(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    struct Candidate {
        int score = 0;
        const LibraryEntry *entry = nullptr;
    };
    QList<Candidate> candidates;
    for (const LibraryEntry &entry : library.entries) {
        const QStringList words = foldForSearch(entry.name).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        Candidate candidate{0, &entry};
        for (const QString &typedWord : typedWords) {
            int nearest = static_cast<int>(typedWord.size());
            for (const QString &word : words) {
                // Words whose lengths differ by more than a third are never
                // near; skipping them keeps a huge typed word from costing
                // its length times every name's.
                if (std::abs(typedWord.size() - word.size()) <= typedWord.size() / 3)
                    nearest = std::min(nearest, editDistance(typedWord, word));
            }
            if (nearest <= typedWord.size() / 3)
                candidate.score += static_cast<int>(typedWord.size()) - nearest;
        }
        if (candidate.score > 0)
            candidates << candidate;
    }
    std::stable_sort(candidates.begin(), candidates.end(),
                     [](const Candidate &a, const Candidate &b) { return a.score > b.score; });
    QList<const LibraryEntry *> nearest;
    for (qsizetype i = 0; i < std::min<qsizetype>(count, candidates.size()); ++i)
        nearest << candidates[i].entry;
    return nearest;
}

} // namespace cordavo
