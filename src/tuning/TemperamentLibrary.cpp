#include "tuning/TemperamentLibrary.h"

#include "numbers/NumberFormat.h"
#include "tuning/CircleOfFifths.h"
#include "tuning/IntervalCents.h"
#include "tuning/LineFile.h"

#include <QSet>

#include <cmath>

namespace cordavo {

namespace {

// The fifths in circle order.
enum : int { C_G, G_D, D_A, A_E, E_B, B_Fd, Fd_Cd, Cd_Gd, Gd_Eb, Eb_Bb, Bb_F, F_C };

// Enough decimals that the circle's rounding is far below any table's.
constexpr int kConstructionDecimals = 10;
constexpr int kNoteA = 9;
// Name, group, C ... B.
constexpr int kColumns = 14;

// The difference between the Pythagorean and the syntonic comma.
constexpr long double kSchisma = 1.95372L;

struct Construction {
    const char *name;
    const char *group; // for a temperament the table lacks
    const char *description;
    NoteCents positions;
};

long double syntonic(long double fraction)
{
    return fraction * kSyntonicComma;
}

long double pythagorean(long double fraction)
{
    return fraction * kPythagoreanComma;
}

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

CircleValues fifths(std::initializer_list<int> tempered, long double narrowing)
{
    CircleValues values{};
    for (int k : tempered)
        values[k] = narrowing;
    return values;
}

// Eleven fifths from Eb to G# narrowed alike, the wolf between G# and Eb.
NoteCents meantone(long double narrowing)
{
    CircleValues values{};
    values.fill(narrowing);
    return fromFifths(values, Gd_Eb);
}

NoteCents fromRatios(const int (&ratios)[12][2])
{
    NoteCents positions{};
    for (int i = 0; i < 12; ++i)
        positions[i] = ratioCents(static_cast<long double>(ratios[i][0]) / ratios[i][1]);
    return positions;
}

QList<Construction> constructions()
{
    CircleValues kirnberger = fifths({C_G, G_D, D_A, A_E}, syntonic(1.0L / 4));
    kirnberger[Fd_Cd] = kSchisma;
    const int fiveLimit[12][2] = {{1, 1},   {16, 15}, {9, 8}, {6, 5}, {5, 4},  {4, 3},
                                  {45, 32}, {3, 2},   {8, 5}, {5, 3}, {16, 9}, {15, 8}};
    return {
        {"Equal temperament", "", "every fifth narrowed by 1/12 Pythagorean comma",
         fromFifths(
             fifths({C_G, G_D, D_A, A_E, E_B, B_Fd, Fd_Cd, Cd_Gd, Gd_Eb, Eb_Bb, Bb_F, F_C}, pythagorean(1.0L / 12)))},
        {"Pythagorean", "Pythagorean", "pure fifths from Eb to G#, the wolf G#-Eb", fromFifths(CircleValues{}, Gd_Eb)},
        {"1/4 comma meantone (Aaron 1523)", "", "fifths from Eb to G# narrowed by 1/4 syntonic comma, the wolf G#-Eb",
         meantone(syntonic(1.0L / 4))},
        {"1/5-comma meantone (Verheijen)", "1/5 comma",
         "fifths from Eb to G# narrowed by 1/5 syntonic comma, the wolf G#-Eb", meantone(syntonic(1.0L / 5))},
        {"1/6-comma meantone", "1/6 comma", "fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb",
         meantone(syntonic(1.0L / 6))},
        {"1/6-comma (dieses)", "1/6 comma", "fifths from Eb to G# narrowed by 1/6 syntonic comma, the wolf G#-Eb",
         meantone(syntonic(1.0L / 6))},
        {"Zarlino (1558) 2/7-comma meantone", "Various comma",
         "fifths from Eb to G# narrowed by 2/7 syntonic comma, the wolf G#-Eb", meantone(syntonic(2.0L / 7))},
        {"Werckmeister III", "Well tempered", "C-G, G-D, D-A and B-F# narrowed by 1/4 Pythagorean comma, the rest pure",
         fromFifths(fifths({C_G, G_D, D_A, B_Fd}, pythagorean(1.0L / 4)))},
        {"Valotti", "Well tempered", "F-C, C-G, G-D, D-A, A-E and E-B narrowed by 1/6 Pythagorean comma, the rest pure",
         fromFifths(fifths({F_C, C_G, G_D, D_A, A_E, E_B}, pythagorean(1.0L / 6)))},
        {"Kirnberger III", "Well tempered",
         "C-G, G-D, D-A and A-E narrowed by 1/4 syntonic comma, F#-C# by the schisma, the rest pure",
         fromFifths(kirnberger)},
        {"Kellner's Bach tuning", "Well tempered",
         "C-G, G-D, D-A, A-E and B-F# narrowed by 1/5 Pythagorean comma, the rest pure",
         fromFifths(fifths({C_G, G_D, D_A, A_E, B_Fd}, pythagorean(1.0L / 5)))},
        {"Young II", "Well tempered",
         "C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/6 Pythagorean comma, the rest pure",
         fromFifths(fifths({C_G, G_D, D_A, A_E, E_B, B_Fd}, pythagorean(1.0L / 6)))},
        {"Pure Major", "Other just",
         "five-limit just intonation on C: 1/1 16/15 9/8 6/5 5/4 4/3 45/32 3/2 8/5 5/3 16/9 15/8",
         fromRatios(fiveLimit)},
    };
}

QString lineMessage(int line, const QString &problem)
{
    return QStringLiteral("Line %1 of the temperament table: %2").arg(line).arg(problem);
}

int decimalsOf(QStringView text)
{
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(text.size() - point - 1);
}

} // namespace

QStringList TemperamentLibrary::groups() const
{
    QStringList out;
    for (const LibraryEntry &entry : entries) {
        if (!out.contains(entry.group))
            out << entry.group;
    }
    return out;
}

const LibraryEntry *TemperamentLibrary::find(const QString &name) const
{
    for (const LibraryEntry &entry : entries) {
        if (entry.name == name)
            return &entry;
    }
    return nullptr;
}

TemperamentLibrary parseTemperamentLibrary(QStringView table)
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
            library.error =
                lineMessage(number, QStringLiteral("%1 columns instead of %2").arg(columns.size()).arg(kColumns));
            return library;
        }
        LibraryEntry entry;
        entry.name = columns[0].trimmed();
        entry.group = columns[1].trimmed();
        if (entry.name.isEmpty()) {
            library.error = lineMessage(number, QStringLiteral("the name is empty"));
            return library;
        }
        if (names.contains(entry.name)) {
            library.error = lineMessage(number, QStringLiteral("\"%1\" comes twice").arg(entry.name));
            return library;
        }
        names.insert(entry.name);
        entry.rowDecimals = 0;
        for (int note = 0; note < 12; ++note) {
            const QString &text = columns[note + 2];
            const auto value = readRegional(text, QLatin1Char('.'));
            if (!value || !std::isfinite(*value)) {
                library.error = lineMessage(number, QStringLiteral("\"%1\" is not a number").arg(text));
                return library;
            }
            entry.tableRow[note] = *value;
            entry.rowDecimals = std::max(entry.rowDecimals, decimalsOf(text.trimmed()));
        }
        if (entry.tableRow[kNoteA] != 0) {
            library.error = lineMessage(number, QStringLiteral("A is not 0"));
            return library;
        }
        entry.deviations = entry.tableRow;
        library.entries << entry;
    }

    for (const Construction &c : constructions()) {
        const QString name = QString::fromUtf8(c.name);
        LibraryEntry *entry = nullptr;
        for (LibraryEntry &e : library.entries) {
            if (e.name == name)
                entry = &e;
        }
        if (!entry) {
            library.entries << LibraryEntry{name, QString::fromUtf8(c.group), {}, {}, {}, -1};
            entry = &library.entries.last();
        }
        entry->construction = QString::fromUtf8(c.description);
        entry->deviations = deviationsFromPositions(c.positions);
        if (!entry->inTable())
            entry->tableRow = entry->deviations;
    }
    return library;
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
    const long double shift = positions[kNoteA] - 900;
    NoteCents deviations{};
    for (int i = 0; i < 12; ++i)
        deviations[i] = positions[i] - 100 * i - shift;
    return deviations;
}

} // namespace cordavo
