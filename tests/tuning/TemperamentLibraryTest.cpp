#include "tuning/TemperamentLibrary.h"
#include "LibraryLookup.h"
#include "tuning/BuiltInLibrary.h"
#include "tuning/LibraryNames.h"
#include "tuning/LibrarySearch.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

void expectNear(const NoteCents &actual, const NoteCents &expected, long double tolerance, const char *what)
{
    for (int i = 0; i < 12; ++i)
        EXPECT_NEAR(static_cast<double>(actual[i]), static_cast<double>(expected[i]), static_cast<double>(tolerance))
            << what << ", note " << i;
}

const char *const kHeader = "# A comment line\nname\tgroup\tC\tC#\tD\tD#\tE\tF\tF#\tG\tG#\tA\tA#\tB\n";

} // namespace

TEST(TemperamentLibraryTest, ReadsRowsGroupsAndSigns)
{
    const QString table = QString::fromLatin1(kHeader) +
                          QStringLiteral("Plain\t\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\r\n"
                                         "Signed\tWell tempered\t+5.9\t-3.905\t+2\t0\t0\t0\t0\t0\t0\t0\t0\t-0.5\n"
                                         "\n"
                                         "Other\tJust\t16\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0");
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(table);
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    // The three rows, then the constructed temperaments the table lacks.
    ASSERT_GT(library->entries.size(), 3);
    EXPECT_EQ(library->entries[0].name, QStringLiteral("Plain"));
    EXPECT_EQ(library->entries[0].group, QString());
    EXPECT_EQ(library->entries[1].group, QStringLiteral("Well tempered"));
    EXPECT_EQ(library->entries[1].deviations[0], 5.9L);
    EXPECT_EQ(library->entries[1].deviations[1], -3.905L);
    EXPECT_EQ(library->entries[1].deviations[11], -0.5L);
    EXPECT_EQ(library->entries[1].rowDecimals, 3);
    EXPECT_EQ(library->entries[2].rowDecimals, 0);
    EXPECT_FALSE(library->entries[1].constructed());
    EXPECT_EQ(groupsOf(library.value()).mid(0, 3),
              (QStringList{QString(), QStringLiteral("Well tempered"), QStringLiteral("Just")}));
    EXPECT_EQ(entryNamed(library.value(), QStringLiteral("Other")), &library->entries[2]);
    EXPECT_EQ(entryNamed(library.value(), QStringLiteral("other")), nullptr);
}

