#include "tuning/CircleOfFifths.h"
#include "TestSettings.h"
#include "numbers/Separators.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <ostream>

using namespace cordavo;

namespace {

// Item indexes of the fifth boxes.
constexpr int kPure = 0, kHalf = 1, kQuarter = 3, kSixth = 5, kWidenFifth = 8, kWidenSixth = 9;

constexpr FifthChoices all(int item)
{
    FifthChoices items{};
    items.fill(item);
    return items;
}

constexpr FifthChoices with(FifthChoices items, std::initializer_list<int> fifths, int item)
{
    for (int k : fifths)
        items[k] = item;
    return items;
}

// Circle positions of the fifths, C-G = 0 ... F-C = 11.
enum : int { C_G, G_D, D_A, A_E, E_B, B_Fd, Fd_Cd, Cd_Gd, Gd_Eb, Eb_Bb, Bb_F, F_C };

const char *const kPureList =
    "0, 113.69, 203.91, 317.6, 407.82, 521.51, 611.73, 701.96, 815.64, 905.87, 1019.55, 1109.78";

struct CircleRow {
    const char *name;
    FifthChoices items;
    Comma comma;
    int decimals;
    const char *list; // C to B, full stop as decimal separator
};

const CircleRow kRows[] = {
    {"PureFifthsSyntonic", all(kPure), Comma::Syntonic, 2, kPureList},
    {"PureFifthsPythagorean", all(kPure), Comma::Pythagorean, 2, kPureList},
    {"QuarterCommaChainWithPureFC", with(all(kQuarter), {F_C}, kPure), Comma::Syntonic, 2,
     "0, 76.05, 193.16, 269.21, 386.31, 462.36, 579.47, 696.58, 772.63, 889.74, 965.78, 1082.89"},
    {"AllQuarterComma", all(kQuarter), Comma::Syntonic, 2,
     "0, 76.05, 193.16, 269.21, 386.32, 462.37, 579.47, 696.58, 772.63, 889.74, 965.79, 1082.9"},
    {"AllQuarterCommaNoDecimals", all(kQuarter), Comma::Syntonic, 0,
     "0, 76, 193, 269, 386, 462, 579, 696, 772, 889, 965, 1083"},
    {"AllQuarterCommaFourDecimals", all(kQuarter), Comma::Syntonic, 4,
     "0, 76.049, 193.1569, 269.2059, 386.3137, 462.3627, 579.4706, 696.5785, 772.6275, 889.7353, 965.7843, "
     "1082.8922"},
    {"AllQuarterCommaTenDecimals", all(kQuarter), Comma::Syntonic, 10,
     "0, 76.0489992635, 193.1568569324, 269.2058561959, 386.3137138649, 462.3627131283, 579.4705707973, "
     "696.5784284662, 772.6274277297, 889.7352853987, 965.7842846621, 1082.8921423311"},
    {"QuarterCommaWithPureGdEb", with(all(kQuarter), {Gd_Eb}, kPure), Comma::Syntonic, 2,
     "0, 76.05, 193.16, 274.59, 386.32, 467.74, 579.47, 696.58, 772.63, 889.74, 971.16, 1082.9"},
    {"FourQuarterPythagorean", with(all(kPure), {C_G, G_D, D_A, B_Fd}, kQuarter), Comma::Pythagorean, 2,
     "0, 90.22, 192.18, 294.13, 390.22, 498.04, 588.27, 696.09, 792.18, 888.27, 996.09, 1092.18"},
    {"SixSixthPythagorean", with(all(kPure), {F_C, C_G, G_D, D_A, A_E, E_B}, kSixth), Comma::Pythagorean, 2,
     "0, 94.13, 196.09, 298.04, 392.18, 501.95, 592.18, 698.04, 796.09, 894.13, 1000, 1090.22"},
    {"AllWidenedByAFifth", all(kWidenFifth), Comma::Syntonic, 2,
     "0, 143.8, 212.51, 356.31, 425.03, 568.82, 637.54, 706.26, 850.05, 918.77, 1062.56, 1131.28"},
    {"AllHalfPythagorean", all(kHalf), Comma::Pythagorean, 2,
     "0, 31.57, 180.45, 212.02, 360.9, 392.47, 541.35, 690.22, 721.8, 870.67, 902.25, 1051.12"},
    // Every item once, so that each fraction is exercised.
    {"EveryItemPythagorean",
     {1, 2, 3, 4, 5, 6, 7, 8, 9, 0, 2, 6},
     Comma::Pythagorean,
     3,
     "0, 63.581, 184.36, 276.093, 377.713, 472.183, 568.329, 690.225, 770.228, 880.45, 978.048, 1075.758"},
    {"ThirdsAndSeventhsSyntonic",
     {2, 6, 7, 9, 2, 6, 7, 9, 2, 6, 7, 9},
     Comma::Syntonic,
     1,
     "0, 73.4, 188.1, 273.7, 389.5, 462.9, 577.6, 694.8, 779, 883.9, 967.1, 1084.3"},
    // F-C only enters through rounding: alone it moves nothing, whichever way.
    {"FCAloneNarrowed", with(all(kPure), {F_C}, kQuarter), Comma::Syntonic, 2, kPureList},
    {"FCAloneWidened", with(all(kPure), {F_C}, kWidenFifth), Comma::Syntonic, 2, kPureList},
    {"FCAloneWidenedPythagorean", with(all(kPure), {F_C}, kWidenSixth), Comma::Pythagorean, 2, kPureList},
    // No item selected, or an index the box does not have: pure fifths.
    {"IndexesOutsideTheItems", {-1, 10, 99, -1, -5, 10, -1, 10, 11, -1, 10, -1}, Comma::Syntonic, 2, kPureList},
};

void PrintTo(const CircleRow &row, std::ostream *out)
{
    *out << row.name;
}

// The texts one per line, so that a failure shows them readably.
std::string lines(const QStringList &texts)
{
    return texts.join(QLatin1Char('\n')).toStdString();
}

std::string expectedLines(const char *list, QChar decimal)
{
    return lines(QString::fromLatin1(list).replace(QLatin1Char('.'), decimal).split(QStringLiteral(", ")));
}

class CircleOfFifthsRows : public ::testing::TestWithParam<std::tuple<CircleRow, Separators>>
{
};

std::string rowName(const ::testing::TestParamInfo<std::tuple<CircleRow, Separators>> &info)
{
    const bool comma = std::get<1>(info.param).decimal == QLatin1Char(',');
    return std::string(std::get<0>(info.param).name) + (comma ? "_CommaDecimal" : "_FullStopDecimal");
}

} // namespace

