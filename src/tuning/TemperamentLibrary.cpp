#include "tuning/TemperamentLibrary.h"

#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "tuning/IntervalCents.h"
#include "tuning/LibraryNames.h"
#include "tuning/LineFile.h"
#include "tuning/PitchTable.h"
#include "tuning/TemperamentXml.h"

#include <QCoreApplication>
#include <QSet>

#include <cmath>

namespace cordavo {

namespace {

// The fifths in circle order.
enum : int { C_G, G_D, D_A, A_E, E_B, B_Fd, Fd_Cd, Cd_Gd, Gd_Eb, Eb_Bb, Bb_F, F_C };
const char *const kFifthNames[12] = {"C-G",   "G-D",   "D-A",   "A-E",   "E-B",  "B-F#",
                                     "F#-C#", "C#-G#", "G#-Eb", "Eb-Bb", "Bb-F", "F-C"};

// Enough decimals that the circle's rounding is far below any table's.
constexpr int kConstructionDecimals = 10;

// Name, group, C ... B.
constexpr int kColumns = 14;

// The difference between the Pythagorean and the syntonic comma.
constexpr long double kSchisma = kPythagoreanComma - kSyntonicComma;

// A text of the descriptions: in English for the library's entries, or in
// the user's language for the windows.
QString wording(bool display, const char *english)
{
    return display ? QCoreApplication::translate("Library", english) : QString::fromUtf8(english);
}

struct Construction {
    QString name;
    QString group;           // for a temperament the table lacks
    const char *description; // as given; none for a described circle or ratios
    QStringList fifths;      // a circle described from its fifths
    QStringList ratios;      // ratios described as they are
    NoteCents positions;
};

// Positions above C of a circle whose fifths are narrowed by these cents;
// the wolf, when named, takes whatever closes the circle.
NoteCents fromFifths(CircleValues narrowing, int wolf = -1)
{
    if (wolf >= 0) {
        narrowing[wolf] = 0;
        long double rest = kPythagoreanComma;
        for (long double n : narrowing)
            rest -= n;
        narrowing[wolf] = rest;
    }
    return circlePositions(narrowing, kConstructionDecimals);
}

// Eleven fifths narrowed alike by this part of the syntonic comma, the wolf
// closing the circle.
Construction meantone(const char *name, const char *group, long double fraction, int wolf, const char *description)
{
    CircleValues values{};
    values.fill(fraction * kSyntonicComma);
    return {QString::fromUtf8(name), QString::fromUtf8(group), description, {}, {}, fromFifths(values, wolf)};
}

// Eleven fifths of 32/55 octave, the wolf closing the circle.
Construction fiftyFive(const char *name, const char *group, int wolf, const char *description)
{
    CircleValues values{};
    values.fill(kPythagoreanCents[C_G] - 1200.0L * 32 / 55);
    return {QString::fromUtf8(name), QString::fromUtf8(group), description, {}, {}, fromFifths(values, wolf)};
}

// One fifth of a circle as written in circle(): "0" pure; "1/4S" or "1/12P"
// narrowed by that part of the syntonic or Pythagorean comma, "-1/12P"
// widened by it; "S" a whole syntonic comma; "s" the schisma; "w" a share,
// with the other "w" fifths, of whatever closes the circle.
struct FifthPart {
    long double cents = 0;
    bool pure = true;
    bool share = false;
    bool schisma = false;
    bool syntonic = false;
    QString fraction; // "1/4"; empty for a whole comma
};

// How far a fifth is narrowed or widened: "1/4 syntonic comma", "the schisma".
QString amountOf(const FifthPart &part, bool display)
{
    if (part.schisma)
        return wording(display, QT_TRANSLATE_NOOP("Library", "the schisma"));
    if (part.fraction.isEmpty())
        return part.syntonic ? wording(display, QT_TRANSLATE_NOOP("Library", "a syntonic comma"))
                             : wording(display, QT_TRANSLATE_NOOP("Library", "a Pythagorean comma"));
    return (part.syntonic ? wording(display, QT_TRANSLATE_NOOP("Library", "%1 syntonic comma"))
                          : wording(display, QT_TRANSLATE_NOOP("Library", "%1 Pythagorean comma")))
        .arg(part.fraction);
}

FifthPart parseFifth(QStringView token)
{
    FifthPart part;
    if (token == u"0")
        return part;
    part.pure = false;
    if (token == u"w") {
        part.share = true;
        return part;
    }
    long double sign = 1;
    if (token.startsWith(u'-')) {
        sign = -1;
        token = token.mid(1);
    }
    if (token == u"s") {
        part.cents = sign * kSchisma;
        part.schisma = true;
        return part;
    }
    const QChar comma = token.isEmpty() ? QChar() : token.back();
    if (comma != u'S' && comma != u'P')
        qFatal("A temperament construction has a fifth \"%s\"", qPrintable(token.toString()));
    part.syntonic = comma == u'S';
    const QStringView fraction = token.chopped(1);
    long double part_ = 1;
    if (!fraction.isEmpty()) {
        const qsizetype slash = fraction.indexOf(u'/');
        bool okNumerator = false, okDenominator = false;
        const int numerator = slash < 0 ? 0 : fraction.left(slash).toInt(&okNumerator);
        const int denominator = slash < 0 ? 0 : fraction.mid(slash + 1).toInt(&okDenominator);
        if (!okNumerator || !okDenominator || numerator <= 0 || denominator <= 0)
            qFatal("A temperament construction has a fifth \"%s\"", qPrintable(token.toString()));
        part_ = static_cast<long double>(numerator) / denominator;
        part.fraction = fraction.toString();
    }
    part.cents = sign * part_ * (comma == u'S' ? kSyntonicComma : kPythagoreanComma);
    return part;
}

QString listed(const QStringList &items, bool display)
{
    if (items.size() < 2)
        return items.join(QString());
    return wording(display, QT_TRANSLATE_NOOP("Library", "%1 and %2"))
        .arg(items.mid(0, items.size() - 1).join(QStringLiteral(", ")), items.last());
}

// A fifth's name, "F#-C#"; in the windows with the user's note names.
QString fifthName(int k, bool display)
{
    if (!display)
        return QLatin1String(kFifthNames[k]);
    const QByteArray name(kFifthNames[k]);
    const qsizetype dash = name.indexOf('-');
    return noteDisplayName(name.left(dash).constData()) + QLatin1Char('-') +
           noteDisplayName(name.mid(dash + 1).constData());
}

// "C-G, G-D and D-A narrowed by 1/6 Pythagorean comma; ...; the rest pure".
QString describeCircle(const QStringList &tokens, bool display)
{
    std::array<FifthPart, 12> parts;
    for (int k = 0; k < 12; ++k)
        parts[k] = parseFifth(tokens[k]);
    QStringList clauses;
    QStringList described;
    QStringList shares;
    bool anyPure = false;
    for (int k = 0; k < 12; ++k) {
        if (parts[k].share) {
            shares << fifthName(k, display);
            continue;
        }
        if (parts[k].pure) {
            anyPure = true;
            continue;
        }
        if (described.contains(tokens[k]))
            continue;
        described << tokens[k];
        QStringList fifths;
        for (int j = k; j < 12; ++j) {
            if (tokens[j] == tokens[k])
                fifths << fifthName(j, display);
        }
        clauses << (parts[k].cents > 0 ? wording(display, QT_TRANSLATE_NOOP("Library", "%1 narrowed by %2"))
                                       : wording(display, QT_TRANSLATE_NOOP("Library", "%1 widened by %2")))
                       .arg(listed(fifths, display), amountOf(parts[k], display));
    }
    if (shares.size() == 1)
        clauses
            << wording(display, QT_TRANSLATE_NOOP("Library", "%1 takes what closes the circle")).arg(shares.first());
    else if (shares.size() > 1)
        clauses << wording(display, QT_TRANSLATE_NOOP("Library", "%1 share what closes the circle"))
                       .arg(listed(shares, display));
    if (anyPure)
        clauses << wording(display, QT_TRANSLATE_NOOP("Library", "the rest pure"));
    return clauses.join(QStringLiteral("; "));
}

// A temperament given as its twelve fifths in circle order, C-G to F-C,
// each written as parseFifth() reads it; described from them unless a
// description is given.
Construction circle(const char *name, const char *group, const char *fifths, const char *description = nullptr)
{
    const QStringList tokens = QString::fromLatin1(fifths).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() != 12)
        qFatal("The construction of %s has %d fifths", name, static_cast<int>(tokens.size()));
    std::array<FifthPart, 12> parts;
    CircleValues narrowing{};
    QList<int> shares;
    long double rest = kPythagoreanComma;
    for (int k = 0; k < 12; ++k) {
        parts[k] = parseFifth(tokens[k]);
        if (parts[k].share) {
            shares << k;
        } else {
            narrowing[k] = parts[k].cents;
            rest -= parts[k].cents;
        }
    }
    if (shares.isEmpty() && std::fabs(rest) > 1e-9L)
        qFatal("The construction of %s does not close the circle", name);
    for (int k : shares)
        narrowing[k] = rest / shares.size();
    return {QString::fromUtf8(name), QString::fromUtf8(group), description, tokens, {}, fromFifths(narrowing)};
}

// A temperament given as twelve ratios above C, "1/1 16/15 ... 15/8".
Construction ratios(const char *name, const char *group, const char *ratioTexts, const char *description = nullptr)
{
    const QStringList tokens = QString::fromLatin1(ratioTexts).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (tokens.size() != 12)
        qFatal("The construction of %s has %d ratios", name, static_cast<int>(tokens.size()));
    NoteCents positions{};
    for (int i = 0; i < 12; ++i) {
        const QStringList terms = tokens[i].split(QLatin1Char('/'));
        bool okNumerator = false, okDenominator = false;
        const long double numerator = terms.value(0).toLongLong(&okNumerator);
        const long double denominator = terms.value(1).toLongLong(&okDenominator);
        if (terms.size() != 2 || !okNumerator || !okDenominator || numerator <= 0 || denominator <= 0)
            qFatal("The construction of %s has a ratio \"%s\"", name, qPrintable(tokens[i]));
        positions[i] = ratioCents(numerator / denominator);
    }
    return {QString::fromUtf8(name), QString::fromUtf8(group), description, {}, tokens, positions};
}

// How a temperament is built, in English or in the user's language.
QString describe(const Construction &c, bool display)
{
    if (c.description)
        return wording(display, c.description);
    if (!c.fifths.isEmpty())
        return describeCircle(c.fifths, display);
    return wording(display, QT_TRANSLATE_NOOP("Library", "just intonation on C: %1"))
        .arg(c.ratios.join(QLatin1Char(' ')));
}

// Every temperament whose construction is known: the table's rows in table
// order, then those the table lacks. A row's values give way to its
// construction's; BuiltInLibraryTest checks that each row agrees with its
// construction to the row's rounding, so a slip in the table shows.
QList<Construction> constructions()
{
    return {
        circle("Equal temperament", "", "1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P 1/12P",
               QT_TRANSLATE_NOOP("Library", "every fifth narrowed by 1/12 Pythagorean comma")),
        meantone("1/4 comma meantone (Aaron 1523)", "", 1.0L / 4, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb")),
        circle("Chaumont", "1/4 comma variants", "1/4S 1/4S 1/4S 1/4S 1/4S 1/4S 1/4S 1/4S w -1/5S -1/5S 1/4S"),
        circle("Corrette (1753)", "1/4 comma variants",
               "1/4P 1/4P 1/4P 1/4P 1/4P 1/4P 1/4P -1/12P w -1/12P -1/12P 1/4P"),
        circle("Victor Ferdinand Bossart (1743/44) Klosterkirche Muri", "1/4 comma variants",
               "1/8P 1/4P 1/4P 5/24P 5/24P 5/24P 1/6P 1/8P w 7/24P 1/24P 1/6P"),
        circle("Fisk-Vogel: Memorial Church at Stanford", "1/4 comma variants",
               "1/5P 1/5P 1/5P 1/5P 1/5P 1/4S 1/4S 1/4S w 1/4S 1/4S 1/5P"),
        circle("Mersenne's Improved Meantone 1", "1/4 comma variants",
               "1/4S 1/4S 1/4S 1/4S 1/4S 1/4S 1/4S 1/4S w 0 0 1/4S"),
        circle("Rameau's modified meantone temperament (1725)", "1/4 comma variants",
               "1/4S 1/4S 1/4S 1/4S 1/4S 0 0 0 w w 1/4S 1/4S"),
        circle("Rameau Nouveau Systeme (1726)", "1/4 comma variants", "1/4S 1/4S 1/4S 1/4S 1/4S w w w w w 1/4S 1/4S"),
        circle("Stade St. Cosmae", "1/4 comma variants", "1/4S 1/4S 1/4S 1/4S 1/4S 1/4S 0 0 w w 0 0"),
        meantone("1/5-comma meantone (Verheijen)", "1/5 comma", 1.0L / 5, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb")),
        meantone(
            "Holden (John) 1770", "1/5 comma", 1.0L / 5, Fd_Cd,
            QT_TRANSLATE_NOOP(
                "Library",
                "fifths from Db to F# narrowed by 1/5 syntonic comma, the wolf F#-Db; B, five such fifths above C, "
                "is 15/8")),
        circle("Scheffer (1748) modified, Sweden", "1/5 comma",
               "1/5S 1/5S 1/5S 1/5S 1/5S 1/5S 1/5S 1/5S w w 1/5S 1/5S"),
        circle("Schnitger organ St. Jakobi, Hamburg", "1/5 comma", "1/5S 1/5S 1/5S 1/5S 1/5S 1/5S 0 0 -1/5S w 0 1/5S"),
        meantone("1/6-comma meantone", "1/6 comma", 1.0L / 6, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb")),
        meantone("1/6-comma (bemols)", "1/6 comma", 1.0L / 6, Cd_Gd,
                 QT_TRANSLATE_NOOP("Library", "fifths from Ab to C# narrowed by 1/6 syntonic comma, the wolf C#-Ab")),
        circle("Modified 1/6-Pythagorean-comma temperament", "1/6 comma",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/12P 1/12P 0 0 -1/6P 0 1/6P"),
        circle("1/6-comma, wolf over 4 fifths", "1/6 comma", "1/6S 1/6S 1/6S 1/6S 1/6S 1/6S w w 1/6S w w 1/6S"),
        circle("Freytag Organ Bellingwolde 1798/2002", "1/6 comma",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 0 -1/6P -1/6P 1/6P 0 1/6P"),
        circle("G. Silbermann nr 2", "1/6 comma", "1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 1/6P w 1/6P 1/6P 1/6P"),
        fiftyFive("Sauveur (Memoires 1701)", "1/6 comma", B_Fd,
                  QT_TRANSLATE_NOOP("Library", "fifths of 32/55 octave (55 equal parts) from F# to B, the wolf B-F#")),
        meantone("3/14-comma meantone (Giordano Riccati, 1762)", "Various comma", 3.0L / 14, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 3/14 syntonic comma, the wolf G#-Eb")),
        circle("Lambert (1774) 1/7 comma", "Various comma", "1/7P 1/7P 1/7P 1/7P 1/7P 1/7P 0 0 0 0 0 1/7P"),
        circle("Variable meantone 1", "Various comma", "1/4S 1/4S 1/4S 1/4S 1/6S 1/6S 1/6S 1/6S w 1/6S 1/6S 1/6S"),
        circle("Variable meantone 2", "Various comma", "1/4S 1/4S 1/4S 1/4S 1/5S 1/6S 1/7S 1/8S w 1/7S 1/6S 1/5S"),
        circle("Variable meantone 3", "Various comma", "1/4S 1/4S 1/4S 1/4S 1/6S 0 0 0 w 0 0 1/6S"),
        circle("Variable meantone 4", "Various comma", "1/4S 1/4S 1/4S 1/4S 1/4S 0 0 0 w 0 0 1/4S"),
        meantone("Zarlino (1558) 2/7-comma meantone", "Various comma", 2.0L / 7, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb")),
        circle("Pythagorean", "Pythagorean", "0 0 0 0 0 0 0 0 w 0 0 0",
               QT_TRANSLATE_NOOP("Library", "pure fifths from Eb to G#, the wolf G#-Eb")),
        ratios("De Caus (1615)", "Pythagorean", "1/1 25/24 10/9 75/64 5/4 4/3 25/18 3/2 25/16 5/3 16/9 15/8"),
        circle("Grammateus (1518)", "Pythagorean", "0 0 0 0 0 1/2P 0 0 0 0 1/2P 0"),
        circle("Henri Arnaut De Zwolle. (1436).", "Pythagorean", "0 0 0 0 0 w 0 0 0 0 0 0",
               QT_TRANSLATE_NOOP("Library", "pure fifths from Gb to B, the wolf B-Gb")),
        ratios("Sauveur 1702", "Pythagorean", "1/1 25/24 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 9/5 15/8"),
        ratios(
            "Pure Major", "Other just", "1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8",
            QT_TRANSLATE_NOOP(
                "Library", "five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8")),
        ratios("Pure Minor", "Other just", "1/1 25/24 10/9 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8",
               QT_TRANSLATE_NOOP(
                   "Library",
                   "five-limit just intonation in A minor, the relative minor of Pure Major: A B C D E F G are 1/1 9/8 "
                   "6/5 4/3 3/2 8/5 9/5 above A, so D-F-A and A-C-E are pure; on C: 1/1 25/24 10/9 6/5 5/4 4/3 45/32 "
                   "3/2 8/5 5/3 16/9 15/8")),
        circle("Bach (Bradley Lehman)", "Well tempered", "1/6P 1/6P 1/6P 1/6P 0 0 0 1/12P 1/12P 1/12P -1/12P 1/6P"),
        circle("Gottfried Silbermann nr 1", "Well tempered",
               "1/12P 1/12P 7/24P 7/24P 1/12P 1/12P 5/24P 5/24P w 1/6P 5/24P 5/24P"),
        fiftyFive(
            "Heun (Jan) 1805", "Well tempered", Gd_Eb,
            QT_TRANSLATE_NOOP("Library", "fifths of 32/55 octave (55 equal parts) from Eb to G#, the wolf G#-Eb")),
        circle("Hinsz (1704 - 1785), Pelstergasthuiskerk Groningen", "Well tempered",
               "1/4P 1/4P 1/4P 1/4P 0 1/4P 0 0 -1/4P 0 0 0"),
        circle("Kellner's Bach tuning", "Well tempered", "1/5P 1/5P 1/5P 1/5P 0 1/5P 0 0 0 0 0 0",
               QT_TRANSLATE_NOOP("Library",
                                 "C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure")),
        ratios("Kepler's choice system (1619)", "Well tempered",
               "1/1 135/128 9/8 6/5 5/4 4/3 45/32 3/2 405/256 27/16 9/5 243/128"),
        circle("Kirnberger III", "Well tempered", "1/4S 1/4S 1/4S 1/4S 0 0 s 0 0 0 0 0",
               QT_TRANSLATE_NOOP(
                   "Library",
                   "C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure")),
        circle("Mercadier's well-temperament", "Well tempered", "1/6P 1/6P 1/6P 1/6P 0 1/12P 1/12P 1/12P 0 0 0 1/12P"),
        circle("Malerbi's well-temperament nr 1 (1794)", "Well tempered", "1/5P 1/5P 1/5P 1/5P 1/5P 0 0 0 0 0 0 0"),
        circle("Mark Lindley, Grosvenor Chapel, London", "Well tempered",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/12P 1/12P 0 0 -1/12P -1/12P 1/6P"),
        circle("Marpurg nr 1", "Well tempered", "0 0 S 0 0 0 s 0 0 0 0 0"),
        circle("Marpurg nr 2", "Well tempered", "0 0 0 0 1/6P 0 0 0 0 0 5/6P 0"),
        circle("Marpurg nr 3", "Well tempered", "0 0 0 0 3/4P 0 0 0 0 1/4P 0 0"),
        circle("Marpurg nr 4", "Well tempered", "0 0 0 0 2/3P 0 0 0 1/3P 0 0 0"),
        circle("Marpurg nr 5", "Well tempered", "0 0 0 0 5/12P 0 0 0 0 0 7/12P 0"),
        circle("Marpurg nr 7", "Well tempered", "1/3P 0 0 0 1/3P 0 0 0 1/3P 0 0 0"),
        circle("Marpurg nr 8", "Well tempered", "1/4P 0 0 0 1/4P 0 0 1/4P 0 0 1/4P 0"),
        circle("Marpurg nr 9", "Well tempered", "0 0 0 0 0 1/4P 1/4P 0 0 0 1/4P 1/4P"),
        circle("Marpurg nr 11", "Well tempered", "0 0 0 0 0 1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 0"),
        circle("Marpurg nr 12", "Well tempered", "-1/12P 0 0 1/6P 0 0 0 0 5/6P 0 0 1/12P"),
        circle("Mod. Silbermann nr 2", "Well tempered",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 1/6P -1/2P -1/6P 1/6P 1/6P"),
        circle("Neidhardt I (1724)", "Well tempered", "1/6P 1/6P 1/6P 1/6P 1/12P 1/12P 0 0 1/12P 1/12P 0 0"),
        circle("Neidhardt II (1724)", "Well tempered", "1/6P 1/6P 1/6P 1/12P 0 1/12P 1/12P 1/12P 0 0 1/12P 1/12P"),
        circle("Neidhardt III (1724)", "Well tempered", "1/6P 1/6P 1/6P 1/12P 0 1/12P 1/12P 1/12P 0 1/12P 1/12P 0"),
        circle("Norden", "Well tempered", "1/5P 1/5P 1/5P 1/5P 1/5P 1/5P 0 0 -1/5P -1/5P 0 1/5P"),
        circle("Schlick (Arnolt), 1511", "Well tempered",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/12P 1/12P -1/6P -1/6P 1/12P 1/12P 1/6P"),
        circle("Schlick: 1555", "Well tempered", "1/6P 1/6P 1/6P 1/6P 1/6P 1/8P 1/8P -3/8P -1/8P 1/8P 1/8P 1/6P"),
        circle("Schlick's (1991)", "Well tempered",
               "1/6P 1/6P 1/6P 1/6P 1/6P 1/12P 1/6P -5/12P -1/12P 1/6P 1/12P 1/6P"),
        circle("Sorge II (1744)", "Well tempered", "1/6P 1/6P 1/12P 1/12P 0 1/12P 1/12P 0 0 1/12P 1/12P 1/6P"),
        circle("Sorge III (1744)", "Well tempered", "1/6P 1/6P 1/6P 0 1/6P 1/12P 1/12P 0 0 1/12P 1/12P 0"),
        circle("Sorge, 1758", "Well tempered", "1/6P 1/6P 1/6P 1/12P 0 1/12P 1/12P 0 1/12P 1/12P 1/12P 0"),
        circle("Vallotti", "Well tempered", "1/6P 1/6P 1/6P 1/6P 1/6P 0 0 0 0 0 0 1/6P",
               QT_TRANSLATE_NOOP("Library",
                                 "F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure")),
        circle("Werckmeister III", "Well tempered", "1/4P 1/4P 1/4P 0 0 1/4P 0 0 0 0 0 0",
               QT_TRANSLATE_NOOP("Library", "C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure")),
        circle("Werckmeister 4 (1691)", "Well tempered", "1/3P 0 1/3P 0 1/3P 0 1/3P 0 -1/3P -1/3P 1/3P 0"),
        circle("Werckmeister 5 (1691)", "Well tempered", "0 0 1/4P 1/4P 0 0 1/4P 1/4P -1/4P 0 0 1/4P"),
        ratios("Werckmeister 6", "Well tempered",
               "1/1 98/93 28/25 196/165 49/39 4/3 196/139 196/131 49/31 196/117 98/55 49/26",
               QT_TRANSLATE_NOOP(
                   "Library",
                   "Werckmeister's septenarius, string lengths out of 196 as ratios: 1/1 98/93 28/25 196/165 49/39 4/3 "
                   "196/139 196/131 49/31 196/117 98/55 49/26; D is the corrected 28/25 (196/175), not the misprinted "
                   "196/176 that left G-D 13 cents narrow")),
        ratios("Agricola's Monochord, Rudimenta musices (1539)", "Harpsichord/Piano/Monochord",
               "1/1 135/128 9/8 1215/1024 81/64 4/3 45/32 3/2 405/256 27/16 16/9 243/128"),
        ratios("Mersenne spinet 1", "Harpsichord/Piano/Monochord",
               "1/1 16/15 10/9 6/5 5/4 4/3 64/45 3/2 8/5 5/3 16/9 15/8"),
        ratios("Mersenne spinet 2", "Harpsichord/Piano/Monochord",
               "1/1 25/24 9/8 75/64 5/4 4/3 25/18 3/2 25/16 5/3 16/9 15/8"),
        ratios("Ramos de Pareja 1482 - Monochord", "Harpsichord/Piano/Monochord",
               "1/1 135/128 10/9 32/27 5/4 4/3 45/32 3/2 128/81 5/3 16/9 15/8"),
        ratios("Sorge Monochord (1756)", "Harpsichord/Piano/Monochord",
               "1/1 25/24 9/8 75/64 5/4 4/3 45/32 3/2 25/16 5/3 9/5 15/8"),
        circle("Kirnberger I", "Well tempered", "0 0 S 0 0 0 s 0 0 0 0 0",
               QT_TRANSLATE_NOOP(
                   "Library", "pure fifths but D-A, narrowed by a syntonic comma, and F#-C#, narrowed by the schisma")),
        circle("Kirnberger II", "Well tempered", "0 0 1/2S 1/2S 0 0 s 0 0 0 0 0",
               QT_TRANSLATE_NOOP("Library",
                                 "D-A and A-E narrowed by 1/2 syntonic comma, F#-C# by the schisma, the rest pure")),
        circle(
            "Young I", "Well tempered", "3/16S 3/16S 3/16S 3/16S w w 0 0 0 0 w w",
            QT_TRANSLATE_NOOP(
                "Library",
                "C-G, G-D, D-A and A-E narrowed by 3/16 syntonic comma; E-B, B-F#, Bb-F and F-C share the rest of the "
                "Pythagorean comma (1/16 syntonic comma and 1/4 schisma each); F#-C#, C#-G#, G#-Eb and Eb-Bb pure")),
        circle("Young II", "Well tempered", "1/6P 1/6P 1/6P 1/6P 1/6P 1/6P 0 0 0 0 0 0",
               QT_TRANSLATE_NOOP("Library",
                                 "C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure")),
        meantone("1/3-comma meantone (Salinas 1577)", "Various comma", 1.0L / 3, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 1/3 syntonic comma, the wolf G#-Eb")),
        meantone("2/9-comma meantone (Rossi 1666)", "Various comma", 2.0L / 9, Gd_Eb,
                 QT_TRANSLATE_NOOP("Library", "fifths from Eb to G# narrowed by 2/9 syntonic comma, the wolf G#-Eb")),
        circle("Sorge I (1744)", "Well tempered", "1/4P 1/4P 1/4P 1/4P 0 0 0 0 0 0 0 0"),
        circle("Barnes (1979)", "Well tempered", "1/6P 1/6P 1/6P 1/6P 0 1/6P 0 0 0 0 0 1/6P"),
        circle("Marpurg nr 10", "Well tempered", "1/6P 0 1/6P 0 1/6P 0 1/6P 0 1/6P 0 1/6P 0",
               QT_TRANSLATE_NOOP(
                   "Library",
                   "fifths alternately narrowed by 1/6 Pythagorean comma and pure round the circle from C: C-G, D-A, "
                   "E-B, F#-C#, G#-Eb and Bb-F narrowed, the rest pure")),
    };
}

// Other names the library's entries are known by; the filter finds them.
// Neidhardt named his circles of 1724 after the places they suit, and gave
// equal temperament for the court.
QList<std::pair<const char *, QStringList>> knownAliases()
{
    return {
        {"Equal temperament", {"ET", "12-TET", "12-EDO", "equal tempered", "Neidhardt Hof", "Neidhardt court"}},
        {"1/4 comma meantone (Aaron 1523)", {"quarter-comma meantone", "Praetorius"}},
        {"1/5-comma meantone (Verheijen)", {"fifth-comma meantone"}},
        {"1/6-comma meantone", {"sixth-comma meantone", "1/6-comma (dieses)", "Silbermann 1/6"}},
        {"G. Silbermann nr 2", {"Silbermann 1/6"}},
        {"1/3-comma meantone (Salinas 1577)", {"third-comma meantone"}},
        {"Pythagorean", {"Pythagoras"}},
        {"Grammateus (1518)", {"Marpurg nr 6"}},
        {"Pure Major", {"just intonation", "just major"}},
        {"Pure Minor", {"just minor"}},
        {"Neidhardt I (1724)", {"Neidhardt Dorf", "Neidhardt village"}},
        {"Neidhardt II (1724)", {"Neidhardt kleine Stadt", "Neidhardt small town"}},
        {"Neidhardt III (1724)", {"Neidhardt große Stadt", "Neidhardt big city"}},
        {"Marpurg nr 10", {"Neidhardt 1732"}},
        {"Sorge II (1744)", {"Sorge, 1744 (A)"}},
        {"Sorge III (1744)", {"Sorge, 1744 (B)"}},
        {"Barnes (1979)", {"Barnes Bach temperament"}},
        {"Vallotti", {"Tartini-Vallotti", "Vallotti-Young"}},
        {"Young I", {"Young's first"}},
        {"Young II", {"Young's second", "Vallotti-Young"}},
        {"Werckmeister 6", {"Werckmeister septenarius"}},
    };
}

// What a user should know of a row beyond its construction.
QList<std::pair<const char *, const char *>> knownRemarks()
{
    return {
        {"Fisk-Vogel: Memorial Church at Stanford",
         QT_TRANSLATE_NOOP("Library", "The construction is read off the row as compiled, not taken from a source; a "
                                      "published table differs by 0.65 cents at C#, F# and G#.")},
        {"Koenig, Balthasar Organ Niederehe 1714",
         QT_TRANSLATE_NOOP("Library", "As compiled, with the wolf on B-F#; the organ's restorer puts it on G#-D#.")},
        {"Schlick: 1555",
         QT_TRANSLATE_NOOP("Library",
                           "A modern well-tempered reading of Schlick's text of 1511, not a temperament of 1555.")},
    };
}

QString lineMessage(int line, const QString &problem)
{
    return QCoreApplication::translate("Library", "Line %1 of the temperament table: %2").arg(line).arg(problem);
}

int decimalsOf(QStringView text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}

} // namespace

Result<TemperamentLibrary> parseTemperamentLibrary(QStringView table)
{
    TemperamentLibrary library;
    const QStringList lines = splitLines(table);
    QSet<QString> names;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines[i];
        const int number = static_cast<int>(i) + 1;
        if (line.trimmed().isEmpty() || line.startsWith(QLatin1Char('#')) || line.startsWith(QLatin1String("name\t")))
            continue;
        const QStringList columns = line.split(QLatin1Char('\t'));
        if (columns.size() != kColumns) {
            return failure(lineMessage(
                number,
                QCoreApplication::translate("Library", "%1 columns instead of %2").arg(columns.size()).arg(kColumns)));
        }
        LibraryEntry entry;
        entry.name = columns[0].trimmed();
        entry.group = columns[1].trimmed();
        if (entry.name.isEmpty()) {
            return failure(lineMessage(number, QCoreApplication::translate("Library", "the name is empty")));
        }
        if (names.contains(entry.name)) {
            return failure(
                lineMessage(number, QCoreApplication::translate("Library", "\"%1\" comes twice").arg(entry.name)));
        }
        names.insert(entry.name);
        entry.rowDecimals = 0;
        for (int note = 0; note < 12; ++note) {
            const QString &text = columns[note + 2];
            const auto value = readRegional(text, QLatin1Char('.'));
            if (!value || !std::isfinite(*value)) {
                return failure(
                    lineMessage(number, QCoreApplication::translate("Library", "\"%1\" is not a number").arg(text)));
            }
            entry.tableRow[note] = *value;
            entry.rowDecimals = std::max(entry.rowDecimals, decimalsOf(text.trimmed()));
        }
        if (entry.tableRow[kAPitchClass] != 0) {
            return failure(lineMessage(number, QCoreApplication::translate("Library", "A is not 0")));
        }
        if (const Result<void> inRange = checkNoteRange(entry.tableRow, entry.name, QLatin1Char('.')); !inRange.ok())
            return failure(lineMessage(number, inRange.error()));
        entry.deviations = entry.tableRow;
        library.entries << entry;
    }

    for (const Construction &c : constructions()) {
        LibraryEntry *entry = nullptr;
        for (LibraryEntry &e : library.entries) {
            if (e.name == c.name)
                entry = &e;
        }
        if (!entry) {
            LibraryEntry added;
            added.name = c.name;
            added.group = c.group;
            library.entries << added;
            entry = &library.entries.last();
        }
        entry->construction = describe(c, false);
        entry->deviations = deviationsFromPositions(c.positions);
        if (!entry->inTable())
            entry->tableRow = entry->deviations;
    }
    for (const auto &[name, aliases] : knownAliases()) {
        for (LibraryEntry &entry : library.entries) {
            if (entry.name == QString::fromUtf8(name))
                entry.aliases = aliases;
        }
    }
    for (const auto &[name, remark] : knownRemarks()) {
        for (LibraryEntry &entry : library.entries) {
            if (entry.name == QString::fromUtf8(name))
                entry.remark = QString::fromUtf8(remark);
        }
    }
    addLocalNames(library.entries);
    return library;
}

QString libraryDisplayText(const QString &english)
{
    return QCoreApplication::translate("Library", english.toUtf8().constData());
}

QString libraryConstructionDisplayText(const LibraryEntry &entry)
{
    static const QList<Construction> all = constructions();
    for (const Construction &c : all) {
        if (c.name == entry.name)
            return describe(c, true);
    }
    return libraryDisplayText(entry.construction);
}

NoteCents positionsFromDeviations(const NoteCents &deviations)
{
    NoteCents positions{};
    for (int i = 0; i < 12; ++i)
        positions[i] = 100 * i + deviations[i] - deviations[0];
    return positions;
}

NoteCents deviationsFromPositions(const NoteCents &positions)
{
    const long double shift = positions[kAPitchClass] - 900;
    NoteCents deviations{};
    for (int i = 0; i < 12; ++i)
        deviations[i] = positions[i] - 100 * i - shift;
    return deviations;
}

} // namespace cordavo