TEST(TemperamentLibraryTest, AConstructionReplacesItsRowAndKeepsTheRowAside)
{
    const QString table = QString::fromLatin1(kHeader) +
                          QStringLiteral("Werckmeister III\tMy group\t1\t1\t1\t1\t1\t1\t1\t1\t1\t0\t1\t1\n");
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(table);
    ASSERT_TRUE(library.ok());
    const LibraryEntry *entry = entryNamed(library.value(), QStringLiteral("Werckmeister III"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, &library->entries[0]) << "a constructed row keeps its place";
    EXPECT_EQ(entry->group, QStringLiteral("My group")) << "the table's group stands";
    EXPECT_TRUE(entry->constructed());
    EXPECT_TRUE(entry->inTable());
    EXPECT_EQ(entry->tableRow[0], 1);
    expectNear(entry->deviations, {11.73, 1.955, 3.91, 5.865, 1.955, 9.775, 0, 7.82, 3.91, 0, 7.82, 3.91}, 0.001,
               "Werckmeister III");
    EXPECT_EQ(entry->deviations[9], 0);
}

TEST(TemperamentLibraryTest, ConstructionsTheTableLacksAreAdded)
{
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(QString::fromLatin1(kHeader));
    ASSERT_TRUE(library.ok());
    struct Case {
        const char *name;
        const char *group;
        NoteCents positions; // above C, to 0.001
    };
    const Case cases[] = {
        {"Kirnberger III",
         "Well tempered",
         {0, 90.225, 193.157, 294.135, 386.314, 498.045, 590.224, 696.578, 792.18, 889.735, 996.09, 1088.269}},
        {"Young II",
         "Well tempered",
         {0, 90.225, 196.09, 294.135, 392.18, 498.045, 588.27, 698.045, 792.18, 894.135, 996.09, 1090.225}},
        {"Pure Major",
         "Other just",
         {0, 111.731, 203.91, 315.641, 386.314, 498.045, 590.224, 701.955, 813.686, 884.359, 996.09, 1088.269}},
        {"Vallotti",
         "Well tempered",
         {0, 94.135, 196.09, 298.045, 392.18, 501.955, 592.18, 698.045, 796.09, 894.135, 1000, 1090.225}},
        {"1/6-comma meantone",
         "1/6 comma",
         {0, 88.594, 196.741, 304.888, 393.482, 501.629, 590.224, 698.371, 786.965, 895.112, 1003.259, 1091.853}},
        {"Pythagorean",
         "Pythagorean",
         {0, 113.685, 203.91, 294.135, 407.82, 498.045, 611.73, 701.955, 815.64, 905.865, 996.09, 1109.775}},
        {"Equal temperament", "", {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}},
        // D-A narrowed by a syntonic comma, F#-C# by the schisma: A is 5/3, E 5/4.
        {"Kirnberger I",
         "Well tempered",
         {0, 90.225, 203.91, 294.135, 386.314, 498.045, 590.224, 701.955, 792.18, 884.359, 996.09, 1088.269}},
        // D-A and A-E each narrowed by half a syntonic comma: E is still 5/4.
        {"Kirnberger II",
         "Well tempered",
         {0, 90.225, 203.91, 294.135, 386.314, 498.045, 590.224, 701.955, 792.18, 895.112, 996.09, 1088.269}},
        {"Young I",
         "Well tempered",
         {0, 93.89, 195.845, 297.8, 391.69, 499.878, 591.935, 697.923, 795.845, 893.768, 999.755, 1091.813}},
        // A pure minor third C-Eb (6/5) and major sixth C-A (5/3).
        {"1/3-comma meantone (Salinas 1577)",
         "Various comma",
         {0, 63.504, 189.572, 315.641, 379.145, 505.214, 568.717, 694.786, 758.29, 884.359, 1010.428, 1073.931}},
        {"2/9-comma meantone (Rossi 1666)",
         "Various comma",
         {0, 80.231, 194.352, 308.473, 388.703, 502.824, 583.055, 697.176, 777.407, 891.527, 1005.648, 1085.879}},
        // C-G, G-D, D-A and A-E narrowed by 1/4 Pythagorean comma.
        {"Sorge I (1744)",
         "Well tempered",
         {0, 90.225, 192.18, 294.135, 384.36, 498.045, 588.27, 696.09, 792.18, 888.27, 996.09, 1086.315}},
        // F-C to A-E and B-F# narrowed by 1/6 Pythagorean comma.
        {"Barnes (1979)",
         "Well tempered",
         {0, 94.135, 196.09, 298.045, 392.18, 501.955, 592.18, 698.045, 796.09, 894.135, 1000, 1094.135}},
        // Every other fifth narrowed by 1/6 Pythagorean comma: whole tones of 200 cents on C.
        {"Marpurg nr 10",
         "Well tempered",
         {0, 98.045, 200, 298.045, 400, 498.045, 600, 698.045, 800, 898.045, 1000, 1098.045}},
    };
    for (const Case &c : cases) {
        const LibraryEntry *entry = entryNamed(library.value(), QLatin1String(c.name));
        ASSERT_NE(entry, nullptr) << c.name;
        EXPECT_EQ(entry->group, QLatin1String(c.group)) << c.name;
        EXPECT_FALSE(entry->inTable());
        EXPECT_EQ(entry->tableRow, entry->deviations);
        expectNear(positionsFromDeviations(entry->deviations), c.positions, 0.0006, c.name);
    }
}

// The four slips the compiled table copied from its sources, as the
// constructions give them (deviations, A = 0).
TEST(TemperamentLibraryTest, ConstructionsCorrectTheTablesSlips)
{
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(QString::fromLatin1(kHeader));
    ASSERT_TRUE(library.ok());
    struct Case {
        const char *name;
        NoteCents deviations;
        long double tolerance;
    };
    const Case cases[] = {
        // D is 28/25 above C, not the misprinted 196/176 (-6.88), so G-D is no longer 13 cents narrow.
        {"Werckmeister 6", {6.786, -2.553, 2.984, 4.851, 1.955, 4.831, 1.708, 4.33, -0.598, 0, 6.806, 3.91}, 0.0006},
        // B with E-B and B-F# narrowed like the other tempered fifths, by 1/5 Pythagorean comma: -5.474, not -5.104.
        {"Norden", {8.211, -6.256, 2.737, 2.346, -2.737, 10.948, -8.211, 5.474, -4.301, 0, 8.993, -5.474}, 0.0006},
        // E -1.955 and F +7.82, which the one-decimal row gave as -1.9 and +7.9.
        {"Bach (Bradley Lehman)", {5.865, 3.91, 1.955, 3.91, -1.955, 7.82, 1.955, 3.91, 3.91, 0, 3.91, 0}, 0.0006},
        // Ab four fifths below C: 11.41, not 11.39.
        {"1/6-comma (bemols)",
         {4.888, -6.518, 1.629, 9.776, -1.629, 6.518, -4.888, 3.259, 11.406, 0, 8.147, -3.259},
         0.0006},
    };
    for (const Case &c : cases) {
        const LibraryEntry *entry = entryNamed(library.value(), QLatin1String(c.name));
        ASSERT_NE(entry, nullptr) << c.name;
        EXPECT_TRUE(entry->constructed()) << c.name;
        expectNear(entry->deviations, c.deviations, c.tolerance, c.name);
    }
    const LibraryEntry *werckmeister = entryNamed(library.value(), QStringLiteral("Werckmeister 6"));
    EXPECT_TRUE(werckmeister->construction.contains(QStringLiteral("D is the corrected 28/25")))
        << werckmeister->construction.toStdString();
    // G-D (700 + D - G cents) is 3.3 cents narrow, where the misprint made it 13.
    EXPECT_NEAR(static_cast<double>(700 + werckmeister->deviations[2] - werckmeister->deviations[7]), 698.654, 0.001);
}

TEST(TemperamentLibraryTest, AConstructionIsDescribedByItsFifths)
{
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(QString::fromLatin1(kHeader));
    struct Case {
        const char *name;
        const char *description;
    };
    const Case cases[] = {
        {"Neidhardt I (1724)", "C-G, G-D, D-A and A-E narrowed by 1/6 Pythagorean comma; E-B, B-F#, G#-Eb and Eb-Bb "
                               "narrowed by 1/12 Pythagorean comma; the rest pure"},
        {"Bach (Bradley Lehman)", "C-G, G-D, D-A, A-E and F-C narrowed by 1/6 Pythagorean comma; C#-G#, G#-Eb and "
                                  "Eb-Bb narrowed by 1/12 Pythagorean comma; Bb-F widened by 1/12 Pythagorean comma; "
                                  "the rest pure"},
        {"Stade St. Cosmae", "C-G, G-D, D-A, A-E, E-B and B-F# narrowed by 1/4 syntonic comma; G#-Eb and Eb-Bb share "
                             "what closes the circle; the rest pure"},
        {"Marpurg nr 1", "D-A narrowed by a syntonic comma; F#-C# narrowed by the schisma; the rest pure"},
        {"De Caus (1615)", "just intonation on C: 1/1 25/24 10/9 75/64 5/4 4/3 25/18 3/2 25/16 5/3 16/9 15/8"},
    };
    for (const Case &c : cases) {
        const LibraryEntry *entry = entryNamed(library.value(), QLatin1String(c.name));
        ASSERT_NE(entry, nullptr) << c.name;
        EXPECT_EQ(entry->construction, QLatin1String(c.description)) << c.name;
    }
}

TEST(TemperamentLibraryTest, SearchFoldsCaseAccentsAndPunctuation)
{
    EXPECT_EQ(foldForSearch(u"  Kellner's Bach-tuning (1977) "), QStringLiteral("kellners bach tuning 1977"));
    EXPECT_EQ(foldForSearch(u"VALLÓTTI"), QStringLiteral("vallotti"));
    EXPECT_EQ(foldForSearch(u"Mitteltönig, 1/4-Komma"), QStringLiteral("mitteltonig 1/4 komma"));
    EXPECT_EQ(foldForSearch(u"Stra\u00DFe"), QStringLiteral("strasse"));
    EXPECT_EQ(foldForSearch(u"Ne\u0301idhardt"), QStringLiteral("neidhardt")) << "a combining accent";
}

TEST(TemperamentLibraryTest, SearchFindsTheUsualSpellingsInAnyOrder)
{
    const QString table = QString::fromLatin1(kHeader) +
                          QStringLiteral("Vallotti\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                         "Werckmeister III\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                         "Werckmeister 4 (1691)\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                         "Neidhardt I (1724)\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                         "Kirnberger III\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n"
                                         "Kellner's Bach tuning\tWell tempered\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\n");
    const Result<TemperamentLibrary> library = parseTemperamentLibrary(table);
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    const auto names = [&library](QStringView typed) {
        QStringList out;
        for (const LibraryEntry *entry : findEntries(library.value(), typed))
            out << entry->name;
        return out;
    };
    const auto meant = [&library](QStringView typed) {
        const LibraryEntry *entry = searchLibrary(library.value(), typed).meant();
        return entry ? entry->name : QStringLiteral("(none alone)");
    };
    for (const char16_t *typed : {u"Vallotti", u"vallotti", u"VALOTTI", u"Valotti", u"Vallótti", u"valot", u"Tartini",
                                  u"tartini vallotti", u"Vallotti Tartini", u"tartini-valotti", u"  vall  "})
        EXPECT_EQ(meant(typed), QStringLiteral("Vallotti")) << QString::fromUtf16(typed).toStdString();

    for (const char16_t *typed :
         {u"Werckmeister III", u"werkmeister iii", u"III Werckmeister", u"Werkmeister 3", u"werckmeister 3"})
        EXPECT_EQ(meant(typed), QStringLiteral("Werckmeister III")) << QString::fromUtf16(typed).toStdString();
    EXPECT_EQ(names(u"werkmeister"),
              (QStringList{QStringLiteral("Werckmeister III"), QStringLiteral("Werckmeister 4 (1691)"),
                           QStringLiteral("Werckmeister 5 (1691)"), QStringLiteral("Werckmeister 6")}));
    EXPECT_EQ(names(u"1691 WERKMEISTER iv"), QStringList{QStringLiteral("Werckmeister 4 (1691)")});
    EXPECT_EQ(names(u"Werckmeister IV"), QStringList{QStringLiteral("Werckmeister 4 (1691)")});
    EXPECT_EQ(names(u"septenarius"), QStringList{QStringLiteral("Werckmeister 6")});

    // An organist who types "Neidhart I" means Neidhardt's first circle, not all three.
    EXPECT_EQ(names(u"Neidhart I"), QStringList{QStringLiteral("Neidhardt I (1724)")});
    EXPECT_EQ(names(u"neidhart 1724 ii"), QStringList{QStringLiteral("Neidhardt II (1724)")});
    EXPECT_EQ(meant(u"Kirnberg III"), QStringLiteral("Kirnberger III"));
    EXPECT_EQ(meant(u"kirnberger 2"), QStringLiteral("Kirnberger II"));
    EXPECT_EQ(names(u"kellners"), QStringList{QStringLiteral("Kellner's Bach tuning")});
    EXPECT_EQ(names(u"kellner's bach"), QStringList{QStringLiteral("Kellner's Bach tuning")});
    EXPECT_EQ(meant(u"Aron"), QStringLiteral("1/4 comma meantone (Aaron 1523)"));
    EXPECT_EQ(names(u"vallotti werckmeister"), QStringList()) << "every word must match";
    EXPECT_EQ(names(u"").size(), library->entries.size()) << "nothing typed finds everything";
    EXPECT_EQ(names(u" - "), names(u""));

    const LibraryEntry *entry = entryNamed(library.value(), QStringLiteral("Vallotti"));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->aliases.contains(QStringLiteral("Tartini-Vallotti")));
    EXPECT_TRUE(libraryNameMatches(*entry, u"tartini"));
    EXPECT_FALSE(libraryNameMatches(*entry, u"kirnberger"));
}

