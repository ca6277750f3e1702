#include "tuning/KeyboardMapping.h"
#include "tuning/TemperamentLibrary.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace cordavo;

namespace {

// A mapping of twelve keys from these seven header values (one a line) and
// the pattern's entries, after two comment lines.
QByteArray mapping(const QByteArray &header, const QByteArray &entries = "0\n1\n2\n3\n4\n5\n6\n7\n8\n9\n10\n11\n")
{
    return "! test.kbm\n!\n" + header + entries;
}

const QByteArray kStandard = "12\n0\n127\n60\n69\n442.000000\n12\n";

} // namespace

TEST(KeyboardMappingTest, GoodMappingsLoad)
{
    const struct {
        const char *name;
        QByteArray bytes;
        int mapSize, middleKey, referenceKey;
        long double referenceHz;
    } cases[] = {
        {"Standard", mapping(kStandard), 12, 60, 69, 442},
        {"CrLfBlankLinesAndRemarks",
         "! a\r\n\r\n12 ! size\r\n0\r\n127\r\n48\r\n57\t! A3\r\n221\r\n12\r\n0\r\n1\r\n"
         "2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9\r\n10\r\n11",
         12, 48, 57, 221},
        {"Linear", mapping("0\n0\n127\n60\n60\n261.625565\n12\n", ""), 0, 60, 60, 261.625565L},
        // As Scala writes a linear mapping: formal octave 0.
        {"LinearAsScalaWritesIt", mapping("0\n0\n127\n60\n69\n440.000000\n0\n", ""), 0, 60, 69, 440},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<KeyboardMapping> read = parseKeyboardMapping(c.bytes, QStringLiteral("test.kbm"));
        ASSERT_TRUE(read.ok()) << qPrintable(read.error());
        EXPECT_EQ(read->mapSize, c.mapSize);
        EXPECT_EQ(read->middleKey, c.middleKey);
        EXPECT_EQ(read->referenceKey, c.referenceKey);
        EXPECT_NEAR(static_cast<double>(read->referenceHz), static_cast<double>(c.referenceHz), 1e-9);
        EXPECT_EQ(read->octaveDegree, 12);
        EXPECT_EQ(read->map.size(), c.mapSize);
    }
}

