#include "tuning/LibrarySearch.h"

#include <QStringList>

namespace cordavo {

namespace {

// Spellings of the same word in common use, folded; a word spelled one way
// is also found by the others. Numbers are written both ways too
// (Werckmeister III, Werckmeister 4).
const QList<QStringList> &alternativeSpellings()
{
    static const QList<QStringList> spellings = {
        {QStringLiteral("vallotti"), QStringLiteral("valotti")},
        {QStringLiteral("werckmeister"), QStringLiteral("werkmeister")},
        {QStringLiteral("neidhardt"), QStringLiteral("neidhart")},
        {QStringLiteral("kirnberger"), QStringLiteral("kirnberg")},
        {QStringLiteral("aaron"), QStringLiteral("aron")},
        {QStringLiteral("1"), QStringLiteral("i")},
        {QStringLiteral("2"), QStringLiteral("ii")},
        {QStringLiteral("3"), QStringLiteral("iii")},
        {QStringLiteral("4"), QStringLiteral("iv")},
        {QStringLiteral("5"), QStringLiteral("v")},
        {QStringLiteral("6"), QStringLiteral("vi")},
    };
    return spellings;
}

// The folded name and aliases, each also in every alternative spelling of
// its words, one per line: a typed word never holds a line break, so it
// cannot match across two of them.
QString searchText(const LibraryEntry &entry)
{
    QStringList texts;
    texts << foldForSearch(entry.name);
    for (const QString &alias : entry.aliases)
        texts << foldForSearch(alias);
    for (qsizetype t = 0, original = texts.size(); t < original; ++t) {
        const QStringList words = texts[t].split(QLatin1Char(' '));
        for (qsizetype w = 0; w < words.size(); ++w) {
            for (const QStringList &spellings : alternativeSpellings()) {
                if (!spellings.contains(words[w]))
                    continue;
                for (const QString &spelling : spellings) {
                    QStringList respelled = words;
                    respelled[w] = spelling;
                    texts << respelled.join(QLatin1Char(' '));
                }
            }
        }
    }
    return texts.join(QLatin1Char('\n'));
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

bool libraryNameMatches(const LibraryEntry &entry, QStringView typed)
{
    const QStringList words = foldForSearch(typed).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.isEmpty())
        return true;
    const QString text = searchText(entry);
    for (const QString &word : words) {
        if (!text.contains(word))
            return false;
    }
    return true;
}

QList<const LibraryEntry *> findEntries(const TemperamentLibrary &library, QStringView typed)
{
    QList<const LibraryEntry *> found;
    for (const LibraryEntry &entry : library.entries) {
        if (libraryNameMatches(entry, typed))
            found << &entry;
    }
    return found;
}

} // namespace cordavo