// The names organists and tuners use, typed into the shipped library, and
// the entry listed first: "=>" when it stands alone at its rank (the command
// line takes it), "->" when it comes first among candidates.
TEST(LibrarySearchTest, OrganistsNamesFindTheirEntries)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    const char *const cases[] = {
        "Werckmeister V / Werckmeister 5 => Werckmeister 5 (1691)",
        "Werckmeister 3 / Werck III => Werckmeister III",
        "Werckmeister -> Werckmeister III",
        "Werckmeister II -> 1/4 comma meantone (Aaron 1523)",
        "Werckmeister I -> Pure Major",
        "Neidhardt I / Neidhardt 1 / Neidhardt Dorf / village => Neidhardt I (1724)",
        "Neidhardt 2 / Neidhardt II / kleine Stadt / small town => Neidhardt II (1724)",
        "Neidhardt große Stadt / grosse Stadt / big city => Neidhardt III (1724)",
        "equal / ET / 12-TET / 12-EDO / equal tempered / Neidhardt Hof / court => Equal temperament",
        "fifth comma / 1/5 comma => 1/5-comma meantone (Verheijen)",
        "1/4 comma meantone / 1/4-comma meantone / meantone 1/4 / Praetorius => 1/4 comma meantone (Aaron 1523)",
        "Marpurg 1 / Marpurg I => Marpurg nr 1",
        "Marpurg 6 => Grammateus (1518)",
        "Marpurg 10 => Marpurg nr 10",
        "Niederehe => Koenig, Balthasar Organ Niederehe 1714",
        "Bossart => Victor Ferdinand Bossart (1743/44) Klosterkirche Muri",
        "just intonation => Pure Major",
        "just -> Pure Major",
        "Pythagoras => Pythagorean",
        "Vallotti Young / Vallotti-Young -> Vallotti",
        "Young 1 / Young's first => Young I",
        "Young 2 => Young II",
        "Sorge I => Sorge I (1744)",
        "Sorge II => Sorge II (1744)",
        "Sorge III => Sorge III (1744)",
        "Barnes => Barnes (1979)",
        // Several temperaments carry Bach's name; Lehman's reading is one of them.
        "Bach / bach -> Bach (Bradley Lehman)",
        "Bach Lehman / Lehman / Bradley Lehman => Bach (Bradley Lehman)",
        "Bach Kellner => Kellner's Bach tuning",
        "Bach Barnes / Barnes 1979 => Barnes (1979)",
        "1/5 comma meantone / Verheijen => 1/5-comma meantone (Verheijen)",
        "Silbermann 1/6 -> 1/6-comma meantone",
    };
    static const QRegularExpression form(QStringLiteral("^(.*) (=>|->) (.*)$"));
    for (const char *c : cases) {
        const QRegularExpressionMatch parts = form.match(QString::fromUtf8(c));
        ASSERT_TRUE(parts.hasMatch()) << c;
        for (const QString &typed : parts.captured(1).split(QStringLiteral(" / "))) {
            const LibrarySearchResult found = searchLibrary(library.value(), typed);
            ASSERT_FALSE(found.ranked.isEmpty()) << typed.toStdString();
            EXPECT_EQ(found.ranked.first().entry->name, parts.captured(3)) << typed.toStdString();
            EXPECT_EQ(found.meant() != nullptr, parts.captured(2) == QLatin1String("=>")) << typed.toStdString();
        }
    }
    const auto names = [&library](QStringView typed) {
        QStringList out;
        for (const LibraryEntry *entry : findEntries(library.value(), typed))
            out << entry->name;
        return out;
    };
    EXPECT_EQ(names(u"Silbermann 1/6"), (QStringList{"1/6-comma meantone", "G. Silbermann nr 2"}));
    EXPECT_TRUE(names(u"equal").contains(QStringLiteral("1/4-comma equal beating fifths")));
    EXPECT_TRUE(searchLibrary(library.value(), u"Werckmeister I").remark.contains(QStringLiteral("just monochord")));
    // Never inside another word or number: "ii" in "iii", "v" in "vi", "et" in "Corrette", "172" in "1724".
    const char *const notFound[][2] = {{"Werckmeister II", "Werckmeister III"}, {"Werckmeister v", "Werckmeister 6"},
                                       {"Neidhardt 2", "Neidhardt III (1724)"}, {"et", "Corrette (1753)"},
                                       {"172", "Neidhardt I (1724)"},           {"Marpurg 1", "Marpurg nr 11"}};
    for (const auto &c : notFound)
        EXPECT_FALSE(names(QString::fromUtf8(c[0])).contains(QString::fromUtf8(c[1]))) << c[0];
}