TEST_P(CircleOfFifthsRows, GivesTheListAsTexts)
{
    const auto &[row, separators] = GetParam();
    const QStringList texts = calculateCircle(row.items, row.comma, row.decimals, separators.decimal);
    EXPECT_EQ(texts.size(), 12);
    EXPECT_EQ(lines(texts), expectedLines(row.list, separators.decimal));
}

INSTANTIATE_TEST_SUITE_P(CircleOfFifths, CircleOfFifthsRows,
                         ::testing::Combine(::testing::ValuesIn(kRows),
                                            ::testing::Values(kCommaDecimal, kFullStopDecimal)),
                         rowName);

TEST(CircleOfFifths, NarrowingFCUnderQuarterCommaMovesOnlyTheNotesItsRoundingReaches)
{
    const QStringList open = calculateCircle(with(all(kQuarter), {F_C}, kPure), Comma::Syntonic, 2, '.');
    const QStringList closed = calculateCircle(all(kQuarter), Comma::Syntonic, 2, '.');
    QList<int> moved;
    for (int i = 0; i < 12; ++i) {
        if (open[i] != closed[i])
            moved << i;
    }
    EXPECT_EQ(moved, (QList<int>{4, 5, 10, 11})); // E, F, A#, B
}

TEST(CircleOfFifths, TypedTextCountsAsAnItemOnlyWhenItNamesOne)
{
    struct Case {
        const char *text;
        int item;
    };
    const Case cases[] = {
        {"     0", 0}, {"0", 0},    {"- 1/2", 1}, {"- 1/4", 3},   {"  - 1/4  ", 3}, {"-1/4", 3},
        {"- 2/7", 7},  {"+1/5", 8}, {"+ 1/6", 9}, {"\t- 1/3", 2}, {"1/4", 0},       {"- 1/7", 0},
        {"", 0},       {"abc", 0},  {"-1/4x", 0}, {"+1/2", 0},    {"- 2/5", 6},     {"-0.25", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(fifthItemOfText(QString::fromLatin1(c.text)), c.item) << '"' << c.text << '"';

    // Each item's own text names it.
    const QStringList items = fifthItemTexts();
    ASSERT_EQ(items.size(), kFifthItemCount);
    for (int i = 0; i < kFifthItemCount; ++i)
        EXPECT_EQ(fifthItemOfText(items[i]), i) << qPrintable(items[i]);
}

TEST(CircleOfFifths, EqualTemperamentHasNoSeparatorsUnderEitherSetting)
{
    const QStringList expected{"0", "100", "200", "300", "400", "500", "600", "700", "800", "900", "1000", "1100"};
    EXPECT_EQ(lines(equalTemperamentTexts(kCommaDecimal.decimal)), lines(expected));
    EXPECT_EQ(lines(equalTemperamentTexts(kFullStopDecimal.decimal)), lines(expected));
}

TEST(CircleOfFifths, ChainsUpwardFromCToF)
{
    // Eleven pure fifths above C land on E#, not on a pure fourth (498.04).
    const QStringList pure = calculateCircle(all(kPure), Comma::Syntonic, 4, '.');
    EXPECT_EQ(pure[5], QStringLiteral("521.505"));
    // With pure fifths the comma does not matter, at any rounding.
    for (int n = 0; n <= 10; ++n)
        EXPECT_EQ(lines(calculateCircle(all(kPure), Comma::Pythagorean, n, '.')),
                  lines(calculateCircle(all(kPure), Comma::Syntonic, n, '.')))
            << n;
}

TEST(CircleNotes, NameTheNotesTheFifthsReachWithTheCirclesFlats)
{
    const char *const expected[13] = {"C", "G", "D", "A", "E", "B", "F#", "C#", "G#", "Eb", "Bb", "F", "C"};
    for (int i = 0; i < 13; ++i)
        EXPECT_STREQ(kCircleNotes[i], expected[i]) << i;
    for (int note = 0; note < 12; ++note)
        EXPECT_EQ(noteName(note + 12), noteName(note)) << note;
}