TEST(KeyboardMappingTest, MappingsOtherThanTwelveKeysOnCAreRefusedNamingTheLine)
{
    const struct {
        const char *name;
        QByteArray bytes;
        const char *message;
    } cases[] = {
        {"MapSize7", mapping("7\n0\n127\n60\n69\n440\n7\n", "0\n1\n2\n3\n4\n5\n6\n"),
         "Line 3 of \"test.kbm\": the map size is 7; only twelve keys to the octave load (12, or 0 for a linear "
         "mapping)"},
        {"NotANumber", mapping("twelve\n"),
         "Line 3 of \"test.kbm\": \"twelve\" is not a valid map size: a whole number from 0 to 128"},
        {"LastKeyBelowFirst", mapping("12\n60\n59\n60\n69\n440\n12\n"),
         "Line 5 of \"test.kbm\": \"59\" is not a valid last key: a whole number from 60 to 127"},
        {"MiddleKeyNotC", mapping("12\n0\n127\n61\n69\n440\n12\n"),
         "Line 6 of \"test.kbm\": the middle key 61 is not a C: the scale's 1/1 is C, on a key that is a multiple "
         "of 12 (60 for middle C)"},
        {"ReferenceKeyTooHigh", mapping("12\n0\n127\n60\n128\n440\n12\n"),
         "Line 7 of \"test.kbm\": \"128\" is not a valid reference key: a whole number from 0 to 127"},
        {"CommaFrequency", mapping("12\n0\n127\n60\n69\n440,5\n12\n"),
         "Line 8 of \"test.kbm\": \"440,5\" is not a frequency in Hz"},
        {"ZeroFrequency", mapping("12\n0\n127\n60\n69\n0.0\n12\n"),
         "Line 8 of \"test.kbm\": \"0.0\" is not a frequency in Hz"},
        {"OctaveDegree7", mapping("12\n0\n127\n60\n69\n440\n7\n"),
         "Line 9 of \"test.kbm\": the formal octave is degree 7; only degree 12 loads"},
        {"UnmappedKey", mapping(kStandard, "0\n1\n2\nx\n4\n5\n6\n7\n8\n9\n10\n11\n"),
         "Line 13 of \"test.kbm\": key 3 of the map plays \"x\"; only the degrees 0 to 11 in order load"},
        {"OutOfOrder", mapping(kStandard, "0\n2\n1\n3\n4\n5\n6\n7\n8\n9\n10\n11\n"),
         "Line 11 of \"test.kbm\": key 1 of the map plays \"2\"; only the degrees 0 to 11 in order load"},
        {"EndsInTheMap", mapping(kStandard, "0\n1\n2\n"),
         "Line 13 of \"test.kbm\": the file ends before the map entry of key 3"},
        {"Empty", "! only a comment\n", "Line 2 of \"test.kbm\": the file ends before the map size"},
        {"Binary", QByteArray("12\n\0", 4), "\"test.kbm\" is not a text file: it holds NUL bytes"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const Result<KeyboardMapping> read = parseKeyboardMapping(c.bytes, QStringLiteral("test.kbm"));
        ASSERT_FALSE(read.ok());
        EXPECT_EQ(read.error(), QString::fromUtf8(c.message));
    }
}

TEST(KeyboardMappingTest, TheReferenceKeySoundsAtTheMappingsFrequency)
{
    const NoteCents equal{0, 100, 200, 300, 400, 500, 600, 700, 800, 900, 1000, 1100};
    // Werckmeister III above C; with A at 0 its C lies 900 - 888.27 cents above equal.
    const NoteCents werckmeister{0,      90.225, 192.18, 294.135, 390.225, 498.045,
                                 588.27, 696.09, 792.18, 888.27,  996.09,  1092.18};
    KeyboardMapping a442;
    a442.referenceHz = 442;
    KeyboardMapping c4Equal; // middle C at its equal-tempered pitch under A = 440
    c4Equal.referenceKey = 60;
    c4Equal.referenceHz = 440 * std::pow(2.0L, -9 / 12.0L);
    KeyboardMapping a3 = a442;
    a3.referenceKey = 57;
    a3.referenceHz = 221;
    const long double up = 1200 * std::log2(442.0L / 440);
    const struct {
        const char *name;
        NoteCents positions;
        std::optional<KeyboardMapping> mapping;
        double oldA, newA;
        long double shift; // every note's value minus its value with A at 0
    } cases[] = {
        {"NoMapping", werckmeister, std::nullopt, 440, 442, 0},
        {"A442Boxes440", equal, a442, 440, 440, up},
        {"A442Boxes440To442", werckmeister, a442, 440, 442, 0},
        {"A442Boxes442To440", equal, a442, 442, 440, 1200 * std::log2(442.0L / 438)},
        {"A3Below", werckmeister, a3, 440, 440, 1200 * std::log2(221.0L / 220)},
        {"MiddleCEqual", werckmeister, c4Equal, 440, 440, 888.27L - 900},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        const NoteCents aAtZero = deviationsFromPositions(c.positions);
        const NoteCents got = deviationsFromScala(c.positions, c.mapping, c.oldA, c.newA);
        for (int i = 0; i < 12; ++i)
            EXPECT_NEAR(static_cast<double>(got[i] - aAtZero[i]), static_cast<double>(c.shift), 1e-9) << i;
    }
    // The example the program's users check: every note 7.85 cents up.
    EXPECT_NEAR(static_cast<double>(deviationsFromScala(equal, a442, 440, 440)[0]), 7.85, 0.005);
}