// What organists of each language type for the generic temperaments, and
// the entry the command line takes for it, whatever the windows speak.
TEST(LibrarySearchTest, EachLanguagesWordsFindTheirEntries)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    const char *const cases[] = {
        "temperamento equabile / equabile / gleichstufig / gleichschwebend / gleichstufige Stimmung / gleichschwebende "
        "Temperatur / gelijkzwevend / gelijkzwevende stemming / tempérament égal / temperament egal / Tempérament "
        "égal => Equal temperament",
        "mesotonico / temperamento mesotonico a 1/4 di comma / mitteltönig / mitteltoenig / MITTELTONIG / "
        "mitteltönige Stimmung / middentoon / middentoonstemming / mésotonique / mesotonique / tempérament "
        "mésotonique => 1/4 comma meantone (Aaron 1523)",
        "mesotonico a 1/5 di comma / 1/5-Komma-mitteltönig / middentoon 1/5 komma / mésotonique au 1/5 de comma => "
        "1/5-comma meantone (Verheijen)",
        "mesotonico 1/6 di comma / 1/6-Komma-mitteltönige Stimmung / 1/6-komma-middentoonstemming / sixième de "
        "comma => 1/6-comma meantone",
        "mesotonico a 1/3 di comma / Drittelkomma / tiers de comma => 1/3-comma meantone (Salinas 1577)",
        "mesotonico 2/7 / 2/7-Komma / Zarlino middentoon => Zarlino (1558) 2/7-comma meantone",
        "pitagorico / accordatura pitagorica / pythagoreisch / pythagoräisch / pythagoreische Stimmung / pythagorees "
        "/ pythagoricien / accord pythagoricien => Pythagorean",
        "intonazione naturale / intonazione giusta / reine Stimmung / reine stemming / intonation juste / reine "
        "Stimmung Dur => Pure Major",
        "intonazione naturale minore / reine Stimmung Moll / reine stemming mineur / intonation juste mineur => Pure "
        "Minor",
        // The one generic well temperament, as in English; a group's other words list the group.
        "wohltemperiert / welgetemperd / buon temperamento / well temperament => Mercadier's well-temperament",
        "tempérament inégal / temperamento circolante -> Bach (Bradley Lehman)",
        "Mesotonico variabile 3 / Variable mitteltönige Stimmung 3 / mésotonique variable 3 => Variable meantone 3",
    };
    static const QRegularExpression form(QStringLiteral("^(.*) (=>|->) (.*)$"));
    for (const char *c : cases) {
        const QRegularExpressionMatch parts = form.match(QString::fromUtf8(c));
        ASSERT_TRUE(parts.hasMatch()) << c;
        for (const QString &typed : parts.captured(1).split(QStringLiteral(" / "))) {
            const LibrarySearchResult found = searchLibrary(library.value(), typed);
            ASSERT_FALSE(found.ranked.isEmpty()) << typed.toStdString();
            EXPECT_EQ(found.ranked.first().entry->name, parts.captured(3)) << typed.toStdString();
            EXPECT_EQ(found.meant() != nullptr, parts.captured(2) == QLatin1String("=>")) << typed.toStdString();
        }
    }
    // A group's name lists the group, after the entries found by their own names.
    const QList<const LibraryEntry *> wellTempered = findEntries(library.value(), u"tempérament inégal");
    EXPECT_GT(wellTempered.size(), 40);
    for (const LibraryEntry *entry : wellTempered)
        EXPECT_EQ(entry->group, QStringLiteral("Well tempered")) << entry->name.toStdString();
    EXPECT_EQ(findEntries(library.value(), u"Pythagorean").first()->name, QStringLiteral("Pythagorean"));
}

