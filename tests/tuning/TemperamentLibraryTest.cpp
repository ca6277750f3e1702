#include "tuning/TemperamentLibrary.h"

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
    const TemperamentLibrary library = parseTemperamentLibrary(table);
    ASSERT_TRUE(library.ok()) << library.error.toStdString();
    // The three rows, then the constructed temperaments the table lacks.
    ASSERT_GT(library.entries.size(), 3);
    EXPECT_EQ(library.entries[0].name, QStringLiteral("Plain"));
    EXPECT_EQ(library.entries[0].group, QString());
    EXPECT_EQ(library.entries[1].group, QStringLiteral("Well tempered"));
    EXPECT_EQ(library.entries[1].deviations[0], 5.9L);
    EXPECT_EQ(library.entries[1].deviations[1], -3.905L);
    EXPECT_EQ(library.entries[1].deviations[11], -0.5L);
    EXPECT_EQ(library.entries[1].rowDecimals, 3);
    EXPECT_EQ(library.entries[2].rowDecimals, 0);
    EXPECT_FALSE(library.entries[1].constructed());
    EXPECT_EQ(library.groups().mid(0, 3),
              (QStringList{QString(), QStringLiteral("Well tempered"), QStringLiteral("Just")}));
    EXPECT_EQ(library.find(QStringLiteral("Other")), &library.entries[2]);
    EXPECT_EQ(library.find(QStringLiteral("other")), nullptr);
}

TEST(TemperamentLibraryTest, AConstructionReplacesItsRowAndKeepsTheRowAside)
{
    const QString table = QString::fromLatin1(kHeader) +
                          QStringLiteral("Werckmeister III\tMy group\t1\t1\t1\t1\t1\t1\t1\t1\t1\t0\t1\t1\n");
    const TemperamentLibrary library = parseTemperamentLibrary(table);
    ASSERT_TRUE(library.ok());
    const LibraryEntry *entry = library.find(QStringLiteral("Werckmeister III"));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry, &library.entries[0]) << "a constructed row keeps its place";
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
    const TemperamentLibrary library = parseTemperamentLibrary(QString::fromLatin1(kHeader));
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
        {"Valotti",
         "Well tempered",
         {0, 94.135, 196.09, 298.045, 392.18, 501.955, 592.18, 698.045, 796.09, 894.135, 1000, 1090.225}},
        {"1/6-comma meantone",
         "1/6 comma",
         {0, 88.594, 196.741, 304.888, 393.482, 501.629, 590.224, 698.371, 786.965, 895.112, 1003.259, 1091.853}},
        {"Pythagorean",
         "Pythagorean",
         {0, 113.685, 203.91, 294.135, 407.82, 498.045, 611.73, 701.955, 815.64, 905.865, 996.09, 1109.775}},
        {"Equal temperament", "", {0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100}},
    };
    for (const Case &c : cases) {
        const LibraryEntry *entry = library.find(QLatin1String(c.name));
        ASSERT_NE(entry, nullptr) << c.name;
        EXPECT_EQ(entry->group, QLatin1String(c.group)) << c.name;
        EXPECT_FALSE(entry->inTable());
        EXPECT_EQ(entry->tableRow, entry->deviations);
        expectNear(positionsFromDeviations(entry->deviations), c.positions, 0.0006, c.name);
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
        const TemperamentLibrary library = parseTemperamentLibrary(table);
        EXPECT_EQ(library.error, QLatin1String(c.error)) << c.name;
        EXPECT_FALSE(library.ok()) << c.name;
    }
}