// The names as the windows show them: in their language with the English
// beside; proper names as they are.
TEST(LibrarySearchTest, NamesAreShownInTheWindowsLanguage)
{
    const Result<TemperamentLibrary> &library = builtInLibrary();
    ASSERT_TRUE(library.ok()) << library.error().toStdString();
    const struct {
        const char *english;
        const char *language;
        const char *shown;
    } cases[] = {
        {"Equal temperament", "it", "Temperamento equabile — Equal temperament"},
        {"Equal temperament", "en", "Equal temperament"},
        {"1/6-comma meantone", "fr", "Tempérament mésotonique au 1/6 de comma — 1/6-comma meantone"},
        {"Pure Minor", "de", "Reine Stimmung (Moll) — Pure Minor"},
        {"Werckmeister III", "de", "Werckmeister III"},
        {"Vallotti", "it", "Vallotti"},
    };
    for (const auto &c : cases) {
        const LibraryEntry *entry = entryNamed(library.value(), QString::fromUtf8(c.english));
        ASSERT_NE(entry, nullptr) << c.english;
        EXPECT_EQ(libraryShownName(*entry, QLatin1String(c.language)), QString::fromUtf8(c.shown));
    }
    // Every meantone row and every group has a name of its own in each language.
    for (const QString &language : libraryLanguages()) {
        for (const LibraryEntry &entry : library->entries) {
            if (entry.name.contains(QStringLiteral("meantone"), Qt::CaseInsensitive)) {
                EXPECT_TRUE(entry.localNames.contains(language))
                    << entry.name.toStdString() << " " << language.toStdString();
            }
        }
        for (const QString &group : groupsOf(library.value())) {
            if (!group.isEmpty()) {
                EXPECT_NE(libraryGroupName(group, language), group) << group.toStdString();
            }
        }
    }
}

TEST(TemperamentLibraryTest, PositionsAndDeviationsConvertBothWays)
{
    // Werckmeister III as positions above C, and as deviations with A = 0.
    const NoteCents positions{0,      90.225, 192.18, 294.135, 390.225, 498.045,
                              588.27, 696.09, 792.18, 888.27,  996.09,  1092.18};
    const NoteCents deviations{11.73, 1.955, 3.91, 5.865, 1.955, 9.775, 0, 7.82, 3.91, 0, 7.82, 3.91};
    expectNear(deviationsFromPositions(positions), deviations, 1e-12L, "deviations");
    expectNear(positionsFromDeviations(deviations), positions, 1e-12L, "positions");
    // Any shift of the deviations gives the same positions.
    NoteCents shifted = deviations;
    for (long double &d : shifted)
        d += 7.5L;
    expectNear(positionsFromDeviations(shifted), positions, 1e-12L, "shifted");
}

TEST(TemperamentLibraryTest, ABadTableNamesTheLineAndTheFault)
{
    struct Case {
        const char *name;
        const char *row;
        const char *error;
    };
    const Case cases[] = {
        {"TooFewColumns", "X\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 3 of the temperament table: 13 columns instead of 14"},
        {"TooManyColumns", "X\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 3 of the temperament table: 15 columns instead of 14"},
        {"NotANumber", "X\tG\t0\t0\t1,5\t0\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 3 of the temperament table: \"1,5\" is not a number"},
        {"EmptyNumber", "X\tG\t0\t0\t\t0\t0\t0\t0\t0\t0\t0\t0\t0",
         "Line 3 of the temperament table: \"\" is not a number"},
        {"EmptyName", "\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0", "Line 3 of the temperament table: the name is empty"},
        {"ANotZero", "X\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0.01\t0\t0", "Line 3 of the temperament table: A is not 0"},
        {"Twice", "Y\tG\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0\t0", "Line 4 of the temperament table: \"Y\" comes twice"},
    };
    for (const Case &c : cases) {
        QString table = QString::fromLatin1(kHeader) + QLatin1String(c.row);
        if (QLatin1String(c.name) == QLatin1String("Twice"))
            table = QString::fromLatin1(kHeader) + QLatin1String(c.row) + QLatin1Char('\n') + QLatin1String(c.row);
        const Result<TemperamentLibrary> library = parseTemperamentLibrary(table);
        EXPECT_EQ(library.error(), QLatin1String(c.error)) << c.name;
        EXPECT_FALSE(library.ok()) << c.name;
    }
}
